// The device-independent image: packed DIBs of every valid layout load to the pixels ImageMagick
// reads from the same files; images go through the clipboard to another process unchanged; rows,
// captures and drawing.
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <windows.h>

#include "platform/Clipboard.h"
#include "platform/DibImage.h"
#include "platform/GlobalBlock.h"
#include "platform/IntRect.h"
#include "platform/Window.h"
#include "tests/platform/DibSamples.h"
#include "tests/support/ClipboardOwner.h"
#include "tests/support/DibSurface.h"
#include "tests/support/HelperProcess.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"
#include "tests/support/UnixScript.h"

using namespace dib_samples;

namespace {

const char* const kLoadFailed = "ビットマップの読み込みに失敗しました";

// A moveable global block holding the bytes, freed with the holder.
class GlobalCopy {
public:
    explicit GlobalCopy(const std::string& bytes) : handle(GlobalAlloc(GMEM_MOVEABLE, bytes.size()))
    {
        if (void* target = handle ? GlobalLock(handle) : nullptr) {
            std::memcpy(target, bytes.data(), bytes.size());
            GlobalUnlock(handle);
        }
    }
    ~GlobalCopy() { GlobalFree(handle); }
    GlobalCopy(const GlobalCopy&) = delete;
    GlobalCopy& operator=(const GlobalCopy&) = delete;
    HGLOBAL handle;
};

// The image's pixels as top-down rows of red, green, blue (as ImageMagick's "rgb:" writes them).
std::string topDownRgb(DibImage& image)
{
    std::string rgb;
    std::string row(static_cast<size_t>(image.getRowStride()), '\0');
    for (int y = image.height - 1; y >= 0; --y) {
        EXPECT_EQ(image.getRowRgb(y, &row[0]), 1);
        rgb += row.substr(0, static_cast<size_t>(image.width) * 3);
    }
    return rgb;
}

WORD bitCountOf(const std::string& bmp) { return static_cast<WORD>(static_cast<unsigned char>(bmp[28]) | bmp[29] << 8); }
DWORD headerSizeOf(const std::string& bmp)
{
    DWORD size;
    std::memcpy(&size, &bmp[14], 4);
    return size;
}

TEST(DibImageLoad, EveryPixelEqualsImageMagicksReading)
{
    ScratchFolder scratch;
    std::string script = "set -e\n";
    const std::string twelve = scratch.file("p12.ppm", ppmFile(makePicture(13, 7, 12)));
    const std::string forty = scratch.file("p40.ppm", ppmFile(makePicture(13, 7, 40)));
    const std::string full = scratch.file("full.ppm", ppmFile(makePicture(13, 7, 0)));
    const std::string wide = scratch.file("wide.ppm", ppmFile(makePicture(37, 5, 0)));
    const std::string two = scratch.file("two.ppm", ppmFile(makePicture(13, 7, 2)));

    // What ImageMagick writes: 4 and 8 bits with a full colour table, 16 and 32 bits with bit
    // fields in a V5 header, 24 bits; and a 1-bit picture, which is refused.
    struct Case {
        const char* file;
        std::string source;
        const char* options;   // ImageMagick's options and output format
        int bitCount;
        DWORD headerSize;
    };
    std::vector<Case> cases = {
        {"im4.bmp", twelve, "-type Palette BMP3:", 4, 40},
        {"im4v5.bmp", twelve, "-type Palette BMP:", 4, 124},
        {"im8.bmp", forty, "-type Palette -compress None BMP3:", 8, 40},
        {"im565.bmp", full, "-define bmp:subtype=RGB565 BMP:", 16, 124},
        {"im555.bmp", full, "-define bmp:subtype=RGB555 BMP:", 16, 124},
        {"im24.bmp", wide, "-type TrueColor BMP3:", 24, 40},
        {"im32.bmp", full, "-type TrueColorAlpha BMP:", 32, 124},
        {"im1.bmp", two, "-type Bilevel BMP3:", 1, 40},
    };
    for (const Case& c : cases)
        script += "convert " + quotedUnixPath(c.source) + " " + c.options + quotedUnixPath(scratch.pathOf(c.file)) + "\n";
    // The layouts ImageMagick does not write, made here.
    for (size_t i = 0; i < generatedLayouts().size(); ++i) {
        const DibLayout& layout = generatedLayouts()[i];
        std::string name = "gen" + std::to_string(i) + ".bmp";
        (void)scratch.file(name, bmpFile(makeDib(layout)));
        cases.push_back({layout.name, "", "", layout.bitCount, static_cast<DWORD>(layout.headerSize)});
        cases.back().source = name;
    }
    for (const Case& c : cases) {
        std::string file = c.source.find(".bmp") != std::string::npos ? c.source : c.file;
        script += "convert " + quotedUnixPath(scratch.pathOf(file)) + " -depth 8 -alpha off rgb:" +
                  quotedUnixPath(scratch.pathOf(file + ".rgb")) + "\n";
    }
    ASSERT_EQ(runUnixScript(script, scratch.pathOf("imagemagick")), 0) << script;

    MessageBoxScript boxes;
    for (const Case& c : cases) {
        std::string file = c.source.find(".bmp") != std::string::npos ? c.source : c.file;
        std::string bmp = ScratchFolder::read(scratch.pathOf(file));
        ASSERT_GT(bmp.size(), 54u) << c.file;
        ASSERT_EQ(bitCountOf(bmp), c.bitCount) << c.file << ": ImageMagick wrote another depth";
        ASSERT_EQ(headerSizeOf(bmp), c.headerSize) << c.file;
        GlobalCopy dib(bmp.substr(14));
        DibImage image;
        if (c.bitCount == 1) {
            EXPECT_EQ(image.loadFromDib(dib.handle), 0) << c.file;
            ASSERT_EQ(boxes.shown().size(), 1u);
            EXPECT_EQ(boxes.shown()[0].text, kLoadFailed);
            EXPECT_EQ(image.width, 0) << "a refused load leaves the image";
            boxes.clear();
            continue;
        }
        ASSERT_EQ(image.loadFromDib(dib.handle), 1) << c.file;
        EXPECT_EQ(image.getBitDepth(), 24) << c.file;
        EXPECT_EQ(image.getRowStride(), (image.width + 1) * 3 / 4 * 4) << c.file;
        std::string theirs = ScratchFolder::read(scratch.pathOf(file + ".rgb"));
        EXPECT_EQ(firstRgbDifference(topDownRgb(image), theirs, image.width), "") << c.file;
        EXPECT_TRUE(boxes.shown().empty()) << c.file;
    }
}


// Runs the clipboard reader beside the test executable; its exit code, -1 when it did not run.
int saveClipboardInAnotherProcess(const std::string& target)
{
    return runHelperProcess("ClipboardDibSaver.exe", "\"" + target + "\"");
}

TEST(DibImageClipboard, AnImageTravelsUnchangedThroughPackedDibsAndTheClipboard)
{
    TestApplication app;
    ClipboardOwner owner;
    ASSERT_TRUE(owner.ready());
    ScratchFolder scratch;
    const std::string dib = makeDib(generatedLayouts()[1]);   // 8 bits, odd width
    const std::string source = scratch.file("source.bmp", bmpFile(dib));
    GlobalCopy packed(dib);
    DibImage image;
    ASSERT_EQ(image.loadFromDib(packed.handle), 1);
    const std::string rows = topDownRgb(image);

    // toDib, then loadFromDib: the same header and rows.
    HGLOBAL again = image.toDib();
    ASSERT_NE(again, nullptr);
    DibImage copy;
    EXPECT_EQ(copy.loadFromDib(again), 1);
    GlobalFree(again);
    EXPECT_EQ(copy.width, image.width);
    EXPECT_EQ(copy.height, image.height);
    EXPECT_EQ(topDownRgb(copy), rows);

    // Through the clipboard: read back here, and by another process that saves it as a file.
    ASSERT_EQ(putClipboardDib(image), 1);
    EXPECT_GE(clipboardDibSize(), static_cast<SIZE_T>(40 + image.getRowStride() * image.height));
    std::unique_ptr<DibImage> pasted(getClipboardDib());
    ASSERT_TRUE(pasted);
    EXPECT_EQ(topDownRgb(*pasted), rows);

    const std::string saved = scratch.pathOf("saved.bmp");
    ASSERT_EQ(saveClipboardInAnotherProcess(saved), 0);
    const std::string ae = scratch.pathOf("ae.txt");
    ASSERT_EQ(runUnixScript("compare -metric AE " + quotedUnixPath(source) + " " + quotedUnixPath(saved) + " null: 2>" + quotedUnixPath(ae),
                            scratch.pathOf("compare")),
              0);
    EXPECT_EQ(ScratchFolder::read(ae), "0");

    // A monochrome DIB on the clipboard is refused with the error box.
    ASSERT_EQ(clearClipboard(), 1);
    MessageBoxScript boxes;
    std::string mono = dib;
    mono[14] = 1;
    ASSERT_EQ(putClipboardData(CF_DIB, mono.data(), mono.size()), 1);
    EXPECT_EQ(getClipboardDib(), nullptr);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, kLoadFailed);
    ASSERT_EQ(clearClipboard(), 1);
    EXPECT_EQ(getClipboardDib(), nullptr) << "no DIB, no image and no box";
    EXPECT_EQ(boxes.shown().size(), 1u);
}

