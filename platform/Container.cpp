#include "platform/Container.h"

#include "platform/Dialog.h"
#include "platform/ImeGuard.h"
#include "platform/MouseSource.h"
#include "platform/Window.h"

namespace {
// Space kept free at the bottom of the screen for the task bar, in pixels.
const int taskBarReserve = 25;

// Moves r into the bound without resizing it: right and bottom first, then left and top, so a
// rectangle larger than the bound ends at the bound's top-left.
void clampInto(IntRect& r, const IntRect& bound)
{
    if (r.right > bound.right)
        r.moveRightTo(bound.right);
    if (r.bottom > bound.bottom)
        r.moveBottomTo(bound.bottom);
    if (r.left < bound.left)
        r.moveLeftTo(bound.left);
    if (r.top < bound.top)
        r.moveTopTo(bound.top);
}
} // namespace

Container::Container()
{
    owner = this;
    if (theImeGuard)
        theImeGuard->disable();
}

Container::~Container()
{
    if (theImeGuard)
        theImeGuard->restore();
}

void Container::setOwnerWindow(Window* window)
{
    if (window)
        ownerWindowObject = window;
}

void Container::setOwnerDialog(Dialog* dialog)
{
    if (dialog)
        ownerDialog = dialog;
}

void Container::resolveOwner()
{
    if (ownerWindowObject)
        ownerHwnd = ownerWindowObject->hwnd();
    if (ownerDialog)
        ownerHwnd = ownerDialog->hwnd;
}

IntRect Container::placeRect(int mode, const IntRect& window, const IntPoint& cursor, const IntPoint& remembered,
                             int screenWidth, int screenHeight)
{
    IntRect r = window;
    int width = r.width();
    int height = r.height();
    IntRect usable;
    usable.left = 0;
    usable.top = 0;
    usable.right = screenWidth;
    usable.bottom = screenHeight - taskBarReserve;
    switch (mode) {
    case PLACE_SCREEN_CENTRE:
        r.moveTo(screenWidth / 2 - width / 2, screenHeight / 2 - height / 2);
        break;
    case PLACE_REMEMBERED:
        r.moveTo(remembered.x, remembered.y);
        clampInto(r, usable);
        break;
    case PLACE_AT_CURSOR:
        r.moveTo(cursor.x, cursor.y);
        clampInto(r, usable);
        break;
    case PLACE_CURSOR_CENTRE:
        r.moveTo(cursor.x - width / 2, cursor.y - height / 2);
        clampInto(r, usable);
        break;
    default:
        break;
    }
    return r;
}

void Container::applyPlacement()
{
    if (!hwnd)
        return;
    IntRect r;
    GetWindowRect(hwnd, r.asRect());
    IntPoint cursor;
    readCursorPos(cursor);
    IntRect placed = placeRect(placement, r, cursor, position, GetSystemMetrics(SM_CXSCREEN),
                               GetSystemMetrics(SM_CYSCREEN));
    if (placed.left != r.left || placed.top != r.top)
        SetWindowPos(hwnd, nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Container::rememberPosition()
{
    if (!hwnd)
        return;
    RECT r;
    if (GetWindowRect(hwnd, &r))
        position.set(r.left, r.top);
}

void Container::redraw()
{
    if (!hwnd)
        return;
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
}

void Container::resizeTo(int width, int height)
{
    if (hwnd)
        SetWindowPos(hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Container::computeBaseUnits()
{
    LOGFONTA font = {};
    if (!GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font))
        return;
    baseUnitY = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    baseUnitX = baseUnitY / 2 + 1;
}
