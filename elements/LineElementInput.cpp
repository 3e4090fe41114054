// The line element's mouse input: creation by a drag or by two clicks, the drag of an end point
// and the drag of an extent handle.
#include "elements/LineElement.h"

#include "document/DocumentContext.h"
#include "document/UndoManager.h"
#include "elements/ElementTracking.h"
#include "elements/VertexRoundingList.h"
#include "platform/MouseSource.h"
#include "views/ViewParams.h"
#include "views/ViewUpdater.h"
#include "views/tools/SelectTool.h"

int LineElement::beginCreateInput(int arg)
{
    return shared_body::placeStartAtPress(*this) ? continueCreateInput(arg) : kCancelled;
}

int LineElement::continueCreateInput(int)
{
    const int result = trackCreation();
    return result == kDone || result == kDragDone ? kComplete : result;
}

void LineElement::setEndFromDevice(const IntPoint& device)
{
    Point p;
    deviceToDrawing(&p, device, 1);
    if (firstPoint())
        (void)constrainToAxis(p, *firstPoint()); // 0 without Shift: the point as read
    if (secondPoint())
        secondPoint()->x = p.x, secondPoint()->y = p.y;
}

int LineElement::trackCreation()
{
    ViewParams* view = viewParams();
    if (!view || !firstPoint() || !secondPoint())
        return kCancelled;
    auto moveEnd = [this](const IntPoint& device) {
        beginOverlay();
        setEndFromDevice(device);
        drawRubberBandFrame();
    };
    int inside = 1;
    if (isLeftButtonDown()) {
        // The drag phase: the button is still held from the press that placed start.
        overlayShown = 0;
        captureMouse();
        const int released = element_tracking::trackMouse(*this, *view, 1, inside, element_tracking::noRetype, moveEnd);
        releaseMouse();
        if (!released || !inside) {
            flushView();
            return kCancelled;
        }
        if (!clickWithin150ms() && overlayShown) {
            flushView();
            return kDragDone;
        }
        // A quick click, or no movement: the second click sets end.
    }
    const int clicked = element_tracking::trackMouse(*this, *view, 0, inside, element_tracking::noRetype, moveEnd);
    const int result = clicked ? kDone : kCancelled;
    if (overlayShown)
        flushView();
    if (result == kCancelled) {
        inputPending = 1; // the next mouse event resumes this line
        return kCancelled;
    }
    // A second click where the first one was, without a rubber band in between.
    if (!overlayShown)
        return isDoubleClick() ? kDoubleClick : kCancelled;
    return result;
}

// --- editing ---

int LineElement::editByMouse() { return shared_body::dragPointUnderCursor(*this); }

int LineElement::dragHandle(int handle) { return shared_body::dragExtentHandle(*this, handle); }
