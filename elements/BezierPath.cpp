// The Bezier path editor: creation by the seven methods, point drags with Shift smoothing, '+'
// and '-' on an anchor with their undo records, the handle drag and the marks.
#include "elements/BezierPath.h"

#include <cmath>
#include <initializer_list>
#include <new>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/SelectToolBase.h"
#include "document/UndoManager.h"
#include "document/ViewUpdater.h"
#include "elements/ElementShapes.h"
#include "elements/ElementTracking.h"
#include "elements/PolyPath.h"
#include "elements/VertexRoundingList.h"
#include "geometry/BezierFlattener.h"
#include "geometry/OpenCloseAttribute.h"
#include "geometry/PickSettings.h"
#include "geometry/PointList.h"
#include "geometry/ViewParams.h"
#include "platform/CurrentEvent.h"
#include "platform/DeviceContext.h"
#include "platform/EventCodes.h"
#include "platform/IntPointList.h"
#include "platform/MouseSource.h"
#include "platform/MouseState.h"
#include "shapes/OvalType.h"

namespace {
// The overlay figures the owner draws: the curve being created, its box stretched by a handle, a
// point being edited, the same with the add cursor's mark.
constexpr int kCreateFigure = 21;
constexpr int kHandleFigure = 32;
constexpr int kEditFigure = 33;
constexpr int kAddFigure = 35;
// The surfaces of the marks: the overlay of creation and of an edit.
constexpr int kCreateOverlay = 21;
constexpr int kEditOverlay = 22;

int isAnchorOfWholeSegments(const PointList& list, int h)
{
    return h >= 0 && h < list.count && h % 3 == 0 && (list.count - 1) % 3 == 0;
}

Point along(const Point& from, const Point& to, double t)
{
    return Point(from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t, from.z + (to.z - from.z) * t);
}

void setCursorForOption(int option)
{
    if (!theMouseState)
        return;
    if (option == OvalType::kHalf)
        theMouseState->setCrossHalfArcCursor();
    else if (option == OvalType::kQuart)
        theMouseState->setCrossQuarterArcCursor();
    else
        theMouseState->setCrossCircleCursor();
}
} // namespace

BezierPath::BezierPath(Element* o, PointList* list, OpenCloseAttribute* oc) : owner(o), points(list), openClose(oc) {}

BezierPath::~BezierPath() { delete polygonInput; }

// --- creation ---

int BezierPath::beginCreate(int method) { return create(method, 1); }

int BezierPath::continueCreate(int method) { return create(method, 0); }

int BezierPath::create(int method, int starting)
{
    if (!owner || !points)
        return 0;
    switch (method) {
    case kFreehandOpen:
    case kFreehandClosed:
        return freehand(method);
    case kOval:
    case kRectangle:
    case kTriangle:
    case kQuadrilateral:
        return starting ? beginShape(method) : continueShape(method);
    case kPolygon:
        if (!starting)
            return polygonInput ? polygonInput->runInput(1) : 0;
        if (!polygonInput)
            polygonInput = new (std::nothrow) PolyPath(owner, points, 1);
        return polygonInput ? polygonInput->beginInput(1) : 0;
    default:
        return 0;
    }
}

int BezierPath::freehand(int method)
{
    if (openClose)
        openClose->value = method == kFreehandOpen ? OpenCloseAttribute::kOpen : OpenCloseAttribute::kClose;
    owner->inputPending = 0;
    clearActive();
    ViewParams* view = owner->viewParams();
    if (!view)
        return 0;
    IntPointList trace;
    IntPoint device;
    view->cursorPosition(device);
    if (!trace.addPoint(device))
        return 0;
    int left = isLeftButtonDown(), right = 0;
    owner->captureMouse();
    while (left) {
        owner->showCursorPosition();
        IntPoint next;
        if (!view->nextMousePoint(next, left, right)) {
            owner->releaseMouse();
            owner->flushView();
            return Element::kCancelled;
        }
        if (next.x == device.x && next.y == device.y)
            continue;
        device = next;
        if (!trace.addPoint(device))
            break; // no room: the stroke ends here
        owner->beginOverlay();
        owner->copyPainterToOverlay();
        ViewUpdater* updater = owner->viewUpdater();
        if (DeviceContext* surface = updater ? updater->surfaceForOperation(kCreateOverlay) : nullptr) {
            DcScope scope(*surface);
            surface->drawPolyline(PenSpec(markColour), trace);
        }
        owner->flushOverlay();
    }
    owner->releaseMouse();
    if (owner->overlayShown)
        owner->flushView();
    points->count = 0;
    if (trace.count < 3)
        return 0;
    IntPointList fitted;
    if (!BezierFlattener::fitStroke(trace, fitted) || fitted.count < 1)
        return owner->context ? Element::kDoubleClick : 0;
    for (int i = 0; i < fitted.count; ++i) {
        Point p;
        owner->deviceToDrawing(&p, fitted.getPoint(i), 0);
        if (!points->appendXYZ(p.x, p.y, 0.0)) {
            points->count = 0;
            return 0;
        }
    }
    return Element::kComplete;
}

