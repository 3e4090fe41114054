#pragma once
#include "platform/Control.h"

class WindowScrollBar;

// Kind 1901: a dialog's SCROLLBAR item that scrolls a linked owner-drawn list. A WM_VSCROLL from
// the item first moves the bar (onScrollNotify, from the dialog's pre-handler) and then tells the
// linked list the new position (onScroll).
class ScrollBarControl : public Control {
public:
    ScrollBarControl();
    ~ScrollBarControl() override;

    // Deletes the scroll-bar object; every operation then does nothing.
    void release() override;
    // Remembers the list and takes its range (keeping the position).
    void linkTo(Control* control) override;
    // The linked list's onScrollTo with the bar's position.
    void notifyLinked() override;
    // Drives the dialog item from now on, at its minimum.
    void bindToItem() override;
    [[nodiscard]] int position() override;
    void setPosition(int pos) override;
    void setRangeKeepPosition(int newMinimum, int newMaximum, int newPage) override;
    void onScrollNotify(int code, int thumb) override;
    void onCommand() override { notifyLinked(); }
    void onScroll() override { notifyLinked(); }

    WindowScrollBar* bar = nullptr;   // owned
};
