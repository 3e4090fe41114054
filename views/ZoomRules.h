#pragma once
#include "platform/IntPoint.h"

// The decisions of zooming and wheel handling, apart from the loops and windows that act on them
// (so that they can be checked one case at a time).
namespace ZoomRules {

// The view's zoom limits.
constexpr double kMinZoom = 0.1;
constexpr double kMaxZoom = 100.0;
// A drag is a rectangle zoom only when it reaches this far (pixels) and lasts this long (ms).
constexpr int kMinDragPixels = 9;
constexpr int kMinDragMs = 150;
// One wheel notch zooms by this factor; one notch of 120 scrolls this many steps.
constexpr double kWheelZoomStep = 1.1;
constexpr int kWheelScrollSteps = 3;

// 1 for a zoom or factor that can be applied: finite and above 0.
[[nodiscard]] int isUsableFactor(double value);
// z kept within [minZoom, maxZoom].
[[nodiscard]] double clampZoom(double z, double minZoom, double maxZoom);

// The factor that a wheel delta zooms the view by: 1 / 1.1 for every 60 above 60, 1.1 for every
// 60 below -60 (so +120 zooms out and -120 in); 0 when the delta lies within -60..60 and nothing
// happens.
[[nodiscard]] double wheelZoomFactor(int delta);
// The scroll steps of a wheel delta: 3 per started 120, negative (up) for a positive delta; 0 for
// a zero delta.
[[nodiscard]] int wheelScrollSteps(int delta);

// What a key does in the zoom tool.
enum class KeyAction { Refused, DirectionIn, DirectionOut, FitSheet, SetZoom };
// '+' and '-' choose the click direction, '0' fits the sheet, '1' to '9' set that zoom.
[[nodiscard]] KeyAction zoomKeyAction(int character);

// The rectangle of a drag from start to end kept to the view area's proportions (width w, height
// h, both at least 1): the longer side is cut, integer division; the signs stay.
void fitToAspect(int& dx, int& dy, int viewWidth, int viewHeight);

// A left-button drag in the zoom tool: whether it zooms by rectangle, and to what.
struct RectangleZoom {
    int happens = 0;      // 0: zoom by a click instead
    double zoom = 0.0;    // the new zoom (happens)
    IntPoint centre;      // the device point that becomes the view's centre (happens)
};
// heldLongEnough: at least kMinDragMs passed between press and release; zoom and maxZoom are the
// view's. A drag that keeps no extent after fitToAspect keeps the zoom and only centres.
[[nodiscard]] RectangleZoom decideRectangleZoom(const IntPoint& start, const IntPoint& end, int heldLongEnough,
                                                int viewWidth, int viewHeight, double zoom, double maxZoom);

} // namespace ZoomRules
