// The numeric conventions: tolerances, angles, rotations and constructions.
#include <cmath>
#include <gtest/gtest.h>

#include "platform/MathUtil.h"

namespace {

TEST(MathUtil, ToleranceIsOneHundredThousandth)
{
    EXPECT_FALSE(MathUtil::isNearlyZero(1e-5));
    EXPECT_TRUE(MathUtil::isNearlyZero(9.9e-6));
    EXPECT_TRUE(MathUtil::isNearlyZero(-9.9e-6));
    EXPECT_FALSE(MathUtil::isNearlyZero(0.0101, 2));
    EXPECT_TRUE(MathUtil::isNearlyZero(0.0099, 2));
    EXPECT_TRUE(MathUtil::isNearlyEqual(1.0, 1.000001));
    EXPECT_FALSE(MathUtil::isAtLeastTolerance(std::nan("")));
    EXPECT_TRUE(MathUtil::isAtMostMinusTolerance(-1e-5));
    EXPECT_EQ(MathUtil::tolerance(100000), 0.0); // returns at once
}

TEST(MathUtil, AnglesNormaliseWithoutLooping)
{
    EXPECT_EQ(MathUtil::normalizeAngle(-30.0), 330.0);
    EXPECT_EQ(MathUtil::normalizeAngle(720.0), 0.0);
    EXPECT_EQ(MathUtil::normalizeAngle(360.0), 0.0);
    EXPECT_EQ(MathUtil::normalizeAngle(-360.0), 0.0);
    EXPECT_EQ(MathUtil::normalizeAngle(725.5), 5.5);
    EXPECT_TRUE(std::isnan(MathUtil::normalizeAngle(std::nan(""))));
    double huge = MathUtil::normalizeAngle(1e300);
    EXPECT_GE(huge, 0.0);
    EXPECT_LT(huge, 360.0);
    EXPECT_TRUE(std::isinf(MathUtil::normalizeAngle(INFINITY)));

    EXPECT_EQ(MathUtil::wrapIntoRange(725.0, 0.0, 360.0, 360.0), 5.0);
    EXPECT_EQ(MathUtil::wrapIntoRange(-10.0, 0.0, 100.0, 0.0), -10.0); // no step: nothing happens
    double far = MathUtil::wrapIntoRange(-1e300, 0.0, 10.0, 1.0);
    EXPECT_TRUE(std::isfinite(far));

    double start = 350.0, end = 10.0;
    MathUtil::placeEndAngle(1, start, end);
    EXPECT_EQ(end, 370.0);
    MathUtil::placeEndAngle(-1, start, end);
    EXPECT_EQ(end, 10.0);
    end = 350.0;
    MathUtil::placeEndAngle(1, start, end);
    EXPECT_EQ(end, 710.0); // (start, start + 360]
    end = 1e300;
    MathUtil::placeEndAngle(1, start, end); // returns
    EXPECT_TRUE(std::isfinite(end));

    EXPECT_EQ(MathUtil::roundTo(2.5, 0), 3.0);
    EXPECT_EQ(MathUtil::roundTo(-2.5, 0), -2.0);
    EXPECT_EQ(MathUtil::roundTo(-2.7, 0), -2.0);
    EXPECT_NEAR(MathUtil::roundTo(1.2345, 2), 1.23, 1e-12);
}

TEST(MathUtil, LineAnglesWithYGrowingDownwards)
{
    EXPECT_NEAR(MathUtil::lineAngle(0, 0, 10, -1), 5.7106, 1e-4);
    EXPECT_NEAR(MathUtil::lineAngle(0, 0, 10, 1), -5.7106, 1e-4);
    EXPECT_DOUBLE_EQ(MathUtil::lineAngle(0, 0, 0, 10), 270.0);
    EXPECT_DOUBLE_EQ(MathUtil::lineAngle(0, 0, 0, -10), 90.0);
    EXPECT_DOUBLE_EQ(MathUtil::lineAngle(0, 0, -10, 0), 180.0);
    EXPECT_DOUBLE_EQ(MathUtil::lineAngle(0, 0, 10, 0), 0.0);
    EXPECT_NEAR(MathUtil::lineAngle(0, 0, -10, 10), 225.0, 1e-9);
    EXPECT_NEAR(MathUtil::angleAtRadius(5, 5, 10, 5, -5), 90.0, 1e-9);
    EXPECT_NEAR(MathUtil::sweepAngle(10, 0, 0, 0, 0, -10), 90.0, 1e-9);
    EXPECT_NEAR(MathUtil::sweepAngle(0, -10, 0, 0, 10, 0), 270.0, 1e-9);

    // Circle point at angle a: (cx + r cos a, cy - r sin a).
    double x, y;
    MathUtil::pointAtAngle(1, 1, 10, 90, x, y);
    EXPECT_NEAR(x, 1.0, 1e-12);
    EXPECT_NEAR(y, -9.0, 1e-12);
    // The normal of (1, 0) turned +90 degrees is (0, -1).
    x = 1;
    y = 0;
    MathUtil::rotatePoint(x, y, 90);
    EXPECT_NEAR(x, 0.0, 1e-12);
    EXPECT_NEAR(y, -1.0, 1e-12);
    x = 0;
    y = 0;
    MathUtil::movePointByAngle(90, 2, x, y);
    EXPECT_NEAR(y, 2.0, 1e-12);
}

TEST(MathUtil, ArcDirectionAndOrder)
{
    // Through (10,0), (0,-10), (-10,0) about the origin: increasing angles 0, 90, 180.
    EXPECT_EQ(MathUtil::arcDirection(0, 0, 10, 10, 0, 0, -10, -10, 0), 1);
    EXPECT_EQ(MathUtil::arcDirection(0, 0, 10, 10, 0, 0, 10, -10, 0), -1);
    EXPECT_EQ(MathUtil::arcDirection(0, 0, 10, 10, 0, 10, 0, -10, 0), 0);

    double start = 0, middle = 90, end = 180;
    EXPECT_EQ(MathUtil::orderArcAngles(start, middle, end), 1.0);
    EXPECT_EQ(end, 180.0);
    // 180 comes before 270 going up from 0, so this arc runs downwards: 0, -90, -180.
    start = 0, middle = 270, end = 180;
    EXPECT_EQ(MathUtil::orderArcAngles(start, middle, end), -1.0);
    EXPECT_EQ(middle, -90.0);
    EXPECT_EQ(end, -180.0);
    start = 90, middle = 45, end = 350;
    EXPECT_EQ(MathUtil::orderArcAngles(start, middle, end), -1.0);
    EXPECT_EQ(middle, 45.0);
    EXPECT_EQ(end, -10.0);
    start = 0, middle = std::nan(""), end = 1e300;
    EXPECT_EQ(std::fabs(MathUtil::orderArcAngles(start, middle, end)), 1.0); // returns, with one of its answers
}

TEST(MathUtil, ConstructionsReportDegenerateCases)
{
    double x = 7, y = 7;
    EXPECT_FALSE(MathUtil::intersectLines(0, 0, 10, 0, 0, 5, 10, 5, x, y));
    EXPECT_FALSE(MathUtil::intersectLines(0, 0, 10, 0, 10, 5, 0, 5, x, y));
    EXPECT_FALSE(MathUtil::intersectLines(0, 0, 0, 0, 0, 5, 10, 5, x, y));
    EXPECT_EQ(x, 7.0);
    EXPECT_EQ(y, 7.0);
    ASSERT_TRUE(MathUtil::intersectLines(0, 0, 10, 10, 0, 10, 10, 0, x, y));
    EXPECT_NEAR(x, 5.0, 1e-9);
    EXPECT_NEAR(y, 5.0, 1e-9);
    ASSERT_TRUE(MathUtil::intersectRays(0, 0, 1, 0, 3, -4, 0, 1, x, y));
    EXPECT_NEAR(x, 3.0, 1e-9);
    EXPECT_NEAR(y, 0.0, 1e-9);
    EXPECT_FALSE(MathUtil::intersectRays(0, 0, 1, 0, 3, 4, 1, 0, x, y));

    double ux = 9, uy = 9;
    EXPECT_EQ(MathUtil::unitVector(3, 3, 3, 3, ux, uy), 0.0);
    EXPECT_EQ(ux, 9.0);
    EXPECT_EQ(MathUtil::unitVector(0, 0, 3, 4, ux, uy), 5.0);
    EXPECT_DOUBLE_EQ(ux, 0.6);
    EXPECT_EQ(MathUtil::unitVectorInt(0, 0, 3, 5, ux, uy), 5);

    EXPECT_FALSE(MathUtil::pointAlongLine(1, 1, 1, 1, 0, 0, 5, x, y));
    ASSERT_TRUE(MathUtil::pointAlongLine(0, 0, 10, 0, 2, 2, 5, x, y));
    EXPECT_DOUBLE_EQ(x, 7.0);
    ASSERT_TRUE(MathUtil::pointAcrossLine(0, 0, 10, 0, 2, 2, 5, x, y));
    EXPECT_NEAR(x, 2.0, 1e-12);
    EXPECT_NEAR(y, -3.0, 1e-12);

    double cx, cy, r;
    ASSERT_TRUE(MathUtil::circleThrough(0, 0, 10, 0, 0, 10, cx, cy, r));
    EXPECT_NEAR(cx, 5.0, 1e-9);
    EXPECT_NEAR(cy, 5.0, 1e-9);
    EXPECT_NEAR(r, std::sqrt(50.0), 1e-9);
    EXPECT_FALSE(MathUtil::circleThrough(0, 0, 1, 1, 2, 2, cx, cy, r));
}

TEST(MathUtil, IntegerHelpers)
{
    EXPECT_EQ(MathUtil::midpointInt(2147483647, 2147483645), 2147483646);
    EXPECT_EQ(MathUtil::midpointInt(-3, 0), -1);
    EXPECT_EQ(MathUtil::lerpInt(0, 10, 1, 3), 3);
    EXPECT_EQ(MathUtil::lerpInt(5, 10, 1, 0), 5);
    EXPECT_EQ(MathUtil::distanceInt(0, 0, 3, 5), 5);
    EXPECT_EQ(MathUtil::truncateToInt(-2.9), -2);
    EXPECT_EQ(MathUtil::truncateToInt(1e20), 2147483647);
    EXPECT_EQ(MathUtil::maxInt(3, 3), 3);
    EXPECT_EQ(MathUtil::remainder(7.5, 2.0), 1.5);
    EXPECT_EQ(MathUtil::remainder(-7.5, 2.0), -1.5);

    // Bisection for the largest value with v * v <= 50.
    int lo = 0, hi = 100, mid = 50;
    while (true) {
        int more = mid * mid <= 50 ? MathUtil::bisectUpper(lo, mid, hi) : MathUtil::bisectLower(lo, mid, hi);
        if (!more)
            break;
    }
    EXPECT_EQ(lo, 7);

    double values[] = {3, -1, 2, 2, 0};
    MathUtil::sortDoubles(values, 5);
    EXPECT_EQ(values[0], -1.0);
    EXPECT_EQ(values[4], 3.0);
    double a = 2, b = 1;
    MathUtil::sortPair(a, b);
    EXPECT_EQ(a, 1.0);
    EXPECT_TRUE(MathUtil::isInRange(5, 5, 6, 1));
    EXPECT_FALSE(MathUtil::isInRange(5, 5, 6, 0));
}

} // namespace
