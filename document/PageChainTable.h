#pragma once
#include <cstdint>

#include "platform/GlobalBlock.h"

// Highest page number a chain table accepts. Rows are made on first use, so a page number is
// also an allocation size; one far beyond any drawing is refused rather than allocated.
constexpr int kMaxPageNumber = 100000;

// Per page of the element store: element count, first and last element id of the page chain,
// which is the drawing order. Pages are numbered from 1; row 0 exists and stays empty. Access to
// page p makes the rows up to p exist (cleared). Every access fails (0) for a page outside
// 1..kMaxPageNumber or when the table cannot grow.
class PageChainTable : public GlobalBlock {
public:
    // A row: count, first id, last id (0 = none), and three words that only the undo log's page
    // restore writes.
    struct Row {
        int32_t count;
        int32_t first;
        int32_t last;
        int32_t extra[3];
    };
    static_assert(sizeof(Row) == 24, "page rows are 24 bytes");

    PageChainTable();

    int getCount(int page) { return field(page, &Row::count); }
    int getFirst(int page) { return field(page, &Row::first); }
    int getLast(int page) { return field(page, &Row::last); }
    int setCount(int page, int value) { return setField(page, &Row::count, value); }
    int setFirst(int page, int id) { return setField(page, &Row::first, id); }
    int setLast(int page, int id) { return setField(page, &Row::last, id); }
    // The new count (0 when the page is refused).
    int incrementCount(int page);
    // The new count; at 0 or below the row is cleared (count, first and last 0).
    int decrementCount(int page);
    int setFirstIfNone(int page, int id);
    // Stores id as the last and returns the previous last (0 when none or refused).
    int swapLast(int page, int id);

    // Makes the rows up to page exist; 0 when refused.
    int ensurePage(int page);
    // For 1 <= n < used count: rows n.. move up by one and row n becomes an empty page.
    int insertPage(int n);
    // For 1 <= n < used count: the rows after n move down by one.
    int removePage(int n);

    // Raw row access for the undo log.
    int copyRow(int page, Row* out);
    int putRow(int page, const Row& row);

private:
    Row* rowAt(int page, BlockLock& rows);
    // change (an int (Row&) callable) on the page's row, under the table's lock; 0 when the page
    // is refused.
    template <typename Change> int withRow(int page, Change change);
    int field(int page, int32_t Row::*member);
    int setField(int page, int32_t Row::*member, int value);
};
