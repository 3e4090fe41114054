// The frame: how it is created, where it puts the MDI client and status bar, the border it
// paints, and the events it handles or hands to the workspace layout.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>
#include <commctrl.h>

#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/EventRouter.h"
#include "platform/FrameWindow.h"
#include "platform/MdiChildWindow.h"
#include "platform/PaneLayout.h"
#include "platform/StatusBar.h"
#include "shell/MainFrame.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

namespace {

std::string classOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// A dock layout with fixed edges that records what the frame hands it.
class FakeLayout : public PaneLayout {
public:
    void closePane(int serial) override { calls.push_back("close " + std::to_string(serial)); }
    void beginMovePane(int serial) override { calls.push_back("move " + std::to_string(serial)); }
    void beginResizePane(int serial, int border) override
    {
        calls.push_back("resize " + std::to_string(serial) + " " + std::to_string(border));
    }
    void onLeftPress() override { calls.push_back("left"); }
    void onRightPress() override { calls.push_back("right"); }
    void onRightPressOnPane(PaneWindow*, int) override {}
    void onIdle() override { calls.push_back("idle"); }
    void onMouseMove() override { calls.push_back("mousemove"); }
    void onScroll() override { calls.push_back("scroll"); }
    void paint() override { calls.push_back("paint"); }
    int topEdge() override { return top; }
    int leftEdge() override { return left; }
    int rightEdge() override { return right; }
    int bottomEdge() override { return bottom; }
    void hideHint() override {}

    std::vector<std::string> calls;
    int top = 0, left = 0, right = 0, bottom = 0;
};

class Frame : public ::testing::Test {
protected:
    void SetUp() override
    {
        app->frame = &frame;
        app->setWindowMenuPosition(4);
        ASSERT_TRUE(frame.create());
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&m);
        frame.codes.clear();
    }
    void TearDown() override
    {
        if (IsWindow(frame.hwnd()))
            frame.destroy();
        app->frame = nullptr;
    }

    IntRect childRectInFrame(HWND child)
    {
        IntRect r;
        GetWindowRect(child, r.asRect());
        frame.screenToClientRect(r);
        return r;
    }

    TestApplication app;
    RecordingFrame frame;
    FakeLayout layout;
};