TEST(DibImageRows, RgbRowsExchangeEveryGroupOfThreeBytes)
{
    // Width 3 has a stride of 12: its three filler bytes are exchanged as a fourth group. Width 2
    // has a stride of 8: two groups, and the last two bytes stay.
    struct Case {
        int width;
        std::string stored;     // blue, green, red as the row holds it
        std::string rgb;
    };
    const Case cases[] = {
        {3, "abcdefghijkl", "cbafedihglkj"},
        {2, "abcdefgh", "cbafedgh"},
        {1, "abcd", "cbad"},
    };
    for (const Case& c : cases) {
        DibImage image;
        image.width = c.width;
        image.height = 2;
        image.bitCount = 24;
        image.setRowStride(DibImage::strideFor24Bits(c.width));
        ASSERT_EQ(image.getRowStride(), static_cast<int>(c.stored.size()));
        ASSERT_EQ(image.allocatePixels(image.getRowStride() * 2), 1);
        ASSERT_EQ(image.setRow(1, c.stored.data()), 1);
        std::string out(c.stored.size(), '?');
        ASSERT_EQ(image.getRowRgb(1, &out[0]), 1);
        EXPECT_EQ(out, c.rgb) << c.width;
        // Stored from red-green-blue order, the row reads back as the original.
        ASSERT_EQ(image.setRowFromRgb(0, c.rgb.data(), 1), 1);
        ASSERT_EQ(image.getRow(0, &out[0]), 1);
        EXPECT_EQ(out, c.stored) << c.width;
        EXPECT_EQ(image.getRow(2, &out[0]), 0) << "no row 2";
        EXPECT_EQ(image.setRow(-1, c.stored.data()), 0);
    }
}

