// The bitmap shape: the raster stretched, erased or written as an image.
#include "shapes/BitmapShape.h"

#include <algorithm>

#include "elements/BitmapRaster.h"
#include "geometry/DoubleRect.h"
#include "platform/DeviceContext.h"
#include "platform/DibImage.h"
#include "platform/IntRect.h"
#include "platform/RgbColor.h"
#include "views/ViewParams.h"

int BitmapShape::paperRect(DoubleRect& out) const
{
    return out.setFromCornersScaled(&startPoint, &endPoint, scaleNumerator(), scaleDenominator());
}

int BitmapShape::deviceRect(IntRect& out)
{
    DoubleRect world;
    ViewParams* view = viewParams();
    if (!view || !world.setFromCorners(&startPoint, &endPoint))
        return 0;
    IntRect r;
    view->worldRectToDeviceForOp(op, world, &r);
    out = IntRect::fromEdges(std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                             std::max(r.top, r.bottom));
    return 1;
}

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
        if (paperRect(rect))
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
        return paperRect(rect) && psImage(image, rect);
    }
    IntRect target;
    if (!deviceRect(target))
        return 0;
    DcScope scope(*surface);
    if (op == ShapeOp::Erase)
        surface->fillRect(RgbColor(255, 255, 255), target);
    else
        (void)image.draw(*surface, target); // an image GDI cannot stretch leaves the rectangle as it was
    return 1;
}