int BezierPath::beginShape(int method)
{
    if (owner->inputPointList()) {
        points->count = 0;
        Point first;
        if (!owner->previousInputPoint(&first))
            return Element::kCancelled;
        owner->snapToGrid(&first);
        scratch[0].x = scratch[1].x = first.x;
        scratch[0].y = scratch[1].y = first.y;
        scratch[0].z = scratch[1].z = 0.0;
        owner->clearSavedExtent();
        anchorsPlaced = 1;
    }
    return continueShape(method);
}

int BezierPath::continueShape(int method)
{
    int result = 0;
    if (method == kOval || method == kRectangle) {
        result = followShape(method);
        if (result == Element::kDone || result == Element::kDragDone)
            return points->count >= kMinimumPoints ? Element::kComplete : Element::kCancelled;
        return result;
    }
    if (anchorsPlaced < 1)
        return Element::kCancelled;
    if (anchorsPlaced == 1 && placeSecondCorner() != Element::kDone)
        return Element::kCancelled;
    result = followShape(method);
    if (result == Element::kDone || result == Element::kDragDone)
        return anchorsPlaced >= 3 && points->count >= kMinimumPoints ? Element::kComplete : Element::kCancelled;
    return result;
}

Point BezierPath::axisCorner(const Point& first, const Point& cursor)
{
    Point p = cursor;
    if (std::fabs(cursor.x - first.x) < std::fabs(cursor.y - first.y))
        p.x = first.x;
    else
        p.y = first.y;
    return p;
}

Point BezierPath::trianglePoint(const Point& a, const Point& b, const Point& cursor, int shift)
{
    if (!shift)
        return cursor;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0.0))
        return cursor;
    const double height = std::sqrt(3.0) * length * 0.5;
    const Point middle((a.x + b.x) / 2.0, (a.y + b.y) / 2.0, 0.0);
    // The unit normal of the edge, turned to the cursor's side.
    double nx = -dy / length, ny = dx / length;
    if ((cursor.x - middle.x) * nx + (cursor.y - middle.y) * ny < 0.0)
        nx = -nx, ny = -ny;
    return Point(middle.x + nx * height, middle.y + ny * height, 0.0);
}

int BezierPath::placeSecondCorner()
{
    ViewParams* view = owner->viewParams();
    if (!view)
        return Element::kCancelled;
    int dragging = isLeftButtonDown(), moved = 0;
    IntPoint last;
    view->cursorPosition(last);
    const IntPoint start = last;
    int lastShift = -1;
    if (dragging)
        owner->captureMouse();
    int result = Element::kCancelled;
    for (;;) {
        owner->showCursorPosition();
        IntPoint device;
        int left = 0, right = 0;
        const int read = dragging ? view->nextMousePoint(device, left, right)
                                  : element_tracking::nextClickStep(*view, device, left, right);
        if (!read)
            break;
        const int shift = isShiftDown();
        moved |= device.x != start.x || device.y != start.y;
        if (dragging && !left && !moved) {
            // A press released in place was a click: the corner is clicked instead.
            dragging = 0;
            owner->releaseMouse();
            continue;
        }
        if (device.x != last.x || device.y != last.y || shift != lastShift) {
            last = device, lastShift = shift;
            Point p;
            owner->deviceToDrawing(&p, device, 1);
            if (shift)
                p = axisCorner(scratch[0], p);
            scratch[1].x = p.x, scratch[1].y = p.y;
            // The straight edge as a rubber band: the two corners as the whole curve.
            owner->beginOverlay();
            if (points->resize(0) && points->appendXYZ(scratch[0].x, scratch[0].y, 0.0) &&
                points->appendXYZ(scratch[1].x, scratch[1].y, 0.0))
                owner->drawOverlayFigure(kCreateFigure);
        }
        if (dragging ? left : !left)
            continue;
        // A click places the corner at its press; its release is waited for, so that the
        // figure's loop starts with the button up.
        while (!dragging && left && view->nextMousePoint(device, left, right)) {
        }
        if (!left)
            result = Element::kDone;
        break;
    }
    if (dragging)
        owner->releaseMouse();
    if (owner->overlayShown)
        owner->flushView();
    if (result == Element::kDone)
        ++anchorsPlaced;
    return result;
}

