// The element kinds' operations through their shapes: each call makes the kind's shape, fills it
// with the element's context, layer, colour, points and attributes, places it and runs it once.
#include "elements/ElementShapes.h"

#include <type_traits>

#include "document/DocumentContext.h"
#include "document/ElementKind.h"
#include "document/SelectToolBase.h"
#include "elements/AngleMeasureElement.h"
#include "elements/CircleDimensionElement.h"
#include "elements/ElementTextString.h"
#include "elements/LineElement.h"
#include "elements/VertexRoundingList.h"
#include "geometry/DoubleValue.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/FontAttributes.h"
#include "geometry/GrayValue.h"
#include "geometry/HatchAttributes.h"
#include "geometry/InkColor.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/OpenCloseAttribute.h"
#include "geometry/PointList.h"
#include "geometry/TextSpacingAttribute.h"
#include "shapes/ArcBreaklineShape.h"
#include "shapes/ArcPolygonShape.h"
#include "shapes/ArcShape.h"
#include "shapes/BezierShape.h"
#include "shapes/BoxShape.h"
#include "shapes/BreaklineShape.h"
#include "shapes/CircleDimensionShape.h"
#include "shapes/CircleShape.h"
#include "shapes/LineShape.h"
#include "shapes/MeasureShape.h"
#include "shapes/MsrAngleShape.h"
#include "shapes/OvalShape.h"
#include "shapes/OvalType.h"
#include "shapes/RadiusList.h"
#include "shapes/SplineShape.h"
#include "shapes/TextShape.h"
#include "shapes/TextlineShape.h"

