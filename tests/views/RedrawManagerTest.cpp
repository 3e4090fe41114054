// The redraw manager: the surface and colour of each element operation, the page redraw with its
// order, skipped element and progress, and the scroll that redraws only the uncovered strip,
// read back from the painter's memory DC and the window's DIB section.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/PageTabBar.h"
#include "document/StatusBarPanes.h"
#include "geometry/PickSettings.h"
#include "tests/support/FakeClock.h"
#include "tests/views/PaintTestDrawing.h"
#include "views/NavigatorPainter.h"
#include "views/ViewScrollBars.h"

using namespace paint_test;

namespace {

class RecordingProgress : public StatusBarPanes {
public:
    void setOwner(DocumentContext*) override {}
    void beginProgress(int low, int high) override { shown.push_back(std::to_string(low) + ".." + std::to_string(high)); }
    std::vector<std::string> shown;
};

FakeClock* theClock = nullptr;
DWORD millisecondsPerElement = 0;
void takeTime(int) { theClock->advance(millisecondsPerElement); }

} // namespace

TEST(RedrawManager, EachOperationFindsItsSurfaceAndColour)
{
    PaintTestDrawing d;
    OffscreenPainter overlay;
    ASSERT_TRUE(overlay.ensureBitmapOfSize(d.view->client));
    NavigatorPainter navigator;
    ASSERT_TRUE(navigator.ensureBitmapOfSize(d.view->client));
    OffscreenPainter other;
    ASSERT_TRUE(other.ensureBitmapOfSize(d.view->client));
    PickSettings pick;
    pick.setColor(RgbColor(10, 200, 30));
    ScopedOverride<PainterBase*> overlaySlot(theOverlayPainter, &overlay);
    ScopedOverride<PagePainter*> pageSlot(thePagePainter, &navigator);
    ScopedOverride<PickSettings*> pickSlot(thePickSettings, &pick);

    DeviceContext* painter = d.painter->surface();
    DeviceContext* window = &d.window.dc;
    DeviceContext* onOverlay = overlay.surface();
    enum State { Plain, ToPagePainter, ToOther, NoOverlay };
    struct Row {
        int operation;
        DeviceContext* surface[4]; // by State
    };
    const Row rows[] = {
        {1, {painter, navigator.surface(), other.surface(), painter}},
        {73, {painter, navigator.surface(), other.surface(), painter}},
        {2, {painter, painter, painter, painter}},
        {21, {onOverlay, onOverlay, onOverlay, window}},
        {22, {onOverlay, onOverlay, onOverlay, window}},
        {31, {onOverlay, onOverlay, onOverlay, window}},
        {32, {onOverlay, onOverlay, onOverlay, window}},
        {33, {onOverlay, onOverlay, onOverlay, window}},
        {41, {onOverlay, onOverlay, onOverlay, window}},
        {11, {window, window, window, window}},
        {12, {window, window, window, window}},
        {13, {window, window, window, window}},
        {14, {window, window, window, window}},
        {15, {window, window, window, window}},
    };
    for (int state = Plain; state <= NoOverlay; ++state) {
        d.updater->redirectTo(0, nullptr);
        if (state == ToPagePainter)
            d.updater->redirectToPagePainter(1);
        if (state == ToOther)
            d.updater->redirectTo(1, &other);
        theOverlayPainter = state == NoOverlay ? nullptr : &overlay;
        EXPECT_EQ(d.updater->redirectOn(), state == ToPagePainter || state == ToOther) << state;
        for (const Row& r : rows)
            EXPECT_EQ(d.updater->surfaceForOperation(r.operation), r.surface[state]) << r.operation << " in " << state;
    }
    d.updater->redirectTo(0, nullptr);
    // A redirect to a page bar that does not exist draws nothing.
    d.updater->redirectToPageTabBar(1);
    EXPECT_EQ(d.updater->surfaceForOperation(1), nullptr);
    d.updater->redirectToPageTabBar(0);

    // Colours: the element's own, white for erasing, the pick colour, black for the rest.
    InkColor own;
    own.setRgb(120, 60, 240);
    enum Colour { Own, White, Pick, Black };
    const std::pair<int, Colour> colours[] = {
        {1, Own},   {13, Own},  {21, Own},  {31, Own},  {32, Own},  {33, Own},  {41, Own},   {71, Own},
        {72, Own},  {2, White}, {11, Pick}, {12, Pick}, {14, Pick}, {22, Pick}, {73, Black}, {15, Black},
    };
    const COLORREF expected[] = {RGB(120, 60, 240), RGB(255, 255, 255), RGB(10, 200, 30), RGB(0, 0, 0)};
    for (auto [operation, colour] : colours) {
        InkColor out;
        d.updater->colourForOperation(operation, own, out);
        EXPECT_EQ(out.colorRef, expected[colour]) << operation;
    }
    // Without pick settings the pick operations draw black.
    thePickSettings = nullptr;
    InkColor out;
    d.updater->colourForOperation(11, own, out);
    EXPECT_EQ(out.colorRef, RGB(0, 0, 0));
}

