// Text along a direction: squares for tiny sizes, the glyph renderer for small ones, filled
// outlines for large ones.
#include <cstdlib>
#include <string>
#include <gtest/gtest.h>
#include <utility>
#include <windows.h>

#include "platform/DeviceContext.h"
#include "platform/GlyphRenderer.h"
#include "tests/platform/TextSurface.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/ScopedOverride.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

TEST(RotatedText, TinySizesAreSquaresAndPixels)
{
    TextSurface t(8);
    int advance = t.width("a");
    ASSERT_GT(advance, 3);

    // Size 4: a 3 x 3 square per character below and right of the anchor.
    t.dc.drawTextRotatedTopLeft(20, 20, 4, 0.0, "ab");
    for (int base : {20, 20 + advance}) {
        EXPECT_EQ(t.surface.inkCount(base, 20, base + 3, 23), 9) << base;
        EXPECT_EQ(t.surface.pixel(base + 3, 20), kWhite);
        EXPECT_EQ(t.surface.pixel(base, 23), kWhite);
    }
    EXPECT_EQ(t.surface.inkCount(0, 0, 160, 160), 18);

    // The bottom-left form puts the square above the line.
    t.surface.fill(kWhite);
    t.dc.drawTextRotatedBottomLeft(20, 20, 4, 0.0, "a");
    EXPECT_EQ(t.surface.inkCount(20, 17, 23, 20), 9);

    // Size 1: one pixel per character, in the text colour.
    t.surface.fill(kWhite);
    t.dc.setTextColor(RgbColor(255, 0, 0));
    t.dc.drawTextRotatedTopLeft(20, 40, 1, 0.0, "abc");
    EXPECT_EQ(t.surface.inkCount(0, 0, 160, 160), 3);
    EXPECT_EQ(t.surface.pixel(20, 40), RGB(255, 0, 0));
    EXPECT_EQ(t.surface.pixel(20 + advance, 40), RGB(255, 0, 0));

    // At 90 degrees the characters run upwards.
    t.surface.fill(kWhite);
    t.dc.drawTextRotatedTopLeft(50, 100, 1, 90.0, "ab");
    EXPECT_EQ(t.surface.pixel(50, 100), RGB(255, 0, 0));
    EXPECT_EQ(t.surface.pixel(50, 100 - advance), RGB(255, 0, 0));

    // A range draws only its characters.
    t.surface.fill(kWhite);
    t.dc.drawTextRotatedTopLeft(20, 40, 1, 0.0, "abc", 1, 2);
    EXPECT_EQ(t.surface.inkCount(0, 0, 160, 160), 1);
    EXPECT_EQ(t.surface.pixel(20, 40), RGB(255, 0, 0));
}

TEST(RotatedText, TwoByteCharactersAdvanceAsOne)
{
    TextSurface t(8);
    const char* text = "表a"; // 95 5C 61: the trail byte 5C is no character of its own
    int first = t.width("表");
    t.dc.drawTextRotatedTopLeft(10, 10, 1, 0.0, text);
    EXPECT_EQ(t.surface.inkCount(0, 0, 160, 160), 2);
    EXPECT_EQ(t.surface.pixel(10 + first, 10), kBlack);
}

TEST(RotatedText, SmallSizesGoThroughTheGlyphRenderer)
{
    TextSurface t(12);
    // "一" is a horizontal bar: wider than high at 0 degrees, higher than wide at 90.
    t.dc.drawTextRotatedTopLeft(40, 40, 12, 0.0, "一");
    RECT box;
    ASSERT_TRUE(t.surface.inkBox(box));
    EXPECT_GT(box.right - box.left, 3 * (box.bottom - box.top));
    // Drawn into the character's 12-pixel cell below and right of the anchor, not as a square.
    EXPECT_GE(box.left, 40 - 1);
    EXPECT_LE(box.right, 40 + 12 + 1);
    EXPECT_GE(box.top, 40);
    EXPECT_LE(box.bottom, 40 + 14);
    EXPECT_LT(t.surface.inkCount(0, 0, 160, 160), 12 * 12 / 2);

    t.surface.fill(kWhite);
    t.dc.drawTextRotatedTopLeft(80, 80, 12, 90.0, "一");
    ASSERT_TRUE(t.surface.inkBox(box));
    EXPECT_GT(box.bottom - box.top, 3 * (box.right - box.left));

    // An odd angle: drawn large, turned and scaled down; the ink stays near the character's cell.
    t.surface.fill(kWhite);
    t.dc.drawTextRotatedTopLeft(80, 80, 12, 30.0, "一");
    ASSERT_TRUE(t.surface.inkBox(box));
    EXPECT_GT(box.bottom - box.top, 2);
    EXPECT_GT(box.right - box.left, 2);
    EXPECT_GE(box.left, 80 - 12);
    EXPECT_LE(box.right, 80 + 24);
}

