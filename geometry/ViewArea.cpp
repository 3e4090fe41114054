#include "geometry/ViewArea.h"

#include <cmath>
#include <initializer_list>

#include "geometry/AngleTurns.h"
#include "geometry/DrawingOwner.h"
#include "geometry/PaperSettings.h"
#include "geometry/Point.h"
#include "geometry/ThreePointArc.h"
#include "geometry/ViewParams.h"
#include "platform/MathUtil.h"
#include "platform/SystemMetrics.h"

namespace {
bool allFinite(double a, double b, double c, double d)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// Marks an angle that does not lie on the arc; sorted behind every real one and dropped.
const double offArc = 10000.0;

// Orders both pairs of an axis-parallel segment (x1 <= x2, y1 <= y2), then cuts the pair it
// runs along to lo..hi.
int clipOrdered(double* x1, double* y1, double* x2, double* y2, bool horizontal, double lo, double hi)
{
    if (!x1 || !y1 || !x2 || !y2)
        return 0;
    MathUtil::sortPair(*x1, *x2);
    MathUtil::sortPair(*y1, *y2);
    double& from = horizontal ? *x1 : *y1;
    double& to = horizontal ? *x2 : *y2;
    from = MathUtil::maxDouble(from, lo);
    to = MathUtil::minDouble(to, hi);
    return 1;
}

// One edge of the general clip, with a the coordinate across the edge and b the one along it:
// where the segment (a1, b1)-(a2, b2) crosses the line a = edge strictly between its ends and
// within lo..hi along it, the chosen end moves onto the crossing. 1 when it moved.
int moveEndToEdge(double& a1, double& b1, double& a2, double& b2, double edge, double lo, double hi, bool second)
{
    double t = (edge - a1) / (a2 - a1);
    if (!(0.0 < t && t < 1.0))
        return 0;
    double b = b1 + (b2 - b1) * t;
    if (!(lo <= b && b <= hi))
        return 0;
    (second ? a2 : a1) = edge;
    (second ? b2 : b1) = b;
    return 1;
}
} // namespace

double ViewArea::deviceXToWorld(int x) const
{
    if (!viewParams)
        return 0.0;
    double wx = 0.0, wy = 0.0, wz = 0.0;
    viewParams->deviceToWorld(IntPoint(x, 0), &wx, &wy, &wz);
    return wx;
}

double ViewArea::deviceYToWorld(int y) const
{
    if (!viewParams)
        return 0.0;
    double wx = 0.0, wy = 0.0, wz = 0.0;
    viewParams->deviceToWorld(IntPoint(0, y), &wx, &wy, &wz);
    return wy;
}

void ViewArea::setToScreenDevice()
{
    IntRect screen = getScreenRect();
    set(0.0, 0.0, screen.width(), screen.height());
}

void ViewArea::setToScreen()
{
    IntRect screen = getScreenRect();
    set(deviceXToWorld(0), deviceYToWorld(0), deviceXToWorld(screen.width()), deviceYToWorld(screen.height()));
}

void ViewArea::inflateByHalfWidth(double w)
{
    double num = 1.0, den = 1.0;
    if (PaperSettings* paper = owner ? owner->paperSettings() : nullptr) {
        num = paper->scaleNumerator() >= 1 ? paper->scaleNumerator() : 1;
        den = paper->scaleDenominator() >= 1 ? paper->scaleDenominator() : 1;
    }
    double d = w * den / num / 2.0;
    if (!std::isfinite(d))
        return;
    left -= d;
    top -= d;
    right += d;
    bottom += d;
}

int ViewArea::containsDevicePoint(const IntPoint& p) const
{
    return left <= p.x && p.x <= right && top <= p.y && p.y <= bottom;
}

int ViewArea::isOutsideDeviceRect(const IntRect& r) const
{
    return r.right < left || r.bottom < top || r.left > right || r.top > bottom;
}

int ViewArea::containsPoint(const Point& p) const
{
    return left <= p.x && p.x <= right && top <= p.y && p.y <= bottom;
}

int ViewArea::containsBox(const Point& p1, const Point& p2) const
{
    return containsBoxCoords(p1.x, p1.y, p2.x, p2.y);
}

int ViewArea::containsBoxCoords(double x1, double y1, double x2, double y2) const
{
    MathUtil::sortPair(x1, x2);
    MathUtil::sortPair(y1, y2);
    return left <= x1 && top <= y1 && x2 <= right && y2 <= bottom;
}

int ViewArea::isOutsideBoxCoords(double x1, double y1, double x2, double y2) const
{
    if (!allFinite(x1, y1, x2, y2))
        return 1;
    MathUtil::sortPair(x1, x2);
    MathUtil::sortPair(y1, y2);
    return x2 < left || y2 < top || x1 > right || y1 > bottom;
}

int ViewArea::clipSegment(const Point& p1, const Point& p2) const
{
    return clipSegmentCoords(p1.x, p1.y, p2.x, p2.y);
}

int ViewArea::clipSegmentCoords(double x1, double y1, double x2, double y2) const
{
    return clipSegmentInPlace(&x1, &y1, &x2, &y2);
}

int ViewArea::clipHorizontalSegment(double* x1, double* y1, double* x2, double* y2) const
{
    return clipOrdered(x1, y1, x2, y2, true, left, right);
}

