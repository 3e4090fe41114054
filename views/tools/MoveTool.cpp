// Moving and copying the selection: by dragging, by the arrow keys and by the move dialog.
#include "views/tools/MoveTool.h"

#include <vector>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementIdSet.h"
#include "document/ElementRefusal.h"
#include "document/ElementStore.h"
#include "document/StatusBarPanes.h"
#include "document/UndoManager.h"
#include "document/ViewUpdater.h"
#include "geometry/GridSettings.h"
#include "geometry/MouseLoopResult.h"
#include "geometry/Point.h"
#include "geometry/ViewParams.h"
#include "platform/MathUtil.h"
#include "platform/MouseSource.h"
#include "platform/MouseState.h"
#include "resources/ids.h"
#include "views/LowMemoryGuard.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/MoveSettingsDialog.h"
#include "views/tools/SelectTool.h"
#include "views/tools/ToolSupport.h"

namespace {
// An arrow key moves this many pixels, with Shift ten times as many.
constexpr int kShiftFactor = 10;
// The drag result of a press released too soon: a click.
constexpr int kClick = 3;

// Translates every element by the offset, or none: an element that cannot be moved puts back the
// ones moved before it. 1 when all moved.
int translateAll(ElementStore* store, ElementEditorBase& editor, const std::vector<int>& ids, double dx, double dy,
                 double dz)
{
    for (size_t i = 0; i < ids.size(); ++i) {
        if (store)
            store->prefetchAhead(ids, i);
        if (editor.translateById(ids[i], dx, dy, dz))
            continue;
        while (i-- > 0)
            (void)editor.translateById(ids[i], -dx, -dy, -dz); // it moved just now: it moves back
        return 0;
    }
    return 1;
}
} // namespace

MoveTool::~MoveTool() = default;

MoveTool* MoveTool::of(const DocumentContext* context)
{
    return context ? static_cast<MoveTool*>(context->moveTool) : nullptr;
}

void MoveTool::setOwner(DocumentContext* owner) { context = owner; }

int MoveTool::updateOffset(double mouseX, double mouseY, double mouseZ)
{
    pendingX = mouseX - startX;
    pendingY = mouseY - startY;
    pendingZ = mouseZ - startZ;
    if (GridSettings* grid = context ? context->grid : nullptr) {
        // Each axis snaps by its own pitch; a grid that is not shown leaves the offset as it is.
        Point snapped(pendingX, pendingY);
        grid->convertPoint(&snapped);
        pendingX = snapped.x;
        pendingY = snapped.y;
    }
    if (MathUtil::isNearlyEqual(pendingX, offsetX) && MathUtil::isNearlyEqual(pendingY, offsetY) &&
        MathUtil::isNearlyEqual(pendingZ, offsetZ))
        return 0;
    offsetX = pendingX, offsetY = pendingY, offsetZ = pendingZ;
    return 1;
}

void MoveTool::drawPreview()
{
    ViewUpdater* updater = context ? context->updater : nullptr;
    ElementEditorBase* editor = DocumentContext::toolEditorOf(context);
    if (!updater || !editor)
        return;
    updater->flushPainter(); // the previous preview goes
    updater->beginClip();
    for (int id : tool_support::liveSelectedIds(context))
        (void)editor->drawDragPreviewById(id, offsetX, offsetY, offsetZ); // an element not taken shows nothing
    updater->endClip();
}

int MoveTool::dragSelection()
{
    SelectTool* tool = SelectTool::of(context);
    ViewParams* view = context ? context->view : nullptr;
    if (!tool || !view || !tool->hasSelection())
        return -1;
    (void)context->settleTextInEdit(); // the preview and the move take what the screen shows
    offsetX = offsetY = offsetZ = 0.0;
    copy = 0;
    tool->getPressPoint(startX, startY);
    startZ = 0.0;
    drawPreview();

    IntPoint device;
    int left = 1, right = 0, inView = 1;
    while (left) {
        if (context->statusBar)
            context->statusBar->showCursorPosition();
        inView = view->nextMousePoint(device, left, right, 0);
        copy = isControlDown();
        if (theMouseState) {
            if (copy)
                theMouseState->setArrowCCursor();
            else
                theMouseState->setArrowCursor();
        }
        if (!inView) {
            if (left) {
                if (context->updater)
                    context->updater->repaint();
                (void)context->autoScroll(); // 0 without a scroller: the view stays
            }
            continue;
        }
        double x = 0.0, y = 0.0;
        tool_support::deviceToWorld(view, device, x, y);
        if (updateOffset(x, y, 0.0))
            drawPreview();
    }
    if (theMouseState)
        theMouseState->setArrowCursor();
    if (!inView) {
        if (context->updater)
            context->updater->repaint();
        return -1;
    }
    if (context->notYet300ms())
        return kClick;
    drawPreview();
    if (copy)
        (void)copyBy(offsetX, offsetY, offsetZ); // a copy that could not be stored is skipped
    else
        (void)moveBy(offsetX, offsetY, offsetZ); // all or nothing: a refused move changed nothing
    return 1;
}

int MoveTool::translateSelection(double dx, double dy, double dz)
{
    ElementEditorBase* editor = DocumentContext::toolEditorOf(context);
    if (!editor)
        return 0;
    (void)context->settleTextInEdit();
    const int moved = translateAll(context->elementStore(), *editor, tool_support::liveSelectedIds(context), dx, dy, dz);
    if (context->updater)
        context->updater->repaintChanges();
    if (!moved)
        showElementsRefused();
    return moved;
}

