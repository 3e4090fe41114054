// Large rotated text as filled glyph outlines, and the off-screen bitmap that views paint into.
#include <gtest/gtest.h>
#include <vector>
#include <windows.h>

#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "platform/OffscreenBitmap.h"
#include "platform/TextOutline.h"
#include "platform/Window.h"
#include "tests/platform/TextSurface.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ImportPatch.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

// Runs of ink along a row (horizontal) or a column of the surface within [from, to).
int inkRuns(const DibSurface& surface, int fixed, int from, int to, bool alongRow)
{
    int runs = 0;
    bool inside = false;
    for (int v = from; v < to; ++v) {
        bool ink = alongRow ? surface.isInk(v, fixed) : surface.isInk(fixed, v);
        runs += ink && !inside;
        inside = ink;
    }
    return runs;
}

TEST(TextOutline, GlyphsAreFilledWhereGdiWritesThem)
{
    // Every contour of the glyph is filled, not only the last: "三" has three bars down its
    // middle, "A" its apex and bar down the middle and two legs at its foot. The fill lies where
    // TextOutA puts the same glyph, within the rounding of the scaled path.
    struct Case {
        const char* text;
        int runsDownTheMiddle;
        int runsAcrossTheFoot;   // the lowest row of ink
    };
    const Case cases[] = {{"I", 1, 1}, {"三", 3, 1}, {"A", 2, 2}};
    for (const Case& c : cases) {
        TextSurface outlined(40);
        TextOutline outline;
        ASSERT_NE(outline.draw(outlined.dc, 30, 20, 40, 40, 40, 0.0, c.text), 0) << c.text;
        RECT box;   // inclusive
        ASSERT_TRUE(outlined.surface.inkBox(box)) << c.text;
        const int middle = (box.left + box.right) / 2;
        EXPECT_EQ(inkRuns(outlined.surface, middle, box.top, box.bottom + 1, false), c.runsDownTheMiddle) << c.text;
        EXPECT_EQ(inkRuns(outlined.surface, box.bottom, box.left, box.right + 1, true), c.runsAcrossTheFoot) << c.text;
        EXPECT_EQ(outlined.surface.pixel(middle, box.bottom), c.runsAcrossTheFoot == 2 ? kWhite : RGB(0, 0, 0))
            << c.text;

        TextSurface written(40);
        SetBkMode(written.surface.hdc, TRANSPARENT);
        TextOutA(written.surface.hdc, 30, 20, c.text, lstrlenA(c.text));
        RECT expected;
        ASSERT_TRUE(written.surface.inkBox(expected)) << c.text;
        EXPECT_NEAR(box.left, expected.left, 2) << c.text;
        EXPECT_NEAR(box.right, expected.right, 2) << c.text;
        EXPECT_NEAR(box.top, expected.top, 2) << c.text;
        EXPECT_NEAR(box.bottom, expected.bottom, 2) << c.text;
        const int area = written.surface.inkCount(0, 0, 160, 160);
        EXPECT_NEAR(outlined.surface.inkCount(0, 0, 160, 160), area, area / 4) << c.text;
    }
}

// Text taller than the context's raster limit is filled from its outline (a rasterized glyph
// costs the square of its height: over a second for a few at the largest zoom), with TextOut's
// opaque cell, where TextOut draws its glyphs.
TEST(DeviceContext, TallTextIsFilledFromItsOutlineWhereTextOutDrawsIt)
{
    struct FillTag;
    ImportCounter<FillTag, BOOL, HDC> fills("gdi32.dll", "FillPath");
    ASSERT_TRUE(fills.installed());
    for (const char* text : {"A", "三g"}) {
        TextSurface glyphs(120, 300), filled(120, 300);
        for (TextSurface* s : {&glyphs, &filled}) {
            s->dc.setBkColor(RgbColor(255, 255, 0));
            s->dc.setOpaqueBackground();
        }
        filled.dc.maxRasterTextHeight = 100;
        glyphs.dc.textOut(40, 30, text);
        EXPECT_EQ(fills.calls(), 0) << text;
        filled.dc.textOut(40, 30, text);
        EXPECT_EQ(fills.calls(), 1) << text;
        fills.reset();
        // The cell: every pixel that is not white; the glyphs: neither white nor the cell's yellow.
        auto cellAndGlyphs = [](const DibSurface& d, int& cell, int& glyphs) {
            cell = d.inkCount(0, 0, 300, 300);
            glyphs = cell + d.inkCount(0, 0, 300, 300, RGB(255, 255, 0)) - 300 * 300;
        };
        int cell[2], ink[2];
        cellAndGlyphs(glyphs.surface, cell[0], ink[0]);
        cellAndGlyphs(filled.surface, cell[1], ink[1]);
        EXPECT_NEAR(cell[1], cell[0], 8) << text;
        EXPECT_GT(ink[0], 500) << text;
        EXPECT_NEAR(ink[1], ink[0], ink[0] / 8) << text;
    }
    // At the heights of the largest zoom the default limit applies.
    TextSurface huge(20000, 300);
    huge.dc.setTransparentBackground();
    huge.dc.textOut(-5000, -5000, "■");
    EXPECT_EQ(fills.calls(), 1);
    EXPECT_EQ(huge.surface.inkCount(0, 0, 300, 300), 300 * 300) << "the square's middle covers the surface";
}

