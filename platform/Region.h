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
    [[nodiscard]] int createRect(int top, int left, int right, int bottom);
    [[nodiscard]] int createRectIndirect(const IntRect& rect);
    // The union of n rectangles (none: an empty region).
    [[nodiscard]] int createRects(const IntRect* rects, int n);
    // Winding fill rule.
    [[nodiscard]] int createPolygon(IntPolygon& polygon);
    [[nodiscard]] int createPolyPolygon(IntPolyPolygon& polygons);
    // An empty region when none is held.
    [[nodiscard]] int ensureCreated();
    void destroy();
    // GetRgnBox; all 0 without a region.
    [[nodiscard]] IntRect boundingBox() const;
    [[nodiscard]] int containsPoint(const IntPoint& p) const;

    int valid = 0;
    HRGN hrgn = nullptr;

private:
    [[nodiscard]] int take(HRGN created);
};