int BezierPath::keyedOption() const
{
    const CurrentEvent* event = theCurrentEvent;
    if (!event || event->code != EV_KEY_DOWN || event->message != WM_CHAR)
        return 0;
    return OvalType::codeOfKey(static_cast<int>(event->wParam & 0xFF));
}

void BezierPath::buildShape(int method, const Point& cursor, int shift)
{
    BezierFlattener figure;
    const Point first = scratch[0];
    // A degenerate figure leaves the list as it was; the release then decides by its count.
    switch (method) {
    case kOval:
        (void)figure.buildOval(first, cursor, shapeOption, points);
        break;
    case kRectangle:
        (void)figure.buildRectangle(first, cursor, points);
        break;
    case kTriangle:
        (void)figure.buildTriangle(first, scratch[1], trianglePoint(first, scratch[1], cursor, shift), points);
        break;
    case kQuadrilateral:
        (void)figure.buildQuadrilateral(first, scratch[1], cursor, points);
        break;
    default:
        break;
    }
}

int BezierPath::followShape(int method)
{
    ViewParams* view = owner->viewParams();
    if (!view)
        return Element::kCancelled;
    const int dragging = isLeftButtonDown();
    if (method == kOval)
        setCursorForOption(shapeOption);
    // The figure is built only once the cursor leaves the corner it starts from.
    IntPoint last;
    view->cursorPosition(last);
    int lastShift = isShiftDown();
    owner->overlayShown = 0;
    if (dragging)
        owner->captureMouse();
    int result = Element::kCancelled;
    for (;;) {
        owner->showCursorPosition();
        IntPoint device;
        int left = 0, right = 0;
        const int read = dragging ? view->nextMousePoint(device, left, right)
                                  : element_tracking::nextClickStep(*view, device, left, right);
        if (!read)
            break;
        if (dragging ? !left : left) {
            result = dragging ? Element::kDragDone : Element::kDone;
            break;
        }
        int changed = 0;
        if (method == kOval) {
            const int option = keyedOption();
            if (option && option != shapeOption) {
                shapeOption = option;
                setCursorForOption(option);
                changed = 1;
            }
        }
        const int shift = isShiftDown();
        if (!changed && device.x == last.x && device.y == last.y && shift == lastShift)
            continue;
        last = device, lastShift = shift;
        Point p;
        owner->deviceToDrawing(&p, device, 1);
        owner->beginOverlay();
        buildShape(method, p, shift);
        owner->drawOverlayFigure(kCreateFigure);
    }
    if (dragging)
        owner->releaseMouse();
    if (owner->overlayShown)
        owner->flushView();
    if (result != Element::kCancelled && (method == kTriangle || method == kQuadrilateral))
        ++anchorsPlaced;
    if (method == kOval)
        shapeOption = OvalType::kFull;
    return result;
}

// --- marks and the curve ---

