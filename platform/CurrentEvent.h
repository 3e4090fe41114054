#pragma once
#include <windows.h>

#include "platform/GlobalBlock.h"

// One internal event waiting in the queue: addressed by serial id (arg1 >= 0) or by window.
struct QueuedEvent {
    int code = 0;
    int arg1 = 0;
    int arg2 = 0;
    HWND target = nullptr;
};

// The event being handled, the queue of internal events and the message pump. Handlers take no
// arguments: they read the code and the message from this one object.
class CurrentEvent {
public:
    CurrentEvent();
    ~CurrentEvent();
    CurrentEvent(const CurrentEvent&) = delete;
    CurrentEvent& operator=(const CurrentEvent&) = delete;

    // Posting; each returns 0 when the event could not be queued.
    [[nodiscard]] int postEvent(int code, int arg1, int arg2);
    [[nodiscard]] int postEventTo(int code, int arg1, int arg2, HWND target);
    [[nodiscard]] int postSimpleEvent(int code) { return postEvent(code, 0, 0); }
    [[nodiscard]] int postIdle();
    [[nodiscard]] int postChildActivated();
    [[nodiscard]] int postDeferredCommand(int command);
    // The same, queued ahead of every waiting internal event: the next pump step delivers it.
    [[nodiscard]] int postDeferredCommandFirst(int command);
    void cancelClose() { closeCancelled = 1; }
    [[nodiscard]] int queuedCount() const { return queue.count; }

    // One step of the main loop.
    void pumpStep();
    // One step of a nested loop (mouse loops, waits); 1 when a menu command is waiting and bit 0
    // of the flags asks the caller to end its loop.
    int pumpStepModal(int flags);
    int pumpStepNoWait(int flags);
    // Delivers what is queued or waiting for up to the given time, without blocking.
    void pumpFor(DWORD milliseconds);
    // Delivers one queued internal event; 0 when the queue is empty.
    int popAndRoute();
    // 1 once for a button press of `window` that the main loop has just delivered and that no
    // loop has read yet: the handler it reached started a tool, whose first poll takes the press
    // this way instead of pumping on to what follows it (the release of a quick click).
    [[nodiscard]] int takePressFor(HWND window);

    // Turns a window message into an event code; -1 when it has none.
    [[nodiscard]] int translateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    [[nodiscard]] int getTypedChar();
    [[nodiscard]] int getEditingKey() const;
    // Collects the typed characters of this and the following WM_CHAR messages (CR becomes
    // CR LF), stopping before a queued Backspace or Escape; returns the length of the
    // zero-terminated text.
    [[nodiscard]] int readTypedText(char* buffer, int size);

    GlobalBlock queue;      // QueuedEvent pointers, oldest first
    int code = 0;
    int arg1 = 0;
    int arg2 = 0;
    int paintDispatch = 1;
    int keyConsumed = 0;
    unsigned char typedChar = 0;
    int closeCancelled = 0;
    int abortLoop = 0;
    int source = 0;         // 1 queue, 3 main pump, 5 nested pump
    int neverBlock = 0;
    int blockingAllowed = 1;
    int mayBlock = 1;
    MSG buffer = {};
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    HWND mouseWindow = nullptr;
    int captionEvents = 0;
    int borderEvents = 0;
    int idleCount = 0;
    int emptyPolls = 0;
    // The wParam of the WM_QUIT that ended the loop: the program's exit code.
    int quitCode = 0;
    // The window message the pump fetched last, as fetched, whatever its handling sent or pumped
    // since; fetchCount counts the fetched messages, so that a loop tells a new one from the last.
    MSG fetched = {};
    unsigned fetchCount = 0;

private:
    // The press takePressFor answers for: set by the main loop's delivery of a press, cleared by
    // every later pump step.
    HWND unreadPress = nullptr;
    // Queues a new record at the end, or at the front when first is 1.
    [[nodiscard]] int enqueue(int code, int arg1, int arg2, HWND target, int first);
    void resetStep();
    void copyBuffer();
    void trackMouse();
    [[nodiscard]] int offerAccelerators();
    [[nodiscard]] int offerShortcut();
    void dispatchBuffer();
    // Records the fetched message, tracks the mouse, offers it to the accelerators and the
    // shortcut hook, then translates and dispatches it.
    void deliverFetched();
    [[nodiscard]] int fetchNested();
    void fetchAndDispatchNested();
    void quitFromNested();
    void waitForInput();
};

extern CurrentEvent* theCurrentEvent;

// What the current event says (its code and arguments, the message and its window), kept across
// a call that sends messages through it and put back when the scope ends: a focus change is sent
// at once and routed like any message, which overwrites them.
class CurrentEventKept {
public:
    explicit CurrentEventKept(CurrentEvent& event)
        : event(event), code(event.code), arg1(event.arg1), arg2(event.arg2), hwnd(event.hwnd),
          message(event.message), wParam(event.wParam), lParam(event.lParam)
    {
    }
    ~CurrentEventKept()
    {
        event.code = code, event.arg1 = arg1, event.arg2 = arg2, event.hwnd = hwnd;
        event.message = message, event.wParam = wParam, event.lParam = lParam;
    }
    CurrentEventKept(const CurrentEventKept&) = delete;
    CurrentEventKept& operator=(const CurrentEventKept&) = delete;

private:
    CurrentEvent& event;
    int code, arg1, arg2;
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
