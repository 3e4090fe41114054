// Rotating the selection about a centre: by dragging, by following the mouse after an arrow key,
// and by the rotate dialog.
#include "views/tools/RotateTool.h"

#include <cmath>
#include <vector>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/StatusBarPanes.h"
#include "document/UndoManager.h"
#include "document/ViewUpdater.h"
#include "geometry/MouseLoopResult.h"
#include "geometry/Point.h"
#include "geometry/ViewParams.h"
#include "platform/CurrentEvent.h"
#include "platform/DeviceContext.h"
#include "platform/ImeGuard.h"
#include "platform/IntRect.h"
#include "platform/MathUtil.h"
#include "platform/MouseSource.h"
#include "platform/Pen.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/RotateSettingsDialog.h"
#include "views/tools/SelectTool.h"
#include "views/tools/ToolSupport.h"

namespace {
// A rotation was applied (the drag step's answer besides the mouse loop's).
constexpr int kApplied = 1;
enum InputKind { kArrowKey = 1, kDigitKey = 3 };
// The centre mark: the diagonals of a square this many pixels wide, in red.
constexpr int kCrossSize = 12;
// The operation whose surface is the view window.
constexpr int kViewWindowOp = 11;

int isArrowKey(int key) { return key >= VK_LEFT && key <= VK_DOWN; }
int isDigitKey(int key) { return (key >= '0' && key <= '9') || (key >= VK_NUMPAD0 && key <= VK_NUMPAD9); }
} // namespace

RotateTool::~RotateTool() = default;

RotateTool* RotateTool::of(const DocumentContext* context)
{
    return context ? static_cast<RotateTool*>(context->rotateTool) : nullptr;
}

void RotateTool::setOwner(DocumentContext* owner) { context = owner; }

int RotateTool::prepare()
{
    centreSet = 0;
    return 1;
}

double RotateTool::angleTo(double x, double y) const { return MathUtil::lineAngle(centreX, centreY, x, y); }

void RotateTool::drawCentreMark()
{
    ViewParams* view = context ? context->view : nullptr;
    ViewUpdater* updater = context ? context->updater : nullptr;
    DeviceContext* surface = updater ? updater->surfaceForOperation(kViewWindowOp) : nullptr;
    if (!view || !surface)
        return;
    IntPoint p;
    view->worldToDevice(centreX, centreY, &p);
    const int half = kCrossSize / 2;
    updater->beginClip();
    // drawDiagonals runs from corner to corner, its far ends included.
    surface->drawDiagonals(PenSpec(RgbColor(255, 0, 0)), IntRect::fromEdges(p.x - half, p.y - half, p.x + half - 1, p.y + half - 1),
                           1, 1);
    updater->endClip();
}

void RotateTool::drawPreview()
{
    ViewUpdater* updater = context ? context->updater : nullptr;
    ElementEditorBase* editor = DocumentContext::toolEditorOf(context);
    if (!updater || !editor)
        return;
    updater->flushPainter();
    updater->beginClip();
    const Point centre(centreX, centreY, centreZ);
    for (int id : tool_support::liveSelectedIds(context))
        (void)editor->drawPreviewSegmentById(id, angle, centre); // an element not taken shows nothing
    updater->endClip();
    drawCentreMark();
}

int RotateTool::applyRotation()
{
    ElementEditorBase* editor = DocumentContext::toolEditorOf(context);
    if (!editor)
        return 0;
    (void)context->settleTextInEdit();
    // Any finite angle comes into one turn here; the elements then never loop over turns.
    if (!std::isfinite(angle))
        angle = 0.0;
    angle = MathUtil::normalizeAngle(angle);
    // The record turns every selected element back: an element the store would refuse turned
    // leaves them all as they are.
    const std::vector<int> ids = tool_support::liveSelectedIds(context);
    if (!tool_support::canChangeAll(*editor, ids,
                                    [&](Element& e) { e.rotate(angle, centreX, centreY, centreZ); }))
        return 0;
    if (UndoManager* undo = context->undoManager) {
        undo->captureSelection();
        undo->recordRotate(angle, centreX, centreY, centreZ);
    }
    int rotated = 0;
    for (int id : ids)
        rotated += editor->rotateById(id, angle, centreX, centreY, centreZ) ? 1 : 0;
    return rotated;
}

