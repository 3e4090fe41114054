// The PostScript and PDF forwarders of the shape base: what reaches each writer, scaled and
// walked, and nothing at all while no output runs.
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "geometry/DoubleRect.h"
#include "geometry/GrayValue.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/PointList.h"
#include "platform/DibImage.h"
#include "shapes/LineShape.h"
#include "tests/shapes/ShapeTestDrawing.h"

using shape_test::ShapeDrawing;

namespace {

// The points (i, 10 i) for i = 0 .. n - 1.
void fillRamp(PointList& list, int n)
{
    list.count = 0;
    for (int i = 0; i < n; ++i)
        ASSERT_TRUE(list.appendXY(i, 10.0 * i));
}

struct Case {
    const char* name;
    std::function<int(Shape&)> call;
    int result;
    const char* written;
};

// Runs each case on a fresh shape of the drawing (scale 1:2, offset (4, 8), a line type, round
// caps) and compares its result and what the writer kept.
void runCases(ShapeDrawing& d, OperatorLog& log, const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        Shape shape;
        shape.context = &d.context;
        shape.setOffset(4.0, 8.0, 0.0);
        ASSERT_TRUE(shape.ensure(shape.lineType));
        ASSERT_TRUE(shape.ensure(shape.lineCaps));
        shape.lineCaps->capStyle = LineCapAttribute::kRound;
        log.clear();
        EXPECT_EQ(c.call(shape), c.result) << c.name;
        EXPECT_EQ(log.text(), c.written) << c.name;
    }
}

} // namespace

TEST(ShapeOutput, PostScriptForwardersScaleAndWalkPoints)
{
    ShapeDrawing d;
    d.setScale(1, 2);
    PointList seven, two;
    fillRamp(seven, 7);
    fillRamp(two, 2);
    DibImage image;
    const DoubleRect rect;
    const std::vector<Case> cases = {
        {"polar at 0 degrees", [](Shape& s) { return s.psMoveToPolar(0, 0, 10, 0); }, 1, "_m 0 10"},
        {"polar at 90 degrees", [](Shape& s) { return s.psMoveToPolar(0, 0, 10, 90); }, 1, "_m 10 0"},
        {"polar ignored", [](Shape& s) { return s.psMoveToIgnoringPolar(3, 4, 10, 90); }, 1, "_m 3 4"},
        {"polar scaled, not the distance", [](Shape& s) { return s.psMoveToPolarScaled(10, 20, 10, 0); }, 1,
         "_m 5 20"},
        {"polar ignored, scaled", [](Shape& s) { return s.psMoveToIgnoringPolarScaled(10, 20, 10, 0); }, 1, "_m 5 10"},
        {"move and line scaled", [](Shape& s) { return s.psMoveToScaled(10, 20) && s.psLineToScaled(-6, 0); }, 1,
         "_m 5 10 | _l -3 0"},
        {"arc scaled, angles kept", [](Shape& s) { return s.psArcScaled(10, 20, 6, 0, 90, 1); }, 1, "_an 5 10 3 0 90"},
        {"arc", [](Shape& s) { return s.psArc(10, 20, 6, 30, 60, 0); }, 1, "_a 10 20 6 30 60"},
        {"point with offset", [&](Shape& s) { return s.psMoveToPoint(two, 1, 1); }, 1, "_m 2.5 9"},
        {"point without offset", [&](Shape& s) { return s.psMoveToPoint(two, 1, 0); }, 1, "_m 0.5 5"},
        {"point out of range", [&](Shape& s) { return s.psMoveToPoint(two, 2, 1); }, 0, ""},
        {"lines over a range", [&](Shape& s) { return s.psLineToPoints(seven, 1, 2, 0); }, 1, "_l 0.5 5 | _l 1 10"},
        {"lines past the end stop there", [&](Shape& s) { return s.psLineToPoints(two, 0, 5, 0); }, 0,
         "_l 0 0 | _l 0.5 5"},
        {"curves in threes", [&](Shape& s) { return s.psCurvePoints(seven, 1, 6, 0, 0); }, 1,
         "_crv 1 10 2 20 3 30 | _crv 4 40 5 50 6 60"},
        {"curves scaled with offset", [&](Shape& s) { return s.psCurvePoints(seven, 0, 2, 1, 1); }, 1,
         "_crv 2 4 2.5 9 3 14"},
        {"curves drop surplus points", [&](Shape& s) { return s.psCurvePoints(seven, 1, 5, 0, 0); }, 1,
         "_crv 1 10 2 20 3 30"},
        {"curves past the end", [&](Shape& s) { return s.psCurvePoints(two, 0, 2, 0, 0); }, 0, ""},
        {"round cap", [](Shape& s) { return s.psSetLineCap(); }, 1, "_lc 1"},
        {"square cap",
         [](Shape& s) {
             s.lineCaps->capStyle = LineCapAttribute::kSquare;
             return s.psSetLineCap();
         },
         1, "_lc 2"},
        {"butt cap",
         [](Shape& s) {
             s.lineCaps->capStyle = LineCapAttribute::kButt;
             return s.psSetLineCap();
         },
         1, "_lc 0"},
        {"no cap attribute",
         [](Shape& s) {
             s.release(s.lineCaps);
             return s.psSetLineCap();
         },
         1, ""},
        {"miter join", [](Shape& s) { return s.psSetMiterJoin(); }, 1, "_lj 0"},
        {"rotated text", [](Shape& s) { return s.psShowTextRotated("abc", 30); }, 1, "_rtt 30 | _sw abc | _rtt -30"},
        {"counted rotated text", [](Shape& s) { return s.psShowTextCountedRotated("abcdef", 1, 3, 30); }, 1,
         "_rtt 30 | _sw bc | _rtt -30"},
        {"font", [](Shape& s) { return s.psSelectFont(3.5, "Mincho", 2, 0); }, 1, "_fms 3.5 2 0 Mincho"},
        {"image", [&](Shape& s) { return s.psImage(image, rect); }, 1, "_gs | image | _gr"},
        {"path operators",
         [](Shape& s) {
             return s.psNewPath() && s.psClosePath() && s.psFill() && s.psClip() && s.psInitClip() && s.psStroke();
         },
         1, "_np | _cp | _f | _clp | _icp | _sp"},
        {"line width as stored", [](Shape& s) { return s.psSetLineWidth(0.5); }, 1, "_lw 0.5"},
    };
    runCases(d, d.ps.log, cases);
}

