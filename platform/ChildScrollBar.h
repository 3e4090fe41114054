#pragma once
#include <windows.h>

#include "platform/WindowScrollBar.h"

class Window;

// The scroll bar of a document window or pane: either the owner window's own bar or a
// SCROLLBAR child window of its own (control id 234 horizontal, 235 vertical). The owner scrolls
// its contents by the change of position: scrolling the bar towards the end moves the contents
// by old - new, a negative amount.
class ChildScrollBar : public WindowScrollBar {
public:
    enum { kHorizontalChildId = 234, kVerticalChildId = 235 };

    ChildScrollBar() = default;
    ~ChildScrollBar() override;

    void useOwnerHorizontalBar(Window* window);
    void useOwnerVerticalBar(Window* window);
    // A child bar in the owner's client area at `rect`, given state = {position, minimum, maximum,
    // page}; 1 when the window was made.
    [[nodiscard]] int createHorizontalChild(Window* window, const IntRect& r, const int state[4]);
    [[nodiscard]] int createVerticalChild(Window* window, const IntRect& r, const int state[4]);
    // The first call creates the child, later calls only move it.
    [[nodiscard]] int createOrMoveHorizontal(Window* window, const IntRect& r, const int state[4]);
    [[nodiscard]] int createOrMoveVertical(Window* window, const IntRect& r, const int state[4]);
    void destroyChild();

    // The owner's scrollHorizontally or scrollVertically by delta.
    void scrollOwner(int delta);
    // The current message (WM_HSCROLL / WM_VSCROLL) applied to the bar; the owner is scrolled by
    // old - new position when it changed.
    void handleScrollEvent();
    void scrollLinesAndOwner(int n);
    // 1 when the current message comes from this object's own child bar.
    [[nodiscard]] int isMessageFromChild() const;

    int hasChild = 0;
    int ownChild = 0;
    Window* owner = nullptr;

private:
    [[nodiscard]] int createChild(Window* window, const IntRect& r, const int state[4], int vertical);
    // The owner's own bar: orientation 1 with SB_HORZ, 2 with SB_VERT.
    void useOwnerBar(Window* window, int barOrientation, int type);
};
