// Open polylines drawn into a DIB section and written to the recording writers: corner rounding,
// short dashes and thin doubles, wide bands over bends, straight-through and repeated vertices,
// arcs flattened for PDF, paper scale, and bad values; the one-pixel stroke against its segments
// drawn one by one.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "geometry/DoubleArray.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/InkColor.h"
#include "geometry/LineStyle.h"
#include "shapes/ArcBreaklineShape.h"
#include "tests/shapes/ShapeTestDrawing.h"

using shape_test::ShapeDrawing;

namespace {

struct Vertex {
    double x, y;
    uint32_t flag = 0;
};

void setUp(BreaklineShape& line, ShapeDrawing& d, const std::vector<Vertex>& vertices, double width, int style,
           int position = LineOriginAttribute::kCenter)
{
    line.context = &d.context;
    PointList points;
    for (const Vertex& v : vertices)
        ASSERT_TRUE(points.appendWithFlag(v.flag, v.x, v.y, 0.0));
    ASSERT_TRUE(line.setPoints(points));
    line.setWidth(width);
    line.setPosition(position);
    LineStyle type;
    type.setStyleWithPresets(style);
    line.setLineStyle(type);
}

// The x, y of every "m" and "l" of a PDF log.
std::vector<std::pair<double, double>> pathPoints(const OperatorLog& log)
{
    std::vector<std::pair<double, double>> out;
    for (const std::string& e : log.entries) {
        double x = 0, y = 0;
        if (std::sscanf(e.c_str(), "m %lf %lf", &x, &y) == 2 || std::sscanf(e.c_str(), "l %lf %lf", &x, &y) == 2)
            out.emplace_back(x, y);
    }
    return out;
}

} // namespace

TEST(BreaklineShapeScreen, CornersDashesAndDoublesFollowTheirRules)
{
    // 10 pixels per millimetre; the thin polyline (5, 5) - (25, 5) - (25, 25) turns at pixel
    // (250, 50). A rounded corner leaves that pixel and cuts across it.
    ShapeDrawing d(300, 300);
    struct Case {
        const char* name;
        std::vector<double> radii; // empty: no list
        int style;
        double width;
        bool corner;   // the corner pixel is inked
        int inkedRows; // rows inked in column 150 (the first segment); -1 not checked
    };
    const Case cases[] = {
        {"sharp", {}, LineStyle::kSolid, 0.0, true, 1},
        {"radius 5 rounds", {0, 5}, LineStyle::kSolid, 0.0, false, 1},
        {"radius 0.005 stays sharp", {0, 0.005}, LineStyle::kSolid, 0.0, true, 1},
        {"radius longer than a segment", {0, 30}, LineStyle::kSolid, 0.0, true, 1},
        {"first and last are never rounded", {5, 0, 5}, LineStyle::kSolid, 0.0, true, 1},
        {"a longer list", {0, 5, 5, 5, 5}, LineStyle::kSolid, 0.0, false, 1},
        {"a radius not a number", {0, std::nan("")}, LineStyle::kSolid, 0.0, true, 1},
        {"dash 0.05 draws nothing", {}, LineStyle::kDash, 0.0, false, 0},
        {"LINE2 with a one-pixel pen", {}, LineStyle::kLine2, 0.05, true, 1},
        {"LINE2 with a 3-pixel pen: beside the corner", {}, LineStyle::kLine2, 0.3, false, 2},
    };
    for (const Case& c : cases) {
        BreaklineShape line;
        setUp(line, d, {{5, 5}, {25, 5}, {25, 25}}, c.width, c.style);
        DoubleArray radii;
        for (double r : c.radii)
            ASSERT_TRUE(radii.append(r));
        if (!c.radii.empty())
            line.setRounding(&radii);
        if (c.style == LineStyle::kDash) {
            LineStyle type;
            type.setStyleWithPresets(LineStyle::kDash);
            type.dash = 0.05;
            line.setLineStyle(type);
        }
        d.surface().fill(RGB(255, 255, 255));
        ASSERT_EQ(line.execute(ShapeOp::Draw, 2), 1) << c.name;
        EXPECT_EQ(d.surface().isInk(250, 50), c.corner) << c.name;
        int rows = 0;
        for (int y = 40; y < 60; ++y)
            rows += d.surface().isInk(150, y);
        EXPECT_EQ(rows, c.inkedRows) << c.name;
    }

    // One point: nothing, and done.
    BreaklineShape dot;
    setUp(dot, d, {{5, 5}}, 1.0, LineStyle::kSolid);
    d.surface().fill(RGB(255, 255, 255));
    EXPECT_EQ(dot.execute(ShapeOp::Draw, 2), 1);
    EXPECT_EQ(d.surface().inkCount(0, 0, 300, 300), 0);
}

