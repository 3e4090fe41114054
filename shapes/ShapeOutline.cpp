#include "geometry/PointArray.h"
#include "platform/MathUtil.h"
#include "shapes/Shape.h"

namespace {
// Two points closer than the application's tolerance are one place: no direction between them.
bool samePlace(const Point& a, const Point& b) { return MathUtil::isNearlyZero(a.distanceTo2D(b.x, b.y)); }
} // namespace

int Shape::buildOutline(int toDrawing, const PointArray& points, PointArray& out, double distance, int direction,
                        int endMode) const
{
    const int n = points.count;
    const bool forward = direction >= 0;
    auto pointAt = [&](int k, Point& p) { return points.getPoint(forward ? k : n - 1 - k, &p) != 0; };
    auto append = [&](const Point& p) {
        if (!toDrawing)
            return out.appendXYZ(p.x, p.y, p.z) != 0;
        return out.appendXYZ(toDrawingUnits(p.x), toDrawingUnits(p.y), p.z) != 0;
    };

    if (MathUtil::isNearlyZero(distance)) {
        int m = n;
        if (endMode >= 1)
            m = MathUtil::minInt(endMode, n);
        else if (endMode < 0)
            m = n + endMode;
        Point p;
        for (int k = 0; k < m; ++k) {
            if (!pointAt(k, p) || !append(p))
                return 0;
        }
        return 1;
    }

    int k = 0;
    // The next point of the walk that lies apart from `from`; false at the end of the list.
    auto nextApart = [&](const Point& from, Point& to) {
        while (k < n) {
            if (!pointAt(k++, to))
                return false;
            if (!samePlace(from, to))
                return true;
        }
        return false;
    };
    Point p0, p1, p2, q;
    if (!pointAt(k++, p0) || !nextApart(p0, p1))
        return 0;
    if (!q.setPerpendicularOffset(&p0, &p1, &p0, distance) || !append(q))
        return 0;
    if (endMode == 1)
        return q.setPerpendicularOffset(&p0, &p1, &p1, distance) && append(q);
    while (nextApart(p1, p2)) {
        if (q.setOffsetVertex(&p0, &p1, &p2, distance)) {
            if (!append(q))
                return 0;
        } else {
            // Parallel neighbours: straight on, the vertex moved across; a reversal, both sides'
            // points at the vertex.
            const double along = (p1.x - p0.x) * (p2.x - p1.x) + (p1.y - p0.y) * (p2.y - p1.y);
            if (!q.setPerpendicularOffset(&p0, &p1, &p1, distance) || !append(q))
                return 0;
            if (along < 0.0 && (!q.setPerpendicularOffset(&p1, &p2, &p1, distance) || !append(q)))
                return 0;
        }
        p0 = p1;
        p1 = p2;
    }
    if (endMode == -1)
        return 1;
    return q.setPerpendicularOffset(&p0, &p1, &p1, distance) && append(q);
}
