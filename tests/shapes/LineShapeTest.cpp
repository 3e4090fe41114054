// A line shape drawn into a DIB section: the band of each line type, cap and position in the
// colour of each operation, the dash pieces and their caps, the parallel lines and the outline,
// long lines at a high zoom, culling, and bad values.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineStyle.h"
#include "geometry/PickSettings.h"
#include "platform/SystemMetrics.h"
#include "shapes/LineShape.h"
#include "tests/shapes/ShapeTestDrawing.h"
#include "tests/support/ImportPatch.h"

using shape_test::ShapeDrawing;

namespace {

const COLORREF kGrey = RGB(200, 200, 200);
const COLORREF kWhite = RGB(255, 255, 255);
const int kButt = LineCapAttribute::kButt;
const int kRound = LineCapAttribute::kRound;
const int kSquare = LineCapAttribute::kSquare;
const int kCenter = LineOriginAttribute::kCenter;
const int kTop = LineOriginAttribute::kTop;
const int kBottom = LineOriginAttribute::kBottom;

struct LineCase {
    double x1, y1, x2, y2; // drawing units
    double width;          // paper millimetres
    int style;
    int cap = kButt;
    int position = kCenter;
};

// Presets of the style (DASH 1.5 / 1.5, the dash-dots 3 / 1 / 1), then the case's own values.
void setUp(LineShape& line, ShapeDrawing& d, const LineCase& s)
{
    line.context = &d.context;
    line.setPoints(DrawPoint(s.x1, s.y1), DrawPoint(s.x2, s.y2));
    line.setWidth(s.width);
    LineStyle type;
    type.setStyleWithPresets(s.style);
    line.setLineStyle(type);
    line.setCapStyle(s.cap);
    line.setPosition(s.position);
    InkColor blue;
    blue.setRgb(0, 0, 160);
    line.setColour(blue);
}

// '#' where the pixel differs from the background, '.' where it does not, at each device x.
std::string inkAlongRow(const DibSurface& surface, const std::vector<int>& xs, int y, COLORREF background)
{
    std::string out;
    for (int x : xs)
        out += surface.isInk(x, y, background) ? '#' : '.';
    return out;
}

// The inked rows of one column between two rows.
std::vector<int> inkedRows(const DibSurface& surface, int x, int fromRow, int toRow)
{
    std::vector<int> rows;
    for (int y = fromRow; y <= toRow; ++y) {
        if (surface.isInk(x, y))
            rows.push_back(y);
    }
    return rows;
}

using LineToFunction = BOOL(WINAPI*)(HDC, int, int);
using FillRgnFunction = BOOL(WINAPI*)(HDC, HRGN, HBRUSH);
LineToFunction realLineTo = nullptr;
FillRgnFunction realFillRgn = nullptr;
int pieceCalls = 0;

BOOL WINAPI countingLineTo(HDC dc, int x, int y)
{
    ++pieceCalls;
    return realLineTo(dc, x, y);
}

BOOL WINAPI countingFillRgn(HDC dc, HRGN region, HBRUSH brush)
{
    ++pieceCalls;
    return realFillRgn(dc, region, brush);
}

} // namespace