TEST(BreaklineShapeScreen, WideBandsCoverTheirWholeWidthAtBendsAndRepeatedPoints)
{
    // A 1 mm band (a 9-pixel pen) at 10 pixels per millimetre. Sample points across the band at
    // 0.35 mm each side of the line's middle, every 0.5 mm along each segment: all inked, and
    // points 0.8 mm off the band on its empty side are not.
    ShapeDrawing d(300, 300);
    const int kCenter = LineOriginAttribute::kCenter, kTop = LineOriginAttribute::kTop,
              kBottom = LineOriginAttribute::kBottom;
    struct Case {
        const char* name;
        std::vector<Vertex> points;
        int position;
    };
    const Case cases[] = {
        {"a bend", {{5, 10}, {15, 10}, {25, 15}}, kCenter},
        {"straight through", {{5, 10}, {15, 10}, {25, 10}}, kCenter},
        {"TOP, straight through", {{5, 10}, {15, 10}, {25, 10}}, kTop},
        {"BOTTOM, straight through", {{5, 10}, {15, 10}, {25, 10}}, kBottom},
        {"TOP, a repeated point", {{5, 10}, {15, 10}, {15, 10}, {25, 15}}, kTop},
        {"BOTTOM, a repeated point", {{5, 10}, {15, 10}, {15, 10}, {25, 15}}, kBottom},
        {"a reversal", {{5, 10}, {25, 10}, {15, 10}}, kCenter},
    };
    for (const Case& c : cases) {
        BreaklineShape line;
        setUp(line, d, c.points, 1.0, LineStyle::kSolid, c.position);
        d.surface().fill(RGB(255, 255, 255));
        ASSERT_EQ(line.execute(ShapeOp::Draw, 2), 1) << c.name;
        // The band's middle lies -0.5 mm along the normal (+y for a line towards +x) for TOP.
        const double middle = c.position == kTop ? 0.5 : c.position == kBottom ? -0.5 : 0.0;
        for (size_t k = 1; k < c.points.size(); ++k) {
            const Vertex a = c.points[k - 1], b = c.points[k];
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            if (length == 0.0)
                continue;
            const double ux = (b.x - a.x) / length, uy = (b.y - a.y) / length;
            // The normal of the direction towards +x is (0, -1); the band's middle sits at
            // -middle along it.
            const double nx = uy, ny = -ux;
            for (double s = 0.25; s < length - 0.25; s += 0.5) {
                for (double across : {-0.35, 0.0, 0.35}) {
                    const double off = across - middle;
                    const double x = a.x + ux * s + nx * off, y = a.y + uy * s + ny * off;
                    EXPECT_TRUE(d.surface().isInk(int(std::floor(10 * x)), int(std::floor(10 * y))))
                        << c.name << " segment " << k << " at " << s << " across " << across;
                }
            }
        }
        if (c.position != kCenter) { // nothing on the other side of the line
            const double y = 10.0 + (c.position == kTop ? -0.8 : 0.8);
            EXPECT_FALSE(d.surface().isInk(100, int(std::floor(10 * y)))) << c.name;
        }
    }
}

TEST(BreaklineShapeScreen, LongBandsAreFilledWhole)
{
    // 300 points 0.1 mm apart from (5, 10), turning down after 200 of them, in a 1 mm band: long
    // bands are filled in pieces, which must leave no gap at their joints.
    ShapeDrawing d(300, 300);
    std::vector<Vertex> points;
    for (int i = 0; i < 300; ++i)
        points.push_back(i < 200 ? Vertex{5 + 0.1 * i, 10} : Vertex{25, 10 + 0.1 * (i - 200)});
    for (int position : {LineOriginAttribute::kCenter, LineOriginAttribute::kTop}) {
        BreaklineShape line;
        setUp(line, d, points, 1.0, LineStyle::kSolid, position);
        d.surface().fill(RGB(255, 255, 255));
        ASSERT_EQ(line.execute(ShapeOp::Draw, 2), 1);
        // TOP lies on +y of the part towards +x and on -x of the part towards +y.
        const int middle = position == LineOriginAttribute::kTop ? 105 : 100;
        const int column = position == LineOriginAttribute::kTop ? 245 : 250;
        int gaps = 0;
        for (int x = 52; x < 248; ++x)
            gaps += !d.surface().isInk(x, middle - 3) || !d.surface().isInk(x, middle + 3);
        for (int y = 110; y < 190; ++y)
            gaps += !d.surface().isInk(column, y);
        EXPECT_EQ(gaps, 0) << "position " << position;
    }
}