// The first and last rows of the ink of `text` drawn from the top-left anchor (100, 100).
std::pair<int, int> inkRows(int size, double angle, const char* text)
{
    TextSurface t(size, 200);
    t.dc.drawTextRotatedTopLeft(100, 100, size, angle, text);
    RECT box;
    if (!t.surface.inkBox(box))
        return {-1, -1};
    return {box.top, box.bottom};
}

TEST(RotatedText, TextAtAnyAngleSitsOnTheRowsOfItsAnchor)
{
    // A slack of 0: sizes above 12 are outlines turned point by point, which these small turns
    // leave on the same rows. Characters of 12 pixels and less are drawn at odd angles from a 24-pixel
    // glyph cell and scaled down; that font's own rounding may move an edge by one row, never
    // more.
    struct Case {
        int size;
        const char* text;
        int slack;
    };
    const Case cases[] = {{24, "表", 0}, {24, "Ag", 0}, {30, "一", 0}, {12, "表", 1}, {12, "一", 1}, {12, "Ag", 1}};
    for (const Case& c : cases) {
        std::pair<int, int> level = inkRows(c.size, 0.0, c.text);
        ASSERT_GE(level.first, 100) << c.text << " at " << c.size << " lies below its anchor";
        for (double angle : {0.001, 0.5, 359.999}) {
            std::pair<int, int> turned = inkRows(c.size, angle, c.text);
            EXPECT_LE(std::abs(turned.first - level.first), c.slack) << c.text << " " << c.size << " at " << angle;
            EXPECT_LE(std::abs(turned.second - level.second), c.slack) << c.text << " " << c.size << " at " << angle;
        }
    }
}

// FillPath as the library calls it, counted: the outline route fills one path per character.
using FillPathFunction = BOOL(WINAPI*)(HDC);
FillPathFunction realFillPath = nullptr;
int pathFills = 0;
BOOL WINAPI countingFillPath(HDC hdc)
{
    ++pathFills;
    return realFillPath(hdc);
}

TEST(RotatedText, LargeSizesAreFilledOutlinesAndSmallOnesGlyphs)
{
    ImportPatch patch("gdi32.dll", "FillPath", reinterpret_cast<void*>(countingFillPath));
    ASSERT_NE(patch.original(), nullptr);
    ScopedOverride<FillPathFunction> real(realFillPath, reinterpret_cast<FillPathFunction>(patch.original()));

    // Above 12 pixels each character is an outline, unless outlines are switched off; a character
    // without an outline (a space) goes through the glyph renderer.
    struct Case {
        int size;
        int useOutlineText;
        const char* text;
        int fills;
    };
    const Case cases[] = {{40, 1, "一", 1},  {40, 1, "一表", 2}, {13, 1, "一", 1}, {12, 1, "一", 0},
                          {10, 1, "一", 0}, {40, 0, "一", 0},    {40, 1, " 一", 1}};
    RECT outlined = {}, glyph = {};
    for (const Case& c : cases) {
        TextSurface t(c.size, 200);
        t.dc.useOutlineText = c.useOutlineText;
        pathFills = 0;
        t.dc.drawTextRotatedTopLeft(60, 100, c.size, 30.0, c.text);
        EXPECT_EQ(pathFills, c.fills) << c.size << " " << c.text << " " << c.useOutlineText;
        RECT box;
        ASSERT_TRUE(t.surface.inkBox(box)) << c.size << " " << c.text;
        EXPECT_EQ(t.dc.textOutline, nullptr) << "the outline drawer lives for one call";
        if (c.size == 40 && std::string(c.text) == "一")
            (c.useOutlineText ? outlined : glyph) = box;
    }
    // Both routes put the bar in the same place, turned up to the right.
    EXPECT_GT(outlined.bottom - outlined.top, 12);
    EXPECT_NEAR(outlined.left, glyph.left, 3);
    EXPECT_NEAR(outlined.right, glyph.right, 3);
    EXPECT_NEAR(outlined.top, glyph.top, 3);
    EXPECT_NEAR(outlined.bottom, glyph.bottom, 3);
}

