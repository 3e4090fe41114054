#pragma once
#include <cmath>

// Moving angles (degrees) by whole turns, computed instead of looped, so that a corrupt value
// cannot keep a "raise by 360 while ..." loop running. Results for sane angles are those of the
// loops.

// Angles beyond a million turns or so are corrupt values: refused where an arc is stepped.
constexpr double kMaxUsableAngle = 1e9;

inline bool isUsableAngle(double a) { return std::isfinite(a) && std::fabs(a) <= kMaxUsableAngle; }

// v raised by whole turns until it is not below lo (v itself when it is not).
inline double raiseByTurnsToAtLeast(double v, double lo)
{
    if (!(v < lo))
        return v;
    v += std::ceil((lo - v) / 360.0) * 360.0;
    return v < lo ? v + 360.0 : v;
}

// v raised by whole turns until it is above lo.
inline double raiseByTurnsAbove(double v, double lo)
{
    if (!(v <= lo))
        return v;
    v += (std::floor((lo - v) / 360.0) + 1.0) * 360.0;
    return v <= lo ? v + 360.0 : v;
}
