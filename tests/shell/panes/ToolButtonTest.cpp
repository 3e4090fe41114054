// Tool buttons: their faces and frames drawn into a DIB, hints, and the cells of the page list.
#include <cstring>
#include <string>

#include "platform/BitmapCache.h"
#include "platform/ChildScrollBar.h"
#include "platform/SystemMetrics.h"
#include "tests/shell/panes/PaneFixture.h"
#include "views/PageThumbnailBar.h"

namespace {
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGray = RGB(128, 128, 128);
const COLORREF kGround = RGB(0, 128, 0);

// Cell (column, row) of face bitmap `id` drawn through the cache at (0, 0) of its own surface.
std::unique_ptr<DibSurface> faceCell(BitmapCache& cache, int column, int row)
{
    auto cell = std::make_unique<DibSurface>(ToolButton::kFaceCell, ToolButton::kFaceCell);
    SurfaceWindow target(*cell);
    const int size = ToolButton::kFaceCell;
    EXPECT_TRUE(cache.draw(&target, IntRect::fromEdges(column * size, row * size, (column + 1) * size, (row + 1) * size),
                           IntRect::fromEdges(0, 0, size, size), 1));
    return cell;
}

// The face pixels inside the frame equal the cell's, shifted by `offset`.
int faceMismatches(const DibSurface& drawn, int x, int y, int offset, const DibSurface& cell)
{
    int wrong = 0;
    for (int j = 0; j < ToolButton::kFaceCell - 1; ++j)
        for (int i = 0; i < ToolButton::kFaceCell - 1; ++i)
            wrong += drawn.pixel(x + offset + i, y + offset + j) != cell.pixel(i, j);
    return wrong;
}

std::string label(ToolButton& b, const IntPoint& at = IntPoint(-1, -1))
{
    char text[128];
    b.hintLabel(at, text, sizeof text);
    return text;
}
} // namespace

TEST_F(PaneTest, ButtonsShowTheirFaceStatesAndDockedPanesAnEtchedBorder)
{
    DibSurface surface(800, 120, kGround);
    SurfaceWindow window(surface);
    manager.surface = &window;
    std::unique_ptr<DockPane> drawing = manager.load(1);
    ASSERT_TRUE(drawing);
    drawing->paint();
    ToolButton& line = button(*drawing, 102);
    const IntRect at = line.windowRect();
    ASSERT_EQ(at.left, 100 + 4 + 21 + 4);
    ASSERT_EQ(at.top, 6);

    struct Case {
        const char* state;
        int enabled;
        int selected;
        int tracked;   // -1 redraw, else drawTracked with the cursor over it or not
        int faceId;
        int offset;
        COLORREF topLeft, bottomRight, inner;
    } cases[] = {
        {"raised", 1, 0, -1, 103, 1, kWhite, kBlack, kGray},
        {"pressed", 1, 1, -1, 104, 2, kBlack, kWhite, kGray},
        {"tracked over", 1, 0, 1, 104, 2, kBlack, kWhite, kGray},
        {"tracked off", 1, 1, 0, 103, 1, kWhite, kBlack, kGray},
        {"disabled", 0, 0, -1, 105, 1, kWhite, kBlack, kGray},
        // A disabled button is never drawn pressed while a press is tracked.
        {"disabled tracked", 0, 0, 1, 105, 1, kWhite, kBlack, kGray},
        {"disabled selected", 0, 1, -1, 105, 2, kBlack, kWhite, kGray},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        surface.fill(kGround);
        line.enabled = c.enabled;
        line.selected = c.selected;
        if (c.tracked < 0)
            line.redraw();
        else
            line.drawTracked(c.tracked);
        EXPECT_EQ(surface.pixel(at.left + 10, at.top), c.topLeft);
        EXPECT_EQ(surface.pixel(at.left, at.top + 10), c.topLeft);
        EXPECT_EQ(surface.pixel(at.left + 10, at.bottom - 1), c.bottomRight);
        EXPECT_EQ(surface.pixel(at.right - 1, at.top + 10), c.bottomRight);
        // The gray line lies inside the black one.
        const int pressed = c.topLeft == kBlack;
        EXPECT_EQ(surface.pixel(pressed ? at.left + 1 : at.right - 2, at.top + 10), c.inner);
        BitmapCache* faces = manager.faceBitmap(c.faceId);
        ASSERT_TRUE(faces);
        std::unique_ptr<DibSurface> cell = faceCell(*faces, 2, 1);
        EXPECT_EQ(faceMismatches(surface, at.left, at.top, c.offset, *cell), 0);
        EXPECT_GT(cell->inkCount(0, 0, 18, 18, cell->pixel(0, 0)), 10);
    }

    // The docked pane's etched border: gray outside and white inside at the top and left, the
    // other way round at the bottom and right.
    surface.fill(kGround);
    drawing->paint();
    const IntRect pane = drawing->currentRect();
    ASSERT_EQ(pane.left, 100);
    ASSERT_EQ(pane.width(), 230);
    const struct {
        int x;
        int y;
        COLORREF color;
    } border[] = {{150, 0, kGray},   {150, 1, kWhite}, {100, 16, kGray},  {101, 16, kWhite},
                  {150, 32, kWhite}, {150, 31, kGray}, {329, 16, kWhite}, {328, 16, kGray}};
    for (const auto& b : border)
        EXPECT_EQ(surface.pixel(b.x, b.y), b.color) << b.x << ", " << b.y;
    // Faces come from the manager's caches, loaded once for all panes and paints.
    EXPECT_EQ(manager.faces.count(), 3);
}

