// ViewMapping: the zoom operations, centring and fitting.
#include <cmath>
#include <climits>

#include "document/DocumentContext.h"
#include "document/PainterBase.h"
#include "document/RulerBars.h"
#include "document/SheetSettings.h"
#include "document/ViewScroller.h"
#include "document/ViewUpdater.h"
#include "geometry/PaperSettings.h"
#include "views/ViewMapping.h"
#include "views/ZoomRules.h"

namespace {
int offsetFrom(double v) { return static_cast<int>(v < -(INT_MAX / 4) ? -(INT_MAX / 4) : v > INT_MAX / 4 ? INT_MAX / 4 : v); }

// The target of a redirected page redraw that is a surface of the caller's (a thumbnail's
// bitmap): the elements draw straight onto it.
class SurfaceTarget : public PainterBase {
public:
    explicit SurfaceTarget(DeviceContext& surface) : surface_(surface) {}
    void setContext(DocumentContext*) override {}
    int ensureBitmap() override { return 1; }
    [[nodiscard]] int isCreated() const override { return 1; }
    [[nodiscard]] DeviceContext* surface() override { return &surface_; }

private:
    DeviceContext& surface_;
};
} // namespace

int ViewMapping::setZoom(double z)
{
    if (!ZoomRules::isUsableFactor(z))
        return 0;
    zoom = ZoomRules::clampZoom(z, minZoom, maxZoom);
    return 1;
}

void ViewMapping::refreshAfterZoom()
{
    updateViewCaption();
    if (!context)
        return;
    if (context->rulers)
        context->rulers->paint();
    if (ViewUpdater* updater = context->updater) {
        updater->refreshAfterReset();
        updater->repaint(); // with the selection's marks, which the new scale moved
    } else {
        (void)repaintClientArea(); // 0 without a window: nothing to show
    }
}

void ViewMapping::centreOn(double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    IntRect area;
    viewArea(area);
    const IntPoint centre = area.center();
    // The offsets that bring the point's unscrolled position onto the centre.
    scrollX = offsetFrom(lengthToPixels(x - worldOriginX(), 1) + leftBand() - centre.x);
    scrollY = offsetFrom(lengthToPixels(y - worldOriginY(), 1) + topBand() - centre.y);
    if (ViewScroller* scroller = context ? context->scroller : nullptr)
        scroller->centreOn(x, y);
    refreshAfterZoom();
}

int ViewMapping::zoomIn()
{
    if (!canZoomIn())
        return 0;
    double x = 0.0, y = 0.0;
    viewCentreWorld(x, y);
    (void)setZoom(2.0 * zoom); // twice a usable zoom is usable
    centreOn(x, y);
    lastZoomDirection = 1;
    return 1;
}

int ViewMapping::zoomOut()
{
    if (!canZoomOut())
        return 0;
    double x = 0.0, y = 0.0;
    viewCentreWorld(x, y);
    (void)setZoom(0.5 * zoom);
    centreOn(x, y);
    lastZoomDirection = 2;
    return 1;
}

int ViewMapping::zoomAtPoint(const IntPoint& point, double factor)
{
    if (!ZoomRules::isUsableFactor(factor) || !isInViewArea(point))
        return 0;
    double px = 0.0, py = 0.0, z = 0.0;
    deviceToWorld(point, &px, &py, &z);
    if (!setZoom(zoom * factor))
        return 0;
    double cx = 0.0, cy = 0.0, qx = 0.0, qy = 0.0;
    viewCentreWorld(cx, cy);
    deviceToWorld(point, &qx, &qy, &z);
    // The drawing point that was under the cursor comes back under it.
    centreOn(cx - qx + px, cy - qy + py);
    return 1;
}

int ViewMapping::setZoomTo(double z)
{
    if (!ZoomRules::isUsableFactor(z))
        return 0;
    zoom = z;
    if (ViewScroller* scroller = context ? context->scroller : nullptr)
        (void)scroller->resetRanges(); // whether a bar moved does not matter: the view is redrawn
    refreshAfterZoom();
    return 1;
}

int ViewMapping::fitSheet()
{
    const double sheetW = sheetWidthMm();
    const double sheetH = sheetHeightMm();
    // A damaged drawing's sheet of no size cannot be fitted.
    if (!(sheetW > 0.0) || !(sheetH > 0.0) || !std::isfinite(sheetW) || !std::isfinite(sheetH))
        return 0;
    const double neededW = lengthToPixelsAtDpi(2.0 * marginX + sheetW);
    const double neededH = lengthToPixelsAtDpi(2.0 * marginY + sheetH);
    if (neededW < 1.0 || neededH < 1.0)
        return 0;
    IntRect area;
    viewArea(area);
    if (area.width() < 1 || area.height() < 1)
        return 0;
    const double fitted = std::fmin(area.width() / neededW, area.height() / neededH);
    return setZoomTo(ZoomRules::clampZoom(fitted, minZoom, maxZoom));
}

