#pragma once
#include <windows.h>

// Images of the import readers as the DIB drawer reads them. The readers implement these; the
// drawer knows nothing else of them. Pixels are packed DIB rows (bottom-up, each a multiple of
// 4 bytes) of the image's width and height, locked for one draw and unlocked after it.
class DibPixelSource {
public:
    virtual ~DibPixelSource() = default;

    [[nodiscard]] virtual int imageWidth() const = 0;
    [[nodiscard]] virtual int imageHeight() const = 0;
    // The rows; null when they cannot be had (nothing is drawn then).
    [[nodiscard]] virtual const void* lockPixels() = 0;
    virtual void unlockPixels() = 0;
};

// An image with a palette of 256 (red, green, blue) triples, such as a GIF picture.
class IndexedDibSource : public DibPixelSource {
public:
    // The depth the image stores: its bits per pixel less one.
    [[nodiscard]] virtual int depthValue() const = 0;
    // 256 x 3 bytes: red, green, blue of each palette entry.
    [[nodiscard]] virtual const unsigned char* paletteTriples() const = 0;
};

// Rows of 24-bit pixels (blue, green, red), such as a decoded JPEG picture.
class RgbDibSource : public DibPixelSource {
};

// A bilevel, grey or mapped image as a scanner-oriented file holds it (TIFF).
class ScanDibSource : public DibPixelSource {
public:
    // 1 without a colour map draws inverted (a set bit is ink).
    [[nodiscard]] virtual int bitsPerPixel() const = 0;
    // Dots per inch.
    [[nodiscard]] virtual int xResolution() const = 0;
    [[nodiscard]] virtual int yResolution() const = 0;
    // The colour map: three planes of equal length (red, then green, then blue) of 16-bit values,
    // `colorMapCount` values in all; null or a count of 0 when the image has none.
    [[nodiscard]] virtual int colorMapCount() const = 0;
    [[nodiscard]] virtual const unsigned short* colorMap() const = 0;
};
