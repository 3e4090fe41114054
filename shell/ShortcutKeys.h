#pragma once
#include "shell/ShortcutKeyHook.h"

class MainFrame;

// The application's shortcut keys: published as the library's shortcut hook while it lives. The
// key table and its dialog bind toolbar commands to keys; until they are built no key is bound,
// and every key press goes on to the accelerators and the windows.
class ShortcutKeys : public ShortcutKeyHook {
public:
    explicit ShortcutKeys(MainFrame* owner);
    ~ShortcutKeys() override;
    ShortcutKeys(const ShortcutKeys&) = delete;
    ShortcutKeys& operator=(const ShortcutKeys&) = delete;

    // Builds the key table and the list of commands that can be bound (start-up).
    virtual void setup() {}
    // Shows the bound keys in the hints of the toolbar buttons.
    virtual void applyToButtons() {}
    // The shortcut-key dialog (command 40029); 1 when the table changed.
    virtual int editShortcutKeys() { return 0; }

    MainFrame* frame;
};
