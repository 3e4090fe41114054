// Fitting a Bezier path to a freehand stroke of device points. Integer device coordinates; a
// cubic is sampled at whole percentages of its parameter and its coordinates rounded as value
// + 0.5 truncated, the rule the fitted paths have always followed.
#include <cmath>
#include <cstdlib>

#include "geometry/BezierFlattener.h"
#include "platform/IntPointList.h"
#include "platform/MathUtil.h"

namespace {

int roundHalfUp(double v) { return MathUtil::truncateToInt(v + 0.5); }

// One cubic (a, c1, c2, d) of device points, read along one axis: x (axis 0) or y (axis 1).
struct StrokeCubic {
    IntPoint a, c1, c2, d;

    static int along(const IntPoint& p, int axis) { return axis ? p.y : p.x; }

    [[nodiscard]] double at(int percent, int axis) const
    {
        const double t = percent / 100.0, u = 1.0 - t;
        return u * u * u * along(a, axis) + 3.0 * u * u * t * along(c1, axis) + 3.0 * u * t * t * along(c2, axis) +
               t * t * t * along(d, axis);
    }

    // The percentage at which the cubic's coordinate on `axis`, rounded, equals `target`: an
    // integer bisection from 50 over 0..100 towards the target. Without an exact match the
    // result is 0, or with `closest` 1 and the last percentage tried.
    [[nodiscard]] int findPercent(int axis, int target, bool closest, int& percent) const
    {
        const bool rising = along(d, axis) >= along(a, axis);
        int lo = 0, mid = 50, hi = 100;
        for (;;) {
            const int tried = mid;
            const int value = roundHalfUp(at(tried, axis));
            if (value == target) {
                percent = tried;
                return 1;
            }
            const bool later = (value < target) == rising;
            const int halved = later ? MathUtil::bisectUpper(lo, mid, hi) : MathUtil::bisectLower(lo, mid, hi);
            if (!halved) {
                percent = tried;
                return closest ? 1 : 0;
            }
        }
    }

    // Moves both control points along `axis` one pixel at a time until the cubic's rounded
    // coordinate at `percent` equals `target`; 0 when it passes over it. Far targets are
    // approached by one jump that stops at least two pixels short, which ends where the single
    // steps would.
    [[nodiscard]] int shiftControls(int axis, int percent, int target)
    {
        const double t = percent / 100.0;
        const double weight = 3.0 * t * (1.0 - t); // the move of the curve per pixel of shift
        const double start = at(percent, axis);
        int value = roundHalfUp(start);
        if (value == target)
            return 1;
        if (!(weight > 0.0))
            return 0;
        const int direction = value < target ? 1 : -1;
        long long shift = static_cast<long long>((std::fabs(target - start) - 3.0) / weight);
        if (shift < 0)
            shift = 0;
        for (;;) {
            move(axis, direction * shift);
            value = roundHalfUp(at(percent, axis));
            if (value == target)
                return 1;
            if (direction > 0 ? value > target : value < target)
                return 0;
            shift = 1;
        }
    }

    void move(int axis, long long by)
    {
        if (axis) {
            c1.y = static_cast<int>(c1.y + by);
            c2.y = static_cast<int>(c2.y + by);
        } else {
            c1.x = static_cast<int>(c1.x + by);
            c2.x = static_cast<int>(c2.x + by);
        }
    }
};

// Whether the cubic from s[i] to s[k], with its control points moved to pass the middle stroke
// point, keeps every stroke point between them within 1 pixel across its main direction.
bool segmentFits(const IntPoint* s, int i, int k, StrokeCubic& cubic)
{
    const int m = (i + k) / 2;
    if (!(i < m && m < k))
        return false;
    // Measured along the axis on which the segment runs farther; compared across it.
    const int main = cubic.d.isMoreVertical(cubic.a) ? 1 : 0;
    const int across = 1 - main;
    int percent = 0;
    if (!cubic.findPercent(main, StrokeCubic::along(s[m], main), false, percent))
        return false;
    if (!cubic.shiftControls(across, percent, StrokeCubic::along(s[m], across)))
        return false;
    for (int q = i + 1; q < k; ++q) {
        (void)cubic.findPercent(main, StrokeCubic::along(s[q], main), true, percent); // closest: always 1
        const int value = roundHalfUp(cubic.at(percent, across));
        if (std::abs(value - StrokeCubic::along(s[q], across)) >= 2)
            return false;
    }
    return true;
}

} // namespace

int BezierFlattener::fitStroke(IntPointList& stroke, IntPointList& result)
{
    const int n = stroke.count;
    if (n < 3)
        return 0;
    BlockLock lock(stroke);
    const IntPoint* s = lock.data<IntPoint>();
    if (!s)
        return 0;
    auto tooFar = [](int v) { return v > kMaxStrokeCoordinate || v < -kMaxStrokeCoordinate; };
    for (int i = 0; i < n; ++i)
        if (tooFar(s[i].x) || tooFar(s[i].y))
            return 0;

    // Built apart, so that a failed append leaves the result as it was.
    IntPointList path;
    if (!path.addPoint(s[0]))
        return 0;
    for (int i = 0; i < n - 1;) {
        const IntPoint& a = s[i];
        int j = i + 2 < n - 1 ? i + 2 : n - 1;
        StrokeCubic best{a, {}, {}, s[j]};
        best.c1.interpolate(a, s[j], 1, 3);
        best.c2.interpolate(a, s[j], 2, 3);
        // The segment grows while a cubic still follows the stroke; never to the last point.
        for (int k = j; k < n - 1; ++k) {
            StrokeCubic trial{a, {}, {}, s[k]};
            trial.c1.interpolate(a, s[k], 1, 3);
            trial.c2.interpolate(a, s[k], 2, 3);
            if (!segmentFits(s, i, k, trial))
                break;
            best = trial;
            j = k;
        }
        if (!path.addPoint(best.c1) || !path.addPoint(best.c2) || !path.addPoint(best.d))
            return 0;
        i = j > i ? j : i + 1;
    }
    return result.copyAll(path);
}
