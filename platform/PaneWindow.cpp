#include "platform/PaneWindow.h"

#include <cstdio>

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/EventRouter.h"
#include "platform/FrameWindow.h"
#include "platform/MouseSource.h"
#include "platform/MouseState.h"
#include "platform/PaneLayout.h"
#include "platform/SerialList.h"
#include "platform/SystemMetrics.h"

SerialList* thePaneWindows = nullptr;

namespace {
bool paneClassRegistered = false;
char paneClassName[128];

// The window being created: the messages of CreateWindowExA find their object through it.
PaneWindow* paneBeingCreated = nullptr;

PaneLayout* layout() { return theApplication ? theApplication->workspaceLayout : nullptr; }

IntPoint cursorPosition()
{
    IntPoint p;
    if (theMouseState)
        theMouseState->getCursorPos(p);
    else
        readCursorPos(p);
    return p;
}

// A press on the non-client area counts as a left press, except on the system menu, the size
// box, a menu, the scroll bars and the minimise and maximise buttons (3 to 9) and on the parts
// above the border codes (the close box, help ...); HTTRANSPARENT (-1) still counts.
bool notesLeftPress(WPARAM hit)
{
    if (hit >= HTSYSMENU && hit <= HTMAXBUTTON)
        return false;
    return !(hit > HTBORDER && hit != static_cast<WPARAM>(-1));
}
} // namespace

int paneWindowSerial(const void* paneWindow) { return static_cast<const PaneWindow*>(paneWindow)->serial; }

LRESULT CALLBACK paneWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE && paneBeingCreated && !paneBeingCreated->hwnd())
        paneBeingCreated->attachHwnd(window);
    // Every message of a pane window lets presses on its caption and borders, and moves over
    // them, arrive as mouse events.
    if (theCurrentEvent) {
        theCurrentEvent->captionEvents = 1;
        theCurrentEvent->borderEvents = 1;
    }
    if (message == WM_NCLBUTTONDOWN && notesLeftPress(wParam) && theMouseState)
        theMouseState->pressLeftAtCursor();
    int r = theEventRouter ? theEventRouter->route(window, message, wParam, lParam) : -1;
    switch (message) {
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_CLOSE:
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_NCACTIVATE:
        // The caption keeps its active look.
        return 1;
    case WM_NCDESTROY:
        // The object outlives its window: it must not keep a handle the system may give again.
        if (Window* object = theEventRouter ? theEventRouter->findWindow(window) : nullptr) {
            object->unregisterWindow();
            object->attachHwnd(nullptr);
        }
        return DefWindowProcA(window, message, wParam, lParam);
    default:
        return r >= 0 ? r : DefWindowProcA(window, message, wParam, lParam);
    }
}

PaneWindow::PaneWindow(PaneWindowOwner* owner) : pane(owner)
{
    if (theEventRouter)
        serial = theEventRouter->nextSerial();
    // A list that cannot grow has told the user; a pane window it lacks is not found by serial.
    if (thePaneWindows)
        (void)thePaneWindows->add(this);
}

PaneWindow::~PaneWindow()
{
    if (thePaneWindows)
        (void)thePaneWindows->removeObject(this); // 0 for a window the list never took
    unregisterWindow();
    if (hwnd())
        DestroyWindow(hwnd());
}

void PaneWindow::scrollHorizontally(int amount)
{
    if (pane && theApplication && theApplication->frame)
        theApplication->frame->scrollHorizontally(amount);
}

void PaneWindow::scrollVertically(int amount)
{
    if (pane && theApplication && theApplication->frame)
        theApplication->frame->scrollVertically(amount);
}

