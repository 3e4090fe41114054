// The arc through three points: centre, angles and direction, its polyline and samples, the
// full-circle test, line crossings, and values that end at once.
#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <vector>

#include "geometry/PointArray.h"
#include "geometry/ThreePointArc.h"

namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

ThreePointArc arcThrough(double x1, double y1, double xm, double ym, double x2, double y2)
{
    ThreePointArc arc;
    arc.start = Point(x1, y1);
    arc.setMidPoint(Point(xm, ym));
    arc.end = Point(x2, y2);
    return arc;
}

// The direction angle of each point of the list seen from the origin, in [0, 360).
std::vector<double> anglesOf(const PointArray& a)
{
    std::vector<double> angles;
    Point origin;
    for (int i = 0; i < a.count; ++i) {
        Point p;
        EXPECT_EQ(a.getRecord(i, &p), 1);
        EXPECT_NEAR(p.distanceTo2D(0, 0), 10.0, 1e-9) << "point " << i;
        angles.push_back(std::round(origin.angleTo(&p) * 1e6) / 1e6);
    }
    return angles;
}

TEST(ThreePointArc, ComputesCentreRadiusAnglesAndDirection)
{
    struct Case {
        double x1, y1, xm, ym, x2, y2;
        double cx, cy, r, start, middle, end;
        int direction;
    } cases[] = {
        // y grows downwards: (0, -10) lies at 90 degrees.
        {10, 0, 0, -10, -10, 0, 0, 0, 10, 0, 90, 180, 1},
        {10, 0, 0, 10, -10, 0, 0, 0, 10, 0, 270, -180, -1},
        // Across the 0 direction: end lifted above the start, or below it.
        {0, -5 * std::sqrt(3.0), 15, 0, 0, 5 * std::sqrt(3.0), 5, 0, 10, 120, 0, -120, -1},
        {13, 4, 12, 3, 12, 5, 12, 4, 1, 0, 90, 270, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "arc from (" << c.x1 << ", " << c.y1 << ")");
        ThreePointArc arc = arcThrough(c.x1, c.y1, c.xm, c.ym, c.x2, c.y2);
        ASSERT_EQ(arc.compute(), 1);
        EXPECT_NEAR(arc.centre.x, c.cx, 1e-9);
        EXPECT_NEAR(arc.centre.y, c.cy, 1e-9);
        EXPECT_NEAR(arc.getRadius(), c.r, 1e-9);
        EXPECT_NEAR(arc.getStartAngle(), c.start, 1e-9);
        EXPECT_NEAR(arc.middleAngle, c.middle, 1e-9);
        EXPECT_NEAR(arc.getEndAngle(), c.end, 1e-9);
        EXPECT_EQ(arc.direction, c.direction);
    }

    // Collinear, coincident and unusable points fail and leave the arc as it was.
    const double bad[][6] = {
        {0, 0, 5, 5, 10, 10}, {0, 0, 0, 0, 10, 0}, {3, 3, 3, 3, 3, 3}, {0, 0, nan, 1, 2, 0},
        {0, 0, 1, inf, 2, 0}, {1e300, 0, 0, 1e300, -1e300, 0}, {0, 0, 1, 1e-7, 2, 0},
    };
    for (const auto& b : bad) {
        SCOPED_TRACE(::testing::Message() << b[0] << ", " << b[1] << " / " << b[2] << ", " << b[3]);
        ThreePointArc arc = arcThrough(b[0], b[1], b[2], b[3], b[4], b[5]);
        arc.setCentre(Point(7, 8));
        EXPECT_EQ(arc.compute(), 0);
        EXPECT_EQ(arc.centre.x, 7.0);
        EXPECT_EQ(arc.getRadius(), 5.0);
        EXPECT_EQ(arc.getStartAngle(), 0.0);
        EXPECT_EQ(arc.getEndAngle(), 360.0);
        EXPECT_EQ(arc.direction, 1);
    }
}

