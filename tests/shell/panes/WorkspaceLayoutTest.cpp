// The pane manager's layout: the panes of a first start in their bands, the dock edges and the
// drawings' area, packing and settling, choosing a band while dragging and docking there.
#include <gtest/gtest.h>

#include "platform/ChildScrollBar.h"
#include "platform/MdiClientWindow.h"
#include "shell/panes/BandLayout.h"
#include "tests/shell/panes/LayoutFixture.h"

namespace {
IntRect rect(int left, int top, int right, int bottom) { return IntRect::fromEdges(left, top, right, bottom); }

std::string text(const IntRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}
} // namespace

TEST_F(LayoutTest, AFirstStartDocksThePanesAsDefinedAndTheDrawingsFillTheRest)
{
    // Made in start-up order; a second pane of a definition is refused.
    ASSERT_EQ(layout->paneCount(), 13);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(layout->paneAt(i)->definitionId, kStartUpOrder[i]) << i;
    EXPECT_EQ(layout->addPane(1), 0);
    EXPECT_EQ(layout->paneCount(), 13);

    struct Case {
        int id, position, saved;
    };
    const Case cases[] = {
        {1, DockPane::kTop, 0},   {2, DockPane::kLeft, 0},  {3, DockPane::kLeft, 0},
        {4, DockPane::kLeft, 0},  {5, DockPane::kLeft, 0},  {6, DockPane::kTop, 0},
        {7, DockPane::kTop, 0},   {8, DockPane::kTop, 0},   {9, DockPane::kTop, 0},
        {10, DockPane::kHidden, DockPane::kFloat}, {11, DockPane::kHidden, DockPane::kFloat},
        {12, DockPane::kHidden, DockPane::kFloat}, {13, DockPane::kRight, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pane(c.id).position, c.position) << c.id;
        if (c.position == DockPane::kHidden) {
            EXPECT_EQ(pane(c.id).savedPosition, c.saved) << c.id;
        }
    }

    // No two docked panes of a band overlap; the edges follow the panes.
    const IntRect client = frame.areaAboveStatusBar();
    int top = 0, left = 0, right = client.right, bottom = client.bottom;
    for (int a = 0; a < 13; ++a) {
        DockPane* pa = layout->paneAt(a);
        if (!pa->isDocked())
            continue;
        const IntRect ra = rectOf(pa->definitionId);
        if (pa->position == DockPane::kTop)
            top = std::max(top, ra.bottom - 1);
        if (pa->position == DockPane::kLeft)
            left = std::max(left, ra.right - 1);
        if (pa->position == DockPane::kRight)
            right = std::min(right, ra.left + 1);
        for (int b = a + 1; b < 13; ++b) {
            DockPane* pb = layout->paneAt(b);
            if (pb->position == pa->position) {
                EXPECT_FALSE(ra.intersects(rectOf(pb->definitionId), 0)) << pa->name << " and " << pb->name;
            }
        }
    }
    EXPECT_EQ(top, 32);
    EXPECT_EQ(rectOf(13).right, client.right);
    EXPECT_EQ(layout->topDockEdge(), top);
    EXPECT_EQ(layout->leftDockEdge(), left);
    EXPECT_EQ(layout->rightDockEdge(), right);
    EXPECT_EQ(layout->bottomDockEdge(), bottom);
    EXPECT_EQ(layout->bottomEdge(), 0);
    // The left band starts at the free area's top.
    EXPECT_EQ(layout->bandArea(DockPane::kLeft).top, top);

    // The drawings' area is the free area inside the frame's border.
    RECT mdi;
    GetWindowRect(frame.mdiClientHandle(), &mdi);
    MapWindowPoints(nullptr, frame.hwnd(), reinterpret_cast<POINT*>(&mdi), 2);
    IntRect expected = rect(left, top, right, bottom);
    expected.deflate(FrameWindow::kBorderWidth);
    EXPECT_EQ(text(rect(mdi.left, mdi.top, mdi.right, mdi.bottom)), text(expected));
}

