// The JPEG reader: baseline files of every sampling, odd sizes, restart intervals and spliced
// comments decode to what libjpeg's djpeg makes of them (PSNR of at least 40 dB); what is not
// baseline or is damaged is refused with a message box each time; the frame choice of two files
// in one; the inverse DCT against its definition; the work buffers given back.
#include <gtest/gtest.h>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "geometry/DoubleRect.h"
#include "io/images/JpegImage.h"
#include "io/images/JpegScan.h"
#include "platform/DeviceContext.h"
#include "platform/GlobalBlock.h"
#include "platform/IntRect.h"
#include "platform/StatusBar.h"
#include "tests/io/ImageFixture.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"
#include "tests/support/UnixScript.h"

using namespace image_test;

namespace {

// A script of lines run in the scratch folder with $D set to it; 1 when it succeeded.
int runIn(const ScratchFolder& scratch, const std::string& lines)
{
    return runUnixScript("set -e\nD=" + quotedUnixPath(scratch.pathOf("")) + "\ncd \"$D\"\n" + lines,
                         scratch.pathOf("script")) == 0;
}

// djpeg's reading (no smoothing of subsampled colours) as top-down RGB; "" when it failed.
std::string djpegRgb(const ScratchFolder& scratch, const std::string& name)
{
    if (!runIn(scratch, "djpeg -nosmooth -rgb -ppm -outfile " + name + ".ppm " + name + "\n"))
        return "";
    const std::string ppm = ScratchFolder::read(scratch.pathOf(name + ".ppm"));
    // "P6\n<w> <h>\n255\n" then the pixels.
    const size_t at = ppm.find("255\n");
    return at == std::string::npos ? "" : ppm.substr(at + 4);
}

double psnr(const std::string& a, const std::string& b)
{
    if (a.size() != b.size() || a.empty())
        return 0.0;
    double sum = 0.0;
    for (size_t i = 0; i < a.size(); ++i) {
        const double d = static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]);
        sum += d * d;
    }
    return sum == 0.0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / (sum / static_cast<double>(a.size())));
}

// The offset of the first marker `code` in the header part (before the entropy data).
size_t markerAt(const std::string& bytes, unsigned char code)
{
    size_t at = 2;
    while (at + 4 <= bytes.size() && static_cast<unsigned char>(bytes[at]) == 0xFF) {
        if (static_cast<unsigned char>(bytes[at + 1]) == code)
            return at;
        at += 2 + (static_cast<unsigned char>(bytes[at + 2]) << 8 | static_cast<unsigned char>(bytes[at + 3]));
    }
    return std::string::npos;
}

std::string patched(std::string bytes, size_t at, unsigned char value)
{
    if (at < bytes.size())
        bytes[at] = static_cast<char>(value);
    return bytes;
}

const double kPi = 3.14159265358979323846;

std::string plasma(const std::string& size) { return "convert -seed 4 -size " + size + " plasma:fractal -blur 0x1 "; }

} // namespace

