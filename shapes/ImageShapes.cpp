// The runners of the image kinds: the bitmap and the placed picture.
#include "shapes/ElementShapes.h"

#include "elements/BitmapRaster.h"
#include "elements/Element.h"
#include "elements/ElementKind.h"
#include "elements/ElementShapeRunners.h"
#include "elements/PictureElement.h"
#include "shapes/BitmapShape.h"
#include "shapes/PictureShape.h"

namespace {

// The shape uses the element's size record and raster as they are: nothing is copied.
int runBitmapShape(Element& bitmap, int operation, const double offset[3], const double*)
{
    BitmapShape shape;
    shape.context = bitmap.context;
    shape.layer = bitmap.layer;
    if (bitmap.firstPoint())
        shape.setStartPoint(*bitmap.firstPoint());
    if (bitmap.secondPoint())
        shape.setEndPoint(*bitmap.secondPoint());
    shape.setRaster(bitmap.bitmapSize(), bitmap.bitmapData());
    shape.setOffset(offset[0], offset[1], offset[2]);
    return shape.execute(operation);
}

// The shape borrows the element's image holder and mask.
int runPictureShape(Element& element, int operation, const double offset[3], const double*)
{
    auto* picture = dynamic_cast<PictureElement*>(&element);
    if (!picture)
        return 0;
    PictureShape shape;
    shape.context = picture->context;
    shape.layer = picture->layer;
    if (picture->firstPoint())
        shape.setStartPoint(*picture->firstPoint());
    if (picture->secondPoint())
        shape.setEndPoint(*picture->secondPoint());
    shape.setImage(&picture->image);
    shape.setMask(picture->imageMask());
    shape.setDrawingMode(picture->image.drawingMode);
    shape.setOffset(offset[0], offset[1], offset[2]);
    return shape.execute(operation);
}

} // namespace

void installImageShapes()
{
    elementShapeRunners[kindCode(ElementKind::Bitmap) - 1] = runBitmapShape;
    elementShapeRunners[kindCode(ElementKind::Picture) - 1] = runPictureShape;
}
