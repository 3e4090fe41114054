#include "tests/geometry/DrawingOwner.h"

#include <cmath>

namespace {

int toPixel(double v) { return static_cast<int>(std::floor(2.0 * v + 10.0)); }

} // namespace

void OwnerGrid::convertPoint(Point* p)
{
    ++snaps;
    p->x = 5.0 * std::floor(p->x / 5.0 + 0.5);
    p->y = 5.0 * std::floor(p->y / 5.0 + 0.5);
}

int OwnerView::worldToDeviceXForOp(int operation, double x)
{
    lastOperation = operation;
    return toPixel(x);
}

int OwnerView::worldToDeviceYForOp(int operation, double y)
{
    lastOperation = operation;
    return toPixel(y);
}

OwnedDrawing::OwnedDrawing()
{
    context.paper = new OwnerPaper;
    context.grid = new OwnerGrid;
    context.view = new OwnerView;
}
