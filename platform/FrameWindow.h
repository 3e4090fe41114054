#pragma once
#include <windows.h>

#include "platform/Window.h"

// The application's main window. In MDI mode its client area holds the MDI client with the
// document windows; the pump offers every message to its accelerator table.
class FrameWindow : public Window {
public:
    FrameWindow();
    ~FrameWindow() override;

    int handleEvent() override;
    virtual void hook() {}
    virtual void initialize() {}
    virtual int openFileFromCommandLine(const char*) { return 0; }
    // Registers the class, creates the window and shows it: 1, or 0 when no window was created.
    virtual int create();
    virtual int createMaximized();

    void abortMouseLoop();
    HWND mdiClientHandle() const { return mdiClient; }

    DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    int menuResourceId = 1104;
    int hasMenu = 1;
    int acceleratorResourceId = 1105;
    HACCEL acceleratorTable = nullptr;
    HWND mdiClient = nullptr;

protected:
    int createWindow();
};

// The window procedure of the frame class.
LRESULT CALLBACK frameWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
