#include "views/ThumbnailCache.h"

#include <cstdint>
#include <cstring>

#include "platform/OffscreenBitmap.h"

void ThumbnailCache::setArea(const IntRect& area)
{
    const IntRect at = IntRect::fromEdges(0, 0, area.width(), area.height());
    if (at.width() == imageRect.width() && at.height() == imageRect.height())
        return;
    imageRect = at;
    reset();
}

int ThumbnailCache::grow(int n)
{
    if (n <= valid.count)
        return 1;
    if (!pixels.reserve(n, 0) || !valid.reserve(n, 0))
        return 0;
    pixels.setCountAtLeast(n);
    const int32_t cleared = 0;
    return valid.resizeFilled(n, &cleared);
}

void ThumbnailCache::setFlag(int n, int flag)
{
    const int32_t value = flag;
    (void)valid.put(n - 1, &value); // only for entries that exist
}

int ThumbnailCache::isValid(int n)
{
    int32_t flag = 0;
    return n >= 1 && n <= valid.count && valid.get(n - 1, &flag) && flag == 1;
}

int ThumbnailCache::exchange(int n, int intoEntry)
{
    const long long bytes = static_cast<long long>(image.getRowStride()) * image.height;
    if (bytes < 1 || bytes > kBytesPerThumb || bytes > image.pixelBytes())
        return 0;
    BlockLock entries(pixels);
    unsigned char* rows = image.lockPixels();
    if (entries && rows) {
        unsigned char* entry = entries.data<unsigned char>() + static_cast<size_t>(n - 1) * kBytesPerThumb;
        if (intoEntry)
            std::memcpy(entry, rows, static_cast<size_t>(bytes));
        else
            std::memcpy(rows, entry, static_cast<size_t>(bytes));
    }
    if (rows)
        image.unlockPixels();
    return entries && rows;
}

int ThumbnailCache::capture(int n, OffscreenBitmap& bitmap)
{
    if (n < 1 || !bitmap.created || !grow(n))
        return 0;
    setFlag(n, 0);
    if (!image.captureWindowRect(&bitmap, imageRect) || !exchange(n, 1))
        return 0;
    setFlag(n, 1);
    return 1;
}

int ThumbnailCache::restore(int n, OffscreenBitmap& bitmap)
{
    if (!isValid(n) || !bitmap.created || !exchange(n, 0))
        return 0;
    return image.draw(bitmap.dc, imageRect);
}

void ThumbnailCache::invalidate(int first, int last)
{
    if (first < 1)
        first = 1;
    if (last < 1 || last > valid.count)
        last = valid.count;
    for (int n = first; n <= last; ++n)
        setFlag(n, 0);
}

void ThumbnailCache::reset()
{
    pixels.count = 0;
    valid.count = 0;
}
