#pragma once
#include "document/PageTabBar.h"
#include "views/OffscreenPainter.h"
#include "views/ThumbnailCache.h"

// The application's page bar: every page of the active drawing as a thumbnail in a cell of the
// page pane, the current page's number in red and the part of it the view shows framed in red.
// A page is rendered into an 81 x 81 off-screen bitmap through the drawing's own mapping fitted
// to the thumbnail square for the time of the drawing, then stretched into its cell; rendered
// pages are kept in the thumbnail cache while contents are shown. A left press switches to the
// page pressed (the empty cell after the last page adds one) and centres the view on the point
// pressed; a right press opens the page menu, whose commands insert, delete and redraw pages.
//
// After the bitmap could not be made, the next two render requests are skipped and the third
// tries again (the retry counter).
class PageThumbnailBar : public PageTabBar {
public:
    static constexpr int kBitmapSide = 81;
    // showContents: page contents shown (the bar's starting state), only the empty pages.
    enum { kContentsHidden = 0, kContentsShown = 2 };

    // PainterBase: the off-screen bitmap, made once the drawing has its view window.
    void setContext(DocumentContext* owner) override;
    int ensureBitmap() override;
    int ensureBitmapOfSize(const IntRect& rect) override;
    [[nodiscard]] int isCreated() const override { return canvas.isCreated(); }
    [[nodiscard]] DeviceContext* surface() override { return canvas.surface(); }
    [[nodiscard]] IntRect bitmapRect() const override { return canvas.bitmapRect(); }
    void clear() override { canvas.clear(); }

    // PageTabBar.
    [[nodiscard]] int selectPage(DocumentContext* owner, int page) override;
    void refresh(DocumentContext* owner) override;
    void onPageRedrawn(DocumentContext* owner) override;
    void onElementCommitted(DocumentContext* owner, int id) override;
    void setPane(PagePane* newPane) override { pane = newPane; }
    void onPaneDrawn(DocumentContext* owner) override;
    int onScroll(DocumentContext* owner) override;
    int runPaging(DocumentContext* owner) override;
    void openPageMenu(DocumentContext* owner) override;
    [[nodiscard]] int canInsertOrRedrawPage(DocumentContext* owner) override;
    [[nodiscard]] int canDeletePage(DocumentContext* owner) override;
    [[nodiscard]] int canRedrawFollowing(DocumentContext* owner) override;
    [[nodiscard]] int canRedrawAll(DocumentContext* owner) override;
    [[nodiscard]] int showsContents() const override { return showContents != kContentsHidden; }
    int insertPageBefore(DocumentContext* owner) override;
    int insertPageAfter(DocumentContext* owner) override;
    int deletePage(DocumentContext* owner) override;
    int redrawThisPage(DocumentContext* owner) override;
    int redrawFollowingPages(DocumentContext* owner) override;
    int redrawAllPages(DocumentContext* owner) override;
    int toggleShowContents(DocumentContext* owner) override;

    // The view was scrolled: a page switch made from the bar updates the PAGE button now.
    void onViewScrolled(DocumentContext* owner);
    // The page under the last left press in the pane (the empty cell asks for a new page): it
    // becomes current, or the view is refreshed when it is current already; the view is centred
    // on the point pressed. The page, 0 when the press hit no cell.
    int onClick(DocumentContext* owner);
    // Page n into the bitmap (and the cache while contents are shown); 0 while skipping or
    // without a bitmap, a mapping, a page list or a redraw manager.
    int renderPage(DocumentContext* owner, int page);
    // Cell i (page firstVisible + i + 1) drawn in the pane; 0 when there is no such cell.
    int drawCell(DocumentContext* owner, int index);
    // Every cell of the pane drawn again, then the cell frames.
    void redrawAll(DocumentContext* owner);
    // The list area filled with the menu colour.
    void clearArea();
    [[nodiscard]] int isPaneShown() const;
    // Where pages are fitted in the bitmap (at the origin): the pane's thumbnail square, or
    // thumbRect without a pane.
    [[nodiscard]] IntRect thumbnailArea() const;
    // The current page's visible area in the cell (window pixels); 0 when it is smaller than
    // 2 x 2 pixels or cannot be had.
    [[nodiscard]] int visibleFrame(const IntRect& cell, IntRect& out);

    DocumentContext* context = nullptr; // not owned
    PagePane* pane = nullptr;           // not owned
    OffscreenPainter canvas;
    ThumbnailCache cache;
    int pageCountChanged = 0;
    IntRect thumbRect;   // cell 0 at (0, 0)
    IntRect cellSquare;  // thumbRect made square by its longer side
    int lastPanePosition = 0;
    int retryCounter = 0;
    int firstVisible = 0;
    int showContents = kContentsShown;
    int clickedPage = 0;
    int deleteBodyOption = 0;
    // Pages rendered (not restored from the cache) since the bar was made.
    int renders = 0;

private:
    // Cell 0's rectangle taken: 1 when its square changed (the rectangles are stored then).
    [[nodiscard]] int takeGeometry(int& hasCell);
    // 1 for the drawing the bar shows.
    [[nodiscard]] int isBarOf(DocumentContext* owner) const;
    void updatePagePane(DocumentContext* owner);
    void drawPageNumber(Window& window, const IntRect& cell, int page, int current);
    // The redraw of all cells after a page command from `fromPage` on.
    void afterPageCommand(DocumentContext* owner, int fromPage, int lastPage);
};
