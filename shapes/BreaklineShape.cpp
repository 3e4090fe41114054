#include "shapes/BreaklineShape.h"

#include <algorithm>
#include <cmath>

#include "document/DocumentContext.h"
#include "document/SelectToolBase.h"
#include "geometry/DoubleArray.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/GrayValue.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "platform/DeviceContext.h"
#include "platform/MathUtil.h"
#include "shapes/GradationFillShape.h"
#include "shapes/HatchFillShape.h"

namespace {
// A corner radius below this leaves the vertex sharp.
const double kMinRadius = 0.01;
// Arcs of the arc kinds become points this many degrees apart.
const double kArcStepDegrees = 5.0;
// A dashed type draws nothing on a device below this stored dash length.
const double kMinDeviceDash = 0.1;
// Bands of more points are filled in pieces of this many, each overlapping the next by a
// segment: the system's polygon regions grow far faster than their vertex counts, and a dense
// band of 20,000 points took seconds as one region, in pieces a tenth of a second.
const int kBandPiece = 64;

bool samePlace(const Point& a, const Point& b) { return MathUtil::isNearlyZero(a.distanceTo2D(b.x, b.y)); }

// The unit direction of the first (or last) segment between two different points.
int endDirection(const PointArray& points, int atEnd, double& ux, double& uy)
{
    const int n = points.count;
    Point a, b;
    if (!points.getPoint(atEnd ? n - 1 : 0, &a))
        return 0;
    for (int k = 1; k < n; ++k) {
        if (!points.getPoint(atEnd ? n - 1 - k : k, &b))
            return 0;
        if (!samePlace(a, b)) {
            double length = atEnd ? b.directionTo(&a, &ux, &uy) : a.directionTo(&b, &ux, &uy);
            return length > 0.0;
        }
    }
    return 0;
}
} // namespace

BreaklineShape::BreaklineShape() { ensureStroke(); }

BreaklineShape::~BreaklineShape()
{
    release(working);
}

void BreaklineShape::setEdge(const EdgeAttributes& attributes)
{
    if (edge)
        edge->assign(&attributes);
}

void BreaklineShape::setFill(const FillAttributes& attributes)
{
    if (fill)
        fill->assign(&attributes);
}

void BreaklineShape::setHatch(const HatchAttributes& attributes)
{
    if (hatch)
        hatch->assign(&attributes);
}

double BreaklineShape::lineWidth() const
{
    return lineSize && std::isfinite(lineSize->width) ? lineSize->width : 0.0;
}

int BreaklineShape::position() const { return linePosition ? linePosition->position : LineOriginAttribute::kCenter; }

int BreaklineShape::style() const { return lineType ? lineType->style : LineStyle::kSolid; }

double BreaklineShape::pathLength(const PointArray& points)
{
    BlockLock data(const_cast<PointArray&>(points)); // read only
    if (!data)
        return 0.0;
    const Point* p = data.data<Point>();
    double length = 0.0;
    for (int i = 1; i < points.count; ++i)
        length += p[i - 1].distanceTo2D(p[i].x, p[i].y);
    return length;
}

PointArray* BreaklineShape::listToDraw(int closed)
{
    if (flattensArcs) {
        // A flag without two points after it stays a plain vertex; arcs that cannot be made
        // (collinear points) leave the points as they are.
        if (ensure(working) && working->flattenArcs(&source, kArcStepDegrees))
            return working;
        return &source;
    }
    const int n = source.count;
    if (!rounding || rounding->isAllZero() || n < 3 || !ensure(working))
        return &source;
    working->count = 0;
    for (int i = 0; i < n; ++i) {
        double r = rounding->get(i); // 0 beyond the list
        if (!std::isfinite(r))
            r = 0.0;
        int done;
        if (r != 0.0 && (closed || (i >= 1 && i <= n - 2)))
            done = working->addRoundedVertex(&source, (i + n - 1) % n, i, (i + 1) % n, r, kMinRadius);
        else
            done = working->appendPointOf(&source, i);
        if (!done)
            return &source;
    }
    return working;
}

