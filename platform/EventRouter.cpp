#include "platform/EventRouter.h"

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/FrameWindow.h"
#include "platform/Window.h"
#include "platform/WindowHandle.h"

EventRouter* theEventRouter = nullptr;

EventRouter::EventRouter() : windows(10, sizeof(Window*)) {}

int EventRouter::route(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!theCurrentEvent)
        return -1;
    int r = theCurrentEvent->translateMessage(window, message, wParam, lParam);
    if (r < 0)
        return r;
    if (dispatchToWindow(window) == 0)
        return -1;
    return r;
}

int isApplicationEvent(int code)
{
    switch (code) {
    case 6010: case 6030: case 6032: case 6034: case 6040: case 6060: case 6070: case 6080:
    case 6090: case 6120: case 6140: case 6164: case 6166: case 6180: case 6190:
        return 1;
    default:
        return 0;
    }
}

int EventRouter::dispatch(Window* target, bool found)
{
    CurrentEvent* event = theCurrentEvent;
    if (!event)
        return 0;
    if (isApplicationEvent(event->code)) {
        if (event->code == EV_DEFERRED_COMMAND)
            event->code = event->arg2;
        // Delivered to the frame whatever it answers: there is no default handling to fall back on.
        if (theApplication && theApplication->frame)
            (void)theApplication->frame->handleEvent();
        return 1;
    }
    // A mouse move that arrives while a handler runs a nested pump is dropped.
    if (depth > 0 && event->code == EV_MOUSE_MOVE)
        return 0;
    ++depth;
    int r = found && target ? target->handleEvent() : 0;
    --depth;
    return r;
}

int EventRouter::dispatchToWindow(HWND window)
{
    int code = theCurrentEvent ? theCurrentEvent->code : 0;
    Window* target = isApplicationEvent(code) ? nullptr : findWindow(window);
    return dispatch(target, target != nullptr);
}

int EventRouter::dispatchToSerial(int serial)
{
    int code = theCurrentEvent ? theCurrentEvent->code : 0;
    Window* target = isApplicationEvent(code) ? nullptr : findSerial(serial);
    return dispatch(target, target != nullptr);
}

Window* EventRouter::findWindow(HWND window)
{
    BlockLock data(windows);
    if (!data)
        return nullptr;
    Window** entries = data.data<Window*>();
    for (int i = 0; i < windows.count; ++i)
        if (entries[i] && sameWindow(entries[i]->hwnd(), window))
            return entries[i];
    return nullptr;
}

Window* EventRouter::findSerial(int serial)
{
    BlockLock data(windows);
    if (!data)
        return nullptr;
    Window** entries = data.data<Window*>();
    for (int i = 0; i < windows.count; ++i)
        if (entries[i] && entries[i]->serial == serial)
            return entries[i];
    return nullptr;
}

int EventRouter::add(Window* window) { return windows.append(&window); }

void EventRouter::remove(Window* window)
{
    BlockLock data(windows);
    if (!data)
        return;
    Window** entries = data.data<Window*>();
    for (int i = 0; i < windows.count; ++i) {
        if (entries[i] == window) {
            for (int j = i; j + 1 < windows.count; ++j)
                entries[j] = entries[j + 1];
            --windows.count;
            return;
        }
    }
}

void postCloseRequest(int serial)
{
    // A request that cannot be queued leaves the window open; closing it can be asked again.
    if (theCurrentEvent)
        (void)theCurrentEvent->postEvent(EV_CLOSE_REQUEST, serial, EV_CLOSE_WINDOW);
}
