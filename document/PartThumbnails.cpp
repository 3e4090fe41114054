#include "document/PartThumbnails.h"

#include <cstdint>
#include <vector>

#include "platform/DeviceContext.h"
#include "platform/IntRect.h"

int PartThumbnails::resize(int n)
{
    if (n < 0)
        n = 0;
    const int32_t empty = kEmpty;
    const std::vector<unsigned char> blank(static_cast<size_t>(kBytes), 0xFF);
    states.count = 0;
    pictures.count = 0;
    if (!states.resizeFilled(n, &empty) || !pictures.resizeFilled(n, blank.data())) {
        states.count = 0;
        pictures.count = 0;
        return 0;
    }
    return 1;
}

int PartThumbnails::removeAt(int i)
{
    if (i < 0 || i >= count())
        return 0;
    return states.removeAt(i) && pictures.removeAt(i);
}

int PartThumbnails::state(int i)
{
    int32_t value = kEmpty;
    return i >= 0 && i < count() && states.get(i, &value) ? value : kEmpty;
}

int PartThumbnails::setState(int i, int value)
{
    const int32_t word = value;
    return i >= 0 && i < count() && states.put(i, &word);
}

int PartThumbnails::store(int i, const unsigned char* bits)
{
    if (!bits || i < 0 || i >= count() || !pictures.put(i, bits))
        return 0;
    return setState(i, kDrawn);
}

void PartThumbnails::markFailed(int i) { (void)setState(i, kFailed); } // outside the cache: nothing to mark

void PartThumbnails::describe(BITMAPINFO& info)
{
    info = BITMAPINFO();
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kSize;
    info.bmiHeader.biHeight = kSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
}

int PartThumbnails::draw(int i, DeviceContext& dc, const IntRect& cell)
{
    if (state(i) != kDrawn)
        return 0;
    BlockLock locked(pictures);
    if (!locked)
        return 0;
    BITMAPINFO info;
    describe(info);
    const int x = cell.left + (cell.width() - kSize) / 2;
    const int y = cell.top + (cell.height() - kSize) / 2;
    DcScope scope(dc);
    const unsigned char* bits = locked.data<unsigned char>() + static_cast<size_t>(i) * kBytes;
    return SetDIBitsToDevice(scope.hdc(), x, y, kSize, kSize, 0, 0, 0, kSize, bits, &info, DIB_RGB_COLORS) > 0;
}
