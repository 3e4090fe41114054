// The page bar: rendering pages into thumbnails, drawing the cells, clicks and scrolling.
#include "views/PageThumbnailBar.h"

#include <cstdio>
#include <cstring>

#include "document/DocumentContext.h"
#include "document/PageList.h"
#include "document/ViewUpdater.h"
#include "platform/MouseState.h"
#include "platform/Pen.h"
#include "platform/Window.h"
#include "views/PagePane.h"
#include "views/ViewMapping.h"
#include "views/tools/ElementEditor.h"

namespace {
const RgbColor kRed(255, 0, 0);

// The rectangle with its top-left kept, made square by its longer side.
IntRect squareOfLongerSide(const IntRect& r)
{
    IntRect square = r;
    square.makeSquareMax();
    return square;
}

// The device context's state (clip, font, colours, alignment) comes back when the scope ends.
class SavedDcState {
public:
    explicit SavedDcState(HDC hdc) : hdc_(hdc), saved_(hdc ? SaveDC(hdc) : 0) {}
    ~SavedDcState()
    {
        if (saved_)
            RestoreDC(hdc_, saved_);
    }
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;

private:
    HDC hdc_;
    int saved_;
};

// The page bar's redirection of page redraws for one scope, unless it is on already.
class PageBarRedirect {
public:
    explicit PageBarRedirect(ViewUpdater* updater) : updater_(updater && !updater->redirectsToPageTabBar() ? updater : nullptr)
    {
        if (updater_)
            updater_->redirectToPageTabBar(1);
    }
    ~PageBarRedirect()
    {
        if (updater_)
            updater_->redirectToPageTabBar(0);
    }
    PageBarRedirect(const PageBarRedirect&) = delete;
    PageBarRedirect& operator=(const PageBarRedirect&) = delete;

private:
    ViewUpdater* updater_;
};
} // namespace

void PageThumbnailBar::setContext(DocumentContext* owner)
{
    context = owner;
    canvas.setContext(owner);
}

int PageThumbnailBar::ensureBitmap()
{
    if (canvas.isCreated())
        return 1;
    // As every painter's bitmap, it is made for the drawing's view window.
    if (!viewWindowOf(context))
        return 0;
    return canvas.ensureBitmapOfSize(IntRect::fromEdges(0, 0, kBitmapSide, kBitmapSide));
}

int PageThumbnailBar::ensureBitmapOfSize(const IntRect& rect) { return canvas.ensureBitmapOfSize(rect); }

int PageThumbnailBar::isPaneShown() const { return pane && pane->isPaneShown() && pane->paneWindow(); }

int PageThumbnailBar::isBarOf(DocumentContext* owner) const { return owner && owner == context; }

IntRect PageThumbnailBar::thumbnailArea() const
{
    IntRect area = thumbRect;
    if (pane)
        pane->thumbnailRect(area);
    const int width = area.width() < kBitmapSide ? area.width() : kBitmapSide;
    const int height = area.height() < kBitmapSide ? area.height() : kBitmapSide;
    return IntRect::fromEdges(0, 0, width > 0 ? width : 0, height > 0 ? height : 0);
}

int PageThumbnailBar::renderPage(DocumentContext* owner, int page)
{
    if (!owner || skipsRequest(retryCounter))
        return 0;
    setContext(owner);
    if (!ensureBitmap()) {
        retryCounter = 1;
        return 0;
    }
    PageList* pages = owner->pages;
    ViewUpdater* updater = owner->updater;
    if (!owner->view || !pages || !updater)
        return 0;
    // The page list shows page n for the time of the drawing; nobody is told.
    const int current = pages->current;
    pages->current = page;
    int drawn = 0;
    {
        FittedSheetView fitted(owner, thumbnailArea());
        if (fitted) {
            canvas.clear();
            if (showContents != kContentsHidden) {
                PageBarRedirect redirect(updater);
                updater->drawPageElements();
            }
            drawn = 1;
        }
    }
    pages->current = current;
    ++renders;
    cache.setArea(thumbnailArea());
    if (drawn && showContents != kContentsHidden)
        (void)cache.capture(page, canvas.bitmap); // a page not cached is rendered again next time
    return drawn;
}

