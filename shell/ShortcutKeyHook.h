#pragma once
#include "platform/ShortcutHook.h"
#include "platform/ShortcutKey.h"
#include "shell/ShortcutKeyTable.h"

// The keyboard-shortcut hook. The pump offers it every key press; a key that carries a command is
// consumed and its command delivered in a later step as the deferred command 6192, which the
// frame takes. Keys that carry nothing, the system keys, and digits and letters pressed without
// Ctrl go on to the accelerators and the windows, and so does every key while a command is
// pending. Installed as the library's theShortcutHook.
class ShortcutKeyHook : public ShortcutKey, public ShortcutHook {
public:
    // Reads the key message of the current event. 0 while a command is pending; otherwise 1 when
    // the key is bound (the command becomes pending and the key is consumed).
    [[nodiscard]] int onKey() override;
    [[nodiscard]] int takePending() override { return ShortcutKey::takePending(); }
    [[nodiscard]] int isShortcutMode() const override { return mode == 1; }
    // The frame's take on 6192: the command, and the hook is free again; 0 when nothing is
    // pending.
    [[nodiscard]] int takePendingCommand();

    // The command carried by the key held now (Shift, Ctrl and the key read from the keyboard),
    // 0 when none.
    [[nodiscard]] virtual int lookUp();

    // The installed hook when it is one of these, else null.
    static ShortcutKeyHook* installed() { return dynamic_cast<ShortcutKeyHook*>(theShortcutHook); }

    int pendingCommand = 0;
    int mode = 0;
    ShortcutKeyTable table;
    ShortcutCommandList commands;
};
