#include "io/images/GifImage.h"

#include <cstring>
#include <new>
#include <vector>

#include "io/images/DibOutput.h"
#include "io/images/GifLzw.h"
#include "io/pdf/PdfImageResources.h"
#include "platform/GlobalBlock.h"

namespace {

const unsigned kExtension = 0x21, kImage = 0x2C, kTrailer = 0x3B;
const unsigned kPlainText = 1, kGraphicControl = 249, kComment = 254, kApplication = 255;
// 3780 pixels per metre: 96 dots per inch.
const LONG kPelsPerMetre = 3780;

} // namespace

int GifImage::bitsForResolution(int colourResolution)
{
    const int bits = colourResolution + 1;
    return bits == 1 ? 1 : bits <= 4 ? 4 : 8;
}

void GifImage::interlacedRows(int height, int* order)
{
    static const int kFirst[4] = {0, 4, 2, 1}, kStep[4] = {8, 8, 4, 2};
    int i = 0;
    for (int pass = 0; pass < 4; ++pass)
        for (int row = kFirst[pass]; row < height; row += kStep[pass])
            order[i++] = row;
}

int GifImage::take(void* to, long long n)
{
    if (n < 0 || at + n > size)
        return 0;
    std::memcpy(to, bytes + at, static_cast<size_t>(n));
    at += n;
    return 1;
}

int GifImage::takeByte(unsigned char& b) { return take(&b, 1); }

int GifImage::gatherSubBlocks(int keep, long long& gathered)
{
    gathered = 0;
    for (;;) {
        unsigned char length = 0;
        if (!takeByte(length))
            return 0;
        if (length == 0)
            return 1;
        // A block longer than the file keeps what the file holds.
        const long long n = at + length <= size ? length : size - at;
        if (keep) {
            GlobalBlock* compressed = lzw.bytes;
            if (!compressed || !compressed->reserveMore(static_cast<int>(n), 0))
                return 0;
            unsigned char* base = lzw.lockBytes();
            if (!base)
                return 0;
            std::memcpy(base + compressed->count, bytes + at, static_cast<size_t>(n));
            lzw.unlockBytes();
            compressed->count += static_cast<int>(n);
        }
        at += n;
        gathered += n;
        if (n < length)
            return 0;
    }
}

int GifImage::passSubBlocks()
{
    long long passed = 0;
    return gatherSubBlocks(0, passed);
}

GifImage::Block GifImage::readExtension()
{
    unsigned char head[2];
    if (!take(head, 2))
        return Block::kFailed;
    const unsigned label = head[0], size0 = head[1];
    unsigned char skipped[255];
    switch (label) {
    case kPlainText:
    case kApplication:
        if (size0 != (label == kPlainText ? 12u : 11u) || !take(skipped, size0))
            return Block::kFailed;
        return passSubBlocks() ? Block::kMore : Block::kFailed;
    case kGraphicControl:
        // The 4 bytes and the terminator: no transparency, no delay.
        return size0 == 4 && take(skipped, 5) ? Block::kMore : Block::kFailed;
    case kComment:
        // The first length byte was read with the label.
        if (size0 > 0 && !take(skipped, size0))
            return Block::kFailed;
        return size0 == 0 || passSubBlocks() ? Block::kMore : Block::kFailed;
    default:
        return Block::kFailed;
    }
}

void GifImage::fillDibHeader(int bits)
{
    BITMAPINFOHEADER& h = *header.header();
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = gif.screenWidth;
    h.biHeight = gif.screenHeight;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bits);
    h.biCompression = BI_RGB;
    h.biSizeImage = 0;
    h.biXPelsPerMeter = kPelsPerMetre;
    h.biYPelsPerMeter = kPelsPerMetre;
    h.biClrUsed = 0;
    h.biClrImportant = 0;
}

