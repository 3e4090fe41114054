// Every frame resize and every pane drag lays the bands out: the time of one relayout of the 13
// string-table panes plus 40 more button panes spread over the four bands, after the frame
// changed size; the time of one drag step (the band under the cursor and the pane's size there)
// and of one drop that docks a pane and packs its band.
//   scripts/wine-run build/bench/WorkspaceLayoutBench.exe
#include <cstdio>

#include "BenchHarness.h"
#include "platform/StringUtil.h"
#include "shell/panes/BandLayout.h"
#include "shell/panes/DockPane.h"
#include "shell/panes/WorkspaceLayout.h"
#include "tests/support/TestApplication.h"

namespace {
const int kStartUpOrder[] = {1, 2, 3, 4, 6, 7, 8, 9, 5, 10, 11, 12, 13};

// Button panes of definitions 1 to 9 (not the navigator), renamed, docked round the four bands.
void addTestPanes(WorkspaceLayout& layout, int count)
{
    const int buttonPanes[] = {1, 2, 3, 4, 6, 7, 8, 9};
    for (int i = 0; i < count; ++i) {
        auto* pane = new DockPane;
        pane->manager = &layout;
        pane->paneId = ++layout.nextPaneId;
        if (!pane->loadDefinition(buttonPanes[i % 8])) {
            delete pane;
            continue;
        }
        char name[32];
        StringUtil::copy(name, "test ");
        StringUtil::appendInt(name, sizeof name, i);
        StringUtil::copy(pane->name, name);
        pane->position = 1 + i % 4;
        pane->dockPoint.set(37 * i % 700, 33 * (i % 3));
        pane->layoutButtons();
        layout.panes.push_back(pane);
    }
}
} // namespace

int main()
{
    TestApplication app;
    RecordingFrame frame;
    app->frame = &frame;
    if (!frame.create()) {
        std::printf("no frame\n");
        return 1;
    }
    MoveWindow(frame.hwnd(), 0, 0, 1280, 1000, TRUE);
    auto* layout = new WorkspaceLayout;
    app->workspaceLayout = layout;
    for (int id : kStartUpOrder)
        (void)layout->addPane(id); // a pane that cannot be made is left out, as at start-up
    addTestPanes(*layout, 40);
    layout->arrangeAllBands();
    std::printf("%d panes\n", layout->paneCount());

    int wide = 0;
    BenchResult sizeOnly = runBenchmark("the frame's resize alone", [&] {
        wide = !wide;
        MoveWindow(frame.hwnd(), 0, 0, wide ? 1280 : 900, wide ? 1000 : 800, FALSE);
    }, 200);
    std::printf("%-40s %8.1f us (min %.1f us)\n", sizeOnly.name, sizeOnly.medianSeconds * 1e6,
                sizeOnly.minSeconds * 1e6);
    BenchResult relayout = runBenchmark("relayout alone", [&] { layout->relayoutBands(); }, 200);
    std::printf("%-40s %8.1f us (min %.1f us)\n", relayout.name, relayout.medianSeconds * 1e6,
                relayout.minSeconds * 1e6);
    BenchResult resize = runBenchmark("relayout after a frame resize", [&] {
        wide = !wide;
        MoveWindow(frame.hwnd(), 0, 0, wide ? 1280 : 900, wide ? 1000 : 800, FALSE);
        layout->relayoutBands();
    }, 200);
    std::printf("%-40s %8.1f us (min %.1f us)\n", resize.name, resize.medianSeconds * 1e6, resize.minSeconds * 1e6);

    DockPane* dragged = layout->paneByDefinitionId(1);
    IntPoint cursor(300, 10);
    frame.clientToScreen(cursor);
    band_layout::PaneDrag drag(dragged->currentRect(), cursor, dragged->position);
    int step = 0;
    BenchResult move = runBenchmark("one drag step", [&] {
        ++step;
        const IntPoint at(cursor.x + step % 400, cursor.y + (step * 7) % 900);
        const int band = layout->bandAtPoint(dragged, at);
        IntRect size;
        if (band != drag.band())
            dragged->rectFor(band, size);
        (void)drag.step(at, band, IntPoint(size.width(), size.height()));
    }, 2000);
    std::printf("%-40s %8.1f us (min %.1f us)\n", move.name, move.medianSeconds * 1e6, move.minSeconds * 1e6);

    int band = 0;
    BenchResult drop = runBenchmark("drop: dock and pack the band", [&] {
        band = band % 4 + 1;
        IntRect r = dragged->currentRect();
        r.moveTo(40 + band * 10, 300);
        frame.clientToScreenRect(r);
        layout->dockAt(band, dragged, r);
    }, 200);
    std::printf("%-40s %8.1f us (min %.1f us)\n", drop.name, drop.medianSeconds * 1e6, drop.minSeconds * 1e6);

    app->workspaceLayout = nullptr;
    delete layout;
    app->frame = nullptr;
    return 0;
}