TEST(JpegImage, BaselineFilesDecodeAsDjpegDecodesThem)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    struct Sample {
        const char* name;
        std::string make; // script lines writing NAME.jpg
    };
    const Sample samples[] = {
        {"444", plasma("37x29") + "-sampling-factor 1x1 -quality 90 444.jpg"},
        {"422", plasma("37x29") + "-sampling-factor 2x1 -quality 90 422.jpg"},
        {"420", plasma("37x29") + "-sampling-factor 2x2 -quality 90 420.jpg"},
        {"grey", plasma("37x29") + "-colorspace Gray -quality 90 grey.jpg"},
        {"420 of 16 x 16", plasma("16x16") + "-sampling-factor 2x2 -quality 95 420-16.jpg"},
        {"420 of 1 x 1", plasma("1x1") + "-sampling-factor 2x2 420-1.jpg"},
        {"422 of 61 x 9", plasma("61x9") + "-sampling-factor 2x1 -quality 80 422-61.jpg"},
        {"restart every MCU", plasma("45x21") + "ppm:- | cjpeg -sample 2x2 -quality 90 -restart 1B > restart1.jpg"},
        {"restart every 5 MCUs", plasma("45x21") + "ppm:- | cjpeg -sample 1x1 -quality 90 -restart 5B > restart5.jpg"},
        {"restart every MCU row", plasma("45x21") + "ppm:- | cjpeg -sample 2x1 -quality 90 -restart 1 > restartrow.jpg"},
        {"a restart interval beyond the MCUs", plasma("45x21") + "ppm:- | cjpeg -quality 90 -restart 500B > restart500.jpg"},
        {"noise at full quality", "convert -seed 9 -size 24x24 xc: +noise Random -quality 100 noise.jpg"},
    };
    const char* files[] = {"444", "422", "420", "grey", "420-16", "420-1", "422-61", "restart1", "restart5",
                           "restartrow", "restart500", "noise"};
    std::string script;
    for (const Sample& s : samples)
        script += s.make + "\n";
    ASSERT_EQ(runIn(scratch, script), 1);

    int stuffed = 0;
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(samples[i].name);
        const std::string name = std::string(files[i]) + ".jpg";
        const std::string bytes = ScratchFolder::read(scratch.pathOf(name));
        ASSERT_EQ(static_cast<unsigned char>(bytes[markerAt(bytes, 0xC0) + 1]), 0xC0) << "not baseline";
        stuffed += bytes.find(std::string("\xFF\x00", 2), markerAt(bytes, 0xDA)) != std::string::npos;
        JpegImage reader;
        reader.setSource(scratch.pathOf(name).c_str());
        ASSERT_EQ(reader.ensureLoaded(), 1);
        const std::string ours = decodedRgb(reader.header);
        const std::string theirs = djpegRgb(scratch, name);
        ASSERT_FALSE(theirs.empty());
        EXPECT_GE(psnr(ours, theirs), 40.0) << firstRgbDifference(ours, theirs, reader.header.header()->biWidth);
    }
    EXPECT_GE(stuffed, 3) << "0xFF 0x00 in the data is met";

    // A comment spliced in right before the quantisation tables changes nothing.
    const std::string plain = ScratchFolder::read(scratch.pathOf("420.jpg"));
    const size_t dqt = markerAt(plain, 0xDB);
    ASSERT_NE(dqt, std::string::npos);
    const std::string comment = std::string("\xFF\xFE\x00\x0C", 4) + "a comment!";
    JpegImage commented, original;
    commented.setSource(scratch.file("comment.jpg", plain.substr(0, dqt) + comment + plain.substr(dqt)).c_str());
    original.setSource(scratch.pathOf("420.jpg").c_str());
    ASSERT_EQ(commented.ensureLoaded(), 1);
    ASSERT_EQ(original.ensureLoaded(), 1);
    EXPECT_EQ(decodedRgb(commented.header), decodedRgb(original.header));
    EXPECT_EQ(original.jfif.major, 1);
    EXPECT_EQ(takeMessages(boxes), "");
}

TEST(JpegImage, WhatIsNotBaselineOrIsDamagedIsRefusedEveryTime)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    ASSERT_EQ(runIn(scratch, plasma("37x29") + "-sampling-factor 2x2 -quality 90 good.jpg\n" + plasma("37x29") +
                                 "-interlace JPEG progressive.jpg\n" + plasma("37x29") + "-colorspace CMYK cmyk.jpg\n" +
                                 "printf '0;\\n1;\\n2;\\n' > scans\n" + plasma("37x29") +
                                 "ppm:- | cjpeg -scans scans > perComponent.jpg\n"),
              1);
    const std::string good = ScratchFolder::read(scratch.pathOf("good.jpg"));
    const size_t sof = markerAt(good, 0xC0), dht = markerAt(good, 0xC4), dqt = markerAt(good, 0xDB),
                 sos = markerAt(good, 0xDA);
    ASSERT_TRUE(sof != std::string::npos && dht != std::string::npos && dqt != std::string::npos && sos != std::string::npos);
    std::string pastCounts = good;
    for (int i = 0; i < 16; ++i)
        pastCounts[dht + 5 + i] = '\x11'; // 16 x 17 codes
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case refused[] = {
        {"progressive", ScratchFolder::read(scratch.pathOf("progressive.jpg"))},
        {"four components", ScratchFolder::read(scratch.pathOf("cmyk.jpg"))},
        {"one scan per component", ScratchFolder::read(scratch.pathOf("perComponent.jpg"))},
        {"SOF1", patched(good, sof + 1, 0xC1)},
        {"SOF3", patched(good, sof + 1, 0xC3)},
        {"12-bit samples", patched(good, sof + 4, 12)},
        {"no SOI", good.substr(2)},
        {"a Huffman table of class 2", patched(good, dht + 4, 0x20)},
        {"a Huffman table number 4", patched(good, dht + 4, 0x04)},
        {"Huffman counts past 256", pastCounts},
        {"a quantisation table number 5", patched(good, dqt + 4, 0x05)},
        {"a frame naming table 5", patched(good, sof + 12, 5)},
        {"a sampling factor of 0", patched(good, sof + 11, 0x02)},
        {"factors of 3 against 2", patched(patched(good, sof + 11, 0x32), sof + 14, 0x21)},
        {"a scan naming table 3", patched(good, sos + 6, 0x33)},
        {"a scan of another component", patched(good, sos + 5, 9)},
        {"a scan before its frame", patched(good, sof + 1, 0xFE)},
        {"a height of 0", patched(patched(good, sof + 5, 0), sof + 6, 0)},
        {"65535 x 65535 pixels", patched(patched(patched(patched(good, sof + 5, 0xFF), sof + 6, 0xFF), sof + 7, 0xFF), sof + 8, 0xFF)},
        {"cut in the data", good.substr(0, sos + (good.size() - sos) / 2)},
        {"cut before the data", good.substr(0, sos + 6)},
        {"a marker in the data", good.substr(0, good.size() - 40) + std::string("\xFF\xC8", 2) + good.substr(good.size() - 38)},
        {"empty", ""},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.name);
        const std::string path = scratch.file("refused.jpg", c.bytes);
        // Each reader, each time: the message is not kept to its first showing.
        for (int time = 0; time < 2; ++time) {
            JpegImage reader;
            reader.setSource(path.c_str());
            int w = 0, h = 0;
            EXPECT_EQ(reader.getPixelSize(w, h), 0);
            EXPECT_EQ(reader.header.bits(), nullptr);
            EXPECT_EQ(takeMessages(boxes), "処理できないファイルです。 / JPEGエラー");
        }
    }
}

