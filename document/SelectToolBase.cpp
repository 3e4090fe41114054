// The select tool's stroke hit tests: each takes the tool's last pick and runs the StrokePick
// test of its name.
#include "document/SelectToolBase.h"

#include "geometry/PointList.h"
#include "geometry/ThreePointArc.h"

int SelectToolBase::hitTestStroke(const Point& p1, const Point& p2, double width)
{
    return hitTestStrokeWithCaps(p1, p2, width, 1);
}

int SelectToolBase::hitTestStrokeWithCaps(const Point& p1, const Point& p2, double width, int mode)
{
    StrokePick pick;
    return strokePick(pick) && pick.hitTestStrokeWithCaps(p1, p2, width, mode);
}

int SelectToolBase::hitTestPolyline(const PointArray& points, double width, int mode, int closed)
{
    StrokePick pick;
    return strokePick(pick) && pick.hitTestPolyline(points, width, mode, closed);
}

int SelectToolBase::hitTestOpenPolyline(const PointArray& points, double width, int mode)
{
    return hitTestPolyline(points, width, mode, 0);
}

int SelectToolBase::hitTestSpline(const PointArray& controls, double width, int mode)
{
    StrokePick pick;
    return strokePick(pick) && pick.hitTestSpline(controls, width, mode);
}

int SelectToolBase::pickInsidePolygon(IntPolygon& polygon)
{
    StrokePick pick;
    return strokePick(pick) && pick.pickInsidePolygon(polygon);
}

int SelectToolBase::hitTestPoints(const PointArray& points, double width, int mode, int widthGiven, int filled)
{
    StrokePick pick;
    return strokePick(pick) && pick.hitTestPoints(points, width, mode, widthGiven, filled);
}

int SelectToolBase::hitTestFilledOutline(const PointArray& points)
{
    return hitTestPoints(points, StrokePick::kThinWidth, 1, 1, 1);
}

int SelectToolBase::hitOutline(const PointList& points, double width, int position, int edge, int inside)
{
    return hitTestPoints(points, width, position, edge, inside);
}

int SelectToolBase::hitTestThreePointArc(const Point& start, const Point& middle, const Point& end, double width)
{
    return hitTestThreePointArcMode(start, end, middle, width, 1);
}

int SelectToolBase::hitTestThreePointArcMode(const Point& start, const Point& end, const Point& middle,
                                             double width, int mode)
{
    ThreePointArc arc;
    arc.start = start;
    arc.middle = middle;
    arc.end = end;
    return arc.compute() && hitTestArcShape(arc, width, mode);
}

int SelectToolBase::hitTestArc(const Point& centre, double radius, double startAngle, double endAngle, double width,
                               int mode)
{
    ThreePointArc arc;
    arc.centre = centre;
    arc.radius = radius;
    arc.startAngle = startAngle;
    arc.endAngle = endAngle;
    return arc.setPointsFromAngles() && arc.compute() && hitTestArcShape(arc, width, mode);
}

int SelectToolBase::hitTestArcShape(const ThreePointArc& arc, double width, int mode)
{
    StrokePick pick;
    return strokePick(pick) && pick.hitTestArcShape(arc, width, mode);
}

int SelectToolBase::pickBoxMeets(const DoubleRect& rect)
{
    StrokePick pick;
    return strokePick(pick) && pick.pickBoxMeets(rect);
}

int SelectToolBase::extentContainsPickCentre(const Point& low, const Point& high)
{
    StrokePick pick;
    return strokePick(pick) && pick.extentContainsPickCentre(low, high);
}
