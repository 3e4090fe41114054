// The GIF reader: ImageMagick's files of 2, 16 and 256 colours, interlaced or not, decode to
// ImageMagick's pixels at every depth the colour resolution selects; built files place the first
// image on the screen as the rules say; what it cannot read is refused with its one message.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "document/FileErrorReporter.h"
#include "geometry/DoubleRect.h"
#include "io/images/GifImage.h"
#include "platform/DeviceContext.h"
#include "platform/GlobalBlock.h"
#include "platform/IntRect.h"
#include "tests/io/GifFixture.h"
#include "tests/io/ImageFixture.h"
#include "tests/support/AllocationMeter.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

using namespace image_test;
using namespace gif_test;

namespace {

const size_t kScreenPackedAt = 10;

// The decoded block's palette indices, top row first.
std::vector<int> decodedIndices(GifImage& reader)
{
    const BITMAPINFOHEADER& h = *reader.header.header();
    const int stride = reader.header.rowStride();
    std::vector<int> out;
    GlobalBlock* pixels = reader.header.bits();
    if (!pixels)
        return out;
    BlockLock lock(*pixels);
    for (int y = h.biHeight - 1; y >= 0; --y) {
        const unsigned char* row = lock.data<unsigned char>() + static_cast<size_t>(y) * stride;
        for (int x = 0; x < h.biWidth; ++x)
            out.push_back(h.biBitCount == 8 ? row[x]
                          : h.biBitCount == 4 ? (x & 1 ? row[x / 2] & 15 : row[x / 2] >> 4)
                                              : row[x / 8] >> (7 - x % 8) & 1);
    }
    return out;
}

std::string withResolution(std::string bytes, int resolution)
{
    bytes[kScreenPackedAt] = static_cast<char>((bytes[kScreenPackedAt] & 0x8F) | resolution << 4);
    return bytes;
}

} // namespace

TEST(GifImage, ImageMagicksFilesDecodeToItsPixelsAtEveryDepth)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    struct Sample {
        const char* name;
        const char* options;
        int interlaced;
    };
    const Sample samples[] = {
        {"2", "-size 23x17 plasma:fractal -colors 2", 0},
        {"16", "-size 23x17 plasma:fractal -colors 16", 0},
        {"256", "-size 61x37 plasma:fractal -colors 256", 0},
        {"16 interlaced", "-size 23x17 plasma:fractal -colors 16 -interlace GIF", 1},
        {"height 1", "-size 7x1 plasma:fractal -colors 16 -interlace GIF", 1},
        {"height 2", "-size 7x2 plasma:fractal -colors 16 -interlace GIF", 1},
        {"height 3", "-size 7x3 plasma:fractal -colors 16 -interlace GIF", 1},
        {"height 4", "-size 7x4 plasma:fractal -colors 16 -interlace GIF", 1},
        {"height 9", "-size 7x9 plasma:fractal -colors 16 -interlace GIF", 1},
    };
    std::vector<Convert> jobs;
    for (int i = 0; i < 9; ++i)
        jobs.push_back({"-seed " + std::to_string(i + 3) + " " + samples[i].options, "GIF", std::to_string(i) + ".gif"});
    ASSERT_EQ(convertAll(scratch, jobs), 1);
    std::vector<std::string> files;
    for (int i = 0; i < 9; ++i) {
        const Sample& s = samples[i];
        SCOPED_TRACE(s.name);
        const std::string path = scratch.pathOf(std::to_string(i) + ".gif");
        const std::string bytes = ScratchFolder::read(path);
        files.push_back(bytes);
        GifImage reader;
        reader.setSource(path.c_str());
        ASSERT_EQ(reader.ensureLoaded(), 1);
        EXPECT_EQ(reader.gif.interlaced, s.interlaced);
        EXPECT_EQ(firstRgbDifference(decodedRgb(reader.header), referenceRgb(scratch, path), reader.gif.screenWidth), "");
    }

    // ImageMagick writes a colour resolution of 7 bits; every other one is read too, packed as
    // 1-bit pixels for 1 bit, 4-bit pixels for 2 to 4 and 8-bit pixels for 5 to 8.
    struct Depth {
        int file;        // of the samples
        int resolution;  // the field: bits less one
        int bits;
    };
    const Depth depths[] = {{0, 0, 1}, {0, 1, 4}, {0, 2, 4}, {0, 3, 4}, {0, 4, 8}, {0, 5, 8}, {0, 6, 8},
                            {1, 3, 4}, {1, 4, 8}, {1, 5, 8}, {1, 6, 8}, {3, 3, 4}, {8, 3, 4}};
    for (const Depth& d : depths) {
        SCOPED_TRACE(std::string(samples[d.file].name) + " at resolution " + std::to_string(d.resolution));
        GifImage reader;
        reader.setSource(scratch.file("depth.gif", withResolution(files[static_cast<size_t>(d.file)], d.resolution)).c_str());
        ASSERT_EQ(reader.ensureLoaded(), 1);
        EXPECT_EQ(reader.header.header()->biBitCount, d.bits);
        const std::string original = scratch.pathOf(std::to_string(d.file) + ".gif");
        EXPECT_EQ(firstRgbDifference(decodedRgb(reader.header), referenceRgb(scratch, original), reader.gif.screenWidth), "");
    }
    EXPECT_EQ(takeMessages(boxes), "");
}

