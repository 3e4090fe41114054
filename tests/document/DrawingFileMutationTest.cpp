// Bad input: every truncation of a saved drawing and a few thousand seeded byte mutations of it
// are read without a fault, without hanging and without growing the drawing beyond what the
// file could describe.
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <windows.h>

#include "document/ElementStore.h"
#include "tests/document/DrawingFixture.h"
#include "tests/support/ByteMutation.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"

using namespace drawing_fixture;

namespace {

std::string savedDrawing(const ScratchFolder& scratch)
{
    TestDrawing drawing;
    EXPECT_EQ(fillMixedSample(drawing), 1);
    return savedBytes(drawing, scratch);
}

// Reads the bytes into a fresh drawing and checks that what it made is bounded by the file.
void readBad(const ScratchFolder& scratch, const std::string& bytes, MessageBoxScript& boxes)
{
    std::string path = scratch.file("bad.ycx", bytes);
    TestDrawing drawing;
    ASSERT_EQ(drawing.document().assign(path.c_str()), 1);
    XmlContextScope publish(&drawing.document());
    (void)drawing.document().read(); // opened or refused: either is right for a damaged file
    // An element takes at least six bytes ("<arc/>"); pages are capped.
    ASSERT_LE(drawing.context.elementCount(), static_cast<int>(bytes.size() / 6) + 1);
    ASSERT_LE(drawing.pages().count, Document::kMaxFilePage);
    boxes.clear();
}

} // namespace

TEST(DrawingFileMutation, EveryTruncationAndThousandsOfMutationsReadWithoutFault)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    const std::string good = savedDrawing(scratch);
    ASSERT_GT(good.size(), 500u);

    for (size_t length = 0; length < good.size(); ++length)
        readBad(scratch, good.substr(0, length), boxes);

    // Byte values that steer the reader: tag and value delimiters, digits, a lead byte.
    const char interesting[] = "<>/\"[],=-.0912\r\n \x81\xFF\x00";
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        const std::string bytes = mutateBytes(good, random, std::string(interesting, sizeof interesting - 1), "<");
        readBad(scratch, bytes, boxes);
        if (HasFatalFailure())
            FAIL() << "round " << round;
    }
}
