#include "platform/Region.h"

#include "platform/IntPolyPolygon.h"
#include "platform/IntPolygon.h"

int Region::take(HRGN created)
{
    destroy();
    hrgn = created;
    valid = created != nullptr;
    return valid;
}

int Region::createRect(int top, int left, int right, int bottom)
{
    return take(CreateRectRgn(left, top, right, bottom));
}

int Region::createRectIndirect(const IntRect& rect)
{
    return take(CreateRectRgnIndirect(rect.asRect()));
}

int Region::createPolygon(IntPolygon& polygon)
{
    BlockLock points(polygon);
    if (!points)
        return take(nullptr);
    return take(CreatePolygonRgn(points.data<POINT>(), polygon.count, WINDING));
}

int Region::createPolyPolygon(IntPolyPolygon& polygons)
{
    if (polygons.polygonCount() < 1)
        return take(nullptr);
    BlockLock points(polygons.vertices);
    BlockLock counts(polygons.counts);
    if (!points || !counts)
        return take(nullptr);
    return take(CreatePolyPolygonRgn(points.data<POINT>(), counts.data<INT>(), polygons.polygonCount(), WINDING));
}

int Region::ensureCreated()
{
    if (hrgn)
        return 1;
    return createRect(1, 1, 1, 1);
}

void Region::destroy()
{
    if (hrgn)
        DeleteObject(hrgn);
    hrgn = nullptr;
    valid = 0;
}

IntRect Region::boundingBox() const
{
    IntRect box;
    if (hrgn && GetRgnBox(hrgn, box.asRect()) == ERROR)
        box.init();
    return box;
}

int Region::containsPoint(const IntPoint& p) const
{
    return hrgn && PtInRegion(hrgn, p.x, p.y) ? 1 : 0;
}
