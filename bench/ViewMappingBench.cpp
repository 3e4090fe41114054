// The view mapping as every shape uses it: 1,000,000 drawing points mapped to device pixels
// through the ViewParams interface, plain and clamped, and device points mapped back, on a
// drawing at 1:100 with a crop band, a 10 mm margin, zoom 3.3 and scroll offsets. Each line
// gives nanoseconds per point (the target is under 50).
#include <cstdio>
#include <vector>

#include "BenchHarness.h"
#include "document/DocumentContext.h"
#include "document/SheetSettings.h"
#include "views/ViewMapping.h"

namespace {
const int kPoints = 1000000;
}

int main()
{
    DocumentContext context;
    auto* sheet = new SheetSettings; // the context owns its members
    sheet->setScaleDenominator(100);
    (void)sheet->setTonboWidth(SheetSettings::kLeft, 10.0); // a sane width is always taken
    context.paper = sheet;
    auto* mapping = new ViewMapping;
    mapping->marginX = mapping->marginY = 10.0;
    mapping->zoom = 3.3;
    mapping->scrollX = 120;
    mapping->scrollY = -40;
    context.view = mapping;
    context.linkManagers();
    ViewParams* view = context.view;

    std::vector<double> xs(kPoints), ys(kPoints);
    std::vector<IntPoint> devices(kPoints);
    unsigned seed = 2024u;
    for (int i = 0; i < kPoints; ++i) {
        seed = seed * 1103515245u + 12345u;
        xs[i] = ((seed >> 8) & 0xFFFF) * 0.5 - 2000.0; // -2 m .. 30 m of drawing at 1:100
        seed = seed * 1103515245u + 12345u;
        ys[i] = ((seed >> 8) & 0xFFFF) * 0.4 - 1000.0;
        devices[i].set(static_cast<int>(seed % 1600) - 100, static_cast<int>((seed >> 11) % 1200) - 100);
    }

    long long sink = 0;
    const double perPoint = 1e9 / kPoints;
    BenchResult plain = runBenchmark("world to device", [&] {
        IntPoint p;
        for (int i = 0; i < kPoints; ++i) {
            view->worldToDevice(xs[i], ys[i], &p);
            sink += p.x + p.y;
        }
    });
    BenchResult clamped = runBenchmark("world to device, clamped", [&] {
        IntPoint p;
        for (int i = 0; i < kPoints; ++i) {
            view->worldToDeviceClamped(xs[i], ys[i], &p);
            sink += p.x - p.y;
        }
    });
    BenchResult back = runBenchmark("device to world", [&] {
        double x = 0, y = 0, z = 0;
        for (int i = 0; i < kPoints; ++i) {
            view->deviceToWorld(devices[i], &x, &y, &z);
            sink += static_cast<long long>(x + y);
        }
    });
    for (const BenchResult& r : {plain, clamped, back})
        std::printf("%-26s %6.1f ns per point (median), %6.1f (min)\n", r.name, r.medianSeconds * perPoint,
                    r.minSeconds * perPoint);
    std::printf("(checksum %lld)\n", sink);
    return 0;
}
