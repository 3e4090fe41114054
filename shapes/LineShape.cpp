#include "shapes/LineShape.h"

#include <cmath>
#include <utility>

#include "document/DocumentContext.h"
#include "document/SelectToolBase.h"
#include "geometry/GrayValue.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/PointList.h"
#include "geometry/ViewParams.h"
#include "platform/DeviceContext.h"
#include "platform/MathUtil.h"

namespace {
// The width of the parallel lines and outlines in PostScript and PDF (paper millimetres).
const double kThinStrokeWidth = 0.1;
// A dashed style draws nothing on a device below this stored dash length.
const double kMinDeviceDash = 0.1;
} // namespace

LineShape::LineShape() { ensureStroke(); }


double LineShape::lineWidth() const
{
    return lineSize && std::isfinite(lineSize->width) ? lineSize->width : 0.0;
}

int LineShape::position() const { return linePosition ? linePosition->position : LineOriginAttribute::kCenter; }

int LineShape::style() const { return lineType ? lineType->style : LineStyle::kSolid; }

int LineShape::execute(int operation, int newMode)
{
    op = operation;
    mode = newMode;
    if (op == ShapeOp::Pdf)
        return writePdf();
    if (!prepareOperation(lineWidth()))
        return 0;
    placePoints();
    setStrokeFactors(position());
    colourForOperation(op, lineColour, effectiveColour);
    applyGray();
    if (!placedPointsFinite())
        return 1;
    if (op == ShapeOp::PostScript) {
        // Absent from the current plate (below 1): nothing is written.
        if (psApplyColor(1.0) >= 1 && psSetLineCap())
            (void)writeStrokes(postScriptStrokes()); // a failed write ends the output; the line is done
        return 1;
    }
    updateDevicePenWidth(lineWidth());
    setCapEnds(0, 0);
    DcScope scope(*surface);
    thinPenSelected = 0;
    drawLineType();
    return 1;
}

// --- geometry ---

void LineShape::placePoints()
{
    fromX = start.x;
    fromY = start.y;
    toX = end.x;
    toY = end.y;
    if (hasRotation()) {
        MathUtil::rotatePointAbout(rotationCentreX, rotationCentreY, fromX, fromY, rotationAngle);
        MathUtil::rotatePointAbout(rotationCentreX, rotationCentreY, toX, toY, rotationAngle);
    }
    fromX += offsetX;
    fromY += offsetY;
    toX += offsetX;
    toY += offsetY;
    directionX = directionY = 0.0;
    length = MathUtil::unitVector(fromX, fromY, toX, toY, directionX, directionY);
    // The direction turned by +90 degrees as the numeric conventions turn points: (x, y) becomes
    // (y, -x).
    normalX = directionY;
    normalY = -directionX;
}

int LineShape::placedPointsFinite() const
{
    return std::isfinite(fromX) && std::isfinite(fromY) && std::isfinite(toX) && std::isfinite(toY);
}

// --- PostScript and PDF ---

int LineShape::writePdf()
{
    if (!pdfBindAttributes())
        return 1;
    placePoints();
    setStrokeFactors(position());
    if (!placedPointsFinite())
        return 1;
    if (pdfSetStrokeColorFromGray(lineColour, gray))
        (void)writeStrokes(pdfStrokes()); // a failed write ends the output; the line is done
    return 1;
}

int LineShape::writeStrokes(const StrokeWriter& writer)
{
    const double w = toDrawingUnits(lineWidth());
    const int t = style();
    // Offsets across the band: its leading edge, its middle and its trailing edge.
    const double lead = leadingFactor() * w;
    const double mid = centerOffsetFactor() * w;
    const double trail = -trailingWidthFactor() * w;
    switch (t) {
    case LineStyle::kSolid:
    case LineStyle::kDash:
    case LineStyle::kDashDot1:
    case LineStyle::kDashDot2:
    case LineStyle::kDashDot3: {
        const double xs[2] = {fromX + normalX * mid, toX + normalX * mid};
        const double ys[2] = {fromY + normalY * mid, toY + normalY * mid};
        return strokeOutputPath(writer, t, lineWidth(), length, xs, ys, 2, 0);
    }
    case LineStyle::kLine2:
    case LineStyle::kLine3: {
        const double across[3] = {lead, trail, mid};
        const int lines = t == LineStyle::kLine2 ? 2 : 3;
        for (int i = 0; i < lines; ++i) {
            const double xs[2] = {fromX + normalX * across[i], toX + normalX * across[i]};
            const double ys[2] = {fromY + normalY * across[i], toY + normalY * across[i]};
            if (!strokeOutputPath(writer, LineStyle::kSolid, kThinStrokeWidth, length, xs, ys, 2, 0))
                return 0;
        }
        return 1;
    }
    case LineStyle::kEdge: {
        const double xs[4] = {fromX + normalX * lead, toX + normalX * lead, toX + normalX * trail, fromX + normalX * trail};
        const double ys[4] = {fromY + normalY * lead, toY + normalY * lead, toY + normalY * trail, fromY + normalY * trail};
        return strokeOutputPath(writer, LineStyle::kSolid, kThinStrokeWidth, length, xs, ys, 4, 1);
    }
    default:
        return 1;
    }
}

