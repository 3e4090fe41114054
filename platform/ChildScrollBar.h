#pragma once
#include <windows.h>

class Window;

// A scroll bar that drives a window's own horizontal or vertical bar; its owner scrolls by the
// change of position. Range minimum..maximum with a page; the system bar is given
// nMax = maximum - 1 so that the thumb reaches maximum - page.
class ChildScrollBar {
public:
    ChildScrollBar();

    void useOwnerHorizontalBar(Window* window);
    void useOwnerVerticalBar(Window* window);
    // GetScrollInfo's position; minimum without a bar.
    int position();
    // The position clamped to minimum..maximum; nothing without a bar.
    void setPosition(int pos, int redraw);

    int orientation = 0;    // 1 horizontal, 2 vertical
    int minimum = 0;
    int maximum = 100;
    int page = 5;
    int lineStep = 1;
    HWND barWindow = nullptr;
    int barType = SB_CTL;
    SCROLLINFO info;
    int hasChild = 0;
    int ownChild = 0;
    Window* owner = nullptr;
};
