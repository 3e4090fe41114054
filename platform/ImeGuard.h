#pragma once
#include <windows.h>

#include "platform/IntPoint.h"

class Window;

// Keeps the input-method editor off while any dialog object exists: every dialog constructor
// calls disable() and its destructor restore(); the first disable remembers the state the IME
// had, and the last restore brings that state back. Numeric fields switch the IME off when they
// take the focus, text fields bring it back.
//
// Under Wine's null driver there is no IME: the calls fail quietly and only the counting is
// observable.
class ImeGuard {
public:
    void disable();
    void restore();
    void switchOffNow();
    // Brings back the remembered state, but only while a dialog keeps the IME off.
    void restoreNow();
    // Puts the IME's composition window at a point of the window's client area (the text caret),
    // then gives it the window's font.
    void placeCompositionWindow(Window* window, const IntPoint& at);
    // The composition font: the window's current font, or SYSTEM_FIXED_FONT when it has none.
    void setCompositionFont(Window* window);

    int savedState = 0;
    int count = 0;
    HWND imeWindow = nullptr;

private:
    // One IMESTRUCT request in a shared global block, freed after the call.
    LRESULT sendRequest(UINT function, WPARAM wParam, LPARAM lParam1);
};

extern ImeGuard* theImeGuard;
