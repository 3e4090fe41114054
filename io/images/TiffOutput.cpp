#include "io/images/TiffOutput.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "document/PdfWriter.h"
#include "geometry/DoubleRect.h"
#include "io/images/DibOutput.h"
#include "io/images/TiffImage.h"
#include "io/pdf/PdfImageResources.h"
#include "io/postscript/PostScriptWriter.h"

namespace {
const size_t kHexChunk = 64 * 1024;
const int kSeparations = 2;
const int kBlackPlate = 3;
} // namespace

TiffRowForm TiffRowConverter::compositeForm(const TiffDecoderBase& image)
{
    if (image.bitCount == 1)
        return TiffRowForm::kBits;
    if (image.bitCount == 8)
        return image.isColourMapped() ? TiffRowForm::kRgb : TiffRowForm::kGrey;
    if (image.bitCount == 32 && !image.isRgba())
        return TiffRowForm::kCmyk;
    return TiffRowForm::kRgb;
}

int TiffRowConverter::prepare(const TiffDecoderBase& picture, TiffRowForm rowForm, int plateIndex)
{
    image = &picture;
    form = rowForm;
    plate = plateIndex;
    const int bits = picture.bitCount;
    switch (form) {
    case TiffRowForm::kBits:
        if (bits != 1)
            return 0;
        break;
    case TiffRowForm::kGrey:
        if (bits != 8)
            return 0;
        break;
    case TiffRowForm::kCmyk:
        if (bits != 32 || picture.isRgba())
            return 0;
        break;
    case TiffRowForm::kRgb:
        if (bits == 1 || (bits == 8 && !picture.isColourMapped()) || (bits == 32 && !picture.isRgba()))
            return 0;
        break;
    case TiffRowForm::kPlate:
        if (bits == 1 || (bits == 8 && !picture.isColourMapped()) || plate < 0 || plate > kBlackPlate)
            return 0;
        break;
    }
    if (bits == 1 && picture.mapCount > 0) {
        unsigned char r0, g0, b0, r1, g1, b1;
        picture.mapColour(0, r0, g0, b0);
        picture.mapColour(1, r1, g1, b1);
        bitFlip = isLighter(r0, g0, b0, r1, g1, b1) ? 0xFF : 0;
    } else {
        bitFlip = picture.photometric == TiffDecoderBase::kBlackIsZero ? 0 : 0xFF;
    }
    if (picture.isColourMapped())
        for (int i = 0; i < 256; ++i) {
            picture.mapColour(i, red[i], green[i], blue[i]);
            plateValue[i] = plateByte(red[i], green[i], blue[i], plate);
        }
    return 1;
}

long long TiffRowConverter::outputBytes() const
{
    const long long w = image ? image->width : 0;
    switch (form) {
    case TiffRowForm::kBits:
        return (w + 7) / 8;
    case TiffRowForm::kGrey:
    case TiffRowForm::kPlate:
        return w;
    case TiffRowForm::kCmyk:
        return 4 * w;
    default:
        return 3 * w;
    }
}

void TiffRowConverter::convert(const unsigned char* raw, unsigned char* out) const
{
    const int w = image->width;
    const int samples = image->samplesPerPixel;
    switch (form) {
    case TiffRowForm::kBits: {
        const long long n = outputBytes();
        for (long long i = 0; i < n; ++i)
            out[i] = static_cast<unsigned char>(raw[i] ^ bitFlip);
        if (w % 8)
            out[n - 1] = static_cast<unsigned char>(out[n - 1] & (0xFF00 >> (w % 8)));
        return;
    }
    case TiffRowForm::kGrey: {
        const unsigned char flip = image->photometric == TiffDecoderBase::kWhiteIsZero ? 0xFF : 0;
        for (int x = 0; x < w; ++x)
            out[x] = static_cast<unsigned char>(raw[x * samples] ^ flip);
        return;
    }
    case TiffRowForm::kCmyk:
        std::copy(raw, raw + 4LL * w, out);
        return;
    default:
        break;
    }
    for (int x = 0; x < w; ++x, raw += samples) {
        unsigned char r, g, b;
        if (image->bitCount == 8) {
            r = red[raw[0]], g = green[raw[0]], b = blue[raw[0]];
            if (form == TiffRowForm::kPlate) {
                *out++ = plateValue[raw[0]];
                continue;
            }
        } else if (image->bitCount == 32 && !image->isRgba()) {
            // CMYK samples on a plate: their own ink.
            *out++ = static_cast<unsigned char>(255 - raw[plate]);
            continue;
        } else {
            const bool clear = samples == 4 && (raw[0] | raw[1] | raw[2] | raw[3]) == 0;
            r = clear ? 255 : raw[0], g = clear ? 255 : raw[1], b = clear ? 255 : raw[2];
        }
        if (form == TiffRowForm::kPlate) {
            *out++ = plateByte(r, g, b, plate);
        } else {
            *out++ = r;
            *out++ = g;
            *out++ = b;
        }
    }
}

