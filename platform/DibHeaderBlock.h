#pragma once
#include <windows.h>

class GlobalBlock;

// A BITMAPINFOHEADER and a palette of 256 RGBQUAD entries, as the image readers build them, and
// the pixel rows in a block of their own. The header bytes lie in one piece: 16 bytes the readers
// use for themselves, the header (40 bytes), the palette (1024 bytes), so that the header and the
// palette together are a BITMAPINFO. A new block is all zero.
class DibHeaderBlock {
public:
    enum { kPrefixSize = 16, kPaletteEntries = 256, kBytes = kPrefixSize + 40 + kPaletteEntries * 4 };

    DibHeaderBlock();
    ~DibHeaderBlock();
    DibHeaderBlock(const DibHeaderBlock&) = delete;
    DibHeaderBlock& operator=(const DibHeaderBlock&) = delete;

    [[nodiscard]] unsigned char* prefix() { return bytes_; }
    [[nodiscard]] BITMAPINFOHEADER* header() { return reinterpret_cast<BITMAPINFOHEADER*>(bytes_ + kPrefixSize); }
    [[nodiscard]] const BITMAPINFOHEADER* header() const
    {
        return reinterpret_cast<const BITMAPINFOHEADER*>(bytes_ + kPrefixSize);
    }
    [[nodiscard]] BITMAPINFO* info() { return reinterpret_cast<BITMAPINFO*>(header()); }
    [[nodiscard]] RGBQUAD* palette() { return reinterpret_cast<RGBQUAD*>(bytes_ + kPrefixSize + 40); }

    // Frees the pixel block held before and makes one of n + 256 bytes (the readers write a little
    // past the last row). 0 when n is negative or the block cannot be had.
    [[nodiscard]] int allocateBits(long long n);
    void freeBits();
    // The pixel block (element size 1; count = the n asked for), or null.
    [[nodiscard]] GlobalBlock* bits() const { return pixels_; }

    // Bytes per row for 1, 4, 8 and 24 bits per pixel (a multiple of 4); 0 for any other depth,
    // also 16 and 32, and for a width below 0 or a row that does not fit an int.
    [[nodiscard]] int rowStride() const;
    // biSizeImage when it is set, else rowStride x the number of rows.
    [[nodiscard]] long long imageSize() const;
    // Palette entries of the depth: 1 -> 2, 4 -> 16, 8 -> 256, 24 -> 0; -1 for any other depth.
    [[nodiscard]] int paletteSize() const;

private:
    alignas(8) unsigned char bytes_[kBytes];
    GlobalBlock* pixels_ = nullptr;
};
