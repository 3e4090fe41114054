#pragma once
#include <windows.h>

#include "platform/DeviceContext.h"
#include "platform/IntPoint.h"
#include "platform/IntRect.h"

class Region;

// The WNDCLASSA record with the library's defaults: CS_HREDRAW | CS_VREDRAW, the application's
// instance, a white background and nothing else.
struct WindowClassSpec : WNDCLASSA {
    WindowClassSpec();
};
[[nodiscard]] ATOM registerWindowClass(const WindowClassSpec& spec);

// Base of every window object. Window procedures hand their messages to the event router, which
// turns them into event codes and calls handleEvent() of the object that owns the handle; the
// handler reads the code and the message from the current event.
class Window {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Drops the clip region (the same as clearClip); returns 0.
    virtual int resetClip();
    [[nodiscard]] virtual int query1() { return 0; }
    [[nodiscard]] virtual int query2() { return 0; }
    virtual void setHScrollPos(int) {}
    virtual void setVScrollPos(int) {}
    virtual void scrollHorizontally(int) {}
    virtual void scrollVertically(int) {}
    // 1 when the event was handled; 0 lets the default window procedure run.
    [[nodiscard]] virtual int handleEvent();
    virtual void notify(int, int) {}

    [[nodiscard]] HWND hwnd() const { return dc.hwnd; }

    // Registry and internal events
    void registerWindow();
    void unregisterWindow();
    void postClose();
    void repostToOwner(int code);
    void repostLeftClick();
    void repostRightClick();
    void repostMouseMove();

    // Thin wrappers on the window's own handle
    [[nodiscard]] HWND firstChild() const;
    void useFaceBackground() { background = COLOR_BTNFACE + 1; }
    void show();
    void maximize();
    void showNoActivate();
    void hide();
    void showInPlace();
    void sendSize();
    void invalidate();
    void update();
    void beginPaint();
    void endPaint();
    [[nodiscard]] HMENU getMenu() const;
    void sendClose();
    void destroy();
    void clientToScreen(IntPoint& p) const;
    void screenToClient(IntPoint& p) const;
    void clientToScreenRect(IntRect& r) const;
    void screenToClientRect(IntRect& r) const;
    void setTitle(const char* text);
    [[nodiscard]] IntRect windowRect() const;
    [[nodiscard]] IntRect clientRect() const;
    void invalidateRect(const IntRect& r);
    void moveTo(int x, int y, int repaint);
    void resize(int width, int height, int repaint);
    void setRect(const IntRect& r, int repaint);
    void setCapture();
    void attachHwnd(HWND window);
    void selectGuiFont();
    [[nodiscard]] IntPoint cursorPos() const;
    [[nodiscard]] IntPoint leftDownPos() const;
    [[nodiscard]] IntPoint rightDownPos() const;
    [[nodiscard]] IntPoint wheelPos() const;
    // Clip changes on the device context. While the clip flag is set, the clip region is dropped
    // before the next save or intersection; every clip change clears the flag.
    void clearClip();
    void setClipRegion(Region& region);
    void setClipRect(const IntRect& rect);
    void intersectClipRect(const IntRect& rect);
    // GetClipRgn into the saved clip / select the saved clip again. When the save found no clip
    // area (or nothing was saved), restoring drops the clip.
    void saveClip();
    void restoreClip();

    void acquireDC() { dc.acquire(); }
    void releaseDC() { dc.release(); }
    void erase(COLORREF color = RGB(255, 255, 255));
    void eraseRect(const IntRect& r);
    void fillClient(COLORREF color);
    void setTextBlack();
    void setBackgroundWhite();
    void prepareText();
    void setPixel(int x, int y, COLORREF color);

    // Text in Shift-JIS byte ranges [from, to): measured and drawn in pieces of at most 255 bytes
    // that never split a two-byte character.
    [[nodiscard]] int textWidth(const char* text, int from, int to);
    [[nodiscard]] int charIndexAtWidth(const char* text, int from, int to, int width);
    void drawText(int x, int y, int unused, const char* text, int from, int to);

    DeviceContext dc;
    int serial = 0;
    const char* title = nullptr;
    int clipFlag = 0;
    Region* savedClip = nullptr;   // owned
    const char* className = nullptr;
    int background = 0;
};