TEST(DibImageRows, ABorrowedPixelBlockStaysWithItsOwner)
{
    // A temporary image over an element's raster: the same rows and the same identity, and
    // deleting it leaves the raster alone.
    GlobalCopy dib(makeDib(generatedLayouts()[3]));
    DibImage owner;
    ASSERT_EQ(owner.loadFromDib(dib.handle), 1);
    const std::string rows = topDownRgb(owner);
    {
        DibImage borrowing;
        borrowing.copyHeader(owner);
        borrowing.setPixelBlock(owner.pixels, 0);
        EXPECT_EQ(borrowing.identityKey(), owner.identityKey());
        EXPECT_EQ(topDownRgb(borrowing), rows);
        EXPECT_EQ(borrowing.freePixels(), 0) << "a borrowed block is not freed";
        EXPECT_EQ(borrowing.pixels, owner.pixels);
    }
    EXPECT_EQ(topDownRgb(owner), rows);
    DibImage other;
    ASSERT_EQ(other.loadFromDib(dib.handle), 1);
    EXPECT_NE(other.identityKey(), owner.identityKey()) << "another raster";
    EXPECT_EQ(other.colorTableSize(), 0);

    // Taking the block hands it over; the image is then empty.
    GlobalBlock* taken = owner.takePixelBlock();
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(owner.pixels, nullptr);
    EXPECT_EQ(owner.identityKey(), 0u);
    EXPECT_EQ(owner.freePixels(), 1);
    delete taken;
}

