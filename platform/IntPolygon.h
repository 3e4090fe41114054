#pragma once
#include "platform/GlobalBlock.h"
#include "platform/IntPoint.h"
#include "platform/IntRect.h"

// The vertices of one device polygon, (x, y) int pairs in a global memory block grown 5 at a time.
class IntPolygon : public GlobalBlock {
public:
    IntPolygon() : GlobalBlock(5, sizeof(IntPoint)) {}

    [[nodiscard]] int add(int x, int y) { return addPoint(IntPoint(x, y)); }
    [[nodiscard]] int addPoint(const IntPoint& p) { return append(&p); }
    // getAt, setAt and getPoint expect i below the count; outside it they do nothing (getPoint
    // gives (0, 0)).
    [[nodiscard]] int getAt(int i, int& x, int& y);
    [[nodiscard]] int setAt(int i, int x, int y);
    [[nodiscard]] IntPoint getPoint(int i);
    // Appends a copy of vertex 0.
    [[nodiscard]] int close();
    // Point in the polygon's region with the winding fill rule.
    [[nodiscard]] int containsPoint(const IntPoint& p);
    // The corners (left, top), (right, top), (right, bottom), (left, bottom) of `rect` rotated
    // about `centre` by `degrees` (computed in doubles, truncated), then the first again.
    [[nodiscard]] int setRotatedRect(const IntRect& rect, const IntPoint& centre, double degrees);
    // The rectangle of the given size centred on `centre`, turned by `degrees` about it, closed.
    [[nodiscard]] int setRotatedRect(const IntPoint& centre, int width, int height, double degrees);
};