int RotateTool::run()
{
    SelectTool* tool = SelectTool::of(context);
    ViewParams* view = context ? context->view : nullptr;
    if (!tool || !view)
        return 0;
    (void)context->settleTextInEdit(); // the centre and the preview take what the screen shows
    if (!centreSet) {
        Point lower, upper;
        if (!tool->getSelectionBounds(lower, upper))
            return 0;
        centreX = (lower.x + upper.x) / 2.0;
        centreY = (lower.y + upper.y) / 2.0;
        centreZ = (lower.z + upper.z) / 2.0;
        centreSet = 1;
    }
    if (!tool->hasSelection())
        return 0;
    drawCentreMark();
    int r = 0;
    // No input method while the keys steer the tool.
    if (theImeGuard)
        theImeGuard->disable();
    for (;;) {
        r = waitInput();
        if (r == loopCode(MouseLoopResult::LeftClick)) {
            r = dragStep();
            if (r == loopCode(MouseLoopResult::Released))
                continue;
        } else if (r == loopCode(MouseLoopResult::Key)) {
            r = inputKind == kArrowKey ? followMouse() : rotateByDialog();
        }
        break;
    }
    if (theImeGuard)
        theImeGuard->restore();
    if (r == kApplied && context->updater)
        context->updater->repaintChanges();
    if (context->updater)
        context->updater->repaint();
    if (r == loopCode(MouseLoopResult::RightClick))
        tool->onRightButton(); // asks for the menu once the button is up
    return r;
}

int RotateTool::waitInput()
{
    ViewParams* view = context->view;
    IntPoint device;
    int left = 0, right = 0;
    // A press that started the tool (the pointer resting where a dialog closed by Return left it)
    // is its first press: the first poll reads it. A press elsewhere (a toolbar, another window) is not the tool's: the wait ends, and the
    // next mouse move over the view starts the tool again with the same centre.
    for (;;) {
        if (context->statusBar)
            context->statusBar->showCursorPosition();
        if (!view->nextMousePoint(device, left, right, 1))
            return loopCode(MouseLoopResult::Ended);
        if (left)
            return loopCode(MouseLoopResult::LeftClick);
        if (right)
            return loopCode(MouseLoopResult::RightClick);
        const CurrentEvent* event = theCurrentEvent;
        if (event && event->message == WM_KEYDOWN) {
            const int key = static_cast<int>(event->wParam);
            if (isArrowKey(key) || isDigitKey(key)) {
                inputKind = isArrowKey(key) ? kArrowKey : kDigitKey;
                return loopCode(MouseLoopResult::Key);
            }
        }
    }
}

int RotateTool::dragStep()
{
    ViewParams* view = context->view;
    (void)context->restartTimer(); // 0 without a tick stamp: every press then counts as a drag
    IntPoint press;
    view->cursorPosition(press);
    tool_support::deviceToWorld(view, press, centreX, centreY);
    if (context->updater)
        context->updater->repaint();
    drawCentreMark();
    IntPoint device = press, last = press;
    int left = 1, right = 0, shift = isShiftDown();
    while (left) {
        if (context->statusBar)
            context->statusBar->showCursorPosition();
        if (!view->nextMousePoint(device, left, right))
            return loopCode(MouseLoopResult::Ended);
        const int shiftNow = isShiftDown();
        if (device.x == last.x && device.y == last.y && shiftNow == shift)
            continue;
        last = device;
        shift = shiftNow;
        double x = 0.0, y = 0.0;
        tool_support::deviceToWorld(view, device, x, y);
        angle = angleTo(x, y);
        drawPreview();
    }
    if (!context->notYet300ms()) {
        (void)applyRotation(); // the elements not taken keep their place
        return kApplied;
    }
    const MouseLoopResult r =
        tool_support::secondClickFollows(context, press) ? MouseLoopResult::DoubleClick : MouseLoopResult::Released;
    return loopCode(r);
}

int RotateTool::followMouse()
{
    ViewParams* view = context->view;
    IntPoint device, last(-1, -1);
    int left = 0, right = 0, shift = -1;
    for (;;) {
        if (!view->nextMousePoint(device, left, right))
            return -1;
        const int shiftNow = isShiftDown();
        if (device.x != last.x || device.y != last.y || shiftNow != shift) {
            last = device;
            shift = shiftNow;
            double x = 0.0, y = 0.0;
            tool_support::deviceToWorld(view, device, x, y);
            angle = angleTo(x, y);
            drawPreview();
        }
        if (left) {
            (void)applyRotation(); // as dragStep
            return kApplied;
        }
    }
}

int RotateTool::rotateByDialog()
{
    // The dialog works on a copy; only OK takes it.
    double newAngle = angle, newX = centreX, newY = centreY;
    RotateSettingsDialog dialog(context, newAngle, newX, newY);
    if (dialog.run() != 1)
        return 0;
    angle = newAngle;
    centreX = newX;
    centreY = newY;
    (void)applyRotation(); // as dragStep
    return kApplied;
}
