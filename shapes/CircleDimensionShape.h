#pragma once
#include "shapes/DimensionShape.h"

class ValueList;

// What the radius and diameter dimensions draw: the measured point P1 on the circle (the one
// point of the measured list) and the place point P2 (the display point): the centre, or the
// point opposite P1, in the IN layout; the leader's end in the OUT layout. The numeral is the
// prefix and the values, joined by "_", in the numeral's unit.
//
// IN: a dimension line from P2 to P1, each end drawn short by the leader's space (the offset),
// an arrow head at each end, and the numeral centred over the middle of P1 and P2, the numeral
// gap above the line, reading left to right.
//
// OUT (and any other layout): a leader from near P1 to Q1, the numeral gap beside P2 square to
// the leader, one arrow head at P1's end, an underline from Q1 as long as the numeral, and the
// numeral on it; RIGHT lays it level or upright by the leader's lean, HORIZONTAL and VERTICAL
// level or upright on P2's side of P1, FREE along the leader.
//
// A part whose direction is undefined (P1 on P2) is left out. Anything but one measured point
// draws nothing.
class CircleDimensionShape : public DimensionShape {
public:
    enum Layout { kIn = 1, kOut = 2 };

    void setLayout(int value) { layout = value; }
    // A copy of the values (drawing units, shown as millimetres).
    void setValues(const ValueList& list);

    // As MeasureShape::execute.
    [[nodiscard]] int execute(int operation, int newMode);
    // Widens lo..hi by everything drawn; 0 without its point.
    [[nodiscard]] int extent(Point& lo, Point& hi);
    // 1 when the pick area meets the leader, the underline or the numeral's rectangle.
    [[nodiscard]] int hitTest();

    // The geometry of the last operation (drawing units, degrees).
    Point lineEnd1, lineEnd2;
    double textAngle = 0.0;
    double directionX = 1.0, directionY = 0.0;
    int numeralDirection = 0;

protected:
    explicit CircleDimensionShape(const char* numeralPrefix) : prefix(numeralPrefix) {}

private:
    [[nodiscard]] int prepare(int operation);
    [[nodiscard]] int buildGeometry();
    void buildIn(const Point& p1, const Point& p2, double offset);
    void buildOut(const Point& p1, const Point& p2, double offset);
    [[nodiscard]] Point underlineEnd() const;
    [[nodiscard]] Point numeralAnchor() const;
    [[nodiscard]] int drawFigure();
    // The head at the circle (and, IN, at the other end); with pickingHeads 1 when the pick hits
    // one.
    int drawArrowHeads();

    const char* prefix;
    int layout = 0;
    int valueCount = 1;
    double values[2] = {5.0, 0.0};
    Point circlePoint;
};

// "R" and the radii.
class MsrRadiusShape : public CircleDimensionShape {
public:
    MsrRadiusShape() : CircleDimensionShape("R") {}
};

// The Greek small phi (Shift-JIS 83 D3) and the diameters.
class MsrDiameterShape : public CircleDimensionShape {
public:
    MsrDiameterShape() : CircleDimensionShape("\x83\xD3") {}
};
