// The length dimension's mouse input: collecting the measured points in modes 11 to 14, placing
// the display point with the direction keys, and the point drag, insert and delete of editing.
#include "elements/MeasureElement.h"

#include <cmath>

#include "document/DocumentContext.h"
#include "document/SelectToolBase.h"
#include "document/ShapeOp.h"
#include "document/UndoManager.h"
#include "document/ViewUpdater.h"
#include "elements/ElementKindRegistry.h"
#include "elements/ElementTracking.h"
#include "geometry/PointList.h"
#include "geometry/ViewParams.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/ImeGuard.h"
#include "platform/MouseSource.h"
#include "platform/MouseState.h"
#include "shapes/MeasureAttributes.h"

namespace {
// The creation modes: free points (11, 12), key points of elements (13, 14); two points (11,
// 13) or a chain (12, 14).
constexpr int kFreeTwo = 11;
constexpr int kFreeChain = 12;
constexpr int kKeyTwo = 13;
constexpr int kKeyChain = 14;
// What the placement answers when the cursor leaves the chain's span: collecting goes on.
constexpr int kLeftSpan = 0;
// The overlay figure while a point is dragged, and the marks drawn on it.
constexpr int kEditFigure = ShapeOp::OverlayStep33;
constexpr int kOverlayMark = ShapeOp::OverlayPicked;
// The span tolerance, in pixels.
constexpr double kSpanPixels = 3.0;

int isChainMode(int mode) { return mode == kFreeChain || mode == kKeyChain; }
int isKeyMode(int mode) { return mode == kKeyTwo || mode == kKeyChain; }

// Keeps the input method off while the display point is placed.
class ImeOff {
public:
    ImeOff()
    {
        if (theImeGuard)
            theImeGuard->disable();
    }
    ~ImeOff()
    {
        if (theImeGuard)
            theImeGuard->restore();
    }
};

// One pass of a mouse loop: where the cursor is and the button edges.
struct MouseStep {
    IntPoint device;
    int left = 0, right = 0;
    int pressedLeft = 0, pressedRight = 0;
    int moved = 0;
};

// Reads one step; 0 when the tracking was cancelled.
int nextStep(ViewParams& view, MouseStep& step)
{
    const IntPoint before = step.device;
    const int wasLeft = step.left, wasRight = step.right;
    if (!view.nextMousePoint(step.device, step.left, step.right))
        return 0;
    // A press outside the view (the status bar, a pane) is none: it places no point.
    const int inside = element_tracking::isInClient(view, step.device);
    step.pressedLeft = step.left && !wasLeft && inside;
    step.pressedRight = step.right && !wasRight && inside;
    step.moved = step.device.x != before.x || step.device.y != before.y;
    return 1;
}
} // namespace

int MeasureElement::typedCharacter()
{
    const CurrentEvent* event = theCurrentEvent;
    if (!event)
        return 0;
    if (event->code == EV_KEY_DOWN && event->message == WM_CHAR)
        return static_cast<int>(event->wParam & 0xFF);
    return event->typedChar;
}

int MeasureElement::directionOfKey(int character)
{
    switch (character) {
    case '*':
        return MeasureAttributes::kRight;
    case '-':
        return MeasureAttributes::kHorizontal;
    case '+':
        return MeasureAttributes::kVertical;
    case '/':
        return MeasureAttributes::kFreeDirection;
    default:
        return 0;
    }
}

void MeasureElement::showDirectionCursor() const
{
    MouseState* mouse = theMouseState;
    if (!mouse || !measure())
        return;
    switch (measure()->direction) {
    case MeasureAttributes::kHorizontal:
        mouse->setRemoveCursor(); // the arrow with a minus box
        break;
    case MeasureAttributes::kVertical:
        mouse->setArrowICursor();
        break;
    case MeasureAttributes::kFreeDirection:
        mouse->setArrowSlashCursor();
        break;
    default:
        mouse->setArrowLCursor();
        break;
    }
}

void MeasureElement::placeDisplayPoint(const Point& p)
{
    if (thirdPoint())
        thirdPoint()->x = p.x, thirdPoint()->y = p.y, thirdPoint()->z = p.z;
}

