#include "io/images/TiffDecoderBase.h"

#include <algorithm>
#include <cstring>

#include "io/images/ImageReaderBase.h"

namespace {
// Strips are read in pieces of at most this many bytes.
const long long kReadPiece = 256 * 1024;
} // namespace

long long TiffDecoderBase::fileRowBytes() const
{
    if (bitCount == 1)
        return (static_cast<long long>(width) + 7) / 8;
    return static_cast<long long>(width) * samplesPerPixel;
}

long long TiffDecoderBase::dibStride() const
{
    if (bitCount == 1)
        return ((static_cast<long long>(width) - 1) / 8 + 1 + 3) / 4 * 4;
    return (static_cast<long long>(width) * (bitCount / 8) + 3) / 4 * 4;
}

int TiffDecoderBase::rowsPerBand() const
{
    const long long stride = dibStride();
    long long rows = stride > 0 ? kBandBytes / stride : 1;
    // Rows wider than a band still go one at a time.
    rows = std::max(1LL, std::min(rows, static_cast<long long>(height)));
    return static_cast<int>(rows);
}

int TiffDecoderBase::nextBandRows(int remaining, int bandRows)
{
    if (bandRows < 1)
        bandRows = 1;
    if (remaining >= 2LL * bandRows)
        return bandRows;
    return remaining - remaining / 2;
}

int TiffDecoderBase::rowsInStrip(int strip) const
{
    if (strip < 0 || strip >= stripCount())
        return 0;
    if (stripCount() == 1)
        return height;
    const long long before = static_cast<long long>(strip) * rowsPerStrip;
    return static_cast<int>(std::min<long long>(rowsPerStrip, height - before));
}

int TiffDecoderBase::dotsPerInch(int dots) const
{
    // The drawing takes dots per inch; a centimetre unit is turned into them.
    return unit == kCentimetre ? static_cast<int>(dots * 254LL / 100) : dots;
}

void TiffDecoderBase::sizeInMillimetres(double& widthMm, double& heightMm) const
{
    const double perUnit = unit == kCentimetre ? 10.0 : 25.4;
    widthMm = xDots > 0 ? width * perUnit / xDots : 0.0;
    heightMm = yDots > 0 ? height * perUnit / yDots : 0.0;
}

void TiffDecoderBase::mapColour(int index, unsigned char& red, unsigned char& green, unsigned char& blue) const
{
    const int plane = mapCount / 3;
    if (index < 0 || index >= plane) {
        red = green = blue = 0;
        return;
    }
    red = static_cast<unsigned char>(map[index] >> 8);
    green = static_cast<unsigned char>(map[plane + index] >> 8);
    blue = static_cast<unsigned char>(map[2 * plane + index] >> 8);
}

void TiffDecoderBase::toDibRow(const unsigned char* raw, unsigned char* dib) const
{
    const long long stride = dibStride();
    switch (bitCount) {
    case 1: {
        const long long n = fileRowBytes();
        const unsigned char flip = photometric == kBlackIsZero ? 0xFF : 0;
        for (long long i = 0; i < n; ++i)
            dib[i] = static_cast<unsigned char>(raw[i] ^ flip);
        std::memset(dib + n, 0, static_cast<size_t>(stride - n));
        return;
    }
    case 8: {
        const unsigned char flip = photometric == kWhiteIsZero ? 0xFF : 0;
        if (samplesPerPixel == 2) {
            // Grey and alpha: a pixel whose second sample is 0 (after the same inversion) is 0.
            for (int x = 0; x < width; ++x) {
                const unsigned char alpha = static_cast<unsigned char>(raw[2 * x + 1] ^ flip);
                dib[x] = alpha ? static_cast<unsigned char>(raw[2 * x] ^ flip) : 0;
            }
        } else if (flip) {
            for (int x = 0; x < width; ++x)
                dib[x] = static_cast<unsigned char>(raw[x] ^ flip);
        } else {
            std::memcpy(dib, raw, static_cast<size_t>(width));
        }
        std::memset(dib + width, 0, static_cast<size_t>(stride - width));
        return;
    }
    case 24: {
        unsigned char* out = dib;
        for (int x = 0; x < width; ++x, raw += 3, out += 3) {
            out[0] = raw[2];
            out[1] = raw[1];
            out[2] = raw[0];
        }
        std::memset(out, 0, static_cast<size_t>(dib + stride - out));
        return;
    }
    default: {
        unsigned char* out = dib;
        if (photometric == kRgb) {
            // RGBA: the colour reversed; a pixel of four zeros (transparent black) is white.
            for (int x = 0; x < width; ++x, raw += 4, out += 4) {
                const bool clear = (raw[0] | raw[1] | raw[2] | raw[3]) == 0;
                out[0] = clear ? 255 : raw[2];
                out[1] = clear ? 255 : raw[1];
                out[2] = clear ? 255 : raw[0];
                out[3] = 0;
            }
        } else {
            // Cyan, magenta, yellow, black: each colour is 255 less its ink and the black.
            for (int x = 0; x < width; ++x, raw += 4, out += 4) {
                const int k = raw[3];
                out[0] = static_cast<unsigned char>(255 - std::min(255, raw[2] + k));
                out[1] = static_cast<unsigned char>(255 - std::min(255, raw[1] + k));
                out[2] = static_cast<unsigned char>(255 - std::min(255, raw[0] + k));
                out[3] = 0;
            }
        }
        return;
    }
    }
}

