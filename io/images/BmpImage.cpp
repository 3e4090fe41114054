#include "io/images/BmpImage.h"

#include <cstring>

#include "io/images/DibOutput.h"
#include "io/pdf/PdfImageResources.h"
#include "io/postscript/PostScriptWriter.h"
#include "platform/DeviceContext.h"
#include "platform/DibDrawer.h"
#include "platform/GlobalBlock.h"
#include "platform/IntRect.h"

namespace {

const int kFileHeaderSize = 14;
// Prefix layout: type (2), file size (4), reserved (2 + 2), pixel offset (4).
const int kTypeAt = 0, kFileSizeAt = 2, kReserved1At = 6, kReserved2At = 8, kOffsetAt = 10;

bool acceptedHeaderSize(std::uint32_t size)
{
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

void put16(unsigned char* at, unsigned v) { std::memcpy(at, &v, 2); }
void put32(unsigned char* at, std::uint32_t v) { std::memcpy(at, &v, 4); }

} // namespace

unsigned BmpImage::fileType() const
{
    std::uint16_t v = 0;
    std::memcpy(&v, const_cast<DibHeaderBlock&>(header).prefix() + kTypeAt, 2);
    return v;
}

std::uint32_t BmpImage::pixelOffset() const
{
    std::uint32_t v = 0;
    std::memcpy(&v, const_cast<DibHeaderBlock&>(header).prefix() + kOffsetAt, 4);
    return v;
}

int BmpImage::readHeaders()
{
    const long long size = fileSize();
    unsigned char* prefix = header.prefix();
    if (!seek(0))
        return 0;
    put16(prefix + kTypeAt, readWord());
    put32(prefix + kFileSizeAt, readLong());
    put16(prefix + kReserved1At, readWord());
    put16(prefix + kReserved2At, readWord());
    put32(prefix + kOffsetAt, readLong());
    if (fileType() != kMagic)
        return 0;

    // Field by field in file order; a value the file does not hold reads as 0 and fails below.
    const std::uint32_t headerSize = readLong();
    const auto width = static_cast<std::int32_t>(readLong());
    const auto height = static_cast<std::int32_t>(readLong());
    const unsigned planes = readWord();
    const unsigned bitCount = readWord();
    const std::uint32_t compression = readLong();
    (void)readLong(); // image size: the rows' size follows from the width and depth
    const auto xResolution = static_cast<std::int32_t>(readLong());
    const auto yResolution = static_cast<std::int32_t>(readLong());
    (void)readLong(); // colours used: the palette is read whole whatever it says
    (void)readLong(); // colours important
    if (!acceptedHeaderSize(headerSize) || width < 1 || height < 1 || compression != BI_RGB)
        return 0;

    BITMAPINFOHEADER& h = *header.header();
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = static_cast<WORD>(planes ? planes : 1);
    h.biBitCount = static_cast<WORD>(bitCount);
    h.biCompression = BI_RGB;
    h.biXPelsPerMeter = xResolution;
    h.biYPelsPerMeter = yResolution;
    // Every palette entry read counts, so the drawing uses all of them.
    h.biClrUsed = 0;
    h.biClrImportant = 0;
    const int entries = header.paletteSize();
    if (entries < 0)
        return 0;
    const long long rowBytes = header.rowStride();
    const long long offset = pixelOffset();
    if (rowBytes < 1 || !checkImageSize(width, height, rowBytes * height, size - offset) || offset > size)
        return 0;
    h.biSizeImage = static_cast<DWORD>(rowBytes * height);

    RGBQUAD* palette = header.palette();
    std::memset(palette, 0, DibHeaderBlock::kPaletteEntries * sizeof(RGBQUAD));
    if (entries > 0 && !seek(kFileHeaderSize + static_cast<long long>(headerSize)))
        return 0;
    for (int i = 0; i < entries; ++i) {
        palette[i].rgbBlue = static_cast<BYTE>(readByte());
        palette[i].rgbGreen = static_cast<BYTE>(readByte());
        palette[i].rgbRed = static_cast<BYTE>(readByte());
        palette[i].rgbReserved = static_cast<BYTE>(readByte());
    }
    return 1;
}

int BmpImage::ensureLoaded()
{
    const int result = loadOnce([&] { return readHeaders(); });
    return result < 0 ? refuse(kCaption) : result;
}

int BmpImage::loadPixels()
{
    if (!ensureLoaded())
        return 0;
    if (header.bits())
        return 1;
    const long long bytes = static_cast<long long>(header.rowStride()) * header.header()->biHeight;
    if (!openFile())
        return 0;
    int read = header.allocateBits(bytes);
    if (read) {
        BlockLock lock(*header.bits());
        read = lock && readAt(pixelOffset(), lock.data(), bytes);
    }
    closeFile();
    if (!read) {
        header.freeBits();
        return refuse(kCaption);
    }
    return 1;
}

int BmpImage::getPixelSize(int& width, int& height) { return ensureLoaded() && pixelSize(width, height); }

int BmpImage::getSize(double& width, double& height)
{
    int w = 0, h = 0;
    if (!getPixelSize(w, h))
        return 0;
    pixelsToMillimetres(w, h, width, height);
    return 1;
}

int BmpImage::draw(DeviceContext& dc, const IntRect& target)
{
    if (!loadPixels())
        return 0;
    DibDrawer drawer;
    drawer.rop = SRCCOPY;
    return drawer.draw(dc, target, header);
}

int BmpImage::writePostScript(PsOutput& out, const DoubleRect& rect)
{
    PostScriptWriter* writer = postScriptWriterOf(out);
    if (!writer || !loadPixels())
        return 0;
    return writeDibPostScript(*this, *writer, rect);
}

int BmpImage::addPdfResource(PdfWriter& out, const DoubleRect& rect)
{
    return addDibPdfResource(*this, PdfImageRecord::kBmp, out, rect, [this] { return loadPixels(); });
}

int BmpImage::writePdfXObject(PdfImageResources& out, int index)
{
    return writeDibPdfXObject(*this, out, index, [this] { return loadPixels(); });
}
