// The picture's readers, one per kind, made and attached on first use.
#include "shapes/PictureImage.h"

#include <cstring>

#include "document/DocumentContext.h"
#include "document/FileNameValue.h"
#include "document/PictureCache.h"
#include "document/PictureReader.h"
#include "shapes/ImageTypeValue.h"

PictureImage::~PictureImage()
{
    for (PictureReader*& r : readers) {
        delete r;
        r = nullptr;
    }
}

PictureReader* PictureImage::reader()
{
    if (!hasImage() || type->value < ImageTypeValue::kBmp || type->value > ImageTypeValue::kTiff)
        return nullptr;
    // A drawing shares its decoded pictures among all its pictures of the same file.
    if (PictureCache* cache = owner ? owner->pictureCache() : nullptr)
        return cache->reader(type->value, fileName->text());
    const int k = type->value - 1;
    if (!readers[k]) {
        readers[k] = makePictureReader ? makePictureReader(type->value) : nullptr;
        attached[k][0] = 0;
        if (!readers[k])
            return nullptr;
    }
    // Attached again only for another file: the reader keeps what it decoded. A name is never cut
    // (a reader attached to the cut name would read another file): one too long has no reader.
    const char* name = fileName->text();
    if (std::strcmp(attached[k], name) != 0 || !attached[k][0]) {
        const size_t length = std::strlen(name);
        if (length >= sizeof attached[k])
            return nullptr;
        std::memcpy(attached[k], name, length + 1);
        readers[k]->setSource(attached[k]);
    }
    return readers[k];
}

int PictureImage::pixelSize(int& width, int& height)
{
    PictureReader* r = reader();
    return r && r->getPixelSize(width, height);
}

int PictureImage::size(double& width, double& height)
{
    PictureReader* r = reader();
    return r && r->getSize(width, height);
}

int PictureImage::drawingSize(double numerator, double denominator, double& width, double& height)
{
    if (!size(width, height))
        return 0;
    if (numerator > 0.1) {
        width = width * denominator / numerator;
        height = height * denominator / numerator;
    }
    return 1;
}

int PictureImage::draw(DeviceContext& dc, const IntRect& target)
{
    PictureReader* r = reader();
    return r && r->draw(dc, target, drawingMode);
}

int PictureImage::writePostScript(PsOutput& out, const DoubleRect& rect)
{
    PictureReader* r = reader();
    return r && r->writePostScript(out, rect);
}

int PictureImage::addPdfResource(PdfWriter& out, const DoubleRect& rect)
{
    PictureReader* r = reader();
    return r && r->addPdfResource(out, rect);
}
