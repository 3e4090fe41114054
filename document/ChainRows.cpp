#include "document/ChainRows.h"

#include <cstring>

namespace ChainRows {

int ensure(GlobalBlock& block, int row)
{
    if (row < block.count)
        return 1;
    if (!block.reserve(row + 1))
        return 0;
    BlockLock rows(block);
    if (!rows)
        return 0;
    size_t size = static_cast<size_t>(block.elementSize);
    // A new block also gets its row 0, so that row stays empty.
    int from = block.count;
    std::memset(rows.data() + from * size, 0, static_cast<size_t>(row + 1 - from) * size);
    block.count = row + 1;
    return 1;
}

int insertAt(GlobalBlock& block, int n)
{
    if (n < 1 || n >= block.count)
        return 0;
    if (!block.reserveOneMore())
        return 0;
    BlockLock rows(block);
    if (!rows)
        return 0;
    size_t size = static_cast<size_t>(block.elementSize);
    char* base = rows.data();
    std::memmove(base + (n + 1) * size, base + n * size, static_cast<size_t>(block.count - n) * size);
    std::memset(base + n * size, 0, size);
    ++block.count;
    return 1;
}

int removeAt(GlobalBlock& block, int n)
{
    if (n < 1 || n >= block.count)
        return 0;
    BlockLock rows(block);
    if (!rows)
        return 0;
    size_t size = static_cast<size_t>(block.elementSize);
    char* base = rows.data();
    std::memmove(base + n * size, base + (n + 1) * size, static_cast<size_t>(block.count - n - 1) * size);
    --block.count;
    return 1;
}

} // namespace ChainRows
