// The page bar: thumbnails of every page in the cells of the page pane (read back from a DIB),
// the current page's red number and visible-area frame, the thumbnail cache, the retry after a
// bitmap that could not be made, clicks that switch, add and re-centre, the page commands and
// the delete dialog. The pane is a stand-in whose window draws into a DIB section.
#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "document/ElementMaskIndex.h"
#include "document/PageList.h"
#include "platform/MouseState.h"
#include "resources/ids.h"
#include "tests/support/MessagePump.h"
#include "tests/views/PaintTestDrawing.h"
#include "views/PagePane.h"
#include "views/PageThumbnailBar.h"

using namespace paint_test;

namespace {

// Four cells of 61 pixels down a window of 80 x 300, 6 pixels apart; the thumbnails are fitted
// into 61 x 61 pixels as in a pane docked at the right.
class StandInPane : public PagePane {
public:
    static constexpr int kCells = 4;
    int isPaneShown() override { return shown; }
    int panePosition() override { return position; }
    Window* paneWindow() override { return &window; }
    void setPages(int newCurrent, int newCount) override
    {
        current = newCurrent;
        count = newCount;
    }
    int firstVisible() override { return first; }
    void setFirstVisible(int pages) override { first = pages; }
    int cellRectWithin(int index, IntRect& cell, int extra) override
    {
        if (index < 0 || index >= kCells || first + index >= count + extra)
            return 0;
        cell = cellAt(index);
        return 1;
    }
    int cellAtPoint(const IntPoint& screen, IntRect* cell) override
    {
        IntRect r;
        for (int index = 0; cellRectWithin(index, r, 1); ++index)
            if (r.containsPoint(screen)) {
                if (cell)
                    *cell = r;
                return first + index + 1;
            }
        return -1;
    }
    void listArea(IntRect& area) override { area = IntRect::fromEdges(0, 0, 80, 300); }
    void drawCellFrames() override { ++frameDraws; }
    int isScrolling() override { return scrolling; }
    void thumbnailRect(IntRect& out) override { out = IntRect::fromEdges(5, 5, 66, 66); }

    static IntRect cellAt(int index) { return IntRect::fromEdges(5, 5 + 67 * index, 66, 66 + 67 * index); }

    DibWindow window{80, 300};
    int shown = 1;
    int position = 3;
    int current = 1;
    int count = 1;
    int first = 0;
    int scrolling = 0;
    int frameDraws = 0;
};

// A drawing of `pages` pages with a page bar over the stand-in pane; page n holds one square of
// its own colour (drawing coordinates, millimetres).
struct BarDrawing {
    explicit BarDrawing(int pages = 3)
    {
        d.context.pages = new PageList;
        d.context.maskIndex = new ElementMaskIndex;
        d.context.linkManagers();
        bar.setPane(&pane);
        for (int page = 2; page <= pages; ++page)
            d.context.pages->setCurrent(page);
        d.context.pages->setCurrent(1);
        for (int page = 1; page <= pages; ++page)
            (void)add(page, 40.0 + 30 * page, 40.0, 120.0 + 30 * page, 120.0);
    }
    int add(int page, double minX, double minY, double maxX, double maxY)
    {
        return d.addRectangle(minX, minY, maxX, maxY, colourOf(page), page);
    }
    static RgbColor colourOf(int page)
    {
        const RgbColor colours[] = {RgbColor(0, 0, 255), RgbColor(0, 160, 0), RgbColor(255, 160, 0), RgbColor(160, 0, 160)};
        return colours[(page - 1) % 4];
    }
    // Pixels of a colour in cell `index` of the pane.
    int count(int index, COLORREF colour)
    {
        const IntRect c = StandInPane::cellAt(index);
        int n = 0;
        for (int y = c.top; y < c.bottom; ++y)
            for (int x = c.left; x < c.right; ++x)
                n += pane.window.screen.pixel(x, y) == colour;
        return n;
    }
    // Pixels in the cell's bottom-right corner, where its number stands: reddish, dark, or
    // exactly red.
    enum Tint { kReddish, kDark, kPureRed };
    int cornerPixels(int index, Tint tint)
    {
        const IntRect c = StandInPane::cellAt(index);
        int n = 0;
        for (int y = c.bottom - 14; y < c.bottom; ++y)
            for (int x = c.right - 14; x < c.right; ++x) {
                const COLORREF p = pane.window.screen.pixel(x, y);
                const int r = GetRValue(p), g = GetGValue(p), b = GetBValue(p);
                switch (tint) {
                case kReddish:
                    n += r > 150 && g < 100 && b < 100;
                    break;
                case kDark:
                    n += r < 100 && g < 100 && b < 100;
                    break;
                case kPureRed:
                    n += p == RGB(255, 0, 0);
                    break;
                }
            }
        return n;
    }
    std::vector<COLORREF> cellPixels(int index)
    {
        const IntRect c = StandInPane::cellAt(index);
        std::vector<COLORREF> pixels;
        for (int y = c.top; y < c.bottom; ++y)
            for (int x = c.left; x < c.right; ++x)
                pixels.push_back(pane.window.screen.pixel(x, y));
        return pixels;
    }
    static COLORREF ref(const RgbColor& c) { return RGB(c.getRed(), c.getGreen(), c.getBlue()); }

