#pragma once
#include "shapes/BreaklineShape.h"

// A closed area for every operation: its fill (a plain colour, or a gradation through
// GradationFillShape), its hatch (HatchFillShape) and its outline by line type, in this order.
// Besides the polygon element, the closed figures that come down to a point list (box, oval, arrow
// heads) draw through it. The points are the outline without the first point repeated; every
// vertex may be rounded by its radius, between its neighbours around the outline.
//
// The outline strokes as the breakline does, around the closed outline: a wide SOLID outline
// fills the ring between its two sides, and the dash pattern walks the closing edge too. With the
// edge switched off the outline shows only for the pick and overlay operations (11-15, 21, 22,
// 31-33, 41), in the fill's colour; drawing, erasing, printing, PostScript and PDF leave it out.
// The fill and the hatch need three points. While a polygon is being created (operation 21 with
// fewer than three points) execute draws its points as an open polyline; executeAlways does not.
class PolygonShape : public BreaklineShape {
public:
    PolygonShape();
    ~PolygonShape();

    // Results as BreaklineShape::execute.
    [[nodiscard]] int execute(int operation, int newMode) { return run(operation, newMode, 1); }
    [[nodiscard]] int executeAlways(int operation, int newMode) { return run(operation, newMode, 0); }
    // The componentwise minimum and maximum of the stroked closed outline as drawn.
    [[nodiscard]] int computeExactExtent(Point& lo, Point& hi);
    // The select tool's pick against the area as the drawing shows it (operation 1): inside it
    // when it is filled or hatched, on its outline's band when the edge is on, else on the thin
    // outline that the pick operations show (unless bareOutline is 0). Fewer than three points
    // draw nothing and never hit.
    [[nodiscard]] int hitTest(int bareOutline = 1);

protected:
    // The fill and the outline of path (placed already) on the surface; the Bezier shape hands
    // them its flattened curve.
    [[nodiscard]] int gradationFill() const;
    // The outline's colour for the operation; 0 when the operation shows no outline.
    [[nodiscard]] int outlineColour(InkColor& out) const;
    void drawFill();
    void drawOutline();
    // The pick against path (placed already), as hitTest describes it; the hatch makes the
    // inside count only with hatchCounts.
    [[nodiscard]] int hitArea(SelectToolBase& tool, int hatchCounts, int bareOutline = 1);
    // Cleared by the Bezier shape, whose overlay step 32 shows no fill.
    int fillsOverlayStep32 = 1;

private:
    [[nodiscard]] int run(int operation, int newMode, int startedAsLine);
    // The placed points with the first again at the end.
    [[nodiscard]] int closeOutline(PointArray& closed) const;
    void writePostScript();
    void writePdf();
};
