#pragma once
#include <windows.h>

// A fixed block of `elementCount` elements from LocalAlloc. Allocation failures are reported to
// the user when asked; a locked block is not freed by release.
class LocalBuffer {
public:
    LocalBuffer(int elementCount, int elementSize, UINT flags = LMEM_FIXED)
        : elementCount(elementCount), elementSize(elementSize), allocFlags(flags)
    {
    }
    ~LocalBuffer() { release(); }
    LocalBuffer(const LocalBuffer&) = delete;
    LocalBuffer& operator=(const LocalBuffer&) = delete;

    // elementCount x elementSize bytes; with `report` a failure shows "メモリーが一杯です".
    [[nodiscard]] int allocate(int report);
    // LocalFree unless the block is locked (then it stays and the result is 1 as well).
    int release();
    // The block's bytes (LMEM_FIXED: the handle is the address); null when not allocated.
    [[nodiscard]] char* bytes() const { return handle && !(allocFlags & LMEM_MOVEABLE) ? static_cast<char*>(handle) : nullptr; }

    int elementCount = 0;
    int allocatedCount = 0;
    int elementSize = 1;
    HLOCAL handle = nullptr;
    UINT allocFlags = LMEM_FIXED;
    int lockCount = 0;
};
