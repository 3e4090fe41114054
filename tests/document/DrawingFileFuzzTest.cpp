// Seeded round-trip fuzzing of the drawing file (the core of bench/DrawingFileFuzz.exe): mutated
// drawings are opened, and whatever opens is saved and reads back the same. A fault names its
// seed and case, to be replayed with "DrawingFileFuzz.exe 1 SEED --case N".
#include <gtest/gtest.h>
#include <cstdlib>
#include <functional>

#include "tests/document/DrawingFileFuzz.h"
#include "tests/support/FaultGuard.h"

TEST(DrawingFileFuzz, TwoThousandMutatedDrawingsOpenOrAreRefusedAndWhatOpensSavesAndReadsBack)
{
    drawing_fuzz::DrawingFileFuzz fuzz;
    ASSERT_EQ(fuzz.seeds().size(), 5u) << "every seed drawing was made and saved";
    const drawing_fuzz::Figures figures =
        fuzz.run(20240611, 0, 2000, [](const std::string& line) { ADD_FAILURE() << line; });
    EXPECT_EQ(figures.cases, 2000);
    EXPECT_EQ(figures.faults(), 0);
    // The mutations reach both sides: some files are refused and many open.
    EXPECT_GT(figures.refused, 100);
    EXPECT_LT(figures.refused, 1800);

    // A case is the same file whether it runs in a run or alone.
    drawing_fuzz::DrawingFileFuzz alone;
    EXPECT_EQ(alone.caseInput(20240611, 1234), fuzz.caseInput(20240611, 1234));
    EXPECT_NE(fuzz.caseInput(20240611, 1234), fuzz.caseInput(20240611, 1235));
}

// The fuzzing run outlives the faults it finds: each ends its own case only.
TEST(DrawingFileFuzz, ACrashOrAHangEndsOnlyItsOwnCase)
{
    volatile int* nowhere = nullptr;
    volatile long spins = 0;
    struct Case {
        const char* what;
        std::function<void()> work;
        FaultGuard::Kind kind;
        DWORD code;
    };
    const Case cases[] = {
        {"a write through a null pointer", [&] { *nowhere = 1; }, FaultGuard::kCrashed, EXCEPTION_ACCESS_VIOLATION},
        {"abort", [] { std::abort(); }, FaultGuard::kCrashed, 3},
        {"an escaped exception", [] { throw 1; }, FaultGuard::kCrashed, 0xE0000001},
        {"an endless loop", [&] {
             for (;;)
                 spins = spins + 1;
         },
         FaultGuard::kHung, 0},
        {"work that returns", [&] { spins = 0; }, FaultGuard::kReturned, 0},
    };
    FaultGuard guard(300);
    for (int round = 0; round < 2; ++round) {
        for (const Case& c : cases) {
            FaultGuard::Result result = guard.run(c.work);
            EXPECT_EQ(result.kind, c.kind) << c.what;
            EXPECT_EQ(result.code, c.code) << c.what << ": " << result.describe();
        }
    }
    EXPECT_EQ(spins, 0);
}