void BezierPath::drawMarks(int operation)
{
    if (!owner || !points)
        return;
    Point p;
    for (int i = 0; i < points->count; i += 3) {
        if (points->getRecord(i, &p))
            owner->drawPointMark(operation, p);
    }
    const int h = activePoint;
    if (h < 0)
        return;
    const int lines[4][2] = {{h - 3, h - 2}, {h, h - 1}, {h, h + 1}, {h + 3, h + 2}};
    ViewParams* view = owner->viewParams();
    ViewUpdater* updater = owner->viewUpdater();
    DeviceContext* surface = updater ? updater->surfaceForOperation(operation) : nullptr;
    for (const auto& line : lines) {
        Point from, to;
        if (line[0] < 0 || line[1] < 0 || line[0] >= points->count || line[1] >= points->count ||
            !points->getRecord(line[0], &from) || !points->getRecord(line[1], &to))
            continue;
        owner->drawPointMark(operation, to);
        if (!thePickSettings || !view || !surface)
            continue;
        IntPoint a, b;
        view->worldToDeviceForOp(operation, from.x, from.y, &a);
        view->worldToDeviceForOp(operation, to.x, to.y, &b);
        DcScope scope(*surface);
        surface->drawLineBetween(PenSpec(thePickSettings->pickColour, 1, 1), a, b);
    }
}

int BezierPath::drawCurve(int operation, double dx, double dy, double dz)
{
    if (!owner || !points || points->count < 1)
        return 0;
    const double offset[3] = {dx, dy, dz};
    return drawBezierCurve(*owner, *points, openClose ? openClose->value : OpenCloseAttribute::kClose, operation,
                           offset);
}

void BezierPath::refreshExtent()
{
    Point lo, hi;
    if (!owner || !points || !points->getBounds(&lo, &hi))
        return;
    static_cast<Point&>(owner->extentMin) = lo;
    static_cast<Point&>(owner->extentMax) = hi;
    (void)owner->storeExtent(); // an element without id has no entry yet
}

// --- hits ---

int BezierPath::hitControlPoint()
{
    const int h = activePoint;
    SelectToolBase* tool = owner ? owner->selectTool() : nullptr;
    if (h < 0 || !tool || !points)
        return -1;
    for (int i : {h - 1, h - 2, h + 1, h + 2}) {
        Point p;
        if (i >= 0 && i < points->count && points->getRecord(i, &p) && tool->isUnderCursor(p))
            return i;
    }
    return -1;
}

int BezierPath::hitPoint(int select)
{
    if (!owner || !points)
        return -1;
    int hit = owner->vertexUnderCursor(*points, 3);
    if (hit < 0)
        hit = hitControlPoint();
    if (select && hit >= 0)
        activePoint = hit;
    return hit;
}

// --- point editing ---

int BezierPath::insertAnchor(PointList& list, int h, const Point& p)
{
    if (!isAnchorOfWholeSegments(list, h) || list.count < 4)
        return 0;
    const int last = list.count - 1;
    const int previous = h == 0 ? last : h - 3;
    const int next = h == last ? 0 : h + 3;
    Point a, b;
    if (!list.getRecord(previous, &a) || !list.getRecord(next, &b))
        return 0;
    const int winner = p.distanceTo2D(a.x, a.y) < p.distanceTo2D(b.x, b.y) ? previous : next;
    Point end;
    if (winner == 0 && h == last) {
        // A segment after the last anchor.
        if (!list.getRecord(last, &end))
            return 0;
        const Point c1 = along(end, p, 1.0 / 3.0), c2 = along(end, p, 2.0 / 3.0);
        return list.appendXYZ(c1.x, c1.y, c1.z) && list.appendXYZ(c2.x, c2.y, c2.z) && list.appendXYZ(p.x, p.y, p.z);
    }
    if (winner == 0 && h < 1)
        return 0;
    if (winner == last && h == 0) {
        // A segment before the first anchor.
        if (!list.getRecord(0, &end) || !list.insertPoints(0, 3))
            return 0;
        const Point c1 = along(p, end, 1.0 / 3.0), c2 = along(p, end, 2.0 / 3.0);
        return list.setXYZ(0, p.x, p.y, p.z) && list.setXYZ(1, c1.x, c1.y, c1.z) && list.setXYZ(2, c2.x, c2.y, c2.z);
    }
    if (winner == last && h >= winner)
        return 0;
    int at = -1;
    if (h > winner) {
        if (!list.insertPoints(h - 1, 3))
            return 0;
        at = h;
    } else if (h < winner && h + 3 < list.count) {
        if (!list.insertPoints(h + 2, 3))
            return 0;
        at = h + 3;
    } else {
        return 0;
    }
    // The new anchor's segments start straight; the slots around it are set by the smoothing.
    BezierFlattener smoothing;
    if (!list.setXYZ(at, p.x, p.y, p.z))
        return 0;
    (void)smoothing.smoothAt(&list, at); // the anchor exists on both sides: straightening cannot fail
    return 1;
}