namespace {

// The operators and the hex rows of the picture in one form.
int writeTiffImage(TiffImage& image, PostScriptWriter& out, TiffRowForm form, int plate)
{
    TiffRowConverter rows;
    if (!rows.prepare(image, form, plate))
        return 0;
    const ImageReaderBase::Placement& p = image.placement;
    const char* op = form == TiffRowForm::kRgb    ? "] {currentfile pictsr readhexstring pop} false 3 colorimage"
                     : form == TiffRowForm::kCmyk ? "] {currentfile pictsr readhexstring pop} false 4 colorimage"
                                                  : "] {currentfile pictsr readhexstring pop} image";
    if (!(out.writeString("/pictsr ", 0) && out.writeNumber(static_cast<long>(rows.outputBytes()), 0) &&
          out.writeString(" string def", 1) && out.translate(p.minX, p.minY + p.height) &&
          out.writeLength(p.width, 2, 0) && out.writeSpace(0) && out.writeLength(p.height, 2, 0) &&
          out.writeString(" _sc", 1) && out.writeImageMatrix(image.width, image.height, rows.componentBits(), -1, 1) &&
          out.writeString(op, 1)))
        return 0;
    TiffRowReader reader(image, image, image.startOffset);
    std::vector<unsigned char> raw(static_cast<size_t>(image.fileRowBytes()));
    std::vector<unsigned char> row(static_cast<size_t>(rows.outputBytes()));
    std::string text;
    text.reserve(kHexChunk + 2 * row.size());
    for (int y = 0; y < image.height; ++y) {
        if (!reader.next(raw.data()))
            return -1;
        rows.convert(raw.data(), row.data());
        appendHex(text, row.data(), static_cast<long long>(row.size()));
        if (text.size() >= kHexChunk || y == image.height - 1) {
            if (!out.writeRange(text.data(), 0, static_cast<int>(text.size()), 0))
                return 0;
            text.clear();
        }
    }
    return out.lineEnd();
}

} // namespace

int TiffImage::writePostScript(PsOutput& output, const DoubleRect& rect)
{
    PostScriptWriter* out = postScriptWriterOf(output);
    if (!out || !ensureLoaded())
        return 0;
    return writeFromFile(*this, *out, rect, kCaption, [&] {
        const TiffRowForm form = TiffRowConverter::compositeForm(*this);
        if (out->separationMode != kSeparations)
            return writeTiffImage(*this, *out, form, 0);
        // Bilevel and grey pictures print on the black plate alone; colour ones on each process
        // plate; every other plate gets the rectangle in white.
        const int plate = out->currentPlate;
        const bool black = form == TiffRowForm::kBits || form == TiffRowForm::kGrey;
        if (black ? plate == kBlackPlate : plate >= 0 && plate <= kBlackPlate)
            return writeTiffImage(*this, *out, black ? form : TiffRowForm::kPlate, plate);
        return out->fillPolygonWhite(4, placement.xs, placement.ys);
    });
}

namespace {

// The PDF colour space of a composite form.
const char* colourSpaceOf(TiffRowForm form)
{
    switch (form) {
    case TiffRowForm::kRgb:
        return "/DeviceRGB";
    case TiffRowForm::kCmyk:
        return "/DeviceCMYK";
    default:
        return "/DeviceGray";
    }
}

} // namespace

int TiffImage::writePdfRows(PdfImageResources& out)
{
    TiffRowConverter rows;
    if (!rows.prepare(*this, TiffRowConverter::compositeForm(*this), 0))
        return 0;
    TiffRowReader reader(*this, *this, startOffset);
    std::vector<unsigned char> raw(static_cast<size_t>(fileRowBytes()));
    std::vector<unsigned char> row(static_cast<size_t>(rows.outputBytes()));
    for (int y = 0; y < height; ++y) {
        if (!reader.next(raw.data()))
            return 0;
        rows.convert(raw.data(), row.data());
        if (!out.writeHexBytes(row.data(), static_cast<int>(row.size())))
            return 0;
    }
    return 1;
}

int TiffImage::addPdfResource(PdfWriter& writer, const DoubleRect& rect)
{
    PdfImageResources* images = writer.imageResources();
    PdfImageRecord record;
    if (!images || std::strlen(path()) >= sizeof record.fileName || !ensureLoaded())
        return 0; // no export running, a name the table cannot keep whole, or no picture
    int index = images->findImageByName(path());
    if (index < 0 && images->isCounting()) {
        const TiffRowForm form = TiffRowConverter::compositeForm(*this);
        record.kind = PdfImageRecord::kTiff;
        std::memcpy(record.fileName, path(), std::strlen(path()) + 1);
        record.colourKind = form == TiffRowForm::kRgb    ? PdfImageRecord::kRgb
                            : form == TiffRowForm::kCmyk ? PdfImageRecord::kCmyk
                                                         : 0;
        record.bitsPerPixel = bitCount;
        record.width = width;
        record.height = height;
        record.dataOffset = startOffset;
        record.colourMapped = isColourMapped();
        if (!openFile())
            return 0;
        images->beginMeasure();
        const int measured = writePdfRows(*images);
        record.streamLength = images->endMeasure();
        closeFile();
        if (!measured)
            return refuse(kCaption); // the rows ended early
        index = images->addImageRecord(record);
    }
    return index >= 0 && images->placeImage(index, rect);
}

int TiffImage::writePdfXObject(PdfImageResources& out, int index)
{
    const PdfImageRecord* record = out.imageRecord(index);
    if (!record)
        return 0;
    setSource(record->fileName);
    if (startOffset != record->dataOffset) {
        dropRows();
        dropDecoded();
        startOffset = record->dataOffset;
    }
    // A file that changed since the pages were counted would not fill the measured length.
    if (!ensureLoaded() || width != record->width || height != record->height || bitCount != record->bitsPerPixel ||
        !openFile())
        return 0;
    const TiffRowForm form = TiffRowConverter::compositeForm(*this);
    const int written = out.beginImageObject(index, colourSpaceOf(form), form == TiffRowForm::kBits ? 1 : 8) &&
                        writePdfRows(out) && out.endImageObject();
    closeFile();
    return written;
}
