#include "platform/ProgressIndicator.h"

#include <commctrl.h>

#include "platform/Application.h"
#include "platform/Window.h"

int ProgressIndicator::create(Window* newOwner, const IntRect& newRect)
{
    destroy();
    owner = newOwner;
    rect = newRect;
    HINSTANCE instance = theApplication && theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
    progressWindow = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, rect.left, rect.top, rect.width(),
                                     rect.height(), owner ? owner->hwnd() : nullptr, reinterpret_cast<HMENU>(1),
                                     instance, nullptr);
    lastPercent = 0;
    return progressWindow != nullptr;
}

void ProgressIndicator::destroy()
{
    if (progressWindow)
        DestroyWindow(progressWindow);
    progressWindow = nullptr;
}

void ProgressIndicator::setRange(int newLow, int newHigh)
{
    low = newLow;
    high = newHigh;
    if (progressWindow) {
        SendMessageA(progressWindow, PBM_SETPOS, 0, 0);
        SendMessageA(progressWindow, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
        // The bar is back at 0: the next value is shown even when its percentage equals the one
        // shown before.
        lastPercent = 0;
    }
}

void ProgressIndicator::setValue(int v)
{
    value = v;
    long long span = static_cast<long long>(high) - low;
    if (!progressWindow || span < 2)
        return;
    // In 64 bits: values are byte counts of large files.
    int percent = static_cast<int>((static_cast<long long>(v) - low) * 100 / span);
    if (percent != lastPercent)
        SendMessageA(progressWindow, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    lastPercent = percent;
}
