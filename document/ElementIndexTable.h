#pragma once
#include <cstdint>

#include "document/ElementIndexEntry.h"
#include "platform/GlobalBlock.h"

// The element store's index: one 48-byte entry per element id, numbered from 1 (entry 0 stays
// empty), and the list of released ids, chained through word 9 of their entries and handed out
// again oldest first. The number of live elements is highest - freeCount.
//
// A second block keeps, per id, its predecessor on the free list (-1 for an id that is not on
// it), so that an id given back by undo leaves the list without a walk.
class ElementIndexTable : public GlobalBlock {
public:
    ElementIndexTable();

    // A new id: the oldest released one, else highest + 1. 0 when the table cannot grow.
    int allocateNumber();
    // Appends a live id to the free list's tail.
    int appendFree(int id);
    // Takes an id off the free list wherever it stands; 0 when it is not on it.
    int unlinkFree(int id);
    int isFree(int id);
    int isValidId(int id) const { return id >= 1 && id <= highest; }
    int liveCount() const { return highest - freeCount; }

    // 1 <= id <= highest, else 0.
    int getGroup(int id);
    int setGroup(int id, int group);
    int setPagePrevious(int id, int value) { return setWord(id, &ElementIndexEntry::pagePrevious, value); }
    int setPageNext(int id, int value) { return setWord(id, &ElementIndexEntry::pageNext, value); }
    int setCellPrevious(int id, int value) { return setWord(id, &ElementIndexEntry::cellPrevious, value); }
    int setCellNext(int id, int value) { return setWord(id, &ElementIndexEntry::cellNext, value); }
    // Word 9 of an id on the free list is its free-list link: take the id off the list before
    // putting a new entry there.
    int putEntry(int id, const ElementIndexEntry& entry);
    int copyEntry(int id, ElementIndexEntry* out);

    int highest = 0;
    int freeCount = 0;
    int freeHead = 0;
    int freeTail = 0;

private:
    int setWord(int id, int32_t ElementIndexEntry::*word, int value);
    int freePrevious(int id);
    void setFreePrevious(int id, int value);

    GlobalBlock freeLinks_{1000, 4};
};
