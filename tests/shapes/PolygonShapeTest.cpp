// Closed polygons on a DIB section and in the recording writers: the rubber band of a polygon
// being started, which operations show a switched-off edge, dashed and wide outlines, rounded
// corners, arcs in PDF, and bad values.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "geometry/DoubleArray.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LineStyle.h"
#include "shapes/ArcPolygonShape.h"
#include "tests/shapes/ShapeTestDrawing.h"

using shape_test::ShapeDrawing;

namespace {

Point arcStart(double x, double y)
{
    Point p(x, y);
    p.flag = Point::arcStart;
    return p;
}

struct PolygonCase {
    std::vector<Point> points;
    int style = LineStyle::kSolid;
    double width = 0.0;
    int edgeOn = 1;
    int fillOn = 0;
    int pattern = 0;
};

void setUp(PolygonShape& polygon, ShapeDrawing& d, const PolygonCase& s)
{
    polygon.context = &d.context;
    PointList points;
    for (const Point& p : s.points)
        ASSERT_TRUE(points.appendWithFlag(p.flag, p.x, p.y, 0.0));
    ASSERT_TRUE(polygon.setPoints(points));
    polygon.setWidth(s.width);
    LineStyle type;
    type.setStyleWithPresets(s.style);
    polygon.setLineStyle(type);
    EdgeAttributes edge;
    edge.draw.value = s.edgeOn;
    edge.colour.setRgb(0, 0, 160);
    polygon.setEdge(edge);
    FillAttributes fill;
    fill.draw.value = s.fillOn;
    fill.colour.setRgb(160, 0, 0);
    polygon.setFill(fill);
    HatchAttributes hatch;
    hatch.pattern = s.pattern;
    hatch.pitch1 = hatch.pitch2 = 1.0;
    polygon.setHatch(hatch);
}

// The square (5, 5) - (25, 5) - (25, 25) - (5, 25), 10 pixels per millimetre.
std::vector<Point> square() { return {Point(5, 5), Point(25, 5), Point(25, 25), Point(5, 25)}; }

} // namespace

TEST(PolygonShapeScreen, EachOperationShowsTheOutlineFillAndHatchItShould)
{
    // Pixels: the top edge (150, 50), the closing edge (50, 150), the middle (150, 150) and a
    // pixel just inside the ring of a wide outline (150, 56).
    struct Case {
        const char* name;
        PolygonCase setup;
        int op;
        const char* ink; // top edge, closing edge, middle, just inside
    };
    const Case cases[] = {
        {"drawn", {square()}, ShapeOp::Draw, "##.."},
        {"edge off, drawn", {square(), LineStyle::kSolid, 0, 0}, ShapeOp::Draw, "...."},
        {"edge off, erased", {square(), LineStyle::kSolid, 0, 0}, ShapeOp::Erase, "...."},
        {"edge off, printed", {square(), LineStyle::kSolid, 0, 0}, ShapeOp::Print, "...."},
        {"edge off, picked", {square(), LineStyle::kSolid, 0, 0}, ShapeOp::ShowPicked, "##.."},
        {"edge off, rubber band", {square(), LineStyle::kSolid, 0, 0}, ShapeOp::RubberBand, "##.."},
        {"filled", {square(), LineStyle::kSolid, 0, 1, 1}, ShapeOp::Draw, "####"},
        {"filled, picked: outline only", {square(), LineStyle::kSolid, 0, 1, 1}, ShapeOp::ShowPicked, "##.."},
        {"a dashed outline walks the closing edge", {square(), LineStyle::kDash}, ShapeOp::Draw, "##.."},
        {"a wide outline is a ring", {square(), LineStyle::kSolid, 1.0}, ShapeOp::Draw, "##.."},
        {"a wide dashed outline", {square(), LineStyle::kDash, 1.0}, ShapeOp::Draw, "##.."},
        {"LINE2 outline", {square(), LineStyle::kLine2, 0.05}, ShapeOp::Draw, "##.."},
        {"two points while created: a line", {{Point(5, 5), Point(25, 5)}, LineStyle::kSolid, 0, 1, 1, 2},
         ShapeOp::RubberBand, "#..."},
    };
    for (const Case& c : cases) {
        ShapeDrawing d(300, 300);
        PolygonShape polygon;
        setUp(polygon, d, c.setup);
        d.surface().fill(RGB(255, 255, 255));
        ASSERT_EQ(polygon.execute(c.op, 2), 1) << c.name;
        std::string ink;
        for (auto xy : {std::make_pair(150, 50), std::make_pair(50, 150), std::make_pair(150, 150),
                        std::make_pair(150, 56)}) {
            // Dashes may leave a gap at one pixel: a piece of 3 mm around it counts.
            bool any = false;
            for (int k = -15; k <= 15 && !any; ++k)
                any = xy.second == 50 || xy.second == 56 ? d.surface().isInk(xy.first + k, xy.second)
                                                           : d.surface().isInk(xy.first, xy.second + k);
            ink += xy.first == 150 && xy.second == 150 ? (d.surface().isInk(150, 150) ? '#' : '.') : (any ? '#' : '.');
        }
        EXPECT_EQ(ink, c.ink) << c.name;
    }

    // Rounding 0 at vertex 0 and 2.0 at vertex 1: only the corner at (25, 5) is cut.
    ShapeDrawing d(300, 300);
    PolygonShape polygon;
    setUp(polygon, d, {square()});
    DoubleArray radii;
    ASSERT_TRUE(radii.append(0.0) && radii.append(2.0));
    polygon.setRounding(&radii);
    d.surface().fill(RGB(255, 255, 255));
    ASSERT_EQ(polygon.execute(ShapeOp::Draw, 2), 1);
    EXPECT_TRUE(d.surface().isInk(50, 50));
    EXPECT_FALSE(d.surface().isInk(250, 50));
    EXPECT_TRUE(d.surface().isInk(250, 250));
    EXPECT_TRUE(d.surface().isInk(50, 250));
}

