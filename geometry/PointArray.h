#pragma once
#include <cstdint>

#include "geometry/Point.h"
#include "platform/GlobalBlock.h"

// A growable list of Points in one moveable global memory block, grown 50 Points at a time and
// never shrunk: the used count alone decides which Points exist. The first 50 are allocated by the
// constructor (a failure shows "メモリーが一杯です"). Points are stored by value, all four fields.
//
// Operations return 1 for success and 0 for failure unless they return a value. Indexed
// operations need 0 <= i < count; a null argument or an index out of range fails and changes
// nothing, and a failed growth leaves the count as it was. Whole-array operations lock the block
// once and work on the stored Points in place; single-Point reads and writes copy in and out.
//
// The path builders (rounded corners, arcs, fillets, dash steps, arc flattening) append to this
// array; they stop at the first failed append and keep what they appended so far.
class PointArray : public GlobalBlock {
public:
    PointArray();

    // --- storage ---
    // Truncates to n, or appends zero Points until the count is n.
    [[nodiscard]] int resize(int n);
    [[nodiscard]] int setSinglePoint(const Point* p);
    [[nodiscard]] int setSingleRecord(const Point* p);
    [[nodiscard]] int appendPoint(const Point* p);
    [[nodiscard]] int appendRecord(const Point* p);
    [[nodiscard]] int appendXY(double x, double y) { return appendWithFlag(0, x, y, 0.0); }
    [[nodiscard]] int appendXYZ(double x, double y, double z) { return appendWithFlag(0, x, y, z); }
    [[nodiscard]] int appendWithFlag(uint32_t flag, double x, double y, double z);
    // Every Point of the other array, in order (the array itself may be given).
    [[nodiscard]] int appendAll(const PointArray* other);
    [[nodiscard]] int appendPointOf(const PointArray* other, int i);
    // Stores p at i + 1, moving the later Points up; i = -1 inserts in front.
    [[nodiscard]] int insertPointAfter(int i, const Point* p);
    [[nodiscard]] int duplicateLast();
    [[nodiscard]] int closeWithFirst();
    // 0 when empty.
    [[nodiscard]] int removeLast();
    using GlobalBlock::removeAt;
    // Opens a gap of n Points at i (0 <= i <= count, n >= 1); the gap keeps whatever the block held.
    [[nodiscard]] int insertPoints(int i, int n) { return insertGap(i, n); }
    // Removes n Points from i (n >= 1, i + n <= count).
    using GlobalBlock::removeRange;
    [[nodiscard]] int setXAt(int i, double x);
    [[nodiscard]] int setYAt(int i, double y);
    [[nodiscard]] int setPoint(int i, const Point* p);
    [[nodiscard]] int setRecord(int i, const Point* p);
    [[nodiscard]] int setXYZ(int i, double x, double y, double z) { return setAtWithFlag(i, 0, x, y, z); }
    [[nodiscard]] int setAtWithFlag(int i, uint32_t flag, double x, double y, double z);
    // The coordinate of Point i, or the default when i is out of range.
    [[nodiscard]] double getX(int i, double dflt = 0.0) const;
    [[nodiscard]] double getY(int i, double dflt = 0.0) const;
    [[nodiscard]] int getPoint(int i, Point* out) const;
    [[nodiscard]] int getRecord(int i, Point* out) const;
    [[nodiscard]] int getLastPoint(Point* out) const { return getPoint(count - 1, out); }
    [[nodiscard]] int getLastRecord(Point* out) const { return getRecord(count - 1, out); }
    [[nodiscard]] int setLastPoint(const Point* p) { return setPoint(count - 1, p); }
    [[nodiscard]] int setLastRecord(const Point* p) { return setRecord(count - 1, p); }
    // Empties this array, then appendAll.
    [[nodiscard]] int copyFrom(const PointArray* other) { return other ? copyAll(*other) : 0; }

