#include "views/RedrawManager.h"

#include <algorithm>
#include <map>
#include <new>
#include <vector>
#include <windows.h>

#include "document/DocumentContext.h"
#include "document/DrawingGrid.h"
#include "document/Element.h"
#include "document/ElementMaskIndex.h"
#include "document/ElementStore.h"
#include "document/FileErrorReporter.h"
#include "document/PagePainter.h"
#include "document/PageTabBar.h"
#include "document/PrintSettings.h"
#include "document/ShapeOp.h"
#include "document/SheetSettings.h"
#include "document/StatusBarPanes.h"
#include "document/TextCaretPlace.h"
#include "geometry/ViewParams.h"
#include "platform/EventRouter.h"
#include "platform/Region.h"
#include "platform/TickTimer.h"
#include "platform/Window.h"
#include "platform/WindowHandle.h"
#include "views/OffscreenPainter.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/SelectTool.h"

namespace {
// The drawings whose miniatures wait for their timer, by timer id.
std::map<UINT_PTR, RedrawManager*>& waitingMiniatures()
{
    static std::map<UINT_PTR, RedrawManager*> waiting;
    return waiting;
}

// 1 while a handler is running its own loop (a tool following the mouse, a progress window): a
// miniature would draw the page through the view in the middle of its work.
int handlerLoopRunning() { return theEventRouter && theEventRouter->depth > 0; }

// 1 when the window is the active drawing window of its frame (the navigator and the page bar
// show that drawing), or has no frame of drawing windows.
int isActiveDrawingWindow(HWND window)
{
    for (HWND child = window; child; child = GetParent(child)) {
        HWND parent = GetParent(child);
        char name[16] = {};
        if (parent && GetClassNameA(parent, name, sizeof name) && lstrcmpiA(name, "MDIClient") == 0)
            return sameWindow(reinterpret_cast<HWND>(SendMessageA(parent, WM_MDIGETACTIVE, 0, 0)), child);
    }
    return 1;
}
} // namespace

RedrawManager::~RedrawManager()
{
    cancelMiniatureTimer();
    delete spare;
}

void RedrawManager::scheduleMiniatures(int what)
{
    miniaturesBehind |= what;
    scheduledAt = GetTickCount();
    // The same id starts a running timer again.
    const UINT_PTR id = SetTimer(nullptr, miniatureTimer, kMiniatureDelayMs, &RedrawManager::onMiniatureTimer);
    if (id == miniatureTimer)
        return;
    cancelMiniatureTimer();
    miniatureTimer = id;
    if (miniatureTimer)
        waitingMiniatures()[miniatureTimer] = this;
}

void RedrawManager::cancelMiniatureTimer()
{
    if (!miniatureTimer)
        return;
    KillTimer(nullptr, miniatureTimer);
    waitingMiniatures().erase(miniatureTimer);
    miniatureTimer = 0;
}

void CALLBACK RedrawManager::onMiniatureTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    auto found = waitingMiniatures().find(id);
    if (found == waitingMiniatures().end()) {
        KillTimer(nullptr, id);
        return;
    }
    RedrawManager* manager = found->second;
    // A message of the timer that came due while a change was under way: the delay runs from
    // the last change.
    const DWORD since = GetTickCount() - manager->scheduledAt;
    if (since < kMiniatureDelayMs) {
        (void)SetTimer(nullptr, id, kMiniatureDelayMs - since, &RedrawManager::onMiniatureTimer);
        return;
    }
    // A drawing that is not the active one is shown again when it becomes active.
    Window* window = viewWindowOf(manager->context);
    if (!handlerLoopRunning() && window && !isActiveDrawingWindow(window->hwnd())) {
        manager->cancelMiniatureTimer();
        return;
    }
    manager->catchUpMiniatures();
}

PainterBase* RedrawManager::painter() const { return context ? context->pagePainter : nullptr; }

DeviceContext* RedrawManager::painterSurface() const
{
    PainterBase* p = painter();
    return p ? p->surface() : nullptr;
}

DeviceContext* RedrawManager::windowSurface() const
{
    Window* window = viewWindowOf(context);
    return window ? &window->dc : nullptr;
}

