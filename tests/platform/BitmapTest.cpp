// Device-dependent bitmaps, the readers' DIB header block and the DIB drawer with every source it
// draws: the library's own image, the header block, and the images of the import readers.
#include <cstring>
#include <gtest/gtest.h>
#include <new>
#include <windows.h>

#include "platform/Bitmap.h"
#include "platform/DeviceContext.h"
#include "platform/DibDrawer.h"
#include "platform/DibHeaderBlock.h"
#include "platform/DibSource.h"
#include "platform/GlobalBlock.h"
#include "platform/IntRect.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestResources.h"

namespace {

// What the DIB drawer reads of an indexed picture (such as a decoded GIF): its size, the depth it
// stores (bits per pixel less one), 256 palette entries of red, green and blue, and the rows.
class IndexedPicture : public IndexedDibSource {
public:
    [[nodiscard]] int imageWidth() const override { return width; }
    [[nodiscard]] int imageHeight() const override { return height; }
    [[nodiscard]] const void* lockPixels() override { return pixels.lock(); }
    void unlockPixels() override { pixels.unlock(); }
    [[nodiscard]] int depthValue() const override { return depth; }
    [[nodiscard]] const unsigned char* paletteTriples() const override { return palette; }

    int width = 0;
    int height = 0;
    int depth = 0;
    unsigned char palette[256 * 3] = {};
    GlobalBlock pixels;
};

// A picture of 24-bit rows (such as a decoded JPEG).
class RgbPicture : public RgbDibSource {
public:
    [[nodiscard]] int imageWidth() const override { return width; }
    [[nodiscard]] int imageHeight() const override { return height; }
    [[nodiscard]] const void* lockPixels() override { return pixels.lock(); }
    void unlockPixels() override { pixels.unlock(); }

    int width = 0;
    int height = 0;
    GlobalBlock pixels;
};


const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

// A scanned picture as the TIFF reader hands it to the drawer: size, depth, resolution (dots per
// inch), an optional colour map of three planes of 16-bit values, and the pixel rows.
class ScannedPicture : public ScanDibSource {
public:
    [[nodiscard]] int imageWidth() const override { return width; }
    [[nodiscard]] int imageHeight() const override { return height; }
    [[nodiscard]] const void* lockPixels() override { return pixels.lock(); }
    void unlockPixels() override { pixels.unlock(); }
    [[nodiscard]] int bitsPerPixel() const override { return bitCount; }
    [[nodiscard]] int xResolution() const override { return xDotsPerInch; }
    [[nodiscard]] int yResolution() const override { return yDotsPerInch; }
    [[nodiscard]] int colorMapCount() const override { return mapCount; }
    [[nodiscard]] const unsigned short* colorMap() const override { return map; }

