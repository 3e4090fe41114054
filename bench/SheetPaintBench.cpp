// The sheet with its crop-mark and margin bands, edge lines, surround and shadow, painted into a
// 1024 x 768 DIB section: milliseconds per paint with the whole A4 sheet in the window (72 dpi,
// zoom 1) and zoomed in until the sheet is 100 times the window's width. The mapping is clamped,
// so a paint costs what it fills inside the window, whatever the zoom: the line for the margin
// line fills about as many pixels as zoom 1 and should cost the same; on the corner the bands
// fill the whole window (and overlap), and the cost per pixel should stay the same. Each line
// gives the pixels a paint changes and its difference from zoom 1.
#include <cstdio>
#include <windows.h>

#include "BenchHarness.h"
#include "document/DocumentContext.h"
#include "document/SheetSettings.h"
#include "tests/support/LinearView.h"
#include "tests/support/SurfaceUpdater.h"

namespace {

const int kWidth = 1024;
const int kHeight = 768;
const int kPaintsPerRun = 20;

// The pixels a paint changes: the surface is filled first with a colour no paint uses.
int paintedPixels(SheetSettings& paper, DibSurface& surface)
{
    const COLORREF unpainted = RGB(1, 2, 3);
    surface.fill(unpainted);
    (void)paper.paintSheet(); // the timed paints check the result
    GdiFlush();
    return surface.inkCount(0, 0, kWidth, kHeight, unpainted);
}

} // namespace

int main()
{
    DocumentContext context;
    auto* paper = new SheetSettings;
    auto* view = new LinearView;
    auto* updater = new SurfaceUpdater(kWidth, kHeight);
    context.paper = paper;
    context.view = view;
    context.updater = updater;
    paper->setOwner(&context);
    view->client = IntRect::fromEdges(0, 0, kWidth, kHeight);
    for (int side = SheetSettings::kTop; side <= SheetSettings::kBottom; ++side) {
        (void)paper->setTonboWidth(static_cast<SheetSettings::Side>(side), 5.0); // finite: always taken
        (void)paper->setYohakuWidth(static_cast<SheetSettings::Side>(side), 10.0);
    }
    paper->tonboAreaColour.setPaleGray();
    paper->yohakuAreaColour.setYellow();

    // Each view: its scale (pixels per drawing unit) and the drawing point at the window's
    // top-left corner.
    struct View {
        const char* name;
        double scale, originX, originY;
    };
    const double w = paper->horizontalSizeInDrawing();
    const double h = paper->verticalSizeInDrawing();
    const double zoomed = 100.0 * kWidth / w; // the sheet 100 times the window's width
    const View views[] = {
        // Zoom 1 at 72 dpi: the A4 sheet and its bands with surround all round.
        {"zoom 1, the whole sheet", 72.0 / 25.4, -40.0, -30.0},
        // The window on the margin line of the right side: about as many pixels as at zoom 1.
        {"100 x the window, on the margin line", zoomed, w - 10.0 - 500.0 / zoomed, h / 2.0},
        // The window on the sheet's bottom-right corner: the bands fill the whole window.
        {"100 x the window, on the corner", zoomed, w - 700.0 / zoomed, h - 500.0 / zoomed},
    };
    int painted = 1;
    double first = 0.0;
    for (const View& v : views) {
        view->scale = v.scale;
        view->originX = v.originX;
        view->originY = v.originY;
        const int pixels = paintedPixels(*paper, updater->surface);
        const BenchResult r = runBenchmark(v.name, [&] {
            for (int i = 0; i < kPaintsPerRun; ++i)
                painted &= paper->paintSheet();
        });
        const double ms = r.medianSeconds * 1e3 / kPaintsPerRun;
        if (first == 0.0)
            first = ms;
        std::printf("%-40s median %7.4f ms  min %7.4f ms per paint  %7d pixels  %5.2f ns/pixel  %+6.1f %%\n",
                    r.name, ms, r.minSeconds * 1e3 / kPaintsPerRun, pixels, ms * 1e6 / pixels,
                    100.0 * (ms - first) / first);
    }
    if (!painted) {
        std::printf("the sheet was not painted\n");
        return 1;
    }
    return 0;
}
