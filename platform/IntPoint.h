#pragma once
#include <windows.h>

// A point in device pixels.
struct IntPoint {
    int x = 0;
    int y = 0;

    IntPoint() = default;
    IntPoint(int x, int y) : x(x), y(y) {}
    void set(int newX, int newY) { x = newX; y = newY; }
    POINT toPoint() const { return POINT{x, y}; }
};
