// The growable array: growth rule, lock discipline, copies; and the clipboard built on it.
#include <gtest/gtest.h>
#include <cstring>
#include <memory>
#include <windows.h>

#include "platform/Clipboard.h"
#include "platform/GlobalBlock.h"
#include "tests/support/ClipboardOwner.h"
#include "tests/support/TestApplication.h"

namespace {

TEST(GlobalBlock, GrowsInStepsOnlyWhenTheCountReachesTheCapacity)
{
    GlobalBlock block(50, 4);
    ASSERT_EQ(block.allocate(), 1);
    EXPECT_EQ(block.capacity, 50);
    EXPECT_EQ(block.reserve(49), 1);
    EXPECT_EQ(block.capacity, 50);
    EXPECT_EQ(block.reserve(50), 1);
    EXPECT_EQ(block.capacity, 100) << "reserve(50) grows because the test is capacity > n";
    EXPECT_EQ(block.reserve(120), 1);
    EXPECT_EQ(block.capacity, 150);
}

TEST(GlobalBlock, LargeBlocksGrowByAtLeastHalf)
{
    GlobalBlock block(10, 4);
    int reallocations = 0;
    int last = 0;
    for (int i = 0; i < 100000; ++i) {
        ASSERT_EQ(block.append(&i), 1);
        if (block.capacity != last) {
            ++reallocations;
            last = block.capacity;
        }
    }
    EXPECT_LT(reallocations, 40);
    EXPECT_EQ(block.capacity % 10, 0);
    int value = 0;
    EXPECT_EQ(block.get(99999, &value), 1);
    EXPECT_EQ(value, 99999);
}

TEST(GlobalBlock, PointerArraysUseEightByteElements)
{
    GlobalBlock pointers(5, sizeof(void*));
    int a = 1, b = 2;
    int* pa = &a;
    int* pb = &b;
    ASSERT_TRUE(pointers.append(&pa));
    ASSERT_TRUE(pointers.append(&pb));
    int* out = nullptr;
    EXPECT_EQ(pointers.get(1, &out), 1);
    EXPECT_EQ(out, &b);
    EXPECT_EQ(pointers.removeAt(0), 1);
    EXPECT_EQ(pointers.get(0, &out), 1);
    EXPECT_EQ(out, &b);
    EXPECT_EQ(pointers.get(1, &out), 0) << "out of range";
}

TEST(GlobalBlock, CloneCopiesTheUsedBytes)
{
    GlobalBlock empty(64, 1);
    std::unique_ptr<GlobalBlock> emptyCopy(empty.clone());
    ASSERT_TRUE(emptyCopy);
    EXPECT_EQ(emptyCopy->capacity, 64);
    EXPECT_EQ(emptyCopy->count, 0);

    GlobalBlock bytes(4, 1);
    for (char c : std::string("pixels"))
        ASSERT_TRUE(bytes.append(&c));
    std::unique_ptr<GlobalBlock> copy(bytes.clone());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->count, 6);
    BlockLock data(*copy);
    EXPECT_EQ(std::memcmp(data.data(), "pixels", 6), 0);
}

TEST(GlobalBlock, DestructorUnlocksAndFrees)
{
    auto* block = new GlobalBlock(8, 1);
    ASSERT_TRUE(block->allocate());
    ASSERT_TRUE(block->lock());
    ASSERT_TRUE(block->lock());
    EXPECT_EQ(block->lockCount, 2);
    delete block; // must not leave the block locked or leak it
    GlobalBlock borrowed;
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE, 16);
    borrowed.borrow(handle, 16);
    EXPECT_EQ(borrowed.free(), 1);
    EXPECT_EQ(GlobalSize(handle), 16u) << "a borrowed handle is never freed";
    GlobalFree(handle);
}

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(owner.ready()); }
    TestApplication app;
    ClipboardOwner owner;
};

TEST_F(ClipboardTest, TextRoundTrips)
{
    EXPECT_EQ(getClipboardText(), nullptr);
    ASSERT_EQ(putClipboardText("abc", 3), 1);
    std::unique_ptr<GlobalBlock> text(getClipboardText());
    ASSERT_TRUE(text);
    EXPECT_EQ(text->elementSize, 3);
    EXPECT_EQ(text->count, 0);
    BlockLock data(*text);
    EXPECT_EQ(std::memcmp(data.data(), "abc", 3), 0);
}

TEST_F(ClipboardTest, EmptyTextIsOneZeroByte)
{
    ASSERT_EQ(putClipboardText("", 0), 1);
    EXPECT_GE(clipboardTextSize(), 1u);
    std::unique_ptr<GlobalBlock> data(getClipboardData(CF_TEXT));
    ASSERT_TRUE(data);
    BlockLock bytes(*data);
    EXPECT_EQ(bytes.data()[0], 0);
}

TEST_F(ClipboardTest, PrivateElementFormatRoundTrips)
{
    const UINT format = 2033275747u;
    const char record[] = "\x01\x00\x00\x00 element record \xff";
    ASSERT_EQ(putClipboardData(format, record, sizeof record), 1);
    EXPECT_GE(clipboardDataSize(format), sizeof record + 1);
    std::unique_ptr<GlobalBlock> data(getClipboardData(format));
    ASSERT_TRUE(data);
    EXPECT_GE(data->count, static_cast<int>(sizeof record));
    BlockLock bytes(*data);
    EXPECT_EQ(std::memcmp(bytes.data(), record, sizeof record), 0);
    EXPECT_EQ(bytes.data()[sizeof record], 0) << "one zero byte follows the data";
    EXPECT_EQ(getClipboardData(CF_TEXT), nullptr);
}

} // namespace
