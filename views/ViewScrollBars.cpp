#include "views/ViewScrollBars.h"

#include <climits>
#include <cmath>
#include <cstdlib>

#include "document/DocumentContext.h"
#include "document/StatusBarPanes.h"
#include "geometry/PaperSettings.h"
#include "platform/ChildScrollBar.h"
#include "platform/CurrentEvent.h"
#include "platform/MouseSource.h"
#include "platform/Window.h"
#include "views/OffscreenPainter.h"
#include "views/ViewMapping.h"

namespace {
// Pixel extents beyond this are no sheet any longer; they are cut so that the step stays an int.
const double kMaxExtent = 1e15;
const int kContextMenuEvent = 6160;

int positionOf(ChildScrollBar* bar) { return bar ? bar->position() : 0; }
int rangeOf(ChildScrollBar* bar) { return bar ? bar->maximum : 0; }

int clampInt(long long v, long long low, long long high) { return static_cast<int>(v < low ? low : v > high ? high : v); }

void showCursorOf(DocumentContext* context)
{
    if (context && context->statusBar)
        context->statusBar->showCursorPosition();
}
} // namespace

ViewMapping* ViewScrollBars::view() const { return context ? dynamic_cast<ViewMapping*>(context->view) : nullptr; }

void ViewScrollBars::extents(double& width, double& height) const
{
    width = height = 0.0;
    ViewMapping* v = view();
    const PaperSettings* paper = context ? context->paper : nullptr;
    if (!v || !paper)
        return;
    const double w = paper->bandMm(1) + paper->paperWidthMm() + paper->bandMm(2) + 2.0 * v->marginX;
    const double h = paper->bandMm(0) + paper->paperHeightMm() + paper->bandMm(3) + 2.0 * v->marginY;
    width = v->lengthToPixels(w, 0);
    height = v->lengthToPixels(h, 0);
    width = std::isfinite(width) ? std::fmin(std::fmax(width, 0.0), kMaxExtent) : 0.0;
    height = std::isfinite(height) ? std::fmin(std::fmax(height, 0.0), kMaxExtent) : 0.0;
}

void ViewScrollBars::computeStep()
{
    double w = 0.0, h = 0.0;
    extents(w, h);
    const long long m = static_cast<long long>(w > h ? w : h);
    step = 1;
    // The smallest step for which m / step (integer division) is at most maxPositions, found by
    // division rather than by counting up.
    if (m >= 1 && maxPositions >= 1)
        step = clampInt(m / (maxPositions + 1LL) + 1, 1, INT_MAX / 4);
}

void ViewScrollBars::setRanges(int hPosition, int vPosition)
{
    double w = 0.0, h = 0.0;
    extents(w, h);
    ChildScrollBar* bars[2] = {hBar, vBar};
    const double sizes[2] = {w, h};
    const int positions[2] = {hPosition, vPosition};
    for (int i = 0; i < 2; ++i) {
        if (!bars[i])
            continue;
        const int range = clampInt(static_cast<long long>(sizes[i]) / step, 0, maxPositions);
        bars[i]->lineStep = kLineSize;
        bars[i]->setRange(0, range, bars[i]->page > 0 ? bars[i]->page : kInitialPage);
        bars[i]->setPosition(positions[i], TRUE);
    }
}

int ViewScrollBars::resetToOrigin()
{
    computeStep();
    setRanges(0, 0);
    updatePageSizes();
    return applyToView();
}