PainterBase* RedrawManager::overlay()
{
    if (!theOverlayPainter || !context)
        return nullptr;
    theOverlayPainter->setContext(context);
    return theOverlayPainter->ensureBitmap() ? theOverlayPainter : nullptr;
}

void RedrawManager::setUpdateArea(const IntRect& r)
{
    updateRect = r;
    worldRect.clear();
    if (!context || !context->view)
        return;
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
    context->view->deviceToWorldXY(IntPoint(r.left, r.top), &x1, &y1);
    context->view->deviceToWorldXY(IntPoint(r.right, r.bottom), &x2, &y2);
    worldRect.set(y1 < y2 ? y1 : y2, x1 < x2 ? x1 : x2, x1 < x2 ? x2 : x1, y1 < y2 ? y2 : y1);
}

void RedrawManager::resetPainter()
{
    PainterBase* p = painter();
    if (!p)
        return;
    (void)p->ensureBitmap(); // a window that came late gets its bitmap here; without one nothing draws
    p->clear();
    setUpdateArea(p->bitmapRect());
}

void RedrawManager::flushPainter()
{
    PainterBase* p = painter();
    if (!p)
        return;
    // A flush while the page is drawn into the painter shows it only in part: an element that
    // shows a message box as it draws (a picture whose file cannot be read) runs the box's own
    // loop, in which the view paints. The page is copied again once it is drawn whole.
    if (drawingIntoPainter > 0)
        flushedWhileDrawing = 1;
    marksOnWindow = 0;
    marksWiped = 0;
    IntRect area;
    viewAreaOf(context, area);
    (void)p->copyToWindow(&area); // 0 without a window or bitmap: nothing to show
}

void RedrawManager::paintWindow()
{
    // A second paint before the idle step leaves the marks waiting.
    const int wiped = marksOnWindow || marksWiped;
    flushPainter();
    marksWiped = wiped;
}

void RedrawManager::refreshAll()
{
    forgetChanges();
    resetPainter();
    redrawPage();
    miniaturesBehind = 0;
    if (thePagePainter)
        thePagePainter->refresh(context);
    if (thePageTabBar)
        thePageTabBar->refresh(context);
}

void RedrawManager::refreshViewFirst()
{
    forgetChanges();
    resetPainter();
    redrawPage();
    scheduleMiniatures(kNavigatorRedrawn | kPagesRedrawn);
}

void RedrawManager::refreshAfterReset()
{
    theFileErrorReporter.reset();
    forgetChanges();
    resetPainter();
    redrawPage();
    // The view first; the navigator shown again and the page's cell of the page bar at the next
    // idle step.
    scheduleMiniatures(kNavigatorShown);
}

void RedrawManager::forgetChanges()
{
    if (!context || !context->maskIndex)
        return;
    context->maskIndex->forgetChangedArea();
    // A drawing shown in a window repaints where the ink of its changes is on the view.
    if (painter() && viewWindowOf(context))
        context->maskIndex->keepChangedParts();
}

namespace {
// The side of a tile of the view, in pixels: a change repaints the tiles its parts meet.
constexpr int kTile = 32;

} // namespace

// The tiles of a rectangle of the view that changed parts meet, and the rectangles they make.
class RedrawManager::ChangedTiles {
public:
    explicit ChangedTiles(const IntRect& rect)
        : area(rect), columns((rect.width() + kTile - 1) / kTile), rows((rect.height() + kTile - 1) / kTile),
          sums(static_cast<size_t>(columns + 1) * static_cast<size_t>(rows + 1), 0)
    {
    }

    // Before finish: the tiles that r meets are marked.
    void mark(const IntRect& r)
    {
        const IntRect c = intersectionOf(r, area);
        if (c.width() <= 0 || c.height() <= 0)
            return;
        const int x0 = (c.left - area.left) / kTile, x1 = (c.right - 1 - area.left) / kTile + 1;
        const int y0 = (c.top - area.top) / kTile, y1 = (c.bottom - 1 - area.top) / kTile + 1;
        // Corners of a difference table, summed at finish.
        ++at(y0, x0), --at(y0, x1), --at(y1, x0), ++at(y1, x1);
    }

