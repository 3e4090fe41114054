#include "shapes/OvalShape.h"

#include <algorithm>

#include "document/DocumentContext.h"
#include "document/SelectToolBase.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineStyle.h"
#include "geometry/LineTypeAttribute.h"
#include "platform/DeviceContext.h"
#include "shapes/OvalType.h"
#include "shapes/PolygonShape.h"

namespace {
// Points per quarter: first band, middle band, last band.
const int kScreenCounts[3] = {5, 10, 5};
const int kOutputCounts[3] = {10, 30, 10};
} // namespace

OvalShape::OvalShape()
{
    // A sub-object that cannot be made counts as absent: no edge, fill, hatch or lean, a full oval.
    (void)ensure(edge);
    (void)ensure(fill);
    (void)ensure(hatch);
    (void)ensure(lean);
    (void)ensure(ovalType);
}

OvalShape::~OvalShape()
{
    release(edge);
    release(fill);
    release(hatch);
    release(lean);
    release(ovalType);
}

void OvalShape::setLean(const LeanAttribute& attribute)
{
    if (lean)
        lean->assign(&attribute);
}

void OvalShape::setOvalType(const OvalType& type)
{
    if (ovalType)
        (void)ovalType->copyFrom(&type); // always 1 for a source
}

int OvalShape::typeCode() const { return ovalType ? ovalType->value : OvalType::kFull; }

int OvalShape::edgeOn() const { return edge && edge->draw.value; }

int OvalShape::fillOn() const { return fill && fill->draw.value; }

int OvalShape::setUpGeometry(int first, int middle, int last)
{
    geometry.setPoints(startPoint, endPoint);
    geometry.setType(typeCode());
    geometry.setCounts(first, middle, last);
    return typeCode() >= OvalType::kFull && typeCode() <= OvalType::kQuart;
}

int OvalShape::place(PointArray& list, int forScreen)
{
    if (lean && !list.rotateAbout(startPoint.x, startPoint.y, lean->angle))
        return 0;
    if (forScreen) {
        if (!list.translate(offsetX, offsetY, offsetZ))
            return 0;
        if (hasRotation() && !list.rotateAbout(rotationCentreX, rotationCentreY, rotationAngle))
            return 0;
    }
    path = &list;
    return pathIsFinite();
}

int OvalShape::buildPlaced(OvalArcShape& shape, int closed, int forScreen, PointArray& list)
{
    double cx = 0.0, cy = 0.0;
    if (!(closed ? shape.buildClosedOutline(list) : shape.buildOutline(list)) || !shape.centre(cx, cy))
        return 0;
    return leadOutwardFrom(list, cx, cy) && place(list, forScreen);
}

int OvalShape::execute(int operation, int newMode)
{
    op = operation;
    mode = newMode;
    if (op == ShapeOp::Pdf) {
        if (pdfBindAttributes()) {
            setStrokeFactors(position());
            writeOutput();
        }
        return 1;
    }
    if (!prepareOperation(lineWidth()))
        return 0;
    if (op == ShapeOp::PostScript) {
        writeOutput();
        return 1;
    }
    updateDevicePenWidth(lineWidth());
    setStrokeFactors(position());
    DcScope scope(*surface);
    thinPenSelected = 0;
    draw();
    return 1;
}

void OvalShape::draw()
{
    if (!setUpGeometry(kScreenCounts[0], kScreenCounts[1], kScreenCounts[2]))
        return;
    if (typeCode() != OvalType::kFull) {
        if (fillOn() && buildPlaced(geometry, 1, 1, outline)) {
            fillOutline(outline);
            runHatch(outline);
        }
        // The straight sides of a part are never stroked.
        if (edgeOn() && buildPlaced(geometry, 0, 1, outline))
            strokeEdge(outline, 0);
        return;
    }
    if (!buildPlaced(geometry, 0, 1, outline))
        return;
    fillOutline(outline);
    runHatch(outline);
    if (edgeOn() && !drawThickRing())
        strokeEdge(outline, 1);
}

void OvalShape::fillOutline(PointArray& list)
{
    if (!fillOn() || list.count < 3)
        return;
    const int gradationOp = op == ShapeOp::Draw || op == ShapeOp::RubberBand || op == ShapeOp::Print;
    if (fill->gray.kind == GrayAttributes::kGradation && gradationOp) {
        runGradation(list);
        return;
    }
    switch (op) {
    case ShapeOp::Draw:
    case ShapeOp::Erase:
    case ShapeOp::RubberBand:
    case ShapeOp::Print:
        effectiveFillColor(op, effectiveColour);
        break;
    case ShapeOp::OverlayPicked:
        effectiveFillColor(ShapeOp::RubberBand, effectiveColour);
        break;
    default:
        return;
    }
    fillWorldPolygon(list);
}

