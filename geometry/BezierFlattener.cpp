#include "geometry/BezierFlattener.h"

#include <cmath>

namespace {
bool finite(const Point& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

// a + (b - a) * f as a plain point (flag 0).
Point along(const Point& a, const Point& b, double f)
{
    return Point(a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f, a.z + (b.z - a.z) * f);
}

Point midpoint(const Point& a, const Point& b) { return along(a, b, 0.5); }

// The points of one cubic after its start: the inner points at t = step, 2 step, ... (t summed,
// so that 0.04 gives exactly 24 of them) and the end point itself.
int appendCubic(PointArray& out, const Point& p0, const Point& p1, const Point& p2, const Point& p3, double step)
{
    const double cx = 3.0 * (p1.x - p0.x), cy = 3.0 * (p1.y - p0.y);
    const double bx = 3.0 * (p2.x - p1.x) - cx, by = 3.0 * (p2.y - p1.y) - cy;
    const double ax = p3.x - p0.x - cx - bx, ay = p3.y - p0.y - cy - by;
    for (double t = step; t < 1.0; t += step) {
        double x = ax * t * t * t + bx * t * t + cx * t + p0.x;
        double y = ay * t * t * t + by * t * t + cy * t + p0.y;
        if (!out.appendXY(x, y))
            return 0;
    }
    return out.appendRecord(&p3);
}

// The four corners of the box of two corners, p1 first, turning clockwise on the screen.
bool boxCorners(const Point& p1, const Point& p2, Point c[4])
{
    PointArray corners;
    if (!corners.setBoxCorners(&p1, &p2))
        return false;
    for (int i = 0; i < 4; ++i)
        if (!corners.getRecord(i, &c[i]))
            return false;
    return true;
}
} // namespace

int BezierFlattener::run(PointArray* path, int mode)
{
    source_ = path;
    mode_ = mode;
    int result = flatten();
    source_ = nullptr;
    return result;
}

int BezierFlattener::flatten() { return flattenTo(output_); }

int BezierFlattener::runInto(PointArray* path, PointArray& out)
{
    source_ = path;
    mode_ = 0;
    const int result = flattenTo(out);
    source_ = nullptr;
    return result;
}

int BezierFlattener::flattenTo(PointArray& out)
{
    if (!source_)
        return 0;
    const int n = source_->count;
    BlockLock lock(*source_);
    const Point* p = lock.data<Point>();
    if (n > 0 && !p)
        return 0;
    for (int i = 0; i < n; ++i)
        if (!finite(p[i]))
            return 0; // the output keeps the last good polyline

    out.count = 0;
    if (n == 0)
        return 0;
    // One reservation for the whole polyline: 25 points per cubic.
    if (!out.reserve(1 + (n / 3 + 1) * 25) || !out.appendRecord(&p[0]))
        return 0;
    if (n < 2)
        return n;
    int result = 1;
    for (int i = 0, remaining = n; remaining > 1 && result; i += 3, remaining -= 3) {
        if (remaining == 2)
            result = out.appendRecord(&p[i + 1]);
        else if (remaining == 3)
            result = appendCubic(out, p[i], p[i + 1], p[i + 1], p[i + 2], kStep);
        else
            result = appendCubic(out, p[i], p[i + 1], p[i + 2], p[i + 3], kStep);
    }
    return result;
}

int BezierFlattener::setStraightBefore(int i)
{
    Point a, b;
    if (!source_ || i < 3 || !source_->getRecord(i - 3, &a) || !source_->getRecord(i, &b))
        return 0;
    Point first = along(a, b, 1.0 / 3.0), second = along(a, b, 2.0 / 3.0);
    return source_->setRecord(i - 2, &first) && source_->setRecord(i - 1, &second);
}

int BezierFlattener::setStraightAfter(int i)
{
    Point a, b;
    if (!source_ || i < 0 || source_->count <= i + 3 || !source_->getRecord(i, &a) || !source_->getRecord(i + 3, &b))
        return 0;
    Point first = along(a, b, 1.0 / 3.0), second = along(a, b, 2.0 / 3.0);
    return source_->setRecord(i + 1, &first) && source_->setRecord(i + 2, &second);
}

int BezierFlattener::adjustAfterMove(int i)
{
    if (!source_ || i < 0 || i >= source_->count)
        return 0;
    if (i % 3 != 0)
        return mirrorPartner(i);
    // Each side straightens where it has a segment; the first anchor has none before it.
    int before = setStraightBefore(i);
    int after = setStraightAfter(i);
    return before || after;
}

int BezierFlattener::mirrorPartner(int i)
{
    if (!source_ || i < 0 || i >= source_->count || i % 3 == 0)
        return 0;
    const int anchor = i % 3 == 1 ? i - 1 : i + 1;
    const int partner = i % 3 == 1 ? i - 2 : i + 2;
    if (partner < 2 || partner > source_->count - 3)
        return 0;
    Point moved, a, q;
    if (!source_->getRecord(i, &moved) || !source_->getRecord(anchor, &a) || !source_->getRecord(partner, &q))
        return 0;
    double ux = 0.0, uy = 0.0;
    if (!(moved.directionTo(&a, &ux, &uy) >= 1e-5))
        return 0; // a handle on its anchor gives no direction
    const double keep = a.distanceTo2D(q.x, q.y);
    q.x = a.x + ux * keep;
    q.y = a.y + uy * keep;
    return source_->setRecord(partner, &q);
}

int BezierFlattener::writeFigure(const Point* points, int n)
{
    if (!source_)
        return 0;
    for (int i = 0; i < n; ++i)
        if (!finite(points[i]))
            return 0;
    if (!source_->reserve(n))
        return 0;
    source_->count = 0;
    for (int i = 0; i < n; ++i)
        if (!source_->appendRecord(&points[i]))
            return 0;
    return 1;
}

int BezierFlattener::setShapePath(int kind, const Point& p1, const Point& p2)
{
    switch (kind) {
    case 1: return setEllipsePath(p1, p2);
    case 2: return setHalfEllipsePath(p1, p2);
    case 3: return setQuarterEllipsePath(p1, p2);
    default: return 0;
    }
}

int BezierFlattener::setBoxPath(const Point& p1, const Point& p2)
{
    Point c[4];
    if (!boxCorners(p1, p2, c))
        return 0;
    const Point points[10] = {
        Point(c[0].x, c[0].y), along(c[0], c[1], 1.0 / 3.0), along(c[0], c[1], 2.0 / 3.0),
        Point(c[1].x, c[1].y), along(c[1], c[2], 1.0 / 3.0), along(c[1], c[2], 2.0 / 3.0),
        Point(c[2].x, c[2].y), along(c[2], c[3], 1.0 / 3.0), along(c[2], c[3], 2.0 / 3.0),
        Point(c[3].x, c[3].y),
    };
    return writeFigure(points, 10);
}

int BezierFlattener::setEllipsePath(const Point& p1, const Point& p2)
{
    Point c[4];
    if (!boxCorners(p1, p2, c))
        return 0;
    const double k = kQuarterArc;
    const Point m01 = midpoint(c[0], c[1]), m12 = midpoint(c[1], c[2]);
    const Point m23 = midpoint(c[2], c[3]), m30 = midpoint(c[3], c[0]);
    const Point points[13] = {
        m01, along(m01, c[1], k), along(m12, c[1], k),
        m12, along(m12, c[2], k), along(m23, c[2], k),
        m23, along(m23, c[3], k), along(m30, c[3], k),
        m30, along(m30, c[0], k), along(m01, c[0], k),
        m01,
    };
    return writeFigure(points, 13);
}

int BezierFlattener::setHalfEllipsePath(const Point& p1, const Point& p2)
{
    Point c[4];
    if (!boxCorners(p1, p2, c))
        return 0;
    const double k = kQuarterArc;
    const Point m12 = midpoint(c[1], c[2]);
    const Point points[7] = {
        Point(c[0].x, c[0].y), along(c[0], c[1], k), along(m12, c[1], k),
        m12, along(m12, c[2], k), along(c[3], c[2], k),
        Point(c[3].x, c[3].y),
    };
    return writeFigure(points, 7);
}

int BezierFlattener::setQuarterEllipsePath(const Point& p1, const Point& p2)
{
    Point c[4];
    if (!boxCorners(p1, p2, c))
        return 0;
    const double k = kQuarterArc;
    const Point points[7] = {
        Point(c[0].x, c[0].y), along(c[0], c[1], k), along(c[2], c[1], k),
        Point(c[2].x, c[2].y), along(c[2], c[3], 1.0 / 3.0), along(c[2], c[3], 2.0 / 3.0),
        Point(c[3].x, c[3].y),
    };
    return writeFigure(points, 7);
}

int BezierFlattener::setTwoSegmentPath(const Point& p1, const Point& p2, const Point& p3)
{
    const Point points[7] = {
        Point(p1.x, p1.y), along(p1, p2, 1.0 / 3.0), along(p1, p2, 2.0 / 3.0),
        Point(p2.x, p2.y), along(p2, p3, 1.0 / 3.0), along(p2, p3, 2.0 / 3.0),
        Point(p3.x, p3.y),
    };
    return writeFigure(points, 7);
}

int BezierFlattener::setParallelogramPath(const Point& p1, const Point& p2, const Point& p3)
{
    double ux = 0.0, uy = 0.0;
    const double side = p2.directionTo(&p1, &ux, &uy);
    if (!(side >= 1e-5))
        return 0;
    const Point q(p3.x + ux * side, p3.y + uy * side);
    const Point points[10] = {
        Point(p1.x, p1.y), along(p1, p2, 1.0 / 3.0), along(p1, p2, 2.0 / 3.0),
        Point(p2.x, p2.y), along(p2, p3, 1.0 / 3.0), along(p2, p3, 2.0 / 3.0),
        Point(p3.x, p3.y), along(p3, q, 1.0 / 3.0), along(p3, q, 2.0 / 3.0),
        q,
    };
    return writeFigure(points, 10);
}

template <typename Operation> int BezierFlattener::onPath(PointArray* path, Operation operation)
{
    if (!path)
        return 0;
    PointArray* saved = source_;
    source_ = path;
    int result = operation();
    source_ = saved;
    return result;
}

int BezierFlattener::buildOval(const Point& p1, const Point& p2, int kind, PointArray* path)
{
    return onPath(path, [&] { return setShapePath(kind, p1, p2); });
}

int BezierFlattener::buildQuadrilateral(const Point& p1, const Point& p2, const Point& p3, PointArray* path)
{
    return onPath(path, [&] { return setParallelogramPath(p1, p2, p3); });
}

int BezierFlattener::buildRectangle(const Point& p1, const Point& p2, PointArray* path)
{
    return onPath(path, [&] { return setBoxPath(p1, p2); });
}

int BezierFlattener::buildTriangle(const Point& p1, const Point& p2, const Point& p3, PointArray* path)
{
    return onPath(path, [&] { return setTwoSegmentPath(p1, p2, p3); });
}

int BezierFlattener::smoothAt(PointArray* path, int i)
{
    return onPath(path, [&] { return adjustAfterMove(i); });
}

int BezierFlattener::straightenAfter(PointArray* path, int i)
{
    return onPath(path, [&] { return setStraightAfter(i); });
}

int BezierFlattener::straightenBefore(PointArray* path, int i)
{
    return onPath(path, [&] { return setStraightBefore(i); });
}