TEST(JpegImage, FrameChoiceOnTwoFilesInOne)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    ASSERT_EQ(runIn(scratch, "convert -size 40x20 xc:red -quality 95 red.jpg\nconvert -size 16x8 xc:blue -quality 95 blue.jpg\n"), 1);
    const std::string both = scratch.file("both.jpg", ScratchFolder::read(scratch.pathOf("red.jpg")) +
                                                         ScratchFolder::read(scratch.pathOf("blue.jpg")));
    JpegImage reader;
    reader.setSource(both.c_str());
    int w = 0, h = 0;
    ASSERT_EQ(reader.getPixelSize(w, h), 1);
    EXPECT_EQ(w * 1000 + h, 16008) << "the second frame sizes the picture";
    EXPECT_EQ(reader.frameCount, 2);
    double mmW = 0, mmH = 0;
    ASSERT_EQ(reader.getSize(mmW, mmH), 1);
    EXPECT_NEAR(mmW, 16 * 25.4 / 72, 1e-9);

    DibSurface surface(20, 10);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    ASSERT_EQ(reader.draw(dc, IntRect::fromEdges(0, 0, 20, 10), 1), 1);
    EXPECT_LT(GetRValue(surface.pixel(10, 5)), 10);
    EXPECT_GT(GetBValue(surface.pixel(10, 5)), 245);
    ASSERT_EQ(reader.draw(dc, IntRect::fromEdges(0, 0, 20, 10), 0), 1);
    EXPECT_GT(GetRValue(surface.pixel(10, 5)), 245);
    dc.detachHdc();

    // PostScript writes the first frame, stretched to the rectangle, and gives the choice back.
    reader.selectFrame(1);
    CapturingWriter out;
    DoubleRect rect;
    rect.set(0, 0, 16 * 25.4 / 72, 8 * 25.4 / 72);
    ASSERT_EQ(reader.writePostScript(out, rect), 1);
    EXPECT_NE(out.text.find("40 20 8 [40 0 0 -20 0 20] "), std::string::npos);
    EXPECT_EQ(reader.frameChoice, 1);
    ASSERT_EQ(reader.getPixelSize(w, h), 1);
    EXPECT_EQ(w, 16);

    // A file of one frame gives the same picture for both choices: it is decoded once.
    JpegImage single;
    single.setSource(scratch.pathOf("red.jpg").c_str());
    ASSERT_EQ(single.getPixelSize(w, h), 1);
    GlobalBlock* pixels = single.header.bits();
    single.selectFrame(0);
    out.text.clear();
    ASSERT_EQ(single.writePostScript(out, rect), 1);
    EXPECT_EQ(single.header.bits(), pixels);
    EXPECT_EQ(takeMessages(boxes), "");
}

