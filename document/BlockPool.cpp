#include "document/BlockPool.h"

#include <algorithm>
#include <cstring>

BlockPool::BlockPool() : GlobalBlock(1000, sizeof(RecordBlock)) {}

int BlockPool::allocateBlock()
{
    if (noReuse != 1 && freeCount > 0) {
        int number = freeHead;
        if (--freeCount <= 0)
            freeCount = freeHead = freeTail = 0;
        else
            freeHead = linkOf(number);
        return number;
    }
    int number = highest + 1;
    if (number >= 0x7fffffff || !reserve(number + 1))
        return 0;
    BlockLock blocks(*this);
    if (!blocks)
        return 0;
    // Block 0 and every new block start cleared.
    std::memset(blocks.data<RecordBlock>() + count, 0, (number + 1 - count) * sizeof(RecordBlock));
    count = number + 1;
    highest = number;
    return number;
}

int BlockPool::writeBlock(int number, const void* data, int n, int next)
{
    if (!isValidBlock(number) || n < 0 || n > kRecordBlockData)
        return 0;
    BlockLock blocks(*this);
    if (!blocks)
        return 0;
    RecordBlock& block = blocks.data<RecordBlock>()[number];
    if (n > 0)
        std::memcpy(block.data, data, static_cast<size_t>(n));
    // The tail is zeroed so clipboard data and undo images are deterministic.
    std::memset(block.data + n, 0, static_cast<size_t>(kRecordBlockData - n));
    block.next = next;
    return 1;
}

int BlockPool::readBlock(int number, void* data, int* next)
{
    BlockLock blocks(*this);
    if (!blocks || !isValidBlock(number)) {
        std::memset(data, 0, kRecordBlockData);
        *next = 0;
        return 0;
    }
    const RecordBlock& block = blocks.data<RecordBlock>()[number];
    std::memcpy(data, block.data, kRecordBlockData);
    *next = block.next;
    return 1;
}

void BlockPool::prefetchChain(int first, int blocks) const
{
    const char* base = heldBase();
    if (!base || !isValidBlock(first) || blocks < 1)
        return;
    // At most four blocks (about nine cache lines), and none past the pool's end.
    const int last = std::min(first + std::min(blocks, 4) - 1, highest);
    const char* from = base + static_cast<size_t>(first) * sizeof(RecordBlock);
    const char* to = base + static_cast<size_t>(last + 1) * sizeof(RecordBlock);
    for (const char* line = from; line < to; line += 64)
        __builtin_prefetch(line);
}

int BlockPool::linkOf(int number)
{
    if (!isValidBlock(number))
        return 0;
    BlockLock blocks(*this);
    return blocks ? blocks.data<RecordBlock>()[number].next : 0;
}

void BlockPool::releaseChain(int first, int maxBlocks)
{
    if (noReuse == 1 || !isValidBlock(first) || maxBlocks < 1)
        return;
    BlockLock blocks(*this);
    if (!blocks)
        return;
    RecordBlock* base = blocks.data<RecordBlock>();
    if (freeCount < 1)
        freeHead = first;
    else
        base[freeTail].next = first;
    int last = first;
    int released = 1;
    while (released < maxBlocks && isValidBlock(base[last].next)) {
        last = base[last].next;
        ++released;
    }
    base[last].next = -3;
    freeTail = last;
    freeCount += released;
}
