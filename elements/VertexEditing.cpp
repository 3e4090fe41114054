// The vertex editing of the point-list kinds: a drag moves the vertex under the cursor, '+'
// inserts the release point after it and '-' removes it, each with its undo record; and the
// handle drag that scales every vertex.
#include "elements/VertexEditing.h"

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/SelectToolBase.h"
#include "document/ShapeOp.h"
#include "document/UndoManager.h"
#include "document/ViewUpdater.h"
#include "elements/VertexRoundingList.h"
#include "geometry/PointList.h"
#include "geometry/ViewParams.h"
#include "platform/CurrentEvent.h"
#include "platform/MouseSource.h"

namespace {

// What follows the held button on the overlay.
enum class Follow { Nothing, Vertex, InsertMark };

// Follows the held button: the last drawing point (snapped when asked) into *at; vertex
// moveVertex moved with it (the steps that moved it counted), or a mark at the point where '+'
// would insert, the overlay redrawn at each step; 1 released inside the view, 0 cancelled or
// released outside.
int trackButton(Element& e, int snap, Point* at, Follow follow, int moveVertex, int* moves)
{
    ViewParams* view = e.viewParams();
    if (!view)
        return 0;
    IntPoint last;
    view->cursorPosition(last);
    e.deviceToDrawing(at, last, snap);
    int inside = 1;
    for (;;) {
        e.showCursorPosition();
        IntPoint device;
        int left = 0, right = 0;
        if (!view->nextMousePoint(device, left, right))
            return 0;
        IntRect client;
        view->clientRect(client);
        inside = client.containsPoint(device);
        if (!left)
            return inside;
        if (!inside)
            e.autoScroll();
        if (device.x == last.x && device.y == last.y)
            continue;
        last = device;
        e.deviceToDrawing(at, device, snap);
        if (follow == Follow::Nothing || !e.vertices())
            continue;
        if (follow == Follow::Vertex) {
            (void)e.vertices()->setXYZ(moveVertex, at->x, at->y, at->z); // the vertex exists while editing
            ++*moves;
        }
        e.beginOverlay();
        e.copyPainterToOverlay(); // the last step's figure goes
        e.forwardOp(ShapeOp::OverlayStep33);
        shared_body::drawVertexMarks(e, ShapeOp::OverlayPicked);
        if (follow == Follow::InsertMark)
            e.drawPointMark(ShapeOp::OverlayPicked, *at);
        e.flushOverlay();
    }
}

// The undo record of an insert or delete: the points, then the rounding values.
void recordPointsAndValues(Element& e, UndoManager& undo)
{
    Point p;
    for (int i = 0; e.vertices() && i < e.vertices()->count; ++i) {
        if (e.vertices()->getPoint(i, &p))
            undo.addRecordPoint(p.x, p.y, p.z);
    }
    double v = 0.0;
    for (int i = 0; e.vertexRounding() && i < e.vertexRounding()->count; ++i) {
        if (e.vertexRounding()->getRaw(i, &v))
            (void)undo.recordValues()->append(v); // a value the log cannot hold is left out
    }
}

UndoManager* undoOf(Element& e) { return e.context ? e.context->undoManager : nullptr; }

int dragVertex(Element& e, int i)
{
    Point before, at;
    if (!e.vertices()->getPoint(i, &before))
        return Element::kCancelled;
    UndoManager* undo = undoOf(e);
    if (undo) {
        undo->beginPointMove(i, 1);
        undo->addRecordPoint(before.x, before.y, before.z);
    }
    int moves = 0;
    const int released = trackButton(e, 1, &at, Follow::Vertex, i, &moves);
    if (!released)
        (void)e.vertices()->setXYZ(i, before.x, before.y, before.z); // the vertex is there
    if (undo) {
        Point now;
        (void)e.vertices()->getPoint(i, &now); // the vertex is there
        undo->addRecordPoint(now.x, now.y, now.z);
        // A vertex moved in one step only, or a cancelled drag, leaves no record.
        if (released && moves > 1)
            undo->endPointMove(&e);
        else
            undo->flushPending();
    }
    return released ? Element::kDone : Element::kCancelled;
}

// '+' (insert) or '-': after the release, the release point inserted after vertex i with a 0
// radius after radius i, or vertex i removed with its radius; the undo record holds the points
// and radii before and after.
int insertOrDeleteVertex(Element& e, int i, int insert)
{
    Point at;
    int moves = 0;
    if (!trackButton(e, 0, &at, insert ? Follow::InsertMark : Follow::Nothing, -1, &moves))
        return Element::kCancelled;
    VertexRoundingList* rounding = e.vertexRounding();
    UndoManager* undo = undoOf(e);
    if (undo) {
        if (insert)
            undo->beginPointAdd(e.vertices()->count);
        else
            undo->beginPointDelete(e.vertices()->count);
        undo->setValueCountBefore(rounding ? rounding->count : 0);
        recordPointsAndValues(e, *undo);
    }
    if (insert) {
        if (!Element::insertVertexAfter(*e.vertices(), i, at))
            return Element::kCancelled;
        if (rounding && i < rounding->count && !rounding->insertAfter(i, 0.0))
            (void)rounding->resize(e.vertices()->count); // no room: the list is padded instead
    } else {
        if (!Element::removeVertex(*e.vertices(), i))
            return Element::kCancelled;
        if (rounding && i < rounding->count)
            (void)rounding->removeAt(i); // i is inside the list
    }
    if (undo) {
        recordPointsAndValues(e, *undo);
        if (insert)
            undo->endPointAdd(&e);
        else
            undo->endPointDelete(&e);
    }
    return Element::kDone;
}

} // namespace