TEST_F(PaneTest, HintLabelsShowShortcutsPartsAndPages)
{
    std::unique_ptr<DockPane> drawing = manager.load(1);
    ASSERT_TRUE(drawing);
    ToolButton& line = button(*drawing, 102);
    struct Case {
        int shift;
        int ctrl;
        int key;
        const char* label;
    } cases[] = {
        {0, 1, 103, "線分(Ctrl+F3)"}, {1, 0, 49, "線分(Shift+1)"}, {1, 1, 112, "線分(Shift+Ctrl+F12)"},
        {0, 0, 'A', "線分(A)"},       {0, 0, 0, "線分"},
    };
    for (const Case& c : cases) {
        line.setShortcut(c.shift, c.ctrl, c.key);
        EXPECT_EQ(label(line), c.label);
    }
    std::unique_ptr<DockPane> parts = manager.load(10);
    ASSERT_TRUE(parts);
    ToolButton& list = button(*parts, 149);
    EXPECT_EQ(label(list), "部品");
    list.setPartsName("ねじ");
    EXPECT_EQ(label(list), "ねじ");
    list.setPartsName(nullptr);
    EXPECT_EQ(label(list), "部品");

    // A page pane docked at the right of a 400-pixel band: cells of 61 pixels, 67 apart.
    std::unique_ptr<DockPane> pages = manager.load(13);
    ASSERT_TRUE(pages);
    ToolButton& strip = button(*pages, 163);
    EXPECT_EQ(strip.rect.width(), 87 - getVScrollBarWidth() - 10);
    strip.setPages(1, 3);
    const IntRect first = strip.windowRect();
    const int pitch = strip.rect.width() + 6;
    const struct {
        int index;
        int page;
        const char* label;
    } cells[] = {{0, 1, "ページ 1"}, {2, 3, "ページ 3"}, {3, 4, "ページ 4"}, {4, -1, "ページング"}};
    for (const auto& c : cells) {
        const IntPoint p(first.left + 10, first.top + 10 + c.index * pitch);
        EXPECT_EQ(strip.cellAtPoint(p, nullptr), c.page) << c.index;
        EXPECT_EQ(label(strip, p), c.label) << c.index;
    }
    // Between two cells lies no cell.
    EXPECT_EQ(strip.cellAtPoint(IntPoint(first.left + 10, first.bottom + 3), nullptr), -1);
}