TEST(BandPacking, OverlapsGoSideBySideAndWhatDoesNotFitStartsARow)
{
    struct Case {
        const char* what;
        std::vector<IntRect> in;
        int limit;
        std::vector<IntRect> packed;
    };
    const Case cases[] = {
        {"overlapping panes side by side", {rect(0, 0, 100, 33), rect(50, 0, 150, 33)}, 800,
         {rect(0, 0, 100, 33), rect(100, 0, 200, 33)}},
        {"behind every pane it overlaps", {rect(0, 0, 300, 33), rect(100, 0, 150, 33), rect(200, 0, 250, 33)}, 800,
         {rect(0, 0, 300, 33), rect(300, 0, 350, 33), rect(350, 0, 400, 33)}},
        {"past the right edge: a new row 33 lower", {rect(0, 0, 150, 33), rect(100, 0, 250, 33)}, 200,
         {rect(0, 0, 150, 33), rect(0, 33, 150, 66)}},
        {"the first pane on the origin line", {rect(40, 20, 90, 53)}, 800, {rect(40, 0, 90, 33)}},
        {"below the row line: the next row", {rect(0, 0, 50, 33), rect(0, 40, 50, 73)}, 800,
         {rect(0, 0, 50, 33), rect(0, 33, 50, 66)}},
        {"a damaged place comes back in", {rect(-500, 0, -400, 33), rect(5000, 0, 5100, 33)}, 800,
         {rect(0, 0, 100, 33), rect(0, 33, 100, 66)}},
    };
    for (const Case& c : cases) {
        std::vector<IntRect> rects = c.in;
        band_layout::packBand(rects, c.limit);
        for (size_t i = 0; i < rects.size(); ++i)
            EXPECT_EQ(text(rects[i]), text(c.packed[i])) << c.what << ", pane " << i;
    }

    // Settling: a pane moves up onto the lowest pane above it that it overlaps, or the origin.
    std::vector<IntRect> rows = {rect(0, 0, 100, 33), rect(50, 66, 150, 99), rect(200, 66, 300, 99)};
    band_layout::settleBand(rows);
    EXPECT_EQ(rows[1].top, 33);
    EXPECT_EQ(rows[2].top, 0);
}

