#include "io/images/TiffImage.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/DeviceContext.h"
#include "platform/DibDrawer.h"
#include "platform/GlobalBlock.h"
#include "platform/IntRect.h"

namespace {

long long keptByAll = 0;

enum Tag {
    kImageWidth = 256,
    kImageLength = 257,
    kBitsPerSample = 258,
    kCompressionTag = 259,
    kPhotometricTag = 262,
    kFillOrder = 266,
    kStripOffsets = 273,
    kSamplesPerPixel = 277,
    kRowsPerStrip = 278,
    kStripByteCounts = 279,
    kXResolution = 282,
    kYResolution = 283,
    kPlanarConfiguration = 284,
    kResolutionUnit = 296,
    kColorMap = 320,
};
enum Type { kByte = 1, kAscii = 2, kShort = 3, kLong = 4, kRational = 5 };
const int kMaxEntries = 200;
const int kMinResolution = 16;

int typeSize(unsigned type)
{
    switch (type) {
    case 1: case 2: case 6: case 7:
        return 1;
    case 3: case 8:
        return 2;
    case 4: case 9: case 11:
        return 4;
    case 5: case 10: case 12:
        return 8;
    default:
        return 0;
    }
}

struct Entry {
    unsigned tag = 0;
    unsigned type = 0;
    std::uint32_t count = 0;
    unsigned char value[4] = {};
};

// One directory's entries and the byte order they are read in.
class Directory {
public:
    Directory(ImageReaderBase& f, long long s, bool big) : file(f), start(s), bigEndian(big) {}

    [[nodiscard]] std::uint32_t word(const unsigned char* b) const
    {
        return bigEndian ? static_cast<std::uint32_t>(b[0] << 8 | b[1]) : static_cast<std::uint32_t>(b[1] << 8 | b[0]);
    }
    [[nodiscard]] std::uint32_t dword(const unsigned char* b) const
    {
        return bigEndian ? static_cast<std::uint32_t>(b[0]) << 24 | static_cast<std::uint32_t>(b[1]) << 16 |
                               static_cast<std::uint32_t>(b[2]) << 8 | b[3]
                         : static_cast<std::uint32_t>(b[3]) << 24 | static_cast<std::uint32_t>(b[2]) << 16 |
                               static_cast<std::uint32_t>(b[1]) << 8 | b[0];
    }

    // The entries of the directory at offset; 0 when they cannot be read. A count outside
    // 1..200 leaves no entries.
    [[nodiscard]] int read(long long offset)
    {
        unsigned char b[2];
        if (!file.readAt(start + offset, b, 2))
            return 0;
        const unsigned n = word(b);
        if (n < 1 || n > kMaxEntries)
            return 1;
        std::vector<unsigned char> bytes(12 * static_cast<size_t>(n));
        if (!file.readAt(start + offset + 2, bytes.data(), static_cast<long long>(bytes.size())))
            return 0;
        for (unsigned i = 0; i < n; ++i) {
            const unsigned char* e = &bytes[12 * static_cast<size_t>(i)];
            Entry entry;
            entry.tag = word(e);
            entry.type = word(e + 2);
            entry.count = dword(e + 4);
            std::memcpy(entry.value, e + 8, 4);
            entries.push_back(entry);
        }
        return 1;
    }

    [[nodiscard]] const Entry* find(unsigned tag) const
    {
        for (const Entry& e : entries)
            if (e.tag == tag)
                return &e;
        return nullptr;
    }

    // The values of an entry of BYTE, SHORT or LONG numbers, at most `limit` of them; 0 for
    // another type, a count above the limit or values beyond the file.
    [[nodiscard]] int values(const Entry& e, std::uint32_t limit, std::vector<std::uint32_t>& out) const
    {
        const int size = e.type == kByte || e.type == kShort || e.type == kLong ? typeSize(e.type) : 0;
        if (!size || e.count > limit)
            return 0;
        const long long bytes = static_cast<long long>(e.count) * size;
        if (bytes > file.fileSize())
            return 0;
        std::vector<unsigned char> data(static_cast<size_t>(std::max(bytes, 4LL)));
        if (bytes <= 4)
            std::memcpy(data.data(), e.value, 4);
        else if (!file.readAt(start + dword(e.value), data.data(), bytes))
            return 0;
        out.resize(e.count);
        for (std::uint32_t i = 0; i < e.count; ++i) {
            const unsigned char* v = &data[static_cast<size_t>(i) * size];
            out[i] = size == 1 ? *v : size == 2 ? word(v) : dword(v);
        }
        return 1;
    }

