// Angles, rotations and the line and circle constructions of MathUtil.
#include <cmath>

#include "platform/MathUtil.h"

namespace {
const double turn = 360.0;

// Adds whole turns one at a time, as the classic loops do, for the few turns sane angles need;
// 1e300 or a corrupt file value takes one step instead of looping for ever.
double addTurns(double v, double turns)
{
    if (std::fabs(turns) <= 8.0) {
        for (int i = 0; i < static_cast<int>(std::fabs(turns)); ++i)
            v += turns > 0 ? turn : -turn;
        return v;
    }
    return v + turns * turn;
}

// v moved by whole turns into [lo, lo + 360) (closedBelow) or (lo, lo + 360] (otherwise).
// Non-finite values are returned unchanged.
double shiftIntoTurn(double v, double lo, bool closedBelow)
{
    if (!std::isfinite(v) || !std::isfinite(lo))
        return v;
    double hi = lo + turn;
    auto below = [&](double x) { return closedBelow ? x < lo : x <= lo; };
    auto above = [&](double x) { return closedBelow ? x >= hi : x > hi; };
    if (std::fabs(v - lo) > 1e9) {
        double r = std::fmod(v - lo, turn);
        v = lo + r;
    }
    if (below(v)) {
        double turns = std::ceil((lo - v) / turn);
        v = addTurns(v, turns < 1.0 ? 1.0 : turns);
    } else if (above(v)) {
        double turns = std::ceil((v - hi) / turn);
        v = addTurns(v, -(turns < 1.0 ? 1.0 : turns));
    }
    // Rounding of the turn count may leave one turn to go either way.
    for (int i = 0; i < 3 && below(v); ++i)
        v += turn;
    for (int i = 0; i < 3 && above(v); ++i)
        v -= turn;
    return v;
}

// v raised by whole turns until it is not below lo.
double raiseToAtLeast(double v, double lo)
{
    return v < lo ? shiftIntoTurn(v, lo, true) : v;
}

// Angle in degrees of the direction (dx, dy), dy measured upwards, with its length given.
double angleOfDirection(double dx, double dy, double length)
{
    const double pi = MathUtil::pi();
    double angle;
    if (std::fabs(dy) < std::fabs(dx)) {
        if (std::fabs(dy) > length)
            return 0.0;
        angle = MathUtil::isNearlyZero(dy) ? 0.0 : std::asin(dy / length);
        if (MathUtil::isAtMostMinusTolerance(dx))
            angle = MathUtil::isNearlyZero(dy) ? pi : pi - angle;
    } else {
        if (std::fabs(dx) > length)
            return 0.0;
        angle = MathUtil::isNearlyZero(dx) ? pi / 2.0 : std::acos(dx / length);
        if (MathUtil::isAtMostMinusTolerance(dy))
            angle = MathUtil::isNearlyZero(dx) ? 1.5 * pi : 2.0 * pi - angle;
    }
    return MathUtil::radiansToDegrees(angle);
}
} // namespace

double MathUtil::pi() { return std::acos(-1.0); }
double MathUtil::degreesToRadians(double degrees) { return pi() * (degrees * 0.005555555555555556); }
double MathUtil::radiansToDegrees(double radians) { return radians * 180.0 / pi(); }
double MathUtil::sin(double radians) { return std::sin(radians); }
double MathUtil::cos(double radians) { return std::cos(radians); }
double MathUtil::acos(double v) { return std::acos(v); }
double MathUtil::asin(double v) { return std::asin(v); }

namespace {
// The one computation of sinCosDegrees, for the table below as for any other angle.
[[gnu::noinline]] void computeSinCos(double degrees, double& sine, double& cosine)
{
    double radians = MathUtil::degreesToRadians(degrees);
    sine = std::sin(radians);
    cosine = std::cos(radians);
}

// The sine and cosine of the multiples of 5 degrees over two turns, computed as any angle is:
// circles are flattened every 5 degrees from 0, so each drawn circle asks for the same 73 angles.
struct FiveDegreeSteps {
    static constexpr int kLow = 0;
    static constexpr int kHigh = 144;
    double sine[kHigh - kLow + 1];
    double cosine[kHigh - kLow + 1];
    FiveDegreeSteps()
    {
        for (int k = kLow; k <= kHigh; ++k)
            computeSinCos(k * 5.0, sine[k - kLow], cosine[k - kLow]);
    }
};
} // namespace