int GifImage::placeImage(const unsigned char* indices, long long count)
{
    GlobalBlock* pixels = header.bits();
    BlockLock lock(*pixels);
    if (!lock)
        return 0;
    auto* base = lock.data<unsigned char>();
    const int bits = header.header()->biBitCount;
    const long long stride = header.rowStride();
    const int mask = (1 << bits) - 1;
    // Columns of the image that fall on the screen.
    const int x0 = gif.left, x1 = gif.left + gif.width < gif.screenWidth ? gif.left + gif.width : gif.screenWidth;
    if (x0 >= x1 || gif.top >= gif.screenHeight)
        return 1;
    std::vector<int> order(static_cast<size_t>(gif.height));
    if (gif.interlaced) {
        interlacedRows(gif.height, order.data());
    } else {
        for (int i = 0; i < gif.height; ++i)
            order[static_cast<size_t>(i)] = i;
    }
    for (long long sent = 0; sent < gif.height; ++sent) {
        const int y = gif.top + order[static_cast<size_t>(sent)];
        if (y >= gif.screenHeight)
            continue;
        const unsigned char* from = indices + sent * gif.width;
        // Indices past the data's end stay 0.
        long long available = count - sent * gif.width;
        if (available <= 0)
            continue;
        unsigned char* row = base + static_cast<long long>(gif.screenHeight - 1 - y) * stride;
        const int end = available < x1 - x0 ? x0 + static_cast<int>(available) : x1;
        if (bits == 8) {
            std::memcpy(row + x0, from, static_cast<size_t>(end - x0));
        } else if (bits == 4) {
            for (int x = x0; x < end; ++x) {
                const int v = from[x - x0] & mask;
                row[x >> 1] = static_cast<unsigned char>(x & 1 ? (row[x >> 1] & 0xF0) | v : (row[x >> 1] & 0x0F) | v << 4);
            }
        } else {
            for (int x = x0; x < end; ++x) {
                const int shift = 7 - (x & 7);
                row[x >> 3] = static_cast<unsigned char>((row[x >> 3] & ~(1 << shift)) | (from[x - x0] & 1) << shift);
            }
        }
    }
    return 1;
}

GifImage::Block GifImage::readImage()
{
    unsigned char d[9];
    if (!take(d, 9))
        return Block::kFailed;
    const int left = d[0] | d[1] << 8, top = d[2] | d[3] << 8, width = d[4] | d[5] << 8, height = d[6] | d[7] << 8;
    const int packed = d[8];
    const int local = packed >> 7 & 1, localSize = packed & 7;
    unsigned char colours[768];
    const int localBytes = local ? 3 << (localSize + 1) : 0;
    if (local && !take(colours, localBytes))
        return Block::kFailed;
    unsigned char minimum = 0;
    if (!takeByte(minimum))
        return Block::kFailed;
    if (!imageSeen) {
        if (minimum < 1 || minimum > 8 || static_cast<long long>(width) * height > kMaxPixels)
            return Block::kFailed;
        gif.left = left, gif.top = top, gif.width = width, gif.height = height;
        gif.localTable = local, gif.interlaced = packed >> 6 & 1, gif.localSorted = packed >> 5 & 1;
        gif.localSize = localSize, gif.localBytes = localBytes, gif.minimumCodeSize = minimum;
        if (local)
            std::memcpy(gif.localColours, colours, static_cast<size_t>(localBytes));
        imageSeen = 1;
        firstData = at;
    }
    // Later images are passed over, but their data counts towards the screen it can paint.
    long long data = 0;
    const int whole = gatherSubBlocks(0, data);
    paintable += lzwMostIndices(data, minimum);
    return whole ? Block::kMore : Block::kDone; // a file cut inside the data keeps what came before
}

int GifImage::decodeFirstImage()
{
    if (!lzw.bytes)
        lzw.bytes = new (std::nothrow) GlobalBlock(512, 1);
    if (!lzw.bytes)
        return 0;
    lzw.bytes->count = 0;
    at = firstData;
    long long data = 0;
    // A file cut inside the data decodes what it holds.
    (void)gatherSubBlocks(1, data);

    GlobalBlock indices(512, 1);
    long long produced = 0;
    const LzwResult result =
        decodeLzw(lzw, gif.minimumCodeSize, static_cast<long long>(gif.width) * gif.height, indices, produced);
    delete lzw.bytes;
    lzw.bytes = nullptr;
    if (result != LzwResult::kDone)
        return 0;
    // The screen-sized block, made once the image is there: index 0 wherever it does not reach.
    const long long bytes = static_cast<long long>(header.rowStride()) * gif.screenHeight;
    int placed = header.allocateBits(bytes);
    if (placed) {
        BlockLock lock(*header.bits());
        placed = static_cast<bool>(lock);
        if (placed)
            std::memset(lock.data(), 0, static_cast<size_t>(bytes));
    }
    if (placed && produced > 0) {
        BlockLock from(indices);
        placed = from && placeImage(from.data<unsigned char>(), produced);
    }
    return placed;
}

