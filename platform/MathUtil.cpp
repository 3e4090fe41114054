#include "platform/MathUtil.h"

#include <climits>
#include <cmath>

MathUtil* theMathUtil = nullptr;

namespace {
// Adds `count` steps to v one at a time, as a loop would, for the few steps sane values need;
// extreme values take one multiplication instead of billions of additions.
double addSteps(double v, double count, double step)
{
    if (std::fabs(count) <= 8.0) {
        for (int i = 0; i < static_cast<int>(std::fabs(count)); ++i)
            v += count > 0 ? step : -step;
        return v;
    }
    return v + count * step;
}
} // namespace

double MathUtil::tolerance(int digits)
{
    if (digits <= 0)
        return 1e-5;
    // Past 330 digits the value is 0 anyway: no point looping further.
    double t = 1.0;
    for (int i = 0; i < digits && i < 330; ++i)
        t *= 0.1;
    return t;
}

int MathUtil::isAtLeastTolerance(double v, int digits) { return v >= tolerance(digits); }
int MathUtil::isAtMostMinusTolerance(double v, int digits) { return v <= -tolerance(digits); }
int MathUtil::isNearlyZero(double v, int digits)
{
    return !isAtLeastTolerance(v, digits) && !isAtMostMinusTolerance(v, digits);
}
int MathUtil::isWithin(double a, double b, double eps) { return std::fabs(a - b) <= eps; }
int MathUtil::isInRange(int v, int lo, int hi, int inclusive)
{
    return inclusive ? (lo <= v && v <= hi) : (lo < v && v < hi);
}

int MathUtil::absDiffInt(int a, int b)
{
    long long d = static_cast<long long>(a) - b;
    d = d < 0 ? -d : d;
    return d > INT_MAX ? INT_MAX : static_cast<int>(d);
}
double MathUtil::absDiffDouble(double a, double b) { return std::fabs(a - b); }
double MathUtil::absDouble(double v) { return std::fabs(v); }

int MathUtil::midpointInt(int a, int b) { return static_cast<int>((static_cast<long long>(a) + b) / 2); }

int MathUtil::lerpInt(int a, int b, int num, int den)
{
    if (den == 0)
        return a;
    long long v = (static_cast<long long>(b) - a) * num / den + a;
    return v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : static_cast<int>(v));
}

double MathUtil::lerpDouble(double a, double b, double num, double den) { return (b - a) * num / den + a; }

int MathUtil::bisectLower(int& lo, int& mid, int& hi)
{
    hi = mid;
    mid = midpointInt(lo, hi);
    return lo < mid && mid < hi;
}

int MathUtil::bisectUpper(int& lo, int& mid, int& hi)
{
    lo = mid;
    mid = midpointInt(lo, hi);
    return lo < mid && mid < hi;
}

double MathUtil::roundTo(double v, int digits)
{
    int n = digits < 0 ? 0 : (digits > 330 ? 330 : digits);
    for (int i = 0; i < n; ++i)
        v *= 10.0;
    v = std::trunc(v + 0.5);
    for (int i = 0; i < n; ++i)
        v *= 0.1;
    return v;
}

double MathUtil::truncate(double v) { return std::trunc(v); }
double MathUtil::remainder(double a, double b) { return a - std::trunc(a / b) * b; }

double MathUtil::wrapIntoRange(double v, double lo, double hi, double step)
{
    if (!(step > 0.0) || !std::isfinite(step) || !std::isfinite(v) || !std::isfinite(lo) || !std::isfinite(hi))
        return v;
    if (v > hi) {
        v = addSteps(v, -std::ceil((v - hi) / step), step);
        for (int i = 0; i < 3 && v > hi; ++i)
            v -= step;
    }
    if (v < lo) {
        v = addSteps(v, std::ceil((lo - v) / step), step);
        for (int i = 0; i < 3 && v < lo; ++i)
            v += step;
    }
    return v;
}

void MathUtil::swapDoubles(double& a, double& b)
{
    double t = a;
    a = b;
    b = t;
}

void MathUtil::sortPair(double& a, double& b)
{
    if (a > b)
        swapDoubles(a, b);
}

void MathUtil::sortDoubles(double* values, int n)
{
    for (int i = 0; i + 1 < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (values[j] < values[i])
                swapDoubles(values[i], values[j]);
        }
    }
}

int MathUtil::truncateToInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= 2147483647.0)
        return INT_MAX;
    if (v <= -2147483648.0)
        return INT_MIN;
    return static_cast<int>(v);
}

double MathUtil::sqrt(double v) { return std::sqrt(v); }
double MathUtil::hypot(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }
double MathUtil::distance(double x1, double y1, double x2, double y2) { return hypot(x2 - x1, y2 - y1); }

int MathUtil::distanceInt(int x1, int y1, int x2, int y2)
{
    return truncateToInt(hypot(static_cast<double>(x2) - x1, static_cast<double>(y2) - y1));
}

double MathUtil::distance3(double x1, double y1, double z1, double x2, double y2, double z2)
{
    double dx = x2 - x1, dy = y2 - y1, dz = z2 - z1;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

double MathUtil::unitVector(double x1, double y1, double x2, double y2, double& ux, double& uy)
{
    double length = distance(x1, y1, x2, y2);
    if (length >= 1e-5) {
        ux = (x2 - x1) / length;
        uy = (y2 - y1) / length;
    }
    return length;
}

int MathUtil::unitVectorInt(int x1, int y1, int x2, int y2, double& ux, double& uy)
{
    return truncateToInt(unitVector(x1, y1, x2, y2, ux, uy));
}

double MathUtil::unitVector3(double x1, double y1, double z1, double x2, double y2, double z2, double& ux,
                             double& uy, double& uz)
{
    double length = distance3(x1, y1, z1, x2, y2, z2);
    if (length >= 1e-5) {
        ux = (x2 - x1) / length;
        uy = (y2 - y1) / length;
        uz = (z2 - z1) / length;
    }
    return length;
}

double MathUtil::unitVectorAndAngle(double x1, double y1, double x2, double y2, double& ux, double& uy,
                                    double& angle)
{
    double length = unitVector(x1, y1, x2, y2, ux, uy);
    angle = lineAngle(x1, y1, x2, y2);
    return length;
}

void MathUtil::movePoint(double x, double y, double d, double a, double b, double& outX, double& outY)
{
    outX = x + d * a;
    outY = y + d * b;
}

void MathUtil::movePointInt(int x, int y, double d, double a, double b, int& outX, int& outY)
{
    outX = truncateToInt(x + d * a);
    outY = truncateToInt(y + d * b);
}

void MathUtil::movePointInPlace(double a, double b, double d, int& x, int& y)
{
    x = truncateToInt(x + d * a);
    y = truncateToInt(y + d * b);
}
