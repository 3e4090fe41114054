// The navigator's page painter: the sheet in a square of the pane's larger side, the red view
// frame, a hidden pane, one element added without a redraw, and the retry after a bitmap that
// could not be made. The pane is a window object drawing into a DIB section.
#include <vector>

#include <gtest/gtest.h>

#include "platform/PaneLayout.h"
#include "tests/views/PaintTestDrawing.h"
#include "views/NavigatorPainter.h"

using namespace paint_test;

namespace {

// A pane layout that shows the navigator in a window of its own, or hides it.
class NavigatorLayout : public PaneLayout {
public:
    void closePane(int) override {}
    void beginMovePane(int) override {}
    void beginResizePane(int, int) override {}
    void onLeftPress() override {}
    void onRightPress() override {}
    void onRightPressOnPane(PaneWindow*, int) override {}
    void onIdle() override {}
    void onMouseMove() override {}
    void onScroll() override {}
    void paint() override {}
    int topEdge() override { return 0; }
    int leftEdge() override { return 0; }
    int rightEdge() override { return 0; }
    int bottomEdge() override { return 0; }
    void hideHint() override {}
    Window* navigatorPane(IntRect& client) override
    {
        if (!shown)
            return nullptr;
        client = rect;
        return &pane;
    }
    DibWindow pane{200, 200};
    IntRect rect = IntRect::fromEdges(0, 0, 150, 90);
    int shown = 1;
};

const COLORREF kRed = RGB(255, 0, 0);

struct Navigated {
    Navigated() : slot(thePagePainter, &navigator), layoutSlot(d.app->workspaceLayout, &layout) {}
    PaintTestDrawing d;
    NavigatorLayout layout;
    NavigatorPainter navigator;
    ScopedOverride<PagePainter*> slot;
    ScopedOverride<PaneLayout*> layoutSlot;
};

// The extent of pixels of one colour in the pane.
IntRect extentOf(const DibSurface& s, COLORREF colour)
{
    IntRect r = IntRect::fromEdges(s.width, s.height, -1, -1);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            if (s.pixel(x, y) == colour) {
                r.left = std::min(r.left, x);
                r.top = std::min(r.top, y);
                r.right = std::max(r.right, x + 1);
                r.bottom = std::max(r.bottom, y + 1);
            }
    return r;
}

} // namespace

TEST(NavigatorPainter, TheSheetFillsASquareOfThePanesLargerSideUnderARedFrame)
{
    struct Row {
        IntRect pane;
    };
    const Row rows[] = {{IntRect::fromEdges(0, 0, 150, 120)}, {IntRect::fromEdges(20, 10, 100, 190)}};
    for (const Row& r : rows) {
        Navigated n;
        n.layout.rect = r.pane;
        n.navigator.refresh(&n.d.context);
        const DibSurface& pane = n.layout.pane.screen;
        // Nothing outside the pane; the square of the larger side is cut to the pane.
        EXPECT_EQ(pane.inkCount(0, r.pane.bottom, 200, 200, RGB(0, 0, 0)), 0);
        EXPECT_EQ(pane.inkCount(r.pane.right, 0, 200, 200, RGB(0, 0, 0)), 0);
        EXPECT_GT(pane.inkCount(r.pane.left, r.pane.top, r.pane.right, r.pane.bottom, RGB(0, 0, 0)), 0);
        // The white sheet keeps its proportions (297 x 210), whatever the pane's shape.
        const IntRect sheet = extentOf(pane, RGB(255, 255, 255));
        ASSERT_GT(sheet.height(), 10);
        const int side = std::max(r.pane.width(), r.pane.height());
        if (r.pane.width() > r.pane.height()) {
            EXPECT_NEAR(static_cast<double>(sheet.width()) / sheet.height(), 297.0 / 210.0, 0.08);
        }
        EXPECT_LE(sheet.width(), side);

        // The frame: red, one pixel wide, around the view's client area.
        IntRect frame;
        ASSERT_TRUE(n.navigator.viewFrame(frame));
        EXPECT_EQ(pane.pixel(frame.left, frame.centerY()), kRed);
        EXPECT_NE(pane.pixel(frame.left + 1, frame.centerY()), kRed);
        EXPECT_EQ(pane.pixel(frame.centerX(), frame.top), kRed);
        EXPECT_NE(pane.pixel(frame.centerX(), frame.top + 1), kRed);
    }

    // Zoomed in far, the view's part of the sheet is below 2 x 2 pixels: no frame.
    Navigated n;
    n.d.view->zoom = 100.0;
    n.navigator.refresh(&n.d.context);
    IntRect frame;
    EXPECT_FALSE(n.navigator.viewFrame(frame));
    EXPECT_EQ(extentOf(n.layout.pane.screen, kRed).right, -1);
}