TEST(JpegScan, TheSeparableTransformGivesTheDefinitionsSamples)
{
    std::mt19937 random(58);
    std::int32_t quant[64];
    for (int i = 0; i < 64; ++i)
        quant[i] = 1 + static_cast<int>(random() % 40);
    float scaled[64];
    jpeg::scaleQuantTable(quant, scaled);
    for (int round = 0; round < 200; ++round) {
        short coefficients[64] = {};
        // Sparse blocks as files have them, and some full ones.
        const int filled = round % 10 == 0 ? 64 : 1 + static_cast<int>(random() % 12);
        for (int i = 0; i < filled; ++i)
            coefficients[random() % (round % 3 ? 64 : 8)] = static_cast<short>(static_cast<int>(random() % 121) - 60);
        short ours[64];
        jpeg::inverseDct(coefficients, scaled, ours, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                double sum = 0;
                for (int v = 0; v < 8; ++v)
                    for (int u = 0; u < 8; ++u) {
                        const double cu = u ? 1.0 : 1.0 / std::sqrt(2.0), cv = v ? 1.0 : 1.0 / std::sqrt(2.0);
                        sum += cu * cv * coefficients[v * 8 + u] * quant[v * 8 + u] *
                               std::cos((2 * x + 1) * u * kPi / 16) * std::cos((2 * y + 1) * v * kPi / 16);
                    }
                const long definition = std::lround(sum / 4) + 128;
                ASSERT_LE(std::abs(ours[y * 8 + x] - definition), 1) << "round " << round << " (" << x << ", " << y << ")";
            }
    }
}

namespace {
std::vector<int> releasedWithBuffer;
void recordingRelease(JpegTableSet& set, int buffer)
{
    releasedWithBuffer.push_back(set.readerBuffers[buffer] ? buffer : -1);
    JpegImage::releaseBuffer(set, buffer);
    if (set.readerBuffers[buffer])
        releasedWithBuffer.push_back(100 + buffer); // still held
}
} // namespace

TEST(JpegImage, TheDestructorGivesBackItsWorkBuffers)
{
    TestApplication app;
    ScratchFolder scratch;
    ASSERT_EQ(runIn(scratch, plasma("37x29") + "-sampling-factor 2x2 a.jpg\n"), 1);
    ScopedOverride<std::vector<int>> record(releasedWithBuffer, std::vector<int>());
    ScopedOverride<JpegBufferRelease> hook(jpegBufferRelease, recordingRelease);
    {
        JpegImage reader;
        reader.setSource(scratch.pathOf("a.jpg").c_str());
        ASSERT_EQ(reader.ensureLoaded(), 1);
        releasedWithBuffer.clear();
        for (int b : {jpeg::kLookups, jpeg::kScaledTables, jpeg::kCoefficients})
            EXPECT_NE(reader.readerBuffers[b], nullptr) << b;
    }
    // Every buffer released, the ones still held freed, none left.
    EXPECT_EQ(releasedWithBuffer, (std::vector<int>{-1, jpeg::kLookups, jpeg::kScaledTables, -1, jpeg::kCoefficients}));
}

// Decoding shows its progress on the frame's status bar with the MCU count as the range (37 x 29
// at 2 x 2 sampling: 3 x 2 MCUs of 16 x 16) and takes the bar away at the end, also when the scan
// fails half-way.
TEST(JpegImage, DecodingShowsItsProgressOnTheStatusBarAndTakesItAway)
{
    TestApplication app;
    RecordingFrame frame;
    app->frame = &frame;
    ASSERT_TRUE(frame.create());
    ASSERT_TRUE(frame.statusBar);
    ScratchFolder scratch;
    ASSERT_EQ(runIn(scratch, plasma("37x29") + "-sampling-factor 2x2 a.jpg\n"), 1);
    const std::string bytes = ScratchFolder::read(scratch.pathOf("a.jpg"));
    ASSERT_GT(bytes.size(), 40u);
    // The second file ends in the middle of its entropy-coded data.
    (void)scratch.file("cut.jpg", bytes.substr(0, bytes.size() - 40));

    struct Row {
        const char* file;
        int loads;
    } rows[] = {{"a.jpg", 1}, {"cut.jpg", 0}};
    for (const Row& row : rows) {
        MessageBoxScript boxes;
        frame.statusBar->highs[0] = -1;
        JpegImage reader;
        reader.setSource(scratch.pathOf(row.file).c_str());
        EXPECT_EQ(reader.ensureLoaded(), row.loads) << row.file;
        EXPECT_EQ(frame.statusBar->highs[0], 6) << row.file;
        EXPECT_EQ(frame.statusBar->depth, 0) << row.file;
        EXPECT_EQ(frame.statusBar->progress, nullptr) << row.file;
    }
    frame.destroy();
    app->frame = nullptr;
}