int PageThumbnailBar::visibleFrame(const IntRect& cell, IntRect& out)
{
    out.init();
    IntRect area;
    viewAreaOf(context, area);
    IntPoint a, b;
    if (!FittedSheetView::mapViewRect(context, area, thumbnailArea(), a, b))
        return 0;
    // The thumbnail is stretched onto the cell's square; the frame goes with it.
    const IntRect thumb = thumbnailArea();
    const IntRect square = squareOfLongerSide(cell);
    auto toCellX = [&](int x) { return cell.left + x * square.width() / thumb.width(); };
    auto toCellY = [&](int y) { return cell.top + y * square.height() / thumb.height(); };
    out.setFromPoints(IntPoint(toCellX(a.x), toCellY(a.y)), IntPoint(toCellX(b.x), toCellY(b.y)));
    return out.width() >= 2 && out.height() >= 2;
}

void PageThumbnailBar::drawPageNumber(Window& window, const IntRect& cell, int page, int current)
{
    HDC hdc = window.dc.hdc;
    SavedDcState saved(hdc);
    char text[16];
    std::snprintf(text, sizeof text, "%d", page);
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, current ? kRed.colorRef : RGB(0, 0, 0));
    SetTextAlign(hdc, TA_RIGHT | TA_BOTTOM);
    TextOutA(hdc, cell.right, cell.bottom, text, static_cast<int>(std::strlen(text)));
}

int PageThumbnailBar::drawCell(DocumentContext* owner, int index)
{
    Window* window = pane ? pane->paneWindow() : nullptr;
    IntRect cell;
    if (!window || !pane->cellRectWithin(index, cell, 0))
        return 0;
    const int page = firstVisible + index + 1;
    cache.setArea(thumbnailArea());
    if (showContents == kContentsHidden || !cache.restore(page, canvas.bitmap))
        (void)renderPage(owner, page); // skipped or failed: the cell shows what the bitmap holds
    const IntRect thumb = thumbnailArea();
    const IntRect square = squareOfLongerSide(cell);
    const int current = DocumentContext::currentPageOf(owner) == page;
    DcScope scope(window->dc);
    if (!scope.hdc())
        return 1;
    SavedDcState saved(scope.hdc());
    window->dc.clipToRect(cell);
    if (canvas.isCreated() && thumb.width() > 0 && thumb.height() > 0)
        (void)StretchBlt(scope.hdc(), square.left, square.top, square.width(), square.height(), canvas.bitmap.dc.hdc, 0, 0,
                         thumb.width(), thumb.height(), SRCCOPY);
    IntRect frame;
    if (current && visibleFrame(cell, frame))
        window->dc.drawFrame(PenSpec(kRed), frame, 1);
    drawPageNumber(*window, cell, page, current);
    window->dc.resetClip();
    return 1;
}

void PageThumbnailBar::clearArea()
{
    Window* window = pane ? pane->paneWindow() : nullptr;
    if (!window)
        return;
    IntRect area;
    pane->listArea(area);
    const COLORREF menu = GetSysColor(COLOR_MENU);
    window->dc.fillRect(RgbColor(GetRValue(menu), GetGValue(menu), GetBValue(menu)), area);
}

int PageThumbnailBar::takeGeometry(int& hasCell)
{
    IntRect cell;
    hasCell = pane && pane->cellRectWithin(0, cell, 1);
    if (!hasCell)
        return 0;
    cell.moveTo(0, 0);
    const IntRect square = squareOfLongerSide(cell);
    if (square.width() == cellSquare.width() && square.height() == cellSquare.height())
        return 0;
    thumbRect = cell;
    cellSquare = square;
    return 1;
}

void PageThumbnailBar::redrawAll(DocumentContext* owner)
{
    if (!owner || !isPaneShown())
        return;
    setContext(owner);
    PageBarRedirect redirect(owner->updater);
    int hasCell = 0;
    if (takeGeometry(hasCell))
        (void)renderPage(owner, DocumentContext::currentPageOf(owner)); // 0 while skipping
    if (!hasCell)
        return;
    const int first = pane->firstVisible();
    if (first != firstVisible) {
        firstVisible = first;
        clearArea();
    }
    for (int index = 0; drawCell(owner, index); ++index) {
    }
    pane->drawCellFrames();
}

void PageThumbnailBar::updatePagePane(DocumentContext* owner)
{
    if (pane && owner)
        pane->setPages(owner->currentPage(), owner->pageCount());
}

void PageThumbnailBar::refresh(DocumentContext* owner)
{
    if (!owner) {
        // The drawing is gone: nothing of it may be drawn or reached again, and the pane's
        // strip and scroll bar start at page 1 of 1 again, as before any drawing.
        cache.reset();
        setContext(nullptr);
        firstVisible = 0;
        if (pane)
            pane->setPages(1, 1);
        clearArea();
        return;
    }
    if (!isPaneShown())
        return;
    cache.reset();
    setContext(owner);
    updatePagePane(owner);
    clearArea();
    redrawAll(owner);
}