TEST_F(PaneTest, PageCellsFollowTheViewAndScrollOnlyWhenTheCurrentPageLeavesIt)
{
    std::unique_ptr<DockPane> pages = manager.load(13);
    ASSERT_TRUE(pages);
    ToolButton& strip = button(*pages, 163);
    ToolButton& bar = *strip.linkedButton;
    // Cells per view = (list length + 6 - 5) / (cell + 6), the list 2 pixels inside the pane.
    struct View {
        int bandHeight;
        int cells;
    } views[] = {{400, (400 - 4 + 1) / (strip.rect.width() + 6)}, {250, 3}, {70, 1}, {20, 1}, {10, 0}};
    for (const View& v : views) {
        manager.bands[DockPane::kRight].bottom = manager.bands[DockPane::kRight].top + v.bandHeight;
        pages->layoutButtons();
        EXPECT_EQ(strip.cellsPerView(), v.cells) << v.bandHeight;
    }
    // Too short for one cell: no frame is drawn.
    DibSurface surface(800, 500, kGround);
    SurfaceWindow window(surface);
    manager.surface = &window;
    strip.setPages(1, 3);
    strip.drawCellFrames();
    RECT ink;
    EXPECT_FALSE(surface.inkBox(ink, kGround));

    manager.bands[DockPane::kRight].bottom = manager.bands[DockPane::kRight].top + 250;
    pages->layoutButtons();
    ASSERT_EQ(strip.cellsPerView(), 3);
    struct Step {
        int current;
        int count;
        int position;
    } steps[] = {
        {1, 10, 0},  // page 1 is in view
        {2, 10, 0},  // so is page 2: the view's last cell but one
        {3, 10, 2},  // page 3 is not: it becomes the first visible
        {4, 10, 2},
        {10, 10, 8}, // at most count + 1 - cells per view
        {9, 10, 8},  // capped: set anew even though in view
        {5, 10, 4},
        {1, 1, 0},   // never below 0
    };
    for (const Step& s : steps) {
        strip.setPages(s.current, s.count);
        EXPECT_EQ(bar.scrollPosition(), s.position) << s.current << " of " << s.count;
        EXPECT_EQ(bar.scrollState[2], s.count + 1);
        EXPECT_EQ(bar.scrollState[3], 3);
        EXPECT_EQ(strip.firstVisible(), s.position);
    }
    // The last drawing closed: the strip and its bar start again at page 1 of 1.
    PageThumbnailBar pageBar;
    pageBar.setPane(&strip);
    strip.setPages(10, 10);
    pageBar.refresh(nullptr);
    EXPECT_EQ(bar.scrollPosition(), 0);
    EXPECT_EQ(bar.scrollState[2], 2);
    // The cells start at the first visible page: current raised, the others sunken, one empty
    // cell after the last page.
    strip.setPages(9, 10);
    surface.fill(kGround);
    strip.drawCellFrames();
    const COLORREF tops[] = {kWhite, kBlack, kBlack};   // pages 9, 10 and the empty 11th
    IntRect cell;
    for (int index = 0; index < 3; ++index) {
        ASSERT_TRUE(strip.cellRectWithin(index, cell, 1));
        EXPECT_EQ(surface.pixel(cell.left + 5, cell.top), tops[index]) << index;
    }
    EXPECT_EQ(strip.cellAtPoint(IntPoint(cell.left + 5, cell.top + 5), nullptr), 11);
    EXPECT_FALSE(strip.cellRectWithin(3, cell, 1));

    // A parts list scrolls to the selected part and stays where it is without one.
    std::unique_ptr<DockPane> parts = manager.load(10);
    ToolButton& list = button(*parts, 149);
    parts->restore();
    parts->layoutButtons();
    list.setPartsRange(5, 20);
    EXPECT_EQ(list.firstVisible(), 4);
    list.setPartsRange(-1, 20);
    EXPECT_EQ(list.firstVisible(), 4);
    EXPECT_EQ(list.linkedButton->scrollState[2], 20);
    // Floating, the pane has a scroll bar control of its own, which shows the same.
    parts->floatAt(IntRect::fromEdges(100, 100, 187, 430));
    ChildScrollBar* control = list.linkedButton->scrollBar;
    ASSERT_TRUE(control && control->barWindow);
    list.setPartsRange(9, 30);
    SCROLLINFO shown = {};
    shown.cbSize = sizeof shown;
    shown.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(control->barWindow, SB_CTL, &shown));
    EXPECT_EQ(shown.nPos, 8);
    EXPECT_EQ(shown.nMax, 29);
    EXPECT_EQ(static_cast<int>(shown.nPage), list.cellsPerView());
    EXPECT_EQ(list.firstVisible(), 8);
}
