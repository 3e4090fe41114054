#include "geometry/ElementRecordBuffer.h"

#include <cstring>

ElementRecordBuffer::ElementRecordBuffer() : GlobalBlock(1000, 1)
{
    // A failure is shown to the user; a buffer without its block tries again when it grows.
    (void)allocate();
}

namespace {
// The values of a record are 2, 4 and 8 bytes long: those copies are made in place.
void copyBytes(char* to, const char* from, int n)
{
    switch (n) {
    case 2:
        std::memcpy(to, from, 2);
        break;
    case 4:
        std::memcpy(to, from, 4);
        break;
    case 8:
        std::memcpy(to, from, 8);
        break;
    default:
        std::memcpy(to, from, static_cast<size_t>(n));
        break;
    }
}
} // namespace

int ElementRecordBuffer::putBytes(const void* data, int n)
{
    if (n < 0 || position < 0)
        return 0;
    long long end = static_cast<long long>(position) + n;
    if (end >= 0x7fffffff)
        return 0;
    // One reservation for the whole run, so a large record grows the block once.
    if (end >= capacity && !reserve(static_cast<int>(end)))
        return 0;
    BlockLock bytes(*this);
    if (!bytes)
        return 0;
    count = static_cast<int>(end);
    if (n > 0)
        copyBytes(bytes.data() + position, static_cast<const char*>(data), n);
    position = count;
    return 1;
}

int ElementRecordBuffer::getBytes(void* dest, int n)
{
    if (n < 0 || position < 0 || n > remaining())
        return 0;
    if (n == 0)
        return 1;
    BlockLock bytes(*this);
    if (!bytes)
        return 0;
    copyBytes(static_cast<char*>(dest), bytes.data() + position, n);
    position += n;
    return 1;
}
