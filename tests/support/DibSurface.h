#pragma once
#include <windows.h>

// A 24-bit DIB section selected into its own memory DC: drawing tests draw on `hdc` and read the
// pixels back from the bits (the null driver's window pixels are not to be trusted).
class DibSurface {
public:
    DibSurface(int width, int height, COLORREF background = RGB(255, 255, 255));
    ~DibSurface();
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    void fill(COLORREF color);
    // The pixel as a COLORREF; 0xFFFFFFFF outside the surface.
    COLORREF pixel(int x, int y) const;
    bool isInk(int x, int y, COLORREF background = RGB(255, 255, 255)) const { return pixel(x, y) != background; }
    // Pixels differing from the background inside [left, right) x [top, bottom).
    int inkCount(int left, int top, int right, int bottom, COLORREF background = RGB(255, 255, 255)) const;
    // The bounding box of those pixels over the whole surface; false when there are none.
    [[nodiscard]] bool inkBox(RECT& box, COLORREF background = RGB(255, 255, 255)) const;

    int width;
    int height;
    HDC hdc = nullptr;

private:
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    unsigned char* bits_ = nullptr;
    int stride_ = 0;
};