    int width = 0;
    int height = 0;
    int bitCount = 1;
    int xDotsPerInch = 0;
    int yDotsPerInch = 0;
    int mapCount = 0;
    const unsigned short* map = nullptr;
    GlobalBlock pixels;
};

IntRect rectAt(int left, int top, int width, int height)
{
    IntRect r;
    r.set(top, left, left + width, top + height);
    return r;
}

TEST(DibHeaderBlock, RowStrideImageSizeAndPaletteSizeFollowTheDepth)
{
    struct Case {
        int bitCount;
        LONG width;
        int stride;
        int paletteSize;
    };
    const Case cases[] = {
        {1, 1, 4, 2},    {1, 32, 4, 2},     {1, 33, 8, 2},  {4, 8, 4, 16}, {4, 9, 8, 16}, {8, 5, 8, 256},
        {24, 5, 16, 0},  {24, 4, 12, 0},    {16, 5, 0, -1}, {32, 5, 0, -1}, {0, 5, 0, -1},
    };
    DibHeaderBlock block;
    for (const Case& c : cases) {
        block.header()->biBitCount = static_cast<WORD>(c.bitCount);
        block.header()->biWidth = c.width;
        EXPECT_EQ(block.rowStride(), c.stride) << c.bitCount << " bits, width " << c.width;
        EXPECT_EQ(block.paletteSize(), c.paletteSize) << c.bitCount;
    }
    // The image size counts the rows of a top-down header too; a stated size wins.
    block.header()->biBitCount = 24;
    block.header()->biWidth = 5;
    block.header()->biHeight = -7;
    EXPECT_EQ(block.imageSize(), 16 * 7);
    block.header()->biSizeImage = 1000;
    EXPECT_EQ(block.imageSize(), 1000);
    // 16 bits have no stride here, so the image size is 0: a reader refuses it.
    block.header()->biSizeImage = 0;
    block.header()->biBitCount = 16;
    EXPECT_EQ(block.imageSize(), 0);

    EXPECT_EQ(block.allocateBits(-1), 0);
    EXPECT_EQ(block.bits(), nullptr);
    ASSERT_EQ(block.allocateBits(100), 1);
    ASSERT_NE(block.bits(), nullptr);
    EXPECT_GE(block.bits()->capacity, 356);
    EXPECT_EQ(reinterpret_cast<unsigned char*>(block.header()) - block.prefix(), 16);
    EXPECT_EQ(reinterpret_cast<unsigned char*>(block.palette()) - block.prefix(), 56);
}

// LoadBitmapA as the library calls it, keeping the handle it gave.
using LoadBitmapFunction = HBITMAP(WINAPI*)(HINSTANCE, LPCSTR);
LoadBitmapFunction realLoadBitmap = nullptr;
HBITMAP lastLoaded = nullptr;
HBITMAP WINAPI recordingLoadBitmap(HINSTANCE instance, LPCSTR name)
{
    lastLoaded = realLoadBitmap(instance, name);
    return lastLoaded;
}

TEST(Bitmap, ReleaseDeletesOnlyTheBitmapsItLoaded)
{
    TestApplication app;
    HBITMAP own = CreateBitmap(33, 7, 1, 32, nullptr);
    ASSERT_NE(own, nullptr);
    {
        Bitmap bitmap;
        bitmap.attach(own);
        ASSERT_EQ(bitmap.getInfo(), 1);
        EXPECT_EQ(bitmap.info.bmWidth, 33);
        EXPECT_EQ(bitmap.info.bmHeight, 7);
        EXPECT_EQ(bitmap.byteSize(), 33 * 4 * 7);
        unsigned char bits[33 * 4 * 7];
        std::memset(bits, 0x5A, sizeof bits);
        EXPECT_EQ(bitmap.setBits(sizeof bits, bits), static_cast<LONG>(sizeof bits));
        std::memset(bits, 0, sizeof bits);
        EXPECT_EQ(bitmap.getBits(sizeof bits, bits), static_cast<LONG>(sizeof bits));
        EXPECT_EQ(bits[100], 0x5A);
        bitmap.release();
        EXPECT_EQ(bitmap.hbitmap, nullptr);
        EXPECT_EQ(GetObjectType(own), static_cast<DWORD>(OBJ_BITMAP)) << "an attached bitmap stays its owner's";
        EXPECT_EQ(bitmap.getInfo(), 0);
        EXPECT_EQ(bitmap.byteSize(), 0);

        // A resource loaded after an attach is the object's own.
        bitmap.attach(own);
        ImportPatch patch("user32.dll", "LoadBitmapA", reinterpret_cast<void*>(recordingLoadBitmap));
        ASSERT_NE(patch.original(), nullptr);
        ScopedOverride<LoadBitmapFunction> real(realLoadBitmap, reinterpret_cast<LoadBitmapFunction>(patch.original()));
        IntRect size;
        size.set(10, 20, 20, 10);
        ASSERT_EQ(bitmap.measureResource(IDB_TEST_PICTURE, size), 1);
        EXPECT_EQ(size.left, 20);
        EXPECT_EQ(size.width(), 16);
        EXPECT_EQ(size.height(), 8);
        ASSERT_NE(lastLoaded, nullptr);
        EXPECT_EQ(GetObjectType(lastLoaded), 0u) << "measuring releases the loaded bitmap";
        EXPECT_EQ(GetObjectType(own), static_cast<DWORD>(OBJ_BITMAP));

        ASSERT_EQ(bitmap.loadResource(IDB_TEST_PICTURE), 1);
        HBITMAP loaded = bitmap.hbitmap;
        bitmap.release();
        EXPECT_EQ(GetObjectType(loaded), 0u);
        EXPECT_EQ(bitmap.measureResource(1, size), 0) << "no such resource";
    }
    EXPECT_EQ(GetObjectType(own), static_cast<DWORD>(OBJ_BITMAP));
    DeleteObject(own);
}

// StretchBlt as the library calls it, keeping the destination size it was given.
using StretchBltFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, DWORD);
StretchBltFunction realStretchBlt = nullptr;
SIZE stretchedTo = {};
BOOL WINAPI recordingStretchBlt(HDC target, int x, int y, int w, int h, HDC source, int sx, int sy, int sw, int sh,
                                DWORD rop)
{
    stretchedTo = {w, h};
    return realStretchBlt(target, x, y, w, h, source, sx, sy, sw, sh, rop);
}

