#include "platform/MouseState.h"

MouseState* theMouseState = nullptr;

namespace {
IntPoint toScreen(HWND window, int x, int y)
{
    POINT p = {x, y};
    if (window)
        ClientToScreen(window, &p);
    return IntPoint(p.x, p.y);
}
} // namespace

void MouseState::getCursorPos(IntPoint& p)
{
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    current.set(cursor.x, cursor.y);
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