TEST(BreaklineShapeOutput, ArcsAreFlattenedEvery5DegreesAndScaledToPaper)
{
    // At 1:2 the half circle (0, 0) - (10, 10) - (20, 0) about (10, 0) is written in paper
    // millimetres: every point at 5 mm from (5, 0), 5 degrees apart (35 between the ends); the
    // 1 mm band keeps its width 1.
    struct Case {
        const char* name;
        std::vector<Vertex> points;
        size_t written; // points of the path
        bool onCircle;
    };
    const Case cases[] = {
        {"an arc", {{0, 0, Point::arcStart}, {10, 10}, {20, 0}}, 37, true},
        {"a flag on the last but one point", {{0, 0}, {10, 10, Point::arcStart}, {20, 0}}, 3, false},
        {"a flag with one point after it", {{0, 0, Point::arcStart}, {10, 10}}, 2, false},
        {"a flag on three points in a line", {{0, 0, Point::arcStart}, {10, 0}, {20, 0}}, 3, false},
    };
    for (const Case& c : cases) {
        for (int op : {ShapeOp::Pdf, ShapeOp::PostScript}) {
            ShapeDrawing d;
            d.setScale(1, 2);
            ArcBreaklineShape line;
            setUp(line, d, c.points, 1.0, LineStyle::kSolid);
            ASSERT_EQ(line.execute(op, 2), 1) << c.name;
            OperatorLog& log = op == ShapeOp::Pdf ? d.pdf.log : d.ps.log;
            if (op == ShapeOp::PostScript) { // the PostScript names as PDF ones
                for (std::string& e : log.entries)
                    if (e.rfind("_m ", 0) == 0 || e.rfind("_l ", 0) == 0)
                        e = e.substr(1);
            }
            const auto points = pathPoints(log);
            ASSERT_EQ(points.size(), c.written) << c.name << " op " << op << ": " << log.text();
            EXPECT_EQ(points.front(), std::make_pair(0.0, 0.0)) << c.name;
            EXPECT_NE(log.text().find(op == ShapeOp::Pdf ? "w 1" : "_lw 1"), std::string::npos) << c.name;
            for (size_t k = 0; c.onCircle && k < points.size(); ++k) {
                EXPECT_NEAR(std::hypot(points[k].first - 5.0, points[k].second), 5.0, 1e-6) << c.name << " " << k;
                if (k > 0) {
                    const double turn = std::atan2(points[k].second, points[k].first - 5.0) -
                                        std::atan2(points[k - 1].second, points[k - 1].first - 5.0);
                    EXPECT_NEAR(std::fabs(std::remainder(turn * 180.0 / std::acos(-1.0), 360.0)), 5.0, 1e-6) << c.name << " " << k;
                }
            }
        }
    }

    // A plain breakline at 1:2: the path halved, the width as stored.
    ShapeDrawing d;
    d.setScale(1, 2);
    BreaklineShape line;
    setUp(line, d, {{0, 0}, {100, 0}, {100, 50}}, 1.0, LineStyle::kSolid);
    ASSERT_EQ(line.execute(ShapeOp::Pdf, 2), 1);
    EXPECT_EQ(d.pdf.log.text(), "RG 0 0 0 1 | d 1 75 2 1 1 | w 1 | m 0 0 | l 50 0 | l 50 25 | S");
}

