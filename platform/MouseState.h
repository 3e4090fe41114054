#pragma once
#include <windows.h>

#include "platform/IntPoint.h"

class TickTimer;

// Where the mouse buttons went down and up and how far the wheel turned, whatever window got the
// messages. The pump updates it before each mouse message is dispatched; the tools, the panes and
// the menus read it. All positions are in screen coordinates. It also owns the shown cursor: the
// system's cursors and the program's own, with a flag telling whether something other than the
// arrow is up.
class MouseState {
public:
    MouseState() = default;
    ~MouseState();
    MouseState(const MouseState&) = delete;
    MouseState& operator=(const MouseState&) = delete;

    // Positions and buttons
    void getCurrentPoint(IntPoint& p) const { p = current; }
    void getLeftDownPoint(IntPoint& p) const { p = leftDown; }
    void getRightDownPoint(IntPoint& p) const { p = rightDown; }
    void getWheelPoint(IntPoint& p) const { p = wheel; }
    // Reads the cursor (through the mouse source) into the current position and into p.
    void getCursorPos(IntPoint& p);
    void setWheelDelta(double delta) { wheelDelta = delta; }
    // Clears the four button and wheel flags and the wheel delta.
    void reset();
    void getButtonFlags(int& left, int& right) const { left = leftFlag; right = rightFlag; }
    void releaseLeft();
    void pressLeftAtCursor();
    void clearRightButton() { rightFlag = 0; }
    void clearMiddleButton() { middleFlag = 0; }
    [[nodiscard]] int isMiddleButtonHeld() const { return middleFlag; }
    void markDoubleClick(int value = 1) { doubleClickFlag = value; }
    [[nodiscard]] int isDoubleClick() const { return doubleClickFlag == 1; }
    // The cursor position into p; 1 while it is the left-press position.
    [[nodiscard]] int isAtLeftDownPoint(IntPoint& p);

    // Message updates: the window and the client coordinates of the message.
    void onLeftDown(HWND window, int x, int y);
    void onLeftUp(HWND window, int x, int y);
    void onRightDown(HWND window, int x, int y);
    void onMiddleDown(HWND window, int x, int y);
    // The wheel position arrives in screen coordinates already; the delta word is signed 16-bit.
    void onWheel(int delta, int screenX, int screenY);
    // The update the pump makes for a mouse message of any window; nothing for other messages.
    void trackMessage(const MSG& message);

    // Right after a left press: waits, without dispatching anything, until a second left press
    // (non-zero), the double-click time since the timer's start (0) or a move of more than 2
    // pixels away from the press (0). The mouse messages it takes from the queue are dropped, but
    // their button updates are kept here.
    [[nodiscard]] int waitForSecondClick(const TickTimer& timer);

    // Cursors. Each shows its cursor only when it is not the one shown already.
    void setSystemCursor(int id);
    void setResourceCursor(int id);
    void setArrowCursor();
    void setCrossCursor();
    void setIBeamCursor();
    void setWaitCursor();
    void setSizeAllCursor();
    void setSizeNeswCursor();
    void setSizeNsCursor();
    void setSizeNwseCursor();
    void setSizeWeCursor();
    void setMagnifierCursor();
    void setArrowCCursor();
    void setRemoveCursor();
    void setMinusCursor() { setRemoveCursor(); }
    void setHandCursor();
    void setGrabCursor();
    void setAddCursor();
    // The rubber band's "whole-enclose" and "part-enclose" arrows.
    void setArrowACursor();
    void setArrowPCursor();
    void setArrowLCursor();
    void setArrowSlashCursor();
    void setArrowICursor();
    void setZoomInCursor();
    void setZoomOutCursor();
    void setCrossCircleCursor();
    void setCrossHalfArcCursor();
    void setCrossQuarterArcCursor();
    // Back to the arrow, unless the left button is held or the arrow is up already.
    void restoreArrowIfIdle();
    void saveCursor();
    void restoreCursor();
    void showCurrentCursor();

    IntPoint current, leftDown, leftUp, rightDown, middleDown, wheel;
    double wheelDelta = 0.0;
    int leftFlag = 0;
    int rightFlag = 0;
    int middleFlag = 0;
    int wheelFlag = 0;
    int doubleClickFlag = 0;
    int secondFlag = 0;
    int customCursor = 0;
    HCURSOR cursor = nullptr;
    HCURSOR savedCursor = nullptr;
    // The cursor handle must be destroyed before it is replaced.
    int ownedCursor = 0;
    // Switched on by the main frame: the wheel zooms the view instead of scrolling it, and the
    // middle button pans it.
    int wheelZoomMode = 0;
    int middlePanMode = 0;

private:
    void show(HCURSOR handle, int custom);
    void dropOwnedCursor();
};

extern MouseState* theMouseState;
