#pragma once
#include "shapes/PolygonShape.h"

class IntPolygon;

// A piecewise cubic Bezier curve, open or closed, given as its control points (anchor, then per
// segment two control points and the next anchor). On a device it is flattened (24 inner points
// per cubic) and drawn as a polyline, or as a closed area with fill, hatch and outline exactly as
// the polygon draws its own; in PostScript and PDF as true cubic curves. An open curve is only
// stroked, and always (its edge switch only matters when it is closed).
//
// The stroke has no line type and no position: solid and centred. Drawing, erasing and printing
// stroke with the device pen width; every other device operation (pick, overlay) strokes one
// pixel wide.
// A list whose count is not 3n + 1 draws its whole segments on the output languages; on a device
// a trailing pair is a cubic with its first control point doubled, a single point a straight line.
// PostScript and PDF write nothing for fewer than four points.
class BezierShape : public PolygonShape {
public:
    BezierShape();
    ~BezierShape();

    // The control points, borrowed: they must outlive the operation.
    void setControlPoints(PointArray* points) { controls = points; }
    // OpenCloseAttribute values; anything but closed draws open.
    void setOpenClose(int value);
    // Clears the fill's draw switch (the path editor shows its curve unfilled).
    void noFill();

    // 1 done; 0 when the operation is refused or there is no view mapping or surface. PDF (75)
    // answers 1 also when nothing could be written.
    [[nodiscard]] int execute(int operation, int newMode);
    // The select tool's pick against the curve as the drawing shows it (operation 1): an open
    // curve's band, a closed one's area as the polygon picks its own (the inside only when it is
    // filled, not for a hatch alone).
    [[nodiscard]] int hitTest();
    // The flattened curve in device points for the operation, without offset or rotation,
    // appended to out; 0 without a view mapping, points or room.
    [[nodiscard]] int deviceOutline(int operation, IntPolygon& out);

private:
    [[nodiscard]] int closed() const;
    // flat := the placed control points (path) flattened.
    [[nodiscard]] int flattenPath();
    // The move and curves of the placed points; 0 (nothing written) below four points.
    [[nodiscard]] int writeCurvePath(int toPdf);
    // 1 when the fill is a gradation: the gradation shape has then done the whole fill.
    [[nodiscard]] int gradationFilled();
    void writePostScript();
    void writePdf();

    PointArray* controls = nullptr; // not owned
    PointList flat;
};
