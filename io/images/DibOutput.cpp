#include "io/images/DibOutput.h"

#include <cstring>
#include <vector>

#include "document/PdfWriter.h"
#include "geometry/DoubleRect.h"
#include "io/images/ImageReaderBase.h"
#include "io/pdf/PdfImageResources.h"
#include "io/postscript/PostScriptWriter.h"
#include "platform/DibHeaderBlock.h"
#include "platform/GlobalBlock.h"
#include "platform/RgbColor.h"

namespace {

const char kHexDigits[] = "0123456789ABCDEF";
// Hex text is handed to the writer in pieces of about this many bytes.
const size_t kHexChunk = 64 * 1024;
// The black plate, the only one a 1-bit picture prints on.
const int kBlackPlate = 3;
const int kSeparations = 2;

// Palette index of pixel x of a 4- or 8-bit row.
inline int indexAt(const unsigned char* row, int bits, int x)
{
    if (bits == 8)
        return row[x];
    const unsigned char b = row[x >> 1];
    return x & 1 ? b & 0x0F : b >> 4;
}

} // namespace

int paletteRunsLightToDark(const DibHeaderBlock& block)
{
    const RGBQUAD* palette = const_cast<DibHeaderBlock&>(block).palette();
    return isLighter(palette[0].rgbRed, palette[0].rgbGreen, palette[0].rgbBlue, palette[1].rgbRed, palette[1].rgbGreen,
                     palette[1].rgbBlue);
}

int isLighter(int red0, int green0, int blue0, int red1, int green1, int blue1)
{
    return 299 * red0 + 587 * green0 + 114 * blue0 > 299 * red1 + 587 * green1 + 114 * blue1;
}

unsigned char plateByte(int red, int green, int blue, int plate)
{
    RgbColor colour(red, green, blue);
    colour.inksFromRgbBytes();
    return static_cast<unsigned char>(255 - colour.inks[plate & 3]);
}

int DibRowConverter::prepare(const DibHeaderBlock& block, DibRowForm rowForm, int plateIndex)
{
    const BITMAPINFOHEADER& h = *block.header();
    width = h.biWidth;
    bits = h.biBitCount;
    form = rowForm;
    plate = plateIndex;
    if (width < 1 || (bits != 1 && bits != 4 && bits != 8 && bits != 24))
        return 0;
    if ((form == DibRowForm::kBits && bits != 1) || (form == DibRowForm::kPlate && (bits == 1 || plate < 0 || plate > 3)))
        return 0;
    invert = bits == 1 && paletteRunsLightToDark(block);
    const RGBQUAD* palette = const_cast<DibHeaderBlock&>(block).palette();
    for (int i = 0; i < 256; ++i) {
        red[i] = palette[i].rgbRed;
        green[i] = palette[i].rgbGreen;
        blue[i] = palette[i].rgbBlue;
        if (form == DibRowForm::kPlate)
            plateValue[i] = plateByte(red[i], green[i], blue[i], plate);
    }
    return 1;
}

long long DibRowConverter::outputBytes() const
{
    switch (form) {
    case DibRowForm::kBits:
        return (static_cast<long long>(width) + 7) / 8;
    case DibRowForm::kPlate:
        return width;
    default:
        return 3LL * width;
    }
}

void DibRowConverter::convert(const unsigned char* row, unsigned char* out) const
{
    if (form == DibRowForm::kBits) {
        const long long n = outputBytes();
        for (long long i = 0; i < n; ++i)
            out[i] = static_cast<unsigned char>(invert ? ~row[i] : row[i]);
        return;
    }
    if (bits == 24) {
        for (int x = 0; x < width; ++x, row += 3) {
            if (form == DibRowForm::kPlate) {
                *out++ = plateByte(row[2], row[1], row[0], plate);
            } else {
                *out++ = row[2];
                *out++ = row[1];
                *out++ = row[0];
            }
        }
        return;
    }
    for (int x = 0; x < width; ++x) {
        const int i = bits == 1 ? row[x >> 3] >> (7 - (x & 7)) & 1 : indexAt(row, bits, x);
        if (form == DibRowForm::kPlate) {
            *out++ = plateValue[i];
        } else {
            *out++ = red[i];
            *out++ = green[i];
            *out++ = blue[i];
        }
    }
}

