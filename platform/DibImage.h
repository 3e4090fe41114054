#pragma once
#include <cstddef>
#include <cstdint>
#include <windows.h>

class DeviceContext;
class GlobalBlock;
class OffscreenBitmap;
class Window;
struct IntRect;

// A raster image as rows of pixels in a global block: the image of bitmap elements, of bitmaps
// pasted and copied through the clipboard (CF_DIB), of window captures and of the PostScript and
// PDF writers. Rows are stored bottom-up as in a DIB and are 24-bit (blue, green, red) after
// every load and capture; a row is `rowStride` bytes, ((width + 1) x 3) / 4 x 4 for 24 bits.
//
// The pixel block is freed with the image unless it was handed in as borrowed (ownsPixels 0).
class DibImage {
public:
    // Images of more pixels than this are refused when loaded or captured.
    static constexpr long long kMaxPixels = 1LL << 28;

    DibImage() = default;
    ~DibImage();
    DibImage(const DibImage&) = delete;
    DibImage& operator=(const DibImage&) = delete;

    // The five header words.
    void copyHeader(const DibImage& other);
    void setRowStride(int stride) { rowStride = stride; }
    [[nodiscard]] int getBitDepth() const { return bitCount; }
    [[nodiscard]] int getRowStride() const { return rowStride; }
    // The 24-bit row stride of a width.
    [[nodiscard]] static int strideFor24Bits(int width) { return (width + 1) * 3 / 4 * 4; }

    // Frees the old block and makes a new empty one (it owns it); 0 when none could be made.
    [[nodiscard]] int createPixelBlock();
    // Allocates the block for byteCount bytes (an own one: a borrowed block is let go first);
    // the user sees "メモリーが一杯です" when that fails.
    [[nodiscard]] int allocatePixels(int byteCount);
    // 1 when the block was freed or there was none; 0, keeping it, when it is borrowed.
    [[nodiscard]] int freePixels();
    // The bytes the pixel block holds (0 without one), whatever the header says.
    [[nodiscard]] long long pixelBytes() const;
    // The block's bytes until unlockPixels; null without pixels.
    [[nodiscard]] unsigned char* lockPixels();
    void unlockPixels();
    // Takes a block: owned (freed with the image) or borrowed (left alone). The block held
    // before is freed when it was owned.
    void setPixelBlock(GlobalBlock* block, int owned);
    // Gives the block up to the caller (who then owns it when the image did); null when none.
    [[nodiscard]] GlobalBlock* takePixelBlock();

    // Reads a packed DIB (BITMAPINFOHEADER or a later header, colour table, pixels) of 4, 8, 16,
    // 24 or 32 bits per pixel into 24-bit rows. Every size is checked against the data before it
    // is read or allocated; 1-bit, compressed, damaged or over-large images are refused with the
    // error box "ビットマップの読み込みに失敗しました" and leave the image as it was.
    [[nodiscard]] int loadFromDib(HGLOBAL dib);
    // The same for `size` bytes at `data`.
    [[nodiscard]] int loadFromDibBytes(const void* data, size_t size);
    // A new packed DIB (BITMAPINFOHEADER, then the rows) in a moveable global block for 16, 24 or
    // 32 bits; null for other depths or when it cannot be allocated.
    [[nodiscard]] HGLOBAL toDib() const;

    // Row access by stored row index (0 = bottom); each copies rowStride bytes and answers 0 for
    // a row outside the image or without pixels.
    [[nodiscard]] int setRow(int row, const void* bytes);
    // Mode 2 copies the bytes unchanged (blue, green, red); any other mode takes them as red,
    // green, blue and swaps the first and third byte of every 3-byte group.
    [[nodiscard]] int setRowFromRgb(int row, const void* bytes, int mode);
    [[nodiscard]] int getRow(int row, void* buffer);
    // The row with the first and third byte of each of its rowStride / 3 groups exchanged, so the
    // filler bytes at the end of a row count as a group when there are three of them.
    [[nodiscard]] int getRowRgb(int row, void* buffer);

    // StretchDIBits of the whole image onto the rectangle.
    [[nodiscard]] int draw(Window* window, const IntRect& target);
    [[nodiscard]] int draw(DeviceContext& dc, const IntRect& target);
    // Copies a rectangle of the window (device pixels) into the image as 24-bit rows.
    [[nodiscard]] int captureWindowRect(Window* window, const IntRect& rect);
    // Writes the image into an off-screen bitmap of its own size and stretches that onto the
    // target rectangle; drawScaled uses the caller's off-screen bitmap when one is given.
    [[nodiscard]] int paintInto(Window* window, const IntRect& target);
    [[nodiscard]] int drawScaled(OffscreenBitmap* work, Window* target, const IntRect& rect);

    // The same for every image that shows the same pixel block (also a temporary image that
    // borrows an element's raster), so that writers can tell rasters apart between passes; 0
    // without pixels.
    [[nodiscard]] uintptr_t identityKey() const { return reinterpret_cast<uintptr_t>(pixels); }
    // Rows are 24-bit, so the image carries no colour table; writers that ask get none.
    [[nodiscard]] int colorTableSize() const { return 0; }

    int width = 0;
    int height = 0;
    int bitCount = 0;
    int rowStride = 0;
    int extra = 0;
    int ownsPixels = 1;
    GlobalBlock* pixels = nullptr;

private:
    [[nodiscard]] unsigned char* rowAddress(int row, unsigned char* base) const;
};