TEST(GifImage, TheFirstImageIsPlacedOnTheScreenAndPaddedWithIndexZero)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    const std::string four = colours({{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}});
    const int global4 = 0x80 | 0x70 | 1; // a global table of 4 entries, resolution 8 bits
    const std::vector<int> ramp = {1, 2, 3, 1, 2, 3};
    const std::string end = ";";
    CodeWriter noEnd(2);
    noEnd.clear();
    noEnd.literals({3, 3, 3}, 2);
    noEnd.flush();
    // 5000 literals without a clear: the table fills at 4096 and the width stays at 12 bits.
    std::vector<int> many;
    for (int i = 0; i < 5000; ++i)
        many.push_back((i * 7) % 256);
    CodeWriter full(8);
    full.clear();
    full.literals(many, 0);
    full.end();
    std::vector<int> manyScreen(many.begin(), many.begin() + 100 * 50);
    while (manyScreen.size() < 100u * 50)
        manyScreen.push_back(0);
    const std::string image3x2 = literalImage(0, 0, 3, 2, 0, "", 2, ramp);
    const std::string cut = screen(3, 2, global4, four) + image3x2;

    struct Case {
        const char* name;
        std::string bytes;
        std::vector<int> indices; // the screen, top row first
    };
    const Case cases[] = {
        {"plain", screen(3, 2, global4, four) + image3x2 + end, ramp},
        {"extensions of several sub-blocks before it",
         screen(3, 2, global4, four) + extension(254, {"a comment", "in", "three blocks"}) +
             extension(249, {std::string(4, '\x01')}) + extension(255, {"NETSCAPE2.0", std::string("\x01\x00\x00", 3)}) +
             extension(1, {std::string(12, '\0'), "text"}) + image3x2 + end,
         ramp},
        {"a frame smaller than the screen at (2, 1)",
         screen(6, 4, global4, four) + literalImage(2, 1, 3, 2, 0, "", 2, ramp) + end,
         {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 0, 0, 0, 1, 2, 3, 0, 0, 0, 0, 0, 0, 0}},
        {"a frame over the screen's corner",
         screen(3, 2, global4, four) + literalImage(1, 1, 3, 2, 0, "", 2, ramp) + end, {0, 0, 0, 0, 1, 2}},
        {"a frame outside the screen", screen(3, 2, global4, four) + literalImage(9, 0, 3, 2, 0, "", 2, ramp) + end,
         {0, 0, 0, 0, 0, 0}},
        {"a zero-sized frame", screen(3, 2, global4, four) + literalImage(0, 0, 0, 2, 0, "", 2, {}) + end,
         {0, 0, 0, 0, 0, 0}},
        {"an animation shows its first frame",
         screen(3, 2, global4, four) + image3x2 + literalImage(0, 0, 3, 2, 0, "", 2, {3, 3, 3, 3, 3, 3}) + end, ramp},
        {"interlaced rows", screen(1, 5, global4, four) + literalImage(0, 0, 1, 5, 0x40, "", 2, {1, 2, 3, 0, 2}) + end,
         {1, 0, 3, 2, 2}},
        {"data without an end code", screen(3, 2, global4, four) + image(0, 0, 3, 2, 0, "", noEnd) + end,
         {3, 3, 3, 0, 0, 0}},
        {"more indices than pixels",
         screen(3, 2, global4, four) + literalImage(0, 0, 3, 2, 0, "", 2, {1, 2, 3, 1, 2, 3, 3, 3, 3}) + end, ramp},
        {"a table full at 4096 codes", screen(100, 50, 0xF7, std::string(768, '\x10')) + image(0, 0, 100, 50, 0, "", full) + end,
         manyScreen},
        {"the file cut inside the data", cut.substr(0, cut.size() - 3), {1, 2, 3, 0, 0, 0}},
        {"a sub-block longer than the file", cut.substr(0, 36) + "\xFF" + cut.substr(37, 4), ramp},
        {"no trailer", cut, ramp},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GifImage reader;
        reader.setSource(scratch.file("built.gif", c.bytes).c_str());
        ASSERT_EQ(reader.ensureLoaded(), 1);
        EXPECT_EQ(decodedIndices(reader), c.indices);
    }

    // The image's local table is used when it has one; without any table the picture is black.
    const std::string local = colours({{0, 0, 0}, {10, 20, 30}, {40, 50, 60}, {70, 80, 90}});
    struct Palette {
        const char* name;
        std::string bytes;
        RGBQUAD entry1;
    };
    const Palette palettes[] = {
        {"global", screen(3, 2, global4, four) + image3x2 + end, {0, 0, 255, 0}},
        {"local only", screen(3, 2, 0x70) + literalImage(0, 0, 3, 2, 0x81, local, 2, ramp) + end, {30, 20, 10, 0}},
        {"local over global", screen(3, 2, global4, four) + literalImage(0, 0, 3, 2, 0x81, local, 2, ramp) + end,
         {30, 20, 10, 0}},
        {"none", screen(3, 2, 0x70) + image3x2 + end, {0, 0, 0, 0}},
        {"global, in a file without a trailer", screen(3, 2, global4, four) + image3x2, {0, 0, 255, 0}},
        {"local, in a file cut after the image", screen(3, 2, 0x70) + literalImage(0, 0, 3, 2, 0x81, local, 2, ramp),
         {30, 20, 10, 0}},
    };
    for (const Palette& p : palettes) {
        SCOPED_TRACE(p.name);
        GifImage reader;
        reader.setSource(scratch.file("palette.gif", p.bytes).c_str());
        ASSERT_EQ(reader.ensureLoaded(), 1);
        const RGBQUAD& q = reader.header.palette()[1];
        EXPECT_EQ(q.rgbBlue * 65536 + q.rgbGreen * 256 + q.rgbRed,
                  p.entry1.rgbBlue * 65536 + p.entry1.rgbGreen * 256 + p.entry1.rgbRed);
    }
    EXPECT_EQ(takeMessages(boxes), "");
}