    // The marks summed: the table then counts the marked tiles above and left of each corner.
    void finish()
    {
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < columns; ++x)
                at(y, x) += (y > 0 ? at(y - 1, x) : 0) + (x > 0 ? at(y, x - 1) : 0) - (y > 0 && x > 0 ? at(y - 1, x - 1) : 0);
        marked.assign(static_cast<size_t>(columns) * static_cast<size_t>(rows), 0);
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < columns; ++x)
                marked[static_cast<size_t>(y) * columns + x] = at(y, x) > 0;
        // From here on, at(y, x) counts the marked tiles of rows < y and columns < x.
        std::fill(sums.begin(), sums.end(), 0);
        for (int y = 1; y <= rows; ++y)
            for (int x = 1; x <= columns; ++x)
                at(y, x) = isMarked(y - 1, x - 1) + at(y - 1, x) + at(y, x - 1) - at(y - 1, x - 1);
    }

    // After finish: 1 when r meets a marked tile.
    [[nodiscard]] int meets(const IntRect& r) const
    {
        const IntRect c = intersectionOf(r, area);
        if (c.width() <= 0 || c.height() <= 0)
            return 0;
        const int x0 = (c.left - area.left) / kTile, x1 = (c.right - 1 - area.left) / kTile + 1;
        const int y0 = (c.top - area.top) / kTile, y1 = (c.bottom - 1 - area.top) / kTile + 1;
        return at(y1, x1) - at(y0, x1) - at(y1, x0) + at(y0, x0) > 0;
    }

    // After finish: the marked tiles as rectangles cut to the area, the runs of each row joined
    // with the same run of the rows below.
    [[nodiscard]] std::vector<IntRect> rects() const
    {
        std::vector<IntRect> out;
        std::map<std::pair<int, int>, size_t> open, next;
        for (int y = 0; y < rows; ++y) {
            next.clear();
            for (int x = 0; x < columns;) {
                if (!isMarked(y, x)) {
                    ++x;
                    continue;
                }
                const int from = x;
                while (x < columns && isMarked(y, x))
                    ++x;
                const IntRect tile = IntRect::fromEdges(area.left + from * kTile, area.top + y * kTile,
                                                        std::min(area.left + x * kTile, area.right),
                                                        std::min(area.top + (y + 1) * kTile, area.bottom));
                const auto found = open.find({from, x});
                if (found != open.end()) {
                    out[found->second].bottom = tile.bottom;
                    next[{from, x}] = found->second;
                } else {
                    next[{from, x}] = out.size();
                    out.push_back(tile);
                }
            }
            open.swap(next);
        }
        return out;
    }

private:
    [[nodiscard]] int& at(int y, int x) { return sums[static_cast<size_t>(y) * (columns + 1) + x]; }
    [[nodiscard]] int at(int y, int x) const { return sums[static_cast<size_t>(y) * (columns + 1) + x]; }
    [[nodiscard]] int isMarked(int y, int x) const { return marked[static_cast<size_t>(y) * columns + x]; }

    IntRect area;
    int columns, rows;
    std::vector<int> sums;
    std::vector<char> marked;
};