void TiffDecoderBase::clearDecoder()
{
    width = height = 0;
    bitCount = 1;
    samplesPerPixel = 1;
    compression = kUncompressed;
    photometric = kBlackIsZero;
    xDots = yDots = 72;
    unit = kInch;
    rowsPerStrip = 0;
    stripOffsets.clear();
    stripBytes.clear();
    std::memset(map, 0, sizeof map);
    mapCount = 0;
}

TiffRowReader::TiffRowReader(ImageReaderBase& f, const TiffDecoderBase& i, long long s)
    : file(f), image(i), start(s), rowBytes(i.fileRowBytes())
{
}

int TiffRowReader::beginStrip()
{
    ++strip;
    if (strip >= image.stripCount())
        return 0;
    rowsLeftInStrip = image.rowsInStrip(strip);
    readAt = start + image.stripOffsets[static_cast<size_t>(strip)];
    stripLeft = image.stripBytes[static_cast<size_t>(strip)];
    at = end = 0;
    runLeft = 0;
    return rowsLeftInStrip > 0;
}

int TiffRowReader::fill()
{
    if (stripLeft <= 0)
        return 0;
    const long long n = std::min(stripLeft, kReadPiece);
    if (buffer.size() < static_cast<size_t>(n))
        buffer.resize(static_cast<size_t>(n));
    if (!file.readAt(readAt, buffer.data(), n))
        return 0;
    readAt += n;
    stripLeft -= n;
    at = 0;
    end = static_cast<size_t>(n);
    return 1;
}

int TiffRowReader::copyBytes(unsigned char* to, long long n)
{
    while (n > 0) {
        if (at == end && !fill())
            return 0;
        const size_t piece = static_cast<size_t>(std::min<long long>(n, static_cast<long long>(end - at)));
        std::memcpy(to, buffer.data() + at, piece);
        at += piece;
        to += piece;
        n -= static_cast<long long>(piece);
    }
    return 1;
}

int TiffRowReader::unpackRow(unsigned char* to, long long n)
{
    while (n > 0) {
        if (runLeft > 0) {
            const long long piece = std::min(runLeft, n);
            if (repeat) {
                std::memset(to, repeated, static_cast<size_t>(piece));
            } else if (!copyBytes(to, piece)) {
                return 0;
            }
            to += piece;
            n -= piece;
            runLeft -= piece;
            continue;
        }
        if (at == end && !fill())
            return 0;
        const int header = buffer[at++];
        if (header < 128) {
            runLeft = header + 1;
            repeat = 0;
        } else if (header > 128) {
            if (at == end && !fill())
                return 0;
            repeated = buffer[at++];
            runLeft = 257 - header;
            repeat = 1;
        }
        // 128 is no run at all: the next header follows.
    }
    return 1;
}

int TiffRowReader::next(unsigned char* row)
{
    if (rowsLeftInStrip == 0 && !beginStrip())
        return 0;
    --rowsLeftInStrip;
    if (image.compression == TiffDecoderBase::kPackBits)
        return unpackRow(row, rowBytes);
    return copyBytes(row, rowBytes);
}