int PaneWindow::create(const char* caption, const IntRect& rect)
{
    HINSTANCE instance = theApplication && theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
    if (!paneClassRegistered) {
        const char* base = theApplication && theApplication->className ? theApplication->className : "korvane";
        std::snprintf(paneClassName, sizeof paneClassName, "%sFlt", base);
        WindowClassSpec spec;
        spec.lpfnWndProc = paneWindowProcedure;
        spec.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        spec.lpszClassName = paneClassName;
        if (!registerWindowClass(spec))
            return 0;
        paneClassRegistered = true;
    }
    className = paneClassName;
    unregisterWindow();
    registerWindow();
    title = caption;
    HWND owner = theApplication && theApplication->frame ? theApplication->frame->mdiClientHandle() : nullptr;
    paneBeingCreated = this;
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, paneClassName, caption, style, rect.left, rect.top, rect.width(),
                                  rect.height(), owner, nullptr, instance, nullptr);
    paneBeingCreated = nullptr;
    if (!window) {
        unregisterWindow();
        attachHwnd(nullptr);
        return 0;
    }
    if (hwnd() != window)
        attachHwnd(window);
    return 1;
}

int PaneWindow::isFloating() const { return pane && pane->isFloating() ? 1 : 0; }

int PaneWindow::borderUnderCursor()
{
    IntRect r = windowRect();
    IntPoint p = cursorPosition();
    int tolerance = getDialogFrameWidth();
    // A docked pane is only ever sized along one side.
    int border = isFloating() ? r.hitTestBorder(p, tolerance, kCornerSize) : r.edgeHit(p, tolerance);
    MouseState* mouse = theMouseState;
    switch (border) {
    case IntRect::hitTop:
    case IntRect::hitBottom:
        if (mouse) mouse->setSizeNsCursor();
        return border;
    case IntRect::hitLeft:
    case IntRect::hitRight:
        if (mouse) mouse->setSizeWeCursor();
        return border;
    case IntRect::hitTopLeft:
    case IntRect::hitBottomRight:
        if (mouse) mouse->setSizeNwseCursor();
        return border;
    case IntRect::hitTopRight:
    case IntRect::hitBottomLeft:
        if (mouse) mouse->setSizeNeswCursor();
        return border;
    default:
        if (mouse) mouse->restoreArrowIfIdle();
        return 0;
    }
}

// The pane requests go through the queue; one that the queue cannot take is lost and leaves the
// pane as it is.
void PaneWindow::postClosePane()
{
    if (theCurrentEvent)
        (void)theCurrentEvent->postEvent(EV_PANE_CLOSE, serial, 0);
}

void PaneWindow::postMovePane()
{
    if (theCurrentEvent)
        (void)theCurrentEvent->postEvent(EV_PANE_MOVE, serial, 0);
}

void PaneWindow::postResizePane(int border)
{
    if (theCurrentEvent)
        (void)theCurrentEvent->postEvent(EV_PANE_RESIZE, serial, border);
}

int PaneWindow::handleEvent()
{
    CurrentEvent* event = theCurrentEvent;
    if (!event)
        return 0;
    switch (event->code) {
    case EV_CLOSE:
        postClosePane();
        return 1;
    case EV_CLOSE_WINDOW:
        sendClose();
        return 1;
    case EV_LEFT_DOWN: {
        if (theApplication)
            theApplication->hideHint();
        int border = borderUnderCursor();
        int taken = pane ? pane->onClick(*this, pane->hitTest(cursorPosition())) : 0;
        if (!taken) {
            if (border)
                postResizePane(border);
            else
                postMovePane();
        }
        return 1;
    }
    case EV_MOUSE_MOVE:
        if (!(theMouseState && theMouseState->leftFlag)) {
            if (PaneLayout* panes = layout())
                panes->onMouseMove();
            borderUnderCursor();
        }
        return 1;
    case EV_RIGHT_DOWN:
        if (theApplication)
            theApplication->hideHint();
        if (PaneLayout* panes = layout())
            panes->onRightPressOnPane(this, pane ? pane->hitTest(cursorPosition()) : -1);
        return 1;
    case EV_HSCROLL:
    case EV_VSCROLL:
        if (pane)
            pane->scroll();
        return 1;
    case EV_PAINT:
        beginPaint();
        if (pane)
            pane->paint(*this);
        endPaint();
        return 1;
    default:
        return Window::handleEvent();
    }
}