void RedrawManager::repaintChanges()
{
    theFileErrorReporter.reset();
    PainterBase* p = painter();
    ElementMaskIndex* index = context ? context->maskIndex : nullptr;
    const double scale = context && context->view ? Element::viewScaleOf(context) : 0.0;
    DoubleRect changed;
    std::vector<DoubleRect> parts; // the area comes from them
    if (!index || !index->takeChangedArea(changed, &parts, scale))
        return;
    // The miniatures follow once the view is repainted (the timer's delay runs from then).
    struct Behind {
        RedrawManager* manager;
        ~Behind() { manager->scheduleMiniatures(kNavigatorRedrawn); }
    } behind{this};
    if (!p || !p->isCreated() || !context->view)
        return;
    const IntRect r = intersectionOf(deviceRect(changed.minX, changed.minY, changed.maxX, changed.maxY, kChangePad),
                                     p->bitmapRect());
    if (r.width() <= 0 || r.height() <= 0)
        return;
    // The tiles of the rectangle that the changed parts meet (all of them when the parts were
    // too many to keep).
    ChangedTiles tiles(r);
    if (parts.empty())
        tiles.mark(r);
    for (const DoubleRect& part : parts)
        tiles.mark(deviceRect(part.minX, part.minY, part.maxX, part.maxY, kChangePad));
    tiles.finish();
    const std::vector<IntRect> rects = tiles.rects();
    // What lies outside the tiles is drawn as it was; inside, the page is drawn again whole
    // (sheet, grid and every element meeting them, in drawing order), so the pixels are those of
    // a full redraw. The elements come from the mask index where it can tell them.
    std::vector<int> ids;
    const int listed = !parts.empty() && elementsMeetingTiles(tiles, r, scale, ids);
    for (const IntRect& rect : rects)
        p->clearRect(rect);
    DeviceContext* dc = p->surface();
    Region clip;
    if (clip.createRects(rects.data(), static_cast<int>(rects.size())))
        (void)dc->selectClipRegion(clip); // fails only for a DC that draws nothing either
    else
        dc->clipToRect(r);
    setUpdateArea(r);
    listedIds = listed ? &ids : nullptr;
    redrawPage();
    listedIds = nullptr;
    dc->resetClip();
    setUpdateArea(p->bitmapRect());
}

void RedrawManager::drawListed(const std::vector<int>& ids)
{
    ElementStore* store = context->elementStore();
    ElementEditorBase* editor = context->editor1;
    ViewParams* view = context->view;
    if (view)
        view->holdMapping(1);
    ElementMaskIndex* index = context->maskIndex;
    for (size_t i = 0; i < ids.size(); ++i) {
        store->prefetchAhead(ids, i);
        if (index)
            index->prefetchAhead(ids, i);
        if (ids[i] != skippedId)
            (void)editor->drawElementById(ids[i]); // answers the next of the page
    }
    if (view)
        view->holdMapping(0);
}

int RedrawManager::indexFindsEveryElement(double scale) const
{
    ElementStore* store = context->elementStore();
    ElementMaskIndex* index = context->maskIndex;
    return store && store == context->ownStore && store->pageTable && index && !redirecting &&
           index->heldAt(scale) == store->liveCount();
}

int RedrawManager::elementsMeetingUpdateArea(std::vector<int>& ids)
{
    // A redraw of the whole painter walks the page: it would make the grid at every first
    // paint, before the texts are measured at the view's scale.
    PainterBase* p = painter();
    if (!p || !context->view)
        return 0;
    const IntRect all = p->bitmapRect();
    if (updateRect.left <= all.left && updateRect.top <= all.top && updateRect.right >= all.right &&
        updateRect.bottom >= all.bottom)
        return 0;
    if (!indexFindsEveryElement(Element::viewScaleOf(context)))
        return 0;
    ElementStore* store = context->elementStore();
    const int page = context->currentPage();
    // A grid filing more ids under the area than the page holds (an id counts once per cell)
    // costs more than the walk; beyond a quarter of the page the walk costs less than the order.
    const size_t count = static_cast<size_t>(store->pageTable->getCount(page));
    const int q = context->maskIndex->queryExtentsUpTo(worldRect, page, count, ids);
    if (q < 0 || ids.size() > count / 4)
        return 0;
    drawingOrder.sortTopFirst(store, page, ids);
    std::reverse(ids.begin(), ids.end());
    return 1;
}