namespace {

// What every kind gives its shape: the document and the layer.
void takeOwner(Shape& shape, const Element& e)
{
    shape.context = e.context;
    shape.layer = e.layer;
}

// The line width, position and type of the kinds that have them.
void takeStroke(Shape& shape, Element& e)
{
    if (e.lineWidth())
        shape.setWidth(e.lineWidth()->width);
    if (e.linePosition())
        shape.setPosition(e.linePosition()->position);
    if (e.lineType())
        shape.setLineStyle(*e.lineType());
}

// The edge, fill and hatch of the area kinds.
template <typename AreaShape> void takeArea(AreaShape& shape, Element& e)
{
    if (e.edge())
        shape.setEdge(*e.edge());
    if (e.fill())
        shape.setFill(*e.fill());
    if (e.hatch())
        shape.setHatch(*e.hatch());
}

// A filled shape placed by the offset (and turned by the preview's rotation, when given) and run.
template <typename AnyShape> int place(AnyShape& shape, int operation, const double offset[3], const double* rotation)
{
    shape.setOffset(offset[0], offset[1], offset[2]);
    if (rotation)
        shape.setRotation(rotation[0], rotation[1], rotation[2], rotation[3]);
    return shape.execute(operation, 2);
}

void fillLine(LineShape& shape, Element& line)
{
    takeOwner(shape, line);
    if (line.colour())
        shape.setColour(*line.colour());
    if (line.firstPoint() && line.secondPoint())
        shape.setPoints(*line.firstPoint(), *line.secondPoint());
    takeStroke(shape, line);
    if (line.lineCap())
        shape.setCapStyle(line.lineCap()->capStyle);
    if (line.gray())
        shape.setGrayValue(line.gray()->value);
}

// A line whose pen is under 3 pixels is drawn as its segment: the select tool tests that at once
// (the commonest pick by far, without a shape to build); a wider one through its band.
int hitLine(Element& line)
{
    SelectToolBase* tool = DocumentContext::selectToolOf(line.context);
    if (!tool || !line.firstPoint() || !line.secondPoint())
        return 0;
    const double width = line.lineWidth() ? line.lineWidth()->width : 0.0;
    if (Shape::devicePenWidthFor(line.context->view, ShapeOp::Draw, width) < 3)
        return tool->hitTestStroke(*line.firstPoint(), *line.secondPoint(), width);
    LineShape shape;
    fillLine(shape, line);
    return shape.hitTest();
}

// What the open and closed point-list kinds give their shapes alike: the context, the layer and
// the rounding list (the arc kinds leave both out: they do not draw the radii), the points and
// the line width, position and type.
void fillPointsAndStroke(BreaklineShape& shape, Element& e, int arcs)
{
    shape.context = e.context;
    if (!arcs) {
        shape.setLayer(e.layer);
        shape.setRounding(e.vertexRounding());
    }
    if (e.vertices())
        (void)shape.setPoints(*e.vertices()); // a copy that failed draws nothing
    takeStroke(shape, e);
}

// A breakline (or spline) shape filled from an open polyline element.
void fillListShape(BreaklineShape& shape, Element& e, int arcs)
{
    fillPointsAndStroke(shape, e, arcs);
    if (e.colour())
        shape.setColour(*e.colour());
    if (e.lineCap())
        shape.setCapStyle(e.lineCap()->capStyle);
    if (e.gray())
        shape.setGrayValue(e.gray()->value);
}

// A polygon shape filled from a closed polygon element.
void fillListShape(PolygonShape& shape, Element& e, int arcs)
{
    fillPointsAndStroke(shape, e, arcs);
    takeArea(shape, e);
}

// The shape of a point-list kind, filled by the form its class takes (a polygon shape's overload
// for the closed kinds), placed and run once; and its exact extent.
template <typename ListShape, int arcs>
int runListShape(Element& e, int operation, const double offset[3], const double* rotation)
{
    ListShape shape;
    fillListShape(shape, e, arcs);
    return place(shape, operation, offset, rotation);
}

template <typename ListShape, int arcs> int measureListShape(Element& e, Point& lo, Point& hi)
{
    ListShape shape;
    fillListShape(shape, e, arcs);
    return shape.computeExactExtent(lo, hi);
}

template <typename ListShape, int arcs> int hitListShape(Element& e)
{
    ListShape shape;
    fillListShape(shape, e, arcs);
    return shape.hitTest();
}

void fillOval(OvalShape& shape, Element& oval)
{
    takeOwner(shape, oval);
    takeArea(shape, oval);
    if (oval.firstPoint())
        shape.setStartPoint(*oval.firstPoint());
    if (oval.secondPoint())
        shape.setEndPoint(*oval.secondPoint());
    if (oval.lean())
        shape.setLean(*oval.lean());
    takeStroke(shape, oval);
    if (oval.ovalType())
        shape.setOvalType(*oval.ovalType());
}

// The text's shape, or the leader text's with its leader and arrow head.
template <typename TextShapeKind> void fillText(TextShapeKind& shape, Element& text)
{
    takeOwner(shape, text);
    if (text.colour())
        shape.setColour(*text.colour());
    if (text.firstPoint())
        shape.setAnchor(*text.firstPoint());
    if (text.lean())
        shape.setLean(*text.lean());
    if (text.textSpacing())
        shape.setTextSpacing(*text.textSpacing());
    if (text.font())
        shape.setFont(*text.font());
    if (text.text())
        shape.setText(&text.text()->buffer);
    if constexpr (std::is_same_v<TextShapeKind, TextlineShape>) {
        shape.setLeader(text.vertices());
        if (text.arrowLine())
            shape.setLeaderLine(*text.arrowLine());
        if (text.arrowHead())
            shape.setArrowHead(*text.arrowHead());
    }
}

int hitLeader(Element& text)
{
    TextlineShape shape;
    fillText(shape, text);
    return shape.hitLeader();
}

int measureLeader(Element& text, Point& lo, Point& hi)
{
    TextlineShape shape;
    fillText(shape, text);
    return shape.leaderExtent(lo, hi);
}

} // namespace

void drawPickUnderline(Element& text, const Point& from, const Point& to)
{
    LineShape shape;
    takeOwner(shape, text);
    if (text.colour())
        shape.setColour(*text.colour());
    shape.setPoints(DrawPoint(from.x, from.y), DrawPoint(to.x, to.y));
    (void)shape.execute(ShapeOp::ShowPicked, 2); // an underline that cannot be drawn leaves the marks
}