TEST(RedrawManager, APageIsTheSheetThenItsElementsWithTheSkippedOneLeftOut)
{
    PaintTestDrawing d;
    d.view->marginX = d.view->marginY = 10.0;
    const int first = d.addRectangle(20, 20, 40, 40, RgbColor(255, 0, 0));
    const int middle = d.addRectangle(50, 20, 70, 40, RgbColor(0, 255, 0));
    const int last = d.addRectangle(80, 20, 100, 40, RgbColor(0, 0, 255));
    // Far outside the window: the window's redraw leaves it out, a redirect to the page
    // painter draws it.
    const int outside = d.addRectangle(5000, 5000, 5010, 5010, RgbColor(0, 0, 255));

    struct Row {
        int skipped;
        std::vector<int> drawn;
    };
    const Row rows[] = {{-1, {first, middle, last}}, {middle, {first, last}}, {first, {middle, last}}};
    for (const Row& r : rows) {
        d.editor->drawn.clear();
        d.updater->setSkippedId(r.skipped);
        d.updater->refreshAll();
        EXPECT_EQ(d.editor->drawn, r.drawn) << r.skipped;
    }
    d.updater->setSkippedId(-1);
    d.updater->refreshAll();

    // The elements lie over the sheet; the sheet is white around them, its surround is not.
    IntPoint inside, onSheet, surround;
    d.view->worldToDevice(30, 30, &inside);
    d.view->worldToDevice(30, 60, &onSheet);
    d.view->worldToDevice(-5, -5, &surround);
    EXPECT_EQ(d.painterPixel(inside.x, inside.y), RGB(255, 0, 0));
    EXPECT_EQ(d.painterPixel(onSheet.x, onSheet.y), RGB(255, 255, 255));
    EXPECT_NE(d.painterPixel(surround.x, surround.y), RGB(255, 255, 255));

    NavigatorPainter navigator;
    ASSERT_TRUE(navigator.ensureBitmapOfSize(d.view->client));
    ScopedOverride<PagePainter*> pageSlot(thePagePainter, &navigator);
    d.editor->drawn.clear();
    d.updater->drawPageOnPagePainter();
    EXPECT_EQ(d.editor->drawn, (std::vector<int>{first, middle, last, outside}));
    EXPECT_FALSE(d.updater->redirectOn());
}

namespace {
// A message box that an element shows while it draws runs a loop of its own, in which the view's
// paint copies the painter to the window.
RedrawManager* flushingUpdater = nullptr;
int flushAfterId = -1;
void flushWhileDrawing(int id)
{
    if (id == flushAfterId)
        flushingUpdater->flushPainter();
}
} // namespace

TEST(RedrawManager, AWindowPaintedWhileThePageIsDrawnShowsTheWholePageAfterwards)
{
    struct Row {
        const char* name;
        int flushAfter; // 0 none, else the ordinal of the element
        bool windowShowsPage;
    };
    const Row rows[] = {{"no paint", 0, false}, {"after the first", 1, true}, {"after the last", 3, true}};
    for (const Row& r : rows) {
        PaintTestDrawing d;
        d.view->marginX = d.view->marginY = 10.0;
        const int ids[] = {d.addRectangle(20, 20, 40, 40, RgbColor(255, 0, 0)),
                           d.addRectangle(50, 20, 70, 40, RgbColor(0, 255, 0)),
                           d.addRectangle(80, 20, 100, 40, RgbColor(0, 0, 255))};
        ScopedOverride<RedrawManager*> updaterSlot(flushingUpdater, d.updater);
        ScopedOverride<int> flushSlot(flushAfterId, r.flushAfter > 0 ? ids[r.flushAfter - 1] : -1);
        d.editor->onDraw = flushWhileDrawing;
        d.updater->refreshAll();
        for (int i = 0; i < 3; ++i) {
            const DoubleRect& e = d.editor->shapes[ids[i]].extent;
            IntPoint centre;
            d.view->worldToDevice((e.minX + e.maxX) / 2, (e.minY + e.maxY) / 2, &centre);
            const COLORREF drawn = d.painterPixel(centre.x, centre.y);
            EXPECT_NE(drawn, RGB(255, 255, 255)) << r.name << " " << i;
            // Without a paint during the draw the window is left alone; after one it shows every
            // element.
            if (r.windowShowsPage)
                EXPECT_EQ(d.windowPixel(centre.x, centre.y), drawn) << r.name << " " << i;
            else
                EXPECT_EQ(d.windowPixel(centre.x, centre.y), RGB(0, 0, 0)) << r.name << " " << i;
        }
    }
}

