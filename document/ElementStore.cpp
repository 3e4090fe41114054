#include "document/ElementStore.h"

#include <new>

#include "document/ApplicationErrorFlag.h"

ElementStore* theOverrideElementStore = nullptr;

ElementStore::ElementStore()
{
    if (!applicationErrorFlag())
        recordBuffer = new (std::nothrow) ElementRecordBuffer;
    if (!applicationErrorFlag())
        cellTable = new (std::nothrow) PageKindChainTable;
    if (!applicationErrorFlag())
        indexTable = new (std::nothrow) ElementIndexTable;
    if (!applicationErrorFlag())
        pageTable = new (std::nothrow) PageChainTable;
    if (!applicationErrorFlag())
        pool = new (std::nothrow) BlockPool;
}

ElementStore::~ElementStore()
{
    delete pool;
    delete pageTable;
    delete indexTable;
    delete cellTable;
    delete recordBuffer;
}

int ElementStore::makeRows(int page, int kind)
{
    if (!pageTable->ensurePage(page))
        return 0;
    if (kind >= 0 && kind < cellTable->columns)
        return cellTable->hasCell(page, kind);
    return 1;
}

int ElementStore::isPlausibleImage(const ElementIndexEntry& image) const
{
    bool blocks = pool->isValidBlock(image.firstBlock) && image.blockCount >= 1 && image.blockCount <= pool->highest;
    bool page = image.page >= 1 && image.page <= kMaxPageNumber;
    bool links = (image.pagePrevious == 0 || isLinkable(image.pagePrevious)) &&
                 (image.pageNext == kChainEnd || isLinkable(image.pageNext)) &&
                 (image.cellPrevious == 0 || isLinkable(image.cellPrevious)) &&
                 (image.cellNext == kChainEnd || isLinkable(image.cellNext));
    return blocks && page && links;
}

int ElementStore::writeRecord(ElementIndexEntry& entry, int reuseChain)
{
    int n = recordBuffer->position;
    if (n < 0)
        n = 0;
    if (n > recordBuffer->count)
        n = recordBuffer->count;
    int needed = n < 1 ? 1 : (n + kRecordBlockData - 1) / kRecordBlockData;

    // The old chain, when the record is rewritten in place: its blocks are taken in chain order.
    int oldCount = 0;
    int oldUsed = 0;
    int oldNext = 0;
    int current;
    if (reuseChain && pool->isValidBlock(entry.firstBlock)) {
        current = entry.firstBlock;
        oldCount = entry.blockCount;
        oldNext = pool->linkOf(current);
        oldUsed = 1;
    } else {
        current = pool->allocateBlock();
        if (!current)
            return 0;
    }
    entry.firstBlock = current;

    BlockLock bytes(*recordBuffer);
    const char* source = bytes.data();
    for (int i = 0; i < needed; ++i) {
        int next = kChainEnd;
        if (i + 1 < needed) {
            if (oldUsed > 0 && oldUsed < oldCount && pool->isValidBlock(oldNext)) {
                next = oldNext;
                oldNext = pool->linkOf(next);
                ++oldUsed;
            } else {
                next = pool->allocateBlock();
                if (!next)
                    return 0;
            }
        }
        int offset = i * kRecordBlockData;
        int length = n - offset < kRecordBlockData ? n - offset : kRecordBlockData;
        if (!pool->writeBlock(current, source ? source + offset : nullptr, source ? length : 0, next))
            return 0;
        current = next;
    }
    // A shorter record leaves the rest of its old chain to the free list (when reuse is allowed).
    if (oldUsed > 0 && oldUsed < oldCount && pool->isValidBlock(oldNext))
        pool->releaseChain(oldNext, oldCount - oldUsed);
    entry.blockCount = needed;
    return 1;
}

int ElementStore::linkAtEnd(int id, ElementIndexEntry& entry)
{
    int page = entry.page;
    int kind = entry.kind;
    int ok = pageTable->setFirstIfNone(page, id);
    int previous = pageTable->swapLast(page, id);
    if (isLinkable(previous))
        indexTable->setPageNext(previous, id);
    entry.ordinal = 0;
    if (cellTable->hasCell(page, kind)) {
        ok = cellTable->setFirstIfNone(page, kind, id) && ok;
        int cellPrevious = cellTable->swapLast(page, kind, id);
        if (isLinkable(cellPrevious))
            indexTable->setCellNext(cellPrevious, id);
        entry.ordinal = cellTable->incrementCount(page, kind);
        ok = entry.ordinal > 0 && ok;
    }
    ok = indexTable->putEntry(id, entry) && ok;
    return pageTable->incrementCount(page) && ok;
}