TEST(ShapeOutput, PdfForwardersScaleAndWalkPoints)
{
    ShapeDrawing d;
    d.setScale(1, 2);
    PointList seven, eight;
    fillRamp(seven, 7);
    fillRamp(eight, 8);
    GrayValue tint;
    tint.value = 0.25;
    InkColor red;
    red.setRgb(255, 0, 0);
    const std::vector<Case> cases = {
        // A control polygon of 3k + 1 points from a move-to gives k curves; surplus points drop.
        {"bezier of 7", [&](Shape& s) { return s.pdfBezierPath(seven, 1, 0); }, 1,
         "m 0 0 | c 0.5 5 1 10 1.5 15 | c 2 20 2.5 25 3 30"},
        {"bezier of 8", [&](Shape& s) { return s.pdfBezierPath(eight, 1, 0); }, 1,
         "m 0 0 | c 0.5 5 1 10 1.5 15 | c 2 20 2.5 25 3 30"},
        {"bezier continued", [&](Shape& s) { return s.pdfBezierPath(seven, 0, 0); }, 1,
         "c 0 0 0.5 5 1 10 | c 1.5 15 2 20 2.5 25"},
        {"polyline", [&](Shape& s) { return s.pdfPolyline(seven, 1, 1); }, 1,
         "m 2 4 | l 2.5 9 | l 3 14 | l 3.5 19 | l 4 24 | l 4.5 29 | l 5 34"},
        {"polyline continued begins with a line", [&](Shape& s) { return s.pdfPolyline(seven, 0, 0); }, 1,
         "l 0 0 | l 0.5 5 | l 1 10 | l 1.5 15 | l 2 20 | l 2.5 25 | l 3 30"},
        {"point out of range", [&](Shape& s) { return s.pdfMoveToPoint(seven, -1, 0); }, 0, ""},
        {"stroke colour", [&](Shape& s) { return s.pdfSetStrokeColor(red, 0.5); }, 1, "RG 255 0 0 0.5"},
        {"stroke colour from gray", [&](Shape& s) { return s.pdfSetStrokeColorFromGray(red, &tint); }, 1,
         "RG 255 0 0 0.25"},
        {"stroke colour without gray", [&](Shape& s) { return s.pdfSetStrokeColorFromGray(red, nullptr); }, 1,
         "RG 255 0 0 1"},
        {"solid fill", [&](Shape& s) { return s.pdfSetFillColorSolid(red); }, 1, "rg 255 0 0 1"},
        {"text matrix scaled at e and f", [](Shape& s) { return s.pdfSetTextMatrixScaled(1, 2, 3, 4, 10, 20); }, 1,
         "Tm 1 2 3 4 5 10"},
        {"text",
         [](Shape& s) {
             return s.pdfBeginText() && s.pdfSelectFont("Gothic", 1) && s.pdfSetGraphicsState() &&
                    s.pdfSetCharSpacing(0) && s.pdfSetWordSpacing(0) && s.pdfShowTextCounted("abcd", 2, 4) &&
                    s.pdfEndText();
         },
         1, "BT | Tf 1 Gothic | gs | Tc 0 | Tw 0 | Tj cd | ET"},
        {"path operators",
         [](Shape& s) {
             return s.pdfSaveState() && s.pdfClip() && s.pdfEndPath() && s.pdfClosePath() && s.pdfFill() &&
                    s.pdfStroke() && s.pdfRestoreState();
         },
         1, "q | W | n | h | f | S | Q"},
        {"scaled move and line", [](Shape& s) { return s.pdfMoveToScaled(10, 20) && s.pdfLineToScaled(2, 4); }, 1,
         "m 5 10 | l 1 2"},
    };
    runCases(d, d.pdf.log, cases);
}

