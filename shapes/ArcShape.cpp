#include "shapes/ArcShape.h"

#include <cmath>

#include "document/DocumentContext.h"
#include "geometry/LineStyle.h"
#include "platform/DeviceContext.h"

namespace {
const double kDegreesToRadians = 3.14159265358979323846 / 180.0;
} // namespace

int ArcShape::radiusIsDrawable() const
{
    const double r = arc.radius;
    if (!(r > 0.0) || !(r <= kMaxRadius))
        return 0;
    // Without paper settings (detached painters) there is no sheet to measure against.
    return !(context && context->paper) || r <= paperLongerSideInDrawing();
}

void ArcShape::placeArcPoints()
{
    Point* places[3] = {&arc.start, &arc.middle, &arc.end};
    const DrawPoint* given[3] = {&startPoint, &midPoint, &endPoint};
    for (int i = 0; i < 3; ++i) {
        Point& p = *places[i];
        p = *given[i];
        if (hasRotation())
            p.rotateAbout(rotationCentreX, rotationCentreY, rotationAngle);
        p.x += offsetX;
        p.y += offsetY;
        p.z += offsetZ;
    }
}

int ArcShape::execute(int operation, int newMode)
{
    op = operation;
    mode = newMode;
    if (op == ShapeOp::Pdf)
        return writePdf();
    if (!prepareOperation(lineWidth()))
        return 0;
    placeArcPoints();
    setStrokeFactors(position());
    colourForOperation(op, lineColour, effectiveColour);
    applyGray();
    if (op == ShapeOp::PostScript) {
        if (arc.compute() && radiusIsDrawable())
            writePostScript();
        return 1;
    }
    updateDevicePenWidth(lineWidth());
    if (!arc.toPointArray(&source, kStepDegrees))
        return 0;
    if (!radiusIsDrawable())
        return 1;
    return drawFlattened();
}

int ArcShape::drawFlattened()
{
    if (!leadOutwardFrom(source, arc.centre.x, arc.centre.y))
        return 0;
    DcScope scope(*surface);
    thinPenSelected = 0;
    drawLineType(source, arc.isFullCircle());
    return style() >= LineStyle::kSolid && style() <= LineStyle::kEdge;
}

int ArcShape::offsetRadially(const PointArray& in, double d, int backwards, PointArray& out) const
{
    const double cx = arc.centre.x, cy = arc.centre.y;
    Point p;
    for (int k = 0; k < in.count; ++k) {
        if (!in.getPoint(backwards ? in.count - 1 - k : k, &p))
            return 0;
        const double dx = p.x - cx, dy = p.y - cy;
        const double r = std::hypot(dx, dy);
        if (!(r > 0.0))
            return 0; // the centre itself has no direction
        const double f = (r + d) / r;
        if (!out.appendXYZ(cx + dx * f, cy + dy * f, p.z))
            return 0;
    }
    return 1;
}

int ArcShape::flattenedExtent(Point& lo, Point& hi) const
{
    PointArray outer;
    return offsetRadially(source, leadingFactor() * bandWidth(), 0, outer) && outer.getBounds(&lo, &hi);
}

int ArcShape::computeExtent(Point& lo, Point& hi)
{
    setStrokeFactors(position());
    placeArcPoints();
    return arc.toPointArray(&source, kStepDegrees) && flattenedExtent(lo, hi);
}

// --- PostScript and PDF ---

int ArcShape::psArcPath(double radiusOffset, int reverse)
{
    const double from = reverse ? arc.endAngle : arc.startAngle;
    const double to = reverse ? arc.startAngle : arc.endAngle;
    // The writer's arcn walks clockwise: the arc's own decreasing direction, or the reverse of
    // an increasing one.
    const int clockwise = reverse ? arc.direction == 1 : arc.direction == -1;
    return psArcScaled(arc.centre.x, arc.centre.y, arc.radius + radiusOffset, from, to, clockwise);
}

template <class StrokeAt, class Outline> void ArcShape::writeByLineType(StrokeAt strokeAt, Outline outline)
{
    const double w = bandWidth();
    const int t = style();
    // A failed write ends the output.
    switch (t) {
    case LineStyle::kSolid:
    case LineStyle::kDash:
    case LineStyle::kDashDot1:
    case LineStyle::kDashDot2:
    case LineStyle::kDashDot3:
        (void)strokeAt(t, lineWidth(), w * centerOffsetFactor());
        return;
    case LineStyle::kEdge:
        if (!arc.isFullCircle()) {
            (void)outline();
            return;
        }
        [[fallthrough]]; // a full circle's band has two closed sides
    case LineStyle::kLine2:
    case LineStyle::kLine3:
        (void)(strokeAt(LineStyle::kSolid, kThinStrokeWidth, w * leadingFactor()) &&
               (t != LineStyle::kLine3 || strokeAt(LineStyle::kSolid, kThinStrokeWidth, w * centerOffsetFactor())) &&
               strokeAt(LineStyle::kSolid, kThinStrokeWidth, -w * trailingWidthFactor()));
        return;
    default:
        return;
    }
}

void ArcShape::writePostScript()
{
    if (psApplyColor(1.0) < 1 || !psSetLineCap())
        return; // absent from the current plate, or the writer failed
    double lo = 0.0, hi = 0.0;
    const double length = arc.angleRange(&lo, &hi) ? (hi - lo) * kDegreesToRadians * arc.radius : 0.0;
    const double w = bandWidth();
    writeByLineType(
        [&](int code, double width, double radiusOffset) {
            return psNewPath() && psArcPath(radiusOffset, 0) && psSetDashScaled(code, length) &&
                   psSetLineWidth(width) && psStroke();
        },
        [&] {
            return psNewPath() && psArcPath(w * leadingFactor(), 0) && psArcPath(-w * trailingWidthFactor(), 1) &&
                   psSetDashScaled(LineStyle::kSolid, length) && psSetLineWidth(kThinStrokeWidth) && psClosePath() &&
                   psStroke();
        });
}

void ArcShape::writePdfLines()
{
    const int full = arc.isFullCircle();
    const double length = pathLength(source);
    const double w = bandWidth();
    writeByLineType(
        [&](int code, double width, double d) {
            PointArray line;
            return offsetRadially(source, d, 0, line) &&
                   strokeOutputPath(pdfStrokes(), code, width, length, line, full);
        },
        [&] {
            PointArray band;
            return offsetRadially(source, w * leadingFactor(), 0, band) &&
                   offsetRadially(source, -w * trailingWidthFactor(), 1, band) &&
                   strokeOutputPath(pdfStrokes(), LineStyle::kSolid, kThinStrokeWidth, length, band, 1);
        });
}

int ArcShape::writePdf()
{
    if (!pdfBindAttributes())
        return 1;
    placeArcPoints();
    setStrokeFactors(position());
    // Nothing at all, not even the colour, for an arc that cannot be drawn.
    if (!arc.toPointArray(&source, kStepDegrees) || !radiusIsDrawable())
        return 1;
    if (pdfSetStrokeColorFromGray(lineColour, gray))
        writePdfLines();
    return 1;
}
