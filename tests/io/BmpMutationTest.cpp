// Bad input for the BMP reader: every truncation of small BMPs of each depth and a few thousand
// seeded byte mutations of them are decoded, drawn and written, or refused with the reader's one
// message, without a fault, a hang or an allocation beyond what the file holds.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "geometry/DoubleRect.h"
#include "io/images/BmpImage.h"
#include "platform/IntRect.h"
#include "tests/io/ImageFixture.h"
#include "tests/io/ImageMutation.h"

using namespace image_test;

namespace {
class BmpMutation : public ImageMutation {};
} // namespace

TEST_F(BmpMutation, EveryTruncationAndThousandsOfMutationsDecodeOrAreRefused)
{
    std::vector<std::string> goods;
    for (const Sample& s : makeBmpSamples(scratch))
        if (s.width == 13)
            goods.push_back(ScratchFolder::read(s.path));
    ASSERT_EQ(goods.size(), 8u);
    // Bytes that steer the reader: sizes, depths, compression codes and the magic.
    const char interesting[] = "\x00\x01\x04\x08\x18\x20\x28\x7C\x0C\xFF\x80\x7FMB";
    walk(goods, "BMAPエラー", std::string(interesting, sizeof interesting - 1), 3000,
         [](const std::string& bytes) { return bytes.size() + 4096ULL; },
         [&](const std::string& path) {
             BmpImage reader;
             reader.setSource(path.c_str());
             const int decoded = reader.loadPixels();
             int w = 0, h = 0;
             if (reader.getPixelSize(w, h) != decoded)
                 return -2;
             (void)reader.draw(dc, IntRect::fromEdges(0, 0, 16, 16)); // drawn or not: no fault
             CapturingWriter writer;
             DoubleRect rect;
             rect.set(0, 0, 10, 10);
             return reader.writePostScript(writer, rect) == decoded ? decoded : -3;
         });
    // Both ways are taken many times: the good files and the mutated pixels decode.
    EXPECT_GT(decodedCount, 1000);
    EXPECT_GT(refusedCount, 1000);
}
