#include "shell/MainFrame.h"

#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "shell/ShortcutKeyHook.h"

MainFrame::MainFrame()
{
    menu.resourceId = 101;
    acceleratorResourceId = 102;
}

int MainFrame::handleEvent()
{
    if (theCurrentEvent && theCurrentEvent->code == EV_SHORTCUT_COMMAND) {
        if (ShortcutKeyHook* hook = ShortcutKeyHook::installed())
            (void)hook->takePendingCommand(); // no command runs yet; taking it frees the hook
        return 1;
    }
    return FrameWindow::handleEvent();
}

int MainFrame::openFileFromCommandLine(const char*) { return 0; }
