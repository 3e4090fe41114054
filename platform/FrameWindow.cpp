#include "platform/FrameWindow.h"

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/EventRouter.h"

namespace {
bool frameClassRegistered = false;

LRESULT defaultFrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    FrameWindow* frame = theApplication ? theApplication->frame : nullptr;
    if (theApplication && theApplication->isMdiMode() && frame && frame->hwnd() == window)
        return DefFrameProcA(window, frame->mdiClientHandle(), message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}
} // namespace

LRESULT CALLBACK frameWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    int r = theEventRouter ? theEventRouter->route(window, message, wParam, lParam) : -1;
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_CLOSE:
        if (theCurrentEvent && theCurrentEvent->closeCancelled)
            return r;
        return defaultFrameProcedure(window, message, wParam, lParam);
    case WM_NCACTIVATE:
        return 1;
    default:
        return r >= 0 ? r : defaultFrameProcedure(window, message, wParam, lParam);
    }
}

FrameWindow::FrameWindow()
{
    if (theEventRouter)
        serial = theEventRouter->nextSerial();
    useFaceBackground();
    title = theApplication ? theApplication->title : nullptr;
}

FrameWindow::~FrameWindow()
{
    if (acceleratorTable)
        DestroyAcceleratorTable(acceleratorTable);
}

int FrameWindow::handleEvent() { return Window::handleEvent(); }

void FrameWindow::abortMouseLoop()
{
    if (theCurrentEvent)
        theCurrentEvent->abortLoop = 1;
}

int FrameWindow::createWindow()
{
    HINSTANCE instance = theApplication && theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
    const char* name = theApplication && theApplication->className ? theApplication->className : "korvane";
    className = name;
    if (!frameClassRegistered) {
        WindowClassSpec spec;
        spec.lpfnWndProc = frameWindowProcedure;
        int iconId = theApplication ? theApplication->frameIcon : 0;
        spec.hIcon = iconId ? LoadIconA(instance, MAKEINTRESOURCEA(iconId)) : LoadIconA(nullptr, IDI_APPLICATION);
        spec.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        spec.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background));
        spec.lpszMenuName = hasMenu && FindResourceA(instance, MAKEINTRESOURCEA(menuResourceId), RT_MENU)
                                ? MAKEINTRESOURCEA(menuResourceId)
                                : nullptr;
        spec.lpszClassName = name;
        if (!registerWindowClass(spec)) {
            if (theApplication)
                theApplication->quit = 1;
            return 0;
        }
        frameClassRegistered = true;
    }
    registerWindow();
    HWND window = CreateWindowExA(0, name, title, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  nullptr, nullptr, instance, nullptr);
    if (!window)
        return 0;
    attachHwnd(window);
    acceleratorTable = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(acceleratorResourceId));
    show();
    return 1;
}

int FrameWindow::create()
{
    if (!createWindow())
        return 0;
    update();
    return 1;
}

int FrameWindow::createMaximized()
{
    if (!createWindow())
        return 0;
    maximize();
    update();
    return 1;
}