TEST(LineShapeScreen, EachBandLiesOnItsSideInTheColourOfTheOperation)
{
    // 10 pixels per millimetre; the line runs from (5, 15) towards +x, 1 mm wide (a 9-pixel pen).
    // The normal of (1, 0) is (0, -1): CENTER covers y 14.5..15.5, TOP 15..16 (the +y side),
    // BOTTOM 14..15. Each length ends the last piece at the end of the line, so square and round
    // caps reach 0.5 mm beyond both ends; the parallel lines and the outline have none.
    ShapeDrawing d(280, 200);
    d.pixelsPerMillimetre(10.0);
    PickSettings pick; // cyan
    ScopedOverride<PickSettings*> settings(thePickSettings, &pick);
    struct Op {
        int op;
        COLORREF colour;
    };
    const Op ops[] = {{ShapeOp::Draw, RGB(0, 0, 160)},
                      {ShapeOp::Erase, kWhite},
                      {ShapeOp::ShowPicked, RGB(0, 255, 255)},
                      {ShapeOp::RubberBand, RGB(0, 0, 160)},
                      {ShapeOp::Print, RGB(0, 0, 160)}};
    const double lengths[] = {0, 20.0, 19.5, 19.5, 19.0, 19.0, 20.0, 20.0, 20.0}; // by style
    for (int style = LineStyle::kSolid; style <= LineStyle::kEdge; ++style) {
        for (int cap : {kButt, kRound, kSquare}) {
            for (int position : {kCenter, kTop, kBottom}) {
                for (const Op& o : ops) {
                    const double length = lengths[style];
                    LineShape line;
                    setUp(line, d, {5.0, 15.0, 5.0 + length, 15.0, 1.0, style, cap, position});
                    d.surface().fill(kGrey);
                    ASSERT_EQ(line.execute(o.op, 2), 1);
                    const std::string name = "style " + std::to_string(style) + " cap " + std::to_string(cap) +
                                             " position " + std::to_string(position) + " op " + std::to_string(o.op);
                    RECT box;
                    ASSERT_TRUE(d.surface().inkBox(box, kGrey)) << name;
                    const double leading = position == kTop ? 0.0 : position == kBottom ? 1.0 : 0.5;
                    const double top = 10.0 * (15.0 - leading), bottom = 10.0 * (15.0 + 1.0 - leading);
                    const bool capped = style <= LineStyle::kDashDot3 && cap != kButt;
                    const double left = 50.0 - (capped ? 5.0 : 0.0);
                    const double right = 50.0 + 10.0 * length + (capped ? 5.0 : 0.0);
                    EXPECT_NEAR(box.top, top, 1.0) << name;
                    EXPECT_NEAR(box.bottom + 1, bottom, 1.0) << name;
                    EXPECT_NEAR(box.left, left, 1.0) << name;
                    EXPECT_NEAR(box.right + 1, right, 1.0) << name;
                    // The colour: in the band's middle, or on the leading line of the thin ones.
                    const int y = style <= LineStyle::kDashDot3 ? static_cast<int>((top + bottom) / 2) : static_cast<int>(top);
                    EXPECT_EQ(d.surface().pixel(55, y), o.colour) << name;
                }
            }
        }
    }
}

TEST(LineShapeScreen, DashedStylesDrawTheirPiecesAndBadPitchesStillEnd)
{
    // A thin line from (2, 15) at 10 pixels per millimetre, sampled every 0.5 mm from 0.25 mm:
    // '#' where a piece lies.
    ShapeDrawing d(300, 200);
    d.pixelsPerMillimetre(10.0);
    struct Case {
        const char* name;
        int style;
        double length, dash, gap, dot;
        const char* pieces;
    };
    const double keep = -99.0; // the style's preset
    const Case cases[] = {
        {"dash", LineStyle::kDash, 10, keep, keep, keep, "###...###...###...##"},
        {"dash dot", LineStyle::kDashDot1, 10, keep, keep, keep, "######..##..######.."},
        {"dash dot dot", LineStyle::kDashDot2, 19, keep, keep, keep, "######..##..##..######..##..##..######"},
        {"dash dot dot dot", LineStyle::kDashDot3, 10, keep, keep, keep, "######..##..##..##.."},
        {"a negative gap counts as none", LineStyle::kDash, 10, keep, -5.0, keep, "####################"},
        {"no gap, no dot: solid", LineStyle::kDashDot1, 10, 1.0, 0.0, 0.0, "####################"},
        {"a negative dot counts as none", LineStyle::kDashDot1, 10, 1.0, 1.0, -1.0, "##....##....##....##"},
        {"a dash below 0.1 draws nothing", LineStyle::kDash, 10, 0.05, keep, keep, "...................."},
        {"a dash that is not a number", LineStyle::kDash, 10, std::nan(""), keep, keep, "...................."},
        {"a gap that is not a number", LineStyle::kDash, 10, keep, std::nan(""), keep, "####################"},
    };
    for (const Case& c : cases) {
        LineShape line;
        setUp(line, d, {2.0, 15.0, 2.0 + c.length, 15.0, 0.0, c.style});
        LineStyle type;
        type.setStyleWithPresets(c.style);
        if (c.dash != keep)
            type.dash = c.dash;
        if (c.gap != keep)
            type.gap = c.gap;
        if (c.dot != keep)
            type.dot = c.dot;
        line.setLineStyle(type);
        d.surface().fill(kWhite);
        ASSERT_EQ(line.execute(ShapeOp::Draw, 2), 1) << c.name;
        std::vector<int> xs;
        for (double t = 0.25; t < c.length; t += 0.5)
            xs.push_back(static_cast<int>(std::floor(10.0 * (2.0 + t))));
        EXPECT_EQ(inkAlongRow(d.surface(), xs, 150, kWhite), c.pieces) << c.name;
    }

    // Coinciding ends: nothing at all for the dashed styles.
    for (int style = LineStyle::kDash; style <= LineStyle::kDashDot3; ++style) {
        LineShape line;
        setUp(line, d, {12.0, 15.0, 12.0, 15.0, 1.0, style, kRound});
        d.surface().fill(kWhite);
        ASSERT_EQ(line.execute(ShapeOp::Draw, 2), 1);
        EXPECT_EQ(d.surface().inkCount(0, 0, 300, 200), 0) << "style " << style;
    }
}

