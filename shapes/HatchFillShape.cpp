#include "shapes/HatchFillShape.h"

#include <cmath>

#include "geometry/HatchAttributes.h"
#include "geometry/LineStyle.h"
#include "geometry/ViewParams.h"
#include "platform/DeviceContext.h"
#include "platform/MathUtil.h"

namespace {
// Pitches below this (drawing units) draw nothing.
const double kMinPitch = 1e-5;
// The width of hatch lines in PostScript and PDF (paper millimetres).
const double kLineWidth = 0.1;
// A family whose first line lies this many pitches away is out of reach: corrupt values.
const double kMaxSteps = 1e12;
} // namespace

HatchFillShape::HatchFillShape() { (void)ensure(hatch); } // without it the shape draws nothing

HatchFillShape::~HatchFillShape() { release(hatch); }

void HatchFillShape::setHatch(const HatchAttributes& attributes)
{
    if (hatch)
        hatch->assign(&attributes);
}

int HatchFillShape::execute(int operation, int newMode)
{
    if (!hatch || hatch->pattern == 0)
        return 0;
    return runFill(operation, newMode, hatch->colour, effectiveColour);
}

void HatchFillShape::drawOnDevice()
{
    if (!computeBounds() || !outlineIsArea())
        return;
    windowLeft = lowerBound.x, windowTop = lowerBound.y, windowRight = upperBound.x, windowBottom = upperBound.y;
    if (culling()) {
        // Lines off the screen are not generated at all: a huge box at a high zoom stays quick.
        windowLeft = MathUtil::maxDouble(windowLeft, viewArea.left);
        windowTop = MathUtil::maxDouble(windowTop, viewArea.top);
        windowRight = MathUtil::minDouble(windowRight, viewArea.right);
        windowBottom = MathUtil::minDouble(windowBottom, viewArea.bottom);
    }
    forDevice = 1;
    maxLines = kMaxPieces;
    lineCount = 0;
    thinPenSelected = 0;
    saveClip();
    if (setPolygonClip())
        generate(&HatchFillShape::deviceLine);
    restoreClip();
}

void HatchFillShape::writePostScript()
{
    if (!computeBounds() || !outlineIsArea())
        return;
    windowLeft = lowerBound.x, windowTop = lowerBound.y, windowRight = upperBound.x, windowBottom = upperBound.y;
    forDevice = 0;
    maxLines = kMaxOutputLines;
    lineCount = 0;
    if (psTestColor(1.0) < 1)
        return; // not on this plate
    const int clipped = !clipSuppressed && writePostScriptClip();
    if (psSetColor(1.0) && psSetLineWidth(kLineWidth))
        generate(&HatchFillShape::postScriptLine);
    if (clipped)
        (void)psInitClip(); // a failed write has ended the output already
}

void HatchFillShape::writePdf()
{
    bindSubObjects();
    if (!computeBounds() || !outlineIsArea())
        return;
    windowLeft = lowerBound.x, windowTop = lowerBound.y, windowRight = upperBound.x, windowBottom = upperBound.y;
    forDevice = 0;
    maxLines = kMaxOutputLines;
    lineCount = 0;
    int clipped = 0;
    if (!clipSuppressed) {
        clipped = writePdfClip();
        if (!clipped)
            return; // no clip path, or a failed one: nothing to hatch in
    }
    generate(&HatchFillShape::pdfLine);
    if (clipped)
        (void)endPdfClip(); // a failed write has ended the output already
}

double HatchFillShape::usablePitch(double paperPitch) const
{
    const double pitch = toDrawingUnits(paperPitch);
    if (!(pitch >= kMinPitch) || !std::isfinite(pitch))
        return 0.0;
    if (forDevice) {
        ViewParams* view = viewParams();
        if (!view || !(view->lengthToPixelsForOp(op, paperPitch) >= 1.0))
            return 0.0;
    }
    return pitch;
}

int HatchFillShape::family(double start, double pitch, double limit, double reach, double from, double to,
                           LineEmitter emit, int vertical, int slant)
{
    if (pitch <= 0.0)
        return 1;
    double first = 0.0;
    if (from - reach > start)
        first = std::ceil((from - reach - start) / pitch);
    if (!(first < kMaxSteps))
        return 1;
    const double x0 = lowerBound.x, y0 = lowerBound.y, x1 = upperBound.x, y1 = upperBound.y;
    for (long long k = static_cast<long long>(first);; ++k) {
        const double v = start + k * pitch;
        if (!(v < limit) || v > to)
            return 1;
        int done;
        if (slant == 1)
            done = (this->*emit)(v, y1, v + reach, y0);
        else if (slant == 2)
            done = (this->*emit)(v, y0, v + reach, y1);
        else if (vertical)
            done = (this->*emit)(v, y0, v, y1);
        else
            done = (this->*emit)(x0, v, x1, v);
        if (!done)
            return 0;
    }
}