int RedrawManager::elementsMeetingTiles(const ChangedTiles& tiles, const IntRect& r, double scale,
                                        std::vector<int>& ids)
{
    ElementStore* store = context->elementStore();
    ElementMaskIndex* index = context->maskIndex;
    if (!indexFindsEveryElement(scale))
        return 0;
    const int page = context->currentPage();
    // The box of the rectangle grown by the pad, in drawing units: what meets a tile's pad
    // meets it.
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
    context->view->deviceToWorldXY(IntPoint(r.left - kChangePad, r.top - kChangePad), &x1, &y1);
    context->view->deviceToWorldXY(IntPoint(r.right + kChangePad, r.bottom + kChangePad), &x2, &y2);
    DoubleRect box;
    box.set(std::min(y1, y2), std::min(x1, x2), std::max(x1, x2), std::max(y1, y2));
    std::vector<int> found;
    (void)index->queryExtents(box, page, found); // the count is found's size
    // Beyond a quarter of the page the walk costs less than the order.
    if (found.size() > static_cast<size_t>(store->pageTable->getCount(page)) / 4)
        return 0;
    ids.clear();
    for (int id : found) {
        DoubleRect ink;
        if (index->inkExtentOf(id, scale, ink) && tiles.meets(deviceRect(ink.minX, ink.minY, ink.maxX, ink.maxY, kChangePad)))
            ids.push_back(id);
    }
    drawingOrder.sortTopFirst(store, page, ids);
    std::reverse(ids.begin(), ids.end());
    return 1;
}

void RedrawManager::idleStep()
{
    // The marks as the window showed them before the paint, under the element being entered,
    // which the paint drew again over the painter.
    if (marksWiped && !handlerLoopRunning()) {
        marksWiped = 0;
        if (context && context->selectTool && context->hasSelection()) {
            if (context->caret)
                context->caret->suspend();
            beginClip();
            context->selectTool->redrawMarks();
            if (context->editor2)
                context->editor2->redrawInputOverlay();
            endClip();
        }
    }
    catchUpMiniatures();
}

void RedrawManager::catchUpMiniatures()
{
    if (!miniaturesBehind) {
        cancelMiniatureTimer();
        return;
    }
    if (handlerLoopRunning()) {
        scheduleMiniatures(0); // until the handler has returned
        return;
    }
    cancelMiniatureTimer();
    const int behind = miniaturesBehind;
    miniaturesBehind = 0;
    if (thePagePainter) {
        if (behind & kNavigatorRedrawn)
            thePagePainter->refresh(context);
        else
            thePagePainter->show(context);
    }
    if (!thePageTabBar)
        return;
    if (behind & kPagesRedrawn)
        thePageTabBar->refresh(context);
    else
        thePageTabBar->onPageRedrawn(context);
}

void RedrawManager::redrawCurrentPage()
{
    refreshAll();
    flushPainter();
}

void RedrawManager::scrollBy(int dx, int dy)
{
    PainterBase* p = painter();
    if (!p || !p->isCreated())
        return;
    const int steps[2][2] = {{dx, 0}, {0, dy}};
    for (const auto& s : steps) {
        IntRect strip;
        if ((s[0] == 0 && s[1] == 0) || !p->scrollWindow(s[0], s[1], strip))
            continue;
        DeviceContext* dc = p->surface();
        dc->clipToRect(strip);
        setUpdateArea(strip);
        redrawPage();
        dc->resetClip();
        (void)p->copyToWindow(&strip); // 0 without a window: the painter alone is up to date
        setUpdateArea(p->bitmapRect());
    }
    scheduleMiniatures(kNavigatorShown);
}

void RedrawManager::beginClip()
{
    Window* window = viewWindowOf(context);
    if (!window)
        return;
    if (clipDepth++ == 0) {
        // The window's DC is held for the whole bracket, so that the clip lasts.
        window->acquireDC();
        IntRect area;
        viewAreaOf(context, area);
        window->setClipRect(area);
    }
}

void RedrawManager::endClip()
{
    Window* window = viewWindowOf(context);
    if (!window || clipDepth <= 0) {
        clipDepth = 0;
        return;
    }
    if (--clipDepth == 0) {
        window->clearClip();
        window->releaseDC();
    }
}

DeviceContext* RedrawManager::overlaySurface()
{
    PainterBase* o = overlay();
    return o ? o->surface() : nullptr;
}

