// The stroke hit tests: whether a pick lies on a drawn stroke, given the element's own geometry,
// pen width (paper millimetres) and line position.
#include <cmath>

#include "geometry/BSplineCurve.h"
#include "geometry/DoubleRect.h"
#include "geometry/Point.h"
#include "geometry/PointArray.h"
#include "geometry/StrokePick.h"
#include "geometry/ThreePointArc.h"
#include "geometry/ViewArea.h"
#include "geometry/ViewParams.h"
#include "platform/IntPolygon.h"

namespace {

constexpr double kThinWidth = StrokePick::kThinWidth;
// A pick closer than this to an arc's centre has no direction and never hits it.
constexpr double kZeroTolerance = 1e-5;
constexpr double kDegreesPerRadian = 57.29577951308232;
// The device mapping of the select tool's marks and tests.
constexpr int kPickOperation = 11;

ViewArea pickArea(const StrokePick& pick)
{
    ViewArea area;
    area.setContext(pick.drawing, pick.view);
    area.set(pick.x1, pick.y1, pick.x2, pick.y2);
    return area;
}

double givenWidth(double width) { return width > 0.0 ? width : kThinWidth; }

// Half a width given in paper millimetres, in drawing units: the distance the pick area grows by.
double halfDrawingWidth(const StrokePick& pick, double width)
{
    ViewArea area;
    area.setContext(pick.drawing, pick.view);
    area.set(0.0, 0.0, 0.0, 0.0);
    area.inflateByHalfWidth(width);
    return area.right;
}

// The centre of a side stroke: half the width off the geometry on the side the line shape draws
// it, the direction of travel p1 -> p2 turned by 270 degrees for mode 2 (TOP: (1, 0) gives
// (0, 1), the right of travel on the screen) and by 90 degrees for mode 3; (0, 0) for a centred
// stroke or a segment without direction.
void sideOffset(const Point& p1, const Point& p2, double half, int mode, double& ox, double& oy)
{
    ox = oy = 0.0;
    const double dx = p2.x - p1.x, dy = p2.y - p1.y;
    const double length = std::hypot(dx, dy);
    if ((mode != 2 && mode != 3) || !(length > 0.0) || !std::isfinite(length))
        return;
    if (mode == 2) {
        ox = -dy / length * half;
        oy = dx / length * half;
    } else {
        ox = dy / length * half;
        oy = -dx / length * half;
    }
}

int segmentHits(const StrokePick& pick, const Point& p1, const Point& p2, double width, int mode)
{
    ViewArea area = pickArea(pick);
    area.inflateByHalfWidth(width);
    double ox, oy;
    sideOffset(p1, p2, halfDrawingWidth(pick, width), mode, ox, oy);
    return area.clipSegmentCoords(p1.x + ox, p1.y + oy, p2.x + ox, p2.y + oy);
}

int polylineHits(const StrokePick& pick, const PointArray& points, double width, int mode, int closed)
{
    const int n = points.count;
    if (n < 2)
        return 0;
    Point a, b;
    if (!points.getPoint(0, &a))
        return 0;
    const Point first = a;
    for (int i = 1; i < n; ++i, a = b)
        if (points.getPoint(i, &b) && segmentHits(pick, a, b, width, mode))
            return 1;
    return closed && segmentHits(pick, a, first, width, mode);
}

// The angle of (x, y) in degrees within [from, from + 360).
double angleFrom(double angle, double from)
{
    double a = std::fmod(angle - from, 360.0);
    if (a < 0.0)
        a += 360.0;
    return from + a;
}

} // namespace

int StrokePick::hitTestStrokeWithCaps(const Point& p1, const Point& p2, double width, int mode) const
{
    return segmentHits(*this, p1, p2, givenWidth(width), mode);
}

int StrokePick::hitTestPolyline(const PointArray& points, double width, int mode, int closed) const
{
    return polylineHits(*this, points, givenWidth(width), mode, closed);
}

int StrokePick::hitTestSpline(const PointArray& controls, double width, int mode) const
{
    if (controls.count <= 2)
        return hitTestPolyline(controls, width, mode, 0);
    BSplineCurve curve;
    curve.setSamplesPerSpan(3);
    PointArray samples;
    if (!curve.evaluate(&controls, &samples))
        return 0; // a curve that cannot be solved is not drawn either
    return hitTestPolyline(samples, width, mode, 0);
}

int StrokePick::pickInsidePolygon(IntPolygon& polygon) const
{
    if (!view)
        return 0;
    const IntPoint centre(view->worldToDeviceXForOp(kPickOperation, (x1 + x2) * 0.5),
                          view->worldToDeviceYForOp(kPickOperation, (y1 + y2) * 0.5));
    return polygon.containsPoint(centre);
}

int StrokePick::hitTestPoints(const PointArray& points, double width, int mode, int widthGiven, int filled) const
{
    if (filled && view && points.count >= 3) {
        IntPolygon polygon;
        int built = 1;
        Point p;
        for (int i = 0; built && i < points.count; ++i)
            built = points.getPoint(i, &p) && polygon.add(view->worldToDeviceXForOp(kPickOperation, p.x),
                                                          view->worldToDeviceYForOp(kPickOperation, p.y));
        if (built && pickInsidePolygon(polygon))
            return 1;
    }
    return polylineHits(*this, points, widthGiven ? givenWidth(width) : kThinWidth, mode, 1);
}

int StrokePick::hitTestArcShape(const ThreePointArc& shape, double width, int mode) const
{
    const double half = halfDrawingWidth(*this, givenWidth(width));
    // The side strokes lie inside (2) or outside (3) the arc's circle.
    ThreePointArc arc = shape;
    if (mode == 2)
        arc.addToRadius(-half);
    else if (mode == 3)
        arc.addToRadius(half);
    if (pickArea(*this).hitsThreePointArc(arc))
        return 1;

    const double cx = (x1 + x2) * 0.5, cy = (y1 + y2) * 0.5;
    const double d = std::hypot(cx - arc.centre.x, cy - arc.centre.y);
    const double r = arc.getRadius();
    const double t = tolerance + half;
    if (!(d > kZeroTolerance) || d < r - t || d > r + t)
        return 0;
    double lo, hi;
    if (!arc.angleRange(&lo, &hi))
        return 0;
    // The arc's range widened at both ends by the angle the pick tolerance spans at the pick's
    // distance: the pick box reaches that far past a butt end. The pick's angle is taken within
    // one turn from the widened start.
    const double slack = std::fmin(tolerance / d * kDegreesPerRadian, 180.0);
    return angleFrom(arc.angleOf(cx, cy), lo - slack) <= hi + slack;
}

int StrokePick::pickBoxMeets(const DoubleRect& rect) const
{
    DoubleRect box;
    box.set(y1, x1, x2, y2);
    return box.intersects(&rect, 0);
}

int StrokePick::extentContainsPickCentre(const Point& low, const Point& high) const
{
    double grow = 0.0;
    if (view) {
        double x0, y0, z0, x3, y3, z3;
        view->deviceToWorld(IntPoint(0, 0), &x0, &y0, &z0);
        view->deviceToWorld(IntPoint(3, 0), &x3, &y3, &z3);
        grow = std::fabs(x3 - x0);
    }
    const double cx = (x1 + x2) * 0.5, cy = (y1 + y2) * 0.5;
    return std::fmin(low.x, high.x) - grow <= cx && cx <= std::fmax(low.x, high.x) + grow &&
           std::fmin(low.y, high.y) - grow <= cy && cy <= std::fmax(low.y, high.y) + grow;
}