int BezierPath::removeAnchor(PointList& list, int h)
{
    if (!isAnchorOfWholeSegments(list, h) || list.count < kMinimumPoints)
        return 0;
    const int last = list.count - 1;
    const int from = h == 0 ? 0 : h == last ? h - 2 : h - 1;
    return list.removeRange(from, 3);
}

int BezierPath::trackRelease(int figure)
{
    ViewParams* view = owner->viewParams();
    if (!view)
        return 0;
    view->cursorPosition(lastMouse);
    for (;;) {
        owner->showCursorPosition();
        IntPoint device;
        int left = 0, right = 0;
        if (!view->nextMousePoint(device, left, right))
            return 0;
        if (!left)
            return 1;
        if (device.x == lastMouse.x && device.y == lastMouse.y)
            continue;
        lastMouse = device;
        owner->beginOverlay();
        owner->drawOverlayFigure(figure);
    }
}

UndoManager* BezierPath::pointRecords() const
{
    return recordsPointEdits && owner && owner->context ? owner->context->undoManager : nullptr;
}

void BezierPath::recordAllPoints()
{
    UndoManager* undo = pointRecords();
    Point p;
    for (int i = 0; undo && i < points->count; ++i) {
        if (points->getRecord(i, &p))
            undo->addRecordPoint(p.x, p.y, p.z);
    }
}

int BezierPath::editByMouse() { return editByMouseWithKey(theCurrentEvent ? theCurrentEvent->typedChar : 0); }

int BezierPath::editByMouseWithKey(int typed)
{
    if (!owner || !points || !owner->viewParams())
        return 0;
    if (SelectToolBase* tool = owner->selectTool())
        tool->resetPickState(); // the selection stays with the curve being edited
    const int h = hitPoint(0);
    if (h < 0)
        return 0;
    const int key = h == activePoint ? typed : 0;
    // '+' and '-' run only on an anchor of whole segments, '-' only from two segments on.
    if (key == '+' && !isAnchorOfWholeSegments(*points, h))
        return 0;
    if (key == '-' && (!isAnchorOfWholeSegments(*points, h) || points->count < kMinimumPoints))
        return Element::kCancelled;
    if (!keepDrawn)
        (void)owner->erase(); // nothing to erase without a view
    owner->overlayShown = 0;
    owner->captureMouse();
    const int result = key == '+' ? addPoint(h) : key == '-' ? deletePoint(h) : dragPoint(h);
    owner->releaseMouse();
    if (owner->overlayShown)
        owner->flushView();
    if (theMouseState)
        theMouseState->setArrowCursor();
    return result;
}

