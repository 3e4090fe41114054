// PolyPath: the mouse loops of entering points. Each loop reads the mouse through the program's
// mouse source after one nested pump step, and ends when the application quits, when tracking is
// cancelled or when a menu command is waiting; what a reading means is decided by the static
// decision functions of PolyPath.
#include <cmath>

#include "document/Element.h"
#include "elements/PolyPath.h"
#include "geometry/PointList.h"
#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/MouseSource.h"
#include "platform/MouseState.h"

PolyPath::PumpStep PolyPath::pumpStep = PolyPath::pumpNested;

int PolyPath::pumpNested()
{
    if (!theCurrentEvent)
        return 0;
    // Bit 0: a waiting menu or accelerator command ends the loop; it stays queued for the frame.
    int commandWaiting = theCurrentEvent->pumpStepNoWait(1);
    if (theCurrentEvent->abortLoop) {
        theCurrentEvent->abortLoop = 0;
        return 1;
    }
    return commandWaiting;
}

int PolyPath::quitting() { return theApplication && theApplication->quit; }

void PolyPath::readMouse(MouseReading& reading) const
{
    IntPoint p;
    readCursorPos(p);
    reading.inView = owner ? owner->screenToView(p) : 0;
    reading.device = p;
    reading.left = isLeftButtonDown();
    reading.right = isRightButtonDown();
    reading.shift = isShiftDown();
}

int PolyPath::nextMouse(MouseReading& reading) const
{
    if (quitting() || (pumpStep && pumpStep()) || quitting())
        return 0;
    readMouse(reading);
    return 1;
}

void PolyPath::followPointer(const IntPoint& devicePoint)
{
    owner->beginOverlay();
    setLastFromDevice(devicePoint);
    (void)buildCurveOutline(); // only curve elements have an outline to rebuild
    owner->drawOverlayFigure(kRubberBandFigure);
}

int PolyPath::beginInput(int mode)
{
    if (!owner || !output || !inputPointList())
        return 0;
    Point first;
    if (!owner->previousInputPoint(&first))
        return 0;
    if (!prepareWorkingList())
        return 0;
    selectCurrentList();
    if (!current)
        return 0;
    current->count = 0;
    owner->snapToGrid(&first);
    if (!current->appendXYZ(first.x, first.y, first.z))
        return 0;
    owner->clearSavedExtent();
    return runInput(mode);
}

int PolyPath::runInput(int mode)
{
    (void)mode; // kept for the element's callers; the input does not depend on it
    if (!owner || !current)
        return kCancelled;
    owner->overlayShown = 0;
    // The duplicate of the last vertex is the moving end of the rubber band.
    if (!current->duplicateLast())
        return kCancelled;
    int code = kCancelled;
    for (;;) {
        code = inputStep();
        if (code < kVertexWanted)
            break;
        if (code == kTakeBack) {
            (void)current->removeLast(); // the list holds the vertex and the moving end
            if (current->count < 2) {
                // Only the first vertex is left: the element is dropped.
                owner->copyPainterToOverlay();
                owner->flushOverlay();
                owner->inputPending = 0;
                (void)buildCurveOutline(); // only curve elements have an outline to rebuild
                return kCancelled;
            }
            if (theMouseState)
                theMouseState->clearRightButton();
            postMouseMove();
            continue;
        }
        if (code == kVertexWanted || code == kDragged) {
            int more = 0;
            if (owner->acceptsVertex(*this, &more)) {
                if (!current->removeLast())
                    return kCancelled;
                (void)buildCurveOutline(); // only curve elements have an outline to rebuild
                return kComplete;
            }
            if (more && !current->duplicateLast()) {
                (void)buildCurveOutline(); // as above
                return kCancelled;
            }
            continue; // without more the click is ignored and the moving end stays
        }
        break; // 15 and any other code end the input
    }
    (void)current->removeLast(); // the moving end; the list always holds it here
    return code;
}

int PolyPath::inputStep()
{
    if (!owner || !current || !ownerViewParams())
        return kCancelled;
    owner->restartClickTimer();
    MouseReading reading;
    readMouse(reading);
    if (quitting())
        return kCancelled;
    if (!reading.left)
        return trackMove();

    // The button is down: the moving end follows the pointer until the release.
    owner->captureMouse();
    setLastFromDevice(reading.device);
    MouseReading before = reading;
    int followed = 1;
    for (;;) {
        if (!nextMouse(reading)) {
            followed = 0;
            break;
        }
        if (!reading.left)
            break;
        if (!reading.inView)
            owner->autoScroll();
        if (!reading.device.equals(before.device) || reading.shift != before.shift)
            followPointer(reading.device);
        before = reading;
    }
    owner->releaseMouse();

    const int within150 = owner->clickWithin150ms();
    const int within300 = owner->clickWithin300ms();
    int accepts = 0;
    if (followed && reading.inView && !within150 && owner->overlayShown && within300) {
        int more = 0;
        accepts = owner->acceptsVertex(*this, &more);
    }
    switch (pressOutcome(followed && reading.inView, within150, within300, owner->overlayShown, accepts)) {
    case PressOutcome::Cancelled:
        owner->flushView();
        return kCancelled;
    case PressOutcome::Dragged:
        return kDragged;
    case PressOutcome::TrackMouse:
        break;
    }
    return trackMove();
}

int PolyPath::trackMove()
{
    if (!owner || !current)
        return kCancelled;
    MouseReading reading;
    readMouse(reading);
    setLastFromDevice(reading.device);
    MouseReading before = reading;
    int code = kCancelled;
    for (;;) {
        owner->showCursorPosition();
        if (!nextMouse(reading))
            break;
        TrackStep step = trackStep(reading, before);
        if (step == TrackStep::Cancel)
            break;
        if (step == TrackStep::LeftPress) {
            code = kVertexWanted;
            break;
        }
        if (step == TrackStep::RightPress) {
            code = kTakeBack;
            break;
        }
        if (step == TrackStep::Redraw)
            followPointer(reading.device);
        before = reading;
    }
    if (code == kCancelled) {
        // The input resumes with the next mouse event.
        owner->flushView();
        owner->inputPending = 1;
    }
    return trackResult(code, owner->overlayShown, owner->isDoubleClick());
}
