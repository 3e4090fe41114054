#include "document/OrderChangeRecord.h"

#include "document/ElementStore.h"

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
