#include "shapes/GradationFillShape.h"

#include <cmath>
#include <utility>

#include "geometry/FillAttributes.h"
#include "geometry/ViewParams.h"
#include "platform/DeviceContext.h"
#include "platform/MathUtil.h"

namespace {
const double kMillimetresPerInch = 25.4;
// More bands than any device has pixels: corrupt cut counts end here.
const double kMaxCuts = 1e6;
} // namespace

GradationFillShape::GradationFillShape() { (void)ensure(fill); } // without it the shape fills nothing

GradationFillShape::~GradationFillShape() { release(fill); }

void GradationFillShape::setFill(const FillAttributes& attributes)
{
    if (fill)
        fill->assign(&attributes);
}

int GradationFillShape::gradationOn() const { return fill && fill->gray.kind == GrayAttributes::kGradation; }

int GradationFillShape::direction() const { return fill->gray.vector; }

double GradationFillShape::axisLength() const
{
    const int d = direction();
    return d == 3 || d == 4 ? upperBound.y - lowerBound.y : upperBound.x - lowerBound.x;
}

double GradationFillShape::cutsAlongAxis() const
{
    const double n = std::trunc(toPaper(axisLength()) * fill->gray.cuts / kMillimetresPerInch);
    return n >= 0.0 ? MathUtil::minDouble(n, kMaxCuts) : 0.0; // NaN and negatives count as 0
}

int GradationFillShape::outputBandCount() const
{
    return static_cast<int>(MathUtil::maxDouble(1.0, MathUtil::minDouble(cutsAlongAxis(), kMaxOutputBands)));
}

int GradationFillShape::deviceBandCount(int devicePixels) const
{
    const int n = static_cast<int>(cutsAlongAxis());
    if (n <= 1)
        return n + 1;
    // The most bands up to n that are 2 pixels or wider, but 2 when none are.
    return MathUtil::maxInt(2, MathUtil::minInt(n, std::abs(devicePixels) / 2));
}

double GradationFillShape::bandValue(int i, int n) const
{
    const int last = n - 1;
    if (last < 1 || i < 1)
        return fill->gray.startGray;
    if (i >= last)
        return fill->gray.endGray;
    return fill->gray.startGray + (fill->gray.endGray - fill->gray.startGray) * i / last;
}

InkColor GradationFillShape::bandColour(int i) const
{
    // The tint as a whole percentage, as colours are tinted everywhere.
    const double percent = bandValue(i, bandCount) * 100.0;
    InkColor colour = baseColour;
    colour.applyTint(static_cast<int>(percent >= 0.0 ? MathUtil::minDouble(percent, 100.0) : 0.0));
    return colour;
}

int GradationFillShape::execute(int operation, int newMode)
{
    if (!gradationOn())
        return 0;
    return runFill(operation, newMode, fill->colour, baseColour);
}

void GradationFillShape::drawOnDevice()
{
    ViewParams* view = viewParams();
    if (!computeBounds() || !outlineIsArea())
        return;
    saveClip();
    if (setPolygonClip()) {
        deviceBox = IntRect::fromEdges(
            view->worldToDeviceXForOp(op, lowerBound.x), view->worldToDeviceYForOp(op, lowerBound.y),
            view->worldToDeviceXForOp(op, upperBound.x), view->worldToDeviceYForOp(op, upperBound.y));
        const int d = direction();
        const long long across = d == 3 || d == 4 ? deviceBox.bottom - deviceBox.top : deviceBox.right - deviceBox.left;
        bandCount = deviceBandCount(static_cast<int>(across));
        for (int i = 0; i < bandCount && d >= 1 && d <= 4; ++i) {
            // Integer steps: each band starts where the one before ended.
            const int from = static_cast<int>(across * i / bandCount);
            const int to = static_cast<int>(across * (i + 1) / bandCount);
            IntRect band = deviceBox;
            if (d == 1)
                band.left = deviceBox.left + from, band.right = deviceBox.left + to;
            else if (d == 2)
                band.left = deviceBox.right - to, band.right = deviceBox.right - from;
            else if (d == 3)
                band.top = deviceBox.top + from, band.bottom = deviceBox.top + to;
            else
                band.top = deviceBox.bottom - to, band.bottom = deviceBox.bottom - from;
            // A mapping that turns an axis gives the box's edges the other way round.
            if (band.left > band.right)
                std::swap(band.left, band.right);
            if (band.top > band.bottom)
                std::swap(band.top, band.bottom);
            surface->fillRect(bandColour(i), band);
        }
    }
    restoreClip();
}

int GradationFillShape::bandCorners(int i, double& xa, double& ya, double& xb, double& yb) const
{
    const double x0 = lowerBound.x, y0 = lowerBound.y, x1 = upperBound.x, y1 = upperBound.y;
    const double step = axisLength() / bandCount;
    xa = x0, xb = x1, ya = y0, yb = y1;
    switch (direction()) {
    case 1:
        xa = x0 + i * step, xb = x0 + (i + 1) * step;
        return 1;
    case 2:
        xa = x1 - i * step, xb = x1 - (i + 1) * step;
        return 1;
    case 3:
        ya = y0 + i * step, yb = y0 + (i + 1) * step;
        return 1;
    case 4:
        ya = y1 - i * step, yb = y1 - (i + 1) * step;
        return 1;
    default:
        return 0;
    }
}

void GradationFillShape::writePostScript()
{
    if (!computeBounds() || !outlineIsArea())
        return;
    effectiveColour = baseColour;
    if (psTestColor(1.0) < 1)
        return; // not on this plate
    const int clipped = !clipSuppressed && writePostScriptClip();
    bandCount = outputBandCount();
    for (int i = 0; i < bandCount && postScriptBand(i); ++i) {
    }
    if (clipped)
        (void)psInitClip(); // a failed write has ended the output already
}

int GradationFillShape::postScriptBand(int i)
{
    double xa, ya, xb, yb;
    if (!bandCorners(i, xa, ya, xb, yb))
        return 0;
    const double value = bandValue(i, bandCount);
    effectiveColour = bandColour(i);
    return psSetColor(value) && psNewPath() && psMoveToScaled(xa, ya) && psLineToScaled(xb, ya) &&
           psLineToScaled(xb, yb) && psLineToScaled(xa, yb) && psClosePath() && psFill();
}

void GradationFillShape::writePdf()
{
    bindSubObjects();
    if (!computeBounds() || !outlineIsArea())
        return;
    int clipped = 0;
    if (!clipSuppressed) {
        clipped = writePdfClip();
        if (!clipped)
            return; // no clip path, or a failed one: nothing to fill in
    }
    bandCount = outputBandCount();
    for (int i = 0; i < bandCount && pdfBand(i); ++i) {
    }
    if (clipped)
        (void)endPdfClip(); // a failed write has ended the output already
}

int GradationFillShape::pdfBand(int i)
{
    double xa, ya, xb, yb;
    if (!bandCorners(i, xa, ya, xb, yb))
        return 0;
    return pdfSetFillColor(fill->colour, bandValue(i, bandCount)) && pdfMoveToScaled(xa, ya) &&
           pdfLineToScaled(xb, ya) && pdfLineToScaled(xb, yb) && pdfLineToScaled(xa, yb) && pdfClosePath() &&
           pdfFill();
}
