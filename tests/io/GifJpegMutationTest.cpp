// Bad input for the GIF and JPEG readers: every truncation of small files of each kind and a few
// thousand seeded byte mutations of them are decoded, drawn and written, or refused with the
// reader's one message, without a fault, a hang or an allocation beyond the reader's bound.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "geometry/DoubleRect.h"
#include "io/images/GifImage.h"
#include "io/images/JpegImage.h"
#include "platform/IntRect.h"
#include "tests/io/GifFixture.h"
#include "tests/io/ImageFixture.h"
#include "tests/io/ImageMutation.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/UnixScript.h"

using namespace image_test;

namespace {

class GifJpegMutation : public ImageMutation {
protected:
    // getPixelSize, draw and PostScript of a fresh reader agree.
    template <typename Reader> int readAll(const std::string& path)
    {
        Reader reader;
        reader.setSource(path.c_str());
        int w = 0, h = 0;
        const int decoded = reader.getPixelSize(w, h);
        if (draw(reader) != decoded)
            return -2;
        CapturingWriter writer;
        DoubleRect rect;
        rect.set(0, 0, 10, 10);
        return reader.writePostScript(writer, rect) == decoded ? decoded : -3;
    }
    int draw(GifImage& reader) { return reader.draw(dc, IntRect::fromEdges(0, 0, 16, 16)); }
    int draw(JpegImage& reader) { return reader.draw(dc, IntRect::fromEdges(0, 0, 16, 16), 0); }
};

// A GIF paints at most 4096 pixels for each code of two bits in its file, and the decoder's output
// grows to at most twice what it holds.
unsigned long long gifLimit(const std::string& bytes) { return 2 * 16384ULL * bytes.size() + 65536; }
// A JPEG picture is at most 1024 pixels of 3 bytes for each byte of its file.
unsigned long long jpegLimit(const std::string& bytes) { return 3 * 1024ULL * bytes.size() + 65536; }

} // namespace

TEST_F(GifJpegMutation, GifFilesCutAndDamagedDecodeOrAreRefused)
{
    std::vector<Convert> jobs;
    for (const char* colours : {"2", "16", "256"})
        jobs.push_back({std::string("-seed 3 -size 13x7 plasma:fractal -colors ") + colours, "GIF", std::string(colours) + ".gif"});
    jobs.push_back({"-seed 3 -size 13x7 plasma:fractal -colors 16 -interlace GIF", "GIF", "i.gif"});
    ASSERT_EQ(convertAll(scratch, jobs), 1);
    std::vector<std::string> goods;
    for (const char* name : {"2.gif", "16.gif", "256.gif", "i.gif"})
        goods.push_back(ScratchFolder::read(scratch.pathOf(name)));
    using namespace gif_test;
    goods.push_back(screen(6, 4, 0x71) + extension(254, {"one", "two"}) +
                    literalImage(1, 1, 4, 2, 0xC1, colours({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {9, 9, 9}}), 2,
                                 {1, 2, 3, 0, 3, 2, 1, 0}) +
                    literalImage(0, 0, 2, 2, 0, "", 2, {1, 1, 1, 1}) + ";");
    // Bytes that steer the reader: introducers, labels, packed bytes, sizes, code sizes.
    const char interesting[] = "\x00\x01\x02\x07\x08\x0B\x0C\x21\x2C\x3B\x80\xF7\xFF\x40\xF9\xFE";
    walk(goods, "GIFエラー", std::string(interesting, sizeof interesting - 1), 2000, gifLimit,
         [&](const std::string& path) { return readAll<GifImage>(path); });
    EXPECT_GT(decodedCount, 500);
    EXPECT_GT(refusedCount, 200);
}

TEST_F(GifJpegMutation, JpegFilesCutAndDamagedDecodeOrAreRefused)
{
    const std::string plasma = "convert -seed 4 -size 17x9 plasma:fractal ";
    const std::string script = plasma + "-sampling-factor 1x1 -quality 70 a.jpg\n" + plasma +
                               "-sampling-factor 2x1 -quality 70 b.jpg\n" + plasma + "-sampling-factor 2x2 -quality 70 c.jpg\n" +
                               plasma + "-colorspace Gray -quality 70 d.jpg\n" + plasma +
                               "ppm:- | cjpeg -sample 2x2 -quality 70 -restart 1B > e.jpg\n";
    ASSERT_EQ(runUnixScript("set -e\ncd " + quotedUnixPath(scratch.pathOf("")) + "\n" + script, scratch.pathOf("make")), 0);
    std::vector<std::string> goods;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"})
        goods.push_back(ScratchFolder::read(scratch.pathOf(name)));
    // Bytes that steer the reader: marker codes, table classes and numbers, factors, counts.
    const char interesting[] = "\xFF\xD8\xD9\xC0\xC2\xC4\xDA\xDB\xDD\xD0\x00\x01\x10\x11\x22\x44\x3F";
    walk(goods, "JPEGエラー", std::string(interesting, sizeof interesting - 1), 2000, jpegLimit,
         [&](const std::string& path) { return readAll<JpegImage>(path); });
    EXPECT_GT(decodedCount, 300);
    EXPECT_GT(refusedCount, 1000);
}
