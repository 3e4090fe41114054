#include "shapes/ArrowHeadShape.h"

#include <cmath>

#include "document/DocumentContext.h"
#include "document/SelectToolBase.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/PointList.h"
#include "platform/MathUtil.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/LineShape.h"
#include "shapes/OvalShape.h"
#include "shapes/OvalType.h"
#include "shapes/PolygonShape.h"

namespace {
constexpr double kDegree = 3.14159265358979323846 / 180.0;

double clampedOrZero(double v, double bound)
{
    if (!std::isfinite(v))
        return 0.0;
    return v > bound ? bound : v < -bound ? -bound : v;
}
} // namespace

ArrowHeadShape::ArrowHeadShape() { (void)ensure(arrowHead); } // without it execute draws nothing

ArrowHeadShape::~ArrowHeadShape() { release(arrowHead); }

int ArrowHeadShape::execute(int operation, int newMode)
{
    op = operation;
    mode = newMode;
    if (!arrowHead)
        return 0;
    if (op == ShapeOp::Pdf) {
        arrowHead->owner = context;
        (void)drawByStyle(); // PDF output answers done whatever a part wrote
        return 1;
    }
    if (!prepareOperation(drawnWidth()))
        return 0;
    arrowHead->owner = context;
    if (op == ShapeOp::PostScript) {
        (void)drawByStyle(); // as PDF: the PostScript output answers done
        return 1;
    }
    return drawByStyle();
}

double ArrowHeadShape::drawnLength() const { return clampedOrZero(arrowHead->scaledLength(), kMaxLength); }

double ArrowHeadShape::drawnWidth() const { return clampedOrZero(arrowHead->lineSize, kMaxWidth); }

int ArrowHeadShape::hitTest()
{
    op = ShapeOp::Draw;
    mode = 2;
    if (!arrowHead || !DocumentContext::selectToolOf(context))
        return 0;
    arrowHead->owner = context;
    purpose = kPicking;
    const int hit = drawByStyle();
    purpose = kDrawing;
    return hit;
}

int ArrowHeadShape::extent(Point& lo, Point& hi)
{
    op = ShapeOp::RubberBand;
    mode = 2;
    if (!arrowHead)
        return 0;
    arrowHead->owner = context;
    purpose = kMeasuring;
    measured = 0;
    (void)drawByStyle(); // a part without direction adds nothing
    purpose = kDrawing;
    if (!measured)
        return 0;
    lo = low;
    hi = high;
    return 1;
}

void ArrowHeadShape::measure(const Point& p, double reach)
{
    const Point a(p.x - reach, p.y - reach, p.z), b(p.x + reach, p.y + reach, p.z);
    if (!measured) {
        low = a;
        high = b;
        measured = 1;
        return;
    }
    low.x = MathUtil::minDouble(low.x, a.x), low.y = MathUtil::minDouble(low.y, a.y);
    high.x = MathUtil::maxDouble(high.x, b.x), high.y = MathUtil::maxDouble(high.y, b.y);
}

int ArrowHeadShape::drawByStyle()
{
    switch (arrowHead->kind) {
    case ArrowHeadStyle::kArrow: {
        // Both barbs run; drawing answers the second's result, a pick either's hit.
        const int first = barb(-arrowHead->lean);
        const int second = barb(arrowHead->lean);
        return purpose == kPicking ? (first || second) : second;
    }
    case ArrowHeadStyle::kRightArrow:
        return barb(-arrowHead->lean);
    case ArrowHeadStyle::kLeftArrow:
        return barb(arrowHead->lean);
    case ArrowHeadStyle::kFrameTriangle:
        return triangle(0);
    case ArrowHeadStyle::kFillTriangle:
        return triangle(1);
    case ArrowHeadStyle::kFrameArc:
        return circle(0);
    case ArrowHeadStyle::kFillArc:
        return circle(1);
    default:
        return purpose == kPicking ? 0 : 1; // NONE, or a corrupt kind: no head
    }
}

int ArrowHeadShape::base(double& x, double& y) const
{
    const double dx = directionTo.x - directionFrom.x;
    const double dy = directionTo.y - directionFrom.y;
    const double distance = std::hypot(dx, dy);
    if (MathUtil::isNearlyZero(distance) || !std::isfinite(distance))
        return 0;
    const double d = drawnLength();
    x = tip.x + d * dx / distance;
    y = tip.y + d * dy / distance;
    return 1;
}