    // A single number (the first value of a short entry); `fallback` without the entry.
    [[nodiscard]] int number(unsigned tag, std::uint32_t fallback, std::uint32_t& out) const
    {
        const Entry* e = find(tag);
        if (!e) {
            out = fallback;
            return 1;
        }
        if (e->count < 1)
            return 0;
        if (e->type == kShort)
            out = word(e->value);
        else if (e->type == kLong)
            out = dword(e->value);
        else if (e->type == kByte)
            out = e->value[0];
        else
            return 0;
        return 1;
    }

    // A rational's integer quotient: 72 without the entry; 0 for a denominator below 1.
    [[nodiscard]] int quotient(unsigned tag, std::uint32_t& out) const
    {
        const Entry* e = find(tag);
        if (!e) {
            out = 72;
            return 1;
        }
        unsigned char b[8];
        if (e->type != kRational || e->count < 1 || !file.readAt(start + dword(e->value), b, 8))
            return 0;
        const std::uint32_t denominator = dword(b + 4);
        if (denominator < 1)
            return 0;
        out = dword(b) / denominator;
        return 1;
    }

    ImageReaderBase& file;
    long long start;
    bool bigEndian;
    std::vector<Entry> entries;
};

} // namespace

TiffImage::~TiffImage() { dropRows(); }

long long TiffImage::keptBytes() { return keptByAll; }

void TiffImage::setSource(const char* path)
{
    if (attach(path)) {
        dropRows();
        clearDecoder();
    }
}

void TiffImage::dropRows()
{
    header.freeBits();
    keptByAll -= keptSize;
    keptSize = 0;
    kept = 0;
}

