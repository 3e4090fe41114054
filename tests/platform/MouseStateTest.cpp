// Mouse state: button tracking across windows, the double-click wait and the cursors.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/CurrentEvent.h"
#include "platform/MouseState.h"
#include "platform/TickTimer.h"
#include "resources/ids.h"
#include "tests/support/DibSurface.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

namespace {

IntPoint screenOf(const Window& w, int x, int y)
{
    IntPoint p(x, y);
    w.clientToScreen(p);
    return p;
}

int queuedMouseMessages(UINT message)
{
    MSG m;
    int n = 0;
    while (PeekMessageA(&m, nullptr, message, message, PM_REMOVE))
        ++n;
    return n;
}

class MouseStateTest : public ::testing::Test {
protected:
    void pumpAll()
    {
        MSG m;
        for (int i = 0; i < 50 && PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE); ++i)
            theCurrentEvent->pumpStepNoWait(0);
    }

    TestApplication app;
    FakeClock clock{1000, 500};
    ScriptedMouse mouse;
    MouseState& state = *theMouseState;
};

TEST_F(MouseStateTest, PressInOneWindowReleaseInAnotherGivesScreenPositions)
{
    RecordingWindow first, second;
    MoveWindow(second.hwnd(), 400, 300, 200, 100, FALSE);
    PostMessageA(first.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    PostMessageA(second.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(7, 9));
    pumpAll();
    EXPECT_TRUE(state.leftDown.equals(screenOf(first, 5, 6)));
    EXPECT_TRUE(state.leftUp.equals(screenOf(second, 7, 9)));
    EXPECT_EQ(state.leftFlag, 0);
    EXPECT_EQ(theCurrentEvent->mouseWindow, second.hwnd());

    // A release on a caption or border takes the cursor position as the release point.
    state.leftFlag = 1;
    mouse.rest(321, 123);
    PostMessageA(first.hwnd(), WM_NCLBUTTONUP, HTCAPTION, MAKELPARAM(1, 1));
    pumpAll();
    EXPECT_EQ(state.leftFlag, 0);
    EXPECT_TRUE(state.leftUp.equalsXY(321, 123));
}

TEST_F(MouseStateTest, SecondPressNearTheFirstWithinTheTimeIsADoubleClick)
{
    RecordingWindow window;
    state.onLeftDown(window.hwnd(), 10, 10);
    IntPoint press = state.leftDown;
    mouse.rest(press.x + 2, press.y);   // 2 pixels away still counts
    PostMessageA(window.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    PostMessageA(window.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(12, 10));
    PostMessageA(window.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 10));
    PostMessageA(window.hwnd(), WM_KEYDOWN, 'K', 0);
    TickTimer timer;
    timer.start();
    EXPECT_NE(state.waitForSecondClick(timer), 0);
    // The second press is taken from the queue, not dispatched, but counted as held.
    EXPECT_EQ(state.leftFlag, 1);
    EXPECT_TRUE(state.leftDown.equals(screenOf(window, 12, 10)));
    EXPECT_EQ(queuedMouseMessages(WM_LBUTTONDOWN), 0);
    // Other input stays for the pump.
    EXPECT_EQ(queuedMouseMessages(WM_KEYDOWN), 1);
    EXPECT_TRUE(window.codes.empty());
}

TEST_F(MouseStateTest, MovingThreePixelsEndsTheWaitAndConsumesTheMoves)
{
    RecordingWindow window;
    state.onLeftDown(window.hwnd(), 10, 10);
    IntPoint press = state.leftDown;
    // The first read finds the cursor at the press, the second 3 pixels off, well inside the
    // double-click time.
    mouse.at(1000, press.x, press.y).at(1010, press.x + 3, press.y);
    mouse.advanceClockPerRead(&clock, 10);
    PostMessageA(window.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(13, 10));
    PostMessageA(window.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(13, 10));
    TickTimer timer;
    timer.start();
    EXPECT_EQ(state.waitForSecondClick(timer), 0);
    EXPECT_LT(clock.now(), 1500u);
    EXPECT_EQ(queuedMouseMessages(WM_MOUSEMOVE), 1);   // one seen and dropped per pass
    EXPECT_TRUE(window.codes.empty());
}

TEST_F(MouseStateTest, AfterASingleClickTheWaitEndsWithTheLeftFlagClear)
{
    RecordingWindow window;
    state.onLeftDown(window.hwnd(), 10, 10);
    mouse.rest(state.leftDown.x, state.leftDown.y);
    mouse.advanceClockPerRead(&clock, 50);
    PostMessageA(window.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(11, 10));
    TickTimer timer;
    timer.start();
    EXPECT_EQ(state.waitForSecondClick(timer), 0);
    EXPECT_GE(clock.now(), 1500u);
    EXPECT_EQ(state.leftFlag, 0);
    EXPECT_TRUE(state.leftUp.equals(screenOf(window, 11, 10)));

    // A wait started after the time has run out ends at once.
    clock.advance(1000);
    int reads = mouse.cursorReads;
    EXPECT_EQ(state.waitForSecondClick(timer), 0);
    EXPECT_EQ(mouse.cursorReads, reads);
}

TEST_F(MouseStateTest, SystemCursorsAndTheArrowWhenIdle)
{
    state.setCrossCursor();
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_CROSS));
    EXPECT_EQ(state.customCursor, 1);

    // While the left button is held the tool's cursor stays.
    state.leftFlag = 1;
    state.restoreArrowIfIdle();
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_CROSS));
    EXPECT_EQ(state.customCursor, 1);

    state.leftFlag = 0;
    state.restoreArrowIfIdle();
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(state.customCursor, 0);
}