int ElementStore::appendEntry(ElementIndexEntry& entry)
{
    entry.pagePrevious = pageTable->getLast(entry.page);
    entry.pageNext = kChainEnd;
    entry.cellPrevious = cellTable->getLast(entry.page, entry.kind);
    entry.cellNext = kChainEnd;
    int id = indexTable->allocateNumber();
    if (!id || !linkAtEnd(id, entry))
        return 0;
    return id;
}

int ElementStore::reserveForElements(long long bytes, int elements)
{
    if (!pool || !indexTable || bytes < 0 || elements < 0)
        return 0;
    const long long blocks = pool->highest + 1 + bytes / kRecordBlockData;
    const long long ids = static_cast<long long>(indexTable->highest) + elements;
    return blocks <= 0x7ffffffe && ids <= 0x7ffffffe && pool->reserve(static_cast<int>(blocks), 0) &&
           indexTable->reserveIds(static_cast<int>(ids));
}

int ElementStore::addElement(ElementIndexEntry* entry)
{
    if (!entry || !isReady() || !makeRows(entry->page, entry->kind))
        return 0;
    ElementIndexEntry stored = *entry;
    if (!writeRecord(stored, 0))
        return 0;
    int id = appendEntry(stored);
    if (!id)
        return 0;
    *entry = stored;
    return id;
}

void ElementStore::prefetchAhead(const int32_t* ids, size_t count, size_t i)
{
    // The entries far ahead first; the records of the nearer ids, whose entries came earlier.
    constexpr size_t kEntriesAhead = 16, kRecordsAhead = 8;
    if (!indexTable || !pool)
        return;
    if (i + kEntriesAhead < count)
        indexTable->prefetch(ids[i + kEntriesAhead]);
    if (i + kRecordsAhead < count)
        if (const ElementIndexEntry* entry = indexTable->peekEntry(ids[i + kRecordsAhead]))
            pool->prefetchChain(entry->firstBlock, entry->blockCount);
}

int ElementStore::getEntry(int id, ElementIndexEntry* out)
{
    return indexTable && out && indexTable->copyEntry(id, out);
}

int ElementStore::readElement(int id, ElementIndexEntry* out)
{
    ElementIndexEntry entry;
    if (!isReady() || !isLive(id) || !indexTable->copyEntry(id, &entry))
        return 0;
    if (out)
        *out = entry;
    recordBuffer->rewind();
    char data[kRecordBlockData];
    int number = entry.firstBlock;
    for (int i = 0; i < entry.blockCount; ++i) {
        int next = 0;
        // A chain that ends before its block count is a record that cannot be read whole.
        if (!pool->readBlock(number, data, &next) || !recordBuffer->putBytes(data, kRecordBlockData))
            return 0;
        number = next;
    }
    return 1;
}

int ElementStore::updateElement(int id, ElementIndexEntry* entry)
{
    ElementIndexEntry stored;
    if (!entry || !isReady() || !isLive(id) || !indexTable->copyEntry(id, &stored))
        return 0;
    stored.serial = entry->serial;
    stored.kind = entry->kind;
    stored.layer = entry->layer;
    if (!writeRecord(stored, 1) || !indexTable->putEntry(id, stored))
        return 0;
    *entry = stored;
    return 1;
}

int ElementStore::updateEntry(int id, const ElementIndexEntry& entry)
{
    ElementIndexEntry stored;
    if (!isReady() || !isLive(id) || !indexTable->copyEntry(id, &stored))
        return 0;
    stored.serial = entry.serial;
    stored.kind = entry.kind;
    stored.layer = entry.layer;
    return indexTable->putEntry(id, stored);
}

void ElementStore::freeRecordBlocks(const ElementIndexEntry& entry)
{
    pool->releaseChain(entry.firstBlock, entry.blockCount);
}

int ElementStore::unlinkChains(const ElementIndexEntry& entry)
{
    int page = entry.page;
    int kind = entry.kind;
    int ok = 1;
    int previous = isLinkable(entry.pagePrevious) ? entry.pagePrevious : 0;
    int next = isLinkable(entry.pageNext) ? entry.pageNext : kChainEnd;
    if (!previous)
        ok = pageTable->setFirst(page, next > 0 ? next : 0) && ok;
    if (next == kChainEnd)
        ok = pageTable->setLast(page, previous) && ok;
    pageTable->decrementCount(page);
    if (previous)
        indexTable->setPageNext(previous, next);
    if (next != kChainEnd)
        indexTable->setPagePrevious(next, previous);

    if (!cellTable->hasCell(page, kind))
        return ok;
    previous = isLinkable(entry.cellPrevious) ? entry.cellPrevious : 0;
    next = isLinkable(entry.cellNext) ? entry.cellNext : kChainEnd;
    if (!previous)
        ok = cellTable->setFirst(page, kind, next > 0 ? next : 0) && ok;
    if (next == kChainEnd)
        ok = cellTable->setLast(page, kind, previous) && ok;
    cellTable->decrementCount(page, kind);
    if (previous)
        indexTable->setCellNext(previous, next);
    if (next != kChainEnd)
        indexTable->setCellPrevious(next, previous);
    return ok;
}