int BreaklineShape::execute(int operation, int newMode)
{
    op = operation;
    mode = newMode;
    path = listToDraw(0);
    if (op == ShapeOp::Pdf)
        return writePdf();
    if (!prepareOperation(lineWidth()) || source.count < 1 || !placePath())
        return 0;
    if (!pathIsFinite())
        return 1;
    setStrokeFactors(position());
    colourForOperation(op, lineColour, effectiveColour);
    applyGray();
    if (op == ShapeOp::PostScript) {
        // Absent from the current plate (below 1): nothing is written.
        if (psApplyColor(1.0) >= 1 && psSetLineCap() && psSetMiterJoin())
            (void)writeLineType(postScriptStrokes(), *path, 0); // a failed write ends the output
        return 1;
    }
    updateDevicePenWidth(lineWidth());
    DcScope scope(*surface);
    thinPenSelected = 0;
    drawLineType(*path, 0);
    return 1;
}

int BreaklineShape::writePdf()
{
    if (!pdfBindAttributes() || !placePath() || !pathIsFinite())
        return 1;
    setStrokeFactors(position());
    if (pdfSetStrokeColorFromGray(lineColour, gray))
        (void)writeLineType(pdfStrokes(), *path, 0); // a failed write ends the output
    return 1;
}

int BreaklineShape::computeExactExtent(Point& lo, Point& hi)
{
    op = ShapeOp::RubberBand;
    mode = 2;
    path = listToDraw(0);
    // The band's box needs no view: only the paper scale sizes it.
    bindSubObjects();
    if (source.count < 1 || !placePath() || !pathIsFinite())
        return 0;
    updateDevicePenWidth(lineWidth());
    setStrokeFactors(position());
    // Whatever the zoom the extent holds the ends: a round end lies within the square one.
    setCapEnds(1, 1);
    const auto reach = [](int cap) { return cap == LineCapAttribute::kRound ? LineCapAttribute::kSquare : cap; };
    PointList band;
    if (buildCappedBand(*path, reach(capAt(0)), reach(capAt(1)), band))
        return band.getBounds(&lo, &hi);
    return path->getBounds(&lo, &hi);
}

// --- offsets ---

int BreaklineShape::offsetPath(const PointArray& points, double d, int direction, int closed, PointArray& out) const
{
    if (closed)
        return closedOffset(points, d, direction, out);
    return buildOutline(0, points, out, d, direction, 0);
}

int BreaklineShape::closedOffset(const PointArray& points, double d, int direction, PointArray& out) const
{
    // The outline between the last point apart from the first and the first again: every
    // vertex then has both neighbours, and the walk's own first point (a side point of the edge
    // into the start) is left out.
    Point first, before;
    if (!points.getPoint(0, &first))
        return 0;
    int k = points.count - 1;
    while (k > 0 && points.getPoint(k, &before) && samePlace(before, first))
        --k;
    if (k <= 0)
        return 0;
    PointArray around, walked;
    if (!around.appendPoint(&before) || !around.appendAll(&points) || !around.appendPoint(&first))
        return 0;
    if (!buildOutline(0, around, walked, d, direction, -1) || walked.count < 2)
        return 0;
    for (int i = 1; i < walked.count; ++i) {
        if (!out.appendPointOf(&walked, i))
            return 0;
    }
    return out.appendPointOf(&walked, 1);
}

int BreaklineShape::buildBand(const PointArray& points, PointList& band, int& leadCount) const
{
    const double w = bandWidth();
    PointArray lead, trail;
    if (!buildOutline(0, points, lead, leadingFactor() * w, 1, 0) ||
        !buildOutline(0, points, trail, -trailingWidthFactor() * w, 1, 0) || lead.count < 1)
        return 0;
    band.count = 0;
    if (!band.appendPointOf(&lead, 0) || !band.appendAll(&trail))
        return 0;
    for (int i = lead.count - 1; i >= 1; --i) {
        if (!band.appendPointOf(&lead, i))
            return 0;
    }
    leadCount = lead.count;
    return 1;
}

