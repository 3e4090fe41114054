#include "shapes/PolygonShape.h"

#include "document/SelectToolBase.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LineOriginAttribute.h"
#include "platform/DeviceContext.h"

PolygonShape::PolygonShape()
{
    // A sub-object that cannot be made counts as absent: no fill, no hatch, an edge in the
    // colour of the operation.
    (void)ensure(edge);
    (void)ensure(fill);
    (void)ensure(hatch);
}

PolygonShape::~PolygonShape()
{
    release(edge);
    release(fill);
    release(hatch);
}

int PolygonShape::gradationFill() const { return fill && fill->gray.kind == GrayAttributes::kGradation; }

int PolygonShape::run(int operation, int newMode, int startedAsLine)
{
    op = operation;
    mode = newMode;
    path = listToDraw(1);
    if (op == ShapeOp::Pdf) {
        writePdf();
        return 1;
    }
    if (!prepareOperation(lineWidth()) || source.count < 1 || !placePath())
        return 0;
    if (!pathIsFinite())
        return 1;
    setStrokeFactors(position());
    if (op == ShapeOp::PostScript) {
        writePostScript();
        return 1;
    }
    updateDevicePenWidth(lineWidth());
    DcScope scope(*surface);
    thinPenSelected = 0;
    if (startedAsLine && op == ShapeOp::RubberBand && path->count < 3) {
        // A polygon being started: its points as an open line in the edge's colour.
        effectiveEdgeColor(op, effectiveColour);
        drawLineType(*path, 0);
        return 1;
    }
    drawFill();
    runHatch(*path);
    drawOutline();
    return 1;
}

int PolygonShape::closeOutline(PointArray& closed) const { return closed.copyFrom(path) && closed.closeWithFirst(); }

void PolygonShape::drawFill()
{
    if (!fill || !fill->draw.value || path->count < 3)
        return;
    const int gradationOps = op == ShapeOp::Draw || op == ShapeOp::RubberBand || op == ShapeOp::Print;
    if (gradationFill() && gradationOps) {
        runGradation(*path);
        return;
    }
    switch (op) {
    case ShapeOp::Draw:
    case ShapeOp::Erase:
    case ShapeOp::RubberBand:
    case ShapeOp::Print:
        effectiveFillColor(op, effectiveColour);
        break;
    case ShapeOp::OverlayStep32:
        if (!fillsOverlayStep32)
            return;
        effectiveFillColor(op, effectiveColour);
        break;
    case ShapeOp::OverlayPicked:
        effectiveFillColor(ShapeOp::RubberBand, effectiveColour);
        break;
    default:
        return;
    }
    fillWorldPolygon(*path);
}

int PolygonShape::outlineColour(InkColor& out) const
{
    const int colourOp = op == ShapeOp::OverlayPicked ? ShapeOp::RubberBand : op;
    if (edge && edge->draw.value) {
        effectiveEdgeColor(colourOp, out);
        return 1;
    }
    switch (op) {
    case ShapeOp::ShowPicked:
    case ShapeOp::DragPreview:
    case ShapeOp::ShowPickMarks:
    case ShapeOp::RotatedPreview:
    case ShapeOp::ViewDefault:
    case ShapeOp::RubberBand:
    case ShapeOp::OverlayPicked:
    case ShapeOp::OverlayStep31:
    case ShapeOp::OverlayStep32:
    case ShapeOp::OverlayStep33:
    case ShapeOp::OverlayStep41:
        effectiveFillColor(colourOp, out);
        return 1;
    default:
        return 0; // drawing, erasing, printing and output honour the switch
    }
}

void PolygonShape::drawOutline()
{
    PointArray closed;
    if (path->count < 3 || !outlineColour(effectiveColour) || !closeOutline(closed))
        return;
    drawLineType(closed, 1);
}

void PolygonShape::writePostScript()
{
    if (path->count >= 3 && fill && fill->draw.value) {
        if (gradationFill()) {
            runGradation(*path);
        } else {
            effectiveFillColor(op, effectiveColour);
            // Absent from the current plate (below 1): nothing is written.
            if (psApplyColor(1.0) >= 1)
                (void)(psNewPath() && psMoveToPoint(*path, 0, 0) && psLineToPoints(*path, 1, path->count - 1, 0) &&
                       psClosePath() && psFill()); // a failed write ends the output
        }
    }
    runHatch(*path);
    PointArray closed;
    if (path->count < 3 || !outlineColour(effectiveColour) || !closeOutline(closed))
        return;
    if (psApplyColor(1.0) >= 1)
        (void)writeLineType(postScriptStrokes(), closed, 1); // a failed write ends the output
}

void PolygonShape::writePdf()
{
    if (!pdfBindAttributes() || !placePath() || !pathIsFinite())
        return;
    setStrokeFactors(position());
    if (path->count >= 3 && fill && fill->draw.value) {
        if (gradationFill()) {
            runGradation(*path);
        } else {
            const double tint = fill->gray.kind == GrayAttributes::kFlat ? fill->gray.startGray : 1.0;
            (void)(pdfSetFillColor(fill->colour, tint) && pdfPolyline(*path, 1, 0) && pdfClosePath() &&
                   pdfFill()); // a failed write ends the output
        }
    }
    runHatch(*path);
    PointArray closed;
    if (path->count < 3 || !edge || !edge->draw.value || !closeOutline(closed))
        return;
    if (pdfSetStrokeColor(edge->colour, edge->gray.value))
        (void)writeLineType(pdfStrokes(), closed, 1); // a failed write ends the output
}

int PolygonShape::hitTest(int bareOutline)
{
    SelectToolBase* tool = preparePathPick(1);
    return tool && hitArea(*tool, 1, bareOutline);
}

int PolygonShape::hitArea(SelectToolBase& tool, int hatchCounts, int bareOutline)
{
    if (path->count < 3)
        return 0;
    const int inside = (fill && fill->draw.value) || (hatchCounts && hatch && hatch->pattern != 0);
    if (inside && tool.hitTestPoints(*path, 0.0, LineOriginAttribute::kCenter, 0, 1))
        return 1;
    PointArray closed;
    if (!closeOutline(closed))
        return 0;
    if (edge && edge->draw.value)
        return hitStroke(tool, closed, 1);
    return bareOutline && tool.hitTestPolyline(closed, 0.0, LineOriginAttribute::kCenter, 0);
}

int PolygonShape::computeExactExtent(Point& lo, Point& hi)
{
    op = ShapeOp::RubberBand;
    mode = 2;
    path = listToDraw(1);
    // The band's box needs no view: only the paper scale sizes it.
    bindSubObjects();
    if (source.count < 1 || !placePath() || !pathIsFinite())
        return 0;
    updateDevicePenWidth(lineWidth());
    setStrokeFactors(position());
    const double w = bandWidth();
    PointArray closed, ring;
    if (closeOutline(closed) && closedOffset(closed, leadingFactor() * w, 1, ring) &&
        closedOffset(closed, trailingWidthFactor() * w, -1, ring))
        return ring.getBounds(&lo, &hi);
    return path->getBounds(&lo, &hi);
}
