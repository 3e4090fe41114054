#pragma once
#include <windows.h>

class DeviceContext;
class DibHeaderBlock;
class DibImage;
class DibPixelSource;
class IndexedDibSource;
class RgbDibSource;
class ScanDibSource;
struct IntRect;

// Puts a raster image on a device context with StretchDIBits: each draw fills the BITMAPINFO for
// its source, stretches the whole source onto the target rectangle (device pixels) with
// `colorUse` and `rop`, and unlocks the source's pixels again. Every draw answers 1 when GDI drew
// rows, 0 when the pixels or the DC could not be had or GDI refused; nothing is reported.
class DibDrawer {
public:
    DibDrawer();

    [[nodiscard]] int draw(DeviceContext& dc, const IntRect& target, DibImage& image);
    // The block's header fields and all 256 palette entries, at 96 dots per inch.
    [[nodiscard]] int draw(DeviceContext& dc, const IntRect& target, DibHeaderBlock& block);
    // An image of 256 (red, green, blue) triples: biBitCount is its depth value + 1.
    [[nodiscard]] int draw(DeviceContext& dc, const IntRect& target, IndexedDibSource& image);
    [[nodiscard]] int draw(DeviceContext& dc, const IntRect& target, RgbDibSource& image);
    // setupFromScan, then the draw.
    [[nodiscard]] int draw(DeviceContext& dc, const IntRect& target, ScanDibSource& image);
    // Header, palette and raster operation for a scanned image: its width, height, depth and
    // resolution (dots per inch to pels per metre); NOTSRCCOPY for 1 bit per pixel without a
    // colour map, else SRCCOPY.
    // The palette is the image's colour map (at most 256 entries, the high byte of each 16-bit
    // value) or else a grey ramp, whose entry 1 is white for a 1-bit image.
    void setupFromScan(ScanDibSource& image);
    // Raw rows handed in by a reader: the header takes the band's width and height and keeps
    // everything else as the last setup left it; (srcX, srcY, srcWidth, srcHeight) is the part of
    // the band that is stretched onto the target.
    [[nodiscard]] int drawRows(DeviceContext& dc, const IntRect& target, const void* bits, const IntRect& band, int srcX,
                               int srcY, int srcWidth, int srcHeight);

    [[nodiscard]] BITMAPINFOHEADER& header() { return info_.header; }
    [[nodiscard]] RGBQUAD* palette() { return info_.palette; }

    int colorUse = DIB_RGB_COLORS;
    DWORD rop = SRCCOPY;

private:
    // biSize 40, one plane, BI_RGB, 96 dots per inch, no colour counts, the palette zeroed.
    void resetHeader(int width, int height, int bitCount);
    [[nodiscard]] int stretch(DeviceContext& dc, const IntRect& target, const void* bits, int srcX, int srcY,
                              int srcWidth, int srcHeight);
    [[nodiscard]] int drawLocked(DeviceContext& dc, const IntRect& target, DibPixelSource& image);

    struct {
        BITMAPINFOHEADER header;
        RGBQUAD palette[256];
    } info_;
};
