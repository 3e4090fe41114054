#include "shapes/DimensionNumeral.h"

#include <cmath>
#include <cstring>
#include <new>

#include "geometry/FontAttributes.h"
#include "geometry/ViewParams.h"
#include "platform/DeviceContext.h"
#include "platform/MathUtil.h"
#include "platform/StringUtil.h"
#include "shapes/MeasureAttributes.h"
#include "shapes/Shape.h"

namespace {
constexpr double kRadian = 3.14159265358979323846 / 180.0;
} // namespace

DimensionNumeral::DimensionNumeral() = default;

DimensionNumeral::~DimensionNumeral() = default;

int DimensionNumeral::formatValue(double value, int decimals, char* out, int size)
{
    if (!out || size < 2)
        return 0;
    StringUtil::copy(out, size, "0");
    if (decimals < 0 || decimals > MeasureAttributes::kMaxDecimals)
        decimals = 0;
    if (!std::isfinite(value))
        return 0;
    // Half a unit of the last decimal shown, built as the numerals always built it: 0.5 times
    // 0.1 once per decimal.
    double half = 0.5;
    for (int i = 0; i < decimals; ++i)
        half *= 0.1;
    char digits[kTextSize];
    digits[0] = 0;
    if (!StringUtil::formatDouble(value + half, decimals, digits, static_cast<int>(sizeof digits), 0))
        return 0;
    StringUtil::copy(out, size, digits);
    return 1;
}

int DimensionNumeral::begin(Shape& owner, FontAttributes& font, int operation)
{
    shape = &owner;
    fontUsed = &font;
    op = operation;
    dc = nullptr;
    pixelHeight = 0;
    if (op == ShapeOp::PostScript || op == ShapeOp::Pdf) {
        if (!reference) {
            reference.reset(new (std::nothrow) DeviceContext);
            if (!reference || !reference->createMemoryDc()) {
                reference.reset();
                return 0;
            }
        }
        dc = reference.get();
        pixelHeight = font.selectAtPixels(kReferencePixels, *dc);
        if (op == ShapeOp::PostScript) {
            char face[FontAttributes::kFaceSize];
            font.faceToUse(face, sizeof face);
            // A font the output cannot select leaves its current one: the numerals are still shown.
            (void)owner.psSelectFont(font.size, face, font.style, 1);
        }
        return pixelHeight > 0;
    }
    ViewParams* view = owner.viewParams();
    dc = owner.surface;
    if (!view || !dc)
        return 0;
    pixelHeight = font.makeDeviceFontForOp(op, view, *dc);
    return pixelHeight > 0;
}

int DimensionNumeral::measure(const char* s, int length, double& w, double& h)
{
    w = h = 0.0;
    if (!dc || !shape || !fontUsed || pixelHeight < 1)
        return 0;
    char piece[kTextSize];
    StringUtil::copyN(piece, static_cast<int>(sizeof piece), s, length);
    int cx = 0, cy = 0;
    dc->getTextExtent(piece, cx, cy);
    double paperW = 0.0, paperH = 0.0;
    if (op == ShapeOp::PostScript || op == ShapeOp::Pdf) {
        const double perPixel = fontUsed->size / pixelHeight;
        paperW = cx * perPixel;
        paperH = cy * perPixel;
    } else if (ViewParams* view = shape->viewParams()) {
        paperW = view->pixelsToLengthForOp(op, cx);
        paperH = view->pixelsToLengthForOp(op, cy);
    }
    w = shape->toDrawingUnits(paperW);
    h = shape->toDrawingUnits(paperH);
    if (!std::isfinite(w) || !std::isfinite(h))
        w = h = 0.0;
    return 1;
}

int DimensionNumeral::setText(const char* newText, int numberLength)
{
    StringUtil::copy(text, static_cast<int>(sizeof text), newText ? newText : "");
    numberWidth = width = height = 0.0;
    double unusedHeight = 0.0;
    const int all = static_cast<int>(std::strlen(text));
    if (!measure(text, all, width, height))
        return 0;
    if (numberLength < 0)
        return 1;
    if (numberLength >= all) {
        numberWidth = width;
        return 1;
    }
    return measure(text, numberLength, numberWidth, unusedHeight);
}

int DimensionNumeral::draw(double x, double y, double angle, const InkColor& colour)
{
    if (!shape || !text[0])
        return 1;
    x += shape->offsetX;
    y += shape->offsetY;
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(angle))
        return 1; // nowhere to draw: a corrupt point
    if (op == ShapeOp::Pdf)
        return writePdf(x, y, angle, colour);
    if (op == ShapeOp::PostScript) {
        shape->setEffectiveColor(colour);
        // Below 1 the ink does not print on this plate: the numeral is left out.
        if (shape->psTestColor(1.0) < 1)
            return 1;
        return shape->psSetColor(1.0) >= 0 && writePostScript(x, y, angle);
    }
    return drawOnSurface(x, y, angle, colour);
}

int DimensionNumeral::drawOnSurface(double x, double y, double angle, const InkColor& colour)
{
    ViewParams* view = shape->viewParams();
    if (!view || !dc)
        return 0;
    // The device text is placed by its top left corner: the anchor raised by the height.
    const double s = std::sin(angle * kRadian), c = std::cos(angle * kRadian);
    const double topX = x - s * height, topY = y - c * height;
    IntPoint at;
    view->worldToDeviceForOp(op, topX, topY, &at);
    dc->setTextColor(colour);
    if (MathUtil::isNearlyZero(angle))
        dc->textOut(at.x, at.y, text);
    else
        dc->drawTextRotatedTopLeft(at.x, at.y, pixelHeight, angle, text);
    return 1;
}

int DimensionNumeral::writePostScript(double x, double y, double angle)
{
    return shape->psMoveToScaled(x, y) && shape->psShowTextRotated(text, angle);
}

int DimensionNumeral::writePdf(double x, double y, double angle, const InkColor& colour)
{
    char face[FontAttributes::kFaceSize];
    fontUsed->faceToUse(face, sizeof face);
    // The font is selected at size 1: the text matrix carries the numeral's size in points.
    const double size = fontUsed->sizeInPoints();
    const double s = size * std::sin(angle * kRadian), c = size * std::cos(angle * kRadian);
    int ok = shape->pdfBeginText() && shape->pdfSelectFont(face, fontUsed->style) &&
             shape->pdfSetFillColor(colour, 1.0);
    if (ok && MathUtil::isNearlyZero(angle))
        ok = shape->pdfSetTextMatrixScaled(size, 0.0, 0.0, size, x, y);
    else if (ok)
        ok = shape->pdfSetTextMatrixScaled(c, s, -s, c, x, y);
    ok = ok && shape->pdfShowText(text);
    return shape->pdfEndText() && ok;
}
