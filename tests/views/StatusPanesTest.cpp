// The status bar's position readout: its three parts, the X and Y texts in each unit measured from
// the grid origin, and a vertical move that rewrites the Y part only.
#include <cmath>
#include <string>

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "geometry/GridSettings.h"
#include "platform/StatusBar.h"
#include "tests/views/PaintTestDrawing.h"
#include "views/StatusPanes.h"

using namespace paint_test;

namespace {

class OriginGrid : public IdleGrid {
public:
    [[nodiscard]] double originX() const override { return x; }
    [[nodiscard]] double originY() const override { return y; }
    [[nodiscard]] int xUnit() const override { return unit; }
    [[nodiscard]] int yUnit() const override { return unit; }
    double x = 0.0, y = 0.0;
    int unit = 1;
};

class StatusPanesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        d.app->frame = &frame;
        ASSERT_TRUE(frame.create());
        ASSERT_TRUE(frame.statusBar);
        d.context.grid = grid = new OriginGrid;
    }
    void TearDown() override
    {
        frame.destroy();
        d.app->frame = nullptr;
    }
    std::string partText(int part)
    {
        char text[128] = {};
        SendMessageA(frame.statusBar->hwnd(), SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
        return text;
    }

    PaintTestDrawing d;
    RecordingFrame frame;
    OriginGrid* grid = nullptr;
};

} // namespace

TEST_F(StatusPanesTest, ThreePartsShowXAndYFromTheGridOriginInItsUnit)
{
    (void)frame.statusBar->setPartText(0, "old");
    StatusPanes panes;
    panes.setOwner(&d.context);
    int edges[3] = {};
    ASSERT_EQ(SendMessageA(frame.statusBar->hwnd(), SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges)), 3);
    EXPECT_EQ(edges[0], 75);
    EXPECT_EQ(edges[1], 150);
    EXPECT_EQ(partText(0), "");

    struct Row {
        int unit;
        double originX, originY;
        int yDirection;
        double x, y;
        const char* shownX;
        const char* shownY;
    };
    const Row rows[] = {
        {1, 0, 0, 2, 12.3, 7.0, "X:12.30", "Y:7.00"},
        {1, 10, 5, 2, 7.5, 4.999, "X:-2.50", "Y:0.00"},
        {5, 0, 0, 2, 12.3456, 0.0015, "X:12345", "Y:1"},
        {6, 0, 0, 2, 12.3, 1234.5, "X:1.230", "Y:123.450"},
        {7, 0, 0, 2, 1234.5, 0.25, "X:1.234", "Y:0.000"},
        {2, 0, 0, 2, 25.4, 12.7, "X:1.00", "Y:0.50"},
        {1, 0, 0, 1, 1.0, 10.0, "X:1.00", "Y:200.00"}, // up is plus: from the sheet's bottom (210)
        {1, 0, 0, 2, -0.001, -0.25, "X:0.00", "Y:-0.25"},
    };
    for (const Row& r : rows) {
        grid->unit = r.unit;
        grid->x = r.originX;
        grid->y = r.originY;
        ASSERT_EQ(d.sheet->setYDirection(r.yDirection), 1);
        panes.xShown = panes.yShown = 0; // a new place
        panes.showPosition(r.x, r.y);
        EXPECT_EQ(partText(0), r.shownX) << r.x;
        EXPECT_EQ(partText(1), r.shownY) << r.y;
    }

    // A vertical move rewrites the Y part only; a horizontal one the X part only.
    grid->unit = 1;
    grid->x = grid->y = 0.0;
    panes.showPosition(10.0, 20.0);
    (void)frame.statusBar->setPartText(0, "kept");
    panes.showPosition(10.0, 21.0);
    EXPECT_EQ(partText(0), "kept");
    EXPECT_EQ(partText(1), "Y:21.00");
    (void)frame.statusBar->setPartText(1, "kept");
    panes.showPosition(11.0, 21.0);
    EXPECT_EQ(partText(0), "X:11.00");
    EXPECT_EQ(partText(1), "kept");

    // Prompts go to the message part.
    panes.showInPane2("ヒント");
    EXPECT_EQ(partText(2), "ヒント");
}
