#pragma once
#include <cstdint>

// One element's entry in the element store's index: twelve signed 32-bit little-endian words,
// 48 bytes. This is a stored form: the undo log and the element clipboard carry it byte for byte,
// so neither the order nor the size of the words may change.
//
// Chain sentinels: a "next" link of -3 ends a chain, a "previous" link of 0 means none. A released
// id's entry keeps the words it had when it was released (the free list is kept beside the
// entries), so its image can be put back.
struct ElementIndexEntry {
    int32_t firstBlock = 0;   // word 0: first record block
    int32_t blockCount = 0;   // word 1: blocks in the record's chain
    int32_t ordinal = 0;      // word 2: the (page, kind) cell's count just after the element was appended
    int32_t serial = 0;       // word 3: document-wide serial number kept in the file (not the id)
    int32_t group = 0;        // word 4: 0 = no group
    int32_t kind = 0;         // word 5: element kind 1..19
    int32_t layer = 0;        // word 6: 0..255
    int32_t page = 0;         // word 7: 1-based
    int32_t pagePrevious = 0; // word 8
    int32_t pageNext = 0;     // word 9
    int32_t cellPrevious = 0; // word 10: previous id of the same page and kind
    int32_t cellNext = 0;     // word 11
};
static_assert(sizeof(ElementIndexEntry) == 48, "the index entry is a stored 48-byte form");

constexpr int32_t kChainEnd = -3;
