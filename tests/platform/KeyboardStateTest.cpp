// Keyboard queries read the thread's key state at the moment of the call.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/KeyboardState.h"
#include "platform/MouseSource.h"

namespace {

// Holds the given keys down for one test and gives the keyboard back afterwards.
class HeldKeys {
public:
    HeldKeys(std::initializer_list<int> keys)
    {
        GetKeyboardState(saved_);
        BYTE state[256] = {};
        for (int key : keys)
            state[key] = 0x80;
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }

private:
    BYTE saved_[256];
};

TEST(KeyboardState, TheTopRowWinsOverTheKeypadAndTheLowestKeyWins)
{
    HeldKeys keys{'3', VK_NUMPAD7, 'C', 'A', VK_F5, VK_F20};
    EXPECT_EQ(KeyboardState::pressedDigit(), '3');
    EXPECT_EQ(KeyboardState::pressedTopRowDigit(), '3');
    EXPECT_EQ(KeyboardState::pressedKeypadDigit(), '7');
    EXPECT_EQ(KeyboardState::pressedLetter(), 'A');
    EXPECT_EQ(KeyboardState::pressedFunctionKey(), 5);
    EXPECT_EQ(KeyboardState::isKeyDown('B'), 0);
}

TEST(KeyboardState, KeypadDigitWhenNoTopRowDigitAndModifiers)
{
    HeldKeys keys{VK_NUMPAD0, VK_SHIFT, VK_CONTROL};
    EXPECT_EQ(KeyboardState::pressedDigit(), '0');
    EXPECT_EQ(KeyboardState::isShiftKeyDown(), 128);
    EXPECT_EQ(KeyboardState::isControlKeyDown(), 128);
    // The mouse loops' modifier reads see the same keys.
    EXPECT_EQ(isShiftDown(), 1);
    EXPECT_EQ(isControlDown(), 1);
}

TEST(KeyboardState, NothingHeldGivesMinusOneEverywhere)
{
    HeldKeys keys{};
    EXPECT_EQ(KeyboardState::pressedDigit(), -1);
    EXPECT_EQ(KeyboardState::pressedLetter(), -1);
    EXPECT_EQ(KeyboardState::pressedFunctionKey(), -1);
    EXPECT_EQ(KeyboardState::findPressedKey(0, 256), -1);
}

} // namespace
