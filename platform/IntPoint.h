#pragma once
#include <windows.h>

// A point in device pixels, laid out as a Win32 POINT.
struct IntPoint {
    int x = 0;
    int y = 0;

    IntPoint() = default;
    IntPoint(int x, int y) : x(x), y(y) {}
    void set(int newX, int newY) { x = newX; y = newY; }
    [[nodiscard]] POINT toPoint() const { return POINT{x, y}; }

    void offsetBy(const IntPoint& p) { x += p.x; y += p.y; }
    void subtract(const IntPoint& p) { x -= p.x; y -= p.y; }
    void subtractX(int d) { x -= d; }
    void subtractY(int d) { y -= d; }
    [[nodiscard]] int equals(const IntPoint& p) const { return x == p.x && y == p.y; }
    [[nodiscard]] int equalsXY(int px, int py) const { return x == px && y == py; }
    // Euclidean distance computed in doubles and truncated.
    [[nodiscard]] int distanceTo(const IntPoint& p) const;
    [[nodiscard]] int absDx(const IntPoint& p) const;
    [[nodiscard]] int absDy(const IntPoint& p) const;
    // 1 when the step to p is steeper than 45 degrees: |dy| > |dx|.
    [[nodiscard]] int isMoreVertical(const IntPoint& p) const { return absDy(p) > absDx(p); }
    // This point := p1 + (p2 - p1) * num / den per coordinate, in integers (p1 when den is 0).
    void interpolate(const IntPoint& p1, const IntPoint& p2, int num, int den);
};
static_assert(sizeof(IntPoint) == sizeof(POINT), "IntPoint arrays are handed to GDI as POINT arrays");
