// The TIFF reader: every sample layout, byte order, compression and strip layout it accepts draws
// the pixels ImageMagick reads from the same file; what it cannot read is refused with one
// message; sizes from the resolution; bands that meet without a seam; a kept picture is not
// decoded again.
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>
#include <windows.h>

#include "document/FileErrorReporter.h"
#include "geometry/DoubleRect.h"
#include "io/images/TiffImage.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "tests/io/ImageFixture.h"
#include "tests/io/TiffFixture.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

using namespace image_test;

namespace {

std::string randomBytes(size_t n, std::mt19937& random)
{
    std::string s(n, '\0');
    for (char& c : s)
        c = static_cast<char>(random() & 0xFF);
    return s;
}

// Rows of a picture with long runs and noise, so that PackBits makes both kinds of run.
std::vector<std::string> pictureRows(int height, size_t rowBytes, std::mt19937& random)
{
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row = randomBytes(rowBytes, random);
        for (size_t i = 0; i < rowBytes / 2; ++i)
            row[i] = static_cast<char>(y * 37);
        rows.push_back(row);
    }
    return rows;
}

// What the picture must look like, top-down RGB, worked out from the file's rows.
std::string expectedRgb(const TiffSpec& s)
{
    std::string rgb;
    const size_t n = s.bits.size();
    for (const std::string& row : s.rows)
        for (int x = 0; x < s.width; ++x) {
            auto at = [&](size_t i) { return static_cast<unsigned char>(row[i]); };
            int r, g, b;
            if (s.bits[0] == 1) {
                const int bit = at(static_cast<size_t>(x) / 8) >> (7 - x % 8) & 1;
                r = g = b = (bit == 1) == (s.photometric == 1) ? 255 : 0;
            } else if (n == 1 && !s.colourMap.empty()) {
                const size_t plane = s.colourMap.size() / 3, i = at(static_cast<size_t>(x));
                r = s.colourMap[i] >> 8, g = s.colourMap[plane + i] >> 8, b = s.colourMap[2 * plane + i] >> 8;
            } else if (n == 1) {
                r = g = b = s.photometric == 0 ? 255 - at(static_cast<size_t>(x)) : at(static_cast<size_t>(x));
            } else if (n == 3) {
                r = at(3 * x), g = at(3 * x + 1), b = at(3 * x + 2);
            } else if (s.photometric == 5) {
                const int k = at(4 * x + 3);
                r = 255 - std::min(255, at(4 * x) + k), g = 255 - std::min(255, at(4 * x + 1) + k),
                b = 255 - std::min(255, at(4 * x + 2) + k);
            } else {
                const bool clear = !(at(4 * x) | at(4 * x + 1) | at(4 * x + 2) | at(4 * x + 3));
                r = clear ? 255 : at(4 * x), g = clear ? 255 : at(4 * x + 1), b = clear ? 255 : at(4 * x + 2);
            }
            rgb += static_cast<char>(r);
            rgb += static_cast<char>(g);
            rgb += static_cast<char>(b);
        }
    return rgb;
}

struct Layout {
    const char* name;
    std::vector<unsigned> bits;
    int photometric;
    bool palette;
    bool imageMagickAgrees; // ImageMagick turns CMYK and transparent pixels into other colours
};

const Layout kLayouts[] = {
    {"1 bit, white is zero", {1}, 0, false, true},
    {"1 bit, black is zero", {1}, 1, false, true},
    {"8 bits, white is zero", {8}, 0, false, true},
    {"8 bits, black is zero", {8}, 1, false, true},
    {"8-bit palette", {8}, 3, true, true},
    {"24-bit RGB", {8, 8, 8}, 2, false, true},
    {"32-bit CMYK", {8, 8, 8, 8}, 5, false, false},
    {"32-bit RGBA", {8, 8, 8, 8}, 2, false, false},
};

} // namespace

