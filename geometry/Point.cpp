// Point: component access, arithmetic, measures and angles.
#include "geometry/Point.h"

#include <cmath>

#include "geometry/PointArray.h"
#include "platform/MathUtil.h"
#include "platform/UnitConverter.h"

int Point::assignRaw(const Point* p)
{
    if (!p)
        return 0;
    *this = *p;
    return 1;
}

int Point::assign(const Point* p)
{
    // Only a null point fails, and then at the first copy, before anything changed.
    return copyX(p) && copyY(p) && copyZ(p) && copyFlag(p);
}

int Point::copyX(const Point* p)
{
    if (!p)
        return 0;
    x = p->x;
    return 1;
}

int Point::copyY(const Point* p)
{
    if (!p)
        return 0;
    y = p->y;
    return 1;
}

int Point::copyZ(const Point* p)
{
    if (!p)
        return 0;
    z = p->z;
    return 1;
}

int Point::copyFlag(const Point* p)
{
    if (!p)
        return 0;
    flag = p->flag;
    return 1;
}

int Point::getXYZ(double* outX, double* outY, double* outZ) const
{
    if (!outX || !outY || !outZ)
        return 0;
    *outX = x;
    *outY = y;
    *outZ = z;
    return 1;
}

int Point::scaleX(double num, double den)
{
    if (den == 0.0)
        return 0;
    x = x * num / den;
    return 1;
}

int Point::scaleY(double num, double den)
{
    if (den == 0.0)
        return 0;
    y = y * num / den;
    return 1;
}

int Point::scaleZ(double num, double den)
{
    if (den == 0.0)
        return 0;
    z = z * num / den;
    return 1;
}

int Point::scaleXYZ(double num, double den)
{
    if (den == 0.0)
        return 0;
    x = x * num / den;
    y = y * num / den;
    z = z * num / den;
    return 1;
}

void Point::translateWithFactor(double f, double dx, double dy, double dz)
{
    if (f >= 2.0) {
        x = (f * x + f * dx) / f;
        y = (f * y + f * dy) / f;
        z = (f * z + f * dz) / f;
    } else {
        translate(dx, dy, dz);
    }
}

int Point::translateBy(const Point* p)
{
    if (!p)
        return 0;
    translate(p->x, p->y, p->z);
    return 1;
}

int Point::translateByNegative(const Point* p)
{
    if (!p)
        return 0;
    translate(-p->x, -p->y, -p->z);
    return 1;
}

int Point::minWith(const Point* p)
{
    if (!p)
        return 0;
    x = MathUtil::minDouble(x, p->x);
    y = MathUtil::minDouble(y, p->y);
    z = MathUtil::minDouble(z, p->z);
    return 1;
}

int Point::maxWith(const Point* p)
{
    if (!p)
        return 0;
    x = MathUtil::maxDouble(x, p->x);
    y = MathUtil::maxDouble(y, p->y);
    z = MathUtil::maxDouble(z, p->z);
    return 1;
}

int Point::minWithRecord(const PointArray* array, int i)
{
    Point p;
    if (!array || !array->getRecord(i, &p))
        return 0;
    return minWith(&p);
}

int Point::maxWithRecord(const PointArray* array, int i)
{
    Point p;
    if (!array || !array->getRecord(i, &p))
        return 0;
    return maxWith(&p);
}

int Point::setAlongDirection(const Point* from, double ux, double uy, double t)
{
    if (!from)
        return 0;
    x = from->x + ux * t;
    y = from->y + uy * t;
    return 1;
}

int Point::setOffsetFrom(const Point* from, double dx, double dy)
{
    if (!from)
        return 0;
    x = from->x + dx;
    y = from->y + dy;
    return 1;
}

int Point::setBetween(const Point* p1, const Point* p2, double num, double den)
{
    if (!p1 || !p2 || den == 0.0)
        return 0;
    double nx = p1->x + (p2->x - p1->x) * num / den;
    double ny = p1->y + (p2->y - p1->y) * num / den;
    double nz = p1->z + (p2->z - p1->z) * num / den;
    x = nx;
    y = ny;
    z = nz;
    return 1;
}

int Point::scaleXAbout(const Point* c, double factor)
{
    if (!c)
        return 0;
    x = c->x + (x - c->x) * factor;
    return 1;
}

