#pragma once
// What the oval, arc and circle tests share: the colours they draw in, a pixel's class, and the
// points of a recorded operator.
#include <sstream>
#include <string>
#include <vector>

#include "geometry/Point.h"
#include "tests/shapes/ShapeTestDrawing.h"

namespace curve_test {

const COLORREF kEdge = RGB(0, 0, 160);
const COLORREF kFill = RGB(160, 0, 0);

// 'e' when an edge pixel lies within one pixel of (x, y), else 'f' for a fill pixel, else '.'.
inline char inkNear(shape_test::ShapeDrawing& d, int x, int y)
{
    char found = '.';
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const COLORREF c = d.surface().pixel(x + dx, y + dy);
            if (c == kEdge)
                return 'e';
            if (c == kFill)
                found = 'f';
        }
    }
    return found;
}

// The points of every recorded operator `name` (its first two numbers).
inline std::vector<Point> pointsOf(const OperatorLog& log, const std::string& name)
{
    std::vector<Point> points;
    for (const std::string& entry : log.entries) {
        std::istringstream in(entry);
        std::string op;
        Point p;
        if (in >> op && op == name && in >> p.x >> p.y)
            points.push_back(p);
    }
    return points;
}

} // namespace curve_test