TEST(Bitmap, DrawsStretchedToTheRectangleOrAtItsOwnSize)
{
    TestApplication app;
    ImportPatch patch("gdi32.dll", "StretchBlt", reinterpret_cast<void*>(recordingStretchBlt));
    ASSERT_NE(patch.original(), nullptr);
    ScopedOverride<StretchBltFunction> real(realStretchBlt, reinterpret_cast<StretchBltFunction>(patch.original()));
    const IntRect rect = rectAt(5, 5, 40, 30);
    struct Case {
        int naturalSize;
        SIZE drawn;
    };
    const Case cases[] = {{0, {40, 30}}, {1, {16, 8}}};   // the test picture is 16 x 8
    for (const Case& c : cases) {
        Bitmap bitmap;
        bitmap.naturalSize = c.naturalSize;
        stretchedTo = {};
        // The screen's DC stands in for a window's (no window: GetDC of none).
        ASSERT_EQ(bitmap.drawResource(IDB_TEST_PICTURE, nullptr, rect), 1) << c.naturalSize;
        EXPECT_EQ(stretchedTo.cx, c.drawn.cx) << c.naturalSize;
        EXPECT_EQ(stretchedTo.cy, c.drawn.cy) << c.naturalSize;
        EXPECT_EQ(bitmap.hbitmap, nullptr) << "released after the draw";
        EXPECT_EQ(bitmap.drawResource(1, nullptr, rect), 0) << "no such resource";
    }
}

// A drawer and the bytes after it, to see that filling its palette writes nothing beyond it.
struct GuardedDrawer {
    GuardedDrawer()
    {
        std::memset(storage, 0xA5, sizeof storage);
        drawer = new (storage) DibDrawer;
    }
    ~GuardedDrawer() { drawer->~DibDrawer(); }
    bool tailIntact() const
    {
        for (size_t i = sizeof(DibDrawer); i < sizeof storage; ++i)
            if (storage[i] != 0xA5)
                return false;
        return true;
    }
    alignas(DibDrawer) unsigned char storage[sizeof(DibDrawer) + 64];
    DibDrawer* drawer;
};

