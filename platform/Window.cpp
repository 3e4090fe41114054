#include "platform/Window.h"

#include <new>

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/EventRouter.h"
#include "platform/MouseSource.h"
#include "platform/MouseState.h"
#include "platform/Region.h"
#include "platform/ShiftJis.h"

WindowClassSpec::WindowClassSpec() : WNDCLASSA{}
{
    style = CS_HREDRAW | CS_VREDRAW;
    hInstance = theApplication && theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
    hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

ATOM registerWindowClass(const WindowClassSpec& spec) { return RegisterClassA(&spec); }

Window::Window() : savedClip(new (std::nothrow) Region) {}

Window::~Window()
{
    unregisterWindow();
    delete savedClip;
}

int Window::resetClip()
{
    clearClip();
    return 0;
}

void Window::clearClip()
{
    dc.resetClip();
    clipFlag = 0;
}

void Window::setClipRegion(Region& region)
{
    (void)dc.selectClipRegion(region); // fails only for a region without handle or a dead DC
    clipFlag = 0;
}

void Window::setClipRect(const IntRect& rect)
{
    dc.clipToRect(rect);
    clipFlag = 0;
}

void Window::intersectClipRect(const IntRect& rect)
{
    DcScope scope(dc);
    if (clipFlag)
        dc.resetClip();
    dc.intersectClip(rect);
    clipFlag = 0;
}

void Window::saveClip()
{
    DcScope scope(dc);
    if (clipFlag)
        dc.resetClip();
    clipFlag = 0;
    // A save that finds no clip area keeps no region, so that restoring drops the clip instead of
    // bringing back what an earlier save kept.
    if (savedClip && !dc.getClipRegion(*savedClip))
        savedClip->destroy();
}

void Window::restoreClip()
{
    if (savedClip && !dc.selectClipRegion(*savedClip))
        dc.resetClip();
    clipFlag = 0;
}

int Window::handleEvent()
{
    if (!theCurrentEvent)
        return 0;
    switch (theCurrentEvent->code) {
    case EV_PAINT:
        beginPaint();
        endPaint();
        return 1;
    case EV_LEFT_DOWN_REPOST:
        repostLeftClick();
        return 0;
    case EV_RIGHT_DOWN_REPOST:
        repostRightClick();
        return 0;
    default:
        return 0;
    }
}

void Window::registerWindow()
{
    // A router that cannot grow has told the user; the window then gets the default answers.
    if (theEventRouter)
        (void)theEventRouter->add(this);
}

void Window::unregisterWindow()
{
    if (theEventRouter)
        theEventRouter->remove(this);
}

void Window::postClose() { postCloseRequest(serial); }

void Window::repostToOwner(int code)
{
    if (theCurrentEvent)
        (void)theCurrentEvent->postEventTo(code, serial, 0, hwnd()); // a lost repost loses one click or move
}

void Window::repostLeftClick() { repostToOwner(EV_LEFT_DOWN); }
void Window::repostRightClick() { repostToOwner(EV_RIGHT_DOWN); }
void Window::repostMouseMove() { repostToOwner(EV_MOUSE_MOVE); }

HWND Window::firstChild() const { return GetWindow(hwnd(), GW_CHILD); }

void Window::show() { ShowWindow(hwnd(), theApplication ? theApplication->showCommand : SW_SHOW); }
void Window::maximize() { ShowWindow(hwnd(), SW_SHOWMAXIMIZED); }
void Window::showNoActivate() { ShowWindow(hwnd(), SW_SHOWNA); }
void Window::hide() { ShowWindow(hwnd(), SW_HIDE); }
void Window::showInPlace() { SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW); }

void Window::sendSize()
{
    RECT r;
    GetWindowRect(hwnd(), &r);
    SendMessageA(hwnd(), WM_SIZE, 0, MAKELPARAM(r.right - r.left, r.bottom - r.top));
}

void Window::invalidate() { InvalidateRect(hwnd(), nullptr, TRUE); }
void Window::update() { UpdateWindow(hwnd()); }

void Window::beginPaint() { dc.enterPaint(BeginPaint(hwnd(), &dc.paint)); }

void Window::endPaint()
{
    EndPaint(hwnd(), &dc.paint);
    dc.leavePaint();
}

HMENU Window::getMenu() const { return GetMenu(hwnd()); }
void Window::sendClose() { SendMessageA(hwnd(), WM_CLOSE, 0, 0); }
void Window::destroy() { DestroyWindow(hwnd()); }

void Window::clientToScreen(IntPoint& p) const
{
    POINT q = p.toPoint();
    ClientToScreen(hwnd(), &q);
    p.set(q.x, q.y);
}

void Window::screenToClient(IntPoint& p) const
{
    POINT q = p.toPoint();
    ScreenToClient(hwnd(), &q);
    p.set(q.x, q.y);
}

void Window::clientToScreenRect(IntRect& r) const
{
    IntPoint a(r.left, r.top), b(r.right, r.bottom);
    clientToScreen(a);
    clientToScreen(b);
    r.left = a.x; r.top = a.y; r.right = b.x; r.bottom = b.y;
}

void Window::screenToClientRect(IntRect& r) const
{
    IntPoint a(r.left, r.top), b(r.right, r.bottom);
    screenToClient(a);
    screenToClient(b);
    r.left = a.x; r.top = a.y; r.right = b.x; r.bottom = b.y;
}

