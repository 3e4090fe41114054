#include "io/images/GifLzw.h"

#include <cstdint>
#include <cstring>

#include "platform/GlobalBlock.h"
#include "platform/LzwDecoder.h"

namespace {

const int kMaxCodes = 4096;
const int kMaxWidth = 12;
// Room past the last index for copies of whole words.
const long long kSlack = 8;

struct Entry {
    std::int32_t code;
    std::int32_t position; // of the string in the index output
    std::int32_t length;
};
static_assert(sizeof(Entry) == LzwDecoder::kTableEntrySize, "table entries are 12 bytes");

// The index output, grown as strings arrive (by half its size at least, so that filling it is
// linear), never beyond the limit.
class Output {
public:
    Output(GlobalBlock& block, long long limit) : block_(block), limit_(limit) {}
    ~Output()
    {
        if (base_)
            block_.unlock();
    }
    // Room for n more indices after `at`; 0 when the block cannot grow.
    [[nodiscard]] int room(long long at, long long n)
    {
        if (base_ && at + n <= capacity_)
            return 1;
        long long wanted = at + n;
        if (wanted < 2 * capacity_)
            wanted = 2 * capacity_;
        if (wanted > limit_ + kSlack)
            wanted = limit_ + kSlack;
        if (base_)
            block_.unlock();
        base_ = nullptr;
        if (!block_.reserve(static_cast<int>(wanted), 0))
            return 0;
        base_ = static_cast<unsigned char*>(block_.lock());
        capacity_ = wanted;
        return base_ != nullptr;
    }
    [[nodiscard]] unsigned char* base() const { return base_; }

private:
    GlobalBlock& block_;
    long long limit_;
    long long capacity_ = 0;
    unsigned char* base_ = nullptr;
};

} // namespace

LzwResult decodeLzw(LzwDecoder& lzw, int minimumCodeSize, long long limit, GlobalBlock& indices, long long& produced)
{
    produced = 0;
    indices.count = 0;
    if (limit <= 0)
        return LzwResult::kDone;
    if (!lzw.table || !lzw.table->reserve(kMaxCodes, 0))
        return LzwResult::kNoMemory;
    BlockLock tableLock(*lzw.table);
    if (!tableLock)
        return LzwResult::kNoMemory;
    Entry* table = tableLock.data<Entry>();
    lzw.table->count = kMaxCodes;

    const long long byteCount = lzw.bytes ? lzw.bytes->count : 0;
    const unsigned char* data = lzw.lockBytes();
    const int clear = 1 << minimumCodeSize, end = clear + 1, firstFree = clear + 2;
    Output out(indices, limit);
    // A first guess from the data; the output grows when the data expands more.
    long long guess = byteCount * 4 + 4096;
    if (!out.room(0, (guess < limit ? guess : limit) + kSlack)) {
        lzw.unlockBytes();
        return LzwResult::kNoMemory;
    }

    LzwResult result = LzwResult::kDone;
    long long at = 0, byte = 0;
    std::uint64_t bits = 0;
    int bitCount = 0, width = minimumCodeSize + 1, next = firstFree;
    int previous = -1;
    long long previousAt = 0;
    int previousLength = 0;
    while (at < limit) {
        while (bitCount < width && byte < byteCount) {
            bits |= static_cast<std::uint64_t>(data[byte++]) << bitCount;
            bitCount += 8;
        }
        if (bitCount < width)
            break; // the data ends without an end code
        const int code = static_cast<int>(bits & ((1u << width) - 1));
        bits >>= width;
        bitCount -= width;
        if (code == clear) {
            width = minimumCodeSize + 1;
            next = firstFree;
            previous = -1;
            continue;
        }
        if (code == end)
            break;
        long long length;
        if (code < clear) {
            length = 1;
        } else if (previous >= 0 && code < next) {
            length = table[code].length;
        } else if (previous >= 0 && code == next) {
            length = previousLength + 1; // the previous string and its own first index
        } else {
            result = LzwResult::kBadCode;
            break;
        }
        const long long stored = at + length <= limit ? length : limit - at;
        if (!out.room(at, stored + kSlack)) {
            result = LzwResult::kNoMemory;
            break;
        }
        unsigned char* o = out.base();
        if (code < clear) {
            o[at] = static_cast<unsigned char>(code);
        } else if (code < next) {
            // The string lies wholly before `at`; eight bytes at a time, the ones past its end are
            // written over by the next string (the output keeps slack for them).
            const unsigned char* from = o + table[code].position;
            for (long long i = 0; i < stored; i += 8)
                std::memcpy(o + at + i, from + i, 8);
        } else {
            const long long head = stored < previousLength ? stored : previousLength;
            std::memcpy(o + at, o + previousAt, static_cast<size_t>(head));
            if (stored > previousLength)
                o[at + previousLength] = o[previousAt];
        }
        if (previous >= 0 && next < kMaxCodes) {
            table[next] = {next, static_cast<std::int32_t>(previousAt), previousLength + 1};
            ++next;
            if (next == 1 << width && width < kMaxWidth)
                ++width;
        }
        previous = code;
        previousAt = at;
        previousLength = static_cast<int>(length);
        at += stored;
    }
    lzw.unlockBytes();
    produced = at;
    indices.count = static_cast<int>(at);
    return result;
}

long long lzwMostIndices(long long dataBytes, int minimumCodeSize)
{
    const int size = minimumCodeSize < 1 ? 1 : minimumCodeSize > kMaxWidth - 1 ? kMaxWidth - 1 : minimumCodeSize;
    return dataBytes < 1 ? 0 : dataBytes * 8 / (size + 1) * kMaxCodes;
}