TEST_F(Frame, CreationMakesClassMenuAcceleratorsClientAndStatusBar)
{
    EXPECT_EQ(classOf(frame.hwnd()), "korvane");
    LONG style = GetWindowLongA(frame.hwnd(), GWL_STYLE);
    EXPECT_EQ(style & (WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);

    // Menu 1104 with four pop-ups, stored in the frame menu.
    HMENU menu = GetMenu(frame.hwnd());
    ASSERT_TRUE(menu);
    EXPECT_EQ(frame.menu.menu.handle, menu);
    EXPECT_EQ(GetMenuItemCount(menu), 4);
    EXPECT_EQ(GetMenuItemID(GetSubMenu(menu, 0), 0), static_cast<UINT>(CMD_FRAME_QUIT));
    EXPECT_EQ(app->frameMenu(), &frame.menu);
    EXPECT_EQ(frame.menu.windowMenuPosition, 4);

    // Accelerators 1105: Ctrl+Q gives 11001.
    ASSERT_TRUE(frame.acceleratorTable);
    ACCEL entries[4];
    ASSERT_EQ(CopyAcceleratorTableA(frame.acceleratorTable, entries, 4), 1);
    EXPECT_EQ(entries[0].key, 'Q');
    EXPECT_EQ(entries[0].cmd, CMD_FRAME_QUIT);
    EXPECT_EQ(entries[0].fVirt & (FCONTROL | FVIRTKEY), FCONTROL | FVIRTKEY);

    // The MDI client: control id 3244, a child of the frame.
    HWND client = frame.mdiClientHandle();
    ASSERT_TRUE(client);
    EXPECT_EQ(GetDlgCtrlID(client), 3244);
    EXPECT_EQ(GetParent(client), frame.hwnd());
    EXPECT_STRCASEEQ(classOf(client).c_str(), "MDIClient");
    EXPECT_EQ(GetWindowLongA(client, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN),
              WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN);

    // The status bar: id 101 along the bottom.
    ASSERT_TRUE(frame.statusBar);
    HWND bar = GetDlgItem(frame.hwnd(), 101);
    EXPECT_EQ(bar, frame.statusBar->hwnd());
    EXPECT_STRCASEEQ(classOf(bar).c_str(), STATUSCLASSNAMEA);
    IntRect barRect = childRectInFrame(bar);
    EXPECT_EQ(barRect.bottom, frame.clientRect().bottom);
    EXPECT_GT(barRect.height(), 0);

    // Without any dock panes the client fills the area above the status bar less 2 pixels a side.
    IntRect expected = frame.clientRect();
    expected.bottom -= barRect.height();
    expected.deflate(2);
    EXPECT_TRUE(childRectInFrame(client).equals(expected));

    FrameWindow plain;
    EXPECT_EQ(plain.menu.resourceId, 1104);
    EXPECT_EQ(plain.acceleratorResourceId, 1105);
    EXPECT_EQ(plain.background, COLOR_BTNFACE + 1);
    MainFrame main;
    EXPECT_EQ(main.menu.resourceId, 101);
    EXPECT_EQ(main.acceleratorResourceId, 102);
    EXPECT_GT(main.serial, plain.serial);
}

TEST_F(Frame, ClientLeavesRoomForDockEdgesStatusBarAndBorder)
{
    layout.top = 10;
    layout.left = 20;
    layout.right = 30;
    layout.bottom = 40;
    ScopedOverride panes(app->workspaceLayout, &layout);
    frame.resize(700, 500, TRUE);
    IntRect client = frame.clientRect();
    int barHeight = frame.statusBar->clientRect().height();
    IntRect expected;
    expected.left = 20 + 2;
    expected.top = 10 + 2;
    expected.right = client.right - 30 - 2;
    expected.bottom = client.bottom - barHeight - 40 - 2;
    IntRect actual = childRectInFrame(frame.mdiClientHandle());
    EXPECT_TRUE(actual.equals(expected)) << actual.left << "," << actual.top << "," << actual.right << ","
                                         << actual.bottom;
    EXPECT_EQ(childRectInFrame(frame.statusBar->hwnd()).top, client.bottom - barHeight);

    // The free-area queries.
    EXPECT_EQ(frame.paneArea().top, 10);
    EXPECT_EQ(frame.paneArea().bottom, client.bottom - barHeight - 40);
    EXPECT_EQ(frame.paneArea().left, 0);
    EXPECT_EQ(frame.paneTopStrip(7).bottom, 17);
    EXPECT_EQ(frame.paneRightStrip(25).left, client.right - 25);
    EXPECT_EQ(frame.documentArea().left, 20);

    // Panes that leave no room squeeze the client to nothing.
    layout.left = 5000;
    frame.sendSize();
    actual = childRectInFrame(frame.mdiClientHandle());
    EXPECT_EQ(actual.width(), 0);
}

TEST_F(Frame, PaintsASunkenBorderAndEtchedDockSeparators)
{
    layout.top = 20;
    layout.left = 30;
    ScopedOverride panes(app->workspaceLayout, &layout);
    frame.sendSize();
    IntRect client = frame.clientRect();
    DibSurface surface(client.width(), client.height(), RGB(0, 128, 0));
    DeviceContext target;
    target.attachHdc(surface.hdc);
    frame.drawBorders(target);
    IntRect area = frame.documentArea();
    int midX = (area.left + area.right) / 2;
    int midY = (area.top + area.bottom) / 2;
    const COLORREF gray = RGB(128, 128, 128), white = RGB(255, 255, 255), black = RGB(0, 0, 0),
                   pale = RGB(223, 223, 223);
    // Outer ring: grey top and left, white right and bottom; inner ring: black, pale grey.
    EXPECT_EQ(surface.pixel(midX, area.top), gray);
    EXPECT_EQ(surface.pixel(area.left, midY), gray);
    EXPECT_EQ(surface.pixel(area.right - 1, midY), white);
    EXPECT_EQ(surface.pixel(midX, area.bottom - 1), white);
    EXPECT_EQ(surface.pixel(midX, area.top + 1), black);
    EXPECT_EQ(surface.pixel(area.left + 1, midY), black);
    EXPECT_EQ(surface.pixel(area.right - 2, midY), pale);
    EXPECT_EQ(surface.pixel(midX, area.bottom - 2), pale);
    // Inside the border nothing is painted: that is the MDI client's.
    EXPECT_EQ(surface.pixel(midX, midY), RGB(0, 128, 0));
    EXPECT_TRUE(childRectInFrame(frame.mdiClientHandle()).equals([&] {
        IntRect r = area;
        r.deflate(2);
        return r;
    }()));
    // Etched lines along the occupied top and left dock areas; none at the empty bottom side.
    EXPECT_EQ(surface.pixel(midX, area.top - 2), gray);
    EXPECT_EQ(surface.pixel(midX, area.top - 1), white);
    EXPECT_EQ(surface.pixel(area.left - 2, midY), gray);
    EXPECT_EQ(surface.pixel(area.left - 1, midY), white);
    EXPECT_EQ(surface.pixel(midX, area.bottom), RGB(0, 128, 0));

    // The paint event lets the layout paint first.
    SendMessageA(frame.hwnd(), WM_PAINT, 0, 0);
    EXPECT_EQ(layout.calls, std::vector<std::string>{"paint"});
}

TEST_F(Frame, PaneEventsGoToTheWorkspaceLayout)
{
    ScopedOverride panes(app->workspaceLayout, &layout);
    CurrentEvent& e = *theCurrentEvent;
    ASSERT_TRUE(e.postEvent(EV_PANE_CLOSE, 7, 0));
    ASSERT_TRUE(e.postEvent(EV_PANE_MOVE, 8, 0));
    ASSERT_TRUE(e.postEvent(EV_PANE_RESIZE, 9, 43));
    ASSERT_TRUE(e.postEvent(EV_PANE_LEFT_PRESS, -1, 0));
    ASSERT_TRUE(e.postEvent(EV_PANE_RIGHT_PRESS, -1, 0));
    ASSERT_TRUE(e.postEvent(EV_IDLE, 0, 0));
    while (e.popAndRoute()) {
    }
    SendMessageA(frame.hwnd(), WM_LBUTTONDOWN, 0, 0);
    SendMessageA(frame.hwnd(), WM_RBUTTONDOWN, 0, 0);
    SendMessageA(frame.hwnd(), WM_MOUSEMOVE, 0, 0);
    SendMessageA(frame.hwnd(), WM_HSCROLL, 0, 0);
    SendMessageA(frame.hwnd(), WM_VSCROLL, 0, 0);
    EXPECT_EQ(layout.calls, (std::vector<std::string>{"close 7", "move 8", "resize 9 43", "left", "right", "idle",
                                                      "left", "right", "mousemove", "scroll", "scroll"}));

    // Without a layout the idle event lets the pump block again.
    ScopedOverride none(app->workspaceLayout, nullptr);
    e.mayBlock = 0;
    e.blockingAllowed = 1;
    ASSERT_TRUE(e.postIdle());
    e.popAndRoute();
    EXPECT_EQ(e.mayBlock, 1);
}

TEST_F(Frame, CommandsAbortMouseLoopsAndCtrlQClosesTheFrame)
{
    CurrentEvent& e = *theCurrentEvent;
    e.abortLoop = 0;
    EXPECT_EQ(SendMessageA(frame.hwnd(), WM_COMMAND, MAKEWPARAM(40001, 0), 0), 0);
    EXPECT_EQ(e.abortLoop, 1);
    EXPECT_TRUE(IsWindow(frame.hwnd()));

    // A cancelled close keeps the frame.
    frame.onEvent = [](RecordingFrame&) {
        if (theCurrentEvent->code == EV_CLOSE)
            theCurrentEvent->cancelClose();
    };
    frame.sendClose();
    EXPECT_TRUE(IsWindow(frame.hwnd()));
    frame.onEvent = nullptr;

    // Ctrl+Q through the pump: the accelerator gives 11001, which closes the frame.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageA(frame.hwnd(), WM_KEYDOWN, 'Q', 1);
    for (int i = 0; i < 20 && IsWindow(frame.hwnd()); ++i)
        e.pumpStepNoWait(0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_FALSE(IsWindow(frame.hwnd()));
    // The frame's destruction posted the quit message; take it off the queue.
    MSG m;
    PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    app->quit = 0;
}

TEST_F(Frame, EnablesMenuItemsAndPostsTheCloseRequestOfTheActiveDocument)
{
    frame.enableMenuItem(CMD_FRAME_QUIT, 0);
    EXPECT_TRUE(GetMenuState(frame.menu.menu.handle, CMD_FRAME_QUIT, MF_BYCOMMAND) & MF_GRAYED);
    frame.enableMenuItem(CMD_FRAME_QUIT, 1);
    EXPECT_FALSE(GetMenuState(frame.menu.menu.handle, CMD_FRAME_QUIT, MF_BYCOMMAND) & MF_GRAYED);

    // No active document: nothing is posted.
    int queued = theCurrentEvent->queuedCount();
    frame.postCloseRequest();
    EXPECT_EQ(theCurrentEvent->queuedCount(), queued);

    auto* document = new MdiChildWindow;
    ASSERT_TRUE(frame.documents.add(document));
    while (theCurrentEvent->popAndRoute()) {
    }
    frame.postCloseRequest();
    ASSERT_EQ(theCurrentEvent->queuedCount(), 1);
    // The request reaches the document as 7010, which sends it WM_CLOSE: 6032 follows, and the
    // frame then removes it.
    theCurrentEvent->popAndRoute();
    while (theCurrentEvent->popAndRoute()) {
    }
    EXPECT_EQ(frame.documents.count, 0);
}

} // namespace
