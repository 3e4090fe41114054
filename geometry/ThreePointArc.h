#pragma once
#include "geometry/Point.h"

class PointArray;

// The circular arc of the arc elements, the select tool's arc tests and the DXF exchange: given
// by its start point, a point on the arc and its end point. compute finds the centre, the radius,
// the direction angles of the three points as seen from the centre (degrees; the point at angle
// a is (cx + r cos a, cy - r sin a), y growing downwards) and the turning direction, and the arc
// then yields points along it.
//
// Direction +1: the arc runs from start to end with increasing angle; -1 with decreasing angle;
// 0 undetermined. compute leaves the end angle within one turn of the start angle on the arc's
// side (start < end <= start + 360, or start - 360 <= end < start).
//
// Failures leave the arc and the output as they were: collinear points (within 1e-5), a middle
// or end point in the start point's direction, coordinates or angles that are not finite or
// too large to step through (such as 1e300), a step of 0 or less or not finite, and a step so
// fine that one turn would take more than kMaxSteps points.
class ThreePointArc {
public:
    // Points of one arc at most: a finer step is a corrupt value, refused instead of filling
    // memory.
    static constexpr double kMaxSteps = 100000.0;

    ThreePointArc() = default;

    void setMidPoint(const Point& p) { middle = p; }
    void setCentre(const Point& p) { centre = p; }
    void setRadius(double r) { radius = r; }
    [[nodiscard]] double getRadius() const { return radius; }
    void addToRadius(double d) { radius += d; }
    void setStartAngle(double a) { startAngle = a; }
    [[nodiscard]] double getStartAngle() const { return startAngle; }
    [[nodiscard]] double getEndAngle() const { return endAngle; }

    // Direction angle from the centre to (x, y), in [0, 360).
    [[nodiscard]] double angleOf(double x, double y) const;
    // The point at angle a on the circle (centre, radius); x and y only.
    void pointAtAngle(double a, Point* out) const;

    // Centre and radius of the circle through the three points; 0 (nothing changed) when they
    // are collinear within 1e-5 or not finite.
    [[nodiscard]] int computeCentre();
    // Centre, radius, the three angles and the direction; 1, or 0 with the arc unchanged.
    [[nodiscard]] int compute();
    // lo and hi of the angles in increasing order: (start, end) for direction >= 0, else
    // (end, start); hi raised by whole turns until above lo. 0 when an angle is not finite.
    [[nodiscard]] int angleRange(double* lo, double* hi) const;
    // One step along the arc: direction >= 1 adds the step, 1 while the angle is below the end
    // angle; direction < 0 subtracts it, 1 while above. 0 for direction 0, a bad step or an
    // angle the step no longer changes.
    [[nodiscard]] int stepAngle(double* angle, double step) const;
    // 1 when the angle range spans a whole turn or more.
    [[nodiscard]] int isFullCircle() const;
    // The polyline of the arc in its own direction: the exact start point, the circle points
    // `step` degrees apart strictly between the ends, the exact end point. Runs compute first.
    // 0 (out unchanged) when compute or the step fails. An append that fails ends the list
    // early and leaves out the end point; the result is still 1.
    [[nodiscard]] int toPointArray(PointArray* out, double step);
    // Points from the lower to the upper angle bound, `step` degrees apart, the last exactly at
    // the upper bound; the result of the last append (0 with out unchanged on bad input).
    [[nodiscard]] int sampleByAngle(PointArray* out, double step) const;
    // Where the line x = c meets the circle: y1 = cy - h, y2 = cy + h; 0 when it misses or only
    // touches it.
    [[nodiscard]] int verticalLineCrossings(double c, double* y1, double* y2) const;
    // The same for the line y = c: x1 = cx - h, x2 = cx + h.
    [[nodiscard]] int horizontalLineCrossings(double c, double* x1, double* x2) const;
    // The three points again from centre, radius, start and end angle: the end angle raised by
    // whole turns until not below the start, the middle angle halfway. 0 for angles, centre or
    // radius that are not finite.
    [[nodiscard]] int setPointsFromAngles();
    // The name the element piece uses.
    [[nodiscard]] int computePoints() { return setPointsFromAngles(); }

    Point start;
    Point end;
    Point middle;
    Point centre;
    double radius = 5.0;
    double startAngle = 0.0;
    double middleAngle = 0.0;
    double endAngle = 360.0;
    int direction = 1;

private:
    [[nodiscard]] int stepIsUsable(double step) const;
};
