#include "platform/LzwDecoder.h"

#include <new>

#include "platform/GlobalBlock.h"

LzwDecoder::LzwDecoder() : table(new (std::nothrow) GlobalBlock(kTableGrowth, kTableEntrySize)) {}

LzwDecoder::~LzwDecoder()
{
    releaseBlock();
    delete table;
    delete bytes;
}

unsigned char* LzwDecoder::lockBytes() { return bytes ? static_cast<unsigned char*>(bytes->lock()) : nullptr; }

void LzwDecoder::unlockBytes()
{
    if (bytes)
        bytes->unlock();
}

void LzwDecoder::releaseBlock()
{
    if (block)
        GlobalFree(block);
    block = nullptr;
}
