#pragma once

// The application's keyboard-shortcut object as the class library sees it. The message pump
// offers it every key press; a key it consumes is neither translated nor dispatched, and once it
// reports a pending shortcut the pump posts the deferred command 6192 for the frame.
class ShortcutHook {
public:
    virtual ~ShortcutHook() = default;

    // Reads the key message of the current event (WM_KEYDOWN or WM_CHAR); 1 when it consumed the
    // key.
    [[nodiscard]] virtual int onKey() = 0;
    // 1 once for a pending shortcut (pending becomes taken), else 0.
    [[nodiscard]] virtual int takePending() = 0;
    // 1 while the shortcut table is in shortcut mode.
    [[nodiscard]] virtual int isShortcutMode() const = 0;
};

// The application's shortcut object, null until the application installs one; not owned here.
// Defined with the message pump (CurrentEvent.cpp).
extern ShortcutHook* theShortcutHook;
