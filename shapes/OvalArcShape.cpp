#include "shapes/OvalArcShape.h"

#include <cmath>

#include "geometry/PointArray.h"

namespace {
// Distances below this are no ellipse.
const double kMinExtent = 1e-5;

int clampCount(int n) { return n < 1 ? 1 : n > OvalArcShape::kMaxCount ? OvalArcShape::kMaxCount : n; }

// The ordinate of the ellipse with semi-axis `major` along u and `minor` across it.
double ordinate(double major, double minor, double u)
{
    const double q = 1.0 - (u * u) / (major * major);
    return q > 0.0 ? minor * std::sqrt(q) : 0.0;
}

int appendXY(PointArray& out, const Point& model, double x, double y)
{
    return out.appendWithFlag(model.flag, x, y, model.z);
}

// The list's own points from the last to the first with x negated (the last one repeated).
int appendMirroredX(PointArray& list)
{
    Point p;
    for (int i = list.count - 1; i >= 0; --i) {
        if (!list.getPoint(i, &p) || !appendXY(list, p, -p.x, p.y))
            return 0;
    }
    return 1;
}

// The list's points from the second-to-last to the first with y negated (no repeat at the join).
int appendMirroredY(PointArray& list)
{
    Point p;
    for (int i = list.count - 2; i >= 0; --i) {
        if (!list.getPoint(i, &p) || !appendXY(list, p, p.x, -p.y))
            return 0;
    }
    return 1;
}

// target := source from the last point to the first, x (or y) negated.
int copyReversedNegated(const PointArray& source, PointArray& target, bool negateX)
{
    target.count = 0;
    Point p;
    for (int i = source.count - 1; i >= 0; --i) {
        if (!source.getPoint(i, &p) || !appendXY(target, p, negateX ? -p.x : p.x, negateX ? p.y : -p.y))
            return 0;
    }
    return 1;
}
} // namespace

void OvalArcShape::setCounts(int first, int middle, int last)
{
    count1 = clampCount(first);
    count2 = clampCount(middle);
    count3 = clampCount(last);
}

int OvalArcShape::quadrant() const
{
    if (b.x < a.x)
        return b.y >= a.y ? 1 : 4;
    return b.y >= a.y ? 2 : 3;
}

double OvalArcShape::width() const { return std::fabs(b.x - a.x); }

double OvalArcShape::height() const { return std::fabs(b.y - a.y); }

int OvalArcShape::generateQuarter(const Point& from, PointArray& out) const
{
    const double w = std::fabs(b.x - from.x);
    const double h = std::fabs(b.y - from.y);
    if (!(w >= kMinExtent) || !(h >= kMinExtent) || !std::isfinite(w) || !std::isfinite(h))
        return 0;
    const int n1 = clampCount(count1), n2 = clampCount(count2), n3 = clampCount(count3);
    out.count = 0;
    if (h <= w) {
        // Wide: steps along x, the ordinate across.
        const double a = w / 2.0, bb = h / 2.0;
        auto add = [&](double x) { return appendXY(out, from, x, -ordinate(a, bb, x)); };
        if (!appendXY(out, from, a, 0.0))
            return 0;
        for (int i = 1; i <= n1; ++i) {
            if (!add(a - i * (0.025 * h / n1)))
                return 0;
        }
        const double middleStart = a - 0.025 * h;
        for (int i = 1; i <= n2 - 1; ++i) {
            if (!add(middleStart - i * ((middleStart - 0.1 * h) / n2)))
                return 0;
        }
        for (int i = 1; i <= n3 - 1; ++i) {
            if (!add(0.1 * h - i * (0.1 * h / n3)))
                return 0;
        }
        return appendXY(out, from, 0.0, -bb);
    }
    // Tall: steps along y, the abscissa across.
    const double a = h / 2.0, bb = w / 2.0;
    auto add = [&](double t) { return appendXY(out, from, ordinate(a, bb, t), -t); };
    if (!appendXY(out, from, bb, 0.0))
        return 0;
    for (int i = 1; i <= n1; ++i) {
        if (!add(i * (0.2 * w / n1)))
            return 0;
    }
    for (int i = 1; i <= n2 - 1; ++i) {
        if (!add(0.2 * w + i * ((a - 0.2 * w - 0.025 * w) / n2)))
            return 0;
    }
    for (int i = 1; i <= n3 - 1; ++i) {
        if (!add((a - 0.025 * w) + i * (0.025 * w / n3)))
            return 0;
    }
    return appendXY(out, from, 0.0, -a);
}

int OvalArcShape::buildOutline(PointArray& out) const
{
    out.count = 0;
    switch (type) {
    case kFull:
        return buildFull(out);
    case kHalf:
        return buildHalf(out);
    case kQuart:
        return buildQuarter(out);
    default:
        return 0;
    }
}

