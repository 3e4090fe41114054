#pragma once
#include <windows.h>

#include "platform/IntPoint.h"
#include "platform/IntRect.h"

class IntPolygon;
class IntPolyPolygon;

// The owner of one GDI region. Creating a region replaces (and deletes) the one held; the
// destructor deletes it.
class Region {
public:
    Region() = default;
    ~Region() { destroy(); }
    Region(const Region&) = delete;
    Region& operator=(const Region&) = delete;

    // (top, left, right, bottom), like the library's other four-integer setters.
    int createRect(int top, int left, int right, int bottom);
    int createRectIndirect(const IntRect& rect);
    // Winding fill rule.
    int createPolygon(IntPolygon& polygon);
    int createPolyPolygon(IntPolyPolygon& polygons);
    // An empty region when none is held.
    int ensureCreated();
    void destroy();
    // GetRgnBox; all 0 without a region.
    IntRect boundingBox() const;
    int containsPoint(const IntPoint& p) const;

    int valid = 0;
    HRGN hrgn = nullptr;

private:
    int take(HRGN created);
};