int TiffImage::readDirectory()
{
    const long long size = fileSize();
    unsigned char head[8];
    if (startOffset < 0 || !readAt(startOffset, head, 8))
        return 0;
    const bool big = head[0] == 'M' && head[1] == 'M';
    if (!big && !(head[0] == 'I' && head[1] == 'I'))
        return 0;
    Directory dir(*this, startOffset, big);
    if (dir.word(head + 2) != 42)
        return 0;
    // Only the first directory counts: later pages of the file are never read.
    const std::uint32_t first = dir.dword(head + 4);
    if (first < 1 || !dir.read(first))
        return 0;
    const long long available = size - startOffset;

    std::uint32_t w = 0, h = 0, comp = 0, photo = 0, samples = 0, rows = 0, planar = 0, unitValue = 0, fill = 0;
    if (!dir.find(kImageWidth) || !dir.find(kImageLength) || !dir.find(kStripOffsets) ||
        !dir.number(kImageWidth, 0, w) || !dir.number(kImageLength, 0, h) ||
        !dir.number(kCompressionTag, kUncompressed, comp) || !dir.number(kPhotometricTag, kBlackIsZero, photo) ||
        !dir.number(kSamplesPerPixel, 1, samples) || !dir.number(kRowsPerStrip, 0, rows) ||
        !dir.number(kPlanarConfiguration, 1, planar) || !dir.number(kResolutionUnit, kInch, unitValue) ||
        !dir.number(kFillOrder, 1, fill))
        return 0;
    // Bytes whose bits run from the lowest: the rows are taken as the bytes stand, so such a
    // file would be drawn scrambled.
    if (fill == 2)
        return 0;
    if (comp != kUncompressed && comp != kPackBits)
        return 0;
    if (planar != 1 && dir.find(kPlanarConfiguration) && samples > 1)
        return 0;
    if (w < 1 || h < 1 || w > static_cast<std::uint32_t>(kMaxPixels) || h > static_cast<std::uint32_t>(kMaxPixels))
        return 0;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    compression = static_cast<int>(comp);
    photometric = static_cast<int>(photo);

    // Samples: one of 1 or 8 bits, grey and alpha of 8 bits, or three or four of 8 bits.
    std::vector<std::uint32_t> bits{1};
    if (const Entry* e = dir.find(kBitsPerSample); e && !dir.values(*e, 4, bits))
        return 0;
    const bool eights = std::all_of(bits.begin(), bits.end(), [](std::uint32_t b) { return b == 8; });
    if (bits.size() == 1 && (bits[0] == 1 || bits[0] == 8) && samples == 1) {
        bitCount = static_cast<int>(bits[0]);
    } else if (bits.size() == 2 && eights && samples == 2) {
        bitCount = 8;
    } else if (bits.size() == 3 && eights && samples == 3 && photometric == kRgb) {
        bitCount = 24;
    } else if (bits.size() == 4 && eights && samples == 4 && (photometric == kRgb || photometric == kSeparated)) {
        bitCount = 32;
    } else {
        return 0;
    }
    samplesPerPixel = static_cast<int>(samples);

    std::uint32_t xq = 0, yq = 0;
    if (!dir.quotient(kXResolution, xq) || !dir.quotient(kYResolution, yq) || xq < kMinResolution ||
        yq < kMinResolution || xq > 0x7FFFFFF || yq > 0x7FFFFFF)
        return 0;
    xDots = static_cast<int>(xq);
    yDots = static_cast<int>(yq);
    unit = unitValue == kCentimetre ? kCentimetre : kInch;

    // Strips, each read from its own offset.
    const long long rowBytes = fileRowBytes();
    rowsPerStrip = rows >= 1 && rows < h ? static_cast<int>(rows) : height;
    const long long strips = (static_cast<long long>(height) + rowsPerStrip - 1) / rowsPerStrip;
    std::vector<std::uint32_t> offsets, counts;
    if (!dir.values(*dir.find(kStripOffsets), static_cast<std::uint32_t>(std::min<long long>(available, 0x7FFFFFFF)),
                    offsets) ||
        static_cast<long long>(offsets.size()) < strips)
        return 0;
    const Entry* countEntry = dir.find(kStripByteCounts);
    if (countEntry) {
        if (!dir.values(*countEntry, static_cast<std::uint32_t>(std::min<long long>(available, 0x7FFFFFFF)), counts) ||
            static_cast<long long>(counts.size()) < strips)
            return 0;
    } else if (compression == kPackBits) {
        return 0;
    }
    stripOffsets.assign(offsets.begin(), offsets.begin() + strips);
    stripBytes.resize(static_cast<size_t>(strips));
    long long packed = 0;
    for (long long i = 0; i < strips; ++i) {
        const long long need = rowBytes * rowsInStrip(static_cast<int>(i));
        // Uncompressed strips are read for what their rows need; PackBits ones for their count.
        const long long bytes = compression == kPackBits ? counts[static_cast<size_t>(i)] : need;
        if (compression == kUncompressed && countEntry && counts[static_cast<size_t>(i)] < need)
            return 0;
        if (bytes > available || stripOffsets[static_cast<size_t>(i)] > available - bytes)
            return 0;
        stripBytes[static_cast<size_t>(i)] = static_cast<std::uint32_t>(bytes);
        packed += bytes;
    }
    // PackBits makes at most 128 bytes of 2: a picture larger than that is not in the file.
    const long long rawBytes = rowBytes * height;
    const long long holds = compression == kPackBits ? 64 * std::min(packed, available) : available;
    if (rowBytes < 1 || !checkImageSize(width, height, rawBytes, holds))
        return 0;

    // The colour map: three planes converted from the file's order, at most 256 values each.
    // A bilevel picture (white or black is zero) keeps its two levels whatever map it carries.
    const bool mapped = bitCount == 8 || (bitCount == 1 && photometric == kPalette);
    if (const Entry* e = dir.find(kColorMap); e && e->count >= 6 && mapped) {
        const int size = typeSize(e->type);
        const long long bytes = static_cast<long long>(e->count) * size;
        if (size < 1 || bytes > available)
            return 0;
        const long long plane = e->count / 3;
        const int entries = static_cast<int>(std::min(plane, 256LL));
        std::vector<unsigned char> values(static_cast<size_t>(entries) * size);
        for (int p = 0; p < 3; ++p) {
            // Six or more values never fit the entry: they lie at its offset.
            const long long at = startOffset + dir.dword(e->value) + p * plane * size;
            if (!readAt(at, values.data(), static_cast<long long>(values.size())))
                return 0;
            for (int i = 0; i < entries; ++i) {
                const unsigned char* v = &values[static_cast<size_t>(i) * size];
                const std::uint32_t value = size == 1 ? static_cast<std::uint32_t>(*v) << 8
                                            : size == 2 ? dir.word(v)
                                                        : dir.dword(v) & 0xFFFF;
                map[p * entries + i] = static_cast<unsigned short>(value);
            }
        }
        mapCount = 3 * entries;
    }

    // The header block as other readers fill it, so that the shared members read the size.
    BITMAPINFOHEADER& info = *header.header();
    info.biSize = sizeof(BITMAPINFOHEADER);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = static_cast<WORD>(bitCount);
    info.biCompression = BI_RGB;
    info.biXPelsPerMeter = static_cast<LONG>(xResolution() * 10000LL / 254);
    info.biYPelsPerMeter = static_cast<LONG>(yResolution() * 10000LL / 254);
    return 1;
}

