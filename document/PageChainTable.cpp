#include "document/PageChainTable.h"

#include "document/ChainRows.h"
#include "document/ChainStamp.h"

PageChainTable::PageChainTable() : GlobalBlock(3, sizeof(Row)), stamp(newChainStamp()) {}

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

template <typename Change> int PageChainTable::withRow(int page, Change change)
{
    if (!ensurePage(page))
        return 0;
    BlockLock rows(*this);
    Row* row = rowAt(page, rows);
    return row ? change(*row) : 0;
}

template <typename Change> int PageChainTable::changeRow(int page, Change change)
{
    stamp = newChainStamp();
    return withRow(page, change);
}

int PageChainTable::field(int page, int32_t Row::*member)
{
    return withRow(page, [member](Row& row) { return row.*member; });
}

int PageChainTable::setField(int page, int32_t Row::*member, int value)
{
    return changeRow(page, [member, value](Row& row) {
        row.*member = value;
        return 1;
    });
}

int PageChainTable::incrementCount(int page)
{
    return changeRow(page, [](Row& row) { return ++row.count; });
}

int PageChainTable::decrementCount(int page)
{
    return changeRow(page, [](Row& row) { return ChainRows::decrementCount(row); });
}

int PageChainTable::setFirstIfNone(int page, int id)
{
    return changeRow(page, [id](Row& row) { return ChainRows::setFirstIfNone(row, id); });
}

int PageChainTable::swapLast(int page, int id)
{
    return changeRow(page, [id](Row& row) { return ChainRows::swapLast(row, id); });
}

int PageChainTable::insertPage(int n)
{
    stamp = newChainStamp();
    return ChainRows::insertAt(*this, n);
}

int PageChainTable::removePage(int n)
{
    stamp = newChainStamp();
    return ChainRows::removeAt(*this, n);
}

int PageChainTable::copyRow(int page, Row* out)
{
    if (!out)
        return 0;
    return withRow(page, [out](Row& row) {
        *out = row;
        return 1;
    });
}

int PageChainTable::putRow(int page, const Row& value)
{
    return changeRow(page, [&value](Row& row) {
        row = value;
        return 1;
    });
}
