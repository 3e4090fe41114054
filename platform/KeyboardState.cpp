#include "platform/KeyboardState.h"

#include <windows.h>

namespace {
int isDown(const BYTE keys[256], int virtualKey) { return (keys[virtualKey & 0xFF] & 0x80) ? 128 : 0; }

bool readKeys(BYTE keys[256])
{
    if (GetKeyboardState(keys))
        return true;
    for (int i = 0; i < 256; ++i)
        keys[i] = 0;
    return false;
}
} // namespace

int KeyboardState::isKeyDown(int virtualKey)
{
    BYTE keys[256];
    readKeys(keys);
    return isDown(keys, virtualKey);
}

int KeyboardState::isShiftKeyDown() { return isKeyDown(VK_SHIFT); }
int KeyboardState::isControlKeyDown() { return isKeyDown(VK_CONTROL); }

int KeyboardState::findPressedKey(int firstKey, int count)
{
    BYTE keys[256];
    readKeys(keys);
    for (int i = 0; i < count; ++i) {
        int key = firstKey + i;
        if (key < 0 || key > 255)
            break;
        if (isDown(keys, key))
            return i;
    }
    return -1;
}

int KeyboardState::pressedTopRowDigit()
{
    int i = findPressedKey('0', 10);
    return i < 0 ? -1 : '0' + i;
}

int KeyboardState::pressedKeypadDigit()
{
    int i = findPressedKey(VK_NUMPAD0, 10);
    return i < 0 ? -1 : '0' + i;
}

int KeyboardState::pressedDigit()
{
    int digit = pressedTopRowDigit();
    return digit == -1 ? pressedKeypadDigit() : digit;
}

int KeyboardState::pressedLetter()
{
    int i = findPressedKey('A', 26);
    return i < 0 ? -1 : 'A' + i;
}

int KeyboardState::pressedFunctionKey()
{
    int i = findPressedKey(VK_F1, 24);
    return i < 0 ? -1 : i + 1;
}
