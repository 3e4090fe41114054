// Bezier curves on a DIB section and in the recording writers: which operations stroke, fill and
// hatch an open or closed curve, the stroke width on screen and in the output languages at two
// scales, true curves in PostScript and PDF, lists that are not whole segments, and the element and
// the path editor running it.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "document/ElementKind.h"
#include "elements/BezierElement.h"
#include "elements/BezierPath.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/OpenCloseAttribute.h"
#include "platform/IntPolygon.h"
#include "shapes/BezierShape.h"
#include "tests/shapes/CurveTestSupport.h"
#include "tests/shapes/ShapeTestDrawing.h"

using shape_test::ShapeDrawing;

namespace {

struct CurveCase {
    std::vector<Point> points;
    int closed = 1;
    int edgeOn = 1;
    int fillOn = 0;
    int pattern = 0;
    double width = 0.0;
    int gradation = 0;
};

std::vector<Point> straight(const std::vector<Point>& anchors) { return curve_test::straightBezier(anchors); }

// The square (5, 5) - (25, 5) - (25, 25) - (5, 25) as four segments back to its start (13
// points), and its first three sides (10 points).
std::vector<Point> square() { return straight({Point(5, 5), Point(25, 5), Point(25, 25), Point(5, 25), Point(5, 5)}); }
std::vector<Point> firstPoints(const std::vector<Point>& points, size_t n)
{
    return std::vector<Point>(points.begin(), points.begin() + n);
}
std::vector<Point> threeSides() { return straight({Point(5, 5), Point(25, 5), Point(25, 25), Point(5, 25)}); }

void setUp(BezierShape& curve, PointList& points, ShapeDrawing& d, const CurveCase& s)
{
    curve.context = &d.context;
    for (const Point& p : s.points)
        ASSERT_TRUE(points.appendWithFlag(0, p.x, p.y, 0.0));
    curve.setControlPoints(&points);
    curve.setOpenClose(s.closed ? OpenCloseAttribute::kClose : OpenCloseAttribute::kOpen);
    curve.setWidth(s.width);
    EdgeAttributes edge;
    edge.draw.value = s.edgeOn;
    edge.colour.setRgb(0, 0, 160);
    curve.setEdge(edge);
    FillAttributes fill;
    fill.draw.value = s.fillOn;
    fill.colour.setRgb(160, 0, 0);
    if (s.gradation)
        fill.gray.kind = GrayAttributes::kGradation;
    curve.setFill(fill);
    HatchAttributes hatch;
    hatch.pattern = s.pattern;
    hatch.pitch1 = hatch.pitch2 = 1.0;
    curve.setHatch(hatch);
}

} // namespace

