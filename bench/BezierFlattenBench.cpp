// Flattening a Bezier path of 1,000, 10,000 and 100,000 cubic segments into its polyline (25
// points per segment). Prints output points per second and the time per segment, which stays
// flat when the time grows linearly with the segments.
#include <cmath>
#include <cstdio>

#include "BenchHarness.h"
#include "geometry/BezierFlattener.h"

int main()
{
    for (int segments : {1000, 10000, 100000}) {
        PointArray path;
        for (int i = 0; i <= 3 * segments; ++i)
            if (!path.appendXY(i, 30.0 * std::sin(0.2 * i))) {
                std::printf("could not build a path of %d segments\n", segments);
                return 1;
            }
        BezierFlattener flattener;
        int failures = 0;
        char name[64];
        std::snprintf(name, sizeof name, "flatten %d segments", segments);
        BenchResult r = runBenchmark(name, [&] { failures += flattener.run(&path, 0) != 1; }, segments >= 100000 ? 5 : 15);
        const int points = flattener.output().count;
        printRate(r, points, "points/s");
        std::printf("%-40s %8.1f ns per segment, %d output points, %d failures\n", name,
                    r.medianSeconds * 1e9 / segments, points, failures);
    }
    return 0;
}
