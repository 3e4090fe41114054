#include "io/images/JpegImage.h"

#include <cstring>
#include <new>

#include "io/images/DibOutput.h"
#include "io/images/JpegScan.h"
#include "io/pdf/PdfImageResources.h"
#include "platform/GlobalBlock.h"
#include "platform/MessageBoxes.h"

namespace {

enum Marker : int {
    kSof0 = 0xC0, kDht = 0xC4, kSoi = 0xD8, kEoi = 0xD9, kSos = 0xDA, kDqt = 0xDB, kDri = 0xDD,
    kApp0 = 0xE0, kApp15 = 0xEF, kTem = 0x01, kRst0 = 0xD0, kRst7 = 0xD7,
};
// What the reader asks of the table set: five quantisation slots (numbers 0..4) and four Huffman
// tables, which give five slots.
const int kQuantSlots = 5, kHuffmanTables = 4;
// The most pixels one byte of entropy data can give: a block needs at least two bits, and an MCU
// of up to 16 x 64 pixels at least nine blocks.
const long long kPixelsPerFileByte = 1024;

bool isFrameMarker(int m) { return m >= 0xC0 && m <= 0xCF && m != kDht && m != 0xC8 && m != 0xCC; }
bool hasNoLength(int m) { return m == kSoi || m == kEoi || m == kTem || (m >= kRst0 && m <= kRst7); }
int word(const unsigned char* at) { return at[0] << 8 | at[1]; }

// The next marker at or after `at` (bytes up to a 0xFF are passed over, 0xFF 0x00 is stuffed
// data, 0xFF 0xFF a fill byte); `at` then points past it. -1 at the end of the data.
int nextMarker(const unsigned char* data, long long size, long long& at)
{
    while (at + 1 < size) {
        const void* ff = std::memchr(data + at, 0xFF, static_cast<size_t>(size - at - 1));
        if (!ff)
            break;
        at = static_cast<const unsigned char*>(ff) - data;
        const int m = data[at + 1];
        if (m == 0 || m == 0xFF) {
            at += m ? 1 : 2;
            continue;
        }
        at += 2;
        return m;
    }
    at = size;
    return -1;
}

void skipToEoi(const unsigned char* data, long long size, long long& at)
{
    int m;
    do
        m = nextMarker(data, size, at);
    while (m >= 0 && m != kEoi);
}

} // namespace

void JpegImage::releaseBuffer(JpegTableSet& set, int buffer)
{
    if (buffer < 0 || buffer >= kReaderBuffers)
        return;
    delete set.readerBuffers[buffer];
    set.readerBuffers[buffer] = nullptr;
}

JpegImage::JpegImage()
{
    if (!jpegBufferRelease)
        jpegBufferRelease = releaseBuffer;
}

void JpegImage::setSource(const char* path)
{
    if (attach(path))
        frameCount = 0;
}

void JpegImage::selectFrame(int choice)
{
    if (choice == frameChoice)
        return;
    frameChoice = choice;
    const int shows = choice == 1 && frameCount >= 2 ? 1 : 0;
    if (loaded && shows != decodedFrame)
        dropDecoded();
}

