// The select tool's marks: the selection drawn in the pick colour with its handles, and the mark
// painters the elements call while they show themselves picked.
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementMaskIndex.h"
#include "document/Selection.h"
#include "document/ShapeOp.h"
#include "document/ViewUpdater.h"
#include "geometry/DoubleRect.h"
#include "geometry/Point.h"
#include "geometry/ViewParams.h"
#include "platform/DeviceContext.h"
#include "platform/HeldGdiObject.h"
#include "platform/IntRect.h"
#include "platform/Pen.h"
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

struct SelectTool::MarkTools {
    MarkTools()
    {
        const RgbColor pick = tool_support::pickColour();
        line.handle = Pen::createFrom(PenSpec(pick));
        fill.handle = pick.createSolidBrush();
        white.handle = RgbColor(255, 255, 255).createSolidBrush();
    }
    HeldGdiObject<HPEN> line;
    HeldGdiObject<HBRUSH> fill;
    HeldGdiObject<HBRUSH> white;
};

void SelectTool::drawExtentSide(int operation, const Point& from, const Point& to)
{
    IntPoint a, b;
    DeviceContext* surface = markSurface(context, operation, from, a);
    if (!surface)
        return;
    context->view->worldToDeviceForOp(operation, to.x, to.y, &b);
    if (markTools)
        surface->drawLineWith(markTools->line.handle, a, b);
    else
        surface->drawLineBetween(PenSpec(tool_support::pickColour()), a, b);
}

void SelectTool::drawHandleMark(int operation, const Point& at, int active)
{
    IntPoint p;
    DeviceContext* surface = markSurface(context, operation, at, p);
    if (!surface)
        return;
    if (markTools) {
        surface->fillRect(markTools->fill.handle, squareAround(p, kHalfMark));
        if (!active)
            surface->fillRect(markTools->white.handle, squareAround(p, kHalfMark - 1));
        return;
    }
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
    ElementEditorBase* editor = toolEditor();
    if (!marksEnabled || !updater || !editor)
        return;
    // The marks are drawn on a copy of the painter, which then replaces the window's picture.
    const int offscreen = updater->drawWindowOnOverlay(1);
    if (!offscreen)
        updater->flushPainter();
    updater->beginClip();
    MarkTools tools;
    markTools = &tools;
    // An element whose extent, grown by the reach of its marks, lies outside the view shows no
    // mark there: it is not taken from its record.
    ElementMaskIndex* index = context->maskIndex;
    const double scale = Element::viewScaleOf(context);
    IntRect client;
    if (context->view) {
        context->view->clientRect(client);
        context->view->holdMapping(1);
    }
    for (int id : tool_support::liveSelectedIds(context)) {
        DoubleRect extent;
        if (index && client.width() > 0 && index->holdsAt(id, scale) && index->extentOf(id, extent)) {
            IntPoint a, b;
            context->view->worldToDeviceForOp(ShapeOp::ShowPicked, extent.minX, extent.minY, &a);
            context->view->worldToDeviceForOp(ShapeOp::ShowPicked, extent.maxX, extent.maxY, &b);
            IntRect marks;
            marks.setFromPoints(a, b);
            marks.inflate(kHalfMark + 2);
            if (marks.right < client.left || marks.left > client.right || marks.bottom < client.top ||
                marks.top > client.bottom)
                continue;
        }
        const int active = id == activeHandleId;
        if (editor->setActiveHandleById(id, active ? activeHandleA : 0, active ? activeHandleB : 0) &&
            editor->elementInHand())
            editor->elementInHand()->showPicked();
    }
    if (context->view)
        context->view->holdMapping(0);
    markTools = nullptr;
    updater->endClip();
    if (offscreen)
        (void)updater->drawWindowOnOverlay(0);
}
