// The bitmap shape: the raster stretched, erased or written as an image.
#include "shapes/BitmapShape.h"

#include "geometry/DoubleRect.h"
#include "geometry/ViewParams.h"
#include "platform/DeviceContext.h"
#include "platform/DibImage.h"
#include "platform/IntRect.h"
#include "platform/RgbColor.h"
#include "shapes/BitmapRaster.h"
#include "shapes/CornerRects.h"

int BitmapShape::execute(int operation)
{
    op = operation;
    mode = 2;
    DibImage image;
    const int hasImage = size && raster && raster->lendTo(image, *size);
    if (op == ShapeOp::Pdf) {
        if (!hasImage)
            return 1;
        startPoint.translate(offsetX, offsetY, offsetZ);
        endPoint.translate(offsetX, offsetY, offsetZ);
        DoubleRect rect;
        if (cornersPaperRect(*this, startPoint, endPoint, rect))
            (void)pdfDrawImage(image, rect); // a failed write is the export's to report
        return 1;
    }
    if (!acceptsOp(op) || !viewParams() || !hasImage)
        return 0;
    bindSubObjects();
    viewArea.setToScreen();
    surface = surfaceFor(op);
    if (!surface)
        return 0;
    startPoint.translate(offsetX, offsetY, offsetZ);
    endPoint.translate(offsetX, offsetY, offsetZ);
    if (op == ShapeOp::PostScript) {
        DoubleRect rect;
        return cornersPaperRect(*this, startPoint, endPoint, rect) && psImage(image, rect);
    }
    IntRect target;
    if (!cornersDeviceRect(*this, startPoint, endPoint, target))
        return 0;
    DcScope scope(*surface);
    if (op == ShapeOp::Erase)
        surface->fillRect(RgbColor(255, 255, 255), target);
    else
        (void)image.draw(*surface, target); // an image GDI cannot stretch leaves the rectangle as it was
    return 1;
}
