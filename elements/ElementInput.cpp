// The element base during mouse input: the view, the overlay, the click timer and the mouse
// constraints, all through the managers of the element's drawing.
#include <windows.h>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/InputPointListBase.h"
#include "document/SelectToolBase.h"
#include "document/ShapeOp.h"
#include "document/ViewScroller.h"
#include "document/ViewUpdater.h"
#include "geometry/GridSettings.h"
#include "geometry/PointList.h"
#include "geometry/ViewParams.h"
#include "platform/MouseSource.h"
#include "platform/Window.h"

namespace {
// The device rectangle of the box of two drawing corners for an operation, widened by margin.
IntRect deviceBox(ViewParams& view, const Point& a, const Point& b, int margin)
{
    IntPoint p, q;
    view.worldToDeviceClamped(a.x, a.y, &p);
    view.worldToDeviceClamped(b.x, b.y, &q);
    return IntRect::fromEdges((p.x < q.x ? p.x : q.x) - margin, (p.y < q.y ? p.y : q.y) - margin,
                              (p.x > q.x ? p.x : q.x) + margin, (p.y > q.y ? p.y : q.y) + margin);
}
} // namespace

ViewParams* Element::viewParams() { return context ? context->view : nullptr; }

InputPointListBase* Element::inputPointList() { return context ? context->inputPoints : nullptr; }

int Element::previousInputPoint(Point* out)
{
    InputPointListBase* list = inputPointList();
    return list && out ? list->previousPoint(out) : 0;
}

void Element::resetInputState()
{
    inputPending = 0;
    if (InputPointListBase* list = inputPointList())
        list->clear();
}

int Element::screenToView(IntPoint& position)
{
    ViewParams* view = viewParams();
    Window* window = view ? view->window() : nullptr;
    if (!window || !window->hwnd())
        return 0;
    POINT p{position.x, position.y};
    ScreenToClient(window->hwnd(), &p);
    position.set(p.x, p.y);
    IntRect client;
    view->clientRect(client);
    return client.width() > 0 && client.height() > 0 && p.x >= client.left && p.x <= client.right &&
           p.y >= client.top && p.y <= client.bottom;
}

void Element::deviceToDrawing(Point* out, const IntPoint& device, int snap)
{
    ViewParams* view = viewParams();
    if (!out || !view)
        return;
    view->deviceToWorld(device, &out->x, &out->y, &out->z);
    out->z = 0.0;
    if (snap)
        snapToGrid(out);
}

void Element::snapToGrid(Point* point)
{
    GridSettings* grid = gridSettings();
    if (grid && point)
        grid->convertPoint(point);
}

void Element::setPointFromDevice(int n, const IntPoint& device, Point* p1, Point* p2, Point* p3, int flags)
{
    Point p;
    deviceToDrawing(&p, device, flags & 1);
    (void)setPointByNumber(n, p, p1, p2, p3); // another n, or a missing point, sets nothing
}

void Element::setVertexFromDevice(PointList* list, int i, const IntPoint& device, int flags)
{
    if (!list)
        return;
    Point p;
    deviceToDrawing(&p, device, flags & 1);
    (void)list->setXYZ(i, p.x, p.y, p.z); // an index outside the list sets nothing
}

// --- the overlay ---

void Element::beginOverlay()
{
    if (overlayShown)
        return;
    resetSelectState();
    flushView();
    overlayShown = 1;
}

void Element::copyPainterToOverlay()
{
    if (ViewUpdater* updater = viewUpdater())
        updater->copyPainterToOverlay();
}

void Element::flushOverlay()
{
    if (ViewUpdater* updater = viewUpdater())
        updater->flushOverlay();
}

void Element::flushView()
{
    if (ViewUpdater* updater = viewUpdater())
        updater->flushPainter();
}

void Element::restoreOverlay(const Point& min, const Point& max, int margin)
{
    ViewUpdater* updater = viewUpdater();
    ViewParams* view = viewParams();
    if (updater && view)
        updater->copyPainterToOverlay(deviceBox(*view, min, max, margin));
}

void Element::showOverlay(const Point& min, const Point& max, int margin)
{
    ViewUpdater* updater = viewUpdater();
    ViewParams* view = viewParams();
    if (updater && view)
        updater->flushOverlay(deviceBox(*view, min, max, margin));
}

void Element::drawRubberBandFrame()
{
    computeExtent(0);
    growSavedExtent();
    restoreOverlay(savedExtentMin, savedExtentMax, 1);
    forwardOp(ShapeOp::RubberBand);
    showOverlay(savedExtentMin, savedExtentMax, 1);
    saveExtent();
}

void Element::clipToView()
{
    if (ViewUpdater* updater = viewUpdater())
        updater->clipToView();
}

void Element::resetClip()
{
    if (ViewUpdater* updater = viewUpdater())
        updater->resetClip();
}

void Element::autoScroll()
{
    if (ViewScroller* scroller = DocumentContext::scrollerOf(context))
        (void)scroller->autoScroll(); // 1 when it scrolled; the loop reads the mouse again either way
}

void Element::captureMouse()
{
    if (InputPointListBase* list = inputPointList())
        list->captureMouse();
}

void Element::releaseMouse()
{
    if (InputPointListBase* list = inputPointList())
        list->releaseMouse();
}

void Element::showCursorPosition()
{
    if (InputPointListBase* list = inputPointList())
        list->showCursorPosition();
}

// --- the click timer ---

void Element::restartClickTimer()
{
    if (context)
        (void)context->restartTimer(); // 0 without a tick stamp: then no click is measured
}

int Element::clickWithin150ms() { return context ? context->notYet150ms() : 0; }
int Element::clickWithin300ms() { return context ? context->notYet300ms() : 0; }
int Element::isDoubleClick() { return context ? context->withinDoubleClickTime() : 0; }

int Element::doubleClickCode(int code) { return code == kDone && isDoubleClick() ? kDoubleClick : code; }

int Element::waitButtonUp()
{
    if (!isLeftButtonDown() && !isRightButtonDown())
        return 0;
    ViewParams* view = viewParams();
    if (!view)
        return -1;
    for (;;) {
        showCursorPosition();
        int left = 0, right = 0;
        if (!view->pollMouseButtons(left, right))
            return -1;
        if (!left && !right)
            return 0;
    }
}

// --- constraints ---

int Element::constrainToAxis(Point& p, const Point& anchor)
{
    if (!isShiftDown())
        return 0;
    const double dx = p.x - anchor.x, dy = p.y - anchor.y;
    if ((dy < 0 ? -dy : dy) >= (dx < 0 ? -dx : dx)) {
        p.x = anchor.x;
        return 2;
    }
    p.y = anchor.y;
    return 1;
}

int Element::constrainToDiagonal(Point& p, const Point& anchor)
{
    if (!isShiftDown())
        return 0;
    const double dx = p.x - anchor.x, dy = p.y - anchor.y;
    const double adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    if (ady >= adx) {
        if (dx != 0.0)
            p.x = anchor.x + (dx < 0 ? -ady : ady);
        return 2;
    }
    if (dy != 0.0)
        p.y = anchor.y + (dy < 0 ? -adx : adx);
    return 1;
}