namespace {

// The arc: start, end and middle are the element's first, second and third points.
void fillArc(ArcShape& shape, Element& arc)
{
    takeOwner(shape, arc);
    if (arc.colour())
        shape.setColour(*arc.colour());
    if (arc.firstPoint())
        shape.setStartPoint(*arc.firstPoint());
    if (arc.secondPoint())
        shape.setEndPoint(*arc.secondPoint());
    if (arc.thirdPoint())
        shape.setMidPoint(*arc.thirdPoint());
    takeStroke(shape, arc);
}

// The circle: the centre is the element's third point, the angles its two values.
void fillCircle(CircleShape& shape, Element& circle)
{
    takeOwner(shape, circle);
    if (circle.edge())
        shape.setEdge(*circle.edge());
    if (circle.thirdPoint())
        shape.setCentre(*circle.thirdPoint());
    if (circle.radii())
        shape.setRadiusList(*circle.radii());
    if (circle.value1())
        shape.setStartAngle(circle.value1()->value);
    if (circle.value2())
        shape.setEndAngle(circle.value2()->value);
    takeStroke(shape, circle);
}

// The shape of a kind filled by its fill function, placed and run once; its pick.
template <typename AnyShape, void (*fill)(AnyShape&, Element&)>
int runFilledShape(Element& e, int operation, const double offset[3], const double* rotation)
{
    AnyShape shape;
    fill(shape, e);
    return place(shape, operation, offset, rotation);
}

template <typename CurveShape, void (*fill)(CurveShape&, Element&)> int measureCurveShape(Element& e, Point& lo, Point& hi)
{
    CurveShape shape;
    fill(shape, e);
    return shape.computeExtent(lo, hi);
}

template <typename AnyShape, void (*fill)(AnyShape&, Element&)> int measureFilledShape(Element& e, Point& lo, Point& hi)
{
    AnyShape shape;
    fill(shape, e);
    return shape.computeExactExtent(lo, hi);
}

template <typename AnyShape, void (*fill)(AnyShape&, Element&)> int hitFilledShape(Element& e)
{
    AnyShape shape;
    fill(shape, e);
    return shape.hitTest();
}

void fillBox(BoxShape& shape, Element& box)
{
    takeOwner(shape, box);
    takeArea(shape, box);
    if (box.firstPoint())
        shape.setStartCorner(*box.firstPoint());
    if (box.secondPoint())
        shape.setEndCorner(*box.secondPoint());
    if (box.boxRules())
        shape.setBoxRules(*box.boxRules());
    if (box.cornerRounding())
        shape.setCornerRounding(*box.cornerRounding());
    if (box.lean())
        shape.setLean(*box.lean());
    takeStroke(shape, box);
}

OvalArcShape ovalGeometry(const Point& a, const Point& b, int type)
{
    OvalArcShape geometry;
    geometry.setPoints(a, b);
    geometry.setType(type);
    return geometry;
}

} // namespace

int ovalOutline(const Point& a, const Point& b, int type, double grow, int closed, PointArray& out)
{
    OvalArcShape geometry = ovalGeometry(a, b, type);
    if (grow != 0.0)
        geometry.growForKind(grow);
    return closed ? geometry.buildClosedOutline(out) : geometry.buildOutline(out);
}

int ovalAxes(const Point& a, const Point& b, int type, double axes[2], Point& centre)
{
    const OvalArcShape geometry = ovalGeometry(a, b, type);
    return geometry.axisLengths(axes[0], axes[1]) && geometry.centrePoint(centre);
}

namespace {

// A Bezier shape of the element's context, layer, edge, fill, hatch and line size over points.
void fillBezier(BezierShape& shape, Element& e, PointList& points, int openClose)
{
    takeOwner(shape, e);
    takeArea(shape, e);
    if (e.lineWidth())
        shape.setWidth(e.lineWidth()->width);
    shape.setOpenClose(openClose);
    shape.setControlPoints(&points);
}

int runBezierShape(Element& curve, int operation, const double offset[3], const double* rotation)
{
    if (!curve.vertices())
        return 0;
    BezierShape shape;
    fillBezier(shape, curve, *curve.vertices(), curve.openClose() ? curve.openClose()->value : OpenCloseAttribute::kClose);
    return place(shape, operation, offset, rotation);
}

int hitBezierShape(Element& curve)
{
    if (!curve.vertices())
        return 0;
    BezierShape shape;
    fillBezier(shape, curve, *curve.vertices(), curve.openClose() ? curve.openClose()->value : OpenCloseAttribute::kClose);
    return shape.hitTest();
}

} // namespace

