#pragma once
#include "platform/ShortcutHook.h"
#include "platform/ShortcutKey.h"

// The keyboard-shortcut hook. The pump offers it every key press; a bound key is consumed and its
// command delivered in a later step as the deferred command 6192, which the frame takes.
// Installed as the library's theShortcutHook.
class ShortcutKeyHook : public ShortcutKey, public ShortcutHook {
public:
    // Reads the key message of the current event. 0 while a command is pending; otherwise 1 when
    // the key is bound (the command becomes pending and the key is consumed).
    [[nodiscard]] int onKey() override;
    [[nodiscard]] int takePending() override { return ShortcutKey::takePending(); }
    [[nodiscard]] int isShortcutMode() const override { return mode == 1; }
    // The frame's take on 6192: the command, and the hook is free again (0 when none).
    [[nodiscard]] int takePendingCommand();

    // The command bound to the key of the current event, 0 when none.
    [[nodiscard]] virtual int lookUp() { return 0; }

    // The installed hook when it is one of these, else null.
    static ShortcutKeyHook* installed() { return dynamic_cast<ShortcutKeyHook*>(theShortcutHook); }

    int pendingCommand = 0;
    int mode = 0;
};
