// Arrow heads on a DIB section and in the recording writers: where barbs, triangles and circles
// end, the paper scale, the results of each kind, and values far outside any sheet.
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "shapes/ArrowHeadShape.h"
#include "shapes/ArrowHeadStyle.h"
#include "tests/shapes/CurveTestSupport.h"

using curve_test::pointsOf;
using shape_test::ShapeDrawing;

namespace {

const double kCos = 3.5 * std::cos(20.0 * 3.14159265358979323846 / 180.0);
const double kSin = 3.5 * std::sin(20.0 * 3.14159265358979323846 / 180.0);

struct Head {
    unsigned kind = ArrowHeadStyle::kArrow;
    Point tip{0, 0};
    Point to{10, 0};
    Point from{0, 0};
    double length = 3.5;
    double lineSize = 0.14;
    double lean = 20.0;
};

int run(ShapeDrawing& d, const Head& h, int operation)
{
    ArrowHeadShape shape;
    shape.context = &d.context;
    ArrowHeadStyle& style = *shape.style();
    style.kind = h.kind;
    style.length = h.length;
    style.lineSize = h.lineSize;
    style.lean = h.lean;
    style.colour.setRgb(0, 0, 160);
    shape.setTip(DrawPoint(h.tip.x, h.tip.y));
    shape.setDirectionFrom(DrawPoint(h.from.x, h.from.y));
    shape.setDirectionTo(DrawPoint(h.to.x, h.to.y));
    const int result = shape.execute(operation, 2);
    EXPECT_EQ(std::memcmp(&style.length, &h.length, sizeof h.length), 0) << "the stored values stay";
    EXPECT_EQ(std::memcmp(&style.lineSize, &h.lineSize, sizeof h.lineSize), 0);
    return result;
}

std::vector<Point> drawnPoints(const OperatorLog& log, const char* move, const char* line)
{
    std::vector<Point> points;
    for (const char* name : {move, line})
        for (const Point& p : pointsOf(log, name))
            points.push_back(p);
    return points;
}

} // namespace

// Barbs at -lean then +lean, triangles tip, +lean, -lean: the same in PostScript and PDF, and in
// paper millimetres the same at 1:2 (twice the drawing units).
TEST(ArrowHeadShape, BarbsAndTrianglesEndWhereTheRotationPutsThem)
{
    struct Case {
        unsigned kind;
        std::vector<Point> points; // the moves, then the lines
    } cases[] = {
        {ArrowHeadStyle::kArrow, {{0, 0}, {0, 0}, {kCos, kSin}, {kCos, -kSin}}},
        {ArrowHeadStyle::kRightArrow, {{0, 0}, {kCos, kSin}}},
        {ArrowHeadStyle::kLeftArrow, {{0, 0}, {kCos, -kSin}}},
        {ArrowHeadStyle::kFrameTriangle, {{0, 0}, {kCos, -kSin}, {kCos, kSin}}},
    };
    for (int scale : {1, 2}) {
        for (const Case& c : cases) {
            ShapeDrawing d;
            d.setScale(1, scale);
            Head h;
            h.kind = c.kind;
            h.to = Point{10.0 * scale, 0};
            ASSERT_EQ(run(d, h, ShapeOp::PostScript), 1) << c.kind;
            ASSERT_EQ(run(d, h, ShapeOp::Pdf), 1) << c.kind;
            const std::vector<Point> ps = drawnPoints(d.ps.log, "_m", "_l");
            const std::vector<Point> pdf = drawnPoints(d.pdf.log, "m", "l");
            for (const std::vector<Point>* got : {&ps, &pdf}) {
                ASSERT_GE(got->size(), c.points.size()) << c.kind << " at 1:" << scale;
                for (size_t i = 0; i < c.points.size(); ++i) {
                    EXPECT_NEAR((*got)[i].x, c.points[i].x, 1e-4) << c.kind << " point " << i << " at 1:" << scale;
                    EXPECT_NEAR((*got)[i].y, c.points[i].y, 1e-4) << c.kind << " point " << i << " at 1:" << scale;
                }
            }
            EXPECT_EQ(d.ps.log.count("_lw 0.14"), d.ps.log.count("_lw")) << "the width is never scaled";
        }
    }
}

