#pragma once
#include <cstdint>

#include "platform/GlobalBlock.h"

// Signed 32-bit ids (element ids, kinds, group numbers) in the order they were added, with a hash
// index beside them, so that asking whether an id is there costs the same however long the list
// has grown: the drawing-order record and the group maps ask it for every element they meet.
//
// An id may be added twice; look-ups answer its first place. Memory that runs short is reported
// to the user and the list stays as it was.
class IdList {
public:
    explicit IdList(int growthStep = 50) : ids(growthStep, 4) {}
    IdList(const IdList&) = delete;
    IdList& operator=(const IdList&) = delete;

    // Appends the id; 0 when memory is short.
    [[nodiscard]] int add(int32_t id);
    // The id at index; 0 beyond the end.
    [[nodiscard]] int32_t at(int index);
    // The first index of the id, -1 when it is not there.
    [[nodiscard]] int indexOf(int32_t id);
    [[nodiscard]] int contains(int32_t id) { return indexOf(id) >= 0; }
    [[nodiscard]] int count() const { return ids.count; }
    void clear();

private:
    // Makes the index hold at least n ids at a load of one half; 0 when it cannot grow.
    [[nodiscard]] int reserveIndex(int n);
    void indexAt(int32_t* slotData, int32_t id, int index) const;

    GlobalBlock ids;
    // Open addressing: each slot holds index + 1 of a listed id, 0 when empty; a power of two.
    GlobalBlock slots{64, 4};
};
