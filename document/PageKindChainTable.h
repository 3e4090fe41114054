#pragma once
#include <cstdint>

#include "platform/GlobalBlock.h"

// Per page and element kind of the element store: count, first and last element id of the
// (page, kind) chain. A row holds one cell per kind column; rows are numbered by page from 1 and
// row 0 stays empty. The block is set up on first access. An access fails (0) for a kind outside
// 0..columns-1 (such elements are linked only in their page chain), for a page outside
// 1..kMaxPageNumber, or when the table cannot grow.
class PageKindChainTable : public GlobalBlock {
public:
    struct Cell {
        int32_t count;
        int32_t first;
        int32_t last;
    };
    static_assert(sizeof(Cell) == 12, "cells are three words");

    PageKindChainTable() = default;

    [[nodiscard]] int getCount(int page, int kind) { return field(page, kind, &Cell::count); }
    [[nodiscard]] int getFirst(int page, int kind) { return field(page, kind, &Cell::first); }
    [[nodiscard]] int getLast(int page, int kind) { return field(page, kind, &Cell::last); }
    [[nodiscard]] int setCount(int page, int kind, int value) { return setField(page, kind, &Cell::count, value); }
    [[nodiscard]] int setFirst(int page, int kind, int id) { return setField(page, kind, &Cell::first, id); }
    [[nodiscard]] int setLast(int page, int kind, int id) { return setField(page, kind, &Cell::last, id); }
    // The new count (0 when refused).
    [[nodiscard]] int incrementCount(int page, int kind);
    // The new count; at 0 or below the cell is cleared.
    int decrementCount(int page, int kind);
    [[nodiscard]] int setFirstIfNone(int page, int kind, int id);
    // Stores id as the last and returns the previous last (0 when none or refused).
    int swapLast(int page, int kind, int id);

    // 1 when (page, kind) has a cell (made on the way); 0 when refused.
    [[nodiscard]] int hasCell(int page, int kind);
    // Row shifts as in PageChainTable (1 <= n < used count).
    [[nodiscard]] int insertPage(int n);
    [[nodiscard]] int removePage(int n);

    int columns = 50;
    int initialized = 0;

private:
    [[nodiscard]] int setUp();
    [[nodiscard]] Cell* cellAt(int page, int kind, BlockLock& rows);
    // change (an int (Cell&) callable) on the cell, under the table's lock; 0 when refused.
    template <typename Change> [[nodiscard]] int withCell(int page, int kind, Change change);
    [[nodiscard]] int field(int page, int kind, int32_t Cell::*member);
    [[nodiscard]] int setField(int page, int kind, int32_t Cell::*member, int value);
};
