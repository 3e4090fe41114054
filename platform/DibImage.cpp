#include "platform/DibImage.h"

#include <climits>
#include <cstring>
#include <new>
#include <utility>

#include "platform/DeviceContext.h"
#include "platform/DibDrawer.h"
#include "platform/GlobalBlock.h"
#include "platform/IntRect.h"
#include "platform/OffscreenBitmap.h"
#include "platform/Window.h"

namespace {
// The header of bottom-up rows without a colour table.
BITMAPINFOHEADER rowsHeader(int width, int height, int bitCount)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bitCount);
    header.biCompression = BI_RGB;
    return header;
}

} // namespace

DibImage::~DibImage() { setPixelBlock(nullptr, 1); }

void DibImage::copyHeader(const DibImage& other)
{
    width = other.width;
    height = other.height;
    bitCount = other.bitCount;
    rowStride = other.rowStride;
    extra = other.extra;
}

void DibImage::setPixelBlock(GlobalBlock* block, int owned)
{
    if (pixels && ownsPixels && pixels != block)
        delete pixels;
    pixels = block;
    ownsPixels = owned ? 1 : 0;
}

GlobalBlock* DibImage::takePixelBlock()
{
    GlobalBlock* block = pixels;
    pixels = nullptr;
    ownsPixels = 1;
    return block;
}

int DibImage::createPixelBlock()
{
    setPixelBlock(nullptr, 1);
    pixels = new (std::nothrow) GlobalBlock;
    return pixels != nullptr;
}

long long DibImage::pixelBytes() const
{
    return pixels && pixels->handle ? static_cast<long long>(pixels->capacity) * pixels->elementSize : 0;
}

int DibImage::allocatePixels(int byteCount)
{
    if (byteCount < 0 || byteCount > INT_MAX - 128)
        return 0;
    if ((!pixels || !ownsPixels) && !createPixelBlock())
        return 0;
    pixels->elementSize = 1;
    pixels->growthStep = byteCount + 128;
    if (!pixels->allocate(1))
        return 0;
    pixels->count = byteCount;
    return 1;
}

int DibImage::freePixels()
{
    if (pixels && !ownsPixels)
        return 0;
    setPixelBlock(nullptr, 1);
    return 1;
}

unsigned char* DibImage::lockPixels() { return pixels ? static_cast<unsigned char*>(pixels->lock()) : nullptr; }

void DibImage::unlockPixels()
{
    if (pixels)
        pixels->unlock();
}

unsigned char* DibImage::rowAddress(int row, unsigned char* base) const
{
    if (!base || row < 0 || row >= height || rowStride < 1)
        return nullptr;
    long long offset = static_cast<long long>(row) * rowStride;
    if (offset + rowStride > pixelBytes())
        return nullptr;
    return base + offset;
}

int DibImage::setRow(int row, const void* bytes) { return setRowFromRgb(row, bytes, 2); }

int DibImage::setRowFromRgb(int row, const void* bytes, int mode)
{
    if (!bytes || !pixels)
        return 0;
    BlockLock lock(*pixels);
    unsigned char* target = rowAddress(row, lock.data<unsigned char>());
    if (!target)
        return 0;
    std::memcpy(target, bytes, static_cast<size_t>(rowStride));
    if (mode != 2)
        for (int i = 0; i + 3 <= rowStride; i += 3)
            std::swap(target[i], target[i + 2]);
    return 1;
}

int DibImage::getRow(int row, void* buffer)
{
    if (!buffer || !pixels)
        return 0;
    BlockLock lock(*pixels);
    const unsigned char* source = rowAddress(row, lock.data<unsigned char>());
    if (!source)
        return 0;
    std::memcpy(buffer, source, static_cast<size_t>(rowStride));
    return 1;
}

int DibImage::getRowRgb(int row, void* buffer)
{
    if (!getRow(row, buffer))
        return 0;
    auto* bytes = static_cast<unsigned char*>(buffer);
    for (int i = 0; i + 3 <= rowStride; i += 3)
        std::swap(bytes[i], bytes[i + 2]);
    return 1;
}

HGLOBAL DibImage::toDib() const
{
    if (bitCount != 16 && bitCount != 24 && bitCount != 32)
        return nullptr;
    long long bytes = static_cast<long long>(rowStride) * height;
    if (width < 1 || height < 1 || rowStride < 1 || bytes > INT_MAX || bytes > pixelBytes())
        return nullptr;
    HGLOBAL dib = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(bytes) + 41);
    if (!dib)
        return nullptr;
    auto* target = static_cast<unsigned char*>(GlobalLock(dib));
    void* source = target ? pixels->lock() : nullptr;
    if (!source) {
        if (target)
            GlobalUnlock(dib);
        GlobalFree(dib);
        return nullptr;
    }
    BITMAPINFOHEADER header = rowsHeader(width, height, bitCount);
    header.biSizeImage = static_cast<DWORD>(bytes);
    std::memcpy(target, &header, sizeof header);
    std::memcpy(target + sizeof header, source, static_cast<size_t>(bytes));
    pixels->unlock();
    GlobalUnlock(dib);
    return dib;
}

int DibImage::draw(Window* window, const IntRect& target) { return window ? draw(window->dc, target) : 0; }

int DibImage::draw(DeviceContext& dc, const IntRect& target)
{
    DibDrawer drawer;
    return drawer.draw(dc, target, *this);
}

int DibImage::captureWindowRect(Window* window, const IntRect& rect)
{
    const int w = rect.width(), h = rect.height();
    if (!window || w < 1 || h < 1 || static_cast<long long>(w) * h > kMaxPixels)
        return 0;
    IntRect own;
    own.setWidth(w);
    own.setHeight(h);
    OffscreenBitmap capture;
    if (!capture.createSized(own, window))
        return 0;
    {
        DcScope from(window->dc);
        DcScope to(capture.dc);
        if (!from.hdc() || !to.hdc() ||
            !StretchBlt(to.hdc(), 0, 0, w, h, from.hdc(), rect.left, rect.top, w, h, SRCCOPY))
            return 0;
    }
    // Read back as 24-bit bottom-up rows, whatever the screen's depth.
    const int stride = strideFor24Bits(w);
    const long long bytes = static_cast<long long>(stride) * h;
    auto* block = new (std::nothrow) GlobalBlock(static_cast<int>(bytes) + 128, 1);
    if (!block || !block->allocate(1)) {
        delete block;
        return 0;
    }
    BITMAPINFO info = {};
    info.bmiHeader = rowsHeader(w, h, 24);
    int rows = 0;
    {
        BlockLock target(*block);
        DcScope own(capture.dc);
        if (target)
            rows = GetDIBits(own.hdc(), capture.hbitmap, 0, static_cast<UINT>(h), target.data(), &info,
                             DIB_RGB_COLORS);
    }
    if (rows != h) {
        delete block;
        return 0;
    }
    block->count = static_cast<int>(bytes);
    setPixelBlock(block, 1);
    width = w;
    height = h;
    bitCount = 24;
    rowStride = stride;
    return 1;
}

int DibImage::paintInto(Window* window, const IntRect& target) { return drawScaled(nullptr, window, target); }

int DibImage::drawScaled(OffscreenBitmap* work, Window* target, const IntRect& rect)
{
    if (!target || !pixels || width < 1 || height < 1)
        return 0;
    OffscreenBitmap local;
    OffscreenBitmap& offscreen = work ? *work : local;
    IntRect own;
    own.setWidth(width);
    own.setHeight(height);
    if (!offscreen.createSized(own, target) || !draw(offscreen.dc, own))
        return 0;
    return offscreen.stretchTo(own, target, rect);
}