int drawBezierCurve(Element& owner, PointList& points, int openClose, int operation, const double offset[3])
{
    BezierShape shape;
    fillBezier(shape, owner, points, openClose);
    shape.noFill();
    shape.setOffset(offset[0], offset[1], offset[2]);
    return shape.execute(operation, 2);
}

namespace {

// A dimension shape filled from its element; the angle takes its draw type, the radius and
// diameter their layout and values as well.
template <typename DimensionShapeKind> void fillDimension(DimensionShapeKind& shape, Element& e)
{
    takeOwner(shape, e);
    shape.setPoints(e.vertices());
    if (e.thirdPoint())
        shape.setDisplayPoint(*e.thirdPoint());
    if (e.font())
        shape.setFont(*e.font());
    if (e.measure())
        shape.setMeasure(*e.measure());
    if (e.measureLine())
        shape.setDimensionLine(*e.measureLine());
    if (e.arrowLine())
        shape.setExtensionLine(*e.arrowLine());
    if (e.arrowHead())
        shape.setArrowHead(*e.arrowHead());
    if constexpr (std::is_same_v<DimensionShapeKind, MsrAngleShape>) {
        if (auto* angle = dynamic_cast<AngleMeasureElement*>(&e))
            shape.setDrawType(angle->drawType.value);
    }
    if constexpr (std::is_base_of_v<CircleDimensionShape, DimensionShapeKind>) {
        if (auto* circular = dynamic_cast<CircleDimensionElement*>(&e)) {
            shape.setLayout(circular->layout.value);
            if (circular->values())
                shape.setValues(*circular->values());
        }
    }
}

template <typename DimensionShapeKind>
int runDimensionShape(Element& e, int operation, const double offset[3], const double*)
{
    DimensionShapeKind shape;
    fillDimension(shape, e);
    shape.setOffset(offset[0], offset[1], offset[2]);
    return shape.execute(operation, 2);
}

template <typename DimensionShapeKind> int measureDimension(Element& e, Point& lo, Point& hi)
{
    DimensionShapeKind shape;
    fillDimension(shape, e);
    return shape.extent(lo, hi);
}

template <typename DimensionShapeKind> int hitDimension(Element& e)
{
    DimensionShapeKind shape;
    fillDimension(shape, e);
    return shape.hitTest();
}

} // namespace

int runElementShape(Element& e, int operation, const double offset[3], const double* rotation)
{
    switch (static_cast<ElementKind>(e.kind)) {
    case ElementKind::Line:
        return runFilledShape<LineShape, fillLine>(e, operation, offset, rotation);
    case ElementKind::Breakline:
        return runListShape<BreaklineShape, 0>(e, operation, offset, rotation);
    case ElementKind::ArcBreakline:
        return runListShape<ArcBreaklineShape, 1>(e, operation, offset, rotation);
    case ElementKind::Spline:
        return runListShape<SplineShape, 0>(e, operation, offset, rotation);
    case ElementKind::Box:
        return runFilledShape<BoxShape, fillBox>(e, operation, offset, rotation);
    case ElementKind::Arc:
        return runFilledShape<ArcShape, fillArc>(e, operation, offset, rotation);
    case ElementKind::Circle:
        return runFilledShape<CircleShape, fillCircle>(e, operation, offset, rotation);
    case ElementKind::Polygon:
        return runListShape<PolygonShape, 0>(e, operation, offset, rotation);
    case ElementKind::ArcPolygon:
        return runListShape<ArcPolygonShape, 1>(e, operation, offset, rotation);
    case ElementKind::Oval:
        return runFilledShape<OvalShape, fillOval>(e, operation, offset, rotation);
    case ElementKind::Bezier:
        return runBezierShape(e, operation, offset, rotation);
    case ElementKind::Text:
        return runFilledShape<TextShape, fillText<TextShape>>(e, operation, offset, rotation);
    case ElementKind::TextLine:
        return runFilledShape<TextlineShape, fillText<TextlineShape>>(e, operation, offset, rotation);
    case ElementKind::Measure:
        return runDimensionShape<MeasureShape>(e, operation, offset, rotation);
    case ElementKind::AngleMeasure:
        return runDimensionShape<MsrAngleShape>(e, operation, offset, rotation);
    case ElementKind::MsrRadius:
        return runDimensionShape<MsrRadiusShape>(e, operation, offset, rotation);
    case ElementKind::MsrDiameter:
        return runDimensionShape<MsrDiameterShape>(e, operation, offset, rotation);
    case ElementKind::Bitmap:
        return runBitmapShape(e, operation, offset);
    case ElementKind::Picture:
        return runPictureShape(e, operation, offset);
    default:
        return 0;
    }
}

