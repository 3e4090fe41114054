// The dock pane window: presses on the caption and the borders become move and resize events
// for the frame, closing it posts the close event, and its other events reach the pane and the
// workspace layout.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/EventRouter.h"
#include "platform/MouseState.h"
#include "platform/PaneLayout.h"
#include "platform/PaneWindow.h"
#include "platform/SerialList.h"
#include "platform/SystemMetrics.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

namespace {

class FakePane : public PaneWindowOwner {
public:
    int isFloating() override { return floating; }
    int hitTest(const IntPoint& p) override
    {
        lastHitPoint = p;
        return 77;
    }
    int onClick(PaneWindow&, int hit) override
    {
        clicks.push_back(hit);
        return takesClicks;
    }
    void scroll() override { ++scrolls; }
    void paint(PaneWindow& w) override
    {
        ++paints;
        paintedWhilePainting = w.dc.painting;
    }

    int floating = 1;
    int takesClicks = 0;
    IntPoint lastHitPoint;
    std::vector<int> clicks;
    int scrolls = 0;
    int paints = 0;
    int paintedWhilePainting = 0;
};

class RecordingLayout : public PaneLayout {
public:
    void closePane(int) override {}
    void beginMovePane(int) override {}
    void beginResizePane(int, int) override {}
    void onLeftPress() override {}
    void onRightPress() override {}
    void onRightPressOnPane(PaneWindow* pane, int hit) override
    {
        calls.push_back("right " + std::to_string(hit));
        rightPane = pane;
    }
    void onIdle() override {}
    void onMouseMove() override { calls.push_back("move"); }
    void onScroll() override {}
    void paint() override {}
    int topEdge() override { return 0; }
    int leftEdge() override { return 0; }
    int rightEdge() override { return 0; }
    int bottomEdge() override { return 0; }
    void hideHint() override { calls.push_back("hide hint"); }

    std::vector<std::string> calls;
    PaneWindow* rightPane = nullptr;
};

struct Posted {
    int code, arg1, arg2;
};

class PaneWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app->frame = &frame;
        ASSERT_TRUE(frame.create());
        drainQueue();
        window = new PaneWindow(&pane);
        ASSERT_EQ(window->create("ツール", rect(200, 150, 360, 260)), 1);
        drainQueue();
        layout.calls.clear();
        frame.codes.clear();
    }

    void TearDown() override
    {
        delete window;
        app->frame = nullptr;
        frame.destroy();
    }

    static IntRect rect(int left, int top, int right, int bottom) { return IntRect::fromEdges(left, top, right, bottom); }

    // Takes the internal events off the queue, as the frame would receive them.
    std::vector<Posted> drainQueue()
    {
        std::vector<Posted> posted;
        while (theCurrentEvent->queuedCount() > 0) {
            theCurrentEvent->popAndRoute();
            posted.push_back(Posted{theCurrentEvent->code, theCurrentEvent->arg1, theCurrentEvent->arg2});
        }
        return posted;
    }

    // A left press on the non-client area with the cursor at (x, y) on the screen.
    std::vector<Posted> pressAt(int x, int y, WPARAM hit)
    {
        mouse.rest(x, y);
        theMouseState->leftFlag = 0;
        SendMessageA(window->hwnd(), WM_NCLBUTTONDOWN, hit, MAKELPARAM(x, y));
        return drainQueue();
    }

    TestApplication app;
    ScriptedMouse mouse;
    RecordingFrame frame;
    RecordingLayout layout;
    ScopedOverride<PaneLayout*> installedLayout{app->workspaceLayout, &layout};
    FakePane pane;
    PaneWindow* window = nullptr;
};

