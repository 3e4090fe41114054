#include "views/RulerScale.h"

#include <cmath>

namespace {
// A step this many times larger than the unit is no ruler any more (a mapping that gives no
// pixels, or lengths beyond any sheet): the search gives up rather than loop.
const int kMaxRounds = 200;
const double kMinTickPixels = 4.0;
const double kMinTenPixels = 8.0;
const double kLabelSpacing = 70.0;
// More ticks than any window can show: a walk stops here.
const long long kMaxTicks = 100000;
} // namespace

int computeRulerScale(double unitLength, double (*toPixels)(double, void*), void* mapping, RulerScale& out)
{
    out = RulerScale();
    if (!(unitLength > 0.0) || !std::isfinite(unitLength) || !toPixels)
        return 0;
    double step = unitLength;
    int kind = 0;
    double px = toPixels(step, mapping);
    // Five times, then twice, until the ticks are 4 (after five times) or 8 (after twice)
    // pixels apart.
    for (int round = 0; px < kMinTickPixels || kind == 2; ++round) {
        if (round >= kMaxRounds || !std::isfinite(step))
            return 0;
        step *= 5.0;
        kind = 1;
        px = toPixels(step, mapping);
        if (px >= kMinTickPixels)
            break;
        step *= 2.0;
        kind = 2;
        px = toPixels(step, mapping);
        if (px >= kMinTenPixels)
            break;
    }
    int n = 1;
    if (px >= 1.0 && px <= kLabelSpacing) {
        if (kind == 1) {
            if (px < kLabelSpacing)
                n = 2;
        } else if (kind == 2) {
            n = static_cast<int>(std::ceil(kLabelSpacing / px));
        } else if (px < kLabelSpacing) {
            n = 5 * px < kLabelSpacing ? 10 : 5;
        }
        for (int times5 = 1; n * px < kLabelSpacing; times5 = !times5)
            n *= times5 ? 5 : 2;
    }
    out.step = step;
    out.kind = kind;
    out.pixels = px;
    out.labelEvery = n;
    return 1;
}

int walkRulerTicks(const RulerTickWalk& walk, void (*visit)(long long index, int at, void* data), void* data)
{
    if (!walk.toDevice || !walk.toWorld || !(walk.step > 0.0) || walk.last < walk.first)
        return 0;
    const double signedStep = walk.direction < 0 ? -walk.step : walk.step;
    const double a = (walk.toWorld(walk.first, walk.mapping) - walk.origin) / signedStep;
    const double b = (walk.toWorld(walk.last, walk.mapping) - walk.origin) / signedStep;
    if (!std::isfinite(a) || !std::isfinite(b))
        return 0;
    // One tick more on each side, so that a tick on the edge is never lost to rounding.
    const long long lo = static_cast<long long>(std::floor(a < b ? a : b)) - 1;
    const long long hi = static_cast<long long>(std::ceil(a < b ? b : a)) + 1;
    int count = 0;
    for (long long i = lo; i <= hi && i - lo < kMaxTicks; ++i) {
        const int at = walk.toDevice(walk.origin + signedStep * static_cast<double>(i), walk.mapping);
        if (at < walk.first || at > walk.last)
            continue;
        visit(i, at, data);
        ++count;
    }
    return count;
}

int rulerTickLength(int kind, long long index, int thickness)
{
    switch (kind) {
    case 1:
        return index % 2 == 0 ? thickness / 2 : thickness / 3;
    case 2:
        return thickness / 2;
    default:
        if (index % 10 == 0)
            return thickness / 2;
        return index % 5 == 0 ? thickness / 3 : thickness / 4;
    }
}
