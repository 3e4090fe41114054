// The spline shape: samples per span by operation, the curve through its control points, two
// points as a straight segment and one as nothing, on the screen and in PostScript and PDF.
#include <gtest/gtest.h>

#include <vector>

#include "geometry/LineStyle.h"
#include "shapes/SplineShape.h"
#include "tests/shapes/ShapeTestDrawing.h"

using shape_test::ShapeDrawing;

namespace {

void setUp(SplineShape& spline, ShapeDrawing& d, const std::vector<Point>& points)
{
    spline.context = &d.context;
    PointList list;
    for (const Point& p : points)
        ASSERT_TRUE(list.appendXY(p.x, p.y));
    ASSERT_TRUE(spline.setPoints(list));
    spline.setWidth(0.0);
    LineStyle solid;
    solid.setStyleWithPresets(LineStyle::kSolid);
    spline.setLineStyle(solid);
}

TEST(SplineShape, SamplesByOperationThroughEveryControlPoint)
{
    ShapeDrawing d(300, 300);
    struct Case {
        int operation, samples;
    };
    const Case cases[] = {{ShapeOp::Draw, 8},          {ShapeOp::Erase, 8},       {ShapeOp::ShowPicked, 8},
                          {ShapeOp::RotatedPreview, 8}, {ShapeOp::RubberBand, 8},  {ShapeOp::OverlayStep33, 8},
                          {ShapeOp::Print, 20},         {ShapeOp::PostScript, 20}, {ShapeOp::Pdf, 20}};
    const std::vector<Point> control = {Point(5, 10), Point(12, 4), Point(20, 12), Point(26, 6)};
    for (const Case& c : cases) {
        EXPECT_EQ(SplineShape::samplesFor(c.operation), c.samples) << c.operation;
        SplineShape spline;
        setUp(spline, d, control);
        PointList curve;
        ASSERT_EQ(spline.sample(c.operation, curve), 1) << c.operation;
        ASSERT_EQ(curve.count, 3 * c.samples + 1) << c.operation;
        for (int i = 0; i < 4; ++i) {
            Point p;
            ASSERT_TRUE(curve.getPoint(i * c.samples, &p));
            EXPECT_NEAR(p.x, control[i].x, 1e-9) << c.operation << " through control point " << i;
            EXPECT_NEAR(p.y, control[i].y, 1e-9);
        }
    }

    // PostScript and PDF walk the 61 sampled points: a move and 60 lines.
    SplineShape spline;
    setUp(spline, d, control);
    d.pdf.running = 1;
    ASSERT_EQ(spline.execute(ShapeOp::Pdf, 2), 1);
    EXPECT_EQ(d.pdf.log.count("m"), 1);
    EXPECT_EQ(d.pdf.log.count("l"), 60);
    ASSERT_EQ(spline.execute(ShapeOp::PostScript, 2), 1);
    EXPECT_EQ(d.ps.log.count("_m"), 1);
    EXPECT_EQ(d.ps.log.count("_l"), 60);
}

TEST(SplineShape, TwoPointsDrawASegmentOneNothingAndTooManyFail)
{
    ShapeDrawing d(300, 300);
    SplineShape two;
    setUp(two, d, {Point(5, 10), Point(25, 10)});
    d.surface().fill(RGB(255, 255, 255));
    ASSERT_EQ(two.execute(ShapeOp::Draw, 2), 1);
    RECT box;
    ASSERT_TRUE(d.surface().inkBox(box));
    EXPECT_EQ(box.bottom, box.top) << "one row: a straight segment";
    EXPECT_EQ(box.left, 50);
    EXPECT_NEAR(box.right, 250, 1);

    SplineShape one;
    setUp(one, d, {Point(5, 10)});
    d.surface().fill(RGB(255, 255, 255));
    (void)one.execute(ShapeOp::Draw, 2); // done with nothing to draw
    EXPECT_EQ(d.surface().inkCount(0, 0, 300, 300), 0);

    // More control points than the curve takes: nothing drawn, and 0.
    std::vector<Point> many;
    for (int i = 0; i < 121; ++i)
        many.push_back(Point(i * 0.2, (i % 2) * 3.0));
    SplineShape tooMany;
    setUp(tooMany, d, many);
    d.surface().fill(RGB(255, 255, 255));
    EXPECT_EQ(tooMany.execute(ShapeOp::Draw, 2), 0);
    EXPECT_EQ(d.surface().inkCount(0, 0, 300, 300), 0);
    Point lo, hi;
    EXPECT_EQ(tooMany.computeExactExtent(lo, hi), 0);
}

} // namespace
