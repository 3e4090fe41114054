#pragma once
#include <memory>

#include "document/PictureReader.h"

class BmpImage;
class EpsImage;
class GifImage;
class JpegImage;
class TiffImage;

// The picture kinds' readers as the picture element reaches them (PictureReader): one object per
// image kind, holding that kind's reader and handing every operation to it. The readers share no
// virtual table; each offers the same member set (ImageReaderBase.h), and this class switches on
// the kind once, in `visit`, so that a new reader is one more case there and one more member.
//
// Every kind, 1 (BMP) to 5 (TIFF), has its reader; any other kind makes no object (make
// answers null).
class ImageReaderSwitch : public PictureReader {
public:
    explicit ImageReaderSwitch(int kind);
    ~ImageReaderSwitch() override;

    // The switch of a kind whose reader exists, null for any other kind (or when memory ran out).
    [[nodiscard]] static PictureReader* make(int kind);
    [[nodiscard]] static int hasReader(int kind);

    void setSource(const char* path) override;
    [[nodiscard]] int getPixelSize(int& width, int& height) override;
    [[nodiscard]] int getSize(double& width, double& height) override;
    // The drawing mode is the JPEG reader's frame choice; the others draw one way.
    [[nodiscard]] int draw(DeviceContext& dc, const IntRect& target, int drawingMode) override;
    [[nodiscard]] int writePostScript(PsOutput& out, const DoubleRect& rect) override;
    [[nodiscard]] int addPdfResource(PdfWriter& out, const DoubleRect& rect) override;
    [[nodiscard]] int writePdfXObject(PdfImageResources& out, int index) override;

    // The kind's reader, else null.
    [[nodiscard]] BmpImage* bmp() const { return bmpReader.get(); }
    [[nodiscard]] EpsImage* eps() const { return epsReader.get(); }
    [[nodiscard]] GifImage* gif() const { return gifReader.get(); }
    [[nodiscard]] JpegImage* jpeg() const { return jpegReader.get(); }
    [[nodiscard]] TiffImage* tiff() const { return tiffReader.get(); }

private:
    // op(reader) on the kind's reader; 0 when there is none.
    template <typename Op> int visit(Op op);

    int kind;
    std::unique_ptr<BmpImage> bmpReader;
    std::unique_ptr<EpsImage> epsReader;
    std::unique_ptr<GifImage> gifReader;
    std::unique_ptr<JpegImage> jpegReader;
    std::unique_ptr<TiffImage> tiffReader;
};

// Start-up: the picture element makes its readers through ImageReaderSwitch::make.
void installImageReaders();
