#pragma once
#include <windows.h>

#include "platform/IntRect.h"
#include "platform/Window.h"

// A window object without a window whose device context draws into a memory bitmap, as large as
// the screen unless sized otherwise: the views paint a page into it and then copy (or stretch)
// rectangles of it onto their window, which avoids flicker. Its device context is of kind 3.
class OffscreenBitmap : public Window {
public:
    OffscreenBitmap();
    ~OffscreenBitmap() override;

    // createSized with the screen rectangle.
    [[nodiscard]] int create(Window* window);
    // A memory DC with a bitmap of the rectangle's size, compatible with the window's DC (the
    // screen's without a window); the bitmap made before goes. 0 when none could be made.
    [[nodiscard]] int createSized(const IntRect& rect, Window* window);
    // StretchBlt of sourceRect of the bitmap onto destRect of the target's DC; 0 when nothing
    // was created or GDI refused.
    [[nodiscard]] int stretchTo(const IntRect& sourceRect, Window* target, const IntRect& destRect);
    // Fills the whole bitmap white.
    void erase();
    // Deletes the memory DC and the bitmap.
    void destroy();

    IntRect size;
    int created = 0;
    HBITMAP hbitmap = nullptr;
};
