#pragma once
#include <cstdint>
#include <vector>

#include "platform/DibSource.h"

class ImageReaderBase;

// The decoded-image state of a TIFF picture and its row decoders: what the file's first directory
// says (size, samples, compression, photometric interpretation, resolution, strips, colour map)
// and how one row of the file's samples becomes a row of the DIB that is drawn. TiffImage reads
// the directory into it; the DIB drawer reads it as a scanned image (ScanDibSource): bilevel
// 1-bit rows draw inverted (a set bit is ink), colour-mapped ones and 8-bit rows through the
// colour map, other 8-bit rows through a grey ramp.
//
// File rows ("raw" rows) are the samples as stored, top row first, PackBits runs expanded; DIB
// rows are 1, 8, 24 (blue, green, red) or 32 bits (blue, green, red, 0) per pixel, each padded to
// 4 bytes, stored bottom-up.
class TiffDecoderBase : public ScanDibSource {
public:
    enum Compression { kUncompressed = 1, kPackBits = 32773 };
    enum Photometric { kWhiteIsZero = 0, kBlackIsZero = 1, kRgb = 2, kPalette = 3, kSeparated = 5 };
    enum Unit { kInch = 2, kCentimetre = 3 };
    // Rows are drawn in bands of at most this many bytes of DIB rows.
    static constexpr int kBandBytes = 65536;

    // ScanDibSource: the whole picture's rows while the reader keeps them (lockPixels gives null
    // otherwise).
    [[nodiscard]] int imageWidth() const override { return width; }
    [[nodiscard]] int imageHeight() const override { return height; }
    [[nodiscard]] int bitsPerPixel() const override { return bitCount; }
    [[nodiscard]] int xResolution() const override { return dotsPerInch(xDots); }
    [[nodiscard]] int yResolution() const override { return dotsPerInch(yDots); }
    [[nodiscard]] int colorMapCount() const override { return mapCount; }
    [[nodiscard]] const unsigned short* colorMap() const override { return mapCount ? map : nullptr; }

    // Bytes of one file row: 1 bit (width + 7) / 8, else width x samples.
    [[nodiscard]] long long fileRowBytes() const;
    // Bytes of one DIB row, a multiple of 4.
    [[nodiscard]] long long dibStride() const;
    // Rows of one band: kBandBytes / stride, at least 1 and at most the height.
    [[nodiscard]] int rowsPerBand() const;
    // The rows the next band takes of `remaining`: a full band while two bands' worth remain,
    // else half of what remains, rounded up, so that the last rows go in ever smaller halves.
    [[nodiscard]] static int nextBandRows(int remaining, int bandRows);
    // The file's strips: how many, and the rows of strip i (the last may have fewer).
    [[nodiscard]] int stripCount() const { return static_cast<int>(stripOffsets.size()); }
    [[nodiscard]] int rowsInStrip(int strip) const;

    // One file row into one DIB row (dibStride bytes, padding zeroed).
    void toDibRow(const unsigned char* raw, unsigned char* dib) const;
    // Size in millimetres from the resolutions: pixels x 25.4 / dots per inch, or x 10 / dots
    // per centimetre.
    void sizeInMillimetres(double& widthMm, double& heightMm) const;
    // A colour-mapped 8-bit picture: red, green and blue of index i (the high bytes of the map).
    [[nodiscard]] int isColourMapped() const { return bitCount == 8 && mapCount >= 6; }
    void mapColour(int index, unsigned char& red, unsigned char& green, unsigned char& blue) const;
    // 4 samples that are RGB and a fourth (alpha), not CMYK.
    [[nodiscard]] int isRgba() const { return bitCount == 32 && photometric == kRgb; }

    // Everything back to an empty picture.
    void clearDecoder();

    int width = 0;
    int height = 0;
    int bitCount = 1;          // of the DIB rows: 1, 8, 24, 32
    int samplesPerPixel = 1;   // in the file
    int compression = kUncompressed;
    int photometric = kBlackIsZero;
    int xDots = 72, yDots = 72; // integer dots per unit
    int unit = kInch;
    int rowsPerStrip = 0;      // of every strip but the last
    // Strip positions relative to the TIFF data's start, and their byte counts (the bytes the
    // rows need when the file gives none for uncompressed strips).
    std::vector<std::uint32_t> stripOffsets;
    std::vector<std::uint32_t> stripBytes;
    // Three planes of mapCount / 3 16-bit values (red, green, blue), at most 256 each.
    unsigned short map[3 * 256] = {};
    int mapCount = 0;

private:
    [[nodiscard]] int dotsPerInch(int dots) const;
};

// Reads the file rows of a picture one after another, top row first, strip after strip, each from
// its own offset, PackBits runs expanded. A run never crosses into the next strip; a strip whose
// bytes end before its rows do is a short read.
class TiffRowReader {
public:
    // `file` is open; `start` is where the TIFF data begins in it.
    TiffRowReader(ImageReaderBase& file, const TiffDecoderBase& image, long long start);
    // The next row, fileRowBytes() bytes; 0 at a short read or past the last row.
    [[nodiscard]] int next(unsigned char* row);

private:
    [[nodiscard]] int beginStrip();
    // Bytes of the current strip into the buffer; 0 when it has none left.
    [[nodiscard]] int fill();
    [[nodiscard]] int copyBytes(unsigned char* to, long long n);
    [[nodiscard]] int unpackRow(unsigned char* to, long long n);

    ImageReaderBase& file;
    const TiffDecoderBase& image;
    long long start;
    long long rowBytes;
    int strip = -1;
    int rowsLeftInStrip = 0;
    long long readAt = 0;     // file position of the strip's next unread byte
    long long stripLeft = 0;  // of the strip's bytes not yet in the buffer
    std::vector<unsigned char> buffer;
    size_t at = 0, end = 0;
    // PackBits run state: bytes left of the run, and the repeated byte for a repeat run.
    long long runLeft = 0;
    int repeat = 0;
    unsigned char repeated = 0;
};
