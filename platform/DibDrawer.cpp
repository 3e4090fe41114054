#include "platform/DibDrawer.h"

#include <cstring>

#include "platform/DeviceContext.h"
#include "platform/DibHeaderBlock.h"
#include "platform/DibImage.h"
#include "platform/DibSource.h"
#include "platform/GlobalBlock.h"
#include "platform/IntRect.h"

namespace {
// 96 dots per inch.
const LONG kScreenPelsPerMetre = 3780;

LONG pelsPerMetre(int dotsPerInch) { return static_cast<LONG>(static_cast<long long>(dotsPerInch) * 10000 / 254); }
} // namespace

DibDrawer::DibDrawer() { resetHeader(0, 0, 0); }

void DibDrawer::resetHeader(int width, int height, int bitCount)
{
    std::memset(&info_, 0, sizeof info_);
    info_.header.biSize = sizeof(BITMAPINFOHEADER);
    info_.header.biWidth = width;
    info_.header.biHeight = height;
    info_.header.biPlanes = 1;
    info_.header.biBitCount = static_cast<WORD>(bitCount);
    info_.header.biCompression = BI_RGB;
    info_.header.biXPelsPerMeter = kScreenPelsPerMetre;
    info_.header.biYPelsPerMeter = kScreenPelsPerMetre;
}

int DibDrawer::stretch(DeviceContext& dc, const IntRect& target, const void* bits, int srcX, int srcY, int srcWidth,
                       int srcHeight)
{
    if (!bits)
        return 0;
    DcScope scope(dc);
    if (!scope.hdc())
        return 0;
    // A shrunk colour picture drops the rows and columns it has no room for. The device context's
    // default mode would AND them into their neighbours, which draws dark lines across it; a
    // two-level picture keeps that mode, which keeps its black strokes.
    const int oldMode = info_.header.biBitCount > 1 ? SetStretchBltMode(scope.hdc(), COLORONCOLOR) : 0;
    int rows = StretchDIBits(scope.hdc(), target.left, target.top, target.width(), target.height(), srcX, srcY,
                             srcWidth, srcHeight, bits, reinterpret_cast<const BITMAPINFO*>(&info_),
                             static_cast<UINT>(colorUse), rop);
    if (oldMode)
        SetStretchBltMode(scope.hdc(), oldMode);
    return rows > 0 && rows != static_cast<int>(GDI_ERROR);
}

int DibDrawer::drawLocked(DeviceContext& dc, const IntRect& target, DibPixelSource& image)
{
    const void* bits = image.lockPixels();
    if (!bits)
        return 0;
    int drawn = stretch(dc, target, bits, 0, 0, image.imageWidth(), image.imageHeight());
    image.unlockPixels();
    return drawn;
}

int DibDrawer::draw(DeviceContext& dc, const IntRect& target, DibImage& image)
{
    resetHeader(image.width, image.height, image.getBitDepth());
    info_.header.biSizeImage = static_cast<DWORD>(static_cast<long long>(image.getRowStride()) * image.height);
    // GDI reads the rows its own stride gives for the width and depth: never more than the block.
    const long long gdiStride = (static_cast<long long>(image.width) * image.getBitDepth() + 31) / 32 * 4;
    if (image.width < 1 || image.height < 1 || gdiStride * image.height > image.pixelBytes())
        return 0;
    const unsigned char* bits = image.lockPixels();
    if (!bits)
        return 0;
    int drawn = stretch(dc, target, bits, 0, 0, image.width, image.height);
    image.unlockPixels();
    return drawn;
}

int DibDrawer::draw(DeviceContext& dc, const IntRect& target, DibHeaderBlock& block)
{
    const BITMAPINFOHEADER& source = *block.header();
    resetHeader(source.biWidth, source.biHeight, source.biBitCount);
    info_.header.biPlanes = source.biPlanes;
    info_.header.biCompression = source.biCompression;
    info_.header.biSizeImage = source.biSizeImage;
    info_.header.biClrUsed = source.biClrUsed;
    info_.header.biClrImportant = source.biClrImportant;
    std::memcpy(info_.palette, block.palette(), sizeof info_.palette);
    GlobalBlock* pixels = block.bits();
    if (!pixels)
        return 0;
    BlockLock bits(*pixels);
    if (!bits)
        return 0;
    // A top-down header describes its rows with a negative height; the source rectangle counts
    // them upwards from 0 either way.
    int rows = source.biHeight < 0 ? -source.biHeight : source.biHeight;
    return stretch(dc, target, bits.data(), 0, 0, source.biWidth, rows);
}

int DibDrawer::draw(DeviceContext& dc, const IntRect& target, IndexedDibSource& image)
{
    resetHeader(image.imageWidth(), image.imageHeight(), image.depthValue() + 1);
    const unsigned char* triples = image.paletteTriples();
    if (triples) {
        for (int i = 0; i < 256; ++i) {
            info_.palette[i].rgbRed = triples[3 * i];
            info_.palette[i].rgbGreen = triples[3 * i + 1];
            info_.palette[i].rgbBlue = triples[3 * i + 2];
        }
    }
    return drawLocked(dc, target, image);
}

int DibDrawer::draw(DeviceContext& dc, const IntRect& target, RgbDibSource& image)
{
    resetHeader(image.imageWidth(), image.imageHeight(), 24);
    return drawLocked(dc, target, image);
}

int DibDrawer::draw(DeviceContext& dc, const IntRect& target, ScanDibSource& image)
{
    setupFromScan(image);
    return drawLocked(dc, target, image);
}

void DibDrawer::setupFromScan(ScanDibSource& image)
{
    int depth = image.bitsPerPixel();
    resetHeader(image.imageWidth(), image.imageHeight(), depth);
    info_.header.biXPelsPerMeter = pelsPerMetre(image.xResolution());
    info_.header.biYPelsPerMeter = pelsPerMetre(image.yResolution());
    const unsigned short* map = image.colorMap();
    int count = image.colorMapCount();
    const bool mapped = map && count > 0;
    // A bilevel picture's set bits are ink; a colour-mapped one shows each pixel in its colour.
    rop = depth == 1 && !mapped ? NOTSRCCOPY : SRCCOPY;

    if (mapped) {
        // Three planes; a map longer than the palette (a corrupt one, or one of 16-bit samples)
        // gives its first 256 entries.
        int plane = count / 3;
        int entries = plane < 256 ? plane : 256;
        for (int i = 0; i < entries; ++i) {
            info_.palette[i].rgbRed = static_cast<BYTE>(map[i] >> 8);
            info_.palette[i].rgbGreen = static_cast<BYTE>(map[plane + i] >> 8);
            info_.palette[i].rgbBlue = static_cast<BYTE>(map[2 * plane + i] >> 8);
        }
    } else {
        for (int i = 0; i < 256; ++i) {
            BYTE grey = static_cast<BYTE>(i);
            info_.palette[i] = {grey, grey, grey, 0};
        }
        if (depth == 1)
            info_.palette[1] = {255, 255, 255, 0};
    }
}

int DibDrawer::drawRows(DeviceContext& dc, const IntRect& target, const void* bits, const IntRect& band, int srcX,
                        int srcY, int srcWidth, int srcHeight)
{
    info_.header.biWidth = band.width();
    info_.header.biHeight = band.height();
    return stretch(dc, target, bits, srcX, srcY, srcWidth, srcHeight);
}