void ArrowHeadShape::turnAboutTip(double x, double y, double a, DrawPoint& out) const
{
    // The lean is any double: the angle is brought into one turn first so that sin and cos of a
    // huge value cost nothing; a lean that is not a number leaves the barb along the shaft.
    const double turns = std::isfinite(a) ? std::fmod(a, 360.0) * kDegree : 0.0;
    const double c = std::cos(turns), s = std::sin(turns);
    const double dx = x - tip.x, dy = y - tip.y;
    out = tip;
    out.x = tip.x + dx * c + dy * s;
    out.y = tip.y + dy * c - dx * s;
}

void ArrowHeadShape::shareWith(Shape& part) const
{
    part.context = context;
    part.layer = layer;
    part.setOffset(offsetX, offsetY, offsetZ);
    part.setRotation(rotationAngle, rotationCentreX, rotationCentreY, rotationFourth);
}

int ArrowHeadShape::barb(double angle)
{
    double x = 0.0, y = 0.0;
    if (!base(x, y))
        return 0;
    DrawPoint end;
    turnAboutTip(x, y, angle, end);
    if (purpose == kMeasuring) {
        // Half the width about the barb's line: its ends are butt.
        measure(tip, drawnWidth() / 2.0);
        measure(end, drawnWidth() / 2.0);
        return 1;
    }
    if (purpose == kPicking)
        return DocumentContext::selectToolOf(context)->hitTestStroke(tip, end, drawnWidth());
    LineShape line;
    shareWith(line);
    line.setColour(arrowHead->colour);
    line.setWidth(drawnWidth());
    line.setPoints(tip, end);
    return line.execute(op, mode);
}

int ArrowHeadShape::triangle(int filled)
{
    double x = 0.0, y = 0.0;
    if (!base(x, y))
        return 0;
    DrawPoint left, right;
    turnAboutTip(x, y, arrowHead->lean, left);
    turnAboutTip(x, y, -arrowHead->lean, right);
    PointList corners;
    PolygonShape polygon;
    if (!corners.appendXY(tip.x, tip.y) || !corners.appendXY(left.x, left.y) ||
        !corners.appendXY(right.x, right.y) || !polygon.setPoints(corners))
        return 0;
    shareWith(polygon);
    EdgeAttributes edge;
    edge.draw.value = filled ? 0 : 1;
    edge.colour.assign(arrowHead->colour);
    FillAttributes fill;
    fill.draw.value = filled ? 1 : 0;
    fill.colour.assign(arrowHead->colour);
    polygon.setColour(arrowHead->colour);
    polygon.setEdge(edge);
    polygon.setFill(fill);
    polygon.setWidth(drawnWidth());
    if (purpose == kPicking)
        return polygon.hitTest();
    if (purpose == kMeasuring) {
        Point lo, hi;
        if (!polygon.computeExactExtent(lo, hi))
            return 0;
        measure(lo, 0.0);
        measure(hi, 0.0);
        return 1;
    }
    return polygon.execute(op, mode);
}

int ArrowHeadShape::circle(int filled)
{
    const double r = drawnLength() / 2.0;
    DrawPoint from = tip, to = tip;
    from.x -= r, from.y -= r;
    to.x += r, to.y += r;
    OvalShape oval;
    shareWith(oval);
    oval.setStartPoint(from);
    oval.setEndPoint(to);
    EdgeAttributes edge;
    edge.draw.value = filled ? 0 : 1;
    edge.colour.assign(arrowHead->colour);
    FillAttributes fill;
    fill.draw.value = filled ? 1 : 0;
    fill.colour.assign(arrowHead->colour);
    oval.setColour(arrowHead->colour);
    oval.setEdge(edge);
    oval.setFill(fill);
    oval.setWidth(drawnWidth());
    if (purpose == kPicking)
        return oval.hitTest();
    if (purpose == kMeasuring) {
        measure(tip, r + (filled ? 0.0 : drawnWidth() / 2.0));
        return 1;
    }
    return oval.execute(op, mode);
}
