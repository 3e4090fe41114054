// The view area: inclusive containment, segment clipping edge by edge, arcs clipped into pieces
// and picked, and the screen mapped through the view.
#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <vector>

#include "geometry/Point.h"
#include "geometry/ThreePointArc.h"
#include "geometry/ViewArea.h"
#include "platform/SystemMetrics.h"
#include "tests/geometry/DrawingOwner.h"

namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

ViewArea area(double left, double top, double right, double bottom)
{
    ViewArea a;
    a.set(left, top, right, bottom);
    return a;
}

ThreePointArc computedArc(double x1, double y1, double xm, double ym, double x2, double y2)
{
    ThreePointArc arc;
    arc.start = Point(x1, y1);
    arc.middle = Point(xm, ym);
    arc.end = Point(x2, y2);
    EXPECT_EQ(arc.compute(), 1);
    return arc;
}

TEST(ViewArea, ContainmentIsInclusiveAndUnusableValuesAreNeverInside)
{
    const ViewArea a = area(0, 0, 10, 5);
    struct PointCase {
        double x, y;
        int inside;
    } points[] = {{10, 2, 1}, {0, 0, 1}, {10, 5, 1}, {5, 2.5, 1}, {10.000001, 2, 0}, {5, -0.1, 0}, {nan, 2, 0}, {2, inf, 0}};
    for (const PointCase& c : points) {
        SCOPED_TRACE(::testing::Message() << "point " << c.x << ", " << c.y);
        EXPECT_EQ(a.containsPoint(Point(c.x, c.y)), c.inside);
    }

    // Boxes by two corners in any order: wholly inside, wholly outside, or neither (touching the
    // area from outside at one edge is neither).
    struct BoxCase {
        double x1, y1, x2, y2;
        int inside, outside;
    } boxes[] = {
        {1, 1, 9, 4, 1, 0},   {9, 4, 1, 1, 1, 0},     {0, 0, 10, 5, 1, 0},  {10, 1, 12, 4, 0, 0},
        {-3, -3, -1, 2, 0, 1}, {11, 0, 12, 5, 0, 1},  {-1, -1, 11, 6, 0, 0}, {nan, 1, 2, 2, 0, 1},
        {1, 1, 2, inf, 0, 1},
    };
    for (const BoxCase& c : boxes) {
        SCOPED_TRACE(::testing::Message() << "box " << c.x1 << ", " << c.y1 << " - " << c.x2 << ", " << c.y2);
        EXPECT_EQ(a.containsBox(Point(c.x1, c.y1), Point(c.x2, c.y2)), c.inside);
        EXPECT_EQ(a.containsBoxCoords(c.x1, c.y1, c.x2, c.y2), c.inside);
        EXPECT_EQ(a.isOutsideBoxCoords(c.x1, c.y1, c.x2, c.y2), c.outside);
    }

    const ViewArea device = area(10, 20, 110, 70);
    EXPECT_EQ(device.containsDevicePoint(IntPoint(110, 70)), 1);
    EXPECT_EQ(device.containsDevicePoint(IntPoint(111, 70)), 0);
    IntRect r;
    r.set(0, 0, 10, 20); // top, left, right, bottom: touches the left edge at a corner
    EXPECT_EQ(device.isOutsideDeviceRect(r), 0);
    r.set(71, 0, 200, 90);
    EXPECT_EQ(device.isOutsideDeviceRect(r), 1);
}

