#pragma once
#include <windows.h>

#include "platform/IntPoint.h"
#include "platform/IntRect.h"
#include "platform/Window.h"

class PaneWindow;
class SerialList;

// What a pane window asks of the dock pane that owns it (the workspace layout's pane object).
class PaneWindowOwner {
public:
    virtual ~PaneWindowOwner() = default;
    [[nodiscard]] virtual int isFloating() = 0;
    // What lies under a screen point (a button, a cell ...), in the pane's own terms.
    [[nodiscard]] virtual int hitTest(const IntPoint& screenPoint) = 0;
    // Non-zero when the pane took the left press itself.
    [[nodiscard]] virtual int onClick(PaneWindow& window, int hitResult) = 0;
    // A scroll message of the window (the current event).
    virtual void scroll() = 0;
    // Paints the pane into the window, between its BeginPaint and EndPaint.
    virtual void paint(PaneWindow& window) = 0;
};

// The small captioned tool window of a floating dock pane. It shows the pane and turns presses,
// moves, scrolls and paints into pane operations; a press on its caption or borders that the pane
// does not take becomes an internal event for the frame: 6040 move, 6070 resize with the border
// code, and closing it 6034. Moving, docking and painting are the pane's and the layout's work.
//
// Border codes: 1 top, 2 left, 3 right, 4 bottom, 12 top-left, 13 top-right, 42 bottom-left,
// 43 bottom-right.
class PaneWindow : public Window {
public:
    explicit PaneWindow(PaneWindowOwner* owner = nullptr);
    ~PaneWindow() override;

    void scrollHorizontally(int amount) override;
    void scrollVertically(int amount) override;
    [[nodiscard]] int handleEvent() override;

    // Registers the class "<application class>Flt" once, then creates the window at the screen
    // rectangle, owned by the frame's MDI client; 1 when a window resulted.
    [[nodiscard]] int create(const char* caption, const IntRect& rect);
    [[nodiscard]] int isFloating() const;
    // The border the cursor is over (0 when none), with the matching sizing cursor shown.
    int borderUnderCursor();
    void postClosePane();
    void postMovePane();
    void postResizePane(int border);

    enum { kCornerSize = 5 };

    PaneWindowOwner* pane = nullptr;   // not owned
    DWORD style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
};

// The pane windows that exist, found by serial id (created by the application).
extern SerialList* thePaneWindows;
[[nodiscard]] int paneWindowSerial(const void* paneWindow);

// The window procedure of the pane window class.
LRESULT CALLBACK paneWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