TEST(ThreePointArc, PolylineAndSamplesRunBetweenTheExactEnds)
{
    struct Case {
        double ym, step;
        std::vector<double> polyline, samples;
    } cases[] = {
        {-10, 30, {0, 30, 60, 90, 120, 150, 180}, {0, 30, 60, 90, 120, 150, 180}},
        {-10, 45, {0, 45, 90, 135, 180}, {0, 45, 90, 135, 180}},
        {-10, 50, {0, 50, 100, 150, 180}, {0, 50, 100, 150, 180}},
        // The other way round: down from the start, sampled up from the lower bound.
        {10, 30, {0, 330, 300, 270, 240, 210, 180}, {180, 210, 240, 270, 300, 330, 0}},
        {10, 100, {0, 260, 180}, {180, 280, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "middle y " << c.ym << ", step " << c.step);
        ThreePointArc arc = arcThrough(10, 0, 0, c.ym, -10, 0);
        PointArray out;
        ASSERT_EQ(arc.toPointArray(&out, c.step), 1);
        EXPECT_EQ(anglesOf(out), c.polyline);
        Point first, last;
        ASSERT_EQ(out.getRecord(0, &first), 1);
        ASSERT_EQ(out.getLastRecord(&last), 1);
        EXPECT_EQ(first.x, 10.0) << "the exact start point";
        EXPECT_EQ(last.x, -10.0) << "the exact end point";
        EXPECT_EQ(last.y, 0.0);
        ASSERT_EQ(arc.sampleByAngle(&out, c.step), 1);
        EXPECT_EQ(anglesOf(out), c.samples);
    }
}

TEST(ThreePointArc, FullCirclesLineCrossingsAndPointsFromAngles)
{
    ThreePointArc arc;
    EXPECT_EQ(arc.isFullCircle(), 1) << "0 to 360 after construction";
    arc = arcThrough(10, 0, 0, -10, -10, 0);
    ASSERT_EQ(arc.compute(), 1);
    EXPECT_EQ(arc.isFullCircle(), 0);

    // Crossings of the circle of radius 10 about the origin; a tangent is no crossing.
    struct Crossing {
        double c;
        int hits;
        double low, high;
    } crossings[] = {{6, 1, -8, 8}, {0, 1, -10, 10}, {10, 0, 0, 0}, {-10, 0, 0, 0}, {11, 0, 0, 0}, {nan, 0, 0, 0}};
    for (const Crossing& c : crossings) {
        SCOPED_TRACE(::testing::Message() << "line at " << c.c);
        double a = 99, b = 99;
        EXPECT_EQ(arc.verticalLineCrossings(c.c, &a, &b), c.hits);
        if (c.hits) {
            EXPECT_NEAR(a, c.low, 1e-9);
            EXPECT_NEAR(b, c.high, 1e-9);
        } else {
            EXPECT_EQ(a, 99.0);
        }
        EXPECT_EQ(arc.horizontalLineCrossings(c.c, &a, &b), c.hits);
        if (c.hits) {
            EXPECT_NEAR(a, c.low, 1e-9);
            EXPECT_NEAR(b, c.high, 1e-9);
        }
    }

    // The points again from the angles: the end lifted above the start, the middle halfway.
    arc.setStartAngle(350);
    arc.endAngle = 10;
    ASSERT_EQ(arc.computePoints(), 1);
    EXPECT_EQ(arc.getEndAngle(), 370.0);
    EXPECT_EQ(arc.middleAngle, 360.0);
    EXPECT_NEAR(arc.middle.x, 10.0, 1e-9);
    EXPECT_NEAR(arc.middle.y, 0.0, 1e-9);
    EXPECT_NEAR(arc.start.y, 10.0 * std::sin(10.0 * std::acos(-1.0) / 180.0), 1e-9) << "below the centre";
    ASSERT_EQ(arc.compute(), 1) << "the rebuilt points give the arc again";
    EXPECT_NEAR(arc.getStartAngle(), 350.0, 1e-9);
    EXPECT_NEAR(arc.getEndAngle(), 370.0, 1e-9);
}

TEST(ThreePointArc, BadStepsAndAnglesEndAtOnceWithFailure)
{
    for (double step : {0.0, -1.0, nan, inf, -inf, 1e-9}) {
        SCOPED_TRACE(::testing::Message() << "step " << step);
        ThreePointArc arc = arcThrough(10, 0, 0, -10, -10, 0);
        PointArray out;
        ASSERT_EQ(out.appendXY(1, 2), 1);
        EXPECT_EQ(arc.toPointArray(&out, step), 0);
        EXPECT_EQ(out.count, 1);
        EXPECT_EQ(arc.sampleByAngle(&out, step), 0);
        EXPECT_EQ(out.count, 1);
        double angle = 0;
        if (!(step > 0.0 && step < inf)) {
            EXPECT_EQ(arc.stepAngle(&angle, step), 0);
            EXPECT_EQ(angle, 0.0);
        }
    }

    // Angles from a corrupt file: every stepping or normalising operation refuses them.
    for (double bad : {1e300, -1e300, nan, inf}) {
        SCOPED_TRACE(::testing::Message() << "angle " << bad);
        ThreePointArc arc;
        arc.start = Point(1, 2);
        arc.setStartAngle(bad);
        double lo = 0, hi = 0;
        EXPECT_EQ(arc.angleRange(&lo, &hi), 0);
        EXPECT_EQ(arc.isFullCircle(), 0);
        PointArray out;
        ASSERT_EQ(out.appendXY(3, 4), 1);
        EXPECT_EQ(arc.sampleByAngle(&out, 10), 0);
        EXPECT_EQ(out.count, 1);
        EXPECT_EQ(arc.setPointsFromAngles(), 0);
        EXPECT_EQ(arc.start.x, 1.0);
        double angle = bad;
        EXPECT_EQ(arc.stepAngle(&angle, 10), 0);

        ThreePointArc farEnd;
        farEnd.endAngle = bad;
        EXPECT_EQ(farEnd.sampleByAngle(&out, 10), 0);
        EXPECT_EQ(farEnd.setPointsFromAngles(), 0);
    }

    // A sweep of many turns is refused rather than sampled for ever; undetermined direction
    // does not step.
    ThreePointArc wide;
    wide.endAngle = 1e8;
    PointArray out;
    EXPECT_EQ(wide.sampleByAngle(&out, 1), 0);
    wide.direction = 0;
    double angle = 0;
    EXPECT_EQ(wide.stepAngle(&angle, 1), 0);
}

} // namespace
