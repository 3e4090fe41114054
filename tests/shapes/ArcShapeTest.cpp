// Arcs and circles on a DIB section and in the recording writers, and the side rule of every
// curve (ovals, arcs, circles): figures that cannot be drawn, thin pens, PostScript arcs against
// PDF polylines at a scale, the rotated preview, and where TOP and BOTTOM strokes lie.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineStyle.h"
#include "shapes/CircleShape.h"
#include "shapes/OvalShape.h"
#include "shapes/OvalType.h"
#include "shapes/RadiusList.h"
#include "tests/shapes/CurveTestSupport.h"

using curve_test::pointsOf;
using shape_test::ShapeDrawing;

namespace {

const double kNan = std::numeric_limits<double>::quiet_NaN();

// The stroke every test curve gets: the edge (circle) and line (arc) colour, width, position and
// line type.
template <class Curve>
void stroke(Curve& curve, ShapeDrawing& d, int style, double width, int position, double dash = 0.0)
{
    curve.context = &d.context;
    LineStyle type;
    type.setStyleWithPresets(style);
    if (dash != 0.0)
        type.dash = dash;
    curve.setLineStyle(type);
    curve.setWidth(width);
    curve.setPosition(position);
    InkColor blue;
    blue.setRgb(0, 0, 160);
    curve.setColour(blue);
    EdgeAttributes edge;
    edge.draw.value = 1;
    edge.colour = blue;
    curve.setEdge(edge);
    FillAttributes none;
    none.draw.value = 0;
    curve.setFill(none);
}

void setCircle(CircleShape& circle, double cx, double cy, double r)
{
    circle.setCentre(DrawPoint(cx, cy));
    RadiusList radius;
    radius.setSingle(r);
    circle.setRadiusList(radius);
}

void setArc(ArcShape& arc, Point a, Point m, Point b)
{
    arc.setStartPoint(DrawPoint(a.x, a.y));
    arc.setMidPoint(DrawPoint(m.x, m.y));
    arc.setEndPoint(DrawPoint(b.x, b.y));
}

// One operation of a freshly set-up curve.
using CurveRun = std::function<int(ShapeDrawing&, int op)>;

CurveRun circleRun(double cx, double cy, double r, double start, double end, int style = LineStyle::kSolid,
                   double width = 0.0)
{
    return [=](ShapeDrawing& d, int op) {
        CircleShape circle;
        stroke(circle, d, style, width, LineOriginAttribute::kCenter);
        setCircle(circle, cx, cy, r);
        if (!std::isnan(start) || !std::isnan(end)) {
            circle.setStartAngle(start);
            circle.setEndAngle(end);
        }
        return circle.execute(op, 2);
    };
}

CurveRun arcRun(Point a, Point m, Point b, int style = LineStyle::kSolid, double dash = 0.0)
{
    return [=](ShapeDrawing& d, int op) {
        ArcShape arc;
        stroke(arc, d, style, 0.0, LineOriginAttribute::kCenter, dash);
        setArc(arc, a, m, b);
        return arc.execute(op, 2);
    };
}

// (cx + r cos a, cy - r sin a)
Point onCircle(double cx, double cy, double r, double degrees)
{
    const double t = degrees * std::acos(-1.0) / 180.0;
    return {cx + r * std::cos(t), cy - r * std::sin(t)};
}

} // namespace

