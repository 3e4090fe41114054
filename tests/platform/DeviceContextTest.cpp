// The device context: where its HDC comes from, held objects, clipping, lines, dashes, rectangle
// sides and fills, read back from a DIB section.
#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

#include "platform/BrushHolder.h"
#include "platform/DeviceContext.h"
#include "platform/FontHolder.h"
#include "platform/IntPointList.h"
#include "platform/IntPolygon.h"
#include "platform/IntRect.h"
#include "platform/Region.h"
#include "platform/ScreenSurface.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/TestApplication.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

// Counts the window DCs fetched and handed back.
struct DcCalls {
    static int gets;
    static int releases;
    static HDC(WINAPI* getOriginal)(HWND);
    static int(WINAPI* releaseOriginal)(HWND, HDC);
    static HDC WINAPI getDc(HWND window)
    {
        ++gets;
        return getOriginal(window);
    }
    static int WINAPI releaseDc(HWND window, HDC hdc)
    {
        ++releases;
        return releaseOriginal(window, hdc);
    }
};
int DcCalls::gets = 0;
int DcCalls::releases = 0;
HDC(WINAPI* DcCalls::getOriginal)(HWND) = nullptr;
int(WINAPI* DcCalls::releaseOriginal)(HWND, HDC) = nullptr;

int WINAPI noClipBox(HDC, LPRECT box)
{
    SetRectEmpty(box);
    return NULLREGION;
}

HRGN WINAPI noRegion(int, int, int, int) { return nullptr; }

TEST(DeviceContext, NestedAcquiresFetchOneWindowDc)
{
    TestApplication app;
    RecordingWindow window;
    DeviceContext& dc = window.dc;
    ImportPatch getDc("user32.dll", "GetDC", reinterpret_cast<void*>(DcCalls::getDc));
    ImportPatch releaseDc("user32.dll", "ReleaseDC", reinterpret_cast<void*>(DcCalls::releaseDc));
    ASSERT_TRUE(getDc.original());
    ASSERT_TRUE(releaseDc.original());
    DcCalls::getOriginal = reinterpret_cast<HDC(WINAPI*)(HWND)>(getDc.original());
    DcCalls::releaseOriginal = reinterpret_cast<int(WINAPI*)(HWND, HDC)>(releaseDc.original());
    DcCalls::gets = DcCalls::releases = 0;

    dc.acquire();
    HDC first = dc.hdc;
    dc.acquire();
    EXPECT_EQ(dc.hdc, first);
    dc.release();
    EXPECT_EQ(DcCalls::releases, 0);
    dc.release();
    EXPECT_EQ(DcCalls::gets, 1);
    EXPECT_EQ(DcCalls::releases, 1);
    EXPECT_EQ(dc.nesting, 0);

    // An unbalanced release hands nothing back.
    dc.release();
    EXPECT_EQ(DcCalls::releases, 1);

    // A pen selected while no DC is held is selected into the next one fetched.
    ASSERT_TRUE(dc.selectPen(PenSpec(RgbColor(255, 0, 0))));
    dc.acquire();
    EXPECT_EQ(GetCurrentObject(dc.hdc, OBJ_PEN), dc.pen->handle);
    dc.release();

    // While painting every operation draws on the paint DC: no GetDC, no ReleaseDC.
    DcCalls::gets = DcCalls::releases = 0;
    InvalidateRect(window.hwnd(), nullptr, TRUE);
    window.beginPaint();
    dc.acquire();
    dc.acquire();
    dc.drawLine(0, 0, 5, 5);
    dc.fillRect(RgbColor(), IntRect());
    dc.release();
    dc.release();
    window.endPaint();
    EXPECT_EQ(DcCalls::gets, 0);
    EXPECT_EQ(DcCalls::releases, 0);

    // A paint that comes while a DC is held (a read measuring its texts pumps the progress
    // window's messages) leaves the held DC in place, its pen selected, for the work that
    // follows and for the one ReleaseDC at the end.
    dc.acquire();
    HDC held = dc.hdc;
    InvalidateRect(window.hwnd(), nullptr, TRUE);
    window.beginPaint();
    EXPECT_NE(dc.hdc, held);
    ASSERT_TRUE(dc.selectPen(PenSpec(RgbColor(0, 0, 255))));
    window.endPaint();
    EXPECT_EQ(dc.hdc, held);
    EXPECT_EQ(GetCurrentObject(held, OBJ_PEN), dc.pen->handle);
    dc.acquire();
    dc.release();
    dc.release();
    EXPECT_EQ(DcCalls::gets, 1);
    EXPECT_EQ(DcCalls::releases, 1);
    EXPECT_EQ(dc.nesting, 0);
}

