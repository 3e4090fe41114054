// PointArray: whole-array geometry, each under one lock of the block.
#include <cmath>

#include "geometry/PointArray.h"
#include "platform/MathUtil.h"

namespace {
GlobalBlock& unconst(const GlobalBlock& block) { return const_cast<GlobalBlock&>(block); }
} // namespace

template <typename Change> int PointArray::changeEach(Change change)
{
    if (count <= 0)
        return 1;
    BlockLock data(*this);
    if (!data)
        return 0;
    Point* points = data.data<Point>();
    for (int i = 0; i < count; ++i)
        change(points[i]);
    return 1;
}

int PointArray::translate(double dx, double dy, double dz)
{
    return changeEach([=](Point& p) {
        p.x += dx;
        p.y += dy;
        p.z += dz;
    });
}

int PointArray::translateWithFactor(double f, double dx, double dy, double dz)
{
    if (f < 2.0)
        return translate(dx, dy, dz);
    return changeEach([=](Point& p) { p.translateWithFactor(f, dx, dy, dz); });
}

int PointArray::translatePointAt(int i, double dx, double dy, double dz)
{
    if (i < 0 || i >= count)
        return 0;
    BlockLock data(*this);
    if (!data)
        return 0;
    data.data<Point>()[i].translate(dx, dy, dz);
    return 1;
}

int PointArray::translateBy(const Point* p)
{
    if (!p)
        return 0;
    return translate(p->x, p->y, p->z);
}

int PointArray::translateByNegativePoint(const Point* p)
{
    if (!p)
        return 0;
    return translate(-p->x, -p->y, -p->z);
}

int PointArray::rotateAbout(double cx, double cy, double degrees)
{
    if (!std::isfinite(degrees))
        return 0;
    if (std::fabs(degrees) < 1e-5)
        return 1;
    // The same formula as MathUtil::rotatePointAbout, with the sine and cosine taken once.
    double sine, cosine;
    MathUtil::sinCosDegrees(degrees, sine, cosine);
    return changeEach([=](Point& p) {
        double dx = p.x - cx;
        double dy = p.y - cy;
        p.x = cx + dx * cosine + dy * sine;
        p.y = cy + dy * cosine - dx * sine;
    });
}

int PointArray::rotateAboutPoint(const Point* c, double degrees)
{
    if (!c)
        return 0;
    return rotateAbout(c->x, c->y, degrees);
}

int PointArray::scaleXYAbout(const Point* c, double factor)
{
    if (!c)
        return 0;
    double cx = c->x, cy = c->y;
    return changeEach([=](Point& p) {
        p.x = cx + (p.x - cx) * factor;
        p.y = cy + (p.y - cy) * factor;
    });
}

int PointArray::getBounds(Point* lo, Point* hi) const
{
    if (!lo || !hi || count <= 0)
        return 0;
    Point first;
    if (!getRecord(0, &first))
        return 0;
    *lo = first;
    *hi = first;
    return extendBounds(lo, hi, 1);
}

int PointArray::extendBounds(Point* lo, Point* hi, int from) const
{
    if (!lo || !hi || from < 0)
        return 0;
    if (from >= count)
        return 1;
    BlockLock data(unconst(*this));
    if (!data)
        return 0;
    const Point* points = data.data<Point>();
    for (int i = from; i < count; ++i) {
        // Stored points are never null, which is all that fails here.
        (void)lo->minWith(&points[i]);
        (void)hi->maxWith(&points[i]);
    }
    return 1;
}

double PointArray::directionBetween(int i, int j, double* ux, double* uy) const
{
    Point a, b;
    if (!getRecord(i, &a) || !getRecord(j, &b))
        return 0.0;
    return a.directionTo(&b, ux, uy);
}

int PointArray::setClosedBox(const Point* p1, const Point* p2)
{
    if (!p1 || !p2)
        return 0;
    double x1 = p1->x, y1 = p1->y, x2 = p2->x, y2 = p2->y;
    MathUtil::sortPair(x1, x2);
    MathUtil::sortPair(y1, y2);
    if (!reserve(5, 1))
        return 0;
    count = 0;
    return appendXY(x1, y1) && appendXY(x2, y1) && appendXY(x2, y2) && appendXY(x1, y2) && appendXY(x1, y1);
}

int PointArray::setBoxCorners(const Point* p1, const Point* p2)
{
    if (!p1 || !p2)
        return 0;
    Point first = *p1, third = *p2; // either may be a point of this array
    double dx = third.x - first.x, dy = third.y - first.y;
    bool sameSign = (dx >= 0.0) == (dy >= 0.0); // zero counts as positive
    Point a, b;
    if (sameSign) {
        a = Point(third.x, first.y);
        b = Point(first.x, third.y);
    } else {
        a = Point(first.x, third.y);
        b = Point(third.x, first.y);
    }
    if (!reserve(4, 1))
        return 0;
    count = 0;
    return appendRecord(&first) && appendRecord(&a) && appendRecord(&third) && appendRecord(&b);
}