// --- devices ---

void BreaklineShape::drawLineType(const PointArray& points, int closed)
{
    switch (style()) {
    case LineStyle::kSolid:
        if (closed && devicePenWidth >= 3) {
            fillClosedBand(points);
            break;
        }
        setCapEnds(1, 1);
        strokePiece(points);
        break;
    case LineStyle::kDash:
        drawDashed(points, 0);
        break;
    case LineStyle::kDashDot1:
        drawDashed(points, 1);
        break;
    case LineStyle::kDashDot2:
        drawDashed(points, 2);
        break;
    case LineStyle::kDashDot3:
        drawDashed(points, 3);
        break;
    case LineStyle::kLine2:
    case LineStyle::kLine3:
    case LineStyle::kEdge:
        if (devicePenWidth < 2) {
            setCapEnds(1, 1);
            strokePiece(points);
            break;
        }
        devicePenWidth = 1;
        drawParallel(points, closed);
        break;
    default:
        break;
    }
}

void BreaklineShape::drawDashed(const PointArray& points, int dots)
{
    // The stored dash length decides (and keeps the walk advancing).
    if (!lineType || !(lineType->dash >= kMinDeviceDash) || points.count < 2)
        return;
    const double dash = toDrawingUnits(lineType->dash);
    // Negative (or unreadable) gaps and dots count as 0.
    const double gap = toDrawingUnits(MathUtil::maxDouble(lineType->gap, 0.0));
    const double dot = toDrawingUnits(MathUtil::maxDouble(lineType->dot, 0.0));
    PointArray piece, skipped;
    Point here;
    if (!points.getPoint(0, &here))
        return;
    int index = 1;
    for (int k = 0; k < kMaxPieces; ++k) {
        const int more = points.advanceAlong(&piece, &index, &here, k % (dots + 1) == 0 ? dash : dot);
        const int last = !more || !points.advanceAlong(&skipped, &index, &here, gap);
        setCapEnds(k == 0, last);
        strokePiece(piece);
        if (last)
            return;
    }
}

void BreaklineShape::drawParallel(const PointArray& points, int closed)
{
    const double w = bandWidth();
    PointArray lead, trail, middle;
    if (style() == LineStyle::kEdge && !closed) {
        if (buildOutline(0, points, lead, leadingFactor() * w, 1, 0) &&
            buildOutline(0, points, lead, trailingWidthFactor() * w, -1, 0) && lead.closeWithFirst())
            strokeThin(lead);
        return;
    }
    if (offsetPath(points, leadingFactor() * w, 1, closed, lead))
        strokeThin(lead);
    if (offsetPath(points, trailingWidthFactor() * w, -1, closed, trail))
        strokeThin(trail);
    if (style() == LineStyle::kLine3 && offsetPath(points, centerOffsetFactor() * w, 1, closed, middle))
        strokeThin(middle);
}

void BreaklineShape::strokeThin(const PointArray& points)
{
    BlockLock data(const_cast<PointArray&>(points)); // read only
    if (!data)
        return;
    drawThinPath(data.data<Point>(), points.count);
}

void BreaklineShape::strokePiece(const PointArray& points)
{
    if (points.count < 2)
        return;
    if (devicePenWidth < 3) {
        strokeThin(points);
        return;
    }
    if (points.count <= kBandPiece) {
        fillBand(points, capAt(0), capAt(1));
        return;
    }
    // Pieces [from, to] and [to - 1, ...]: each vertex is inside one piece, so every corner is
    // filled as in one band; only the ends of the whole take caps.
    PointArray piece;
    for (int from = 0; from < points.count - 1;) {
        const int to = MathUtil::minInt(from + kBandPiece - 1, points.count - 1);
        piece.count = 0;
        for (int i = from; i <= to; ++i) {
            if (!piece.appendPointOf(&points, i))
                return;
        }
        fillBand(piece, from == 0 ? capAt(0) : 0, to == points.count - 1 ? capAt(1) : 0);
        if (to == points.count - 1)
            return;
        from = to - 1;
    }
}