TEST(GifImage, WhatItCannotReadIsRefusedWithOneMessage)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    const std::string four = colours({{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}});
    const std::string head = screen(3, 2, 0xF1, four);
    const std::string image3x2 = literalImage(0, 0, 3, 2, 0, "", 2, {1, 2, 3, 1, 2, 3});
    CodeWriter beyond(2);
    beyond.clear();
    beyond.literals({1}, 0);
    beyond.code(7); // the next free code is 6
    beyond.end();
    std::string eightyNine = head + image3x2 + ";";
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case refused[] = {
        {"another signature", "GIF88a" + eightyNine.substr(6)},
        {"an extension label of 0", head + extension(0, {"x"}) + image3x2 + ";"},
        {"an unknown extension label", head + extension(2, {"x"}) + image3x2 + ";"},
        {"a plain text block of 11 bytes", head + extension(1, {std::string(11, '\0')}) + image3x2 + ";"},
        {"an unknown block introducer", head + "*" + image3x2 + ";"},
        {"a code above the next free code", head + image(0, 0, 3, 2, 0, "", beyond) + ";"},
        {"a minimum code size of 12", head + image3x2.substr(0, 10) + "\x0C" + image3x2.substr(11) + ";"},
        {"65535 x 65535 pixels", screen(65535, 65535, 0xF1, four) + image3x2 + ";"},
        {"an image of 65535 x 65535 pixels", head + literalImage(0, 0, 65535, 65535, 0, "", 2, {1}) + ";"},
        {"no image", head + ";"},
        {"cut before the image", head.substr(0, 15)},
        {"cut inside the screen descriptor", head.substr(0, 9)},
        {"empty", ""},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.name);
        GifImage reader;
        reader.setSource(scratch.file("refused.gif", c.bytes).c_str());
        int w = 0, h = 0;
        EXPECT_EQ(reader.getPixelSize(w, h), 0);
        EXPECT_EQ(reader.header.bits(), nullptr);
        EXPECT_EQ(takeMessages(boxes), "処理できないファイルです。 / GIFエラー");
    }
}

