#include "platform/DibHeaderBlock.h"

#include <climits>
#include <cstring>
#include <new>

#include "platform/GlobalBlock.h"

DibHeaderBlock::DibHeaderBlock() { std::memset(bytes_, 0, sizeof bytes_); }

DibHeaderBlock::~DibHeaderBlock() { freeBits(); }

int DibHeaderBlock::allocateBits(long long n)
{
    freeBits();
    if (n < 0 || n + 256 > INT_MAX)
        return 0;
    int bytes = static_cast<int>(n + 256);
    auto* block = new (std::nothrow) GlobalBlock(bytes, 1);
    if (!block)
        return 0;
    if (!block->allocate(1)) {
        delete block;
        return 0;
    }
    block->count = static_cast<int>(n);
    pixels_ = block;
    return 1;
}

void DibHeaderBlock::freeBits()
{
    delete pixels_;
    pixels_ = nullptr;
}

int DibHeaderBlock::rowStride() const
{
    long long w = header()->biWidth;
    if (w < 0)
        return 0;
    long long stride;
    switch (header()->biBitCount) {
    case 1:
        stride = (w - 1) / 32 * 4 + 4;
        break;
    case 4:
        stride = (w - 1) / 8 * 4 + 4;
        break;
    case 8:
        stride = (w - 1) / 4 * 4 + 4;
        break;
    case 24:
        stride = (3 * w - 1) / 4 * 4 + 4;
        break;
    default:
        return 0;
    }
    return stride <= INT_MAX ? static_cast<int>(stride) : 0;
}

long long DibHeaderBlock::imageSize() const
{
    if (header()->biSizeImage)
        return header()->biSizeImage;
    long long rows = header()->biHeight;
    // A top-down header counts its rows as a negative height.
    return static_cast<long long>(rowStride()) * (rows < 0 ? -rows : rows);
}

int DibHeaderBlock::paletteSize() const
{
    switch (header()->biBitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    case 24:
        return 0;
    default:
        return -1;
    }
}
