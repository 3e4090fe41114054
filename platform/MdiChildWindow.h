#pragma once
#include "platform/Window.h"

class ChildScrollBar;

// A document window: an MDI child of the frame's MDI client (a top-level window when the
// application runs without MDI). The application's document window derives from it. It turns
// activation and closing into internal events for the frame: closing takes two steps, WM_CLOSE
// posts 6032 and the frame then removes the window from its list, which deletes the object.
class MdiChildWindow : public Window {
public:
    MdiChildWindow();
    ~MdiChildWindow() override;

    // Moves the bar to the position and scrolls the window by the change.
    void setHScrollPos(int position) override;
    void setVScrollPos(int position) override;
    [[nodiscard]] int handleEvent() override;
    // Frees what the window shows before it is destroyed.
    virtual void destroyContents() {}
    // Creates the window at the default position and size.
    [[nodiscard]] virtual int create();
    [[nodiscard]] virtual int open() { return 0; }

    // Registers the document class once per run (the application's class name followed by
    // "Doc"), registers the object for events and creates the window; 1 on success.
    [[nodiscard]] int createWindow(int x, int y, int width, int height);
    // 1 when this is the active window of the frame's document list.
    [[nodiscard]] int isActive() const;

    DWORD style = WS_HSCROLL | WS_VSCROLL;
    ChildScrollBar* horizontalBar = nullptr;   // owned
    ChildScrollBar* verticalBar = nullptr;     // owned
    UINT classStyle = CS_HREDRAW | CS_VREDRAW;
    LPARAM creationParameter = 0;

protected:
    // Tells the frame that the window closes (event 6032 with this window's serial). A handler
    // that asked the user first calls this rather than reading the current event again: the
    // question's modal loop has routed other messages through it meanwhile.
    void reportClosed();
};

// The window procedure of the document class.
LRESULT CALLBACK documentWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
