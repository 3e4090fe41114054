#include "platform/JpegTableSet.h"

#include <new>

#include "platform/GlobalBlock.h"

JpegBufferRelease jpegBufferRelease = nullptr;

namespace {
// A block of `count` elements with its memory, or null (a failed allocation has told the user).
GlobalBlock* allocatedBlock(int count, int elementSize)
{
    auto* block = new (std::nothrow) GlobalBlock(count, elementSize);
    if (block && !block->allocate()) {
        delete block;
        return nullptr;
    }
    return block;
}

template <typename T> T* lockedAddress(GlobalBlock* block) { return block ? static_cast<T*>(block->lock()) : nullptr; }

void unlockBlock(GlobalBlock* block)
{
    if (block)
        block->unlock();
}
} // namespace

JpegTableSet::JpegTableSet() : marker(new (std::nothrow) JpegMarkerState)
{
    readerWords[kWordStartingAtMinusOne] = -1;
}

JpegTableSet::~JpegTableSet()
{
    releaseQuantTables();
    (void)releaseHuffmanTables(); // 0 only when there were none
    for (int i = 0; i < kReaderBuffers; ++i)
        releaseReaderBuffer(i);
    delete marker;
}

void JpegTableSet::releaseReaderBuffer(int buffer)
{
    if (jpegBufferRelease)
        jpegBufferRelease(*this, buffer);
}

void JpegTableSet::reset()
{
    releaseQuantTables();
    (void)releaseHuffmanTables(); // 0 only when there were none
    releaseReaderBuffer(0);
    releaseReaderBuffer(1);
    readerWords[kWordStartingAtMinusOne] = -1;
    releaseReaderBuffer(2);
    readerWords[kWordResetToZero] = 0;
}

int JpegTableSet::allocateQuantTables(int n)
{
    releaseQuantTables();
    // A JPEG table id is a byte; more records than ids serve nothing.
    if (n < 1 || n > 255)
        return 0;
    GlobalBlock* block = allocatedBlock(n, sizeof(QuantTable));
    auto* records = lockedAddress<QuantTable>(block);
    if (!records) {
        delete block;
        return 0;
    }
    block->count = n;
    for (int i = 0; i < n; ++i)
        records[i].id = 255;
    block->unlock();
    quantTables = block;
    return 1;
}

QuantTable* JpegTableSet::lockQuantTables() { return lockedAddress<QuantTable>(quantTables); }

void JpegTableSet::unlockQuantTables() { unlockBlock(quantTables); }

int JpegTableSet::quantTableCount() const { return quantTables ? quantTables->count : 0; }

void JpegTableSet::releaseQuantTables()
{
    delete quantTables;
    quantTables = nullptr;
}

int JpegTableSet::allocateHuffmanTables(int n)
{
    huffmanCount = n + 1;
    (void)releaseHuffmanTables(); // 0 only when there were none
    huffmanUsed = 0;
    currentHuffman = nullptr;
    // As many slots as a byte can count.
    if (n >= 0 && n <= 254) {
        huffmanBlock = allocatedBlock(n + 1, sizeof(HuffmanTable));
        huffmanBase = lockHuffmanTables();
        if (huffmanBase)
            return 1;
    }
    delete huffmanBlock;
    huffmanBlock = nullptr;
    huffmanCount = 0;
    return 0;
}

HuffmanTable* JpegTableSet::lockHuffmanTables() { return lockedAddress<HuffmanTable>(huffmanBlock); }

void JpegTableSet::unlockHuffmanTables() { unlockBlock(huffmanBlock); }

int JpegTableSet::releaseHuffmanTables()
{
    if (!huffmanBlock)
        return 0;
    unlockHuffmanTables();
    delete huffmanBlock;
    huffmanBlock = nullptr;
    huffmanBase = nullptr;
    currentHuffman = nullptr;
    return 1;
}

int JpegTableSet::findHuffmanTable(int tableClass, int id)
{
    currentHuffman = nullptr;
    if (!huffmanBase)
        return 0;
    for (int i = 0; i < huffmanUsed && i < huffmanCount; ++i) {
        currentHuffman = huffmanBase + i;
        if (currentHuffman->tableClass == tableClass && currentHuffman->id == id)
            return 1;
    }
    return 0;
}

int JpegTableSet::takeNextHuffmanTable()
{
    currentHuffman = nullptr;
    if (!huffmanBase)
        return 0;
    if (huffmanUsed >= huffmanCount)
        return huffmanCount;
    currentHuffman = huffmanBase + huffmanUsed;
    ++huffmanUsed;
    return huffmanUsed;
}