// The results of each kind, with and without a direction, and of refused operations.
TEST(ArrowHeadShape, ResultsOfEveryKindAndOperation)
{
    struct Case {
        unsigned kind;
        int withDirection, withoutDirection; // on the screen
        int drawsWithoutDirection;
    } cases[] = {
        {ArrowHeadStyle::kNone, 1, 1, 0},        {ArrowHeadStyle::kArrow, 1, 0, 0},
        {ArrowHeadStyle::kRightArrow, 1, 0, 0},  {ArrowHeadStyle::kLeftArrow, 1, 0, 0},
        {ArrowHeadStyle::kFrameTriangle, 1, 0, 0}, {ArrowHeadStyle::kFillTriangle, 1, 0, 0},
        {ArrowHeadStyle::kFrameArc, 1, 1, 1},    {ArrowHeadStyle::kFillArc, 1, 1, 1},
        {42, 1, 1, 0},
    };
    for (const Case& c : cases) {
        ShapeDrawing d;
        Head h;
        h.kind = c.kind;
        h.tip = h.from = Point{20, 15};
        h.to = Point{0, 15};
        EXPECT_EQ(run(d, h, ShapeOp::Draw), c.withDirection) << c.kind;
        h.to = h.from;
        EXPECT_EQ(run(d, h, ShapeOp::Draw), c.withoutDirection) << c.kind;
        EXPECT_EQ(run(d, h, ShapeOp::PostScript), 1) << c.kind;
        EXPECT_EQ(d.ps.log.entries.empty(), !c.drawsWithoutDirection) << c.kind << ": " << d.ps.log.text();
        EXPECT_EQ(run(d, h, 99), 0) << "a refused operation";
        EXPECT_EQ(run(d, h, ShapeOp::Pdf), 1) << "PDF always draws";
    }
    // Drawn on the DIB section: the barbs' ends and the circle's rim are inked, the middle of a
    // frame is not, a filled triangle is.
    struct Pixel {
        unsigned kind;
        int x, y;
        bool inked;
    } pixels[] = {
        {ArrowHeadStyle::kArrow, 200 - 33, 150 - 12, true}, {ArrowHeadStyle::kArrow, 200 - 33, 150 + 12, true},
        {ArrowHeadStyle::kFrameTriangle, 200 - 25, 150, false}, {ArrowHeadStyle::kFillTriangle, 200 - 25, 150, true},
        {ArrowHeadStyle::kFrameArc, 200, 150, false},       {ArrowHeadStyle::kFrameArc, 200 + 17, 150, true},
        {ArrowHeadStyle::kFillArc, 200, 150, true},
    };
    for (const Pixel& p : pixels) {
        ShapeDrawing d;
        Head h;
        h.kind = p.kind;
        h.tip = h.from = Point{20, 15};
        h.to = Point{0, 15};
        ASSERT_EQ(run(d, h, ShapeOp::Draw), 1);
        EXPECT_EQ(curve_test::inkNear(d, p.x, p.y) == 'e' || curve_test::inkNear(d, p.x, p.y) == 'f', p.inked)
            << p.kind << " at " << p.x << "," << p.y;
    }
}

// Values no sheet holds draw and come back in every output; a frame circle's outline reaches
// PostScript and PDF.
TEST(ArrowHeadShape, ExtremeValuesDrawWithoutFault)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double length, lineSize, lean;
    } cases[] = {{1e300, 0.14, 20}, {nan, 0.14, 20}, {3.5, 1e9, 20}, {3.5, nan, nan}, {-1e300, -1e9, 1e300}};
    for (const Case& c : cases) {
        for (unsigned kind = 1; kind < 8; ++kind) {
            ShapeDrawing d;
            Head h;
            h.kind = kind;
            h.length = c.length, h.lineSize = c.lineSize, h.lean = c.lean;
            for (int operation : {int(ShapeOp::Draw), int(ShapeOp::Print), int(ShapeOp::PostScript), int(ShapeOp::Pdf)})
                (void)run(d, h, operation); // the result may be either; the run must come back
        }
    }
    ShapeDrawing d;
    Head h;
    h.kind = ArrowHeadStyle::kFrameArc;
    ASSERT_EQ(run(d, h, ShapeOp::PostScript), 1);
    ASSERT_EQ(run(d, h, ShapeOp::Pdf), 1);
    EXPECT_GE(d.ps.log.count("_sp"), 1) << d.ps.log.text();
    EXPECT_GE(d.pdf.log.count("S"), 1) << d.pdf.log.text();
    EXPECT_GE(pointsOf(d.ps.log, "_l").size(), 20u) << "the whole rim";
    for (const Point& p : pointsOf(d.pdf.log, "l"))
        EXPECT_NEAR(std::hypot(p.x, p.y), 1.75, 0.05) << "diameter 3.5 about the tip";
}
