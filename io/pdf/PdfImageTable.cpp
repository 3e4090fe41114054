#include "io/pdf/PdfImageTable.h"

#include <cstring>
#include <new>

#include "document/PictureReader.h"
#include "geometry/DoubleRect.h"
#include "io/pdf/PdfFileWriter.h"
#include "platform/DibImage.h"
#include "platform/StringUtil.h"

namespace {
const double kPointsPerMm = 72.0 / 25.4;
// Hex data: three bytes to a group, seven groups to a line.
const int kGroupBytes = 3;
const int kGroupsPerLine = 7;
// The largest own bitmap copied for the document (a bitmap element holds at most 256 MB).
const long long kLargestCopy = 256LL * 1024 * 1024;

uint64_t hashOf(const unsigned char* bytes, size_t n, int width, int height)
{
    uint64_t h = 1469598103934665603ULL;
    for (size_t i = 0; i < n; ++i) {
        h ^= bytes[i];
        h *= 1099511628211ULL;
    }
    return h ^ (static_cast<uint64_t>(static_cast<uint32_t>(width)) << 32 | static_cast<uint32_t>(height));
}

// The picture reader of a record kind: 1 BMP, 3 GIF, 4 JPEG, 5 TIFF (an EPS file's preview is a
// TIFF image); 0 for a kind no reader writes.
int readerKindOf(int recordKind)
{
    switch (recordKind) {
    case PdfImageRecord::kBmp:
        return 1;
    case PdfImageRecord::kGif:
        return 3;
    case PdfImageRecord::kJpeg:
        return 4;
    case PdfImageRecord::kTiff:
        return 5;
    default:
        return 0;
    }
}
} // namespace

void PdfImageTable::reset()
{
    records.clear();
    pixels.clear();
    ownByHash.clear();
    readerByName.clear();
    greyCount = colourCount = 0;
    hexBytes = 0;
    measuring = 0;
    objectInHand = -1;
}

int PdfImageTable::isCounting() const { return out.isCounting(); }

const PdfImageRecord* PdfImageTable::imageRecord(int index) const
{
    return index >= 0 && index < count() ? &records[static_cast<size_t>(index)] : nullptr;
}

int PdfImageTable::findImageByName(const char* fileName) const
{
    auto found = readerByName.find(fileName ? fileName : "");
    return found == readerByName.end() ? -1 : found->second;
}

int PdfImageTable::addImageRecord(const PdfImageRecord& record)
{
    PdfImageRecord added = record;
    added.fileName[sizeof added.fileName - 1] = 0;
    added.resourceNumber = count();
    added.objectNumber = out.allocateObjectNumber();
    added.offset = 0;
    records.push_back(added);
    pixels.emplace_back();
    if (added.colourKind == PdfImageRecord::kRgb || added.colourKind == PdfImageRecord::kCmyk)
        ++colourCount;
    else
        ++greyCount;
    if (added.fileName[0])
        readerByName.emplace(added.fileName, added.resourceNumber);
    return added.resourceNumber;
}

int PdfImageTable::writeImageName(int index, int withSlash, int trailingBlank)
{
    const PdfImageRecord* record = imageRecord(index);
    return record && out.writeString(withSlash ? "/Im" : "Im", 0) && out.writeNumber(record->resourceNumber, 0) &&
           (!trailingBlank || out.writeSpace(0));
}

int PdfImageTable::placeImage(int index, const DoubleRect& rect)
{
    if (!imageRecord(index))
        return 1; // an image without a resource draws nothing
    const double w = rect.width() * kPointsPerMm, h = rect.height() * kPointsPerMm;
    return out.endPath() && out.setGraphicsState() && out.saveState() &&
           out.concatMatrix(w, 0.0, 0.0, h, rect.minX * kPointsPerMm, (out.pageHeight - rect.maxY) * kPointsPerMm) &&
           writeImageName(index, 1, 1) && out.writeString("Do", 1) && out.restoreState();
}

// --- hex data ---