int HatchFillShape::tiles(int horizontal, LineEmitter emit)
{
    // Courses along one axis (a), joints across them along the other (b); the first course's
    // joints are moved by half a joint pitch, and so every other course's.
    const double course = usablePitch(horizontal ? hatch->pitch2 : hatch->pitch1);
    const double joint = usablePitch(horizontal ? hatch->pitch1 : hatch->pitch2);
    if (course <= 0.0)
        return 1;
    const double a0 = horizontal ? lowerBound.y : lowerBound.x, a1 = horizontal ? upperBound.y : upperBound.x;
    const double b0 = horizontal ? lowerBound.x : lowerBound.y, b1 = horizontal ? upperBound.x : upperBound.y;
    const double aFrom = horizontal ? windowTop : windowLeft, aTo = horizontal ? windowBottom : windowRight;
    const double bFrom = horizontal ? windowLeft : windowTop, bTo = horizontal ? windowRight : windowBottom;
    double first = 0.0;
    if (aFrom - course > a0)
        first = std::ceil((aFrom - course - a0) / course);
    if (!(first < kMaxSteps))
        return 1;
    auto line = [&](double a, double b, double a2, double b2) {
        return horizontal ? (this->*emit)(b, a, b2, a2) : (this->*emit)(a, b, a2, b2);
    };
    for (long long c = static_cast<long long>(first);; ++c) {
        const double a = a0 + c * course;
        if (!(a < a1) || a > aTo)
            return 1;
        const double next = a + course;
        if (joint > 0.0) {
            const double start = b0 + (c % 2 == 0 ? joint * 0.5 : 0.0);
            double firstJoint = 0.0;
            if (bFrom > start)
                firstJoint = std::ceil((bFrom - start) / joint);
            for (long long k = static_cast<long long>(firstJoint); firstJoint < kMaxSteps; ++k) {
                const double b = start + k * joint;
                if (!(b < b1) || b > bTo)
                    break;
                if (!line(a, b, next, b))
                    return 0;
            }
        }
        if (next < a1 && !line(next, b0, next, b1))
            return 0;
    }
}

void HatchFillShape::generate(LineEmitter emit)
{
    const double height = upperBound.y - lowerBound.y;
    const double x0 = lowerBound.x, y0 = lowerBound.y, x1 = upperBound.x, y1 = upperBound.y;
    auto vertical = [&](double p) { return family(x0 + p, p, x1, 0.0, windowLeft, windowRight, emit, 1, 0); };
    auto horizontal = [&](double p) { return family(y0 + p, p, y1, 0.0, windowTop, windowBottom, emit, 0, 0); };
    // Slant lines start left of the box by its height, so that they cover all of it.
    auto slant = [&](double p, int kind) {
        return family(x0 - (height - p), p, x1, height, windowLeft, windowRight, emit, 0, kind);
    };
    const double p1 = usablePitch(hatch->pitch1);
    const double p2 = usablePitch(hatch->pitch2);
    switch (hatch->pattern) {
    case 1:
        (void)horizontal(p2);
        break;
    case 2:
        (void)vertical(p1);
        break;
    case 3:
        (void)slant(p1, 1);
        break;
    case 4:
        (void)slant(p2, 2);
        break;
    case 5:
        (void)(vertical(p1) && horizontal(p2));
        break;
    case 6:
        (void)(slant(p1, 1) && slant(p2, 2));
        break;
    case 7:
        (void)tiles(1, emit);
        break;
    case 8:
        (void)tiles(0, emit);
        break;
    default:
        break;
    }
}

int HatchFillShape::deviceLine(double x1, double y1, double x2, double y2)
{
    if (lineCount >= maxLines)
        return 0;
    ++lineCount;
    drawThinSegment(x1, y1, x2, y2);
    return 1;
}

int HatchFillShape::postScriptLine(double x1, double y1, double x2, double y2)
{
    if (lineCount >= maxLines || !psNewPath() || !psMoveToScaled(x1, y1) || !psLineToScaled(x2, y2))
        return 0;
    // The solid pattern once per run, before the first stroke.
    if (lineCount++ == 0 && !psSetDash(LineStyle::kSolid, 0.0))
        return 0;
    return psStroke();
}

int HatchFillShape::pdfLine(double x1, double y1, double x2, double y2)
{
    if (lineCount >= maxLines)
        return 0;
    // Colour, pattern and width once per run, before the first path.
    if (lineCount++ == 0 && !(pdfSetStrokeColor(hatch->colour, 1.0) && pdfSetDash(LineStyle::kSolid, 0.0) &&
                              pdfSetLineWidth(kLineWidth)))
        return 0;
    return pdfMoveToScaled(x1, y1) && pdfLineToScaled(x2, y2) && pdfStroke();
}
