#include "views/ZoomRules.h"

#include <cmath>
#include <cstdlib>

namespace ZoomRules {

int isUsableFactor(double value) { return std::isfinite(value) && value > 0.0; }

double clampZoom(double z, double minZoom, double maxZoom)
{
    return z > maxZoom ? maxZoom : z < minZoom ? minZoom : z;
}

double wheelZoomFactor(int delta)
{
    if (delta > -61 && delta < 61)
        return 0.0;
    // Steps of 60 past the first 60: 120 is one step, 121 two.
    const int steps = (std::abs(delta) - 1) / 60;
    const double factor = std::pow(kWheelZoomStep, steps);
    return delta > 0 ? 1.0 / factor : factor;
}

int wheelScrollSteps(int delta)
{
    if (delta == 0)
        return 0;
    const int notches = (std::abs(delta) - 1) / 120 + 1;
    return notches * kWheelScrollSteps * (delta < 0 ? 1 : -1);
}

KeyAction zoomKeyAction(int character)
{
    switch (character) {
    case '+':
        return KeyAction::DirectionIn;
    case '-':
        return KeyAction::DirectionOut;
    case '0':
        return KeyAction::FitSheet;
    default:
        return character >= '1' && character <= '9' ? KeyAction::SetZoom : KeyAction::Refused;
    }
}

void fitToAspect(int& dx, int& dy, int viewWidth, int viewHeight)
{
    const long long W = viewWidth < 1 ? 1 : viewWidth;
    const long long H = viewHeight < 1 ? 1 : viewHeight;
    long long w = std::llabs(dx);
    long long h = std::llabs(dy);
    if (H * w >= W * h)
        w = W * h / H;
    else
        h = H * w / W;
    dx = static_cast<int>(dx < 0 ? -w : w);
    dy = static_cast<int>(dy < 0 ? -h : h);
}

RectangleZoom decideRectangleZoom(const IntPoint& start, const IntPoint& end, int heldLongEnough, int viewWidth,
                                  int viewHeight, double zoom, double maxZoom)
{
    RectangleZoom result;
    if (!heldLongEnough || start.distanceTo(end) < kMinDragPixels)
        return result;
    int dx = end.x - start.x;
    int dy = end.y - start.y;
    fitToAspect(dx, dy, viewWidth, viewHeight);
    // The longer side of the view decides; heights unless the view is wider than tall.
    const int viewExtent = viewWidth > viewHeight ? viewWidth : viewHeight;
    const int rectExtent = viewWidth > viewHeight ? std::abs(dx) : std::abs(dy);
    // A drag along one axis keeps no extent: it only centres the view.
    const double z = viewExtent >= 1 && rectExtent >= 1 ? zoom * viewExtent / rectExtent : zoom;
    result.happens = 1;
    result.zoom = z < maxZoom ? z : maxZoom;
    result.centre.set(start.x + dx / 2, start.y + dy / 2);
    return result;
}

} // namespace ZoomRules