TEST(DibImageRows, CaptureGivesBottomUpRowsOf24Bits)
{
    DibSurface surface(40, 30, RGB(255, 0, 0));
    RECT lower = {0, 15, 40, 30};
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(surface.hdc, &lower, blue);
    DeleteObject(blue);
    SetPixelV(surface.hdc, 12, 3, RGB(0, 255, 0));
    Window window;
    window.dc.attachHdc(surface.hdc);

    IntRect rect;
    rect.set(2, 10, 17, 22);   // top, left, right, bottom: 7 x 20 pixels from (10, 2)
    DibImage image;
    ASSERT_EQ(image.captureWindowRect(&window, rect), 1);
    EXPECT_EQ(image.width, 7);
    EXPECT_EQ(image.height, 20);
    EXPECT_EQ(image.getBitDepth(), 24);
    EXPECT_EQ(image.getRowStride(), 24);
    unsigned char row[24];
    ASSERT_EQ(image.getRow(0, row), 1);   // the bottom row: surface row 21, blue
    EXPECT_EQ(row[0], 255);
    EXPECT_EQ(row[2], 0);
    ASSERT_EQ(image.getRow(19, row), 1);  // the top row: surface row 2, red
    EXPECT_EQ(row[0], 0);
    EXPECT_EQ(row[2], 255);
    ASSERT_EQ(image.getRow(18, row), 1);  // surface row 3 holds the green pixel at x 12
    EXPECT_EQ(row[2 * 3 + 1], 255);
    EXPECT_EQ(row[2 * 3 + 2], 0);
    window.dc.detachHdc();
}

TEST(DibImageDraw, ImagesAreDrawnAndStretchedThroughAnOffscreenBitmap)
{
    GlobalCopy dib(makeDib(generatedLayouts()[6]));   // 24 bits, top-down, 13 x 7
    DibImage image;
    ASSERT_EQ(image.loadFromDib(dib.handle), 1);
    const Picture picture = makePicture(13, 7, 0);

    DibSurface surface(40, 30);
    Window window;
    window.dc.attachHdc(surface.hdc);
    IntRect at;
    at.set(5, 3, 3 + 13, 5 + 7);
    ASSERT_EQ(image.draw(&window, at), 1);
    // Twice the size through an off-screen bitmap of the image's own size.
    IntRect twice;
    twice.set(14, 14, 14 + 26, 14 + 14);
    ASSERT_EQ(image.paintInto(&window, twice), 1);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x) {
            const unsigned char* p = picture.at(x, y);
            ASSERT_EQ(surface.pixel(3 + x, 5 + y), RGB(p[0], p[1], p[2])) << x << "," << y;
            ASSERT_EQ(surface.pixel(14 + 2 * x + 1, 14 + 2 * y + 1), RGB(p[0], p[1], p[2])) << x << "," << y;
        }
    window.dc.detachHdc();
}

} // namespace
