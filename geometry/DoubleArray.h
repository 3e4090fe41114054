#pragma once
#include "platform/GlobalBlock.h"

// A growable array of doubles in one moveable global memory block, grown 50 values at a time:
// per-vertex corner radii, dash lists, the values of undo records. The first 50 are allocated by
// the constructor (a failure shows "メモリーが一杯です"). The contract is that of the point
// array's storage: indices 0..count - 1, 0 for an index out of range or a null argument, and a
// failed growth leaves the count as it was.
class DoubleArray : public GlobalBlock {
public:
    DoubleArray();

    // Truncates to n, or appends 0.0 until the count is n.
    [[nodiscard]] int resize(int n);
    [[nodiscard]] int append(double v) { return GlobalBlock::append(&v); }
    // Stores v at i + 1, moving the later values up; i = -1 inserts in front.
    [[nodiscard]] int insertAfter(int i, double v);
    // Every value of the other array, in order (the array itself may be given).
    [[nodiscard]] int appendAll(const DoubleArray* other);
    [[nodiscard]] int getRaw(int i, double* out) const;
    // 0.0 when i is out of range.
    [[nodiscard]] double get(int i) const;
    [[nodiscard]] int set(int i, double v);
    using GlobalBlock::removeAt;
    // Removes n values from i (n >= 1, i + n <= count).
    using GlobalBlock::removeRange;
    // Opens a gap of n values at i (0 <= i <= count, n >= 1); the gap keeps whatever the block held.
    using GlobalBlock::insertGap;
    // Empties this array, then appendAll.
    [[nodiscard]] int copyFrom(const DoubleArray* other) { return other ? copyAll(*other) : 0; }
    // 1 when empty or every value equals 0.0 exactly (-0.0 does; 1e-300 does not).
    [[nodiscard]] int isAllZero() const;
};
