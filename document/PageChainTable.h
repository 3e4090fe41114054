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

    [[nodiscard]] int getCount(int page) { return field(page, &Row::count); }
    [[nodiscard]] int getFirst(int page) { return field(page, &Row::first); }
    [[nodiscard]] int getLast(int page) { return field(page, &Row::last); }
    [[nodiscard]] int setCount(int page, int value) { return setField(page, &Row::count, value); }
    [[nodiscard]] int setFirst(int page, int id) { return setField(page, &Row::first, id); }
    [[nodiscard]] int setLast(int page, int id) { return setField(page, &Row::last, id); }
    // The new count (0 when the page is refused).
    [[nodiscard]] int incrementCount(int page);
    // The new count; at 0 or below the row is cleared (count, first and last 0).
    int decrementCount(int page);
    [[nodiscard]] int setFirstIfNone(int page, int id);
    // Stores id as the last and returns the previous last (0 when none or refused).
    int swapLast(int page, int id);

    // Makes the rows up to page exist; 0 when refused.
    [[nodiscard]] int ensurePage(int page);
    // For 1 <= n < used count: rows n.. move up by one and row n becomes an empty page.
    [[nodiscard]] int insertPage(int n);
    // For 1 <= n < used count: the rows after n move down by one.
    [[nodiscard]] int removePage(int n);

    // Raw row access for the undo log.
    [[nodiscard]] int copyRow(int page, Row* out);
    [[nodiscard]] int putRow(int page, const Row& row);

    // A new stamp (document/ChainStamp.h) at every write of a row: the chains' ends or counts may
    // have changed.
    unsigned long long stamp;

private:
    [[nodiscard]] Row* rowAt(int page, BlockLock& rows);
    // change (an int (Row&) callable) on the page's row, under the table's lock; 0 when the page
    // is refused.
    template <typename Change> [[nodiscard]] int withRow(int page, Change change);
    // withRow for a change of the row.
    template <typename Change> [[nodiscard]] int changeRow(int page, Change change);
    [[nodiscard]] int field(int page, int32_t Row::*member);
    [[nodiscard]] int setField(int page, int32_t Row::*member, int value);
};
