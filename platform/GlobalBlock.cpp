#include "platform/GlobalBlock.h"

#include <cstring>
#include <new>

#include "platform/MessageBoxes.h"
#include "resources/ids.h"

GlobalBlock::~GlobalBlock()
{
    while (lockCount > 0)
        unlock();
    free();
}

void GlobalBlock::holdBase()
{
    base_ = handle && !borrowed ? static_cast<char*>(GlobalLock(handle)) : nullptr;
}

void GlobalBlock::dropBase()
{
    if (base_)
        GlobalUnlock(handle);
    base_ = nullptr;
}

void GlobalBlock::copyElement(char* target, const void* element) const
{
    switch (elementSize) {
    case 4:
        std::memcpy(target, element, 4);
        break;
    case 8:
        std::memcpy(target, element, 8);
        break;
    default:
        std::memcpy(target, element, static_cast<size_t>(elementSize));
        break;
    }
}

int GlobalBlock::allocate(int report)
{
    if (growthStep < 1)
        growthStep = 1;
    dropBase();
    if (handle && !borrowed)
        GlobalFree(handle);
    handle = nullptr;
    borrowed = 0;
    lockCount = 0;
    capacity = growthStep;
    handle = GlobalAlloc(allocFlags, static_cast<SIZE_T>(capacity) * static_cast<SIZE_T>(elementSize));
    if (!handle) {
        capacity = 0;
        if (report)
            showOutOfMemory();
        return 0;
    }
    holdBase();
    return 1;
}

int GlobalBlock::reserve(int n, int report)
{
    if (!handle)
        return allocate(report) ? reserve(n, report) : 0;
    if (capacity > n)
        return 1;
    if (growthStep < 1)
        growthStep = 1;
    // Whole growth steps until the capacity reaches n (at least one step); large blocks grow by
    // at least half their capacity so that filling a block element by element stays linear.
    long long step = growthStep;
    long long wanted = static_cast<long long>(n) - capacity;
    long long grow = wanted > step ? (wanted + step - 1) / step * step : step;
    long long half = capacity / 2;
    if (half > grow)
        grow = (half + step - 1) / step * step;
    long long newCapacity = capacity + grow;
    if (newCapacity > 0x7fffffff || newCapacity * elementSize > (1LL << 40)) {
        if (report)
            showOutOfMemory();
        return 0;
    }
    bool held = base_ != nullptr;
    dropBase();
    HGLOBAL moved = GlobalReAlloc(handle, static_cast<SIZE_T>(newCapacity * elementSize), allocFlags);
    if (!moved) {
        if (held)
            holdBase();
        if (report)
            showOutOfMemory();
        return 0;
    }
    handle = moved;
    capacity = static_cast<int>(newCapacity);
    holdBase();
    return 1;
}

void* GlobalBlock::lockHandle()
{
    if (!handle)
        return nullptr;
    void* data = GlobalLock(handle);
    if (data)
        ++lockCount;
    return data;
}

void GlobalBlock::unlockHandle()
{
    if (!handle || lockCount <= 0)
        return;
    --lockCount;
    GlobalUnlock(handle);
}

int GlobalBlock::free()
{
    if (handle && !borrowed) {
        while (lockCount > 0)
            unlock();
        dropBase();
        if (GlobalFree(handle) != nullptr)
            return 0;
    }
    handle = nullptr;
    borrowed = 0;
    lockCount = 0;
    capacity = 0;
    return 1;
}

GlobalBlock* GlobalBlock::clone() const
{
    auto* copy = new (std::nothrow) GlobalBlock(growthStep, elementSize);
    if (!copy)
        return nullptr;
    copy->allocFlags = allocFlags;
    bool copied = copy->allocate(1) && copy->reserve(count > 0 ? count - 1 : 0, 1);
    if (copied && count > 0 && handle) {
        GlobalBlock& self = const_cast<GlobalBlock&>(*this);
        BlockLock from(self), to(*copy);
        copied = from && to;
        if (copied)
            std::memcpy(to.data(), from.data(), static_cast<size_t>(count) * static_cast<size_t>(elementSize));
    }
    if (!copied) {
        delete copy;
        return nullptr;
    }
    copy->count = count;
    return copy;
}

