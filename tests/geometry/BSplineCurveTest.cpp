// The spline's interpolating curve: knots, samples through the given points, the 120-point limit,
// reuse of the work arrays, and input that comes back unchanged or is refused.
#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <vector>

#include "geometry/BSplineCurve.h"
#include "geometry/PointArray.h"

namespace {

Point at(const PointArray& a, int i)
{
    Point p;
    EXPECT_EQ(a.getRecord(i, &p), 1) << "index " << i;
    return p;
}

void fillWith(PointArray& a, int n, double (*fx)(int), double (*fy)(int))
{
    ASSERT_EQ(a.resize(0), 1);
    for (int i = 0; i < n; ++i)
        ASSERT_EQ(a.appendXY(fx(i), fy(i)), 1);
}

// An output that evaluation must leave alone when it fails.
void markOutput(PointArray& out)
{
    ASSERT_EQ(out.resize(0), 1);
    ASSERT_EQ(out.appendWithFlag(7, -1, -2, -3), 1);
}

void expectMarked(const PointArray& out)
{
    ASSERT_EQ(out.count, 1);
    EXPECT_EQ(at(out, 0).flag, 7u);
    EXPECT_EQ(at(out, 0).x, -1.0);
}

TEST(BSplineCurve, KnotsLieHalfwayAndTheCurvePassesThroughEveryPoint)
{
    const double bend[3][2] = {{0, 0}, {10, 20}, {30, 0}};
    PointArray three, out;
    for (auto& p : bend)
        ASSERT_EQ(three.appendXY(p[0], p[1]), 1);
    BSplineCurve curve;
    curve.setSamplesPerSpan(8);
    ASSERT_EQ(curve.evaluate(&three, &out), 1);
    const double knots3[] = {0, 0, 0, 2, 2, 2};
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(curve.knot(i), knots3[i - 1]) << "knot " << i;
    ASSERT_EQ(out.count, 17);
    EXPECT_NEAR(at(out, 8).x, 10.0, 1e-9);
    EXPECT_NEAR(at(out, 8).y, 20.0, 1e-9);
    EXPECT_NEAR(at(out, 16).x, 30.0, 1e-9) << "the end of the range is caught by the allowance";
    EXPECT_NEAR(at(out, 16).y, 0.0, 1e-9);

    PointArray four;
    fillWith(four, 4, [](int i) { return 5.0 * i; }, [](int i) { return i % 2 ? 3.0 : -3.0; });
    ASSERT_EQ(curve.evaluate(&four, &out), 1);
    const double knots4[] = {0, 0, 0, 1.5, 3, 3, 3};
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(curve.knot(i), knots4[i - 1]) << "knot " << i;

    // Straight lines and parabolas lie in the spline's space, so the interpolant reproduces them
    // at every sample, not only at the given points: point i at parameter i gives (t, t^2).
    struct Case {
        int n, samples;
    } cases[] = {{3, 3}, {5, 8}, {17, 20}, {64, 8}, {120, 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.n << " points, " << c.samples << " samples per span");
        PointArray points;
        fillWith(points, c.n, [](int i) { return 1.0 * i; }, [](int i) { return 1.0 * i * i; });
        curve.setSamplesPerSpan(c.samples);
        ASSERT_EQ(curve.evaluate(&points, &out), 1);
        ASSERT_EQ(out.count, (c.n - 1) * c.samples + 1);
        for (int j = 0; j < out.count; ++j) {
            Point p = at(out, j);
            double t = j * (1.0 / c.samples);
            ASSERT_NEAR(p.x, t, 1e-6 * c.n) << "sample " << j;
            ASSERT_NEAR(p.y, t * t, 1e-6 * c.n * c.n) << "sample " << j;
            ASSERT_EQ(p.z, 0.0);
            ASSERT_EQ(p.flag, 0u);
        }
    }
}

TEST(BSplineCurve, TakesAtMost120PointsAndKeepsItsArraysForShorterLists)
{
    auto x = [](int i) { return 2.0 * i; };
    auto y = [](int i) { return std::sin(0.3 * i); };
    PointArray p120, p121, p100, p20, out;
    fillWith(p120, 120, x, y);
    fillWith(p121, 121, x, y);
    fillWith(p100, 100, x, y);
    fillWith(p20, 20, x, y);

    BSplineCurve curve;
    curve.setSamplesPerSpan(3);
    ASSERT_EQ(curve.evaluate(&p120, &out), 1);
    EXPECT_EQ(out.count, 119 * 3 + 1);
    markOutput(out);
    EXPECT_EQ(curve.evaluate(&p121, &out), 0);
    expectMarked(out);

    // Sizes step by 30 points; a shorter list works in the larger arrays, and only a list that
    // needs more than was allocated allocates again.
    BSplineCurve reuse;
    reuse.setSamplesPerSpan(3);
    struct Step {
        PointArray* points;
        int capacity, allocated, allocations;
    } steps[] = {{&p20, 30, 30, 1}, {&p100, 120, 120, 2}, {&p20, 30, 120, 2}, {&p100, 120, 120, 2},
                 {&p120, 120, 120, 2}, {&p121, 120, 120, 2}};
    for (const Step& s : steps) {
        SCOPED_TRACE(::testing::Message() << s.points->count << " points");
        int expected = s.points == &p121 ? 0 : 1;
        EXPECT_EQ(reuse.evaluate(s.points, &out), expected);
        EXPECT_EQ(reuse.capacity(), s.capacity);
        EXPECT_EQ(reuse.allocatedCapacity(), s.allocated);
        EXPECT_EQ(reuse.allocationCount(), s.allocations);
        if (expected) {
            // The same curve as a fresh object gives.
            BSplineCurve fresh;
            fresh.setSamplesPerSpan(3);
            PointArray freshOut;
            ASSERT_EQ(fresh.evaluate(s.points, &freshOut), 1);
            ASSERT_EQ(freshOut.count, out.count);
            for (int j = 0; j < out.count; ++j)
                ASSERT_EQ(at(out, j).y, at(freshOut, j).y) << "sample " << j;
        }
    }
}

TEST(BSplineCurve, ShortListsComeBackAsTheyAreAndBadInputIsRefused)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    BSplineCurve curve;
    curve.setSamplesPerSpan(8);

