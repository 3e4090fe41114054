#include "views/ViewRulers.h"

#include <cmath>
#include <cstdio>

#include "document/DocumentContext.h"
#include "geometry/DrawPoint.h"
#include "geometry/GridSettings.h"
#include "geometry/PaperSettings.h"
#include "platform/FontHolder.h"
#include "platform/UnitConverter.h"
#include "platform/Window.h"
#include "views/OffscreenPainter.h"
#include "views/ViewMapping.h"

namespace {
const int kLabelSize = 9;

double pixelsOf(double length, void* view) { return static_cast<ViewMapping*>(view)->lengthToPixels(length, 1); }
int deviceX(double x, void* view) { return static_cast<ViewMapping*>(view)->worldToDeviceX(x); }
int deviceY(double y, void* view) { return static_cast<ViewMapping*>(view)->worldToDeviceY(y); }
double worldX(int x, void* view) { return static_cast<ViewMapping*>(view)->deviceToWorldX(x); }
double worldY(int y, void* view) { return static_cast<ViewMapping*>(view)->deviceToWorldY(y); }

// What one axis's tick visits need.
struct AxisPaint {
    DeviceContext* dc;
    IntRect band;
    int vertical;
    int kind;
    int labelEvery;
    long long unitsPerStep; // the step in the grid unit, truncated
};

void drawTick(long long index, int at, void* data)
{
    const AxisPaint& a = *static_cast<AxisPaint*>(data);
    const int length = rulerTickLength(a.kind, index, ViewRulers::kThickness);
    const PenSpec black(RgbColor(0, 0, 0));
    if (a.vertical)
        a.dc->drawHorizontalLine(black, at, a.band.right - length, a.band.right);
    else
        a.dc->drawVerticalLine(black, at, a.band.bottom - length, a.band.bottom);
    if (index % a.labelEvery != 0 || (a.unitsPerStep == 0 && index != 0))
        return;
    char text[32];
    std::snprintf(text, sizeof text, "%lld", index * a.unitsPerStep);
    if (a.vertical)
        a.dc->drawTextRotatedTopLeft(a.band.left, at - 1, kLabelSize, 90.0, text);
    else
        a.dc->drawTextRotatedTopLeft(at + 1, a.band.top, kLabelSize, 0.0, text);
}
} // namespace

ViewMapping* ViewRulers::mapping() const { return context ? dynamic_cast<ViewMapping*>(context->view) : nullptr; }

IntRect ViewRulers::cornerRect() const
{
    IntRect client;
    viewClientRectOf(context, client);
    return IntRect::fromEdges(client.left, client.top, client.left + kThickness, client.top + kThickness);
}

IntRect ViewRulers::horizontalRect() const
{
    IntRect client;
    viewClientRectOf(context, client);
    return IntRect::fromEdges(client.left + kThickness, client.top, client.right, client.top + kThickness);
}

IntRect ViewRulers::verticalRect() const
{
    IntRect client;
    viewClientRectOf(context, client);
    return IntRect::fromEdges(client.left, client.top + kThickness, client.left + kThickness, client.bottom);
}

int ViewRulers::axisScale(int axis, RulerScale& out) const
{
    out = RulerScale();
    GridSettings* grid = context ? context->grid : nullptr;
    ViewMapping* view = mapping();
    if (!grid || !view)
        return 0;
    const UnitConverter units;
    const double unitMm = units.convert(1.0, axis ? grid->yUnit() : grid->xUnit(), UnitConverter::millimetre);
    return computeRulerScale(unitMm, pixelsOf, view, out);
}

void ViewRulers::paint()
{
    Window* window = viewWindowOf(context);
    if (!window || !mapping())
        return;
    IntRect client;
    viewClientRectOf(context, client);
    DcScope scope(window->dc);
    window->saveClip();
    paintOn(window->dc, client);
    window->restoreClip();
}

void ViewRulers::paintOn(DeviceContext& dc, const IntRect& client)
{
    const RgbColor grey(kGrey, kGrey, kGrey);
    const PenSpec black(RgbColor(0, 0, 0));
    DcScope scope(dc);
    dc.setTextColor(RgbColor(0, 0, 0));
    dc.setTransparentBackground();
    // The labels are measured in the selected font: at the label size they fit the band.
    const ScopedFontHeight labelFont(scope.hdc(), kLabelSize);

    const IntRect corner = IntRect::fromEdges(client.left, client.top, client.left + kThickness, client.top + kThickness);
    dc.clipToRect(corner);
    dc.fillRect(grey, corner);
    dc.drawVerticalLine(black, corner.right - 1, corner.top, corner.bottom);
    dc.drawHorizontalLine(black, corner.bottom - 1, corner.left, corner.right);

    const IntRect top = IntRect::fromEdges(corner.right, client.top, client.right, corner.bottom);
    dc.clipToRect(top);
    dc.fillRect(grey, top);
    dc.drawHorizontalLine(black, top.bottom - 1, top.left, top.right);
    paintAxis(dc, top, 0);

    const IntRect left = IntRect::fromEdges(client.left, corner.bottom, corner.right, client.bottom);
    dc.clipToRect(left);
    dc.fillRect(grey, left);
    dc.drawVerticalLine(black, left.right - 1, left.top, left.bottom);
    paintAxis(dc, left, 1);
    dc.resetClip();
}

int ViewRulers::axisWalk(int axis, const IntRect& band, RulerScale& scale, RulerTickWalk& walk) const
{
    walk = RulerTickWalk();
    if (!axisScale(axis, scale))
        return 0;
    GridSettings* grid = context->grid;
    walk.step = scale.step;
    walk.mapping = mapping();
    if (axis) {
        const PaperSettings* paper = context->paper;
        // With the y axis upwards the user counts from the sheet's bottom edge.
        const int upwards = paper && paper->yDirection() == 1;
        walk.origin = upwards ? DrawPoint::paperHeightOf(context) - grid->originY() : grid->originY();
        walk.direction = upwards ? -1 : 1;
        walk.first = band.top;
        walk.last = band.bottom - 1;
        walk.toDevice = deviceY;
        walk.toWorld = worldY;
    } else {
        walk.origin = grid->originX();
        walk.first = band.left;
        walk.last = band.right - 1;
        walk.toDevice = deviceX;
        walk.toWorld = worldX;
    }
    return 1;
}

void ViewRulers::paintAxis(DeviceContext& dc, const IntRect& band, int axis)
{
    RulerScale scale;
    RulerTickWalk walk;
    if (!axisWalk(axis, band, scale, walk))
        return;
    const UnitConverter units;
    const int unit = axis ? context->grid->yUnit() : context->grid->xUnit();
    const double whole = std::trunc(units.convert(scale.step, UnitConverter::millimetre, unit));
    AxisPaint paint{&dc, band, axis, scale.kind, scale.labelEvery,
                    std::isfinite(whole) && std::fabs(whole) < 1e15 ? static_cast<long long>(whole) : 0};
    (void)walkRulerTicks(walk, drawTick, &paint); // the tick count is of no use here
}
