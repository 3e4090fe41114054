#include "platform/ImeGuard.h"

#include "platform/Window.h"

// Exported by user32 but declared in no mingw-w64 header.
extern "C" BOOL WINAPI WINNLSEnableIME(HWND window, BOOL enable);

ImeGuard* theImeGuard = nullptr;

void ImeGuard::disable()
{
    if (count < 1)
        savedState = WINNLSEnableIME(nullptr, FALSE) ? 1 : 0;
    ++count;
}

void ImeGuard::restore()
{
    --count;
    if (count < 1) {
        count = 0;
        WINNLSEnableIME(nullptr, savedState);
    }
}

void ImeGuard::switchOffNow() { WINNLSEnableIME(nullptr, FALSE); }

void ImeGuard::restoreNow()
{
    if (count >= 1)
        WINNLSEnableIME(nullptr, savedState);
}

void ImeGuard::placeCompositionWindow(Window* window, const IntPoint&)
{
    imeWindow = window ? window->hwnd() : nullptr;
}
