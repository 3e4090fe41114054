#pragma once
#include "document/Element.h"
#include "geometry/ViewParams.h"
#include "platform/IntPoint.h"
#include "platform/IntRect.h"
#include "platform/MouseSource.h"

namespace element_tracking {

// 1 when the device point lies in the view's client area.
inline int isInClient(ViewParams& view, const IntPoint& device)
{
    IntRect client;
    view.clientRect(client);
    return client.width() > 0 && client.height() > 0 && client.containsPoint(device);
}

// One step of a loop that waits for a click: view.nextMousePoint, with the buttons read as up while
// the cursor lies outside the view's client area, so that a click on the status bar, a pane or
// another window places no point and the input goes on. 0 when the tracking was cancelled.
inline int nextClickStep(ViewParams& view, IntPoint& device, int& left, int& right)
{
    if (!view.nextMousePoint(device, left, right))
        return 0;
    if (!isInClient(view, device))
        left = right = 0;
    return 1;
}

// One pass loop of a mouse input (a creation step or a drag), in one of two styles. The drag
// style (dragging 1) follows while the left button is held and ends at its release, scrolling the
// view one step in every pass whose cursor lies outside it; the click style ends at a left press
// in the view.
// moved(device) runs for every drag pass outside the view and for every pass whose device point
// or Shift state changed or in which retyped() answered 1 (a key chose another figure). 1 when the
// loop ended by the button, 0 when a mouse read failed (the tracking was cancelled) or the editor
// settled the element meanwhile; `inside`
// tells whether the last point lay in the view.
template <typename Retyped, typename Moved>
int trackMouse(Element& element, ViewParams& view, int dragging, int& inside, Retyped retyped, Moved moved)
{
    IntPoint last;
    view.cursorPosition(last);
    int lastShift = isShiftDown();
    inside = 1;
    for (;;) {
        element.showCursorPosition();
        IntPoint device;
        int left = 0, right = 0;
        const int read = dragging ? view.nextMousePoint(device, left, right) : nextClickStep(view, device, left, right);
        if (!read || element.inputSettled)
            return 0;
        if (dragging) {
            inside = isInClient(view, device);
            if (!left)
                return 1;
            if (!inside)
                element.autoScroll();
        } else if (left) {
            return 1;
        }
        const int typed = retyped();
        const int shift = isShiftDown();
        if (!typed && (inside || !dragging) && device.x == last.x && device.y == last.y && shift == lastShift)
            continue;
        last = device;
        lastShift = shift;
        moved(device);
    }
}

// For loops without type keys.
inline int noRetype() { return 0; }

} // namespace element_tracking
