#pragma once

class DoubleRect;
class DrawingOwner;
class IntPolygon;
class Point;
class PointArray;
class ThreePointArc;
class ViewParams;

// A pick as the stroke hit tests read it: the pick box in drawing coordinates (x1 <= x2,
// y1 <= y2), the pick tolerance (drawing units) and the drawing and view that size pen widths
// and give device positions (either may be null: paper scale 1:1, no device positions). The
// select tool gives its last pick as one of these; the tests below are the geometry of whether
// that pick lies on what an element draws.
//
// Widths are paper millimetres (0.01 when none is given); the mode is the line position: 1 the
// stroke is centred on the geometry, 2 and 3 it lies on one side, offset by half the width (at
// drawing size) where the line shape draws it: TOP (2) on the right of travel on the screen (y
// down: (0,0)->(1,0) has its band towards +y), BOTTOM (3) on the left; any other mode counts as
// 1. Each stroke test answers 1 when the stroke meets the pick box grown by half the width.
struct StrokePick {
    // The width of a stroke whose caller gave none, in paper millimetres.
    static constexpr double kThinWidth = 0.01;

    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
    double tolerance = 0.0;
    DrawingOwner* drawing = nullptr; // not owned
    ViewParams* view = nullptr;      // not owned

    [[nodiscard]] int hitTestStrokeWithCaps(const Point& p1, const Point& p2, double width, int mode) const;
    // Segment by segment; fewer than 2 points never hit; closed adds the segment from the last
    // point back to the first.
    [[nodiscard]] int hitTestPolyline(const PointArray& points, double width, int mode, int closed) const;
    // More than 2 control points: the B-spline through them, sampled 3 times per span, as an
    // open polyline; else the control points themselves.
    [[nodiscard]] int hitTestSpline(const PointArray& controls, double width, int mode) const;
    // filled: the pick point inside the points' device polygon hits; otherwise (or outside) the
    // closed outline, with width 0.01 unless widthGiven.
    [[nodiscard]] int hitTestPoints(const PointArray& points, double width, int mode, int widthGiven,
                                    int filled) const;
    // The pick point's device position lies inside the device polygon (never without a view).
    [[nodiscard]] int pickInsidePolygon(IntPolygon& polygon) const;
    // The arc's stroke crossing the pick box hits; else the pick centre must lie within the pick
    // tolerance plus half the width of the circle (never at its centre) and within the arc's
    // angles, widened by the angle the pick tolerance spans.
    [[nodiscard]] int hitTestArcShape(const ThreePointArc& arc, double width, int mode) const;
    // The pick box overlaps the rectangle (touching does not count).
    [[nodiscard]] int pickBoxMeets(const DoubleRect& rect) const;
    // The extent box grown by the length of 3 pixels on every side holds the pick box's centre.
    [[nodiscard]] int extentContainsPickCentre(const Point& low, const Point& high) const;
};
