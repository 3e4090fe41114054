#pragma once
#include <windows.h>

#include "platform/FrameMenu.h"
#include "platform/IntRect.h"
#include "platform/MdiChildList.h"
#include "platform/MdiClientWindow.h"
#include "platform/Window.h"

class StatusBar;
class DeviceContext;

// The application's main window. In MDI mode its client area holds the MDI client with the
// document windows, framed by a 2-pixel sunken border; around it the workspace layout docks its
// panes, and the status bar runs along the bottom. The pump offers every message to its
// accelerator table.
class FrameWindow : public Window {
public:
    FrameWindow();
    ~FrameWindow() override;

    [[nodiscard]] int handleEvent() override;
    virtual void hook() {}
    // The application's own initialisation, run once after the window exists.
    virtual void initialize() {}
    // Width or height of the panes docked on each side (0 without a workspace layout).
    [[nodiscard]] virtual int topDockEdge();
    [[nodiscard]] virtual int leftDockEdge();
    [[nodiscard]] virtual int rightDockEdge();
    [[nodiscard]] virtual int bottomDockEdge();
    [[nodiscard]] virtual int openFileFromCommandLine(const char*) { return 0; }
    // Registers the class, creates the window with its MDI client and status bar and shows it:
    // 1, or 0 when no window was created.
    [[nodiscard]] virtual int create();
    [[nodiscard]] virtual int createMaximized();

    void enableMenuItem(int command, int enable);
    // The print-setup dialog of the application's print job (created when needed); the
    // dialog's result, 0 when there is no print job.
    [[nodiscard]] int showPrintSetup();
    // Posts the close request to the active document window, if there is one.
    void postCloseRequest();
    void abortMouseLoop();
    // Fits the status bar along the bottom and the MDI client into the document area, as a
    // size change does.
    void layoutClientArea();
    [[nodiscard]] HWND mdiClientHandle() const { return mdiClient.hwnd(); }

    // Areas of the client rectangle, in client coordinates.
    [[nodiscard]] IntRect clientArea() const { return clientRect(); }
    [[nodiscard]] IntRect areaAboveStatusBar() const;
    // Less the status bar and the top and bottom dock edges: where side panes go.
    [[nodiscard]] IntRect paneArea();
    [[nodiscard]] IntRect paneTopStrip(int height);
    [[nodiscard]] IntRect paneBottomStrip(int height);
    [[nodiscard]] IntRect paneLeftStrip(int width);
    [[nodiscard]] IntRect paneRightStrip(int width);
    // Less the status bar and all four dock edges: the MDI client and its border.
    [[nodiscard]] IntRect documentArea();

    // Draws the sunken border around the document area and the separators of occupied dock
    // areas on the given context.
    void drawBorders(DeviceContext& target);

    enum { kBorderWidth = 2 };

    DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    FrameMenu menu;
    int hasMenu = 1;
    MdiClientWindow mdiClient;
    StatusBar* statusBar = nullptr;   // owned
    int statusBarFlag = 1;
    MdiChildList documents;
    int acceleratorResourceId = 1105;
    HACCEL acceleratorTable = nullptr;

protected:
    [[nodiscard]] int createWindow();

private:
    void paint();
};

// The window procedure of the frame class.
LRESULT CALLBACK frameWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
