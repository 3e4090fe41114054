#include "tests/geometry/DrawingOwner.h"

#include <cmath>

namespace {

int toPixel(double v) { return static_cast<int>(std::floor(2.0 * v + 10.0)); }

int clampPixel(int v) { return v < -32000 ? -32000 : v > 32000 ? 32000 : v; }

} // namespace

void OwnerGrid::convertPoint(Point* p)
{
    ++snaps;
    p->x = 5.0 * std::floor(p->x / 5.0 + 0.5);
    p->y = 5.0 * std::floor(p->y / 5.0 + 0.5);
}

void OwnerView::deviceToWorld(const IntPoint& device, double* x, double* y, double* z)
{
    *x = (device.x - 10) / 2.0;
    *y = (device.y - 10) / 2.0;
    *z = 0.0;
}

void OwnerView::worldToDevice(double x, double y, IntPoint* out) { out->set(toPixel(x), toPixel(y)); }

void OwnerView::worldToDeviceXYZ(double x, double y, double z, IntPoint* out)
{
    (void)z;
    out->set(toPixel(x), toPixel(y));
}

void OwnerView::worldToDeviceClamped(double x, double y, IntPoint* out)
{
    out->set(clampPixel(toPixel(x)), clampPixel(toPixel(y)));
}

void OwnerView::worldToDeviceXYZClamped(double x, double y, double z, IntPoint* out)
{
    (void)z;
    worldToDeviceClamped(x, y, out);
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