namespace shared_body {

void drawVertexMarks(Element& e, int operation)
{
    const PointList* points = e.vertices();
    Point p;
    for (int i = 0; points && i < points->count; ++i) {
        if (points->getPoint(i, &p))
            e.drawPointMark(operation, p);
    }
}

int editVertexByMouse(Element& e, int minimumVertices)
{
    if (!e.selectTool() || !e.vertices() || !e.viewParams())
        return 0;
    preparePointList(e);
    const int hit = e.vertexUnderCursor(*e.vertices(), 1);
    if (hit < 0)
        return 0;
    const int key = theCurrentEvent ? theCurrentEvent->typedChar : 0;
    if (key == '-' && e.vertices()->count <= minimumVertices)
        return Element::kCancelled;
    (void)e.erase(); // nothing to erase without a view
    if (SelectToolBase* tool = e.selectTool())
        tool->hideMarks();
    if (ViewUpdater* updater = e.viewUpdater())
        updater->setSkippedId(e.id);
    e.overlayShown = 0;
    e.captureMouse();
    const int result = key == '+' || key == '-' ? insertOrDeleteVertex(e, hit, key == '+') : dragVertex(e, hit);
    e.releaseMouse();
    if (e.overlayShown)
        e.flushView();
    // The marks come back with the repaint that follows the store: drawn now, they would take
    // the stored element into the tools' editor in place of this one, and the edit would be lost.
    if (ViewUpdater* updater = e.viewUpdater())
        updater->setSkippedId(-1);
    return result;
}

int dragVertexHandle(Element& e, int handle)
{
    if (!e.vertices())
        return Element::kCancelled;
    e.computeExtent(1);
    return dragListHandle(e, *e.vertices(), handle, 1);
}

int dragListHandle(Element& e, PointList& list, int handle, int eraseFirst, int figure)
{
    int movesX = 0, movesY = 0;
    Point anchor, handleAt;
    if (!e.handleAnchor(handle, &movesX, &movesY, &anchor) || !e.handlePoint(handle, &handleAt))
        return Element::kCancelled;
    PointList before;
    if (!before.copyPoints(&list))
        return Element::kCancelled;
    if (eraseFirst)
        (void)e.erase(); // nothing to erase without a view
    e.overlayShown = 0;
    e.captureMouse();
    ViewParams* view = e.viewParams();
    int released = 0;
    if (view) {
        IntPoint last;
        view->cursorPosition(last);
        for (;;) {
            e.showCursorPosition();
            IntPoint device;
            int left = 0, right = 0;
            if (!view->nextMousePoint(device, left, right))
                break;
            IntRect client;
            view->clientRect(client);
            if (!left) {
                released = client.containsPoint(device);
                break;
            }
            if (device.x == last.x && device.y == last.y)
                continue;
            last = device;
            Point p;
            e.deviceToDrawing(&p, device, 1);
            // From the points as they were at the press: a pass over the anchor on the way
            // (a box of no width for a moment) loses nothing.
            (void)list.copyPoints(&before); // the list has room for these points
            Element::rescaleVertices(list, movesX, movesY, anchor, handleAt, p);
            e.beginOverlay();
            if (figure)
                e.drawOverlayFigure(figure);
            else
                e.drawRubberBandFrame();
        }
    }
    e.releaseMouse();
    if (e.overlayShown)
        e.flushView();
    if (!released)
        (void)list.copyPoints(&before); // the list had room for these points
    return released ? Element::kDone : Element::kCancelled;
}

} // namespace shared_body
