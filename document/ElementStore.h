#pragma once
#include <vector>

#include "document/BlockPool.h"
#include "document/ElementIndexEntry.h"
#include "document/ElementIndexTable.h"
#include "geometry/ElementRecordBuffer.h"
#include "document/PageChainTable.h"
#include "document/PageKindChainTable.h"

// The elements of one drawing (or of one part of a parts library), each kept as a serialised
// record in chained 128-byte blocks under its element id. A live Element is only a working copy:
// it writes its record into the staging buffer and is stored, or is loaded by id and reads its
// record back from the buffer.
//
// Every element is linked in two chains: the chain of its page, whose order is the drawing order,
// and the chain of its (page, kind) cell. Adding, reading, updating, deleting, reinserting and
// reordering touch only the element and its chain neighbours, so each costs the same however many
// elements the drawing holds (apart from copying the record itself).
//
// An id outside 1..highest and a page outside 1..kMaxPageNumber are refused with 0; so is a
// released id by readElement, updateElement, deleteElement and relinkOrder (getEntry still
// copies its entry, and reinsertElement and appendToPageEnd take it back). Ids in chain links
// are followed only when they lie in 1..highest.
class ElementStore {
public:
    // Creates the five tables in order while the application's error flag is clear; a table not
    // created stays null and every operation that needs it answers 0.
    ElementStore();
    ~ElementStore();
    ElementStore(const ElementStore&) = delete;
    ElementStore& operator=(const ElementStore&) = delete;

    // Stores the staged record (its bytes up to the buffer's position) as a new element. The
    // caller fills words 3..7 of entry; the store fills the rest and returns the new id, 0 when
    // the element cannot be stored.
    [[nodiscard]] int addElement(ElementIndexEntry* entry);
    // Copies the entry and reads the record into the staging buffer: blockCount x 128 bytes,
    // the position at their end. 0 when the id is refused.
    [[nodiscard]] int readElement(int id, ElementIndexEntry* out);
    [[nodiscard]] int getEntry(int id, ElementIndexEntry* out);
    // For a walk over a list of ids that reads their elements in turn: call it before reading
    // ids[i]; it asks the processor for what ids a few places ahead will need, so that the walk
    // does not wait for memory at each element. Only a hint: nothing changes.
    void prefetchAhead(const int32_t* ids, size_t count, size_t i);
    void prefetchAhead(const std::vector<int>& ids, size_t i) { prefetchAhead(ids.data(), ids.size(), i); }
    // Rewrites the record of a live element from the staging buffer in its own chain. Takes
    // serial, kind and layer from entry and hands the merged entry back; page, group and the
    // chain links stay.
    [[nodiscard]] int updateElement(int id, ElementIndexEntry* entry);
    // The entry alone: serial, kind and layer (words 3, 5 and 6) from entry; the record and the
    // other words stay. The chains are not relinked, so a caller changing the kind must not.
    [[nodiscard]] int updateEntry(int id, const ElementIndexEntry& entry);
    // Unlinks the element and releases its id (and its blocks while reuse is allowed); out gets
    // the entry as it was, the image that reinsertElement takes back.
    [[nodiscard]] int deleteElement(int id, ElementIndexEntry* out);
    // Puts an id back with an entry image at the place the image records (undo, redo).
    [[nodiscard]] int reinsertElement(int id, const ElementIndexEntry& image);
    // 1 when reinsertElement would take a released id back with that image; 0 for a live id,
    // which has its place already.
    [[nodiscard]] int canReinsert(int id, const ElementIndexEntry& image);
    // Links an element at the end of its page's chains.
    [[nodiscard]] int appendToPageEnd(int id);
    // Drawing order on a page: moves id just before (after) target. Nothing when they are equal.
    [[nodiscard]] int relinkOrder(int page, int id, int target);
    [[nodiscard]] int relinkOrderAfter(int page, int id, int target);
    // Row shifts of the chain tables; the pages recorded in the entries do not change.
    [[nodiscard]] int insertPageBefore(int page);
    [[nodiscard]] int insertPageAfter(int page);
    [[nodiscard]] int removePage(int page);
    // The page word of every live element on page `from` or later changes by delta, so that it
    // names the row that holds the element again after a row shift. 0 when an entry could not
    // be rewritten.
    [[nodiscard]] int shiftEntryPages(int from, int delta);

    [[nodiscard]] int liveCount() const { return indexTable ? indexTable->liveCount() : 0; }
    [[nodiscard]] int highestId() const { return indexTable ? indexTable->highest : 0; }
    [[nodiscard]] int isLive(int id) { return indexTable && indexTable->isValidId(id) && !indexTable->isFree(id); }
    // 1 keeps released record blocks out of reuse (a document store under undo).
    void setNoReuse(int value)
    {
        if (pool)
            pool->noReuse = value;
    }

    // Room for about `bytes` more record bytes and `elements` more ids, taken in one step (0 when
    // a table could not grow; it then grows as elements come). A drawing read from a file would
    // otherwise outgrow its tables again and again, each time copying all they held.
    int reserveForElements(long long bytes, int elements);

    // Named steps of the operations above.
    [[nodiscard]] int writeRecord(ElementIndexEntry& entry, int reuseChain);
    [[nodiscard]] int appendEntry(ElementIndexEntry& entry);
    void freeRecordBlocks(const ElementIndexEntry& entry);
    [[nodiscard]] int releaseNumber(int id, const ElementIndexEntry& entry);

    // Created in this order, deleted in the reverse one.
    ElementRecordBuffer* recordBuffer = nullptr;
    PageKindChainTable* cellTable = nullptr;
    ElementIndexTable* indexTable = nullptr;
    PageChainTable* pageTable = nullptr;
    BlockPool* pool = nullptr;

private:
    [[nodiscard]] int isReady() const { return recordBuffer && cellTable && indexTable && pageTable && pool; }
    [[nodiscard]] int isLinkable(int id) const { return indexTable && indexTable->isValidId(id); }
    [[nodiscard]] int isPlausibleImage(const ElementIndexEntry& image) const;
    [[nodiscard]] int makeRows(int page, int kind);
    // The chain steps: 1 when every row and entry write took.
    [[nodiscard]] int linkAtEnd(int id, ElementIndexEntry& entry);
    [[nodiscard]] int linkAtImagePlace(int id, const ElementIndexEntry& image);
    [[nodiscard]] int unlinkChains(const ElementIndexEntry& entry);
    [[nodiscard]] int relink(int page, int id, int target, int after);
};

// While the parts library works on a part, its store stands in for the document's own; null
// otherwise.
extern ElementStore* theOverrideElementStore;

// Sets the override store for one scope; the one before comes back however the scope ends.
class OverrideStoreScope {
public:
    explicit OverrideStoreScope(ElementStore* store) : previous(theOverrideElementStore)
    {
        theOverrideElementStore = store;
    }
    ~OverrideStoreScope() { theOverrideElementStore = previous; }
    OverrideStoreScope(const OverrideStoreScope&) = delete;
    OverrideStoreScope& operator=(const OverrideStoreScope&) = delete;

private:
    ElementStore* previous;
};