TEST(TiffImage, EveryLayoutOrderCompressionAndStripingDrawsTheFilesPixels)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    std::mt19937 random(59);
    const int width = 13, height = 7;
    std::vector<std::pair<std::string, TiffSpec>> files;
    for (const Layout& l : kLayouts) {
        TiffSpec base;
        base.width = width;
        base.height = height;
        base.bits = l.bits;
        base.photometric = l.photometric;
        const size_t rowBytes = l.bits[0] == 1 ? (width + 7) / 8 : static_cast<size_t>(width) * l.bits.size();
        base.rows = pictureRows(height, rowBytes, random);
        if (l.bits.size() == 4 && l.photometric == 2)
            base.rows[2].replace(0, 8, std::string(8, '\0')); // two transparent black pixels
        if (l.palette)
            for (int i = 0; i < 3 * 256; ++i) {
                // Both bytes alike: the high byte is the colour, as 16 bits scaled to 8 are.
                const unsigned v = random() & 0xFF;
                base.colourMap.push_back(static_cast<unsigned short>(v << 8 | v));
            }
        for (int compression : {1, 32773})
            for (bool big : {false, true})
                for (int strips : {0, 2, 3}) {
                    TiffSpec s = base;
                    s.compression = compression;
                    s.bigEndian = big;
                    s.rowsPerStrip = strips;
                    s.arraysFirst = strips == 3;
                    s.shortByteCounts = strips == 2;
                    const std::string name = std::string(l.name) + (compression == 1 ? ", none" : ", PackBits") +
                                             (big ? ", MM" : ", II") + ", rows per strip " + std::to_string(strips);
                    files.emplace_back(name, s);
                }
    }
    int checkedWithImageMagick = 0;
    for (size_t i = 0; i < files.size(); ++i) {
        const auto& [name, spec] = files[i];
        SCOPED_TRACE(name);
        const std::string path = scratch.file("t" + std::to_string(i) + ".tif", tiffFile(spec));
        TiffImage reader;
        reader.setSource(path.c_str());
        int w = 0, h = 0;
        ASSERT_EQ(reader.getPixelSize(w, h), 1);
        EXPECT_EQ(w, width);
        EXPECT_EQ(h, height);
        const std::string drawn = drawnRgb(reader, width, height);
        EXPECT_EQ(firstRgbDifference(drawn, expectedRgb(spec), width), "");
        const Layout& l = kLayouts[i / 12];
        if (l.imageMagickAgrees && i % 12 < 6 + 3 && i % 3 == 0) {
            EXPECT_EQ(firstRgbDifference(drawn, referenceRgb(scratch, path), width), "") << "ImageMagick";
            ++checkedWithImageMagick;
        }
    }
    EXPECT_GE(checkedWithImageMagick, 12);

    // Files of ImageMagick's own layout: strips first, the directory and arrays at the end.
    const char* kinds[][2] = {{"-type TrueColor -compress RLE -endian MSB", "im-rgb.tif"},
                              {"-type Palette -colors 30 -compress None -endian LSB", "im-palette.tif"},
                              {"-type Palette -colors 2 -compress RLE -endian MSB", "im-two-colours.tif"},
                              {"-type Grayscale -compress RLE -endian MSB", "im-grey.tif"},
                              {"-type Bilevel -compress None", "im-bits.tif"}};
    std::vector<Convert> jobs;
    for (const auto& k : kinds)
        jobs.push_back({"-seed 5 -size 17x9 plasma:fractal -depth 8 " + std::string(k[0]) +
                            " -define tiff:rows-per-strip=2",
                        "TIFF", k[1]});
    ASSERT_TRUE(convertAll(scratch, jobs));
    for (const auto& k : kinds) {
        SCOPED_TRACE(k[1]);
        const std::string path = scratch.pathOf(k[1]);
        TiffImage reader;
        reader.setSource(path.c_str());
        ASSERT_EQ(reader.ensureLoaded(), 1);
        EXPECT_EQ(reader.stripCount(), 5);
        // A colour map's high bytes may lie one above ImageMagick's 16-to-8-bit scaling.
        const std::string ours = drawnRgb(reader, 17, 9), theirs = referenceRgb(scratch, path);
        ASSERT_EQ(ours.size(), theirs.size());
        for (size_t i = 0; i < ours.size(); ++i)
            ASSERT_LE(std::abs(static_cast<unsigned char>(ours[i]) - static_cast<unsigned char>(theirs[i])), 1) << i;
    }

    // A PackBits run header of 128 is no run: decoding goes on with the next header.
    TiffSpec s = files[12 * 5 + 6].second;
    ASSERT_EQ(s.compression, 32773);
    s.noOps = true;
    const std::string bytes = tiffFile(s);
    ASSERT_GT(std::count(bytes.begin(), bytes.end(), '\x80'), 10);
    TiffImage reader;
    reader.setSource(scratch.file("noops.tif", bytes).c_str());
    EXPECT_EQ(firstRgbDifference(drawnRgb(reader, width, height), expectedRgb(s), width), "");
    EXPECT_EQ(takeMessages(boxes), "");
}

