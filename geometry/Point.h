#pragma once
#include <cstdint>

class PointArray;

// A point in drawing coordinates: millimetres at the drawing's scale, y growing downwards (so
// "top" is the smaller y), z only where a caller works in three dimensions. Angles are degrees;
// the point at angle a on a circle of radius r about (cx, cy) is (cx + r cos a, cy - r sin a).
//
// The flag word marks the point's role inside a path: 0 a plain vertex, arcStart a circular arc
// that starts here, runs through the next point and ends at the point after it.
//
// Operations return 1 for success and 0 for failure unless they return a measure. A null Point
// or array argument is a failure and changes nothing; so is a construction that needs a
// direction from two points closer than 1e-5, or two lines that are parallel within 1e-5.
// Constructions set x and y only: z and the flag word keep their values.
class Point {
public:
    enum : uint32_t { plainVertex = 0, arcStart = 2 };

    Point() = default;
    Point(double x, double y, double z = 0.0) : x(x), y(y), z(z) {}

    // --- component access and arithmetic ---
    void clear() { x = y = z = 0.0; flag = 0; }
    [[nodiscard]] int assignRaw(const Point* p);
    [[nodiscard]] int assign(const Point* p);
    [[nodiscard]] int copyX(const Point* p);
    [[nodiscard]] int copyY(const Point* p);
    [[nodiscard]] int copyZ(const Point* p);
    [[nodiscard]] int copyFlag(const Point* p);

    [[nodiscard]] double getX() const { return x; }
    [[nodiscard]] double getY() const { return y; }
    [[nodiscard]] double getZ() const { return z; }
    [[nodiscard]] uint32_t getFlag() const { return flag; }
    void setX(double v) { x = v; }
    void setY(double v) { y = v; }
    void setZ(double v) { z = v; }
    void setFlag(uint32_t v) { flag = v; }
    [[nodiscard]] int getXYZ(double* outX, double* outY, double* outZ) const;

    // v = v * num / den; a denominator of 0 is refused.
    [[nodiscard]] int scaleX(double num, double den);
    [[nodiscard]] int scaleY(double num, double den);
    [[nodiscard]] int scaleZ(double num, double den);
    [[nodiscard]] int scaleXYZ(double num, double den);

    void addX(double d) { x += d; }
    void addY(double d) { y += d; }
    void addZ(double d) { z += d; }
    void translate(double dx, double dy, double dz) { x += dx; y += dy; z += dz; }
    // With f >= 2 each coordinate is formed as (f v + f d) / f, as the dimension elements
    // expect when they pass their paper-scale numerator; below 2 a plain add.
    void translateWithFactor(double f, double dx, double dy, double dz);
    [[nodiscard]] int translateBy(const Point* p);
    [[nodiscard]] int translateByNegative(const Point* p);

    // Componentwise minimum / maximum of x, y, z: the corners of a bounding box.
    [[nodiscard]] int minWith(const Point* p);
    [[nodiscard]] int maxWith(const Point* p);
    [[nodiscard]] int minWithRecord(const PointArray* array, int i);
    [[nodiscard]] int maxWithRecord(const PointArray* array, int i);

    void addScaledXY(double dx, double dy, double t) { x += dx * t; y += dy * t; }
    [[nodiscard]] int setAlongDirection(const Point* from, double ux, double uy, double t);
    [[nodiscard]] int setOffsetFrom(const Point* from, double dx, double dy);
    [[nodiscard]] int setMidpoint(const Point* p1, const Point* p2) { return setBetween(p1, p2, 1.0, 2.0); }
    // x, y, z = p1 + (p2 - p1) * num / den; a denominator of 0 is refused.
    [[nodiscard]] int setBetween(const Point* p1, const Point* p2, double num, double den);
    // v = c + (v - c) * factor about the centre's x and y.
    [[nodiscard]] int scaleXAbout(const Point* c, double factor);
    [[nodiscard]] int scaleYAbout(const Point* c, double factor);
    [[nodiscard]] int scaleAbout(const Point* c, double factor);