Element* MeasureElement::loadElementUnderCursor()
{
    SelectToolBase* tool = selectTool();
    if (!tool || !theKindRegistry)
        return nullptr;
    tool->setPickBoxAtMouse();
    const int found = tool->findInPickBox();
    if (found < 1)
        return nullptr;
    // A copy of the element loaded from the store answers; the store's kind makes it.
    Element probe;
    probe.context = context;
    if (probe.load(found) < 1)
        return nullptr;
    Element* picked = theKindRegistry->createElement(probe.kind);
    if (!picked)
        return nullptr;
    picked->context = context;
    if (picked->load(found) >= 1 && picked->exchangeRecord(3))
        return picked;
    (void)theKindRegistry->destroyElement(picked->kind, picked); // always frees it
    return nullptr;
}

int MeasureElement::snapOnElementUnderCursor(Point& at, int toEdge, const Point* from)
{
    Element* picked = loadElementUnderCursor();
    if (!picked)
        return 0;
    const int ok = toEdge ? picked->snapToNearestEdge(&at, from) : picked->snapToKeyPoint(&at);
    (void)theKindRegistry->destroyElement(picked->kind, picked); // always frees it
    return ok;
}

int MeasureElement::pointForMode(int mode, const IntPoint& device, Point& out)
{
    deviceToDrawing(&out, device, 1);
    return !isKeyMode(mode) || snapOnElementUnderCursor(out, 0, nullptr);
}

int MeasureElement::inSpan(const Point& p) const
{
    const PointList* points = vertices();
    Point first, last;
    if (!points || points->count < 2 || !points->getPoint(0, &first) || !points->getLastPoint(&last))
        return 0;
    const double dx = std::fabs(last.x - first.x), dy = std::fabs(last.y - first.y);
    const int direction = measure() ? measure()->direction : MeasureAttributes::kRight;
    int vertical = direction == MeasureAttributes::kVertical;
    if (direction == MeasureAttributes::kRight || direction == MeasureAttributes::kFreeDirection)
        vertical = dy > dx;
    double tolerance = 0.0;
    if (ViewParams* view = const_cast<MeasureElement*>(this)->viewParams())
        tolerance = view->pixelsToLengthForOp(ShapeOp::RubberBand, kSpanPixels) * scaleDenominator() / scaleNumerator();
    // An axis on which the points (nearly) coincide cannot hold the cursor: the other one is
    // tested, and with both degenerate the cursor always counts as inside.
    if (vertical && dy <= tolerance)
        vertical = 0;
    else if (!vertical && dx <= tolerance)
        vertical = 1;
    if (dx <= tolerance && dy <= tolerance)
        return 1;
    if (vertical)
        return std::fabs(p.y - first.y) <= dy && std::fabs(p.y - last.y) <= dy;
    return std::fabs(p.x - first.x) <= dx && std::fabs(p.x - last.x) <= dx;
}

int MeasureElement::beginCreateInput(int mode)
{
    if (!vertices() || !inputPointList())
        return 0;
    vertices()->count = 0;
    overlayShown = 0;
    Point press;
    if (!previousInputPoint(&press))
        return kCancelled;
    if (isKeyMode(mode)) {
        if (!snapOnElementUnderCursor(press, 0, nullptr)) {
            (void)waitButtonUp(); // a cancelled wait ends as a missed click does
            return isDoubleClick() ? kDoubleClick : kCancelled;
        }
    } else {
        snapToGrid(&press);
    }
    if (!vertices()->appendXYZ(press.x, press.y, 0.0))
        return kCancelled;
    if (isChainMode(mode) && measure())
        measure()->setCentredNumeral();
    return continueCreateInput(mode);
}

int MeasureElement::continueCreateInput(int mode)
{
    inputPending = 0;
    if (mode < kFreeTwo || mode > kKeyChain)
        return 0;
    if (!vertices() || !thirdPoint())
        return kCancelled;
    const int result = collectPoints(mode);
    if (overlayShown)
        flushView();
    if (result == kCancelled)
        inputPending = 1; // the next mouse event resumes this dimension
    return result;
}

