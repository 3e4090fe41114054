// Bezier paths: flattening, standard figures, the drag rules that keep control points
// consistent, and fitting a path to a freehand stroke.
#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "geometry/BezierFlattener.h"
#include "platform/IntPointList.h"

namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();

Point at(const PointArray& a, int i)
{
    Point p;
    EXPECT_EQ(a.getRecord(i, &p), 1) << "index " << i;
    return p;
}

void fill(PointArray& a, const std::vector<Point>& points)
{
    ASSERT_EQ(a.resize(0), 1);
    for (const Point& p : points)
        ASSERT_EQ(a.appendXY(p.x, p.y), 1);
}

// The cubic's point at t in Bernstein form, to check the flattener's polynomial form against.
Point bezier(const Point& p0, const Point& p1, const Point& p2, const Point& p3, double t)
{
    double u = 1 - t;
    return Point(u * u * u * p0.x + 3 * u * u * t * p1.x + 3 * u * t * t * p2.x + t * t * t * p3.x,
                 u * u * u * p0.y + 3 * u * u * t * p1.y + 3 * u * t * t * p2.y + t * t * t * p3.y);
}

void expectAt(const PointArray& a, int i, double x, double y)
{
    Point p = at(a, i);
    EXPECT_NEAR(p.x, x, 1e-9) << "point " << i;
    EXPECT_NEAR(p.y, y, 1e-9) << "point " << i;
}

TEST(BezierFlattener, FlattensEachCubicIntoItsPointsAndJoinsShortTails)
{
    const std::vector<Point> path = {{0, 0}, {10, 30}, {40, 30}, {50, 0}, {60, -20}, {80, -20}, {90, 5}};
    // Points of the path -> points of the polyline: 24 inner points and the end per cubic; one
    // point left over is joined straight, two as a cubic with the first control point doubled.
    const int polyline[] = {0, 1, 2, 26, 26, 27, 51, 51};
    BezierFlattener flattener;
    for (int n = 0; n <= 7; ++n) {
        SCOPED_TRACE(::testing::Message() << n << " path points");
        PointArray source;
        fill(source, std::vector<Point>(path.begin(), path.begin() + n));
        EXPECT_EQ(flattener.run(&source, 4), n < 2 ? n : 1);
        EXPECT_EQ(flattener.mode(), 4);
        EXPECT_EQ(flattener.source(), nullptr) << "bound for the run only";
        const PointArray& out = flattener.output();
        ASSERT_EQ(out.count, polyline[n]);
        if (n == 0)
            continue;
        expectAt(out, 0, 0, 0);
        expectAt(out, out.count - 1, path[n - 1].x, path[n - 1].y);
        if (n >= 4) {
            for (int k = 1; k < 25; ++k) {
                Point b = bezier(path[0], path[1], path[2], path[3], 0.04 * k);
                expectAt(out, k, b.x, b.y);
            }
            expectAt(out, 25, 50, 0);
        }
        if (n == 3 || n == 6) {
            const int i = n - 3, first = out.count - 25;
            for (int k = 1; k < 25; ++k) {
                Point b = bezier(path[i], path[i + 1], path[i + 1], path[i + 2], 0.04 * k);
                expectAt(out, first + k - 1, b.x, b.y);
            }
        }
    }

    // A coordinate that is not finite fails and leaves the last polyline.
    PointArray broken;
    fill(broken, {{0, 0}, {1, nan}, {2, 2}, {3, 3}});
    EXPECT_EQ(flattener.run(&broken, 0), 0);
    EXPECT_EQ(flattener.output().count, 51);
    BezierFlattener unbound;
    EXPECT_EQ(unbound.flatten(), 0);
}

