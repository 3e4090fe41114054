#pragma once
#include "geometry/DrawPoint.h"
#include "geometry/PointList.h"
#include "shapes/BreaklineShape.h"
#include "shapes/OvalArcShape.h"

class LeanAttribute;
class OvalType;

// One operation of an oval: the full, half or quarter ellipse of OvalArcShape, turned about the
// start point by the lean, filled (plain or gradation), hatched and edged. The shape strokes its
// edge with the breakline's line types; the curve is walked so that TOP strokes lie inside it and
// BOTTOM strokes outside, for every line type.
//
// On a device the outline has 5, 10, 5 points per quarter. A half or quarter is filled and hatched
// as its closed outline (a quarter as the sector with its centre, a half closed across its
// diameter) and edged only along the curve. A full oval's solid edge of 3 pixels or more is the
// filled ring between the ellipse grown and shrunk by the two sides of the band. The fill shows
// for drawing, erasing, the rubber band, printing and the overlay pick (22, in the rubber band's
// colours); the edge, when switched on, for every operation, 22 again in the rubber band's colour.
//
// PostScript and PDF use 10, 30, 10 points per quarter and hand the outline, with the offset, to a
// polygon shape (a full oval, and the fill and hatch of a part) and a breakline shape (the edge of
// a part). Points sharing an x or a y, an oval type outside 1..3 or coordinates that are not finite
// draw nothing.
class OvalShape : public BreaklineShape {
public:
    OvalShape();
    ~OvalShape();

    // Whole copies.
    void setStartPoint(const DrawPoint& p) { startPoint = p; }
    void setEndPoint(const DrawPoint& p) { endPoint = p; }
    void setLean(const LeanAttribute& attribute);
    void setOvalType(const OvalType& type);

    // 1 done (also when nothing had to be drawn); 0 when the operation is refused or there is no
    // view mapping or surface. PDF (75) is written before the operation filter.
    [[nodiscard]] int execute(int operation, int newMode);
    // The select tool's pick against the oval as the drawing shows it (operation 1): the painted
    // inside (a part's closed outline), the edge's band along the curve, or without the edge the
    // thin curve. 0 without the select tool.
    [[nodiscard]] int hitTest();

    DrawPoint startPoint;
    DrawPoint endPoint;
    OvalArcShape geometry;
    PointList outline;

private:
    [[nodiscard]] int typeCode() const;
    [[nodiscard]] int edgeOn() const;
    [[nodiscard]] int fillOn() const;
    // The geometry from the two points and the type with these counts; 0 for an unknown type.
    [[nodiscard]] int setUpGeometry(int first, int middle, int last);
    // Turns a built outline by the lean about the start point; for the screen also moves it by
    // the offset and turns it by the rotation. 0 when a step failed or a point is not finite.
    [[nodiscard]] int place(PointArray& list, int forScreen);
    // An outline of the geometry (open, or closed for the fill), with its leading side outward,
    // placed.
    [[nodiscard]] int buildPlaced(OvalArcShape& shape, int closed, int forScreen, PointArray& list);

    void draw();
    void fillOutline(PointArray& list);
    void strokeEdge(PointArray& list, int closed);
    [[nodiscard]] int drawThickRing();
    // The filled ring a solid edge of 3 pixels or more draws; 0 for another edge.
    [[nodiscard]] int buildThickRing(PointList& ring);
    void writeOutput();
    void runPolygon(const PointArray& list, int withEdge);
};
