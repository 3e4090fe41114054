// Hatch and gradation fills of a closed outline: where the lines and bands lie, what PostScript
// and PDF get once per run, the caps on line and band counts, and the window's clip kept.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/PointList.h"
#include "platform/Region.h"
#include "shapes/GradationFillShape.h"
#include "shapes/HatchFillShape.h"
#include "tests/shapes/ShapeTestDrawing.h"

using shape_test::ShapeDrawing;

namespace {

// The box (x0, y0) - (x0 + w, y0 + h) as a four-point outline.
void box(PointList& outline, double x0, double y0, double w, double h)
{
    outline.count = 0;
    ASSERT_TRUE(outline.appendXY(x0, y0) && outline.appendXY(x0 + w, y0) && outline.appendXY(x0 + w, y0 + h) &&
                outline.appendXY(x0, y0 + h));
}

// The hatch lines of a PostScript log: "x1 y1 x2 y2" of each "_m" and "_l" pair after the clip.
std::vector<std::string> hatchLines(const OperatorLog& log)
{
    std::vector<std::string> lines;
    bool afterClip = false;
    for (size_t i = 0; i + 1 < log.entries.size(); ++i) {
        afterClip = afterClip || log.entries[i] == "_clp";
        if (afterClip && log.entries[i].rfind("_m ", 0) == 0)
            lines.push_back(log.entries[i].substr(3) + " " + log.entries[i + 1].substr(3));
    }
    return lines;
}

} // namespace

TEST(HatchFillShapeOutput, LinesLieAtEachPitchAndNeverOnTheBounds)
{
    // Patterns at 1:1 over boxes at (10, 10); pitch 1 is the first, pitch 2 the second.
    struct Case {
        const char* name;
        int pattern;
        double width, height, pitch1, pitch2;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"vertical, 10 wide", 2, 10, 4, 3, 9, {"13 10 13 14", "16 10 16 14", "19 10 19 14"}},
        {"vertical, 9 wide", 2, 9, 4, 3, 9, {"13 10 13 14", "16 10 16 14"}},
        {"vertical, pitch 0", 2, 9, 4, 0, 9, {}},
        {"horizontal", 1, 4, 7, 9, 3, {"10 13 14 13", "10 16 14 16"}},
        {"right slant starts at X0 - H + p", 3, 4, 10, 3, 9, {"3 20 13 10", "6 20 16 10", "9 20 19 10", "12 20 22 10"}},
        {"left slant", 4, 4, 4, 9, 3, {"9 10 13 14", "12 10 16 14"}},
        {"mesh", 5, 4, 4, 3, 2, {"13 10 13 14", "10 12 14 12"}},
        {"tiles without joints", 7, 4, 7, 0, 3, {"10 13 14 13", "10 16 14 16"}},
        {"tiles", 7, 4, 5, 2, 3,
         {"11 10 11 13", "13 10 13 13", "10 13 14 13", "10 13 10 16", "12 13 12 16"}},
        {"upright tiles", 8, 5, 4, 3, 2,
         {"10 11 13 11", "10 13 13 13", "13 10 13 14", "13 10 16 10", "13 12 16 12"}},
        {"upright tiles, course pitch 0", 8, 5, 4, 0, 2, {}},
    };
    for (const Case& c : cases) {
        ShapeDrawing d;
        PointList outline;
        box(outline, 10, 10, c.width, c.height);
        HatchAttributes attributes;
        attributes.pattern = c.pattern;
        attributes.pitch1 = c.pitch1;
        attributes.pitch2 = c.pitch2;
        HatchFillShape hatch;
        hatch.context = &d.context;
        hatch.setHatch(attributes);
        hatch.setOutline(&outline);
        ASSERT_EQ(hatch.execute(ShapeOp::PostScript, 2), 1) << c.name;
        EXPECT_EQ(hatchLines(d.ps.log), c.lines) << c.name << ": " << d.ps.log.text();
    }
}

