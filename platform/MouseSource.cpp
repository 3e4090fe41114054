#include "platform/MouseSource.h"

namespace {
MouseSource systemSource;
MouseSource* currentSource = &systemSource;
} // namespace

void MouseSource::cursorPos(IntPoint& p)
{
    POINT cursor = {};
    if (!GetCursorPos(&cursor))
        cursor = POINT{};
    p.set(cursor.x, cursor.y);
}

// GetKeyState follows the messages this thread has taken from its queue, so a loop that pumps
// sees the button go up with the WM_LBUTTONUP it has just handled.
int MouseSource::isDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) ? 1 : 0; }

MouseSource* setMouseSource(MouseSource* source)
{
    MouseSource* previous = currentSource == &systemSource ? nullptr : currentSource;
    currentSource = source ? source : &systemSource;
    return previous;
}

void readCursorPos(IntPoint& p) { currentSource->cursorPos(p); }
int isLeftButtonDown() { return currentSource->isDown(VK_LBUTTON); }
int isRightButtonDown() { return currentSource->isDown(VK_RBUTTON); }
int isMiddleButtonDown() { return currentSource->isDown(VK_MBUTTON); }
int isShiftDown() { return currentSource->isDown(VK_SHIFT); }
int isControlDown() { return currentSource->isDown(VK_CONTROL); }
int isKeyDown(int virtualKey) { return currentSource->isDown(virtualKey); }