// --- devices ---

void LineShape::drawLineType()
{
    switch (style()) {
    case LineStyle::kSolid:
        setCapEnds(1, 1);
        drawPiece(fromX, fromY, toX, toY);
        break;
    case LineStyle::kDash:
        drawDashed(0);
        break;
    case LineStyle::kDashDot1:
        drawDashed(1);
        break;
    case LineStyle::kDashDot2:
        drawDashed(2);
        break;
    case LineStyle::kDashDot3:
        drawDashed(3);
        break;
    case LineStyle::kLine2:
    case LineStyle::kLine3:
    case LineStyle::kEdge:
        drawParallel(style());
        break;
    default:
        break;
    }
}

void LineShape::drawDashed(int dots)
{
    // The stored dash length decides (and keeps the loop finite); a dash that is not a number
    // draws nothing, nor does a line without length.
    if (!lineType || !(lineType->dash >= kMinDeviceDash) || !(length > 0.0))
        return;
    const double dash = toDrawingUnits(lineType->dash);
    // Negative (or unreadable) gaps and dots count as 0.
    const double gap = toDrawingUnits(MathUtil::maxDouble(lineType->gap, 0.0));
    const double dot = toDrawingUnits(MathUtil::maxDouble(lineType->dot, 0.0));

    double s = 0.0;
    double visibleTo = length;
    if (culling()) {
        double visibleFrom = 0.0;
        if (!visibleRange(visibleFrom, visibleTo))
            return;
        // Whole cycles before the visible part are stepped over at once; the pattern keeps its
        // phase.
        const double cycle = dash + gap + dots * (dot + gap);
        if (visibleFrom > 0.0 && cycle > 0.0 && std::isfinite(cycle))
            s = std::floor(visibleFrom / cycle) * cycle;
    }
    bool first = s == 0.0;
    for (int piece = 0; piece < kMaxPieces && s < length && s <= visibleTo; ++piece) {
        const double pieceEnd = MathUtil::minDouble(s + (piece % (dots + 1) == 0 ? dash : dot), length);
        const double next = pieceEnd + gap;
        setCapEnds(first, next >= length);
        drawPieceAlong(s, pieceEnd);
        first = false;
        if (!(next > s)) {
            // The pattern no longer advances (no gap, or a position too large to step): the rest
            // of the line is solid.
            setCapEnds(0, 1);
            drawPieceAlong(pieceEnd, length);
            return;
        }
        s = next;
    }
}

void LineShape::drawParallel(int t)
{
    if (devicePenWidth < 2) {
        setCapEnds(1, 1);
        drawPiece(fromX, fromY, toX, toY);
        return;
    }
    devicePenWidth = 1;
    const double w = toDrawingUnits(lineWidth());
    const double lead = leadingFactor() * w;
    const double trail = -trailingWidthFactor() * w;
    const double ax = normalX * lead, ay = normalY * lead;
    const double cx = normalX * trail, cy = normalY * trail;
    if (t == LineStyle::kEdge) {
        // A1 -> A2 -> C2 -> C1 -> A1.
        drawPiece(fromX + ax, fromY + ay, toX + ax, toY + ay);
        drawPiece(toX + ax, toY + ay, toX + cx, toY + cy);
        drawPiece(toX + cx, toY + cy, fromX + cx, fromY + cy);
        drawPiece(fromX + cx, fromY + cy, fromX + ax, fromY + ay);
        return;
    }
    drawPiece(fromX + ax, fromY + ay, toX + ax, toY + ay);
    drawPiece(fromX + cx, fromY + cy, toX + cx, toY + cy);
    if (t == LineStyle::kLine3) {
        const double mx = normalX * centerOffsetFactor() * w, my = normalY * centerOffsetFactor() * w;
        drawPiece(fromX + mx, fromY + my, toX + mx, toY + my);
    }
}

int LineShape::visibleRange(double& from, double& to) const
{
    double ax = fromX, ay = fromY, bx = toX, by = toY;
    if (!viewArea.clipSegmentInPlace(&ax, &ay, &bx, &by))
        return 0;
    const double ta = (ax - fromX) * directionX + (ay - fromY) * directionY;
    const double tb = (bx - fromX) * directionX + (by - fromY) * directionY;
    from = MathUtil::maxDouble(MathUtil::minDouble(ta, tb), 0.0);
    to = MathUtil::minDouble(MathUtil::maxDouble(ta, tb), length);
    return 1;
}

