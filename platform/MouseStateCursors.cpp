#include "platform/MouseState.h"

#include "platform/Application.h"
#include "resources/ids.h"

void MouseState::dropOwnedCursor()
{
    if (ownedCursor && cursor)
        DestroyCursor(cursor);
    ownedCursor = 0;
}

void MouseState::show(HCURSOR handle, int custom)
{
    cursor = handle;
    customCursor = custom;
    if (handle && handle != GetCursor())
        SetCursor(handle);
}

void MouseState::setSystemCursor(int id)
{
    dropOwnedCursor();
    show(LoadCursorA(nullptr, MAKEINTRESOURCEA(id)), id != 32512);
}

void MouseState::setResourceCursor(int id)
{
    dropOwnedCursor();
    show(LoadCursorA(programInstance(), MAKEINTRESOURCEA(id)), 1);
}

void MouseState::setArrowCursor() { setSystemCursor(32512); }           // IDC_ARROW
void MouseState::setCrossCursor() { setSystemCursor(32515); }           // IDC_CROSS
void MouseState::setIBeamCursor() { setSystemCursor(32513); }           // IDC_IBEAM
void MouseState::setWaitCursor() { setSystemCursor(32514); }            // IDC_WAIT
void MouseState::setSizeAllCursor() { setSystemCursor(32646); }         // IDC_SIZEALL
void MouseState::setSizeNeswCursor() { setSystemCursor(32643); }        // IDC_SIZENESW
void MouseState::setSizeNsCursor() { setSystemCursor(32645); }          // IDC_SIZENS
void MouseState::setSizeNwseCursor() { setSystemCursor(32642); }        // IDC_SIZENWSE
void MouseState::setSizeWeCursor() { setSystemCursor(32644); }          // IDC_SIZEWE

void MouseState::setMagnifierCursor() { setResourceCursor(IDCUR_MAGNIFIER); }
void MouseState::setArrowCCursor() { setResourceCursor(IDCUR_ARROW_COPY); }
void MouseState::setRemoveCursor() { setResourceCursor(IDCUR_REMOVE); }
void MouseState::setHandCursor() { setResourceCursor(IDCUR_HAND); }
void MouseState::setGrabCursor() { setResourceCursor(IDCUR_GRAB); }
void MouseState::setAddCursor() { setResourceCursor(IDCUR_ADD); }
void MouseState::setArrowACursor() { setResourceCursor(IDCUR_ARROW_WHOLE); }
void MouseState::setArrowPCursor() { setResourceCursor(IDCUR_ARROW_PART); }
void MouseState::setArrowLCursor() { setResourceCursor(IDCUR_ARROW_LINE); }
void MouseState::setArrowSlashCursor() { setResourceCursor(IDCUR_ARROW_SLASH); }
void MouseState::setArrowICursor() { setResourceCursor(IDCUR_ARROW_TEXT); }
void MouseState::setZoomInCursor() { setResourceCursor(IDCUR_ZOOM_IN); }
void MouseState::setZoomOutCursor() { setResourceCursor(IDCUR_ZOOM_OUT); }
void MouseState::setCrossCircleCursor() { setResourceCursor(IDCUR_CROSS_CIRCLE); }
void MouseState::setCrossHalfArcCursor() { setResourceCursor(IDCUR_CROSS_HALF_ARC); }
void MouseState::setCrossQuarterArcCursor() { setResourceCursor(IDCUR_CROSS_QUARTER_ARC); }

void MouseState::restoreArrowIfIdle()
{
    if (leftFlag == 0 && customCursor)
        setArrowCursor();
}

void MouseState::saveCursor() { savedCursor = GetCursor(); }

void MouseState::restoreCursor()
{
    if (!savedCursor)
        return;
    cursor = savedCursor;
    if (savedCursor != GetCursor())
        SetCursor(savedCursor);
}

void MouseState::showCurrentCursor()
{
    if (cursor && cursor != GetCursor())
        SetCursor(cursor);
}
