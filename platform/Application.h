#pragma once
#include <windows.h>

#include "platform/TickTimer.h"

class FrameWindow;
class FrameMenu;
class PaneLayout;
class PrintJob;

// The process-wide application object. Its constructor creates the library's singletons, each
// kept in its own global (null when its creation failed or its class is not part of this build);
// every user tests the global before use.
class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    [[nodiscard]] int isTopLevelMode() const { return mode == 1; }
    [[nodiscard]] int isMdiMode() const { return mode == 3; }
    [[nodiscard]] int ensurePrintJob();
    void deletePrintJob();
    [[nodiscard]] FrameMenu* frameMenu() const;
    void setWindowMenuPosition(int position);
    void hideHint();
    void reportError() { ++errorCount; }
    // Returns the countdown's value and consumes one unit of it.
    int consumeFocusHoldOff();
    void captureMouse();
    void releaseMouse();
    // The folder of the program, up to and including its last backslash ("" when none).
    void getProgramFolder(char* buffer, int size) const;
    void openCommandLineFile();

    int quit = 0;
    int mode = 3;               // 1: top-level document windows, 3: MDI
    int documentsCreated = 0;
    const char* className = nullptr;
    const char* title = nullptr;
    int colorModel = 0;
    // The colour model the settings keep, in force from the next start: a colour takes its inks
    // from the model in force when it is set or read, so the running one never changes.
    int chosenColorModel = 0;
    FrameWindow* frame = nullptr;
    PaneLayout* workspaceLayout = nullptr;
    int errorCount = 0;
    TickTimer paneTimer;
    int focusHoldOff = 0;
    int toolFlag = 0;
    HINSTANCE instance = nullptr;
    HINSTANCE previousInstance = nullptr;
    const char* commandLine = nullptr;
    int showCommand = SW_SHOWDEFAULT;
    DWORD version = 0;
    OSVERSIONINFOA versionInfo = {};
    int frameIcon = 0;
    int documentIcon = 0;
    UINT clipboardFormat = 0;
};

extern Application* theApplication;
extern PrintJob* thePrintJob;

// The instance resources and window classes belong to: the application's, or the executable's
// module while there is no application.
[[nodiscard]] HINSTANCE programInstance();