JpegImage::Segment JpegImage::readFrame(const unsigned char* at, int length, Frame& frame)
{
    frame = Frame();
    if (length < 6)
        return Segment::kFailed;
    frame.precision = at[0];
    frame.height = word(at + 1);
    frame.width = word(at + 3);
    frame.components = at[5];
    if (frame.precision != 8 || (frame.components != 1 && frame.components != 3) || length < 6 + 3 * frame.components)
        return Segment::kFailed;
    for (int c = 0; c < frame.components; ++c) {
        Frame::Component& k = frame.component[c];
        k.id = at[6 + 3 * c];
        k.h = at[7 + 3 * c] >> 4;
        k.v = at[7 + 3 * c] & 15;
        k.quant = at[8 + 3 * c];
        if (k.h < 1 || k.h > 4 || k.v < 1 || k.v > 4 || k.quant >= kQuantSlots)
            return Segment::kFailed;
        if (k.h > frame.maxH)
            frame.maxH = k.h;
        if (k.v > frame.maxV)
            frame.maxV = k.v;
    }
    if (frame.components == 1) {
        // One component is one block per MCU whatever its factors say.
        frame.component[0].h = frame.component[0].v = frame.maxH = frame.maxV = 1;
    }
    for (int c = 0; c < frame.components; ++c)
        if (frame.maxH % frame.component[c].h || frame.maxV % frame.component[c].v)
            return Segment::kFailed;
    const long long pixels = static_cast<long long>(frame.width) * frame.height;
    const long long stride = (3LL * frame.width + 3) / 4 * 4;
    if (!checkImageSize(frame.width, frame.height, pixels, size * kPixelsPerFileByte) ||
        stride * frame.height > 0x7FFFF000LL)
        return Segment::kFailed;
    return Segment::kGoOn;
}

int JpegImage::readHuffmanTables(const unsigned char* at, int length)
{
    if (!huffmanBlock && !allocateHuffmanTables(kHuffmanTables))
        return 0;
    while (length >= 17) {
        const int tableClass = at[0] >> 4, id = at[0] & 15;
        if (tableClass > 1 || id > 3)
            return 0;
        int total = 0;
        for (int i = 0; i < 16; ++i)
            total += at[1 + i];
        if (total > 256 || total > length - 17)
            return 0;
        if (!findHuffmanTable(tableClass, id))
            (void)takeNextHuffmanTable(); // currentHuffman says whether a slot was left
        HuffmanTable* table = currentHuffman;
        if (!table)
            return 0;
        table->tableClass = static_cast<uint8_t>(tableClass);
        table->id = static_cast<uint8_t>(id);
        std::memcpy(table->counts, at + 1, 16);
        table->codeCount = total;
        std::memcpy(table->symbols, at + 17, static_cast<size_t>(total));
        if (!jpeg::generateCodes(*table))
            return 0;
        at += 17 + total;
        length -= 17 + total;
    }
    return 1;
}

int JpegImage::readQuantTables(const unsigned char* at, int length)
{
    static const unsigned char kZigzag[64] = {
        0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
        41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
        30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};
    if (!quantTables && !allocateQuantTables(kQuantSlots))
        return 0;
    QuantTable* tables = lockQuantTables();
    if (!tables)
        return 0;
    int ok = 1;
    while (ok && length > 64) {
        const int precision = at[0] >> 4, id = at[0] & 15;
        const int bytes = precision ? 128 : 64;
        if (precision > 1 || id >= kQuantSlots || length < 1 + bytes) {
            ok = 0;
            break;
        }
        QuantTable& t = tables[id];
        t.precision = static_cast<uint8_t>(precision);
        t.id = static_cast<uint8_t>(id);
        for (int k = 0; k < 64; ++k)
            t.values[kZigzag[k]] = precision ? word(at + 1 + 2 * k) : at[1 + k];
        at += 1 + bytes;
        length -= 1 + bytes;
    }
    unlockQuantTables();
    return ok;
}

void JpegImage::readJfif(const unsigned char* at, int length)
{
    if (length < 12 || std::memcmp(at, "JFIF", 5) != 0)
        return;
    jfif.major = at[5];
    jfif.minor = at[6];
    jfif.unit = at[7];
    jfif.xDensity = word(at + 8);
    jfif.yDensity = word(at + 10);
}

