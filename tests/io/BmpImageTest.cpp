// The BMP reader: every depth and header ImageMagick writes decodes to ImageMagick's own pixels,
// the files it cannot read are refused with one message, and the reader contract (sizes, the
// file attached, what an error leaves, a file removed after loading).
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

#include "document/FileErrorReporter.h"
#include "io/images/BmpImage.h"
#include "platform/DeviceContext.h"
#include "platform/GlobalBlock.h"
#include "platform/IntRect.h"
#include "tests/io/ImageFixture.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"
#include "tests/support/UnixScript.h"

using namespace image_test;

namespace {

const size_t kWidthAt = 18, kHeightAt = 22, kHeaderSizeAt = 14, kOffsetAt = 10, kColoursUsedAt = 46;

const Sample* sampleOf(const std::vector<Sample>& samples, int bits, int headerSize)
{
    for (const Sample& s : samples)
        if (s.bits == bits && s.headerSize == headerSize)
            return &s;
    return nullptr;
}

} // namespace

TEST(BmpImage, EveryDepthAndHeaderDecodesToImageMagicksPixels)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    const std::vector<Sample> samples = makeBmpSamples(scratch);
    ASSERT_EQ(samples.size(), 16u);
    for (const Sample& s : samples) {
        SCOPED_TRACE(s.name);
        const std::string bytes = ScratchFolder::read(s.path);
        ASSERT_EQ(field(bytes, 28, 2), static_cast<unsigned>(s.bits)) << "ImageMagick wrote another depth";
        ASSERT_EQ(field(bytes, kHeaderSizeAt, 4), static_cast<unsigned>(s.headerSize));
        ASSERT_EQ(field(bytes, 30, 4), 0u) << "compressed";
        BmpImage reader;
        reader.setSource(s.path.c_str());
        int w = 0, h = 0;
        ASSERT_EQ(reader.getPixelSize(w, h), 1);
        EXPECT_EQ(w, s.width);
        EXPECT_EQ(h, s.height);
        EXPECT_EQ(reader.header.bits(), nullptr) << "loading reads the header and palette only";
        ASSERT_EQ(reader.loadPixels(), 1);
        EXPECT_EQ(firstRgbDifference(decodedRgb(reader.header), s.rgb, s.width), "");
    }

    // An 8-bit file whose colours-used field says 16 still has all 256 entries read, from the
    // bytes after the header, and its pixels from the pixel offset.
    const Sample* eight = sampleOf(samples, 8, 40);
    ASSERT_NE(eight, nullptr);
    std::string bytes = ScratchFolder::read(eight->path);
    setField(bytes, kColoursUsedAt, 4, 16);
    BmpImage reader;
    reader.setSource(scratch.file("used16.bmp", bytes).c_str());
    ASSERT_EQ(reader.loadPixels(), 1);
    for (int i = 0; i < 256; ++i) {
        const RGBQUAD& q = reader.header.palette()[i];
        ASSERT_EQ(q.rgbBlue, static_cast<unsigned char>(bytes[54 + 4 * i])) << i;
        ASSERT_EQ(q.rgbRed, static_cast<unsigned char>(bytes[54 + 4 * i + 2])) << i;
    }
    EXPECT_EQ(decodedRgb(reader.header), eight->rgb);
    EXPECT_EQ(takeMessages(boxes), "");
}

TEST(BmpImage, WhatItCannotReadIsRefusedWithOneMessageAndNoAllocation)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    const std::vector<Sample> samples = makeBmpSamples(scratch);
    ASSERT_FALSE(samples.empty());
    const std::string source = "-seed 5 -size 13x7 plasma:fractal";
    ASSERT_EQ(convertAll(scratch, {{source + " -colors 40 -type Palette", "BMP3", "rle8.bmp"},
                                   {source + " -define bmp:subtype=RGB565", "BMP", "rgb565.bmp"},
                                   {source + " -type TrueColorAlpha", "BMP", "argb32.bmp"},
                                   {source + " -colors 12 -type Palette", "BMP2", "os2.bmp"}}),
              1);
    const std::string good24 = ScratchFolder::read(sampleOf(samples, 24, 40)->path);
    const std::string good8 = ScratchFolder::read(sampleOf(samples, 8, 124)->path);
    auto patched = [](std::string bytes, size_t at, int size, std::uint32_t value) {
        setField(bytes, at, size, value);
        return bytes;
    };
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case refused[] = {
        {"RLE", ScratchFolder::read(scratch.pathOf("rle8.bmp"))},
        {"16 bits", ScratchFolder::read(scratch.pathOf("rgb565.bmp"))},
        {"32 bits", ScratchFolder::read(scratch.pathOf("argb32.bmp"))},
        {"an OS/2 header", ScratchFolder::read(scratch.pathOf("os2.bmp"))},
        {"top-down rows", patched(good24, kHeightAt, 4, static_cast<std::uint32_t>(-7))},
        {"another magic", patched(good24, 0, 2, 0x4E42)},
        {"a header size of 0", patched(good24, kHeaderSizeAt, 4, 0)},
        {"a header size of 10^9", patched(good24, kHeaderSizeAt, 4, 1000000000)},
        {"100,000 x 100,000 pixels", patched(patched(good24, kWidthAt, 4, 100000), kHeightAt, 4, 100000)},
        {"a zero width", patched(good24, kWidthAt, 4, 0)},
        {"a pixel offset beyond the end", patched(good24, kOffsetAt, 4, static_cast<std::uint32_t>(good24.size() + 10))},
        {"one byte short", good24.substr(0, good24.size() - 1)},
        {"only the file header", good24.substr(0, 14)},
        {"empty", ""},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.name);
        BmpImage reader;
        reader.setSource(scratch.file("refused.bmp", c.bytes).c_str());
        int w = 0, h = 0;
        EXPECT_EQ(reader.getPixelSize(w, h), 0);
        EXPECT_EQ(reader.loadPixels(), 0);
        EXPECT_EQ(reader.header.bits(), nullptr);
        EXPECT_EQ(takeMessages(boxes), "処理できないファイルです。 / BMAPエラー");
    }

    // Colours-used of 10^9 says nothing the reader relies on.
    BmpImage reader;
    reader.setSource(scratch.file("used.bmp", patched(good8, kColoursUsedAt, 4, 1000000000)).c_str());
    EXPECT_EQ(reader.loadPixels(), 1);
    EXPECT_EQ(takeMessages(boxes), "");
}

