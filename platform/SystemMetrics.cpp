#include "platform/SystemMetrics.h"

#include <windows.h>

namespace {
const int kTaskBarReserve = 25;
} // namespace

IntRect getScreenRect()
{
    IntRect r;
    r.right = GetSystemMetrics(SM_CXSCREEN);
    r.bottom = GetSystemMetrics(SM_CYSCREEN);
    return r;
}

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
