#pragma once
#include <string>
#include <vector>
#include <windows.h>

// Test pictures made in code: the source pictures ImageMagick is given, and packed DIBs of the
// layouts ImageMagick does not write (short colour tables, bit fields after a 40-byte header,
// V4 headers, top-down rows, 16- and 32-bit pixels without masks).
namespace dib_samples {

// A picture of `colors` distinct colours (0: a different colour almost everywhere) as
// top-down rows of red, green, blue.
struct Picture {
    int width;
    int height;
    std::vector<unsigned char> rgb;
    [[nodiscard]] const unsigned char* at(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};
[[nodiscard]] Picture makePicture(int width, int height, int colors);
// The picture as a binary PPM file.
[[nodiscard]] std::string ppmFile(const Picture& picture);

struct DibLayout {
    const char* name;
    int width;
    int height;
    int colors;        // of the picture; also the colour table's length for 4 and 8 bits
    int bitCount;
    int headerSize;    // 40, 108 or 124
    DWORD masks[3];    // red, green, blue; all 0: BI_RGB
    int topDown;
};
// The packed DIB (header, masks after a 40-byte header, colour table, rows) of the picture.
[[nodiscard]] std::string makeDib(const DibLayout& layout);
// A BMP file: the file header, then the DIB.
[[nodiscard]] std::string bmpFile(const std::string& dib);

// The layouts the tests load, fuzz and compare with ImageMagick's reading of them.
[[nodiscard]] const std::vector<DibLayout>& generatedLayouts();

} // namespace dib_samples
