// ViewMapping: the mouse polls of the tracking loops and the zoom tool built on them. The mouse
// is read through the program's mouse source; what a reading means is decided by ZoomRules.
#include "platform/WindowHandle.h"
#include "views/ViewMapping.h"

#include "document/DocumentContext.h"
#include "document/StatusBarPanes.h"
#include "document/ViewUpdater.h"
#include "geometry/MouseLoopResult.h"
#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/ImeGuard.h"
#include "platform/MouseSource.h"
#include "platform/MouseState.h"
#include "platform/ShortcutHook.h"
#include "platform/Window.h"
#include "views/UserPressRules.h"
#include "views/ZoomRules.h"

namespace {
int quitting() { return theApplication && theApplication->quit; }

void pumpOnce(int blocking)
{
    if (!theCurrentEvent)
        return;
    if (!blocking)
        theCurrentEvent->mayBlock = 0;
    (void)theCurrentEvent->pumpStepModal(0); // flags 0: no command ends this step early
}

void showCursorPosition(DocumentContext* context)
{
    if (context && context->statusBar)
        context->statusBar->showCursorPosition();
}

// The character of the current event when it is a typed key, else 0.
int typedCharacter()
{
    const CurrentEvent* event = theCurrentEvent;
    if (!event || event->code != EV_KEY_DOWN || event->message != WM_CHAR)
        return 0;
    return static_cast<int>(event->wParam & 0xFF);
}
} // namespace

ViewMapping::PumpStep ViewMapping::pumpStep = pumpOnce;

int pollMouseButtons(int& left, int& right)
{
    left = right = 0;
    ViewMapping::pumpStep(1);
    if (quitting())
        return 0;
    left = isLeftButtonDown();
    right = isRightButtonDown();
    return 1;
}

int ViewMapping::pollMouseButtons(int& left, int& right) { return ::pollMouseButtons(left, right); }

int shortcutEndsLoop()
{
    if (!theShortcutHook || !theShortcutHook->takePending())
        return 0;
    if (theCurrentEvent)
        (void)theCurrentEvent->postDeferredCommand(EV_SHORTCUT_COMMAND); // a full queue drops it like a key
    return 1;
}

int ViewMapping::readMousePoint(IntPoint& device, int& left, int& right, int requireOwnMessage)
{
    left = right = 0;
    if (quitting())
        return 0;
    left = isLeftButtonDown();
    right = isRightButtonDown();
    cursorPosition(device);
    Window* view = window();
    if (requireOwnMessage && (!view || !theCurrentEvent || !sameWindow(theCurrentEvent->hwnd, view->hwnd())))
        return 0;
    return isInViewArea(device);
}

int ViewMapping::takeStartingPress()
{
    Window* view = window();
    return theCurrentEvent && view && theCurrentEvent->takePressFor(view->hwnd());
}

void ViewMapping::stepMouseLoop(int blocking)
{
    // The press that started the tool is its first event: the next one may be the release.
    if (!takeStartingPress())
        pumpStep(blocking);
}

int ViewMapping::nextMousePoint(IntPoint& device, int& left, int& right, int requireOwnMessage)
{
    if (theCurrentEvent && theCurrentEvent->abortLoop) {
        theCurrentEvent->abortLoop = 0;
        left = right = 0;
        return 0;
    }
    stepMouseLoop(1);
    return readMousePoint(device, left, right, requireOwnMessage);
}

int ViewMapping::nextMousePoint(IntPoint& device, int& left, int& right)
{
    if (theCurrentEvent && theCurrentEvent->abortLoop) {
        theCurrentEvent->abortLoop = 0;
        left = right = 0;
        return 0;
    }
    stepMouseLoop(1);
    (void)readMousePoint(device, left, right, 0); // outside the view the drag goes on
    return quitting() ? 0 : 1;
}

int ViewMapping::pollMousePoint(IntPoint& device, int& left, int& right)
{
    if (theCurrentEvent && theCurrentEvent->abortLoop) {
        theCurrentEvent->abortLoop = 0;
        left = right = 0;
        return 0;
    }
    stepMouseLoop(0);
    (void)readMousePoint(device, left, right, 0); // outside the view the wait goes on
    return quitting() ? 0 : 1;
}

int ViewMapping::waitClick(int)
{
    IntPoint point;
    int left = 0, right = 0;
    // The event that started the wait is read first: a press that started it is its click, and
    // no later loop takes it again.
    (void)takeStartingPress(); // read here either way
    int pressed = readMousePoint(point, left, right, 1) && (left || right);
    while (!pressed) {
        showCursorPosition(context);
        if (!nextMousePoint(point, left, right, 1) || shortcutEndsLoop())
            break;
        pressed = left || right;
    }
    // The clicks are timed from the last press; a wait that ended without one leaves the time.
    if (context && pressed)
        (void)context->restartTimer(); // 0 without a tick stamp: nothing measures the click
    const MouseLoopResult result =
        !pressed ? MouseLoopResult::Ended : left ? MouseLoopResult::LeftClick : MouseLoopResult::RightClick;
    return loopCode(result);
}

