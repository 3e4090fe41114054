// The rulers: the tick step and label interval at each zoom and unit, the bands rendered into a
// DIB section, the first tick found by division when the origin lies far away, and the vertical
// ruler counting upwards when the sheet's y axis does.
#include <algorithm>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "geometry/GridSettings.h"
#include "tests/views/PaintTestDrawing.h"
#include "views/RulerScale.h"
#include "views/ViewRulers.h"

using namespace paint_test;

namespace {

class UnitGrid : public IdleGrid {
public:
    [[nodiscard]] double originX() const override { return x; }
    [[nodiscard]] double originY() const override { return y; }
    [[nodiscard]] int xUnit() const override { return unit; }
    [[nodiscard]] int yUnit() const override { return unit; }
    double x = 0.0, y = 0.0;
    int unit = 1;
};

class RuledDrawing : public PaintTestDrawing {
public:
    RuledDrawing() : PaintTestDrawing(400, 300)
    {
        context.grid = grid = new UnitGrid;
        context.rulers = rulers = new ViewRulers;
        rulers->setOwner(&context);
        view->rulersShown = 1;
    }
    UnitGrid* grid;
    ViewRulers* rulers;
};

void collect(long long index, int at, void* data)
{
    static_cast<std::vector<std::pair<long long, int>>*>(data)->push_back({index, at});
}

std::vector<std::pair<long long, int>> ticksOf(RuledDrawing& d, int axis)
{
    RulerScale scale;
    RulerTickWalk walk;
    EXPECT_TRUE(d.rulers->axisWalk(axis, axis ? d.rulers->verticalRect() : d.rulers->horizontalRect(), scale, walk));
    std::vector<std::pair<long long, int>> ticks;
    walkRulerTicks(walk, collect, &ticks);
    std::sort(ticks.begin(), ticks.end(), [](auto& a, auto& b) { return a.second < b.second; });
    return ticks;
}

} // namespace

TEST(Rulers, TheStepGrowsByFiveAndTwoAndLabelsStay70PixelsApart)
{
    struct Row {
        int unit;
        double zoom;
        double step; // millimetres
        int kind, labelEvery;
    };
    const Row rows[] = {
        {1, 1.0, 5.0, 1, 10},  {1, 4.0, 1.0, 0, 10}, {1, 8.0, 1.0, 0, 5},   {1, 0.1, 50.0, 1, 10},
        {1, 30.0, 1.0, 0, 1},  {2, 1.0, 25.4, 0, 1}, {6, 1.0, 10.0, 0, 5},  {5, 1.0, 5.0, 1, 10},
        {7, 0.1, 1000.0, 0, 1}, {1, 0.37, 5.0, 1, 20},
    };
    for (const Row& r : rows) {
        RuledDrawing d;
        d.grid->unit = r.unit;
        d.view->zoom = r.zoom;
        RulerScale scale;
        ASSERT_TRUE(d.rulers->axisScale(0, scale)) << r.unit << " at " << r.zoom;
        EXPECT_NEAR(scale.step, r.step, 1e-9) << r.unit << " at " << r.zoom;
        EXPECT_EQ(scale.kind, r.kind) << r.unit << " at " << r.zoom;
        EXPECT_EQ(scale.labelEvery, r.labelEvery) << r.unit << " at " << r.zoom;
    }

    // Over every unit and zoom: ticks at least 4 pixels apart, labels at least 70 unless one step
    // is wider (then every tick is labelled).
    for (int unit = 1; unit <= 7; ++unit)
        for (double zoom = 0.1; zoom <= 100.0; zoom *= 1.13) {
            RuledDrawing d;
            d.grid->unit = unit;
            d.view->zoom = zoom;
            RulerScale scale;
            ASSERT_TRUE(d.rulers->axisScale(0, scale)) << unit << " at " << zoom;
            EXPECT_GE(scale.pixels, 4.0) << unit << " at " << zoom;
            if (scale.pixels > 70.0)
                EXPECT_EQ(scale.labelEvery, 1) << unit << " at " << zoom;
            else
                EXPECT_GE(scale.labelEvery * scale.pixels, 70.0) << unit << " at " << zoom;
        }

    // A unit of no length (or none at all) gives no ticks; tiny units and a tiny scale end.
    auto linear = [](double length, void* perUnit) { return std::trunc(length * *static_cast<double*>(perUnit)); };
    double perUnit = 72.0 / 25.4;
    RulerScale scale;
    EXPECT_FALSE(computeRulerScale(0.0, linear, &perUnit, scale));
    EXPECT_FALSE(computeRulerScale(-1.0, linear, &perUnit, scale));
    EXPECT_FALSE(computeRulerScale(NAN, linear, &perUnit, scale));
    EXPECT_TRUE(computeRulerScale(1e-5, linear, &perUnit, scale));
    EXPECT_GE(scale.pixels, 4.0);
    double none = 0.0; // a mapping that gives no pixels at all
    EXPECT_FALSE(computeRulerScale(1.0, linear, &none, scale));
    double hundredThousandth = 72.0 / 25.4 / 100000.0 * 10.0 / 72.0; // 10 dpi at 1:100000
    EXPECT_TRUE(computeRulerScale(1.0, linear, &hundredThousandth, scale));
}