TEST(ArcShapes, FiguresThatCannotBeDrawnAreNeitherDrawnNorWritten)
{
    // The sheet is 297 mm at its longer side, so at 1:1 a radius of 300 is beyond it; its arc
    // about (320, 15) would show near x = 20.
    struct Case {
        const char* name;
        CurveRun run;
        bool paper;
        int screenResult;
        bool drawn, written;
    };
    const Case cases[] = {
        {"collinear arc", arcRun({5, 5}, {10, 10}, {15, 15}), true, 0, false, false},
        {"arc beyond the paper", arcRun(onCircle(320, 15, 300, 170), onCircle(320, 15, 300, 180), onCircle(320, 15, 300, 190)),
         true, 1, false, false},
        {"the same arc without paper settings",
         arcRun(onCircle(320, 15, 300, 170), onCircle(320, 15, 300, 180), onCircle(320, 15, 300, 190)), false, 1, true,
         true},
        {"circle beyond the paper", circleRun(320, 15, 300, kNan, kNan), true, 1, false, false},
        {"the same circle without paper settings", circleRun(320, 15, 300, kNan, kNan), false, 1, true, true},
        {"radius 0", circleRun(20, 15, 0, kNan, kNan), true, 1, false, false},
        {"radius not a number", circleRun(20, 15, kNan, kNan, kNan), true, 1, false, false},
        {"radius 1e300", circleRun(20, 15, 1e300, kNan, kNan), false, 1, false, false},
        {"start angle not a number", circleRun(20, 15, 10, kNan, 90), true, 0, false, false},
        {"end angle 1e300", circleRun(20, 15, 10, 0, 1e300), true, 0, false, false},
        {"angles 1e300 apart", circleRun(20, 15, 10, -1e300, 1e300), true, 0, false, false},
        {"equal angles: the full circle", circleRun(20, 15, 10, 90, 90), true, 1, true, true},
        {"dash 0.05: nothing on the screen", arcRun({30, 15}, {20, 5}, {10, 15}, LineStyle::kDash, 0.05), true, 1, false, true},
    };
    for (const Case& c : cases) {
        ShapeDrawing d(400, 300);
        if (!c.paper) {
            delete d.context.paper;
            d.context.paper = nullptr;
        }
        EXPECT_EQ(c.run(d, ShapeOp::Draw), c.screenResult) << c.name;
        RECT box;
        EXPECT_EQ(d.surface().inkBox(box), c.drawn) << c.name;
        EXPECT_EQ(c.run(d, ShapeOp::PostScript), 1) << c.name;
        EXPECT_EQ(c.run(d, ShapeOp::Pdf), 1) << c.name;
        EXPECT_EQ(!d.ps.log.entries.empty(), c.written) << c.name << ": " << d.ps.log.text();
        EXPECT_EQ(!d.pdf.log.entries.empty(), c.written) << c.name << ": " << d.pdf.log.text();
    }
}

TEST(ArcShapes, AOnePixelPenDrawsEveryParallelTypeAsOneLine)
{
    // 0.1 mm at 10 pixels a millimetre: a pen of 1 pixel.
    int solidInk = -1;
    for (int style : {LineStyle::kSolid, LineStyle::kLine2, LineStyle::kLine3, LineStyle::kEdge}) {
        ShapeDrawing d(400, 300);
        ASSERT_EQ(circleRun(20, 15, 10, kNan, kNan, style, 0.1)(d, ShapeOp::Draw), 1) << style;
        const int ink = d.surface().inkCount(0, 0, 400, 300);
        if (solidInk < 0)
            solidInk = ink;
        EXPECT_GT(ink, 0) << style;
        EXPECT_EQ(ink, solidInk) << style;
    }
}