    PaintTestDrawing d;
    StandInPane pane;
    PageThumbnailBar bar;
    ScopedOverride<PageTabBar*> slot{thePageTabBar, &bar};
};

const COLORREF kRed = RGB(255, 0, 0);

} // namespace

TEST(PageTabBar, EachPageShowsInItsCellTheCurrentOneInRedAndTheCacheSparesRenderingWhileContentsShow)
{
    BarDrawing b;
    b.bar.refresh(&b.d.context);
    EXPECT_EQ(b.pane.count, 3);
    EXPECT_EQ(b.bar.renders, 3);
    for (int index = 0; index < 3; ++index) {
        SCOPED_TRACE(index);
        for (int page = 1; page <= 3; ++page)
            EXPECT_EQ(b.count(index, BarDrawing::ref(BarDrawing::colourOf(page))) > 0, page == index + 1) << page;
        // The current page's number is red, the others' black; only its cell holds red.
        EXPECT_EQ(b.cornerPixels(index, BarDrawing::kReddish) > 0, index == 0);
        EXPECT_EQ(b.cornerPixels(index, BarDrawing::kDark) > 0, index != 0);
        if (index > 0) {
            EXPECT_EQ(b.count(index, kRed), 0);
        }
    }
    EXPECT_EQ(b.count(3, BarDrawing::ref(BarDrawing::colourOf(1))), 0) << "no fourth page";
    // The visible-area frame of the current page, one pixel wide.
    IntRect frame;
    ASSERT_TRUE(b.bar.visibleFrame(StandInPane::cellAt(0), frame));
    EXPECT_EQ(b.pane.window.screen.pixel(frame.left, frame.centerY()), kRed);
    EXPECT_NE(b.pane.window.screen.pixel(frame.left + 1, frame.centerY()), kRed);

    // Every page keeps 14,580 bytes; a second redraw comes from the cache, pixel for pixel.
    EXPECT_EQ(b.bar.cache.pixels.elementSize, 14580);
    for (int page = 1; page <= 3; ++page)
        EXPECT_TRUE(b.bar.cache.isValid(page)) << page;
    const std::vector<COLORREF> before = b.cellPixels(1);
    b.pane.window.screen.fill(RGB(255, 255, 255));
    b.bar.redrawAll(&b.d.context);
    EXPECT_EQ(b.bar.renders, 3);
    EXPECT_EQ(b.cellPixels(1), before);

    // Without contents every redraw renders and nothing is cached.
    BarDrawing plain;
    plain.bar.showContents = PageThumbnailBar::kContentsHidden;
    plain.bar.refresh(&plain.d.context);
    const int rendered = plain.bar.renders;
    plain.bar.redrawAll(&plain.d.context);
    EXPECT_EQ(plain.bar.renders - rendered, 3);
    EXPECT_EQ(plain.bar.cache.entries(), 0);
    EXPECT_EQ(plain.count(1, BarDrawing::ref(BarDrawing::colourOf(2))), 0);

    // Zoomed in far, the visible area is smaller than 2 x 2 pixels: no frame.
    BarDrawing zoomed;
    zoomed.d.view->zoom = 100.0;
    zoomed.bar.refresh(&zoomed.d.context);
    EXPECT_FALSE(zoomed.bar.visibleFrame(StandInPane::cellAt(0), frame));
    EXPECT_EQ(zoomed.count(0, kRed), zoomed.cornerPixels(0, BarDrawing::kPureRed)) << "red only in the number";
}

