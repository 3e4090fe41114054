// Reading packed DIBs of other programs (the clipboard) into 24-bit rows. Everything the header
// says is checked against the bytes there are before it is read or allocated.
#include "platform/DibImage.h"

#include <climits>
#include <cstring>
#include <new>

#include "platform/GlobalBlock.h"
#include "platform/MessageBoxes.h"

namespace {
const DWORD kMaskRgb555[3] = {0x7C00, 0x03E0, 0x001F};
const DWORD kMaskRgb888[3] = {0xFF0000, 0x00FF00, 0x0000FF};

DWORD readDword(const unsigned char* p)
{
    DWORD v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

WORD readWord(const unsigned char* p)
{
    WORD v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// One colour channel of a bit-field pixel: where it lies and how its value becomes a byte.
struct Channel {
    int shift = 0;
    int bits = 0;
    unsigned char expand[256] = {};   // value (at most 8 bits) -> byte
    int wide = 0;                     // more than 8 bits: the top 8 are kept

    // 0 for a mask that is empty or has gaps.
    [[nodiscard]] int set(DWORD mask)
    {
        if (!mask)
            return 0;
        shift = 0;
        while (!(mask & 1)) {
            mask >>= 1;
            ++shift;
        }
        bits = 0;
        while (mask & 1) {
            mask >>= 1;
            ++bits;
        }
        if (mask)
            return 0;
        wide = bits > 8;
        if (!wide) {
            // The value's bits repeated to fill the byte: 5-bit 31 is 255, 1 is 8, 4 is 33, as
            // GDI shows the same pixels.
            for (unsigned v = 0; v < (1u << bits); ++v) {
                unsigned filled = 0, width = 0;
                while (width < 8) {
                    filled = filled << bits | v;
                    width += static_cast<unsigned>(bits);
                }
                expand[v] = static_cast<unsigned char>(filled >> (width - 8));
            }
        }
        return 1;
    }
    [[nodiscard]] unsigned char of(DWORD pixel) const
    {
        DWORD v = static_cast<DWORD>((pixel >> shift) & ((1ULL << bits) - 1));
        return wide ? static_cast<unsigned char>(v >> (bits - 8)) : expand[v];
    }
};

// What the header of a packed DIB says, once it has been found consistent with its bytes.
struct DibLayout {
    int width = 0;
    int height = 0;          // rows, always positive
    int topDown = 0;
    int bitCount = 0;
    const unsigned char* colors = nullptr;  // the colour table (blue, green, red, reserved)
    long long colorCount = 0;
    DWORD masks[3] = {};     // red, green, blue for 16 and 32 bits
    const unsigned char* rows = nullptr;    // the first stored row
    long long sourceStride = 0;
};

int parseDib(const unsigned char* data, size_t size, DibLayout& out)
{
    const long long available = static_cast<long long>(size);
    if (available < 40)
        return 0;
    const DWORD headerSize = readDword(data);
    // The info header and its later versions (V2, V3, V4, V5); the core header of OS/2 is not
    // a clipboard DIB.
    if (headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 && headerSize != 124)
        return 0;
    if (headerSize > available)
        return 0;
    const long long width = static_cast<LONG>(readDword(data + 4));
    long long height = static_cast<LONG>(readDword(data + 8));
    const int bitCount = readWord(data + 14);
    const DWORD compression = readDword(data + 16);
    const long long clrUsed = readDword(data + 32);
    out.topDown = height < 0;
    if (height < 0)
        height = -height;
    if (width < 1 || height < 1 || width * height > DibImage::kMaxPixels)
        return 0;

    const int bitFields = compression == BI_BITFIELDS;
    switch (bitCount) {
    case 4:
    case 8:
        if (compression != BI_RGB || clrUsed > (1LL << bitCount))
            return 0;
        out.colorCount = clrUsed ? clrUsed : 1LL << bitCount;
        break;
    case 16:
    case 24:
    case 32:
        if (compression != BI_RGB && !bitFields)
            return 0;
        // An optional colour table for devices with palettes; not used for the pixels.
        out.colorCount = clrUsed;
        break;
    default:
        // 1 bit (monochrome) and every other depth.
        return 0;
    }

    long long offset = headerSize;
    const unsigned char* masks = nullptr;
    if (bitFields) {
        // The three masks follow a 40-byte header and are part of every later one.
        masks = data + 40;
        if (headerSize == 40)
            offset += 12;
        if (offset > available)
            return 0;
    }
    out.colors = data + offset;
    offset += out.colorCount * 4;
    const long long stride = (width * bitCount + 31) / 32 * 4;
    if (offset > available || stride * height > available - offset)
        return 0;

    if (bitCount == 16 || bitCount == 32) {
        const DWORD* plain = bitCount == 16 ? kMaskRgb555 : kMaskRgb888;
        for (int c = 0; c < 3; ++c) {
            out.masks[c] = masks ? readDword(masks + 4 * c) : plain[c];
            // A mask must lie within the pixel.
            if (bitCount == 16 && (out.masks[c] & 0xFFFF0000u))
                return 0;
        }
    }
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);
    out.bitCount = bitCount;
    out.rows = data + offset;
    out.sourceStride = stride;
    return 1;
}

// The colour table as 256 (blue, green, red) triples; an index beyond the table gives entry 0.
void buildPalette(const DibLayout& layout, unsigned char (&palette)[256][3])
{
    long long count = layout.colorCount < 256 ? layout.colorCount : 256;
    for (int i = 0; i < 256; ++i) {
        const unsigned char* entry = layout.colors + 4 * (i < count ? i : 0);
        palette[i][0] = entry[0];
        palette[i][1] = entry[1];
        palette[i][2] = entry[2];
    }
}

void convertRows(const DibLayout& layout, unsigned char* target, int targetStride)
{
    unsigned char palette[256][3];
    if (layout.bitCount <= 8)
        buildPalette(layout, palette);
    Channel red, green, blue;
    const int plain32 = layout.bitCount == 32 && layout.masks[0] == 0xFF0000 && layout.masks[1] == 0xFF00 &&
                        layout.masks[2] == 0xFF;
    if (layout.bitCount == 16 || (layout.bitCount == 32 && !plain32)) {
        // Checked by the caller: every mask is set and without gaps.
        (void)red.set(layout.masks[0]);
        (void)green.set(layout.masks[1]);
        (void)blue.set(layout.masks[2]);
    }
    const int w = layout.width;
    for (int row = 0; row < layout.height; ++row) {
        const int sourceRow = layout.topDown ? layout.height - 1 - row : row;
        const unsigned char* s = layout.rows + sourceRow * layout.sourceStride;
        unsigned char* d = target + static_cast<size_t>(row) * static_cast<size_t>(targetStride);
        switch (layout.bitCount) {
        case 4:
            for (int x = 0; x < w; ++x, d += 3) {
                int index = x & 1 ? s[x >> 1] & 0x0F : s[x >> 1] >> 4;
                std::memcpy(d, palette[index], 3);
            }
            break;
        case 8:
            for (int x = 0; x < w; ++x, d += 3)
                std::memcpy(d, palette[s[x]], 3);
            break;
        case 16:
            for (int x = 0; x < w; ++x, d += 3) {
                DWORD pixel = static_cast<DWORD>(s[2 * x]) | static_cast<DWORD>(s[2 * x + 1]) << 8;
                d[0] = blue.of(pixel);
                d[1] = green.of(pixel);
                d[2] = red.of(pixel);
            }
            break;
        case 24:
            std::memcpy(d, s, static_cast<size_t>(w) * 3);
            break;
        default:
            if (plain32) {
                for (int x = 0; x < w; ++x, d += 3, s += 4) {
                    d[0] = s[0];
                    d[1] = s[1];
                    d[2] = s[2];
                }
            } else {
                for (int x = 0; x < w; ++x, d += 3, s += 4) {
                    DWORD pixel = readDword(s);
                    d[0] = blue.of(pixel);
                    d[1] = green.of(pixel);
                    d[2] = red.of(pixel);
                }
            }
            break;
        }
    }
}

// Masks of bit-field images: set and without gaps (checked before anything is allocated).
int masksUsable(const DibLayout& layout)
{
    if (layout.bitCount != 16 && layout.bitCount != 32)
        return 1;
    Channel probe;
    for (DWORD mask : layout.masks)
        if (!probe.set(mask))
            return 0;
    return 1;
}
} // namespace

int DibImage::loadFromDibBytes(const void* data, size_t size)
{
    DibLayout layout;
    int loaded = data && parseDib(static_cast<const unsigned char*>(data), size, layout) && masksUsable(layout);
    GlobalBlock* block = nullptr;
    int stride = 0;
    if (loaded) {
        stride = strideFor24Bits(layout.width);
        long long bytes = static_cast<long long>(stride) * layout.height;
        loaded = bytes + 128 <= INT_MAX;
        if (loaded) {
            block = new (std::nothrow) GlobalBlock(static_cast<int>(bytes) + 128, 1);
            loaded = block && block->allocate(1);
        }
        if (loaded) {
            BlockLock target(*block);
            loaded = target ? 1 : 0;
            if (loaded)
                convertRows(layout, target.data<unsigned char>(), stride);
            block->count = static_cast<int>(bytes);
        }
    }
    if (!loaded) {
        delete block;
        showErrorText("ビットマップの読み込みに失敗しました");
        return 0;
    }
    setPixelBlock(block, 1);
    width = layout.width;
    height = layout.height;
    bitCount = 24;
    rowStride = stride;
    return 1;
}

int DibImage::loadFromDib(HGLOBAL dib)
{
    const void* data = dib ? GlobalLock(dib) : nullptr;
    if (!data)
        return loadFromDibBytes(nullptr, 0);
    int loaded = loadFromDibBytes(data, GlobalSize(dib));
    GlobalUnlock(dib);
    return loaded;
}