void appendHex(std::string& text, const unsigned char* bytes, long long n)
{
    const size_t at = text.size();
    text.resize(at + static_cast<size_t>(2 * n));
    char* out = &text[at];
    for (long long i = 0; i < n; ++i) {
        *out++ = kHexDigits[bytes[i] >> 4];
        *out++ = kHexDigits[bytes[i] & 15];
    }
}

PostScriptWriter* postScriptWriterOf(PsOutput& out) { return dynamic_cast<PostScriptWriter*>(&out); }

namespace {

// Converts the block's rows from the top row of the picture to the bottom one, handing each
// output row to take(bytes, n, last); 0 when the rows cannot be had or at the first failed take.
template <typename Take> int eachOutputRow(ImageReaderBase& reader, const DibRowConverter& rows, Take take)
{
    GlobalBlock* pixels = reader.header.bits();
    const int stride = reader.header.rowStride();
    const int height = reader.header.header()->biHeight;
    if (!pixels || stride < 1 || height < 1 || static_cast<long long>(stride) * height > pixels->count)
        return 0;
    BlockLock lock(*pixels);
    if (!lock)
        return 0;
    const auto* base = lock.data<unsigned char>();
    std::vector<unsigned char> row(static_cast<size_t>(rows.outputBytes()));
    for (int y = height - 1; y >= 0; --y) {
        rows.convert(base + static_cast<size_t>(y) * static_cast<size_t>(stride), row.data());
        if (!take(row.data(), static_cast<long long>(row.size()), y == 0))
            return 0;
    }
    return 1;
}

// The hex rows of the block, in pieces through the writer, and a line end.
int writeHexRows(ImageReaderBase& reader, PostScriptWriter& out, const DibRowConverter& rows)
{
    std::string text;
    text.reserve(kHexChunk + 2 * static_cast<size_t>(rows.outputBytes()));
    const int written = eachOutputRow(reader, rows, [&](const unsigned char* bytes, long long n, bool last) {
        appendHex(text, bytes, n);
        if (text.size() < kHexChunk && !last)
            return true;
        const bool ok = out.writeRange(text.data(), 0, static_cast<int>(text.size()), 0);
        text.clear();
        return ok;
    });
    return written && out.lineEnd();
}

// The image operators and rows of one form.
int writeImage(ImageReaderBase& reader, PostScriptWriter& out, DibRowForm form, int plate)
{
    DibRowConverter rows;
    if (!rows.prepare(reader.header, form, plate))
        return 0;
    const ImageReaderBase::Placement& p = reader.placement;
    const int w = rows.width, h = reader.header.header()->biHeight;
    const int componentBits = form == DibRowForm::kBits ? 1 : 8;
    const bool colour = form == DibRowForm::kRgb;
    return out.writeString("/pictsr ", 0) && out.writeNumber(static_cast<long>(rows.outputBytes()), 0) &&
           out.writeString(" string def", 1) && out.translate(p.minX, p.minY + p.height) &&
           out.writeLength(p.width, 2, 0) && out.writeSpace(0) && out.writeLength(p.height, 2, 0) &&
           out.writeString(" _sc", 1) && out.writeImageMatrix(w, h, componentBits, -1, 1) &&
           out.writeString(colour ? "] {currentfile pictsr readhexstring pop} false 3 colorimage"
                                  : "] {currentfile pictsr readhexstring pop} image",
                           1) &&
           writeHexRows(reader, out, rows);
}

} // namespace

int writeDibPostScript(ImageReaderBase& reader, PostScriptWriter& out, const DoubleRect& rect)
{
    const int mode = out.separationMode;
    if (mode < 0 || mode > kSeparations)
        return 1; // no output in such a mode
    const int bits = reader.header.header()->biBitCount;
    if (!out.saveState())
        return 0;
    reader.placement.set(out, rect);
    int written;
    if (mode != kSeparations) {
        written = writeImage(reader, out, bits == 1 ? DibRowForm::kBits : DibRowForm::kRgb, 0);
    } else {
        const int plate = out.currentPlate;
        const bool prints = bits == 1 ? plate == kBlackPlate : plate >= 0 && plate <= kBlackPlate;
        if (prints)
            written = writeImage(reader, out, bits == 1 ? DibRowForm::kBits : DibRowForm::kPlate, plate);
        else
            written = out.fillPolygonWhite(4, reader.placement.xs, reader.placement.ys);
    }
    reader.placement.clear();
    const int restored = out.restoreState();
    return written && restored;
}