TEST(BezierFlattener, BuildsTheStandardFiguresInTheBoxOfTwoCorners)
{
    BezierFlattener f;
    PointArray path;
    f.setSource(&path);
    ASSERT_EQ(f.setEllipsePath(Point(0, 0), Point(67, 67)), 1);
    ASSERT_EQ(path.count, 13);
    expectAt(path, 0, 33.5, 0);
    expectAt(path, 1, 52, 0);
    expectAt(path, 2, 67, 15);
    expectAt(path, 3, 67, 33.5);
    expectAt(path, 6, 33.5, 67);
    expectAt(path, 9, 0, 33.5);
    expectAt(path, 12, 33.5, 0);

    struct Figure {
        int kind; // setShapePath's, or 0 for the box
        int count;
        std::vector<Point> anchors;
    } figures[] = {
        {0, 10, {{0, 0}, {60, 0}, {60, 30}, {0, 30}}},
        {1, 13, {{30, 0}, {60, 15}, {30, 30}, {0, 15}, {30, 0}}},
        {2, 7, {{0, 0}, {60, 15}, {0, 30}}},
        {3, 7, {{0, 0}, {60, 30}, {0, 30}}},
    };
    for (const Figure& fig : figures) {
        SCOPED_TRACE(::testing::Message() << "figure " << fig.kind);
        PointArray built;
        int result = fig.kind ? f.buildOval(Point(0, 0), Point(60, 30), fig.kind, &built)
                              : f.buildRectangle(Point(0, 0), Point(60, 30), &built);
        ASSERT_EQ(result, 1);
        EXPECT_EQ(f.source(), &path) << "the element's names bind their list for the call only";
        ASSERT_EQ(built.count, fig.count);
        for (size_t a = 0; a < fig.anchors.size(); ++a)
            expectAt(built, 3 * static_cast<int>(a), fig.anchors[a].x, fig.anchors[a].y);
    }
    expectAt(path, 0, 33.5, 0);

    // Straight segments through given anchors; the parallelogram's fourth corner completes it.
    ASSERT_EQ(f.buildTriangle(Point(0, 0), Point(30, 0), Point(30, 60), &path), 1);
    ASSERT_EQ(path.count, 7);
    expectAt(path, 1, 10, 0);
    expectAt(path, 5, 30, 40);
    ASSERT_EQ(f.buildQuadrilateral(Point(0, 0), Point(30, 0), Point(40, 20), &path), 1);
    ASSERT_EQ(path.count, 10);
    expectAt(path, 9, 10, 20);
    expectAt(path, 8, 20, 20);

    // Degenerate and unusable input changes nothing.
    EXPECT_EQ(f.setParallelogramPath(Point(5, 5), Point(5, 5.000001), Point(9, 9)), 0);
    EXPECT_EQ(f.setShapePath(4, Point(0, 0), Point(1, 1)), 0);
    EXPECT_EQ(f.setEllipsePath(Point(0, 0), Point(nan, 1)), 0);
    EXPECT_EQ(f.buildRectangle(Point(0, 0), Point(1, 1), nullptr), 0);
    ASSERT_EQ(path.count, 10);
    expectAt(path, 9, 10, 20);
}

TEST(BezierFlattener, DraggingAnAnchorStraightensItsSegmentsAndAHandleMirrorsItsPartner)
{
    // Three segments with bent control points: anchors at 0, 3, 6, 9.
    const std::vector<Point> bent = {{0, 0}, {1, 5}, {2, 5}, {3, 0}, {4, -3}, {5, -2},
                                     {6, 0}, {7, 5}, {8, 5}, {9, 0}};
    const double reach = std::sqrt(26.0); // of handles 2 and 7 from their anchors
    struct Case {
        int moved;
        int result;
        std::vector<int> changed; // the points that must differ from the bent path
        std::vector<Point> expected;
    } cases[] = {
        {3, 1, {1, 2, 4, 5}, {{1, 0}, {2, 0}, {4, 0}, {5, 0}}},
        {0, 1, {1, 2}, {{1, 0}, {2, 0}}},
        {9, 1, {7, 8}, {{7, 0}, {8, 0}}},
        // Handle 4 beside anchor 3: its partner 2 goes opposite it, as far from the anchor as before.
        {4, 1, {2}, {{3 - reach / std::sqrt(10.0), 3 * reach / std::sqrt(10.0)}}},
        {5, 1, {7}, {{6 + reach / std::sqrt(5.0), 2 * reach / std::sqrt(5.0)}}},
        // Beside the first or the last anchor there is no partner.
        {1, 0, {}, {}},
        {8, 0, {}, {}},
        {10, 0, {}, {}},
        {-1, 0, {}, {}},
    };
    BezierFlattener f;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "moved point " << c.moved);
        PointArray path;
        fill(path, bent);
        EXPECT_EQ(f.smoothAt(&path, c.moved), c.result);
        for (int i = 0; i < path.count; ++i) {
            size_t k = 0;
            while (k < c.changed.size() && c.changed[k] != i)
                ++k;
            if (k < c.changed.size())
                expectAt(path, i, c.expected[k].x, c.expected[k].y);
            else
                expectAt(path, i, bent[i].x, bent[i].y);
        }
    }

    // A handle dragged onto its anchor gives no direction: nothing moves.
    PointArray path;
    fill(path, bent);
    ASSERT_EQ(path.setXYZ(4, 3, 0, 0), 1);
    f.setSource(&path);
    EXPECT_EQ(f.adjustAfterMove(4), 0);
    expectAt(path, 2, 2, 5);
    EXPECT_EQ(f.straightenBefore(&path, 2), 0);
    EXPECT_EQ(f.straightenAfter(&path, 7), 0);
    ASSERT_EQ(f.straightenAfter(&path, 6), 1);
    expectAt(path, 7, 7, 0);
}

