// Dock pane rectangles at every position, the rows of a button pane and its floating resize.
#include <vector>

#include "platform/MouseSource.h"
#include "platform/SystemMetrics.h"
#include "tests/shell/panes/PaneFixture.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestResources.h"

namespace {
// Pixels of the floating window's frame around its client.
int frameWidth() { return 2 * getDialogFrameWidth(); }
int frameHeight() { return 2 * getDialogFrameWidth() + getSmallCaptionHeight(); }
} // namespace

TEST_F(PaneTest, RectanglesAtEveryPosition)
{
    const IntRect& left = manager.bands[DockPane::kLeft];
    struct Case {
        int id;
        int position;
        int rows;
        int width;
        int height;
    } cases[] = {
        // Buttons: one line at the top, one column at the side, the pane's rows floating (the
        // floating size is the window's).
        {1, DockPane::kTop, 1, 230, 33},
        {1, DockPane::kLeft, 1, 29, 249},
        {2, DockPane::kFloat, 2, 71 + frameWidth(), 57 + frameHeight()},
        {IDS_TEST_PANE_WITHOUT_LIST, DockPane::kTop, 1, 8, 33},
        {IDS_TEST_PANE_WITHOUT_LIST, DockPane::kBottom, 1, 8, 33},
        {IDS_TEST_PANE_WITHOUT_LIST, DockPane::kLeft, 1, 0, 0},
        {IDS_TEST_PANE_WITHOUT_LIST, DockPane::kFloat, 1, 0, 0},
        // The navigator is square in a band; the lists are 87 across and span the band.
        {5, DockPane::kLeft, 1, 58, 58},
        {5, DockPane::kRight, 1, 58, 58},
        {5, DockPane::kTop, 1, 66, 66},
        {5, DockPane::kBottom, 1, 66, 66},
        {5, DockPane::kFloat, 1, 145, 165},
        {13, DockPane::kRight, 1, 87, left.height()},
        {13, DockPane::kTop, 1, 800, 87},
        {13, DockPane::kFloat, 1, 87, 330},
        {10, DockPane::kLeft, 1, 87, left.height()},
        {10, DockPane::kFloat, 1, 87, 330},
        {0, DockPane::kHidden, 1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pane " << c.id << " at " << c.position);
        std::unique_ptr<DockPane> pane = manager.load(c.id ? c.id : 1);
        ASSERT_TRUE(pane);
        pane->rows = c.rows;
        IntRect r;
        pane->rectFor(c.position, r);
        EXPECT_EQ(r.width(), c.width);
        EXPECT_EQ(r.height(), c.height);
    }
    // Docked at the band's origin plus the dock point; floating, the client starts at the home
    // point.
    std::unique_ptr<DockPane> drawing = manager.load(1);
    IntRect r;
    drawing->rectFor(DockPane::kTop, r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 0);
    drawing->rectFor(DockPane::kLeft, r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, left.top);
    drawing->position = DockPane::kFloat;
    drawing->rectFor(DockPane::kFloat, r);
    EXPECT_EQ(r.left, 100 - getDialogFrameWidth());
    EXPECT_EQ(r.top, 0 - getDialogFrameWidth() - getSmallCaptionHeight());
    EXPECT_EQ(drawing->clientRect().width(), r.width() - frameWidth());
}

TEST_F(PaneTest, RowsSplitTheWidestRowBetweenRunsOfButtons)
{
    // Pane 2 in two rows: 104 105 | 106 107 108, the separator opening the second row not
    // counted in its width.
    std::unique_ptr<DockPane> edit = manager.load(2);
    ASSERT_TRUE(edit);
    edit->position = DockPane::kFloat;
    edit->rows = 2;
    edit->layoutButtons();
    EXPECT_EQ(edit->rows, 2);
    EXPECT_EQ(edit->clientRect().width(), 71);
    EXPECT_EQ(edit->clientRect().height(), 57);
    const struct {
        int id;
        int x;
        int y;
    } placed[] = {{104, 4, 6}, {105, 25, 6}, {106, 4, 30}, {107, 25, 30}, {108, 46, 30}};
    for (const auto& p : placed) {
        EXPECT_EQ(button(*edit, p.id).rect.left, p.x) << p.id;
        EXPECT_EQ(button(*edit, p.id).rect.top, p.y) << p.id;
    }
    // Asking for more rows than buttons stops when no row holds two; separators alone keep one.
    struct Case {
        int id;
        int wanted;
        int reached;
    } cases[] = {{2, 99, 5}, {1, 3, 3}, {1, 99, 10}, {IDS_TEST_PANE_SEPARATORS, 3, 1}, {IDS_TEST_PANE_WITHOUT_LIST, 5, 1}};
    for (const Case& c : cases) {
        std::unique_ptr<DockPane> pane = manager.load(c.id);
        ASSERT_TRUE(pane);
        EXPECT_EQ(pane->layoutRows(c.wanted, 0).rows, c.reached) << c.id << " in " << c.wanted;
    }
    // The resize table: more rows with every entry, never two equal widths in a row, at most
    // one entry per button.
    std::unique_ptr<DockPane> drawing = manager.load(1);
    const std::vector<DockPane::RowLayout> table = drawing->resizeTable();
    ASSERT_FALSE(table.empty());
    EXPECT_LE(table.size(), 10u);
    EXPECT_EQ(table.front().rows, 1);
    EXPECT_EQ(table.back().rows, 10);
    for (size_t i = 1; i < table.size(); ++i) {
        EXPECT_GT(table[i].rows, table[i - 1].rows);
        EXPECT_NE(table[i].width, table[i - 1].width);
        // Of equal widths the one with the most rows stays.
        const DockPane::RowLayout more = drawing->layoutRows(table[i].rows + 1, 0);
        if (more.rows > table[i].rows) {
            EXPECT_NE(more.width, table[i].width) << table[i].rows;
        }
    }
}

TEST_F(PaneTest, ResizingByABorderStepsThroughTheRowLayouts)
{
    std::unique_ptr<DockPane> drawing = manager.load(1);
    ASSERT_TRUE(drawing);
    drawing->position = DockPane::kFloat;
    drawing->rows = 1;
    IntRect window;
    drawing->rectFor(DockPane::kFloat, window);
    const std::vector<DockPane::RowLayout> table = drawing->resizeTable();
    FakeClock clock;
    ScriptedMouse mouse;
    mouse.advanceClockPerRead(&clock, 10);

    // Drags of one border, fed from the mouse source: the rows reached after each drag.
    struct Case {
        int edge;
        int dx;
        int dy;
        int startRows;
        int endRows;
    } cases[] = {
        // Up by the top border: a row is added whenever the new edge is nearer the cursor, until
        // each row holds one button; then nothing changes.
        {IntRect::hitTop, 0, -30, 1, 2},
        {IntRect::hitTop, 0, -900, 1, 10},
        {IntRect::hitTop, 0, 900, 10, 1},
        {IntRect::hitBottom, 0, 900, 1, 10},
        // Outwards by the sides makes the pane wider: fewer rows.
        {IntRect::hitLeft, -900, 0, 10, 1},
        {IntRect::hitRight, 900, 0, 10, 1},
        {IntRect::hitRight, -900, 0, 1, 10},
        // No movement across the border asks for nothing.
        {IntRect::hitTop, 300, 0, 1, 1},
        // Dragged through and past the opposite side: never fewer than one row.
        {IntRect::hitBottom, 0, -2000, 10, 1},
        {IntRect::hitTopLeft, 0, -900, 1, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "edge " << c.edge << " by " << c.dx << ", " << c.dy);
        drawing->rows = c.startRows;
        drawing->rectFor(DockPane::kFloat, window);
        const IntPoint start(c.edge == IntRect::hitRight ? window.right : window.left,
                             c.edge == IntRect::hitBottom ? window.bottom : window.top);
        mouse.at(clock.now(), start.x, start.y, ScriptedMouse::kLeft);
        const int steps = 90;
        for (int i = 1; i <= steps; ++i)
            mouse.at(clock.now() + 10 * i, start.x + c.dx * i / steps, start.y + c.dy * i / steps, ScriptedMouse::kLeft);
        mouse.at(clock.now() + 10 * steps + 50, start.x + c.dx, start.y + c.dy, ScriptedMouse::kNone);
        IntPoint cursor;
        readCursorPos(cursor);
        FloatingResize resize(table, c.startRows, window, c.edge, cursor, getDialogFrameWidth(), getSmallCaptionHeight());
        std::vector<int> seen{resize.rows};
        while (isLeftButtonDown()) {
            readCursorPos(cursor);
            if (resize.step(cursor))
                seen.push_back(resize.rows);
        }
        EXPECT_EQ(resize.rows, c.endRows);
        EXPECT_GT(resize.rect.width(), frameWidth());
        EXPECT_GT(resize.rect.height(), frameHeight());
        for (size_t i = 1; i < seen.size(); ++i)
            EXPECT_NE(seen[i] > seen[i - 1], c.startRows > c.endRows) << "rows move one way";
        mouse.rest(0, 0);
    }

    // The lists and the navigator follow the cursor freely, never below their docked size nor
    // beyond the screen's square (768 here); a move that would is not taken.
    struct FreeCase {
        int kind;
        int edge;
        int dx;
        int dy;
        int width;
        int height;
    } free[] = {
        {DockPane::kNavigator, IntRect::hitBottomRight, 20, 30, 165, 195},
        {DockPane::kNavigator, IntRect::hitTopLeft, 87, 99, 58, 66},
        {DockPane::kNavigator, IntRect::hitTopLeft, 88, 99, 145, 165},
        {DockPane::kNavigator, IntRect::hitRight, 623, 0, 768, 165},
        {DockPane::kNavigator, IntRect::hitRight, 624, 0, 145, 165},
        {DockPane::kPage, IntRect::hitBottom, 20, 30, 87, 360},
        {DockPane::kPage, IntRect::hitRight, 20, 30, 87, 330},
        {DockPane::kParts, IntRect::hitTop, 0, 243, 87, 87},
        {DockPane::kParts, IntRect::hitTop, 0, 244, 87, 330},
    };
    for (const FreeCase& c : free) {
        const int width = c.kind == DockPane::kNavigator ? 145 : 87;
        const int height = c.kind == DockPane::kNavigator ? 165 : 330;
        FreeResize resize(c.kind, IntRect::fromEdges(100, 100, 100 + width, 100 + height), c.edge, IntPoint(0, 0), 768);
        (void)resize.step(IntPoint(c.dx, c.dy));
        EXPECT_EQ(resize.rect.width(), c.width) << c.kind << " edge " << c.edge << " by " << c.dx << ", " << c.dy;
        EXPECT_EQ(resize.rect.height(), c.height) << c.kind << " edge " << c.edge << " by " << c.dx << ", " << c.dy;
    }
}
