#pragma once
#include <windows.h>

#include "platform/Menu.h"

// The frame window's menu bar: the menu resource the frame class is registered with, the
// position of the pop-up in which the MDI client lists the document windows (1-based; 0 = none),
// and the menu handle, stored once the frame window exists.
class FrameMenu {
public:
    void enableItem(int id) { menu.enableItem(id); }
    void disableItem(int id) { menu.disableItem(id); }

    int resourceId = 1104;
    int windowMenuPosition = 0;
    Menu menu;
};
