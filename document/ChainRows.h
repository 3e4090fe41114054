#pragma once
#include "platform/GlobalBlock.h"

// Row handling shared by the two chain tables: rows of one GlobalBlock element each, row 0 kept
// empty, rows made (cleared) on first use and shifted when a page is inserted or removed.
namespace ChainRows {

// Makes rows 0..row exist; new rows are cleared. 0 when the block cannot grow.
int ensure(GlobalBlock& block, int row);
// For 1 <= n < used count: one more row, rows n.. move up, row n cleared.
int insertAt(GlobalBlock& block, int n);
// For 1 <= n < used count: the rows after n move down by one.
int removeAt(GlobalBlock& block, int n);

} // namespace ChainRows