    // --- whole-array geometry ---
    [[nodiscard]] int translate(double dx, double dy, double dz);
    // As Point::translateWithFactor for every Point (a plain translate below 2).
    [[nodiscard]] int translateWithFactor(double f, double dx, double dy, double dz);
    // Nothing when i is out of range.
    [[nodiscard]] int translatePointAt(int i, double dx, double dy, double dz);
    [[nodiscard]] int translateBy(const Point* p);
    [[nodiscard]] int translateByNegative(double dx, double dy, double dz) { return translate(-dx, -dy, -dz); }
    [[nodiscard]] int translateByNegativePoint(const Point* p);
    // Rotates x and y of every Point; nothing at all when |degrees| < 1e-5.
    [[nodiscard]] int rotateAbout(double cx, double cy, double degrees);
    [[nodiscard]] int rotateAboutPoint(const Point* c, double degrees);
    // x and y scaled about the centre; z unchanged.
    [[nodiscard]] int scaleXYAbout(const Point* c, double factor);
    // lo = hi = Point 0 (all four fields), then extendBounds from 1; 0 when empty.
    [[nodiscard]] int getBounds(Point* lo, Point* hi) const;
    // Componentwise minimum into lo and maximum into hi over Points from..count - 1.
    [[nodiscard]] int extendBounds(Point* lo, Point* hi, int from) const;
    // Point::directionTo from Point i to Point j; 0.0 when an index is out of range.
    double directionBetween(int i, int j, double* ux, double* uy) const;
    // The closed outline of the box of two corners: five Points from the left-top corner, z 0.
    [[nodiscard]] int setClosedBox(const Point* p1, const Point* p2);
    // The four corners p1, A, p2, B of the box of two corners, turning clockwise on the screen
    // whichever two opposite corners are given; p1 and p2 are copied whole.
    [[nodiscard]] int setBoxCorners(const Point* p1, const Point* p2);

    // --- path builders ---
    // One corner of a box outline walked right-top (1), left-top (2), left-bottom (3),
    // right-bottom (4): the corner (x, y) alone when |r| < minimum or, with maximum >= 0,
    // |r| > maximum; otherwise the entry point and a quarter arc of radius |r|, rounding the
    // corner off for r >= 0 and cutting a notch centred on the corner for r < 0.
    [[nodiscard]] int addRoundCorner1(double x, double y, double r, double minimum, double maximum);
    [[nodiscard]] int addRoundCorner2(double x, double y, double r, double minimum, double maximum);
    [[nodiscard]] int addRoundCorner3(double x, double y, double r, double minimum, double maximum);
    [[nodiscard]] int addRoundCorner4(double x, double y, double r, double minimum, double maximum);
    // The points of the arc about (cx, cy) after its start point, which the caller has appended:
    // steps of a fifth of the sweep but at most 10 degrees, the end point only when the summed
    // steps reach it exactly. Equal angles append nothing; non-finite or absurdly long sweeps
    // are refused.
    [[nodiscard]] int addArcPoints(double cx, double cy, double r, double startDegrees, double endDegrees);
    // Source Point iVertex rounded off with radius |r| between its neighbours iPrev and iNext;
    // the vertex alone when |r| < tolerance or |r| exceeds the shorter neighbouring edge.
    [[nodiscard]] int addRoundedVertex(const PointArray* source, int iPrev, int iVertex, int iNext, double r, double tolerance);
    // Walks `length` along this polyline from *current (heading for vertex *index) and leaves
    // the walked piece in output (from *current on). 1 while a vertex lies ahead, 0 at the end.
    [[nodiscard]] int advanceAlong(PointArray* output, int* index, Point* current, double length) const;
    // This array becomes the source path with every flagged three-point arc replaced by points
    // every `stepDegrees` degrees.
    [[nodiscard]] int flattenArcs(const PointArray* source, double stepDegrees);
    // The inner points of the arc from p1 through p2 to p3, every `stepDegrees` degrees,
    // carrying p2's z and flag word; 0 for collinear points.
    [[nodiscard]] int appendArcThrough(double stepDegrees, const Point* p1, const Point* p2, const Point* p3);

private:
    [[nodiscard]] int appendFast(const Point& p) { return append(&p); }
    // change (a void (Point&) callable) on every stored Point under one lock; 1 when empty.
    template <typename Change> int changeEach(Change change);
    [[nodiscard]] int roundCorner(int corner, double x, double y, double r, double minimum, double maximum);
};