int GifImage::readFile()
{
    gif = Header();
    imageSeen = 0;
    firstData = 0;
    paintable = 0;
    if (!take(gif.signature, 6))
        return 0;
    if (std::memcmp(gif.signature, "GIF87a", 6) == 0)
        gif.version = 87;
    else if (std::memcmp(gif.signature, "GIF89a", 6) == 0)
        gif.version = 89;
    else
        return 0;
    unsigned char d[7];
    if (!take(d, 7))
        return 0;
    gif.screenWidth = d[0] | d[1] << 8;
    gif.screenHeight = d[2] | d[3] << 8;
    gif.globalTable = d[4] >> 7 & 1, gif.colourResolution = d[4] >> 4 & 7;
    gif.globalSorted = d[4] >> 3 & 1, gif.globalSize = d[4] & 7;
    gif.globalBytes = gif.globalTable ? 3 << (gif.globalSize + 1) : 0;
    if (gif.globalTable && !take(gif.globalColours, gif.globalBytes))
        return 0;
    fillDibHeader(bitsForResolution(gif.colourResolution));

    for (;;) {
        unsigned char introducer = 0;
        if (!takeByte(introducer))
            break; // a file cut after its image keeps it
        Block next;
        if (introducer == kExtension) {
            next = readExtension();
        } else if (introducer == kImage) {
            next = readImage();
        } else if (introducer == kTrailer) {
            gif.trailerSeen = 1;
            next = Block::kDone;
        } else {
            next = Block::kFailed;
        }
        if (next == Block::kFailed)
            return 0;
        if (next == Block::kDone)
            break;
    }
    // The screen is allocated only as large as the file's image data can paint: a screen the
    // file does not fill is not made from its two size fields alone.
    const long long screenPixels = static_cast<long long>(gif.screenWidth) * gif.screenHeight;
    if (!imageSeen || !checkImageSize(gif.screenWidth, gif.screenHeight, screenPixels, paintable) ||
        !decodeFirstImage())
        return 0;

    // The image's own table when it has one, else the global one, else black.
    const unsigned char* colours = gif.localTable ? gif.localColours : gif.globalColours;
    const int count = (gif.localTable ? gif.localBytes : gif.globalBytes) / 3;
    RGBQUAD* palette = header.palette();
    std::memset(palette, 0, DibHeaderBlock::kPaletteEntries * sizeof(RGBQUAD));
    for (int i = 0; i < count && i < DibHeaderBlock::kPaletteEntries; ++i)
        palette[i] = {colours[3 * i + 2], colours[3 * i + 1], colours[3 * i], 0};
    return 1;
}

int GifImage::readWholeFile()
{
    // The whole file at once; the descriptors and sub-blocks are read from memory.
    GlobalBlock whole(1, 1);
    const long long fileBytes = fileSize();
    if (fileBytes < 1 || fileBytes >= 0x7FFFF000LL || !whole.reserve(static_cast<int>(fileBytes), 0))
        return 0;
    BlockLock lock(whole);
    if (!lock || !readAt(0, lock.data(), fileBytes))
        return 0;
    bytes = lock.data<unsigned char>();
    size = fileBytes;
    at = 0;
    const int read = readFile();
    bytes = nullptr;
    return read;
}

int GifImage::ensureLoaded()
{
    const int result = loadOnce([&] { return readWholeFile(); });
    releaseDecoderBlocks();
    return result < 0 ? refuse(kCaption) : result;
}

void GifImage::releaseDecoderBlocks()
{
    delete lzw.bytes;
    lzw.bytes = nullptr;
    lzw.releaseBlock();
}

int GifImage::getPixelSize(int& width, int& height) { return ensureLoaded() && pixelSize(width, height); }

int GifImage::getSize(double& width, double& height)
{
    int w = 0, h = 0;
    const int got = getPixelSize(w, h);
    return sizeFromPixels(got, w, h, width, height);
}

int GifImage::draw(DeviceContext& dc, const IntRect& target) { return ensureLoaded() && drawDecoded(dc, target); }

int GifImage::writePostScript(PsOutput& out, const DoubleRect& rect)
{
    return ensureLoaded() && writeDibPostScript(*this, out, rect);
}

int GifImage::addPdfResource(PdfWriter& out, const DoubleRect& rect)
{
    return addDibPdfResource(*this, PdfImageRecord::kGif, out, rect, [this] { return ensureLoaded(); });
}

int GifImage::writePdfXObject(PdfImageResources& out, int index)
{
    return writeDibPdfXObject(*this, out, index, [this] { return ensureLoaded(); });
}
