#pragma once
#include <cstddef>
#include <vector>

// A uniform grid over the extents of one page's elements, so that the elements near a small box
// (a click's pick box) are found without visiting the others. It is built once from a list and
// then only read: it answers the ids whose extent at the build lay in a grid cell that the box
// touches, and the caller compares each with the extent it holds now.
//
// The cell side is the median side of the extents (at least a thousandth of the page's span), so
// that a typical extent covers a few cells; an extent that would cover more than kMaxCells cells
// is kept in a list that every query returns whole. Cells span the box of all extents; a query
// outside it visits no cell.
class ExtentGrid {
public:
    struct Item {
        int id;
        double minX, minY, maxX, maxY;
    };
    static constexpr int kMaxCells = 64;

    // The grid of the items (their order does not matter); the list is left in another order.
    void build(std::vector<Item>& items);
    void clear();
    // Appends to out the ids filed under the cells the box touches, and the large extents; an
    // id may come more than once.
    void query(double minX, double minY, double maxX, double maxY, std::vector<int>& out) const;
    // How many ids query would append, repeats counted, told from the cells alone.
    [[nodiscard]] size_t filedCount(double minX, double minY, double maxX, double maxY) const;
    [[nodiscard]] int itemCount() const { return items; }

private:
    // The cell range [first, last] of an interval on an axis, clamped to the grid; 0 when the
    // interval misses the grid.
    [[nodiscard]] int cellRange(double low, double high, double origin, int cells, int& first, int& last) const;

    double originX = 0.0, originY = 0.0;
    double side = 1.0;
    int columns = 0, rows = 0;
    int items = 0;
    // The ids of cell (column c, row r) are cellIds[cellStart[r * columns + c] ..
    // cellStart[r * columns + c + 1]).
    std::vector<int> cellStart;
    std::vector<int> cellIds;
    std::vector<int> large;
};
