#include "document/IdList.h"

#include <cstring>

namespace {
uint32_t slotOf(int32_t id, int mask) { return (static_cast<uint32_t>(id) * 2654435761u) & static_cast<uint32_t>(mask); }
} // namespace

void IdList::clear()
{
    ids.count = 0;
    if (slots.count > 0) {
        BlockLock data(slots);
        if (data)
            std::memset(data.data(), 0, static_cast<size_t>(slots.count) * 4);
    }
}

void IdList::indexAt(int32_t* slotData, int32_t id, int index) const
{
    const int mask = slots.count - 1;
    for (uint32_t slot = slotOf(id, mask);; slot = (slot + 1) & static_cast<uint32_t>(mask)) {
        if (slotData[slot] == 0) {
            slotData[slot] = index + 1;
            return;
        }
    }
}

int IdList::reserveIndex(int n)
{
    if (static_cast<long long>(n) * 2 <= slots.count)
        return 1;
    long long size = slots.count > 0 ? slots.count : 64;
    while (size < static_cast<long long>(n) * 2)
        size *= 2;
    if (size > (1 << 29))
        return 0;
    const int newSize = static_cast<int>(size);
    if (!slots.reserve(newSize))
        return 0;
    BlockLock slotData(slots);
    BlockLock idData(ids);
    if (!slotData || (ids.count > 0 && !idData))
        return 0;
    slots.count = newSize;
    auto* table = slotData.data<int32_t>();
    std::memset(table, 0, static_cast<size_t>(newSize) * 4);
    const int32_t* listed = ids.count > 0 ? idData.data<int32_t>() : nullptr;
    for (int i = 0; i < ids.count; ++i) {
        // Only an id's first place is indexed.
        if (indexOf(listed[i]) < 0)
            indexAt(table, listed[i], i);
    }
    return 1;
}

int IdList::add(int32_t id)
{
    if (!reserveIndex(ids.count + 1))
        return 0;
    const int first = indexOf(id);
    if (!ids.append(&id))
        return 0;
    if (first < 0) {
        BlockLock slotData(slots);
        if (slotData)
            indexAt(slotData.data<int32_t>(), id, ids.count - 1);
    }
    return 1;
}

int32_t IdList::at(int index)
{
    int32_t id = 0;
    return ids.get(index, &id) ? id : 0;
}

int IdList::indexOf(int32_t id)
{
    if (slots.count < 1 || ids.count < 1)
        return -1;
    BlockLock slotData(slots);
    BlockLock idData(ids);
    if (!slotData || !idData)
        return -1;
    const auto* table = slotData.data<int32_t>();
    const auto* listed = idData.data<int32_t>();
    const int mask = slots.count - 1;
    for (uint32_t slot = slotOf(id, mask); table[slot] != 0; slot = (slot + 1) & static_cast<uint32_t>(mask)) {
        const int index = table[slot] - 1;
        if (index < ids.count && listed[index] == id)
            return index;
    }
    return -1;
}
