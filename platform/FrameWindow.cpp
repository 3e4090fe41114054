#include "platform/FrameWindow.h"

#include <new>

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/DeviceContext.h"
#include "platform/EventCodes.h"
#include "platform/EventRouter.h"
#include "platform/FontFamilies.h"
#include "platform/MemoryDc.h"
#include "platform/PaneLayout.h"
#include "platform/PrintJob.h"
#include "platform/StatusBar.h"
#include "platform/SystemMetrics.h"
#include "platform/WindowHandle.h"

namespace {
bool frameClassRegistered = false;

LRESULT defaultFrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    FrameWindow* frame = theApplication ? theApplication->frame : nullptr;
    if (theApplication && theApplication->isMdiMode() && frame && sameWindow(frame->hwnd(), window))
        return DefFrameProcA(window, frame->mdiClientHandle(), message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

PaneLayout* layout() { return theApplication ? theApplication->workspaceLayout : nullptr; }
} // namespace

LRESULT CALLBACK frameWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    int r = theEventRouter ? theEventRouter->route(window, message, wParam, lParam) : -1;
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_CLOSE:
        if (theCurrentEvent && theCurrentEvent->closeCancelled)
            return r;
        return defaultFrameProcedure(window, message, wParam, lParam);
    case WM_NCACTIVATE:
        return 1;
    case WM_DISPLAYCHANGE:
        forgetScreenRect();
        forgetDisplayInformation();
        return r >= 0 ? r : defaultFrameProcedure(window, message, wParam, lParam);
    case WM_FONTCHANGE:
        forgetFontFamilies();
        return r >= 0 ? r : defaultFrameProcedure(window, message, wParam, lParam);
    default:
        return r >= 0 ? r : defaultFrameProcedure(window, message, wParam, lParam);
    }
}

FrameWindow::FrameWindow()
{
    if (theEventRouter)
        serial = theEventRouter->nextSerial();
    useFaceBackground();
    title = theApplication ? theApplication->title : nullptr;
}

FrameWindow::~FrameWindow()
{
    delete statusBar;
    statusBar = nullptr;
    documents.destroyAll();
    if (acceleratorTable)
        DestroyAcceleratorTable(acceleratorTable);
}

int FrameWindow::topDockEdge() { return layout() ? layout()->topEdge() : 0; }
int FrameWindow::leftDockEdge() { return layout() ? layout()->leftEdge() : 0; }
int FrameWindow::rightDockEdge() { return layout() ? layout()->rightEdge() : 0; }
int FrameWindow::bottomDockEdge() { return layout() ? layout()->bottomEdge() : 0; }

int FrameWindow::handleEvent()
{
    CurrentEvent* event = theCurrentEvent;
    if (!event)
        return 0;
    PaneLayout* panes = layout();
    switch (event->code) {
    case EV_CLOSE:
    case EV_CHILD_ACTIVATED:
    case EV_INIT_MENU:
    case EV_DOCUMENT_DEACTIVATED:
        return 1;
    case EV_DOCUMENT_ACTIVATED:
        documents.setActiveById(event->arg1);
        return 1;
    case EV_DOCUMENT_CLOSED:
        (void)documents.closeChild(event->arg1); // 0 for a window closed already
        return 1;
    case EV_PANE_CLOSE:
        if (panes)
            panes->closePane(event->arg1);
        return 1;
    case EV_PANE_MOVE:
        if (panes)
            panes->beginMovePane(event->arg1);
        return 1;
    case EV_PANE_RESIZE:
        if (panes)
            panes->beginResizePane(event->arg1, event->arg2);
        return 1;
    case EV_PANE_LEFT_PRESS:
    case EV_LEFT_DOWN:
        if (panes)
            panes->onLeftPress();
        return 1;
    case EV_PANE_RIGHT_PRESS:
    case EV_RIGHT_DOWN:
        if (panes)
            panes->onRightPress();
        return 1;
    case EV_IDLE:
        if (panes)
            panes->onIdle();
        else
            event->mayBlock = event->blockingAllowed;
        return 1;
    case EV_MENU_COMMAND: {
        int command = LOWORD(event->wParam);
        abortMouseLoop();
        if (command == CMD_FRAME_QUIT) {
            sendClose();
            return 1;
        }
        return 0;
    }
    case EV_MOUSE_MOVE:
        if (panes)
            panes->onMouseMove();
        return 1;
    case EV_HSCROLL:
    case EV_VSCROLL:
        if (panes)
            panes->onScroll();
        return 1;
    case EV_PAINT:
        paint();
        return 1;
    case EV_SIZE:
        layoutClientArea();
        return 1;
    default:
        return Window::handleEvent();
    }
}

