#include "platform/Control.h"

#include <new>

#include "platform/Container.h"
#include "platform/MouseSource.h"
#include "platform/StringUtil.h"
#include "platform/Window.h"

int Control::getScrollRange(int* minimum, int* maximum, int* page)
{
    if (minimum)
        *minimum = 0;
    if (maximum)
        *maximum = 0;
    if (page)
        *page = 0;
    return 0;
}

int Control::getItemText(int, char* buffer, int size)
{
    if (buffer && size > 0)
        buffer[0] = 0;
    return 0;
}

double Control::getDouble(int* changed, int)
{
    if (changed)
        *changed = 0;
    return 0.0;
}

int Control::getInt(int* changed)
{
    if (changed)
        *changed = 0;
    return 0;
}

int Control::getTextAt(int, char* buffer, int size)
{
    if (buffer && size > 0)
        buffer[0] = 0;
    return -1;
}

int Control::getSelectedText(char* buffer, int size)
{
    if (buffer && size > 0)
        buffer[0] = 0;
    return 0;
}

int Control::setText(const char* text) { return setItemText(text); }

int Control::getText(char* buffer, int size) { return getItemText(buffer, size); }

int Control::attach()
{
    if (!isAttached())
        return 0;
    lookupWindow();
    clientRect.init();
    if (window)
        GetClientRect(window, clientRect.asRect());
    onAttached();
    return 1;
}

void Control::enable()
{
    if (!window)
        lookupWindow();
    if (window)
        EnableWindow(window, TRUE);
}

void Control::disable()
{
    if (!window)
        lookupWindow();
    if (window)
        EnableWindow(window, FALSE);
}

int Control::isAttached() const { return id >= 1 && owner && owner->hwnd; }

HWND Control::ownerWindow() const { return owner ? owner->hwnd : nullptr; }

HWND Control::lookupWindow()
{
    window = isAttached() ? GetDlgItem(ownerWindow(), id) : nullptr;
    return window;
}

int Control::getItemText(char* buffer, int size)
{
    if (!buffer || size < 1)
        return 0;
    buffer[0] = 0;
    if (!isAttached())
        return 0;
    // An edit control cuts a text that does not fit after the lead byte of a character.
    HWND owner = ownerWindow();
    int kept = StringUtil::readBounded(buffer, size, -1, [owner, this](char* block, int capacity) {
        return static_cast<long long>(GetDlgItemTextA(owner, id, block, capacity));
    });
    return kept > 0 ? 1 : 0;
}

int Control::setItemText(const char* text)
{
    if (!isAttached())
        return 0;
    return SetDlgItemTextA(ownerWindow(), id, text ? text : "") ? 1 : 0;
}

LRESULT Control::sendItemMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!isAttached())
        return 0;
    return SendDlgItemMessageA(ownerWindow(), id, message, wParam, lParam);
}

void Control::setEnabled(int flag)
{
    if (flag)
        enable();
    else
        disable();
}

int Control::getFontHeight()
{
    if (fontHeight == 0) {
        LOGFONTA font = {};
        if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font))
            fontHeight = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    }
    return fontHeight;
}

HWND Control::drawingTarget() const { return window ? window : ownerWindow(); }

Window* Control::createDrawingWindow()
{
    auto* drawing = new (std::nothrow) Window;
    if (!drawing)
        return nullptr;
    drawing->attachHwnd(drawingTarget());
    if (paintTarget)
        drawing->dc.attachHdc(paintTarget);
    drawing->acquireDC();
    drawing->dc.setTransparentBackground();
    return drawing;
}

ControlDrawing::ControlDrawing(Control& control)
{
    if (!control.isAttached())
        return;
    if (!control.window)
        (void)control.lookupWindow(); // without an item the owner's window is drawn on
    window_ = control.createDrawingWindow();
}

DeviceContext& ControlDrawing::dc() const { return window_->dc; }

void Control::releaseDrawingWindow(Window* drawing)
{
    if (!drawing)
        return;
    drawing->releaseDC();
    delete drawing;
}

IntPoint Control::cursorPos() const
{
    IntPoint screen;
    readCursorPos(screen);
    POINT p = screen.toPoint();
    if (HWND target = drawingTarget())
        ScreenToClient(target, &p);
    return IntPoint(p.x, p.y);
}

int Control::isCursorInside() const
{
    if (!window)
        return 0;
    IntPoint p = cursorPos();
    return p.x >= clientRect.left && p.x <= clientRect.right && p.y >= clientRect.top && p.y <= clientRect.bottom;
}

void Control::setDefaultFont()
{
    if (window)
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}
