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

// TextOut calls made while no path was open, with the height of the font they drew with: a tall
// glyph rasterized costs the square of its height (over a second for a few at the largest zoom).
struct RasterCalls {
    static bool inPath;
    static int tallest;
    static BOOL(WINAPI* beginOriginal)(HDC);
    static BOOL(WINAPI* endOriginal)(HDC);
    static BOOL(WINAPI* textOriginal)(HDC, int, int, LPCSTR, int);
    static BOOL WINAPI beginPath(HDC hdc)
    {
        inPath = true;
        return beginOriginal(hdc);
    }
    static BOOL WINAPI endPath(HDC hdc)
    {
        inPath = false;
        return endOriginal(hdc);
    }
    static BOOL WINAPI textOut(HDC hdc, int x, int y, LPCSTR text, int n)
    {
        TEXTMETRICA metrics;
        if (!inPath && GetTextMetricsA(hdc, &metrics) && metrics.tmHeight > tallest)
            tallest = metrics.tmHeight;
        return textOriginal(hdc, x, y, text, n);
    }
};
bool RasterCalls::inPath = false;
int RasterCalls::tallest = 0;
BOOL(WINAPI* RasterCalls::beginOriginal)(HDC) = nullptr;
BOOL(WINAPI* RasterCalls::endOriginal)(HDC) = nullptr;
BOOL(WINAPI* RasterCalls::textOriginal)(HDC, int, int, LPCSTR, int) = nullptr;

// Text taller than the context's raster limit is filled from its outline, opaque cell and all,
// where TextOut would have drawn its glyphs; shorter text goes to TextOut.
TEST(DeviceContext, TallTextIsFilledFromItsOutlineWhereTextOutDrawsIt)
{
    ImportPatch begin("gdi32.dll", "BeginPath", reinterpret_cast<void*>(RasterCalls::beginPath));
    ImportPatch end("gdi32.dll", "EndPath", reinterpret_cast<void*>(RasterCalls::endPath));
    ImportPatch text("gdi32.dll", "TextOutA", reinterpret_cast<void*>(RasterCalls::textOut));
    RasterCalls::beginOriginal = reinterpret_cast<BOOL(WINAPI*)(HDC)>(begin.original());
    RasterCalls::endOriginal = reinterpret_cast<BOOL(WINAPI*)(HDC)>(end.original());
    RasterCalls::textOriginal = reinterpret_cast<BOOL(WINAPI*)(HDC, int, int, LPCSTR, int)>(text.original());
    ASSERT_TRUE(RasterCalls::beginOriginal && RasterCalls::endOriginal && RasterCalls::textOriginal);
    const COLORREF cell = RGB(255, 255, 0), ink = RGB(0, 0, 160);
    struct Case {
        const char* text;
        bool opaque;
    };
    const Case cases[] = {{"A", true}, {"三", false}, {"Ig", true}};
    for (const Case& c : cases) {
        // The same text through TextOut and, with the limit below its height, as a path.
        DibSurface* drawn[2] = {};
        TextSurface glyphs(120, 300), filled(120, 300);
        for (TextSurface* s : {&glyphs, &filled}) {
            s->dc.setTextColor(RgbColor(0, 0, 160));
            s->dc.setBkColor(RgbColor(255, 255, 0));
            if (c.opaque)
                s->dc.setOpaqueBackground();
            else
                s->dc.setTransparentBackground();
        }
        filled.dc.maxRasterTextHeight = 100;
        RasterCalls::tallest = 0;
        glyphs.dc.textOut(40, 30, c.text);
        EXPECT_GE(RasterCalls::tallest, 120) << c.text << ": below the limit, TextOut draws";
        RasterCalls::tallest = 0;
        filled.dc.textOut(40, 30, c.text);
        EXPECT_EQ(RasterCalls::tallest, 0) << c.text << ": nothing tall is rasterized";
        drawn[0] = &glyphs.surface, drawn[1] = &filled.surface;

        RECT expected, box;
        ASSERT_TRUE(drawn[0]->inkBox(expected)) << c.text;
        ASSERT_TRUE(drawn[1]->inkBox(box)) << c.text;
        EXPECT_NEAR(box.left, expected.left, 2) << c.text;
        EXPECT_NEAR(box.top, expected.top, 2) << c.text;
        EXPECT_NEAR(box.right, expected.right, 2) << c.text;
        EXPECT_NEAR(box.bottom, expected.bottom, 2) << c.text;
        int inked[2] = {}, celled[2] = {};
        for (int k = 0; k < 2; ++k) {
            for (int y = 0; y < 300; ++y) {
                for (int x = 0; x < 300; ++x) {
                    inked[k] += drawn[k]->pixel(x, y) == ink;
                    celled[k] += drawn[k]->pixel(x, y) == cell;
                }
            }
        }
        EXPECT_NEAR(inked[1], inked[0], inked[0] / 8 + 8) << c.text;
        EXPECT_NEAR(celled[1], celled[0], celled[0] / 8 + 8) << c.text;
        EXPECT_EQ(celled[1] > 0, c.opaque) << c.text;
    }

    // At the heights of the largest zoom the default limit keeps TextOut away.
    TextSurface huge(20000, 300);
    huge.dc.setTransparentBackground();
    RasterCalls::tallest = 0;
    huge.dc.textOut(-5000, -5000, "■");
    EXPECT_EQ(RasterCalls::tallest, 0);
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