void FrameWindow::enableMenuItem(int command, int enable)
{
    if (menu.menu.handle)
        EnableMenuItem(menu.menu.handle, static_cast<UINT>(command), MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
}

int FrameWindow::showPrintSetup()
{
    if (!theApplication || !theApplication->ensurePrintJob())
        return 0;
    return thePrintJob->showPrintSetup();
}

void FrameWindow::postCloseRequest()
{
    if (documents.activeSerial >= 0)
        ::postCloseRequest(documents.activeSerial);
}

void FrameWindow::abortMouseLoop()
{
    if (theCurrentEvent)
        theCurrentEvent->abortLoop = 1;
}

void FrameWindow::layoutClientArea()
{
    if (statusBar)
        statusBar->fitToFrame();
    mdiClient.resizeToFrame();
}

IntRect FrameWindow::areaAboveStatusBar() const
{
    IntRect r = clientRect();
    if (statusBarFlag && statusBar)
        r.bottom -= statusBar->clientRect().height();
    return r;
}

IntRect FrameWindow::paneArea()
{
    IntRect r = areaAboveStatusBar();
    r.top += topDockEdge();
    r.bottom -= bottomDockEdge();
    return r;
}

IntRect FrameWindow::paneTopStrip(int height)
{
    IntRect r = paneArea();
    r.bottom = r.top + height;
    return r;
}

IntRect FrameWindow::paneBottomStrip(int height)
{
    IntRect r = paneArea();
    r.top = r.bottom - height;
    return r;
}

IntRect FrameWindow::paneLeftStrip(int width)
{
    IntRect r = paneArea();
    r.right = r.left + width;
    return r;
}

IntRect FrameWindow::paneRightStrip(int width)
{
    IntRect r = paneArea();
    r.left = r.right - width;
    return r;
}

IntRect FrameWindow::documentArea()
{
    IntRect r = paneArea();
    r.left += leftDockEdge();
    r.right -= rightDockEdge();
    return r;
}

void FrameWindow::drawBorders(DeviceContext& target)
{
    RgbColor gray(128, 128, 128), white(255, 255, 255), black(0, 0, 0), paleGray(223, 223, 223);
    IntRect area = documentArea();
    DcScope scope(target);

    // Two sunken rings: the outer one grey above and left, white below and right; the inner one
    // black and pale grey. The right and bottom sides lie on the last pixels inside the area.
    IntRect outer = area;
    outer.right -= 1;
    outer.bottom -= 1;
    IntRect inner = outer;
    inner.deflate(1);
    target.drawRectSides(PenSpec(gray), outer, 1, 1, 0, 0);
    target.drawRectSides(PenSpec(white), outer, 0, 0, 1, 1);
    target.drawRectSides(PenSpec(black), inner, 1, 1, 0, 0);
    target.drawRectSides(PenSpec(paleGray), inner, 0, 0, 1, 1);

    // An etched line (grey, then white toward the documents) along the inner edge of every
    // occupied dock area.
    IntRect all = areaAboveStatusBar();
    if (topDockEdge() > 0) {
        target.drawHorizontalLine(PenSpec(gray), area.top - 2, all.left, all.right);
        target.drawHorizontalLine(PenSpec(white), area.top - 1, all.left, all.right);
    }
    if (bottomDockEdge() > 0) {
        target.drawHorizontalLine(PenSpec(gray), area.bottom, all.left, all.right);
        target.drawHorizontalLine(PenSpec(white), area.bottom + 1, all.left, all.right);
    }
    if (leftDockEdge() > 0) {
        target.drawVerticalLine(PenSpec(gray), area.left - 2, area.top, area.bottom);
        target.drawVerticalLine(PenSpec(white), area.left - 1, area.top, area.bottom);
    }
    if (rightDockEdge() > 0) {
        target.drawVerticalLine(PenSpec(gray), area.right, area.top, area.bottom);
        target.drawVerticalLine(PenSpec(white), area.right + 1, area.top, area.bottom);
    }
}

void FrameWindow::paint()
{
    beginPaint();
    if (PaneLayout* panes = layout())
        panes->paint();
    drawBorders(dc);
    endPaint();
}

int FrameWindow::createWindow()
{
    HINSTANCE instance = theApplication && theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
    const char* name = theApplication && theApplication->className ? theApplication->className : "korvane";
    className = name;
    if (!frameClassRegistered) {
        WindowClassSpec spec;
        spec.lpfnWndProc = frameWindowProcedure;
        int iconId = theApplication ? theApplication->frameIcon : 0;
        spec.hIcon = iconId ? LoadIconA(instance, MAKEINTRESOURCEA(iconId)) : LoadIconA(nullptr, IDI_APPLICATION);
        spec.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        spec.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background));
        spec.lpszMenuName = hasMenu ? MAKEINTRESOURCEA(menu.resourceId) : nullptr;
        spec.lpszClassName = name;
        if (!registerWindowClass(spec)) {
            if (theApplication)
                theApplication->quit = 1;
            return 0;
        }
        frameClassRegistered = true;
    }
    registerWindow();
    HWND window = CreateWindowExA(0, name, title, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  nullptr, nullptr, instance, nullptr);
    if (!window)
        return 0;
    attachHwnd(window);
    if (hasMenu)
        menu.menu.handle = getMenu();
    acceleratorTable = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(acceleratorResourceId));
    // The frame stands without either: without an MDI client no document window can be made (its
    // creation fails and says so), and a status bar without a window shows nothing.
    if (theApplication && theApplication->isMdiMode())
        (void)mdiClient.create(*this);
    if (statusBarFlag) {
        if (!statusBar)
            statusBar = new (std::nothrow) StatusBar(this);
        if (statusBar)
            (void)statusBar->createWindow();
    }
    // Laid out now as well: a frame that is shown without a size change gets no WM_SIZE.
    layoutClientArea();
    show();
    return 1;
}

int FrameWindow::create()
{
    if (!createWindow())
        return 0;
    update();
    return 1;
}

int FrameWindow::createMaximized()
{
    if (!createWindow())
        return 0;
    maximize();
    update();
    return 1;
}
