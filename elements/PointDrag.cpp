// The mouse edits that the kinds with up to three points share: the drag of one point with its
// undo record, the drag of an extent handle, the picked element redrawn on the overlay; and the
// run of a property dialog.
#include "elements/VertexRoundingList.h"

#include <initializer_list>

#include "dialogs/properties/PropertyDialog.h"
#include "document/DocumentContext.h"
#include "document/UndoManager.h"
#include "elements/Element.h"
#include "elements/ElementTracking.h"
#include "shapes/ShapeOp.h"
#include "views/ViewUpdater.h"
#include "views/tools/SelectTool.h"

namespace {
// The overlay margin around a picked element, in pixels.
constexpr int kPickedMargin = 4;

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
// point n (1..3) or, for a handle (0..7), stretching every point from the box of anchor and handle
// onto the box of anchor and cursor.
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
    const int released = element_tracking::trackMouse(e, *view, 1, inside, element_tracking::noRetype,
                                                       [&](const IntPoint& device) {
        Point p;
        e.deviceToDrawing(&p, device, 1);
        if (handle >= 0) {
            for (DrawPoint* q : {e.firstPoint(), e.secondPoint(), e.thirdPoint()}) {
                if (q)
                    Element::rescaleAboutAnchor(*q, movesX, movesY, anchor, handleAt, p);
            }
            if (movesX)
                handleAt.x = p.x;
            if (movesY)
                handleAt.y = p.y;
        } else {
            (void)Element::setPointByNumber(pointNumber, p, e.firstPoint(), e.secondPoint(), e.thirdPoint());
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

int dragPointUnderCursor(Element& e)
{
    if (!e.selectTool() || !e.firstPoint() || !e.secondPoint())
        return 0;
    const int n = e.pointUnderCursor(e.firstPoint(), e.secondPoint(), e.thirdPoint());
    DrawPoint* moved = n == 1 ? e.firstPoint() : n == 2 ? e.secondPoint() : n == 3 ? e.thirdPoint() : nullptr;
    if (!moved)
        return 0;
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

int dragExtentHandle(Element& e, int handle)
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
    const int result = trackEdit(e, 0, handle, movesX, movesY, anchor);
    endEditView(e);
    if (result != Element::kDone) {
        for (int i = 0; i < 3; ++i) {
            if (points[i])
                *static_cast<Point*>(points[i]) = before[i];
        }
    }
    return result;
}

void repaintPickedInView(Element& e)
{
    e.computeExtent(0);
    if (!e.viewUpdater() || !e.viewParams())
        return;
    e.growSavedExtent();
    e.restoreOverlay(e.savedExtentMin, e.savedExtentMax, kPickedMargin);
    e.forwardOp(ShapeOp::RubberBand);
    e.showOverlay(e.savedExtentMin, e.savedExtentMax, kPickedMargin);
    e.saveExtent();
    e.clipToView();
    e.showPicked();
    e.resetClip();
}

int runPropertyDialog(Element& e, PropertyDialog* dialog, int hasPrevious, int hasNext)
{
    ViewUpdater* updater = e.viewUpdater();
    (void)e.erase(); // nothing to erase without a view
    if (updater) {
        updater->setSkippedId(e.id);
        updater->setInEditMark(1);
        updater->flushPainter();
    }
    int result = 0;
    if (dialog) {
        dialog->bind(&e);
        result = dialog->run(hasPrevious, hasNext);
        delete dialog;
    }
    if (updater) {
        updater->setSkippedId(-1);
        updater->setInEditMark(0);
    }
    return result;
}

} // namespace shared_body
