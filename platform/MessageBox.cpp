#include "platform/MessageBox.h"

namespace {
int systemMessageBox(HWND owner, const char* text, const char* caption, UINT style)
{
    return MessageBoxA(owner, text, caption, style);
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
