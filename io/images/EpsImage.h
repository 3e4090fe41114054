#pragma once
#include <memory>

#include "io/images/ImageReaderBase.h"

class DeviceContext;
class DoubleRect;
class PdfImageResources;
class PdfWriter;
class PsOutput;
class TiffImage;
struct IntRect;

// The reader of Encapsulated PostScript files (picture kind 2): plain PostScript text, or the DOS
// binary form whose header (C5 D0 D3 C6, then the start and length of the PostScript section, a
// metafile preview and a TIFF preview, and a checksum) locates its sections. Loading reads the
// header comments of the PostScript for the bounding box ("%%BoundingBox:", overridden by a
// "%%HiResBoundingBox:" within 512 bytes after it; "(atend)" sends the search to the end of the
// section) and, for PostScript output, the process colours ("%%DocumentProcessColors:").
//
// The screen shows the TIFF preview through a TiffImage at the preview's offset; a file with only
// a metafile preview or none draws nothing (the picture shows its frame). PostScript output
// embeds the PostScript section unchanged, wrapped so that nothing it defines outlives it.
//
// Failures: no box within the first 99,999 bytes: "%%BoundingBox:が見つかりません。" captioned
// "EPSエラー"; a binary header that cannot be read, or whose PostScript section lies outside the
// file: "処理できないファイルです。" captioned "EPSエラー". A preview that lies outside the file or
// over the PostScript section counts as none.
//
// Units: the box is in points; getSize gives millimetres (x 25.4 / 72); getPixelSize the box in
// points, rounded.
class EpsImage : public ImageReaderBase {
public:
    static constexpr const char* kCaption = "EPSエラー";
    static constexpr const char* kNoBox = "%%BoundingBox:が見つかりません。";
    static constexpr long long kScanBudget = 99999;
    static constexpr long long kHiResWindow = 512;
    enum Preview { kNoPreview = 0, kMetafile = 1, kTiff = 2 };

    EpsImage();
    ~EpsImage();

    void setSource(const char* path);
    // The header comments, read once; with `colours` the process colours too (read again when an
    // earlier load skipped them). 0 after an error.
    [[nodiscard]] int ensureLoaded(int colours = 0);
    [[nodiscard]] int getPixelSize(int& width, int& height);
    [[nodiscard]] int getSize(double& width, double& height);
    // The TIFF preview into the rectangle; 0 without one.
    [[nodiscard]] int draw(DeviceContext& dc, const IntRect& target);
    // The PostScript section embedded into the rectangle, scaled from the box; in separations
    // raster data of a plate the file does not name is whitened. 1 on success (also in a mode
    // that writes nothing), 0 at a failed write or when the file cannot be read.
    [[nodiscard]] int writePostScript(PsOutput& out, const DoubleRect& rect);
    // The TIFF preview as an image of the running PDF export (TiffImage::addPdfResource, the
    // record naming this file and the preview's offset); 0 without a TIFF preview.
    [[nodiscard]] int addPdfResource(PdfWriter& out, const DoubleRect& rect);
    // The reader has no XObject of its own: its preview's record is a TIFF record, written by the
    // TIFF reader. Always 0.
    [[nodiscard]] int writePdfXObject(PdfImageResources& out, int index);

    // What the header says.
    int binary = 0;
    long long psStart = 0, psLength = 0;
    long long metafileStart = 0, metafileLength = 0;
    long long tiffStart = 0, tiffLength = 0;
    int preview = kNoPreview;
    double box[4] = {}; // lower-left x, y, upper-right x, y
    double widthMm = 0.0, heightMm = 0.0;
    int processColours[4] = {}; // cyan, magenta, yellow, black named by the file
    int coloursRead = 0;

    // The preview's reader, made at the first draw and kept with the file; null without a
    // TIFF preview.
    [[nodiscard]] TiffImage* previewReader();

private:
    [[nodiscard]] int readHeader();
    [[nodiscard]] int readBinaryHeader();
    [[nodiscard]] int writeEmbedded(PsOutput& out, const DoubleRect& rect);

    std::unique_ptr<TiffImage> previewImage;
};