    for (int n = 0; n < 3; ++n) {
        SCOPED_TRACE(::testing::Message() << n << " points");
        PointArray points, out;
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(points.appendWithFlag(2, i, 10.0 * i, 1.5), 1);
        markOutput(out);
        EXPECT_EQ(curve.evaluate(&points, &out), 1);
        ASSERT_EQ(out.count, n);
        for (int i = 0; i < n; ++i) {
            EXPECT_EQ(at(out, i).y, 10.0 * i);
            EXPECT_EQ(at(out, i).flag, 2u) << "copied as they are, without a solve";
        }
    }

    // A coordinate that is not finite, or a sample count no caller uses, leaves the output.
    struct Bad {
        double x, y;
        int samples;
    } bad[] = {{nan, 0, 8}, {0, nan, 8}, {inf, 0, 8}, {0, -inf, 8}, {1, 1, 0}, {1, 1, -1}, {1, 1, 1001}};
    for (const Bad& b : bad) {
        SCOPED_TRACE(::testing::Message() << b.x << ", " << b.y << " with " << b.samples << " samples");
        PointArray points, out;
        ASSERT_EQ(points.appendXY(0, 0), 1);
        ASSERT_EQ(points.appendXY(b.x, b.y), 1);
        ASSERT_EQ(points.appendXY(5, 5), 1);
        markOutput(out);
        curve.setSamplesPerSpan(b.samples);
        EXPECT_EQ(curve.evaluate(&points, &out), 0);
        expectMarked(out);
    }

    // Coincident points give that point; collinear ones a line through them; huge ones a finite
    // curve or a refusal, never an output of infinities.
    curve.setSamplesPerSpan(8);
    struct Shape {
        double x[5], y[5];
    } shapes[] = {
        {{4, 4, 4, 4, 4}, {7, 7, 7, 7, 7}},
        {{0, 1, 2, 3, 4}, {0, 2, 4, 6, 8}},
        {{0, 1e300, -1e300, 1e300, 0}, {1e300, 0, 1e300, -1e300, 1}},
    };
    for (const Shape& s : shapes) {
        PointArray points, out;
        for (int i = 0; i < 5; ++i)
            ASSERT_EQ(points.appendXY(s.x[i], s.y[i]), 1);
        markOutput(out);
        int result = curve.evaluate(&points, &out);
        if (!result) {
            expectMarked(out);
            continue;
        }
        ASSERT_EQ(out.count, 33);
        for (int j = 0; j < out.count; ++j) {
            Point p = at(out, j);
            ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << "sample " << j;
            if (s.x[0] == s.x[1]) {
                EXPECT_NEAR(p.x, 4.0, 1e-9);
                EXPECT_NEAR(p.y, 7.0, 1e-9);
            } else if (s.x[1] == 1) {
                EXPECT_NEAR(p.y, 2.0 * p.x, 1e-9);
            }
        }
    }
}

} // namespace
