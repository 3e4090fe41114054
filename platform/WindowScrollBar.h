#pragma once
#include <windows.h>

#include "platform/IntRect.h"

// One Win32 scroll bar driven by a range, a page and a line step: a window's own horizontal or
// vertical bar (barType SB_HORZ / SB_VERT on the window) or a SCROLLBAR control (SB_CTL on the
// control's window). Positions run from minimum to maxPosition() = maximum - page; the system bar
// is given nMax = maximum - 1 and nPage = page, so that its thumb stops at the same place.
// Without a bar window nothing is sent and position() answers the minimum.
class WindowScrollBar {
public:
    WindowScrollBar();
    virtual ~WindowScrollBar() = default;
    WindowScrollBar(const WindowScrollBar&) = delete;
    WindowScrollBar& operator=(const WindowScrollBar&) = delete;

    // Stores the range; the bar is not touched.
    void setRange(int newMinimum, int newMaximum, int newPage);
    // Stores the range and applies it with the current position.
    void setRangeKeepPosition(int newMinimum, int newMaximum, int newPage);
    // state = {position, minimum, maximum, page}. setState stores the range only.
    void setState(const int state[4]);
    void getState(int state[4]);

    [[nodiscard]] int position();
    [[nodiscard]] int maxPosition() const { return maximum - page > minimum ? maximum - page : minimum; }
    // The position clamped to minimum..maximum (the system stops the thumb at maximum - page).
    void setPosition(int pos, int redraw);
    // The position clamped to minimum..maximum - page first.
    void setPositionInPage(int pos);
    // SB_LINEUP .. SB_BOTTOM from the current position, clamped to minimum..maxPosition() and
    // set; codes above SB_BOTTOM (SB_ENDSCROLL) are ignored.
    void applyScrollCode(int code, int thumb);
    // 1 when the position changed; 0 for a delta of 0 without touching the bar.
    int scrollBy(int delta);
    int scrollLines(int n) { return scrollBy(n * lineStep); }
    // Moves a SCROLLBAR control to the rectangle (parent client coordinates) when it differs.
    void moveTo(const IntRect& r);

    int orientation = 0;    // 1 horizontal, 2 vertical, 0 until set
    int minimum = 0;
    int maximum = 100;
    int page = 5;
    int lineStep = 1;
    IntRect rect;
    HWND barWindow = nullptr;
    int barType = SB_CTL;
    SCROLLINFO info;

protected:
    // The thumb position of SB_THUMBTRACK / SB_THUMBPOSITION. The message carries only 16 bits,
    // so ranges beyond them read the tracked position from the bar.
    [[nodiscard]] int thumbPosition(int thumb);
};