int ElementStore::releaseNumber(int id, const ElementIndexEntry& entry)
{
    int ok = unlinkChains(entry);
    return indexTable->appendFree(id) && ok;
}

int ElementStore::deleteElement(int id, ElementIndexEntry* out)
{
    ElementIndexEntry entry;
    if (!isReady() || !isLive(id) || !indexTable->copyEntry(id, &entry))
        return 0;
    if (out)
        *out = entry;
    freeRecordBlocks(entry);
    return releaseNumber(id, entry);
}

// Several elements deleted together come back one by one in any order (undo puts them back in
// selection order), each from an image taken before any of them went. A neighbour named in the
// image that is still released is not written (the index refuses chain words of released ids)
// but counts as present: it links itself to this id when its own image comes back.
int ElementStore::linkAtImagePlace(int id, const ElementIndexEntry& image)
{
    int page = image.page;
    int kind = image.kind;
    int ok = 1;
    int previous = isLinkable(image.pagePrevious) ? image.pagePrevious : 0;
    int next = isLinkable(image.pageNext) ? image.pageNext : 0;
    if (!previous)
        ok = pageTable->setFirst(page, id) && ok;
    if (!next)
        ok = pageTable->setLast(page, id) && ok;
    if (previous)
        indexTable->setPageNext(previous, id);
    if (next)
        indexTable->setPagePrevious(next, id);
    ok = pageTable->incrementCount(page) && ok;

    if (!cellTable->hasCell(page, kind))
        return ok;
    previous = isLinkable(image.cellPrevious) ? image.cellPrevious : 0;
    next = isLinkable(image.cellNext) ? image.cellNext : 0;
    if (!previous)
        ok = cellTable->setFirst(page, kind, id) && ok;
    if (!next)
        ok = cellTable->setLast(page, kind, id) && ok;
    if (previous)
        indexTable->setCellNext(previous, id);
    if (next)
        indexTable->setCellPrevious(next, id);
    return cellTable->incrementCount(page, kind) && ok;
}

int ElementStore::reinsertElement(int id, const ElementIndexEntry& image)
{
    if (!isReady() || !indexTable->isValidId(id) || !isPlausibleImage(image) || !makeRows(image.page, image.kind))
        return 0;
    int ok = 1;
    if (indexTable->isFree(id)) {
        // Handed out again by undo or redo: the id must not be given a second time.
        if (!indexTable->unlinkFree(id))
            return 0;
    } else {
        // A live id moves to the place its image records instead of being linked twice.
        ElementIndexEntry stored;
        if (!indexTable->copyEntry(id, &stored))
            return 0;
        ok = unlinkChains(stored);
    }
    ok = indexTable->putEntry(id, image) && ok;
    return linkAtImagePlace(id, image) && ok;
}

int ElementStore::canReinsert(int id, const ElementIndexEntry& image)
{
    return isReady() && indexTable->isValidId(id) && indexTable->isFree(id) && isPlausibleImage(image);
}

int ElementStore::appendToPageEnd(int id)
{
    ElementIndexEntry entry;
    if (!isReady() || !indexTable->copyEntry(id, &entry))
        return 0;
    if (entry.page < 1 || entry.page > kMaxPageNumber || !makeRows(entry.page, entry.kind))
        return 0;
    int ok = 1;
    if (indexTable->isFree(id)) {
        if (!indexTable->unlinkFree(id))
            return 0;
    } else {
        ok = unlinkChains(entry);
    }
    entry.pagePrevious = pageTable->getLast(entry.page);
    entry.pageNext = kChainEnd;
    entry.cellPrevious = cellTable->getLast(entry.page, entry.kind);
    entry.cellNext = kChainEnd;
    return linkAtEnd(id, entry) && ok;
}

int ElementStore::relinkOrder(int page, int id, int target) { return relink(page, id, target, 0); }

int ElementStore::relinkOrderAfter(int page, int id, int target) { return relink(page, id, target, 1); }

