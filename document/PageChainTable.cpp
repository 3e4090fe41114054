#include "document/PageChainTable.h"

#include "document/ChainRows.h"

PageChainTable::PageChainTable() : GlobalBlock(3, sizeof(Row)) {}

int PageChainTable::ensurePage(int page)
{
    if (page < 1 || page > kMaxPageNumber)
        return 0;
    return ChainRows::ensure(*this, page);
}

PageChainTable::Row* PageChainTable::rowAt(int page, BlockLock& rows)
{
    if (page < 1 || page >= count || !rows)
        return nullptr;
    return rows.data<Row>() + page;
}

int PageChainTable::field(int page, int32_t Row::*member)
{
    if (!ensurePage(page))
        return 0;
    BlockLock rows(*this);
    Row* row = rowAt(page, rows);
    return row ? row->*member : 0;
}

int PageChainTable::setField(int page, int32_t Row::*member, int value)
{
    if (!ensurePage(page))
        return 0;
    BlockLock rows(*this);
    Row* row = rowAt(page, rows);
    if (!row)
        return 0;
    row->*member = value;
    return 1;
}

int PageChainTable::incrementCount(int page)
{
    if (!ensurePage(page))
        return 0;
    BlockLock rows(*this);
    Row* row = rowAt(page, rows);
    return row ? ++row->count : 0;
}

int PageChainTable::decrementCount(int page)
{
    if (!ensurePage(page))
        return 0;
    BlockLock rows(*this);
    Row* row = rowAt(page, rows);
    if (!row)
        return 0;
    if (--row->count < 1)
        row->count = row->first = row->last = 0;
    return row->count;
}

int PageChainTable::setFirstIfNone(int page, int id)
{
    if (!ensurePage(page))
        return 0;
    BlockLock rows(*this);
    Row* row = rowAt(page, rows);
    if (!row)
        return 0;
    if (row->first == 0)
        row->first = id;
    return 1;
}

int PageChainTable::swapLast(int page, int id)
{
    if (!ensurePage(page))
        return 0;
    BlockLock rows(*this);
    Row* row = rowAt(page, rows);
    if (!row)
        return 0;
    int previous = row->last;
    row->last = id;
    return previous;
}

int PageChainTable::insertPage(int n) { return ChainRows::insertAt(*this, n); }

int PageChainTable::removePage(int n) { return ChainRows::removeAt(*this, n); }

int PageChainTable::copyRow(int page, Row* out)
{
    if (!out || !ensurePage(page))
        return 0;
    BlockLock rows(*this);
    Row* row = rowAt(page, rows);
    if (!row)
        return 0;
    *out = *row;
    return 1;
}

int PageChainTable::putRow(int page, const Row& value)
{
    if (!ensurePage(page))
        return 0;
    BlockLock rows(*this);
    Row* row = rowAt(page, rows);
    if (!row)
        return 0;
    *row = value;
    return 1;
}