TEST(DibDrawer, ScannedImagesGetTheirDepthResolutionPaletteAndRasterOperation)
{
    // A 1-bit picture draws inverted: a set bit is ink, a clear one paper.
    ScannedPicture bilevel;
    bilevel.width = 8;
    bilevel.height = 2;
    bilevel.bitCount = 1;
    bilevel.xDotsPerInch = 300;
    bilevel.yDotsPerInch = 72;
    ASSERT_EQ(bilevel.pixels.reserve(8), 1);
    {
        BlockLock rows(bilevel.pixels);
        ASSERT_TRUE(rows);
        const unsigned char bits[8] = {0xF0, 0, 0, 0, 0x0F, 0, 0, 0};   // bottom row, then top row
        std::memcpy(rows.data(), bits, sizeof bits);
    }
    GuardedDrawer guarded;
    DibDrawer& drawer = *guarded.drawer;
    drawer.setupFromScan(bilevel);
    EXPECT_EQ(drawer.rop, static_cast<DWORD>(NOTSRCCOPY));
    EXPECT_EQ(drawer.header().biBitCount, 1);
    EXPECT_EQ(drawer.header().biXPelsPerMeter, 11811);
    EXPECT_EQ(drawer.header().biYPelsPerMeter, 2834);
    EXPECT_EQ(drawer.palette()[0].rgbRed, 0);
    EXPECT_EQ(drawer.palette()[1].rgbRed, 255);
    EXPECT_EQ(drawer.palette()[1].rgbBlue, 255);

    DibSurface surface(20, 10);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    ASSERT_EQ(drawer.draw(dc, rectAt(2, 3, 8, 2), bilevel), 1);
    EXPECT_EQ(surface.pixel(2, 3), kWhite);   // top row: 0x0F, first four bits clear
    EXPECT_EQ(surface.pixel(6, 3), kBlack);
    EXPECT_EQ(surface.pixel(2, 4), kBlack);   // bottom row: 0xF0
    EXPECT_EQ(surface.pixel(6, 4), kWhite);

    // A colour map of 16-bit samples: 65,536 entries per plane fill the 256 palette entries from
    // their high bytes, and nothing beyond the palette is written.
    static unsigned short map[3 * 65536];
    for (int i = 0; i < 65536; ++i) {
        map[i] = static_cast<unsigned short>((i & 0xFF) << 8 | 0x11);
        map[65536 + i] = static_cast<unsigned short>(((i + 1) & 0xFF) << 8 | 0x22);
        map[2 * 65536 + i] = static_cast<unsigned short>(((i * 3) & 0xFF) << 8 | 0x33);
    }
    ScannedPicture mapped;
    mapped.width = 4;
    mapped.height = 1;
    mapped.bitCount = 8;
    mapped.xDotsPerInch = mapped.yDotsPerInch = 96;
    mapped.mapCount = 3 * 65536;
    mapped.map = map;
    drawer.setupFromScan(mapped);
    EXPECT_EQ(drawer.rop, static_cast<DWORD>(SRCCOPY));
    EXPECT_EQ(drawer.header().biXPelsPerMeter, 3779);
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(drawer.palette()[i].rgbRed, i) << i;
        ASSERT_EQ(drawer.palette()[i].rgbGreen, (i + 1) & 0xFF) << i;
        ASSERT_EQ(drawer.palette()[i].rgbBlue, (i * 3) & 0xFF) << i;
        ASSERT_EQ(drawer.palette()[i].rgbReserved, 0) << i;
    }
    EXPECT_TRUE(guarded.tailIntact());
    EXPECT_EQ(drawer.colorUse, DIB_RGB_COLORS);

    // A map of six values has planes of two: values 0-1 red, 2-3 green, 4-5 blue. A grey image
    // without a map gets a ramp.
    mapped.mapCount = 6;
    drawer.setupFromScan(mapped);
    EXPECT_EQ(drawer.palette()[1].rgbRed, 1);
    EXPECT_EQ(drawer.palette()[1].rgbGreen, 3);
    EXPECT_EQ(drawer.palette()[1].rgbBlue, 5);
    mapped.map = nullptr;
    drawer.setupFromScan(mapped);
    EXPECT_EQ(drawer.palette()[1].rgbRed, 1);
    EXPECT_EQ(drawer.palette()[200].rgbGreen, 200);
    dc.detachHdc();
}