TEST(ShapeOutput, TheDashCallGetsThePathLengthAndTheLineTypesPitches)
{
    ShapeDrawing d;
    d.setScale(1, 2);
    struct DashCase {
        int lineType; // 0: the shape has no line type
        int t;
        double length;
        bool scaled;
        int result;
        const char* written; // PostScript; PDF writes the same numbers with "d"
    };
    // The line type holds the DASH presets 1.5 / 1.5 and the dot 1.0.
    const DashCase cases[] = {
        {1, 1, 0.005, false, 1, "_ds 1 0.005 0.005 0.005 0.005"}, // a thin solid line: its width as pitches
        {1, 1, 0.01, false, 1, "_ds 1 0.01 1.5 1.5 1"},
        {1, 2, 50.0, false, 1, "_ds 2 50 1.5 1.5 1"},
        {1, 4, 100.0, true, 1, "_ds 4 50 1.5 1.5 1"}, // the length scaled to paper
        {1, 1, 0.015, true, 1, "_ds 1 0.0075 0.0075 0.0075 0.0075"},
        {0, 2, 50.0, false, 0, ""},
        {0, 1, 0.005, false, 1, "_ds 1 0.005 0.005 0.005 0.005"},
    };
    for (const DashCase& c : cases) {
        for (bool pdf : {false, true}) {
            Shape shape;
            shape.context = &d.context;
            if (c.lineType) {
                ASSERT_TRUE(shape.ensure(shape.lineType));
                shape.lineType->setStyleWithPresets(LineStyle::kDash);
                shape.lineType->dot = 1.0;
            }
            OperatorLog& log = pdf ? d.pdf.log : d.ps.log;
            log.clear();
            const int result = pdf ? (c.scaled ? shape.pdfSetDashScaled(c.t, c.length) : shape.pdfSetDash(c.t, c.length))
                                   : (c.scaled ? shape.psSetDashScaled(c.t, c.length) : shape.psSetDash(c.t, c.length));
            EXPECT_EQ(result, c.result) << c.t << " " << c.length << (pdf ? " pdf" : " ps");
            std::string expected = c.written;
            if (pdf && !expected.empty())
                expected.replace(0, 3, "d");
            EXPECT_EQ(log.text(), expected) << c.t << " " << c.length << (pdf ? " pdf" : " ps");
        }
    }
}

