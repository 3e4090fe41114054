#pragma once
#include "platform/GlobalBlock.h"

// A growable list of pointers that it does not own (8 bytes each), grown 10 at a time.
class PointerList : public GlobalBlock {
public:
    explicit PointerList(int step = 10) : GlobalBlock(step, sizeof(void*)) {}

    [[nodiscard]] int add(void* pointer) { return append(&pointer); }
    // Null for a bad index.
    [[nodiscard]] void* at(int index)
    {
        void* pointer = nullptr;
        return get(index, &pointer) ? pointer : nullptr;
    }

    // Two words kept for the owner.
    int wordA = 0;
    int wordB = 1;
};