    // --- measures and angles ---
    [[nodiscard]] double distanceTo2D(double px, double py) const;
    [[nodiscard]] double distanceTo3D(double px, double py, double pz) const;
    // The space distance when dims is 3, else the plane distance; 0.0 for a null point.
    [[nodiscard]] double distanceTo(const Point* p, int dims) const;
    // The plane distance to p; the unit vector towards p is stored only when the distance is at
    // least 1e-5, otherwise the outputs are left as they were.
    double directionTo(const Point* p, double* ux, double* uy) const;
    double directionTo3D(const Point* p, double* ux, double* uy, double* uz) const;
    // The same into the x, y, z of a Point (its flag word untouched).
    double setDirectionTo3D(const Point* p, Point* unit) const;
    [[nodiscard]] double dxTo(const Point* p) const;
    [[nodiscard]] double dyTo(const Point* p) const;
    // |dx| and |dy| into the outputs; the plane distance.
    double deltaTo(const Point* p, double* dx, double* dy) const;
    // As deltaTo, with both points first converted from millimetres into the length unit.
    double distanceInUnit(const Point* p, int unit, double* dx, double* dy) const;
    // Direction angle towards p, in [0, 360).
    [[nodiscard]] double angleTo(const Point* p) const;
    // Plane distance; the unit vector and the direction angle in [0, 360) only when the
    // distance is at least 1e-5.
    double directionAndAngleTo(const Point* p, double* ux, double* uy, double* angle) const;
    // The angle at this point from the direction towards p1 to the direction towards p2, in
    // [0, 360).
    [[nodiscard]] double angleBetween(const Point* p1, const Point* p2) const;
    // 2 when the point lies beyond p2 (farther from p1 than p2 and than the segment is long),
    // 1 when beyond p1, 0 otherwise, also when it is as far from both ends.
    [[nodiscard]] int segmentSide(const Point* p1, const Point* p2) const;
    // This point becomes the centre of the circle through the three points; the result is the
    // largest centre-to-point distance, or 0.0 (this unchanged) for collinear points.
    [[nodiscard]] double setCircumcentre(const Point* p1, const Point* p2, const Point* p3);

    // --- constructions (x and y only) ---
    // The eight handles of the box spanned by p1 and p2, starting at p1 and going along y1
    // first: corner, middle of the edge, corner, ...
    [[nodiscard]] int setBoxPoint1(const Point* p1, const Point* p2);
    [[nodiscard]] int setBoxPoint2(const Point* p1, const Point* p2);
    [[nodiscard]] int setBoxPoint3(const Point* p1, const Point* p2);
    [[nodiscard]] int setBoxPoint4(const Point* p1, const Point* p2);
    [[nodiscard]] int setBoxPoint5(const Point* p1, const Point* p2);
    [[nodiscard]] int setBoxPoint6(const Point* p1, const Point* p2);
    [[nodiscard]] int setBoxPoint7(const Point* p1, const Point* p2);
    [[nodiscard]] int setBoxPoint8(const Point* p1, const Point* p2);
    // lo = this - (w/2, h/2), hi = this + (w/2, h/2).
    [[nodiscard]] int boxAroundCentre(double w, double h, Point* lo, Point* hi) const;
    void rotateAbout(double cx, double cy, double degrees);
    [[nodiscard]] int rotateAboutPoint(const Point* c, double degrees);
    [[nodiscard]] int setPolar(const Point* c, double r, double degrees);
    [[nodiscard]] int setRotated(const Point* p, const Point* c, double degrees);
    // Intersection of the lines p1-p2 and p3-p4.
    [[nodiscard]] int setLineIntersection(const Point* p1, const Point* p2, const Point* p3, const Point* p4);
    // Copies src into this first (so a failed intersection leaves src), then intersects.
    [[nodiscard]] int setLineIntersectionCopy(const Point* p1, const Point* p2, const Point* p3, const Point* p4,
                                const Point* src);
    // Intersection of the line through p with direction (ux, uy) and the line through q with
    // direction (vx, vy).
    [[nodiscard]] int setPointDirIntersection(const Point* p, double ux, double uy, const Point* q, double vx, double vy);
    // The same with each direction given as the x and y of a Point.
    [[nodiscard]] int setRayIntersection(const Point* p1, const Point* u1, const Point* p2, const Point* u2);
    // this = base + unit(p2 - p1) * d.
    [[nodiscard]] int setAtDistanceAlong(const Point* p1, const Point* p2, const Point* base, double d);
    [[nodiscard]] int moveAlong(const Point* p1, const Point* p2, double d);
    // Slides this point along the line through p and itself to distance d from p.
    [[nodiscard]] int setAtDistanceFrom(const Point* p, double d);
    // this = base + unit(p2 - p1) * d turned by +90 degrees.
    [[nodiscard]] int setPerpendicularOffset(const Point* p1, const Point* p2, const Point* base, double d);
    [[nodiscard]] int movePerpendicular(const Point* p1, const Point* p2, double d);
    // The corner of the polyline p1-p2-p3 offset sideways by d.
    [[nodiscard]] int setOffsetVertex(const Point* p1, const Point* p2, const Point* p3, double d);
    // The foot of the perpendicular from p3 onto the line p1-p2.
    [[nodiscard]] int setPerpendicularFoot(const Point* p1, const Point* p2, const Point* p3);
    [[nodiscard]] int projectOntoLine(const Point* p1, const Point* p2);
    // Moves y (x) so that the segment from p runs at 45 degrees, on the side this point is on;
    // 0 when the other coordinates are closer than 1e-5.
    [[nodiscard]] int makeDiagonalY(const Point* p);
    [[nodiscard]] int makeDiagonalX(const Point* p);

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    uint32_t flag = 0;
};
