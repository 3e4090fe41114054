// The scroll bars of a drawing's view: the step that keeps the positions within 32000, line and
// page sizes, the pan's limits and its Shift rule. The bars are the scroll bars of a hidden
// window of the test's own.
#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/ChildScrollBar.h"
#include "tests/views/PaintTestDrawing.h"
#include "views/ViewScrollBars.h"

using namespace paint_test;

namespace {

class ScrolledDrawing : public PaintTestDrawing {
public:
    ScrolledDrawing() : PaintTestDrawing(400, 300)
    {
        owner.attachHwnd(CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL, 0, 0, 300,
                                         200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
        horizontal.useOwnerHorizontalBar(&owner);
        vertical.useOwnerVerticalBar(&owner);
        context.scroller = scroller = new ViewScrollBars;
        scroller->setOwner(&context);
        scroller->setHorizontalBar(&horizontal);
        scroller->setVerticalBar(&vertical);
        view->marginX = view->marginY = 10.0;
    }
    ~ScrolledDrawing() { DestroyWindow(owner.hwnd()); }

    Window owner;
    ChildScrollBar horizontal;
    ChildScrollBar vertical;
    ViewScrollBars* scroller = nullptr;
};

} // namespace

TEST(ViewScrollBars, TheStepKeepsEveryRangeWithin32000Positions)
{
    struct Row {
        double widthMm, zoom;
        int step;
    };
    // The sheet with its margins, in pixels at 72 dpi: (297 + 20) mm is 898 pixels at zoom 1.
    const Row rows[] = {
        {297.0, 1.0, 1}, {297.0, 10.0, 1}, {297.0, 100.0, 3}, {10000.0, 100.0, 89}, {10000.0, 0.1, 1},
    };
    for (const Row& r : rows) {
        ScrolledDrawing d;
        d.sheet->horizontalMm = r.widthMm;
        d.view->zoom = r.zoom;
        (void)d.scroller->resetRanges(); // whether a bar moved does not matter here
        const double extent = (r.widthMm + 20.0) * r.zoom * 72.0 / 25.4;
        EXPECT_EQ(d.scroller->step, r.step) << r.widthMm << " at " << r.zoom;
        EXPECT_EQ(d.horizontal.maximum, static_cast<int>(static_cast<long long>(extent) / r.step)) << r.widthMm;
        EXPECT_LE(d.horizontal.maximum, 32000);
        EXPECT_GE(d.horizontal.maximum, 1);
        EXPECT_EQ(d.horizontal.lineStep, 16);
        EXPECT_EQ(d.horizontal.page, 400 / r.step);
        EXPECT_EQ(d.vertical.page, 300 / r.step);
        // The view's offset is the position times the step.
        d.horizontal.setPosition(d.horizontal.maxPosition(), TRUE);
        EXPECT_EQ(d.scroller->applyToView(), d.horizontal.maxPosition() > 0);
        EXPECT_EQ(d.view->scrollX, d.horizontal.maxPosition() * r.step);
        EXPECT_GE(d.view->scrollX, 0);
    }
}

TEST(ViewScrollBars, PanningStaysWithinTheBarsAndShiftKeepsTheLargerAxis)
{
    ScrolledDrawing d;
    d.view->zoom = 4.0;
    (void)d.scroller->resetRanges(); // the first ranges
    const int lastX = d.horizontal.maxPosition(), lastY = d.vertical.maxPosition();
    ASSERT_GT(lastX, 100);
    ASSERT_GT(lastY, 100);
    struct Row {
        int dx, dy, shift;
        int x, y; // positions afterwards; -1 is the last position
    };
    // The content follows the pointer: dragging left (dx < 0) moves the bar right.
    const Row rows[] = {
        {-50, -30, 0, 50, 30},  {20, 0, 0, 30, 30},    {-40, -10, 1, 70, 30},  {-5, 12, 1, 70, 18},
        {100, 100, 0, 0, 0},    {-100000, 0, 0, -1, 0}, {0, -100000, 0, -1, -1}, {-7, -7, 0, -1, -1},
        {7, 3, 1, -1 - 7, -1},
    };
    for (const Row& r : rows) {
        d.scroller->panBy(r.dx, r.dy, r.shift);
        const int x = r.x < 0 ? lastX + r.x + 1 : r.x;
        const int y = r.y < 0 ? lastY + r.y + 1 : r.y;
        EXPECT_EQ(d.horizontal.position(), x) << r.dx << "," << r.dy << (r.shift ? " shift" : "");
        EXPECT_EQ(d.vertical.position(), y) << r.dx << "," << r.dy << (r.shift ? " shift" : "");
        EXPECT_EQ(d.view->scrollX, x);
        EXPECT_EQ(d.view->scrollY, y);
    }
}
