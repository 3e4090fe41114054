#pragma once
#include <windows.h>

#include "platform/Menu.h"

// The frame window's menu bar: the menu resource the frame class is registered with, the
// position of the pop-up in which the MDI client lists the document windows (1-based; 0 = none),
// and the menu handle, stored once the frame window exists. The menu belongs to the window and is
// destroyed with it.
class FrameMenu {
public:
    void enableItem(int id) { menu.enableItem(id); }
    void disableItem(int id) { menu.disableItem(id); }
    int relabelItem(int id, const char* text) { return menu.relabelItem(id, text); }
    // The command of the current menu event: the low word of its wParam.
    [[nodiscard]] static int commandId();

    int resourceId = 1104;
    int windowMenuPosition = 0;
    Menu menu;
};
