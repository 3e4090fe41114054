#pragma once
// Stand-in until the GIF reader is built: what the DIB drawer reads of a GIF picture.
#include "platform/DibSource.h"
#include "platform/GlobalBlock.h"

// A GIF picture: its size, the depth it stores (bits per pixel less one), 256 palette entries of
// red, green and blue, and the pixel rows.
class GifImage : public IndexedDibSource {
public:
    [[nodiscard]] int imageWidth() const override { return width; }
    [[nodiscard]] int imageHeight() const override { return height; }
    [[nodiscard]] const void* lockPixels() override { return pixels.lock(); }
    void unlockPixels() override { pixels.unlock(); }
    [[nodiscard]] int depthValue() const override { return depth; }
    [[nodiscard]] const unsigned char* paletteTriples() const override { return palette; }

    int width = 0;
    int height = 0;
    int depth = 0;
    unsigned char palette[256 * 3] = {};
    GlobalBlock pixels;
};