TEST(BezierShapeScreen, EachOperationStrokesFillsAndHatchesWhatItShould)
{
    // At 10 pixels per millimetre, between the hatch lines: the top side (155, 50), a pixel inside
    // a 2 mm band (155, 57), the left side (50, 155), the middle (155, 155), any ink in the inner
    // box 70..130.
    struct Case {
        const char* name;
        CurveCase setup;
        int op;
        const char* ink;
    };
    const Case cases[] = {
        {"closed", {square()}, ShapeOp::Draw, "#.#.."},
        {"open, edge off: still stroked", {threeSides(), 0, 0}, ShapeOp::Draw, "#...."},
        {"closed, fill and edge off, hatched: only the hatch", {square(), 1, 0, 0, 2}, ShapeOp::Draw, "....#"},
        {"closed, fill and edge off, picked: the outline", {square(), 1, 0, 0, 2}, ShapeOp::ShowPicked, "#.#.#"},
        {"closed, edge off, printed: no outline", {square(), 1, 0, 0, 0}, ShapeOp::Print, "....."},
        {"filled", {square(), 1, 1, 1}, ShapeOp::Draw, "#####"},
        {"filled, edge off, rubber band: fill and outline", {square(), 1, 0, 1}, ShapeOp::RubberBand, "#####"},
        {"filled, picked: outline only", {square(), 1, 1, 1}, ShapeOp::ShowPicked, "#.#.."},
        {"2 mm edge drawn wide", {square(), 1, 1, 0, 0, 2.0}, ShapeOp::Draw, "###.."},
        {"2 mm edge printed wide", {square(), 1, 1, 0, 0, 2.0}, ShapeOp::Print, "###.."},
        {"2 mm edge picked thin", {square(), 1, 1, 0, 0, 2.0}, ShapeOp::ShowPicked, "#.#.."},
        {"three points: a cubic with a doubled control point", {{Point(5, 5), Point(15, 5), Point(25, 5)}},
         ShapeOp::Draw, "#...."},
        {"two points (not whole segments): the line", {{Point(5, 5), Point(25, 5)}, 0}, ShapeOp::Draw, "#...."},
    };
    for (const Case& c : cases) {
        ShapeDrawing d(300, 300);
        BezierShape curve;
        PointList points;
        setUp(curve, points, d, c.setup);
        d.surface().fill(RGB(255, 255, 255));
        ASSERT_EQ(curve.execute(c.op, 2), 1) << c.name;
        bool inner = false;
        for (int y = 70; y <= 130 && !inner; ++y)
            for (int x = 70; x <= 130 && !inner; ++x)
                inner = d.surface().isInk(x, y);
        std::string ink;
        ink += d.surface().isInk(155, 50) ? '#' : '.';
        ink += d.surface().isInk(155, 57) ? '#' : '.';
        ink += d.surface().isInk(50, 155) ? '#' : '.';
        ink += d.surface().isInk(155, 155) ? '#' : '.';
        ink += inner ? '#' : '.';
        EXPECT_EQ(ink, c.ink) << c.name;
    }

    // Far off screen at a high zoom: the visible part of the side from (5, 5) to (5000, 10) keeps
    // its slope (rows 50 and about 50.1 over 100 pixels).
    ShapeDrawing d(300, 300);
    BezierShape curve;
    PointList points;
    setUp(curve, points, d, {straight({Point(5, 5), Point(5000, 10)}), 0});
    d.surface().fill(RGB(255, 255, 255));
    ASSERT_EQ(curve.execute(ShapeOp::Draw, 2), 1);
    EXPECT_TRUE(d.surface().isInk(60, 50));
    EXPECT_TRUE(d.surface().isInk(290, 50) || d.surface().isInk(290, 51));

    // The device outline: the flattened curve in device points, appended.
    IntPolygon outline;
    ASSERT_TRUE(outline.add(1, 1));
    ASSERT_EQ(curve.deviceOutline(ShapeOp::ShowPicked, outline), 1);
    EXPECT_EQ(outline.count, 1 + 26);
}

TEST(BezierShapeOutput, CurvesSwitchesAndWidthsInPostScriptAndPdf)
{
    struct Case {
        const char* name;
        CurveCase setup;
        int numerator, denominator;
        // PostScript curves, strokes, fills, clips; PDF curves, strokes, fills, clips; -1 unchecked.
        int psCurves, psStrokes, psFills, psClips, pdfCurves, pdfStrokes, pdfFills, pdfClips;
    };
    const Case cases[] = {
        {"closed", {square(), 1, 1, 0, 0, 2.0}, 1, 1, 4, 1, 0, 0, 4, 1, 0, 0},
        {"closed at 1:2", {square(), 1, 1, 0, 0, 2.0}, 1, 2, 4, 1, 0, 0, 4, 1, 0, 0},
        {"open, edge off: still stroked", {threeSides(), 0, 0, 0, 0, 2.0}, 1, 1, 3, 1, 0, 0, 3, 1, 0, 0},
        {"filled, edge off", {square(), 1, 0, 1}, 1, 1, 4, 0, 1, 0, 4, 0, 1, 0},
        {"gradation: the fill is the gradation's alone", {square(), 1, 0, 1, 0, 0.0, 1}, 1, 1, 0, 0, -1, -1, 0, 0, -1, -1},
        {"hatched, edge off: clip to the curve", {square(), 1, 0, 0, 2}, 1, 1, 4, -1, 0, 1, 4, -1, 0, 1},
        {"three points: no path", {{Point(5, 5), Point(15, 5), Point(25, 5)}, 1, 1, 1}, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0},
        {"eight points: two whole segments", {firstPoints(square(), 8)}, 1, 1,
         2, 1, 0, 0, 2, 1, 0, 0},
    };
    for (const Case& c : cases) {
        ShapeDrawing d;
        d.setScale(c.numerator, c.denominator);
        BezierShape curve;
        PointList points;
        setUp(curve, points, d, c.setup);
        ASSERT_EQ(curve.execute(ShapeOp::PostScript, 2), 1) << c.name;
        ASSERT_EQ(curve.execute(ShapeOp::Pdf, 2), 1) << c.name;
        const std::string ps = d.ps.log.text(), pdf = d.pdf.log.text();
        EXPECT_EQ(d.ps.log.count("_crv"), c.psCurves) << c.name << ": " << ps;
        if (c.psStrokes >= 0) {
            EXPECT_EQ(d.ps.log.count("_sp"), c.psStrokes) << c.name << ": " << ps;
        }
        if (c.psFills >= 0) {
            EXPECT_EQ(d.ps.log.count("_f"), c.psFills) << c.name << ": " << ps;
        }
        if (c.psClips >= 0) { // the gradation clips on its own
            EXPECT_EQ(d.ps.log.count("_clp"), c.psClips) << c.name;
            EXPECT_EQ(d.ps.log.count("_icp"), c.psClips) << c.name;
        }
        EXPECT_EQ(d.pdf.log.count("c"), c.pdfCurves) << c.name << ": " << pdf;
        if (c.pdfStrokes >= 0) {
            EXPECT_EQ(d.pdf.log.count("S"), c.pdfStrokes) << c.name << ": " << pdf;
        }
        if (c.pdfFills >= 0) {
            EXPECT_EQ(d.pdf.log.count("f"), c.pdfFills) << c.name << ": " << pdf;
        }
        if (c.pdfClips >= 0) {
            EXPECT_EQ(d.pdf.log.count("W"), c.pdfClips) << c.name;
        }
        for (size_t i = 0; i < d.pdf.log.entries.size(); ++i) {
            if (d.pdf.log.entries[i] == "W") {
                EXPECT_TRUE(i + 1 < d.pdf.log.entries.size() && d.pdf.log.entries[i + 1] == "n") << c.name;
            }
        }
        if (c.psStrokes > 0 && c.setup.width == 2.0) {
            // The width as stored, the coordinates scaled to paper.
            EXPECT_NE(ps.find("_lw 2"), std::string::npos) << c.name << ": " << ps;
            EXPECT_NE(pdf.find("w 2"), std::string::npos) << c.name << ": " << pdf;
            const std::string start = c.denominator == 2 ? "_m 2.5 2.5" : "_m 5 5";
            EXPECT_NE(ps.find(start), std::string::npos) << c.name << ": " << ps;
        }
    }
}

