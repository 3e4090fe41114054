#pragma once
#include "platform/GlobalBlock.h"

// Row handling shared by the two chain tables: rows of one GlobalBlock element each, row 0 kept
// empty, rows made (cleared) on first use and shifted when a page is inserted or removed.
namespace ChainRows {

// Makes rows 0..row exist; new rows are cleared. 0 when the block cannot grow.
[[nodiscard]] int ensure(GlobalBlock& block, int row);
// For 1 <= n < used count: one more row, rows n.. move up, row n cleared.
[[nodiscard]] int insertAt(GlobalBlock& block, int n);
// For 1 <= n < used count: the rows after n move down by one.
[[nodiscard]] int removeAt(GlobalBlock& block, int n);

// The chain of one row or cell (anything with int32 count, first and last): the new count; at 0
// or below the chain is cleared (count, first and last 0).
template <typename Chain> int decrementCount(Chain& chain)
{
    if (--chain.count < 1)
        chain.count = chain.first = chain.last = 0;
    return chain.count;
}

// Stores id as the first when the chain has none; 1.
template <typename Chain> int setFirstIfNone(Chain& chain, int id)
{
    if (chain.first == 0)
        chain.first = id;
    return 1;
}

// Stores id as the last and returns the previous last.
template <typename Chain> int swapLast(Chain& chain, int id)
{
    int previous = chain.last;
    chain.last = id;
    return previous;
}

} // namespace ChainRows
