#include "platform/FrameMenu.h"

#include "platform/CurrentEvent.h"

int FrameMenu::commandId() { return theCurrentEvent ? LOWORD(theCurrentEvent->wParam) : 0; }