void BreaklineShape::fillClosedBand(const PointArray& points)
{
    if (points.count > kBandPiece) {
        // Around the outline and on over its first edge again, so that the first corner lies
        // inside a piece: the pieces cover the ring the two sides enclose.
        PointArray around;
        if (!around.appendAll(&points) || !around.appendPointOf(&points, 1))
            return;
        setCapEnds(0, 0);
        strokePiece(around);
        return;
    }
    // The ring between the two sides: the winding rule leaves the inside empty.
    PointArray ring;
    if (buildRing(points, ring))
        fillWorldPolygon(ring);
}

int BreaklineShape::buildCappedBand(const PointArray& points, int startCap, int endCap, PointList& out) const
{
    int leadCount = 0;
    if (!buildBand(points, out, leadCount))
        return 0;
    // The band starts with the pair of the first end (leading, trailing side) and turns at the
    // pair of the last end (trailing, leading side).
    const int endPair = out.count - leadCount;
    const double w = bandWidth();
    double ux = 0.0, uy = 0.0;
    if (startCap == LineCapAttribute::kSquare && endDirection(points, 0, ux, uy))
        out.shiftPoints(0, 2, -ux, -uy, w);
    if (endCap == LineCapAttribute::kSquare && endDirection(points, 1, ux, uy))
        out.shiftPoints(endPair, 2, ux, uy, w);
    const int roundStart = startCap == LineCapAttribute::kRound;
    const int roundEnd = endCap == LineCapAttribute::kRound;
    if (devicePenWidth <= 3 || (!roundStart && !roundEnd))
        return 1;
    PointList band;
    if (!band.copyPoints(&out))
        return 0;
    out.count = 0;
    if (!out.appendPointOf(&band, 0) || !out.appendRoundCap(roundStart, &band, 0))
        return 0;
    for (int i = 1; i <= endPair; ++i) {
        if (!out.appendPointOf(&band, i))
            return 0;
    }
    if (!out.appendRoundCap(roundEnd, &band, endPair))
        return 0;
    for (int i = endPair + 1; i < band.count; ++i) {
        if (!out.appendPointOf(&band, i))
            return 0;
    }
    return 1;
}

int BreaklineShape::buildRing(const PointArray& closed, PointArray& ring) const
{
    const double w = bandWidth();
    ring.count = 0;
    return closedOffset(closed, leadingFactor() * w, 1, ring) && closedOffset(closed, trailingWidthFactor() * w, -1, ring);
}

void BreaklineShape::fillBand(const PointArray& points, int startCap, int endCap)
{
    PointList band;
    if (buildCappedBand(points, startCap, endCap, band))
        fillWorldPolygon(band);
}

// --- picks ---

SelectToolBase* BreaklineShape::preparePathPick(int closed)
{
    SelectToolBase* tool = DocumentContext::selectToolOf(context);
    path = listToDraw(closed);
    preparePick(lineWidth());
    if (!tool || source.count < 1 || !placePath() || !pathIsFinite())
        return nullptr;
    setStrokeFactors(position());
    return tool;
}

int BreaklineShape::hitTest()
{
    SelectToolBase* tool = preparePathPick(0);
    if (!tool)
        return 0;
    setCapEnds(1, 1);
    return hitStroke(*tool, *path, 0);
}

int BreaklineShape::hitStroke(SelectToolBase& tool, const PointArray& points, int closed)
{
    // A pen under 3 pixels draws the thin polyline itself, whatever the line position.
    if (devicePenWidth < 3 || points.count < 2)
        return tool.hitTestPolyline(points, lineWidth(), LineOriginAttribute::kCenter, 0);
    PointList band;
    const int built = closed ? buildRing(points, band) : buildCappedBand(points, capAt(0), capAt(1), band);
    if (!built)
        return tool.hitTestPolyline(points, lineWidth(), LineOriginAttribute::kCenter, 0);
    return tool.hitTestPoints(band, 0.0, LineOriginAttribute::kCenter, 0, 1);
}

