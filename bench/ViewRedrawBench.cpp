// The redraw manager and the rulers on a 1024 x 768 view at 72 dpi: a page of 20,000 stored test
// rectangles drawn through a fake element editor into the document painter (full redraw), the
// same page after a scroll by one line of the scroll bars (a 16-pixel strip: only the rectangles
// meeting the strip are drawn, the others are passed over by their extent), and both rulers
// painted at zoom 100 with the grid origin in view and 10 m away (the first tick is found by
// division, so both walks cost the same; the far labels have six characters instead of one or
// two, which is what the painting then spends). Milliseconds per operation; the strip should take
// under a tenth of the full redraw.
#include <cstdio>
#include <cstdlib>

#include "BenchHarness.h"
#include "geometry/GridSettings.h"
#include "tests/views/PaintTestDrawing.h"
#include "views/RulerScale.h"
#include "views/ViewRulers.h"
#include "views/ViewScrollBars.h"

using namespace paint_test;

namespace {

const int kWidth = 1024;
const int kHeight = 768;
const int kRectangles = 20000;

class OriginGrid : public IdleGrid {
public:
    [[nodiscard]] double originX() const override { return x; }
    [[nodiscard]] double originY() const override { return y; }
    double x = 0.0, y = 0.0;
};

void report(const BenchResult& r) { std::printf("%-44s %9.3f ms (min %.3f)\n", r.name, r.medianSeconds * 1e3, r.minSeconds * 1e3); }

} // namespace

int main()
{
    PaintTestDrawing d(kWidth, kHeight);
    auto* scroller = new ViewScrollBars;
    d.context.scroller = scroller;
    std::srand(7);
    // Rectangles of 2 mm over the whole window (362 x 271 mm at zoom 1).
    for (int i = 0; i < kRectangles; ++i) {
        const double x = std::rand() % 3600 / 10.0, y = std::rand() % 2700 / 10.0;
        d.addRectangle(x, y, x + 2.0, y + 2.0, RgbColor(std::rand() % 256, std::rand() % 256, 128));
    }

    const BenchResult full = runBenchmark("full redraw, 20,000 rectangles", [&] {
        d.updater->refreshAll();
        GdiFlush();
    });
    size_t drawnInStrip = 0;
    int direction = 1;
    const BenchResult strip = runBenchmark("scroll by one line (16-pixel strip)", [&] {
        // Back and forth, so that the view stays over the rectangles.
        direction = -direction;
        d.view->scrollX -= direction * 16;
        d.editor->drawn.clear();
        d.updater->scrollBy(direction * 16, 0);
        GdiFlush();
        drawnInStrip = d.editor->drawn.size();
    }, 40);

    OriginGrid* grid = new OriginGrid;
    d.context.grid = grid;
    ViewRulers rulers;
    rulers.setOwner(&d.context);
    d.view->zoom = 100.0;
    d.view->rulersShown = 1;
    DibSurface screen(kWidth, kHeight);
    DeviceContext dc;
    dc.attachHdc(screen.hdc);
    const IntRect client = IntRect::fromEdges(0, 0, kWidth, kHeight);
    int ticks = 0;
    auto walkBoth = [&] {
        for (int axis = 0; axis < 2; ++axis) {
            RulerScale scale;
            RulerTickWalk walk;
            if (rulers.axisWalk(axis, axis ? rulers.verticalRect() : rulers.horizontalRect(), scale, walk))
                ticks += walkRulerTicks(walk, [](long long, int, void*) {}, nullptr);
        }
    };
    const BenchResult nearRuler = runBenchmark("rulers at zoom 100, origin in view", [&] {
        rulers.paintOn(dc, client);
        GdiFlush();
    });
    const BenchResult nearWalk = runBenchmark("  their tick walk alone", [&] {
        for (int i = 0; i < 1000; ++i)
            walkBoth();
    });
    grid->x = grid->y = 10000.0;
    const BenchResult farRuler = runBenchmark("rulers at zoom 100, origin 10 m away", [&] {
        rulers.paintOn(dc, client);
        GdiFlush();
    });
    const BenchResult farWalk = runBenchmark("  their tick walk alone", [&] {
        for (int i = 0; i < 1000; ++i)
            walkBoth();
    });
    dc.detachHdc();

    report(full);
    report(strip);
    std::printf("  rectangles drawn per strip: %zu of %d; strip / full = %.3f\n", drawnInStrip, kRectangles,
                strip.medianSeconds / full.medianSeconds);
    report(nearRuler);
    std::printf("%-44s %9.6f ms\n", nearWalk.name, nearWalk.medianSeconds * 1e3 / 1000);
    report(farRuler);
    std::printf("%-44s %9.6f ms\n", farWalk.name, farWalk.medianSeconds * 1e3 / 1000);
    std::printf("  far / near: painting %.2f, walk %.2f\n", farRuler.medianSeconds / nearRuler.medianSeconds,
                farWalk.medianSeconds / nearWalk.medianSeconds);
    return 0;
}