TEST(DibDrawer, ReaderImagesAreDrawnWithTheirPalettesAndDepths)
{
    DibSurface surface(30, 20);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    DibDrawer drawer;

    // GIF: a stored depth of 7 is 8 bits per pixel; palette triples are red, green, blue.
    IndexedPicture gif;
    gif.width = 2;
    gif.height = 1;
    gif.depth = 7;
    const unsigned char red[3] = {200, 10, 20}, green[3] = {5, 180, 30};
    std::memcpy(&gif.palette[3 * 1], red, 3);
    std::memcpy(&gif.palette[3 * 250], green, 3);
    ASSERT_EQ(gif.pixels.reserve(4), 1);
    {
        BlockLock rows(gif.pixels);
        ASSERT_TRUE(rows);
        const unsigned char row[4] = {1, 250, 0, 0};
        std::memcpy(rows.data(), row, sizeof row);
    }
    ASSERT_EQ(drawer.draw(dc, rectAt(0, 0, 2, 1), gif), 1);
    EXPECT_EQ(drawer.header().biBitCount, 8);
    EXPECT_EQ(drawer.header().biSizeImage, 0u);
    EXPECT_EQ(surface.pixel(0, 0), RGB(200, 10, 20));
    EXPECT_EQ(surface.pixel(1, 0), RGB(5, 180, 30));
    EXPECT_EQ(gif.pixels.lockCount, 0) << "the pixels are unlocked after the draw";

    // JPEG: 24-bit rows, stretched to twice the size.
    RgbPicture jpeg;
    jpeg.width = 1;
    jpeg.height = 1;
    ASSERT_EQ(jpeg.pixels.reserve(4), 1);
    {
        BlockLock rows(jpeg.pixels);
        ASSERT_TRUE(rows);
        const unsigned char row[4] = {30, 60, 90, 0};   // blue, green, red
        std::memcpy(rows.data(), row, sizeof row);
    }
    ASSERT_EQ(drawer.draw(dc, rectAt(4, 0, 2, 2), jpeg), 1);
    EXPECT_EQ(drawer.header().biBitCount, 24);
    EXPECT_EQ(surface.pixel(5, 1), RGB(90, 60, 30));

    // Shrunk, a colour picture loses whole rows: two rows merged into one would darken the
    // picture with a line across it (red and blue together make black).
    RgbPicture stripes;
    stripes.width = 1;
    stripes.height = 4;
    ASSERT_EQ(stripes.pixels.reserve(16), 1);
    {
        BlockLock rows(stripes.pixels);
        ASSERT_TRUE(rows);
        const unsigned char four[16] = {0, 0, 255, 0, 255, 0, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0};
        std::memcpy(rows.data(), four, sizeof four);
    }
    ASSERT_EQ(drawer.draw(dc, rectAt(8, 0, 1, 3), stripes), 1);
    for (int y = 0; y < 3; ++y)
        EXPECT_TRUE(surface.pixel(8, y) == RGB(255, 0, 0) || surface.pixel(8, y) == RGB(0, 0, 255)) << "row " << y;

    // BMP: the header block with its palette.
    DibHeaderBlock block;
    BITMAPINFOHEADER& header = *block.header();
    header.biSize = sizeof header;
    header.biWidth = 3;
    header.biHeight = 1;
    header.biPlanes = 1;
    header.biBitCount = 8;
    header.biClrUsed = 3;
    block.palette()[2] = {40, 50, 60, 0};
    ASSERT_EQ(block.allocateBits(block.imageSize()), 1);
    {
        BlockLock rows(*block.bits());
        ASSERT_TRUE(rows);
        const unsigned char row[4] = {0, 2, 2, 0};
        std::memcpy(rows.data(), row, sizeof row);
    }
    ASSERT_EQ(drawer.draw(dc, rectAt(10, 0, 3, 1), block), 1);
    EXPECT_EQ(surface.pixel(11, 0), RGB(60, 50, 40));

    // Raw rows of a band: the header keeps the depth and palette of the last setup.
    ASSERT_EQ(drawer.draw(dc, rectAt(0, 5, 2, 1), gif), 1);
    const unsigned char band[8] = {250, 1, 0, 0, 1, 1, 0, 0};   // two rows of two pixels
    ASSERT_EQ(drawer.drawRows(dc, rectAt(20, 5, 2, 2), band, rectAt(0, 0, 2, 2), 0, 0, 2, 2), 1);
    EXPECT_EQ(drawer.header().biWidth, 2);
    EXPECT_EQ(drawer.header().biHeight, 2);
    EXPECT_EQ(surface.pixel(20, 6), RGB(5, 180, 30));   // the first row is the bottom one
    EXPECT_EQ(surface.pixel(21, 5), RGB(200, 10, 20));

    // Nothing is drawn without pixels.
    IndexedPicture empty;
    EXPECT_EQ(drawer.draw(dc, rectAt(0, 10, 2, 1), empty), 0);
    dc.detachHdc();
}

} // namespace
