// Evaluating the spline curve as painting and output do: 30, 60 and 120 points at 20 samples per
// span, the same curve object and output list every time. Prints microseconds per evaluation and
// whether the repeated evaluations allocated work arrays again.
#include <cmath>
#include <cstdio>

#include "BenchHarness.h"
#include "geometry/BSplineCurve.h"
#include "geometry/PointArray.h"

int main()
{
    const int repeats = 200;
    for (int n : {30, 60, 120}) {
        PointArray points, output;
        for (int i = 0; i < n; ++i)
            if (!points.appendXY(3.0 * i, 40.0 * std::sin(0.4 * i))) {
                std::printf("could not build %d points\n", n);
                return 1;
            }
        BSplineCurve curve;
        curve.setSamplesPerSpan(20);
        if (!curve.evaluate(&points, &output)) {
            std::printf("evaluation of %d points failed\n", n);
            return 1;
        }
        const int allocationsBefore = curve.allocationCount();
        const int outputCapacity = output.capacity;
        char name[64];
        std::snprintf(name, sizeof name, "evaluate %d points x %d", n, repeats);
        int failures = 0;
        BenchResult r = runBenchmark(name, [&] {
            for (int k = 0; k < repeats; ++k)
                failures += !curve.evaluate(&points, &output);
        }, 15);
        std::printf("%-40s %8.1f us per evaluation (min %.1f), %d output points, %d failures, "
                    "work arrays allocated again: %d, output grown: %s\n",
                    name, r.medianSeconds * 1e6 / repeats, r.minSeconds * 1e6 / repeats, output.count, failures,
                    curve.allocationCount() - allocationsBefore, output.capacity != outputCapacity ? "yes" : "no");
    }
    return 0;
}
