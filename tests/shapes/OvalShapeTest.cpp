// Ovals on a DIB section and in the recording writers: which parts are filled and edged, the
// thick ring, the lean, and what reaches PostScript and PDF.
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineStyle.h"
#include "shapes/OvalShape.h"
#include "shapes/OvalType.h"
#include "tests/shapes/CurveTestSupport.h"

using curve_test::inkNear;
using curve_test::pointsOf;
using shape_test::ShapeDrawing;

namespace {

struct OvalSetup {
    Point a{5, 5};
    Point b{35, 25};
    int type = OvalType::kFull;
    int style = LineStyle::kSolid;
    double width = 0.0;
    int position = LineOriginAttribute::kCenter;
    int fillOn = 0;
    double lean = 0.0;
    double dash = 0.0; // 0: the style's preset
};

void setUp(OvalShape& oval, ShapeDrawing& d, const OvalSetup& s)
{
    oval.context = &d.context;
    oval.setStartPoint(DrawPoint(s.a.x, s.a.y));
    oval.setEndPoint(DrawPoint(s.b.x, s.b.y));
    OvalType type;
    type.value = s.type;
    oval.setOvalType(type);
    LineStyle style;
    style.setStyleWithPresets(s.style);
    if (s.dash != 0.0)
        style.dash = s.dash;
    oval.setLineStyle(style);
    oval.setWidth(s.width);
    oval.setPosition(s.position);
    EdgeAttributes edge;
    edge.draw.value = 1;
    edge.colour.setRgb(0, 0, 160);
    oval.setEdge(edge);
    FillAttributes fill;
    fill.draw.value = s.fillOn;
    fill.colour.setRgb(160, 0, 0);
    oval.setFill(fill);
    LeanAttribute lean;
    lean.angle = s.lean;
    oval.setLean(lean);
}

} // namespace

TEST(OvalShapeScreen, PartsAreFilledAsSectorsAndEdgedOnlyAlongTheirCurve)
{
    struct Probe {
        double x, y; // drawing units, 10 pixels each
        char expected;
    };
    struct Case {
        const char* name;
        OvalSetup setup;
        std::vector<Probe> probes; // empty: nothing at all is drawn
    };
    OvalSetup filled;
    filled.fillOn = 1;
    OvalSetup quarter = filled;
    quarter.type = OvalType::kQuart; // centre (5, 25), from (35, 25) to (5, 5)
    OvalSetup half;
    half.type = OvalType::kHalf; // centre (5, 15), semi-axes 30 and 10, right of x = 5
    OvalSetup shortDash;
    shortDash.style = LineStyle::kDash;
    shortDash.dash = 0.05;
    OvalSetup flat = filled;
    flat.b = {35, 5};
    OvalSetup upright = filled;
    upright.b = {5, 25};
    OvalSetup unknown = filled;
    unknown.type = 4;
    OvalSetup leaning; // centre (27.5, 20) turned by 90 about (20, 15): (25, 7.5), 5 by 7.5
    leaning.a = {20, 15};
    leaning.lean = 90.0;
    const Case cases[] = {
        {"full, edge", {}, {{5, 15, 'e'}, {35, 15, 'e'}, {20, 15, '.'}}},
        {"full, filled", filled, {{5, 15, 'e'}, {20, 15, 'f'}}},
        {"quarter: a sector with its centre, edged on the curve",
         quarter,
         {{26.213, 10.858, 'e'}, {6, 24, 'f'}, {5, 15, 'f'}, {20, 25, 'f'}, {30, 8, '.'}}},
        {"half: no edge on the diameter", half, {{35, 15, 'e'}, {5, 15, '.'}, {20, 15, '.'}}},
        {"a dash below 0.1", shortDash, {}},
        {"two points on one horizontal", flat, {}},
        {"two points on one vertical", upright, {}},
        {"an unknown oval type", unknown, {}},
        {"lean 90 about the start point", leaning, {{25, 15, 'e'}, {30, 7.5, 'e'}, {35, 20, '.'}}},
    };
    for (const Case& c : cases) {
        ShapeDrawing d(400, 300);
        OvalShape oval;
        setUp(oval, d, c.setup);
        ASSERT_EQ(oval.execute(ShapeOp::Draw, 2), 1) << c.name;
        RECT box;
        EXPECT_EQ(d.surface().inkBox(box), !c.probes.empty()) << c.name;
        for (const Probe& p : c.probes)
            EXPECT_EQ(inkNear(d, int(p.x * 10), int(p.y * 10)), p.expected) << c.name << " at " << p.x << ", " << p.y;
    }
}

