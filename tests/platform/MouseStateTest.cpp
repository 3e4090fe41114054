// Mouse state: button tracking across windows, the double-click wait and the cursors.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/CurrentEvent.h"
#include "platform/MouseSource.h"
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

    // The middle button and the right button come and go with their messages.
    PostMessageA(first.hwnd(), WM_MBUTTONDOWN, 0, MAKELPARAM(2, 3));
    PostMessageA(first.hwnd(), WM_RBUTTONDOWN, 0, MAKELPARAM(4, 4));
    pumpAll();
    EXPECT_EQ(state.isMiddleButtonHeld(), 1);
    EXPECT_TRUE(state.middleDown.equals(screenOf(first, 2, 3)));
    EXPECT_EQ(state.rightFlag, 1);
    PostMessageA(first.hwnd(), WM_MBUTTONUP, 0, 0);
    PostMessageA(first.hwnd(), WM_RBUTTONUP, 0, 0);
    pumpAll();
    EXPECT_EQ(state.isMiddleButtonHeld(), 0);
    EXPECT_EQ(state.rightFlag, 0);

    // The modes of the wheel and of the middle button are off until the frame switches them on.
    EXPECT_EQ(state.wheelZoomMode, 0);
    EXPECT_EQ(state.middlePanMode, 0);
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

TEST_F(MouseStateTest, PositionQueriesReadTheMouseSource)
{
    mouse.rest(40, 50);
    state.leftDown.set(40, 50);
    IntPoint p;
    EXPECT_EQ(state.isAtLeftDownPoint(p), 1);
    EXPECT_TRUE(p.equalsXY(40, 50));
    EXPECT_TRUE(state.current.equalsXY(40, 50));
    mouse.rest(41, 50, ScriptedMouse::kShift | ScriptedMouse::kLeft);
    EXPECT_EQ(state.isAtLeftDownPoint(p), 0);
    EXPECT_EQ(isShiftDown(), 1);
    EXPECT_EQ(isLeftButtonDown(), 1);
    EXPECT_EQ(isControlDown(), 0);

    state.pressLeftAtCursor();
    EXPECT_EQ(state.leftFlag, 1);
    EXPECT_TRUE(state.leftDown.equalsXY(41, 50));
    state.onWheel(65416, 7, 8);
    EXPECT_DOUBLE_EQ(state.wheelDelta, -120.0);
    state.reset();
    EXPECT_EQ(state.leftFlag + state.rightFlag + state.middleFlag + state.wheelFlag, 0);
    EXPECT_DOUBLE_EQ(state.wheelDelta, 0.0);
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

    // Saved and shown again after another cursor.
    state.setSizeWeCursor();
    state.saveCursor();
    state.setWaitCursor();
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
    state.restoreCursor();
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
    SetCursor(nullptr);
    state.showCurrentCursor();
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
}

TEST_F(MouseStateTest, ProgramCursorsAre32By32WithTheirHotSpots)
{
    struct Case {
        void (MouseState::*set)();
        int id;
        DWORD hotX, hotY;
    } cases[] = {
        {&MouseState::setMagnifierCursor, IDCUR_MAGNIFIER, 10, 10},
        {&MouseState::setArrowCCursor, IDCUR_ARROW_COPY, 0, 0},
        {&MouseState::setRemoveCursor, IDCUR_REMOVE, 0, 0},
        {&MouseState::setHandCursor, IDCUR_HAND, 15, 15},
        {&MouseState::setGrabCursor, IDCUR_GRAB, 15, 15},
        {&MouseState::setAddCursor, IDCUR_ADD, 0, 0},
        {&MouseState::setArrowACursor, IDCUR_ARROW_WHOLE, 0, 0},
        {&MouseState::setArrowPCursor, IDCUR_ARROW_PART, 0, 0},
        {&MouseState::setArrowLCursor, IDCUR_ARROW_LINE, 0, 0},
        {&MouseState::setArrowSlashCursor, IDCUR_ARROW_SLASH, 0, 0},
        {&MouseState::setArrowICursor, IDCUR_ARROW_TEXT, 0, 0},
        {&MouseState::setZoomInCursor, IDCUR_ZOOM_IN, 10, 10},
        {&MouseState::setZoomOutCursor, IDCUR_ZOOM_OUT, 10, 10},
        {&MouseState::setCrossCircleCursor, IDCUR_CROSS_CIRCLE, 10, 10},
        {&MouseState::setCrossHalfArcCursor, IDCUR_CROSS_HALF_ARC, 10, 10},
        {&MouseState::setCrossQuarterArcCursor, IDCUR_CROSS_QUARTER_ARC, 10, 10},
    };
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        HCURSOR expected = LoadCursorA(instance, MAKEINTRESOURCEA(c.id));
        ASSERT_NE(expected, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(expected, &info));
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, c.hotX);
        EXPECT_EQ(info.yHotspot, c.hotY);
        BITMAP mask = {};
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(mask.bmWidth, 32);
        // A monochrome cursor keeps both masks in one bitmap twice as high.
        EXPECT_EQ(mask.bmHeight, info.hbmColor ? 32 : 64);
        DeleteObject(info.hbmMask);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);

        state.setArrowCursor();
        (state.*c.set)();
        EXPECT_EQ(GetCursor(), expected);
        EXPECT_EQ(state.cursor, expected);
        EXPECT_EQ(state.customCursor, 1);
    }
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