void PageThumbnailBar::onPaneDrawn(DocumentContext* owner)
{
    if (!owner || !isPaneShown())
        return;
    setContext(owner);
    const int position = pane->panePosition();
    if (position != lastPanePosition) {
        lastPanePosition = position;
        // The pane's new scroll bar starts where the old one stood.
        pane->setFirstVisible(firstVisible);
        updatePagePane(owner);
        firstVisible = pane->firstVisible();
        clearArea();
    }
    redrawAll(owner);
}

void PageThumbnailBar::onViewScrolled(DocumentContext* owner)
{
    if (!owner)
        return;
    setContext(owner);
    if (!pageCountChanged)
        return;
    pageCountChanged = 0;
    updatePagePane(owner);
}

void PageThumbnailBar::onPageRedrawn(DocumentContext* owner)
{
    onViewScrolled(owner);
    if (!owner || !isPaneShown())
        return;
    int hasCell = 0;
    (void)takeGeometry(hasCell);
    const int page = owner->currentPage();
    const int index = page - firstVisible - 1;
    if (!hasCell || index < 0)
        return;
    // The page was drawn anew: what the cache holds of it may be old.
    cache.invalidate(page, page);
    PageBarRedirect redirect(owner->updater);
    if (drawCell(owner, index))
        pane->drawCellFrames();
}

void PageThumbnailBar::onElementCommitted(DocumentContext* owner, int id)
{
    if (!owner || !isPaneShown())
        return;
    setContext(owner);
    const int page = owner->currentPage();
    cache.setArea(thumbnailArea());
    ElementEditorBase* editor = owner->editor1;
    if (showContents == kContentsHidden || !editor || !cache.restore(page, canvas.bitmap)) {
        onPageRedrawn(owner);
        return;
    }
    FittedSheetView fitted(owner, thumbnailArea());
    if (fitted) {
        {
            PageBarRedirect redirect(owner->updater);
            (void)editor->drawElementById(id); // the next id does not matter here
        }
        fitted.restore();
        (void)cache.capture(page, canvas.bitmap); // not cached: the page is rendered next time
    }
    const int index = page - firstVisible - 1;
    if (index >= 0 && drawCell(owner, index))
        pane->drawCellFrames();
}

int PageThumbnailBar::onScroll(DocumentContext* owner)
{
    if (!pane || !pane->isScrolling())
        return 0;
    if (owner && isPaneShown()) {
        setContext(owner);
        clearArea();
        redrawAll(owner);
    }
    if (theMouseState)
        theMouseState->reset();
    return 1;
}

int PageThumbnailBar::selectPage(DocumentContext* owner, int page)
{
    if (!owner)
        return 0;
    setContext(owner);
    // The PAGE button keeps its place; the next scroll of the view shows the new page in it.
    if (pane)
        pane->setPages(firstVisible + 1, owner->pageCount());
    pageCountChanged = 1;
    return owner->pages->setCurrentPage(page);
}

int PageThumbnailBar::onClick(DocumentContext* owner)
{
    clickedPage = 0;
    Window* window = pane ? pane->paneWindow() : nullptr;
    auto* view = owner ? dynamic_cast<ViewMapping*>(owner->view) : nullptr;
    if (!view || !window)
        return 0;
    setContext(owner);
    const IntPoint at = window->leftDownPos();
    const int first = pane->firstVisible();
    IntRect cell;
    for (int index = 0; pane->cellRectWithin(index, cell, 1); ++index) {
        if (!cell.containsPoint(at))
            continue;
        // The point in the thumbnail, then in the drawing.
        const IntRect thumb = thumbnailArea();
        const IntRect square = squareOfLongerSide(cell);
        const IntPoint inThumb((at.x - cell.left) * thumb.width() / square.width(),
                               (at.y - cell.top) * thumb.height() / square.height());
        FittedSheetView fitted(owner, thumb);
        if (!fitted)
            return 0;
        double x = 0.0, y = 0.0;
        fitted->deviceToWorldXY(inThumb, &x, &y);
        fitted.restore();
        clickedPage = first + index + 1;
        view->centreOn(x, y);
        if (clickedPage != owner->currentPage())
            (void)goToPage(owner, clickedPage); // 0 for a page beyond the list's limit: nothing changes
        return clickedPage;
    }
    return 0;
}

int PageThumbnailBar::runPaging(DocumentContext* owner)
{
    const int before = DocumentContext::currentPageOf(owner);
    return onClick(owner) > 0 && DocumentContext::currentPageOf(owner) != before ? kPageChanged : 0;
}