TEST(PageTabBar, ANewElementJoinsTheCachedThumbnailWithoutRenderingThePage)
{
    BarDrawing b;
    b.bar.refresh(&b.d.context);
    const int id = b.d.addRectangle(20, 130, 60, 170, RgbColor(160, 0, 160));
    b.bar.onElementCommitted(&b.d.context, id);
    EXPECT_EQ(b.bar.renders, 3);
    EXPECT_GT(b.count(0, RGB(160, 0, 160)), 0);
    EXPECT_GT(b.count(0, BarDrawing::ref(BarDrawing::colourOf(1))), 0);
    // And it stays after the next redraw from the cache.
    b.bar.redrawAll(&b.d.context);
    EXPECT_EQ(b.bar.renders, 3);
    EXPECT_GT(b.count(0, RGB(160, 0, 160)), 0);
}

TEST(PageTabBar, AfterABitmapFailureTwoRequestsAreSkippedAndTheThirdRenders)
{
    BarDrawing b;
    b.d.context.window = nullptr; // no view window: no bitmap can be made
    EXPECT_EQ(b.bar.renderPage(&b.d.context, 1), 0);
    EXPECT_EQ(b.bar.retryCounter, 1);
    b.d.context.window = &b.d.window;
    const int expected[] = {0, 0, 1, 1};
    for (int result : expected)
        EXPECT_EQ(b.bar.renderPage(&b.d.context, 1), result);
}