void Window::setTitle(const char* text)
{
    if (text)
        SetWindowTextA(hwnd(), text);
}

IntRect Window::windowRect() const
{
    IntRect r;
    GetWindowRect(hwnd(), r.asRect());
    return r;
}

IntRect Window::clientRect() const
{
    IntRect r;
    GetClientRect(hwnd(), r.asRect());
    return r;
}

void Window::invalidateRect(const IntRect& r) { InvalidateRect(hwnd(), r.asRect(), TRUE); }

void Window::moveTo(int x, int y, int repaint)
{
    IntRect r = windowRect();
    MoveWindow(hwnd(), x, y, r.width(), r.height(), repaint);
}

void Window::resize(int width, int height, int repaint)
{
    // MoveWindow takes parent-client coordinates for a child window.
    IntRect r = windowRect();
    POINT origin = {r.left, r.top};
    if (HWND parent = GetParent(hwnd()); parent && (GetWindowLongA(hwnd(), GWL_STYLE) & WS_CHILD))
        ScreenToClient(parent, &origin);
    MoveWindow(hwnd(), origin.x, origin.y, width, height, repaint);
}

void Window::setRect(const IntRect& r, int repaint) { MoveWindow(hwnd(), r.left, r.top, r.width(), r.height(), repaint); }
void Window::setCapture() { SetCapture(hwnd()); }

void Window::attachHwnd(HWND window)
{
    dc.reset();
    dc.hwnd = window;
}

void Window::selectGuiFont() { (void)dc.selectGuiFont(); } // 0 only before the context has its holders

namespace {
IntPoint toClient(const Window& window, IntPoint screen)
{
    window.screenToClient(screen);
    return screen;
}
} // namespace

IntPoint Window::cursorPos() const
{
    IntPoint p;
    if (theMouseState)
        theMouseState->getCursorPos(p);
    else
        readCursorPos(p);
    return toClient(*this, p);
}

IntPoint Window::leftDownPos() const { return theMouseState ? toClient(*this, theMouseState->leftDown) : IntPoint(); }
IntPoint Window::rightDownPos() const { return theMouseState ? toClient(*this, theMouseState->rightDown) : IntPoint(); }
IntPoint Window::wheelPos() const { return theMouseState ? toClient(*this, theMouseState->wheel) : IntPoint(); }

void Window::erase(COLORREF color)
{
    resetClip();
    fillClient(color);
    invalidate();
}

void Window::eraseRect(const IntRect& r)
{
    DcScope scope(dc);
    SetROP2(scope.hdc(), R2_COPYPEN);
    FillRect(scope.hdc(), r.asRect(), static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void Window::fillClient(COLORREF color)
{
    RgbColor fill;
    fill.colorRef = color;
    dc.fillRect(fill, clientRect());
}

void Window::setTextBlack()
{
    DcScope scope(dc);
    SetTextColor(scope.hdc(), RGB(0, 0, 0));
}

void Window::setBackgroundWhite()
{
    DcScope scope(dc);
    SetBkColor(scope.hdc(), RGB(255, 255, 255));
}

void Window::prepareText()
{
    DcScope scope(dc);
    SetTextColor(scope.hdc(), RGB(0, 0, 0));
    SetBkColor(scope.hdc(), RGB(255, 255, 255));
    SetBkMode(scope.hdc(), TRANSPARENT);
}

void Window::setPixel(int x, int y, COLORREF color)
{
    DcScope scope(dc);
    SetPixelV(scope.hdc(), x, y, color);
}

namespace {
// End of the piece of at most 255 bytes that starts at `from`, on a character boundary.
int pieceEnd(const char* text, int from, int to)
{
    int i = from;
    while (i < to) {
        int length = shiftJisCharLength(text, i, to);
        if (i + length - from > 255)
            break;
        i += length;
    }
    return i;
}

int extentOf(HDC hdc, const char* text, int from, int to)
{
    int width = 0;
    for (int i = from; i < to;) {
        int end = pieceEnd(text, i, to);
        SIZE size = {};
        GetTextExtentPointA(hdc, text + i, end - i, &size);
        width += size.cx;
        i = end;
    }
    return width;
}
} // namespace

int Window::textWidth(const char* text, int from, int to)
{
    if (!text || to <= from)
        return 0;
    DcScope scope(dc);
    return extentOf(scope.hdc(), text, from, to);
}

int Window::charIndexAtWidth(const char* text, int from, int to, int width)
{
    if (width < 1)
        return -1;
    if (!text)
        return to + 1;
    DcScope scope(dc);
    int running = 0;
    for (int i = from; i < to;) {
        int length = shiftJisCharLength(text, i, to);
        SIZE size = {};
        GetTextExtentPointA(scope.hdc(), text + i, length, &size);
        if (running + size.cx >= width)
            return (width - running) * 2 > size.cx ? i + length : i;
        running += size.cx;
        i += length;
    }
    return to + 1;
}

void Window::drawText(int x, int y, int, const char* text, int from, int to)
{
    if (!text || to <= from)
        return;
    DcScope scope(dc);
    // Each piece after the first starts where the previous one ended, so long lines do not
    // overprint themselves.
    for (int i = from; i < to;) {
        int end = pieceEnd(text, i, to);
        TextOutA(scope.hdc(), x, y, text + i, end - i);
        x += extentOf(scope.hdc(), text, i, end);
        i = end;
    }
}