TEST_F(MouseStateTest, ProgramCursorsAre32By32)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (int id : {1103, 1106, 1107, 1109, 1110, 1111, 1112, 1113, 1114, 1115, 1116, 1117, 1118, 1119, 1120, 1121}) {
        SCOPED_TRACE(id);
        HCURSOR cursor = LoadCursorA(instance, MAKEINTRESOURCEA(id));
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(cursor, &info));
        BITMAP mask = {};
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(mask.bmWidth, 32);
        // A monochrome cursor keeps both masks in one bitmap twice as high.
        EXPECT_EQ(mask.bmHeight, info.hbmColor ? 32 : 64);
        if (id == IDCUR_MAGNIFIER || id == IDCUR_CROSS_CIRCLE) {
            EXPECT_EQ(info.xHotspot * 100 + info.yHotspot, 1010u);   // the lens centre, the cross
        }
        DeleteObject(info.hbmMask);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
    }
    // The rubber band shows the "A" arrow while it takes wholly enclosed elements, "P" for
    // partly covered ones.
    state.setArrowACursor();
    EXPECT_EQ(GetCursor(), LoadCursorA(instance, MAKEINTRESOURCEA(IDCUR_ARROW_WHOLE)));
    state.setArrowPCursor();
    EXPECT_EQ(GetCursor(), LoadCursorA(instance, MAKEINTRESOURCEA(IDCUR_ARROW_PART)));
    EXPECT_EQ(state.customCursor, 1);
}

TEST_F(MouseStateTest, CursorPicturesHaveBlackOutlinesWhiteFillAndTransparentGround)
{
    const COLORREF ground = RGB(0, 128, 128);
    DibSurface surface(32, 32, ground);
    HCURSOR copy = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDCUR_ARROW_COPY));
    ASSERT_TRUE(DrawIconEx(surface.hdc, 0, 0, copy, 32, 32, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(surface.pixel(0, 0), RGB(0, 0, 0));          // the arrow's tip
    EXPECT_EQ(surface.pixel(1, 5), RGB(255, 255, 255));    // inside the arrow
    EXPECT_EQ(surface.pixel(20, 3), ground);               // beside it
    EXPECT_EQ(surface.pixel(14, 19), RGB(0, 0, 0));        // the corner of the "C" badge
    EXPECT_EQ(surface.pixel(16, 21), RGB(255, 255, 255));
    EXPECT_EQ(surface.pixel(31, 31), ground);
}

} // namespace