TEST(TiffImage, WhatItCannotReadIsRefusedWithOneMessage)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    std::mt19937 random(7);
    TiffSpec good;
    good.width = 10;
    good.height = 4;
    good.bits = {8, 8, 8};
    good.photometric = 2;
    good.rows = pictureRows(4, 30, random);

    struct Case {
        const char* name;
        void (*spec)(TiffSpec&);
        void (*bytes)(std::string&);
        bool accepted;
    };
    auto none = [](TiffSpec&) {};
    auto asIs = [](std::string&) {};
    const Case cases[] = {
        {"good", none, asIs, true},
        {"LZW", [](TiffSpec& s) { s.compression = 5; }, asIs, false},
        {"15 dpi", [](TiffSpec& s) { s.xResolution[0] = 15; }, asIs, false},
        {"16 dpi", [](TiffSpec& s) { s.xResolution[0] = 16, s.yResolution[0] = 16; }, asIs, true},
        {"31 / 2 dpi", [](TiffSpec& s) { s.yResolution[0] = 31, s.yResolution[1] = 2; }, asIs, false},
        {"denominator 0", [](TiffSpec& s) { s.xResolution[1] = 0; }, asIs, false},
        {"15 per cm", [](TiffSpec& s) { s.xResolution[0] = 15, s.unit = 3; }, asIs, false},
        {"16-bit samples", [](TiffSpec& s) { s.bits = {16, 16, 16}; }, asIs, false},
        {"planar 2", [](TiffSpec& s) { s.planar = 2; }, asIs, false},
        {"planar 1", [](TiffSpec& s) { s.planar = 1; }, asIs, true},
        {"bits from the lowest", [](TiffSpec& s) { s.fillOrder = 2; }, asIs, false},
        {"1 bit, bits from the lowest", [](TiffSpec& s) { s.bits = {1}, s.photometric = 0, s.fillOrder = 2; }, asIs, false},
        {"bits from the highest", [](TiffSpec& s) { s.fillOrder = 1; }, asIs, true},
        {"RGB as YCbCr", [](TiffSpec& s) { s.photometric = 6; }, asIs, false},
        {"5 samples", [](TiffSpec& s) { s.bits = {8, 8, 8, 8, 8}; }, asIs, false},
        {"1 bit, 2 samples", [](TiffSpec& s) { s.bits = {1, 1}; }, asIs, false},
        {"PackBits without byte counts", [](TiffSpec& s) { s.compression = 32773, s.byteCounts = false; }, asIs, false},
        {"version 43", none, [](std::string& b) { b[2] = 43; }, false},
        {"byte order XX", none, [](std::string& b) { b[0] = b[1] = 'X'; }, false},
        {"no entries", none, [](std::string& b) { setField(b, directoryOffset(b), 2, 0); }, false},
        {"65535 entries", none, [](std::string& b) { setField(b, directoryOffset(b), 2, 65535); }, false},
        {"directory past the end", none, [](std::string& b) { setField(b, 4, 4, 0x7FFFFFF0); }, false},
        {"next directory is itself", none,
         [](std::string& b) {
             const size_t dir = directoryOffset(b);
             setField(b, dir + 2 + 12 * field(b, dir, 2), 4, static_cast<std::uint32_t>(dir));
         },
         true},
        {"strip past the end", none, [](std::string& b) { setField(b, entryAt(b, 273) + 8, 4, 0x10000); }, false},
        {"byte count 2^32 - 1", [](TiffSpec& s) { s.compression = 32773; },
         [](std::string& b) { setField(b, entryAt(b, 279) + 8, 4, 0xFFFFFFFF); }, false},
        {"byte count short of the rows", none, [](std::string& b) { setField(b, entryAt(b, 279) + 8, 4, 119); }, false},
        {"strip count 2^30", [](TiffSpec& s) { s.rowsPerStrip = 2; },
         [](std::string& b) { setField(b, entryAt(b, 273) + 4, 4, 1u << 30); }, false},
        {"colour map of 10^9 values",
         [](TiffSpec& s) {
             s.bits = {8}, s.photometric = 3;
             s.rows.assign(4, std::string(10, '\x01'));
             s.colourMap.assign(768, 0x1234);
         },
         [](std::string& b) { setField(b, entryAt(b, 320) + 4, 4, 1000000000); }, false},
        {"2^31 pixels wide", none, [](std::string& b) { setField(b, entryAt(b, 256) + 8, 4, 0x80000000); }, false},
        {"2^28 + 4 pixels", none, [](std::string& b) { setField(b, entryAt(b, 256) + 8, 4, (1u << 26) + 1); }, false},
        {"rows per strip 0", [](TiffSpec& s) { s.rowsPerStrip = 4; },
         [](std::string& b) { setField(b, entryAt(b, 278) + 8, 4, 0); }, true},
        {"truncated", none, [](std::string& b) { b.resize(b.size() - 20); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TiffSpec s = good;
        c.spec(s);
        std::string bytes = tiffFile(s);
        c.bytes(bytes);
        TiffImage reader;
        reader.setSource(scratch.file("r.tif", bytes).c_str());
        int w = 0, h = 0;
        const int accepted = reader.getPixelSize(w, h);
        EXPECT_EQ(accepted, c.accepted ? 1 : 0);
        EXPECT_EQ(takeMessages(boxes), accepted ? "" : "処理できないファイルです。 / TIFFエラー");
        if (accepted) {
            EXPECT_NE(drawnRgb(reader, 10, 4), "");
        } else {
            // Every later operation answers 0 without another message.
            EXPECT_EQ(drawnRgb(reader, 10, 4), "");
            EXPECT_EQ(takeMessages(boxes), "");
        }
    }

    // A PackBits run that crosses its strip's end: the file loads, the draw stops at the strip's
    // end with the message and later operations read nothing.
    TiffSpec packed = good;
    packed.compression = 32773;
    packed.rowsPerStrip = 2;
    std::string bytes = tiffFile(packed);
    const size_t counts = field(bytes, entryAt(bytes, 279) + 8, 4);
    setField(bytes, counts, 4, field(bytes, counts, 4) - 1);
    TiffImage crossing;
    crossing.setSource(scratch.file("crossing.tif", bytes).c_str());
    int w = 0, h = 0;
    EXPECT_EQ(crossing.getPixelSize(w, h), 1);
    EXPECT_EQ(drawnRgb(crossing, 10, 4), "");
    EXPECT_EQ(takeMessages(boxes), "処理できないファイルです。 / TIFFエラー");
    CapturingWriter writer;
    DoubleRect rect;
    rect.set(0, 0, 10, 10);
    EXPECT_EQ(crossing.writePostScript(writer, rect), 0);
    EXPECT_EQ(writer.text, "");

    // A file that vanished after loading is reported missing by the first draw, which draws
    // nothing, and PostScript gets nothing.
    TiffImage vanished;
    const std::string path = scratch.file("vanished.tif", tiffFile(good));
    vanished.setSource(path.c_str());
    ASSERT_EQ(vanished.getPixelSize(w, h), 1);
    ASSERT_EQ(DeleteFileA(path.c_str()), TRUE);
    EXPECT_EQ(drawnRgb(vanished, 10, 4), "");
    EXPECT_EQ(vanished.writePostScript(writer, rect), 0);
    EXPECT_EQ(writer.text, "");
    EXPECT_EQ(takeMessages(boxes), "ファイルが存在しません / エラー");
}

TEST(TiffImage, SizesComeFromTheResolutionAndPagesAfterTheFirstAreNeverRead)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    struct Case {
        int width, height;
        unsigned x, y;
        int unit;
        double widthMm, heightMm;
    };
    const Case cases[] = {
        {600, 300, 300, 300, 0, 50.8, 25.4},
        {600, 300, 300, 300, 2, 50.8, 25.4},
        {600, 300, 300, 300, 1, 50.8, 25.4}, // any unit but centimetres counts as inches
        {600, 300, 100, 100, 3, 60.0, 30.0},
        {72, 36, 72, 72, 0, 25.4, 12.7},
        {204, 98, 204, 98, 0, 25.4, 25.4}, // a fax: each side at its own resolution
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " at " + std::to_string(c.x) + ", unit " + std::to_string(c.unit));
        TiffSpec s;
        s.width = c.width;
        s.height = c.height;
        s.bits = {1};
        s.xResolution[0] = c.x;
        s.yResolution[0] = c.y;
        s.unit = c.unit;
        s.rows.assign(static_cast<size_t>(c.height), std::string(static_cast<size_t>((c.width + 7) / 8), '\x55'));
        TiffImage reader;
        reader.setSource(scratch.file("s.tif", tiffFile(s)).c_str());
        double w = 0, h = 0;
        ASSERT_EQ(reader.getSize(w, h), 1);
        EXPECT_NEAR(w, c.widthMm, 1e-9);
        EXPECT_NEAR(h, c.heightMm, 1e-9);
    }

    // Six pages: placed with the first; the later directories are never walked, even when the
    // second is garbage.
    TiffSpec pages;
    pages.width = 3;
    pages.height = 2;
    pages.rows = {"\x10\x20\x30", "\x40\x50\x60"};
    pages.pages = 6;
    std::string bytes = tiffFile(pages);
    const size_t second = directoryOffset(bytes) + 2 + 12 * field(bytes, directoryOffset(bytes), 2) + 4;
    bytes.replace(second, 2, "\xFF\xFF");
    TiffImage reader;
    reader.setSource(scratch.file("pages.tif", bytes).c_str());
    EXPECT_EQ(firstRgbDifference(drawnRgb(reader, 3, 2), expectedRgb(pages), 3), "");
    EXPECT_EQ(takeMessages(boxes), "");
}

