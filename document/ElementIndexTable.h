#pragma once
#include <cstdint>

#include "document/ElementIndexEntry.h"
#include "platform/GlobalBlock.h"

// The element store's index: one 48-byte entry per element id, numbered from 1 (entry 0 stays
// empty), and the list of released ids, handed out again oldest first. The number of live
// elements is highest - freeCount.
//
// The free list's links live in a side block (per id: its predecessor and successor on the list),
// never in the entries: a released entry keeps the words it was released with, and the chain
// setters refuse a released id, so no chain write can reach the free list. An id given back by
// undo leaves the list without a walk.
class ElementIndexTable : public GlobalBlock {
public:
    ElementIndexTable();

    // A new id: the oldest released one, else highest + 1. 0 when the table cannot grow or the
    // free list names no released id.
    [[nodiscard]] int allocateNumber();
    // Room for ids up to n at once, so that many new ids in a row do not grow the table step by
    // step; 0 when it could not grow (it then grows as ids come).
    int reserveIds(int n) { return reserve(n + 1, 0) && freeLinks_.reserve(n + 1, 0); }
    // Appends a live id to the free list's tail.
    [[nodiscard]] int appendFree(int id);
    // Takes an id off the free list wherever it stands; 0 when it is not on it.
    [[nodiscard]] int unlinkFree(int id);
    [[nodiscard]] int isFree(int id);
    [[nodiscard]] int isValidId(int id) const { return id >= 1 && id <= highest; }
    [[nodiscard]] int liveCount() const { return highest - freeCount; }

    // 1 <= id <= highest, else 0.
    [[nodiscard]] int getGroup(int id);
    [[nodiscard]] int setGroup(int id, int group);
    // Chain words of live ids only (0 for a released id): a released neighbour's link is left to
    // the image it comes back with. Their answer is optional: the store links elements whose
    // neighbours may be released and relies on exactly that refusal.
    int setPagePrevious(int id, int value) { return setChainWord(id, &ElementIndexEntry::pagePrevious, value); }
    int setPageNext(int id, int value) { return setChainWord(id, &ElementIndexEntry::pageNext, value); }
    int setCellPrevious(int id, int value) { return setChainWord(id, &ElementIndexEntry::cellPrevious, value); }
    int setCellNext(int id, int value) { return setChainWord(id, &ElementIndexEntry::cellNext, value); }
    [[nodiscard]] int putEntry(int id, const ElementIndexEntry& entry);
    [[nodiscard]] int copyEntry(int id, ElementIndexEntry* out);
    // Hints for a walk that knows the ids it reads next: brings an id's entry and free-list row
    // towards the processor; the entry as it stands now (null for an id out of range), read
    // without a lock, for a hint and nothing else.
    void prefetch(int id);
    [[nodiscard]] const ElementIndexEntry* peekEntry(int id) const
    {
        const char* base = heldBase();
        return base && isValidId(id) ? reinterpret_cast<const ElementIndexEntry*>(base) + id : nullptr;
    }

    // A new stamp (document/ChainStamp.h) whenever an entry's page or page chain links change.
    unsigned long long stamp;
    int highest = 0;
    int freeCount = 0;
    int freeHead = 0;
    int freeTail = 0;

private:
    // One row per id of the side block: previous is -1 for an id that is not on the free list
    // and 0 for the head; next is 0 for the tail.
    struct FreeLink {
        int32_t previous;
        int32_t next;
    };

    [[nodiscard]] int setWord(int id, int32_t ElementIndexEntry::*word, int value);
    int setChainWord(int id, int32_t ElementIndexEntry::*word, int value);
    [[nodiscard]] FreeLink freeLink(int id);
    [[nodiscard]] int freePrevious(int id) { return freeLink(id).previous; }
    [[nodiscard]] int freeNext(int id) { return freeLink(id).next; }
    void setFreePrevious(int id, int value) { setFreeLink(id, &FreeLink::previous, value); }
    void setFreeNext(int id, int value) { setFreeLink(id, &FreeLink::next, value); }
    void setFreeLink(int id, int32_t FreeLink::*word, int value);

    GlobalBlock freeLinks_{1000, sizeof(FreeLink)};
};
