// The partial-oval geometry: where each outline starts, ends and lies for every type and
// quadrant, the bands of its points, and the point pairs that give no outline.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

#include "geometry/PointArray.h"
#include "shapes/OvalArcShape.h"

namespace {

OvalArcShape geometry(Point a, Point b, int type)
{
    OvalArcShape g;
    g.setPoints(a, b);
    g.setType(type);
    return g;
}

} // namespace

TEST(OvalArcShape, EachOutlineRunsOnItsEllipseFromItsFirstToItsLastPoint)
{
    struct Case {
        const char* name;
        Point a, b;
        int type;
        int count;
        Point first, last;
        double axisX, axisY;
        Point centre;
        int sideX, sideY; // every point on this side of the centre (+1, -1), or 0 for any
    };
    // Halves across a vertical diameter join their quarters without repeating a point.
    const Case cases[] = {
        {"full", {0, 0}, {20, 10}, OvalArcShape::kFull, 79, {20, 5}, {20, 5}, 20, 10, {10, 5}, 0, 0},
        {"half, quadrant 1", {0, 0}, {-20, 10}, OvalArcShape::kHalf, 40, {-20, 0}, {0, 0}, 20, 20, {-10, 0}, 0, 1},
        {"half, quadrant 2", {0, 0}, {20, 10}, OvalArcShape::kHalf, 39, {0, 10}, {0, 0}, 40, 10, {0, 5}, 1, 0},
        {"half, quadrant 3", {0, 0}, {20, -10}, OvalArcShape::kHalf, 40, {20, 0}, {0, 0}, 20, 20, {10, 0}, 0, -1},
        {"half, quadrant 4", {0, 0}, {-20, -10}, OvalArcShape::kHalf, 39, {0, -10}, {0, 0}, 40, 10, {0, -5}, -1, 0},
        {"quarter, quadrant 1", {0, 0}, {-20, 10}, OvalArcShape::kQuart, 20, {-20, 10}, {0, 0}, 40, 20, {-20, 0}, 1, 1},
        {"quarter, quadrant 2", {0, 0}, {20, 10}, OvalArcShape::kQuart, 20, {20, 10}, {0, 0}, 40, 20, {0, 10}, 1, -1},
        {"quarter, quadrant 3", {0, 0}, {20, -10}, OvalArcShape::kQuart, 20, {20, -10}, {0, 0}, 40, 20, {20, 0}, -1, -1},
        {"quarter, quadrant 4", {0, 0}, {-20, -10}, OvalArcShape::kQuart, 20, {-20, -10}, {0, 0}, 40, 20, {0, -10}, -1, 1},
    };
    for (const Case& c : cases) {
        const OvalArcShape g = geometry(c.a, c.b, c.type);
        PointArray out;
        ASSERT_EQ(g.buildOutline(out), 1) << c.name;
        EXPECT_EQ(out.count, c.count) << c.name;
        Point p;
        ASSERT_TRUE(out.getPoint(0, &p));
        EXPECT_NEAR(p.x, c.first.x, 1e-9) << c.name;
        EXPECT_NEAR(p.y, c.first.y, 1e-9) << c.name;
        ASSERT_TRUE(out.getLastPoint(&p));
        EXPECT_NEAR(p.x, c.last.x, 1e-9) << c.name;
        EXPECT_NEAR(p.y, c.last.y, 1e-9) << c.name;
        double ax = 0, ay = 0, cx = 0, cy = 0;
        ASSERT_EQ(g.axisLengths(ax, ay), 1) << c.name;
        ASSERT_EQ(g.centre(cx, cy), 1) << c.name;
        EXPECT_EQ(ax, c.axisX) << c.name;
        EXPECT_EQ(ay, c.axisY) << c.name;
        EXPECT_EQ(cx, c.centre.x) << c.name;
        EXPECT_EQ(cy, c.centre.y) << c.name;
        for (int i = 0; i < out.count; ++i) {
            ASSERT_TRUE(out.getPoint(i, &p));
            const double u = (p.x - cx) / (ax / 2), v = (p.y - cy) / (ay / 2);
            EXPECT_NEAR(u * u + v * v, 1.0, 1e-9) << c.name << " point " << i;
            EXPECT_GE(c.sideX * (p.x - cx), -1e-9) << c.name << " point " << i;
            EXPECT_GE(c.sideY * (p.y - cy), -1e-9) << c.name << " point " << i;
        }
        // Closed, only a quarter gains its centre: the sector.
        PointArray closed;
        ASSERT_EQ(g.buildClosedOutline(closed), 1) << c.name;
        ASSERT_TRUE(closed.getLastPoint(&p));
        EXPECT_EQ(closed.count, c.type == OvalArcShape::kQuart ? c.count + 1 : c.count) << c.name;
        if (c.type == OvalArcShape::kQuart) {
            EXPECT_EQ(p.x, c.centre.x) << c.name;
            EXPECT_EQ(p.y, c.centre.y) << c.name;
        }
    }
}

