#pragma once
// Stand-in until the JPEG reader is built: what the DIB drawer reads of a decoded JPEG picture.
#include "platform/DibSource.h"
#include "platform/GlobalBlock.h"

// A decoded JPEG picture: its size and its 24-bit rows.
class JpegImage : public RgbDibSource {
public:
    [[nodiscard]] int imageWidth() const override { return width; }
    [[nodiscard]] int imageHeight() const override { return height; }
    [[nodiscard]] const void* lockPixels() override { return pixels.lock(); }
    void unlockPixels() override { pixels.unlock(); }

    int width = 0;
    int height = 0;
    GlobalBlock pixels;
};
