#include "tests/io/ImageMutation.h"

#include <random>

#include "document/FileErrorReporter.h"
#include "tests/support/ByteMutation.h"

void ImageMutation::SetUp()
{
    ASSERT_TRUE(meter.active());
    dc.attachHdc(surface.hdc);
}

void ImageMutation::TearDown() { dc.detachHdc(); }

void ImageMutation::readChecked(const std::string& bytes, const std::string& what, const char* caption, Limit limit,
                                const Operations& operations)
{
    const std::string path = scratch.file("bad.image", bytes);
    theFileErrorReporter.reset();
    boxes.clear();
    largestRequest = 0;
    int decoded = -1;
    FaultGuard::Result result = guard.run([&] { decoded = operations(path); });
    ASSERT_EQ(result.kind, FaultGuard::kReturned) << what << ": " << result.describe();
    ASSERT_GE(decoded, 0) << what << ": the operations disagree";
    ++(decoded ? decodedCount : refusedCount);
    if (decoded) {
        EXPECT_TRUE(boxes.shown().empty()) << what;
    } else {
        ASSERT_EQ(boxes.shown().size(), 1u) << what;
        EXPECT_EQ(boxes.shown()[0].text, "処理できないファイルです。") << what;
        EXPECT_EQ(boxes.shown()[0].caption, caption) << what;
    }
    EXPECT_LE(largestRequest, limit(bytes)) << what;
}

void ImageMutation::walk(const std::vector<std::string>& goods, const char* caption, const std::string& interesting,
                         int rounds, Limit limit, const Operations& operations)
{
    for (size_t g = 0; g < goods.size(); ++g)
        for (size_t n = 0; n < goods[g].size(); ++n) {
            readChecked(goods[g].substr(0, n), "file " + std::to_string(g) + " cut to " + std::to_string(n), caption,
                        limit, operations);
            if (HasFatalFailure())
                return;
        }
    std::mt19937 random(20250107);
    for (int round = 0; round < rounds; ++round) {
        readChecked(mutateBytes(goods[static_cast<size_t>(round) % goods.size()], random, interesting, "B"),
                    "round " + std::to_string(round), caption, limit, operations);
        if (HasFatalFailure())
            return;
    }
}
