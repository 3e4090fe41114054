#include "geometry/Point3.h"

#include "platform/MathUtil.h"

int Point3::rotate(double degrees)
{
    MathUtil::rotatePoint(x, y, degrees);
    return 1;
}

int Point3::setRotated(const Point3* src, double degrees)
{
    if (!src)
        return 0;
    set(src->x, src->y, src->z);
    return rotate(degrees);
}
