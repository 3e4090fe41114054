// The element kinds' operations through their shapes: each runner makes the kind's shape, fills
// it with the element's context, layer, colour, points and attributes, places it and runs it once.
#include "shapes/ElementShapes.h"

#include "elements/ElementKind.h"
#include "elements/ElementShapeRunners.h"
#include "elements/LineElement.h"
#include "elements/OvalType.h"
#include "geometry/GrayValue.h"
#include "geometry/InkColor.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "shapes/LineShape.h"
#include "geometry/PointList.h"
#include "elements/VertexRoundingList.h"
#include "shapes/ArcBreaklineShape.h"
#include "shapes/BreaklineShape.h"
#include "shapes/OvalShape.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LeanAttribute.h"
#include "elements/ElementTextString.h"
#include "elements/TextElementBase.h"
#include "geometry/FontAttributes.h"
#include "geometry/TextSpacingAttribute.h"
#include "shapes/TextShape.h"

namespace {

int runLineShape(Element& line, int operation, const double offset[3], const double* rotation)
{
    LineShape shape;
    shape.context = line.context;
    shape.layer = line.layer;
    if (line.colour())
        shape.setColour(*line.colour());
    if (line.firstPoint() && line.secondPoint())
        shape.setPoints(*line.firstPoint(), *line.secondPoint());
    if (line.lineWidth())
        shape.setWidth(line.lineWidth()->width);
    if (line.linePosition())
        shape.setPosition(line.linePosition()->position);
    if (line.lineType())
        shape.setLineStyle(*line.lineType());
    if (line.lineCap())
        shape.setCapStyle(line.lineCap()->capStyle);
    if (line.gray())
        shape.setGrayValue(line.gray()->value);
    shape.setOffset(offset[0], offset[1], offset[2]);
    if (rotation)
        shape.setRotation(rotation[0], rotation[1], rotation[2], rotation[3]);
    return shape.execute(operation, 2);
}

// A breakline shape filled from an open polyline element: the arc kind leaves out the layer and
// the rounding list, which it does not draw.
void fillPolyline(BreaklineShape& shape, Element& e, int arcs)
{
    shape.context = e.context;
    if (!arcs) {
        shape.setLayer(e.layer);
        shape.setRounding(e.vertexRounding());
    }
    if (e.colour())
        shape.setColour(*e.colour());
    if (e.vertices())
        (void)shape.setPoints(*e.vertices()); // a copy that failed draws nothing
    if (e.lineWidth())
        shape.setWidth(e.lineWidth()->width);
    if (e.linePosition())
        shape.setPosition(e.linePosition()->position);
    if (e.lineType())
        shape.setLineStyle(*e.lineType());
    if (e.lineCap())
        shape.setCapStyle(e.lineCap()->capStyle);
    if (e.gray())
        shape.setGrayValue(e.gray()->value);
}

template <typename PolylineShape, int arcs>
int runPolylineShape(Element& e, int operation, const double offset[3], const double* rotation)
{
    PolylineShape shape;
    fillPolyline(shape, e, arcs);
    shape.setOffset(offset[0], offset[1], offset[2]);
    if (rotation)
        shape.setRotation(rotation[0], rotation[1], rotation[2], rotation[3]);
    return shape.execute(operation, 2);
}

int runOvalShape(Element& oval, int operation, const double offset[3], const double* rotation)
{
    OvalShape shape;
    shape.context = oval.context;
    shape.layer = oval.layer;
    if (oval.edge())
        shape.setEdge(*oval.edge());
    if (oval.fill())
        shape.setFill(*oval.fill());
    if (oval.hatch())
        shape.setHatch(*oval.hatch());
    if (oval.firstPoint())
        shape.setStartPoint(*oval.firstPoint());
    if (oval.secondPoint())
        shape.setEndPoint(*oval.secondPoint());
    if (oval.lean())
        shape.setLean(*oval.lean());
    if (oval.lineWidth())
        shape.setWidth(oval.lineWidth()->width);
    if (oval.linePosition())
        shape.setPosition(oval.linePosition()->position);
    if (oval.lineType())
        shape.setLineStyle(*oval.lineType());
    if (oval.ovalType())
        shape.setOvalType(*oval.ovalType());
    shape.setOffset(offset[0], offset[1], offset[2]);
    if (rotation)
        shape.setRotation(rotation[0], rotation[1], rotation[2], rotation[3]);
    return shape.execute(operation, 2);
}

int runTextShape(Element& text, int operation, const double offset[3], const double* rotation)
{
    TextShape shape;
    shape.context = text.context;
    shape.layer = text.layer;
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
    shape.setOffset(offset[0], offset[1], offset[2]);
    if (rotation)
        shape.setRotation(rotation[0], rotation[1], rotation[2], rotation[3]);
    return shape.execute(operation, 2);
}

// One underline of a text's pick display, in the pick colour.
void drawPickUnderline(Element& text, const Point& from, const Point& to)
{
    LineShape shape;
    shape.context = text.context;
    shape.layer = text.layer;
    if (text.colour())
        shape.setColour(*text.colour());
    shape.setPoints(DrawPoint(from.x, from.y), DrawPoint(to.x, to.y));
    (void)shape.execute(ShapeOp::ShowPicked, 2); // an underline that cannot be drawn leaves the marks
}

template <typename PolylineShape, int arcs> int measurePolylineShape(Element& e, Point& lo, Point& hi)
{
    PolylineShape shape;
    fillPolyline(shape, e, arcs);
    return shape.computeExactExtent(lo, hi);
}

OvalArcShape ovalGeometry(const Point& a, const Point& b, int type)
{
    OvalArcShape geometry;
    geometry.setPoints(a, b);
    geometry.setType(type);
    return geometry;
}

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

} // namespace

void installElementShapes()
{
    elementShapeRunners[kindCode(ElementKind::Line) - 1] = runLineShape;
    elementShapeRunners[kindCode(ElementKind::Breakline) - 1] = runPolylineShape<BreaklineShape, 0>;
    elementShapeRunners[kindCode(ElementKind::ArcBreakline) - 1] = runPolylineShape<ArcBreaklineShape, 1>;
    elementExtentRunners[kindCode(ElementKind::Breakline) - 1] = measurePolylineShape<BreaklineShape, 0>;
    elementExtentRunners[kindCode(ElementKind::ArcBreakline) - 1] = measurePolylineShape<ArcBreaklineShape, 1>;
    elementShapeRunners[kindCode(ElementKind::Oval) - 1] = runOvalShape;
    ovalOutlineHook = ovalOutline;
    ovalAxesHook = ovalAxes;
    elementShapeRunners[kindCode(ElementKind::Text) - 1] = runTextShape;
    TextElementBase::pickUnderlineHook = drawPickUnderline;
}
