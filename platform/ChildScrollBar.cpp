#include "platform/ChildScrollBar.h"

#include "platform/Window.h"

ChildScrollBar::ChildScrollBar() : info{}
{
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
}

void ChildScrollBar::useOwnerHorizontalBar(Window* window)
{
    owner = window;
    orientation = 1;
    barWindow = window ? window->hwnd() : nullptr;
    barType = SB_HORZ;
    ownChild = 0;
}

void ChildScrollBar::useOwnerVerticalBar(Window* window)
{
    owner = window;
    orientation = 2;
    barWindow = window ? window->hwnd() : nullptr;
    barType = SB_VERT;
    ownChild = 0;
}

int ChildScrollBar::position()
{
    if (!barWindow)
        return minimum;
    info.fMask = SIF_POS;
    int pos = GetScrollInfo(barWindow, barType, &info) ? info.nPos : minimum;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    return pos;
}

void ChildScrollBar::setPosition(int pos, int redraw)
{
    if (!barWindow)
        return;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = minimum;
    info.nMax = maximum - 1 > minimum ? maximum - 1 : minimum;
    info.nPage = static_cast<UINT>(page);
    info.nPos = pos < minimum ? minimum : pos > maximum ? maximum : pos;
    SetScrollInfo(barWindow, barType, &info, redraw);
}