TEST(DeviceContext, HeldObjectsReplaceOneAnother)
{
    DibSurface surface(20, 20);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    ASSERT_TRUE(dc.selectPen(PenSpec(RgbColor(0, 0, 255), 1, 3)));
    HPEN firstPen = dc.pen->handle;
    ASSERT_TRUE(dc.selectPen(PenSpec(RgbColor(0, 255, 0))));
    EXPECT_NE(dc.pen->handle, firstPen);
    EXPECT_EQ(GetCurrentObject(surface.hdc, OBJ_PEN), dc.pen->handle);
    // The pen held before was deleted after the new one went in.
    EXPECT_EQ(GetObjectType(firstPen), 0u);

    LOGFONTA description = {};
    description.lfHeight = -12;
    description.lfCharSet = SHIFTJIS_CHARSET;
    ASSERT_TRUE(dc.selectFont(description));
    HFONT owned = dc.font->owned;
    EXPECT_EQ(dc.font->current, owned);
    EXPECT_EQ(GetCurrentObject(surface.hdc, OBJ_FONT), owned);
    ASSERT_TRUE(dc.selectGuiFont());
    EXPECT_EQ(dc.font->owned, nullptr);
    EXPECT_EQ(dc.font->current, GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(GetObjectType(owned), 0u);

    dc.setTextColor(RgbColor(10, 20, 30));
    EXPECT_EQ(dc.getTextColor().colorRef, RGB(10, 20, 30));
    ASSERT_TRUE(dc.selectTextColourBrush());
    LOGBRUSH brush = {};
    GetObjectA(dc.brush->handle, sizeof brush, &brush);
    EXPECT_EQ(brush.lbColor, RGB(10, 20, 30));
    dc.setBkColor(RgbColor(1, 2, 3));
    EXPECT_EQ(dc.getBkColor().colorRef, RGB(1, 2, 3));

    // Handing the HDC back leaves none of our objects selected in it.
    HPEN held = dc.pen->handle;
    dc.detachHdc();
    EXPECT_NE(GetCurrentObject(surface.hdc, OBJ_PEN), held);
    EXPECT_EQ(dc.hdc, nullptr);
}

// Texts of a few sizes take turns: a size drawn before selects the font made for it then, until
// more sizes than are kept push it out; the stock font deletes every font made.
TEST(DeviceContext, FontsOfRecentSizesAreSelectedAgainNotMadeAgain)
{
    DibSurface surface(40, 20);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    auto selectHeight = [&](int height) {
        LOGFONTA description = {};
        description.lfHeight = -height;
        description.lfCharSet = SHIFTJIS_CHARSET;
        EXPECT_TRUE(dc.selectFont(description));
        EXPECT_EQ(GetCurrentObject(surface.hdc, OBJ_FONT), dc.font->owned);
        EXPECT_EQ(dc.font->current, dc.font->owned);
        LOGFONTA selected = {};
        EXPECT_TRUE(GetObjectA(GetCurrentObject(surface.hdc, OBJ_FONT), sizeof selected, &selected));
        EXPECT_EQ(selected.lfHeight, -height) << "the font of the size asked for";
        return dc.font->owned;
    };
    const int kept = FontHolder::kKeptFonts;
    std::vector<HFONT> made;
    for (int i = 0; i <= kept; ++i)
        made.push_back(selectHeight(10 + i));
    // Every earlier size is kept beside the selected one: selecting it again makes nothing.
    for (int i = kept; i >= 0; --i)
        EXPECT_EQ(selectHeight(10 + i), made[i]) << "size " << 10 + i;
    for (HFONT font : made)
        EXPECT_NE(GetObjectType(font), 0u);
    // One size more than there is room for: the font least recently selected goes.
    const HFONT newest = selectHeight(30);
    EXPECT_EQ(GetObjectType(made[kept]), 0u);
    for (int i = 0; i < kept; ++i)
        EXPECT_NE(GetObjectType(made[i]), 0u) << "size " << 10 + i;
    // A size pushed out is made anew.
    EXPECT_NE(selectHeight(10 + kept), made[kept]);
    ASSERT_TRUE(dc.selectGuiFont());
    EXPECT_EQ(GetObjectType(newest), 0u);
    for (int i = 0; i < kept; ++i)
        EXPECT_EQ(GetObjectType(made[i]), 0u) << "size " << 10 + i;
}

TEST(DeviceContext, MemoryDcLifetime)
{
    DeviceContext dc;
    ASSERT_TRUE(dc.createMemoryDc());
    HDC memory = dc.hdc;
    EXPECT_EQ(dc.ownsMemoryDc, 1);
    EXPECT_EQ(GetObjectType(memory), static_cast<DWORD>(OBJ_MEMDC));
    dc.acquire();
    dc.release();
    EXPECT_EQ(dc.hdc, memory);
    dc.deleteMemoryDc();
    EXPECT_EQ(dc.ownsMemoryDc, 0);
    EXPECT_EQ(GetObjectType(memory), 0u);
}

TEST(DeviceContext, ClipRegionAndClipBox)
{
    DibSurface surface(50, 40);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);

    // Without a clip region the clip box of the whole surface comes back.
    Region region;
    ASSERT_EQ(dc.getClipRegion(region), 1);
    IntRect box = region.boundingBox();
    EXPECT_EQ(box.right, 50);
    EXPECT_EQ(box.bottom, 40);

    IntRect clip;
    clip.set(5, 10, 20, 15); // top, left, right, bottom
    dc.clipToRect(clip);
    ASSERT_EQ(dc.getClipRegion(region), 1);
    box = region.boundingBox();
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 5);
    EXPECT_EQ(box.right, 20);
    EXPECT_EQ(box.bottom, 15);

    dc.fillRect(RgbColor(0, 0, 0), IntRect{});
    IntRect all;
    all.set(0, 0, 50, 40);
    dc.fillRect(RgbColor(0, 0, 0), all);
    EXPECT_EQ(surface.pixel(10, 5), kBlack);
    EXPECT_EQ(surface.pixel(9, 5), kWhite);
    EXPECT_EQ(surface.pixel(20, 14), kWhite);

    IntRect narrower;
    narrower.set(0, 0, 12, 40);
    dc.intersectClip(narrower);
    ASSERT_EQ(dc.getClipRegion(region), 1);
    EXPECT_EQ(region.boundingBox().right, 12);

    dc.resetClip();
    ASSERT_EQ(dc.getClipRegion(region), 1);
    EXPECT_EQ(region.boundingBox().right, 50);

    Region none;
    EXPECT_EQ(dc.selectClipRegion(none), 0);
}

