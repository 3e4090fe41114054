#include "platform/Bitmap.h"

#include "platform/Application.h"
#include "platform/IntRect.h"
#include "platform/MemoryDc.h"

namespace {
// GetDC / ReleaseDC for one scope.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), hdc_(GetDC(hwnd)) {}
    ~WindowDc()
    {
        if (hdc_)
            ReleaseDC(hwnd_, hdc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    [[nodiscard]] HDC hdc() const { return hdc_; }

private:
    HWND hwnd_;
    HDC hdc_;
};
} // namespace

void Bitmap::clear()
{
    hbitmap = nullptr;
    attached = 0;
}

void Bitmap::release()
{
    if (attached)
        hbitmap = nullptr;
    if (hbitmap)
        DeleteObject(hbitmap);
    hbitmap = nullptr;
}

void Bitmap::attach(HBITMAP h)
{
    release();
    hbitmap = h;
    attached = 1;
}

int Bitmap::getInfo()
{
    if (!hbitmap)
        return 0;
    return GetObjectA(hbitmap, sizeof info, &info) ? 1 : 0;
}

long long Bitmap::byteSize()
{
    if (!getInfo())
        return 0;
    return static_cast<long long>(info.bmWidthBytes) * info.bmHeight;
}

LONG Bitmap::getBits(LONG n, void* buffer) { return hbitmap ? GetBitmapBits(hbitmap, n, buffer) : 0; }

LONG Bitmap::setBits(LONG n, const void* buffer) { return hbitmap ? SetBitmapBits(hbitmap, n, buffer) : 0; }

int Bitmap::loadResource(int id)
{
    release();
    HINSTANCE instance = theApplication && theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
    hbitmap = id > 0 ? LoadBitmapA(instance, MAKEINTRESOURCEA(id)) : nullptr;
    // A loaded bitmap is this object's own, also after an earlier attach.
    attached = 0;
    return hbitmap != nullptr;
}

int Bitmap::measureResource(int id, IntRect& rect)
{
    int measured = loadResource(id) && getInfo();
    if (measured) {
        rect.setWidth(info.bmWidth);
        rect.setHeight(info.bmHeight);
    }
    release();
    return measured;
}

int Bitmap::drawResource(int id, HWND hwnd, const IntRect& rect)
{
    int drawn = loadResource(id) && drawBitmap(hbitmap, hwnd, rect);
    release();
    return drawn;
}

int Bitmap::drawBitmap(HBITMAP bitmap, HWND hwnd, const IntRect& rect)
{
    if (!bitmap)
        return 0;
    WindowDc window(hwnd);
    return drawBitmapOn(bitmap, window.hdc(), rect);
}

int Bitmap::drawResourceOn(int id, HDC target, const IntRect& rect)
{
    int drawn = loadResource(id) && drawBitmapOn(hbitmap, target, rect);
    release();
    return drawn;
}

int Bitmap::drawBitmapOn(HBITMAP bitmap, HDC target, const IntRect& rect)
{
    if (!bitmap || !target || !GetObjectA(bitmap, sizeof info, &info))
        return 0;
    MemoryDc memory(target);
    if (!memory.hdc() || !memory.select(bitmap))
        return 0;
    SetMapMode(memory.hdc(), GetMapMode(target));
    int w = naturalSize ? info.bmWidth : rect.width();
    int h = naturalSize ? info.bmHeight : rect.height();
    return StretchBlt(target, rect.left, rect.top, w, h, memory.hdc(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY)
               ? 1
               : 0;
}
