#pragma once
// A view without a window, for tests and benchmarks: drawing units map to pixels as
//     device = floor(scale * (world - origin)),
// the clamped forms keep -32000..32000 and the operation forms map as the clamped ones; the
// client rectangle is what the test sets. Paper millimetres (pen widths, font heights) are
// lengthScale pixels each, truncated (0 until a test sets it; setZoom sets both scales as a view
// at 72 dpi does). Every other operation does nothing and answers 0 (repaintClientArea answers
// 1). Captions and zoom resets are counted.
#include <cmath>

#include "geometry/ViewParams.h"

class LinearView : public ViewParams {
public:
    void setOwner(DocumentContext*) override {}
    int repaintClientArea() override { return 1; }
    [[nodiscard]] int isCursorInView() override { return 0; }
    void postMouseMove() override {}
    [[nodiscard]] int canZoomIn() override { return 0; }
    [[nodiscard]] int canZoomOut() override { return 0; }
    int zoomIn() override { return 0; }
    int zoomOut() override { return 0; }
    int zoomByMouse() override { return 0; }
    int zoomAtPoint(const IntPoint&, double) override { return 0; }
    void reset() override {}
    void deviceToWorld(const IntPoint& device, double* x, double* y, double* z) override
    {
        *x = device.x / scale + originX;
        *y = device.y / scale + originY;
        *z = 0.0;
    }
    void worldToDevice(double x, double y, IntPoint* out) override
    {
        out->set(static_cast<int>(std::floor(scale * (x - originX))),
                 static_cast<int>(std::floor(scale * (y - originY))));
    }
    void worldToDeviceXYZ(double x, double y, double, IntPoint* out) override { worldToDevice(x, y, out); }
    void worldToDeviceClamped(double x, double y, IntPoint* out) override
    {
        out->set(clamp(scale * (x - originX)), clamp(scale * (y - originY)));
    }
    void worldToDeviceXYZClamped(double x, double y, double, IntPoint* out) override
    {
        worldToDeviceClamped(x, y, out);
    }
    [[nodiscard]] int worldToDeviceXForOp(int, double x) override { return clamp(scale * (x - originX)); }
    [[nodiscard]] int worldToDeviceYForOp(int, double y) override { return clamp(scale * (y - originY)); }
    [[nodiscard]] double lengthToPixels(double millimetres) override { return std::trunc(millimetres * lengthScale); }
    [[nodiscard]] double lengthToPixelsForOp(int, double millimetres) override
    {
        const double pixels = lengthToPixels(millimetres);
        return pixels < -32000.0 ? -32000.0 : pixels > 32000.0 ? 32000.0 : pixels;
    }
    [[nodiscard]] double pixelsToLengthForOp(int, double pixels) override
    {
        return lengthScale != 0.0 ? pixels / lengthScale : 0.0;
    }
    void updateViewCaption() override { ++captions; }
    void resetZoom() override { ++zoomResets; }
    void clientRect(IntRect& out) override { out = client; }
    // Drawing units at scale, paper millimetres at lengthScale pixels each, toward zero.
    [[nodiscard]] double lengthToPixels(double length, int useScale) const override
    {
        return std::trunc((useScale ? scale : lengthScale) * length);
    }

    // The mapping of a view at 72 dpi and `zoom` over a drawing at numerator:denominator, with
    // the drawing point (x, y) at the top-left pixel.
    void setZoom(double zoom, double x, double y, int numerator = 1, int denominator = 1)
    {
        lengthScale = zoom * 72.0 / 25.4;
        scale = lengthScale * numerator / denominator;
        originX = x;
        originY = y;
    }

    // A pixel coordinate: floored, then kept within -32000..32000.
    static int clamp(double v)
    {
        const double f = std::floor(v);
        return f < -32000.0 ? -32000 : f > 32000.0 ? 32000 : static_cast<int>(f);
    }

    double scale = 1.0;
    double lengthScale = 0.0;
    double originX = 0.0;
    double originY = 0.0;
    IntRect client;
    int captions = 0;
    int zoomResets = 0;
};
