// What ends the wait of a mask tool for the user's press, message by message.
#include <gtest/gtest.h>

#include "views/UserPressRules.h"

TEST(UserPressRules, OnlyTheUsersOwnPressOrKeyEndsTheWait)
{
    using Act = UserPressRules::Act;
    HWND view = reinterpret_cast<HWND>(0x100), other = reinterpret_cast<HWND>(0x200);
    struct Row {
        const char* what;
        UINT message;
        HWND window;
        WPARAM wParam;
        int inViewArea;
        int commandKey; // Ctrl or Alt held
        Act act;
    };
    const Row rows[] = {
        // What follows a closed dialog: the wait goes on.
        {"the view painted", WM_PAINT, view, 0, 1, 0, Act::GoesOn},
        {"another window painted", WM_PAINT, other, 0, 0, 0, Act::GoesOn},
        {"a thread timer", WM_TIMER, nullptr, 0x7FFE, 1, 0, Act::GoesOn},
        {"the pointer over a toolbar", WM_MOUSEMOVE, other, 0, 0, 0, Act::GoesOn},
        {"the pointer over a frame edge", WM_NCMOUSEMOVE, other, HTBORDER, 0, 0, Act::GoesOn},
        {"the pointer into the view", WM_MOUSEMOVE, view, 0, 1, 0, Act::GoesOn},
        {"the release of the dialog's OK click", WM_LBUTTONUP, view, 0, 1, 0, Act::GoesOn},
        {"the wheel", WM_MOUSEWHEEL, view, 0, 1, 0, Act::GoesOn},
        {"the middle button's pan", WM_MBUTTONDOWN, view, MK_MBUTTON, 1, 0, Act::GoesOn},
        // Keys typed in the view are the tool's; Esc ends it.
        {"Shift before a press", WM_KEYDOWN, view, VK_SHIFT, 1, 0, Act::GoesOn},
        {"'+' typed", WM_CHAR, view, '+', 1, 0, Act::GoesOn},
        {"Esc", WM_KEYDOWN, view, VK_ESCAPE, 1, 0, Act::Cancels},
        {"Ctrl, before its letter", WM_KEYDOWN, view, VK_CONTROL, 1, 1, Act::GoesOn},
        {"Ctrl+S: a command, saved once the tool has stored its work", WM_KEYDOWN, view, 'S', 1, 1, Act::Ends},
        {"Shift with Ctrl held", WM_KEYDOWN, view, VK_SHIFT, 1, 1, Act::GoesOn},
        {"a key in another window", WM_KEYDOWN, other, 'A', 0, 0, Act::Ends},
        {"Alt", WM_SYSKEYDOWN, view, VK_MENU, 1, 0, Act::Ends},
        // Presses.
        {"a left press in the view", WM_LBUTTONDOWN, view, MK_LBUTTON, 1, 0, Act::LeftPress},
        {"a left press on the view's rulers", WM_LBUTTONDOWN, view, MK_LBUTTON, 0, 0, Act::Ends},
        {"a left press on a toolbar", WM_LBUTTONDOWN, other, MK_LBUTTON, 0, 0, Act::Ends},
        {"a right press in the view", WM_RBUTTONDOWN, view, MK_RBUTTON, 1, 0, Act::RightPress},
        {"a right press elsewhere", WM_RBUTTONDOWN, other, MK_RBUTTON, 0, 0, Act::Ends},
        {"a press on the frame's caption", WM_NCLBUTTONDOWN, other, HTCAPTION, 0, 0, Act::Ends},
        {"a press on the view's own border", WM_NCLBUTTONDOWN, view, HTBORDER, 1, 0, Act::Ends},
        {"a menu command", WM_COMMAND, other, 100, 0, 0, Act::Ends},
    };
    for (const Row& r : rows) {
        MSG m = {};
        m.hwnd = r.window;
        m.message = r.message;
        m.wParam = r.wParam;
        EXPECT_EQ(UserPressRules::actOf(m, view, r.inViewArea, r.commandKey), r.act) << r.what;
    }
}