TEST(ViewArea, ClipsSegmentsToTheArea)
{
    const ViewArea a = area(0, 0, 5, 5);
    struct Case {
        double in[4];
        int result;
        double out[4];
    } cases[] = {
        // Horizontal and vertical segments come out ordered and cut.
        {{-10, 2, 10, 2}, 1, {0, 2, 5, 2}},
        {{10, 2, -10, 2}, 1, {0, 2, 5, 2}},
        {{3, 9, 3, -4}, 1, {3, 0, 3, 5}},
        // Inside or wholly outside: unchanged.
        {{1, 1, 4, 3}, 1, {1, 1, 4, 3}},
        {{6, -1, 9, 4}, 0, {6, -1, 9, 4}},
        // A diagonal passing the corner outside, not rejected by its box.
        {{-6, 5, 5, -6}, 0, {-6, 5, 5, -6}},
        // Diagonals entering through one edge or two, in either direction.
        {{-5, -5, 10, 10}, 1, {0, 0, 5, 5}},
        {{10, 10, -5, -5}, 1, {5, 5, 0, 0}},
        {{2, 2, 2 + 6, 2 + 3}, 1, {2, 2, 5, 3.5}},
        {{-2, 1, 3, 6}, 1, {0, 3, 2, 5}},
        // Huge but finite coordinates still clip; unusable ones change nothing.
        {{-1e300, 2, 1e300, 3}, 1, {0, 2.5, 5, 2.5}},
        {{nan, 2, 3, 3}, 0, {nan, 2, 3, 3}},
        {{1, 2, inf, 3}, 0, {1, 2, inf, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.in[0] << ", " << c.in[1] << " - " << c.in[2] << ", " << c.in[3]);
        double s[4] = {c.in[0], c.in[1], c.in[2], c.in[3]};
        EXPECT_EQ(a.clipSegmentInPlace(&s[0], &s[1], &s[2], &s[3]), c.result);
        for (int i = 0; i < 4; ++i) {
            if (std::isnan(c.out[i]))
                EXPECT_TRUE(std::isnan(s[i]));
            else if (std::isinf(c.out[i]))
                EXPECT_EQ(s[i], c.out[i]);
            else
                EXPECT_NEAR(s[i], c.out[i], 1e-9) << "coordinate " << i;
        }
        EXPECT_EQ(a.clipSegmentCoords(c.in[0], c.in[1], c.in[2], c.in[3]), c.result);
        EXPECT_EQ(a.clipSegment(Point(c.in[0], c.in[1]), Point(c.in[2], c.in[3])), c.result);
    }
}

TEST(ViewArea, ClipsArcsIntoPiecesAndPicksThem)
{
    double xs[8], ys[8];
    int count = -1;

    // A whole circle inside: the arc's two ends.
    ThreePointArc small = computedArc(6, 5, 5, 4, 4, 5);
    ViewArea big = area(0, 0, 10, 10);
    ASSERT_EQ(big.clipThreePointArc(small, &count, xs, ys), 1);
    ASSERT_EQ(count, 2);
    EXPECT_NEAR(xs[0], 6, 1e-9);
    EXPECT_NEAR(xs[1], 4, 1e-9);
    EXPECT_EQ(big.hitsThreePointArc(small), 1);

    // The upper half of the circle of radius 10 about the origin, against areas that cut it.
    ThreePointArc upper = computedArc(10, 0, 0, -10, -10, 0);
    struct Case {
        ViewArea a;
        int result, count;
        std::vector<double> angles; // the pieces' ends, in order along the arc
    } cases[] = {
        {area(-20, -20, 0, 20), 1, 2, {90, 180}},        // the left quarter: top crossing to the end
        {area(-5, -20, 5, 1), 1, 2, {60, 120}},          // a strip across the top
        {area(-20, -5, 20, -1), 1, 4, {5.74, 30, 150, 174.26}}, // a band crossed four times
        {area(20, 20, 30, 30), 0, 0, {}},                // wholly outside
        {area(-2, -2, 2, 2), 0, 0, {}},                  // inside the circle, never reached
        {area(-20, 1, 20, 20), 0, 0, {}},                // below: only the lower half passes
    };
    for (Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "area " << c.a.left << ", " << c.a.top << " - " << c.a.right << ", "
                                          << c.a.bottom);
        EXPECT_EQ(c.a.clipThreePointArc(upper, &count, xs, ys), c.result);
        ASSERT_EQ(count, c.count);
        for (int i = 0; i < count; ++i) {
            Point p(xs[i], ys[i]);
            EXPECT_NEAR(p.distanceTo2D(0, 0), 10.0, 1e-9);
            EXPECT_NEAR(upper.angleOf(p.x, p.y), c.angles[i], 0.01) << "end " << i;
        }
        EXPECT_EQ(c.a.hitsThreePointArc(upper), c.result);
    }

    // A circle that crosses a small pick box on all four sides, with both ends of the arc inside
    // the box: ten angles remain. Too many pieces to hand out, but the arc is picked.
    ThreePointArc around = computedArc(1.2 * std::cos(0.7), -1.2 * std::sin(0.7), -1.2, 0,
                                       1.2 * std::cos(0.9), -1.2 * std::sin(0.9));
    ViewArea pick = area(-1, -1, 1, 1);
    EXPECT_EQ(pick.clipThreePointArc(around, &count, xs, ys), 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(pick.hitsThreePointArc(around), 1);
    ThreePointArc broken = upper;
    broken.startAngle = nan;
    EXPECT_EQ(pick.clipThreePointArc(broken, &count, xs, ys), 0);
    EXPECT_EQ(pick.hitsThreePointArc(broken), 0);
}

TEST(ViewArea, KeepsTheAnglesOnAnArcInOrder)
{
    struct Case {
        double lo, hi;
        std::vector<double> in, out;
    } cases[] = {
        {0, 90, {45, 180, 90}, {405, 450}},
        {0, 90, {0, 90, 45}, {360, 405, 450}},
        {-180, 0, {270, 90, 200}, {200, 270}},
        // The end direction given as 60 rather than 420 is off the arc: only hi itself is its end.
        {300, 420, {10, 310, 200, 60}, {670, 730}},
        {0, 360, {0, 180}, {360, 540}},
        {0, 90, {nan, 45}, {405}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "arc " << c.lo << " to " << c.hi);
        std::vector<double> angles = c.in;
        int n = static_cast<int>(angles.size());
        ASSERT_EQ(ViewArea::normaliseArcAngles(angles.data(), &n, c.lo, c.hi), 1);
        ASSERT_EQ(n, static_cast<int>(c.out.size()));
        for (int i = 0; i < n; ++i)
            EXPECT_NEAR(angles[i], c.out[i], 1e-9) << "angle " << i;
    }
    double one = 45;
    int n = 1;
    EXPECT_EQ(ViewArea::normaliseArcAngles(&one, &n, 1e300, 1e300 + 90), 0);
    EXPECT_EQ(ViewArea::normaliseArcAngles(&one, &n, 0, nan), 0);
    EXPECT_EQ(one, 45.0);
}

TEST(ViewArea, MapsTheScreenThroughTheViewAndGrowsByHalfAPenWidth)
{
    // device = 2 * world + 10; the paper at 1:50.
    OwnedDrawing drawing;
    drawing.paper().numerator = 1;
    drawing.paper().denominator = 50;
    ViewArea a;
    EXPECT_EQ(a.deviceXToWorld(110), 0.0) << "no view yet";
    a.setContext(&drawing.context, &drawing.view());
    EXPECT_EQ(a.deviceXToWorld(110), 50.0);
    EXPECT_EQ(a.deviceYToWorld(30), 10.0);

    IntRect screen = getScreenRect();
    a.setToScreenDevice();
    EXPECT_EQ(a.left, 0.0);
    EXPECT_EQ(a.right, static_cast<double>(screen.width()));
    EXPECT_EQ(a.bottom, static_cast<double>(screen.height()));
    a.setToScreen();
    EXPECT_EQ(a.left, -5.0);
    EXPECT_EQ(a.top, -5.0);
    EXPECT_EQ(a.right, (screen.width() - 10) / 2.0);
    EXPECT_EQ(a.bottom, (screen.height() - 10) / 2.0);

    // A 0.4 mm pen at 1:50 is 20 drawing units wide: each side grows by 10.
    a.set(0, 0, 100, 100);
    a.inflateByHalfWidth(0.4);
    EXPECT_NEAR(a.left, -10.0, 1e-9);
    EXPECT_NEAR(a.bottom, 110.0, 1e-9);
    a.inflateByHalfWidth(nan);
    EXPECT_NEAR(a.top, -10.0, 1e-9);

    ViewArea bare = area(0, 0, 1, 1);
    bare.inflateByHalfWidth(2);
    EXPECT_EQ(bare.right, 2.0) << "1:1 without a drawing";
}

} // namespace
