// The sheet as the view paints it before the elements of a page: the light-gray surround with
// a gray shadow right of and below the sheet, the crop-mark band around the sheet, the margin band
// inside it, the sheet's edge line and the margin line.
//
// Geometry is in drawing units with y growing downwards ("top" is the side at y = 0) and goes to
// pixels through the view's clamped mapping, so a sheet many times larger than the window costs
// no more than one that fits: every rectangle handed to GDI stays within -32000..32000.
#include "document/SheetSettings.h"

#include "document/DocumentContext.h"
#include "document/ViewUpdater.h"
#include "geometry/ViewParams.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"

namespace {

const int kShadowSize = 10;
const int kThumbnailShadowSize = 5;

int maxOf(int a, int b) { return a > b ? a : b; }
int minOf(int a, int b) { return a < b ? a : b; }

// A rectangle of drawing units in device pixels.
IntRect toDevice(ViewParams& view, double x1, double y1, double x2, double y2)
{
    IntPoint a, b;
    view.worldToDeviceClamped(x1, y1, &a);
    view.worldToDeviceClamped(x2, y2, &b);
    return IntRect::fromEdges(a.x, a.y, b.x, b.y);
}

// The light-gray parts of the client rectangle `c` outside the outer sheet `o`, each side over the
// client's whole width or height, with the shadow strips of width s on the right and below.
void paintSurround(DeviceContext& dc, const IntRect& c, const IntRect& o, int s)
{
    RgbColor lightGray;
    lightGray.setLightGray();
    RgbColor gray;
    gray.setGray();
    if (o.top > c.top)
        dc.fillRect(lightGray, IntRect::fromEdges(c.left, c.top, c.right, o.top));
    if (o.left > c.left)
        dc.fillRect(lightGray, IntRect::fromEdges(c.left, c.top, o.left, c.bottom));
    if (o.right < c.right) {
        dc.fillRect(lightGray, IntRect::fromEdges(o.right, c.top, c.right, c.bottom));
        if (o.top + s < c.bottom && o.bottom + s > c.top)
            dc.fillRect(gray, IntRect::fromEdges(o.right, maxOf(c.top, o.top + s), o.right + s,
                                                 minOf(c.bottom, o.bottom + s)));
    }
    if (o.bottom < c.bottom) {
        dc.fillRect(lightGray, IntRect::fromEdges(c.left, o.bottom, c.right, c.bottom));
        if (o.left + s < c.right && o.right + s > c.left)
            dc.fillRect(gray, IntRect::fromEdges(maxOf(c.left, o.left + s), o.bottom,
                                                 minOf(c.right, o.right + s), o.bottom + s));
    }
}

// The four sides of a band in drawing units, in the order top, left, right, bottom.
struct BandRects {
    double box[4][4]; // x1, y1, x2, y2 per side
};

// Fills the sides that count (at least the minimum width, in millimetres) when the area is shown;
// answers how many sides count.
int paintBand(DeviceContext& dc, ViewParams& view, const double widths[4], const BandRects& rects, int areaShown,
              const RgbColor& areaColour)
{
    int count = 0;
    for (int side = SheetSettings::kTop; side <= SheetSettings::kBottom; ++side) {
        // Written so that a width that is no number counts as no band either.
        if (!(widths[side] >= SheetSettings::kMinBandWidth))
            continue;
        ++count;
        if (areaShown) {
            const double* b = rects.box[side];
            dc.fillRect(areaColour, toDevice(view, b[0], b[1], b[2], b[3]));
        }
    }
    return count;
}

} // namespace

int SheetSettings::shadowSize() const
{
    const ViewUpdater* updater = owner ? owner->updater : nullptr;
    if (updater && (updater->redirectsToPagePainter() || updater->redirectsToPageTabBar()))
        return kThumbnailShadowSize;
    return kShadowSize;
}

void SheetSettings::clientRect(IntRect& out) const
{
    out.init();
    if (ViewParams* view = owner ? owner->view : nullptr)
        view->clientRect(out);
}

int SheetSettings::paintSheet()
{
    ViewParams* view = owner ? owner->view : nullptr;
    DeviceContext* dc = owner && owner->updater ? owner->updater->surfaceForOperation(1) : nullptr;
    if (!view || !dc)
        return 0;
    DcScope scope(*dc);

    const double w = horizontalSizeInDrawing();
    const double h = verticalSizeInDrawing();
    const double tT = tonboTopInDrawing(), tL = tonboLeftInDrawing();
    const double tR = tonboRightInDrawing(), tB = tonboBottomInDrawing();
    const double mT = yohakuTopInDrawing(), mL = yohakuLeftInDrawing();
    const double mR = yohakuRightInDrawing(), mB = yohakuBottomInDrawing();

    IntRect client;
    clientRect(client);
    paintSurround(*dc, client, toDevice(*view, -tL, -tT, w + tR, h + tB), shadowSize());

    const BandRects tonboRects = {{
        {-tL, -tT, w + tR, 0.0},   // top
        {-tL, -tT, 0.0, h + tB},   // left
        {w, -tT, w + tR, h + tB},  // right
        {-tL, h, w + tR, h + tB},  // bottom
    }};
    const int tonboCount = paintBand(*dc, *view, tonbo, tonboRects, tonboAreaShown.isOn(), tonboAreaColour);
    const BandRects yohakuRects = {{
        {0.0, 0.0, w, mT},      // top
        {0.0, 0.0, mL, h},      // left
        {w - mR, 0.0, w, h},    // right
        {0.0, h - mB, w, h},    // bottom
    }};
    const int yohakuCount = paintBand(*dc, *view, yohaku, yohakuRects, yohakuAreaShown.isOn(), yohakuAreaColour);

    if (tonboCount > 0 && tonboEdgeShown.isOn())
        dc->drawFrame(PenSpec(tonboEdgeColour), toDevice(*view, 0.0, 0.0, w, h), 1);
    if (yohakuCount > 0 && yohakuEdgeShown.isOn())
        dc->drawFrame(PenSpec(yohakuEdgeColour), toDevice(*view, mL, mT, w - mR, h - mB), 1);
    return 1;
}
