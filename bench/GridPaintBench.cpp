// The grid painted into a 1024 x 768 DIB section at 8 pixels per grid step, as dots and as a mesh,
// with the origin inside the view and 10 km outside it: milliseconds per paint. Grid positions are
// found by division from the origin, so the origin far away must cost no more than the one in view
// (within 10 %); the mesh with its origin in view splits every line into a plus and a minus part,
// so it draws about twice the segments and may well cost more. Then
// snapping 10^6 coordinates: nanoseconds per snap, the same for values near and far from the
// origin.
#include <cstdio>
#include <windows.h>

#include "BenchHarness.h"
#include "document/DocumentContext.h"
#include "document/DrawingGrid.h"
#include "document/SheetSettings.h"
#include "tests/support/LinearView.h"
#include "tests/support/SurfaceUpdater.h"

namespace {

const int kWidth = 1024;
const int kHeight = 768;
const int kPaintsPerRun = 20;
const int kSnaps = 1000000;

} // namespace

int main()
{
    DocumentContext context;
    auto* paper = new SheetSettings;
    auto* view = new LinearView;
    auto* updater = new SurfaceUpdater(kWidth, kHeight);
    auto* grid = new DrawingGrid;
    context.paper = paper;
    context.view = view;
    context.updater = updater;
    context.grid = grid;
    paper->setOwner(&context);
    grid->setOwner(&context);
    // A sheet larger than the window, seen at one pixel per millimetre from (100, 100).
    if (!paper->setSize(2000.0, 2000.0)) {
        std::printf("the sheet size was refused\n");
        return 1;
    }
    view->client = IntRect::fromEdges(0, 0, kWidth, kHeight);
    view->scale = 1.0;
    view->originX = 100.0;
    view->originY = 100.0;
    grid->xNumerator = grid->yNumerator = 8.0; // 8 pixels
    grid->originDesign = DrawingGrid::kPlusMark;

    struct Case {
        const char* name;
        int kind;
        double origin;
    };
    const Case cases[] = {
        {"dots, origin in view", DrawingGrid::kDots, 600.0},
        {"dots, origin 10 km away", DrawingGrid::kDots, -1e7},
        {"mesh, origin in view", DrawingGrid::kMesh, 600.0},
        {"mesh, origin 10 km away", DrawingGrid::kMesh, -1e7},
    };
    int painted = 1;
    double inView = 0.0;
    for (const Case& c : cases) {
        grid->kind = c.kind;
        grid->xOrigin = grid->yOrigin = c.origin;
        const BenchResult r = runBenchmark(c.name, [&] {
            for (int i = 0; i < kPaintsPerRun; ++i)
                painted &= grid->paint();
            GdiFlush();
        });
        const double ms = r.medianSeconds * 1e3 / kPaintsPerRun;
        const bool away = c.origin < 0.0;
        if (!away)
            inView = ms;
        std::printf("%-28s median %7.4f ms  min %7.4f ms per paint", r.name, ms, r.minSeconds * 1e3 / kPaintsPerRun);
        if (away)
            std::printf("  %+6.1f %% against the origin in view", 100.0 * (ms - inView) / inView);
        std::printf("\n");
    }

    grid->kind = DrawingGrid::kDots;
    grid->xOrigin = 0.5;
    const double spans[] = {1e3, 1e9};
    for (double span : spans) {
        double sum = 0.0;
        const BenchResult r = runBenchmark(span < 1e6 ? "snap within 1 m" : "snap within 1000 km", [&] {
            for (int i = 0; i < kSnaps; ++i)
                sum += grid->snapX(span * (i / static_cast<double>(kSnaps)) - span / 2.0);
        });
        std::printf("%-28s median %7.2f ns  min %7.2f ns per snap  (sum %g)\n", r.name, r.medianSeconds * 1e9 / kSnaps,
                    r.minSeconds * 1e9 / kSnaps, sum);
    }
    if (!painted) {
        std::printf("the grid was not painted\n");
        return 1;
    }
    return 0;
}
