// Repainting the pane of a parts library of 200 parts whose pictures are cached: the list area
// cleared, each cell's picture copied, the frames drawn. No part file may be opened: the bench
// counts the part contexts made meanwhile and reports them.
#include <cstdio>
#include <string>
#include <vector>

#include "BenchHarness.h"
#include "document/DocumentContext.h"
#include "document/PartsLibrary.h"
#include "document/PartsPane.h"
#include "platform/DeviceContext.h"
#include "tests/support/DibSurface.h"

namespace {

const int kParts = 200;
const int kColumns = 10;
const int kCell = 58;
const int kStep = 64;

int contextsMade = 0;

// Every context has a file editor: counting its making counts the contexts (there is no editor
// to make here).
ElementEditorBase* countingEditor(DocumentContext&)
{
    ++contextsMade;
    return nullptr;
}

// Every part visible: 20 rows of 10 cells.
class GridPane : public PartsPane {
public:
    GridPane() { dc.attachHdc(pixels.hdc); }
    ~GridPane() override { dc.detachHdc(); }
    void setPartsRange(int, int newCount) override { count = newCount; }
    void setPartsName(const char*) override {}
    int firstVisible() override { return 0; }
    int cellRect(int index, IntRect& cell) override
    {
        if (index < 0 || index >= count)
            return 0;
        const int left = 6 + index % kColumns * kStep;
        const int top = 6 + index / kColumns * kStep;
        cell = IntRect::fromEdges(left, top, left + kCell, top + kCell);
        return 1;
    }
    int cellAtPoint(const IntPoint&) override { return -1; }
    DeviceContext* surface() override { return &dc; }
    void listArea(IntRect& area) override { area = IntRect::fromEdges(0, 0, pixels.width, pixels.height); }
    void drawCellFrames() override {}
    void repaint() override {}
    void openContextMenu() override {}

    DibSurface pixels{kColumns * kStep + 12, (kParts / kColumns) * kStep + 12};
    DeviceContext dc;
    int count = 0;
};

} // namespace

int main()
{
    documentMemberFactories.editor4 = countingEditor;
    PartsLibrary library(1);
    GridPane pane;
    library.setPane(&pane);
    for (int i = 0; i < kParts; ++i) {
        const std::string path = "c:\\parts\\part" + std::to_string(i) + ".ycx";
        if (!library.addPart(path.c_str()))
            std::printf("unexpected: part %d not listed\n", i);
    }
    std::vector<unsigned char> picture(PartThumbnails::kBytes);
    for (int i = 0; i < kParts; ++i) {
        for (size_t b = 0; b < picture.size(); ++b)
            picture[b] = static_cast<unsigned char>(b * 7 + i);
        if (!library.thumbnails.store(i, picture.data()))
            std::printf("unexpected: picture %d not cached\n", i);
    }
    BenchResult repaint = runBenchmark("repaint a pane of 200 cached parts", [&] { library.paintPane(); }, 21);
    printRate(repaint, 1.0, "repaints/s");
    // The last cell shows its picture, not the face colour of the cleared pane.
    IntRect last;
    if (!pane.cellRect(kParts - 1, last) ||
        pane.pixels.inkCount(last.left, last.top, last.right, last.bottom, GetSysColor(COLOR_BTNFACE)) < 1000)
        std::printf("unexpected: the last picture was not drawn\n");
    std::printf("part files opened while repainting: %d\n", contextsMade);
    return contextsMade == 0 ? 0 : 1;
}
