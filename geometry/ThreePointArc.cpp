#include "geometry/ThreePointArc.h"

#include <cmath>

#include "geometry/AngleTurns.h"
#include "geometry/PointArray.h"
#include "platform/MathUtil.h"

namespace {
bool finitePoint(const Point& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Where a line at `offset` from the centre meets the circle: along the line, centre -/+ h. A line
// that only touches the circle does not count.
int lineCrossings(double radius, double offset, double centre, double* low, double* high)
{
    if (!low || !high || !(std::fabs(offset) < radius))
        return 0;
    double h = std::sqrt(radius * radius - offset * offset);
    *low = centre - h;
    *high = centre + h;
    return 1;
}
} // namespace

double ThreePointArc::angleOf(double x, double y) const
{
    Point p(x, y);
    return centre.angleTo(&p);
}

void ThreePointArc::pointAtAngle(double a, Point* out) const
{
    if (out)
        MathUtil::pointAtAngle(centre.x, centre.y, radius, a, out->x, out->y);
}

int ThreePointArc::computeCentre()
{
    if (!finitePoint(start) || !finitePoint(middle) || !finitePoint(end))
        return 0;
    Point c = centre;
    double r = c.setCircumcentre(&start, &middle, &end);
    if (!(r > 0.0) || !std::isfinite(r) || !finitePoint(c))
        return 0;
    centre = c;
    radius = r;
    return 1;
}

int ThreePointArc::compute()
{
    const Point oldCentre = centre;
    const double oldRadius = radius;
    if (!computeCentre())
        return 0;
    int turning = MathUtil::arcDirection(centre.x, centre.y, radius, start.x, start.y, middle.x, middle.y, end.x,
                                         end.y);
    if (turning == 0) {
        centre = oldCentre;
        radius = oldRadius;
        return 0;
    }
    direction = turning;
    startAngle = angleOf(start.x, start.y);
    middleAngle = angleOf(middle.x, middle.y);
    endAngle = angleOf(end.x, end.y);
    // The middle angle stays as seen; the end moves within one turn on the arc's side.
    MathUtil::placeEndAngle(direction, startAngle, endAngle);
    return 1;
}

int ThreePointArc::angleRange(double* lo, double* hi) const
{
    if (!lo || !hi || !isUsableAngle(startAngle) || !isUsableAngle(endAngle))
        return 0;
    double low = direction >= 0 ? startAngle : endAngle;
    double high = direction >= 0 ? endAngle : startAngle;
    *lo = low;
    *hi = raiseByTurnsAbove(high, low);
    return 1;
}

int ThreePointArc::stepIsUsable(double step) const { return std::isfinite(step) && step > 0.0; }

int ThreePointArc::stepAngle(double* angle, double step) const
{
    if (!angle || direction == 0 || !stepIsUsable(step) || !isUsableAngle(*angle) || !std::isfinite(endAngle))
        return 0;
    double next = direction >= 1 ? *angle + step : *angle - step;
    if (next == *angle)
        return 0; // the step is lost in the angle's magnitude
    *angle = next;
    return direction >= 1 ? next < endAngle : next > endAngle;
}

int ThreePointArc::isFullCircle() const
{
    double lo, hi;
    return angleRange(&lo, &hi) && hi - lo >= 360.0;
}

int ThreePointArc::toPointArray(PointArray* out, double step)
{
    // A bad step is refused before anything is computed; compute keeps the end within one turn.
    if (!out || !stepIsUsable(step) || 360.0 / step > kMaxSteps)
        return 0;
    if (!compute())
        return 0;
    if (!out->setSinglePoint(&start))
        return 0;
    double angle = startAngle;
    while (stepAngle(&angle, step)) {
        Point p;
        pointAtAngle(angle, &p);
        if (!out->appendXY(p.x, p.y))
            return 1; // what was appended stays; the end point is left out
    }
    (void)out->appendPoint(&end); // a failed append only shortens the polyline, as above
    return 1;
}

int ThreePointArc::sampleByAngle(PointArray* out, double step) const
{
    double lo, hi;
    if (!out || !stepIsUsable(step) || !angleRange(&lo, &hi) || (hi - lo) / step > kMaxSteps)
        return 0;
    out->count = 0;
    int result = 1;
    for (bool last = false; !last;) {
        if (lo >= hi) {
            lo = hi;
            last = true;
        }
        Point p;
        pointAtAngle(lo, &p);
        result = out->appendXY(p.x, p.y);
        if (!result)
            break;
        double next = lo + step;
        if (next == lo)
            next = hi; // lost in the magnitude: the upper bound comes next and ends the list
        lo = next;
    }
    return result;
}

int ThreePointArc::verticalLineCrossings(double c, double* y1, double* y2) const
{
    return lineCrossings(radius, c - centre.x, centre.y, y1, y2);
}

int ThreePointArc::horizontalLineCrossings(double c, double* x1, double* x2) const
{
    return lineCrossings(radius, c - centre.y, centre.x, x1, x2);
}

int ThreePointArc::setPointsFromAngles()
{
    if (!isUsableAngle(startAngle) || !isUsableAngle(endAngle) || !finitePoint(centre) || !std::isfinite(radius))
        return 0;
    endAngle = raiseByTurnsToAtLeast(endAngle, startAngle);
    middleAngle = (startAngle + endAngle) / 2.0;
    pointAtAngle(startAngle, &start);
    pointAtAngle(endAngle, &end);
    pointAtAngle(middleAngle, &middle);
    return 1;
}
