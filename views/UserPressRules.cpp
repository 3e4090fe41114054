#include "views/UserPressRules.h"

#include "platform/WindowHandle.h"

namespace UserPressRules {

Act actOf(const MSG& message, HWND view, int inViewArea, int commandKey)
{
    const int inView = view && sameWindow(message.hwnd, view);
    switch (message.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return inView && inViewArea ? Act::LeftPress : Act::Ends;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        return inView ? Act::RightPress : Act::Ends;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        // The middle button pans the view, as the wheel scrolls it: the picture is still there.
        return inView ? Act::GoesOn : Act::Ends;
    case WM_XBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCXBUTTONDOWN:
    case WM_SYSKEYDOWN:
    case WM_COMMAND:
    case WM_SYSCOMMAND:
        return Act::Ends;
    case WM_KEYDOWN:
        // Keys typed in the view are the tool's ('+' and '-' of the point edit, Shift), Esc ends
        // it; with Ctrl held a key is a command (Ctrl itself is not yet one).
        if (!inView)
            return Act::Ends;
        if (message.wParam == VK_ESCAPE)
            return Act::Cancels;
        return commandKey && message.wParam != VK_CONTROL && message.wParam != VK_SHIFT ? Act::Ends : Act::GoesOn;
    default:
        return Act::GoesOn;
    }
}

} // namespace UserPressRules
