#pragma once
#include "elements/Element.h"
#include "platform/IntPoint.h"
#include "platform/IntRect.h"
#include "platform/MouseSource.h"
#include "views/ViewParams.h"

namespace element_tracking {

// 1 when the device point lies in the view's client area.
inline int isInClient(ViewParams& view, const IntPoint& device)
{
    IntRect client;
    view.clientRect(client);
    return client.width() > 0 && client.height() > 0 && client.containsPoint(device);
}

// One pass loop of a mouse input (a creation step or a drag), in one of two styles. The drag
// style (dragging 1) follows while the left button is held and ends at its release, scrolling the
// view one step in every pass whose cursor lies outside it; the click style ends at a left press.
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
        if (!view.nextMousePoint(device, left, right) || element.inputSettled)
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
