// The bitmap element: its record, extent, shape, file section and the pasted image.
#include "elements/BitmapElement.h"

#include <iterator>
#include <new>

#include "document/Document.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "document/ShapeOp.h"
#include "elements/ElementShapes.h"
#include "elements/VertexRoundingList.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"
#include "geometry/ViewParams.h"
#include "platform/DibImage.h"
#include "platform/GlobalBlock.h"
#include "shapes/BitmapRaster.h"

namespace {
constexpr ElementAttribute kBitmapAttributes[] = {
    ElementAttribute::firstPoint,
    ElementAttribute::secondPoint,
    ElementAttribute::bitmapSize,
    ElementAttribute::bitmapData,
};
} // namespace

Element* newBitmapElement() { return new (std::nothrow) BitmapElement; }

BitmapElement::BitmapElement() = default;

BitmapElement::~BitmapElement() { teardown(); }

void BitmapElement::initialize()
{
    shared_body::ensureAttributes(*this, kBitmapAttributes, std::size(kBitmapAttributes));
}

void BitmapElement::teardown()
{
    shared_body::releaseAttributes(*this, kBitmapAttributes, std::size(kBitmapAttributes));
}

// --- store and extent ---

namespace {
// Pixels a record may hold for a size: none, or at least the size's rows.
bool pixelsFit(long long length, const BitmapSizeRecord& size)
{
    return length == 0 || (size.blockBytes() > 0 && length >= size.blockBytes());
}
} // namespace

int BitmapElement::exchangeRecord(int mode)
{
    ElementStore* store = elementStore();
    if (!store || !store->recordBuffer || !firstPoint() || !secondPoint() || !bitmapSize() || !bitmapData() ||
        (mode != 1 && mode != 3))
        return 0;
    ElementRecordBuffer& buffer = *store->recordBuffer;
    buffer.rewind();
    if (mode == 1) {
        // Pixels that do not cover the size would fail every load: such a record is not written.
        if (!pixelsFit(bitmapData()->pixels ? bitmapData()->length : 0, *bitmapSize()))
            return 0;
        computeExtentToStore(0);
        return firstPoint()->writeRecord(buffer, 2, 0) && secondPoint()->writeRecord(buffer, 2, 0) &&
               bitmapSize()->exchangeRecord(1, buffer) && bitmapData()->exchangeRecord(1, buffer) &&
               serializeExtent(buffer, 1);
    }
    // Everything is checked before anything is taken: a cut or inconsistent record leaves the
    // element as it was. The pixels are read last, into the element's own block when their
    // length is unchanged (a redraw loads the same bitmaps again and again).
    BitmapSizeRecord size;
    DrawPoint start = *firstPoint(), end = *secondPoint();
    if (!start.readRecord(buffer, 2, 0) || !end.readRecord(buffer, 2, 0) || !size.exchangeRecord(3, buffer))
        return 0;
    const int rasterAt = buffer.position;
    int32_t length = 0;
    if (!buffer.getInt(length) || length < 0 || length > buffer.remaining() || !pixelsFit(length, size)) {
        buffer.position = rasterAt;
        return 0;
    }
    buffer.position += length;
    const DrawPoint oldMin = extentMin, oldMax = extentMax;
    if (!serializeExtent(buffer, 3)) {
        buffer.position = rasterAt;
        return 0;
    }
    const int recordEnd = buffer.position;
    buffer.position = rasterAt;
    if (!bitmapData()->exchangeRecord(3, buffer)) {
        extentMin = oldMin, extentMax = oldMax;
        buffer.position = rasterAt;
        return 0;
    }
    buffer.position = recordEnd;
    *firstPoint() = start;
    *secondPoint() = end;
    bitmapSize()->assign(&size);
    return 1;
}

int BitmapElement::hitTest() { return pickInsideCorners(); }

// --- drawing ---

int BitmapElement::execute(int operation, double x, double y, double z)
{
    shared_body::bindTwoPoints(*this);
    const double offset[3] = {x, y, z};
    return runElementShape(*this, operation, offset, nullptr);
}

void BitmapElement::drawOverlayFigure(int operation) { drawFrameOverlay(operation); }

// --- geometry and editing ---

void BitmapElement::setPoint(int index, double x, double y, double z)
{
    (void)setPointByNumber(index, Point(x, y, z), firstPoint(), secondPoint(), nullptr); // another index sets nothing
}

