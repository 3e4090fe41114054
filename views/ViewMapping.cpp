// ViewMapping: the quantities it takes from the drawing, lengths, the mapping both ways, the
// areas of the view window and the caption.
#include "views/ViewMapping.h"

#include <cmath>
#include <climits>

#include "document/DocumentContext.h"
#include "document/PrintSettings.h"
#include "document/RulerBars.h"
#include "document/ShapeOp.h"
#include "geometry/PaperSettings.h"
#include "platform/StringUtil.h"
#include "platform/Window.h"
#include "views/ScreenResolution.h"
#include "views/ZoomRules.h"

namespace {
constexpr double kMmPerInch = 25.4;
// The unclamped forms stay well inside int, so that adding a band or an offset cannot wrap.
constexpr double kIntLimit = INT_MAX / 4;
// The caption holds at most this many bytes and the terminator (a window title of MAX_PATH).
constexpr int kCaptionSize = 260;

// r, or for a zero r the zero of v's sign (v x 0 is -0 for a negative v).
double signedZero(double r, double v) { return r == 0.0 ? v * 0.0 : r; }

// Whole pixels toward zero. A value within rounding noise below a whole number counts as that
// number, so that a device point taken to the drawing and back comes out where it was.
double wholePixels(double v)
{
    // Toward zero through a 64-bit integer where that is exact (a library call costs more than
    // the rest of the mapping); the sign of a zero kept as trunc keeps it.
    const double t =
        std::fabs(v) < 4.0e15 ? signedZero(static_cast<double>(static_cast<long long>(v)), v) : std::trunc(v);
    if (v >= 0.0)
        return v - t > 1.0 - 1e-6 ? t + 1.0 : t;
    return t - v > 1.0 - 1e-6 ? t - 1.0 : t;
}

double limited(double v, double limit)
{
    if (std::isnan(v))
        return 0.0;
    return v < -limit ? -limit : v > limit ? limit : v;
}

int toInt(double v, double limit) { return static_cast<int>(limited(v, limit)); }

PrintSettings* printOutputFor(int operation, DocumentContext* context)
{
    if (operation != ShapeOp::Print || !context || !context->printSettings)
        return nullptr;
    return context->printSettings->mapsOutput() ? context->printSettings : nullptr;
}
} // namespace

void ViewMapping::assign(const ViewMapping& source)
{
    zoom = source.zoom;
    minZoom = source.minZoom;
    maxZoom = source.maxZoom;
    originX = source.originX;
    originY = source.originY;
    originZ = source.originZ;
    marginX = source.marginX;
    marginY = source.marginY;
    scrollX = source.scrollX;
    scrollY = source.scrollY;
}

// Quantities from elsewhere

PaperSettings* ViewMapping::paper() const { return context ? context->paper : nullptr; }

double ViewMapping::dpi() const { return screenDpi(); }

double ViewMapping::scaleNumerator() const
{
    const PaperSettings* p = paper();
    return p && p->scaleNumerator() >= 1 ? p->scaleNumerator() : 1.0;
}

double ViewMapping::scaleDenominator() const
{
    const PaperSettings* p = paper();
    return p && p->scaleDenominator() >= 1 ? p->scaleDenominator() : 1.0;
}

int ViewMapping::leftBand() const
{
    return rulersShown && context && context->rulers ? context->rulers->leftWidth() : 0;
}

int ViewMapping::topBand() const { return rulersShown && context && context->rulers ? context->rulers->topHeight() : 0; }
int ViewMapping::rightBand() const { return context && context->window ? context->window->query1() : 0; }
int ViewMapping::bottomBand() const { return context && context->window ? context->window->query2() : 0; }

double ViewMapping::sheetWidthMm() const
{
    const PaperSettings* p = paper();
    return p ? p->bandMm(1) + p->paperWidthMm() + p->bandMm(2) : 0.0;
}

double ViewMapping::sheetHeightMm() const
{
    const PaperSettings* p = paper();
    return p ? p->bandMm(0) + p->paperHeightMm() + p->bandMm(3) : 0.0;
}

// The margins and the crop band are paper millimetres: in drawing units they follow the scale.
double ViewMapping::worldOriginX() const
{
    const double band = sheetOffsetOn && paper() ? paper()->bandMm(1) : 0.0;
    return (originX - marginX - band) * scaleDenominator() / scaleNumerator();
}

