#include "document/PageKindChainTable.h"

#include "document/ChainRows.h"
#include "document/PageChainTable.h"

int PageKindChainTable::setUp()
{
    if (initialized)
        return 1;
    growthStep = 3;
    elementSize = columns * static_cast<int>(sizeof(Cell));
    if (!allocate())
        return 0;
    initialized = 1;
    return 1;
}

int PageKindChainTable::hasCell(int page, int kind)
{
    if (kind < 0 || kind >= columns || page < 1 || page > kMaxPageNumber)
        return 0;
    return setUp() && ChainRows::ensure(*this, page);
}

PageKindChainTable::Cell* PageKindChainTable::cellAt(int page, int kind, BlockLock& rows)
{
    if (!rows || page < 1 || page >= count || kind < 0 || kind >= columns)
        return nullptr;
    return rows.data<Cell>() + static_cast<size_t>(page) * static_cast<size_t>(columns) + kind;
}

int PageKindChainTable::field(int page, int kind, int32_t Cell::*member)
{
    if (!hasCell(page, kind))
        return 0;
    BlockLock rows(*this);
    Cell* cell = cellAt(page, kind, rows);
    return cell ? cell->*member : 0;
}

int PageKindChainTable::setField(int page, int kind, int32_t Cell::*member, int value)
{
    if (!hasCell(page, kind))
        return 0;
    BlockLock rows(*this);
    Cell* cell = cellAt(page, kind, rows);
    if (!cell)
        return 0;
    cell->*member = value;
    return 1;
}

int PageKindChainTable::incrementCount(int page, int kind)
{
    if (!hasCell(page, kind))
        return 0;
    BlockLock rows(*this);
    Cell* cell = cellAt(page, kind, rows);
    return cell ? ++cell->count : 0;
}

int PageKindChainTable::decrementCount(int page, int kind)
{
    if (!hasCell(page, kind))
        return 0;
    BlockLock rows(*this);
    Cell* cell = cellAt(page, kind, rows);
    if (!cell)
        return 0;
    if (--cell->count < 1)
        cell->count = cell->first = cell->last = 0;
    return cell->count;
}

int PageKindChainTable::setFirstIfNone(int page, int kind, int id)
{
    if (!hasCell(page, kind))
        return 0;
    BlockLock rows(*this);
    Cell* cell = cellAt(page, kind, rows);
    if (!cell)
        return 0;
    if (cell->first == 0)
        cell->first = id;
    return 1;
}

int PageKindChainTable::swapLast(int page, int kind, int id)
{
    if (!hasCell(page, kind))
        return 0;
    BlockLock rows(*this);
    Cell* cell = cellAt(page, kind, rows);
    if (!cell)
        return 0;
    int previous = cell->last;
    cell->last = id;
    return previous;
}

int PageKindChainTable::insertPage(int n) { return initialized && ChainRows::insertAt(*this, n); }

int PageKindChainTable::removePage(int n) { return initialized && ChainRows::removeAt(*this, n); }
