#pragma once
// Stand-in until the TIFF reader is built: what the DIB drawer reads of a TIFF picture.
#include "platform/DibSource.h"
#include "platform/GlobalBlock.h"

// A TIFF picture: its size, depth, resolution (dots per inch), an optional colour map of three
// planes of 16-bit values, and the pixel rows.
class TiffImage : public ScanDibSource {
public:
    [[nodiscard]] int imageWidth() const override { return width; }
    [[nodiscard]] int imageHeight() const override { return height; }
    [[nodiscard]] const void* lockPixels() override { return pixels.lock(); }
    void unlockPixels() override { pixels.unlock(); }
    [[nodiscard]] int bitsPerPixel() const override { return bitCount; }
    [[nodiscard]] int xResolution() const override { return xDotsPerInch; }
    [[nodiscard]] int yResolution() const override { return yDotsPerInch; }
    [[nodiscard]] int colorMapCount() const override { return mapCount; }
    [[nodiscard]] const unsigned short* colorMap() const override { return map; }

    int width = 0;
    int height = 0;
    int bitCount = 1;
    int xDotsPerInch = 0;
    int yDotsPerInch = 0;
    int mapCount = 0;
    const unsigned short* map = nullptr;   // the caller's, or null
    GlobalBlock pixels;
};
