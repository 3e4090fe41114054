#pragma once
#include <windows.h>

struct IntRect;

// A device-dependent bitmap, mostly a bitmap resource of the program (toolbar pictures): measured,
// its bits read and written, blitted into a window. A handle handed in with attach() stays its
// owner's and is only forgotten; a handle this object loaded is deleted by release(). Operations
// without a bitmap or whose GDI calls fail answer 0 and draw nothing.
class Bitmap {
public:
    Bitmap() = default;
    ~Bitmap() { release(); }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    // Forgets the handle and the attached flag without deleting anything.
    void clear();
    // An attached handle is forgotten, an own one deleted; `attached` stays as it is.
    void release();
    // Releases, then holds h without owning it.
    void attach(HBITMAP h);

    // GetObjectA into `info`.
    [[nodiscard]] int getInfo();
    // bmWidthBytes x bmHeight.
    [[nodiscard]] long long byteSize();
    // GetBitmapBits / SetBitmapBits of n bytes: the bytes copied.
    [[nodiscard]] LONG getBits(LONG n, void* buffer);
    [[nodiscard]] LONG setBits(LONG n, const void* buffer);

    // Loads bitmap resource `id` of the program and holds it as its own; 0 when it is missing.
    [[nodiscard]] int loadResource(int id);
    // The resource's width and height into the rectangle (its corner stays); the bitmap is
    // released again.
    [[nodiscard]] int measureResource(int id, IntRect& rect);
    // Loads the resource, draws it with drawBitmap and releases it.
    [[nodiscard]] int drawResource(int id, HWND hwnd, const IntRect& rect);
    // Stretches the bitmap onto the rectangle of the window's DC (at the bitmap's own size when
    // `naturalSize` is set), through a memory DC in the window DC's map mode.
    [[nodiscard]] int drawBitmap(HBITMAP bitmap, HWND hwnd, const IntRect& rect);
    // The same two on a device context the caller holds.
    [[nodiscard]] int drawResourceOn(int id, HDC target, const IntRect& rect);
    [[nodiscard]] int drawBitmapOn(HBITMAP bitmap, HDC target, const IntRect& rect);

    int naturalSize = 0;
    BITMAP info = {};
    HBITMAP hbitmap = nullptr;
    int attached = 0;
};
