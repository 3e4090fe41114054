#pragma once
#include <cmath>

#include "geometry/Point.h"

// Small vector steps of the dimension shapes, in drawing coordinates (x and y only).
namespace dimension_geometry {

constexpr double kRadian = 3.14159265358979323846 / 180.0;

// The unit vector from a to b; 0 (and ux, uy untouched) when the points coincide or a
// coordinate is not finite, so that no caller divides by a zero length.
inline int unitBetween(const Point& a, const Point& b, double& ux, double& uy)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    if (!(length > 0.0) || !std::isfinite(length))
        return 0;
    ux = dx / length;
    uy = dy / length;
    return 1;
}

// The direction angle from a to b, degrees in [0, 360), y growing downwards.
inline double directionAngle(const Point& a, const Point& b)
{
    const double t = std::atan2(-(b.y - a.y), b.x - a.x) / kRadian;
    return t < 0.0 ? t + 360.0 : t;
}

// Whether a numeral that follows its line stands level: when the line rises no more than it
// runs. The drawing file keeps five decimals, so each coordinate read back may lie up to half a
// unit of the fifth decimal from the one saved, and rise and run up to two such units from each
// other: differences within that count as none, and a line that rises exactly as far as it runs
// stands level before and after a save.
constexpr double kLevelTolerance = 2e-5;
inline bool runsLevel(double dx, double dy) { return std::fabs(dy) <= std::fabs(dx) + kLevelTolerance; }

// p moved by t along the unit vector (ux, uy).
inline Point along(const Point& p, double ux, double uy, double t) { return Point(p.x + ux * t, p.y + uy * t); }

} // namespace dimension_geometry
