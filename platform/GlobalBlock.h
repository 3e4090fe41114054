#pragma once
#include <windows.h>

// The program's growable array: one moveable global memory block of fixed-size elements,
// grown in steps. Pointers returned by lock() are valid only until the matching unlock(),
// because a reallocation may move the block.
class GlobalBlock {
public:
    GlobalBlock() = default;
    GlobalBlock(int growthStep, int elementSize) : growthStep(growthStep), elementSize(elementSize) {}
    ~GlobalBlock();
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;

    // Allocates one growth step of elements. With `report` a failure is shown to the user.
    [[nodiscard]] int allocate(int report = 1);
    // Makes room for n elements: returns at once while capacity > n, else grows by at least one
    // growth step (and by half the capacity for large blocks, so that filling a block is linear).
    [[nodiscard]] int reserve(int n, int report = 1);
    [[nodiscard]] int reserveMore(int k, int report = 1) { return reserve(count + k, report); }
    [[nodiscard]] int reserveOneMore(int report = 1) { return reserve(count + 1, report); }

    void removeLast() { if (count > 0) --count; }
    void setCountAtLeast(int n) { if (count < n) count = n; }

    // An own block is held locked already: only the count changes (inline, as the per-value
    // reads and writes of records lock for every value).
    [[nodiscard]] void* lock()
    {
        if (base_) {
            ++lockCount;
            return base_;
        }
        return lockHandle();
    }
    void unlock()
    {
        if (base_) {
            if (lockCount > 0)
                --lockCount;
            return;
        }
        unlockHandle();
    }
    int free();

    // A new block with the same element size and growth step holding a copy of the used bytes.
    [[nodiscard]] GlobalBlock* clone() const;

    // Appends one element of elementSize bytes; 0 when the block cannot grow.
    [[nodiscard]] int append(const void* element)
    {
        if (base_ && count < capacity - 1) {
            copyElement(base_ + static_cast<size_t>(count) * static_cast<size_t>(elementSize), element);
            ++count;
            return 1;
        }
        return appendSlow(element);
    }
    // Copies element `index` out (0 when out of range or unlockable).
    [[nodiscard]] int get(int index, void* element);
    // Overwrites element `index` (0 when out of range).
    [[nodiscard]] int put(int index, const void* element);
    // Appends every element of a block of the same element size (itself included) with one
    // reservation; 0 when the sizes differ or the block cannot grow.
    [[nodiscard]] int appendAll(const GlobalBlock& other);
    // Removes element `index`, moving the later ones down.
    [[nodiscard]] int removeAt(int index) { return removeRange(index, 1); }
    // Removes n elements from index (n >= 1, index + n <= count), moving the later ones down.
    [[nodiscard]] int removeRange(int index, int n);
    // Opens a gap of n elements at index (0 <= index <= count, n >= 1), moving the later ones
    // up; the gap keeps whatever the block held. 0 when the block cannot grow.
    [[nodiscard]] int insertGap(int index, int n);
    // Truncates to n elements, or appends copies of the one element `fill` until the count is n.
    [[nodiscard]] int resizeFilled(int n, const void* fill);
    // Empties this block, then appendAll (the block itself may be given: nothing changes).
    [[nodiscard]] int copyAll(const GlobalBlock& other);

    [[nodiscard]] int appendSlow(const void* element);
    void copyElement(char* target, const void* element) const;

    // Takes over a handle that belongs to someone else; it is never freed by this block.
    void borrow(HGLOBAL borrowedHandle, int elementCount);

    int growthStep = 1;
    int capacity = 0;
    int count = 0;
    int elementSize = 1;
    int lockCount = 0;
    int borrowed = 0;
    HGLOBAL handle = nullptr;
    UINT allocFlags = GMEM_MOVEABLE;

private:
    [[nodiscard]] void* lockHandle();
    void unlockHandle();
    // An own block stays locked once from allocation to reallocation or release, so lock() and
    // append() need no system call; the counted locks keep their meaning for the callers.
    void holdBase();
    void dropBase();
    char* base_ = nullptr;
};

// Keeps a block locked for one scope.
class BlockLock {
public:
    explicit BlockLock(GlobalBlock& block) : block_(block), data_(block.lock()) {}
    ~BlockLock() { if (data_) block_.unlock(); }
    BlockLock(const BlockLock&) = delete;
    BlockLock& operator=(const BlockLock&) = delete;

    template <typename T = char> [[nodiscard]] T* data() const { return static_cast<T*>(data_); }
    explicit operator bool() const { return data_ != nullptr; }

private:
    GlobalBlock& block_;
    void* data_;
};
