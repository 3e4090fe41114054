#include "platform/Region.h"

#include <vector>

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

int Region::createRects(const IntRect* rects, int n)
{
    if (n < 0 || (n > 0 && !rects))
        return take(nullptr);
    // The header and the rectangles in one block, as the library reads them.
    std::vector<char> data(sizeof(RGNDATAHEADER) + sizeof(RECT) * static_cast<size_t>(n));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(n);
    header->nRgnSize = static_cast<DWORD>(sizeof(RECT) * static_cast<size_t>(n));
    RECT bounds = {0, 0, 0, 0};
    auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (int i = 0; i < n; ++i) {
        out[i] = *rects[i].asRect();
        if (i == 0)
            bounds = out[i];
        else
            UnionRect(&bounds, &bounds, &out[i]);
    }
    header->rcBound = bounds;
    return take(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data())));
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