// The line, the oval, the Bezier curve, the text and the image kinds measure themselves.
int runElementExtent(Element& e, Point& lo, Point& hi)
{
    switch (static_cast<ElementKind>(e.kind)) {
    case ElementKind::Breakline:
        return measureListShape<BreaklineShape, 0>(e, lo, hi);
    case ElementKind::ArcBreakline:
        return measureListShape<ArcBreaklineShape, 1>(e, lo, hi);
    case ElementKind::Spline:
        return measureListShape<SplineShape, 0>(e, lo, hi);
    case ElementKind::Box:
        return measureFilledShape<BoxShape, fillBox>(e, lo, hi);
    case ElementKind::Arc:
        return measureCurveShape<ArcShape, fillArc>(e, lo, hi);
    case ElementKind::Circle:
        return measureCurveShape<CircleShape, fillCircle>(e, lo, hi);
    case ElementKind::Polygon:
        return measureListShape<PolygonShape, 0>(e, lo, hi);
    case ElementKind::ArcPolygon:
        return measureListShape<ArcPolygonShape, 1>(e, lo, hi);
    case ElementKind::TextLine:
        return measureLeader(e, lo, hi);
    case ElementKind::Measure:
        return measureDimension<MeasureShape>(e, lo, hi);
    case ElementKind::AngleMeasure:
        return measureDimension<MsrAngleShape>(e, lo, hi);
    case ElementKind::MsrRadius:
        return measureDimension<MsrRadiusShape>(e, lo, hi);
    case ElementKind::MsrDiameter:
        return measureDimension<MsrDiameterShape>(e, lo, hi);
    default:
        return 0;
    }
}

// The arc, the circle, the text and the image kinds answer their picks themselves.
int runElementHitTest(Element& e)
{
    switch (static_cast<ElementKind>(e.kind)) {
    case ElementKind::Line:
        return hitLine(e);
    case ElementKind::Breakline:
        return hitListShape<BreaklineShape, 0>(e);
    case ElementKind::ArcBreakline:
        return hitListShape<ArcBreaklineShape, 1>(e);
    case ElementKind::Spline:
        return hitListShape<SplineShape, 0>(e);
    case ElementKind::Box:
        return hitFilledShape<BoxShape, fillBox>(e);
    case ElementKind::Polygon:
        return hitListShape<PolygonShape, 0>(e);
    case ElementKind::ArcPolygon:
        return hitListShape<ArcPolygonShape, 1>(e);
    case ElementKind::Oval:
        return hitFilledShape<OvalShape, fillOval>(e);
    case ElementKind::Bezier:
        return hitBezierShape(e);
    case ElementKind::TextLine:
        return hitLeader(e);
    case ElementKind::Measure:
        return hitDimension<MeasureShape>(e);
    case ElementKind::AngleMeasure:
        return hitDimension<MsrAngleShape>(e);
    case ElementKind::MsrRadius:
        return hitDimension<MsrRadiusShape>(e);
    case ElementKind::MsrDiameter:
        return hitDimension<MsrDiameterShape>(e);
    default:
        return 0;
    }
}
