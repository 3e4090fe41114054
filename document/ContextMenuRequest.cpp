#include "document/ContextMenuRequest.h"

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/MouseSource.h"

namespace {
ContextMenuRequest installed = nullptr;
} // namespace

void postMenuRequest(int event)
{
    if (!theCurrentEvent)
        return;
    while ((isLeftButtonDown() || isRightButtonDown()) && !(theApplication && theApplication->quit))
        (void)theCurrentEvent->pumpStepModal(0); // no command can end this wait: bit 0 is not asked for
    (void)theCurrentEvent->postDeferredCommand(event); // a full queue loses the menu only
}

void postPageMenuRequest() { postMenuRequest(kPageMenuEvent); }

void postPartsMenuRequest() { postMenuRequest(kPartsMenuEvent); }

ContextMenuRequest setContextMenuRequest(ContextMenuRequest request)
{
    const ContextMenuRequest previous = installed;
    installed = request;
    return previous;
}

void requestContextMenu()
{
    if (installed)
        installed();
}
