#pragma once
#include "geometry/PointList.h"
#include "shapes/Shape.h"

class DoubleArray;
class EdgeAttributes;
class FillAttributes;
class HatchAttributes;
class LineStyle;
class SelectToolBase;

// An open polyline with a line width, position, type and end caps, for every operation: the
// breakline element draws itself through it, and the polygon shape (which derives from it) strokes
// its outlines with its routines. Interior vertices are rounded by their radii (the first and last
// never are; a radius below 0.01 or longer than the shorter neighbouring segment leaves the vertex
// sharp); the line type's pattern walks the whole polyline.
//
// On a device a pen under 3 pixels strokes one-pixel polylines; a wider pen fills the band between
// the leading side (walked forward) and the trailing side (walked back), with square ends moved
// out by half the width and round ends from 4 pixels on. LINE2, LINE3 and EDGE draw two, three
// thin offset polylines, or the band's closed outline, once the pen is 2 pixels or more. In
// PostScript and PDF the line types 1..5 are one stroked path with the writer's dash pattern,
// 6..8 solid strokes 0.1 mm wide. The band lies as the line shape's does (LineShape).
//
// Points are drawing units; a repeated point is skipped where sides are offset, a straight-through
// vertex is moved across, and a reversal gives both sides' points.
class BreaklineShape : public Shape {
public:
    // Width 0.14 mm, CENTER, solid, butt caps, gray 1.0.
    BreaklineShape();
    ~BreaklineShape();

    void setColour(const InkColor& colour) { lineColour = colour; }
    void setLayer(int newLayer) { layer = newLayer; }
    // The points are copied; 0 when the copy failed (nothing is drawn then).
    [[nodiscard]] int setPoints(const PointArray& points) { return source.copyPoints(&points); }
    // Corner radii by vertex, drawing units; not owned (it must outlive the operation), null for
    // none. A list shorter than the points leaves the vertices beyond it sharp.
    void setRounding(const DoubleArray* radii) { rounding = radii; }
    // Copies of the attributes, for the shapes that ensure them (closed figures, circles);
    // nothing without the sub-object.
    void setEdge(const EdgeAttributes& attributes);
    void setFill(const FillAttributes& attributes);
    void setHatch(const HatchAttributes& attributes);

    // 1 done (also when nothing had to be drawn, and PostScript and PDF when the colour is not
    // written); 0 when the operation is refused or there are no points, no view mapping or no
    // surface. PDF (75) is written before the operation filter.
    [[nodiscard]] int execute(int operation, int newMode);
    // The componentwise minimum and maximum of the stroked band with its caps (the rubber band's
    // operation); 0 when it cannot be prepared.
    [[nodiscard]] int computeExactExtent(Point& lo, Point& hi);
    // The select tool's pick against the polyline as the drawing shows it (operation 1): its band
    // with the caps, or the thin polyline of a pen under 3 pixels (every pen without a view
    // mapping). 0 without the select tool or points.
    [[nodiscard]] int hitTest();

    InkColor lineColour;
    PointList source;
    const DoubleArray* rounding = nullptr;

protected:
    // The width of the parallel lines and outlines in PostScript and PDF (paper millimetres).
    static constexpr double kThinStrokeWidth = 0.1;

    // The stroke of this shape (width, position, line type), its context, layer and offset,
    // given to a shape that draws a part of it.
    void copyStrokeTo(BreaklineShape& part) const;

    // The list to draw for the current operation: the source points with their corners rounded
    // (open: the interior vertices; closed: every vertex between its cyclic neighbours), or with
    // their arcs flattened every 5 degrees for the arc kinds. The source list when nothing
    // applies or a step failed.
    [[nodiscard]] PointArray* listToDraw(int closed);

    [[nodiscard]] double lineWidth() const;
    [[nodiscard]] int position() const;
    [[nodiscard]] int style() const;
    // The width in drawing units.
    [[nodiscard]] double bandWidth() const { return toDrawingUnits(lineWidth()); }
    [[nodiscard]] static double pathLength(const PointArray& points);

    // The line type along the placed points on the surface; closed for the outline of a
    // polygon (the points end with the first again).
    void drawLineType(const PointArray& points, int closed);
    // One piece with the caps in force: thin, or the filled band.
    void strokePiece(const PointArray& points);
    void strokeThin(const PointArray& points);
    // The filled band of the points with these caps; the ring of a closed outline's band.
    void fillBand(const PointArray& points, int startCap, int endCap);
    void fillClosedBand(const PointArray& points);
    // The polygon fillBand fills: the band with square ends moved out and, from 4 pixels on, round
    // ends; and the ring of a closed outline (the points end with the first again): its leading
    // side, then its trailing side walked back. 0 when a side cannot be built.
    [[nodiscard]] int buildCappedBand(const PointArray& points, int startCap, int endCap, PointList& out) const;
    [[nodiscard]] int buildRing(const PointArray& closed, PointArray& ring) const;
    // For a pick: the drawn list (open or closed) placed as path, the pen width of the drawing
    // and the stroke factors; the select tool, null without it or without points to pick.
    [[nodiscard]] SelectToolBase* preparePathPick(int closed);
    // The pick against the points as strokePiece (open) or a solid closed outline draws them,
    // with the pen width preparePick set: inside the band or ring, or the pick box on its edge.
    [[nodiscard]] int hitStroke(SelectToolBase& tool, const PointArray& points, int closed);
    // The band of the points without caps: leading side, trailing side (forward), then the
    // leading side back; leadCount is how many points the leading side has.
    [[nodiscard]] int buildBand(const PointArray& points, PointList& band, int& leadCount) const;
    // The points offset sideways by d: open (walking in the direction) or around the closed
    // outline (every corner, the first again at the end).
    [[nodiscard]] int offsetPath(const PointArray& points, double d, int direction, int closed, PointArray& out) const;
    [[nodiscard]] int closedOffset(const PointArray& points, double d, int direction, PointArray& out) const;
    // The line type as stroked paths of PostScript or PDF.
    [[nodiscard]] int writeLineType(const StrokeWriter& writer, const PointArray& points, int closed);

    // The fill's gradation, or the hatch, over a placed closed outline (not owned, no offset of its
    // own) with this operation; refused operations fill nothing. The hatch needs a pattern;
    // clipWritten when the caller has written the PostScript or PDF clip path itself.
    void runGradation(PointArray& outline);
    void runHatch(PointArray& outline, int clipWritten = 0);
    // Reverses the points where needed so that a curve about (cx, cy) has its leading side (the
    // +90 degree side of the walk) away from that centre: then TOP strokes lie inside the curve
    // and BOTTOM strokes outside, whichever way the curve was built. 0 when the points cannot
    // be read.
    [[nodiscard]] static int leadOutwardFrom(PointArray& points, double cx, double cy);

    // Set by the arc kinds: arcs are flattened instead of rounding corners.
    int flattensArcs = 0;
    // The rounded or flattened points (owned; made when first needed).
    PointList* working = nullptr;

private:
    void drawDashed(const PointArray& points, int dots);
    void drawParallel(const PointArray& points, int closed);
    [[nodiscard]] int writePdf();
};