int MeasureElement::collectPoints(int mode)
{
    ViewParams* view = viewParams();
    if (!view)
        return kCancelled;
    MouseStep step;
    view->cursorPosition(step.device);
    step.left = isLeftButtonDown();
    step.right = isRightButtonDown();
    for (;;) {
        if (vertices()->count >= 2 && !isChainMode(mode))
            return placeDisplay(0);
        if (!nextStep(*view, step))
            return kCancelled;
        showCursorPosition();
        Point p;
        if (step.pressedRight) {
            if (!isChainMode(mode))
                return kRightButton;
            if (vertices()->count < 2)
                continue; // the first point stays
            (void)vertices()->removeLast(); // more than one point is there
        } else if (step.pressedLeft) {
            if (!overlayShown && vertices()->count == 1 && isDoubleClick())
                return kDoubleClick;
            if (!pointForMode(mode, step.device, p)) {
                if (!isChainMode(mode) || vertices()->count < 2)
                    return kCancelled; // the second point must be a key point
                continue;              // a chain ignores a click beside every key point
            }
            if (!vertices()->appendXYZ(p.x, p.y, 0.0))
                return kCancelled;
        } else if (step.moved && isChainMode(mode) && vertices()->count >= 2) {
            deviceToDrawing(&p, step.device, 1);
            if (inSpan(p)) {
                const int placed = placeDisplay(1);
                if (placed != kLeftSpan)
                    return placed;
            }
            continue;
        } else if (!step.moved) {
            continue;
        }
        beginOverlay();
        drawPointMarks(kOverlayMark, 0);
        flushOverlay();
    }
}

int MeasureElement::placeDisplay(int chain)
{
    ViewParams* view = viewParams();
    if (!view || !measure())
        return kCancelled;
    ImeOff imeOff;
    showDirectionCursor();
    MouseStep step;
    view->cursorPosition(step.device);
    step.left = isLeftButtonDown();
    int lastKey = 0;
    for (;;) {
        if (!nextStep(*view, step))
            return kCancelled;
        showCursorPosition();
        const int key = typedCharacter();
        const int chosen = key != lastKey ? directionOfKey(key) : 0;
        lastKey = key;
        if (chosen)
            measure()->direction = chosen, showDirectionCursor();
        if (!step.moved && !chosen && !step.pressedLeft)
            continue;
        Point p;
        deviceToDrawing(&p, step.device, 1);
        if (chain && step.moved && !inSpan(p))
            return kLeftSpan;
        placeDisplayPoint(p);
        if (step.pressedLeft)
            return kComplete;
        beginOverlay();
        drawRubberBandFrame();
    }
}

int MeasureElement::waitPress(IntPoint& device, int marks)
{
    ViewParams* view = viewParams();
    if (!view)
        return 0;
    MouseStep step;
    view->cursorPosition(step.device);
    step.left = isLeftButtonDown();
    for (;;) {
        if (!nextStep(*view, step))
            return 0;
        showCursorPosition();
        if (step.pressedLeft) {
            device = step.device;
            return 1;
        }
        if (marks && step.moved) {
            beginOverlay();
            drawPointMarks(kOverlayMark, 0);
            flushOverlay();
        }
    }
}

// --- editing ---

int MeasureElement::grabbedPoint()
{
    if (vertices()) {
        const int i = vertexUnderCursor(*vertices(), 1);
        if (i >= 0)
            return i;
    }
    return thirdPoint() && pointUnderCursor(thirdPoint(), nullptr, nullptr) ? kDisplayPointNumber : -1;
}

int MeasureElement::editByMouse()
{
    if (!selectTool() || !vertices() || !thirdPoint() || !viewParams())
        return 0;
    bindOwners();
    const int n = grabbedPoint();
    if (n < 0)
        return 0;
    const int key = typedCharacter();
    const int onMeasured = n != kDisplayPointNumber;
    if ((key == '+' && !onMeasured) || (key == '-' && (!onMeasured || vertices()->count < 3)))
        return kCancelled;
    (void)erase(); // nothing to erase without a view
    if (SelectToolBase* tool = selectTool())
        tool->hideMarks();
    if (ViewUpdater* updater = viewUpdater())
        updater->setSkippedId(id);
    overlayShown = 0;
    captureMouse();
    const int result = key == '+' ? insertPoint(n) : key == '-' ? deletePoint(n) : dragPoint(n);
    releaseMouse();
    if (overlayShown)
        flushView();
    // The marks come back with the repaint that follows the store: drawn now, they would take
    // the stored element into the tools' editor in place of this one, and the edit would be lost.
    if (ViewUpdater* updater = viewUpdater())
        updater->setSkippedId(-1);
    return result;
}

