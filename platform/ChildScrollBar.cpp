#include "platform/ChildScrollBar.h"

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/Window.h"

ChildScrollBar::~ChildScrollBar() { destroyChild(); }

void ChildScrollBar::useOwnerHorizontalBar(Window* window) { useOwnerBar(window, 1, SB_HORZ); }

void ChildScrollBar::useOwnerVerticalBar(Window* window) { useOwnerBar(window, 2, SB_VERT); }

void ChildScrollBar::useOwnerBar(Window* window, int barOrientation, int type)
{
    destroyChild();
    owner = window;
    orientation = barOrientation;
    barWindow = window ? window->hwnd() : nullptr;
    barType = type;
}

int ChildScrollBar::createChild(Window* window, const IntRect& r, const int state[4], int vertical)
{
    destroyChild();
    owner = window;
    orientation = vertical ? 2 : 1;
    HINSTANCE instance = theApplication && theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
    DWORD style = WS_CHILD | WS_VISIBLE | (vertical ? SBS_VERT : SBS_HORZ);
    int id = vertical ? kVerticalChildId : kHorizontalChildId;
    HWND bar = CreateWindowExA(0, "SCROLLBAR", nullptr, style, r.left, r.top, r.width(), r.height(),
                               window ? window->hwnd() : nullptr, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               instance, nullptr);
    rect = r;
    barType = SB_CTL;
    barWindow = bar;
    if (!bar)
        return 0;
    hasChild = 1;
    ownChild = 1;
    if (state) {
        setState(state);
        setPosition(state[0], TRUE);
    }
    return 1;
}

int ChildScrollBar::createHorizontalChild(Window* window, const IntRect& r, const int state[4])
{
    return createChild(window, r, state, 0);
}

int ChildScrollBar::createVerticalChild(Window* window, const IntRect& r, const int state[4])
{
    return createChild(window, r, state, 1);
}

int ChildScrollBar::createOrMoveHorizontal(Window* window, const IntRect& r, const int state[4])
{
    if (hasChild) {
        moveTo(r);
        return 1;
    }
    return createHorizontalChild(window, r, state);
}

int ChildScrollBar::createOrMoveVertical(Window* window, const IntRect& r, const int state[4])
{
    if (hasChild) {
        moveTo(r);
        return 1;
    }
    return createVerticalChild(window, r, state);
}

void ChildScrollBar::destroyChild()
{
    if (ownChild && barWindow && IsWindow(barWindow))
        DestroyWindow(barWindow);
    if (ownChild)
        barWindow = nullptr;
    hasChild = 0;
    ownChild = 0;
}

void ChildScrollBar::scrollOwner(int delta)
{
    if (!owner)
        return;
    if (orientation == 2)
        owner->scrollVertically(delta);
    else
        owner->scrollHorizontally(delta);
}

void ChildScrollBar::handleScrollEvent()
{
    if (!theCurrentEvent)
        return;
    int old = position();
    applyScrollCode(LOWORD(theCurrentEvent->wParam), HIWORD(theCurrentEvent->wParam));
    int now = position();
    if (now != old)
        scrollOwner(old - now);
}

void ChildScrollBar::scrollLinesAndOwner(int n)
{
    int old = position();
    scrollLines(n);
    int now = position();
    if (now != old)
        scrollOwner(old - now);
}

int ChildScrollBar::isMessageFromChild() const
{
    return ownChild == 1 && theCurrentEvent && barWindow &&
           reinterpret_cast<HWND>(theCurrentEvent->lParam) == barWindow;
}
