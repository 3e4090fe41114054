#include "document/OrderChangeRecord.h"

#include "document/ElementStore.h"
#include "document/IdList.h"

OrderChangeRecord::OrderChangeRecord() : GlobalBlock(50, sizeof(OrderChangeItem)) {}

int OrderChangeRecord::restore(ElementStore* store, int phase)
{
    if (!store || !store->pageTable || !store->cellTable || !store->indexTable)
        return 0;
    OrderChangeItem item;
    for (int i = 0; i < count; ++i) {
        if (!itemAt(i, item) || item.phase != phase)
            continue;
        switch (item.type) {
        case 1:
            if (!store->pageTable->setFirst(page, item.w[1]) || !store->pageTable->setLast(page, item.w[2]))
                return 0;
            break;
        case 2: {
            ElementIndexEntry entry;
            if (!store->isLive(item.w[0]) || !store->indexTable->copyEntry(item.w[0], &entry))
                break;
            entry.pagePrevious = item.w[1];
            entry.pageNext = item.w[2];
            entry.cellPrevious = item.w[3];
            entry.cellNext = item.w[4];
            if (!store->indexTable->putEntry(item.w[0], entry))
                return 0;
            break;
        }
        case 3:
            if (!store->cellTable->setFirst(page, item.w[0], item.w[1]) ||
                !store->cellTable->setLast(page, item.w[0], item.w[2]))
                return 0;
            break;
        default:
            break;
        }
    }
    return 1;
}

int OrderChangeRecord::canRestore(ElementStore* store, int phase)
{
    if (!store || !store->pageTable || !store->cellTable || !store->indexTable)
        return 0;
    OrderChangeItem item;
    for (int i = 0; i < count; ++i) {
        if (!itemAt(i, item))
            return 0;
        if (item.phase != phase)
            continue;
        // The rows the items write must be there to take them (they are made on the way).
        if ((item.type == 1 && !store->pageTable->ensurePage(page)) ||
            (item.type == 2 && !store->isLive(item.w[0])) ||
            (item.type == 3 && !store->cellTable->hasCell(page, item.w[0])))
            return 0;
    }
    return 1;
}

int OrderChangeRecord::noteNow(ElementStore* store, int phase, int type, int key)
{
    OrderChangeItem item;
    item.phase = static_cast<uint8_t>(phase);
    item.type = static_cast<uint8_t>(type);
    if (type == 1) {
        item.w[1] = store->pageTable->getFirst(page);
        item.w[2] = store->pageTable->getLast(page);
    } else if (type == 2) {
        ElementIndexEntry entry;
        if (!store->getEntry(key, &entry))
            return 0;
        item.w[0] = key;
        item.w[1] = entry.pagePrevious;
        item.w[2] = entry.pageNext;
        item.w[3] = entry.cellPrevious;
        item.w[4] = entry.cellNext;
    } else {
        item.w[0] = key;
        item.w[1] = store->cellTable->getFirst(page, key);
        item.w[2] = store->cellTable->getLast(page, key);
    }
    return addItem(item);
}

// The element's links, then those of each neighbour not noted yet, then its kind's cell.
int OrderChangeRecord::noteElement(ElementStore* store, int id, IdList& elements, IdList& kinds)
{
    ElementIndexEntry entry;
    if (!store->isLive(id) || !store->getEntry(id, &entry))
        return 1;
    const int32_t around[5] = {id, entry.pagePrevious, entry.pageNext, entry.cellPrevious, entry.cellNext};
    for (int32_t other : around) {
        if (!store->isLive(other) || elements.contains(other))
            continue;
        if (!elements.add(other) || !noteNow(store, 1, 2, other))
            return 0;
    }
    if (kinds.contains(entry.kind))
        return 1;
    return kinds.add(entry.kind) && noteNow(store, 1, 3, entry.kind);
}

int OrderChangeRecord::begin(ElementStore* store, int targetPage, int target, GlobalBlock& ids)
{
    clear();
    page = targetPage;
    if (!store || !store->pageTable || !store->cellTable || !store->indexTable)
        return 0;
    IdList elements(50);
    IdList kinds(50);
    if (!noteNow(store, 1, 1, 0) || !noteElement(store, target, elements, kinds))
        return 0;
    for (int i = 0; i < ids.count; ++i) {
        int32_t id = 0;
        if (!ids.get(i, &id) || !noteElement(store, id, elements, kinds))
            return 0;
    }
    return 1;
}

int OrderChangeRecord::end(ElementStore* store)
{
    if (!store || !store->pageTable || !store->cellTable || !store->indexTable)
        return 0;
    const int before = count;
    if (!reserve(before * 2))
        return 0;
    OrderChangeItem item;
    for (int i = 0; i < before; ++i) {
        if (!itemAt(i, item) || item.phase != 1 || !noteNow(store, 2, item.type, item.w[0]))
            return 0;
    }
    return 1;
}
