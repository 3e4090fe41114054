#include "document/ElementIndexTable.h"

namespace {
constexpr int32_t kNotFree = -1;
}

ElementIndexTable::ElementIndexTable() : GlobalBlock(1000, sizeof(ElementIndexEntry)) {}

int ElementIndexTable::freePrevious(int id)
{
    BlockLock links(freeLinks_);
    return links && id < freeLinks_.count ? links.data<int32_t>()[id] : kNotFree;
}

void ElementIndexTable::setFreePrevious(int id, int value)
{
    BlockLock links(freeLinks_);
    if (links && id < freeLinks_.count)
        links.data<int32_t>()[id] = value;
}

int ElementIndexTable::allocateNumber()
{
    if (freeCount >= 1) {
        int id = freeHead;
        ElementIndexEntry entry;
        copyEntry(id, &entry);
        setFreePrevious(id, kNotFree);
        if (--freeCount <= 0) {
            freeCount = freeHead = freeTail = 0;
        } else {
            freeHead = entry.pageNext;
            setFreePrevious(freeHead, 0);
        }
        return id;
    }
    int id = highest + 1;
    if (id >= 0x7fffffff || !reserve(id + 1) || !freeLinks_.reserve(id + 1))
        return 0;
    BlockLock entries(*this);
    BlockLock links(freeLinks_);
    if (!entries || !links)
        return 0;
    // Entry 0 and every new entry start cleared.
    for (int i = count; i <= id; ++i)
        entries.data<ElementIndexEntry>()[i] = ElementIndexEntry();
    for (int i = freeLinks_.count; i <= id; ++i)
        links.data<int32_t>()[i] = kNotFree;
    count = id + 1;
    freeLinks_.count = id + 1;
    highest = id;
    return id;
}

int ElementIndexTable::isFree(int id)
{
    return isValidId(id) && freePrevious(id) != kNotFree;
}

int ElementIndexTable::appendFree(int id)
{
    if (!isValidId(id) || isFree(id))
        return 0;
    if (freeCount < 1) {
        freeHead = id;
        setFreePrevious(id, 0);
    } else {
        setPageNext(freeTail, id);
        setFreePrevious(id, freeTail);
    }
    setPageNext(id, kChainEnd);
    freeTail = id;
    ++freeCount;
    return 1;
}

int ElementIndexTable::unlinkFree(int id)
{
    if (!isFree(id))
        return 0;
    int previous = freePrevious(id);
    int next = 0;
    if (id != freeTail) {
        ElementIndexEntry entry;
        copyEntry(id, &entry);
        next = entry.pageNext;
    }
    if (previous >= 1)
        setPageNext(previous, id == freeTail ? kChainEnd : next);
    else
        freeHead = next;
    if (next >= 1)
        setFreePrevious(next, previous);
    else
        freeTail = previous;
    setFreePrevious(id, kNotFree);
    if (--freeCount <= 0)
        freeCount = freeHead = freeTail = 0;
    return 1;
}

int ElementIndexTable::getGroup(int id)
{
    ElementIndexEntry entry;
    return copyEntry(id, &entry) ? entry.group : 0;
}

int ElementIndexTable::setGroup(int id, int group) { return setWord(id, &ElementIndexEntry::group, group); }

int ElementIndexTable::setWord(int id, int32_t ElementIndexEntry::*word, int value)
{
    if (!isValidId(id))
        return 0;
    BlockLock entries(*this);
    if (!entries)
        return 0;
    entries.data<ElementIndexEntry>()[id].*word = value;
    return 1;
}

int ElementIndexTable::putEntry(int id, const ElementIndexEntry& entry)
{
    if (!isValidId(id))
        return 0;
    BlockLock entries(*this);
    if (!entries)
        return 0;
    entries.data<ElementIndexEntry>()[id] = entry;
    return 1;
}

int ElementIndexTable::copyEntry(int id, ElementIndexEntry* out)
{
    if (!out || !isValidId(id))
        return 0;
    BlockLock entries(*this);
    if (!entries)
        return 0;
    *out = entries.data<ElementIndexEntry>()[id];
    return 1;
}
