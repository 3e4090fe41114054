// The select tool's marks: the selection drawn in the pick colour with its handles, and the mark
// painters the elements call while they show themselves picked.
#include "document/DocumentContext.h"
#include "document/Selection.h"
#include "elements/Element.h"
#include "geometry/Point.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "platform/Pen.h"
#include "views/ViewParams.h"
#include "views/ViewUpdater.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/SelectTool.h"
#include "views/tools/ToolSupport.h"

namespace {
// Handle and point marks are squares of this many pixels centred on their point.
constexpr int kMarkSize = 6;
constexpr int kHalfMark = kMarkSize / 2;

// The surface and the device point of a drawing point for an operation; null when the view or
// the surface is missing.
DeviceContext* markSurface(DocumentContext* context, int operation, const Point& at, IntPoint& device)
{
    ViewParams* view = context ? context->view : nullptr;
    ViewUpdater* updater = context ? context->updater : nullptr;
    if (!view || !updater)
        return nullptr;
    view->worldToDeviceForOp(operation, at.x, at.y, &device);
    return updater->surfaceForOperation(operation);
}

IntRect squareAround(const IntPoint& p, int half)
{
    return IntRect::fromEdges(p.x - half, p.y - half, p.x + half, p.y + half);
}
} // namespace

int SelectTool::pickDevicePoint(IntPoint& out)
{
    ViewParams* view = context ? context->view : nullptr;
    if (!view)
        return 0;
    view->worldToDevice(pickX, pickY, &out);
    return 1;
}

int SelectTool::isUnderCursor(const Point& point)
{
    IntPoint pick, p;
    if (!pickDevicePoint(pick))
        return 0;
    context->view->worldToDevice(point.x, point.y, &p);
    return p.x >= pick.x - kHalfMark && p.x <= pick.x + kHalfMark && p.y >= pick.y - kHalfMark &&
           p.y <= pick.y + kHalfMark;
}

void SelectTool::drawExtentSide(int operation, const Point& from, const Point& to)
{
    IntPoint a, b;
    DeviceContext* surface = markSurface(context, operation, from, a);
    if (!surface)
        return;
    context->view->worldToDeviceForOp(operation, to.x, to.y, &b);
    surface->drawLineBetween(PenSpec(tool_support::pickColour()), a, b);
}

void SelectTool::drawHandleMark(int operation, const Point& at, int active)
{
    IntPoint p;
    DeviceContext* surface = markSurface(context, operation, at, p);
    if (!surface)
        return;
    surface->fillRect(tool_support::pickColour(), squareAround(p, kHalfMark));
    if (!active)
        surface->fillRect(RgbColor(255, 255, 255), squareAround(p, kHalfMark - 1));
}

void SelectTool::drawPointMark(int operation, const Point& at)
{
    IntPoint p;
    DeviceContext* surface = markSurface(context, operation, at, p);
    if (!surface)
        return;
    IntRect frame = squareAround(p, kHalfMark);
    frame.right -= 1; // the frame's sides are drawn on its last pixels
    frame.bottom -= 1;
    surface->drawRectSides(PenSpec(tool_support::pickColour()), frame, 1, 1, 1, 1);
}

// The painter's picture has no marks; the next redrawMarks shows them again.
void SelectTool::hideMarks()
{
    if (context && context->updater)
        context->updater->flushPainter();
}

void SelectTool::redrawMarks()
{
    ViewUpdater* updater = context ? context->updater : nullptr;
    ElementEditor* editor = toolEditor();
    if (!marksEnabled || !updater || !editor)
        return;
    updater->flushPainter();
    updater->beginClip();
    for (int id : tool_support::liveSelectedIds(context)) {
        const int active = id == activeHandleId;
        (void)editor->setActiveHandleById(id, active ? activeHandleA : 0, active ? activeHandleB : 0); // taken just above
        if (editor->beginEdit(id) && editor->elementInHand())
            editor->elementInHand()->showPicked();
    }
    updater->endClip();
}