TEST(BreaklineShapeBadInput, ExtremeValuesDrawWhatTheyCanAndAlwaysReturn)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* name;
        std::vector<Vertex> points;
        int style;
        double width, dash, gap;
        std::vector<double> radii;
    };
    const Case cases[] = {
        {"a point not a number", {{1, 1}, {nan, 5}, {10, 10}}, LineStyle::kSolid, 1.0, 1.5, 1.5, {0, 2, 0}},
        {"an infinite point", {{1, 1}, {inf, 5}, {10, 10}}, LineStyle::kEdge, 1.0, 1.5, 1.5, {}},
        {"a flag on the last point", {{1, 1}, {5, 5}, {10, 10, Point::arcStart}}, LineStyle::kDash, 1.0, 1.5, 1.5, {}},
        {"radii longer than the points", {{1, 1}, {5, 5}, {10, 1}}, LineStyle::kLine3, 1.0, 1.5, 1.5, {1, 1, 1, 1, 1, 1}},
        {"an infinite radius", {{1, 1}, {5, 5}, {10, 1}}, LineStyle::kSolid, 1.0, 1.5, 1.5, {0, inf}},
        {"a negative gap", {{1, 1}, {50, 5}, {10, 10}}, LineStyle::kDashDot2, 1.0, 1.5, -3.0, {}},
        {"a zero dash", {{1, 1}, {50, 5}, {10, 10}}, LineStyle::kDash, 1.0, 0.0, 0.0, {}},
        {"1e9 long, tiny dashes", {{0, 5}, {1e9, 5}, {1e9, 6}}, LineStyle::kDash, 1.0, 0.1, 0.0, {}},
        {"1e300 far", {{-1e300, 5}, {1e300, 5}, {0, 0}}, LineStyle::kSolid, 1.0, 1.5, 1.5, {}},
        {"an infinite width", {{1, 1}, {5, 5}, {10, 1}}, LineStyle::kSolid, inf, 1.5, 1.5, {}},
    };
    for (const Case& c : cases) {
        for (int arcs = 0; arcs < 2; ++arcs) {
            for (int op : {ShapeOp::Draw, ShapeOp::Print, ShapeOp::PostScript, ShapeOp::Pdf}) {
                ShapeDrawing d;
                BreaklineShape plain;
                ArcBreaklineShape withArcs;
                BreaklineShape& line = arcs ? withArcs : plain;
                setUp(line, d, c.points, c.width, c.style);
                LineStyle type;
                type.setStyleWithPresets(c.style);
                type.dash = c.dash;
                type.gap = c.gap;
                line.setLineStyle(type);
                DoubleArray radii;
                for (double r : c.radii)
                    ASSERT_TRUE(radii.append(r));
                line.setRounding(&radii);
                EXPECT_EQ(line.execute(op, 2), 1) << c.name << " op " << op;
                const std::string written = d.ps.log.text() + d.pdf.log.text();
                EXPECT_EQ(written.find("nan"), std::string::npos) << c.name << " op " << op << ": " << written;
                EXPECT_LT(d.ps.log.entries.size() + d.pdf.log.entries.size(), 200u) << c.name << " op " << op;
            }
        }
    }
}

