#pragma once
#include "geometry/DrawPoint.h"
#include "geometry/ThreePointArc.h"
#include "shapes/BreaklineShape.h"

// A circular arc through three points (start, a point on the arc, end), for every operation. On
// a device and the printer the arc is flattened every 5 degrees and stroked with the breakline's
// line types; PostScript gets arc paths, PDF polylines. TOP strokes lie inside the arc and BOTTOM
// strokes outside, for every line type and output. In PostScript and PDF the centre and radius
// are scaled to paper, widths stay as stored; the parallel lines of LINE2 and LINE3 and the
// outline of EDGE are solid 0.1 mm strokes (on a full circle EDGE is two closed lines).
//
// An arc whose radius is longer than the paper's longer side in drawing units is never drawn or
// written (a drawing without paper settings has no such bound); nor is one whose points are
// collinear (on a device execute answers 0 for them, PostScript and PDF answer 1).
class ArcShape : public BreaklineShape {
public:
    // Radii beyond this many drawing units are corrupt values: nothing is drawn for them.
    static constexpr double kMaxRadius = 1e9;
    // The flattening step, degrees.
    static constexpr double kStepDegrees = 5.0;

    ArcShape() = default;

    // Whole copies.
    void setStartPoint(const DrawPoint& p) { startPoint = p; }
    void setMidPoint(const DrawPoint& p) { midPoint = p; }
    void setEndPoint(const DrawPoint& p) { endPoint = p; }

    // 1 done (also when nothing had to be drawn, and always for PDF); 0 when the operation is
    // refused, has no view mapping or surface, the points are collinear or the line type is not
    // one of 1..8.
    [[nodiscard]] int execute(int operation, int newMode);
    // The bounds of the flattened arc moved outward by the band's outer side; 0 when the arc
    // cannot be made.
    [[nodiscard]] int computeExtent(Point& lo, Point& hi);

    DrawPoint startPoint;
    DrawPoint midPoint;
    DrawPoint endPoint;
    ThreePointArc arc;

protected:
    // Positive, finite, not corrupt and within the paper's bound.
    [[nodiscard]] int radiusIsDrawable() const;
    // Strokes the flattened arc in `source` on the surface in effectiveColour.
    [[nodiscard]] int drawFlattened();
    // The arc as PostScript paths; the PDF polylines of the flattened arc. The arc is set and
    // the stroke factors too.
    void writePostScript();
    void writePdfLines();
    // The bounds of `source` moved outward by the band's outer side.
    [[nodiscard]] int flattenedExtent(Point& lo, Point& hi) const;
    // Every point of `in` moved away from the arc's centre by d (towards it for d < 0), walked
    // backwards when asked, appended to out.
    [[nodiscard]] int offsetRadially(const PointArray& in, double d, int backwards, PointArray& out) const;

private:
    // The line type through one output: strokeAt(code, width, d) strokes the arc moved outward
    // by d (drawing units) as one path; outline() writes the closed outline of the band.
    template <class StrokeAt, class Outline> void writeByLineType(StrokeAt strokeAt, Outline outline);
    // The three points turned by the rotation and moved by the offset, into the arc.
    void placeArcPoints();
    [[nodiscard]] int psArcPath(double radiusOffset, int reverse);
    [[nodiscard]] int writePdf();
};
