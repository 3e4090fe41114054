#include "document/PageOrder.h"

#include <algorithm>

#include "document/ElementStore.h"

void PageOrder::walk(ElementStore& store, int page)
{
    walkedStore = &store;
    walkedPage = page;
    pageStamp = store.pageTable->stamp;
    entryStamp = store.indexTable->stamp;
    position.assign(static_cast<size_t>(store.highestId()) + 1, 0);
    // The count bounds the walk, so that a damaged chain cannot loop.
    const int count = store.pageTable->getCount(page);
    ElementIndexEntry entry;
    int id = store.pageTable->getFirst(page);
    for (int n = 1; n <= count && id >= 1 && id < static_cast<int>(position.size()) && !position[id] &&
                    store.getEntry(id, &entry);
         ++n) {
        position[id] = n;
        id = entry.pageNext;
    }
}

void PageOrder::sortTopFirst(ElementStore* store, int page, std::vector<int>& ids)
{
    if (!store || !store->pageTable || !store->indexTable) {
        ids.clear();
        return;
    }
    if (walkedStore != store || walkedPage != page || pageStamp != store->pageTable->stamp ||
        entryStamp != store->indexTable->stamp)
        walk(*store, page);
    auto off = [this](int id) { return id < 1 || id >= static_cast<int>(position.size()) || !position[id]; };
    ids.erase(std::remove_if(ids.begin(), ids.end(), off), ids.end());
    std::sort(ids.begin(), ids.end(), [this](int a, int b) { return position[a] > position[b]; });
}