void BitmapElement::scale(double factor, const Point& centre, int flags)
{
    shared_body::scaleTwoPoints(*this, factor, centre, flags);
}

int BitmapElement::editByMouse() { return input.editCorner(); }

int BitmapElement::dragHandle(int handle) { return input.dragHandle(handle); }

int BitmapElement::editProperties(int hasPrevious, int hasNext)
{
    shared_body::bindTwoPoints(*this);
    return shared_body::runPropertyDialog(*this, shared_body::makePropertyDialog(*this, ElementKind::Bitmap),
                                          hasPrevious, hasNext);
}

// --- the pasted image ---

int BitmapElement::takeImage(DibImage* image)
{
    if (!image || !bitmapSize() || !bitmapData() || image->bitCount != 24 || !image->pixels)
        return 0;
    BitmapSizeRecord size;
    size.width = image->width, size.height = image->height, size.bitsPerSample = 24, size.fourth = image->extra;
    const long long need = size.blockBytes();
    if (need < 1 || image->rowStride != size.rowStride() || image->pixels->elementSize != 1 ||
        image->pixels->count < need)
        return 0;
    const int bytes = image->pixels->count;
    const int owned = image->ownsPixels;
    GlobalBlock* block = image->takePixelBlock();
    if (!owned) {
        // A borrowed block stays with its owner: the raster gets a copy.
        GlobalBlock* copy = block->clone();
        image->setPixelBlock(block, 0);
        if (!copy)
            return 0;
        block = copy;
    }
    bitmapSize()->assign(&size);
    bitmapData()->takeBlock(block, bytes);
    delete image;
    placeAtDefault();
    return 1;
}

void BitmapElement::placeAtDefault()
{
    ViewParams* view = viewParams();
    const BitmapSizeRecord* size = bitmapSize();
    if (!view || !size || !firstPoint() || !secondPoint())
        return;
    Point start;
    deviceToDrawing(&start, IntPoint(50, 30), 0);
    static_cast<Point&>(*firstPoint()) = start;
    static_cast<Point&>(*secondPoint()) = Point(start.x + view->pixelsToLengthEx(size->width, 1.0, 1, 0),
                                                start.y + view->pixelsToLengthEx(size->height, 1.0, 1, 0), start.z);
}

double BitmapElement::widthAtZoom(double percent)
{
    ViewParams* view = viewParams();
    return view && bitmapSize() ? view->pixelsToLengthEx(bitmapSize()->width, percent / 100.0, 1, 1) : 0.0;
}

double BitmapElement::heightAtZoom(double percent)
{
    ViewParams* view = viewParams();
    return view && bitmapSize() ? view->pixelsToLengthEx(bitmapSize()->height, percent / 100.0, 1, 1) : 0.0;
}

// --- files ---

int BitmapElement::readXmlAttributes()
{
    shared_body::bindTwoPoints(*this);
    Document* d = currentXmlContext();
    Element* holder = d ? d->attributeHolder() : nullptr;
    if (!holder || !firstPoint() || !secondPoint() || !bitmapSize() || !bitmapData() || !holder->bitmapSize() ||
        !holder->bitmapData())
        return 0;
    shared_body::readTwoPoints(*this, *holder);
    // Pixel blocks that were refused (with a data error) leave a bitmap without pixels.
    BitmapRaster* read = holder->bitmapData();
    if (read->fits(*holder->bitmapSize())) {
        bitmapSize()->assign(holder->bitmapSize());
        const int bytes = read->length;
        bitmapData()->takeBlock(read->releaseBlock(), bytes);
    } else {
        bitmapSize()->reset();
        bitmapData()->clear();
    }
    takeDocumentLayerAndGroup();
    return 1;
}

int BitmapElement::writeXml()
{
    shared_body::bindTwoPoints(*this);
    Document* d = currentXmlContext();
    if (!d || !firstPoint() || !secondPoint() || !bitmapSize() || !bitmapData())
        return 0;
    return openXmlSection() && writeLayerAndGroup() && firstPoint()->writeXml(d, tag_id::startPoint) &&
           secondPoint()->writeXml(d, tag_id::endPoint) &&
           (!bitmapData()->fits(*bitmapSize()) ||
            (bitmapSize()->writeXml(*d) && bitmapData()->writeXml(*d, *bitmapSize()))) &&
           closeXmlSection();
}