void OvalShape::strokeEdge(PointArray& list, int closed)
{
    effectiveEdgeColor(op == ShapeOp::OverlayPicked ? ShapeOp::RubberBand : op, effectiveColour);
    drawLineType(list, closed);
}

int OvalShape::buildThickRing(PointList& ring)
{
    if (style() != LineStyle::kSolid || devicePenWidth < 3)
        return 0;
    const double w = bandWidth();
    const double outer = leadingFactor() * w;
    const double inner = trailingWidthFactor() * w;
    OvalArcShape grown = geometry;
    grown.grow(outer);
    PointList hole;
    if (!buildPlaced(grown, 0, 1, ring))
        return 0;
    // A band wider than the oval leaves no hole: the whole grown ellipse is painted.
    if (inner < std::min(geometry.width(), geometry.height()) / 2.0) {
        OvalArcShape shrunk = geometry;
        shrunk.shrink(inner);
        if (!buildPlaced(shrunk, 0, 1, hole))
            return 0;
        // The hole walked backwards: the two loops enclose the ring alone.
        for (int i = hole.count - 1; i >= 0; --i) {
            if (!ring.appendPointOf(&hole, i))
                return 0;
        }
    }
    return 1;
}

int OvalShape::drawThickRing()
{
    PointList ring;
    if (!buildThickRing(ring))
        return 0;
    effectiveEdgeColor(op == ShapeOp::OverlayPicked ? ShapeOp::RubberBand : op, effectiveColour);
    fillWorldPolygon(ring);
    return 1;
}

int OvalShape::hitTest()
{
    SelectToolBase* tool = DocumentContext::selectToolOf(context);
    preparePick(lineWidth());
    if (!tool || !setUpGeometry(kScreenCounts[0], kScreenCounts[1], kScreenCounts[2]))
        return 0;
    setStrokeFactors(position());
    const int part = typeCode() != OvalType::kFull;
    // The inside counts where it is painted: a part's closed outline, the whole ellipse.
    const int inside = fillOn() || (hatch && hatch->pattern != 0);
    if (inside && buildPlaced(geometry, part, 1, outline) &&
        tool->hitTestPoints(outline, 0.0, LineOriginAttribute::kCenter, 0, 1))
        return 1;
    if (!buildPlaced(geometry, 0, 1, outline))
        return 0;
    // Without the edge the pick operations still show the thin curve.
    if (!edgeOn())
        return tool->hitTestPolyline(outline, 0.0, LineOriginAttribute::kCenter, 0);
    PointList ring;
    if (!part && buildThickRing(ring))
        return tool->hitTestPoints(ring, 0.0, LineOriginAttribute::kCenter, 0, 1);
    return hitStroke(*tool, outline, !part);
}

void OvalShape::writeOutput()
{
    if (!setUpGeometry(kOutputCounts[0], kOutputCounts[1], kOutputCounts[2]))
        return;
    PointList list;
    if (typeCode() != OvalType::kFull) {
        if (fillOn() && buildPlaced(geometry, 1, 0, list))
            runPolygon(list, 0);
        if (edgeOn() && buildPlaced(geometry, 0, 0, list)) {
            BreaklineShape line;
            copyStrokeTo(line);
            line.setColour(edge->colour);
            line.setGrayValue(edge->gray.value);
            if (line.setPoints(list))
                (void)line.execute(op, 2); // a refused or failed write leaves the edge out
        }
        return;
    }
    // The polygon closes the outline itself.
    if (buildPlaced(geometry, 0, 0, list) && list.removeLast())
        runPolygon(list, 1);
}

void OvalShape::runPolygon(const PointArray& list, int withEdge)
{
    PolygonShape polygon;
    copyStrokeTo(polygon);
    if (!polygon.setPoints(list))
        return;
    if (edge)
        polygon.setEdge(*edge);
    if (polygon.edge && !(withEdge && edgeOn()))
        polygon.edge->draw.value = 0;
    if (fill)
        polygon.setFill(*fill);
    if (hatch)
        polygon.setHatch(*hatch);
    (void)polygon.execute(op, 2); // a refused or failed write leaves the oval out
}
