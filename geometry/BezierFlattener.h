#pragma once
#include "geometry/PointArray.h"

class IntPointList;

// Works on a piecewise cubic Bezier path, the outline of the Bezier elements and the picture
// mask: a PointArray that starts with an anchor and goes on in triples (first control point,
// second control point, next anchor), so that anchors sit at 0, 3, 6 ... . It flattens the path
// into a polyline, fills it with a standard figure, keeps control points consistent while anchors
// or handles are dragged, and fits a path to a freehand stroke.
//
// The path worked on is the source, borrowed: run binds it for one flattening; the figures and
// the drag rules work on the source set by setSource (the element's names below take the list as
// an argument and bind it for the call).
//
// Failures (0) leave the source and the output as they were: no source, an index out of range,
// coordinates that are not finite, or a degenerate figure.
class BezierFlattener {
public:
    // Parameter step of the flattening: 24 inner points per cubic.
    static constexpr double kStep = 0.04;
    // The quarter-circle control length, as a fraction of the half axis (0.5522...).
    static constexpr double kQuarterArc = 37.0 / 67.0;

    BezierFlattener() = default;
    BezierFlattener(const BezierFlattener&) = delete;
    BezierFlattener& operator=(const BezierFlattener&) = delete;

    void setSource(PointArray* path) { source_ = path; }
    [[nodiscard]] PointArray* source() const { return source_; }
    [[nodiscard]] int mode() const { return mode_; }
    [[nodiscard]] const PointArray& output() const { return output_; }

    // Binds the path and the mode, flattens, unbinds; the result of flatten.
    [[nodiscard]] int run(PointArray* path, int mode);
    // Output = the source as a polyline: point 0, then per cubic its 24 inner points and its end
    // point; a last single point is joined straight and a last pair as a cubic with its first
    // control point doubled. With fewer than 2 points the count; else 1 (0 on failure).
    [[nodiscard]] int flatten();
    [[nodiscard]] int getOutputPoint(int i, Point* out) const { return output_.getRecord(i, out); }
    // As run with mode 0, with out in place of the output (a caller's list, filled without a copy).
    [[nodiscard]] int runInto(PointArray* path, PointArray& out);

    // The segment that ends at anchor i (i >= 3), or starts at anchor i (when i + 3 < count),
    // becomes straight: its control points at 1/3 and 2/3 between its anchors (flag 0).
    [[nodiscard]] int setStraightBefore(int i);
    [[nodiscard]] int setStraightAfter(int i);
    // After point i was dragged: an anchor straightens both its segments (each where it exists;
    // 1 when one did), a control point mirrors its partner across their anchor.
    [[nodiscard]] int adjustAfterMove(int i);
    // The partner of control point i on the other side of its anchor moves onto the line from
    // point i through the anchor, keeping its distance from the anchor. 0 when the partner would
    // lie before point 2 or after count - 3, or point i sits on its anchor.
    [[nodiscard]] int mirrorPartner(int i);

    // Standard figures in the box of two corners, written over the source: 1 ellipse, 2 half,
    // 3 quarter ellipse; other kinds 0.
    [[nodiscard]] int setShapePath(int kind, const Point& p1, const Point& p2);
    // Three sides of the box (10 points; the closing side is not part of the path).
    [[nodiscard]] int setBoxPath(const Point& p1, const Point& p2);
    // Four quarter arcs inscribed in the box, from the middle of its first side (13 points).
    [[nodiscard]] int setEllipsePath(const Point& p1, const Point& p2);
    // From corner c0 over the middle of the opposite side to c3 (7 points).
    [[nodiscard]] int setHalfEllipsePath(const Point& p1, const Point& p2);
    // A quarter arc from c0 to c2, then straight to c3 (7 points).
    [[nodiscard]] int setQuarterEllipsePath(const Point& p1, const Point& p2);
    // Anchors p1, p2, p3 joined straight (7 points).
    [[nodiscard]] int setTwoSegmentPath(const Point& p1, const Point& p2, const Point& p3);
    // Anchors p1, p2, p3 and the fourth corner p3 + (p1 - p2), joined straight (10 points); 0 when
    // p1 and p2 are closer than 1e-5.
    [[nodiscard]] int setParallelogramPath(const Point& p1, const Point& p2, const Point& p3);

    // A path fitted to a freehand stroke of device points: the first stroke point, then control,
    // control, anchor per segment; each segment reaches as far along the stroke as a cubic keeps
    // every stroke point within 1 pixel, but never to the last point, which gets a segment of its
    // own. 0 (result unchanged) for fewer than 3 points or coordinates beyond kMaxStrokeCoordinate.
    [[nodiscard]] static int fitStroke(IntPointList& stroke, IntPointList& result);
    // Device coordinates of a stroke stay far inside this; larger ones are refused.
    static constexpr int kMaxStrokeCoordinate = 1 << 24;

    // The names the element piece uses for the same operations; the list is bound as the source
    // for the call. buildOval takes the figure kind of setShapePath (1 FULL, 2 HALF, 3 QUART).
    [[nodiscard]] int buildOval(const Point& p1, const Point& p2, int kind, PointArray* path);
    [[nodiscard]] int buildQuadrilateral(const Point& p1, const Point& p2, const Point& p3, PointArray* path);
    [[nodiscard]] int buildRectangle(const Point& p1, const Point& p2, PointArray* path);
    [[nodiscard]] int buildTriangle(const Point& p1, const Point& p2, const Point& p3, PointArray* path);
    [[nodiscard]] int smoothAt(PointArray* path, int i);
    [[nodiscard]] int straightenAfter(PointArray* path, int i);
    [[nodiscard]] int straightenBefore(PointArray* path, int i);
    [[nodiscard]] static int fitBezierToTrace(IntPointList& trace, IntPointList& result)
    {
        return fitStroke(trace, result);
    }

private:
    [[nodiscard]] int flattenTo(PointArray& out);
    // Writes the points over the source (resized to n); 0 without a source, for points that are
    // not finite or when the source cannot grow.
    [[nodiscard]] int writeFigure(const Point* points, int n);
    // Runs one of the operations above on path as the source, then puts the old source back.
    template <typename Operation> int onPath(PointArray* path, Operation operation);

    PointArray* source_ = nullptr;
    PointArray output_;
    int mode_ = 0;
};