TEST(LineShapeScreen, OnlyTheFirstDashHasTheStartCapAndOnlyTheLastTheEndCap)
{
    // DASH 1.5 / 1.5 on a line 10 mm long at 1:1, 20 pixels per millimetre and 1 mm wide: pieces
    // [0, 1.5], [3, 4.5], [6, 7.5], [9, 10]. Distances along the line where ink is expected:
    // inside the pieces always, in the gaps never, and 0.25 mm beyond either end of the line only
    // with a square or round cap.
    ShapeDrawing d(280, 200);
    d.pixelsPerMillimetre(20.0);
    const double ts[] = {-0.25, 0.75, 1.75, 2.25, 2.75, 3.75, 5.25, 6.75, 8.25, 9.5, 10.25};
    struct Case {
        int cap;
        const char* ink;
    };
    const Case cases[] = {{kButt, ".#...#.#.#."}, {kSquare, "##...#.#.##"}, {kRound, "##...#.#.##"}};
    for (const Case& c : cases) {
        LineShape line;
        setUp(line, d, {1.0, 5.0, 11.0, 5.0, 1.0, LineStyle::kDash, c.cap});
        d.surface().fill(kWhite);
        ASSERT_EQ(line.execute(ShapeOp::Draw, 2), 1);
        std::vector<int> xs;
        for (double t : ts)
            xs.push_back(static_cast<int>(std::floor(20.0 * (1.0 + t))));
        EXPECT_EQ(inkAlongRow(d.surface(), xs, 100, kWhite), c.ink) << "cap " << c.cap;
    }
}

TEST(LineShapeScreen, ParallelLinesAndTheOutlineAreOnePixelWide)
{
    // The line from (5, 15) to (25, 15) at 10 pixels per millimetre; the rows inked in the
    // middle column (x 150). A width under one pixel draws LINE2 as one solid line; 0.3 mm makes
    // a 3-pixel pen and two lines at +-w/2 (CENTER), or at 0 and -w along the normal (TOP: y 15
    // and 15.3).
    ShapeDrawing d(280, 200);
    d.pixelsPerMillimetre(10.0);
    struct Case {
        int style;
        double width;
        int position;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {LineStyle::kLine2, 0.05, kCenter, {150}},     {LineStyle::kLine2, 0.3, kCenter, {148, 151}},
        {LineStyle::kLine2, 0.3, kTop, {150, 153}},    {LineStyle::kLine2, 0.3, kBottom, {147, 150}},
        {LineStyle::kLine3, 0.3, kCenter, {148, 150, 151}}, {LineStyle::kLine2, 1.0, kTop, {150, 160}},
        {LineStyle::kEdge, 1.0, kCenter, {145, 155}},  {LineStyle::kEdge, 0.05, kCenter, {150}},
    };
    for (const Case& c : cases) {
        LineShape line;
        setUp(line, d, {5.0, 15.0, 25.0, 15.0, c.width, c.style, kSquare, c.position});
        d.surface().fill(kWhite);
        ASSERT_EQ(line.execute(ShapeOp::Draw, 2), 1);
        EXPECT_EQ(inkedRows(d.surface(), 150, 130, 170), c.rows) << "style " << c.style << " width " << c.width;
    }

    // The outline closes A1 -> A2 -> C2 -> C1 -> A1: both ends are drawn across the band.
    LineShape edge;
    setUp(edge, d, {5.0, 15.0, 25.0, 15.0, 1.0, LineStyle::kEdge});
    d.surface().fill(kWhite);
    ASSERT_EQ(edge.execute(ShapeOp::Draw, 2), 1);
    for (int x : {50, 250}) {
        EXPECT_EQ(inkedRows(d.surface(), x, 146, 154).size(), 9u) << "column " << x;
        EXPECT_FALSE(d.surface().isInk(x - 1, 150)) << "column " << x;
    }
    EXPECT_FALSE(d.surface().isInk(251, 150));
}

