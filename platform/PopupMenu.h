#pragma once
#include "platform/Menu.h"

class Window;

// A context menu made on demand and tracked at the cursor. Its owner is the application's frame
// window (taken at construction), which receives the chosen command as a menu command.
class PopupMenu : public Menu {
public:
    PopupMenu();
    ~PopupMenu();

    // CreatePopupMenu; 1 when a menu exists.
    [[nodiscard]] int create();
    void destroy();
    // Shows the menu at the cursor and waits for the choice, then takes the left button as
    // released (the press that chose an item never reaches a window). 0 before create().
    [[nodiscard]] int track();

    int created = 0;
    Window* owner = nullptr;
};
