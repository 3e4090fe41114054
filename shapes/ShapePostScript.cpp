// The PostScript forwarders of the shapes, and the point walks shared with PDF.
#include <cmath>

#include "document/PdfWriter.h"
#include "document/PrintSettings.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/PointArray.h"
#include "platform/MathUtil.h"
#include "shapes/Shape.h"

namespace {
// Below this width a solid line's pattern is the width itself, as stored files have it.
const double kThinSolidWidth = 0.01;
} // namespace

// --- colour (the shape's effective colour and layer) ---

int Shape::psTestColor(double tint)
{
    if (!postScriptWriter())
        return -1;
    return printSettings()->psSelectColour(effectiveColour, tint, layer);
}

int Shape::psSetColor(double tint)
{
    if (!postScriptWriter())
        return -1;
    return printSettings()->psSetColour(effectiveColour, tint, layer);
}

int Shape::psApplyColor(double tint)
{
    if (!postScriptWriter())
        return -1;
    return printSettings()->psSelectAndSetColour(effectiveColour, tint, layer);
}

// --- operators ---

int Shape::psNewPath()
{
    PsOutput* out = postScriptWriter();
    return out ? out->newPath() : 0;
}

int Shape::psClosePath()
{
    PsOutput* out = postScriptWriter();
    return out ? out->closePath() : 0;
}

int Shape::psStroke()
{
    PsOutput* out = postScriptWriter();
    return out ? out->stroke() : 0;
}

int Shape::psFill()
{
    PsOutput* out = postScriptWriter();
    return out ? out->fill() : 0;
}

int Shape::psClip()
{
    PsOutput* out = postScriptWriter();
    return out ? out->clip() : 0;
}

int Shape::psInitClip()
{
    PsOutput* out = postScriptWriter();
    return out ? out->initClip() : 0;
}

int Shape::psMoveTo(double x, double y)
{
    PsOutput* out = postScriptWriter();
    return out ? out->moveTo(x, y) : 0;
}

int Shape::psLineTo(double x, double y)
{
    PsOutput* out = postScriptWriter();
    return out ? out->lineTo(x, y) : 0;
}

int Shape::psCurveTo(double x1, double y1, double x2, double y2, double x3, double y3)
{
    PsOutput* out = postScriptWriter();
    return out ? out->curveTo(x1, y1, x2, y2, x3, y3) : 0;
}

int Shape::psArc(double x, double y, double radius, double startAngle, double endAngle, int clockwise)
{
    PsOutput* out = postScriptWriter();
    return out ? out->arc(x, y, radius, startAngle, endAngle, clockwise) : 0;
}

int Shape::psSetLineWidth(double width)
{
    PsOutput* out = postScriptWriter();
    return out ? out->setLineWidth(width) : 0;
}

template <class Writer> int Shape::setDashOn(Writer* writer, int t, double length) const
{
    if (!writer)
        return 0;
    if (t == LineStyle::kSolid && length < kThinSolidWidth)
        return writer->setDash(t, length, length, length, length);
    if (!lineType)
        return 0;
    return writer->setDash(t, length, lineType->dash, lineType->gap, lineType->dot);
}

// The PDF forwarders use the same rule.
template int Shape::setDashOn<PdfWriter>(PdfWriter* writer, int t, double length) const;

int Shape::psSetDash(int t, double length) { return setDashOn(postScriptWriter(), t, length); }

int Shape::psSetLineCap()
{
    PsOutput* out = postScriptWriter();
    if (!out)
        return 0;
    if (!lineCaps)
        return 1;
    const int cap = lineCaps->capStyle == LineCapAttribute::kRound    ? 1
                    : lineCaps->capStyle == LineCapAttribute::kSquare ? 2
                                                                      : 0;
    return out->setLineCap(cap);
}

int Shape::psSetMiterJoin()
{
    PsOutput* out = postScriptWriter();
    return out ? out->setLineJoin(0) : 0;
}

int Shape::psSelectFont(double size, const char* face, int style, int useCache)
{
    PsOutput* out = postScriptWriter();
    return out ? out->selectFont(size, face, style, useCache) : 0;
}

int Shape::psShowText(const char* text)
{
    PsOutput* out = postScriptWriter();
    return out ? out->showText(text) : 0;
}

int Shape::psShowTextCounted(const char* text, int from, int to)
{
    PsOutput* out = postScriptWriter();
    return out ? out->showText(text, from, to) : 0;
}

int Shape::psRotate(double angle, int phase)
{
    PsOutput* out = postScriptWriter();
    return out ? out->rotate(angle, phase) : 0;
}

int Shape::psShowTextRotated(const char* text, double angle)
{
    return psRotate(angle, 0) && psShowText(text) && psRotate(angle, 1);
}

int Shape::psShowTextCountedRotated(const char* text, int from, int to, double angle)
{
    return psRotate(angle, 0) && psShowTextCounted(text, from, to) && psRotate(angle, 1);
}

int Shape::psImage(const DibImage& image, const DoubleRect& rect)
{
    PsOutput* out = postScriptWriter();
    return out && out->saveState() && out->writeImage(image, rect) && out->restoreState();
}

// --- scaled and polar ---

int Shape::psMoveToScaled(double x, double y) { return psMoveTo(toPaper(x), toPaper(y)); }

int Shape::psLineToScaled(double x, double y) { return psLineTo(toPaper(x), toPaper(y)); }

int Shape::psArcScaled(double x, double y, double radius, double startAngle, double endAngle, int clockwise)
{
    return psArc(toPaper(x), toPaper(y), toPaper(radius), startAngle, endAngle, clockwise);
}