int ViewScrollBars::resetRanges()
{
    if (!view() || (!hBar && !vBar))
        return 0;
    const int oldH = positionOf(hBar), oldV = positionOf(vBar);
    const int oldRangeH = rangeOf(hBar), oldRangeV = rangeOf(vBar);
    const int oldStep = step;
    computeStep();
    double w = 0.0, h = 0.0;
    extents(w, h);
    const long long newRangeH = clampInt(static_cast<long long>(w) / step, 0, maxPositions);
    const long long newRangeV = clampInt(static_cast<long long>(h) / step, 0, maxPositions);
    // The same relative place on the new ranges.
    const int h2 = oldRangeH >= 1 ? static_cast<int>(newRangeH * oldH / oldRangeH) : 0;
    const int v2 = oldRangeV >= 1 ? static_cast<int>(newRangeV * oldV / oldRangeV) : 0;
    setRanges(h2, v2);
    updatePageSizes();
    const int moved = applyToView();
    return moved || step != oldStep || rangeOf(hBar) != oldRangeH || rangeOf(vBar) != oldRangeV ||
           positionOf(hBar) != oldH || positionOf(vBar) != oldV;
}

void ViewScrollBars::updatePageSizes()
{
    IntRect area;
    viewAreaOf(context, area);
    ChildScrollBar* bars[2] = {hBar, vBar};
    const int sizes[2] = {area.width(), area.height()};
    for (int i = 0; i < 2; ++i) {
        if (!bars[i])
            continue;
        const int page = sizes[i] / step > 0 ? sizes[i] / step : 1;
        bars[i]->setRangeKeepPosition(bars[i]->minimum, bars[i]->maximum, page);
    }
}

int ViewScrollBars::applyToView()
{
    ViewMapping* v = view();
    if (!v)
        return 0;
    const int x = clampInt(static_cast<long long>(positionOf(hBar)) * step, 0, INT_MAX / 4);
    const int y = clampInt(static_cast<long long>(positionOf(vBar)) * step, 0, INT_MAX / 4);
    const int changed = (hBar && x != v->scrollX) || (vBar && y != v->scrollY);
    if (hBar)
        v->scrollX = x;
    if (vBar)
        v->scrollY = y;
    return changed;
}

void ViewScrollBars::centreOn(double x, double y)
{
    ViewMapping* v = view();
    if (!v || !std::isfinite(x) || !std::isfinite(y))
        return;
    computeStep();
    IntRect area;
    viewAreaOf(context, area);
    const IntPoint centre = area.center();
    const int h = clampInt((static_cast<long long>(v->unscrolledDeviceX(x)) - centre.x) / step, 0, INT_MAX);
    const int w = clampInt((static_cast<long long>(v->unscrolledDeviceY(y)) - centre.y) / step, 0, INT_MAX);
    setRanges(h, w);
    // A position the bar did not take (its page was not known yet) is set once more.
    if ((hBar && positionOf(hBar) != h) || (vBar && positionOf(vBar) != w)) {
        updatePageSizes();
        setRanges(h, w);
    }
    updatePageSizes();
    (void)applyToView(); // the caller refreshes the view whether or not an offset changed
}

int ViewScrollBars::onHScroll()
{
    Window* window = viewWindowOf(context);
    if (!hBar || !window)
        return 0;
    DcScope scope(window->dc);
    hBar->handleScrollEvent();
    return 1;
}

int ViewScrollBars::onVScroll()
{
    Window* window = viewWindowOf(context);
    if (!vBar || !window)
        return 0;
    DcScope scope(window->dc);
    vBar->handleScrollEvent();
    return 1;
}

int ViewScrollBars::scrollBy(int dx, int dy)
{
    int moved = 0;
    if (dx && hBar) {
        const int before = hBar->position();
        hBar->scrollLinesAndOwner(dx);
        moved |= hBar->position() != before;
    }
    if (dy && vBar) {
        const int before = vBar->position();
        vBar->scrollLinesAndOwner(dy);
        moved |= vBar->position() != before;
    }
    return moved;
}

int ViewScrollBars::stepBar(ChildScrollBar* bar, int steps, int offset)
{
    if (!bar || !view())
        return 0;
    const int position = bar->position();
    // A bar that moved (its message, a pan) tells by how much; one that was not moved yet
    // follows the call.
    if (static_cast<long long>(position) * step == offset)
        bar->setPosition(clampInt(static_cast<long long>(position) - steps, 0, bar->maxPosition()), TRUE);
    return applyToView();
}

