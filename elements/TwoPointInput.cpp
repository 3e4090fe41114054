// The mouse input shared by the two-point kinds: second-point creation, point and handle drags.
#include "elements/TwoPointInput.h"

#include "document/DocumentContext.h"
#include "document/UndoManager.h"
#include "elements/Element.h"
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

// Follows the mouse, calling moved(device) for every pass whose point or Shift state changed (or
// whose `changed()` answers 1). Drag mode (dragging set) ends when the left button is released
// and scrolls while the point is outside the client area; click mode ends on a left press. 1 when
// it ended so, 0 when the tracking was cancelled; `inside` tells whether the last point lay in the
// client area.
template <typename Changed, typename Moved>
int follow(Element& element, ViewParams& view, int dragging, int& inside, Changed changed, Moved moved)
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
        if (dragging) {
            inside = isInClient(view, device);
            if (!left)
                return 1;
            if (!inside)
                element.autoScroll();
        } else if (left) {
            return 1;
        }
        const int keyed = changed();
        const int shift = isShiftDown();
        if (!keyed && device.x == last.x && device.y == last.y && shift == lastShift)
            continue;
        last = device;
        lastShift = shift;
        moved(device);
    }
}

int nothingChanged() { return 0; }

// The view state around an edit: the element erased and skipped in redraws, marks off; back.
void beginEditView(Element& e)
{
    (void)e.erase(); // nothing to erase without a view
    if (SelectTool* tool = e.selectTool())
        tool->hideMarks();
    e.flushView();
    if (ViewUpdater* updater = e.viewUpdater())
        updater->setSkippedId(e.id);
    e.captureMouse();
}

void endEditView(Element& e)
{
    e.releaseMouse();
    if (SelectTool* tool = e.selectTool())
        tool->redrawMarks();
    if (ViewUpdater* updater = e.viewUpdater())
        updater->setSkippedId(-1);
}

// Follows the mouse until the button is released (11) or the tracking is cancelled (-1), moving
// the chosen point (1 start, 2 end), or both by the handle's box when handle >= 0.
int trackEdit(Element& e, int pointNumber, int handle, int movesX, int movesY, const Point& anchor)
{
    ViewParams* view = e.viewParams();
    if (!view)
        return Element::kCancelled;
    e.clearSavedExtent();
    Point handleAt;
    if (handle >= 0)
        (void)e.handlePoint(handle, &handleAt); // handle is one of 0..7 here
    int inside = 1;
    const int released = follow(e, *view, 1, inside, nothingChanged, [&](const IntPoint& device) {
        Point p;
        e.deviceToDrawing(&p, device, 1);
        if (handle >= 0) {
            Element::rescaleAboutAnchor(*e.firstPoint(), movesX, movesY, anchor, handleAt, p);
            Element::rescaleAboutAnchor(*e.secondPoint(), movesX, movesY, anchor, handleAt, p);
            if (movesX)
                handleAt.x = p.x;
            if (movesY)
                handleAt.y = p.y;
        } else {
            (void)Element::setPointByNumber(pointNumber, p, e.firstPoint(), e.secondPoint(), nullptr); // 1 or 2
        }
        e.beginOverlay();
        e.drawRubberBandFrame();
    });
    if (e.overlayShown)
        e.flushView();
    return released ? Element::kDone : Element::kCancelled;
}
} // namespace

namespace shared_body {

int trackSecondPoint(Element& e, SecondPointInput& input)
{
    ViewParams* view = e.viewParams();
    if (!view || !e.firstPoint() || !e.secondPoint())
        return Element::kCancelled;
    auto changed = [&input] { return input.changedByKey(); };
    auto moved = [&](const IntPoint& device) {
        e.beginOverlay();
        input.setSecondPoint(device);
        e.drawRubberBandFrame();
    };
    int inside = 1;
    if (isLeftButtonDown()) {
        // The drag phase: the button is still held from the press that placed the first point.
        e.overlayShown = 0;
        e.captureMouse();
        const int released = follow(e, *view, 1, inside, changed, moved);
        e.releaseMouse();
        if (!released || !inside) {
            e.flushView();
            return Element::kCancelled;
        }
        if (!e.clickWithin150ms() && e.overlayShown) {
            e.flushView();
            return Element::kDragDone;
        }
        // A quick click, or no movement: the next click sets the second point.
    }
    const int clicked = follow(e, *view, 0, inside, changed, moved);
    if (e.overlayShown)
        e.flushView();
    if (!clicked) {
        e.inputPending = 1; // the next mouse event resumes this input
        return Element::kCancelled;
    }
    // A second click where the first one was, without a rubber band in between.
    if (!e.overlayShown)
        return e.isDoubleClick() ? Element::kDoubleClick : Element::kCancelled;
    return Element::kDone;
}

int editTwoPoints(Element& e)
{
    if (!e.selectTool() || !e.firstPoint() || !e.secondPoint())
        return 0;
    const int n = e.pointUnderCursor(e.firstPoint(), e.secondPoint(), nullptr);
    if (n == 0)
        return 0;
    DrawPoint* moved = n == 1 ? e.firstPoint() : e.secondPoint();
    UndoManager* undo = e.context ? e.context->undoManager : nullptr;
    if (undo) {
        undo->beginPointMove(n, 1);
        undo->addRecordPoint(moved->x, moved->y, moved->z);
    }
    const Point before = *moved;
    e.overlayShown = 0;
    beginEditView(e);
    const int result = trackEdit(e, n, -1, 0, 0, Point());
    endEditView(e);
    if (result != Element::kDone)
        *static_cast<Point*>(moved) = before;
    if (undo) {
        undo->addRecordPoint(moved->x, moved->y, moved->z);
        // A cancelled drag leaves the point where it was: the open record is dropped.
        if (result == Element::kDone)
            undo->endPointMove(&e);
        else
            undo->flushPending();
    }
    return result;
}

int dragTwoPointHandle(Element& e, int handle)
{
    if (!e.firstPoint() || !e.secondPoint())
        return Element::kCancelled;
    e.computeExtent(1);
    int movesX = 0, movesY = 0;
    Point anchor;
    if (!e.handleAnchor(handle, &movesX, &movesY, &anchor))
        return Element::kCancelled;
    const Point start = *e.firstPoint(), end = *e.secondPoint();
    e.overlayShown = 0;
    beginEditView(e);
    const int result = trackEdit(e, 0, handle, movesX, movesY, anchor);
    endEditView(e);
    if (result != Element::kDone) {
        *static_cast<Point*>(e.firstPoint()) = start;
        *static_cast<Point*>(e.secondPoint()) = end;
    }
    return result;
}

} // namespace shared_body