int Point::scaleYAbout(const Point* c, double factor)
{
    if (!c)
        return 0;
    y = c->y + (y - c->y) * factor;
    return 1;
}

int Point::scaleAbout(const Point* c, double factor)
{
    if (!c)
        return 0;
    x = c->x + (x - c->x) * factor;
    y = c->y + (y - c->y) * factor;
    return 1;
}

double Point::distanceTo2D(double px, double py) const { return MathUtil::distance(x, y, px, py); }

double Point::distanceTo3D(double px, double py, double pz) const
{
    return MathUtil::distance3(x, y, z, px, py, pz);
}

double Point::distanceTo(const Point* p, int dims) const
{
    if (!p)
        return 0.0;
    return dims == 3 ? distanceTo3D(p->x, p->y, p->z) : distanceTo2D(p->x, p->y);
}

double Point::directionTo(const Point* p, double* ux, double* uy) const
{
    if (!p || !ux || !uy)
        return 0.0;
    return MathUtil::unitVector(x, y, p->x, p->y, *ux, *uy);
}

double Point::directionTo3D(const Point* p, double* ux, double* uy, double* uz) const
{
    if (!p || !ux || !uy || !uz)
        return 0.0;
    return MathUtil::unitVector3(x, y, z, p->x, p->y, p->z, *ux, *uy, *uz);
}

double Point::setDirectionTo3D(const Point* p, Point* unit) const
{
    if (!p || !unit)
        return 0.0;
    return MathUtil::unitVector3(x, y, z, p->x, p->y, p->z, unit->x, unit->y, unit->z);
}

double Point::dxTo(const Point* p) const { return p ? std::fabs(x - p->x) : 0.0; }
double Point::dyTo(const Point* p) const { return p ? std::fabs(y - p->y) : 0.0; }

double Point::deltaTo(const Point* p, double* dx, double* dy) const
{
    if (!p || !dx || !dy)
        return 0.0;
    *dx = std::fabs(x - p->x);
    *dy = std::fabs(y - p->y);
    return distanceTo2D(p->x, p->y);
}

double Point::distanceInUnit(const Point* p, int unit, double* dx, double* dy) const
{
    if (!p || !dx || !dy)
        return 0.0;
    const UnitConverter converter;
    Point a(converter.convert(x, UnitConverter::millimetre, unit),
            converter.convert(y, UnitConverter::millimetre, unit));
    Point b(converter.convert(p->x, UnitConverter::millimetre, unit),
            converter.convert(p->y, UnitConverter::millimetre, unit));
    return a.deltaTo(&b, dx, dy);
}

double Point::angleTo(const Point* p) const
{
    if (!p)
        return 0.0;
    return MathUtil::normalizeAngle(MathUtil::lineAngle(x, y, p->x, p->y));
}

double Point::directionAndAngleTo(const Point* p, double* ux, double* uy, double* angle) const
{
    if (!p || !ux || !uy || !angle)
        return 0.0;
    double length = MathUtil::unitVector(x, y, p->x, p->y, *ux, *uy);
    if (length >= 1e-5)
        *angle = angleTo(p);
    return length;
}

double Point::angleBetween(const Point* p1, const Point* p2) const
{
    if (!p1 || !p2)
        return 0.0;
    return MathUtil::sweepAngle(p1->x, p1->y, x, y, p2->x, p2->y);
}

int Point::segmentSide(const Point* p1, const Point* p2) const
{
    if (!p1 || !p2)
        return 0;
    double d1 = distanceTo2D(p1->x, p1->y);
    double d2 = distanceTo2D(p2->x, p2->y);
    double d12 = p1->distanceTo2D(p2->x, p2->y);
    // Compared with the tolerance: a point on the middle perpendicular stays 0 although its two
    // distances may differ in the last bit.
    auto greater = [](double a, double b) { return MathUtil::isAtLeastTolerance(a - b) != 0; };
    if (greater(d1, d2) && greater(d1, d12))
        return 2;
    if (greater(d2, d1) && greater(d2, d12))
        return 1;
    return 0;
}

double Point::setCircumcentre(const Point* p1, const Point* p2, const Point* p3)
{
    if (!p1 || !p2 || !p3)
        return 0.0;
    double cx, cy, r;
    if (!MathUtil::circleThrough(p1->x, p1->y, p2->x, p2->y, p3->x, p3->y, cx, cy, r))
        return 0.0;
    x = cx;
    y = cy;
    return r;
}
