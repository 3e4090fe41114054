#pragma once
#include <windows.h>

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/IntRect.h"
#include "platform/MouseSource.h"
#include "platform/Window.h"

// A light-gray frame 3 pixels thick drawn in XOR on the screen while a pane is dragged or sized;
// drawing it again erases it, and the frame still shown goes when the object does.
class XorDragFrame {
public:
    XorDragFrame();
    ~XorDragFrame();
    XorDragFrame(const XorDragFrame&) = delete;
    XorDragFrame& operator=(const XorDragFrame&) = delete;

    // Erases the frame shown and draws it at `r` (screen pixels).
    void show(const IntRect& r);
    void erase();

private:
    void draw(const IntRect& r);

    HDC dc_;
    IntRect rect_;
    bool shown_ = false;
};

// Follows the left button until it is released, the application quits, a menu or accelerator
// command waits, or a handler cancels the loop; `moved` gets every new cursor point (screen
// pixels). The pump does not block meanwhile, but each empty poll waits a little for input, so a
// held button costs next to no processor time. `capture` takes the mouse while the loop runs.
template <class Moved> void trackLeftDrag(Window* capture, Moved moved)
{
    CurrentEvent* events = theCurrentEvent;
    const int neverBlock = events ? events->neverBlock : 0;
    if (events)
        events->neverBlock = 1;
    if (capture)
        capture->setCapture();
    IntPoint last;
    readCursorPos(last);
    while (isLeftButtonDown()) {
        if (theApplication && theApplication->quit)
            break;
        if (events && (events->pumpStepNoWait(1) || events->abortLoop))
            break;
        IntPoint now;
        readCursorPos(now);
        if (!now.equals(last)) {
            moved(now);
            last = now;
        }
    }
    if (capture)
        ReleaseCapture();
    if (events)
        events->neverBlock = neverBlock;
}