int writeFromFile(ImageReaderBase& reader, PostScriptWriter& out, const DoubleRect& rect, const char* caption,
                  const std::function<int()>& body)
{
    if (out.separationMode < 0 || out.separationMode > kSeparations)
        return 1; // no output in such a mode
    if (!reader.openFile())
        return 0;
    int written = out.saveState();
    reader.placement.set(out, rect);
    if (written)
        written = body();
    reader.placement.clear();
    reader.closeFile();
    const int restored = written != 0 && out.restoreState();
    if (written < 0)
        return reader.refuse(caption);
    return written && restored;
}

int writeDibPostScript(ImageReaderBase& reader, PsOutput& out, const DoubleRect& rect)
{
    PostScriptWriter* writer = postScriptWriterOf(out);
    return writer && writeDibPostScript(reader, *writer, rect);
}

// --- PDF ---

namespace {

// The colour kind of a grey image in the export's table (any kind but RGB and CMYK).
const int kGreyImage = 1;

// A 1-bit picture goes out as its bits in 1-bit grey, any other as RGB.
DibRowForm pdfFormOf(const ImageReaderBase& reader)
{
    return reader.header.header()->biBitCount == 1 ? DibRowForm::kBits : DibRowForm::kRgb;
}

// The picture's image data, rows top first, through the export's hex output.
int writePdfRows(ImageReaderBase& reader, PdfImageResources& images)
{
    DibRowConverter rows;
    return rows.prepare(reader.header, pdfFormOf(reader), 0) &&
           eachOutputRow(reader, rows, [&](const unsigned char* bytes, long long n, bool) {
               return images.writeHexBytes(bytes, static_cast<int>(n)) != 0;
           });
}

} // namespace

int addDibPdfResource(ImageReaderBase& reader, int recordKind, PdfWriter& out, const DoubleRect& rect,
                      const std::function<int()>& loadPixels)
{
    PdfImageResources* images = out.imageResources();
    const char* name = reader.path();
    PdfImageRecord record;
    if (!images || std::strlen(name) >= sizeof record.fileName)
        return 0; // no export running, or a name the table cannot keep whole
    int index = images->findImageByName(name);
    if (index < 0) {
        // Registered in the count pass only; a picture the count pass could not read stays out.
        if (!images->isCounting() || !loadPixels())
            return 0;
        const BITMAPINFOHEADER& h = *reader.header.header();
        record.kind = recordKind;
        std::memcpy(record.fileName, name, std::strlen(name) + 1);
        record.colourKind = pdfFormOf(reader) == DibRowForm::kRgb ? PdfImageRecord::kRgb : kGreyImage;
        record.bitsPerPixel = h.biBitCount;
        record.width = h.biWidth;
        record.height = h.biHeight;
        record.rowStride = reader.header.rowStride();
        images->beginMeasure();
        const int measured = writePdfRows(reader, *images);
        record.streamLength = images->endMeasure();
        index = measured ? images->addImageRecord(record) : -1;
        if (index < 0)
            return 0;
    }
    return images->placeImage(index, rect);
}

int writeDibPdfXObject(ImageReaderBase& reader, PdfImageResources& images, int index,
                       const std::function<int()>& loadPixels)
{
    const PdfImageRecord* record = images.imageRecord(index);
    if (!record)
        return 0;
    (void)reader.attach(record->fileName);
    if (!loadPixels())
        return 0;
    // A file that changed since the pages were counted would not fill the measured length.
    const BITMAPINFOHEADER& h = *reader.header.header();
    if (h.biWidth != record->width || h.biHeight != record->height || h.biBitCount != record->bitsPerPixel)
        return 0;
    const bool bits = pdfFormOf(reader) == DibRowForm::kBits;
    return images.beginImageObject(index, bits ? "/DeviceGray" : "/DeviceRGB", bits ? 1 : 8) &&
           writePdfRows(reader, images) && images.endImageObject();
}
