// Point arrays: storage contract (growth, index checks, gaps) and whole-array geometry.
#include <gtest/gtest.h>
#include <limits>

#include "geometry/PointArray.h"

namespace {

PointArray& fill(PointArray& a, std::initializer_list<std::pair<double, double>> xy)
{
    EXPECT_EQ(a.resize(0), 1);
    for (auto& p : xy)
        EXPECT_EQ(a.appendXY(p.first, p.second), 1);
    return a;
}

Point at(const PointArray& a, int i)
{
    Point p;
    EXPECT_EQ(a.getRecord(i, &p), 1) << "index " << i;
    return p;
}

// Twice the signed area: the sign tells the turning direction of a closed outline.
double signedArea(const PointArray& a)
{
    double sum = 0;
    for (int i = 0; i < a.count; ++i) {
        Point p = at(a, i), q = at(a, (i + 1) % a.count);
        sum += p.x * q.y - q.x * p.y;
    }
    return sum;
}

TEST(PointArray, GrowsFiftyAtATimeAndKeepsEveryPoint)
{
    PointArray a;
    EXPECT_EQ(a.capacity, 50);
    EXPECT_EQ(a.count, 0);
    for (int i = 0; i < 49; ++i)
        ASSERT_EQ(a.appendXYZ(i, -i, 0.5), 1);
    EXPECT_EQ(a.capacity, 50);
    ASSERT_EQ(a.appendWithFlag(2, 49, -49, 0), 1);
    EXPECT_EQ(a.capacity, 100) << "reserving the 50th point grows the block";
    for (int i = 50; i < 1000; ++i)
        ASSERT_EQ(a.appendXY(i, -i), 1);
    EXPECT_EQ(a.capacity % 50, 0);
    EXPECT_EQ(at(a, 49).flag, 2u);
    EXPECT_EQ(at(a, 999).y, -999.0);
    EXPECT_EQ(at(a, 10).z, 0.5);
}

TEST(PointArray, IndexedAccessChecksTheRangeAndChangesNothingOnFailure)
{
    PointArray a;
    fill(a, {{1, 2}, {3, 4}});
    Point p(9, 9), out(7, 7);
    EXPECT_EQ(a.getPoint(2, &out), 0);
    EXPECT_EQ(a.getPoint(-1, &out), 0);
    EXPECT_EQ(out.x, 7.0);
    EXPECT_EQ(a.setPoint(2, &p), 0);
    EXPECT_EQ(a.setXAt(-1, 5), 0);
    EXPECT_EQ(a.getX(5, -3.5), -3.5);
    EXPECT_EQ(a.getY(1, -3.5), 4.0);
    EXPECT_EQ(a.removeAt(2), 0);
    EXPECT_EQ(a.removeRange(1, 2), 0) << "i + n past the count";
    EXPECT_EQ(a.removeRange(0, 0), 0);
    EXPECT_EQ(a.insertPoints(3, 1), 0);
    EXPECT_EQ(a.insertPoints(0, 0), 0);
    EXPECT_EQ(a.insertPointAfter(2, &p), 0) << "needs i + 1 <= count";
    EXPECT_EQ(a.appendPoint(nullptr), 0);
    EXPECT_EQ(a.count, 2);
    EXPECT_EQ(at(a, 0).x, 1.0);

    PointArray empty;
    EXPECT_EQ(empty.removeLast(), 0);
    EXPECT_EQ(empty.getLastPoint(&out), 0);
    EXPECT_EQ(empty.setLastPoint(&p), 0);
    EXPECT_EQ(empty.duplicateLast(), 0);
    EXPECT_EQ(empty.closeWithFirst(), 0);
}

TEST(PointArray, InsertAndRemoveMoveTheTail)
{
    PointArray a;
    fill(a, {{0, 0}, {1, 0}, {2, 0}, {3, 0}});
    Point p(9, 9, 9);
    p.flag = 2;
    ASSERT_EQ(a.insertPointAfter(1, &p), 1);
    ASSERT_EQ(a.insertPointAfter(-1, &p), 1) << "in front";
    EXPECT_EQ(a.count, 6);
    const double xs[] = {9, 0, 1, 9, 2, 3};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(at(a, i).x, xs[i]);
    EXPECT_EQ(at(a, 3).flag, 2u);

    ASSERT_EQ(a.removeRange(0, 2), 1);
    ASSERT_EQ(a.removeAt(1), 1);
    EXPECT_EQ(a.count, 3);
    EXPECT_EQ(at(a, 1).x, 2.0);

    ASSERT_EQ(a.insertPoints(1, 60), 1) << "a gap that needs the block to grow";
    EXPECT_EQ(a.count, 63);
    EXPECT_EQ(at(a, 0).x, 1.0);
    EXPECT_EQ(at(a, 61).x, 2.0);
    EXPECT_EQ(at(a, 62).x, 3.0);

    ASSERT_EQ(a.resize(2), 1);
    ASSERT_EQ(a.resize(4), 1);
    EXPECT_EQ(at(a, 3).x, 0.0) << "new points are zero";
    EXPECT_EQ(at(a, 3).flag, 0u);
    EXPECT_EQ(a.resize(-1), 0);
    EXPECT_EQ(a.count, 4);
}

TEST(PointArray, CopiesAppendsAndSingles)
{
    PointArray a, b;
    fill(a, {{1, 1}, {2, 2}, {3, 3}});
    ASSERT_EQ(a.appendAll(&a), 1);
    EXPECT_EQ(a.count, 6);
    EXPECT_EQ(at(a, 5).x, 3.0);
    ASSERT_EQ(b.copyFrom(&a), 1);
    EXPECT_EQ(b.count, 6);
    ASSERT_EQ(b.appendPointOf(&a, 1), 1);
    EXPECT_EQ(b.appendPointOf(&a, 6), 0);
    ASSERT_EQ(b.closeWithFirst(), 1);
    ASSERT_EQ(b.duplicateLast(), 1);
    EXPECT_EQ(b.count, 9);
    EXPECT_EQ(at(b, 6).x, 2.0);
    EXPECT_EQ(at(b, 8).x, 1.0);
    ASSERT_EQ(b.removeLast(), 1);
    EXPECT_EQ(b.count, 8);

    Point p(5, 6, 7);
    p.flag = 2;
    ASSERT_EQ(b.setSingleRecord(&p), 1);
    EXPECT_EQ(b.count, 1);
    Point last;
    ASSERT_EQ(b.getLastPoint(&last), 1);
    EXPECT_EQ(last.z, 7.0);
    EXPECT_EQ(last.flag, 2u);
    EXPECT_EQ(b.copyFrom(nullptr), 0);
    EXPECT_EQ(b.count, 1);
}

TEST(PointArray, RotationBelowTheToleranceChangesNothing)
{
    PointArray a;
    fill(a, {{0.1, 0.2}, {123.456, -78.9}, {1e4, 3e-3}});
    PointArray before;
    ASSERT_EQ(before.copyFrom(&a), 1);
    ASSERT_EQ(a.rotateAbout(17.3, -4.1, 0.000001), 1);
    EXPECT_EQ(a.rotateAbout(0, 0, std::numeric_limits<double>::quiet_NaN()), 0);
    for (int i = 0; i < a.count; ++i) {
        EXPECT_EQ(at(a, i).x, at(before, i).x);
        EXPECT_EQ(at(a, i).y, at(before, i).y);
    }
    Point c(1, 1);
    ASSERT_EQ(a.rotateAboutPoint(&c, 90), 1);
    EXPECT_NEAR(at(a, 0).x, 1.0 + (0.2 - 1.0), 1e-9);
    EXPECT_NEAR(at(a, 0).y, 1.0 - (0.1 - 1.0), 1e-9);
}

TEST(PointArray, TranslationScalingAndBounds)
{
    PointArray a;
    fill(a, {{1, 5}, {-2, 3}, {4, -1}});
    ASSERT_EQ(a.setXYZ(1, -2, 3, 9), 1);
    ASSERT_EQ(a.translate(1, 1, 0), 1);
    ASSERT_EQ(a.translatePointAt(0, 0, 0, -2), 1);
    EXPECT_EQ(a.translatePointAt(3, 1, 1, 1), 0);
    Point lo(99, 99, 99), hi;
    ASSERT_EQ(a.getBounds(&lo, &hi), 1);
    EXPECT_EQ(lo.x, -1.0);
    EXPECT_EQ(lo.y, 0.0);
    EXPECT_EQ(lo.z, -2.0);
    EXPECT_EQ(hi.x, 5.0);
    EXPECT_EQ(hi.y, 6.0);
    EXPECT_EQ(hi.z, 9.0);

    Point c(1, 1, 100);
    ASSERT_EQ(a.scaleXYAbout(&c, 2.0), 1);
    EXPECT_EQ(at(a, 1).x, -3.0);
    EXPECT_EQ(at(a, 1).y, 7.0);
    EXPECT_EQ(at(a, 1).z, 9.0) << "z unchanged";

    Point d(1, 2, 3);
    ASSERT_EQ(a.translateBy(&d), 1);
    ASSERT_EQ(a.translateByNegativePoint(&d), 1);
    ASSERT_EQ(a.translateWithFactor(1.0, 0.5, 0, 0), 1);
    EXPECT_EQ(at(a, 1).x, -2.5);

    double ux = 0, uy = 0;
    Point p0 = at(a, 0), p1 = at(a, 1);
    double length = p0.distanceTo2D(p1.x, p1.y);
    EXPECT_NEAR(a.directionBetween(0, 1, &ux, &uy), length, 1e-12);
    EXPECT_NEAR(ux, (p1.x - p0.x) / length, 1e-12);
    EXPECT_EQ(a.directionBetween(0, 3, &ux, &uy), 0.0);

    PointArray empty;
    EXPECT_EQ(empty.getBounds(&lo, &hi), 0);
    EXPECT_EQ(lo.x, -1.0);
}

TEST(PointArray, BoxCornersTurnTheSameWayWhicheverCornersAreGiven)
{
    PointArray a, b, c;
    Point lt(0, 0, 1), rb(10, 20, 2), rt(10, 0), lb(0, 20);
    lt.flag = 2;
    ASSERT_EQ(a.setBoxCorners(&lt, &rb), 1);
    ASSERT_EQ(b.setBoxCorners(&rb, &lt), 1);
    ASSERT_EQ(c.setBoxCorners(&rt, &lb), 1);
    EXPECT_EQ(a.count, 4);
    EXPECT_GT(signedArea(a), 0.0) << "clockwise on a picture whose y grows downwards";
    EXPECT_GT(signedArea(b), 0.0);
    EXPECT_GT(signedArea(c), 0.0);
    EXPECT_EQ(at(a, 1).x, 10.0);
    EXPECT_EQ(at(a, 1).y, 0.0);
    EXPECT_EQ(at(a, 0).flag, 2u) << "the given corners are copied whole";
    EXPECT_EQ(at(a, 2).z, 2.0);
    EXPECT_EQ(at(a, 3).z, 0.0);

    ASSERT_EQ(a.setClosedBox(&rb, &lt), 1);
    ASSERT_EQ(a.count, 5);
    const double expected[5][2] = {{0, 0}, {10, 0}, {10, 20}, {0, 20}, {0, 0}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(at(a, i).x, expected[i][0]);
        EXPECT_EQ(at(a, i).y, expected[i][1]);
        EXPECT_EQ(at(a, i).flag, 0u);
    }
    EXPECT_EQ(a.setClosedBox(nullptr, &lt), 0);
    EXPECT_EQ(a.count, 5);
}

} // namespace