double ViewMapping::worldOriginY() const
{
    const double band = sheetOffsetOn && paper() ? paper()->bandMm(0) : 0.0;
    return (originY - marginY - band) * scaleDenominator() / scaleNumerator();
}

// Lengths

double ViewMapping::lengthToPixels(double length, int useScale) const
{
    const double perMm = zoom * dpi() / kMmPerInch;
    return wholePixels(length * (useScale ? scaleNumerator() / scaleDenominator() * perMm : perMm));
}

void ViewMapping::holdMapping(int on)
{
    if (!on) {
        heldDepth = heldDepth > 0 ? heldDepth - 1 : 0;
        return;
    }
    if (heldDepth++ == 0)
        held = gatherTerms();
}

ViewMapping::Terms ViewMapping::gatherTerms() const
{
    return {worldOriginX(), worldOriginY(), scaleNumerator() / scaleDenominator() * (zoom * dpi() / kMmPerInch),
            static_cast<double>(leftBand() - scrollX), static_cast<double>(topBand() - scrollY)};
}

double ViewMapping::pixelsToLength(double pixels, int useScale) const { return pixelsToLengthAtZoom(pixels, zoom, useScale); }

double ViewMapping::pixelsToLengthAtZoom(double pixels, double atZoom, int useScale) const
{
    ViewMapping& self = const_cast<ViewMapping&>(*this);
    return self.pixelsToLengthEx(pixels, atZoom, useScale, 0);
}

double ViewMapping::pixelsToLengthEx(double pixels, double atZoom, int useScale, int use72)
{
    const double resolution = use72 ? static_cast<double>(ScreenResolution::kDefault) : dpi();
    if (!ZoomRules::isUsableFactor(atZoom))
        return 0.0;
    const double millimetres = pixels / (resolution * atZoom) * kMmPerInch;
    return useScale ? millimetres * scaleDenominator() / scaleNumerator() : millimetres;
}

double ViewMapping::lengthToPixelsAtDpi(double millimetres) const { return std::trunc(millimetres / kMmPerInch * dpi()); }
double ViewMapping::pixelsToLengthAtDpi(double pixels) const { return pixels / dpi() * kMmPerInch; }

// Mapping

void ViewMapping::deviceToWorld(const IntPoint& device, double* x, double* y, double* z)
{
    const Terms t = terms();
    *x = (device.x - t.offsetX) / t.pixelsPerUnit + t.originX;
    *y = (device.y - t.offsetY) / t.pixelsPerUnit + t.originY;
    *z = 0.0;
}

double ViewMapping::deviceToWorldX(int x)
{
    const Terms t = terms();
    return (x - t.offsetX) / t.pixelsPerUnit + t.originX;
}

double ViewMapping::deviceToWorldY(int y)
{
    const Terms t = terms();
    return (y - t.offsetY) / t.pixelsPerUnit + t.originY;
}

void ViewMapping::worldToDevice(double x, double y, IntPoint* out)
{
    const Terms t = terms();
    out->set(toInt(wholePixels((x - t.originX) * t.pixelsPerUnit) + t.offsetX, kIntLimit),
             toInt(wholePixels((y - t.originY) * t.pixelsPerUnit) + t.offsetY, kIntLimit));
}

void ViewMapping::worldToDeviceXYZ(double x, double y, double, IntPoint* out) { worldToDevice(x, y, out); }

void ViewMapping::worldToDeviceClamped(double x, double y, IntPoint* out)
{
    const Terms t = terms();
    out->set(toInt(wholePixels((x - t.originX) * t.pixelsPerUnit) + t.offsetX, kDeviceLimit),
             toInt(wholePixels((y - t.originY) * t.pixelsPerUnit) + t.offsetY, kDeviceLimit));
}

void ViewMapping::worldToDeviceXYZClamped(double x, double y, double, IntPoint* out) { worldToDeviceClamped(x, y, out); }

int ViewMapping::worldToDeviceXForOp(int operation, double x)
{
    if (PrintSettings* output = printOutputFor(operation, context))
        return output->outputX(x);
    const Terms t = terms();
    return toInt(wholePixels((x - t.originX) * t.pixelsPerUnit) + t.offsetX, kDeviceLimit);
}

