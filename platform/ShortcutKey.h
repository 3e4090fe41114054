#pragma once

// The key press a keyboard shortcut is made of: Shift and Ctrl, and a digit, a letter or a
// function key. The shortcut hook of the application derives from it; its pending state lets the
// message pump deliver a pending shortcut exactly once.
class ShortcutKey {
public:
    virtual ~ShortcutKey() = default;

    // shift and ctrl from the keyboard state, then key := the digit key down ('0'..'9'), else the
    // letter key ('A'..'Z'), else the function key Fn as 100 + n, else 0.
    void captureFromKeyboard();
    // state := 0; returns 0.
    int clearPending();
    // 1 once for a pending key (state 1 becomes 2), else 0.
    [[nodiscard]] int takePending();

    int state = 0;   // 0 none, 1 pending, 2 taken
    int shift = 0;
    int ctrl = 0;
    int key = 0;
};
