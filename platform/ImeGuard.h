#pragma once
#include <windows.h>

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

    int savedState = 0;
    int count = 0;
    HWND imeWindow = nullptr;
};

extern ImeGuard* theImeGuard;
