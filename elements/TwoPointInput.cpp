// The mouse input shared by the kinds of two or three points: second-point creation, point and
// handle drags.
#include "elements/TwoPointInput.h"

#include <initializer_list>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/SelectToolBase.h"
#include "document/UndoManager.h"
#include "document/ViewUpdater.h"
#include "elements/ElementTracking.h"
#include "platform/MouseSource.h"

namespace {
// The view state around an edit: the element erased and skipped in redraws, marks off; back.
void beginEditView(Element& e)
{
    (void)e.erase(); // nothing to erase without a view
    if (SelectToolBase* tool = e.selectTool())
        tool->hideMarks();
    e.flushView();
    if (ViewUpdater* updater = e.viewUpdater())
        updater->setSkippedId(e.id);
    e.captureMouse();
}

void endEditView(Element& e)
{
    e.releaseMouse();
    // The marks come back with the repaint that follows the store: drawn now, they would take
    // the stored element into the tools' editor in place of this one, and the edit would be lost.
    if (ViewUpdater* updater = e.viewUpdater())
        updater->setSkippedId(-1);
}

// Follows the mouse until the button is released (11) or the tracking is cancelled (-1), moving
// the chosen point (1 start, 2 end, 3 the third point of the kinds that have one), or every point
// by the handle's box when handle >= 0.
int trackEdit(Element& e, int pointNumber, int handle, int movesX, int movesY, const Point& anchor, int figure)
{
    ViewParams* view = e.viewParams();
    if (!view)
        return Element::kCancelled;
    e.clearSavedExtent();
    // A handle maps the points as they were at the press onto the box of anchor and cursor, so
    // that a pass over the anchor on the way (a box of no width for a moment) loses nothing.
    Point handleAt;
    if (handle >= 0)
        (void)e.handlePoint(handle, &handleAt); // handle is one of 0..7 here
    DrawPoint* const points[3] = {e.firstPoint(), e.secondPoint(), e.thirdPoint()};
    Point pressed[3];
    for (int i = 0; i < 3; ++i) {
        if (points[i])
            pressed[i] = *points[i];
    }
    int inside = 1;
    auto moved = [&](const IntPoint& device) {
        Point p;
        e.deviceToDrawing(&p, device, 1);
        if (handle >= 0) {
            for (int i = 0; i < 3; ++i) {
                if (!points[i])
                    continue;
                Point q = pressed[i];
                Element::rescaleAboutAnchor(q, movesX, movesY, anchor, handleAt, p);
                static_cast<Point&>(*points[i]) = q;
            }
        } else {
            (void)Element::setPointByNumber(pointNumber, p, e.firstPoint(), e.secondPoint(), e.thirdPoint()); // 1..3
        }
        e.beginOverlay();
        if (figure > 0)
            e.drawOverlayFigure(figure);
        else
            e.drawRubberBandFrame();
    };
    const int released = element_tracking::trackMouse(e, *view, 1, inside, element_tracking::noRetype, moved);
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
        const int released = element_tracking::trackMouse(e, *view, 1, inside, changed, moved);
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
    const int clicked = element_tracking::trackMouse(e, *view, 0, inside, changed, moved);
    if (e.overlayShown)
        e.flushView();
    if (!clicked) {
        e.inputPending = !e.inputSettled; // the next mouse event resumes this input, unless it is over
        return Element::kCancelled;
    }
    // A second click where the first one was, without a rubber band in between.
    if (!e.overlayShown)
        return e.isDoubleClick() ? Element::kDoubleClick : Element::kCancelled;
    return Element::kDone;
}

int editTwoPoints(Element& e) { return editTwoPoints(e, e.context ? e.context->undoManager : nullptr); }

int editTwoPoints(Element& e, UndoManager* undo)
{
    if (!e.selectTool() || !e.firstPoint() || !e.secondPoint())
        return 0;
    const int n = e.pointUnderCursor(e.firstPoint(), e.secondPoint(), e.thirdPoint());
    DrawPoint* moved = n == 1 ? e.firstPoint() : n == 2 ? e.secondPoint() : n == 3 ? e.thirdPoint() : nullptr;
    if (!moved)
        return 0;
    if (undo) {
        undo->beginPointMove(n, 1);
        undo->addRecordPoint(moved->x, moved->y, moved->z);
    }
    const Point before = *moved;
    e.overlayShown = 0;
    beginEditView(e);
    const int result = trackEdit(e, n, -1, 0, 0, Point(), 0);
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

int dragTwoPointHandle(Element& e, int handle, int figure)
{
    if (!e.firstPoint() || !e.secondPoint())
        return Element::kCancelled;
    e.computeExtent(1);
    int movesX = 0, movesY = 0;
    Point anchor;
    if (!e.handleAnchor(handle, &movesX, &movesY, &anchor))
        return Element::kCancelled;
    DrawPoint* points[3] = {e.firstPoint(), e.secondPoint(), e.thirdPoint()};
    Point before[3];
    for (int i = 0; i < 3; ++i) {
        if (points[i])
            before[i] = *points[i];
    }
    e.overlayShown = 0;
    beginEditView(e);
    const int result = trackEdit(e, 0, handle, movesX, movesY, anchor, figure);
    endEditView(e);
    if (result != Element::kDone) {
        for (int i = 0; i < 3; ++i) {
            if (points[i])
                *static_cast<Point*>(points[i]) = before[i];
        }
    }
    return result;
}

} // namespace shared_body