TEST(TextOutline, OnlyALeadingCellBoxIsLeftOut)
{
    // A text 20 x 30 units: a box of exactly that cell at the start is the background of opaque
    // text; any other first figure is part of a glyph.
    const SIZE cell = {20, 30};
    const BYTE m = PT_MOVETO, l = PT_LINETO, c = PT_LINETO | PT_CLOSEFIGURE, b = PT_BEZIERTO;
    struct Case {
        const char* what;
        std::vector<POINT> points;
        std::vector<BYTE> types;
        int start;
    };
    const Case cases[] = {
        {"the cell, closed by its fourth point", {{0, 0}, {20, 0}, {20, 30}, {0, 30}, {5, 5}, {9, 9}, {5, 9}},
         {m, l, l, c, m, l, c}, 4},
        {"the cell, back at its start", {{0, 0}, {0, 30}, {20, 30}, {20, 0}, {0, 0}, {5, 5}, {9, 9}},
         {m, l, l, l, c, m, c}, 5},
        {"a square stroke inside the cell", {{2, 2}, {18, 2}, {18, 28}, {2, 28}, {5, 5}, {9, 9}},
         {m, l, l, c, m, c}, 0},
        {"a box one unit short", {{0, 0}, {20, 0}, {20, 29}, {0, 29}, {5, 5}, {9, 9}}, {m, l, l, c, m, c}, 0},
        {"a slanted figure", {{0, 0}, {20, 1}, {20, 30}, {0, 30}, {5, 5}, {9, 9}}, {m, l, l, c, m, c}, 0},
        {"a curve", {{0, 0}, {20, 0}, {20, 30}, {0, 30}, {5, 5}, {9, 9}}, {m, b, b, b | PT_CLOSEFIGURE, m, c}, 0},
        {"a figure never closed", {{0, 0}, {20, 0}, {20, 30}, {0, 30}}, {m, l, l, l}, 0},
    };
    for (const Case& k : cases)
        EXPECT_EQ(TextOutline::firstDrawnPoint(k.points.data(), k.types.data(), static_cast<int>(k.points.size()), cell),
                  k.start)
            << k.what;
}

TEST(TextOutline, RefusesWhatItCannotDraw)
{
    TextSurface s(40);
    TextOutline outline;
    EXPECT_EQ(outline.draw(s.dc, 10, 10, 3, 3, 3, 0.0, "A"), 0) << "size 3";
    EXPECT_EQ(outline.draw(s.dc, 10, 10, 40, 40, 40, 0.0, " "), 0) << "a space has no outline";
    EXPECT_EQ(outline.draw(s.dc, 10, 10, 40, 40, 40, 0.0, nullptr), 0);
    EXPECT_EQ(s.surface.inkCount(0, 0, 160, 160), 0);
    EXPECT_EQ(outline.pathOpen, 0);
    EXPECT_EQ(outline.fillPath(), 0) << "no target between draws";
}

TEST(OffscreenBitmap, PaintsOffScreenAndCopiesToAWindow)
{
    DibSurface target(60, 40);
    Window window;
    window.dc.attachHdc(target.hdc);
    IntRect all;
    all.set(0, 0, 60, 40);

    OffscreenBitmap offscreen;
    EXPECT_EQ(offscreen.dc.kind, 3);
    EXPECT_EQ(offscreen.stretchTo(all, &window, all), 0) << "nothing created yet";
    EXPECT_EQ(target.inkCount(0, 0, 60, 40), 0);

    // As large as the screen by default.
    ASSERT_EQ(offscreen.create(&window), 1);
    EXPECT_EQ(offscreen.size.width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(offscreen.size.height(), GetSystemMetrics(SM_CYSCREEN));
    offscreen.erase();
    IntRect page;
    page.set(100, 200, 230, 120);   // a page 30 x 20 at (200, 100)
    offscreen.dc.fillRect(RgbColor(0, 128, 0), page);
    IntRect dest;
    dest.set(5, 10, 40, 25);
    ASSERT_EQ(offscreen.stretchTo(page, &window, dest), 1);
    EXPECT_EQ(target.pixel(10, 5), RGB(0, 128, 0));
    EXPECT_EQ(target.pixel(39, 24), RGB(0, 128, 0));
    EXPECT_EQ(target.pixel(40, 24), kWhite);
    EXPECT_EQ(target.inkCount(0, 0, 60, 40), 30 * 20);

    // Stretched from a white part around the page: white on white.
    IntRect around;
    around.set(90, 190, 250, 130);
    ASSERT_EQ(offscreen.stretchTo(around, &window, all), 1);
    EXPECT_EQ(target.pixel(0, 0), kWhite);
    EXPECT_EQ(target.pixel(30, 20), RGB(0, 128, 0));

    offscreen.destroy();
    EXPECT_EQ(offscreen.created, 0);
    EXPECT_EQ(offscreen.stretchTo(all, &window, all), 0);
    window.dc.detachHdc();
}

} // namespace