// The ink runs along row y between x = from and x = to - 1, as a string of '#' and '.'.
std::string row(const DibSurface& s, int y, int from, int to)
{
    std::string out;
    for (int x = from; x < to; ++x)
        out += s.pixel(x, y) == kWhite ? '.' : '#';
    return out;
}

TEST(DeviceContext, DashedAndDottedLinesAreDrawnDashByDash)
{
    DibSurface surface(60, 20);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    PenSpec dashed(RgbColor(), 2, 1);
    dc.drawStyledLine(dashed, 0, 5, 40, 5);
    EXPECT_EQ(row(surface, 5, 0, 42), "##########...##########...##########...#..");

    PenSpec dotted(RgbColor(), 3, 1);
    dc.drawHorizontalLine(dotted, 8, 0, 14);
    EXPECT_EQ(row(surface, 8, 0, 16), "###...###...##..");

    // Vertical, through the same dash rule.
    dc.drawVerticalLine(dashed, 50, 0, 15);
    std::string column;
    for (int y = 0; y < 16; ++y)
        column += surface.pixel(50, y) == kWhite ? '.' : '#';
    EXPECT_EQ(column, "##########...##.");

    // Shorter than a pixel: nothing.
    surface.fill(kWhite);
    dc.drawStyledLine(dashed, 7, 7, 7, 7);
    dc.drawDashSegments(dashed, 1, 1, 30, 1, 0, 3, 0);
    EXPECT_EQ(surface.inkCount(0, 0, 60, 20), 0);

    // Offsets: inside the first dash it starts there; beyond it the first dash is shortened.
    dc.drawDashSegments(dashed, 0, 2, 30, 2, 5, 2, 3);
    EXPECT_EQ(row(surface, 2, 0, 16), "...#####..#####.");
    dc.drawDashSegments(dashed, 0, 4, 30, 4, 5, 2, 7);
    EXPECT_EQ(row(surface, 4, 0, 12), "##..#####..#");
    // A negative gap cannot make the walk go backwards.
    dc.drawDashSegments(dashed, 0, 6, 30, 6, 4, -9, 0);
    EXPECT_EQ(row(surface, 6, 0, 31), std::string(30, '#') + ".");
}

