#pragma once
#include "geometry/Point.h"

class PointArray;

// The outline of a full, half or quarter ellipse from an oval's two points and its type (OvalType
// codes 1 FULL, 2 HALF, 3 QUART), as a polyline in drawing units, with the ellipse's axis lengths
// and centre. A small value object, not a shape: the oval shape and the oval element make one,
// fill it, ask it and drop it. The oval's lean is the caller's (it turns the finished list).
//
// dx and dy are the distances of the two points A and B along x and y. Quadrant of B seen from A:
// 1 (B.x < A.x, B.y >= A.y), 2 (B.x >= A.x, B.y >= A.y), 3 (B.x >= A.x, B.y < A.y), 4 (B.x < A.x,
// B.y < A.y).
// - FULL: the ellipse inscribed in the box of A and B, from its right extreme round through the
//   low-y, left and high-y extremes back to the first point: 4 (n1 + n2 + n3) - 1 points, the two
//   y-axis extremes each repeated once.
// - HALF: half of the ellipse whose diameter lies on A's horizontal (quadrants 1, 3) or vertical
//   (2, 4) through A, running from B's side to A, bulging towards B; the other semi-axis is dx
//   (quadrants 1, 3: 2 dx wide) or dy.
// - QUART: a quarter with semi-axes dx and dy running from B to A; its centre is the corner of
//   the box that is neither point.
// Each quarter ellipse has n1 + n2 + n3 points, denser near both ends: bands of 0.025 and 0.1 of
// the height at the two ends of a wide (or round) quarter, 0.2 and 0.025 of the width on a tall
// one. Points sharing an x or a y, or not finite, give no outline.
class OvalArcShape {
public:
    enum : int { kFull = 1, kHalf = 2, kQuart = 3 };
    // Each count is kept within 1..kMaxCount.
    static constexpr int kMaxCount = 1000;

    OvalArcShape() = default;

    void setFirstPoint(const Point& p) { a = p; }
    void setSecondPoint(const Point& p) { b = p; }
    void setPoints(const Point& first, const Point& second)
    {
        a = first;
        b = second;
    }
    void setType(int newType) { type = newType; }
    void setCounts(int first, int middle, int last);

    // The open outline for the type into out (emptied first); 1, or 0 when nothing could be built
    // (what was written stays). A type outside 1..3 writes nothing.
    [[nodiscard]] int buildOutline(PointArray& out) const;
    // The same, a QUART outline with its centre appended: closed as a polygon it is a sector. A
    // HALF outline starts and ends on its diameter already.
    [[nodiscard]] int buildClosedOutline(PointArray& out) const;

    [[nodiscard]] int quadrant() const;
    // The full axes of the ellipse the outline belongs to; 0 for a type outside 1..3.
    [[nodiscard]] int axisLengths(double& first, double& second) const;
    // The ellipse's centre; 0 for a type outside 1..3. centrePoint leaves z as it was.
    [[nodiscard]] int centre(double& x, double& y) const;
    [[nodiscard]] int centrePoint(Point& out) const { return centre(out.x, out.y); }
    [[nodiscard]] double width() const;
    [[nodiscard]] double height() const;
    [[nodiscard]] double centreX() const { return (a.x + b.x) / 2.0; }
    [[nodiscard]] double centreY() const { return (a.y + b.y) / 2.0; }

    // The box of A and B moved outward by d on every side (inward for shrink).
    void grow(double d);
    void shrink(double d) { grow(-d); }
    // FULL: grow. HALF and QUART: only the sides away from the diameter (the quarter's centre)
    // move, so that the part grows like its curve.
    void growForKind(double d);

    Point a;
    Point b;
    int type = kFull;
    int count1 = 5;
    int count2 = 10;
    int count3 = 5;

private:
    // The quarter from (w / 2, 0) to (0, -h / 2) about the ellipse's centre, w and h the
    // distances of `from` and b.
    [[nodiscard]] int generateQuarter(const Point& from, PointArray& out) const;
    [[nodiscard]] int buildFull(PointArray& out) const;
    [[nodiscard]] int buildHalf(PointArray& out) const;
    [[nodiscard]] int buildQuarter(PointArray& out) const;
};
