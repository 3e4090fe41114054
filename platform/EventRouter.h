#pragma once
#include <windows.h>

#include "platform/GlobalBlock.h"

class Window;

// The registry of window objects. Every window procedure of the library hands its message to
// route(), which turns it into an event code in the current event and calls handleEvent() of
// the object that owns the handle. Internal events are addressed by serial id.
class EventRouter {
public:
    EventRouter();

    // -1: not handled, the caller runs the default window procedure.
    [[nodiscard]] int route(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The handler's answer: 0 when nobody took the event.
    int dispatchToWindow(HWND window);
    int dispatchToSerial(int serial);
    [[nodiscard]] Window* findWindow(HWND window);
    [[nodiscard]] Window* findSerial(int serial);
    [[nodiscard]] int nextSerial() { return ++lastSerial; }

    [[nodiscard]] int add(Window* window);
    void remove(Window* window);

    GlobalBlock windows;
    int lastSerial = 0;
    // The handlers running: what a nested pump dispatches meanwhile reaches its window as an
    // event inside a handler (a mouse move is dropped, a press starts no tool).
    int depth = 0;

private:
    [[nodiscard]] int dispatch(Window* target, bool found);
};

extern EventRouter* theEventRouter;

// A loop that polls the mouse outside any window's handler (a tool that a command of the frame
// starts) counts as a handler for as long as this lives, so that the events it pumps start no
// other tool in the view.
class HandlerLoopScope {
public:
    HandlerLoopScope()
    {
        if (theEventRouter)
            ++theEventRouter->depth;
    }
    ~HandlerLoopScope()
    {
        if (theEventRouter)
            --theEventRouter->depth;
    }
    HandlerLoopScope(const HandlerLoopScope&) = delete;
    HandlerLoopScope& operator=(const HandlerLoopScope&) = delete;
};

// Posts the close request (7010) for the window with that serial id.
void postCloseRequest(int serial);

// 1 for the internal events that go to the application's frame whatever their address.
[[nodiscard]] int isApplicationEvent(int code);
