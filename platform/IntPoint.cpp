#include "platform/IntPoint.h"

#include "platform/MathUtil.h"

int IntPoint::distanceTo(const IntPoint& p) const { return MathUtil::distanceInt(x, y, p.x, p.y); }
int IntPoint::absDx(const IntPoint& p) const { return MathUtil::absDiffInt(p.x, x); }
int IntPoint::absDy(const IntPoint& p) const { return MathUtil::absDiffInt(p.y, y); }

void IntPoint::interpolate(const IntPoint& p1, const IntPoint& p2, int num, int den)
{
    x = MathUtil::lerpInt(p1.x, p2.x, num, den);
    y = MathUtil::lerpInt(p1.y, p2.y, num, den);
}
