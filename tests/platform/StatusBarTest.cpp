// The status bar's parts, texts and nested progress ranges, and the tab control.
#include <gtest/gtest.h>
#include <string>
#include <windows.h>
#include <commctrl.h>

#include "platform/FrameWindow.h"
#include "platform/ProgressIndicator.h"
#include "platform/StatusBar.h"
#include "platform/TabControl.h"
#include "tests/support/TestApplication.h"

namespace {

class StatusBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app->frame = &frame;
        ASSERT_TRUE(frame.create());
        ASSERT_TRUE(frame.statusBar);
    }
    void TearDown() override
    {
        frame.destroy();
        app->frame = nullptr;
    }
    StatusBar& bar() { return *frame.statusBar; }
    int systemParts() { return static_cast<int>(SendMessageA(bar().hwnd(), SB_GETPARTS, 0, 0)); }
    std::string partText(int part)
    {
        char text[128] = {};
        SendMessageA(bar().hwnd(), SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
        return text;
    }

    TestApplication app;
    RecordingFrame frame;
};

TEST_F(StatusBarTest, PartsAndTexts)
{
    EXPECT_EQ(bar().parts.count, 1);
    int three[3] = {100, 200, -1};
    bar().setParts(3, three);
    EXPECT_EQ(systemParts(), 3);
    EXPECT_EQ(bar().setPartText(2, "三番目"), 1);
    EXPECT_EQ(partText(2), "三番目");

    // Back to one part: the bar really shows one.
    int one[1] = {-1};
    bar().setParts(1, one);
    EXPECT_EQ(bar().parts.count, 1);
    EXPECT_EQ(systemParts(), 1);
    bar().setParts(0, one);
    EXPECT_EQ(bar().parts.count, 1);

    // Part 2 of a one-part bar: nothing is sent, the part count comes back.
    EXPECT_EQ(bar().setPartText(2, "x"), 1);
    EXPECT_EQ(bar().setPartText(0, "abc", 7), 1);
    EXPECT_EQ(partText(0), "abc");
    bar().setPartText(0, nullptr);
    EXPECT_EQ(partText(0), "");

    IntRect r = bar().partRect(0);
    EXPECT_GT(r.width(), 0);
    StatusBar unattached;
    EXPECT_EQ(unattached.partRect(0).width(), 0);
    EXPECT_EQ(unattached.setPartText(0, "x"), 1);
}

TEST_F(StatusBarTest, NestedProgressRanges)
{
    int parts[2] = {150, -1};
    bar().setParts(2, parts);
    bar().setPartText(1, "作業中");
    bar().pushProgress(1, 0, 10);
    EXPECT_EQ(partText(1), "");
    bar().pushRange(0, 20);
    bar().pushRange(0, 30);
    ASSERT_TRUE(bar().progress);
    EXPECT_EQ(bar().depth, 3);
    EXPECT_EQ(bar().progress->high, 30);

    // A fourth push shows the first range again while the depth counts on.
    bar().pushRange(0, 40);
    EXPECT_EQ(bar().depth, 4);
    EXPECT_EQ(bar().progress->high, 10);

    // The bar lies inside its part, 2 pixels in.
    IntRect part = bar().partRect(1);
    RECT barRect;
    GetWindowRect(bar().progress->progressWindow, &barRect);
    MapWindowPoints(nullptr, bar().hwnd(), reinterpret_cast<POINT*>(&barRect), 2);
    EXPECT_EQ(barRect.left, part.left + 2);
    EXPECT_EQ(barRect.bottom, part.bottom - 2);
    EXPECT_EQ(GetParent(bar().progress->progressWindow), bar().hwnd());

    bar().setProgress(5);
    EXPECT_EQ(bar().progress->value, 5);
    EXPECT_EQ(SendMessageA(bar().progress->progressWindow, PBM_GETPOS, 0, 0), 50);

    bar().popRange();
    EXPECT_EQ(bar().depth, 3);
    EXPECT_EQ(bar().progress->high, 30);
    bar().popRange();
    EXPECT_EQ(bar().progress->high, 20);
    bar().popRange();
    EXPECT_EQ(bar().progress->high, 10);
    bar().popRange();
    EXPECT_EQ(bar().depth, 0);
    EXPECT_EQ(bar().progress, nullptr);

    // Popping an empty stack changes nothing.
    bar().popRange();
    EXPECT_EQ(bar().depth, 0);
    bar().setProgress(3);
}

TEST(TabControl, TabsSelectionAndSize)
{
    TestApplication app;
    RecordingWindow owner;
    TabControl tabs;
    ASSERT_TRUE(tabs.create(owner));
    char name[64] = {};
    GetClassNameA(tabs.handle, name, sizeof name);
    EXPECT_STRCASEEQ(name, "SysTabControl32");
    EXPECT_EQ(GetDlgCtrlID(tabs.handle), 101);
    EXPECT_EQ(GetParent(tabs.handle), owner.hwnd());
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(tabs.handle, WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));

    EXPECT_EQ(tabs.addTab("線"), 0);
    EXPECT_EQ(tabs.addTab("塗り"), 1);
    EXPECT_EQ(tabs.addTab("文字"), 2);
    EXPECT_EQ(tabs.tabCount, 3);
    EXPECT_EQ(SendMessageA(tabs.handle, TCM_GETITEMCOUNT, 0, 0), 3);
    char text[32] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tabs.handle, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, "塗り");

    tabs.select(2);
    EXPECT_EQ(tabs.currentTab(), 2);

    tabs.fitToOwner();
    RECT r;
    GetWindowRect(tabs.handle, &r);
    EXPECT_EQ(r.right - r.left, owner.clientRect().width());
    EXPECT_EQ(r.bottom - r.top, owner.clientRect().height());
}

} // namespace