int MeasureElement::dragPoint(int n)
{
    ViewParams* view = viewParams();
    Point before;
    if (n == kDisplayPointNumber)
        before = *thirdPoint();
    else if (!vertices()->getPoint(n, &before))
        return kCancelled;
    UndoManager* undo = context ? context->undoManager : nullptr;
    if (undo) {
        undo->beginPointMove(n, 1);
        undo->addRecordPoint(before.x, before.y, before.z);
    }
    MouseStep step;
    view->cursorPosition(step.device);
    step.left = 1;
    int moves = 0, released = 0;
    while (nextStep(*view, step)) {
        if (!step.left) {
            released = 1;
            break;
        }
        if (!step.moved)
            continue;
        Point p;
        deviceToDrawing(&p, step.device, 1);
        setPoint(n, p.x, p.y, before.z);
        ++moves;
        beginOverlay();
        copyPainterToOverlay(); // the last step's figure goes
        forwardOp(kEditFigure);
        drawPointMarks(kOverlayMark, 1);
        flushOverlay();
    }
    if (!released)
        setPoint(n, before.x, before.y, before.z);
    else
        afterPointDrag();
    if (undo) {
        Point now = *thirdPoint();
        if (n != kDisplayPointNumber)
            (void)vertices()->getPoint(n, &now); // the point is there
        undo->addRecordPoint(now.x, now.y, now.z);
        // A point moved in one step only, or a cancelled drag, leaves no record.
        if (released && moves > 1)
            undo->endPointMove(this);
        else
            undo->flushPending();
    }
    return released ? kDone : kCancelled;
}

void MeasureElement::recordAllPoints(UndoManager& undo)
{
    Point p;
    for (int i = 0; i < vertices()->count; ++i) {
        if (vertices()->getPoint(i, &p))
            undo.addRecordPoint(p.x, p.y, p.z);
    }
}

// Follows the mouse until the button is released: 1 with the release point, 0 when cancelled.
static int waitRelease(Element& self, Point& at)
{
    ViewParams* view = self.viewParams();
    if (!view)
        return 0;
    MouseStep step;
    view->cursorPosition(step.device);
    step.left = 1;
    while (nextStep(*view, step)) {
        self.showCursorPosition();
        if (!step.left) {
            self.deviceToDrawing(&at, step.device, 1);
            return 1;
        }
    }
    return 0;
}

int MeasureElement::insertPoint(int i)
{
    if (theMouseState)
        theMouseState->setAddCursor();
    Point at;
    if (!waitRelease(*this, at))
        return kCancelled;
    UndoManager* undo = context ? context->undoManager : nullptr;
    if (undo) {
        undo->beginPointAdd(vertices()->count);
        recordAllPoints(*undo);
    }
    if (!insertVertexAfter(*vertices(), i, at)) {
        if (undo)
            undo->flushPending();
        return kCancelled;
    }
    if (undo) {
        recordAllPoints(*undo);
        undo->endPointAdd(this);
    }
    return kDone;
}

int MeasureElement::deletePoint(int i)
{
    if (theMouseState)
        theMouseState->setRemoveCursor();
    Point at;
    if (!waitRelease(*this, at))
        return kCancelled;
    UndoManager* undo = context ? context->undoManager : nullptr;
    if (undo) {
        undo->beginPointDelete(vertices()->count);
        recordAllPoints(*undo);
    }
    if (!removeVertex(*vertices(), i)) {
        if (undo)
            undo->flushPending();
        return kCancelled;
    }
    if (undo) {
        recordAllPoints(*undo);
        undo->endPointDelete(this);
    }
    return kDone;
}
