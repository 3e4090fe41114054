#pragma once
#include <cstdint>

#include "platform/GlobalBlock.h"

// A record block of the element store: 128 record bytes and the number of the next block of the
// chain (-3 ends it). A stored form: the undo log's entry images point at these blocks.
struct RecordBlock {
    char data[128];
    int32_t next;
};
static_assert(sizeof(RecordBlock) == 132, "record blocks are 132 bytes");

constexpr int kRecordBlockData = 128;

// The pool of record blocks, numbered from 1 (block 0 stays empty), with the list of released
// blocks chained through their link words. With the no-reuse switch at 1 released blocks are
// never handed out again, so element images kept by the undo log keep pointing at intact records.
class BlockPool : public GlobalBlock {
public:
    BlockPool();

    // A block number: a released one when reuse is allowed, else highest + 1. 0 when the pool
    // cannot grow.
    [[nodiscard]] int allocateBlock();
    [[nodiscard]] int isValidBlock(int number) const { return number >= 1 && number <= highest; }
    // Writes n (0..128) record bytes into block number, zero-fills the rest and sets the link.
    [[nodiscard]] int writeBlock(int number, const void* data, int n, int next);
    // Copies the 128 bytes of a block; a number outside the pool yields zeros and link 0.
    [[nodiscard]] int readBlock(int number, void* data, int* next);
    [[nodiscard]] int linkOf(int number);
    // A hint for a walk that reads the chain starting at first next: brings its first blocks
    // towards the processor (a chain written whole lies in consecutive blocks).
    void prefetchChain(int first, int blocks) const;
    // Appends the chain starting at first (at most maxBlocks blocks, or up to a -3 link) to the
    // free list. Nothing with the no-reuse switch on.
    void releaseChain(int first, int maxBlocks);

    int noReuse = 0;
    int highest = 0;
    int freeCount = 0;
    int freeHead = 0;
    int freeTail = 0;
};