TEST_F(LayoutTest, ADragChoosesItsBandDocksOnTheRowGridAndOnlyMovesPastThreePixels)
{
    // Rows snap at half a pitch: 16 px below a row stays, 17 px takes the next.
    const int snaps[][3] = {{16, 33, 0}, {17, 33, 33}, {49, 33, 33}, {50, 33, 66}, {-40, 33, 0}, {14, 29, 0}, {15, 29, 29}};
    for (const auto& s : snaps)
        EXPECT_EQ(band_layout::snapToRow(s[0], s[1]), s[2]) << s[0] << " by " << s[1];

    // Hot zones, 9 px beyond each edge, tried TOP, LEFT, RIGHT, BOTTOM.
    const IntRect client = frame.areaAboveStatusBar();
    const int top = layout->topDockEdge(), left = layout->leftDockEdge(), right = layout->rightDockEdge();
    struct Zone {
        int x, y;
        int allowed[4];
        int band;
    };
    const Zone zones[] = {
        {500, top + 9, {1, 1, 1, 1}, DockPane::kTop},
        {500, top + 10, {1, 1, 1, 1}, DockPane::kFloat},
        {5, top + 5, {1, 1, 1, 1}, DockPane::kTop},
        {5, top + 5, {0, 1, 1, 1}, DockPane::kLeft},
        {left + 9, 300, {1, 1, 1, 1}, DockPane::kLeft},
        {left + 10, 300, {1, 1, 1, 1}, DockPane::kFloat},
        {right - 9, 300, {1, 1, 1, 1}, DockPane::kRight},
        {500, client.bottom - 3, {1, 1, 1, 1}, DockPane::kBottom},
        {5, top + 5, {0, 0, 0, 0}, DockPane::kFloat},
    };
    DockPane& line = pane(1);
    for (const Zone& z : zones) {
        for (int b = 0; b < 4; ++b)
            line.allowedBands[b] = z.allowed[b];
        EXPECT_EQ(layout->bandAtPoint(&line, screen(z.x, z.y)), z.band) << z.x << "," << z.y;
    }

    for (int& allowed : line.allowedBands)
        allowed = 1;

    // A drag ends 3 px from its start: nothing changes.
    const int moves[][3] = {{3, 0, 0}, {3, -3, 0}, {4, 0, 1}, {0, -4, 1}};
    for (const auto& m : moves)
        EXPECT_EQ(band_layout::dragMoves(IntPoint(100, 100), IntPoint(100 + m[0], 100 + m[1])), m[2]);

    // 線画 dropped 16 px below the top band's origin stays in row 0; at 17 px it takes row 1.
    DockPane& text = pane(6);
    IntRect drop = rectOf(6);
    drop.moveTo(700, 16);
    frame.clientToScreenRect(drop);
    layout->dockAt(DockPane::kTop, &text, drop);
    EXPECT_EQ(rectOf(6).top, 0);
    drop.moveBy(0, 1);
    layout->dockAt(DockPane::kTop, &text, drop);
    EXPECT_EQ(rectOf(6).top, 33);

    // 線画 moved from the top to the left band lays its buttons out one below the other.
    IntRect toLeft = rectOf(1);
    toLeft.moveTo(2, 400);
    frame.clientToScreenRect(toLeft);
    layout->dockAt(DockPane::kLeft, &line, toLeft);
    EXPECT_EQ(line.position, DockPane::kLeft);
    int lastTop = -1;
    for (int i = 0; i < line.buttonCount(); ++i) {
        const ToolButton& b = *line.buttonAt(i);
        if (b.isSeparator())
            continue;
        EXPECT_EQ(b.rect.left, line.margins.left) << i;
        EXPECT_GT(b.rect.top, lastTop) << i;
        lastTop = b.rect.top;
    }
    for (int id = 2; id <= 5; ++id)
        EXPECT_FALSE(rectOf(1).intersects(rectOf(id), 0)) << id;

    // Hidden and shown again, a pane comes back to the band it had.
    const int index = 1; // 編集
    layout->togglePane(index);
    EXPECT_EQ(pane(2).position, DockPane::kHidden);
    EXPECT_EQ(pane(2).savedPosition, DockPane::kLeft);
    layout->togglePane(index);
    EXPECT_EQ(pane(2).position, DockPane::kLeft);
}

TEST_F(LayoutTest, TheScrollBarsOfListPanesMoveWithThePanesTheirBandMoves)
{
    // The parts list docks in the right band beside the page list, then goes again: the page
    // list moves each time, and its scroll bar control with it.
    DockPane& parts = pane(10);
    parts.savedPosition = DockPane::kRight;
    auto barOf = [](DockPane& p) {
        ToolButton* bar = p.buttonOfType(static_cast<int>(ButtonType::Scroll));
        return bar && bar->scrollBar && bar->scrollBar->barWindow ? bar : nullptr;
    };
    auto shownAt = [](ToolButton& bar) {
        RECT r;
        GetWindowRect(bar.scrollBar->barWindow, &r);
        MapWindowPoints(nullptr, GetParent(bar.scrollBar->barWindow), reinterpret_cast<POINT*>(&r), 2);
        return text(rect(r.left, r.top, r.right, r.bottom));
    };
    ToolButton* pageBar = barOf(pane(13));
    ASSERT_TRUE(pageBar);
    const std::string alone = shownAt(*pageBar);
    for (int shown : {1, 0}) {
        if (shown)
            layout->showPane(&parts);
        else
            layout->hidePane(&parts);
        EXPECT_EQ(shownAt(*pageBar), text(pageBar->windowRect())) << shown;
    }
    EXPECT_EQ(shownAt(*pageBar), alone);
}