UserPressRules::Act ViewMapping::userActOf(const MSG& message)
{
    Window* view = window();
    IntPoint at(message.pt.x, message.pt.y);
    view->screenToClient(at);
    return UserPressRules::actOf(message, view->hwnd(), isInViewArea(at), isControlDown() || isKeyDown(VK_MENU));
}

int ViewMapping::userActsElsewhere()
{
    // What the user does besides the tool's press waits in the queue for the main loop, which
    // handles it once the tool has ended and stored its work: a Ctrl+S saves it. Esc is taken
    // here, so that nothing else acts on it.
    MSG next;
    if (!PeekMessageA(&next, nullptr, 0, 0, PM_NOREMOVE))
        return 0;
    const UserPressRules::Act act = userActOf(next);
    if (act == UserPressRules::Act::Cancels)
        (void)PeekMessageA(&next, next.hwnd, next.message, next.message, PM_REMOVE); // the one just seen
    return act == UserPressRules::Act::Ends || act == UserPressRules::Act::Cancels;
}

int ViewMapping::stepToUserAct(IntPoint& device, int& left, int& right, UserPressRules::Act& act, const MSG*& message)
{
    left = right = 0;
    act = UserPressRules::Act::GoesOn;
    message = nullptr;
    CurrentEvent* event = theCurrentEvent;
    if (!event)
        return 0;
    if (event->abortLoop) {
        event->abortLoop = 0; // a command, or another drawing brought to the front
        return 0;
    }
    if (userActsElsewhere())
        return 0;
    // The press that started the loop is its first act; otherwise what this step fetches, if
    // anything (internal events and empty polls are no acts).
    const unsigned seen = event->fetchCount;
    const int starting = takeStartingPress();
    if (!starting)
        pumpStep(0); // waits a moment at most, so that the next message is looked at first
    showCursorPosition(context);
    if (quitting() || shortcutEndsLoop())
        return 0;
    (void)readMousePoint(device, left, right, 0);
    if (!starting && event->fetchCount == seen)
        return 1;
    message = &event->fetched;
    act = userActOf(*message);
    return act != UserPressRules::Act::Ends && act != UserPressRules::Act::Cancels;
}

int ViewMapping::waitUserPress(int& typed)
{
    typed = 0;
    Window* view = window();
    if (!view || !view->hwnd() || !theCurrentEvent)
        return loopCode(MouseLoopResult::Ended);
    // What is typed meanwhile belongs to the tool.
    if (!sameWindow(GetFocus(), view->hwnd()))
        (void)SetFocus(view->hwnd()); // the previous focus, or null: nothing to keep
    MouseLoopResult result = MouseLoopResult::Ended;
    IntPoint device;
    int left = 0, right = 0;
    UserPressRules::Act act;
    const MSG* message = nullptr;
    while (stepToUserAct(device, left, right, act, message)) {
        if (message && message->message == WM_CHAR && sameWindow(message->hwnd, view->hwnd()))
            typed = static_cast<int>(message->wParam & 0xFF);
        if (act == UserPressRules::Act::LeftPress || act == UserPressRules::Act::RightPress) {
            result = act == UserPressRules::Act::LeftPress ? MouseLoopResult::LeftClick : MouseLoopResult::RightClick;
            break;
        }
        // A button held down in the view area counts as its press, as in every other loop.
        if (isInViewArea(device) && (left || right)) {
            result = left ? MouseLoopResult::LeftClick : MouseLoopResult::RightClick;
            break;
        }
    }
    if (context && result != MouseLoopResult::Ended)
        (void)context->restartTimer(); // 0 without a tick stamp: nothing measures the click
    return loopCode(result);
}

int ViewMapping::nextUserStep(IntPoint& device, int& left, int& press)
{
    press = 0;
    Window* view = window();
    if (!view || !view->hwnd()) {
        left = 0;
        return 0;
    }
    int right = 0;
    UserPressRules::Act act;
    const MSG* message = nullptr;
    if (!stepToUserAct(device, left, right, act, message))
        return 0;
    press = act == UserPressRules::Act::LeftPress ? 1 : act == UserPressRules::Act::RightPress ? 2 : 0;
    return 1;
}

int ViewMapping::mouseWorldXY(double& x, double& y)
{
    x = y = 0.0;
    if (!window())
        return 0;
    IntPoint device;
    cursorPosition(device);
    double z = 0.0;
    deviceToWorld(device, &x, &y, &z);
    return 1;
}

// The zoom tool

