#include "platform/LocalBuffer.h"

#include "platform/MessageBoxes.h"

int LocalBuffer::allocate(int report)
{
    release();
    if (handle)
        return 0; // still locked
    long long size = static_cast<long long>(elementCount) * elementSize;
    if (size > 0 && size < (1LL << 40))
        handle = LocalAlloc(allocFlags, static_cast<SIZE_T>(size));
    if (!handle) {
        allocatedCount = 0;
        if (report)
            showOutOfMemory();
        return 0;
    }
    allocatedCount = elementCount;
    return 1;
}

int LocalBuffer::release()
{
    if (!handle)
        return 1;
    if (lockCount > 0)
        return 1;
    LocalFree(handle);
    handle = nullptr;
    allocatedCount = 0;
    return 1;
}
