// Bad input for the DIB loader, which reads what other programs put on the clipboard: every
// truncation of the test DIBs and thousands of seeded header mutations load or are refused with
// the error text, never read past the data and never allocate more than the data can describe.
#include <climits>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <windows.h>

#include "platform/DibImage.h"
#include "platform/GlobalBlock.h"
#include "tests/platform/DibSamples.h"
#include "tests/support/AllocationMeter.h"
#include "tests/support/FaultGuard.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScopedOverride.h"

using namespace dib_samples;

namespace {

const char* const kLoadFailed = "ビットマップの読み込みに失敗しました";

// Bytes placed so that they end where readable memory ends: a read past them faults.
class GuardedBytes {
public:
    explicit GuardedBytes(size_t capacity)
    {
        SYSTEM_INFO system;
        GetSystemInfo(&system);
        page_ = system.dwPageSize;
        usable_ = (capacity + page_ - 1) / page_ * page_;
        base_ = static_cast<unsigned char*>(VirtualAlloc(nullptr, usable_ + page_, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        DWORD old;
        if (base_)
            VirtualProtect(base_ + usable_, page_, PAGE_NOACCESS, &old);
    }
    ~GuardedBytes()
    {
        if (base_)
            VirtualFree(base_, 0, MEM_RELEASE);
    }
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;
    // The first n bytes of `bytes`, ending at the guard page.
    const unsigned char* place(const std::string& bytes, size_t n)
    {
        unsigned char* at = base_ + usable_ - n;
        std::memcpy(at, bytes.data(), n);
        return at;
    }
    explicit operator bool() const { return base_ != nullptr; }

private:
    size_t page_ = 4096;
    size_t usable_ = 0;
    unsigned char* base_ = nullptr;
};

// One load of n bytes in the guard: loaded (1) or refused with exactly the error box (0); a
// loaded image is consistent and no larger than the bytes could describe. -1 after a fault.
int loadChecked(FaultGuard& guard, GuardedBytes& memory, const std::string& bytes, size_t n, MessageBoxScript& boxes,
                const std::string& what)
{
    DibImage image;
    int loaded = -1;
    const unsigned char* data = memory.place(bytes, n);
    FaultGuard::Result result = guard.run([&] { loaded = image.loadFromDibBytes(data, n); });
    if (result.kind != FaultGuard::kReturned) {
        ADD_FAILURE() << what << ": " << result.describe();
        return -1;
    }
    if (loaded) {
        EXPECT_TRUE(boxes.shown().empty()) << what;
        const long long pixels = static_cast<long long>(image.width) * image.height;
        EXPECT_GE(image.width, 1) << what;
        EXPECT_GE(image.height, 1) << what;
        EXPECT_LE(pixels, DibImage::kMaxPixels) << what;
        EXPECT_LE(pixels, 2 * static_cast<long long>(n)) << what << ": more pixels than 4-bit rows could hold";
        EXPECT_EQ(image.getBitDepth(), 24) << what;
        EXPECT_EQ(image.getRowStride(), (image.width + 1) * 3 / 4 * 4) << what;
        EXPECT_GE(static_cast<long long>(image.pixels->capacity), static_cast<long long>(image.getRowStride()) * image.height)
            << what;
    } else {
        EXPECT_EQ(boxes.shown().size(), 1u) << what;
        if (!boxes.shown().empty()) {
            EXPECT_EQ(boxes.shown()[0].text, kLoadFailed) << what;
        }
        EXPECT_EQ(image.pixels, nullptr) << what;
    }
    boxes.clear();
    return loaded;
}

// The guards every load runs under: the error boxes answered, faults caught, the data ending at
// a guard page, the allocations measured.
class DibMutation : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(memory);
        ASSERT_TRUE(meter.active());
    }
    [[nodiscard]] int load(const std::string& bytes, size_t n, const std::string& what)
    {
        return loadChecked(guard, memory, bytes, n, boxes, what);
    }
    MessageBoxScript boxes;
    FaultGuard guard{10000};
    GuardedBytes memory{64 * 1024};
    AllocationMeter meter;
};

void put32(std::string& bytes, size_t at, DWORD v)
{
    if (at + 4 <= bytes.size())
        std::memcpy(&bytes[at], &v, 4);
}

TEST_F(DibMutation, HeaderEditsLoadOrAreRefusedBeforeAnyAllocation)
{
    const std::string bottomUp24 = makeDib(generatedLayouts()[5]);   // 24 bits, V4 header
    const std::string indexed4 = makeDib(generatedLayouts()[0]);                  // 4 bits, 5 colours
    const std::string indexed8 = makeDib(generatedLayouts()[1]);
    struct Case {
        const char* what;
        const std::string* base;
        size_t offset;
        DWORD value;
        int loads;
    };
    const Case cases[] = {
        {"as made", &bottomUp24, 0, 108, 1},
        {"height -2^31", &bottomUp24, 8, 0x80000000u, 0},
        {"height -7: the same rows read top-down", &bottomUp24, 8, static_cast<DWORD>(-7), 1},
        {"height 0", &bottomUp24, 8, 0, 0},
        {"width 0", &bottomUp24, 4, 0, 0},
        {"width -13", &bottomUp24, 4, static_cast<DWORD>(-13), 0},
        {"2^15 x 2^14 pixels", &bottomUp24, 4, 1u << 15, 0},
        {"more rows than bytes", &bottomUp24, 8, 8, 0},
        {"a wrong image size is not used", &bottomUp24, 20, 1, 1},
        {"the core header of OS/2", &bottomUp24, 0, 12, 0},
        {"a header longer than the data", &bottomUp24, 0, 0x10000, 0},
        {"1 bit per pixel", &indexed8, 14, 1, 0},
        {"48 bits per pixel", &bottomUp24, 14, 48, 0},
        {"run-length 8", &indexed8, 16, BI_RLE8, 0},
        {"PNG inside", &bottomUp24, 16, BI_PNG, 0},
        {"17 colours for 4 bits", &indexed4, 32, 17, 0},
        {"16 colours for 4 bits, past the data", &indexed4, 32, 16, 0},
        {"4 colours for 4 bits: the rows start earlier and bytes are left over", &indexed4, 32, 4, 1},
        {"2^30 colours", &indexed8, 32, 1u << 30, 0},
    };
    for (const Case& c : cases) {
        std::string bytes = *c.base;
        put32(bytes, c.offset, c.value);
        if (c.offset == 14) {
            bytes[14] = static_cast<char>(c.value);
            bytes[15] = 0;
        }
        largestRequest = 0;
        EXPECT_EQ(load(bytes, bytes.size(), c.what), c.loads) << c.what;
        EXPECT_LE(largestRequest, 8 * bytes.size() + 4096) << c.what;
    }
}

TEST_F(DibMutation, EveryTruncationAndThousandsOfHeaderMutations)
{
    std::vector<std::string> dibs;
    size_t largest = 0;
    for (const DibLayout& layout : generatedLayouts()) {
        dibs.push_back(makeDib(layout));
        largest = dibs.back().size() > largest ? dibs.back().size() : largest;
    }

    // Each DIB is exactly as long as its header says: every shorter piece is refused.
    for (size_t d = 0; d < dibs.size(); ++d) {
        ASSERT_EQ(load(dibs[d], dibs[d].size(), generatedLayouts()[d].name), 1);
        for (size_t n = 0; n < dibs[d].size(); ++n)
            ASSERT_EQ(load(dibs[d], n, std::string(generatedLayouts()[d].name) + " cut to " + std::to_string(n)), 0);
    }

    // Header fields set to values that steer the reader, or to anything.
    struct Field {
        size_t offset;
        int width;   // bytes
        std::vector<DWORD> values;
    };
    const Field fields[] = {
        {0, 4, {0, 12, 39, 40, 41, 52, 56, 64, 108, 124, 125, 0xFFFFFFFF}},
        {4, 4, {0, 1, 2, 12, 13, 14, 0xFFFFFFFF, 0x7FFFFFFF, 0x80000000, 1u << 14, 1u << 16, 1u << 28}},
        {8, 4, {0, 1, 6, 7, 8, 0xFFFFFFFF, static_cast<DWORD>(-7), 0x7FFFFFFF, 0x80000000, 1u << 14, 1u << 28}},
        {14, 2, {0, 1, 2, 4, 8, 15, 16, 24, 32, 48, 64, 0xFFFF}},
        {16, 4, {0, 1, 2, 3, 4, 5, 6, 0xFFFFFFFF}},
        {20, 4, {0, 1, 0xFFFFFFFF, 0x7FFFFFFF}},
        {32, 4, {0, 1, 2, 5, 15, 16, 17, 40, 255, 256, 257, 0x40000000, 0xFFFFFFFF}},
        {40, 4, {0, 1, 0xFFFFFFFF, 0x80000000, 0xF0F0, 0x7C00, 0xFF0000}},   // the masks
        {44, 4, {0, 1, 0xFFFFFFFF, 0x80000000, 0xF0F0, 0x03E0, 0xFF00}},
        {48, 4, {0, 1, 0xFFFFFFFF, 0x80000000, 0xF0F0, 0x001F, 0xFF}},
    };
    std::mt19937 random(20250607);
    int loaded = 0, refused = 0;
    for (int round = 0; round < 4000; ++round) {
        const size_t d = static_cast<size_t>(round) % dibs.size();
        std::string bytes = dibs[d];
        const int changes = 1 + static_cast<int>(random() % 3);
        std::string what = std::string(generatedLayouts()[d].name) + ", round " + std::to_string(round) + ":";
        for (int c = 0; c < changes; ++c) {
            const Field& field = fields[random() % (sizeof fields / sizeof fields[0])];
            DWORD value = random() % 3 ? field.values[random() % field.values.size()] : static_cast<DWORD>(random());
            if (field.width == 2) {
                bytes[field.offset] = static_cast<char>(value);
                bytes[field.offset + 1] = static_cast<char>(value >> 8);
            } else {
                put32(bytes, field.offset, value);
            }
            what += " [" + std::to_string(field.offset) + "]=" + std::to_string(value);
        }
        // Now and then the data ends early or goes on.
        size_t n = bytes.size();
        switch (random() % 8) {
        case 0:
            n -= random() % (n < 16 ? n : 16);
            break;
        case 1:
            bytes += std::string(random() % 64, '\x7F');
            n = bytes.size();
            break;
        default:
            break;
        }
        largestRequest = 0;
        int result = load(bytes, n, what);
        ASSERT_GE(result, 0) << what;
        EXPECT_LE(largestRequest, 8 * n + 4096) << what;
        ++(result ? loaded : refused);
    }
    EXPECT_GT(loaded, 100);
    EXPECT_GT(refused, 1000);
    EXPECT_LE(largest, 64u * 1024);
}

} // namespace
