#pragma once
#include "platform/IntPoint.h"
#include "platform/IntRect.h"

class DrawingOwner;
class Point;
class ThreePointArc;
class ViewParams;

// A rectangle in drawing coordinates (y growing downwards, so top is the smaller y) that shapes
// and the select tool test geometry against: the visible part of the page while painting, the
// selection rectangle while picking. Every comparison is inclusive: a point on the border is
// inside.
//
// The drawing gives the paper scale (for pen widths) and the view the mapping from device pixels;
// both links are borrowed and may be null, which gives scale 1:1 and world coordinates of 0.0.
//
// A point, box or segment with a coordinate that is not finite is neither inside nor visible: the
// containment tests and the clips answer 0 and change nothing, isOutsideBoxCoords answers 1.
class ViewArea {
public:
    // Arc angles that clipThreePointArc collects at most: eight edge crossings and the two ends.
    static constexpr int kMaxArcAngles = 10;

    void setContext(DrawingOwner* drawing, ViewParams* view)
    {
        owner = drawing;
        viewParams = view;
    }
    void set(double newLeft, double newTop, double newRight, double newBottom)
    {
        left = newLeft;
        top = newTop;
        right = newRight;
        bottom = newBottom;
    }

    // A device coordinate of the view in drawing coordinates; 0.0 without a view.
    [[nodiscard]] double deviceXToWorld(int x) const;
    [[nodiscard]] double deviceYToWorld(int y) const;
    // The screen rectangle in device pixels, and the same converted into drawing coordinates
    // (the largest area that can be visible).
    void setToScreenDevice();
    void setToScreen();
    // Grows every side by half the pen width w (paper millimetres) in drawing units.
    void inflateByHalfWidth(double w);

    [[nodiscard]] int containsDevicePoint(const IntPoint& p) const;
    [[nodiscard]] int isOutsideDeviceRect(const IntRect& r) const;
    [[nodiscard]] int containsPoint(const Point& p) const;
    // The box of two corners (in any order) lies wholly inside; lies wholly outside.
    [[nodiscard]] int containsBox(const Point& p1, const Point& p2) const;
    [[nodiscard]] int containsBoxCoords(double x1, double y1, double x2, double y2) const;
    [[nodiscard]] int isOutsideBoxCoords(double x1, double y1, double x2, double y2) const;

    // 1 when some part of the segment lies in the area (a copy is clipped).
    [[nodiscard]] int clipSegment(const Point& p1, const Point& p2) const;
    [[nodiscard]] int clipSegmentCoords(double x1, double y1, double x2, double y2) const;
    // Clips the segment in place: 1 (unchanged) when it lies inside, 0 (unchanged) when it lies
    // wholly outside; a horizontal or vertical segment comes out ordered and cut to the area; any
    // other is cut edge by edge (top, bottom, left, right), 1 when an end moved, 0 when it passes
    // the area by.
    [[nodiscard]] int clipSegmentInPlace(double* x1, double* y1, double* x2, double* y2) const;
    [[nodiscard]] int clipHorizontalSegment(double* x1, double* y1, double* x2, double* y2) const;
    [[nodiscard]] int clipVerticalSegment(double* x1, double* y1, double* x2, double* y2) const;

    // 1 when some part of the arc (computed already) lies in the area, also when more angles
    // remain than clipThreePointArc can hand out.
    [[nodiscard]] int hitsThreePointArc(const ThreePointArc& arc) const;
    // The pieces of the arc inside the area as pairs of points (entering, leaving) in xs, ys;
    // count 2 and the arc's ends when its whole circle lies inside. 0 when nothing lies inside,
    // or when more than 8 angles remain.
    [[nodiscard]] int clipThreePointArc(const ThreePointArc& arc, int* count, double xs[8], double ys[8]) const;
    // Keeps the angles that lie on the arc from lo up to hi (lo < hi <= lo + 360), ordered along
    // it, each expressed between lo + 360 and hi + 360; an angle at hi is the arc's end. 0 for
    // bounds that are not usable angles (nothing changed).
    [[nodiscard]] static int normaliseArcAngles(double* angles, int* count, double lo, double hi);

    DrawingOwner* owner = nullptr; // not owned
    ViewParams* viewParams = nullptr; // not owned
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

private:
    // The arc's angles inside the area, normalised, into angles[kMaxArcAngles]: -1 when the
    // whole circle lies inside, 0 when nothing lies inside, else the count.
    [[nodiscard]] int arcAnglesInside(const ThreePointArc& arc, double* angles) const;
};