TEST(GifImage, TheScreenIsNoLargerThanTheImageDataCanPaint)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    // ImageMagick's most compressed picture (one colour), and a frame on a screen larger than it.
    ASSERT_EQ(convertAll(scratch, {{"-size 3000x2000 xc:white", "GIF", "white.gif"},
                                   {"-seed 4 -size 40x30 plasma:fractal -colors 16 -page 300x200+100+50", "GIF", "page.gif"}}),
              1);
    const std::string four = colours({{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}});
    const std::string image3x2 = literalImage(0, 0, 3, 2, 0, "", 2, {1, 2, 3, 1, 2, 3});
    // The data that expands most: after the first index each code names the string the decoder
    // is about to make, until the table is full; then the longest string over and over.
    CodeWriter most(8);
    most.clear();
    most.literals({1}, 0);
    long long mostPixels = 1, length = 1;
    while (most.next < 4096) {
        most.send(most.next);
        mostPixels += ++length;
    }
    for (int i = 0; i < 2000; ++i, mostPixels += length)
        most.code(4095);
    most.end();
    const int mostHeight = static_cast<int>(mostPixels / 4000);
    // The fault as found: 799 bytes, most of them a comment, claiming a screen of 65535 x 4096.
    const std::string claim = screen(65535, 4096, 0xF1, four) + image3x2;
    const std::string claim799 =
        claim + extension(254, {std::string(255, 'x'), std::string(255, 'x'), std::string(282 - claim.size(), 'x')}) + ";";
    ASSERT_EQ(claim799.size(), 799u);
    // A first frame of 3 x 2 on a screen that only the second frame's data can paint.
    std::vector<int> noise(200 * 100);
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<int>(i * 7 % 4);

    struct Case {
        const char* name;
        std::string bytes;
        int width, height; // 0: refused
    };
    const Case cases[] = {
        {"ImageMagick's 3000 x 2000 pixels of one colour", ScratchFolder::read(scratch.pathOf("white.gif")), 3000, 2000},
        {"ImageMagick's 40 x 30 frame on a 300 x 200 screen", ScratchFolder::read(scratch.pathOf("page.gif")), 300, 200},
        {"the most pixels the data can give, as large a screen",
         screen(4000, mostHeight, 0xF7, std::string(768, '\x10')) + image(0, 0, 4000, mostHeight, 0, "", most) + ";",
         4000, mostHeight},
        {"a screen that the animation's later frame paints",
         screen(1000, 1000, 0xF1, four) + image3x2 + literalImage(0, 0, 200, 100, 0, "", 2, noise) + ";", 1000, 1000},
        {"a 799-byte file of a 65535 x 4096 screen", claim799, 0, 0},
        {"an image of 65535 x 4096 pixels on it in a few codes",
         screen(65535, 4096, 0xF1, four) + literalImage(0, 0, 65535, 4096, 0, "", 2, {1, 2, 3}) + ";", 0, 0},
        {"a 1000 x 1000 screen over two small frames",
         screen(1000, 1000, 0xF1, four) + image3x2 + literalImage(0, 0, 2, 1, 0, "", 2, {1, 2}) + ";", 0, 0},
    };
    AllocationMeter meter;
    ASSERT_TRUE(meter.active());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GifImage reader;
        reader.setSource(scratch.file("screen.gif", c.bytes).c_str());
        largestRequest = 0;
        int w = 0, h = 0;
        EXPECT_EQ(reader.getPixelSize(w, h), c.width ? 1 : 0);
        if (c.width) {
            EXPECT_EQ(w * 100000LL + h, c.width * 100000LL + c.height);
            EXPECT_EQ(takeMessages(boxes), "");
        } else {
            EXPECT_EQ(reader.header.bits(), nullptr);
            EXPECT_LE(largestRequest, c.bytes.size() + 65536) << "nothing but the file was allocated";
            EXPECT_EQ(takeMessages(boxes), "処理できないファイルです。 / GIFエラー");
        }
    }
    EXPECT_EQ(ScratchFolder::read(scratch.pathOf("page.gif")).substr(6, 4), std::string("\x2C\x01\xC8\x00", 4))
        << "ImageMagick wrote the page as the screen";
}

