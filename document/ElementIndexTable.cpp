#include "document/ElementIndexTable.h"

#include "document/ChainStamp.h"

namespace {
constexpr int32_t kNotFree = -1;
}

ElementIndexTable::ElementIndexTable() : GlobalBlock(1000, sizeof(ElementIndexEntry)), stamp(newChainStamp()) {}

ElementIndexTable::FreeLink ElementIndexTable::freeLink(int id)
{
    BlockLock links(freeLinks_);
    if (!links || id < 1 || id >= freeLinks_.count)
        return FreeLink{kNotFree, 0};
    return links.data<FreeLink>()[id];
}

void ElementIndexTable::setFreeLink(int id, int32_t FreeLink::*word, int value)
{
    BlockLock links(freeLinks_);
    if (links && id >= 1 && id < freeLinks_.count)
        links.data<FreeLink>()[id].*word = value;
}

int ElementIndexTable::allocateNumber()
{
    if (freeCount >= 1) {
        int id = freeHead;
        if (!isFree(id))
            return 0;
        int next = freeNext(id);
        setFreePrevious(id, kNotFree);
        setFreeNext(id, 0);
        if (--freeCount <= 0) {
            freeCount = freeHead = freeTail = 0;
        } else {
            freeHead = next;
            setFreePrevious(next, 0);
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
        links.data<FreeLink>()[i] = FreeLink{kNotFree, 0};
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
        setFreeNext(freeTail, id);
        setFreePrevious(id, freeTail);
    }
    setFreeNext(id, 0);
    freeTail = id;
    ++freeCount;
    return 1;
}

int ElementIndexTable::unlinkFree(int id)
{
    if (!isFree(id))
        return 0;
    int previous = freePrevious(id);
    int next = freeNext(id);
    if (previous >= 1)
        setFreeNext(previous, next);
    else
        freeHead = next;
    if (next >= 1)
        setFreePrevious(next, previous);
    else
        freeTail = previous;
    setFreePrevious(id, kNotFree);
    setFreeNext(id, 0);
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

int ElementIndexTable::setChainWord(int id, int32_t ElementIndexEntry::*word, int value)
{
    if (isFree(id))
        return 0;
    stamp = newChainStamp();
    return setWord(id, word, value);
}

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
    ElementIndexEntry& stored = entries.data<ElementIndexEntry>()[id];
    if (stored.page != entry.page || stored.pageNext != entry.pageNext || stored.pagePrevious != entry.pagePrevious)
        stamp = newChainStamp();
    stored = entry;
    return 1;
}

void ElementIndexTable::prefetch(int id)
{
    const ElementIndexEntry* entry = peekEntry(id);
    if (!entry)
        return;
    __builtin_prefetch(entry);
    if (const FreeLink* links = static_cast<const FreeLink*>(freeLinks_.lock())) {
        if (id < freeLinks_.count)
            __builtin_prefetch(links + id);
        freeLinks_.unlock();
    }
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
