#pragma once
#include <cstdint>

class JpegTableSet;
struct HuffmanTable;

// The baseline sequential DCT decoding of one interleaved scan into a 24-bit DIB: Huffman
// decoding of the DC differences and AC run/size codes (bits most significant first, 0xFF 0x00
// standing for the data byte 0xFF), dequantisation, the inverse DCT, sample repetition for
// subsampled components and the conversion to blue, green, red:
//     red   = Y + 1.402 (Cr - 128)
//     green = Y - 0.3441 (Cb - 128) - 0.7139 (Cr - 128)
//     blue  = Y + 1.7718 (Cb - 128)
// rounded and clamped to 0..255; a one-component picture is grey (red = green = blue = Y).
// Pixels right of the width and rows below the height are cut off.
// While it decodes, the frame's status bar (when there is one) shows its progress over the MCU
// count; the bar goes when the scan ends, decoded or not.
//
// The work buffers are the reader's (JpegTableSet::readerBuffers): kSamples, kLookups and
// kScaledTables are made here on first use and kept for the next scan.

namespace jpeg {

enum Buffer { kSamples = 0, kLookups = 1, kScaledTables = 2, kFileBytes = 3, kCoefficients = 4 };

struct ScanSetup {
    const unsigned char* data = nullptr;   // the file
    long long size = 0;
    long long start = 0;                   // the first byte of the entropy-coded data
    int width = 0, height = 0;
    int components = 0;                    // 1 or 3, all in this scan
    int maxH = 1, maxV = 1;                // 1 for a one-component picture
    struct Component {
        int h = 1, v = 1;                  // dividing maxH and maxV
        const HuffmanTable* dc = nullptr;
        const HuffmanTable* ac = nullptr;
        const std::int32_t* quant = nullptr; // 64 values in natural order
    } component[3];
    int restartInterval = 0;               // MCUs; 0 for none
};

// Decodes the scan into `dib` (bottom-up rows of `stride` bytes, height rows). 1 on success with
// `end` at the first byte after the data read; 0 when a code is not found within 16 bits, a
// coefficient index passes 63, a DC size passes 11, the data ends or meets a marker before the
// last MCU, a restart marker is missing where the interval puts one, or a buffer cannot be had.
[[nodiscard]] int decodeScan(const ScanSetup& setup, JpegTableSet& work, unsigned char* dib, long long stride,
                             long long& end);

// 1 when the counts of a Huffman table give valid codes (every code fits its length); fills the
// table's lengths and codes in code order.
[[nodiscard]] int generateCodes(HuffmanTable& table);

// The inverse DCT of one block: `scaled` holds the 64 quantisation values multiplied out for the
// separable transform (scaleQuantTable), `coefficients` the 64 quantised coefficients in natural
// order; out receives 8 rows of 8 samples (level shift 128, not clamped) at `stride` shorts apart.
void scaleQuantTable(const std::int32_t* quant, float* scaled);
void inverseDct(const short* coefficients, const float* scaled, short* out, int stride);

} // namespace jpeg