DeviceContext* RedrawManager::surfaceForOperation(int operation)
{
    switch (operation) {
    case ShapeOp::Draw:
    case ShapeOp::DrawDefault:
        if (!redirecting)
            return painterSurface();
        // A redirect whose target is missing (no page bar, no page painter) draws nothing.
        if (toPageTabBar)
            return thePageTabBar ? thePageTabBar->surface() : nullptr;
        return target ? target->surface() : nullptr;
    case ShapeOp::Erase:
        return painterSurface();
    case ShapeOp::RubberBand:
    case ShapeOp::OverlayPicked:
    case ShapeOp::OverlayStep31:
    case ShapeOp::OverlayStep32:
    case ShapeOp::OverlayStep33:
    case ShapeOp::OverlayStep41: {
        DeviceContext* o = overlaySurface();
        return o ? o : windowSurface();
    }
    case ShapeOp::Print:
    case ShapeOp::PostScript:
        // The target of the print run that is under way (none otherwise).
        return context && context->printSettings ? context->printSettings->outputSurface() : nullptr;
    default:
        return windowStandIn ? windowStandIn : windowSurface();
    }
}

int RedrawManager::drawWindowOnOverlay(int on)
{
    if (!on) {
        if (windowStandIn) {
            flushOverlay(nullptr);
            marksOnWindow = 1;
            marksWiped = 0;
        }
        windowStandIn = nullptr;
        return 0;
    }
    windowStandIn = nullptr;
    if (!windowSurface() || !painterSurface() || !overlay())
        return 0;
    copyPainterToOverlay(nullptr);
    windowStandIn = overlaySurface();
    return windowStandIn != nullptr;
}

void RedrawManager::keepWindowOnOverlay()
{
    if (windowStandIn)
        marksOnWindow = 1; // with the overlay's next flush
    windowStandIn = nullptr;
}

void RedrawManager::redrawPage()
{
    if (!context)
        return;
    if (auto* sheet = dynamic_cast<SheetSettings*>(context->paper))
        (void)sheet->paintSheet(); // 0 without a surface: nothing to paint on
    // The grid lies either under the figures or over them; the other call paints nothing.
    auto* grid = dynamic_cast<DrawingGrid*>(context->grid);
    if (grid)
        (void)grid->paintUnder(); // answers the grid's position; nothing to check here
    drawPageElements();
    if (grid)
        (void)grid->paintOver();
}

void RedrawManager::drawPageElements()
{
    const int intoPainter = !redirecting;
    if (intoPainter)
        ++drawingIntoPainter;
    drawPageElementsInOrder();
    if (intoPainter && --drawingIntoPainter == 0 && flushedWhileDrawing) {
        flushedWhileDrawing = 0;
        flushPainter();
    }
}

void RedrawManager::drawPageElementsInOrder()
{
    if (!drawEnabled || !context)
        return;
    ElementStore* store = context->elementStore();
    ElementEditorBase* editor = context->editor1;
    if (!store || !store->pageTable || !editor)
        return;
    if (listedIds) {
        // A repaint of changed tiles: the elements meeting them, in drawing order.
        drawListed(*listedIds);
        return;
    }
    // A small area (a strip uncovered by a scroll, a zoomed view) draws what the index finds
    // there, passing over what the walk would pass over.
    std::vector<int> meeting;
    if (elementsMeetingUpdateArea(meeting)) {
        drawListed(meeting);
        return;
    }
    const int page = context->currentPage();
    const int count = store->pageTable->getCount(page);
    int id = store->pageTable->getFirst(page);
    // Timed on its own: the drawing's tick stamp measures the user's clicks, and a redraw between
    // two presses (the view uncovered by a dialog that closed) would make the second one a
    // double click.
    TickTimer took;
    took.start();
    if (count < 5)
        showProgress = 0;
    StatusBarPanes* bar = showProgress ? context->statusBar : nullptr;
    if (bar)
        bar->beginProgress(0, count);
    // Nothing the elements do while they draw changes the mapping.
    ViewParams* view = context->view;
    if (view)
        view->holdMapping(1);
    for (int i = 1; i <= count && id >= 1; ++i) {
        if (bar)
            bar->setProgress(i);
        if (id == skippedId) {
            ElementIndexEntry entry;
            id = store->getEntry(id, &entry) ? entry.pageNext : -1;
        } else {
            id = editor->drawElementById(id);
        }
    }
    if (view)
        view->holdMapping(0);
    if (bar)
        bar->endProgress();
    // A page that took half a second shows progress the next time.
    showProgress = took.elapsed(499);
}