namespace {

// The StretchDIBits calls of a draw: destination top and height, source rows.
struct Stretch {
    int top, height, rows;
};
std::vector<Stretch> stretches;
using StretchFunction = int(WINAPI*)(HDC, int, int, int, int, int, int, int, int, const void*, const BITMAPINFO*, UINT, DWORD);
StretchFunction realStretch = nullptr;
int WINAPI recordingStretch(HDC dc, int x, int y, int w, int h, int sx, int sy, int sw, int sh, const void* bits,
                            const BITMAPINFO* info, UINT use, DWORD rop)
{
    stretches.push_back({y, h, sh});
    return realStretch(dc, x, y, w, h, sx, sy, sw, sh, bits, info, use, rop);
}

} // namespace

TEST(TiffImage, BandsHalveTowardsTheEndAndMeetWithoutASeamAtAnyHeight)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    // The band rule alone: full bands while two remain, then halves rounded up.
    struct BandCase {
        int remaining, band;
        std::vector<int> bands;
    };
    const BandCase bandCases[] = {
        {100, 655, {50, 25, 13, 6, 3, 2, 1}},
        {100, 30, {30, 30, 20, 10, 5, 3, 1, 1}},
        {1, 1, {1}},
        {5, 1, {1, 1, 1, 1, 1}},
        {7, 0, {1, 1, 1, 1, 1, 1, 1}},
    };
    for (const BandCase& c : bandCases) {
        std::vector<int> bands;
        for (int left = c.remaining; left > 0;) {
            bands.push_back(TiffDecoderBase::nextBandRows(left, c.band));
            left -= bands.back();
        }
        EXPECT_EQ(bands, c.bands) << c.remaining << " rows, bands of " << c.band;
    }

    // A black 100-row picture fits one band: it is drawn in bands of 50, 25, 13, 6, 3, 2 and 1
    // rows, and at every destination height they cover it without a white row between them.
    TiffSpec s;
    s.width = 20;
    s.height = 100;
    s.rows.assign(100, std::string(20, '\0'));
    const std::string path = scratch.file("bands.tif", tiffFile(s));
    ImportPatch patch("gdi32.dll", "StretchDIBits", reinterpret_cast<void*>(recordingStretch));
    realStretch = reinterpret_cast<StretchFunction>(patch.original());
    ASSERT_NE(realStretch, nullptr);
    for (int target : {100, 99, 37, 7, 250, 333, 1}) {
        SCOPED_TRACE(target);
        TiffImage reader;
        reader.setSource(path.c_str());
        DibSurface surface(20, 400);
        DeviceContext dc;
        dc.attachHdc(surface.hdc);
        stretches.clear();
        ASSERT_EQ(reader.draw(dc, IntRect::fromEdges(0, 5, 20, 5 + target)), 1);
        dc.detachHdc();
        std::vector<int> rows;
        int edge = 5;
        for (const Stretch& st : stretches) {
            rows.push_back(st.rows);
            EXPECT_EQ(st.top, edge);
            edge = st.top + st.height;
        }
        EXPECT_EQ(edge, 5 + target);
        if (target >= 100) {
            EXPECT_EQ(rows, (std::vector<int>{50, 25, 13, 6, 3, 2, 1}));
        }
        EXPECT_EQ(surface.inkCount(0, 5, 20, 5 + target), 20 * target);
        EXPECT_EQ(surface.inkCount(0, 0, 20, 5) + surface.inkCount(0, 5 + target, 20, 400), 0);
    }

    // A second draw of a kept picture reads nothing; a 24-bit picture 30,000 pixels wide goes a
    // row at a time.
    TiffImage reader;
    reader.setSource(path.c_str());
    ASSERT_NE(drawnRgb(reader, 20, 100), "");
    EXPECT_EQ(reader.keepsPicture(), 1);
    ASSERT_EQ(DeleteFileA(path.c_str()), TRUE);
    EXPECT_EQ(firstRgbDifference(drawnRgb(reader, 20, 100), std::string(20 * 100 * 3, '\0'), 20), "");

    TiffSpec wide;
    wide.width = 30000;
    wide.height = 3;
    wide.bits = {8, 8, 8};
    wide.photometric = 2;
    wide.compression = 32773;
    wide.rows.assign(3, std::string(90000, '\x7F'));
    TiffImage wideReader;
    wideReader.setSource(scratch.file("wide.tif", tiffFile(wide)).c_str());
    EXPECT_EQ(wideReader.rowsPerBand(), 1);
    DibSurface surface(300, 30);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    stretches.clear();
    EXPECT_EQ(wideReader.draw(dc, IntRect::fromEdges(0, 0, 300, 30)), 1);
    dc.detachHdc();
    EXPECT_EQ(stretches.size(), 3u);
    EXPECT_EQ(surface.pixel(150, 15), RGB(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(takeMessages(boxes), "");
}
