// The grid as the view paints it under or over the figures: dots at the grid positions or a mesh
// of lines, in the plus colour where both shown coordinates count from the origin upwards
// (x to the right, y downwards with "UNDERPLUS", upwards with "UPPERPLUS") and in the minus colour
// elsewhere, then the origin mark.
//
// Only the part of the view that lies on the sheet with its crop-mark band is painted. Grid
// indices are found by division from the origin and every position is origin + k * spacing, so
// the cost depends on the pixels painted only: an origin kilometres away, or a corrupt one, costs
// no more than one in view.
#include <algorithm>
#include <cmath>

#include "document/DocumentContext.h"
#include "document/DrawingGrid.h"
#include "document/SheetSettings.h"
#include "document/ViewUpdater.h"
#include "geometry/ViewParams.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"

namespace {

// The marker around the origin: 10 x 10 pixels.
const int kMarkSize = 10;
// The dots: 3 x 3 pixels centred on the position.
const int kDotSize = 3;
// No more lines than this per axis, whatever the view answers for the spacing.
const int kMaxLines = 32768;

// A box in drawing units (y growing downwards).
struct WorldBox {
    double left, top, right, bottom;
    [[nodiscard]] bool isEmpty() const { return !(bottom > top) || !(right > left); }
};

// The grid indices k whose positions o + k * s lie in [lo, hi] (in (lo, hi] when lowOpen): the
// first one and how many, at most cap. The division may be one off either way; the neighbours
// decide.
struct IndexRun {
    double first = 0.0;
    int count = 0;
};

IndexRun indicesBetween(double o, double s, double lo, double hi, bool lowOpen, int cap)
{
    IndexRun run;
    if (!(s > 0.0) || !std::isfinite(s) || !(hi >= lo))
        return run;
    auto inLow = [&](double k) { return lowOpen ? o + k * s > lo : o + k * s >= lo; };
    double first = std::ceil((lo - o) / s);
    double last = std::floor((hi - o) / s);
    if (!std::isfinite(first) || !std::isfinite(last))
        return run;
    if (!inLow(first))
        first += 1.0;
    else if (inLow(first - 1.0))
        first -= 1.0;
    if (o + last * s > hi)
        last -= 1.0;
    else if (o + (last + 1.0) * s <= hi)
        last += 1.0;
    const double count = last - first + 1.0;
    if (!(count >= 1.0))
        return run;
    run.first = first;
    run.count = count < cap ? static_cast<int>(count) : cap;
    return run;
}

double clampTo(double v, double lo, double hi) { return v < lo ? lo : v > hi ? hi : v; }

// The spacing in drawing units of an axis, 0 when it has none.
double spacingOf(double pitchMm, double denominator)
{
    const double s = pitchMm / denominator;
    return std::isfinite(s) && s > 0.0 ? s : 0.0;
}

// How many lines an axis may have: those its pixels can show apart, and never more than kMaxLines.
int lineCap(int extentPixels, int spacingPixels)
{
    const int cap = extentPixels / std::max(spacingPixels, 1) + 2;
    return std::min(std::max(cap, 0), kMaxLines);
}

// Everything one paint works with.
struct GridPaint {
    DeviceContext& dc;
    ViewParams& view;
    WorldBox v;       // the visible part of the sheet and its crop-mark band
    IntRect f;        // v in pixels
    double ox, oy;    // the origin
    double sx, sy;    // the spacings
    int spacingX, spacingY; // in pixels
    int upward;       // 1 with "UPPERPLUS": the plus side of y lies above the origin
    PenSpec plus, minus;
};

// The vertical lines of the mesh: on the origin's right (index >= 0) the part inside the plus
// quadrant's rows in the plus colour and the rest in the minus colour; left of the origin whole
// lines in the minus colour, never on the left edge itself.
void paintVerticalLines(GridPaint& g)
{
    const IndexRun run = indicesBetween(g.ox, g.sx, g.v.left, g.v.right, false, lineCap(g.f.right - g.f.left, g.spacingX));
    // The plus rows: below the origin row ("UNDERPLUS") or above it ("UPPERPLUS").
    const int qEdge = g.view.worldToDeviceY(clampTo(g.oy, g.v.top, g.v.bottom));
    const bool plusRows = g.upward ? g.oy >= g.v.top : g.oy <= g.v.bottom;
    for (int j = 0; j < run.count; ++j) {
        const double k = run.first + j;
        const double x = g.ox + k * g.sx;
        const int dx = g.view.worldToDeviceX(x);
        if (k >= 0.0) {
            if (plusRows)
                g.dc.drawVerticalLine(g.plus, dx, g.upward ? g.f.top : qEdge, g.upward ? qEdge : g.f.bottom);
            if (g.upward ? qEdge < g.f.bottom : g.f.top < qEdge)
                g.dc.drawVerticalLine(g.minus, dx, g.upward ? qEdge : g.f.top, g.upward ? g.f.bottom : qEdge);
        } else if (x > g.v.left) {
            g.dc.drawVerticalLine(g.minus, dx, g.f.top, g.f.bottom);
        }
    }
}

// The horizontal lines: the rows on the plus side of the origin get the plus colour right of
// the origin and the minus colour left of it; the other rows are minus across, never on the far
// edge itself.
void paintHorizontalLines(GridPaint& g)
{
    const IndexRun run = indicesBetween(g.oy, g.sy, g.v.top, g.v.bottom, false, lineCap(g.f.bottom - g.f.top, g.spacingY));
    const int qLeft = g.view.worldToDeviceX(clampTo(g.ox, g.v.left, g.v.right));
    const bool plusColumns = g.ox <= g.v.right;
    for (int j = 0; j < run.count; ++j) {
        const double k = run.first + j;
        const double y = g.oy + k * g.sy;
        const int dy = g.view.worldToDeviceY(y);
        if (g.upward ? k <= 0.0 : k >= 0.0) {
            if (plusColumns)
                g.dc.drawHorizontalLine(g.plus, dy, qLeft, g.f.right);
            if (g.f.left < qLeft)
                g.dc.drawHorizontalLine(g.minus, dy, g.f.left, qLeft);
        } else if (g.upward ? y < g.v.bottom : y > g.v.top) {
            g.dc.drawHorizontalLine(g.minus, dy, g.f.left, g.f.right);
        }
    }
}

// Dots at the positions right of the left edge and below the top edge, up to and on the far
// edges; the plus colour where the column's index and the shown row index are both >= 0.
void paintDots(GridPaint& g)
{
    const IndexRun columns =
        indicesBetween(g.ox, g.sx, g.v.left, g.v.right, true, lineCap(g.f.right - g.f.left, g.spacingX));
    const IndexRun rows = indicesBetween(g.oy, g.sy, g.v.top, g.v.bottom, true, lineCap(g.f.bottom - g.f.top, g.spacingY));
    for (int i = 0; i < columns.count; ++i) {
        const double kx = columns.first + i;
        const int dx = g.view.worldToDeviceX(g.ox + kx * g.sx);
        for (int j = 0; j < rows.count; ++j) {
            const double ky = rows.first + j;
            const double shownY = g.upward ? -ky : ky;
            const int dy = g.view.worldToDeviceY(g.oy + ky * g.sy);
            IntRect dot;
            dot.setCenteredXY(dx, dy, kDotSize, kDotSize);
            g.dc.fillRect(kx >= 0.0 && shownY >= 0.0 ? g.plus : g.minus, dot);
        }
    }
}

} // namespace