void ViewMapping::setDirectionCursor()
{
    if (!theMouseState)
        return;
    if (lastZoomDirection == 1)
        theMouseState->setZoomInCursor();
    else if (lastZoomDirection == 2)
        theMouseState->setZoomOutCursor();
    else
        theMouseState->setMagnifierCursor();
}

int ViewMapping::handleZoomKey(int character)
{
    switch (ZoomRules::zoomKeyAction(character)) {
    case ZoomRules::KeyAction::DirectionIn:
        lastZoomDirection = 1;
        setDirectionCursor();
        return 1;
    case ZoomRules::KeyAction::DirectionOut:
        lastZoomDirection = 2;
        setDirectionCursor();
        return 1;
    case ZoomRules::KeyAction::FitSheet:
        (void)fitSheet(); // a sheet that cannot be fitted keeps the zoom
        return 1;
    case ZoomRules::KeyAction::SetZoom:
        return setZoomTo(character - '0');
    default:
        return 0;
    }
}

void ViewMapping::zoomByClick(const IntPoint& at, int direction)
{
    double x = 0.0, y = 0.0, z = 0.0;
    deviceToWorld(at, &x, &y, &z);
    if (direction == 1 && zoom < maxZoom)
        (void)setZoom(2.0 * zoom); // twice a usable zoom is usable
    else if (direction == 2 && minZoom < zoom)
        (void)setZoom(0.5 * zoom);
    else
        return;
    centreOn(x, y);
}

int ViewMapping::rectangleZoom(const IntPoint& start)
{
    IntPoint end = start;
    IntPoint shown = start;
    int left = 1, right = 0, polled = 1;
    Window* view = window();
    while (left) {
        IntPoint point;
        polled = nextMousePoint(point, left, right, 0);
        if (quitting())
            break;
        end = point;
        if (!polled && !left)
            break;
        if (!polled || (end.x == shown.x && end.y == shown.y))
            continue;
        shown = end;
        // The painter's picture, then the frame over it.
        if (ViewUpdater* updater = context ? context->updater : nullptr)
            updater->flushPainter();
        if (view && view->hwnd()) {
            IntRect area;
            viewArea(area);
            int dx = end.x - start.x, dy = end.y - start.y;
            ZoomRules::fitToAspect(dx, dy, area.width(), area.height());
            RgbColor black;
            black.setBlack();
            view->dc.setCopyPen();
            view->dc.drawFrame(PenSpec(black, 1, 1), IntRect::fromEdges(start.x, start.y, start.x + dx, start.y + dy), 1);
        }
    }
    IntRect area;
    viewArea(area);
    const int heldLongEnough = context ? !context->notYet150ms() : 1;
    const ZoomRules::RectangleZoom decision =
        ZoomRules::decideRectangleZoom(start, end, heldLongEnough, area.width(), area.height(), zoom, maxZoom);
    if (!decision.happens)
        return 0;
    if (!polled)
        return -1;
    double x = 0.0, y = 0.0, z = 0.0;
    deviceToWorld(decision.centre, &x, &y, &z);
    (void)setZoom(decision.zoom);
    centreOn(x, y);
    return 1;
}

int ViewMapping::zoomByMouse()
{
    if (theImeGuard)
        theImeGuard->disable();
    setDirectionCursor();
    if (theMouseState) {
        theMouseState->releaseLeft();
        theMouseState->clearRightButton();
    }
    MouseLoopResult outcome = MouseLoopResult::Ended;
    IntPoint point;
    for (;;) {
        showCursorPosition(context);
        if (shortcutEndsLoop())
            break;
        int left = 0, right = 0;
        if (!nextMousePoint(point, left, right, 1))
            break;
        if (left) {
            outcome = MouseLoopResult::LeftClick;
            break;
        }
        if (right) {
            outcome = MouseLoopResult::RightClick;
            break;
        }
        if (const int character = typedCharacter(); character && handleZoomKey(character)) {
            outcome = MouseLoopResult::Key;
            break;
        }
    }
    if (context && (outcome == MouseLoopResult::LeftClick || outcome == MouseLoopResult::RightClick))
        (void)context->restartTimer(); // 0 without a tick stamp: every drag then counts as held long enough
    if (outcome == MouseLoopResult::LeftClick) {
        const int zoomed = rectangleZoom(point);
        if (zoomed == 0)
            zoomByClick(point, lastZoomDirection);
        else if (zoomed < 0)
            outcome = MouseLoopResult::Ended;
    } else if (outcome == MouseLoopResult::RightClick) {
        zoomByClick(point, lastZoomDirection == 1 ? 2 : 1);
    }
    if (outcome != MouseLoopResult::Ended)
        postMouseMove();
    if (theImeGuard)
        theImeGuard->restore();
    return loopCode(outcome);
}