TEST_F(PaneWindowTest, IsAToolWindowOfItsOwnClassOwnedByTheFrame)
{
    char name[64] = {};
    GetClassNameA(window->hwnd(), name, sizeof name);
    EXPECT_STREQ(name, "korvaneFlt");
    EXPECT_TRUE(GetWindowLongA(window->hwnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    LONG style = GetWindowLongA(window->hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_EQ(GetWindow(window->hwnd(), GW_OWNER), frame.hwnd());
    EXPECT_TRUE(window->windowRect().equals(rect(200, 150, 360, 260)));

    // Known by its serial id, distinct from every other window's.
    int index = -1;
    EXPECT_EQ(thePaneWindows->findBySerial(window->serial, index), window);
    EXPECT_NE(window->serial, frame.serial);
}

TEST_F(PaneWindowTest, CaptionPressMovesAndCornerPressResizesAFloatingPane)
{
    IntRect r = window->windowRect();
    int frameWidth = getDialogFrameWidth();

    std::vector<Posted> posted = pressAt((r.left + r.right) / 2, r.top + frameWidth + 6, HTCAPTION);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].code, EV_PANE_MOVE);
    EXPECT_EQ(posted[0].arg1, window->serial);
    // The press is noted as a left press at the cursor, offered to the pane and hides the hint.
    EXPECT_EQ(theMouseState->leftFlag, 1);
    EXPECT_EQ(pane.clicks, std::vector<int>{77});
    EXPECT_EQ(layout.calls, std::vector<std::string>{"hide hint"});
    EXPECT_EQ(frame.codes, std::vector<int>{EV_PANE_MOVE});

    posted = pressAt(r.right - 1, r.bottom - 1, HTBORDER);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].code, EV_PANE_RESIZE);
    EXPECT_EQ(posted[0].arg1, window->serial);
    EXPECT_EQ(posted[0].arg2, 43);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZENWSE));

    posted = pressAt(r.left, r.top + 1, HTBORDER);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].arg2, 12);
    posted = pressAt(r.left + 40, r.bottom - 1, HTBORDER);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].arg2, 4);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZENS));

    // A press the pane takes itself (a button) posts nothing.
    pane.takesClicks = 1;
    mouse.rest(r.left + 40, r.top + 40);
    SendMessageA(window->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_TRUE(drainQueue().empty());
    EXPECT_TRUE(pane.lastHitPoint.equalsXY(r.left + 40, r.top + 40));
}

TEST_F(PaneWindowTest, ADockedPaneIsSizedOnlyAlongItsSides)
{
    IntRect r = window->windowRect();
    // Four pixels below the top on the left border: a corner when floating ...
    std::vector<Posted> posted = pressAt(r.left + 1, r.top + 4, HTBORDER);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].arg2, 12);

    // ... only the side when docked.
    pane.floating = 0;
    posted = pressAt(r.left + 1, r.top + 4, HTBORDER);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].code, EV_PANE_RESIZE);
    EXPECT_EQ(posted[0].arg2, 2);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
    posted = pressAt(r.right - 1, r.bottom - 4, HTBORDER);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].arg2, 3);
}

TEST_F(PaneWindowTest, TheCloseBoxPostsTheCloseEventAndTheWindowGoes)
{
    HWND handle = window->hwnd();
    SendMessageA(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    std::vector<Posted> posted = drainQueue();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].code, EV_PANE_CLOSE);
    EXPECT_EQ(posted[0].arg1, window->serial);
    EXPECT_FALSE(IsWindow(handle));
    // The object stays with the layout, without the old handle and out of the registry.
    EXPECT_EQ(window->hwnd(), nullptr);
    EXPECT_EQ(theEventRouter->findSerial(window->serial), nullptr);

    // The layout can make it again; a close request then takes the same road.
    ASSERT_EQ(window->create("ツール", rect(10, 10, 100, 100)), 1);
    drainQueue();
    window->postClose();
    posted = drainQueue();
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[1].code, EV_PANE_CLOSE);
}

TEST_F(PaneWindowTest, MovesRightPressesScrollsAndPaintsReachThePaneAndTheLayout)
{
    IntRect r = window->windowRect();
    // Over the right border with no button held: the layout tracks its hint, the cursor shows
    // the sizing arrows; away from the borders the arrow comes back.
    mouse.rest(r.right - 1, (r.top + r.bottom) / 2);
    theMouseState->leftFlag = 0;
    SendMessageA(window->hwnd(), WM_NCMOUSEMOVE, HTBORDER, 0);
    EXPECT_EQ(layout.calls, std::vector<std::string>{"move"});
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
    mouse.rest(r.left + 40, r.top + 40);
    SendMessageA(window->hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    // With the left button held the move is left alone.
    theMouseState->leftFlag = 1;
    SendMessageA(window->hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(layout.calls.size(), 2u);
    theMouseState->leftFlag = 0;

    layout.calls.clear();
    SendMessageA(window->hwnd(), WM_RBUTTONDOWN, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(layout.calls, (std::vector<std::string>{"hide hint", "right 77"}));
    EXPECT_EQ(layout.rightPane, window);

    SendMessageA(window->hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(pane.scrolls, 1);

    InvalidateRect(window->hwnd(), nullptr, TRUE);
    UpdateWindow(window->hwnd());
    EXPECT_EQ(pane.paints, 1);
    EXPECT_EQ(pane.paintedWhilePainting, 1);
    EXPECT_FALSE(GetUpdateRect(window->hwnd(), nullptr, FALSE));
}

} // namespace
