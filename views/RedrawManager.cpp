#include "views/RedrawManager.h"

#include <new>

#include "document/DocumentContext.h"
#include "document/DrawingGrid.h"
#include "document/ElementStore.h"
#include "document/FileErrorReporter.h"
#include "document/SheetSettings.h"
#include "document/TickStamp.h"
#include "io/print/PrintSettings.h"
#include "platform/Window.h"
#include "shapes/ShapeOp.h"
#include "views/OffscreenPainter.h"
#include "views/PagePainter.h"
#include "views/PageTabBar.h"
#include "views/StatusBarPanes.h"
#include "views/ViewParams.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/SelectTool.h"

RedrawManager::~RedrawManager() { delete spare; }

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
    IntRect area;
    viewAreaOf(context, area);
    (void)p->copyToWindow(&area); // 0 without a window or bitmap: nothing to show
}

void RedrawManager::refreshAll()
{
    resetPainter();
    redrawPage();
    if (thePagePainter)
        thePagePainter->refresh(context);
    if (thePageTabBar)
        thePageTabBar->refresh(context);
}

void RedrawManager::refreshAfterReset()
{
    theFileErrorReporter.reset();
    resetPainter();
    redrawPage();
    if (thePagePainter)
        thePagePainter->show(context);
    if (thePageTabBar)
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
    if (thePagePainter)
        thePagePainter->show(context);
    if (thePageTabBar)
        thePageTabBar->onPageRedrawn(context);
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
        return windowSurface();
    }
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
    if (!drawEnabled || !context)
        return;
    ElementStore* store = context->elementStore();
    ElementEditor* editor = context->editor1;
    if (!store || !store->pageTable || !editor)
        return;
    const int page = context->currentPage();
    const int count = store->pageTable->getCount(page);
    int id = store->pageTable->getFirst(page);
    (void)context->restartTimer(); // without a tick stamp no progress is ever shown
    if (count < 5)
        showProgress = 0;
    StatusBarPanes* bar = showProgress ? context->statusBar : nullptr;
    if (bar)
        bar->beginProgress(0, count);
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
    if (bar)
        bar->endProgress();
    // A page that took half a second shows progress the next time.
    showProgress = context->tickStamp && context->tickStamp->reached500ms() ? 1 : 0;
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