int JpegImage::decodeScanAt(long long at, int length, const Frame& frame, long long& end)
{
    scan = Scan();
    const unsigned char* s = bytes + at;
    if (length < 1)
        return 0;
    scan.components = s[0];
    // Every component of the frame in this one scan.
    if (scan.components != frame.components || length < 4 + 2 * scan.components)
        return 0;
    jpeg::ScanSetup setup;
    setup.data = bytes;
    setup.size = size;
    setup.start = at + length;
    setup.width = frame.width;
    setup.height = frame.height;
    setup.components = frame.components;
    setup.maxH = frame.maxH;
    setup.maxV = frame.maxV;
    setup.restartInterval = restartInterval;
    QuantTable* quant = quantTables ? lockQuantTables() : nullptr;
    int ok = quant != nullptr;
    for (int c = 0; ok && c < scan.components; ++c) {
        Scan::Component& k = scan.component[c];
        k.id = s[1 + 2 * c];
        k.dc = s[2 + 2 * c] >> 4;
        k.ac = s[2 + 2 * c] & 15;
        int f = 0;
        while (f < frame.components && frame.component[f].id != k.id)
            ++f;
        if (f == frame.components || k.dc > 2 || k.ac > 2) {
            ok = 0;
            break;
        }
        jpeg::ScanSetup::Component& out = setup.component[f];
        if (out.dc) {
            ok = 0; // the same component twice
            break;
        }
        out.h = frame.component[f].h;
        out.v = frame.component[f].v;
        out.dc = findHuffmanTable(0, k.dc) ? currentHuffman : nullptr;
        out.ac = findHuffmanTable(1, k.ac) ? currentHuffman : nullptr;
        const QuantTable& q = quant[frame.component[f].quant];
        out.quant = q.id == frame.component[f].quant ? q.values : nullptr;
        ok = out.dc && out.ac && out.quant;
    }
    scan.spectralStart = s[1 + 2 * scan.components];
    scan.spectralEnd = s[2 + 2 * scan.components];
    scan.approximation = s[3 + 2 * scan.components];
    ok = ok && scan.spectralStart == 0 && scan.spectralEnd == 63 && scan.approximation == 0;

    const long long stride = (3LL * frame.width + 3) / 4 * 4;
    if (ok)
        ok = header.allocateBits(stride * frame.height);
    if (ok) {
        BlockLock pixels(*header.bits());
        ok = pixels && jpeg::decodeScan(setup, *this, pixels.data<unsigned char>(), stride, end);
    }
    if (quant)
        unlockQuantTables();
    if (!ok) {
        header.freeBits();
        return 0;
    }
    BITMAPINFOHEADER& h = *header.header();
    std::memset(&h, 0, sizeof h);
    h.biSize = sizeof h;
    h.biWidth = frame.width;
    h.biHeight = frame.height;
    h.biPlanes = 1;
    h.biBitCount = 24;
    h.biCompression = BI_RGB;
    h.biSizeImage = static_cast<DWORD>(stride * frame.height);
    return 1;
}

// 1 with a picture, 0 without one, -1 when the second frame failed after the first was decoded
// (the first has to be decoded again).
int JpegImage::decodeFrom(int choice)
{
    long long at = 0;
    if (nextMarker(bytes, size, at) != kSoi)
        return 0;
    const Frame* current = nullptr;
    int framesSeen = 0, picture = 0;
    restartInterval = 0;
    for (;;) {
        const int m = nextMarker(bytes, size, at);
        if (m < 0)
            break;
        if (hasNoLength(m)) {
            if (m == kEoi) {
                current = nullptr;
                restartInterval = 0;
            }
            continue;
        }
        if (at + 2 > size || word(bytes + at) < 2 || at + word(bytes + at) > size)
            break; // the file ends inside the segment
        const int length = word(bytes + at) - 2;
        const unsigned char* segment = bytes + at + 2;
        long long next = at + 2 + length;
        int failed = 0;
        if (isFrameMarker(m)) {
            ++framesSeen;
            const int second = picture != 0;
            if (second && (choice != 1 || framesSeen > 2))
                break;
            Frame& frame = frames[second];
            failed = m != kSof0 || readFrame(segment, length, frame) != Segment::kGoOn;
            if (failed && second)
                return 1; // the first picture stays
            frame.marker = m;
            current = failed ? nullptr : &frame;
        } else if (m == kSos) {
            long long end = next;
            const int second = current == &frames[1];
            failed = !current || !decodeScanAt(at + 2, length, *current, end);
            if (failed && second)
                return -1;
            if (!failed) {
                picture = 1;
                decodedFrame = second;
                if (choice == 0 || second)
                    return 1;
                current = nullptr;
                next = end;
            }
        } else if (m == kDht) {
            failed = !readHuffmanTables(segment, length);
        } else if (m == kDqt) {
            failed = !readQuantTables(segment, length);
        } else if (m == kDri) {
            restartInterval = length >= 2 ? word(segment) : 0;
        } else if (m == kApp0) {
            readJfif(segment, length);
        }
        // Other APPn segments, comments and unknown markers are passed over.
        at = next;
        if (failed) {
            skipToEoi(bytes, size, at);
            current = nullptr;
            restartInterval = 0;
        }
    }
    return picture;
}

