#pragma once
#include <windows.h>

// A menu handle with its own counter for separator ids. The handle is set by whoever creates or
// loads the menu.
class Menu {
public:
    void enableItem(int id)
    {
        if (handle)
            EnableMenuItem(handle, static_cast<UINT>(id), MF_BYCOMMAND | MF_ENABLED);
    }
    void disableItem(int id)
    {
        if (handle)
            EnableMenuItem(handle, static_cast<UINT>(id), MF_BYCOMMAND | MF_GRAYED);
    }

    int itemCounter = 0;
    HMENU handle = nullptr;
};