TEST(BezierShapeOutput, TheElementAndThePathEditorRunTheShapeWithTheirAttributes)
{
    struct Case {
        const char* name;
        int closed, edgeOn, fillOn, pattern;
        int throughPath; // the path editor's unfilled curve instead of the element
        int psCurves, psStrokes, psFills, psClips; // strokes -1: the hatch lines, unchecked
    };
    const Case cases[] = {
        {"closed, edge and fill", 1, 1, 1, 0, 0, 8, 1, 1, 0},
        {"closed, hatched, edge off", 1, 0, 0, 2, 0, 4, -1, 0, 1},
        {"open, edge off: still stroked, never filled", 0, 0, 1, 0, 0, 4, 1, 0, 0},
        {"the path editor's curve is not filled", 1, 1, 1, 0, 1, 4, 1, 0, 0},
    };
    for (const Case& c : cases) {
        ShapeDrawing d;
        d.setScale(1, 2);
        std::unique_ptr<Element> curve(newBezierElement());
        ASSERT_TRUE(curve);
        curve->initialize();
        curve->self = curve.get();
        curve->context = &d.context;
        curve->kind = kindCode(ElementKind::Bezier);
        for (const Point& p : square())
            curve->appendPoint(p.x, p.y, 0.0);
        curve->openClose()->value = c.closed ? OpenCloseAttribute::kClose : OpenCloseAttribute::kOpen;
        curve->edge()->draw.value = c.edgeOn;
        curve->fill()->draw.value = c.fillOn;
        curve->hatch()->pattern = c.pattern;
        curve->lineWidth()->width = 2.0;
        auto* bezier = static_cast<BezierElement*>(curve.get());
        if (c.throughPath) {
            ASSERT_EQ(bezier->path()->drawCurve(ShapeOp::PostScript, 0, 0, 0), 1) << c.name;
        } else {
            ASSERT_EQ(curve->writePostScript(0, 0, 0), 1) << c.name;
        }
        const std::string ps = d.ps.log.text();
        EXPECT_EQ(d.ps.log.count("_crv"), c.psCurves) << c.name << ": " << ps;
        if (c.psStrokes >= 0) {
            EXPECT_EQ(d.ps.log.count("_sp"), c.psStrokes) << c.name << ": " << ps;
        }
        EXPECT_EQ(d.ps.log.count("_f"), c.psFills) << c.name << ": " << ps;
        EXPECT_EQ(d.ps.log.count("_clp"), c.psClips) << c.name << ": " << ps;
        if (c.psStrokes > 0) {
            EXPECT_NE(ps.find("_lw 2"), std::string::npos) << c.name << ": the width as stored at 1:2";
        }
    }
}
