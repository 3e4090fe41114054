#pragma once
#include "geometry/DrawPoint.h"
#include "shapes/Shape.h"

class ArrowHeadStyle;

// One arrow head at one end of a dimension line or leader, drawn by the line, polygon and oval
// shapes, so every output they have (screen, overlay, print, PostScript, PDF) has arrow heads
// too. Callers set the tip and directionFrom to the same point and directionTo along the shaft:
// the head opens from the tip towards directionFrom -> directionTo.
//
// With d the style's length in drawing units and u the unit vector from directionFrom to
// directionTo, base = tip + d u. A barb at angle a runs from the tip to base turned about the tip
// by a degrees ((dx, dy) -> (dx cos a + dy sin a, dy cos a - dx sin a)); ARROW draws the barbs at
// -lean and +lean, RIGHTARROW the one at -lean, LEFTARROW the one at +lean. The triangles are
// tip, base at +lean, base at -lean; the circles have diameter d, centred on the tip. The line
// width is the style's lineSize in paper millimetres. Lengths beyond any sheet are cut to
// kMaxLength drawing units and widths to kMaxWidth millimetres, a length or width that is not a
// number counts as 0; the style keeps its values.
class ArrowHeadShape : public Shape {
public:
    static constexpr double kMaxLength = 1.0e7;
    static constexpr double kMaxWidth = 1.0e4;

    // Makes the style (ARROW, 0.14, 3.5, 20); the destructor deletes it.
    ArrowHeadShape();
    ~ArrowHeadShape();

    void setTip(const DrawPoint& p) { tip = p; }
    void setDirectionFrom(const DrawPoint& p) { directionFrom = p; }
    void setDirectionTo(const DrawPoint& p) { directionTo = p; }
    [[nodiscard]] const DrawPoint& getDirectionTo() const { return directionTo; }
    // The style to copy the owner's into; null only when it could not be made.
    [[nodiscard]] ArrowHeadStyle* style() const { return arrowHead; }

    // NONE (and any kind outside 1..7) draws nothing and answers 1; a barb or triangle without a
    // direction (directionFrom on directionTo) draws nothing and answers 0; otherwise the sub-
    // shape's result. PDF (75) is drawn before the operation filter and always answers 1; another
    // operation the filter refuses, or one without view mapping or surface, answers 0.
    [[nodiscard]] int execute(int operation, int newMode);
    // The select tool's pick against the head as drawn (operation 1); 0 for NONE or without the
    // select tool.
    [[nodiscard]] int hitTest();
    // The box of everything the head draws, its line width included (drawing units); 0 when it
    // draws nothing.
    [[nodiscard]] int extent(Point& lo, Point& hi);

    DrawPoint tip;
    DrawPoint directionFrom;
    DrawPoint directionTo;

private:
    // What the parts do with what they build: run the operation, test the pick, or grow the
    // measured box.
    enum Purpose { kDrawing, kPicking, kMeasuring };
    [[nodiscard]] int drawByStyle();
    // The measured box grown by the square of half-side reach about p.
    void measure(const Point& p, double reach);
    // The length in drawing units and the width as drawn.
    [[nodiscard]] double drawnLength() const;
    [[nodiscard]] double drawnWidth() const;
    // base = tip + d u; 0 when the direction has no length.
    [[nodiscard]] int base(double& x, double& y) const;
    // (x, y) turned about the tip by a degrees.
    void turnAboutTip(double x, double y, double a, DrawPoint& out) const;
    // The placement, context and layer of this shape given to a sub-shape.
    void shareWith(Shape& part) const;
    [[nodiscard]] int barb(double angle);
    [[nodiscard]] int triangle(int filled);
    [[nodiscard]] int circle(int filled);

    Purpose purpose = kDrawing;
    int measured = 0;
    Point low, high;
};
