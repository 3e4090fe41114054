#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "geometry/DoubleRect.h"
#include "geometry/Point.h"
#include "geometry/PointArray.h"
#include "tests/support/IdleMembers.h"
#include "tests/support/LinearView.h"

namespace {

// A select tool whose last pick is a point with a tolerance of 0.5 drawing units, on a drawing
// at 1:1 seen one unit per pixel.
class PickTool : public IdleSelectTool {
public:
    [[nodiscard]] int strokePick(StrokePick& out) override
    {
        if (!picked)
            return 0;
        out = pickAbout(at, &view);
        return 1;
    }
    Point at;
    int picked = 1;
    LinearView view;
};

void fill(PointArray& out, const std::vector<Point>& list)
{
    for (const Point& p : list)
        ASSERT_EQ(out.appendXY(p.x, p.y), 1);
}

} // namespace

// Every stroke kind against picks on, beside and off its geometry (drawing coordinates, y down).
TEST(SelectToolHitTests, StrokesAgainstThePick)
{
    PickTool tool;
    const Point a(0, 0), b(10, 0);
    PointArray square, single, twoControls;
    fill(square, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    fill(single, {{5, 5}});
    fill(twoControls, {{0, 0}, {10, 10}});
    // The arc through (10, 0), (0, 10) and (-10, 0): radius 10 about the origin, through y > 0.
    const Point arcStart(10, 0), arcMiddle(0, 10), arcEnd(-10, 0);
    const Point origin(0, 0);
    auto rect = [](double minX, double minY, double maxX, double maxY) {
        DoubleRect r;
        r.set(minY, minX, maxX, maxY);
        return r;
    };
    struct Case {
        const char* name;
        Point pick;
        std::function<int(PickTool&)> test;
        int hit;
    };
    const auto stroke = [&](int mode) {
        return [&, mode](PickTool& t) { return t.hitTestStrokeWithCaps(a, b, 2.0, mode); };
    };
    const auto arc = [&](int mode) {
        return [&, mode](PickTool& t) { return t.hitTestThreePointArcMode(arcStart, arcEnd, arcMiddle, 4.0, mode); };
    };
    const auto topLine = [](PickTool& t) { return t.hitTestStrokeWithCaps(Point(20, 30), Point(150, 30), 2.0, 2); };
    const auto wideArc = [&](PickTool& t) { return t.hitTestThreePointArcMode(arcStart, arcEnd, arcMiddle, 30.0, 1); };
    const Case cases[] = {
        // Width 2 in mode 2 (TOP) tests the segment 1.0 away on the side the line shape draws
        // the band, the right of travel on the screen (y = 1 here); the pick area grows by half
        // the width, so a pick on the geometry still hits, and so does one beyond the offset
        // segment; the other side does not.
        {"mode 2, pick on the geometry", {5, 0}, stroke(2), 1},
        {"mode 2, pick beyond the offset", {5, 2.4}, stroke(2), 1},
        {"mode 2, pick on the other side", {5, -0.9}, stroke(2), 0},
        {"mode 1 there", {5, -0.9}, stroke(1), 1},
        {"mode 1, pick beyond", {5, 2.4}, stroke(1), 0},
        {"mode 3 mirrors mode 2", {5, -2.4}, stroke(3), 1},
        {"mode 3, pick on the mode 2 side", {5, 2.4}, stroke(3), 0},
        // A TOP line from (20, 30) to (150, 30) of width 2 is drawn on y 30..32: picked on its
        // stroke, not on the blank paper above it.
        {"TOP line, on its stroke", {85, 31.5}, topLine, 1},
        {"TOP line, above it", {85, 28.2}, topLine, 0},
        {"an unknown mode is mode 1", {5, 0.9}, stroke(7), 1},
        {"centred stroke without width", {5, 0.4}, [&](PickTool& t) { return t.hitTestStroke(a, b, 0.0); }, 1},
        {"past the end", {11, 0}, [&](PickTool& t) { return t.hitTestStroke(a, b, 0.0); }, 0},
        // Outlines: only the closed one has the segment from the last point back to the first.
        {"closing segment, closed", {0, 5}, [&](PickTool& t) { return t.hitTestPolyline(square, 0.0, 1, 1); }, 1},
        {"closing segment, open", {0, 5}, [&](PickTool& t) { return t.hitOpenPolyline(square, 0.0, 1); }, 0},
        {"open outline, middle segment", {10, 5}, [&](PickTool& t) { return t.hitPolyline(square, 0.0, 1, 0); }, 1},
        {"one point never hits", {5, 5}, [&](PickTool& t) { return t.hitTestPolyline(single, 5.0, 1, 1); }, 0},
        {"inside, filled", {5, 5}, [&](PickTool& t) { return t.hitTestFilledOutline(square); }, 1},
        {"inside, not filled", {5, 5}, [&](PickTool& t) { return t.hitTestPoints(square, 1.0, 1, 1, 0); }, 0},
        {"edge, not filled", {10, 5}, [&](PickTool& t) { return t.hitTestPoints(square, 0.0, 1, 0, 0); }, 1},
        // Two control points: their segment, whatever a curve would do.
        {"two-point spline on its segment", {5, 5}, [&](PickTool& t) { return t.hitTestSpline(twoControls, 0.0, 1); }, 1},
        {"two-point spline off it", {5, 2}, [&](PickTool& t) { return t.hitTestSpline(twoControls, 0.0, 1); }, 0},
        // Arcs of radius 10 and width 4: the line position moves the circle to 8 (mode 2) or
        // 12 (mode 3), and a pick within the tolerance plus half the width of it hits.
        {"arc, mode 1 on the circle", {0, 10.4}, arc(1), 1},
        {"arc, mode 3 outside", {0, 13.5}, arc(3), 1},
        {"arc, mode 1 there", {0, 13.5}, arc(1), 0},
        {"arc, mode 2 inside", {0, 6.5}, arc(2), 1},
        {"arc, mode 1 there too", {0, 6.5}, [&](PickTool& t) { return t.hitTestThreePointArc(arcStart, arcMiddle, arcEnd, 4.0); }, 0},
        {"arc, beyond its ends", {0, -10}, [&](PickTool& t) { return t.hitTestThreePointArc(arcStart, arcMiddle, arcEnd, 0.0); }, 0},
        {"arc, collinear points", {5, 0}, [&](PickTool& t) { return t.hitTestThreePointArc(a, Point(5, 0), b, 1.0); }, 0},
        // A stroke so wide that the circle's band reaches the centre: only a pick at the centre
        // itself has no direction and misses.
        {"wide arc, near the centre", {0, 3}, wideArc, 1},
        {"wide arc, at the centre", {0, 0}, wideArc, 0},
        {"arc by angles, at its start", {10, 0}, [&](PickTool& t) { return t.hitTestArc(origin, 10.0, 0.0, 90.0, 0.0, 1); }, 1},
        {"arc by angles, off the circle", {5, 0}, [&](PickTool& t) { return t.hitTestArc(origin, 10.0, 0.0, 90.0, 0.0, 1); }, 0},
        // Boxes against the pick: overlapping, touching, holding the pick centre within 3 pixels.
        {"box meets", {0, 0}, [&](PickTool& t) { return t.pickBoxMeets(rect(0.4, 0.4, 5, 5)); }, 1},
        {"box touches", {0, 0}, [&](PickTool& t) { return t.pickBoxMeets(rect(0.5, 0.5, 5, 5)); }, 0},
        {"extent within 3 pixels", {-2.9, 0}, [&](PickTool& t) { return t.extentContainsPickCentre(Point(0, 0), Point(5, 5)); }, 1},
        {"extent beyond 3 pixels", {-3.1, 0}, [&](PickTool& t) { return t.extentContainsPickCentre(Point(0, 0), Point(5, 5)); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tool.at = c.pick;
        tool.picked = 1;
        EXPECT_EQ(c.test(tool), c.hit);
        tool.picked = 0;
        EXPECT_EQ(c.test(tool), 0) << "without a pick nothing hits";
    }
}
