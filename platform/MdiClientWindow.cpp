#include "platform/MdiClientWindow.h"

#include "platform/Application.h"
#include "platform/FrameMenu.h"
#include "platform/FrameWindow.h"
#include "platform/StatusBar.h"

int MdiClientWindow::create(FrameWindow& owner)
{
    if (!theApplication || !theApplication->frame)
        return 0;
    frame = &owner;
    HMENU windowMenu = windowMenuFallback;
    FrameMenu* menu = theApplication->frameMenu();
    if (menu && menu->windowMenuPosition >= 1)
        windowMenu = GetSubMenu(GetMenu(owner.hwnd()), menu->windowMenuPosition - 1);
    CLIENTCREATESTRUCT client = {};
    client.hWindowMenu = windowMenu;
    client.idFirstChild = static_cast<UINT>(firstChildId);
    HINSTANCE instance = theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
    HWND window = CreateWindowExA(0, "MDICLIENT", nullptr, style, 0, 0, 0, 0, owner.hwnd(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)), instance, &client);
    if (!window)
        return 0;
    attachHwnd(window);
    created = 1;
    return 1;
}

void MdiClientWindow::resizeToFrame()
{
    if (!created || !frame)
        return;
    IntRect r = frame->clientRect();
    if (frame->statusBarFlag && frame->statusBar)
        r.bottom -= frame->statusBar->clientRect().height();
    r.top += frame->topDockEdge();
    r.left += frame->leftDockEdge();
    r.right -= frame->rightDockEdge();
    r.bottom -= frame->bottomDockEdge();
    r.deflate(FrameWindow::kBorderWidth);
    // Docked panes that leave no room squeeze the client to nothing, not to a negative size.
    if (r.right < r.left)
        r.right = r.left;
    if (r.bottom < r.top)
        r.bottom = r.top;
    setRect(r, TRUE);
}

HWND MdiClientWindow::activeChildHandle() const
{
    return reinterpret_cast<HWND>(SendMessageA(hwnd(), WM_MDIGETACTIVE, 0, 0));
}
