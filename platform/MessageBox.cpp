#include "platform/MessageBox.h"

namespace {
int systemMessageBox(HWND owner, const char* text, const char* caption, UINT style)
{
    // A task-modal box disables the thread's windows while it shows; as it goes, none of them can
    // take the activation, and the keyboard then reaches no window (no shortcut works) until a
    // click. The window that was active gets it back, with the keyboard where it was.
    const HWND active = GetActiveWindow();
    const HWND focus = GetFocus();
    const int answer = MessageBoxA(owner, text, caption, style);
    if (!GetActiveWindow() && active && IsWindow(active) && IsWindowEnabled(active)) {
        SetActiveWindow(active);
        if (focus && IsWindow(focus))
            SetFocus(focus);
    }
    return answer;
}

MessageBoxFunction currentFunction = systemMessageBox;
} // namespace

int showMessageBox(HWND owner, const char* text, const char* caption, UINT style)
{
    return currentFunction(owner, text, caption, style);
}

MessageBoxFunction setMessageBoxFunction(MessageBoxFunction function)
{
    MessageBoxFunction previous = currentFunction;
    currentFunction = function ? function : systemMessageBox;
    return previous;
}