int OvalArcShape::buildClosedOutline(PointArray& out) const
{
    if (!buildOutline(out))
        return 0;
    if (type != kQuart)
        return 1;
    Point c = a;
    return centrePoint(c) && out.appendWithFlag(0, c.x, c.y, a.z);
}

int OvalArcShape::buildFull(PointArray& out) const
{
    return generateQuarter(a, out) && appendMirroredX(out) && appendMirroredY(out) &&
           out.translate(centreX(), centreY(), 0.0);
}

// The quarter is sized by A scaled about B by 2 along the axis across the diameter; the
// translations use A itself.
int OvalArcShape::buildHalf(PointArray& out) const
{
    const int q = quadrant();
    Point scaled = a;
    if (q == 1 || q == 3)
        scaled.y = b.y + 2.0 * (a.y - b.y);
    else
        scaled.x = b.x + 2.0 * (a.x - b.x);
    PointArray work;
    switch (q) {
    case 1:
        return generateQuarter(scaled, work) && appendMirroredX(work) && copyReversedNegated(work, out, false) &&
               out.translate(centreX(), a.y, 0.0);
    case 2:
        return generateQuarter(scaled, out) && copyReversedNegated(out, work, true) && appendMirroredY(work) &&
               copyReversedNegated(work, out, true) && out.translate(a.x, centreY(), 0.0);
    case 3:
        return generateQuarter(scaled, out) && appendMirroredX(out) && out.translate(centreX(), a.y, 0.0);
    default:
        return generateQuarter(scaled, work) && copyReversedNegated(work, out, true) && appendMirroredY(out) &&
               out.translate(a.x, centreY(), 0.0);
    }
}

int OvalArcShape::buildQuarter(PointArray& out) const
{
    Point scaled = a;
    scaled.x = b.x + 2.0 * (a.x - b.x);
    scaled.y = b.y + 2.0 * (a.y - b.y);
    PointArray work;
    switch (quadrant()) {
    case 1:
        return generateQuarter(scaled, work) && copyReversedNegated(work, out, false) && out.translate(b.x, a.y, 0.0);
    case 2:
        return generateQuarter(scaled, out) && out.translate(a.x, b.y, 0.0);
    case 3:
        return generateQuarter(scaled, work) && copyReversedNegated(work, out, true) && out.translate(b.x, a.y, 0.0);
    default:
        return generateQuarter(scaled, out) && copyReversedNegated(out, work, true) &&
               copyReversedNegated(work, out, false) && out.translate(a.x, b.y, 0.0);
    }
}

int OvalArcShape::axisLengths(double& first, double& second) const
{
    const double dx = width(), dy = height();
    const int q = quadrant();
    switch (type) {
    case kFull:
        first = dx, second = dy;
        return 1;
    case kHalf:
        first = q == 1 || q == 3 ? dx : 2.0 * dx;
        second = q == 1 || q == 3 ? 2.0 * dy : dy;
        return 1;
    case kQuart:
        first = 2.0 * dx, second = 2.0 * dy;
        return 1;
    default:
        return 0;
    }
}

int OvalArcShape::centre(double& x, double& y) const
{
    const int q = quadrant();
    switch (type) {
    case kFull:
        x = centreX(), y = centreY();
        return 1;
    case kHalf:
        x = q == 1 || q == 3 ? centreX() : a.x;
        y = q == 1 || q == 3 ? a.y : centreY();
        return 1;
    case kQuart:
        x = q == 1 || q == 3 ? b.x : a.x;
        y = q == 1 || q == 3 ? a.y : b.y;
        return 1;
    default:
        return 0;
    }
}

void OvalArcShape::grow(double d)
{
    const double sx = b.x >= a.x ? 1.0 : -1.0;
    const double sy = b.y >= a.y ? 1.0 : -1.0;
    a.x -= sx * d;
    b.x += sx * d;
    a.y -= sy * d;
    b.y += sy * d;
}

void OvalArcShape::growForKind(double d)
{
    if (type != kHalf && type != kQuart) {
        grow(d);
        return;
    }
    // The changes of A.x, B.x, A.y and B.y in units of d, by quadrant.
    static const double half[4][4] = {{1, -1, 0, 1}, {0, 1, -1, 1}, {-1, 1, 0, -1}, {0, -1, 1, -1}};
    static const double quarter[4][4] = {{0, -1, -1, 0}, {0, 1, -1, 0}, {0, 1, 1, 0}, {0, -1, 1, 0}};
    const double* m = (type == kHalf ? half : quarter)[quadrant() - 1];
    a.x += m[0] * d;
    b.x += m[1] * d;
    a.y += m[2] * d;
    b.y += m[3] * d;
}