TEST(PageTabBar, ALeftPressSwitchesPagesAddsOneAtTheEmptyCellAndRecentresOnTheCurrentPage)
{
    struct Case {
        const char* what;
        int cell;        // pressed at the cell's centre
        int result, current, count;
    };
    const Case cases[] = {
        {"page 2's cell makes it current", 1, PageTabBar::kPageChanged, 2, 3},
        {"the empty cell after page 3 adds page 4", 3, PageTabBar::kPageChanged, 4, 4},
        {"the current page's cell changes no page", 0, 0, 1, 3},
        {"below the cells nothing happens", 5, 0, 1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BarDrawing b;
        b.bar.refresh(&b.d.context);
        theMouseState->leftDown = c.cell < 4 ? StandInPane::cellAt(c.cell).center() : IntPoint(30, 295);
        EXPECT_EQ(b.bar.runPaging(&b.d.context), c.result);
        EXPECT_EQ(b.d.context.currentPage(), c.current);
        EXPECT_EQ(b.d.context.pageCount(), c.count);
        EXPECT_EQ(b.pane.count, c.count) << "the PAGE button follows";
        EXPECT_EQ(b.bar.clickedPage, c.cell < 4 ? c.cell + 1 : 0);
    }

    // A press on the middle of the current page's square re-centres the view there (one
    // thumbnail pixel is about 5 mm).
    BarDrawing b;
    b.bar.refresh(&b.d.context);
    const COLORREF blue = BarDrawing::ref(BarDrawing::colourOf(1));
    IntRect square = IntRect::fromEdges(999, 999, -1, -1);
    const IntRect cell = StandInPane::cellAt(0);
    for (int y = cell.top; y < cell.bottom; ++y)
        for (int x = cell.left; x < cell.right; ++x)
            if (b.pane.window.screen.pixel(x, y) == blue) {
                square.left = std::min(square.left, x), square.top = std::min(square.top, y);
                square.right = std::max(square.right, x), square.bottom = std::max(square.bottom, y);
            }
    ASSERT_GT(square.right, square.left);
    theMouseState->leftDown = square.center();
    EXPECT_EQ(b.bar.runPaging(&b.d.context), 0);
    IntRect area;
    b.d.view->viewArea(area);
    double x = 0.0, y = 0.0;
    b.d.view->deviceToWorldXY(area.center(), &x, &y);
    EXPECT_NEAR(x, 110.0, 6.0);
    EXPECT_NEAR(y, 80.0, 6.0);
    EXPECT_EQ(b.d.context.currentPage(), 1);
}

TEST(PageTabBar, ThePageCommandsFollowTheChosenPageAndDeletingAsksFirst)
{
    // The enable tests, by page count and chosen page.
    struct Enable {
        int pages, chosen;
        int insertOrRedraw, remove, following, all;
    };
    const Enable enables[] = {
        {1, 1, 1, 0, 0, 0}, {3, 1, 1, 1, 1, 1}, {3, 3, 1, 1, 0, 1}, {3, 4, 0, 0, 0, 1},
    };
    for (const Enable& e : enables) {
        SCOPED_TRACE(e.pages * 10 + e.chosen);
        BarDrawing b(e.pages);
        b.bar.setContext(&b.d.context);
        b.bar.clickedPage = e.chosen;
        EXPECT_EQ(b.bar.canInsertOrRedrawPage(&b.d.context), e.insertOrRedraw);
        EXPECT_EQ(b.bar.canDeletePage(&b.d.context), e.remove);
        EXPECT_EQ(b.bar.canRedrawFollowing(&b.d.context), e.following);
        EXPECT_EQ(b.bar.canRedrawAll(&b.d.context), e.all);
        DocumentContext other;
        EXPECT_EQ(b.bar.canInsertOrRedrawPage(&other), 0) << "another drawing";
    }

    // Inserting before page 2 makes the new page 2 current.
    BarDrawing inserted;
    inserted.bar.refresh(&inserted.d.context);
    inserted.bar.clickedPage = 2;
    EXPECT_EQ(inserted.bar.insertPageBefore(&inserted.d.context), 1);
    EXPECT_EQ(inserted.d.context.pageCount(), 4);
    EXPECT_EQ(inserted.d.context.currentPage(), 2);
    EXPECT_EQ(inserted.bar.clickedPage, 2);
    EXPECT_GT(inserted.count(2, BarDrawing::ref(BarDrawing::colourOf(2))), 0) << "the old page 2 is page 3";

    // Deleting page 2 (three elements): ｷｬﾝｾﾙ deletes nothing and drops the box; OK deletes and
    // keeps it.
    BarDrawing b;
    for (int i = 0; i < 2; ++i)
        (void)b.add(2, 10.0 + 10 * i, 10.0, 15.0 + 10 * i, 15.0);
    b.bar.refresh(&b.d.context);
    b.bar.clickedPage = 2;
    const int live = b.d.context.elementCount();
    struct Run {
        int button;
        int result, removed, option, pages;
    };
    for (const Run& r : {Run{IDCANCEL, 0, 0, 0, 3}, Run{IDOK, 1, 3, 1, 2}}) {
        UINT shown = 99;
        const INT_PTR result = driveModalDialog([&] { return static_cast<INT_PTR>(b.bar.deletePage(&b.d.context)); },
                                                [&](HWND w) {
                                                    shown = IsDlgButtonChecked(w, IDC_DELETE_PAGE_BODY);
                                                    CheckDlgButton(w, IDC_DELETE_PAGE_BODY, BST_CHECKED);
                                                    click(w, r.button);
                                                });
        EXPECT_EQ(shown, static_cast<UINT>(BST_UNCHECKED));
        EXPECT_EQ(result, r.result);
        EXPECT_EQ(live - b.d.context.elementCount(), r.removed);
        EXPECT_EQ(b.bar.deleteBodyOption, r.option);
        EXPECT_EQ(b.d.context.pageCount(), r.pages);
    }
    EXPECT_GT(b.count(1, BarDrawing::ref(BarDrawing::colourOf(3))), 0) << "page 3 moved up into the second cell";
}
