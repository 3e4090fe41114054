// The arc element's mouse input: the chord from start to end (by a drag or a click), then the
// middle point by a click; the drag of a point or of an extent handle.
#include "elements/ArcElement.h"

#include "elements/ElementTracking.h"
#include "elements/VertexRoundingList.h"
#include "platform/MouseSource.h"
#include "views/ViewParams.h"

int ArcElement::beginCreateInput(int arg)
{
    inputStage = kNoStage;
    if (!inputPointList())
        return 0;
    if (!shared_body::placeStartAtPress(*this) || !thirdPoint())
        return kCancelled;
    // The middle point stays on start until it is placed: the chord alone has no arc.
    *static_cast<Point*>(thirdPoint()) = *firstPoint();
    inputStage = kPlacingEnd;
    return continueCreateInput(arg);
}

int ArcElement::continueCreateInput(int)
{
    const int ended = inputEndPoint();
    if (ended != kDone && ended != kDragDone)
        return ended;
    const int result = inputMiddlePoint();
    return result == kDone ? kComplete : result;
}

void ArcElement::setEndFromDevice(const IntPoint& device)
{
    Point p;
    deviceToDrawing(&p, device, 1);
    if (isShiftDown() && firstPoint()) {
        const double dx = p.x - firstPoint()->x, dy = p.y - firstPoint()->y;
        if ((dy < 0 ? -dy : dy) < (dx < 0 ? -dx : dx))
            p.y = firstPoint()->y;
        else
            p.x = firstPoint()->x;
    }
    if (secondPoint())
        secondPoint()->x = p.x, secondPoint()->y = p.y;
}

void ArcElement::drawChord() { drawRubberBandFrame(); }

void ArcElement::drawOverlay() { drawRubberBandFrame(); }

int ArcElement::inputEndPoint()
{
    if (inputStage != kPlacingEnd)
        return kDone;
    ViewParams* view = viewParams();
    if (!view || !firstPoint() || !secondPoint())
        return kCancelled;
    restartClickTimer();
    if (isLeftButtonDown()) {
        // The drag phase: the button is still held from the press that placed start.
        overlayShown = 0;
        captureMouse();
        int inside = 1;
        const int released = element_tracking::trackMouse(*this, *view, 1, inside, element_tracking::noRetype,
                                                           [this](const IntPoint& device) {
            beginOverlay();
            setEndFromDevice(device);
            drawChord();
        });
        releaseMouse();
        if (!released) {
            flushView();
            return kCancelled;
        }
        if (!clickWithin150ms() && overlayShown) {
            inputStage = kPlacingMiddle;
            flushView();
            return kDragDone;
        }
        // A quick click, or no movement: a click places the end point.
    }
    return clickEndPoint();
}

int ArcElement::clickEndPoint()
{
    ViewParams* view = viewParams();
    if (!view)
        return kCancelled;
    int inside = 1;
    const int clicked = element_tracking::trackMouse(*this, *view, 0, inside, element_tracking::noRetype,
                                                      [this](const IntPoint& device) {
        beginOverlay();
        setEndFromDevice(device);
        drawChord();
    });
    if (overlayShown)
        flushView();
    if (!clicked) {
        inputPending = 1; // the next mouse event resumes this arc
        return kCancelled;
    }
    // A second click where the first one was, without a chord in between.
    if (!overlayShown)
        return isDoubleClick() ? kDoubleClick : kCancelled;
    inputStage = kPlacingMiddle;
    return kDone;
}

int ArcElement::inputMiddlePoint()
{
    if (inputStage != kPlacingMiddle || !thirdPoint())
        return kCancelled;
    inputPending = 1; // until a valid arc is clicked, the next mouse event resumes here
    if (waitButtonUp() < 0)
        return kCancelled;
    ViewParams* view = viewParams();
    if (!view)
        return kCancelled;
    int inside = 1;
    const int clicked = element_tracking::trackMouse(*this, *view, 0, inside, element_tracking::noRetype,
                                                      [this](const IntPoint& device) {
        beginOverlay();
        Point p;
        deviceToDrawing(&p, device, 1);
        thirdPoint()->x = p.x, thirdPoint()->y = p.y;
        drawOverlay();
    });
    if (overlayShown)
        flushView();
    if (!clicked || !isValidArc())
        return kCancelled;
    inputStage = kNoStage;
    return kDone;
}

// --- editing ---

int ArcElement::editByMouse() { return shared_body::dragPointUnderCursor(*this); }

int ArcElement::dragHandle(int handle) { return shared_body::dragExtentHandle(*this, handle); }
