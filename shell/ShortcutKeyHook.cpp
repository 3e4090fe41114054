#include "shell/ShortcutKeyHook.h"

int ShortcutKeyHook::onKey()
{
    if (state != 0)
        return 0;
    int command = lookUp();
    if (command == 0)
        return 0;
    pendingCommand = command;
    state = 1;
    return 1;
}

int ShortcutKeyHook::takePendingCommand()
{
    int command = pendingCommand;
    pendingCommand = 0;
    state = 0;
    return command;
}