int RedrawManager::isOutsideUpdateArea(const DoubleRect* extent)
{
    if (redirecting || !extent)
        return 0;
    return worldRect.intersects(extent, 1) ? 0 : 1;
}

void RedrawManager::repaint()
{
    flushPainter();
    if (showSelectionMarks && context && context->selectTool)
        context->selectTool->redrawMarks();
    // The miniatures wait for a pause after the view is shown, marks and all: the marks of a
    // large selection take long enough for their timer to come due at once.
    if (miniaturesBehind)
        scheduledAt = GetTickCount();
}

void RedrawManager::redirectToPagePainter(int on)
{
    toPagePainter = on;
    redirecting = on;
    target = on ? thePagePainter : nullptr;
}

void RedrawManager::redirectToPageTabBar(int on)
{
    toPageTabBar = on;
    redirecting = on;
    target = nullptr;
}

void RedrawManager::redirectTo(int on, PainterBase* other)
{
    toOther = on;
    redirecting = on;
    target = on ? other : nullptr;
}

void RedrawManager::drawPageOnPagePainter()
{
    redirectToPagePainter(1);
    if (auto* sheet = context ? dynamic_cast<SheetSettings*>(context->paper) : nullptr)
        (void)sheet->paintSheet(); // 0 without the page painter's surface: nothing drawn
    drawPageElements();
    redirectToPagePainter(0);
}

void RedrawManager::drawPageInto(PainterBase* other)
{
    redirectTo(1, other);
    drawPageElements();
    redirectTo(0, other);
}

void RedrawManager::redrawIfRequested(int flags)
{
    if (flags & 2)
        drawPageElements();
}

void RedrawManager::saveToSpare()
{
    PainterBase* p = painter();
    if (!p || !p->isCreated())
        return;
    if (!spare)
        spare = new (std::nothrow) OffscreenPainter;
    if (!spare)
        return;
    spare->setContext(context);
    if (spare->ensureBitmapOfSize(p->bitmapRect()))
        (void)copyPixels(*spare->surface(), *p->surface(), p->bitmapRect());
}

void RedrawManager::restoreFromSpare()
{
    PainterBase* p = painter();
    if (!p || !p->isCreated() || !spare || !spare->isCreated())
        return;
    (void)copyPixels(*p->surface(), *spare->surface(), intersectionOf(p->bitmapRect(), spare->bitmapRect()));
}

void RedrawManager::invalidateView()
{
    Window* window = viewWindowOf(context);
    if (window && window->hwnd())
        window->invalidate();
}

void RedrawManager::copyPainterToOverlay(const IntRect* rect)
{
    PainterBase* o = overlay();
    DeviceContext* from = painterSurface();
    if (!o || !from)
        return;
    IntRect area;
    viewAreaOf(context, area);
    (void)copyPixels(*o->surface(), *from, rect ? intersectionOf(area, *rect) : area);
}

void RedrawManager::flushOverlay(const IntRect* rect)
{
    PainterBase* o = overlay();
    if (!o)
        return;
    IntRect area;
    viewAreaOf(context, area);
    const IntRect r = rect ? intersectionOf(area, *rect) : area;
    (void)o->copyToWindow(&r);
}

IntRect RedrawManager::deviceRect(double x1, double y1, double x2, double y2, int pad) const
{
    IntPoint a, b;
    context->view->worldToDeviceClamped(x1, y1, &a);
    context->view->worldToDeviceClamped(x2, y2, &b);
    IntRect r;
    r.setFromPoints(a, b);
    r.inflate(pad);
    return r;
}

void RedrawManager::restoreOverlay(double x1, double y1, double x2, double y2, int pad)
{
    if (!context || !context->view)
        return;
    const IntRect r = deviceRect(x1, y1, x2, y2, pad);
    copyPainterToOverlay(&r);
}

void RedrawManager::showOverlay(double x1, double y1, double x2, double y2, int pad)
{
    if (!context || !context->view)
        return;
    const IntRect r = deviceRect(x1, y1, x2, y2, pad);
    flushOverlay(&r);
}
