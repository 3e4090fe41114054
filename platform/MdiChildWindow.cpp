#include "platform/MdiChildWindow.h"

#include <cstdio>
#include <new>

#include "platform/Application.h"
#include "platform/ChildScrollBar.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/EventRouter.h"
#include "platform/FrameWindow.h"

namespace {
bool documentClassRegistered = false;
char documentClassName[128];

// The window being created: messages that arrive before CreateMDIWindowA returns (activation,
// sizing) find their object through it.
MdiChildWindow* windowBeingCreated = nullptr;

LRESULT defaultDocumentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (theApplication && theApplication->isTopLevelMode())
        return DefWindowProcA(window, message, wParam, lParam);
    return DefMDIChildProcA(window, message, wParam, lParam);
}
} // namespace

LRESULT CALLBACK documentWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Other document windows may hear from the MDI client while a new one is created (a
    // maximised one is restored first): only the new window's own WM_NCCREATE names its handle.
    if (message == WM_NCCREATE && windowBeingCreated && !windowBeingCreated->hwnd())
        windowBeingCreated->attachHwnd(window);
    int r = theEventRouter ? theEventRouter->route(window, message, wParam, lParam) : -1;
    switch (message) {
    // The MDI system needs these whatever the handler did: sizing keeps maximised children in
    // step, and activation follows focus.
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_SETFOCUS:
        return defaultDocumentProcedure(window, message, wParam, lParam);
    case WM_CLOSE:
        if (theCurrentEvent && theCurrentEvent->closeCancelled)
            return r;
        return defaultDocumentProcedure(window, message, wParam, lParam);
    case WM_SETTEXT: {
        if (r >= 0)
            return r;
        // The frame's window menu lists the documents by title: it is told of the new one.
        const LRESULT set = defaultDocumentProcedure(window, message, wParam, lParam);
        if (theApplication && !theApplication->isTopLevelMode()) {
            SendMessageA(GetParent(window), WM_MDIREFRESHMENU, 0, 0);
            DrawMenuBar(GetParent(GetParent(window)));
        }
        return set;
    }
    default:
        return r >= 0 ? r : defaultDocumentProcedure(window, message, wParam, lParam);
    }
}

MdiChildWindow::MdiChildWindow()
{
    if (theEventRouter)
        serial = theEventRouter->nextSerial();
}

MdiChildWindow::~MdiChildWindow()
{
    delete horizontalBar;
    delete verticalBar;
}

void MdiChildWindow::setHScrollPos(int position)
{
    if (!horizontalBar)
        return;
    int old = horizontalBar->position();
    horizontalBar->setPosition(position, TRUE);
    int now = horizontalBar->position();
    if (now != old)
        scrollHorizontally(old - now);
}

void MdiChildWindow::setVScrollPos(int position)
{
    if (!verticalBar)
        return;
    int old = verticalBar->position();
    verticalBar->setPosition(position, TRUE);
    int now = verticalBar->position();
    if (now != old)
        scrollVertically(old - now);
}

int MdiChildWindow::handleEvent()
{
    CurrentEvent* event = theCurrentEvent;
    if (!event)
        return 0;
    // The frame hears of these through the queue. A post the queue cannot take loses the news, not
    // a window: a close that is lost leaves the window open, to be closed again.
    switch (event->code) {
    case EV_ACTIVATE:
        // Another drawing comes to the front while a handler runs, that is while a mouse loop of
        // the one before polls: the loop ends at its next poll, so that the clicks meant for this
        // window are not taken as the other drawing's points. Its input waits for the next mouse
        // step in its own window.
        if (FrameWindow* frame = theApplication ? theApplication->frame : nullptr;
            frame && theEventRouter && theEventRouter->depth > 1 && frame->documents.activeSerial >= 0 &&
            frame->documents.activeSerial != serial)
            frame->abortMouseLoop();
        (void)event->postEvent(EV_DOCUMENT_ACTIVATED, serial, 0);
        (void)event->postChildActivated();
        return 1;
    case EV_DEACTIVATE:
        (void)event->postEvent(EV_DOCUMENT_DEACTIVATED, serial, 0);
        return 1;
    case EV_CLOSE:
        reportClosed();
        return 1;
    case EV_CLOSE_WINDOW:
        sendClose();
        return 1;
    case EV_CLOSE_WINDOW_IGNORED:
        return 1;
    case EV_LEFT_DOWN_REPOST:
        repostLeftClick();
        return 1;
    case EV_PAINT:
        beginPaint();
        endPaint();
        return 1;
    default:
        return Window::handleEvent();
    }
}

void MdiChildWindow::reportClosed()
{
    if (theCurrentEvent)
        (void)theCurrentEvent->postEvent(EV_DOCUMENT_CLOSED, serial, 0);
}

int MdiChildWindow::create() { return createWindow(CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT); }

int MdiChildWindow::createWindow(int x, int y, int width, int height)
{
    HINSTANCE instance = theApplication && theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
    if (!documentClassRegistered) {
        const char* base = theApplication && theApplication->className ? theApplication->className : "korvane";
        std::snprintf(documentClassName, sizeof documentClassName, "%sDoc", base);
        WindowClassSpec spec;
        spec.style = classStyle;
        spec.lpfnWndProc = documentWindowProcedure;
        int iconId = theApplication ? theApplication->documentIcon : 0;
        spec.hIcon = iconId ? LoadIconA(instance, MAKEINTRESOURCEA(iconId)) : LoadIconA(nullptr, IDI_APPLICATION);
        spec.hCursor = nullptr;
        spec.lpszClassName = documentClassName;
        if (!registerWindowClass(spec))
            return 0;
        documentClassRegistered = true;
    }
    className = documentClassName;
    registerWindow();

    windowBeingCreated = this;
    HWND window = nullptr;
    if (theApplication && theApplication->isTopLevelMode()) {
        window = CreateWindowExA(0, documentClassName, title, style, x, y, width, height, nullptr, nullptr, instance,
                                 nullptr);
    } else {
        HWND client = theApplication && theApplication->frame ? theApplication->frame->mdiClientHandle() : nullptr;
        if (client)
            window = CreateMDIWindowA(documentClassName, title, style, x, y, width, height, client, instance,
                                      creationParameter);
    }
    windowBeingCreated = nullptr;
    if (!window) {
        attachHwnd(nullptr);
        return 0;
    }
    attachHwnd(window);

    delete horizontalBar;
    delete verticalBar;
    horizontalBar = new (std::nothrow) ChildScrollBar;
    verticalBar = new (std::nothrow) ChildScrollBar;
    if (horizontalBar)
        horizontalBar->useOwnerHorizontalBar(this);
    if (verticalBar)
        verticalBar->useOwnerVerticalBar(this);
    if (theApplication)
        ++theApplication->documentsCreated;
    update();
    return 1;
}

int MdiChildWindow::isActive() const
{
    FrameWindow* frame = theApplication ? theApplication->frame : nullptr;
    return frame && frame->documents.activeSerial == serial;
}