int GlobalBlock::appendSlow(const void* element)
{
    if (!reserveOneMore(1))
        return 0;
    BlockLock data(*this);
    if (!data)
        return 0;
    copyElement(data.data() + static_cast<size_t>(count) * elementSize, element);
    ++count;
    return 1;
}

int GlobalBlock::appendAll(const GlobalBlock& other)
{
    if (other.elementSize != elementSize)
        return 0;
    int n = other.count;
    if (n <= 0)
        return 1;
    if (static_cast<long long>(count) + n >= 0x7fffffff)
        return 0;
    // One reservation for the whole copy, before anything is locked: the block may move.
    if (!reserve(count + n, 1))
        return 0;
    BlockLock to(*this);
    if (!to)
        return 0;
    size_t bytes = static_cast<size_t>(n) * static_cast<size_t>(elementSize);
    char* end = to.data() + static_cast<size_t>(count) * static_cast<size_t>(elementSize);
    if (&other == this) {
        std::memcpy(end, to.data(), bytes);
    } else {
        BlockLock from(const_cast<GlobalBlock&>(other));
        if (!from)
            return 0;
        std::memcpy(end, from.data(), bytes);
    }
    count += n;
    return 1;
}

int GlobalBlock::get(int index, void* element)
{
    if (index < 0 || index >= count)
        return 0;
    BlockLock data(*this);
    if (!data)
        return 0;
    std::memcpy(element, data.data() + static_cast<size_t>(index) * elementSize, elementSize);
    return 1;
}

int GlobalBlock::put(int index, const void* element)
{
    if (index < 0 || index >= count)
        return 0;
    BlockLock data(*this);
    if (!data)
        return 0;
    std::memcpy(data.data() + static_cast<size_t>(index) * elementSize, element, elementSize);
    return 1;
}

int GlobalBlock::removeRange(int index, int n)
{
    if (index < 0 || n < 1 || index >= count || n > count - index)
        return 0;
    BlockLock data(*this);
    if (!data)
        return 0;
    const size_t size = static_cast<size_t>(elementSize);
    char* at = data.data() + static_cast<size_t>(index) * size;
    std::memmove(at, at + static_cast<size_t>(n) * size, static_cast<size_t>(count - index - n) * size);
    count -= n;
    return 1;
}

int GlobalBlock::insertGap(int index, int n)
{
    if (n < 1 || index < 0 || index > count)
        return 0;
    if (static_cast<long long>(count) + n >= 0x7fffffff)
        return 0;
    if (!reserve(count + n, 1))
        return 0;
    BlockLock data(*this);
    if (!data)
        return 0;
    const size_t size = static_cast<size_t>(elementSize);
    char* at = data.data() + static_cast<size_t>(index) * size;
    std::memmove(at + static_cast<size_t>(n) * size, at, static_cast<size_t>(count - index) * size);
    count += n;
    return 1;
}

int GlobalBlock::resizeFilled(int n, const void* fill)
{
    if (n < 0)
        return 0;
    if (n <= count) {
        count = n;
        return 1;
    }
    if (!reserve(n, 1))
        return 0;
    BlockLock data(*this);
    if (!data)
        return 0;
    for (int i = count; i < n; ++i)
        copyElement(data.data() + static_cast<size_t>(i) * static_cast<size_t>(elementSize), fill);
    count = n;
    return 1;
}

int GlobalBlock::copyAll(const GlobalBlock& other)
{
    if (&other == this)
        return 1;
    if (!reserve(other.count, 1))
        return 0;
    count = 0;
    return appendAll(other);
}

void GlobalBlock::borrow(HGLOBAL borrowedHandle, int elementCount)
{
    free();
    base_ = nullptr;
    handle = borrowedHandle;
    borrowed = 1;
    capacity = count = elementCount;
}
