#include "document/ExtentGrid.h"

#include <algorithm>
#include <cmath>

void ExtentGrid::clear()
{
    columns = rows = items = 0;
    cellStart.clear();
    cellIds.clear();
    large.clear();
}

int ExtentGrid::cellRange(double low, double high, double origin, int cells, int& first, int& last) const
{
    const double a = (low - origin) / side, b = (high - origin) / side;
    if (!(b >= 0.0) || !(a < cells))
        return 0;
    first = a <= 0.0 ? 0 : static_cast<int>(a);
    last = b >= cells - 1 ? cells - 1 : static_cast<int>(b);
    return 1;
}

void ExtentGrid::build(std::vector<Item>& list)
{
    clear();
    items = static_cast<int>(list.size());
    if (list.empty())
        return;
    double minX = list[0].minX, minY = list[0].minY, maxX = list[0].maxX, maxY = list[0].maxY;
    std::vector<double> sides;
    sides.reserve(list.size());
    for (const Item& item : list) {
        minX = std::min(minX, item.minX), minY = std::min(minY, item.minY);
        maxX = std::max(maxX, item.maxX), maxY = std::max(maxY, item.maxY);
        sides.push_back(std::max(item.maxX - item.minX, item.maxY - item.minY));
    }
    std::nth_element(sides.begin(), sides.begin() + sides.size() / 2, sides.end());
    const double width = maxX - minX, height = maxY - minY;
    side = std::max({sides[sides.size() / 2], std::max(width, height) * 1e-3, 1e-9});
    // Not many more cells than extents, however far apart the extents lie.
    const double cellLimit = 4.0 * static_cast<double>(list.size()) + 16.0;
    while ((std::floor(width / side) + 1.0) * (std::floor(height / side) + 1.0) > cellLimit)
        side *= 2.0;
    originX = minX, originY = minY;
    columns = static_cast<int>(width / side) + 1;
    rows = static_cast<int>(height / side) + 1;

    // Two passes: the count of each cell, then the ids in place.
    cellStart.assign(static_cast<size_t>(columns) * rows + 1, 0);
    auto forEachCell = [&](const Item& item, auto visit) {
        int c0 = 0, c1 = 0, r0 = 0, r1 = 0;
        (void)cellRange(item.minX, item.maxX, originX, columns, c0, c1); // inside the grid by its making
        (void)cellRange(item.minY, item.maxY, originY, rows, r0, r1);
        if ((c1 - c0 + 1) * (r1 - r0 + 1) > kMaxCells)
            return false;
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                visit(r * columns + c);
        return true;
    };
    for (const Item& item : list) {
        if (!forEachCell(item, [&](int cell) { ++cellStart[cell + 1]; }))
            large.push_back(item.id);
    }
    for (size_t i = 1; i < cellStart.size(); ++i)
        cellStart[i] += cellStart[i - 1];
    cellIds.resize(static_cast<size_t>(cellStart.back()));
    std::vector<int> filled(cellStart.begin(), cellStart.end() - 1);
    for (const Item& item : list)
        (void)forEachCell(item, [&](int cell) { cellIds[static_cast<size_t>(filled[cell]++)] = item.id; });
}

size_t ExtentGrid::filedCount(double minX, double minY, double maxX, double maxY) const
{
    size_t n = large.size();
    int c0 = 0, c1 = 0, r0 = 0, r1 = 0;
    if (!columns || !cellRange(minX, maxX, originX, columns, c0, c1) || !cellRange(minY, maxY, originY, rows, r0, r1))
        return n;
    for (int r = r0; r <= r1; ++r)
        n += static_cast<size_t>(cellStart[r * columns + c1 + 1] - cellStart[r * columns + c0]);
    return n;
}

void ExtentGrid::query(double minX, double minY, double maxX, double maxY, std::vector<int>& out) const
{
    out.insert(out.end(), large.begin(), large.end());
    int c0 = 0, c1 = 0, r0 = 0, r1 = 0;
    if (!columns || !cellRange(minX, maxX, originX, columns, c0, c1) || !cellRange(minY, maxY, originY, rows, r0, r1))
        return;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) {
            const int cell = r * columns + c;
            out.insert(out.end(), cellIds.begin() + cellStart[cell], cellIds.begin() + cellStart[cell + 1]);
        }
}