TEST(RedrawManager, ProgressShowsOnlyOnLongPagesAfterASlowRedraw)
{
    FakeClock clock;
    ScopedOverride<FakeClock*> clockHook(theClock, &clock);
    struct Row {
        int elements;
        DWORD perElement;
        std::vector<std::string> shownOnRedraws[3];
    };
    // Four elements never show progress, however slow; five show it on the redraw after one
    // that took 500 ms, and not after one that took less.
    const Row rows[] = {
        {4, 200, {{}, {}, {}}},
        {5, 100, {{}, {"0..5"}, {"0..5"}}},
        {5, 99, {{}, {}, {}}},
        {6, 0, {{}, {}, {}}},
    };
    for (const Row& r : rows) {
        PaintTestDrawing d;
        auto* progress = new RecordingProgress;
        d.context.statusBar = progress;
        for (int i = 0; i < r.elements; ++i)
            d.addRectangle(10 + i, 10, 11 + i, 11);
        ScopedOverride<DWORD> perElement(millisecondsPerElement, r.perElement);
        d.editor->onDraw = takeTime;
        for (const auto& expected : r.shownOnRedraws) {
            progress->shown.clear();
            d.updater->refreshAll();
            EXPECT_EQ(progress->shown, expected) << r.elements << " at " << r.perElement << " ms";
        }
    }
}

TEST(RedrawManager, AScrollRedrawsOnlyTheUncoveredStripAndKeepsWindowAndPainterAlike)
{
    // One line of the scroll bars is 16 positions; with a step of 2 pixels the strip is 32 wide.
    struct Row {
        int dx, dy;
    };
    const Row rows[] = {{-16, 0}, {16, 0}, {0, -16}, {0, 16}, {-400, 0}};
    for (const Row& r : rows) {
        PaintTestDrawing d(300, 200);
        auto* scroller = new ViewScrollBars;
        scroller->step = 2;
        d.context.scroller = scroller;
        d.view->scrollX = d.view->scrollY = 200;
        d.view->marginX = d.view->marginY = 10.0;
        for (int row = 0; row < 12; ++row)
            for (int column = 0; column < 16; ++column)
                d.addRectangle(column * 15.0, row * 15.0, column * 15.0 + 9.0, row * 15.0 + 9.0,
                               RgbColor(column * 16, row * 20, 128));
        d.updater->refreshAll();
        d.updater->flushPainter();

        // The bar moved: the view's offset follows, then the painter and the window move.
        d.view->scrollX -= r.dx * scroller->step;
        d.view->scrollY -= r.dy * scroller->step;
        d.editor->drawn.clear();
        d.updater->scrollBy(r.dx, r.dy);
        const std::vector<int> drawnAfterScroll = d.editor->drawn;

        // The strip that was uncovered, in drawing coordinates.
        const int w = d.view->client.width(), h = d.view->client.height();
        int shiftX = r.dx * scroller->step, shiftY = r.dy * scroller->step;
        IntRect strip = d.view->client;
        if (shiftX > 0)
            strip.right = std::min(w, shiftX);
        else if (shiftX < 0)
            strip.left = std::max(0, w + shiftX);
        else if (shiftY > 0)
            strip.bottom = shiftY;
        else
            strip.top = h + shiftY;
        DoubleRect stripWorld;
        stripWorld.set(d.view->deviceToWorldY(strip.top), d.view->deviceToWorldX(strip.left),
                       d.view->deviceToWorldX(strip.right), d.view->deviceToWorldY(strip.bottom));
        std::vector<int> meeting;
        for (int id = 1; id < static_cast<int>(d.editor->shapes.size()); ++id)
            if (stripWorld.intersects(&d.editor->shapes[id].extent, 1))
                meeting.push_back(id);
        EXPECT_EQ(drawnAfterScroll, meeting) << r.dx << "," << r.dy;
        EXPECT_LT(drawnAfterScroll.size() + 1, d.editor->shapes.size()) << r.dx << "," << r.dy;

        // Painter and window agree pixel for pixel, and both show what a full redraw shows.
        std::vector<COLORREF> scrolled;
        int differ = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                scrolled.push_back(d.painterPixel(x, y));
                differ += scrolled.back() != d.windowPixel(x, y);
            }
        EXPECT_EQ(differ, 0) << r.dx << "," << r.dy;
        d.updater->refreshAll();
        int stale = 0;
        for (int y = 0, i = 0; y < h; ++y)
            for (int x = 0; x < w; ++x, ++i)
                stale += scrolled[i] != d.painterPixel(x, y);
        EXPECT_EQ(stale, 0) << r.dx << "," << r.dy;
    }
}