int ViewScrollBars::stepHorizontally(int steps)
{
    ViewMapping* v = view();
    return v ? stepBar(hBar, steps, v->scrollX) : 0;
}

int ViewScrollBars::stepVertically(int steps)
{
    ViewMapping* v = view();
    return v ? stepBar(vBar, steps, v->scrollY) : 0;
}

int ViewScrollBars::autoScroll()
{
    ViewMapping* v = view();
    if (!v)
        return 0;
    IntRect client;
    v->clientRect(client);
    IntPoint cursor;
    v->cursorPosition(cursor);
    const int dx = cursor.x < client.left ? -1 : cursor.x > client.right ? 1 : 0;
    const int dy = cursor.y < client.top ? -1 : cursor.y > client.bottom ? 1 : 0;
    return dx || dy ? scrollBy(dx, dy) : 0;
}

int ViewScrollBars::panBy(int dx, int dy, int shift)
{
    if (!context || !view())
        return 0;
    if (shift) {
        if (std::abs(dx) >= std::abs(dy))
            dy = 0;
        else
            dx = 0;
    }
    ChildScrollBar* bars[2] = {hBar, vBar};
    const int distances[2] = {dx, dy};
    int moved[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        if (!bars[i] || distances[i] == 0)
            continue;
        const int old = bars[i]->position();
        const int now = clampInt(static_cast<long long>(old) - distances[i] / step, 0, bars[i]->maxPosition());
        if (now != old) {
            bars[i]->setPosition(now, TRUE);
            moved[i] = old - bars[i]->position();
        }
    }
    if (!moved[0] && !moved[1])
        return 0;
    (void)applyToView(); // the positions changed, so the offsets did
    (void)context->scrollViewBy(moved[0], moved[1]); // 0 without a redraw manager: the view is refreshed anyway
    return 1;
}

void ViewScrollBars::panTowards(IntPoint& reference, const IntPoint& point)
{
    const int dx = point.x - reference.x;
    const int dy = point.y - reference.y;
    if (std::abs(dx) < step && std::abs(dy) < step)
        return;
    (void)panBy(dx, dy, isShiftDown()); // at the bars' ends nothing moves
    if (std::abs(dx) >= step)
        reference.x = point.x;
    if (std::abs(dy) >= step)
        reference.y = point.y;
}

void ViewScrollBars::dragPan()
{
    ViewMapping* v = view();
    Window* window = viewWindowOf(context);
    if (window && window->hwnd())
        window->setCapture();
    IntPoint reference;
    v->cursorPosition(reference);
    for (;;) {
        showCursorOf(context);
        IntPoint point;
        int left = 0, right = 0;
        if (!v->nextMousePoint(point, left, right) || !left)
            break;
        panTowards(reference, point);
    }
    if (window && window->hwnd())
        ReleaseCapture();
}

int ViewScrollBars::handTool()
{
    ViewMapping* v = view();
    if (!v)
        return 0;
    const int result = v->waitClick(0);
    if (result == 11)
        dragPan();
    else if (result == 21 && theCurrentEvent)
        (void)theCurrentEvent->postDeferredCommand(kContextMenuEvent); // a full queue loses the menu only
    v->postMouseMove();
    return result;
}

int ViewScrollBars::middleButtonPan()
{
    ViewMapping* v = view();
    if (!v)
        return 0;
    Window* window = viewWindowOf(context);
    if (window && window->hwnd())
        window->setCapture();
    IntPoint reference;
    v->cursorPosition(reference);
    int left = 0, right = 0;
    while (isMiddleButtonDown()) {
        showCursorOf(context);
        if (!pollMouseButtons(left, right))
            break;
        IntPoint point;
        v->cursorPosition(point);
        panTowards(reference, point);
    }
    if (window && window->hwnd())
        ReleaseCapture();
    return 1;
}
