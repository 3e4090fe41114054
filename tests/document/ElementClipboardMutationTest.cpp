// Bad input: clipboard data of other programs. Every truncation of a three-element block and a few
// thousand seeded mutations of it (count, markers, lengths, kinds, stray bytes) paste the records
// before the first inconsistency and nothing else, write the paste record for what was pasted,
// never read outside the block and never allocate from a length they did not check.
#include <climits>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <vector>
#include <windows.h>

#include "document/ElementClipboard.h"
#include "document/ElementClipboardData.h"
#include "platform/Clipboard.h"
#include "tests/document/EditTestDocument.h"
#include "tests/support/ClipboardOwner.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

namespace {

int32_t wordAt(const std::string& bytes, size_t offset)
{
    int32_t value = 0;
    if (offset + 4 <= bytes.size())
        std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

void putWord(std::string& bytes, size_t offset, int32_t value)
{
    if (offset + 4 <= bytes.size())
        std::memcpy(&bytes[offset], &value, 4);
}

// The format's own rule, restated: records are taken up to the stated count while each is whole,
// has marker 1, a length that fits what follows and a kind of 1 to 19.
int soundRecords(const std::string& block)
{
    if (block.size() < 4)
        return 0;
    const int32_t stated = wordAt(block, 0);
    size_t offset = 4;
    int sound = 0;
    while (sound < stated && block.size() - offset >= 56) {
        const int32_t kind = wordAt(block, offset + 4 + 5 * 4);
        const int32_t length = wordAt(block, offset + 52);
        if (wordAt(block, offset) != 1 || length < 0 || static_cast<size_t>(length) > block.size() - offset - 56 ||
            kind < 1 || kind > 19)
            break;
        offset += 56 + static_cast<size_t>(length);
        ++sound;
    }
    return sound;
}

// One bad block and, where the mutation decides it alone, the number of records that must paste.
struct BadBlock {
    std::string bytes;
    int exact = -1;
};

// The good block's record offsets and lengths.
struct Layout {
    std::vector<size_t> offsets;
    std::vector<int32_t> lengths;
};

Layout layoutOf(const std::string& good)
{
    Layout layout;
    size_t offset = 4;
    for (int i = 0; i < wordAt(good, 0); ++i) {
        layout.offsets.push_back(offset);
        layout.lengths.push_back(wordAt(good, offset + 52));
        offset += 56 + static_cast<size_t>(wordAt(good, offset + 52));
    }
    return layout;
}

std::vector<BadBlock> badBlocks(const std::string& good)
{
    std::vector<BadBlock> blocks;
    for (size_t length = 0; length < good.size(); ++length)
        blocks.push_back({good.substr(0, length), -1});

    const Layout layout = layoutOf(good);
    std::mt19937 random(3105);
    const int32_t counts[] = {-1, 0, 1, 2, 4, INT_MAX, INT_MIN};
    const int32_t markers[] = {0, 2, -1, 0x01000000};
    const int32_t kinds[] = {0, 20, -5, 1000, INT_MAX};
    for (int round = 0; round < 3000; ++round) {
        BadBlock bad{good, -1};
        const size_t record = random() % layout.offsets.size();
        const size_t at = layout.offsets[record];
        const int index = static_cast<int>(record);
        switch (random() % 6) {
        case 0: {
            const int32_t count = counts[random() % 7];
            putWord(bad.bytes, 0, count);
            bad.exact = count < 0 ? 0 : count > 3 ? 3 : count;
            break;
        }
        case 1:
            putWord(bad.bytes, at, markers[random() % 4]);
            bad.exact = index;
            break;
        case 2: {
            const int64_t left = static_cast<int64_t>(good.size() - at - 56);
            const int64_t choices[] = {-1, INT_MAX, left + 1, left + 1000000, INT_MIN,
                                       layout.lengths[record] + 1, layout.lengths[record] - 1, 0};
            const int pick = static_cast<int>(random() % 8);
            putWord(bad.bytes, at + 52, static_cast<int32_t>(choices[pick]));
            // Lengths past the data stop at this record. One byte past it fits the zero byte
            // the clipboard keeps after the data; the others misalign what follows.
            if (pick < 5 && pick != 2)
                bad.exact = index;
            break;
        }
        case 3:
            putWord(bad.bytes, at + 4 + 5 * 4, kinds[random() % 5]);
            bad.exact = index;
            break;
        case 4:
            for (int n = 1 + static_cast<int>(random() % 4); n > 0; --n)
                bad.bytes[random() % bad.bytes.size()] = static_cast<char>(random());
            break;
        default:
            for (int n = 1 + static_cast<int>(random() % 3); n > 0; --n)
                bad.bytes[at + random() % 56] = static_cast<char>(random());
            break;
        }
        blocks.push_back(bad);
    }
    return blocks;
}

// Bytes placed so that the last one is followed by a page that cannot be read.
class GuardedBytes {
public:
    explicit GuardedBytes(const std::string& bytes)
    {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        const size_t page = info.dwPageSize;
        const size_t pages = (bytes.size() + page - 1) / page + 1;
        base_ = static_cast<char*>(VirtualAlloc(nullptr, pages * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        if (base_ && VirtualProtect(base_ + (pages - 1) * page, page, PAGE_NOACCESS, &old)) {
            data_ = base_ + (pages - 1) * page - bytes.size();
            std::memcpy(data_, bytes.data(), bytes.size());
        }
    }
    ~GuardedBytes()
    {
        if (base_)
            VirtualFree(base_, 0, MEM_RELEASE);
    }
    const char* data() const { return data_; }

private:
    char* base_ = nullptr;
    char* data_ = nullptr;
};

std::string goodBlock(ElementClipboard& clipboard)
{
    EditTestDocument source;
    source.add(ElementKind::Line, {{1, 2, 0}, {30, 40, 0}}, 1, 2);
    source.addBox(10, 10, 20, 5, 1, 2);
    // A record of two blocks: 11 points.
    std::vector<UndoPoint> many;
    for (int i = 0; i < 11; ++i)
        many.push_back({static_cast<double>(i), 1.0, 0.0});
    source.add(ElementKind::Spline, many, 1, 4);
    source.selectTool->choose({1, 2, 3});
    clipboard.setOwner(&source.context);
    if (!clipboard.copy())
        return "";
    std::unique_ptr<GlobalBlock> data(getClipboardData(kElementClipboardFormat));
    if (!data)
        return "";
    BlockLock bytes(*data);
    // Without the zero byte the clipboard call adds after the data.
    return std::string(bytes.data(), static_cast<size_t>(data->count) - 1);
}

TEST(ElementClipboardMutation, BadBlocksPasteTheSoundRecordsBeforeTheFirstInconsistency)
{
    TestApplication app;
    ClipboardOwner owner;
    ASSERT_TRUE(owner.ready());
    ElementClipboard clipboard;
    ScopedOverride<ElementClipboard*> installed(theElementClipboard, &clipboard);
    const std::string good = goodBlock(clipboard);
    ASSERT_EQ(wordAt(good, 0), 3);
    ASSERT_EQ(soundRecords(good), 3);
    const std::vector<BadBlock> blocks = badBlocks(good);

    // The reader alone, with the block's last byte before a page that faults when read: every
    // byte of every record it hands out is touched.
    for (size_t i = 0; i < blocks.size(); ++i) {
        const std::string& bytes = blocks[i].bytes;
        GuardedBytes guarded(bytes);
        ASSERT_TRUE(guarded.data() || bytes.empty());
        ElementDataReader reader(guarded.data(), static_cast<long long>(bytes.size()));
        ElementIndexEntry entry;
        const char* record = nullptr;
        int length = 0;
        unsigned sum = 0;
        while (reader.next(entry, record, length)) {
            for (int b = 0; b < length; ++b)
                sum += static_cast<unsigned char>(record[b]);
            ASSERT_TRUE(entry.kind >= 1 && entry.kind <= 19);
        }
        (void)sum;
        ASSERT_EQ(reader.recordsRead(), soundRecords(bytes)) << "block " << i;
        ASSERT_EQ(reader.next(entry, record, length), 0) << "it stays stopped";
    }

    // Pasted through the clipboard into one drawing; each paste is undone again.
    EditTestDocument doc;
    clipboard.setOwner(&doc.context);
    for (size_t i = 0; i < blocks.size(); ++i) {
        const BadBlock& bad = blocks[i];
        ASSERT_EQ(clearClipboard(), 1);
        ASSERT_EQ(putClipboardData(kElementClipboardFormat, bad.bytes.data(), bad.bytes.size()), 1);
        std::unique_ptr<GlobalBlock> seen(getClipboardData(kElementClipboardFormat));
        ASSERT_NE(seen, nullptr);
        std::string received;
        {
            BlockLock bytes(*seen);
            received.assign(bytes.data(), static_cast<size_t>(seen->count));
        }
        const int live = doc.context.elementCount();
        const int records = doc.undo().appliedCount();
        const int result = doc.context.paste();
        const int pasted = doc.context.elementCount() - live;
        ASSERT_EQ(result, pasted > 0 ? 1 : 0) << "block " << i;
        ASSERT_LE(pasted, soundRecords(received)) << "block " << i;
        if (bad.exact >= 0) {
            ASSERT_EQ(pasted, bad.exact) << "block " << i;
        }
        ASSERT_EQ(doc.undo().appliedCount(), records + (pasted > 0 ? 1 : 0)) << "block " << i;
        ASSERT_EQ(doc.selectTool->selectedCount(), pasted) << "block " << i;
        for (int id : doc.selectTool->chosen())
            ASSERT_TRUE(isElementKind(doc.entry(id).kind)) << "block " << i;
        ASSERT_LT(doc.store().recordBuffer->capacity, 1 << 16) << "block " << i;
        if (pasted > 0) {
            ASSERT_EQ(doc.undo().undo(), 1) << "block " << i;
            ASSERT_EQ(doc.context.elementCount(), live) << "block " << i;
        }
    }
    // The truncations alone: a whole record needs its 56-byte head and its bytes.
    for (size_t length = 0; length < good.size(); ++length) {
        const Layout layout = layoutOf(good);
        int whole = 0;
        for (size_t r = 0; r < layout.offsets.size(); ++r)
            whole += layout.offsets[r] + 56 + static_cast<size_t>(layout.lengths[r]) <= length + 1;
        EXPECT_EQ(soundRecords(good.substr(0, length) + std::string(1, '\0')), whole) << length;
    }
}

} // namespace
