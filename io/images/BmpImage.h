#pragma once
#include "io/images/ImageReaderBase.h"

class DeviceContext;
class DoubleRect;
class PdfImageResources;
class PdfWriter;
class PsOutput;
struct IntRect;

// The reader of Windows bitmap files (picture kind 1, "BMAP"). The file's own DIB is the decoded
// form: the header and palette go into the header block (the prefix keeps the file header's
// fields: type, file size, two reserved words, pixel offset), the pixel array into the pixel
// block unchanged. Loading reads the header and palette only; the pixels are read at the first
// draw or output, in one read, and kept until another file is attached.
//
// Accepted: type "BM"; an info header of 40, 52, 56, 108 or 124 bytes, the palette right after
// it; width and height at least 1 (bottom-up rows); no compression; 1, 4, 8 or 24 bits per
// pixel, with 2, 16 or 256 palette entries read whatever the colours-used field says. Refused,
// with "処理できないファイルです。" captioned "BMAPエラー": any other type, OS/2 headers (12 bytes),
// top-down rows, RLE and bit fields, 16 and 32 bits, more than 2^28 pixels and pixel arrays that
// the file does not hold (a truncated file).
//
// Units: getSize gives millimetres (one pixel is one point); draw takes device pixels; the
// PostScript rectangle is paper millimetres, y downwards.
class BmpImage : public ImageReaderBase {
public:
    static constexpr const char* kCaption = "BMAPエラー";
    static constexpr unsigned kMagic = 19778; // "BM"

    // The member set of every reader (ImageReaderBase).
    void setSource(const char* path) { (void)attach(path); }
    // The header and palette, decoded once; 0 after an error.
    [[nodiscard]] int ensureLoaded();
    // The pixel array, read once after ensureLoaded; 0 when it cannot be read.
    [[nodiscard]] int loadPixels();
    [[nodiscard]] int getPixelSize(int& width, int& height);
    [[nodiscard]] int getSize(double& width, double& height);
    // Stretched into the device rectangle (SRCCOPY); 0 when the picture could not be had.
    [[nodiscard]] int draw(DeviceContext& dc, const IntRect& target);
    // The picture as a PostScript image (DibOutput.h); 0 without writing when the file cannot be
    // read, or at a failed write.
    [[nodiscard]] int writePostScript(PsOutput& out, const DoubleRect& rect);
    // The picture as an image of the running PDF export (DibOutput.h): registered once per file,
    // placed into the rectangle; its XObject written from the record's file.
    [[nodiscard]] int addPdfResource(PdfWriter& out, const DoubleRect& rect);
    [[nodiscard]] int writePdfXObject(PdfImageResources& out, int index);

    // The file header's fields as the prefix keeps them.
    [[nodiscard]] unsigned fileType() const;
    [[nodiscard]] std::uint32_t pixelOffset() const;

private:
    [[nodiscard]] int readHeaders();
};
