#include "io/images/ImageReaderBase.h"

#include <cstring>
#include <new>

#include "document/DataFile.h"
#include "document/FileErrorReporter.h"
#include "geometry/DoubleRect.h"
#include "platform/BufferedFile.h"
#include "platform/DibDrawer.h"
#include "platform/FileName.h"
#include "platform/UnitConverter.h"

void ImageReaderBase::Placement::set(PsOutput& output, const DoubleRect& rect)
{
    out = &output;
    minX = rect.minX;
    minY = rect.minY;
    width = rect.width();
    height = rect.height();
    rect.getCornerArrays(xs, ys);
}

ImageReaderBase::ImageReaderBase() = default;

ImageReaderBase::~ImageReaderBase() { delete file; }

int ImageReaderBase::attach(const char* newPath)
{
    const char* text = newPath ? newPath : "";
    if (file && file->fileName() && std::strcmp(file->fileName()->getPath(), text) == 0)
        return 0;
    // A fresh holder: the old one's error (a missing file) belongs to the old name.
    delete file;
    file = new (std::nothrow) DataFile;
    if (file && (!file->createFileName() || !file->setPath(text))) {
        // A path that does not fit names no file: the first operation reports it.
        (void)file->setPath("");
    }
    dropDecoded();
    error = 0;
    return 1;
}

const char* ImageReaderBase::path() const
{
    return file && file->fileName() ? file->fileName()->getPath() : "";
}

int ImageReaderBase::openFile()
{
    if (error)
        return 0;
    if (!file) {
        // Never attached: a reader without a file has nothing to read.
        error = 1;
        return 0;
    }
    if (!file->openForRead()) {
        error = 1;
        return 0;
    }
    return 1;
}

void ImageReaderBase::closeFile()
{
    if (file)
        (void)file->close(); // opened for reading only: nothing to lose
}

long long ImageReaderBase::fileSize() const
{
    if (!file || !file->isOpen())
        return 0;
    return file->size();
}

int ImageReaderBase::seek(long long offset)
{
    if (!file || offset < 0 || offset > fileSize())
        return 0;
    return file->seek(static_cast<DWORD>(offset));
}

unsigned ImageReaderBase::readByte(unsigned fallback)
{
    unsigned char b = 0;
    return file && file->readByte(b) ? b : fallback;
}

unsigned ImageReaderBase::readWord(unsigned fallback)
{
    unsigned char b[2];
    if (!file || !file->readBytes(b, 2))
        return fallback;
    return static_cast<unsigned>(b[0] | b[1] << 8);
}

std::uint32_t ImageReaderBase::readLong(std::uint32_t fallback)
{
    unsigned char b[4];
    if (!file || !file->readBytes(b, 4))
        return fallback;
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

int ImageReaderBase::readAt(long long offset, void* to, long long n)
{
    if (!file || offset < 0 || n < 0 || offset + n > fileSize() || n > 0x7FFFFFFF)
        return 0;
    if (n < kDirectRead)
        return n == 0 || file->seekAndRead(static_cast<DWORD>(offset), to, static_cast<int>(n));
    // A pixel array goes from the file into the block in one read, past the block buffer.
    BufferedFile* f = file->file();
    if (!f || !f->seekAbsolute(static_cast<DWORD>(offset)))
        return 0;
    const DWORD before = f->bytesTransferred();
    return f->readBytes(to, static_cast<DWORD>(n)) && f->bytesTransferred() - before == static_cast<DWORD>(n);
}

int ImageReaderBase::refuse(const char* caption)
{
    error = 1;
    dropDecoded();
    if (report)
        theFileErrorReporter.report(FileErrorReporter::kWrongKind, kCannotProcess, caption);
    return 0;
}

int ImageReaderBase::checkImageSize(long long width, long long height, long long bytes, long long available)
{
    if (width < 1 || height < 1 || width > kMaxPixels || height > kMaxPixels)
        return 0;
    return width * height <= kMaxPixels && bytes >= 0 && bytes <= available;
}

int ImageReaderBase::pixelSize(int& width, int& height) const
{
    if (!loaded)
        return 0;
    const BITMAPINFOHEADER& h = *header.header();
    width = h.biWidth;
    height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    return 1;
}

void ImageReaderBase::pixelsToMillimetres(int width, int height, double& widthMm, double& heightMm)
{
    const UnitConverter units;
    widthMm = units.pointToMm(width);
    heightMm = units.pointToMm(height);
}

void ImageReaderBase::dropDecoded()
{
    header.freeBits();
    std::memset(header.prefix(), 0, DibHeaderBlock::kBytes);
    loaded = 0;
    placement.clear();
}

int ImageReaderBase::drawDecoded(DeviceContext& dc, const IntRect& target)
{
    DibDrawer drawer;
    drawer.rop = SRCCOPY;
    return drawer.draw(dc, target, header);
}

int ImageReaderBase::sizeFromPixels(int got, int width, int height, double& widthMm, double& heightMm)
{
    if (!got)
        return 0;
    pixelsToMillimetres(width, height, widthMm, heightMm);
    return 1;
}
