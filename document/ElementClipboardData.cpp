#include "document/ElementClipboardData.h"

#include <cstring>

#include "document/ElementKind.h"
#include "document/ElementStore.h"

namespace {

// Appends n bytes at the block's end (element size 1); 0 when it cannot grow.
int appendBytes(GlobalBlock& block, const void* bytes, int n)
{
    if (n < 1)
        return 1;
    if (!block.reserveMore(n))
        return 0;
    BlockLock target(block);
    if (!target)
        return 0;
    std::memcpy(target.data() + block.count, bytes, static_cast<size_t>(n));
    block.count += n;
    return 1;
}

int32_t wordAt(const char* bytes)
{
    int32_t value;
    std::memcpy(&value, bytes, 4);
    return value;
}

} // namespace

int buildElementData(ElementStore& store, GlobalBlock& ids, GlobalBlock& data)
{
    data.count = 0;
    int32_t n = 0;
    if (!store.recordBuffer || !appendBytes(data, &n, 4))
        return 0;
    int complete = 1;
    for (int i = 0; i < ids.count; ++i) {
        int32_t id = 0;
        ElementIndexEntry entry;
        if (!ids.get(i, &id) || !store.readElement(id, &entry)) {
            complete = 0;
            break;
        }
        ElementRecordBuffer& buffer = *store.recordBuffer;
        const int32_t marker = 1;
        const int32_t length = buffer.position;
        BlockLock record(buffer);
        if (!data.reserveMore(kClipboardRecordHead + length) || !record || !appendBytes(data, &marker, 4) ||
            !appendBytes(data, &entry, sizeof entry) || !appendBytes(data, &length, 4) ||
            !appendBytes(data, record.data(), length)) {
            complete = 0;
            break;
        }
        ++n;
    }
    BlockLock target(data);
    if (!target)
        return 0;
    std::memcpy(target.data(), &n, 4);
    return complete;
}

ElementDataReader::ElementDataReader(const char* bytes, long long byteCount) : data(bytes), size(byteCount)
{
    if (!data || size < 4) {
        stopped = true;
        return;
    }
    stated = wordAt(data);
    if (stated < 0)
        stated = 0;
}

int ElementDataReader::next(ElementIndexEntry& entry, const char*& record, int& length)
{
    if (stopped || read >= stated || size - offset < kClipboardRecordHead) {
        stopped = true;
        return 0;
    }
    const char* head = data + offset;
    std::memcpy(&entry, head + 4, sizeof entry);
    const int32_t stored = wordAt(head + 52);
    const long long left = size - offset - kClipboardRecordHead;
    if (wordAt(head) != 1 || stored < 0 || stored > left || !isElementKind(entry.kind)) {
        stopped = true;
        return 0;
    }
    record = head + kClipboardRecordHead;
    length = stored;
    offset += kClipboardRecordHead + stored;
    ++read;
    return 1;
}
