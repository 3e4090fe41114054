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

template <typename Change> int PageKindChainTable::withCell(int page, int kind, Change change)
{
    if (!hasCell(page, kind))
        return 0;
    BlockLock rows(*this);
    Cell* cell = cellAt(page, kind, rows);
    return cell ? change(*cell) : 0;
}

int PageKindChainTable::field(int page, int kind, int32_t Cell::*member)
{
    return withCell(page, kind, [member](Cell& cell) { return cell.*member; });
}

int PageKindChainTable::setField(int page, int kind, int32_t Cell::*member, int value)
{
    return withCell(page, kind, [member, value](Cell& cell) {
        cell.*member = value;
        return 1;
    });
}

int PageKindChainTable::incrementCount(int page, int kind)
{
    return withCell(page, kind, [](Cell& cell) { return ++cell.count; });
}

int PageKindChainTable::decrementCount(int page, int kind)
{
    return withCell(page, kind, [](Cell& cell) { return ChainRows::decrementCount(cell); });
}

int PageKindChainTable::setFirstIfNone(int page, int kind, int id)
{
    return withCell(page, kind, [id](Cell& cell) { return ChainRows::setFirstIfNone(cell, id); });
}

int PageKindChainTable::swapLast(int page, int kind, int id)
{
    return withCell(page, kind, [id](Cell& cell) { return ChainRows::swapLast(cell, id); });
}

int PageKindChainTable::insertPage(int n) { return initialized && ChainRows::insertAt(*this, n); }

int PageKindChainTable::removePage(int n) { return initialized && ChainRows::removeAt(*this, n); }