TEST(DeviceContext, DashesOfLinesFarBeyondTheSurfaceSitWhereTheWalkPutsThem)
{
    // Lines across the whole int range return at once. Along a horizontal line the pixel at
    // distance t from the start is ink when t mod 13 < 10 (10 on, 3 off).
    struct Case {
        int x1, x2, y;
    };
    const Case cases[] = {
        {-1999999989, 2000000000, 5}, // a multiple of 13 before 0: a dash starts at x = 0
        {2000000000, -2000000000, 9}, // drawn leftwards
        {-2000000000, 50, 13},        // ends inside the surface
        {INT_MIN, INT_MAX, 17},
    };
    DibSurface surface(60, 20);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    PenSpec dashed(RgbColor(), 2, 1);
    for (const Case& c : cases) {
        dc.drawStyledLine(dashed, c.x1, c.y, c.x2, c.y);
        std::string expected;
        for (int x = 0; x < 60; ++x) {
            long long t = c.x2 > c.x1 ? static_cast<long long>(x) - c.x1 : static_cast<long long>(c.x1) - x;
            bool onLine = c.x2 > c.x1 ? x < c.x2 : x > c.x2;
            expected += onLine && t % 13 < 10 ? '#' : '.';
        }
        EXPECT_EQ(row(surface, c.y, 0, 60), expected) << c.x1 << " to " << c.x2;
    }

    // A slanted line much longer than the surface: the part in view is the same whether the
    // surface sees little or much of it, so skipping dashes out of view keeps their phase.
    DibSurface small(60, 20), large(400, 300);
    for (DibSurface* target : {&small, &large}) {
        DeviceContext on;
        on.attachHdc(target->hdc);
        on.drawStyledLine(dashed, -70001, -50003, 90001, 70011);
        on.drawDashSegments(PenSpec(RgbColor(), 1, 3), 100000, -90000, -100000, 90017, 7, 5, 9);
    }
    for (int y = 0; y < 20; ++y)
        EXPECT_EQ(row(small, y, 0, 60), row(large, y, 0, 60)) << y;
    EXPECT_GT(small.inkCount(0, 0, 60, 20), 20);
}

