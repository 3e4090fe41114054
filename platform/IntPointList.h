#pragma once
#include "platform/GlobalBlock.h"
#include "platform/IntPoint.h"

// A growable list of device points, (x, y) int pairs in a global memory block grown 50 at a time.
class IntPointList : public GlobalBlock {
public:
    IntPointList() : GlobalBlock(50, sizeof(IntPoint)) {}

    [[nodiscard]] int add(int x, int y) { return addPoint(IntPoint(x, y)); }
    [[nodiscard]] int addPoint(const IntPoint& p) { return append(&p); }
    // 0 when i is out of range.
    [[nodiscard]] int getAt(int i, int& x, int& y);
    // (0, 0) when i is out of range.
    [[nodiscard]] IntPoint getPoint(int i);
};