TEST(BmpImage, TheReaderContract)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    ASSERT_EQ(convertAll(scratch, {{"-size 72x36 xc:red -type TrueColor", "BMP3", "a.bmp"},
                                   {"-size 10x20 xc:blue -type TrueColor", "BMP3", "b.bmp"}}),
              1);
    const std::string a = scratch.pathOf("a.bmp"), b = scratch.pathOf("b.bmp");

    // 72 x 36 pixels are 25.4 x 12.7 mm: one pixel is one point.
    BmpImage reader;
    reader.setSource(a.c_str());
    double w = 0, h = 0;
    ASSERT_EQ(reader.getSize(w, h), 1);
    EXPECT_DOUBLE_EQ(w, 25.4);
    EXPECT_DOUBLE_EQ(h, 12.7);

    // The same name keeps what was decoded; another drops it and decodes its own file.
    ASSERT_EQ(reader.loadPixels(), 1);
    GlobalBlock* pixels = reader.header.bits();
    reader.setSource(a.c_str());
    EXPECT_EQ(reader.header.bits(), pixels);
    reader.setSource(b.c_str());
    EXPECT_EQ(reader.header.bits(), nullptr);
    EXPECT_EQ(reader.loaded, 0);
    int pw = 0, ph = 0;
    ASSERT_EQ(reader.getPixelSize(pw, ph), 1);
    EXPECT_EQ(pw * 1000 + ph, 10020);

    // After an error nothing reads the file again, even once it is good, until another file is
    // attached.
    const std::string bad = scratch.file("bad.bmp", "BMxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx");
    reader.setSource(bad.c_str());
    EXPECT_EQ(reader.getPixelSize(pw, ph), 0);
    EXPECT_EQ(takeMessages(boxes), "処理できないファイルです。 / BMAPエラー");
    ASSERT_TRUE(CopyFileA(a.c_str(), bad.c_str(), FALSE));
    DibSurface surface(40, 40);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    EXPECT_EQ(reader.getPixelSize(pw, ph), 0);
    EXPECT_EQ(reader.getSize(w, h), 0);
    EXPECT_EQ(reader.draw(dc, IntRect::fromEdges(0, 0, 20, 20)), 0);
    EXPECT_EQ(takeMessages(boxes), "") << "no second message, no second reading";
    reader.setSource(a.c_str());
    EXPECT_EQ(reader.draw(dc, IntRect::fromEdges(0, 0, 20, 20)), 1);
    EXPECT_EQ(surface.pixel(10, 10), RGB(255, 0, 0));

    // A file removed after loading draws nothing.
    BmpImage gone;
    const std::string copy = scratch.pathOf("copy.bmp");
    ASSERT_TRUE(CopyFileA(b.c_str(), copy.c_str(), FALSE));
    gone.setSource(copy.c_str());
    ASSERT_EQ(gone.ensureLoaded(), 1);
    ASSERT_TRUE(DeleteFileA(copy.c_str()));
    surface.fill(RGB(255, 255, 255));
    EXPECT_EQ(gone.draw(dc, IntRect::fromEdges(0, 0, 20, 20)), 0);
    EXPECT_EQ(surface.inkCount(0, 0, 40, 40), 0);
    EXPECT_EQ(gone.getPixelSize(pw, ph), 0);
    EXPECT_EQ(takeMessages(boxes), "ファイルが存在しません / エラー");
    dc.detachHdc();
}
