#pragma once

// Queries of the keys held at the moment of the call: modifiers for the drawing tools, digits and
// letters held while the mouse is used, and keys captured by the shortcut editor. Each query
// reads the whole key state of the thread (GetKeyboardState). The searches answer -1, never 0,
// when no key of their range is down.
class KeyboardState {
public:
    // 128 while the key is down, else 0.
    [[nodiscard]] static int isKeyDown(int virtualKey);
    [[nodiscard]] static int isShiftKeyDown();
    [[nodiscard]] static int isControlKeyDown();
    [[nodiscard]] static int isCtrlKeyDown() { return isControlKeyDown(); }
    // Index 0..count-1 of the first key down among first .. first + count - 1, or -1.
    [[nodiscard]] static int findPressedKey(int firstKey, int count);
    // '0'..'9' of the first digit key down on the top row (keys 48-57), or -1.
    [[nodiscard]] static int pressedTopRowDigit();
    // '0'..'9' of the first key down among VK_NUMPAD0..VK_NUMPAD9, or -1.
    [[nodiscard]] static int pressedKeypadDigit();
    // The top row first, then the keypad.
    [[nodiscard]] static int pressedDigit();
    // 'A'..'Z' of the first letter key down (the lowest key code wins), or -1.
    [[nodiscard]] static int pressedLetter();
    // 1..24 for the first of F1..F24 down, or -1.
    [[nodiscard]] static int pressedFunctionKey();
};
