#include "platform/PopupMenu.h"

#include "platform/Application.h"
#include "platform/FrameWindow.h"
#include "platform/MouseSource.h"
#include "platform/MouseState.h"

PopupMenu::PopupMenu() : owner(theApplication ? theApplication->frame : nullptr) {}

PopupMenu::~PopupMenu() { destroy(); }

int PopupMenu::create()
{
    handle = CreatePopupMenu();
    created = handle ? 1 : 0;
    return created;
}

void PopupMenu::destroy()
{
    if (created)
        Menu::destroy();
    created = 0;
}

int PopupMenu::track()
{
    if (!created)
        return 0;
    IntPoint at;
    if (theMouseState)
        theMouseState->getCursorPos(at);
    else
        readCursorPos(at);
    BOOL result = trackPopup(handle, 0, at.x, at.y, owner ? owner->hwnd() : nullptr);
    if (theMouseState)
        theMouseState->releaseLeft();
    return static_cast<int>(result);
}
