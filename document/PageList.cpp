#include "document/PageList.h"

#include "document/DocumentContext.h"
#include "document/ElementMaskIndex.h"
#include "document/ElementStore.h"
#include "document/PageTabBar.h"
#include "document/SelectToolBase.h"
#include "document/UndoManager.h"
#include "document/ViewUpdater.h"
#include "geometry/TagIds.h"
#include "geometry/XmlContext.h"

void PageList::clamp()
{
    if (current > count)
        current = count;
    if (current < 1)
        current = 1;
}

void PageList::setCurrent(int page)
{
    current = page;
    if (count < page)
        count = page;
}

void PageList::decrementCount()
{
    if (count > 1)
        --count;
}

void PageList::markLowestPage()
{
    if (lowestMark < 1 || lowestMark > current)
        lowestMark = current;
}

// The drawing file holds the pages with their elements: a page inserted or removed changes the
// drawing, so that closing asks to save it (no undo record counts the change).
void PageList::keptInFile()
{
    if (owner)
        (void)owner->markModified(); // 0 without a document: nothing to save
}

void PageList::redrawCurrentPage()
{
    if (owner && owner->updater)
        owner->updater->redrawCurrentPage();
}

int PageList::setCurrentPage(int page)
{
    if (page == current || page < 1 || page > kMaxPageNumber)
        return 0;
    if (count < page)
        count = page;
    if (owner && owner->undoManager)
        owner->undoManager->resetPositions();
    current = page;
    if (owner && owner->selectTool)
        owner->selectTool->resetState();
    redrawCurrentPage();
    if (owner)
        owner->onCurrentPageChanged();
    return 1;
}

int PageList::previousPage()
{
    if (current < 2)
        return 0;
    if (!thePageTabBar)
        return setCurrentPage(current - 1);
    thePageTabBar->setContext(owner);
    const int result = thePageTabBar->selectPage(owner, current - 1);
    if (result)
        thePageTabBar->refresh(owner);
    return result;
}

int PageList::nextPage()
{
    const int target = current + 1;
    if (!thePageTabBar)
        return setCurrentPage(target);
    const int countBefore = count;
    thePageTabBar->setContext(owner);
    const int result = thePageTabBar->selectPage(owner, target);
    if (result)
        thePageTabBar->refresh(owner);
    if (count > countBefore && owner)
        owner->onPageCountRaised();
    return result;
}

// The undo history goes first, whatever follows: a page operation is never undoable. The select
// tool starts afresh, since its elements may have moved to another page or gone.
int PageList::prepareStructureChange()
{
    if (owner && owner->undoManager)
        owner->undoManager->resetPositions();
    if (!owner || !owner->elementStore())
        return 0;
    if (owner->selectTool)
        owner->selectTool->resetState();
    return 1;
}

void PageList::renumberEntries(int from, int delta)
{
    // An entry that cannot be rewritten keeps its old page word; the element still draws from
    // the chain that holds it.
    (void)owner->elementStore()->shiftEntryPages(from, delta);
}

int PageList::insertPageBefore(int page)
{
    if (page < 1 || page > count || !prepareStructureChange())
        return 0;
    ElementStore& store = *owner->elementStore();
    if (!store.insertPageBefore(page) || !owner->maskIndex->insertPage(page))
        return 0;
    renumberEntries(page, 1);
    current = page;
    incrementCount();
    clamp();
    keptInFile();
    redrawCurrentPage();
    return 1;
}

int PageList::insertPageAfter(int page)
{
    if (page < 1 || page > count || !prepareStructureChange())
        return 0;
    ElementStore& store = *owner->elementStore();
    if (!store.insertPageAfter(page) || !owner->maskIndex->insertPage(page + 1))
        return 0;
    renumberEntries(page + 1, 1);
    current = page + 1;
    incrementCount();
    clamp();
    keptInFile();
    redrawCurrentPage();
    return 1;
}

// Every element of the page leaves the store (its id and blocks are freed) and the mask index.
int PageList::deleteElementsOf(int page)
{
    ElementStore& store = *owner->elementStore();
    if (!store.pageTable)
        return 0;
    int ok = 1;
    int id = page < store.pageTable->count ? store.pageTable->getFirst(page) : 0;
    // At most every id once, however the chain may have been damaged.
    for (int steps = 0; id >= 1 && steps <= store.highestId(); ++steps) {
        ElementIndexEntry entry;
        if (!store.deleteElement(id, &entry)) {
            ok = 0;
            break;
        }
        (void)owner->maskIndex->clearElement(id); // an id never indexed has nothing to clear
        id = entry.pageNext;
    }
    return ok;
}

int PageList::removePage(int page)
{
    if (page < 1 || page > count || !prepareStructureChange())
        return 0;
    ElementStore& store = *owner->elementStore();
    if (!deleteElementsOf(page) || !store.removePage(page) || !owner->maskIndex->removePage(page))
        return 0;
    renumberEntries(page + 1, -1);
    current = page;
    decrementCount();
    clamp();
    keptInFile();
    redrawCurrentPage();
    return 1;
}

void PageList::resync(int newCurrent, int countChange)
{
    current = newCurrent;
    if (countChange > 0)
        incrementCount();
    else
        decrementCount();
    clamp();
    redrawCurrentPage();
}

void PageList::resyncAfterRemove(int page) { resync(page - 1, -1); }
void PageList::resyncAfterInsert(int page) { resync(page, 1); }
void PageList::resyncAtRemoved(int page) { resync(page, -1); }
void PageList::resyncAfterInsertAfter(int page) { resync(page + 1, 1); }

int PageList::readCurrentPage(int closingTag)
{
    XmlContext* reader = XmlContext::current();
    int page = 1;
    if (!reader || !reader->readInt(page) || !reader->expectTag(closingTag))
        return 1;
    return page;
}

int PageList::writeCurrentPage()
{
    XmlContext* writer = XmlContext::current();
    return writer ? writer->writeIntTag(tag_id::dspedpage, current) : 1;
}