TEST(ArcShapes, PostScriptArcsAndPdfPolylinesAgreeAtAnyScale)
{
    // A circle of radius 50 about (100, 100) at 1:2: centre (50, 50) and radius 25 on paper, the
    // stored width 0.5 in both (the writers keep 9 digits). The EDGE type of a full circle: two
    // closed lines, the sides of the 0.5 mm band.
    struct Case {
        const char* name;
        int style;
        std::vector<double> radii; // of the written paths, paper millimetres
        int closes;
    };
    const Case cases[] = {
        {"solid", LineStyle::kSolid, {25}, 1},
        {"EDGE of a full circle", LineStyle::kEdge, {25.25, 24.75}, 2},
    };
    for (const Case& c : cases) {
        ShapeDrawing d(400, 300);
        d.setScale(1, 2);
        CircleShape circle;
        stroke(circle, d, c.style, 0.5, LineOriginAttribute::kCenter);
        setCircle(circle, 100, 100, 50);
        ASSERT_EQ(circle.execute(ShapeOp::PostScript, 2), 1);
        ASSERT_EQ(circle.execute(ShapeOp::Pdf, 2), 1);
        std::vector<double> psRadii;
        for (const std::string& entry : d.ps.log.entries) {
            double x, y, r, a1, a2;
            if (std::sscanf(entry.c_str(), "_a %lf %lf %lf %lf %lf", &x, &y, &r, &a1, &a2) == 5) {
                EXPECT_EQ(x, 50) << c.name;
                EXPECT_EQ(y, 50) << c.name;
                EXPECT_EQ(a2 - a1, 360) << c.name;
                psRadii.push_back(r);
            }
        }
        EXPECT_EQ(psRadii, c.radii) << c.name << ": " << d.ps.log.text();
        const std::vector<Point> starts = pointsOf(d.pdf.log, "m");
        ASSERT_EQ(starts.size(), c.radii.size()) << c.name;
        for (size_t k = 0; k < starts.size(); ++k)
            EXPECT_NEAR(std::hypot(starts[k].x - 50, starts[k].y - 50), c.radii[k], 1e-6) << c.name;
        for (const Point& p : pointsOf(d.pdf.log, "l")) {
            const double r = std::hypot(p.x - 50, p.y - 50);
            EXPECT_TRUE(std::fabs(r - c.radii.front()) < 1e-6 || std::fabs(r - c.radii.back()) < 1e-6) << c.name;
        }
        EXPECT_EQ(d.pdf.log.count("h"), c.closes) << c.name;
        EXPECT_EQ(d.pdf.log.count("S"), c.closes) << c.name;
        if (c.style == LineStyle::kSolid) {
            EXPECT_EQ(d.ps.log.count("_lw 0.5"), 1) << d.ps.log.text();
            EXPECT_EQ(d.pdf.log.count("w 0.5"), 1) << d.pdf.log.text();
        }
    }

    // Arcs through (30, 15), (20, 5), (10, 15) about (20, 15): walked with growing angles they
    // write "_a", the other way round "_an"; the EDGE outline goes out along one and back along
    // the other.
    struct Direction {
        Point a, b;
        int style;
        const char* arcs;
    };
    const Direction directions[] = {
        {{30, 15}, {10, 15}, LineStyle::kSolid, "_a"},
        {{10, 15}, {30, 15}, LineStyle::kSolid, "_an"},
        {{30, 15}, {10, 15}, LineStyle::kEdge, "_a _an"},
    };
    for (const Direction& c : directions) {
        ShapeDrawing d(400, 300);
        ASSERT_EQ(arcRun(c.a, {20, 5}, c.b, c.style)(d, ShapeOp::PostScript), 1);
        std::string arcs;
        for (const std::string& entry : d.ps.log.entries) {
            const std::string op = entry.substr(0, entry.find(' '));
            if (op == "_a" || op == "_an")
                arcs += (arcs.empty() ? "" : " ") + op;
        }
        EXPECT_EQ(arcs, c.arcs) << d.ps.log.text();
    }
}

TEST(ArcShapes, TheRotatedPreviewTurnsACircleWithItsOpening)
{
    // The left half (90 to 270 degrees) about (20, 15), radius 10, turned by 90 about its
    // centre: the lower half (180 to 360).
    struct Case {
        int op;
        double turn;
    };
    for (const Case& c : {Case{ShapeOp::Draw, 0.0}, Case{ShapeOp::RotatedPreview, 90.0}}) {
        ShapeDrawing d(400, 300);
        CircleShape circle;
        stroke(circle, d, LineStyle::kSolid, 0.0, LineOriginAttribute::kCenter);
        setCircle(circle, 20, 15, 10);
        circle.setStartAngle(90);
        circle.setEndAngle(270);
        circle.setRotation(c.turn, 20, 15, 0);
        ASSERT_EQ(circle.execute(c.op, 2), 1);
        for (double a : {135.0, 225.0, 315.0, 45.0}) {
            const Point p = onCircle(20, 15, 10, a);
            const bool inside = a - c.turn > 90 && a - c.turn < 270;
            int ink = 0; // in the pick colour for the preview
            for (int k = 0; k < 9; ++k)
                ink += d.surface().isInk(int(p.x * 10) + k % 3 - 1, int(p.y * 10) + k / 3 - 1);
            EXPECT_EQ(ink > 0, inside) << c.op << " at " << a;
        }
    }
}

