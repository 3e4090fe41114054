#pragma once
class GlobalBlock;
class LzwDecoder;

// The variable-length-code LZW of GIF image data, codes packed least significant bit first.
// The compressed bytes are the decoder's (all of one image, gathered before decoding); the
// indices go into `indices` (element size 1), which grows as they come, up to `limit` indices.
//
// The code width starts at minimum code size + 1 and grows by one bit each time the next free
// code reaches a power of two, up to 12 bits; at 4096 entries no entry is added and the width
// stays 12 until a clear code. The clear code resets the table, the end code or the end of the
// bytes stops. Table entries (LzwDecoder::table, 12 bytes: code, position of its string in the
// index output, length) point into the output; strings are never copied into the table.
enum class LzwResult {
    kDone,       // the end code, the end of the bytes or `limit` indices reached
    kBadCode,    // a code above the next free code (or a string code with no string before it)
    kNoMemory,   // the index output or the table could not grow
};

// minimumCodeSize 1..11; `produced` receives the number of indices stored.
[[nodiscard]] LzwResult decodeLzw(LzwDecoder& lzw, int minimumCodeSize, long long limit, GlobalBlock& indices,
                                  long long& produced);

// The most indices `dataBytes` bytes of one image's data can give: each code takes at least
// minimumCodeSize + 1 bits (the size taken within 1..11) and gives at most 4096 indices, the
// longest string a table of 4096 entries holds.
[[nodiscard]] long long lzwMostIndices(long long dataBytes, int minimumCodeSize);