int TiffImage::ensureLoaded()
{
    const int result = loadOnce([this] {
        clearDecoder();
        return readDirectory();
    });
    return result < 0 ? refuse(kCaption) : result;
}

int TiffImage::getPixelSize(int& w, int& h)
{
    if (!ensureLoaded())
        return 0;
    w = width;
    h = height;
    return 1;
}

int TiffImage::getSize(double& w, double& h)
{
    if (!ensureLoaded())
        return 0;
    sizeInMillimetres(w, h);
    return 1;
}

const void* TiffImage::lockPixels()
{
    GlobalBlock* block = header.bits();
    return kept && block ? block->lock() : nullptr;
}

void TiffImage::unlockPixels()
{
    if (GlobalBlock* block = header.bits())
        block->unlock();
}

int TiffImage::allocateRows(int& whole)
{
    const long long bytes = dibStride() * height;
    whole = bytes <= kKeepBytes && keptByAll + bytes <= kKeepBudget;
    if (whole && header.allocateBits(bytes)) {
        keptSize = bytes;
        keptByAll += bytes;
        return 1;
    }
    whole = 0;
    return header.allocateBits(dibStride() * rowsPerBand() + 128);
}

int TiffImage::draw(DeviceContext& dc, const IntRect& target)
{
    if (!ensureLoaded())
        return 0;
    const long long stride = dibStride();
    int whole = kept;
    const bool decode = !kept;
    if (decode) {
        dropRows();
        if (!allocateRows(whole))
            return 0;
        if (!openFile()) {
            dropRows();
            return 0;
        }
    }
    GlobalBlock* block = header.bits();
    int drawn = 1, failed = 0;
    {
        BlockLock lock(*block);
        if (!lock) {
            failed = 1;
        } else {
            DibDrawer drawer;
            drawer.setupFromScan(*this);
            TiffRowReader rows(*this, *this, startOffset);
            std::vector<unsigned char> raw(decode ? static_cast<size_t>(fileRowBytes()) : 0);
            auto* base = lock.data<unsigned char>();
            const int band = rowsPerBand();
            const long long targetHeight = target.bottom - target.top;
            for (int done = 0; done < height && !failed;) {
                const int n = nextBandRows(height - done, band);
                // In a kept picture the band's rows lie where the whole bottom-up block has them.
                unsigned char* bandRows = whole ? base + static_cast<size_t>(height - done - n) * stride : base;
                for (int j = 0; decode && j < n; ++j) {
                    if (!rows.next(raw.data())) {
                        failed = 1;
                        break;
                    }
                    toDibRow(raw.data(), bandRows + static_cast<size_t>(n - 1 - j) * stride);
                }
                if (failed)
                    break;
                // Each band's edges come from the rows before it, so neighbours share an edge.
                const int top = target.top + static_cast<int>(targetHeight * done / height);
                const int bottom = target.top + static_cast<int>(targetHeight * (done + n) / height);
                if (bottom != top) {
                    const IntRect to = IntRect::fromEdges(target.left, top, target.right, bottom);
                    drawn &= drawer.drawRows(dc, to, bandRows, IntRect::fromEdges(0, 0, width, n), 0, 0, width, n);
                }
                done += n;
            }
        }
    }
    if (decode)
        closeFile();
    if (failed) {
        dropRows();
        return refuse(kCaption);
    }
    if (whole)
        kept = 1;
    else
        dropRows();
    return drawn;
}