TEST(Rulers, BothBandsAreFifteenPixelsOfPaleGreyWithTicks)
{
    RuledDrawing d;
    DibSurface screen(400, 300, RGB(1, 2, 3));
    DeviceContext dc;
    dc.attachHdc(screen.hdc);
    d.rulers->paintOn(dc, IntRect::fromEdges(0, 0, 400, 300));
    dc.detachHdc();

    const COLORREF grey = RGB(223, 223, 223), black = RGB(0, 0, 0), untouched = RGB(1, 2, 3);
    EXPECT_EQ(screen.pixel(5, 5), grey);     // the corner
    EXPECT_EQ(screen.pixel(14, 5), black);   // its frame
    EXPECT_EQ(screen.pixel(5, 14), black);
    EXPECT_EQ(screen.pixel(200, 14), black); // the line under the top band
    EXPECT_EQ(screen.pixel(14, 200), black); // the line right of the left band
    // Nothing beyond the 15-pixel bands; both bands are filled.
    EXPECT_EQ(screen.inkCount(15, 15, 400, 300, untouched), 0);
    EXPECT_EQ(screen.inkCount(0, 0, 400, 15, untouched), 400 * 15);
    EXPECT_EQ(screen.inkCount(0, 15, 15, 300, untouched), 15 * 285);
    EXPECT_EQ(screen.pixel(200, 2), grey);
    EXPECT_EQ(screen.pixel(2, 160), grey);

    // Ticks of 5 mm (14.17 pixels) stand on the band's bottom line; every tick reaches row 12.
    int ticks = 0;
    for (int x = 15; x < 400; ++x)
        ticks += screen.pixel(x, 12) == black;
    const auto walked = ticksOf(d, 0);
    EXPECT_EQ(ticks, static_cast<int>(walked.size()));
    EXPECT_NEAR(ticks, 385 / (5 * 72.0 / 25.4), 1.5);

    // The labels stand whole inside the band: the "0" at the origin and the "50" have ink in
    // their top rows as well as near the ticks (a label measured in a larger font lost its top).
    for (int row : {2, 3, 4, 8, 9}) {
        int ink = 0;
        for (int x = 16; x < 400; ++x)
            ink += screen.pixel(x, row) == black;
        EXPECT_GT(ink, 0) << "row " << row;
    }
}

TEST(Rulers, AFarOriginCostsNoMoreThanANearOneAndUpwardYCountsUp)
{
    RuledDrawing nearby, distant;
    nearby.view->zoom = distant.view->zoom = 100.0;
    distant.grid->x = 10000.0; // 10 m to the right of the view
    distant.grid->y = -10000.0;
    const auto a = ticksOf(nearby, 0), b = ticksOf(distant, 0);
    ASSERT_FALSE(a.empty());
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].second, b[i].second);
        EXPECT_EQ(b[i].first, a[i].first - 10000); // 1 mm ticks, counted from the distant origin
    }
    EXPECT_EQ(ticksOf(distant, 1).size(), ticksOf(nearby, 1).size());

    // With the y axis upwards the index falls as the device y grows, and tick 0 is the sheet's
    // bottom edge (210 mm down).
    nearby.view->zoom = 1.0;
    nearby.view->scrollY = 400;
    ASSERT_EQ(nearby.sheet->setYDirection(1), 1);
    const auto up = ticksOf(nearby, 1);
    ASSERT_GT(up.size(), 2u);
    EXPECT_GT(up[0].first, up[1].first);
    for (const auto& tick : up)
        if (tick.first == 0) {
            EXPECT_EQ(tick.second, nearby.view->worldToDeviceY(210.0));
        }
}
