// The shapes of the image kinds: the bitmap and the placed picture.
#include "elements/ElementShapes.h"

#include "document/Element.h"
#include "elements/PictureElement.h"
#include "shapes/BitmapRaster.h"
#include "shapes/BitmapShape.h"
#include "shapes/PictureShape.h"

namespace {

// What both image kinds give their shape: the document, the layer, the corners and the offset.
template <typename ImageShape> void takeCorners(ImageShape& shape, const Element& e, const double offset[3])
{
    shape.context = e.context;
    shape.layer = e.layer;
    if (e.firstPoint())
        shape.setStartPoint(*e.firstPoint());
    if (e.secondPoint())
        shape.setEndPoint(*e.secondPoint());
    shape.setOffset(offset[0], offset[1], offset[2]);
}

} // namespace

// The shape uses the element's size record and raster as they are: nothing is copied.
int runBitmapShape(Element& bitmap, int operation, const double offset[3])
{
    BitmapShape shape;
    takeCorners(shape, bitmap, offset);
    shape.setRaster(bitmap.bitmapSize(), bitmap.bitmapData());
    return shape.execute(operation);
}

// The shape borrows the element's image holder and mask.
int runPictureShape(Element& element, int operation, const double offset[3])
{
    auto* picture = dynamic_cast<PictureElement*>(&element);
    if (!picture)
        return 0;
    PictureShape shape;
    takeCorners(shape, *picture, offset);
    shape.setImage(&picture->image);
    shape.setMask(picture->imageMask());
    shape.setDrawingMode(picture->image.drawingMode);
    return shape.execute(operation);
}