TEST(DeviceContext, RectangleSidesJoinAtTheirCorners)
{
    DibSurface surface(30, 30);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    IntRect r;
    r.set(5, 5, 15, 15); // top, left, right, bottom
    PenSpec pen;

    // Top and bottom: two separate lines, each without its right end.
    dc.drawRectSides(pen, r, 1, 0, 0, 1);
    EXPECT_EQ(row(surface, 5, 4, 17), ".##########..");
    EXPECT_EQ(row(surface, 15, 4, 17), ".##########..");
    EXPECT_EQ(surface.inkCount(0, 6, 30, 15), 0);

    // Top, right and bottom: one path from (left, top) round to (left, bottom), so the corners
    // are drawn and the path stops short of its end.
    surface.fill(kWhite);
    dc.drawRectSides(pen, r, 1, 0, 1, 1);
    EXPECT_EQ(row(surface, 5, 4, 17), ".###########.");
    EXPECT_EQ(row(surface, 15, 4, 17), "..##########.");
    EXPECT_EQ(surface.pixel(15, 10), kBlack);
    EXPECT_EQ(surface.pixel(5, 10), kWhite);

    // All four: the closed cycle.
    surface.fill(kWhite);
    dc.drawFrame(pen, r, 2);
    EXPECT_EQ(surface.inkCount(0, 0, 30, 30), 40 + 32);
    EXPECT_EQ(surface.pixel(6, 6), kBlack);
    EXPECT_EQ(surface.pixel(7, 7), kWhite);

    // Left alone runs from (left, top) down.
    surface.fill(kWhite);
    dc.drawRectSides(pen, r, 0, 1, 0, 0);
    EXPECT_EQ(surface.pixel(5, 5), kBlack);
    EXPECT_EQ(surface.pixel(5, 15), kWhite);
}

TEST(DeviceContext, CheckBox)
{
    DibSurface surface(40, 40);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    PenSpec pen;
    surface.fill(RGB(0, 128, 0));
    IntRect box;
    box.set(20, 20, 34, 34);
    dc.drawCheckBox(pen, box, 0);
    EXPECT_EQ(surface.pixel(25, 25), kWhite);
    EXPECT_EQ(surface.pixel(20, 25), kBlack);
    int unticked = surface.inkCount(21, 21, 34, 34);
    dc.drawCheckBox(pen, box, 1);
    // The tick: its lowest point three sevenths across, two above the bottom, three pixels thick.
    int a = 3 * 14 / 7;
    EXPECT_EQ(surface.pixel(20 + a, 32), kBlack);
    EXPECT_EQ(surface.pixel(20 + a, 30), kBlack);
    EXPECT_GT(surface.inkCount(21, 21, 34, 34), unticked + 20);
}

