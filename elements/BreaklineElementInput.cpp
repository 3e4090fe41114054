// The vertex editing of the breakline kinds: a drag moves the vertex under the cursor, '+' inserts
// the release point after it and '-' removes it, each with its undo record; and the handle drag.
#include "elements/BreaklineElement.h"

#include "document/DocumentContext.h"
#include "document/UndoManager.h"
#include "elements/VertexRoundingList.h"
#include "geometry/PointList.h"
#include "platform/CurrentEvent.h"
#include "platform/MouseSource.h"
#include "views/ViewParams.h"
#include "views/ViewUpdater.h"
#include "views/tools/SelectTool.h"

namespace {
// The overlay figure while a vertex is edited, and the marks drawn on it.
constexpr int kEditFigure = 33;
constexpr int kOverlayMark = 22;
} // namespace

int BreaklineElement::trackButton(int snap, Point* at, int moveVertex, int* moves)
{
    ViewParams* view = viewParams();
    if (!view)
        return 0;
    IntPoint last;
    view->cursorPosition(last);
    deviceToDrawing(at, last, snap);
    int inside = 1;
    for (;;) {
        showCursorPosition();
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
            autoScroll();
        if (device.x == last.x && device.y == last.y)
            continue;
        last = device;
        deviceToDrawing(at, device, snap);
        if (moveVertex >= 0 && vertices()) {
            (void)vertices()->setXYZ(moveVertex, at->x, at->y, at->z); // the vertex exists while editing
            ++*moves;
            beginOverlay();
            forwardOp(kEditFigure);
            drawVertexMarks(kOverlayMark);
            flushOverlay();
        }
    }
}

void BreaklineElement::recordPointsAndValues(UndoManager& undo)
{
    Point p;
    for (int i = 0; vertices() && i < vertices()->count; ++i) {
        if (vertices()->getPoint(i, &p))
            undo.addRecordPoint(p.x, p.y, p.z);
    }
    double v = 0.0;
    for (int i = 0; vertexRounding() && i < vertexRounding()->count; ++i) {
        if (vertexRounding()->getRaw(i, &v))
            (void)undo.recordValues()->append(v); // a value the log cannot hold is left out
    }
}

int BreaklineElement::editByMouse()
{
    if (!selectTool() || !vertices() || !viewParams())
        return 0;
    shared_body::preparePointList(*this);
    const int hit = vertexUnderCursor(*vertices(), 1);
    if (hit < 0)
        return 0;
    const int key = theCurrentEvent ? theCurrentEvent->typedChar : 0;
    if (key == '-' && vertices()->count <= minimumVertices())
        return kCancelled;
    (void)erase(); // nothing to erase without a view
    if (SelectTool* tool = selectTool())
        tool->hideMarks();
    if (ViewUpdater* updater = viewUpdater())
        updater->setSkippedId(id);
    overlayShown = 0;
    captureMouse();
    const int result = key == '+' ? insertVertex(hit) : key == '-' ? deleteVertex(hit) : dragVertex(hit);
    releaseMouse();
    if (overlayShown)
        flushView();
    if (SelectTool* tool = selectTool())
        tool->redrawMarks();
    if (ViewUpdater* updater = viewUpdater())
        updater->setSkippedId(-1);
    return result;
}

int BreaklineElement::dragVertex(int i)
{
    Point before, at;
    if (!vertices()->getPoint(i, &before))
        return kCancelled;
    UndoManager* undo = context ? context->undoManager : nullptr;
    if (undo) {
        undo->beginPointMove(i, 1);
        undo->addRecordPoint(before.x, before.y, before.z);
    }
    int moves = 0;
    const int released = trackButton(1, &at, i, &moves);
    if (!released)
        (void)vertices()->setXYZ(i, before.x, before.y, before.z); // the vertex is there
    if (undo) {
        Point now;
        (void)vertices()->getPoint(i, &now); // the vertex is there
        undo->addRecordPoint(now.x, now.y, now.z);
        // A vertex moved in one step only, or a cancelled drag, leaves no record.
        if (released && moves > 1)
            undo->endPointMove(this);
        else
            undo->flushPending();
    }
    return released ? kDone : kCancelled;
}

int BreaklineElement::insertVertex(int i)
{
    Point at;
    int moves = 0;
    if (!trackButton(0, &at, -1, &moves))
        return kCancelled;
    UndoManager* undo = context ? context->undoManager : nullptr;
    if (undo) {
        undo->beginPointAdd(vertices()->count);
        undo->setValueCountBefore(vertexRounding() ? vertexRounding()->count : 0);
        recordPointsAndValues(*undo);
    }
    if (!insertVertexAfter(*vertices(), i, at))
        return kCancelled;
    if (vertexRounding() && i < vertexRounding()->count && !vertexRounding()->insertAfter(i, 0.0))
        (void)vertexRounding()->resize(vertices()->count); // no room: the list is padded instead
    if (undo) {
        recordPointsAndValues(*undo);
        undo->endPointAdd(this);
    }
    return kDone;
}

int BreaklineElement::deleteVertex(int i)
{
    Point at;
    int moves = 0;
    if (!trackButton(0, &at, -1, &moves))
        return kCancelled;
    UndoManager* undo = context ? context->undoManager : nullptr;
    if (undo) {
        undo->beginPointDelete(vertices()->count);
        undo->setValueCountBefore(vertexRounding() ? vertexRounding()->count : 0);
        recordPointsAndValues(*undo);
    }
    if (!removeVertex(*vertices(), i))
        return kCancelled;
    if (vertexRounding() && i < vertexRounding()->count)
        (void)vertexRounding()->removeAt(i); // i is inside the list
    if (undo) {
        recordPointsAndValues(*undo);
        undo->endPointDelete(this);
    }
    return kDone;
}

int BreaklineElement::dragHandle(int handle)
{
    if (!vertices())
        return kCancelled;
    computeExtent(1);
    return shared_body::dragListHandle(*this, *vertices(), handle, 1);
}

int shared_body::dragListHandle(Element& e, PointList& list, int handle, int eraseFirst)
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
            Element::rescaleVertices(list, movesX, movesY, anchor, handleAt, p);
            if (movesX)
                handleAt.x = p.x;
            if (movesY)
                handleAt.y = p.y;
            e.beginOverlay();
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
