#pragma once
#include "io/images/ImageReaderBase.h"
#include "io/images/TiffDecoderBase.h"

class DeviceContext;
class DoubleRect;
class PdfImageResources;
class PdfWriter;
class PsOutput;
struct IntRect;

// The reader of TIFF files (picture kind 5, "TIFF") and of the TIFF previews inside EPS files
// (startOffset: where the TIFF data begins; every offset of the file's structure counts from
// there). Loading reads the header and the first directory only; a multi-page file is placed
// with its first image.
//
// Accepted: "II" or "MM" byte order, version 42; one image of uncompressed or PackBits strips;
// 1-bit and 8-bit grey (photometric 0 or 1), 1-bit and 8-bit with a colour map, 8-bit grey with
// a second sample, 24-bit RGB, 32-bit CMYK or RGBA, every sample 8 bits (1 bit for one sample),
// chunky samples; resolutions of at least 16 dots per unit. Refused, with "処理できないファイルです。"
// captioned "TIFFエラー": LZW and every other compression, 16-bit samples, planar configuration
// 2, other photometric interpretations of RGB samples, directories of no or more than 200
// entries, strips that lie beyond the file or fewer than the rows need, more than 2^28 pixels.
//
// Drawing decodes the strips into DIB rows and draws them band by band (rowsPerBand). A picture
// whose rows take at most kKeepBytes (and fit the readers' common budget) is kept decoded, so
// the next draw decodes nothing; a larger one is decoded again at each draw, one band at a time.
//
// Units: getSize gives millimetres from the file's resolution (25.4 / 72 mm per pixel at the
// default 72); draw takes device pixels; the PostScript rectangle is paper millimetres.
class TiffImage : public ImageReaderBase, public TiffDecoderBase {
public:
    static constexpr const char* kCaption = "TIFFエラー";
    // What one picture may keep decoded, and all kept pictures together.
    static constexpr long long kKeepBytes = 64LL * 1024 * 1024;
    static constexpr long long kKeepBudget = 256LL * 1024 * 1024;

    TiffImage() = default;
    ~TiffImage() override;

    void setSource(const char* path);
    // The header and the first directory, read once; 0 after an error.
    [[nodiscard]] int ensureLoaded();
    [[nodiscard]] int getPixelSize(int& w, int& h);
    [[nodiscard]] int getSize(double& w, double& h);
    // Band by band into the device rectangle; the bands meet without a seam at any height.
    [[nodiscard]] int draw(DeviceContext& dc, const IntRect& target);
    // The samples read from the file, top row first, as a PostScript image (TiffOutput.cpp).
    [[nodiscard]] int writePostScript(PsOutput& out, const DoubleRect& rect);
    // The picture as an image of the running PDF export drawn into the rectangle: registered in
    // the count pass (its hex stream measured), placed in both; 0 without an export.
    [[nodiscard]] int addPdfResource(PdfWriter& out, const DoubleRect& rect);
    // The XObject of the export's record `index`, from the record's file at its data offset (an
    // EPS file's preview is found again so); 0, with nothing written, when it cannot be read.
    [[nodiscard]] int writePdfXObject(PdfImageResources& out, int index);

    // ScanDibSource: the kept rows, null while none are kept.
    [[nodiscard]] const void* lockPixels() override;
    void unlockPixels() override;
    // 1 while every row is kept decoded.
    [[nodiscard]] int keepsPicture() const { return kept; }
    // Bytes kept decoded by all readers now.
    [[nodiscard]] static long long keptBytes();

    long long startOffset = 0;

private:
    [[nodiscard]] int readDirectory();
    // The file's rows as PDF samples through writeHexBytes; 0 at a short read or failed write.
    [[nodiscard]] int writePdfRows(PdfImageResources& out);
    // The pixel block for a draw: the whole picture when it may be kept, else one band.
    [[nodiscard]] int allocateRows(int& whole);
    void dropRows();

    int kept = 0;       // every row of the picture is in the pixel block
    long long keptSize = 0;
};
