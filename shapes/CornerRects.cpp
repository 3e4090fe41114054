// The image shapes' rectangle of two corners on paper and on the device.
#include "shapes/CornerRects.h"

#include <algorithm>

#include "geometry/DoubleRect.h"
#include "geometry/DrawPoint.h"
#include "geometry/ViewParams.h"
#include "platform/IntRect.h"
#include "shapes/Shape.h"

int cornersPaperRect(const Shape& shape, const DrawPoint& a, const DrawPoint& b, DoubleRect& out)
{
    return out.setFromCornersScaled(&a, &b, shape.scaleNumerator(), shape.scaleDenominator());
}

int cornersDeviceRect(const Shape& shape, const DrawPoint& a, const DrawPoint& b, IntRect& out)
{
    DoubleRect world;
    ViewParams* view = shape.viewParams();
    if (!view || !world.setFromCorners(&a, &b))
        return 0;
    IntRect r;
    view->worldRectToDeviceForOp(shape.op, world, &r);
    out = IntRect::fromEdges(std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                             std::max(r.top, r.bottom));
    return 1;
}
