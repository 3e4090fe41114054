// Seeded fuzzing of the readers (the core of bench/ReaderFuzz.exe): the seed files of every
// reader are read whole, and mutated GIF files decode or are refused with their one message,
// without a fault. A fault names its seed and case, to be replayed with
// "ReaderFuzz.exe gif 1 SEED --case N".
#include <gtest/gtest.h>

#include "tests/io/ReaderFuzz.h"
#include "tests/support/TestApplication.h"

TEST(ReaderFuzz, SeedsReadWholeAndMutatedGifFilesDecodeOrAreRefusedWithoutAFault)
{
    TestApplication app;
    const auto fail = [](const std::string& line) { ADD_FAILURE() << line; };
    for (reader_fuzz::Target target : {reader_fuzz::Target::kDxf, reader_fuzz::Target::kSvg}) {
        reader_fuzz::ReaderFuzz fuzz(target);
        EXPECT_EQ(fuzz.readSeeds(fail), static_cast<int>(fuzz.seeds().size())) << fuzz.extension();
    }

    reader_fuzz::ReaderFuzz gif(reader_fuzz::Target::kGif);
    ASSERT_EQ(gif.readSeeds(fail), 5);
    const reader_fuzz::Figures figures = gif.run(20250610, 0, 1000, fail);
    EXPECT_EQ(figures.cases, 1000);
    EXPECT_EQ(figures.faults(), 0);
    // The mutations reach both sides.
    EXPECT_GT(figures.read, 200);
    EXPECT_GT(figures.refused, 200);

    // A case is the same file whether it runs in a run or alone.
    reader_fuzz::ReaderFuzz alone(reader_fuzz::Target::kGif);
    EXPECT_EQ(alone.caseInput(20250610, 777), gif.caseInput(20250610, 777));
    EXPECT_NE(gif.caseInput(20250610, 777), gif.caseInput(20250610, 778));
}
