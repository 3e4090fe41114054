#pragma once
#include "shapes/DimensionShape.h"

class PointList;

// The angle dimension: point 0 on the first arm, point 1 on the second, point 2 the vertex V,
// and the display point D. The value is the smaller angle between the arms (an angle above
// 180.09 degrees counts as 360 minus it), in degrees whatever the unit.
//
// ARC (draw type 4): an arc about V of radius |VD| between the arms, over the smaller angle,
// its ends drawn short of the arms by the extension line's gap, an arrow head at each end opening
// along the arc, and the numeral centred on the arc's middle M, standing the numeral gap outside
// it along the chord's direction. Arms exactly opposite put M on D's side.
//
// ARROW (draw type 3): a leader from near V (the extension line's gap away) to A, the numeral
// gap under D, one arrow head at V's end, an underline from A as long as the numeral, and the
// numeral over it; HORIZONTAL and VERTICAL lay the numeral level or upright on D's side of V.
//
// Anything but exactly three points draws nothing.
class MsrAngleShape : public DimensionShape {
public:
    enum DrawType { kArrow = 3, kArc = 4 };

    MsrAngleShape() { placesByNumberWidth = 1; }

    void setDrawType(int type) { drawType = type; }

    // As MeasureShape::execute.
    [[nodiscard]] int execute(int operation, int newMode);
    // Widens lo..hi by everything drawn: the arc or the leader and underline, the arrow heads
    // and the numeral. 0 without three points.
    [[nodiscard]] int extent(Point& lo, Point& hi);
    // 1 when the pick area meets the leader, the underline or arc, or the numeral's rectangle.
    [[nodiscard]] int hitTest();

    // The geometry of the last operation (drawing units, degrees).
    double theta = 0.0;
    double value = 0.0;
    Point arcMiddle, arcA, arcB, end1, end2;
    double frameX = 1.0;
    double frameY = 0.0;
    int effectiveDirection = 0;

private:
    [[nodiscard]] int prepare(int operation);
    // The value, its numeral and the figure's points; 0 when the arms have no direction.
    [[nodiscard]] int buildGeometry();
    [[nodiscard]] int buildArc(const Point& first, const Point& second, const Point& vertex);
    void buildArrow(const Point& vertex);
    [[nodiscard]] Point numeralAnchor() const;
    // The direction along the arc at an end, on M's side.
    void arcTangentAt(const Point& end, const Point& vertex, Point& towards) const;
    [[nodiscard]] int drawFigure();
    // The heads at the arc's ends (ARC) or at the leader's start (ARROW); with pickingHeads 1
    // when the pick hits one.
    int drawArrowHeads();
    void strokeArc();
    [[nodiscard]] int flattenArc(PointList& out) const;

    int drawType = 0;
    Point vertexPoint;
};