int PdfImageTable::writeHexBytes(const unsigned char* bytes, int n)
{
    static const char digits[] = "0123456789ABCDEF";
    // Up to 4 bytes of text per image byte (separator and two digits), in pieces.
    char text[4096];
    int used = 0;
    for (int i = 0; i < n; ++i) {
        if (used > static_cast<int>(sizeof text) - 4) {
            if (!out.writeBytes(text, used, 0))
                return 0;
            used = 0;
        }
        if (hexBytes > 0 && hexBytes % kGroupBytes == 0) {
            if (hexBytes / kGroupBytes % kGroupsPerLine == 0) {
                text[used++] = '\r';
                text[used++] = '\n';
            } else {
                text[used++] = ' ';
            }
        }
        text[used++] = digits[bytes[i] >> 4];
        text[used++] = digits[bytes[i] & 15];
        ++hexBytes;
    }
    return used == 0 || out.writeBytes(text, used, 0);
}

int PdfImageTable::endHexData() { return out.writeString(">", 1); }

void PdfImageTable::beginMeasure()
{
    savedCountOnly = out.countOnly;
    savedByteCount = out.byteCount;
    out.countOnly = 1;
    out.byteCount = 0;
    hexBytes = 0;
    measuring = 1;
}

long long PdfImageTable::endMeasure()
{
    if (!measuring)
        return 0;
    (void)endHexData(); // counting only: it cannot fail
    const long long length = out.byteCount;
    out.countOnly = savedCountOnly;
    out.byteCount = savedByteCount;
    measuring = 0;
    return length;
}

int PdfImageTable::beginImageObject(int index, const char* colourSpace, int bitsPerComponent)
{
    PdfImageRecord* record = index >= 0 && index < count() ? &records[static_cast<size_t>(index)] : nullptr;
    if (!record)
        return 0;
    out.recordOffset(record->objectNumber);
    record->offset = out.bytesWritten();
    if (!out.beginObject(record->objectNumber, 1) || !out.writeString("/Type /XObject", 1) ||
        !out.writeString("/Subtype /Image", 1) || !out.writeString("/Name ", 0) || !writeImageName(index, 1, 0) ||
        !out.writeNewline() || !out.writeKeyNumber("/Width ", record->width, 1) ||
        !out.writeKeyNumber("/Height ", record->height, 1) ||
        !out.writeKeyNumber("/BitsPerComponent ", bitsPerComponent, 1) || !out.writeString("/ColorSpace ", 0) ||
        !out.writeString(colourSpace, 1) || !out.writeString("/Filter /ASCIIHexDecode", 1) ||
        !out.writeKeyNumber("/Length ", record->streamLength, 1) || !out.writeString(">>", 1) || !out.beginStream())
        return 0;
    objectInHand = index;
    dataStart = out.bytesWritten();
    hexBytes = 0;
    return 1;
}

int PdfImageTable::endImageObject()
{
    const PdfImageRecord* record = imageRecord(objectInHand);
    objectInHand = -1;
    if (!record || !endHexData())
        return 0;
    // A reader whose second reading gave other bytes would leave a wrong length behind.
    if (out.bytesWritten() - dataStart != record->streamLength) {
        out.failure = 1;
        return 0;
    }
    return out.endStream() && out.endObject(0);
}

// --- own bitmaps ---

int PdfImageTable::rgbRows(const DibImage& image, std::unique_ptr<unsigned char[]>& rows, size_t& size)
{
    const int w = image.width, h = image.height;
    const long long rowBytes = 3LL * w;
    if (w < 1 || h < 1 || image.getRowStride() < rowBytes || rowBytes * h > kLargestCopy)
        return 0;
    size = static_cast<size_t>(rowBytes * h);
    rows.reset(new (std::nothrow) unsigned char[size]);
    std::unique_ptr<unsigned char[]> row(new (std::nothrow) unsigned char[static_cast<size_t>(image.getRowStride()) + 3]);
    if (!rows || !row)
        return -1;
    // Top row first: the last row of the bottom-up block.
    auto& source = const_cast<DibImage&>(image); // row access only reads
    for (int y = 0; y < h; ++y) {
        if (!source.getRowRgb(h - 1 - y, row.get()))
            return 0;
        std::memcpy(rows.get() + static_cast<size_t>(y) * static_cast<size_t>(rowBytes), row.get(),
                    static_cast<size_t>(rowBytes));
    }
    return 1;
}

