// Path builders: arc approximation, rounded box corners, fillets, dash stepping and the
// flattening of three-point arcs; extreme values end instead of looping.
#include <gtest/gtest.h>
#include <cmath>
#include <initializer_list>
#include <limits>

#include "geometry/PointArray.h"

namespace {

Point at(const PointArray& a, int i)
{
    Point p;
    EXPECT_EQ(a.getRecord(i, &p), 1) << "index " << i;
    return p;
}

// Appends the points in order; a point with flag 2 starts an arc through the next one.
struct Vertex {
    double x, y;
    uint32_t flag = 0;
};
void appendAll(PointArray& a, std::initializer_list<Vertex> points)
{
    for (const Vertex& v : points)
        ASSERT_EQ(v.flag ? a.appendWithFlag(v.flag, v.x, v.y, 0) : a.appendXY(v.x, v.y), 1);
}

// Direction angle of point i seen from (cx, cy), in [0, 360).
double angleOf(const PointArray& a, int i, double cx, double cy)
{
    Point c(cx, cy), p = at(a, i);
    return c.angleTo(&p);
}

TEST(ArcPoints, QuarterArcInTenDegreeStepsEndingOnTheEndAngle)
{
    PointArray a;
    ASSERT_EQ(a.addArcPoints(5, 5, 2, 0, 90), 1);
    ASSERT_EQ(a.count, 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_NEAR(angleOf(a, i, 5, 5), 10.0 * (i + 1), 1e-9);
        EXPECT_NEAR(at(a, i).distanceTo2D(5, 5), 2.0, 1e-12);
        EXPECT_EQ(at(a, i).flag, 0u);
    }
    EXPECT_NEAR(at(a, 8).x, 5.0, 1e-12);
    EXPECT_NEAR(at(a, 8).y, 3.0, 1e-12) << "90 degrees is towards -y";

    PointArray down;
    ASSERT_EQ(down.addArcPoints(0, 0, 1, 270, 180), 1);
    ASSERT_EQ(down.count, 9);
    EXPECT_NEAR(angleOf(down, 0, 0, 0), 260.0, 1e-9);
    EXPECT_NEAR(angleOf(down, 8, 0, 0), 180.0, 1e-9);

    PointArray small;
    ASSERT_EQ(small.addArcPoints(0, 0, 1, 0, 45), 1);
    ASSERT_EQ(small.count, 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(angleOf(small, i, 0, 0), 9.0 * (i + 1), 1e-9);
}

TEST(ArcPoints, EqualAnglesAndExtremeValuesEndAtOnce)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    PointArray a;
    EXPECT_EQ(a.addArcPoints(0, 0, 1, 30, 30), 1);
    EXPECT_EQ(a.count, 0);
    EXPECT_EQ(a.addArcPoints(0, 0, 1, 0, nan), 0);
    EXPECT_EQ(a.addArcPoints(0, 0, 1, -inf, 0), 0);
    EXPECT_EQ(a.addArcPoints(0, 0, 1, 0, 1e300), 0);
    EXPECT_EQ(a.addArcPoints(0, 0, 1, -1e300, 1e300), 0);
    EXPECT_EQ(a.addArcPoints(nan, 0, 1, 0, 90), 0);
    EXPECT_EQ(a.count, 0);
    // A sweep lost in the magnitude of its angles appends once and stops.
    EXPECT_EQ(a.addArcPoints(0, 0, 1, 1e17, 1e17 + 32), 1);
    EXPECT_LE(a.count, 2);
}

TEST(RoundCorner, EachCornerRunsFromItsEntryToItsExitPoint)
{
    // Corner (x, y) = (10, 20), radius 3: entry and exit of corners 1 to 4.
    const double entry[4][2] = {{10, 23}, {13, 20}, {10, 17}, {7, 20}};
    const double exit[4][2] = {{7, 20}, {10, 23}, {13, 20}, {10, 17}};
    for (double r : {3.0, -3.0}) {
        for (int corner = 1; corner <= 4; ++corner) {
            PointArray a;
            int result = 0;
            switch (corner) {
            case 1: result = a.addRoundCorner1(10, 20, r, 0.01, -1); break;
            case 2: result = a.addRoundCorner2(10, 20, r, 0.01, -1); break;
            case 3: result = a.addRoundCorner3(10, 20, r, 0.01, -1); break;
            default: result = a.addRoundCorner4(10, 20, r, 0.01, -1); break;
            }
            SCOPED_TRACE(::testing::Message() << "corner " << corner << " radius " << r);
            ASSERT_EQ(result, 1);
            ASSERT_EQ(a.count, 10) << "the entry point and nine arc points";
            EXPECT_NEAR(at(a, 0).x, entry[corner - 1][0], 1e-9);
            EXPECT_NEAR(at(a, 0).y, entry[corner - 1][1], 1e-9);
            EXPECT_NEAR(at(a, 9).x, exit[corner - 1][0], 1e-9);
            EXPECT_NEAR(at(a, 9).y, exit[corner - 1][1], 1e-9);
            // A notch is centred on the corner; a rounding bulges towards it.
            Point middle = at(a, 5);
            double fromCorner = middle.distanceTo2D(10, 20);
            if (r < 0)
                EXPECT_NEAR(fromCorner, 3.0, 1e-9);
            else
                EXPECT_NEAR(fromCorner, 3.0 * std::sqrt(2.0) - 3.0, 0.3);
        }
    }
}

TEST(RoundCorner, RadiiOutsideTheLimitsGiveASharpCorner)
{
    PointArray a;
    ASSERT_EQ(a.addRoundCorner1(10, 20, 0.005, 0.01, 50), 1);
    ASSERT_EQ(a.addRoundCorner2(10, 20, -60, 0.01, 50), 1);
    EXPECT_EQ(a.count, 2);
    EXPECT_EQ(at(a, 1).x, 10.0);
    EXPECT_EQ(at(a, 1).y, 20.0);
    ASSERT_EQ(a.addRoundCorner3(10, 20, 1e6, 0.01, -1), 1) << "a negative maximum never sharpens";
    EXPECT_EQ(a.count, 12);
}

TEST(RoundedVertex, FilletBetweenTwoEdges)
{
    PointArray src;
    appendAll(src, {{0, 0}, {10, 0}, {10, 10}});

    PointArray a;
    ASSERT_EQ(a.addRoundedVertex(&src, 0, 1, 2, 2, 0.01), 1);
    ASSERT_EQ(a.count, 11) << "tangent point, nine arc points, tangent point";
    EXPECT_NEAR(at(a, 0).x, 8.0, 1e-9);
    EXPECT_NEAR(at(a, 0).y, 0.0, 1e-9);
    EXPECT_NEAR(at(a, 10).x, 10.0, 1e-9);
    EXPECT_NEAR(at(a, 10).y, 2.0, 1e-9);
    for (int i = 1; i < 10; ++i)
        EXPECT_NEAR(at(a, i).distanceTo2D(8, 2), 2.0, 1e-9) << "centred inside the corner";

    PointArray notch;
    ASSERT_EQ(notch.addRoundedVertex(&src, 0, 1, 2, -2, 0.01), 1);
    ASSERT_EQ(notch.count, 11);
    for (int i = 1; i < 10; ++i) {
        EXPECT_NEAR(at(notch, i).distanceTo2D(10, 0), 2.0, 1e-9) << "centred on the vertex";
        EXPECT_GE(at(notch, i).y, -1e-9) << "cut into the corner, not around the outside";
        EXPECT_LE(at(notch, i).x, 10.0 + 1e-9);
    }

    // The source may be the output itself.
    ASSERT_EQ(src.addRoundedVertex(&src, 0, 1, 2, 2, 0.01), 1);
    EXPECT_EQ(src.count, 14);
}

TEST(RoundedVertex, TooLargeOrTooSmallRadiusKeepsTheVertexAndBadIndicesFail)
{
    PointArray src;
    appendAll(src, {{0, 0}, {10, 0}, {10, 3}});
    PointArray a;
    ASSERT_EQ(a.addRoundedVertex(&src, 0, 1, 2, 3.5, 0.01), 1);
    ASSERT_EQ(a.addRoundedVertex(&src, 0, 1, 2, 0.001, 0.01), 1);
    ASSERT_EQ(a.count, 2);
    EXPECT_EQ(at(a, 0).x, 10.0);
    EXPECT_EQ(at(a, 1).y, 0.0);
    EXPECT_EQ(a.addRoundedVertex(&src, 0, 1, 3, 1, 0.01), 0);
    EXPECT_EQ(a.addRoundedVertex(&src, -1, 1, 2, 1, 0.01), 0);
    EXPECT_EQ(a.addRoundedVertex(nullptr, 0, 1, 2, 1, 0.01), 0);
    EXPECT_EQ(a.count, 2);
}

TEST(AdvanceAlong, DashesAndGapsWalkThePolyline)
{
    PointArray path, piece;
    appendAll(path, {{0, 0}, {10, 0}, {10, 10}});
    int index = 1;
    Point current(0, 0);

    ASSERT_EQ(path.advanceAlong(&piece, &index, &current, 4), 1);
    ASSERT_EQ(piece.count, 2);
    EXPECT_EQ(at(piece, 1).x, 4.0);
    EXPECT_EQ(index, 1);

    // A dash across the vertex keeps the vertex.
    ASSERT_EQ(path.advanceAlong(&piece, &index, &current, 8), 1);
    ASSERT_EQ(piece.count, 3);
    EXPECT_EQ(at(piece, 0).x, 4.0);
    EXPECT_EQ(at(piece, 1).x, 10.0);
    EXPECT_EQ(at(piece, 1).y, 0.0);
    EXPECT_NEAR(at(piece, 2).y, 2.0, 1e-12);
    EXPECT_EQ(index, 2);

    ASSERT_EQ(path.advanceAlong(&piece, &index, &current, 100), 0) << "the end of the polyline";
    EXPECT_EQ(at(piece, piece.count - 1).y, 10.0);
    EXPECT_EQ(path.advanceAlong(nullptr, &index, &current, 1), 0);
    EXPECT_EQ(path.advanceAlong(&path, &index, &current, 1), 0);
    EXPECT_EQ(path.count, 3);
}

TEST(AdvanceAlong, ALengthEqualToTheEdgeEndsOnTheVertexThenReachesTheEnd)
{
    PointArray path, piece;
    appendAll(path, {{0, 0}, {10, 0}});
    int index = 1;
    Point current(0, 0);
    ASSERT_EQ(path.advanceAlong(&piece, &index, &current, 10), 1);
    ASSERT_EQ(piece.count, 2);
    EXPECT_EQ(at(piece, 1).x, 10.0);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(path.advanceAlong(&piece, &index, &current, 5), 0);
    EXPECT_EQ(index, 2);

    index = 7;
    EXPECT_EQ(path.advanceAlong(&piece, &index, &current, 5), 0) << "no vertex ahead";
    EXPECT_EQ(piece.count, 1);
}

TEST(ArcThrough, PointsEveryStepBetweenTheEndsCarryingTheMiddlesFlag)
{
    Point p1(10, 0), p2(0, -10, 4), p3(-10, 0);
    p2.flag = 2;
    PointArray a;
    ASSERT_EQ(a.appendArcThrough(5.0, &p1, &p2, &p3), 1);
    ASSERT_EQ(a.count, 35) << "5 to 175 degrees; neither end";
    for (int i = 0; i < a.count; ++i) {
        EXPECT_NEAR(angleOf(a, i, 0, 0), 5.0 * (i + 1), 1e-9);
        EXPECT_NEAR(at(a, i).distanceTo2D(0, 0), 10.0, 1e-9);
        EXPECT_EQ(at(a, i).z, 4.0);
        EXPECT_EQ(at(a, i).flag, 2u);
    }

    // The other way round: through the bottom of the circle.
    Point q2(0, 10);
    PointArray b;
    ASSERT_EQ(b.appendArcThrough(5.0, &p1, &q2, &p3), 1);
    ASSERT_EQ(b.count, 35);
    EXPECT_NEAR(angleOf(b, 0, 0, 0), 355.0, 1e-9);
    EXPECT_NEAR(angleOf(b, 17, 0, 0), 270.0, 1e-9);
}

TEST(ArcThrough, CollinearClosePointsAndBadStepsAppendNothing)
{
    Point p1(0, 0), p2(5, 5), p3(10, 10);
    PointArray a;
    EXPECT_EQ(a.appendArcThrough(5.0, &p1, &p2, &p3), 0);
    // Middle point 0.03 degrees from the start seen from the centre (0, 0).
    const double rad = 0.03 * std::acos(-1.0) / 180.0;
    Point s(10, 0), m(10 * std::cos(rad), -10 * std::sin(rad)), e(0, 10);
    EXPECT_EQ(a.appendArcThrough(5.0, &s, &m, &e), 1);
    Point top(0, -10), left(-10, 0);
    EXPECT_EQ(a.appendArcThrough(0.0, &s, &top, &left), 0);
    EXPECT_EQ(a.appendArcThrough(-5.0, &s, &top, &left), 0);
    EXPECT_EQ(a.appendArcThrough(std::numeric_limits<double>::quiet_NaN(), &s, &top, &left), 0);
    EXPECT_EQ(a.appendArcThrough(1e-300, &s, &top, &left), 0);
    Point far1(1e300, 0), far2(0, -1e300), far3(-1e300, 0);
    EXPECT_EQ(a.appendArcThrough(5.0, &far1, &far2, &far3), 0);
    EXPECT_EQ(a.count, 0);
}

TEST(FlattenArcs, ArcsBecomePointsAndTheRestIsCopied)
{
    PointArray src, out;
    // (-10, 0) ends the first arc and starts the next one at once.
    appendAll(src, {{10, 0, 2}, {0, -10}, {-10, 0, 2}, {0, 10}, {10, 0}, {20, 0}});
    ASSERT_EQ(out.flattenArcs(&src, 5.0), 1);
    // start, 35 points, end-start, 35 points, end, last point
    ASSERT_EQ(out.count, 1 + 35 + 1 + 35 + 1 + 1);
    EXPECT_EQ(at(out, 0).flag, 2u);
    EXPECT_EQ(at(out, 36).x, -10.0);
    EXPECT_EQ(at(out, 36).flag, 2u);
    EXPECT_NEAR(angleOf(out, 37, 0, 0), 185.0, 1e-9);
    EXPECT_EQ(at(out, 72).x, 10.0);
    EXPECT_EQ(at(out, 73).x, 20.0);

    // Fewer than three points are copied as they are, flags included.
    PointArray two;
    appendAll(two, {{1, 1, 2}, {2, 2}});
    ASSERT_EQ(out.flattenArcs(&two, 5.0), 1);
    ASSERT_EQ(out.count, 2);
    EXPECT_EQ(at(out, 0).flag, 2u);
}

TEST(FlattenArcs, ACollinearArcStopsAfterItsStartPoint)
{
    PointArray src, out;
    appendAll(src, {{-5, 0}, {0, 0, 2}, {5, 0}, {10, 0}, {20, 0}});
    EXPECT_EQ(out.flattenArcs(&src, 5.0), 0);
    ASSERT_EQ(out.count, 2);
    EXPECT_EQ(at(out, 1).x, 0.0);

    PointArray kept;
    appendAll(kept, {{1, 1}});
    EXPECT_EQ(kept.flattenArcs(&src, 0.0), 0) << "a step of 0 is refused";
    EXPECT_EQ(kept.flattenArcs(&kept, 5.0), 0);
    EXPECT_EQ(kept.count, 1);
}

} // namespace