// The distance of (x, y) from the nearest piece of a polyline.
double distanceToPolyline(const PointArray& line, double x, double y)
{
    double best = 1e300;
    for (int i = 0; i + 1 < line.count; ++i) {
        Point a = at(line, i), b = at(line, i + 1);
        double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
        double t = length2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / length2 : 0.0;
        t = t < 0 ? 0 : (t > 1 ? 1 : t);
        best = std::fmin(best, std::hypot(a.x + t * dx - x, a.y + t * dy - y));
    }
    return best;
}

TEST(BezierFlattener, FitsAFreehandStrokeEndingWithASeparateFinalSegment)
{
    struct Stroke {
        const char* name;
        std::vector<IntPoint> points;
        int maxSegments; // a segment spans two stroke points at least, a smooth stroke many
    } strokes[] = {
        {"straight", {{0, 0}, {10, 0}, {20, 0}, {30, 0}, {40, 0}, {50, 0}, {60, 0}, {70, 0}, {80, 0}, {90, 0}}, 2},
        {"three points", {{0, 0}, {5, 5}, {10, 0}}, 1},
        {"coincident", {{4, 4}, {4, 4}, {4, 4}, {4, 4}, {4, 4}}, 2},
        {"arc", {}, 10},
        {"wave", {}, 10},
        {"zigzag", {}, 21},
    };
    for (int i = 0; i <= 40; ++i) {
        double a = i * 0.05;
        strokes[3].points.push_back(IntPoint(static_cast<int>(200 * std::cos(a)), static_cast<int>(-200 * std::sin(a))));
        strokes[4].points.push_back(IntPoint(i * 8, static_cast<int>(std::lround(40 * std::sin(i * 8 / 30.0)))));
        strokes[5].points.push_back(IntPoint(i * 7, (i % 2) * 25));
    }
    for (const Stroke& s : strokes) {
        SCOPED_TRACE(s.name);
        IntPointList stroke, result;
        for (const IntPoint& p : s.points)
            ASSERT_EQ(stroke.addPoint(p), 1);
        ASSERT_EQ(BezierFlattener::fitStroke(stroke, result), 1);
        const int n = stroke.count;
        ASSERT_EQ((result.count - 1) % 3, 0);
        const int segments = (result.count - 1) / 3;
        EXPECT_LE(segments, s.maxSegments);
        EXPECT_GE(segments, n > 3 ? 2 : 1) << "the last stroke point has a segment of its own";
        EXPECT_TRUE(result.getPoint(0).equals(stroke.getPoint(0)));
        EXPECT_TRUE(result.getPoint(result.count - 1).equals(stroke.getPoint(n - 1)));
        // Every anchor is a stroke point, in stroke order, and the last segment starts before
        // the last stroke point: no segment is ever stretched onto it.
        int last = 0;
        for (int a = 3; a < result.count; a += 3) {
            int k = last + 1;
            while (k < n && !result.getPoint(a).equals(stroke.getPoint(k)))
                ++k;
            ASSERT_LT(k, n) << "anchor " << a << " is not a later stroke point";
            last = k;
        }
        // A smooth stroke is followed within about a pixel everywhere (the zigzag is not: a
        // segment of two stroke points is taken straight, without looking at the one between).
        if (s.points.size() > 10 && s.name != std::string("zigzag")) {
            PointArray path;
            for (int a = 0; a < result.count; ++a)
                ASSERT_EQ(path.appendXY(result.getPoint(a).x, result.getPoint(a).y), 1);
            BezierFlattener flattener;
            ASSERT_EQ(flattener.run(&path, 0), 1);
            for (int k = 0; k < n; ++k)
                EXPECT_LT(distanceToPolyline(flattener.output(), s.points[k].x, s.points[k].y), 2.5) << "stroke point " << k;
        }
    }

    // A straight stroke: one segment as far as the last point but one, then the last.
    IntPointList straight, result;
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(straight.add(10 * i, 0), 1);
    ASSERT_EQ(BezierFlattener::fitBezierToTrace(straight, result), 1);
    ASSERT_EQ(result.count, 7);
    EXPECT_TRUE(result.getPoint(3).equalsXY(80, 0));
    EXPECT_TRUE(result.getPoint(6).equalsXY(90, 0));

    // Too short or too far out: refused, the result as it was.
    IntPointList shortStroke, farStroke;
    ASSERT_EQ(shortStroke.add(1, 1), 1);
    ASSERT_EQ(shortStroke.add(2, 2), 1);
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(farStroke.add(i == 1 ? 2147483647 : i, 0), 1);
    EXPECT_EQ(BezierFlattener::fitStroke(shortStroke, result), 0);
    EXPECT_EQ(BezierFlattener::fitStroke(farStroke, result), 0);
    EXPECT_EQ(result.count, 7);
}

} // namespace