TEST(RedrawManager, AWindowThatGrowsIsRedrawnWhereThePainterNeverDrew)
{
    // A drawing opened small and then maximised: the scroll ranges follow the sheet, not the
    // window, so they stay; the part of the view the window gained must still be drawn.
    PaintTestDrawing d(300, 200);
    d.context.scroller = new ViewScrollBars;
    const int right = d.addRectangle(80.0, 50.0, 100.0, 60.0);
    d.view->client = IntRect::fromEdges(0, 0, 100, 80);
    ASSERT_EQ(d.context.refocus(), 1);
    d.editor->drawn.clear();

    d.view->client = IntRect::fromEdges(0, 0, 300, 200);
    ASSERT_EQ(d.context.refocus(), 1);
    EXPECT_EQ(d.editor->drawn, std::vector<int>{right});
    const IntPoint inside = IntPoint(d.view->worldToDeviceX(90.0), d.view->worldToDeviceY(55.0));
    ASSERT_GT(inside.x, 100);
    EXPECT_EQ(d.painterPixel(inside.x, inside.y), RGB(0, 0, 255));

    // The same size again draws nothing more.
    d.editor->drawn.clear();
    ASSERT_EQ(d.context.refocus(), 1);
    EXPECT_TRUE(d.editor->drawn.empty());
}

TEST(RedrawManager, AnExtentMeetsTheUpdateAreaWhenItTouchesIt)
{
    PaintTestDrawing d;
    d.updater->worldRect.set(10, 10, 20, 20); // y 10..20, x 10..20
    struct Row {
        double minX, minY, maxX, maxY;
        int outside;
    };
    const Row rows[] = {
        {12, 12, 14, 14, 0}, {0, 0, 10, 10, 0},   {20, 20, 30, 30, 0}, {0, 12, 10, 14, 0},
        {0, 0, 9.99, 30, 1}, {20.01, 0, 30, 30, 1}, {0, 21, 30, 30, 1}, {0, 0, 30, 5, 1},
    };
    for (const Row& r : rows) {
        DoubleRect extent;
        extent.set(r.minY, r.minX, r.maxX, r.maxY);
        EXPECT_EQ(d.updater->isOutsideUpdateArea(&extent), r.outside) << r.minX << "," << r.minY;
        d.updater->redirectTo(1, d.painter);
        EXPECT_EQ(d.updater->isOutsideUpdateArea(&extent), 0);
        d.updater->redirectTo(0, nullptr);
    }
    EXPECT_EQ(d.updater->isOutsideUpdateArea(nullptr), 0);
}

namespace {
// A page bar that counts its whole redraws and its redraws of the current page's cell.
class CountingPageBar : public PageTabBar {
public:
    void setContext(DocumentContext*) override {}
    int ensureBitmap() override { return 0; }
    [[nodiscard]] int selectPage(DocumentContext*, int) override { return 0; }
    void refresh(DocumentContext*) override { ++wholeRedraws; }
    void onPageRedrawn(DocumentContext*) override { ++cellRedraws; }
    int wholeRedraws = 0;
    int cellRedraws = 0;
};
} // namespace

TEST(RedrawManager, AtIdleTimeThePageBarRedrawsEveryPageWhenWhatIsShownChangedOnEveryPage)
{
    // A drawing read, or a display control confirmed (hidden layers and kinds), changes what
    // every page shows: the other pages' cached thumbnails are drawn again too. A reset or a
    // change on the current page redraws only that page's cell.
    struct Row {
        const char* name;
        void (RedrawManager::*refresh)();
        int whole, cell;
    };
    const Row rows[] = {{"view first", &RedrawManager::refreshViewFirst, 1, 0},
                        {"after a reset", &RedrawManager::refreshAfterReset, 0, 1}};
    for (const Row& r : rows) {
        PaintTestDrawing d;
        CountingPageBar bar;
        ScopedOverride<PageTabBar*> barSlot(thePageTabBar, &bar);
        (void)d.addRectangle(10.0, 10.0, 20.0, 20.0);
        (d.updater->*r.refresh)();
        EXPECT_EQ(bar.wholeRedraws + bar.cellRedraws, 0) << r.name << ": the view first";
        d.updater->idleStep();
        EXPECT_EQ(bar.wholeRedraws, r.whole) << r.name;
        EXPECT_EQ(bar.cellRedraws, r.cell) << r.name;
    }
}
