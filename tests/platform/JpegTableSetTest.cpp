// The image decoders' work tables: the JPEG reader's quantisation records and Huffman slots, and
// the LZW decoder's pixel block.
#include <gtest/gtest.h>
#include <vector>
#include <windows.h>

#include "platform/GlobalBlock.h"
#include "platform/JpegTableSet.h"
#include "platform/LzwDecoder.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

namespace {

TEST(JpegTableSet, QuantisationRecordsStartUndefined)
{
    JpegTableSet set;
    EXPECT_EQ(set.readerWords[JpegTableSet::kWordStartingAtMinusOne], -1);
    EXPECT_EQ(set.readerWords[JpegTableSet::kWordResetToZero], 0);
    EXPECT_NE(set.marker, nullptr);
    EXPECT_EQ(set.lockQuantTables(), nullptr);

    ASSERT_EQ(set.allocateQuantTables(5), 1);
    EXPECT_EQ(set.quantTableCount(), 5);
    QuantTable* records = set.lockQuantTables();
    ASSERT_NE(records, nullptr);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(records[i].id, 255) << i;
        records[i].id = static_cast<uint8_t>(i);
    }
    set.unlockQuantTables();

    // Allocating again starts from undefined records.
    ASSERT_EQ(set.allocateQuantTables(3), 1);
    records = set.lockQuantTables();
    ASSERT_NE(records, nullptr);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(records[i].id, 255) << i;
    set.unlockQuantTables();

    // Counts no table id can use leave no tables.
    for (int bad : {0, -1, 256, 0x7fffffff}) {
        EXPECT_EQ(set.allocateQuantTables(bad), 0) << bad;
        EXPECT_EQ(set.quantTables, nullptr) << bad;
        EXPECT_EQ(set.lockQuantTables(), nullptr) << bad;
    }
}

TEST(JpegTableSet, HuffmanSlotsAreHandedOutInTurnAndFoundByClassAndId)
{
    JpegTableSet set;
    // Before any slots: nothing found, nothing handed out.
    EXPECT_EQ(set.findHuffmanTable(0, 0), 0);
    EXPECT_EQ(set.currentHuffman, nullptr);
    EXPECT_EQ(set.takeNextHuffmanTable(), 0);
    EXPECT_EQ(set.currentHuffman, nullptr);

    ASSERT_EQ(set.allocateHuffmanTables(4), 1);
    ASSERT_NE(set.huffmanBase, nullptr);
    EXPECT_EQ(set.huffmanCount, 5);
    EXPECT_EQ(set.huffmanBlock->count, 0);
    EXPECT_EQ(set.findHuffmanTable(0, 0), 0);
    EXPECT_EQ(set.currentHuffman, nullptr);

    // Five definitions fill the five slots (classes DC, AC, DC, AC, DC; ids 0, 0, 1, 1, 2).
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(set.takeNextHuffmanTable(), i + 1);
        ASSERT_EQ(set.currentHuffman, set.huffmanBase + i);
        set.currentHuffman->tableClass = static_cast<uint8_t>(i % 2);
        set.currentHuffman->id = static_cast<uint8_t>(i / 2);
    }
    EXPECT_EQ(set.takeNextHuffmanTable(), 5);
    EXPECT_EQ(set.currentHuffman, nullptr);

    struct Lookup {
        int tableClass, id;
        int found;
        int slot;   // of currentHuffman afterwards
    };
    const Lookup lookups[] = {{0, 0, 1, 0}, {1, 0, 1, 1}, {1, 1, 1, 3}, {0, 2, 1, 4},
                              {1, 2, 0, 4}, {255, 255, 0, 4}, {0, 1, 1, 2}, {0, 0, 1, 0}};
    for (const Lookup& l : lookups) {
        EXPECT_EQ(set.findHuffmanTable(l.tableClass, l.id), l.found) << l.tableClass << " " << l.id;
        EXPECT_EQ(set.currentHuffman, set.huffmanBase + l.slot) << l.tableClass << " " << l.id;
    }

    EXPECT_EQ(set.releaseHuffmanTables(), 1);
    EXPECT_EQ(set.huffmanBase, nullptr);
    EXPECT_EQ(set.currentHuffman, nullptr);
    EXPECT_EQ(set.releaseHuffmanTables(), 0);
    EXPECT_EQ(set.findHuffmanTable(0, 0), 0);
    EXPECT_EQ(set.takeNextHuffmanTable(), 0);
    EXPECT_EQ(set.currentHuffman, nullptr);

    // Slot counts outside a byte leave no slots.
    for (int bad : {-1, 255, 0x7fffffff}) {
        EXPECT_EQ(set.allocateHuffmanTables(bad), 0) << bad;
        EXPECT_EQ(set.takeNextHuffmanTable(), 0) << bad;
        EXPECT_EQ(set.currentHuffman, nullptr) << bad;
    }
}