void JpegImage::countFrames()
{
    frameCount = 0;
    long long at = 0;
    for (;;) {
        const int m = nextMarker(bytes, size, at);
        if (m < 0)
            break;
        if (hasNoLength(m))
            continue;
        if (isFrameMarker(m))
            ++frameCount;
        if (at + 2 > size)
            break;
        at += word(bytes + at);
    }
}

int JpegImage::decodeFile()
{
    // Tables and work buffers of an earlier decoding belong to it.
    reset();
    size = fileSize();
    if (size < 4 || size > 0x7FFFF000LL)
        return 0;
    releaseBuffer(*this, jpeg::kFileBytes);
    auto* block = new (std::nothrow) GlobalBlock(1, 1);
    readerBuffers[jpeg::kFileBytes] = block;
    if (!block || !block->reserve(static_cast<int>(size), 0))
        return 0;
    BlockLock lock(*block);
    if (!lock || !readAt(0, lock.data(), size))
        return 0;
    bytes = lock.data<unsigned char>();
    countFrames();
    int decoded = decodeFrom(frameChoice);
    if (decoded < 0)
        decoded = decodeFrom(0);
    bytes = nullptr;
    return decoded > 0;
}

int JpegImage::ensureLoaded()
{
    const int result = loadOnce([&] { return decodeFile(); });
    // The file's bytes and the sample planes are not needed once the picture is there.
    releaseBuffer(*this, jpeg::kFileBytes);
    releaseBuffer(*this, jpeg::kSamples);
    if (result >= 0)
        return result;
    error = 1;
    dropDecoded();
    if (report)
        showErrorBox(kCannotProcess, kCaption); // every time, not once per reporter
    return 0;
}

int JpegImage::getPixelSize(int& width, int& height)
{
    selectFrame(1);
    return ensureLoaded() && pixelSize(width, height);
}

int JpegImage::getSize(double& width, double& height)
{
    int w = 0, h = 0;
    const int got = getPixelSize(w, h);
    return sizeFromPixels(got, w, h, width, height) && width > 0.1 && height > 0.1;
}

int JpegImage::draw(DeviceContext& dc, const IntRect& target, int drawingMode)
{
    selectFrame(drawingMode);
    return ensureLoaded() && drawDecoded(dc, target);
}

int JpegImage::writePostScript(PsOutput& out, const DoubleRect& rect)
{
    return withFirstFrame([&] { return ensureLoaded() && writeDibPostScript(*this, out, rect); });
}

int JpegImage::addPdfResource(PdfWriter& out, const DoubleRect& rect)
{
    return withFirstFrame(
        [&] { return addDibPdfResource(*this, PdfImageRecord::kJpeg, out, rect, [this] { return ensureLoaded(); }); });
}

int JpegImage::writePdfXObject(PdfImageResources& out, int index)
{
    return withFirstFrame([&] { return writeDibPdfXObject(*this, out, index, [this] { return ensureLoaded(); }); });
}