int ViewArea::clipVerticalSegment(double* x1, double* y1, double* x2, double* y2) const
{
    return clipOrdered(x1, y1, x2, y2, false, top, bottom);
}

int ViewArea::clipSegmentInPlace(double* x1, double* y1, double* x2, double* y2) const
{
    if (!x1 || !y1 || !x2 || !y2 || !allFinite(*x1, *y1, *x2, *y2))
        return 0;
    if (containsBoxCoords(*x1, *y1, *x2, *y2))
        return 1;
    if (isOutsideBoxCoords(*x1, *y1, *x2, *y2))
        return 0;
    if (std::fabs(*y1 - *y2) < 1e-5)
        return clipHorizontalSegment(x1, y1, x2, y2);
    if (std::fabs(*x1 - *x2) < 1e-5)
        return clipVerticalSegment(x1, y1, x2, y2);

    // Edge by edge, each on the segment as clipped so far. Which end moves is decided before the
    // edge moves it: top and left move the end with the smaller coordinate, bottom and right the
    // end with the larger.
    int moved = 0;
    moved |= moveEndToEdge(*y1, *x1, *y2, *x2, top, left, right, *y1 >= *y2);
    moved |= moveEndToEdge(*y1, *x1, *y2, *x2, bottom, left, right, *y1 < *y2);
    moved |= moveEndToEdge(*x1, *y1, *x2, *y2, left, top, bottom, !(*x1 < *x2));
    moved |= moveEndToEdge(*x1, *y1, *x2, *y2, right, top, bottom, *x1 <= *x2);
    return moved;
}

int ViewArea::normaliseArcAngles(double* angles, int* count, double lo, double hi)
{
    if (!angles || !count || *count < 0 || !isUsableAngle(lo) || !isUsableAngle(hi))
        return 0;
    // The part of the turn that the arc leaves out, measured up from hi.
    const double gap = raiseByTurnsToAtLeast(lo, hi) - hi;
    for (int i = 0; i < *count; ++i) {
        double a = angles[i];
        if (!std::isfinite(a)) {
            a = offArc;
        } else if (MathUtil::isNearlyEqual(a, hi)) {
            a = 360.0; // the arc's end
        } else {
            a = std::fmod(a - hi, 360.0);
            if (a < 0.0)
                a += 360.0;
            if (a < gap)
                a = offArc;
        }
        angles[i] = a;
    }
    MathUtil::sortDoubles(angles, *count);
    while (*count > 0 && angles[*count - 1] > offArc - 1.0)
        --*count;
    for (int i = 0; i < *count; ++i)
        angles[i] += hi;
    return 1;
}

int ViewArea::arcAnglesInside(const ThreePointArc& arc, double* angles) const
{
    double lo, hi;
    if (!arc.angleRange(&lo, &hi))
        return 0;
    const Point& c = arc.centre;
    const double r = arc.radius;
    if (containsBoxCoords(c.x - r, c.y - r, c.x + r, c.y + r))
        return -1;
    if (isOutsideBoxCoords(c.x - r, c.y - r, c.x + r, c.y + r))
        return 0;

    // Where the circle crosses the four edges strictly inside the border's extent.
    int n = 0;
    double a, b;
    for (double x : {left, right}) {
        if (arc.verticalLineCrossings(x, &a, &b)) {
            if (top < a && a < bottom)
                angles[n++] = arc.angleOf(x, a);
            if (top < b && b < bottom)
                angles[n++] = arc.angleOf(x, b);
        }
    }
    for (double y : {top, bottom}) {
        if (arc.horizontalLineCrossings(y, &a, &b)) {
            if (left < a && a < right)
                angles[n++] = arc.angleOf(a, y);
            if (left < b && b < right)
                angles[n++] = arc.angleOf(b, y);
        }
    }
    if (n == 0)
        return 0;
    Point e1, e2;
    arc.pointAtAngle(lo, &e1);
    arc.pointAtAngle(hi, &e2);
    if (containsPoint(e1))
        angles[n++] = lo;
    if (containsPoint(e2))
        angles[n++] = hi;
    if (!normaliseArcAngles(angles, &n, lo, hi))
        return 0;
    return n;
}

int ViewArea::clipThreePointArc(const ThreePointArc& arc, int* count, double xs[8], double ys[8]) const
{
    if (!count || !xs || !ys)
        return 0;
    *count = 0;
    double lo, hi;
    if (!arc.angleRange(&lo, &hi))
        return 0;
    Point e1, e2;
    arc.pointAtAngle(lo, &e1);
    arc.pointAtAngle(hi, &e2);
    xs[0] = e1.x;
    ys[0] = e1.y;
    xs[1] = e2.x;
    ys[1] = e2.y;

    double angles[kMaxArcAngles];
    int n = arcAnglesInside(arc, angles);
    if (n < 0) {
        *count = 2; // the whole circle is inside: the arc's two ends
        return 1;
    }
    if (n < 2 || n > 8)
        return 0;
    n &= ~1; // whole pairs only
    for (int i = 0; i < n; ++i) {
        Point p;
        arc.pointAtAngle(angles[i], &p);
        xs[i] = p.x;
        ys[i] = p.y;
    }
    *count = n;
    return 1;
}

int ViewArea::hitsThreePointArc(const ThreePointArc& arc) const
{
    double angles[kMaxArcAngles];
    int n = arcAnglesInside(arc, angles);
    return n < 0 || n >= 2;
}
