// Point: box handles, rotations, intersections and offsets. Each sets x and y only and leaves
// the point untouched when the construction is degenerate.
#include <cmath>

#include "geometry/Point.h"
#include "platform/MathUtil.h"

namespace {
double half(double a, double b) { return (a + b) / 2.0; }
} // namespace

int Point::setBoxPoint1(const Point* p1, const Point* p2)
{
    if (!p1 || !p2)
        return 0;
    x = p1->x;
    y = p1->y;
    return 1;
}

int Point::setBoxPoint3(const Point* p1, const Point* p2)
{
    if (!p1 || !p2)
        return 0;
    x = p2->x;
    y = p1->y;
    return 1;
}

int Point::setBoxPoint5(const Point* p1, const Point* p2)
{
    if (!p1 || !p2)
        return 0;
    x = p2->x;
    y = p2->y;
    return 1;
}

int Point::setBoxPoint7(const Point* p1, const Point* p2)
{
    if (!p1 || !p2)
        return 0;
    x = p1->x;
    y = p2->y;
    return 1;
}

int Point::setBoxPoint2(const Point* p1, const Point* p2)
{
    if (!p1 || !p2)
        return 0;
    x = half(p1->x, p2->x);
    y = p1->y;
    return 1;
}

int Point::setBoxPoint4(const Point* p1, const Point* p2)
{
    if (!p1 || !p2)
        return 0;
    x = p2->x;
    y = half(p1->y, p2->y);
    return 1;
}

int Point::setBoxPoint6(const Point* p1, const Point* p2)
{
    if (!p1 || !p2)
        return 0;
    x = half(p1->x, p2->x);
    y = p2->y;
    return 1;
}

int Point::setBoxPoint8(const Point* p1, const Point* p2)
{
    if (!p1 || !p2)
        return 0;
    x = p1->x;
    y = half(p1->y, p2->y);
    return 1;
}

int Point::boxAroundCentre(double w, double h, Point* lo, Point* hi) const
{
    if (!lo || !hi)
        return 0;
    double cx = x, cy = y; // this point may be one of the outputs
    lo->x = cx - w / 2.0;
    lo->y = cy - h / 2.0;
    hi->x = cx + w / 2.0;
    hi->y = cy + h / 2.0;
    return 1;
}

void Point::rotateAbout(double cx, double cy, double degrees) { MathUtil::rotatePointAbout(cx, cy, x, y, degrees); }

int Point::rotateAboutPoint(const Point* c, double degrees)
{
    if (!c)
        return 0;
    rotateAbout(c->x, c->y, degrees);
    return 1;
}

int Point::setPolar(const Point* c, double r, double degrees)
{
    if (!c)
        return 0;
    MathUtil::pointAtAngle(c->x, c->y, r, degrees, x, y);
    return 1;
}

int Point::setRotated(const Point* p, const Point* c, double degrees)
{
    if (!p || !c)
        return 0;
    double px = p->x, py = p->y;
    MathUtil::rotatePointAbout(c->x, c->y, px, py, degrees);
    x = px;
    y = py;
    return 1;
}

int Point::setLineIntersection(const Point* p1, const Point* p2, const Point* p3, const Point* p4)
{
    if (!p1 || !p2 || !p3 || !p4)
        return 0;
    return MathUtil::intersectLines(p1->x, p1->y, p2->x, p2->y, p3->x, p3->y, p4->x, p4->y, x, y);
}

int Point::setLineIntersectionCopy(const Point* p1, const Point* p2, const Point* p3, const Point* p4,
                                   const Point* src)
{
    if (!p1 || !p2 || !p3 || !p4 || !src)
        return 0;
    // The lines may be given by this point itself: keep them before the copy overwrites it.
    Point a = *p1, b = *p2, c = *p3, d = *p4;
    *this = *src;
    return setLineIntersection(&a, &b, &c, &d);
}

int Point::setPointDirIntersection(const Point* p, double ux, double uy, const Point* q, double vx, double vy)
{
    if (!p || !q)
        return 0;
    return MathUtil::intersectRays(p->x, p->y, ux, uy, q->x, q->y, vx, vy, x, y);
}

int Point::setRayIntersection(const Point* p1, const Point* u1, const Point* p2, const Point* u2)
{
    if (!u1 || !u2)
        return 0;
    return setPointDirIntersection(p1, u1->x, u1->y, p2, u2->x, u2->y);
}

int Point::setAtDistanceAlong(const Point* p1, const Point* p2, const Point* base, double d)
{
    if (!p1 || !p2 || !base)
        return 0;
    return MathUtil::pointAlongLine(p1->x, p1->y, p2->x, p2->y, base->x, base->y, d, x, y);
}

int Point::moveAlong(const Point* p1, const Point* p2, double d)
{
    Point base = *this;
    return setAtDistanceAlong(p1, p2, &base, d);
}

int Point::setAtDistanceFrom(const Point* p, double d)
{
    if (!p)
        return 0;
    Point self = *this;
    return setAtDistanceAlong(p, &self, p, d);
}

int Point::setPerpendicularOffset(const Point* p1, const Point* p2, const Point* base, double d)
{
    if (!p1 || !p2 || !base)
        return 0;
    return MathUtil::pointAcrossLine(p1->x, p1->y, p2->x, p2->y, base->x, base->y, d, x, y);
}

int Point::movePerpendicular(const Point* p1, const Point* p2, double d)
{
    Point base = *this;
    return setPerpendicularOffset(p1, p2, &base, d);
}

int Point::setOffsetVertex(const Point* p1, const Point* p2, const Point* p3, double d)
{
    if (!p1 || !p2 || !p3)
        return 0;
    Point a1, a2, b1, b2;
    if (!a1.setPerpendicularOffset(p1, p2, p1, d) || !a2.setPerpendicularOffset(p1, p2, p2, d))
        return 0;
    if (!b1.setPerpendicularOffset(p2, p3, p2, d) || !b2.setPerpendicularOffset(p2, p3, p3, d))
        return 0;
    return setLineIntersection(&a1, &a2, &b1, &b2);
}

int Point::setPerpendicularFoot(const Point* p1, const Point* p2, const Point* p3)
{
    if (!p1 || !p2 || !p3)
        return 0;
    Point across = *p3;
    if (!across.setPerpendicularOffset(p1, p2, p3, 10.0))
        return 0;
    return setLineIntersection(p1, p2, p3, &across);
}

int Point::projectOntoLine(const Point* p1, const Point* p2)
{
    Point self = *this;
    return setPerpendicularFoot(p1, p2, &self);
}

int Point::makeDiagonalY(const Point* p)
{
    if (!p)
        return 0;
    double dx = std::fabs(x - p->x);
    if (!(dx >= 1e-5))
        return 0;
    y = y >= p->y ? p->y + dx : p->y - dx;
    return 1;
}

int Point::makeDiagonalX(const Point* p)
{
    if (!p)
        return 0;
    double dy = std::fabs(y - p->y);
    if (!(dy >= 1e-5))
        return 0;
    x = x >= p->x ? p->x + dy : p->x - dy;
    return 1;
}
