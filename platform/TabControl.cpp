#include "platform/TabControl.h"

#include <commctrl.h>

#include "platform/Application.h"
#include "platform/Window.h"

int TabControl::create(HWND ownerWindow)
{
    owner = ownerWindow;
    HINSTANCE instance = theApplication && theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
    handle = CreateWindowExA(0, WC_TABCONTROLA, "", style, 0, 0, 10, 10, owner,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)), instance, nullptr);
    if (!handle)
        return 0;
    SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return 1;
}

int TabControl::create(Window& ownerWindow) { return create(ownerWindow.hwnd()); }

int TabControl::addTab(const char* text)
{
    if (!handle)
        return -1;
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text ? text : "");
    int index = static_cast<int>(SendMessageA(handle, TCM_INSERTITEMA, static_cast<WPARAM>(tabCount),
                                              reinterpret_cast<LPARAM>(&item)));
    if (index >= 0)
        ++tabCount;
    return index;
}

void TabControl::fitToOwner()
{
    if (!handle || !owner)
        return;
    RECT r;
    GetClientRect(owner, &r);
    int height = r.bottom - r.top;
    if (sizeByDialogUnits == 1) {
        RECT units = {0, 0, 4, 8};
        MapDialogRect(owner, &units);
        height = units.bottom * 20 / 8;
    }
    MoveWindow(handle, 0, 0, r.right - r.left, height, TRUE);
}

void TabControl::select(int index)
{
    if (handle)
        SendMessageA(handle, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int TabControl::currentTab() const
{
    return handle ? static_cast<int>(SendMessageA(handle, TCM_GETCURSEL, 0, 0)) : -1;
}