int DrawingGrid::paintUnder() { return position == kUnderFigures ? paint() : position; }

int DrawingGrid::paintOver() { return position == kOverFigures ? paint() : position; }

double DrawingGrid::spacing(double pitchMm, double denominator, int unit) const
{
    if (!(denominator >= 1.0) || unit < UnitConverter::millimetre || unit > UnitConverter::metre)
        return 0.0;
    return spacingOf(pitchMm, denominator);
}

int DrawingGrid::spacingPixels(double pitchMm, double denominator, int unit) const
{
    ViewParams* view = owner ? owner->view : nullptr;
    const double s = spacing(pitchMm, denominator, unit);
    if (!view || !(s > 0.0))
        return 0;
    // Whole pixels, kept within the int range (a tiny pitch at a huge zoom is no grid to draw).
    const double pixels = view->lengthToPixels(s, 1);
    return pixels >= 2147483647.0 ? 2147483647 : pixels > 0.0 ? static_cast<int>(pixels) : 0;
}

int DrawingGrid::xSpacingPixels() const { return spacingPixels(xPitchInMillimetres(), xDenominator, xUnitId()); }

int DrawingGrid::ySpacingPixels() const { return spacingPixels(yPitchInMillimetres(), yDenominator, yUnitId()); }

int DrawingGrid::paint()
{
    ViewParams* view = owner ? owner->view : nullptr;
    DeviceContext* dc = owner && owner->updater ? owner->updater->surfaceForOperation(1) : nullptr;
    const auto* sheet = dynamic_cast<const SheetSettings*>(owner ? owner->paper : nullptr);
    if (!view || !dc || !sheet)
        return 0;
    IntRect client;
    view->clientRect(client);
    if (client.right <= client.left || client.bottom <= client.top)
        return 0;
    DcScope scope(*dc);

    // The client area in drawing units, kept to the sheet and its crop-mark band.
    WorldBox v = {view->deviceToWorldX(client.left), view->deviceToWorldY(client.top), view->deviceToWorldX(client.right),
                  view->deviceToWorldY(client.bottom)};
    v.top = std::max(v.top, -sheet->tonboTopInDrawing());
    v.left = std::max(v.left, -sheet->tonboLeftInDrawing());
    v.right = std::min(v.right, sheet->horizontalSizeInDrawing() + sheet->tonboRightInDrawing());
    v.bottom = std::min(v.bottom, sheet->verticalSizeInDrawing() + sheet->tonboBottomInDrawing());

    if (!v.isEmpty()) {
        GridPaint g = {*dc,
                       *view,
                       v,
                       IntRect::fromEdges(view->worldToDeviceX(v.left), view->worldToDeviceY(v.top),
                                          view->worldToDeviceX(v.right), view->worldToDeviceY(v.bottom)),
                       xOrigin,
                       yOrigin,
                       spacing(xPitchInMillimetres(), xDenominator, xUnitId()),
                       spacing(yPitchInMillimetres(), yDenominator, yUnitId()),
                       xSpacingPixels(),
                       ySpacingPixels(),
                       sheet->yDirection() == SheetSettings::kUpperPlus,
                       PenSpec(plusColor),
                       PenSpec(minusColor)};
        // Spacings under a pixel paint nothing, whatever minPixelSpacing says.
        const int least = std::max(minPixelSpacing, 1);
        if (kind == kDots) {
            if (2 * least <= g.spacingX && 2 * least <= g.spacingY)
                paintDots(g);
        } else if (kind == kMesh) {
            if (least <= g.spacingX)
                paintVerticalLines(g);
            if (least <= g.spacingY)
                paintHorizontalLines(g);
        }
    }

    if (view->isWorldPointVisible(xOrigin, yOrigin)) {
        IntRect mark;
        mark.setCenteredXY(view->worldToDeviceX(xOrigin), view->worldToDeviceY(yOrigin), kMarkSize, kMarkSize);
        const PenSpec pen(originColor);
        switch (originDesign) {
        case kPlusMark:
            dc->drawCenterLines(pen, mark, 1, 1);
            break;
        case kCrossMark:
            dc->drawDiagonals(pen, mark, 1, 1);
            break;
        case kSquareMark:
            dc->drawFrame(pen, mark, 1);
            break;
        case kDiamondMark:
            dc->drawDiamond(pen, mark);
            break;
        default:
            break;
        }
    }
    return 1;
}
