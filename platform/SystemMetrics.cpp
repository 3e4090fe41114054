#include "platform/SystemMetrics.h"

#include <windows.h>

namespace {
const int kTaskBarReserve = 25;
// The screen size as last read; empty until read and after a display change. Every shape asks
// for it, and under Wine each system-metrics call costs about a tenth of a millisecond.
IntRect screenRect;
} // namespace

IntRect getScreenRect()
{
    if (screenRect.right <= 0 || screenRect.bottom <= 0) {
        screenRect.right = GetSystemMetrics(SM_CXSCREEN);
        screenRect.bottom = GetSystemMetrics(SM_CYSCREEN);
    }
    return screenRect;
}

void forgetScreenRect() { screenRect = IntRect(); }

IntRect getWorkRect()
{
    IntRect r = getScreenRect();
    r.bottom -= kTaskBarReserve;
    return r;
}

int getSmallCaptionHeight() { return GetSystemMetrics(SM_CYSMCAPTION); }
int getDialogFrameWidth() { return GetSystemMetrics(SM_CXDLGFRAME); }
int getVScrollBarWidth() { return GetSystemMetrics(SM_CXVSCROLL); }
int getHScrollBarHeight() { return GetSystemMetrics(SM_CYHSCROLL); }
int getCursorHeight() { return GetSystemMetrics(SM_CYCURSOR); }
