#include "tests/support/DibSurface.h"

DibSurface::DibSurface(int w, int h, COLORREF background) : width(w), height(h)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    hdc = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(hdc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<unsigned char*>(bits);
    stride_ = (width * 3 + 3) & ~3;
    previous_ = SelectObject(hdc, bitmap_);
    fill(background);
}

DibSurface::~DibSurface()
{
    SelectObject(hdc, previous_);
    DeleteObject(bitmap_);
    DeleteDC(hdc);
}

void DibSurface::fill(COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    RECT all = {0, 0, width, height};
    FillRect(hdc, &all, brush);
    DeleteObject(brush);
    GdiFlush();
}

COLORREF DibSurface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height || !bits_)
        return 0xFFFFFFFF;
    GdiFlush();
    const unsigned char* p = bits_ + y * stride_ + x * 3;
    return RGB(p[2], p[1], p[0]);
}

int DibSurface::inkCount(int left, int top, int right, int bottom, COLORREF background) const
{
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (pixel(x, y) != background && pixel(x, y) != 0xFFFFFFFF)
                ++n;
    return n;
}

bool DibSurface::inkBox(RECT& box, COLORREF background) const
{
    bool found = false;
    box = {width, height, -1, -1};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (pixel(x, y) == background)
                continue;
            found = true;
            if (x < box.left) box.left = x;
            if (y < box.top) box.top = y;
            if (x > box.right) box.right = x;
            if (y > box.bottom) box.bottom = y;
        }
    }
    return found;
}