TEST(NavigatorPainter, AHiddenPaneUnbindsAndANewElementIsDrawnAlone)
{
    Navigated n;
    const int a = n.d.addRectangle(20, 20, 40, 40);
    const int b = n.d.addRectangle(50, 50, 60, 60);
    n.navigator.refresh(&n.d.context);
    EXPECT_EQ(n.navigator.context, &n.d.context);
    EXPECT_EQ(n.d.editor->drawn, (std::vector<int>{a, b}));

    const int added = n.d.addRectangle(80, 80, 90, 90, RgbColor(0, 160, 0));
    n.d.editor->drawn.clear();
    n.navigator.addElement(&n.d.context, added);
    EXPECT_EQ(n.d.editor->drawn, (std::vector<int>{added}));
    EXPECT_NE(extentOf(n.layout.pane.screen, RGB(0, 160, 0)).right, -1);

    n.layout.shown = 0;
    n.navigator.refresh(&n.d.context);
    EXPECT_EQ(n.navigator.context, nullptr);
    // Without a context or a pane nothing is drawn.
    n.d.editor->drawn.clear();
    n.navigator.show(&n.d.context);
    n.navigator.show(nullptr);
    EXPECT_TRUE(n.d.editor->drawn.empty());
}

TEST(NavigatorPainter, AfterABitmapFailureTwoRequestsAreSkippedAndTheThirdRetries)
{
    Navigated n;
    n.d.context.window = nullptr; // no window: no bitmap can be made
    EXPECT_EQ(n.navigator.drawPage(&n.d.context), 0);
    EXPECT_EQ(n.navigator.skipCounter, 1);
    n.d.context.window = &n.d.window;
    n.navigator.squareRect = IntRect::fromEdges(0, 0, 100, 100);
    const int expected[] = {0, 0, 1, 1};
    for (int result : expected)
        EXPECT_EQ(n.navigator.drawPage(&n.d.context), result);
}

TEST(NavigatorPainter, WithoutADrawingThePaneIsEmptied)
{
    Navigated n;
    (void)n.d.addRectangle(20, 20, 40, 40);
    n.navigator.refresh(&n.d.context);
    const DibSurface& pane = n.layout.pane.screen;
    const IntRect r = n.layout.rect;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    ASSERT_GT(pane.inkCount(r.left, r.top, r.right, r.bottom, face), 0);

    n.navigator.refresh(nullptr); // the last drawing was closed
    EXPECT_EQ(n.navigator.context, nullptr);
    EXPECT_EQ(pane.inkCount(r.left, r.top, r.right, r.bottom, face), 0) << "only the face colour is left";
}

TEST(PartThumbnail, ThePagesElementsFillTheSquareAndTheViewStaysAsItWas)
{
    // Two parts side by side, 40 by 10 units together: they span the square's width, centred
    // on its height, with the margin of 3 units on each side.
    PaintTestDrawing d;
    const RgbColor blue(0, 0, 255), green(0, 128, 0);
    (void)d.addRectangle(10.0, 20.0, 30.0, 30.0, blue);
    (void)d.addRectangle(30.0, 20.0, 50.0, 30.0, green);
    d.sheet->numerator = 1;
    d.sheet->denominator = 10;
    d.view->zoom = 3.0;
    d.view->scrollX = 17;
    DibSurface square(54, 54);
    DeviceContext dc;
    dc.attachHdc(square.hdc);
    DoubleRect extent;
    extent.set(20.0, 10.0, 50.0, 30.0);
    EXPECT_TRUE(d.view->drawPageScaled(dc, extent, 54));
    dc.detachHdc();
    const IntRect blueBox = extentOf(square, RGB(0, 0, 255));
    const IntRect greenBox = extentOf(square, RGB(0, 128, 0));
    const int margin = 54 * 3 / 46;
    EXPECT_NEAR(blueBox.left, margin, 1);
    EXPECT_NEAR(greenBox.right, 54 - margin, 1);
    EXPECT_NEAR(blueBox.right, greenBox.left, 1);
    EXPECT_NEAR(blueBox.top + blueBox.bottom, 54, 2);
    EXPECT_NEAR(blueBox.height(), 54 * 10 / 46, 2);
    // The drawing's own view and scale are untouched.
    EXPECT_EQ(d.view->zoom, 3.0);
    EXPECT_EQ(d.view->scrollX, 17);
    EXPECT_EQ(d.sheet->oneToOne, 0);
    EXPECT_EQ(d.sheet->scaleDenominator(), 10);
}
