#include "platform/IntPolygon.h"

#include "platform/MathUtil.h"

int IntPolygon::getAt(int i, int& x, int& y)
{
    IntPoint p;
    if (!get(i, &p))
        return 0;
    x = p.x;
    y = p.y;
    return 1;
}

int IntPolygon::setAt(int i, int x, int y)
{
    IntPoint p(x, y);
    return put(i, &p);
}

IntPoint IntPolygon::getPoint(int i)
{
    IntPoint p;
    if (!get(i, &p))
        return IntPoint();
    return p;
}

int IntPolygon::close()
{
    IntPoint first;
    if (!get(0, &first))
        return 0;
    return addPoint(first);
}

int IntPolygon::containsPoint(const IntPoint& p)
{
    if (count < 3)
        return 0;
    BlockLock points(*this);
    if (!points)
        return 0;
    HRGN region = CreatePolygonRgn(points.data<POINT>(), count, WINDING);
    if (!region)
        return 0;
    int inside = PtInRegion(region, p.x, p.y) ? 1 : 0;
    DeleteObject(region);
    return inside;
}

int IntPolygon::setRotatedRect(const IntRect& rect, const IntPoint& centre, double degrees)
{
    count = 0;
    int xs[4], ys[4];
    rect.getCorners(xs, ys);
    if (!reserve(5))
        return 0;
    for (int i = 0; i < 5; ++i) {
        double x = xs[i % 4];
        double y = ys[i % 4];
        MathUtil::rotatePointAbout(centre.x, centre.y, x, y, degrees);
        if (!add(MathUtil::truncateToInt(x), MathUtil::truncateToInt(y)))
            return 0;
    }
    return 1;
}

int IntPolygon::setRotatedRect(const IntPoint& centre, int width, int height, double degrees)
{
    IntRect rect;
    rect.setCentered(centre, width, height);
    return setRotatedRect(rect, centre, degrees);
}
