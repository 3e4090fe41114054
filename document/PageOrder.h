#pragma once
#include <vector>

class ElementStore;

// The drawing order of one page as a position per element id, from one walk of the page's chain,
// kept until a chain of the store changes (the chain tables' stamps tell), so that putting a few
// ids in drawing order costs no walk of the page.
class PageOrder {
public:
    // Sorts the ids into drawing order, the last drawn first; ids not on the page's chain are
    // dropped. Nothing is left for a missing store.
    void sortTopFirst(ElementStore* store, int page, std::vector<int>& ids);

private:
    void walk(ElementStore& store, int page);

    const ElementStore* walkedStore = nullptr;
    unsigned long long pageStamp = 0;
    unsigned long long entryStamp = 0;
    int walkedPage = 0;
    std::vector<int> position; // by id: 1 for the first drawn, 0 for ids not on the chain
};