void MathUtil::sinCosDegrees(double degrees, double& sine, double& cosine)
{
    const double steps = std::floor(degrees / 5.0);
    // Not for -0, whose sine is -0.
    if (steps >= FiveDegreeSteps::kLow && steps <= FiveDegreeSteps::kHigh && steps * 5.0 == degrees &&
        !std::signbit(degrees)) {
        static const FiveDegreeSteps table;
        const int i = static_cast<int>(steps) - FiveDegreeSteps::kLow;
        sine = table.sine[i];
        cosine = table.cosine[i];
        return;
    }
    computeSinCos(degrees, sine, cosine);
}

void MathUtil::cosSinDegrees(double degrees, double& cosine, double& sine) { sinCosDegrees(degrees, sine, cosine); }

void MathUtil::movePointByAngle(double degrees, double d, double& x, double& y)
{
    double sine, cosine;
    sinCosDegrees(degrees, sine, cosine);
    x += d * cosine;
    y += d * sine;
}

double MathUtil::normalizeAngle(double degrees) { return shiftIntoTurn(degrees, 0.0, true); }

namespace {
// The rotation of rotatePointAbout by an angle of the given sine and cosine.
inline void rotateAbout(double cx, double cy, double& x, double& y, double sine, double cosine)
{
    double dx = x - cx;
    double dy = y - cy;
    x = cx + dx * cosine + dy * sine;
    y = cy + dy * cosine - dx * sine;
}
} // namespace

void MathUtil::rotatePointAbout(double cx, double cy, double& x, double& y, double degrees)
{
    double sine, cosine;
    sinCosDegrees(degrees, sine, cosine);
    rotateAbout(cx, cy, x, y, sine, cosine);
}

void MathUtil::rotatePoint(double& x, double& y, double degrees) { rotatePointAbout(0.0, 0.0, x, y, degrees); }

void MathUtil::pointAtAngle(double x0, double y0, double d, double degrees, double& x, double& y)
{
    x = x0 + d;
    y = y0;
    rotatePointAbout(x0, y0, x, y, degrees);
}

double MathUtil::lineAngle(double x1, double y1, double x2, double y2)
{
    double dx = x2 - x1;
    double dy = y1 - y2;
    return angleOfDirection(dx, dy, hypot(dx, dy));
}

double MathUtil::angleAtRadius(double cx, double cy, double r, double x, double y)
{
    return angleOfDirection(x - cx, cy - y, r);
}

double MathUtil::sweepAngle(double x1, double y1, double cx, double cy, double x2, double y2)
{
    return normalizeAngle(lineAngle(cx, cy, x2, y2) - lineAngle(cx, cy, x1, y1));
}

int MathUtil::arcDirection(double cx, double cy, double r, double x1, double y1, double x2, double y2, double x3,
                           double y3)
{
    double a1 = shiftIntoTurn(angleAtRadius(cx, cy, r, x1, y1), -turn, false);
    double a2 = shiftIntoTurn(angleAtRadius(cx, cy, r, x2, y2), -turn, false);
    double a3 = shiftIntoTurn(angleAtRadius(cx, cy, r, x3, y3), -turn, false);
    a1 += turn;
    a2 = raiseToAtLeast(a2, a1);
    a3 = raiseToAtLeast(a3, a1);
    if (isNearlyEqual(a1, a2) || isNearlyEqual(a1, a3))
        return 0;
    if (a2 < a3)
        return 1;
    if (a2 > a3)
        return -1;
    return 0;
}

void MathUtil::placeEndAngle(int direction, double& start, double& end)
{
    if (direction >= 1)
        end = shiftIntoTurn(end, start, false);
    else if (direction < 0)
        end = shiftIntoTurn(end, start - turn, true);
}

