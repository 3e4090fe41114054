#include "tests/support/TestApplication.h"

#include "platform/CurrentEvent.h"
#include "platform/EventRouter.h"

TestApplication::TestApplication()
{
    theApplication = new Application;
    theApplication->instance = GetModuleHandleA(nullptr);
    theApplication->className = "korvane";
    theApplication->title = "Korvane";
    theApplication->showCommand = SW_HIDE;
}

TestApplication::~TestApplication()
{
    delete theApplication;
    theApplication = nullptr;
    // Nothing of one test reaches the next.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

namespace {
LRESULT CALLBACK recordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    int r = theEventRouter ? theEventRouter->route(window, message, wParam, lParam) : -1;
    return r >= 0 ? r : DefWindowProcA(window, message, wParam, lParam);
}
} // namespace

RecordingWindow::RecordingWindow(bool withSerial)
{
    static bool registered = false;
    if (!registered) {
        WindowClassSpec spec;
        spec.lpfnWndProc = recordingProcedure;
        spec.lpszClassName = "korvaneRecordingWindow";
        registered = registerWindowClass(spec) != 0;
    }
    if (withSerial && theEventRouter)
        serial = theEventRouter->nextSerial();
    registerWindow();
    attachHwnd(CreateWindowA("korvaneRecordingWindow", "", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr));
}

RecordingWindow::~RecordingWindow()
{
    unregisterWindow();
    DestroyWindow(hwnd());
}

int RecordingWindow::handleEvent()
{
    int code = theCurrentEvent->code;
    codes.push_back(code);
    if (onEvent)
        onEvent(*this);
    if (code == 21020)
        (void)Window::handleEvent(); // it validates the window; the answer given is the test's
    return handles;
}

RecordingFrame::RecordingFrame() = default;

RecordingFrame::~RecordingFrame()
{
    if (IsWindow(hwnd()))
        destroy();
}

int RecordingFrame::handleEvent()
{
    codes.push_back(theCurrentEvent->code);
    if (onEvent)
        onEvent(*this);
    return FrameWindow::handleEvent();
}
