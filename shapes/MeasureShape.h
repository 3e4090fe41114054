#pragma once
#include "shapes/DimensionShape.h"

// The length dimension: the distances between consecutive measured points (a chain of two or
// more), each with its extension lines, a part of the dimension line with two arrow heads and a
// numeral, all standing on the line through the display point D.
//
// The frame comes from the first point P0 and the last point Pn: the numeral's direction angle t
// (degrees; the text runs along (cos t, -sin t) in drawing coordinates, y down) and the dimension
// line's direction u. HORIZONTAL measures |dx| with u = (1, 0) and t 0 or 180 (Pn left of P0),
// VERTICAL |dy| with u = (0, 1) and t 270 or 90 (Pn above P0), FREE the straight distance along
// P0 -> Pn, RIGHT is HORIZONTAL when |dy| <= |dx| and VERTICAL otherwise. For each measured point
// P its base B is P projected onto the line through D along u, and its foot F = B + (sin t,
// cos t) g, g the numeral gap: the numeral stands on the line through D, the dimension line runs
// at the gap below it. Values are in the numeral's length unit (from drawing millimetres).
//
// A part whose direction is undefined (an extension line from a point lying on its foot, a
// dimension-line continuation of a segment of no length) is left out; nothing divides by a zero
// length. Fewer than two points draw nothing.
class MeasureShape : public DimensionShape {
public:
    MeasureShape() = default;

    // Runs one operation (ShapeOp) with the mode the parts are run with: 1 drawn, 0 refused,
    // without view or surface, or with fewer than two points. PostScript answers 1 once it ran;
    // PDF (75) runs before the operation filter and answers 1.
    [[nodiscard]] int execute(int operation, int newMode);
    // Widens lo..hi (which should hold the measured points and D already) by everything the
    // dimension draws: dimension line and its continuation, extension lines, arrow heads and
    // numerals. 0 and nothing changed with fewer than two points.
    [[nodiscard]] int extent(Point& lo, Point& hi);
    // 1 when the select tool's pick area meets the dimension line, an extension line or a
    // numeral's rectangle.
    [[nodiscard]] int hitTest();

    // The frame of the last operation: the effective direction (MeasureAttributes, RIGHT
    // resolved), the numeral angle in degrees, the dimension line's unit direction.
    int effectiveDirection = 0;
    double theta = 0.0;
    double ux = 1.0;
    double uy = 0.0;

private:
    struct Feet {
        Point b1, b2, f1, f2;
        int side = 0;
    };
    // prepareDimension and the frame.
    [[nodiscard]] int prepare(int operation);
    void buildFrame();
    // The numeral's text for the segment from a to b into numeral (measured too).
    [[nodiscard]] int buildSegmentNumeral(const Point& a, const Point& b);
    void feetOf(const Point& p, Point& base, Point& foot) const;
    [[nodiscard]] int segmentFeet(int i, Feet& feet);
    // The dimension line of a segment as drawn: from and to.
    void dimensionLineEnds(const Feet& feet, Point& from, Point& to) const;
    [[nodiscard]] int extensionLineEnds(const Point& p, const Point& foot, Point& from, Point& to) const;
    [[nodiscard]] Point numeralAnchor(const Feet& feet) const;
    [[nodiscard]] int drawSegment(int i);
    // The two heads of a segment; with pickingHeads 1 when the pick hits one.
    int drawArrowHeads(const Feet& feet);
    [[nodiscard]] int runSegments();
};
