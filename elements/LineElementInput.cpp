// The line element's mouse input: creation by a drag or by two clicks, the drag of an end point
// and the drag of an extent handle.
#include "elements/LineElement.h"

#include "document/DocumentContext.h"
#include "document/UndoManager.h"
#include "elements/VertexRoundingList.h"
#include "platform/MouseSource.h"
#include "views/ViewParams.h"
#include "views/ViewUpdater.h"
#include "views/tools/SelectTool.h"

namespace {
int isInClient(ViewParams& view, const IntPoint& device)
{
    IntRect client;
    view.clientRect(client);
    return client.width() > 0 && client.height() > 0 && client.containsPoint(device);
}

// Follows the mouse while the left button is held, calling moved(device) for every pass whose
// point or Shift state changed (and scrolling while the point is outside the client area).
// 1 when the button was released, 0 when the tracking was cancelled; `inside` tells whether the
// last point lay in the client area.
template <typename Moved> int followDrag(Element& element, ViewParams& view, int& inside, Moved moved)
{
    IntPoint last;
    view.cursorPosition(last);
    int lastShift = isShiftDown();
    inside = 1;
    for (;;) {
        element.showCursorPosition();
        IntPoint device;
        int left = 0, right = 0;
        if (!view.nextMousePoint(device, left, right))
            return 0;
        inside = isInClient(view, device);
        if (!left)
            return 1;
        if (!inside)
            element.autoScroll();
        const int shift = isShiftDown();
        if (device.x == last.x && device.y == last.y && shift == lastShift)
            continue;
        last = device;
        lastShift = shift;
        moved(device);
    }
}
} // namespace

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
    if (isLeftButtonDown()) {
        // The drag phase: the button is still held from the press that placed start.
        overlayShown = 0;
        captureMouse();
        int inside = 1;
        const int released = followDrag(*this, *view, inside, [this](const IntPoint& device) {
            beginOverlay();
            setEndFromDevice(device);
            drawRubberBandFrame();
        });
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
    IntPoint last;
    view->cursorPosition(last);
    int lastShift = isShiftDown();
    int result = kCancelled;
    for (;;) {
        showCursorPosition();
        IntPoint device;
        int left = 0, right = 0;
        if (!view->nextMousePoint(device, left, right))
            break;
        if (left) {
            result = kDone;
            break;
        }
        const int shift = isShiftDown();
        if (device.x == last.x && device.y == last.y && shift == lastShift)
            continue;
        last = device;
        lastShift = shift;
        beginOverlay();
        setEndFromDevice(device);
        drawRubberBandFrame();
    }
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

void LineElement::beginEditView()
{
    (void)erase(); // nothing to erase without a view
    if (SelectTool* tool = selectTool())
        tool->hideMarks();
    flushView();
    if (ViewUpdater* updater = viewUpdater())
        updater->setSkippedId(id);
    captureMouse();
}

void LineElement::endEditView()
{
    releaseMouse();
    if (SelectTool* tool = selectTool())
        tool->redrawMarks();
    if (ViewUpdater* updater = viewUpdater())
        updater->setSkippedId(-1);
}

int LineElement::trackEdit(int pointNumber, int handle, int movesX, int movesY, const Point& anchor)
{
    ViewParams* view = viewParams();
    if (!view)
        return kCancelled;
    clearSavedExtent();
    Point handleAt;
    if (handle >= 0)
        (void)handlePoint(handle, &handleAt); // handle is one of 0..7 here
    int inside = 1;
    const int released = followDrag(*this, *view, inside, [&](const IntPoint& device) {
        Point p;
        deviceToDrawing(&p, device, 1);
        if (handle >= 0) {
            // Both points follow the box of anchor and handle onto the box of anchor and cursor.
            rescaleAboutAnchor(*firstPoint(), movesX, movesY, anchor, handleAt, p);
            rescaleAboutAnchor(*secondPoint(), movesX, movesY, anchor, handleAt, p);
            if (movesX)
                handleAt.x = p.x;
            if (movesY)
                handleAt.y = p.y;
        } else {
            (void)setPointByNumber(pointNumber, p, firstPoint(), secondPoint(), nullptr); // 1 or 2
        }
        beginOverlay();
        drawRubberBandFrame();
    });
    if (overlayShown)
        flushView();
    return released ? kDone : kCancelled;
}

int LineElement::editByMouse()
{
    if (!selectTool() || !firstPoint() || !secondPoint())
        return 0;
    const int n = pointUnderCursor(firstPoint(), secondPoint(), nullptr);
    if (n == 0)
        return 0;
    DrawPoint* moved = n == 1 ? firstPoint() : secondPoint();
    UndoManager* undo = context ? context->undoManager : nullptr;
    if (undo) {
        undo->beginPointMove(n, 1);
        undo->addRecordPoint(moved->x, moved->y, moved->z);
    }
    const Point before = *moved;
    overlayShown = 0;
    beginEditView();
    const int result = trackEdit(n, -1, 0, 0, Point());
    endEditView();
    if (result != kDone)
        *static_cast<Point*>(moved) = before;
    if (undo) {
        undo->addRecordPoint(moved->x, moved->y, moved->z);
        // A cancelled drag leaves the point where it was: the open record is dropped.
        if (result == kDone)
            undo->endPointMove(this);
        else
            undo->flushPending();
    }
    return result;
}

int LineElement::dragHandle(int handle)
{
    if (!firstPoint() || !secondPoint())
        return kCancelled;
    computeExtent(1);
    int movesX = 0, movesY = 0;
    Point anchor;
    if (!handleAnchor(handle, &movesX, &movesY, &anchor))
        return kCancelled;
    const Point start = *firstPoint(), end = *secondPoint();
    overlayShown = 0;
    beginEditView();
    const int result = trackEdit(0, handle, movesX, movesY, anchor);
    endEditView();
    if (result != kDone) {
        *static_cast<Point*>(firstPoint()) = start;
        *static_cast<Point*>(secondPoint()) = end;
    }
    return result;
}