int MoveTool::moveBy(double dx, double dy, double dz)
{
    if (!translateSelection(dx, dy, dz))
        return 0;
    if (UndoManager* undo = context->undoManager) {
        undo->captureSelection();
        undo->recordMove(dx, dy, dz);
    }
    return 1;
}

int MoveTool::copyBy(double dx, double dy, double dz)
{
    SelectTool* tool = SelectTool::of(context);
    ElementEditorBase* editor = DocumentContext::toolEditorOf(context);
    if (!tool || !editor)
        return 0;
    (void)context->settleTextInEdit();
    const std::vector<int> sources = tool_support::liveSelectedIds(context);
    if (sources.empty())
        return 0;
    UndoManager* undo = context->undoManager;
    if (undo) {
        undo->captureSelection();
        undo->beginCopy(0, 0, 0, 0, 0, 0);
    }
    const int single = tool->selectionMode() == 1;
    // The members of one copied group stay together in one new group.
    ElementIdSet* groups = single ? nullptr : context->idSet;
    if (groups)
        groups->initGroupMap();
    std::vector<int> copies;
    int refused = 0;
    for (int id : sources) {
        if (!editor->beginEdit(id))
            continue;
        Element* element = editor->elementInHand();
        if (!element)
            continue;
        element->translate(dx, dy, dz);
        if (groups)
            element->group = groups->remapGroup(element->group);
        (void)element->assignSerial(); // 0 without a counter: the copy keeps serial 0
        const int copied = editor->addToPage();
        if (copied < 1) {
            refused = 1; // skipped; the others are copied
            continue;
        }
        copies.push_back(copied);
    }
    if (groups)
        groups->clearGroupMap();
    if (!copies.empty()) {
        tool->clearSelection();
        if (single) {
            tool->selectSingle(copies.front());
        } else {
            tool->setSelectionMode(2);
            for (int id : copies)
                tool->addToSelection(id);
        }
    }
    if (undo)
        undo->endCopy();
    if (refused)
        showElementsRefused();
    if (theLowMemoryGuard)
        theLowMemoryGuard->checkMemoryReserve();
    // The copies are drawn where they lie, as a paste draws, and the navigator and the page bar
    // follow at idle time; then the view with the marks of the copies, which are selected.
    if (context->updater) {
        context->updater->repaintChanges();
        context->updater->repaint();
    }
    return static_cast<int>(copies.size());
}

void MoveTool::arrowStep(int key, int& dx, int& dy)
{
    dx = key == VK_LEFT ? -1 : key == VK_RIGHT ? 1 : 0;
    dy = key == VK_UP ? -1 : key == VK_DOWN ? 1 : 0;
    if (!dx && !dy)
        return;
    if (isShiftDown()) {
        dx *= kShiftFactor;
        dy *= kShiftFactor;
    }
    ViewParams* view = context ? context->view : nullptr;
    // A refused step moved nothing (all or nothing), so it adds nothing to the record.
    if (!translateSelection(tool_support::pixelLength(view, dx), tool_support::pixelLength(view, dy), 0.0))
        dx = dy = 0;
}

void MoveTool::recordArrowMove(int totalDx, int totalDy)
{
    UndoManager* undo = context ? context->undoManager : nullptr;
    if (!undo)
        return;
    ViewParams* view = context->view;
    undo->captureSelection();
    undo->recordMove(tool_support::pixelLength(view, totalDx), tool_support::pixelLength(view, totalDy), 0.0);
}

int MoveTool::editPointsLoop()
{
    SelectTool* tool = SelectTool::of(context);
    ElementEditorBase* editor = DocumentContext::toolEditorOf(context);
    ViewParams* view = context ? context->view : nullptr;
    if (!tool || !editor || !view)
        return loopCode(MouseLoopResult::Ended);
    (void)context->settleTextInEdit(); // the marks and the edits take what the screen shows
    int r = loopCode(MouseLoopResult::LeftClick);
    while (r == loopCode(MouseLoopResult::LeftClick)) {
        if (theMouseState) {
            theMouseState->setArrowCursor();
            theMouseState->releaseLeft();
        }
        const int clicked = view->waitClick(0);
        if (clicked == loopCode(MouseLoopResult::RightClick)) {
            tool->onRightButton(); // asks for the menu once the button is up
            return loopCode(MouseLoopResult::RightClick);
        }
        if (clicked != loopCode(MouseLoopResult::LeftClick))
            return clicked;
        tool->setPickBoxAtMouse();
        r = 0;
        // The selection stays while an element shows its rubber band, for the next click.
        tool->locked = 1;
        for (int id : tool_support::liveSelectedIds(context)) {
            if (!editor->hitTestById(id))
                continue;
            r = editor->editByMouseById(id);
            if (r != 0)
                break;
        }
        tool->locked = 0;
        tool->redrawMarks();
    }
    return r;
}

int MoveTool::moveSelection()
{
    SelectTool* tool = SelectTool::of(context);
    if (!tool || !tool->hasSelection())
        return 0;
    (void)context->settleTextInEdit();
    offsetX = offsetY = offsetZ = 0.0;
    double dx = 0.0, dy = 0.0;
    MoveSettingsDialog dialog(context, dx, dy);
    const int r = dialog.run();
    if (r != IDOK && r != IDC_MOVE_COPY)
        return 0;
    if (MathUtil::isNearlyZero(dx) && MathUtil::isNearlyZero(dy))
        return 0;
    offsetX = dx, offsetY = dy;
    if (r == IDC_MOVE_COPY)
        return copyBy(dx, dy, 0.0) > 0 ? 2 : 0;
    if (!moveBy(dx, dy, 0.0))
        return 0;
    if (context->updater)
        context->updater->repaint();
    return 1;
}