TEST(PolygonShapeOutput, SwitchesHoldInPostScriptAndPdfAndArcsAreWritten)
{
    struct Case {
        const char* name;
        PolygonCase setup;
        int arcs;
        int psStrokes, psFills, pdfStrokes, pdfFills;
    };
    const Case cases[] = {
        {"edge on", {square()}, 0, 1, 0, 1, 0},
        {"edge off", {square(), LineStyle::kSolid, 0, 0}, 0, 0, 0, 0, 0},
        {"edge off, filled", {square(), LineStyle::kSolid, 0, 0, 1}, 0, 0, 1, 0, 1},
        {"edge off, hatched", {square(), LineStyle::kSolid, 0, 0, 0, 2}, 0, 19, 0, 19, 0},
        {"LINE3 outline", {square(), LineStyle::kLine3}, 0, 3, 0, 3, 0},
        {"arcs, filled", {{arcStart(0, 0), Point(10, 10), Point(20, 0)}, LineStyle::kSolid, 0, 1, 1},
         1, 1, 1, 1, 1},
    };
    for (const Case& c : cases) {
        ShapeDrawing d;
        PolygonShape plain;
        ArcPolygonShape withArcs;
        PolygonShape& polygon = c.arcs ? withArcs : plain;
        setUp(polygon, d, c.setup);
        ASSERT_EQ(polygon.execute(ShapeOp::PostScript, 2), 1) << c.name;
        ASSERT_EQ(polygon.execute(ShapeOp::Pdf, 2), 1) << c.name;
        EXPECT_EQ(d.ps.log.count("_sp"), c.psStrokes) << c.name << ": " << d.ps.log.text();
        EXPECT_EQ(d.ps.log.count("_f"), c.psFills) << c.name;
        EXPECT_EQ(d.pdf.log.count("S"), c.pdfStrokes) << c.name << ": " << d.pdf.log.text();
        EXPECT_EQ(d.pdf.log.count("f"), c.pdfFills) << c.name;
        if (c.arcs) { // the half circle about (10, 0) every 5 degrees, in the fill and the outline
            int onCircle = 0;
            for (const std::string& e : d.pdf.log.entries) {
                double x = 0, y = 0;
                if (std::sscanf(e.c_str(), "l %lf %lf", &x, &y) == 2 && y != 0.0)
                    onCircle += std::fabs(std::hypot(x - 10.0, y) - 10.0) < 1e-6;
            }
            EXPECT_EQ(onCircle, 2 * 35) << c.name;
        }
    }
}

TEST(PolygonShapeBadInput, ExtremeValuesDrawWhatTheyCanAndAlwaysReturn)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* name;
        std::vector<Point> points;
        std::vector<double> radii;
        double pitch;
        int cuts;
    };
    const Case cases[] = {
        {"a point not a number", {Point(1, 1), Point(nan, 5), Point(10, 10)}, {}, 1.0, 32},
        {"an infinite point", {Point(1, 1), Point(5, inf), Point(10, 10)}, {1, 1, 1}, 1.0, 32},
        {"a flag on the last point", {Point(1, 1), Point(9, 1), arcStart(5, 5)}, {}, 1.0, 32},
        {"all points the same", {Point(5, 5), Point(5, 5), Point(5, 5)}, {1, 1, 1}, 1.0, 32},
        {"radii shorter and longer", {Point(1, 1), Point(9, 1), Point(5, 9)}, {3, nan, 3, 3, 3, 3}, 1.0, 32},
        {"negative pitch", {Point(1, 1), Point(9, 1), Point(5, 9)}, {}, -1.0, 32},
        {"a billion cuts", {Point(1, 1), Point(900, 1), Point(5, 900)}, {}, 1e-6, 1000000000},
        {"negative cuts", {Point(1, 1), Point(9, 1), Point(5, 9)}, {}, 1.0, -5},
    };
    for (const Case& c : cases) {
        for (int arcs = 0; arcs < 2; ++arcs) {
            for (int pattern = 1; pattern <= 8; pattern += 7) {
                for (int op : {ShapeOp::Draw, ShapeOp::RubberBand, ShapeOp::PostScript, ShapeOp::Pdf}) {
                    ShapeDrawing d;
                    PolygonShape plain;
                    ArcPolygonShape withArcs;
                    PolygonShape& polygon = arcs ? withArcs : plain;
                    setUp(polygon, d, {c.points, LineStyle::kDashDot1, 1.0, 1, 1, pattern});
                    FillAttributes fill;
                    fill.draw.value = 1;
                    fill.gray.kind = GrayAttributes::kGradation;
                    fill.gray.cuts = c.cuts;
                    polygon.setFill(fill);
                    HatchAttributes hatch;
                    hatch.pattern = pattern;
                    hatch.pitch1 = hatch.pitch2 = c.pitch;
                    polygon.setHatch(hatch);
                    DoubleArray radii;
                    for (double r : c.radii)
                        ASSERT_TRUE(radii.append(r));
                    polygon.setRounding(&radii);
                    EXPECT_EQ(polygon.execute(op, 2), 1) << c.name << " op " << op;
                    const std::string written = d.ps.log.text() + d.pdf.log.text();
                    EXPECT_EQ(written.find("nan"), std::string::npos) << c.name << " op " << op << ": " << written;
                    EXPECT_EQ(written.find("inf"), std::string::npos) << c.name << " op " << op;
                    EXPECT_LE(d.ps.log.entries.size() + d.pdf.log.entries.size(), 60000u) << c.name << " op " << op;
                }
            }
        }
    }
}