TEST(ShapeOutput, ColourStepsFollowThePlatesAndAnswerMinusOneWithoutOutput)
{
    ShapeDrawing d;
    struct ColourCase {
        bool running;
        int plateMode;
        int onPlate;
        int layer;
        int test, set, apply; // results of psTestColor, psSetColor, psApplyColor
        const char* written;  // by the three in turn, tint 0.4
    };
    const ColourCase cases[] = {
        {false, 0, 1, 1, -1, -1, -1, ""},
        {true, 0, 1, 1, 1, 1, 1, "_rgb 10 20 30 | _rgb 10 20 30"},
        {true, 1, 1, 1, 1, 1, 1, "_gray 100 | _gray 100"},
        {true, 1, 1, 253, 1, 1, 1, "_gray 40 | _gray 40"}, // layer 253: the tint is the percentage
        {true, 1, 0, 1, 0, 1, 0, "_gray 100"},            // not on this plate: apply writes nothing
    };
    for (const ColourCase& c : cases) {
        d.postScriptRunning(c.running);
        d.ps.plateMode = c.plateMode;
        d.ps.inkOnPlate = c.onPlate;
        d.ps.log.clear();
        Shape shape;
        shape.context = &d.context;
        shape.layer = c.layer;
        shape.effectiveColour.setRgb(10, 20, 30);
        EXPECT_EQ(shape.psTestColor(0.4), c.test) << c.layer;
        EXPECT_EQ(shape.psSetColor(0.4), c.set) << c.layer;
        EXPECT_EQ(shape.psApplyColor(0.4), c.apply) << c.layer;
        EXPECT_EQ(d.ps.log.text(), c.written) << c.layer;
    }
}