int ViewMapping::worldToDeviceYForOp(int operation, double y)
{
    if (PrintSettings* output = printOutputFor(operation, context))
        return output->outputY(y);
    const Terms t = terms();
    return toInt(wholePixels((y - t.originY) * t.pixelsPerUnit) + t.offsetY, kDeviceLimit);
}

double ViewMapping::lengthToPixelsForOp(int operation, double millimetres)
{
    if (PrintSettings* output = printOutputFor(operation, context))
        return output->outputLengthToPixels(millimetres);
    return limited(lengthToPixels(millimetres, 0), kDeviceLimit);
}

double ViewMapping::pixelsToLengthForOp(int operation, double pixels)
{
    if (PrintSettings* output = printOutputFor(operation, context))
        return output->outputPixelsToLength(pixels);
    return pixelsToLength(pixels, 0);
}

int ViewMapping::unscrolledDeviceX(double x) const
{
    const Terms t = terms();
    return toInt(wholePixels((x - t.originX) * t.pixelsPerUnit) + leftBand(), kIntLimit);
}

int ViewMapping::unscrolledDeviceY(double y) const
{
    const Terms t = terms();
    return toInt(wholePixels((y - t.originY) * t.pixelsPerUnit) + topBand(), kIntLimit);
}

// Areas

void ViewMapping::clientRect(IntRect& out)
{
    out.init();
    if (context && context->window && context->window->hwnd())
        out = context->window->clientRect();
}

void ViewMapping::windowArea(IntRect& out)
{
    clientRect(out);
    out.right -= rightBand();
    out.bottom -= bottomBand();
}

void ViewMapping::viewArea(IntRect& out)
{
    windowArea(out);
    out.left += leftBand();
    out.top += topBand();
}

int ViewMapping::isInViewArea(const IntPoint& device)
{
    IntRect area;
    viewArea(area);
    return area.width() > 0 && area.height() > 0 && device.x >= area.left && device.x <= area.right &&
           device.y >= area.top && device.y <= area.bottom;
}

int ViewMapping::isCursorInView()
{
    IntPoint cursor;
    cursorPosition(cursor);
    return window() ? isInViewArea(cursor) : 0;
}

int ViewMapping::isWorldPointVisible(double x, double y)
{
    IntPoint device;
    worldToDevice(x, y, &device);
    return isInViewArea(device);
}

void ViewMapping::viewCentreWorld(double& x, double& y)
{
    IntRect area;
    viewArea(area);
    double z = 0.0;
    deviceToWorld(area.center(), &x, &y, &z);
}

// Caption

int ViewMapping::formatCaption(char* text, int size)
{
    if (!text || size < 1)
        return 0;
    text[0] = 0;
    const char* title = context ? context->title() : nullptr;
    if (!title)
        return 0;
    char resolution[64] = "  ";
    StringUtil::appendDouble(resolution, dpi() * zoom, 2);
    StringUtil::append(resolution, " dpi ");
    const int mark = context->isModified() ? 1 : 0;
    // The resolution always shows; the title takes the room that is left.
    const int room = size - mark - StringUtil::length(resolution);
    if (room < 1)
        return 0;
    if (mark)
        StringUtil::copy(text, size, "*");
    StringUtil::copy(text + mark, room, title);
    StringUtil::append(text, size, resolution);
    return 1;
}

void ViewMapping::updateViewCaption()
{
    Window* view = window();
    char caption[kCaptionSize];
    if (view && formatCaption(caption, sizeof caption))
        view->setTitle(caption);
}

int ViewMapping::repaintClientArea()
{
    Window* view = window();
    if (!view || !view->hwnd())
        return 0;
    view->invalidate();
    return 1;
}

void ViewMapping::postMouseMove()
{
    if (Window* view = window())
        view->repostMouseMove();
}

Window* ViewMapping::window() { return context ? context->window : nullptr; }

void ViewMapping::cursorPosition(IntPoint& out)
{
    Window* view = window();
    if (view && view->hwnd())
        out = view->cursorPos();
    else
        out.set(0, 0);
}
