#include "shapes/BezierShape.h"

#include "document/DocumentContext.h"
#include "document/SelectToolBase.h"
#include "geometry/BezierFlattener.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LineStyle.h"
#include "geometry/OpenCloseAttribute.h"
#include "geometry/ViewParams.h"
#include "platform/DeviceContext.h"
#include "platform/IntPolygon.h"

BezierShape::BezierShape()
{
    // Absent counts as closed (the attribute's default).
    (void)ensure(openClose);
    fillsOverlayStep32 = 0;
}

BezierShape::~BezierShape() { release(openClose); }

void BezierShape::setOpenClose(int value)
{
    if (openClose)
        openClose->value = value;
}

void BezierShape::noFill()
{
    if (fill)
        fill->draw.value = 0;
}

int BezierShape::closed() const { return !openClose || openClose->isClosed(); }

int BezierShape::flattenPath()
{
    BezierFlattener flattener;
    flat.count = 0;
    return flattener.run(path, 0) >= 1 && flat.copyFrom(&flattener.output());
}

int BezierShape::execute(int operation, int newMode)
{
    op = operation;
    mode = newMode;
    path = controls;
    if (op == ShapeOp::Pdf) {
        writePdf();
        return 1;
    }
    if (!prepareOperation(lineWidth()) || !controls || !placePath())
        return 0;
    if (!pathIsFinite())
        return 1;
    if (op == ShapeOp::PostScript) {
        writePostScript();
        return 1;
    }
    if (!flattenPath() || flat.count < 2)
        return 1;
    updateDevicePenWidth(lineWidth());
    // Only the drawing itself, its erasing and the print are wide; pick marks and overlays stay
    // thin.
    if (op != ShapeOp::Draw && op != ShapeOp::Erase && op != ShapeOp::Print)
        devicePenWidth = 1;
    DcScope scope(*surface);
    thinPenSelected = 0;
    if (!closed()) {
        effectiveEdgeColor(op, effectiveColour);
        drawLineType(flat, 0);
        return 1;
    }
    path = &flat;
    drawFill();
    runHatch(flat);
    drawOutline();
    return 1;
}

int BezierShape::hitTest()
{
    SelectToolBase* tool = DocumentContext::selectToolOf(context);
    path = controls;
    preparePick(lineWidth());
    if (!tool || !controls || !placePath() || !pathIsFinite() || !flattenPath() ||
        flat.count < 2)
        return 0;
    setStrokeFactors(position());
    if (!closed()) {
        setCapEnds(1, 1);
        return hitStroke(*tool, flat, 0);
    }
    path = &flat;
    return hitArea(*tool, 0);
}

int BezierShape::deviceOutline(int operation, IntPolygon& out)
{
    ViewParams* view = viewParams();
    BezierFlattener flattener;
    if (!view || !controls || flattener.run(controls, 0) < 1)
        return 0;
    const PointArray& points = flattener.output();
    Point p;
    for (int i = 0; i < points.count; ++i) {
        if (!points.getRecord(i, &p) ||
            !out.add(view->worldToDeviceXForOp(operation, p.x), view->worldToDeviceYForOp(operation, p.y)))
            return 0;
    }
    return 1;
}

int BezierShape::writeCurvePath(int toPdf)
{
    // The placed points: the offset is in them already. Surplus points after the last whole
    // segment are dropped by the walks.
    if (path->count < 4)
        return 0;
    if (toPdf)
        return pdfBezierPath(*path, 1, 0);
    return psNewPath() && psMoveToPoint(*path, 0, 0) && psCurvePoints(*path, 1, path->count - 1, 1, 0);
}

int BezierShape::gradationFilled()
{
    if (!gradationFill())
        return 0;
    if (flattenPath())
        runGradation(flat);
    return 1;
}

void BezierShape::writePostScript()
{
    const int solid = LineStyle::kSolid;
    if (!closed()) {
        effectiveEdgeColor(op, effectiveColour);
        // Below 1: no writer, or the colour is not on the current plate.
        if (psApplyColor(1.0) >= 1)
            (void)(writeCurvePath(0) && psSetDash(solid, 0.0) && psSetLineWidth(lineWidth()) &&
                   psStroke()); // a failed write ends the output
        return;
    }
    if (fill && fill->draw.value && !gradationFilled()) {
        effectiveFillColor(op, effectiveColour);
        if (psApplyColor(1.0) >= 1)
            (void)(writeCurvePath(0) && psClosePath() && psFill()); // a failed write ends the step
    }
    if (hatch && hatch->pattern != 0 && writeCurvePath(0) && psClosePath() && psClip()) {
        if (flattenPath())
            runHatch(flat, 1);
        (void)psInitClip(); // the last write of the step; the stroke below tries on
    }
    if (!edge || !edge->draw.value)
        return;
    effectiveEdgeColor(op, effectiveColour);
    if (psApplyColor(1.0) >= 1)
        (void)(psSetMiterJoin() && writeCurvePath(0) && psClosePath() && psSetDash(solid, 0.0) &&
               psSetLineWidth(lineWidth()) && psStroke()); // a failed write ends the step
}

void BezierShape::writePdf()
{
    if (!controls || !pdfBindAttributes() || !placePath() || !pathIsFinite())
        return;
    const int solid = LineStyle::kSolid;
    if (!closed()) {
        if (edge && pdfSetStrokeColor(edge->colour, 1.0))
            (void)(pdfSetDash(solid, 0.0) && pdfSetLineWidth(lineWidth()) && writeCurvePath(1) &&
                   pdfStroke()); // a failed write ends the output
        return;
    }
    if (fill && fill->draw.value && !gradationFilled()) {
        const double tint = fill->gray.kind == GrayAttributes::kFlat ? fill->gray.startGray : 1.0;
        (void)(pdfSetFillColor(fill->colour, tint) && writeCurvePath(1) && pdfClosePath() &&
               pdfFill()); // a failed write ends the step
    }
    if (hatch && hatch->pattern != 0 && path->count >= 4 && flattenPath()) {
        if (pdfSaveState() && writeCurvePath(1) && pdfClosePath() && pdfClip() && pdfEndPath()) {
            runHatch(flat, 1);
            (void)pdfRestoreState();          // the last write of the step; the stroke tries on
        }
    }
    if (!edge || !edge->draw.value)
        return;
    (void)(pdfSetStrokeColor(edge->colour, 1.0) && pdfSetDash(solid, 0.0) && pdfSetLineWidth(lineWidth()) &&
           writeCurvePath(1) && pdfClosePath() && pdfStroke()); // a failed write ends the step
}
