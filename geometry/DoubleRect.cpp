#include "geometry/DoubleRect.h"

#include "geometry/Point.h"
#include "platform/MathUtil.h"

int DoubleRect::setFromCorners(const Point* p1, const Point* p2)
{
    if (!p1 || !p2)
        return 0;
    minX = MathUtil::minDouble(p1->x, p2->x);
    maxX = MathUtil::maxDouble(p1->x, p2->x);
    minY = MathUtil::minDouble(p1->y, p2->y);
    maxY = MathUtil::maxDouble(p1->y, p2->y);
    return 1;
}

int DoubleRect::setFromCornersScaled(const Point* p1, const Point* p2, double num, double den)
{
    if (!setFromCorners(p1, p2))
        return 0;
    if (den >= 0.1) {
        minY = minY * num / den;
        minX = minX * num / den;
        maxX = maxX * num / den;
        maxY = maxY * num / den;
    }
    return 1;
}

void DoubleRect::getCornerArrays(double xs[4], double ys[4]) const
{
    xs[0] = minX;
    ys[0] = minY;
    xs[1] = maxX;
    ys[1] = minY;
    xs[2] = maxX;
    ys[2] = maxY;
    xs[3] = minX;
    ys[3] = maxY;
}

int DoubleRect::overlapsX(double a, double b, int inclusive) const
{
    return inclusive ? (minX <= b && maxX >= a) : (minX < b && maxX > a);
}

int DoubleRect::overlapsY(double a, double b, int inclusive) const
{
    return inclusive ? (minY <= b && maxY >= a) : (minY < b && maxY > a);
}

int DoubleRect::overlapsOtherX(const DoubleRect* other, int inclusive) const
{
    return other ? overlapsX(other->minX, other->maxX, inclusive) : 0;
}

int DoubleRect::overlapsOtherY(const DoubleRect* other, int inclusive) const
{
    return other ? overlapsY(other->minY, other->maxY, inclusive) : 0;
}

int DoubleRect::containsXY(double x, double y, int inclusive) const
{
    return overlapsX(x, x, inclusive) && overlapsY(y, y, inclusive);
}

int DoubleRect::intersects(const DoubleRect* other, int inclusive) const
{
    return overlapsOtherX(other, inclusive) && overlapsOtherY(other, inclusive);
}
