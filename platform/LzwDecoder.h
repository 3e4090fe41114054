#pragma once
#include <windows.h>

class GlobalBlock;

// The blocks of the LZW decoder that the GIF and TIFF readers decode with: the compressed bytes
// (a byte block), the string table (12-byte entries, made with the decoder) and the global
// memory block of the decoded pixels. The decoder owns all three; decoding itself is the
// readers'.
class LzwDecoder {
public:
    enum { kTableEntrySize = 12, kTableGrowth = 256 };

    LzwDecoder();
    // Gives back the pixel block, then the table and the compressed bytes.
    ~LzwDecoder();
    LzwDecoder(const LzwDecoder&) = delete;
    LzwDecoder& operator=(const LzwDecoder&) = delete;

    // The compressed bytes' address until unlockBytes; null without them.
    [[nodiscard]] unsigned char* lockBytes();
    void unlockBytes();
    // Frees the pixel block when there is one; the handle is null afterwards in any case.
    void releaseBlock();

    GlobalBlock* bytes = nullptr;   // owned, null until the first compressed byte
    GlobalBlock* table = nullptr;   // owned
    HGLOBAL block = nullptr;        // owned
};
