#pragma once
#include "geometry/DrawPoint.h"
#include "shapes/Shape.h"

class LineStyle;
class PointList;

// One straight segment with a line width, a line position, a line type and end caps: the line
// element draws itself through it, and the shapes that have straight parts (box rules, dimension
// lines, arrow heads) build one per part and run it with their own operation and mode.
//
// Line types (LineStyle codes): 1 solid; 2 dash; 3..5 a dash followed by one to three dots, a
// gap after every piece; 6 and 7 two and three parallel thin lines across the band; 8 the
// band's outline. The band of width w (the stored width in drawing units) lies between
// + normal * leadingFactor * w and - normal * trailingWidthFactor * w of the segment, where
// normal is the direction from start to end turned by +90 degrees: (1, 0) gives (0, -1), so a
// TOP band of a line running towards +x lies on its +y side.
//
// On a device a line whose pen is under 3 pixels is drawn one pixel wide; a wider one fills its
// band, with square ends moved out by w/2 and round ends (from 4 pixels) as half circles. Only the
// first dash has the start cap and the last the end cap. Lines and bands are cut to the visible
// area in drawing units before they are mapped (not while printing or redirected). In PostScript
// and PDF a line is one stroked path (the writer's dash pattern); the parallel lines and the
// outline are solid strokes 0.1 mm wide.
class LineShape : public Shape {
public:
    // Width 0.14 mm, CENTER, solid, butt caps, gray 1.0.
    LineShape();

    void setColour(const InkColor& colour) { lineColour = colour; }
    // The points are copied whole; the shape never changes them.
    void setStart(const DrawPoint& p) { start = p; }
    void setEnd(const DrawPoint& p) { end = p; }
    void setPoints(const DrawPoint& from, const DrawPoint& to)
    {
        start = from;
        end = to;
    }

    // Runs one operation (ShapeOp): 1 done, also when nothing had to be drawn; 0 when the
    // operation is refused or there is no view mapping or surface for it. PDF (75) is written
    // before the operation filter and always answers 1.
    [[nodiscard]] int execute(int operation, int newMode);
    // The select tool's pick against the line as the drawing shows it (operation 1): its band
    // with the caps, or the segment of a pen under 3 pixels (every pen without a view mapping).
    // 0 without the select tool.
    [[nodiscard]] int hitTest();

    InkColor lineColour;
    DrawPoint start;
    DrawPoint end;
    // Of the points as placed for the operation (rotated and offset): the unit vector from start
    // to end (0, 0 for coinciding points), it turned by +90 degrees, and the distance.
    double directionX = 0.0;
    double directionY = 0.0;
    double normalX = 0.0;
    double normalY = 0.0;
    double length = 0.0;

private:
    // The stored values, with their defaults where a sub-object is missing; a width that is
    // not a number counts as 0.
    [[nodiscard]] double lineWidth() const;
    [[nodiscard]] int position() const;
    [[nodiscard]] int style() const;

    // start and end rotated about the rotation centre, then offset; the geometry of them.
    void placePoints();
    [[nodiscard]] int placedPointsFinite() const;

    [[nodiscard]] int writePdf();
    [[nodiscard]] int writeStrokes(const StrokeWriter& writer);

    void drawLineType();
    // Styles 2..5: pieces of a dash and `dots` dots.
    void drawDashed(int dots);
    // Styles 6..8.
    void drawParallel(int t);
    // The part of the placed segment in viewArea, as distances along it; 0 when none.
    [[nodiscard]] int visibleRange(double& from, double& to) const;
    // The piece from distance s0 to s1 along the placed segment.
    void drawPieceAlong(double s0, double s1);
    void drawPiece(double px, double py, double qx, double qy);
    void drawBand(double px, double py, double qx, double qy);
    // The polygon drawBand fills for the piece from p to q with these caps, into xs and ys (room
    // for kBandPoints each): its point count, 0 when it cannot be built.
    static constexpr int kBandPoints = 48;
    [[nodiscard]] int bandPolygon(double px, double py, double qx, double qy, int startCap, int endCap, double* xs,
                                  double* ys) const;

    // The placed points (drawing units).
    double fromX = 0.0;
    double fromY = 0.0;
    double toX = 0.0;
    double toY = 0.0;
};