int BezierPath::dragPoint(int h)
{
    const int first = h - 2 > 0 ? h - 2 : 0;
    const int end = h + 2 < points->count - 1 ? h + 2 : points->count - 1;
    const int n = end - first + 1;
    PointList before;
    for (int i = first; i <= end; ++i) {
        Point p;
        if (!points->getRecord(i, &p) || !before.appendXYZ(p.x, p.y, p.z))
            return Element::kCancelled;
    }
    UndoManager* undo = pointRecords();
    if (undo) {
        undo->beginPointMove(first, n);
        Point p;
        for (int i = 0; i < n; ++i) {
            if (before.getRecord(i, &p))
                undo->addRecordPoint(p.x, p.y, p.z);
        }
    }
    ViewParams* view = owner->viewParams();
    IntPoint last;
    view->cursorPosition(last);
    int lastShift = isShiftDown(), moves = 0, released = 0;
    BezierFlattener smoothing;
    for (;;) {
        owner->showCursorPosition();
        IntPoint device;
        int left = 0, right = 0;
        if (!view->nextMousePoint(device, left, right))
            break;
        if (!left) {
            released = 1;
            break;
        }
        const int shift = isShiftDown();
        if (device.x == last.x && device.y == last.y && shift == lastShift)
            continue;
        last = device, lastShift = shift;
        Point p;
        owner->deviceToDrawing(&p, device, 1);
        (void)points->setXYZ(h, p.x, p.y, p.z); // h is inside the list
        if (shift)
            (void)smoothing.smoothAt(points, h); // a point without partner or segment stays as dragged
        ++moves;
        owner->beginOverlay();
        owner->drawOverlayFigure(kEditFigure);
    }
    if (!released) {
        Point p;
        for (int i = 0; i < n; ++i) {
            if (before.getRecord(i, &p))
                (void)points->setXYZ(first + i, p.x, p.y, p.z); // the range is inside the list
        }
        if (undo)
            undo->flushPending();
        return Element::kCancelled;
    }
    owner->setActiveHandle(1, h);
    if (undo) {
        Point p;
        for (int i = first; i <= end; ++i) {
            if (points->getRecord(i, &p))
                undo->addRecordPoint(p.x, p.y, p.z);
        }
        // A point moved in one step only leaves no record.
        if (moves > 1)
            undo->endPointMove(owner);
        else
            undo->flushPending();
    }
    return Element::kDone;
}

int BezierPath::addPoint(int h)
{
    if (theMouseState)
        theMouseState->setAddCursor();
    if (!trackRelease(kAddFigure))
        return Element::kCancelled;
    Point at;
    owner->deviceToDrawing(&at, lastMouse, 1);
    UndoManager* undo = pointRecords();
    if (undo) {
        undo->beginPointAdd(points->count);
        recordAllPoints();
    }
    if (!insertAnchor(*points, h, at)) {
        if (undo)
            undo->flushPending();
        return 0;
    }
    if (undo) {
        recordAllPoints();
        undo->endPointAdd(owner);
    }
    refreshExtent();
    return Element::kDone;
}

int BezierPath::deletePoint(int h)
{
    if (theMouseState)
        theMouseState->setRemoveCursor();
    owner->beginOverlay();
    owner->drawOverlayFigure(kEditFigure);
    if (!trackRelease(kEditFigure))
        return Element::kCancelled;
    UndoManager* undo = pointRecords();
    if (undo) {
        undo->beginPointDelete(points->count);
        recordAllPoints();
    }
    if (!removeAnchor(*points, h)) {
        if (undo)
            undo->flushPending();
        return Element::kCancelled;
    }
    clearActive();
    refreshExtent();
    if (undo) {
        recordAllPoints();
        undo->endPointDelete(owner);
    }
    return Element::kDone;
}

int BezierPath::dragHandle(int n)
{
    if (!owner || !points)
        return Element::kCancelled;
    // An owner kept drawn (the picture of a mask) shows each step by its own handle figure.
    return shared_body::dragListHandle(*owner, *points, n, !keepDrawn, keepDrawn ? kHandleFigure : 0);
}

// The handles and points are looked for where the press was, not where the select tool was last
// pressed (the click that opened the property sheet).
void BezierPath::pickAtPress()
{
    if (SelectToolBase* tool = owner->selectTool())
        tool->setPickBoxAtMouse();
}

int BezierPath::pickHandleAndDrag()
{
    ViewParams* view = owner ? owner->viewParams() : nullptr;
    int typed = 0;
    if (!view || view->waitUserPress(typed) != Element::kDone)
        return 0;
    pickAtPress();
    int handle = -1, flag = 0;
    if (!owner->hitHandleMark(&handle, &flag))
        return 0;
    keepDrawn = 1;
    const int result = dragHandle(handle);
    keepDrawn = 0;
    return result;
}

int BezierPath::clickAndEdit()
{
    ViewParams* view = owner ? owner->viewParams() : nullptr;
    int typed = 0;
    if (!view || view->waitUserPress(typed) != Element::kDone)
        return 0;
    pickAtPress();
    keepDrawn = 1;
    // A key still held at the press steers it as well.
    const int result = editByMouseWithKey(typed ? typed : theCurrentEvent ? theCurrentEvent->typedChar : 0);
    keepDrawn = 0;
    return result;
}