TEST(HatchFillShapeOutput, SettingsAreWrittenOncePerRunAndLineCountsAreCapped)
{
    ShapeDrawing d;
    PointList outline;
    box(outline, 10, 10, 10, 4);
    HatchAttributes attributes;
    attributes.pattern = 2;
    attributes.setColor(RgbColor(255, 0, 0));
    HatchFillShape hatch;
    hatch.context = &d.context;
    hatch.setOutline(&outline);
    hatch.setOffset(1, 2, 0);
    hatch.setHatch(attributes);
    ASSERT_EQ(hatch.execute(ShapeOp::PostScript, 2), 1);
    EXPECT_EQ(d.ps.log.text(), "_np | _m 11 12 | _l 21 12 | _l 21 16 | _l 11 16 | _cp | _clp | _rgb 255 0 0 | _lw 0.1 | "
                               "_np | _m 14 12 | _l 14 16 | _ds 1 0 0 0 0 | _sp | _np | _m 17 12 | _l 17 16 | _sp | "
                               "_np | _m 20 12 | _l 20 16 | _sp | _icp");
    ASSERT_EQ(hatch.execute(ShapeOp::Pdf, 2), 1);
    EXPECT_EQ(d.pdf.log.text(), "q | m 11 12 | l 21 12 | l 21 16 | l 11 16 | h | W | n | RG 255 0 0 1 | d 1 0 0 0 0 | "
                                "w 0.1 | m 14 12 | l 14 16 | S | m 17 12 | l 17 16 | S | m 20 12 | l 20 16 | S | Q");

    // A pitch of 1e-5 mm over a 1 m box.
    box(outline, 0, 0, 1000, 1000);
    attributes.pitch1 = 1e-5;
    for (int pattern = 1; pattern <= 8; ++pattern) {
        attributes.pattern = pattern;
        attributes.pitch2 = pattern == 7 || pattern == 8 ? 1.0 : 1e-5;
        hatch.setHatch(attributes);
        d.ps.log.clear();
        d.pdf.log.clear();
        ASSERT_EQ(hatch.execute(ShapeOp::PostScript, 2), 1);
        ASSERT_EQ(hatch.execute(ShapeOp::Pdf, 2), 1);
        EXPECT_EQ(d.ps.log.count("_sp"), HatchFillShape::kMaxOutputLines) << "pattern " << pattern;
        EXPECT_EQ(d.pdf.log.count("S"), HatchFillShape::kMaxOutputLines) << "pattern " << pattern;
        EXPECT_EQ(d.pdf.log.entries.back(), "Q") << "pattern " << pattern;
    }
}

TEST(FillShapeScreen, FillsStayInsideTheOutlineAndTheWindowClipComesBack)
{
    // A triangle over most of the surface at 10 pixels per millimetre; the window may clip to
    // the rectangle (100, 50) - (200, 150) beforehand. Hatch lines and bands land only inside
    // both, and the window's clip is what it was afterwards.
    for (int clipped = 0; clipped < 2; ++clipped) {
        for (int gradation = 0; gradation < 2; ++gradation) {
            for (int vector : {1, 7}) {
                const std::string name = std::string(gradation ? "gradation" : "hatch") +
                                         (clipped ? ", clipped" : "") + " direction " + std::to_string(vector);
                ShapeDrawing d(300, 200);
                HDC hdc = d.surface().hdc;
                HRGN old = CreateRectRgn(100, 50, 200, 150);
                if (clipped)
                    SelectClipRgn(hdc, old);
                PointList outline;
                ASSERT_TRUE(outline.appendXY(1, 1) && outline.appendXY(29, 1) && outline.appendXY(1, 19));
                d.surface().fill(RGB(255, 255, 255));
                if (gradation) {
                    FillAttributes fill;
                    fill.gray.kind = GrayAttributes::kGradation;
                    fill.gray.vector = vector;
                    GradationFillShape shape;
                    shape.context = &d.context;
                    shape.setFill(fill);
                    shape.setOutline(&outline);
                    ASSERT_EQ(shape.execute(ShapeOp::Draw, 2), 1) << name;
                } else {
                    HatchAttributes hatch;
                    hatch.pattern = vector == 1 ? 5 : 6;
                    hatch.pitch1 = hatch.pitch2 = 0.5;
                    HatchFillShape shape;
                    shape.context = &d.context;
                    shape.setHatch(hatch);
                    shape.setOutline(&outline);
                    ASSERT_EQ(shape.execute(ShapeOp::Draw, 2), 1) << name;
                }
                int inside = 0, outside = 0;
                for (int y = 0; y < 200; ++y) {
                    for (int x = 0; x < 300; ++x) {
                        // The triangle's hypotenuse runs from (290, 10) to (10, 190).
                        const bool in = x >= 10 && y >= 10 && (x - 10) * 180 + (y - 10) * 280 <= 280 * 180 &&
                                        (!clipped || (x >= 100 && x < 200 && y >= 50 && y < 150));
                        if (d.surface().isInk(x, y))
                            ++(in ? inside : outside);
                    }
                }
                EXPECT_EQ(outside, 0) << name;
                EXPECT_EQ(inside > 0, vector == 1 || !gradation) << name;
                HRGN now = CreateRectRgn(0, 0, 0, 0);
                RECT box = {};
                // Kept: the old region, or with none the whole surface (the clip box).
                ASSERT_EQ(GetClipRgn(hdc, now), 1) << name;
                GetRgnBox(now, &box);
                const RECT expected = clipped ? RECT{100, 50, 200, 150} : RECT{0, 0, 300, 200};
                EXPECT_TRUE(EqualRect(&box, &expected)) << name;
                DeleteObject(now);
                SelectClipRgn(hdc, nullptr);
                DeleteObject(old);
            }
        }
    }
}

