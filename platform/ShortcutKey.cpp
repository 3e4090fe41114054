#include "platform/ShortcutKey.h"

#include "platform/KeyboardState.h"

void ShortcutKey::captureFromKeyboard()
{
    shift = KeyboardState::isShiftKeyDown() ? 1 : 0;
    ctrl = KeyboardState::isControlKeyDown() ? 1 : 0;
    int found = KeyboardState::pressedDigit();
    if (found < 0)
        found = KeyboardState::pressedLetter();
    if (found < 0) {
        int function = KeyboardState::pressedFunctionKey();
        found = function > 0 ? 100 + function : -1;
    }
    key = found > 0 ? found : 0;
}

int ShortcutKey::clearPending()
{
    state = 0;
    return 0;
}

int ShortcutKey::takePending()
{
    if (state != 1)
        return 0;
    state = 2;
    return 1;
}
