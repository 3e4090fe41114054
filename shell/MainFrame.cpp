#include "shell/MainFrame.h"

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/MouseSource.h"
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

void postContextMenuRequest()
{
    if (!theCurrentEvent)
        return;
    // The wait ends when the application quits.
    while ((isLeftButtonDown() || isRightButtonDown()) && !(theApplication && theApplication->quit))
        (void)theCurrentEvent->pumpStepModal(0); // no command can end this wait: bit 0 is not asked for
    (void)theCurrentEvent->postDeferredCommand(EV_TOOL_CONTEXT_MENU); // a full queue loses the menu only
}
