#pragma once
#include <windows.h>

#include "platform/IntPoint.h"

// Where the mouse buttons went down and up and how far the wheel turned, whatever window got the
// messages. The pump updates it before each mouse message is dispatched. All positions are in
// screen coordinates.
class MouseState {
public:
    void getCurrentPoint(IntPoint& p) const { p = current; }
    void getLeftDownPoint(IntPoint& p) const { p = leftDown; }
    void getRightDownPoint(IntPoint& p) const { p = rightDown; }
    void getWheelPoint(IntPoint& p) const { p = wheel; }
    void getCursorPos(IntPoint& p);
    void reset();
    void getButtonFlags(int& left, int& right) const { left = leftFlag; right = rightFlag; }
    void releaseLeft();
    void pressLeftAtCursor();
    void clearRightButton() { rightFlag = 0; }
    void clearMiddleButton() { middleFlag = 0; }

    // Message updates: the window and the client coordinates of the message.
    void onLeftDown(HWND window, int x, int y);
    void onLeftUp(HWND window, int x, int y);
    void onRightDown(HWND window, int x, int y);
    void onMiddleDown(HWND window, int x, int y);
    // The wheel position arrives in screen coordinates already.
    void onWheel(int delta, int screenX, int screenY);

    IntPoint current, leftDown, leftUp, rightDown, middleDown, wheel;
    double wheelDelta = 0.0;
    int leftFlag = 0;
    int rightFlag = 0;
    int middleFlag = 0;
    int wheelFlag = 0;
};

extern MouseState* theMouseState;