TEST(ShapeOutput, NothingIsWrittenWhileNoOutputRuns)
{
    ShapeDrawing d;
    PointList three;
    fillRamp(three, 4);
    InkColor ink;
    DibImage image;
    const DoubleRect rect;
    // Every forwarder of a target, once.
    const std::vector<std::function<int(Shape&)>> postScript = {
        [](Shape& s) { return s.psNewPath(); },
        [](Shape& s) { return s.psClosePath(); },
        [](Shape& s) { return s.psStroke(); },
        [](Shape& s) { return s.psFill(); },
        [](Shape& s) { return s.psClip(); },
        [](Shape& s) { return s.psInitClip(); },
        [](Shape& s) { return s.psMoveTo(1, 2); },
        [](Shape& s) { return s.psLineTo(1, 2); },
        [](Shape& s) { return s.psCurveTo(1, 2, 3, 4, 5, 6); },
        [](Shape& s) { return s.psArc(1, 2, 3, 4, 5, 0); },
        [](Shape& s) { return s.psSetLineWidth(1); },
        [](Shape& s) { return s.psSetDash(1, 0.001); },
        [](Shape& s) { return s.psSetLineCap(); },
        [](Shape& s) { return s.psSetMiterJoin(); },
        [](Shape& s) { return s.psSelectFont(1, "a", 1, 0); },
        [](Shape& s) { return s.psShowText("a"); },
        [](Shape& s) { return s.psShowTextCounted("ab", 0, 1); },
        [](Shape& s) { return s.psRotate(30, 0); },
        [](Shape& s) { return s.psShowTextRotated("a", 30); },
        [&](Shape& s) { return s.psImage(image, rect); },
        [](Shape& s) { return s.psMoveToPolar(1, 2, 3, 4); },
        [&](Shape& s) { return s.psMoveToPoint(three, 0, 1); },
        [&](Shape& s) { return s.psLineToPoints(three, 0, 3, 1); },
        [&](Shape& s) { return s.psCurvePoints(three, 0, 3, 1, 1); },
    };
    const std::vector<std::function<int(Shape&)>> pdf = {
        [](Shape& s) { return s.pdfBindAttributes(); },
        [&](Shape& s) { return s.pdfSetStrokeColor(ink, 1); },
        [&](Shape& s) { return s.pdfSetFillColor(ink, 1); },
        [](Shape& s) { return s.pdfSaveState(); },
        [](Shape& s) { return s.pdfRestoreState(); },
        [](Shape& s) { return s.pdfClip(); },
        [](Shape& s) { return s.pdfEndPath(); },
        [](Shape& s) { return s.pdfClosePath(); },
        [](Shape& s) { return s.pdfStroke(); },
        [](Shape& s) { return s.pdfFill(); },
        [](Shape& s) { return s.pdfSetLineWidth(1); },
        [](Shape& s) { return s.pdfSetDash(1, 0.001); },
        [](Shape& s) { return s.pdfMoveTo(1, 2); },
        [](Shape& s) { return s.pdfLineTo(1, 2); },
        [](Shape& s) { return s.pdfCurveTo(1, 2, 3, 4, 5, 6); },
        [&](Shape& s) { return s.pdfPolyline(three, 1, 1); },
        [&](Shape& s) { return s.pdfBezierPath(three, 1, 1); },
        [](Shape& s) { return s.pdfBeginText(); },
        [](Shape& s) { return s.pdfEndText(); },
        [](Shape& s) { return s.pdfSetTextMatrix(1, 0, 0, 1, 2, 3); },
        [](Shape& s) { return s.pdfSetGraphicsState(); },
        [](Shape& s) { return s.pdfSetCharSpacing(1); },
        [](Shape& s) { return s.pdfSetWordSpacing(1); },
        [](Shape& s) { return s.pdfShowText("a"); },
        [](Shape& s) { return s.pdfShowTextCounted("ab", 0, 1); },
        [](Shape& s) { return s.pdfSelectFont("a", 1); },
        [&](Shape& s) { return s.pdfDrawImage(image, rect); },
    };
    d.postScriptRunning(false);
    d.ps.log.clear();
    for (size_t i = 0; i < postScript.size(); ++i) {
        Shape shape;
        shape.context = &d.context;
        EXPECT_EQ(postScript[i](shape), 0) << "PostScript forwarder " << i;
    }
    EXPECT_EQ(d.ps.log.text(), "");

    // The export exists but does not run, or there is none.
    for (bool exists : {true, false}) {
        d.pdf.running = 0;
        ScopedOverride<PdfExportJob*> job(thePdfExportJob, exists ? &d.pdf : nullptr);
        for (size_t i = 0; i < pdf.size(); ++i) {
            Shape shape;
            shape.context = &d.context;
            EXPECT_EQ(pdf[i](shape), 0) << "PDF forwarder " << i;
        }
    }
    EXPECT_EQ(d.pdf.log.text(), "");

    // A running export without a view mapping binds nothing.
    d.pdf.running = 1;
    ScopedOverride<ViewParams*> noView(d.context.view, nullptr);
    Shape shape;
    shape.context = &d.context;
    EXPECT_EQ(shape.pdfBindAttributes(), 0);
}

TEST(ShapeOutput, WalksStopAtTheFirstFailedWrite)
{
    ShapeDrawing d;
    PointList ten;
    fillRamp(ten, 10);
    Shape shape;
    shape.context = &d.context;
    d.ps.log.failFrom = 1;
    EXPECT_EQ(shape.psLineToPoints(ten, 0, 9, 0), 0);
    EXPECT_EQ(d.ps.log.entries.size(), 2u) << "the failed write is the last";
    d.pdf.log.failFrom = 0;
    EXPECT_EQ(shape.pdfBezierPath(ten, 1, 0), 0);
    EXPECT_EQ(d.pdf.log.text(), "m 0 0");
}
