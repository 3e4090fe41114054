#include "views/tools/InputPointList.h"

#include <windows.h>

#include "document/DocumentContext.h"
#include "document/StatusBarPanes.h"
#include "geometry/MouseLoopResult.h"
#include "geometry/Point.h"
#include "geometry/ViewParams.h"
#include "platform/IntPoint.h"
#include "platform/MouseSource.h"
#include "platform/Window.h"

namespace {
ViewParams* viewOf(DocumentContext* context) { return context ? context->view : nullptr; }
} // namespace

InputPointList::InputPointList()
{
    (void)points.allocate(0); // one record at creation; a failure shows at the first append
}

InputPointList::~InputPointList() = default;

InputPointList* InputPointList::of(const DocumentContext* context)
{
    return context ? static_cast<InputPointList*>(context->inputPoints) : nullptr;
}

void InputPointList::setOwner(DocumentContext* owner) { context = owner; }
void InputPointList::setFlagWord(int value) { flagWord = value; }
void InputPointList::clear() { points.count = 0; }

int InputPointList::pointAt(int index, Point* out)
{
    Record record;
    if (index < 0 || index >= points.count || !points.get(index, &record))
        return 0;
    if (out)
        *out = Point(record.x, record.y, record.z);
    return 1;
}

int InputPointList::previousPoint(Point* out)
{
    return pointAt(points.count >= 2 ? points.count - 2 : 0, out);
}

int InputPointList::append(const Record& record) { return points.append(&record); }

int InputPointList::appendDevicePoint(const IntPoint& device)
{
    ViewParams* view = viewOf(context);
    if (!view)
        return 0;
    Record record;
    record.deviceX = device.x;
    record.deviceY = device.y;
    view->deviceToWorld(device, &record.x, &record.y, &record.z);
    record.z = 0.0;
    return append(record);
}

int InputPointList::restartAtCursor()
{
    ViewParams* view = viewOf(context);
    if (!view)
        return 0;
    clear();
    IntPoint cursor;
    view->cursorPosition(cursor);
    return appendDevicePoint(cursor);
}

void InputPointList::showCursorPosition()
{
    if (context && context->statusBar)
        context->statusBar->showCursorPosition();
}

void InputPointList::captureMouse()
{
    ViewParams* view = viewOf(context);
    if (Window* window = view ? view->window() : nullptr)
        window->setCapture();
}

void InputPointList::releaseMouse()
{
    if (viewOf(context) && viewOf(context)->window())
        (void)ReleaseCapture(); // fails only when nothing was captured
}

int InputPointList::waitClick(int collectedKind, int)
{
    ViewParams* view = viewOf(context);
    if (!view)
        return loopCode(MouseLoopResult::Ended);
    stop = 0;
    kind = collectedKind;
    clear();
    MouseLoopResult result = MouseLoopResult::Ended;
    IntPoint device;
    for (;;) {
        (void)context->caretRefresh(); // 0 without a caret to show
        showCursorPosition();
        int left = 0, right = 0;
        // The poll answers 0 when interrupted, quitting or addressed to another window.
        const int polled = view->nextMousePoint(device, left, right, 1);
        if (stop || !polled)
            break;
        if (left || right) {
            result = left ? MouseLoopResult::LeftClick : MouseLoopResult::RightClick;
            break;
        }
    }
    // The clicks are timed from the last press; a wait that ended without one leaves the time.
    if (result != MouseLoopResult::Ended)
        (void)context->restartTimer(); // 0 without a tick stamp
    if (result == MouseLoopResult::LeftClick && !appendDevicePoint(device))
        result = MouseLoopResult::Ended;
    return loopCode(result);
}

int InputPointList::waitLeftRelease()
{
    ViewParams* view = viewOf(context);
    if (!isLeftButtonDown())
        return loopCode(MouseLoopResult::Released);
    if (!view)
        return loopCode(MouseLoopResult::Ended);
    for (;;) {
        showCursorPosition();
        IntPoint device;
        int left = 0, right = 0;
        if (!view->nextMousePoint(device, left, right))
            return loopCode(MouseLoopResult::Ended);
        if (!left)
            return loopCode(MouseLoopResult::Released);
    }
}