double MathUtil::orderArcAngles(double& start, double& middle, double& end)
{
    for (int pass = 0; pass < 3; ++pass) {
        if (middle < start) {
            middle = shiftIntoTurn(middle, start - turn, true); // [start - 360, start)
            end = shiftIntoTurn(end, middle - turn, false);     // (middle - 360, middle]
            if (start - end < turn)
                break;
            middle += turn;
        } else {
            middle = shiftIntoTurn(middle, start, false);       // (start, start + 360]
            end = shiftIntoTurn(end, middle, true);             // [middle, middle + 360)
            if (end - start < turn)
                break;
            middle -= turn;
        }
    }
    return end < start ? -1.0 : 1.0;
}

int MathUtil::pointAlongLine(double x1, double y1, double x2, double y2, double x0, double y0, double d, double& x,
                             double& y)
{
    double length = distance(x1, y1, x2, y2);
    if (!(length >= 1e-5))
        return 0;
    x = x0 + (x2 - x1) * d / length;
    y = y0 + (y2 - y1) * d / length;
    return 1;
}

int MathUtil::pointAcrossLine(double x1, double y1, double x2, double y2, double x0, double y0, double d, double& x,
                              double& y)
{
    double px, py;
    if (!pointAlongLine(x1, y1, x2, y2, x0, y0, d, px, py))
        return 0;
    // The quarter turn's sine and cosine (the cosine is not quite 0) are those every rotation
    // by 90 degrees uses; computed once, as the offsets of long outlines ask for them per vertex.
    static const struct QuarterTurn {
        double sine = 0.0, cosine = 0.0;
        QuarterTurn() { sinCosDegrees(90.0, sine, cosine); }
    } quarter;
    rotateAbout(x0, y0, px, py, quarter.sine, quarter.cosine);
    x = px;
    y = py;
    return 1;
}

int MathUtil::intersectLines(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                             double& x, double& y)
{
    double u1x = 0, u1y = 0, u2x = 0, u2y = 0;
    if (!(unitVector(x1, y1, x2, y2, u1x, u1y) >= 1e-5))
        return 0;
    double length2 = unitVector(x3, y3, x4, y4, u2x, u2y);
    if (!(length2 >= 1e-5))
        return 0;
    if (isNearlyEqual(u1x, u2x) && isNearlyEqual(u1y, u2y))
        return 0;
    double det = u2x * u1y - u2y * u1x;
    if (isNearlyZero(det))
        return 0;
    double t = ((x1 - x3) * u1y - (y1 - y3) * u1x) / (det * length2);
    x = x3 + (x4 - x3) * t;
    y = y3 + (y4 - y3) * t;
    return 1;
}

int MathUtil::intersectRays(double x1, double y1, double dx1, double dy1, double x2, double y2, double dx2,
                            double dy2, double& x, double& y)
{
    if (isNearlyEqual(dx1, dx2) && isNearlyEqual(dy1, dy2))
        return 0;
    double det = dx2 * dy1 - dy2 * dx1;
    if (isNearlyZero(det))
        return 0;
    double t = ((x1 - x2) * dy1 - (y1 - y2) * dx1) / det;
    x = x2 + dx2 * t;
    y = y2 + dy2 * t;
    return 1;
}

int MathUtil::circleThrough(double x1, double y1, double x2, double y2, double x3, double y3, double& cx,
                            double& cy, double& r)
{
    // Perpendicular bisectors of 1-2 and 2-3: 2(x2 - x1) cx + 2(y2 - y1) cy = |p2|^2 - |p1|^2.
    double a1 = 2.0 * (x2 - x1), b1 = 2.0 * (y2 - y1);
    double a2 = 2.0 * (x3 - x2), b2 = 2.0 * (y3 - y2);
    double c1 = x2 * x2 + y2 * y2 - x1 * x1 - y1 * y1;
    double c2 = x3 * x3 + y3 * y3 - x2 * x2 - y2 * y2;
    double det = a1 * b2 - a2 * b1;
    if (isNearlyZero(det))
        return 0;
    double centreX = (c1 * b2 - c2 * b1) / det;
    double centreY = (a1 * c2 - a2 * c1) / det;
    double radius = distance(centreX, centreY, x1, y1);
    radius = maxDouble(radius, distance(centreX, centreY, x2, y2));
    radius = maxDouble(radius, distance(centreX, centreY, x3, y3));
    cx = centreX;
    cy = centreY;
    r = radius;
    return 1;
}