TEST(GradationFillShapeOutput, BandCountsAndTints)
{
    // LEFT2RIGHT over a box 25.4 mm wide at 1:1, unless a case says otherwise.
    struct Case {
        const char* name;
        double width;
        int cuts;
        int vector;
        int bands;
        const char* firstTint;
        const char* lastTint;
    };
    const Case cases[] = {
        {"32 cuts per inch", 25.4, 32, 1, 32, "0.2", "0.8"},
        {"two bands", 25.4, 2, 1, 2, "0.2", "0.8"},
        {"zero width: one band", 0.0, 32, 1, 1, "0.2", "0.2"},
        {"1e9 cuts: capped", 25.4, 1000000000, 2, GradationFillShape::kMaxOutputBands, "0.2", "0.8"},
        {"a direction outside 1..4", 25.4, 32, 5, 0, "", ""},
    };
    for (const Case& c : cases) {
        ShapeDrawing d;
        PointList outline;
        box(outline, 10, 10, c.width, 10);
        FillAttributes fill;
        fill.gray.kind = GrayAttributes::kGradation;
        fill.gray.cuts = c.cuts;
        fill.gray.vector = c.vector;
        GradationFillShape shape;
        shape.context = &d.context;
        shape.setFill(fill);
        shape.setOutline(&outline);
        ASSERT_EQ(shape.execute(ShapeOp::Pdf, 2), 1) << c.name;
        ASSERT_EQ(shape.execute(ShapeOp::PostScript, 2), 1) << c.name;
        EXPECT_EQ(d.pdf.log.count("rg"), c.bands) << c.name;
        EXPECT_EQ(d.ps.log.count("_f"), c.bands) << c.name;
        EXPECT_EQ(d.pdf.log.count("W"), 1) << c.name;
        if (c.bands > 0) {
            std::vector<std::string> tints;
            for (const std::string& e : d.pdf.log.entries)
                if (e.rfind("rg ", 0) == 0)
                    tints.push_back(e.substr(e.rfind(' ') + 1));
            EXPECT_EQ(tints.front(), c.firstTint) << c.name;
            EXPECT_EQ(tints.back(), c.lastTint) << c.name;
        }
    }

    // On a screen where the box is 40 pixels wide the 32 bands become 20 of 2 pixels.
    ShapeDrawing d(100, 60);
    d.pixelsPerMillimetre(40.0 / 25.4);
    PointList outline;
    box(outline, 0, 0, 25.4, 10);
    FillAttributes fill;
    fill.gray.kind = GrayAttributes::kGradation;
    fill.setColor(RgbColor(0, 0, 255));
    GradationFillShape shape;
    shape.context = &d.context;
    shape.setFill(fill);
    shape.setOutline(&outline);
    d.surface().fill(RGB(255, 255, 255));
    ASSERT_EQ(shape.execute(ShapeOp::Draw, 2), 1);
    EXPECT_EQ(shape.bandCount, 20);
    int runs = 0;
    for (int x = 0; x < 40; ++x)
        runs += x == 0 || d.surface().pixel(x, 5) != d.surface().pixel(x - 1, 5);
    EXPECT_EQ(runs, 20);
    EXPECT_FALSE(d.surface().isInk(41, 5));
}