TEST(OvalArcShape, QuartersAreDenserAtBothEndsByTheShorterOrLongerSide)
{
    // Full ovals about their centre, counts 5, 10, 5: point 5 ends the first band, point 18 is
    // the last before the second axis. A wide quarter steps along x: bands of 0.025 and 0.1 of
    // the height; a tall one along y: 0.2 and 0.025 of the width.
    struct Case {
        const char* name;
        Point b;
        bool alongX;
        double atFive, atEighteen; // the stepped coordinate's distance from the centre
    };
    const Case cases[] = {
        {"wide", {40, 10}, true, 20 - 0.025 * 10, 0.1 * 10 / 5},
        {"round", {10, 10}, true, 5 - 0.025 * 10, 0.1 * 10 / 5},
        {"tall", {10, 40}, false, 0.2 * 10, 20 - 0.025 * 10 / 5},
    };
    for (const Case& c : cases) {
        const OvalArcShape g = geometry({0, 0}, c.b, OvalArcShape::kFull);
        PointArray out;
        ASSERT_EQ(g.buildOutline(out), 1) << c.name;
        Point five, eighteen;
        ASSERT_TRUE(out.getPoint(5, &five) && out.getPoint(18, &eighteen));
        const double at5 = c.alongX ? five.x - g.centreX() : g.centreY() - five.y;
        const double at18 = c.alongX ? eighteen.x - g.centreX() : g.centreY() - eighteen.y;
        EXPECT_NEAR(at5, c.atFive, 1e-9) << c.name;
        EXPECT_NEAR(at18, c.atEighteen, 1e-9) << c.name;
    }

    // Output counts 10, 30, 10: 50 points a quarter.
    OvalArcShape g = geometry({0, 0}, {20, 10}, OvalArcShape::kFull);
    g.setCounts(10, 30, 10);
    PointArray out;
    ASSERT_EQ(g.buildOutline(out), 1);
    EXPECT_EQ(out.count, 199);
}

TEST(OvalArcShape, PointsWithoutAnAreaOrAnUnknownTypeGiveNoOutline)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<int> everyType = {OvalArcShape::kFull, OvalArcShape::kHalf, OvalArcShape::kQuart};
    struct Case {
        const char* name;
        Point b;
        std::vector<int> types;
    };
    const Case cases[] = {
        {"same x", {0, 10}, everyType},        {"same y", {20, 0}, everyType},
        {"same point", {0, 0}, everyType},     {"not a number", {nan, 10}, everyType},
        {"infinite", {1e308 * 10, 10}, everyType}, {"unknown types", {20, 10}, {0, 4, -1}},
    };
    for (const Case& c : cases) {
        for (int type : c.types) {
            const OvalArcShape g = geometry({0, 0}, c.b, type);
            PointArray out, closed;
            EXPECT_EQ(g.buildOutline(out), 0) << c.name << " type " << type;
            EXPECT_EQ(g.buildClosedOutline(closed), 0) << c.name << " type " << type;
            EXPECT_EQ(out.count + closed.count, 0) << c.name << " type " << type;
        }
    }
    double x = 0, y = 0;
    EXPECT_EQ(geometry({0, 0}, {20, 10}, 4).axisLengths(x, y), 0);
    EXPECT_EQ(geometry({0, 0}, {20, 10}, 4).centre(x, y), 0);
}