TEST(LineShapeScreen, LinesReachingFarOutsideKeepTheirSlopeAtZoom100)
{
    // At zoom 100 a millimetre is 283 pixels: a line 2 m long reaches 500,000 pixels away, far
    // beyond what a device coordinate may hold. Cut to the visible area first, it keeps its slope
    // of 3/4 wherever it crosses the window.
    ShapeDrawing d(1024, 768);
    d.view->setZoom(100.0, 0.0, 0.0);
    const double scale = d.view->scale;
    struct Case {
        const char* name;
        LineCase line;
    };
    const Case cases[] = {
        {"thin, from inside", {1.0, 1.0, 1601.0, 1201.0, 0.0, LineStyle::kSolid}},
        {"thin, from far away", {1601.0, 1201.0, 1.0, 1.0, 0.0, LineStyle::kSolid}},
        {"thin, through", {-1999.0, -1499.0, 2001.0, 1501.0, 0.0, LineStyle::kSolid}},
        {"wide, from inside", {1.0, 1.0, 1601.0, 1201.0, 0.05, LineStyle::kSolid, kRound}},
        {"wide, through", {-1999.0, -1499.0, 2001.0, 1501.0, 0.05, LineStyle::kSolid, kSquare}},
        {"dashed, through", {-1999.0, -1499.0, 2001.0, 1501.0, 0.0, LineStyle::kDash}},
    };
    for (const Case& c : cases) {
        LineShape line;
        setUp(line, d, c.line);
        d.surface().fill(kWhite);
        ASSERT_EQ(line.execute(ShapeOp::Draw, 2), 1) << c.name;
        int sampled = 0;
        // Columns where even the wide band stays inside the surface.
        for (int x = 320; x < 900; x += 40) {
            const std::vector<int> rows = inkedRows(d.surface(), x, 0, 767);
            if (rows.empty())
                continue; // a gap of the dashes
            ++sampled;
            // The middle of the inked run, between the centres of its pixels.
            const double middle = (rows.front() + rows.back() + 1) / 2.0;
            const double expected = scale * 1.0 + (x + 0.5 - scale * 1.0) * 0.75;
            EXPECT_NEAR(middle, expected, 1.0) << c.name << " at x " << x;
        }
        EXPECT_GT(sampled, 4) << c.name;
    }
}

TEST(LineShapeScreen, OutsideTheVisibleAreaOnlyPrintingAndRedirectedDrawingsDraw)
{
    // The surface reaches 400 pixels beyond the screen; the line lies there.
    const IntRect screen = getScreenRect();
    ShapeDrawing d(screen.width() + 400, 200);
    d.pixelsPerMillimetre(10.0);
    const double x = screen.width() / 10.0 + 10.0;
    struct Case {
        int op;
        int redirected;
        double width;
        bool drawn;
    };
    const Case cases[] = {
        {ShapeOp::Draw, 0, 0.0, false}, {ShapeOp::Draw, 0, 1.0, false}, {ShapeOp::ShowPicked, 0, 1.0, false},
        {ShapeOp::Draw, 1, 0.0, true},  {ShapeOp::Draw, 1, 1.0, true},  {ShapeOp::Print, 0, 0.0, true},
        {ShapeOp::Print, 0, 1.0, true},
    };
    for (const Case& c : cases) {
        d.updater->toPagePainter = c.redirected;
        LineShape line;
        setUp(line, d, {x, 10.0, x + 20.0, 10.0, c.width, LineStyle::kDash, kRound});
        d.surface().fill(kWhite);
        ASSERT_EQ(line.execute(c.op, 2), 1);
        EXPECT_EQ(d.surface().isInk(screen.width() + 105, 100), c.drawn)
            << "op " << c.op << " redirected " << c.redirected << " width " << c.width;
    }
}

TEST(LineShapeScreen, RefusedOperationsAndMissingManagersDrawNothing)
{
    struct Case {
        const char* name;
        int op;
        int missing; // 0 nothing, 1 context, 2 view, 3 redraw manager, 4 surface
        int result;
    };
    const Case cases[] = {
        {"drawn", ShapeOp::Draw, 0, 1},          {"op 3", 3, 0, 0},
        {"op 74", 74, 0, 0},                      {"PostScript without a job", ShapeOp::PostScript, 0, 0},
        {"no context", ShapeOp::Draw, 1, 0},     {"no view", ShapeOp::Draw, 2, 0},
        {"no redraw manager", ShapeOp::Draw, 3, 0}, {"no surface", ShapeOp::Draw, 4, 0},
    };
    for (const Case& c : cases) {
        ShapeDrawing d;
        d.postScriptRunning(false);
        LineShape line;
        setUp(line, d, {5.0, 15.0, 25.0, 15.0, 1.0, LineStyle::kSolid});
        ViewParams* view = d.context.view;
        ViewUpdater* updater = d.context.updater;
        if (c.missing == 1)
            line.context = nullptr;
        if (c.missing == 2)
            d.context.view = nullptr;
        if (c.missing == 3)
            d.context.updater = nullptr;
        d.updater->withoutSurface = c.missing == 4;
        EXPECT_EQ(line.execute(c.op, 2), c.result) << c.name;
        EXPECT_EQ(d.surface().inkCount(0, 0, 400, 300) > 0, c.result == 1) << c.name;
        d.context.view = view;
        d.context.updater = updater;
    }
}