TEST(CurveShapes, TopStrokesLieInsideAndBottomStrokesOutside)
{
    // Each curve about (20, 15) with semi-axes (ax, ay), stroked 1 mm wide (9 pixels): every
    // pixel of a TOP stroke within the curve, every pixel of a BOTTOM stroke outside it (a pixel
    // of slack: points map to the pixel below them), and some ink well away from the curve on
    // its side.
    struct Curve {
        const char* name;
        double ax, ay;
        std::function<int(ShapeDrawing&, int style, int position)> run;
    };
    const Curve curves[] = {
        {"full oval", 15, 10,
         [](ShapeDrawing& d, int style, int position) {
             OvalShape oval;
             stroke(oval, d, style, 1.0, position);
             oval.setStartPoint(DrawPoint(5, 5));
             oval.setEndPoint(DrawPoint(35, 25));
             return oval.execute(ShapeOp::Draw, 2);
         }},
        {"half oval", 15, 10,
         [](ShapeDrawing& d, int style, int position) {
             OvalShape oval;
             stroke(oval, d, style, 1.0, position);
             OvalType half;
             half.value = OvalType::kHalf;
             oval.setOvalType(half);
             oval.setStartPoint(DrawPoint(5, 15)); // quadrant 3: below y = 15, from (35, 15) to (5, 15)
             oval.setEndPoint(DrawPoint(35, 5));
             return oval.execute(ShapeOp::Draw, 2);
         }},
        {"arc", 10, 10,
         [](ShapeDrawing& d, int style, int position) {
             ArcShape arc;
             stroke(arc, d, style, 1.0, position);
             setArc(arc, {10, 15}, {20, 5}, {30, 15});
             return arc.execute(ShapeOp::Draw, 2);
         }},
        {"circle", 10, 10,
         [](ShapeDrawing& d, int style, int position) {
             CircleShape circle;
             stroke(circle, d, style, 1.0, position);
             setCircle(circle, 20, 15, 10);
             return circle.execute(ShapeOp::Draw, 2);
         }},
    };
    const int styles[] = {LineStyle::kSolid, LineStyle::kDash, LineStyle::kLine2, LineStyle::kLine3, LineStyle::kEdge};
    for (const Curve& curve : curves) {
        for (int style : styles) {
            for (int position : {LineOriginAttribute::kTop, LineOriginAttribute::kBottom}) {
                ShapeDrawing d(400, 300);
                ASSERT_EQ(curve.run(d, style, position), 1) << curve.name;
                const double slack = 0.12 / std::min(curve.ax, curve.ay);
                int wrongSide = 0, deep = 0;
                for (int y = 0; y < 300; ++y) {
                    for (int x = 0; x < 400; ++x) {
                        if (!d.surface().isInk(x, y))
                            continue;
                        const double u = ((x + 0.5) / 10 - 20) / curve.ax, v = ((y + 0.5) / 10 - 15) / curve.ay;
                        const double rho = std::sqrt(u * u + v * v);
                        const bool top = position == LineOriginAttribute::kTop;
                        wrongSide += top ? rho > 1 + slack : rho < 1 - slack;
                        deep += top ? rho < 1 - 0.7 / std::min(curve.ax, curve.ay)
                                    : rho > 1 + 0.7 / std::min(curve.ax, curve.ay);
                    }
                }
                const char* side = position == LineOriginAttribute::kTop ? "TOP" : "BOTTOM";
                EXPECT_EQ(wrongSide, 0) << curve.name << " " << style << " " << side;
                EXPECT_GT(deep, 0) << curve.name << " " << style << " " << side;
            }
        }
    }
}
