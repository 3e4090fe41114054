#include "io/images/ImageReaderSwitch.h"

#include <new>

#include "io/images/BmpImage.h"
#include "io/images/EpsImage.h"
#include "io/images/GifImage.h"
#include "io/images/JpegImage.h"
#include "io/images/TiffImage.h"

namespace {

// Only the JPEG reader takes the drawing mode: it is its frame choice.
int drawReader(BmpImage& r, DeviceContext& dc, const IntRect& target, int) { return r.draw(dc, target); }
int drawReader(GifImage& r, DeviceContext& dc, const IntRect& target, int) { return r.draw(dc, target); }
int drawReader(JpegImage& r, DeviceContext& dc, const IntRect& target, int mode) { return r.draw(dc, target, mode); }
int drawReader(TiffImage& r, DeviceContext& dc, const IntRect& target, int) { return r.draw(dc, target); }
int drawReader(EpsImage& r, DeviceContext& dc, const IntRect& target, int) { return r.draw(dc, target); }

} // namespace

ImageReaderSwitch::ImageReaderSwitch(int k) : kind(k)
{
    if (kind == 1)
        bmpReader.reset(new (std::nothrow) BmpImage);
    else if (kind == 3)
        gifReader.reset(new (std::nothrow) GifImage);
    else if (kind == 4)
        jpegReader.reset(new (std::nothrow) JpegImage);
    else if (kind == 2)
        epsReader.reset(new (std::nothrow) EpsImage);
    else if (kind == 5)
        tiffReader.reset(new (std::nothrow) TiffImage);
}

ImageReaderSwitch::~ImageReaderSwitch() = default;

int ImageReaderSwitch::hasReader(int k) { return k >= 1 && k <= 5; }

PictureReader* ImageReaderSwitch::make(int k)
{
    if (!hasReader(k))
        return nullptr;
    auto* made = new (std::nothrow) ImageReaderSwitch(k);
    if (made && !made->bmp() && !made->eps() && !made->gif() && !made->jpeg() && !made->tiff()) {
        delete made;
        return nullptr;
    }
    return made;
}

template <typename Op> int ImageReaderSwitch::visit(Op op)
{
    switch (kind) {
    case 1:
        return bmpReader ? op(*bmpReader) : 0;
    case 2:
        return epsReader ? op(*epsReader) : 0;
    case 3:
        return gifReader ? op(*gifReader) : 0;
    case 4:
        return jpegReader ? op(*jpegReader) : 0;
    case 5:
        return tiffReader ? op(*tiffReader) : 0;
    default:
        return 0;
    }
}

void ImageReaderSwitch::setSource(const char* path)
{
    (void)visit([&](auto& r) {
        r.setSource(path);
        return 1;
    });
}

int ImageReaderSwitch::getPixelSize(int& width, int& height)
{
    return visit([&](auto& r) { return r.getPixelSize(width, height); });
}

int ImageReaderSwitch::getSize(double& width, double& height)
{
    return visit([&](auto& r) { return r.getSize(width, height); });
}

int ImageReaderSwitch::draw(DeviceContext& dc, const IntRect& target, int drawingMode)
{
    return visit([&](auto& r) { return drawReader(r, dc, target, drawingMode); });
}

int ImageReaderSwitch::writePostScript(PsOutput& out, const DoubleRect& rect)
{
    return visit([&](auto& r) { return r.writePostScript(out, rect); });
}

int ImageReaderSwitch::addPdfResource(PdfWriter& out, const DoubleRect& rect)
{
    return visit([&](auto& r) { return r.addPdfResource(out, rect); });
}

int ImageReaderSwitch::writePdfXObject(PdfImageResources& out, int index)
{
    return visit([&](auto& r) { return r.writePdfXObject(out, index); });
}

void installImageReaders()
{
    makePictureReader = ImageReaderSwitch::make;
    jpegBufferRelease = JpegImage::releaseBuffer;
}
