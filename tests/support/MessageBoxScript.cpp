#include "tests/support/MessageBoxScript.h"

#include "platform/MessageBox.h"

namespace {
MessageBoxScript* active = nullptr;
}

MessageBoxScript::MessageBoxScript()
    : previous_(reinterpret_cast<void*>(setMessageBoxFunction(record)))
{
    active = this;
}

MessageBoxScript::~MessageBoxScript()
{
    setMessageBoxFunction(reinterpret_cast<MessageBoxFunction>(previous_));
    active = nullptr;
}

int MessageBoxScript::record(HWND, const char* text, const char* caption, UINT style)
{
    if (!active)
        return IDOK;
    active->shown_.push_back({text ? text : "", caption ? caption : "", style});
    if (active->whileShown)
        active->whileShown();
    if (active->answers_.empty())
        return IDOK;
    int button = active->answers_.front();
    active->answers_.pop_front();
    return button;
}