TEST(RotatedText, WhiteTextOnBlackKeepsTheBackground)
{
    TextSurface t(12, 60, kBlack);
    t.dc.setTextColor(RgbColor(255, 255, 255));
    t.dc.setBkColor(RgbColor(0, 0, 255));
    t.dc.drawTextRotatedTopLeft(20, 20, 12, 0.0, "一");
    RECT box;
    ASSERT_TRUE(t.surface.inkBox(box, kBlack));
    EXPECT_EQ(t.surface.pixel((box.left + box.right) / 2, (box.top + box.bottom) / 2), kWhite);
    // Nothing but white ink was added, and the context's colours are as they were.
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_TRUE(t.surface.pixel(x, y) == kBlack || t.surface.pixel(x, y) == kWhite) << x << "," << y;
    EXPECT_EQ(t.dc.getBkColor().colorRef, RGB(0, 0, 255));
    EXPECT_EQ(t.dc.getTextColor().colorRef, kWhite);

    // Coloured text on white: only the text colour appears.
    TextSurface red(12, 60);
    red.dc.setTextColor(RgbColor(255, 0, 0));
    red.dc.drawTextRotatedTopLeft(20, 20, 12, 180.0, "一");
    ASSERT_TRUE(red.surface.inkBox(box));
    EXPECT_EQ(red.surface.pixel((box.left + box.right) / 2, (box.top + box.bottom) / 2), RGB(255, 0, 0));
}

// Text drawn again in white over itself, as an element is erased, leaves no pixel of it: small
// text at odd angles is shrunk from a larger cell, and the shrink keeps white glyphs as it keeps black.
TEST(RotatedText, WhiteTextOverTheSameTextErasesIt)
{
    const struct {
        int size;
        double angle;
    } cases[] = {{11, 153.4}, {11, 63.8}, {8, 333.0}, {12, 30.0}, {11, 180.0}, {11, 0.0}};
    for (const auto& c : cases) {
        TextSurface t(c.size);
        t.dc.drawTextRotatedTopLeft(80, 80, c.size, c.angle, "72\x81\x8b");
        ASSERT_GT(t.surface.inkCount(0, 0, 160, 160), 20) << c.size << " at " << c.angle;
        t.dc.setTextColor(RgbColor(255, 255, 255));
        t.dc.drawTextRotatedTopLeft(80, 80, c.size, c.angle, "72\x81\x8b");
        EXPECT_EQ(t.surface.inkCount(0, 0, 160, 160), 0) << c.size << " at " << c.angle;
    }
}

TEST(GlyphRenderer, AnglesAndWorkSizes)
{
    EXPECT_EQ(GlyphRenderer::quarterTurn(0.0), 0);
    EXPECT_EQ(GlyphRenderer::quarterTurn(90.000001), 90);
    EXPECT_EQ(GlyphRenderer::quarterTurn(270.0), 270);
    EXPECT_EQ(GlyphRenderer::quarterTurn(360.0), -1);
    EXPECT_EQ(GlyphRenderer::quarterTurn(-90.0), -1);
    EXPECT_EQ(GlyphRenderer::quarterTurn(45.0), -1);

    EXPECT_EQ(GlyphRenderer::workFontSize(12, 90), 12);
    EXPECT_EQ(GlyphRenderer::workFontSize(12, -1), 24);
    EXPECT_EQ(GlyphRenderer::workFontSize(30, -1), 30);
    EXPECT_EQ(GlyphRenderer::workFontSize(64, 0), 64);
    EXPECT_EQ(GlyphRenderer::workFontSize(200, 0), 64);

    DibSurface surface(20, 20);
    GlyphRenderer tiny(surface.hdc, 2, 0.0);
    EXPECT_EQ(tiny.draw(10, 10, "A", 1, 2, 2), 0);
    EXPECT_EQ(surface.inkCount(0, 0, 20, 20), 0);

    // A size above 64 is drawn from a 64-pixel cell stretched to the size.
    DibSurface large(200, 200);
    GlyphRenderer big(large.hdc, 100, 0.0);
    SIZE extent;
    GetTextExtentPointA(large.hdc, "I", 1, &extent);
    EXPECT_EQ(big.draw(100, 100, "I", 1, extent.cx, extent.cy), 1);
    RECT box;
    ASSERT_TRUE(large.inkBox(box));
    EXPECT_GE(box.top, 50);
    EXPECT_LE(box.bottom, 150);
    EXPECT_GT(box.bottom - box.top, 40);
}

} // namespace
