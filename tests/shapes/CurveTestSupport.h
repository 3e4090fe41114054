#pragma once
// What the oval, arc, circle and Bezier tests share: the colours they draw in, a pixel's class, the
// points of a recorded operator, and straight Bezier segments.
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

// A Bezier control polygon through the anchors, every segment straight: its control points at a
// third and two thirds.
inline std::vector<Point> straightBezier(const std::vector<Point>& anchors)
{
    std::vector<Point> out{anchors[0]};
    for (size_t i = 1; i < anchors.size(); ++i) {
        const Point& a = anchors[i - 1];
        const Point& b = anchors[i];
        out.emplace_back(a.x + (b.x - a.x) / 3, a.y + (b.y - a.y) / 3);
        out.emplace_back(a.x + (b.x - a.x) * 2 / 3, a.y + (b.y - a.y) * 2 / 3);
        out.push_back(b);
    }
    return out;
}

} // namespace curve_test