// --- parts ---

void BreaklineShape::copyStrokeTo(BreaklineShape& part) const
{
    part.context = context;
    part.layer = layer;
    part.setOffset(offsetX, offsetY, offsetZ);
    part.setWidth(lineWidth());
    part.setPosition(position());
    if (lineType)
        part.setLineStyle(*lineType);
}

// --- fills and sides ---

void BreaklineShape::runGradation(PointArray& outline)
{
    if (!fill)
        return;
    GradationFillShape gradation;
    gradation.context = context;
    gradation.layer = layer;
    gradation.setFill(*fill);
    gradation.setOutline(&outline);
    (void)gradation.execute(op, mode); // refused operations fill nothing, as the shape's own fill
}

void BreaklineShape::runHatch(PointArray& outline, int clipWritten)
{
    if (!hatch || hatch->pattern == 0 || outline.count < 3)
        return;
    HatchFillShape hatching;
    hatching.context = context;
    hatching.layer = layer;
    hatching.setHatch(*hatch);
    hatching.setOutline(&outline);
    hatching.clipSuppressed = clipWritten;
    (void)hatching.execute(op, mode); // refused operations draw no hatch
}

int BreaklineShape::leadOutwardFrom(PointArray& points, double cx, double cy)
{
    BlockLock data(points);
    if (!data)
        return points.count == 0;
    Point* p = data.data<Point>();
    // The swept area about the centre: positive when the walk turns so that its +90 degree
    // side, (dy, -dx), faces away from the centre.
    double swept = 0.0;
    for (int i = 1; i < points.count; ++i)
        swept += (p[i - 1].x - cx) * (p[i].y - cy) - (p[i - 1].y - cy) * (p[i].x - cx);
    if (swept < 0.0)
        std::reverse(p, p + points.count);
    return 1;
}

// --- PostScript and PDF ---

int BreaklineShape::writeLineType(const StrokeWriter& writer, const PointArray& points, int closed)
{
    if (points.count < 2)
        return 1;
    const double w = bandWidth();
    const double length = pathLength(points);
    const int t = style();
    switch (t) {
    case LineStyle::kSolid:
    case LineStyle::kDash:
    case LineStyle::kDashDot1:
    case LineStyle::kDashDot2:
    case LineStyle::kDashDot3: {
        PointArray middle;
        return offsetPath(points, centerOffsetFactor() * w, 1, closed, middle) &&
               strokeOutputPath(writer, t, lineWidth(), length, middle, closed);
    }
    case LineStyle::kLine2:
    case LineStyle::kLine3:
    case LineStyle::kEdge: {
        PointArray lead, trail, middle;
        if (t == LineStyle::kEdge && !closed) {
            // One closed outline: the leading side out, the trailing side back.
            return buildOutline(0, points, lead, leadingFactor() * w, 1, 0) &&
                   buildOutline(0, points, lead, trailingWidthFactor() * w, -1, 0) &&
                   strokeOutputPath(writer, LineStyle::kSolid, kThinStrokeWidth, length, lead, 1);
        }
        if (!offsetPath(points, leadingFactor() * w, 1, closed, lead) ||
            !strokeOutputPath(writer, LineStyle::kSolid, kThinStrokeWidth, length, lead, closed))
            return 0;
        if (!offsetPath(points, trailingWidthFactor() * w, -1, closed, trail) ||
            !strokeOutputPath(writer, LineStyle::kSolid, kThinStrokeWidth, length, trail, closed))
            return 0;
        if (t != LineStyle::kLine3)
            return 1;
        return offsetPath(points, centerOffsetFactor() * w, 1, closed, middle) &&
               strokeOutputPath(writer, LineStyle::kSolid, kThinStrokeWidth, length, middle, closed);
    }
    default:
        return 1;
    }
}
