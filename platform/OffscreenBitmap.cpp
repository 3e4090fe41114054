#include "platform/OffscreenBitmap.h"

namespace {
const int kOffscreenBitmapKind = 3;
} // namespace

OffscreenBitmap::OffscreenBitmap() { dc.kind = kOffscreenBitmapKind; }

OffscreenBitmap::~OffscreenBitmap() { destroy(); }

int OffscreenBitmap::create(Window* window)
{
    IntRect screen;
    screen.setWidth(GetSystemMetrics(SM_CXSCREEN));
    screen.setHeight(GetSystemMetrics(SM_CYSCREEN));
    return createSized(screen, window);
}

int OffscreenBitmap::createSized(const IntRect& rect, Window* window)
{
    destroy();
    size = rect;
    if (rect.width() < 1 || rect.height() < 1)
        return 0;
    Window screen;
    DcScope model(window ? window->dc : screen.dc);
    if (!model.hdc() || !dc.createMemoryDc())
        return 0;
    hbitmap = CreateCompatibleBitmap(model.hdc(), rect.width(), rect.height());
    HGDIOBJ previous = hbitmap ? SelectObject(dc.hdc, hbitmap) : nullptr;
    if (!previous || previous == HGDI_ERROR) {
        destroy();
        return 0;
    }
    created = 1;
    return 1;
}

int OffscreenBitmap::stretchTo(const IntRect& sourceRect, Window* target, const IntRect& destRect)
{
    if (!created || !target)
        return 0;
    DcScope to(target->dc);
    if (!to.hdc())
        return 0;
    return StretchBlt(to.hdc(), destRect.left, destRect.top, destRect.width(), destRect.height(), dc.hdc,
                      sourceRect.left, sourceRect.top, sourceRect.width(), sourceRect.height(), SRCCOPY)
               ? 1
               : 0;
}

void OffscreenBitmap::erase()
{
    if (created)
        eraseRect(size);
}

void OffscreenBitmap::destroy()
{
    // The DC goes first: deleting it lets go of the bitmap, which can then be deleted.
    dc.deleteMemoryDc();
    created = 0;
    if (hbitmap)
        DeleteObject(hbitmap);
    hbitmap = nullptr;
}
