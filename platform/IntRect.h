#pragma once
#include <windows.h>

// A rectangle in device pixels, laid out as a Win32 RECT (left, top, right, bottom) so that it is
// handed to GDI as one. Not normalised: right < left is allowed.
struct IntRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    IntRect() = default;
    // The four-integer setters of the library take (top, left, right, bottom).
    void set(int newTop, int newLeft, int newRight, int newBottom)
    {
        top = newTop; left = newLeft; right = newRight; bottom = newBottom;
    }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    RECT* asRect() { return reinterpret_cast<RECT*>(this); }
    const RECT* asRect() const { return reinterpret_cast<const RECT*>(this); }
};
static_assert(sizeof(IntRect) == sizeof(RECT), "IntRect is handed to GDI as a RECT");