int PdfImageTable::findOwnImage(const unsigned char* rows, size_t size, int width, int height, uint64_t hash) const
{
    auto range = ownByHash.equal_range(hash);
    for (auto it = range.first; it != range.second; ++it) {
        const PdfImageRecord& record = records[static_cast<size_t>(it->second)];
        const OwnPixels& kept = pixels[static_cast<size_t>(it->second)];
        if (record.width == width && record.height == height && kept.size == size &&
            std::memcmp(kept.bytes.get(), rows, size) == 0)
            return it->second;
    }
    return -1;
}

int PdfImageTable::drawOwnImage(const DibImage& image, const DoubleRect& rect)
{
    std::unique_ptr<unsigned char[]> rows;
    size_t size = 0;
    const int read = rgbRows(image, rows, size);
    if (read < 0) {
        out.failure = 1; // no memory for the copy: the document cannot be written whole
        return 0;
    }
    if (read == 0)
        return 1; // nothing to draw
    const uint64_t hash = hashOf(rows.get(), size, image.width, image.height);
    int index = findOwnImage(rows.get(), size, image.width, image.height, hash);
    if (index < 0 && isCounting()) {
        PdfImageRecord record;
        record.kind = PdfImageRecord::kOwnBitmap;
        // Written as /DeviceRGB, so counted as a colour image.
        record.colourKind = PdfImageRecord::kRgb;
        record.bitsPerPixel = 24;
        record.width = image.width;
        record.height = image.height;
        record.rowStride = image.getRowStride();
        beginMeasure();
        (void)writeHexBytes(rows.get(), static_cast<int>(size)); // counting only
        record.streamLength = endMeasure();
        index = addImageRecord(record);
        OwnPixels& kept = pixels[static_cast<size_t>(index)];
        kept.bytes = std::move(rows);
        kept.size = size;
        ownByHash.emplace(hash, index);
    }
    return index < 0 || placeImage(index, rect);
}

int PdfImageTable::writeOwnObject(int index)
{
    const OwnPixels& kept = pixels[static_cast<size_t>(index)];
    return beginImageObject(index, "/DeviceRGB", 8) && writeHexBytes(kept.bytes.get(), static_cast<int>(kept.size)) &&
           endImageObject();
}

// --- reader images ---

int PdfImageTable::writePlaceholderObject(int index)
{
    static const unsigned char white[3] = {255, 255, 255};
    PdfImageRecord& record = records[static_cast<size_t>(index)];
    record.width = record.height = 1;
    beginMeasure();
    (void)writeHexBytes(white, 3); // counting only
    record.streamLength = endMeasure();
    return beginImageObject(index, "/DeviceRGB", 8) && writeHexBytes(white, 3) && endImageObject();
}

int PdfImageTable::writeReaderObject(int index)
{
    const int readerKind = readerKindOf(records[static_cast<size_t>(index)].kind);
    PictureReader* reader = readerKind && makePictureReader ? makePictureReader(readerKind) : nullptr;
    if (!reader)
        return writePlaceholderObject(index);
    const long long before = out.bytesWritten();
    const int written = reader->writePdfXObject(*this, index);
    delete reader;
    if (written)
        return !out.failed();
    if (out.failed())
        return 0;
    if (out.bytesWritten() != before) {
        out.failure = 1; // a reader that stopped half-way has left a broken object
        return 0;
    }
    return writePlaceholderObject(index); // its file could not be read any more
}

int PdfImageTable::writeObjects()
{
    if (count() > 0)
        out.setProgressRange(0, count());
    for (int i = 0; i < count(); ++i) {
        out.showProgress(i + 1);
        const int written = records[static_cast<size_t>(i)].kind == PdfImageRecord::kOwnBitmap ? writeOwnObject(i)
                                                                                               : writeReaderObject(i);
        if (!written)
            return 0;
    }
    return 1;
}