TEST(OvalShapeScreen, AFullSolidEdgeIsAFilledRingFromThreePixels)
{
    // A 0.5 mm edge: 5 pixels at 10 pixels a millimetre (a pen of 5), 2 at 4 (a pen of 1). The
    // run of edge pixels across the left extreme (5, 15).
    struct Case {
        double pixelsPerMm;
        int position;
        int minRun, maxRun;
    };
    const Case cases[] = {
        {10.0, LineOriginAttribute::kCenter, 4, 6},
        {10.0, LineOriginAttribute::kTop, 4, 6},
        {4.0, LineOriginAttribute::kCenter, 1, 2},
    };
    for (const Case& c : cases) {
        ShapeDrawing d(400, 300);
        d.pixelsPerMillimetre(c.pixelsPerMm);
        OvalShape oval;
        OvalSetup s;
        s.width = 0.5;
        s.position = c.position;
        setUp(oval, d, s);
        ASSERT_EQ(oval.execute(ShapeOp::Draw, 2), 1);
        const int row = int(15 * c.pixelsPerMm), x0 = int(5 * c.pixelsPerMm);
        int run = 0;
        for (int x = x0 - 10; x <= x0 + 10; ++x)
            run += d.surface().pixel(x, row) == curve_test::kEdge;
        EXPECT_GE(run, c.minRun) << c.pixelsPerMm << " " << c.position;
        EXPECT_LE(run, c.maxRun) << c.pixelsPerMm << " " << c.position;
        EXPECT_EQ(d.surface().isInk(int(20 * c.pixelsPerMm), row), false) << "the middle stays empty";
    }
}

TEST(OvalShapeOutput, OutlinesGoOutThroughThePolygonAndBreaklineShapes)
{
    // 10, 30, 10 points a quarter: a full outline of 199 points, 198 handed to the polygon, which
    // walks them back to the first (a TOP edge's offset skips the two repeated extremes); a half
    // of 99, filled closed and stroked open.
    struct Case {
        const char* name;
        OvalSetup setup;
        int lines, strokes, fills;
    };
    OvalSetup halfFilled;
    halfFilled.type = OvalType::kHalf;
    halfFilled.fillOn = 1;
    OvalSetup wideTop;
    wideTop.width = 1.0;
    wideTop.position = LineOriginAttribute::kTop;
    OvalSetup leaning;
    leaning.lean = 30.0;
    const Case cases[] = {
        {"full: one closed edge", {}, 199, 1, 0},
        {"full, TOP: one closed edge inside", wideTop, 196, 1, 0},
        {"half, filled: the closed part filled, the curve stroked", halfFilled, 98 + 98, 1, 1},
        {"lean 30", leaning, 199, 1, 0},
    };
    for (const Case& c : cases) {
        for (int pdf = 0; pdf <= 1; ++pdf) {
            ShapeDrawing d(400, 300);
            OvalShape oval;
            setUp(oval, d, c.setup);
            const OperatorLog& log = pdf ? d.pdf.log : d.ps.log;
            ASSERT_EQ(oval.execute(pdf ? ShapeOp::Pdf : ShapeOp::PostScript, 2), 1) << c.name;
            EXPECT_EQ(log.count(pdf ? "l" : "_l"), c.lines) << c.name << (pdf ? " pdf" : " ps");
            EXPECT_EQ(log.count(pdf ? "S" : "_sp"), c.strokes) << c.name << (pdf ? " pdf" : " ps");
            EXPECT_EQ(log.count(pdf ? "f" : "_f"), c.fills) << c.name << (pdf ? " pdf" : " ps");
            // Every written point lies on the ellipse turned by the lean about the start point
            // (inside it by half the width for the TOP edge's middle line).
            std::vector<Point> points = pointsOf(log, pdf ? "l" : "_l");
            const double inward = c.setup.position == LineOriginAttribute::kTop ? c.setup.width / 2 : 0.0;
            for (Point p : pointsOf(log, pdf ? "m" : "_m"))
                points.push_back(p);
            for (Point p : points) {
                if (c.setup.type == OvalType::kHalf)
                    break; // its diameter's points are not on the ellipse
                p.rotateAbout(c.setup.a.x, c.setup.a.y, -c.setup.lean);
                const double u = (p.x - 20) / (15 - inward), v = (p.y - 15) / (10 - inward);
                EXPECT_NEAR(u * u + v * v, 1.0, 0.03) << c.name << " at " << p.x << ", " << p.y;
            }
        }
    }
}
