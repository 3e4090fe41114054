// The wheel arithmetic and the rectangle-zoom decision, case by case.
#include <gtest/gtest.h>

#include "views/ZoomRules.h"

TEST(ZoomRules, WheelDeltasZoomOrScrollByWholeNotches)
{
    struct Row {
        int delta;
        double factor; // 0: nothing happens
        int steps;
    };
    const Row rows[] = {
        {0, 0.0, 0},           {60, 0.0, -3},           {-60, 0.0, 3},           {61, 1 / 1.1, -3},
        {120, 1 / 1.1, -3},    {-120, 1.1, 3},          {121, 1 / 1.1 / 1.1, -6}, {240, 1 / 1.1 / 1.1 / 1.1, -6},
        {-240, 1.1 * 1.1 * 1.1, 6}, {241, 1 / (1.1 * 1.1 * 1.1 * 1.1), -9},
    };
    for (const Row& r : rows) {
        EXPECT_NEAR(ZoomRules::wheelZoomFactor(r.delta), r.factor, 1e-12) << r.delta;
        EXPECT_EQ(ZoomRules::wheelScrollSteps(r.delta), r.steps) << r.delta;
    }
    // The extremes end at once and stay finite.
    EXPECT_GT(ZoomRules::wheelZoomFactor(32767), 0.0);
    EXPECT_LT(ZoomRules::wheelZoomFactor(-32767), 1e300);
    EXPECT_EQ(ZoomRules::wheelScrollSteps(-32767), 822);
}

TEST(ZoomRules, ADragZoomsByRectangleOnlyWhenLongAndSlowEnough)
{
    struct Row {
        IntPoint start, end;
        int held;
        int happens;
        double zoom;
        IntPoint centre;
    };
    // An 800 x 600 view area at zoom 1, limit 100.
    const Row rows[] = {
        {{100, 100}, {300, 400}, 1, 1, 4.0, {200, 175}},    // the tall drag is cut to 200 x 150
        {{100, 100}, {500, 150}, 1, 1, 800.0 / 66, {133, 125}}, // the wide one to 66 x 50
        {{300, 300}, {100, 150}, 1, 1, 4.0, {200, 225}},    // signs stay
        {{100, 100}, {108, 100}, 1, 0, 0.0, {0, 0}},        // 8 pixels is a click
        {{100, 100}, {106, 106}, 1, 0, 0.0, {0, 0}},        // so is a distance of 8.5
        {{100, 100}, {300, 400}, 0, 0, 0.0, {0, 0}},        // and a release within 150 ms
        {{100, 100}, {104, 103}, 1, 0, 0.0, {0, 0}},
        {{100, 100}, {101, 100}, 1, 0, 0.0, {0, 0}},
        {{100, 100}, {100, 140}, 1, 1, 1.0, {100, 100}},    // no extent left: only centres
        {{0, 0}, {2, 9}, 1, 1, 100.0, {1, 0}},              // held at the limit
    };
    for (const Row& r : rows) {
        const ZoomRules::RectangleZoom z = ZoomRules::decideRectangleZoom(r.start, r.end, r.held, 800, 600, 1.0, 100.0);
        EXPECT_EQ(z.happens, r.happens) << r.end.x << "," << r.end.y;
        if (!r.happens)
            continue;
        EXPECT_NEAR(z.zoom, r.zoom, 1e-12) << r.end.x << "," << r.end.y;
        EXPECT_EQ(z.centre.x, r.centre.x) << r.end.x << "," << r.end.y;
        EXPECT_EQ(z.centre.y, r.centre.y) << r.end.x << "," << r.end.y;
    }
}
