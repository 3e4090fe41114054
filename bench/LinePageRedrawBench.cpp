// A page of 20,000 stored line elements drawn by the real element editor on a 1024 x 768 view at
// zoom 1 (72 dpi): a full redraw of the page, and a scroll by one line of the scroll bars (a
// 16-pixel strip). Every element of the page is visited either way; the strip passes over those
// whose stored extent misses it before they are built from their records. Milliseconds per
// operation; the strip should take under a tenth of the full redraw.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "BenchHarness.h"
#include "document/Element.h"
#include "document/ElementMaskIndex.h"
#include "elements/ElementKindRegistry.h"
#include "tests/views/PaintTestDrawing.h"
#include "views/ViewScrollBars.h"

using namespace paint_test;

namespace {

const int kWidth = 1024;
const int kHeight = 768;
const int kLines = 20000;

void report(const BenchResult& r) { std::printf("%-44s %9.3f ms (min %.3f)\n", r.name, r.medianSeconds * 1e3, r.minSeconds * 1e3); }

} // namespace

int main()
{
    std::unique_ptr<ElementKindRegistry> registry(makeKindRegistry());
    theKindRegistry = registry.get();
    {
        PaintTestDrawing d(kWidth, kHeight);
        d.context.scroller = new ViewScrollBars;
        // The drawing's spatial index, where stored elements register their extents.
        d.context.maskIndex = new ElementMaskIndex;
        d.context.maskIndex->setOwner(&d.context);
        // The real editor draws the page.
        delete d.context.editor1;
        d.context.editor1 = newElementEditor();
        d.context.editor1->setOwner(&d.context);
        std::unique_ptr<ElementEditorBase> maker(newElementEditor());
        maker->setOwner(&d.context);
        std::srand(7);
        // Lines of up to 5 mm over the whole window (362 x 271 mm at zoom 1).
        for (int i = 0; i < kLines; ++i) {
            if (!maker->startNewElement(kindCode(ElementKind::Line)))
                return 1;
            Element* line = maker->elementInHand();
            const double x = std::rand() % 3600 / 10.0, y = std::rand() % 2700 / 10.0;
            line->firstPoint()->x = x, line->firstPoint()->y = y;
            line->secondPoint()->x = x + std::rand() % 50 / 10.0, line->secondPoint()->y = y + std::rand() % 50 / 10.0;
            if (maker->addToPage() < 1)
                return 1;
        }

        const BenchResult full = runBenchmark("full redraw, 20,000 lines", [&] {
            d.updater->refreshAll();
            GdiFlush();
        });
        int direction = 1;
        const BenchResult strip = runBenchmark("scroll by one line (16-pixel strip)", [&] {
            // Back and forth, so that the view stays over the lines.
            direction = -direction;
            d.view->scrollX -= direction * 16;
            d.updater->scrollBy(direction * 16, 0);
            GdiFlush();
        }, 40);
        report(full);
        report(strip);
        std::printf("  strip / full = %.3f\n", strip.medianSeconds / full.medianSeconds);
    }
    theKindRegistry = nullptr;
    return 0;
}