TEST(LineShapeBadInput, ExtremeValuesDrawWhatTheyCanAndAlwaysReturn)
{
    ImportPatch lineTo("gdi32.dll", "LineTo", reinterpret_cast<void*>(countingLineTo));
    ImportPatch fillRgn("gdi32.dll", "FillRgn", reinterpret_cast<void*>(countingFillRgn));
    ASSERT_NE(lineTo.original(), nullptr);
    ASSERT_NE(fillRgn.original(), nullptr);
    ScopedOverride<LineToFunction> realLine(realLineTo, reinterpret_cast<LineToFunction>(lineTo.original()));
    ScopedOverride<FillRgnFunction> realFill(realFillRgn, reinterpret_cast<FillRgnFunction>(fillRgn.original()));

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* name;
        LineCase line;
        double dash, gap, dot; // NaN keeps the style's preset
        int scaleNumerator;
    };
    const Case cases[] = {
        {"start not a number", {nan, 1, 10, 10, 0.5, LineStyle::kDash}, nan, nan, nan, 1},
        {"end infinite", {1, 1, inf, 10, 0.5, LineStyle::kSolid, kRound}, nan, nan, nan, 1},
        {"both ends infinite", {-inf, -inf, inf, inf, 0.5, LineStyle::kLine2}, nan, nan, nan, 1},
        {"width not a number", {1, 1, 10, 10, nan, LineStyle::kEdge}, nan, nan, nan, 1},
        {"width infinite", {1, 1, 10, 10, inf, LineStyle::kSolid, kSquare}, nan, nan, nan, 1},
        {"width 1e9", {1, 1, 10, 10, 1e9, LineStyle::kDashDot2, kRound}, nan, nan, nan, 1},
        {"negative width", {1, 1, 10, 10, -2.0, LineStyle::kSolid, kSquare, kTop}, nan, nan, nan, 1},
        {"negative dash", {1, 1, 10, 10, 0.5, LineStyle::kDash}, -1.0, nan, nan, 1},
        {"zero pitches", {1, 1, 10, 10, 0.5, LineStyle::kDashDot3}, 0.0, 0.0, 0.0, 1},
        {"infinite dash", {1, 1, 10, 10, 0.5, LineStyle::kDash}, inf, nan, nan, 1},
        {"infinite gap", {1, 1, 10, 10, 0.5, LineStyle::kDashDot1}, nan, inf, nan, 1},
        {"1e9 long, tiny dashes", {0, 5, 1e9, 5, 0.0, LineStyle::kDash}, 0.1, 0.0, nan, 1},
        {"1e9 long, tiny wide dashes", {0, 5, 1e9, 5, 1.0, LineStyle::kDashDot1}, 0.1, 0.1, 0.1, 1},
        {"1e300 long", {-1e300, 5, 1e300, 5, 0.5, LineStyle::kDash}, nan, nan, nan, 1},
        {"a scale of 1000:1", {0, 5, 1e7, 5, 0.0, LineStyle::kDash}, 0.1, 0.1, nan, 1000},
    };
    for (const Case& c : cases) {
        ShapeDrawing d;
        d.setScale(c.scaleNumerator, 1);
        for (int op : {ShapeOp::Draw, ShapeOp::Print, ShapeOp::PostScript, ShapeOp::Pdf}) {
            LineShape line;
            setUp(line, d, c.line);
            LineStyle type;
            type.setStyleWithPresets(c.line.style);
            if (!std::isnan(c.dash))
                type.dash = c.dash;
            if (!std::isnan(c.gap))
                type.gap = c.gap;
            if (!std::isnan(c.dot))
                type.dot = c.dot;
            line.setLineStyle(type);
            d.ps.log.clear();
            d.pdf.log.clear();
            pieceCalls = 0;
            EXPECT_EQ(line.execute(op, 2), 1) << c.name << " op " << op;
            EXPECT_LE(pieceCalls, Shape::kMaxPieces + 8) << c.name << " op " << op;
            const std::string written = d.ps.log.text() + d.pdf.log.text();
            EXPECT_EQ(written.find("nan"), std::string::npos) << c.name << " op " << op << ": " << written;
            EXPECT_LE(d.ps.log.entries.size() + d.pdf.log.entries.size(), 20u) << c.name << " op " << op;
        }
    }
}