TEST(BreaklineShapeScreen, AThinPolylineSetsThePixelsOfItsSegmentsDrawnOneByOne)
{
    // The one-pixel stroke goes out in runs of joined segments, those of no device length left
    // out. Its pixels must be those of its segments drawn one by one with a pen of their own,
    // whichever pen the surface held and whichever way the pixels combine. 10 pixels per
    // millimetre: the ring's steps are mostly under a pixel, the zigzag doubles back over its
    // own pixels and the long path runs past one run of joined points.
    std::vector<Vertex> ring, zigzag = {{2, 2}, {20, 3}, {3, 4.05}, {21, 5}, {21, 5}, {2, 2.02}}, spiral;
    const double step = 3.14159265358979323846 / 36.0; // 5 degrees
    for (int i = 0; i <= 72; ++i)
        ring.push_back({15.0 + 0.35 * std::cos(i * step), 12.0 + 0.35 * std::sin(i * step)});
    for (int i = 0; i < 700; ++i)
        spiral.push_back({14.0 + (1.0 + i * 0.015) * std::cos(i * 0.3), 14.0 + (1.0 + i * 0.015) * std::sin(i * 0.3)});
    struct Case {
        const char* name;
        const std::vector<Vertex>* points;
    };
    const Case cases[] = {{"ring of sub-pixel steps", &ring}, {"zigzag over itself", &zigzag}, {"long spiral", &spiral}};
    for (const Case& c : cases) {
        for (int rop : {R2_COPYPEN, R2_XORPEN}) {
            ShapeDrawing d(300, 300);
            DibSurface reference(300, 300);
            const COLORREF ink = RGB(0, 0, 160);
            // The surface holds the line's pen, but another one was selected behind its back.
            ASSERT_EQ(d.updater->dc.selectPen(PenSpec(RgbColor(0, 0, 160), 1, 1)), 1);
            HPEN foreign = CreatePen(PS_SOLID, 5, RGB(255, 0, 0));
            const HGDIOBJ held = SelectObject(d.surface().hdc, foreign);
            SetROP2(d.surface().hdc, rop);
            BreaklineShape line;
            setUp(line, d, *c.points, 0.0, LineStyle::kSolid);
            InkColor colour;
            colour.setRgb(0, 0, 160);
            line.setColour(colour);
            EXPECT_EQ(line.execute(ShapeOp::Draw, 2), 1) << c.name;

            HPEN pen = CreatePen(PS_SOLID, 1, ink);
            const HGDIOBJ before = SelectObject(reference.hdc, pen);
            SetROP2(reference.hdc, rop);
            const std::vector<Vertex>& p = *c.points;
            for (size_t i = 1; i < p.size(); ++i) {
                IntPoint a, b;
                d.view->worldToDeviceForOp(ShapeOp::Draw, p[i - 1].x, p[i - 1].y, &a);
                d.view->worldToDeviceForOp(ShapeOp::Draw, p[i].x, p[i].y, &b);
                MoveToEx(reference.hdc, a.x, a.y, nullptr);
                LineTo(reference.hdc, b.x, b.y);
            }
            SelectObject(reference.hdc, before);
            DeleteObject(pen);
            int differ = 0, inked = 0;
            for (int y = 0; y < 300; ++y)
                for (int x = 0; x < 300; ++x) {
                    differ += d.surface().pixel(x, y) != reference.pixel(x, y);
                    inked += reference.isInk(x, y);
                }
            EXPECT_EQ(differ, 0) << c.name << (rop == R2_XORPEN ? ", xor" : ", copy");
            EXPECT_GT(inked, 10) << c.name;
            if (GetCurrentObject(d.surface().hdc, OBJ_PEN) == foreign)
                SelectObject(d.surface().hdc, held);
            DeleteObject(foreign);
        }
    }
}

TEST(BreaklineShapeScreen, AThinPolylineReachingFarOutsideIsCutSegmentBySegment)
{
    // Points far outside the view must be cut to it before they are mapped, whatever the rest of
    // the path does: the path's pixels are those of its segments drawn each as a path of its own.
    // The last case lies inside whole, so nothing of it is cut.
    const std::vector<std::vector<Vertex>> cases = {
        {{2, 2}, {5000, 3000}, {20, 25}, {-4000, 12}, {25, 5}},
        {{1, 1}, {29, 2}, {3e7, 14}, {28, 27}, {2, 26}},
        {{0.5, 0.5}, {29.5, 3}, {15, 29.5}, {0.5, 0.5}},
    };
    const COLORREF ink = RGB(0, 0, 160);
    InkColor colour;
    colour.setRgb(0, 0, 160);
    for (size_t c = 0; c < cases.size(); ++c) {
        const std::vector<Vertex>& path = cases[c];
        ShapeDrawing whole(300, 300), pieces(300, 300);
        BreaklineShape line;
        setUp(line, whole, path, 0.0, LineStyle::kSolid);
        line.setColour(colour);
        EXPECT_EQ(line.execute(ShapeOp::Draw, 2), 1) << "case " << c;
        for (size_t i = 1; i < path.size(); ++i) {
            BreaklineShape segment;
            setUp(segment, pieces, {path[i - 1], path[i]}, 0.0, LineStyle::kSolid);
            segment.setColour(colour);
            EXPECT_EQ(segment.execute(ShapeOp::Draw, 2), 1) << "case " << c << " segment " << i;
        }
        int differ = 0, inked = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 300; ++x) {
                differ += whole.surface().pixel(x, y) != pieces.surface().pixel(x, y);
                inked += pieces.surface().pixel(x, y) == ink;
            }
        EXPECT_EQ(differ, 0) << "case " << c;
        EXPECT_GT(inked, 300) << "case " << c;
    }
}
