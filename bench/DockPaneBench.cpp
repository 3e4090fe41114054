// Start-up builds the 13 dock panes from the string table, and the frame repaints the docked
// ones often: the time to load all panes with their 64 command definitions, and to paint each
// docked pane (faces from the cached bitmaps) into a DIB section.
//   scripts/wine-run build/bench/DockPaneBench.exe
#include <memory>
#include <vector>

#include "BenchHarness.h"
#include "platform/BitmapCache.h"
#include "shell/panes/DockPane.h"
#include "shell/panes/ToolButton.h"
#include "shell/panes/WorkspaceLayout.h"
#include "tests/support/DibSurface.h"

namespace {

// The pane manager as the panes see it: four bands around an 1024 x 768 client, face bitmaps
// kept, docked panes drawn into one DIB.
class BenchLayout : public WorkspaceLayout {
public:
    void closePane(int) override {}
    void beginMovePane(int) override {}
    void beginResizePane(int, int) override {}
    void onLeftPress() override {}
    void onRightPress() override {}
    void onRightPressOnPane(PaneWindow*, int) override {}
    void onIdle() override {}
    void onMouseMove() override {}
    void onScroll() override {}
    void paint() override {}
    int topEdge() override { return 0; }
    int leftEdge() override { return 0; }
    int rightEdge() override { return 0; }
    int bottomEdge() override { return 0; }
    void hideHint() override {}
    int addPane(int) override { return 0; }
    void arrangeAllBands() override {}
    void setCommandState(int, int) override {}
    int currentCommand() override { return -1; }
    void setCurrentCommand(int) override {}
    void refreshCurrentCommand() override {}
    void restoreCurrentButton() override {}

    IntRect bandArea(int where) override
    {
        static const IntRect bands[5] = {IntRect(), IntRect::fromEdges(0, 0, 1024, 0), IntRect::fromEdges(0, 99, 0, 700),
                                         IntRect::fromEdges(937, 99, 1024, 700), IntRect::fromEdges(0, 700, 1024, 700)};
        return where >= 1 && where <= 4 ? bands[where] : IntRect();
    }
    BitmapCache* faceBitmap(int id) override { return faces.findOrAdd(id, 0, 0); }
    Window* dockWindow() override { return surface; }

    BitmapCacheList faces;
    Window* surface = nullptr;
};

class SurfaceWindow : public Window {
public:
    explicit SurfaceWindow(DibSurface& target) { dc.attachHdc(target.hdc); }
    ~SurfaceWindow() override { dc.detachHdc(); }
};

const int kStartUpOrder[] = {1, 2, 3, 4, 6, 7, 8, 9, 5, 10, 11, 12, 13};

std::vector<std::unique_ptr<DockPane>> loadAll(BenchLayout& layout)
{
    std::vector<std::unique_ptr<DockPane>> panes;
    for (int id : kStartUpOrder) {
        auto pane = std::make_unique<DockPane>();
        pane->manager = &layout;
        if (pane->loadDefinition(id)) {
            pane->layoutButtons();
            panes.push_back(std::move(pane));
        }
    }
    return panes;
}

} // namespace

int main()
{
    BenchLayout layout;
    DibSurface surface(1024, 768);
    SurfaceWindow window(surface);
    layout.surface = &window;

    std::vector<std::unique_ptr<DockPane>> panes = loadAll(layout);
    int buttons = 0;
    for (const auto& pane : panes)
        buttons += pane->buttonCount();
    std::printf("%d panes, %d buttons and separators\n", static_cast<int>(panes.size()), buttons);

    BenchResult load = runBenchmark("load the 13 panes", [&] { (void)loadAll(layout); }, 20);
    std::printf("%-40s %8.3f ms (min %.3f ms)\n", load.name, load.medianSeconds * 1e3, load.minSeconds * 1e3);

    for (const auto& pane : panes) {
        if (!pane->isDocked())
            continue;
        BenchResult paint = runBenchmark("paint", [&] { pane->paint(); GdiFlush(); }, 200);
        std::printf("paint docked pane %2d (%2d buttons)          %8.1f us (min %.1f us)\n", pane->definitionId,
                    pane->buttonCount(), paint.medianSeconds * 1e6, paint.minSeconds * 1e6);
    }
    std::printf("face bitmaps loaded: %d\n", layout.faces.count());
    return 0;
}