int ViewMapping::fitSheetInto(const IntRect& device, ViewMapping& backup)
{
    backup.assign(*this);
    backup.rulersShown = rulersShown;
    backup.sheetOffsetOn = sheetOffsetOn;
    rulersShown = 0;
    const double neededW = lengthToPixelsAtDpi(2.0 * marginX + sheetWidthMm());
    const double neededH = lengthToPixelsAtDpi(2.0 * marginY + sheetHeightMm());
    if (!(neededW >= 1.0) || !(neededH >= 1.0))
        return 0;
    const double fitted = std::fmin(device.width() / neededW, device.height() / neededH);
    if (!ZoomRules::isUsableFactor(fitted))
        return 0;
    zoom = fitted;
    originX = originY = originZ = 0.0;
    scrollX = scrollY = 0;
    return 1;
}

FittedSheetView::FittedSheetView(DocumentContext* context, const IntRect& device)
{
    auto* view = context ? dynamic_cast<ViewMapping*>(context->view) : nullptr;
    if (!view || device.width() < 1 || device.height() < 1)
        return;
    view_ = view;
    if (!view->fitSheetInto(device, backup_))
        restore();
}

void FittedSheetView::restore()
{
    if (!view_)
        return;
    view_->assign(backup_);
    view_->rulersShown = backup_.rulersShown;
    view_->sheetOffsetOn = backup_.sheetOffsetOn;
    view_ = nullptr;
}

int FittedSheetView::mapViewRect(DocumentContext* context, const IntRect& viewRect, const IntRect& device,
                                 IntPoint& topLeft, IntPoint& bottomRight)
{
    if (!context || !context->view)
        return 0;
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
    context->view->deviceToWorldXY(viewRect.topLeft(), &x1, &y1);
    context->view->deviceToWorldXY(IntPoint(viewRect.right, viewRect.bottom), &x2, &y2);
    FittedSheetView fitted(context, device);
    if (!fitted)
        return 0;
    fitted->worldToDeviceClamped(x1, y1, &topLeft);
    fitted->worldToDeviceClamped(x2, y2, &bottomRight);
    return 1;
}

int ViewMapping::fitRectangle(const IntRect& device, ViewMapping& backup, double minX, double minY, double maxX,
                              double maxY)
{
    if (!(maxX >= 0.1) || !(maxY >= 0.1))
        return fitSheetInto(device, backup);
    const double extentX = (maxX - minX) + 2 * 3.0;
    const double extentY = (maxY - minY) + 2 * 3.0;
    if (!(extentX > 0.0) || !(extentY > 0.0))
        return 0;
    backup.assign(*this);
    backup.rulersShown = rulersShown;
    backup.sheetOffsetOn = sheetOffsetOn;
    rulersShown = 0;
    marginX = marginY = 3.0;
    const double availableX = pixelsToLengthAtDpi(device.width());
    const double availableY = pixelsToLengthAtDpi(device.height());
    const double fitted = std::fmin(availableX / extentX, availableY / extentY);
    if (!(fitted >= 0.001))
        return 0;
    zoom = fitted;
    // The extent is centred in what is available.
    originX = minX - (availableX / zoom - extentX) * 0.5;
    originY = minY - (availableY / zoom - extentY) * 0.5;
    originZ = 0.0;
    scrollX = scrollY = 0;
    sheetOffsetOn = 0;
    return 1;
}

int ViewMapping::drawPageScaled(DeviceContext& surface, const DoubleRect& extent, int size)
{
    ViewUpdater* updater = context ? context->updater : nullptr;
    if (!updater || size < 1)
        return 0;
    auto* sheet = dynamic_cast<SheetSettings*>(context->paper);
    const int oneToOne = sheet ? sheet->oneToOne : 0;
    if (sheet)
        sheet->oneToOne = 1;
    ViewMapping backup;
    backup.assign(*this);
    backup.rulersShown = rulersShown;
    backup.sheetOffsetOn = sheetOffsetOn;
    const int fitted = fitRectangle(IntRect::fromEdges(0, 0, size, size), backup, extent.minX, extent.minY, extent.maxX,
                                    extent.maxY);
    if (fitted) {
        SurfaceTarget target(surface);
        updater->drawPageInto(&target);
    }
    assign(backup);
    rulersShown = backup.rulersShown;
    sheetOffsetOn = backup.sheetOffsetOn;
    if (sheet)
        sheet->oneToOne = oneToOne;
    return fitted;
}

void ViewMapping::reset()
{
    zoom = 1.0;
    originX = originY = originZ = 0.0;
    scrollX = scrollY = 0;
    lastZoomDirection = 1;
}

void ViewMapping::resetZoom()
{
    zoom = 1.0;
    scrollX = scrollY = 0;
}
