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
    if (n < 1 || n >= block.count || !block.insertGap(n, 1))
        return 0;
    BlockLock rows(block);
    if (!rows)
        return 0;
    size_t size = static_cast<size_t>(block.elementSize);
    std::memset(rows.data() + n * size, 0, size);
    return 1;
}

int removeAt(GlobalBlock& block, int n)
{
    if (n < 1 || n >= block.count)
        return 0;
    return block.removeAt(n);
}

} // namespace ChainRows
