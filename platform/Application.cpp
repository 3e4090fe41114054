#include "platform/Application.h"

#include <commctrl.h>
#include <new>

#include "platform/CurrentEvent.h"
#include "platform/DebugWindow.h"
#include "platform/DialogRegistry.h"
#include "platform/EventRouter.h"
#include "platform/FrameWindow.h"
#include "platform/ImeGuard.h"
#include "platform/MathUtil.h"
#include "platform/MessageBoxes.h"
#include "platform/MouseState.h"
#include "platform/PaneLayout.h"
#include "platform/PaneWindow.h"
#include "platform/PrintJob.h"
#include "platform/ScreenSurface.h"
#include "platform/SerialList.h"
#include "platform/ShiftJis.h"
#include "platform/StringUtil.h"
#include "platform/TextCaret.h"

Application* theApplication = nullptr;
PrintJob* thePrintJob = nullptr;

HINSTANCE programInstance()
{
    return theApplication && theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
}

Application::Application()
{
    version = GetVersion();
    versionInfo.dwOSVersionInfoSize = sizeof versionInfo;
    GetVersionExA(&versionInfo);
    InitCommonControls();

    // The library's singletons, in their creation order. A failed allocation leaves its global
    // null and the construction goes on.
    theStringUtil = new (std::nothrow) StringUtil;
    theMathUtil = new (std::nothrow) MathUtil;
    theMouseState = new (std::nothrow) MouseState;
    theDialogRegistry = new (std::nothrow) DialogRegistry;
    theEventRouter = new (std::nothrow) EventRouter;
    theCurrentEvent = new (std::nothrow) CurrentEvent;
    theScreenSurface = new (std::nothrow) ScreenSurface;
    thePaneWindows = new (std::nothrow) SerialList(paneWindowSerial);
    theTextCaret = new (std::nothrow) TextCaret;
    theBeeper = new (std::nothrow) Beeper;
    theDebugWindow = new (std::nothrow) DebugWindow;
    theImeGuard = new (std::nothrow) ImeGuard;
}

Application::~Application()
{
    delete theDebugWindow;
    theDebugWindow = nullptr;
    delete theBeeper;
    theBeeper = nullptr;
    delete theImeGuard;
    theImeGuard = nullptr;
    delete theTextCaret;
    theTextCaret = nullptr;
    delete thePaneWindows;
    thePaneWindows = nullptr;
    delete theScreenSurface;
    theScreenSurface = nullptr;
    delete theCurrentEvent;
    theCurrentEvent = nullptr;
    delete theMouseState;
    theMouseState = nullptr;
    delete theEventRouter;
    theEventRouter = nullptr;
    delete theDialogRegistry;
    theDialogRegistry = nullptr;
    delete theStringUtil;
    theStringUtil = nullptr;
    delete theMathUtil;
    theMathUtil = nullptr;
    deletePrintJob();
}

int Application::ensurePrintJob()
{
    if (!thePrintJob)
        thePrintJob = new (std::nothrow) PrintJob;
    return thePrintJob != nullptr;
}

void Application::deletePrintJob()
{
    delete thePrintJob;
    thePrintJob = nullptr;
}

FrameMenu* Application::frameMenu() const { return frame ? &frame->menu : nullptr; }

void Application::setWindowMenuPosition(int position)
{
    if (FrameMenu* menu = frameMenu())
        menu->windowMenuPosition = position;
}

void Application::hideHint()
{
    if (workspaceLayout)
        workspaceLayout->hideHint();
}

int Application::consumeFocusHoldOff()
{
    int value = focusHoldOff;
    if (focusHoldOff >= 1)
        --focusHoldOff;
    return value;
}

void Application::captureMouse()
{
    if (frame)
        SetCapture(frame->hwnd());
}

void Application::releaseMouse()
{
    if (frame)
        ReleaseCapture();
}

void Application::getProgramFolder(char* buffer, int size) const
{
    if (!buffer || size < 1)
        return;
    buffer[0] = 0;
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return;
    int cut = -1;
    for (DWORD i = 0; i < length; ++i) {
        unsigned char c = static_cast<unsigned char>(path[i]);
        if (isShiftJisLeadByte(c)) {
            ++i; // second byte of a Shift-JIS character, never a separator
            continue;
        }
        if (c == '\\')
            cut = static_cast<int>(i);
    }
    if (cut < 0 || cut + 1 >= size)
        return;
    for (int i = 0; i <= cut; ++i)
        buffer[i] = path[i];
    buffer[cut + 1] = 0;
}

void Application::openCommandLineFile()
{
    if (!frame || !commandLine)
        return;
    // The shell passes a path in quotes when it holds blanks: take the first argument without
    // its quotes and surrounding blanks.
    const char* p = commandLine;
    while (*p == ' ' || *p == '\t')
        ++p;
    char path[MAX_PATH];
    int length = 0;
    char end = ' ';
    if (*p == '"') {
        end = '"';
        ++p;
    }
    while (*p && *p != end && *p != (end == ' ' ? '\t' : end) && length < MAX_PATH - 1)
        path[length++] = *p++;
    while (length > 0 && path[length - 1] == ' ')
        --length;
    path[length] = 0;
    // The frame tells the user about a file it cannot open; start-up goes on either way.
    if (length >= 4)
        (void)frame->openFileFromCommandLine(path);
}
