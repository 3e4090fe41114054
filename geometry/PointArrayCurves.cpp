// PointArray: path builders. Rounded box corners, arc approximation, fillets at a vertex, dash
// stepping along a polyline and the flattening of three-point arcs.
#include <cmath>

#include "geometry/PointArray.h"
#include "platform/MathUtil.h"

namespace {
GlobalBlock& unconst(const GlobalBlock& block) { return const_cast<GlobalBlock&>(block); }

// More points than any drawing needs for one arc: a longer sweep or a finer step is a corrupt
// value and is refused instead of filling memory (100000 steps of 10 degrees are 2778 turns).
const double maxArcSteps = 100000.0;

// Arcs through three points whose angles lie this close together (degrees) are left out.
const double arcAngleGap = 0.05;

// (r, 0) turned by the angle about the origin, plus the centre.
Point pointOnCircle(double cx, double cy, double r, double degrees)
{
    double x = r, y = 0.0;
    MathUtil::rotatePoint(x, y, degrees);
    return Point(cx + x, cy + y);
}

bool allFinite(double a, double b, double c, double d, double e)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d) && std::isfinite(e);
}

// One corner of the rounded box, in units of the radius: the entry point and the centre of the
// rounding arc relative to the corner, and the arc's angles for a rounded (r >= 0) and a notched
// (r < 0, centred on the corner) corner. The arcs end on the exit point.
struct CornerShape {
    double entryX, entryY;
    double centreX, centreY;
    double roundFrom, roundTo;
    double notchFrom, notchTo;
};

const CornerShape cornerShapes[4] = {
    {0, 1, -1, 1, 0, 90, 270, 180},     // right-top: maximum x, minimum y
    {1, 0, 1, 1, 90, 180, 360, 270},    // left-top
    {0, -1, 1, -1, 180, 270, 90, 0},    // left-bottom
    {-1, 0, -1, -1, 270, 360, 180, 90}, // right-bottom
};
} // namespace

int PointArray::addArcPoints(double cx, double cy, double r, double startDegrees, double endDegrees)
{
    if (!allFinite(cx, cy, r, startDegrees, endDegrees))
        return 0;
    if (startDegrees == endDegrees)
        return 1; // the caller's start point is the whole arc
    double sweep = std::fabs(endDegrees - startDegrees);
    double step = MathUtil::minDouble(0.2 * sweep, 10.0);
    if (!std::isfinite(sweep) || !(step > 0.0) || sweep / step > maxArcSteps)
        return 0;
    bool upwards = startDegrees <= endDegrees;
    double angle = upwards ? startDegrees + step : startDegrees - step;
    int result = 1;
    while (upwards ? angle <= endDegrees : angle >= endDegrees) {
        Point p = pointOnCircle(cx, cy, r, angle);
        result = appendFast(p);
        if (!result)
            break;
        double next = upwards ? angle + step : angle - step;
        if (next == angle)
            break; // the step is lost in the angle's magnitude
        angle = next;
    }
    return result;
}

int PointArray::roundCorner(int corner, double x, double y, double r, double minimum, double maximum)
{
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(r))
        return 0;
    double a = std::fabs(r);
    if (a < minimum || (maximum >= 0.0 && a > maximum))
        return appendXY(x, y);
    const CornerShape& shape = cornerShapes[corner - 1];
    if (!appendXY(x + shape.entryX * a, y + shape.entryY * a))
        return 0;
    if (r >= 0.0)
        return addArcPoints(x + shape.centreX * a, y + shape.centreY * a, a, shape.roundFrom, shape.roundTo);
    return addArcPoints(x, y, a, shape.notchFrom, shape.notchTo);
}

int PointArray::addRoundCorner1(double x, double y, double r, double minimum, double maximum)
{
    return roundCorner(1, x, y, r, minimum, maximum);
}

int PointArray::addRoundCorner2(double x, double y, double r, double minimum, double maximum)
{
    return roundCorner(2, x, y, r, minimum, maximum);
}

int PointArray::addRoundCorner3(double x, double y, double r, double minimum, double maximum)
{
    return roundCorner(3, x, y, r, minimum, maximum);
}

int PointArray::addRoundCorner4(double x, double y, double r, double minimum, double maximum)
{
    return roundCorner(4, x, y, r, minimum, maximum);
}

int PointArray::addRoundedVertex(const PointArray* source, int iPrev, int iVertex, int iNext, double r,
                                 double tolerance)
{
    if (!source || !std::isfinite(r))
        return 0;
    // Copies: the source may be this array, which the appends below may move.
    Point prev, vertex, next;
    if (!source->getRecord(iPrev, &prev) || !source->getRecord(iVertex, &vertex) ||
        !source->getRecord(iNext, &next))
        return 0;
    double a = std::fabs(r);
    if (a < tolerance)
        return appendRecord(&vertex);
    double shorter = MathUtil::minDouble(prev.distanceTo2D(vertex.x, vertex.y), next.distanceTo2D(vertex.x, vertex.y));
    if (a > shorter)
        return appendRecord(&vertex);

    // Tangent points on both edges, and the centre where the normals at them meet.
    Point t1 = prev, t2 = next;
    if (!t1.setAtDistanceFrom(&vertex, a) || !t2.setAtDistanceFrom(&vertex, a))
        return 0;
    Point n1 = t1, n2 = t2;
    if (!n1.setPerpendicularOffset(&t1, &vertex, &t1, a) || !n2.setPerpendicularOffset(&t2, &vertex, &t2, a))
        return 0;
    Point c = vertex;
    if (!c.setLineIntersection(&t1, &n1, &t2, &n2))
        return 0;

    Point centre;
    double radius, start, middle, end;
    if (r >= 0.0) {
        centre = c;
        radius = t1.distanceTo2D(c.x, c.y);
        start = c.angleTo(&t1);
        middle = c.angleTo(&vertex);
        end = c.angleTo(&t2);
    } else {
        centre = vertex;
        radius = a;
        start = vertex.angleTo(&t1);
        middle = vertex.angleTo(&c);
        end = vertex.angleTo(&t2);
    }
    // The ordered angles carry the direction, which addArcPoints follows either way.
    (void)MathUtil::orderArcAngles(start, middle, end);
    if (!appendRecord(&t1))
        return 0;
    if (!addArcPoints(centre.x, centre.y, radius, start, end))
        return 0;
    return appendRecord(&t2);
}

