#include "platform/WindowScrollBar.h"

namespace {
const UINT kRangePagePos = SIF_RANGE | SIF_PAGE | SIF_POS;
}

WindowScrollBar::WindowScrollBar() : info{}
{
    info.cbSize = sizeof info;
    info.fMask = kRangePagePos;
}

void WindowScrollBar::setRange(int newMinimum, int newMaximum, int newPage)
{
    minimum = newMinimum;
    maximum = newMaximum;
    page = newPage;
}

void WindowScrollBar::setRangeKeepPosition(int newMinimum, int newMaximum, int newPage)
{
    int current = position();
    setRange(newMinimum, newMaximum, newPage);
    setPosition(current, TRUE);
}

void WindowScrollBar::setState(const int state[4])
{
    if (state)
        setRange(state[1], state[2], state[3]);
}

void WindowScrollBar::getState(int state[4])
{
    if (!state)
        return;
    state[0] = position();
    state[1] = minimum;
    state[2] = maximum;
    state[3] = page;
}

int WindowScrollBar::position()
{
    if (!barWindow)
        return minimum;
    info.fMask = SIF_POS;
    int pos = GetScrollInfo(barWindow, barType, &info) ? info.nPos : minimum;
    info.fMask = kRangePagePos;
    return pos;
}

void WindowScrollBar::setPosition(int pos, int redraw)
{
    if (!barWindow)
        return;
    info.fMask = kRangePagePos;
    info.nMin = minimum;
    info.nMax = maximum - 1 > minimum ? maximum - 1 : minimum;
    info.nPage = page > 0 ? static_cast<UINT>(page) : 0;
    info.nPos = pos < minimum ? minimum : pos > maximum ? maximum : pos;
    SetScrollInfo(barWindow, barType, &info, redraw);
}

void WindowScrollBar::setPositionInPage(int pos)
{
    int last = maximum - page;
    if (pos > last)
        pos = last;
    if (pos < minimum)
        pos = minimum;
    setPosition(pos, TRUE);
}

int WindowScrollBar::thumbPosition(int thumb)
{
    if (barWindow && (maximum > 0xFFFF || minimum < 0)) {
        SCROLLINFO track = {};
        track.cbSize = sizeof track;
        track.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(barWindow, barType, &track))
            return track.nTrackPos;
    }
    return thumb;
}

void WindowScrollBar::applyScrollCode(int code, int thumb)
{
    if (code < SB_LINEUP || code > SB_BOTTOM)
        return;
    int p = position();
    // In 64 bits: a huge page or line step must not wrap around.
    long long next = p;
    switch (code) {
    case SB_LINEUP:
        next = static_cast<long long>(p) - lineStep;
        break;
    case SB_LINEDOWN:
        next = static_cast<long long>(p) + lineStep;
        break;
    case SB_PAGEUP:
        next = static_cast<long long>(p) + 1 - page;
        break;
    case SB_PAGEDOWN:
        next = static_cast<long long>(p) + page - 1;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        next = thumbPosition(thumb);
        break;
    case SB_TOP:
        next = minimum;
        break;
    case SB_BOTTOM:
        next = maxPosition();
        break;
    default:
        break;
    }
    if (next > maxPosition())
        next = maxPosition();
    if (next < minimum)
        next = minimum;
    setPosition(static_cast<int>(next), TRUE);
}

int WindowScrollBar::scrollBy(int delta)
{
    if (delta == 0)
        return 0;
    int old = position();
    long long next = static_cast<long long>(old) + delta;
    if (next > maxPosition())
        next = maxPosition();
    if (next < minimum)
        next = minimum;
    if (next == old)
        return 0;
    setPosition(static_cast<int>(next), TRUE);
    return position() != old;
}

void WindowScrollBar::moveTo(const IntRect& r)
{
    if (barWindow && barType == SB_CTL &&
        (r.left != rect.left || r.top != rect.top || r.right != rect.right || r.bottom != rect.bottom))
        MoveWindow(barWindow, r.left, r.top, r.width(), r.height(), TRUE);
    rect = r;
}
