#include "platform/TextCaret.h"

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/DeviceContext.h"
#include "platform/ImeGuard.h"
#include "platform/IntPolygon.h"
#include "platform/MathUtil.h"
#include "platform/MouseState.h"
#include "platform/Window.h"
#include "platform/WindowHandle.h"

TextCaret* theTextCaret = nullptr;

namespace {
// Directions are compared to the axes to two decimals.
const int kAxisDigits = 2;

bool nearlyZero(double v) { return MathUtil::isNearlyZero(v, kAxisDigits) != 0; }
bool negative(double v) { return MathUtil::isAtMostMinusTolerance(v, kAxisDigits) != 0; }

void placeComposition(Window* window, const IntPoint& at)
{
    if (theImeGuard)
        theImeGuard->placeCompositionWindow(window, at);
}

// 1 when the focus lies in another child of the parent of `own` (or in one of its children): the
// user brought another drawing of the same MDI client to the front, and it keeps the keys.
int siblingHasFocus(HWND own)
{
    if (!(GetWindowLongA(own, GWL_STYLE) & WS_CHILD))
        return 0;
    const HWND parent = GetAncestor(own, GA_PARENT);
    HWND w = GetFocus();
    while (w && !sameWindow(GetAncestor(w, GA_PARENT), parent))
        w = GetAncestor(w, GA_PARENT);
    return w && !sameWindow(w, own);
}
} // namespace

TextCaret::~TextCaret() { destroySystemCaret(); }

void TextCaret::setAngle(double degrees)
{
    double x = 1.0, y = 0.0;
    MathUtil::rotatePoint(x, y, degrees + 270.0);
    dx = x;
    dy = y;
}

void TextCaret::attach(Window* editedWindow)
{
    window = editedWindow;
    show();
}

void TextCaret::detach()
{
    if (theCurrentEvent)
        theCurrentEvent->neverBlock = 0;
}

void TextCaret::moveTo(Window* editedWindow, const IntPoint& p)
{
    window = editedWindow;
    position = p;
    placeComposition(window, position);
    updatePosition();
}

void TextCaret::activate()
{
    chooseMode();
    if (drawnMode)
        startBlink();
    else
        createSystemCaret();
}

void TextCaret::deactivate()
{
    if (drawnMode)
        stopBlink();
    else
        destroySystemCaret();
}

void TextCaret::show()
{
    chooseMode();
    if (drawnMode) {
        // Idle events must keep coming so that the caret blinks while the user does nothing.
        if (theCurrentEvent)
            theCurrentEvent->neverBlock = 1;
    } else if (systemCaretCreated && window) {
        ShowCaret(window->hwnd());
    }
}

void TextCaret::refresh()
{
    takeFocus();
    if (drawnMode)
        blinkStep();
}

void TextCaret::takeFocus()
{
    // A pane operation holds the focus off for a few requests, so that the pane keeps it.
    if (theApplication && theApplication->consumeFocusHoldOff() >= 1)
        return;
    if (theMouseState && (theMouseState->leftFlag || theMouseState->rightFlag))
        return;
    if (!window)
        return;
    if (!sameWindow(GetFocus(), window->hwnd()) && !siblingHasFocus(window->hwnd())) {
        SetFocus(window->hwnd());
        placeComposition(window, position);
    }
}

HWND TextCaret::windowHandle() const { return window ? window->hwnd() : nullptr; }

void TextCaret::chooseMode()
{
    drawnMode = 1;
    if (focusAllowed == 0)
        return;
    drawnMode = nearlyZero(dx) || nearlyZero(dy) ? 0 : 1;
}

void TextCaret::createSystemCaret()
{
    destroySystemCaret();
    if (!window)
        return;
    int w = width, h = height;
    if (nearlyZero(dy)) {
        w = height;
        h = width;
    }
    systemCaretCreated = CreateCaret(window->hwnd(), nullptr, w, h) ? 1 : 0;
    if (systemCaretCreated) {
        updatePosition();
        ShowCaret(window->hwnd());
    }
}

void TextCaret::destroySystemCaret()
{
    if (systemCaretCreated)
        DestroyCaret();
    systemCaretCreated = 0;
}

void TextCaret::updatePosition()
{
    if (drawnMode || !window)
        return;
    int cx = position.x, cy = position.y;
    if (nearlyZero(dy))
        SetCaretPos(negative(dx) ? cx - width : cx, cy);
    else
        SetCaretPos(cx, negative(dy) ? cy - width : cy);
}

void TextCaret::drawCaret()
{
    if (!window)
        return;
    // Along the direction by the height, across it (the direction turned a quarter clockwise on
    // the screen) by the width.
    double ax = dx * height, ay = dy * height;
    double cx = dy * width, cy = -dx * width;
    IntPolygon corners;
    if (!corners.add(position.x, position.y) ||
        !corners.add(position.x + static_cast<int>(ax), position.y + static_cast<int>(ay)) ||
        !corners.add(position.x + static_cast<int>(ax + cx), position.y + static_cast<int>(ay + cy)) ||
        !corners.add(position.x + static_cast<int>(cx), position.y + static_cast<int>(cy)))
        return;
    DeviceContext& dc = window->dc;
    DcScope scope(dc);
    dc.setXorPen();
    dc.fillPolygon(RgbColor(255, 255, 255), corners);
    dc.setCopyPen();
}

void TextCaret::startBlink()
{
    if (drawnVisible)
        return;
    drawCaret();
    drawnVisible = 1;
    blinkTimer.start();
}

void TextCaret::stopBlink()
{
    if (!drawnVisible)
        return;
    drawCaret();
    drawnVisible = 0;
}

void TextCaret::blinkStep()
{
    // While panes are being moved nothing is painted, so nothing is drawn over either.
    if (!theCurrentEvent || theCurrentEvent->paintDispatch == 0)
        return;
    if (drawnVisible) {
        if (!blinkTimer.notElapsed(kVisibleMs)) {
            drawCaret();
            drawnVisible = 0;
            blinkTimer.start();
        }
    } else if (!blinkTimer.notElapsed(kHiddenMs)) {
        drawCaret();
        drawnVisible = 1;
        blinkTimer.start();
    }
}