void LineShape::drawPieceAlong(double s0, double s1)
{
    drawPiece(fromX + directionX * s0, fromY + directionY * s0, fromX + directionX * s1, fromY + directionY * s1);
}

void LineShape::drawPiece(double px, double py, double qx, double qy)
{
    if (devicePenWidth < 3)
        drawThinSegment(px, py, qx, qy);
    else
        drawBand(px, py, qx, qy);
}

void LineShape::drawBand(double px, double py, double qx, double qy)
{
    int startCap = capAt(0);
    int endCap = capAt(1);
    if (culling()) {
        if (viewArea.isOutsideBoxCoords(px, py, qx, qy))
            return;
        if (!viewArea.containsBoxCoords(px, py, qx, qy)) {
            double ax = px, ay = py, bx = qx, by = qy;
            if (!viewArea.clipSegmentInPlace(&ax, &ay, &bx, &by))
                return;
            // The clip may give the ends in either order; a cut end has no cap.
            if ((bx - ax) * directionX + (by - ay) * directionY < 0.0) {
                std::swap(ax, bx);
                std::swap(ay, by);
            }
            if (ax != px || ay != py)
                startCap = 0;
            if (bx != qx || by != qy)
                endCap = 0;
            px = ax, py = ay, qx = bx, qy = by;
        }
    }
    double xs[kBandPoints], ys[kBandPoints];
    const int n = bandPolygon(px, py, qx, qy, startCap, endCap, xs, ys);
    if (n >= 3)
        fillWorldPolygon(xs, ys, n);
}

int LineShape::bandPolygon(double px, double py, double qx, double qy, int startCap, int endCap, double* xs,
                           double* ys) const
{
    const double w = toDrawingUnits(lineWidth());
    const double lx = normalX * leadingFactor() * w, ly = normalY * leadingFactor() * w;
    const double tx = normalX * trailingWidthFactor() * w, ty = normalY * trailingWidthFactor() * w;
    xs[0] = px + lx, xs[1] = px - tx, xs[2] = qx - tx, xs[3] = qx + lx;
    ys[0] = py + ly, ys[1] = py - ty, ys[2] = qy - ty, ys[3] = qy + ly;
    const double halfX = directionX * w / 2.0, halfY = directionY * w / 2.0;
    if (startCap == LineCapAttribute::kSquare) {
        for (int i : {0, 1})
            xs[i] -= halfX, ys[i] -= halfY;
    }
    if (endCap == LineCapAttribute::kSquare) {
        for (int i : {2, 3})
            xs[i] += halfX, ys[i] += halfY;
    }
    const int roundStart = startCap == LineCapAttribute::kRound;
    const int roundEnd = endCap == LineCapAttribute::kRound;
    if (devicePenWidth < 4 || (!roundStart && !roundEnd))
        return 4;
    PointArray corners;
    PointList outline;
    for (int i = 0; i < 4; ++i) {
        if (!corners.appendXY(xs[i], ys[i]))
            return 0;
    }
    if (!outline.setRoundCappedOutline(roundStart, roundEnd, &corners))
        return 0;
    const int n = MathUtil::minInt(outline.count, kBandPoints);
    for (int i = 0; i < n; ++i) {
        xs[i] = outline.getX(i);
        ys[i] = outline.getY(i);
    }
    return n;
}

int LineShape::hitTest()
{
    SelectToolBase* tool = DocumentContext::selectToolOf(context);
    if (!tool)
        return 0;
    preparePick(lineWidth());
    placePoints();
    setStrokeFactors(position());
    if (!placedPointsFinite())
        return 0;
    const DrawPoint from(fromX, fromY), to(toX, toY);
    // A pen under 3 pixels draws the segment itself, one pixel wide, wherever the band lies.
    if (devicePenWidth < 3 || !(length > 0.0))
        return tool->hitTestStroke(from, to, lineWidth());
    // The caps end the solid and dashed types; the parallel lines and the outline have none.
    const int capped = style() < LineStyle::kLine2;
    setCapEnds(capped, capped);
    double xs[kBandPoints], ys[kBandPoints];
    const int n = bandPolygon(fromX, fromY, toX, toY, capAt(0), capAt(1), xs, ys);
    PointList band;
    for (int i = 0; i < n; ++i) {
        if (!band.appendXY(xs[i], ys[i]))
            return 0;
    }
    if (n < 3)
        return tool->hitTestStroke(from, to, lineWidth());
    return tool->hitTestPoints(band, 0.0, LineOriginAttribute::kCenter, 0, 1);
}