int Shape::psSetDashScaled(int t, double length) { return psSetDash(t, toPaper(length)); }

int Shape::psMoveToPolar(double x, double y, double d, double a)
{
    double sine = 0.0, cosine = 0.0;
    MathUtil::sinCosDegrees(a, sine, cosine);
    return psMoveTo(x + d * sine, y + d * cosine);
}

int Shape::psMoveToIgnoringPolar(double x, double y, double d, double a)
{
    (void)d, (void)a;
    return psMoveTo(x, y);
}

int Shape::psMoveToPolarScaled(double x, double y, double d, double a)
{
    return psMoveToPolar(toPaper(x), toPaper(y), d, a);
}

int Shape::psMoveToIgnoringPolarScaled(double x, double y, double d, double a)
{
    return psMoveToIgnoringPolar(toPaper(x), toPaper(y), d, a);
}

// --- point walks (PostScript and PDF) ---

int Shape::outputPoint(const PointArray& list, int i, int withOffset, int scaled, double& x, double& y) const
{
    Point p;
    if (!list.getPoint(i, &p))
        return 0;
    x = withOffset ? p.x + offsetX : p.x;
    y = withOffset ? p.y + offsetY : p.y;
    if (scaled) {
        x = toPaper(x);
        y = toPaper(y);
    }
    return 1;
}

int Shape::walkMoveTo(const PointArray& list, int i, int withOffset, int (Shape::*moveTo)(double, double))
{
    double x = 0.0, y = 0.0;
    return outputPoint(list, i, withOffset, 1, x, y) && (this->*moveTo)(x, y);
}

int Shape::walkLines(const PointArray& list, int first, int last, int withOffset, int (Shape::*lineTo)(double, double))
{
    for (long long i = first; i <= last; ++i) {
        double x = 0.0, y = 0.0;
        if (!outputPoint(list, static_cast<int>(i), withOffset, 1, x, y) || !(this->*lineTo)(x, y))
            return 0;
    }
    return 1;
}

int Shape::walkCurves(const PointArray& list, int first, int last, int scaled, int withOffset,
                      int (Shape::*curveTo)(double, double, double, double, double, double))
{
    // Indices as 64-bit: i + 2 must not wrap for a last index near the int range.
    for (long long i = first; i <= static_cast<long long>(last) - 2; i += 3) {
        double x[3] = {}, y[3] = {};
        for (int k = 0; k < 3; ++k) {
            if (!outputPoint(list, static_cast<int>(i + k), withOffset, scaled, x[k], y[k]))
                return 0;
        }
        if (!(this->*curveTo)(x[0], y[0], x[1], y[1], x[2], y[2]))
            return 0;
    }
    return 1;
}

int Shape::psMoveToPoint(const PointArray& list, int i, int withOffset)
{
    return walkMoveTo(list, i, withOffset, &Shape::psMoveTo);
}

int Shape::psLineToPoints(const PointArray& list, int first, int last, int withOffset)
{
    return walkLines(list, first, last, withOffset, &Shape::psLineTo);
}

int Shape::psCurvePoints(const PointArray& list, int first, int last, int scaled, int withOffset)
{
    return walkCurves(list, first, last, scaled, withOffset, &Shape::psCurveTo);
}

// --- stroked paths (PostScript and PDF) ---

const Shape::StrokeWriter& Shape::postScriptStrokes()
{
    static const StrokeWriter writer = {&Shape::psNewPath,   &Shape::psMoveToScaled,  &Shape::psLineToScaled,
                                        &Shape::psClosePath, &Shape::psSetDashScaled, &Shape::psSetLineWidth,
                                        &Shape::psStroke};
    return writer;
}

const Shape::StrokeWriter& Shape::pdfStrokes()
{
    static const StrokeWriter writer = {nullptr,              &Shape::pdfMoveToScaled,  &Shape::pdfLineToScaled,
                                        &Shape::pdfClosePath, &Shape::pdfSetDashScaled, &Shape::pdfSetLineWidth,
                                        &Shape::pdfStroke};
    return writer;
}

template <class PointAt>
int Shape::strokeOutputPathWith(const StrokeWriter& writer, int t, double width, double pathLength, int count,
                                int closed, PointAt pointAt)
{
    if (count < 1)
        return 1;
    // The pattern and the width first: PDF takes no state changes inside a path.
    if (!(this->*writer.setDash)(t, pathLength) || !(this->*writer.setWidth)(width))
        return 0;
    if (writer.newPath && !(this->*writer.newPath)())
        return 0;
    double x = 0.0, y = 0.0;
    if (!pointAt(0, x, y) || !(this->*writer.moveTo)(x, y))
        return 0;
    for (int i = 1; i < count; ++i) {
        if (!pointAt(i, x, y) || !(this->*writer.lineTo)(x, y))
            return 0;
    }
    if (closed && !(this->*writer.closePath)())
        return 0;
    return (this->*writer.stroke)();
}

int Shape::strokeOutputPath(const StrokeWriter& writer, int t, double width, double pathLength, const double* xs,
                            const double* ys, int count, int closed)
{
    return strokeOutputPathWith(writer, t, width, pathLength, count, closed, [&](int i, double& x, double& y) {
        x = xs[i];
        y = ys[i];
        return 1;
    });
}

int Shape::strokeOutputPath(const StrokeWriter& writer, int t, double width, double pathLength,
                            const PointArray& points, int closed)
{
    return strokeOutputPathWith(writer, t, width, pathLength, points.count, closed,
                                [&](int i, double& x, double& y) { return outputPoint(points, i, 0, 0, x, y); });
}