TEST(DeviceContext, FillsUseATemporaryBrush)
{
    DibSurface surface(40, 40);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    IntPolygon triangle;
    ASSERT_TRUE(triangle.add(0, 0));
    ASSERT_TRUE(triangle.add(20, 0));
    ASSERT_TRUE(triangle.add(0, 20));
    dc.fillPolygon(RgbColor(255, 0, 0), triangle);
    EXPECT_EQ(surface.pixel(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(surface.pixel(18, 18), kWhite);
    EXPECT_EQ(dc.brush->handle, nullptr);

    Region region;
    ASSERT_TRUE(region.createRect(30, 30, 35, 35));
    dc.fillRegion(RgbColor(0, 0, 255), region);
    EXPECT_EQ(surface.pixel(32, 32), RGB(0, 0, 255));

    IntPointList points;
    ASSERT_TRUE(points.add(0, 38));
    ASSERT_TRUE(points.add(10, 38));
    ASSERT_TRUE(points.add(10, 30));
    dc.drawPolyline(PenSpec(RgbColor(0, 0, 255)), points);
    EXPECT_EQ(surface.pixel(5, 38), RGB(0, 0, 255));
    EXPECT_EQ(surface.pixel(10, 34), RGB(0, 0, 255));
}

} // namespace

namespace {

TEST(WindowClip, SaveRestoreAndTheClipFlag)
{
    TestApplication app;
    DibSurface surface(60, 60);
    RecordingWindow window;
    window.dc.attachHdc(surface.hdc);
    Region region;

    IntRect clip;
    clip.set(10, 10, 30, 30);
    window.setClipRect(clip);
    window.saveClip();
    window.clearClip();
    ASSERT_EQ(window.dc.getClipRegion(region), 1);
    EXPECT_EQ(region.boundingBox().right, 60);
    window.restoreClip();
    ASSERT_EQ(window.dc.getClipRegion(region), 1);
    EXPECT_EQ(region.boundingBox().right, 30);

    // Intersections narrow the clip, unless the flag asks for a fresh start.
    IntRect part;
    part.set(0, 0, 20, 60);
    window.intersectClipRect(part);
    ASSERT_TRUE(window.dc.getClipRegion(region));
    EXPECT_EQ(region.boundingBox().left, 10);
    EXPECT_EQ(region.boundingBox().right, 20);
    window.clipFlag = 1;
    window.intersectClipRect(part);
    EXPECT_EQ(window.clipFlag, 0);
    ASSERT_TRUE(window.dc.getClipRegion(region));
    EXPECT_EQ(region.boundingBox().left, 0);
    EXPECT_EQ(region.boundingBox().bottom, 60);

    // The flag also drops the clip before a save.
    window.setClipRect(clip);
    window.clipFlag = 1;
    window.saveClip();
    window.setClipRect(clip);
    window.restoreClip();
    ASSERT_TRUE(window.dc.getClipRegion(region));
    EXPECT_EQ(region.boundingBox().right, 60);
    EXPECT_EQ(window.resetClip(), 0);

    // A save that finds no clip area at all keeps nothing: restoring then drops the clip instead of
    // bringing back what the save before kept.
    window.setClipRect(clip);
    window.saveClip();
    window.clearClip();
    {
        ImportPatch box("gdi32.dll", "GetClipBox", reinterpret_cast<void*>(noClipBox));
        ASSERT_NE(box.original(), nullptr);
        window.saveClip();
    }
    window.setClipRect(part);
    window.restoreClip();
    ASSERT_TRUE(region.ensureCreated());
    EXPECT_EQ(GetClipRgn(surface.hdc, region.hrgn), 0) << "a clip region is selected";
    window.dc.detachHdc();
}

TEST(DeviceContext, AScrollTellsTheUncoveredPartOrDoesNotHappen)
{
    DibSurface surface(40, 40);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    IntRect all;
    all.set(0, 0, 40, 40);
    IntRect mark;
    mark.set(0, 0, 10, 10);
    dc.fillRect(RgbColor(0, 0, 0), mark);
    Region update;
    {
        // Without a region for the uncovered part its caller could not repaint it.
        ImportPatch create("gdi32.dll", "CreateRectRgn", reinterpret_cast<void*>(noRegion));
        ASSERT_NE(create.original(), nullptr);
        EXPECT_EQ(dc.scroll(all, 20, 0, update), 0);
    }
    EXPECT_EQ(surface.pixel(25, 5), kWhite);
    ASSERT_NE(dc.scroll(all, 20, 0, update), 0);
    EXPECT_EQ(surface.pixel(25, 5), kBlack);
    IntRect uncovered = update.boundingBox();
    EXPECT_EQ(uncovered.left, 0);
    EXPECT_EQ(uncovered.right, 20);
    EXPECT_EQ(uncovered.bottom, 40);
    dc.detachHdc();
}

TEST(ScreenSurface, DrawsOnTheWholeScreen)
{
    TestApplication app;
    ASSERT_TRUE(theScreenSurface);
    EXPECT_EQ(theScreenSurface->hwnd(), nullptr);
    theScreenSurface->dc.acquire();
    HDC screen = theScreenSurface->dc.hdc;
    ASSERT_TRUE(screen);
    EXPECT_EQ(GetDeviceCaps(screen, HORZRES), GetSystemMetrics(SM_CXSCREEN));
    theScreenSurface->dc.release();
}

} // namespace