int ElementStore::relink(int page, int a, int b, int after)
{
    ElementIndexEntry moved;
    ElementIndexEntry anchor;
    if (!isReady() || a == b || !isLive(a) || !isLive(b) || !indexTable->copyEntry(a, &moved) ||
        !indexTable->copyEntry(b, &anchor) || moved.page != page || anchor.page != page)
        return 0;
    int kind = moved.kind;
    bool sameKind = anchor.kind == kind && cellTable->hasCell(page, kind);

    // Take a out of its chains (the cell chain only when b shares it).
    int ok = 1;
    int previous = isLinkable(moved.pagePrevious) ? moved.pagePrevious : 0;
    int next = isLinkable(moved.pageNext) ? moved.pageNext : kChainEnd;
    if (previous)
        indexTable->setPageNext(previous, next);
    if (next != kChainEnd)
        indexTable->setPagePrevious(next, previous);
    if (pageTable->getFirst(page) == a)
        ok = pageTable->setFirst(page, next > 0 ? next : 0) && ok;
    if (pageTable->getLast(page) == a)
        ok = pageTable->setLast(page, previous) && ok;
    if (sameKind) {
        int cellPrevious = isLinkable(moved.cellPrevious) ? moved.cellPrevious : 0;
        int cellNext = isLinkable(moved.cellNext) ? moved.cellNext : kChainEnd;
        if (cellPrevious)
            indexTable->setCellNext(cellPrevious, cellNext);
        if (cellNext != kChainEnd)
            indexTable->setCellPrevious(cellNext, cellPrevious);
        if (cellTable->getFirst(page, kind) == a)
            ok = cellTable->setFirst(page, kind, cellNext > 0 ? cellNext : 0) && ok;
        if (cellTable->getLast(page, kind) == a)
            ok = cellTable->setLast(page, kind, cellPrevious) && ok;
    }

    // b's links may have changed when a was its neighbour.
    ok = indexTable->copyEntry(b, &anchor) && ok;
    if (!after) {
        int before = isLinkable(anchor.pagePrevious) ? anchor.pagePrevious : 0;
        if (before)
            indexTable->setPageNext(before, a);
        indexTable->setPagePrevious(b, a);
        moved.pagePrevious = before;
        moved.pageNext = b;
        if (pageTable->getFirst(page) == b)
            ok = pageTable->setFirst(page, a) && ok;
        if (sameKind) {
            int cellBefore = isLinkable(anchor.cellPrevious) ? anchor.cellPrevious : 0;
            if (cellBefore)
                indexTable->setCellNext(cellBefore, a);
            indexTable->setCellPrevious(b, a);
            moved.cellPrevious = cellBefore;
            moved.cellNext = b;
            if (cellTable->getFirst(page, kind) == b)
                ok = cellTable->setFirst(page, kind, a) && ok;
        }
    } else {
        int beyond = isLinkable(anchor.pageNext) ? anchor.pageNext : kChainEnd;
        indexTable->setPageNext(b, a);
        if (beyond != kChainEnd)
            indexTable->setPagePrevious(beyond, a);
        moved.pageNext = beyond;
        moved.pagePrevious = b;
        if (pageTable->getLast(page) == b)
            ok = pageTable->setLast(page, a) && ok;
        if (sameKind) {
            int cellBeyond = isLinkable(anchor.cellNext) ? anchor.cellNext : kChainEnd;
            indexTable->setCellNext(b, a);
            if (cellBeyond != kChainEnd)
                indexTable->setCellPrevious(cellBeyond, a);
            moved.cellNext = cellBeyond;
            moved.cellPrevious = b;
            if (cellTable->getLast(page, kind) == b)
                ok = cellTable->setLast(page, kind, a) && ok;
        }
    }
    return indexTable->putEntry(a, moved) && ok;
}

namespace {
// Applies a row shift to a table when it has row n; 1 when nothing needed doing.
template <typename Table> int shiftRows(Table& table, int n, int (Table::*shift)(int))
{
    if (n < 1 || n >= table.count)
        return 1;
    return (table.*shift)(n);
}
} // namespace

int ElementStore::insertPageBefore(int page)
{
    if (!cellTable || !pageTable)
        return 0;
    int cells = shiftRows(*cellTable, page, &PageKindChainTable::insertPage);
    int pages = shiftRows(*pageTable, page, &PageChainTable::insertPage);
    return cells && pages;
}

int ElementStore::insertPageAfter(int page)
{
    if (page < 0 || page >= kMaxPageNumber)
        return cellTable && pageTable;
    return insertPageBefore(page + 1);
}

int ElementStore::removePage(int page)
{
    if (!cellTable || !pageTable)
        return 0;
    int cells = shiftRows(*cellTable, page, &PageKindChainTable::removePage);
    int pages = shiftRows(*pageTable, page, &PageChainTable::removePage);
    return cells && pages;
}

int ElementStore::shiftEntryPages(int from, int delta)
{
    if (!indexTable)
        return 0;
    int ok = 1;
    ElementIndexEntry entry;
    for (int id = 1; id <= indexTable->highest; ++id) {
        if (!isLive(id) || !indexTable->copyEntry(id, &entry) || entry.page < from)
            continue;
        entry.page += delta;
        ok = indexTable->putEntry(id, entry) && ok;
    }
    return ok;
}
