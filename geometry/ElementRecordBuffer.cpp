#include "geometry/ElementRecordBuffer.h"

#include <cstring>

ElementRecordBuffer::ElementRecordBuffer() : GlobalBlock(1000, 1)
{
    // A failure is shown to the user; a buffer without its block tries again when it grows.
    (void)allocate();
}

int ElementRecordBuffer::putBytes(const void* data, int n)
{
    if (n < 0 || position < 0)
        return 0;
    long long end = static_cast<long long>(position) + n;
    if (end >= 0x7fffffff)
        return 0;
    // One reservation for the whole run, so a large record grows the block once.
    if (!reserve(static_cast<int>(end)))
        return 0;
    BlockLock bytes(*this);
    if (!bytes)
        return 0;
    count = static_cast<int>(end);
    if (n > 0)
        std::memcpy(bytes.data() + position, data, static_cast<size_t>(n));
    position = count;
    return 1;
}

int ElementRecordBuffer::getBytes(void* dest, int n)
{
    if (n < 0 || position < 0 || n > remaining())
        return 0;
    if (n == 0)
        return 1;
    if (const char* held = heldBase()) {
        std::memcpy(dest, held + position, static_cast<size_t>(n));
        position += n;
        return 1;
    }
    BlockLock bytes(*this);
    if (!bytes)
        return 0;
    std::memcpy(dest, bytes.data() + position, static_cast<size_t>(n));
    position += n;
    return 1;
}
