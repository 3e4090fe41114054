#include "platform/RangeControls.h"

#include <commctrl.h>

void ProgressBar::setRange(long long newLow, long long newHigh)
{
    low = newLow;
    high = newHigh;
    sendItemMessage(PBM_SETPOS, 0, 0);
    sendItemMessage(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    shownPercent = isAttached() ? 0 : -1;
}

int ProgressBar::percentOf(long long low, long long high, long long v)
{
    // In 128 bits, so that no range or value overflows.
    __int128 span = static_cast<__int128>(high) - low;
    if (span < 2)
        return -1;
    __int128 exact = (static_cast<__int128>(v) - low) * 100 / span;
    // The bar stops at its ends anyway.
    return exact < 0 ? 0 : (exact > 100 ? 100 : static_cast<int>(exact));
}

void ProgressBar::setValue(long long v)
{
    value = v;
    const int percent = percentOf(low, high, v);
    if (percent < 0)
        return;
    // Long operations call this for every step: only a new percentage reaches the bar.
    if (percent == shownPercent || !isAttached())
        return;
    sendItemMessage(PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    shownPercent = percent;
}

void UpDownControl::setRange(long long newLow, long long newHigh)
{
    low = static_cast<int>(newLow);
    high = static_cast<int>(newHigh);
    sendItemMessage(UDM_SETRANGE, 0, static_cast<LPARAM>((static_cast<unsigned>(low) << 16) | (high & 0xFFFF)));
}
