// Loading packed DIBs (the clipboard's CF_DIB) into 24-bit rows: 4000 x 3000 pixels at 8 and at
// 32 bits per pixel, in megapixels per second.
#include <cstdio>
#include <cstring>
#include <windows.h>

#include "BenchHarness.h"
#include "platform/DibImage.h"

namespace {
const int kWidth = 4000;
const int kHeight = 3000;

// A packed DIB of the size with a full colour table for 8 bits; the pixels are a pattern.
HGLOBAL makeDib(int bitCount)
{
    const int colors = bitCount == 8 ? 256 : 0;
    const size_t stride = (static_cast<size_t>(kWidth) * bitCount + 31) / 32 * 4;
    const size_t bytes = sizeof(BITMAPINFOHEADER) + colors * sizeof(RGBQUAD) + stride * kHeight;
    HGLOBAL dib = GlobalAlloc(GMEM_MOVEABLE, bytes);
    auto* data = static_cast<unsigned char*>(dib ? GlobalLock(dib) : nullptr);
    if (!data)
        return nullptr;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = kWidth;
    header.biHeight = kHeight;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bitCount);
    header.biCompression = BI_RGB;
    std::memcpy(data, &header, sizeof header);
    unsigned char* p = data + sizeof header;
    for (int i = 0; i < colors; ++i, p += 4) {
        p[0] = static_cast<unsigned char>(i);
        p[1] = static_cast<unsigned char>(255 - i);
        p[2] = static_cast<unsigned char>(i * 7);
        p[3] = 0;
    }
    for (size_t i = 0; i < stride * kHeight; ++i)
        p[i] = static_cast<unsigned char>(i * 31 + (i >> 9));
    GlobalUnlock(dib);
    return dib;
}
} // namespace

int main()
{
    const double megapixels = static_cast<double>(kWidth) * kHeight / 1e6;
    for (int bitCount : {8, 32}) {
        HGLOBAL dib = makeDib(bitCount);
        if (!dib) {
            std::printf("no memory for the %d-bit DIB\n", bitCount);
            return 1;
        }
        char name[64];
        std::snprintf(name, sizeof name, "loadFromDib 4000 x 3000 at %d bits", bitCount);
        BenchResult result = runBenchmark(name, [&] {
            DibImage image;
            if (!image.loadFromDib(dib))
                std::printf("?");
        }, 9);
        printRate(result, megapixels, "MP/s");
        GlobalFree(dib);
    }
    return 0;
}