int PointArray::advanceAlong(PointArray* output, int* index, Point* current, double length) const
{
    if (!output || !index || !current || output == this)
        return 0;
    Point here = *current;
    output->count = 0;
    if (!output->appendRecord(&here))
        return 0;
    int i = *index;
    if (i < 0 || i >= count)
        return 0;
    BlockLock data(unconst(*this));
    if (!data)
        return 0;
    const Point* points = data.data<Point>();

    int result = 1;
    double remaining = length;
    while (remaining > 0.0) {
        const Point& ahead = points[i];
        double d = here.distanceTo2D(ahead.x, ahead.y);
        if (remaining <= d) {
            // The piece ends inside this edge.
            double ux = 0.0, uy = 0.0;
            here.directionTo(&ahead, &ux, &uy);
            Point end(here.x + ux * remaining, here.y + uy * remaining);
            if (!output->appendFast(end)) {
                result = 0;
                break;
            }
            here = end;
            remaining = 0.0;
        } else {
            if (!output->appendFast(ahead)) {
                result = 0;
                break;
            }
            remaining -= d;
            here = ahead;
            if (++i >= count) {
                result = 0; // the end of the polyline
                break;
            }
        }
    }
    *index = i;
    *current = here;
    return result;
}

int PointArray::appendArcThrough(double stepDegrees, const Point* p1, const Point* p2, const Point* p3)
{
    if (!p1 || !p2 || !p3 || !std::isfinite(stepDegrees) || !(stepDegrees > 0.0))
        return 0;
    Point c;
    double radius = c.setCircumcentre(p1, p2, p3);
    if (!(radius >= 1e-5))
        return 0;

    // Direction angles are in [0, 360) already; the moves by whole turns are computed, not looped.
    const double turn = 360.0;
    double a1 = c.angleTo(p1), a2 = c.angleTo(p2), a3 = c.angleTo(p3);
    if (a1 < 0.0 || a1 > turn) {
        a1 = std::fmod(a1, turn);
        if (a1 < 0.0)
            a1 += turn;
    }
    auto lowerToOneTurn = [&](double v) { return v > turn ? v - turn * std::ceil((v - turn) / turn) : v; };
    auto raiseToStart = [&](double v) { return v < a1 ? v + turn * std::ceil((a1 - v) / turn) : v; };
    a2 = raiseToStart(lowerToOneTurn(a2));
    a3 = raiseToStart(lowerToOneTurn(a3));
    if (std::fabs(a1 - a2) <= arcAngleGap || std::fabs(a1 - a3) <= arcAngleGap || std::fabs(a2 - a3) <= arcAngleGap)
        return 1;

    double direction = 1.0;
    if (a2 > a3) {
        direction = -1.0;
        if (a3 > a1)
            a3 -= turn * std::ceil((a3 - a1) / turn);
    }
    if (std::fabs(a3 - a1) / stepDegrees > maxArcSteps)
        return 0;

    double angle = a1;
    for (;;) {
        angle += direction * stepDegrees;
        if (direction > 0.0 ? angle >= a3 : angle <= a3)
            break;
        Point p = pointOnCircle(c.x, c.y, radius, angle);
        p.z = p2->z;
        p.flag = p2->flag;
        if (!appendFast(p))
            return 0;
    }
    return 1;
}

int PointArray::flattenArcs(const PointArray* source, double stepDegrees)
{
    if (!source || source == this || !std::isfinite(stepDegrees) || !(stepDegrees > 0.0))
        return 0;
    int n = source->count;
    if (!reserve(n, 1))
        return 0;
    count = 0;
    if (n <= 0)
        return 1;
    BlockLock data(unconst(*source));
    if (!data)
        return 0;
    const Point* points = data.data<Point>();

    int i = 0;
    while (i < n - 2) {
        const Point& p = points[i];
        if (!appendFast(p))
            return 0;
        if (p.flag == Point::arcStart) {
            if (!appendArcThrough(stepDegrees, &p, &points[i + 1], &points[i + 2]))
                return 0;
            // The arc's end comes next, as it is: its own flag may start the next arc at once.
            i += 2;
        } else {
            ++i;
        }
    }
    // The last two cannot start an arc; they are copied as they are.
    for (; i < n; ++i)
        if (!appendFast(points[i]))
            return 0;
    return 1;
}
