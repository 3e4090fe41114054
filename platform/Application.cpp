#include "platform/Application.h"

#include <commctrl.h>
#include <new>

#include "platform/MessageBoxes.h"

Application* theApplication = nullptr;
PrintJob* thePrintJob = nullptr;

Application::Application()
{
    version = GetVersion();
    versionInfo.dwOSVersionInfoSize = sizeof versionInfo;
    GetVersionExA(&versionInfo);
    InitCommonControls();

    theBeeper = new (std::nothrow) Beeper;
}

Application::~Application()
{
    delete theBeeper;
    theBeeper = nullptr;
}

int Application::ensurePrintJob() { return thePrintJob != nullptr; }
void Application::deletePrintJob() {}
FrameMenu* Application::frameMenu() const { return nullptr; }
void Application::setWindowMenuPosition(int) {}
void Application::hideHint() {}

int Application::consumeFocusHoldOff()
{
    int value = focusHoldOff;
    if (focusHoldOff >= 1)
        --focusHoldOff;
    return value;
}

void Application::captureMouse() {}
void Application::releaseMouse() {}

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
        if ((c >= 0x80 && c <= 0x9F) || c >= 0xE0) {
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

void Application::openCommandLineFile() {}
