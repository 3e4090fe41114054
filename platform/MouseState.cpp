#include "platform/MouseState.h"

#include "platform/Clock.h"
#include "platform/MouseSource.h"
#include "platform/TickTimer.h"

MouseState* theMouseState = nullptr;

namespace {
// A second press farther than this from the first (whole pixels) is no double click.
const int kDoubleClickSlop = 2;
// How long the double-click wait sleeps when no mouse message is waiting.
const DWORD kWaitSliceMs = 10;

IntPoint toScreen(HWND window, int x, int y)
{
    POINT p = {x, y};
    if (window)
        ClientToScreen(window, &p);
    return IntPoint(p.x, p.y);
}

// Mouse positions are signed: a captured mouse left of or above the window gives negative ones.
int lowSigned(LPARAM value) { return static_cast<short>(LOWORD(value)); }
int highSigned(LPARAM value) { return static_cast<short>(HIWORD(value)); }
} // namespace

MouseState::~MouseState() { dropOwnedCursor(); }

void MouseState::getCursorPos(IntPoint& p)
{
    readCursorPos(current);
    p = current;
}

void MouseState::reset()
{
    leftFlag = rightFlag = middleFlag = wheelFlag = 0;
    wheelDelta = 0.0;
}

void MouseState::releaseLeft()
{
    leftFlag = 0;
    getCursorPos(leftUp);
}

void MouseState::pressLeftAtCursor()
{
    leftFlag = 1;
    getCursorPos(leftDown);
}

int MouseState::isAtLeftDownPoint(IntPoint& p)
{
    getCursorPos(p);
    return p.equals(leftDown);
}

void MouseState::onLeftDown(HWND window, int x, int y)
{
    leftFlag = 1;
    leftDown = toScreen(window, x, y);
}

void MouseState::onLeftUp(HWND window, int x, int y)
{
    leftFlag = 0;
    leftUp = toScreen(window, x, y);
}

void MouseState::onRightDown(HWND window, int x, int y)
{
    rightFlag = 1;
    rightDown = toScreen(window, x, y);
}

void MouseState::onMiddleDown(HWND window, int x, int y)
{
    middleFlag = 1;
    middleDown = toScreen(window, x, y);
}

void MouseState::onWheel(int delta, int screenX, int screenY)
{
    wheelFlag = 1;
    wheelDelta += static_cast<short>(delta & 0xFFFF);
    wheel.set(screenX, screenY);
}

void MouseState::trackMessage(const MSG& m)
{
    int x = lowSigned(m.lParam);
    int y = highSigned(m.lParam);
    switch (m.message) {
    case WM_LBUTTONDOWN:
        onLeftDown(m.hwnd, x, y);
        break;
    case WM_LBUTTONUP:
        onLeftUp(m.hwnd, x, y);
        break;
    case WM_RBUTTONDOWN:
        onRightDown(m.hwnd, x, y);
        break;
    case WM_RBUTTONUP:
    case WM_NCRBUTTONUP:
        clearRightButton();
        break;
    case WM_MBUTTONDOWN:
        onMiddleDown(m.hwnd, x, y);
        break;
    case WM_MBUTTONUP:
    case WM_NCMBUTTONUP:
        clearMiddleButton();
        break;
    case WM_MOUSEWHEEL:
        onWheel(static_cast<int>(HIWORD(m.wParam)), x, y);
        break;
    case WM_NCLBUTTONUP:
        releaseLeft();
        break;
    default:
        break;
    }
}

int MouseState::waitForSecondClick(const TickTimer& timer)
{
    const DWORD limit = currentDoubleClickTime();
    for (;;) {
        if (!timer.notElapsed(limit))
            return 0;
        IntPoint p;
        getCursorPos(p);
        if (p.distanceTo(leftDown) > kDoubleClickSlop)
            return 0;
        MSG m;
        if (PeekMessageA(&m, nullptr, WM_MOUSEMOVE, WM_MBUTTONDBLCLK, PM_REMOVE)) {
            // Not dispatched, but the first click's release must not leave the left button
            // looking held.
            trackMessage(m);
            if (m.message == WM_LBUTTONDOWN)
                return 1;
            continue;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kWaitSliceMs, QS_MOUSE);
    }
}
