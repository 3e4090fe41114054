#pragma once
#include <functional>

#include "geometry/DrawPoint.h"
#include "geometry/PointList.h"
#include "shapes/Shape.h"

class BoxRules;
class CornerRounding;
class EdgeAttributes;
class FillAttributes;
class HatchAttributes;
class LeanAttribute;
class LineShape;
class PolygonShape;

// One operation of a box: the rectangle of two corners, its corners rounded by the four radii,
// turned about the start corner by the lean, drawn as an area (fill, hatch and, while both rule
// counts are at least 2, the stroked outline) through a PolygonShape, and its ruled lines through
// a LineShape each. The rules follow the unrounded edges, in the edge's colour with the box's line
// width and type, and are drawn only while the edge is switched on:
// - both counts 2 (or both below 1): no rules;
// - a count n >= 2: lines at 1/(n-1) steps from the start corner's side to the end corner's,
//   leaving out the two outer ones while the other count is at least 2 (the outline draws them);
// - a count of 1: one line through the middle.
// A count below 2 in either direction switches the stroked outline off (for every output), so 4 x 1
// draws four horizontal lines, one vertical line and no outline.
//
// The outline is placed once (lean, then offset, then the rotation of the rotated preview) and the
// polygon gets it with no offset of its own; the rule lines are placed the same way, so that the
// rules turn with the box in the rotated preview and a printed offset moves both alike.
class BoxShape : public Shape {
public:
    BoxShape();
    ~BoxShape();

    // Whole copies; a missing source leaves the shape's default (edge drawn, no fill, no hatch,
    // rules 2 x 2, radii 0, lean 0).
    void setStartCorner(const DrawPoint& p) { startCorner = p; }
    void setEndCorner(const DrawPoint& p) { endCorner = p; }
    void setEdge(const EdgeAttributes& value);
    void setFill(const FillAttributes& value);
    void setHatch(const HatchAttributes& value);
    void setBoxRules(const BoxRules& value);
    void setCornerRounding(const CornerRounding& value);
    void setLean(const LeanAttribute& value);

    // 1 done (also when nothing had to be drawn); 0 when the operation is refused, there is no
    // view mapping or surface, or the outline cannot be built. PDF (75) always answers 1.
    [[nodiscard]] int execute(int operation, int newMode);
    // The placed outline (rounded corners, without the closing point) into out; 0 when it cannot
    // be built or a point is not finite.
    [[nodiscard]] int buildOutline(PointList& out);
    // The box of the stroked outline and the rule lines' bands (drawing units); 0 when the
    // outline cannot be built.
    [[nodiscard]] int computeExactExtent(Point& lo, Point& hi);
    // The select tool's pick against the box as the drawing shows it (operation 1): its area
    // (PolygonShape::hitTest) and its rule lines. 0 without the select tool or an outline.
    [[nodiscard]] int hitTest();

    DrawPoint startCorner;
    DrawPoint endCorner;
    PointList outline;

private:
    // A point of the unrotated box placed as the outline is: lean, offset, rotation.
    void place(Point& p) const;
    [[nodiscard]] int horizontalRules() const;
    [[nodiscard]] int verticalRules() const;
    // The polygon of the area over the placed outline: edge (off while a count is below 2),
    // fill, hatch and stroke. 0 when the points could not be copied.
    [[nodiscard]] int fillArea(PolygonShape& polygon) const;
    // A rule line in the edge's colour, width, position and type; 0 while the edge is off.
    [[nodiscard]] int fillRuleLine(LineShape& line) const;
    void drawArea();
    void drawRules();
    // Each placed rule line in turn, the horizontal ones first, until visit answers true (then
    // 1); 0 when every line was visited.
    int forEachRule(const std::function<bool(const DrawPoint&, const DrawPoint&)>& visit) const;
    // The lines of one direction: count n, the other direction's count, along x (horizontal
    // lines) or y.
    int forEachRuleOf(int n, int other, int horizontalLines,
                      const std::function<bool(const DrawPoint&, const DrawPoint&)>& visit) const;
};
