#pragma once
#include <windows.h>

#include "platform/IntPoint.h"

// The one place the library and the tools read the mouse from: the cursor position (screen
// coordinates) and whether a button, Shift or Control is down. The system source answers with
// GetCursorPos and the thread's key state; tests install a source that plays a script, since
// synthetic input does not reach these calls reliably.
class MouseSource {
public:
    virtual ~MouseSource() = default;
    virtual void cursorPos(IntPoint& p);
    // Virtual keys VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_SHIFT, VK_CONTROL (any other works
    // too): 1 while down.
    [[nodiscard]] virtual int isDown(int virtualKey);
};

// Installs a source (null brings back the system's) and returns the one it replaces.
MouseSource* setMouseSource(MouseSource* source);

void readCursorPos(IntPoint& p);
[[nodiscard]] int isLeftButtonDown();
[[nodiscard]] int isRightButtonDown();
[[nodiscard]] int isMiddleButtonDown();
[[nodiscard]] int isShiftDown();
[[nodiscard]] int isControlDown();
// Any other key (the arrow keys) through the same source.
[[nodiscard]] int isKeyDown(int virtualKey);
