#include "shell/ShortcutKeyHook.h"

int ShortcutKeyHook::onKey()
{
    if (state != 0)
        return 0;
    const int command = lookUp();
    if (command < 1)
        return 0;
    pendingCommand = command;
    state = 1;
    return 1;
}

int ShortcutKeyHook::lookUp()
{
    captureFromKeyboard();
    if (key == 0)
        return 0;
    // Plain digits and letters are typed, not shortcuts.
    if (key < ShortcutKeyTable::kFunctionKeyBase && !ctrl)
        return 0;
    return table.commandOf(shift, ctrl, key);
}

int ShortcutKeyHook::takePendingCommand()
{
    const int command = state >= 1 ? pendingCommand : 0;
    pendingCommand = 0;
    state = 0;
    return command;
}
