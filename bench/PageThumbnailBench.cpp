// The page bar over a drawing of 100 pages of 1,000 stored lines each, drawn by the real element
// editor: every thumbnail rendered (the cache empty), then every thumbnail again from the cache.
// Milliseconds per page for each pass and the pages the cached pass rendered (none is the
// target; under 5 ms per cached page).
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "BenchHarness.h"
#include "document/Element.h"
#include "document/ElementMaskIndex.h"
#include "document/PageList.h"
#include "elements/ElementKindRegistry.h"
#include "tests/views/PaintTestDrawing.h"
#include "views/PagePane.h"
#include "views/PageThumbnailBar.h"

using namespace paint_test;

namespace {

const int kPages = 100;
const int kLinesPerPage = 1000;

// One cell of 61 pixels per page down a tall window, as a page pane docked at the right.
class TallPane : public PagePane {
public:
    int isPaneShown() override { return 1; }
    int panePosition() override { return 3; }
    Window* paneWindow() override { return &window; }
    void setPages(int, int newCount) override { count = newCount; }
    int firstVisible() override { return 0; }
    void setFirstVisible(int) override {}
    int cellRectWithin(int index, IntRect& cell, int extra) override
    {
        if (index < 0 || index >= count + extra || index >= kPages)
            return 0;
        cell = IntRect::fromEdges(5, 5 + 67 * index, 66, 66 + 67 * index);
        return 1;
    }
    int cellAtPoint(const IntPoint&, IntRect*) override { return -1; }
    void listArea(IntRect& area) override { area = IntRect::fromEdges(0, 0, 80, 67 * kPages + 10); }
    void drawCellFrames() override {}
    int isScrolling() override { return 0; }
    void thumbnailRect(IntRect& out) override { out = IntRect::fromEdges(5, 5, 66, 66); }

    DibWindow window{80, 67 * kPages + 10};
    int count = 1;
};

} // namespace

int main()
{
    std::unique_ptr<ElementKindRegistry> registry(makeKindRegistry());
    theKindRegistry = registry.get();
    {
        PaintTestDrawing d(1024, 768);
        d.context.pages = new PageList;
        d.context.maskIndex = new ElementMaskIndex;
        delete d.context.editor1;
        d.context.editor1 = newElementEditor();
        d.context.linkManagers();
        std::unique_ptr<ElementEditorBase> maker(newElementEditor());
        maker->setOwner(&d.context);
        std::srand(7);
        // Lines of up to 20 mm over the sheet, page by page.
        for (int page = 1; page <= kPages; ++page) {
            d.context.pages->setCurrent(page);
            for (int i = 0; i < kLinesPerPage; ++i) {
                if (!maker->startNewElement(kindCode(ElementKind::Line)))
                    return 1;
                Element* line = maker->elementInHand();
                const double x = std::rand() % 2800 / 10.0, y = std::rand() % 1900 / 10.0;
                line->firstPoint()->x = x, line->firstPoint()->y = y;
                line->secondPoint()->x = x + std::rand() % 200 / 10.0, line->secondPoint()->y = y + std::rand() % 200 / 10.0;
                if (maker->addToPage() < 1)
                    return 1;
            }
        }
        d.context.pages->setCurrent(1);

        TallPane pane;
        PageThumbnailBar bar;
        thePageTabBar = &bar;
        bar.setPane(&pane);
        bar.setContext(&d.context);

        double start = benchNow();
        bar.refresh(&d.context); // the cache emptied, every page rendered
        GdiFlush();
        const double rendered = benchNow() - start;
        const int rendersBefore = bar.renders;
        pane.window.screen.fill(RGB(255, 255, 255));
        start = benchNow();
        bar.redrawAll(&d.context);
        GdiFlush();
        const double cached = benchNow() - start;

        // The cached pass drew what the rendering did: ink in every cell.
        int emptyCells = 0;
        for (int page = 0; page < kPages; ++page) {
            const int top = 5 + 67 * page;
            if (pane.window.screen.inkCount(5, top, 45, top + 40) < 100) // above the page number
                ++emptyCells;
        }
        std::printf("%d pages of %d lines (%d cells with little ink)\n", kPages, kLinesPerPage, emptyCells);
        std::printf("%-44s %9.3f ms per page (%d pages rendered)\n", "rendered (empty cache)", rendered * 1e3 / kPages,
                    rendersBefore);
        std::printf("%-44s %9.3f ms per page (%d pages rendered)\n", "from the cache", cached * 1e3 / kPages,
                    bar.renders - rendersBefore);
        thePageTabBar = nullptr;
    }
    theKindRegistry = nullptr;
    return 0;
}