std::vector<int> released;
void recordRelease(JpegTableSet&, int buffer) { released.push_back(buffer); }

TEST(JpegTableSet, ResetAndDestructionReleaseTheTablesAndTheReadersBuffers)
{
    ScopedOverride<std::vector<int>> record(released, std::vector<int>());
    ScopedOverride<JpegBufferRelease> hook(jpegBufferRelease, recordRelease);
    {
        JpegTableSet set;
        ASSERT_EQ(set.allocateQuantTables(5), 1);
        ASSERT_EQ(set.allocateHuffmanTables(4), 1);
        set.readerWords[JpegTableSet::kWordStartingAtMinusOne] = 7;
        set.readerWords[JpegTableSet::kWordResetToZero] = 9;
        set.reset();
        EXPECT_EQ(released, (std::vector<int>{0, 1, 2}));
        EXPECT_EQ(set.quantTables, nullptr);
        EXPECT_EQ(set.huffmanBlock, nullptr);
        EXPECT_EQ(set.readerWords[JpegTableSet::kWordStartingAtMinusOne], -1);
        EXPECT_EQ(set.readerWords[JpegTableSet::kWordResetToZero], 0);
        released.clear();
        ASSERT_EQ(set.allocateHuffmanTables(4), 1);
    }
    EXPECT_EQ(released, (std::vector<int>{0, 1, 2, 3, 4}));
}

HGLOBAL WINAPI refuseGlobalAlloc(UINT, SIZE_T) { return nullptr; }

TEST(JpegTableSet, AfterAFailedAllocationEveryLookupAnswersZero)
{
    TestApplication app;
    MessageBoxScript boxes;
    JpegTableSet set;
    {
        ImportPatch patch("kernel32.dll", "GlobalAlloc", reinterpret_cast<void*>(refuseGlobalAlloc));
        ASSERT_NE(patch.original(), nullptr);
        EXPECT_EQ(set.allocateQuantTables(5), 0);
        EXPECT_EQ(set.allocateHuffmanTables(4), 0);
    }
    EXPECT_EQ(set.quantTables, nullptr);
    EXPECT_EQ(set.lockQuantTables(), nullptr);
    EXPECT_EQ(set.huffmanBase, nullptr);
    EXPECT_EQ(set.findHuffmanTable(0, 0), 0);
    EXPECT_EQ(set.takeNextHuffmanTable(), 0);
    EXPECT_EQ(set.currentHuffman, nullptr);
    EXPECT_EQ(set.releaseHuffmanTables(), 0);
    // Each failure was told once.
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].text, "メモリーが一杯です");
}

int frees = 0;
void* realGlobalFree = nullptr;
HGLOBAL WINAPI countGlobalFree(HGLOBAL block)
{
    ++frees;
    return reinterpret_cast<HGLOBAL(WINAPI*)(HGLOBAL)>(realGlobalFree)(block);
}

TEST(LzwDecoder, ReleasingThePixelBlockFreesItOnce)
{
    ScopedOverride<int> count(frees, 0);
    ImportPatch patch("kernel32.dll", "GlobalFree", reinterpret_cast<void*>(countGlobalFree));
    ScopedOverride<void*> real(realGlobalFree, patch.original());
    ASSERT_NE(realGlobalFree, nullptr);
    {
        LzwDecoder decoder;
        ASSERT_NE(decoder.table, nullptr);
        EXPECT_EQ(decoder.table->elementSize, LzwDecoder::kTableEntrySize);
        EXPECT_EQ(decoder.lockBytes(), nullptr);
        decoder.releaseBlock();
        EXPECT_EQ(decoder.block, nullptr);
        EXPECT_EQ(frees, 0);

        decoder.block = GlobalAlloc(GMEM_MOVEABLE, 640);
        ASSERT_NE(decoder.block, nullptr);
        decoder.releaseBlock();
        EXPECT_EQ(decoder.block, nullptr);
        EXPECT_EQ(frees, 1);
        decoder.releaseBlock();
        EXPECT_EQ(frees, 1);
        decoder.block = GlobalAlloc(GMEM_MOVEABLE, 640);
    }
    // The decoder gives back the block it still held.
    EXPECT_EQ(frees, 2);
}

} // namespace