TEST(GifImage, SizesDrawingAndPostScriptComeFromTheScreen)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    // 72 x 36 screen pixels are 25.4 x 12.7 mm; the frame is drawn at its place on the screen.
    const std::string two = colours({{255, 255, 255}, {0, 0, 0}});
    std::vector<int> ones(36 * 18, 1);
    GifImage reader;
    reader.setSource(scratch.file("s.gif", screen(72, 36, 0x80, two) + literalImage(36, 18, 36, 18, 0, "", 2, ones) + ";").c_str());
    double w = 0, h = 0;
    ASSERT_EQ(reader.getSize(w, h), 1);
    EXPECT_DOUBLE_EQ(w, 25.4);
    EXPECT_DOUBLE_EQ(h, 12.7);
    EXPECT_EQ(reader.header.header()->biBitCount, 1);
    DibSurface surface(72, 36);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    surface.fill(RGB(255, 0, 0));
    ASSERT_EQ(reader.draw(dc, IntRect::fromEdges(0, 0, 72, 36)), 1);
    EXPECT_EQ(surface.pixel(10, 10), RGB(255, 255, 255));
    EXPECT_EQ(surface.pixel(50, 30), RGB(0, 0, 0));
    dc.detachHdc();

    // A 1-bit picture whose palette runs white to black prints its bits inverted, as on screen.
    CapturingWriter out;
    DoubleRect rect;
    rect.set(0, 0, 10, 10);
    GifImage small;
    small.setSource(scratch.file("small.gif", screen(8, 1, 0x80, two) + literalImage(0, 0, 8, 1, 0, "", 2, {1, 1, 0, 0, 0, 0, 0, 1}) + ";").c_str());
    ASSERT_EQ(small.writePostScript(out, rect), 1);
    EXPECT_NE(out.text.find("8 1 1 [8 0 0 -1 0 1] {currentfile pictsr readhexstring pop} image\r\n3E\r\n"), std::string::npos)
        << out.text;
    EXPECT_EQ(takeMessages(boxes), "");
}
