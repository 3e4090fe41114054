// The rubber band of the select tool: tracking the mouse from the press point, drawing the band,
// and choosing the elements of the rectangle through the mask index.
#include <cstdint>

#include "document/DocumentContext.h"
#include "document/ElementMaskIndex.h"
#include "document/SelectToolBase.h"
#include "document/Selection.h"
#include "document/ViewUpdater.h"
#include "geometry/PickSettings.h"
#include "geometry/ViewParams.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "platform/MouseSource.h"
#include "platform/MouseState.h"
#include "platform/Pen.h"

namespace {

// The band's dashes: 5 pixels on, 5 off.
constexpr int kDash = 5;
constexpr int kDashPeriod = 10;
// Milliseconds between two redraws of a resting band.
constexpr DWORD kBandInterval = 80;
// A release sooner than this after the press is a click, not a drag.
constexpr DWORD kClickTime = 150;
// The outline of a plain drag: the default pick colour (cyan) until the pick settings carry one.
const RgbColor kPickColour(0, 255, 255);

int encloseModeNow() { return thePickSettings ? thePickSettings->encloseMode : PickSettings::kWhole; }

// The offset that starts drawDashSegments' pattern at a phase: the first dash is shortened by the
// phase (phases below 5), or starts after the rest of the gap (phases 5 to 9).
int dashOffsetFor(int phase) { return phase == 0 ? 0 : kDashPeriod - phase; }

} // namespace

int Selection::enclosesWhole(int encloseMode, int shift)
{
    if (encloseMode == PickSettings::kWhole)
        return shift ? 0 : 1;
    if (encloseMode == PickSettings::kPart || encloseMode == static_cast<int>(PickStyle::Marks))
        return shift ? 1 : 0;
    return -1;
}

int Selection::isLongDrag(const IntPoint& press, const IntPoint& release)
{
    const long long dx = static_cast<long long>(release.x) - press.x;
    const long long dy = static_cast<long long>(release.y) - press.y;
    return dx * dx + dy * dy >= 9;
}

// The whole-enclose arrow while a drag picks whole elements, the part-enclose arrow otherwise.
void Selection::showEncloseCursor(int shift) const
{
    if (!theMouseState)
        return;
    if (enclosesWhole(encloseModeNow(), shift) == 1)
        theMouseState->setArrowACursor();
    else
        theMouseState->setArrowPCursor();
}

int Selection::bandCorners(IntPoint& topLeft, IntPoint& bottomRight)
{
    ViewParams* view = owner ? owner->view : nullptr;
    if (!view)
        return 0;
    view->worldToDeviceClamped(startX, startY, &topLeft);
    view->worldToDeviceClamped(endX, endY, &bottomRight);
    return 1;
}

int Selection::drawBand(int throttled)
{
    ViewUpdater* updater = owner ? owner->updater : nullptr;
    DeviceContext* overlay = updater ? updater->overlaySurface() : nullptr;
    if (!pending || !overlay)
        return 0;
    if (throttled) {
        if (bandTimer.notElapsed(kBandInterval))
            return 1;
        bandTimer.start();
    }
    IntPoint a, b;
    if (!bandCorners(a, b))
        return 0;
    dashPhase = (dashPhase + 1) % kDashPeriod;
    const int offset = dashOffsetFor(dashPhase);
    const PenSpec pen(RgbColor(0, 0, 0), 1, 1);
    updater->copyPainterToOverlay();
    overlay->drawDashSegments(pen, a.x, a.y, b.x, a.y, kDash, kDash, offset);
    overlay->drawDashSegments(pen, b.x, a.y, b.x, b.y, kDash, kDash, offset);
    overlay->drawDashSegments(pen, b.x, b.y, a.x, b.y, kDash, kDash, offset);
    overlay->drawDashSegments(pen, a.x, b.y, a.x, a.y, kDash, kDash, offset);
    updater->flushOverlay();
    return 1;
}

void Selection::drawOutline()
{
    ViewUpdater* updater = owner ? owner->updater : nullptr;
    DeviceContext* overlay = updater ? updater->overlaySurface() : nullptr;
    IntPoint a, b;
    if (!overlay || !bandCorners(a, b))
        return;
    const PenSpec pen(kPickColour, 1, 1);
    updater->copyPainterToOverlay();
    IntRect rect;
    rect.left = a.x < b.x ? a.x : b.x;
    rect.right = a.x < b.x ? b.x : a.x;
    rect.top = a.y < b.y ? a.y : b.y;
    rect.bottom = a.y < b.y ? b.y : a.y;
    overlay->drawRectSides(pen, rect, 1, 1, 1, 1);
    updater->flushOverlay();
}

int Selection::selectInRect()
{
    ViewParams* view = owner ? owner->view : nullptr;
    if (!view)
        return 0;
    pending = 0;
    SelectToolBase* tool = owner->selectTool;
    double pressX = 0.0, pressY = 0.0;
    if (tool)
        tool->getPressPoint(pressX, pressY);
    startX = endX = pressX;
    startY = endY = pressY;
    int shift = isShiftDown();
    showEncloseCursor(shift);

    IntPoint press;
    view->worldToDevice(pressX, pressY, &press);
    IntPoint last = press;
    IntPoint point = press;
    int left = 0, right = 0;
    while (view->nextMousePoint(point, left, right)) {
        const int shiftNow = isShiftDown();
        if (shiftNow != shift) {
            shift = shiftNow;
            showEncloseCursor(shift);
        }
        const int control = isControlDown();
        if (control && !pending) {
            if (theMouseState)
                theMouseState->setCrossCursor();
            pending = 1;
        } else if (!control && pending) {
            pending = 0;
            showEncloseCursor(shift);
        }
        if (point.x == last.x && point.y == last.y) {
            if (left)
                (void)drawBand(1); // nothing pending: no band to keep moving
        } else {
            last = point;
            double z = 0.0;
            view->deviceToWorld(point, &endX, &endY, &z);
            if (left && !drawBand(0) && thePickSettings)
                drawOutline();
        }
        if (!left)
            break;
    }

    if (theMouseState)
        theMouseState->setArrowCursor();
    if (owner->notYet150ms())
        return 0;
    if (!isLongDrag(press, last))
        return 0;
    clear();
    if (pending)
        return 1;
    const int whole = enclosesWhole(encloseModeNow(), shift);
    return whole < 0 ? 0 : gatherInRect(whole);
}

// The select tool tests the mask index's candidates of the rectangle on the current page.
int Selection::gatherInRect(int whole)
{
    SelectToolBase* tool = owner->selectTool;
    ElementMaskIndex* index = owner->maskIndex;
    if (!tool || !index)
        return 0;
    const double minX = startX < endX ? startX : endX;
    const double maxX = startX < endX ? endX : startX;
    const double minY = startY < endY ? startY : endY;
    const double maxY = startY < endY ? endY : startY;
    GlobalBlock candidates(100, 4);
    const int n = index->query(index->maskOfRange(minX, maxX, 1), index->maskOfRange(minY, maxY, 2), 0xFF,
                               owner->currentPage(), candidates);
    tool->setSelectionRect(minX, minY, maxX, maxY);
    for (int i = 0; i < n; ++i) {
        int32_t id = 0;
        if (candidates.get(i, &id) && tool->testCandidate(id, whole))
            add(id);
    }
    return count;
}
