// PostScriptWriter: the drawing operators, texts, images and colours.
#include <cmath>
#include <string>
#include <vector>

#include "geometry/DoubleRect.h"
#include "geometry/InkColor.h"
#include "io/LiteralString.h"
#include "io/postscript/PostScriptWriter.h"
#include "platform/DibImage.h"

namespace {
const double kPointsPerMm = 72.0 / 25.4;
const double kZeroAngle = 1e-5;
const double kShortestDash = 0.01;
// Layer 253 asks for the tint as the plate percentage.
const int kTintLayer = 253;
// Hex digits on one line of image data (readhexstring skips the line ends).
const int kHexDigitsPerLine = 80;
} // namespace

int PostScriptWriter::writeOperatorLine(const char* op) { return writeString(op, 1); }

int PostScriptWriter::newPath() { return writeOperatorLine("_np"); }
int PostScriptWriter::closePath() { return writeOperatorLine("_cp"); }
int PostScriptWriter::stroke() { return writeOperatorLine("_sp"); }
int PostScriptWriter::fill() { return writeOperatorLine("_f"); }
int PostScriptWriter::clip() { return writeOperatorLine("_clp"); }
int PostScriptWriter::initClip() { return writeOperatorLine("_icp"); }
int PostScriptWriter::saveState() { return writeOperatorLine("_gs"); }
int PostScriptWriter::restoreState() { return writeOperatorLine("_gr"); }

int PostScriptWriter::moveTo(double x, double y) { return writePoint(x, y) && writeString(" _m", 1); }
int PostScriptWriter::lineTo(double x, double y) { return writePoint(x, y) && writeString(" _l", 1); }

int PostScriptWriter::curveTo(double x1, double y1, double x2, double y2, double x3, double y3)
{
    return writePoint(x1, y1) && writeSpace(0) && writePoint(x2, y2) && writeSpace(0) && writePoint(x3, y3) &&
           writeString(" _crv", 1);
}

int PostScriptWriter::arc(double x, double y, double radius, double startAngle, double endAngle, int clockwise)
{
    return writePoint(x, y) && writeSpace(0) && writeLength(radius, 3, 0) && writeSpace(0) &&
           writeReal(arcAngleOffset + startAngle, 2, 0) && writeSpace(0) && writeReal(arcAngleOffset + endAngle, 2, 0) &&
           writeString(clockwise ? " _an" : " _a", 1);
}

int PostScriptWriter::setLineWidth(double width) { return writeLength(width, 3, 0) && writeString(" _lw", 1); }

int PostScriptWriter::setLineCap(int cap)
{
    switch (cap) {
    case 0:
        return writeString("0 _lc", 1);
    case 1:
        return writeString("1 _lc", 1);
    case 2:
        return writeString("2 _lc", 1);
    default:
        return writeNumber(cap, 0) && writeString(" _lc", 1);
    }
}

int PostScriptWriter::setLineJoin(int join)
{
    if (join == 0)
        return writeString("0 _lj", 1);
    return writeNumber(join, 0) && writeString(" _lj", 1);
}

int PostScriptWriter::setDash(int count, double length, double dash, double gap, double dot)
{
    if (!writeString("[", 0))
        return 0;
    double cycle = 0.0;
    if (dash < kShortestDash || gap < kShortestDash) {
        length = 0.0;
    } else {
        for (int i = 2; i <= count; ++i) {
            const double value = i == 2 ? dash : dot;
            if (!writeSpace(0) || !writeLength(value, 2, 0) || !writeSpace(0) || !writeLength(gap, 2, 0))
                return 0;
            cycle += value + gap;
        }
    }
    if (!writeString("] ", 0))
        return 0;
    // The phase centres a plain dash pattern on a line of the given length.
    double phase = 0.0;
    if (length > 0.0 && count == 2) {
        const double rest = cycle > 0.0 ? length - std::trunc(length / cycle) * cycle : 0.0;
        const double covered = cycle - rest;
        if (rest < dash)
            phase = (dash - rest) * 0.5;
        else if (covered > 0.0 && covered < dash)
            phase = (covered + dash) * 0.5;
    }
    return writeLength(phase, 2, 0) && writeString(" _ds", 1);
}

int PostScriptWriter::selectFont(double size, const char* face, int style, int useCache)
{
    char name[FontFaceRecord::kNameSize];
    FontFaceMap& table = sharedFontFaces();
    if (!table.lookupNameOrStandard(face, style, name, sizeof name))
        return 0;
    if (useCache && table.checkFontCache(name, size, size))
        return 1;
    if (coordinateMode == 1)
        return writeString("/", 0) && writeString(name, 0) && writeSpace(0) && writeLength(size, 2, 0) &&
               writeString(" _fms", 1);
    if (coordinateMode == 2)
        return writeString("/", 0) && writeString(name, 0) && writeString(" [", 0) && writeLength(size, 2, 0) &&
               writeString(" 0 0 -", 0) && writeLength(size, 2, 0) && writeString(" 0 0] _fms", 1);
    return 1;
}

int PostScriptWriter::writeEscaped(const char* text, int from, int to)
{
    return writeLiteralStringBody(text, from, to, [this](const char* bytes, int n) { return writeBytes(bytes, n); });
}

int PostScriptWriter::showText(const char* text)
{
    const int n = text ? static_cast<int>(std::char_traits<char>::length(text)) : 0;
    return showText(text, 0, n);
}

int PostScriptWriter::showText(const char* text, int from, int to)
{
    if (!text || from < 0 || to < from)
        to = from = 0;
    return writeString("(", 0) && (to == from || writeEscaped(text, from, to)) && writeString(") _sw", 1);
}

int PostScriptWriter::rotate(double angle, int negate)
{
    if (std::fabs(angle) < kZeroAngle)
        return 1;
    // Negating writes the turned-back angle ("-30" for 30, "30" for -30).
    return writeReal(negate ? -angle : angle, 2, 0) && writeString(" _rtt", 1);
}

int PostScriptWriter::translate(double x, double y) { return writePoint(x, y) && writeString(" _trs", 1); }

int PostScriptWriter::translateRaw(double x, double y, int decimals)
{
    return writeLength(x, decimals, 0) && writeSpace(0) && writeLength(y, decimals, 0) && writeString(" _trs", 1);
}

int PostScriptWriter::scale(double sx, double sy, int decimals)
{
    return writeReal(sx, decimals, 0) && writeSpace(0) && writeReal(sy, decimals, 0) && writeString(" _sc", 1);
}

int PostScriptWriter::writeImageMatrix(int w, int h, int bits, int flipForMode1, int flipForMode2)
{
    const int flip = coordinateMode == 2 ? flipForMode2 : flipForMode1;
    return writeNumber(w, 0) && writeSpace(0) && writeNumber(h, 0) && writeSpace(0) && writeNumber(bits, 0) &&
           writeString(" [", 0) && writeNumber(w, 0) && writeString(flip < 0 ? " 0 0 -" : " 0 0 ", 0) &&
           writeNumber(h, 0) && writeString(" 0 ", 0) && writeNumber(h, 0);
}

int PostScriptWriter::writeHexRows(const DibImage& image)
{
    static const char digits[] = "0123456789ABCDEF";
    const int w = image.width, h = image.height;
    const size_t rowBytes = static_cast<size_t>(w) * 3;
    std::vector<unsigned char> row(static_cast<size_t>(image.getRowStride()) + 3);
    // Two digits a byte and a line end after every 80 digits.
    std::vector<char> text(rowBytes * 2 + rowBytes / 20 + 4);
    int onLine = 0;
    for (int y = 0; y < h; ++y) {
        if (!const_cast<DibImage&>(image).getRowRgb(y, row.data()))
            return 0;
        char* out = text.data();
        for (size_t i = 0; i < rowBytes; ++i) {
            *out++ = digits[row[i] >> 4];
            *out++ = digits[row[i] & 15];
            onLine += 2;
            if (onLine == kHexDigitsPerLine) {
                *out++ = '\r';
                *out++ = '\n';
                onLine = 0;
            }
        }
        if (!writeBytes(text.data(), static_cast<int>(out - text.data())))
            return 0;
    }
    return onLine == 0 || lineEnd();
}

int PostScriptWriter::writeImage(const DibImage& image, const DoubleRect& rect)
{
    const int w = image.width, h = image.height;
    if (w < 1 || h < 1 || image.getRowStride() < w * 3)
        return 1; // nothing to draw
    return writeString("/pictsr ", 0) && writeNumber(3L * w, 0) && writeString(" string def", 1) &&
           translate(rect.minX, rect.minY) && scale(rect.width() * kPointsPerMm, rect.height() * kPointsPerMm, 3) &&
           writeImageMatrix(w, h, 8, 1, -1) && writeString("] {currentfile pictsr readhexstring pop} false ", 1) &&
           writeString("3", 0) && writeString(" colorimage", 1) && writeHexRows(image);
}

int PostScriptWriter::fillPolygonWhite(int n, const double* xs, const double* ys)
{
    if (n < 3 || !xs || !ys)
        return 0;
    if (!writeString("1 _gray", 1) || !newPath() || !moveTo(xs[0], ys[0]))
        return 0;
    for (int i = 1; i < n; ++i)
        if (!lineTo(xs[i], ys[i]))
            return 0;
    return closePath() && fill();
}

// --- colours ---

int PostScriptWriter::setGray(double percent)
{
    return writeColourComponent((100.0 - percent) * 0.01, 3, 1, 0) && writeString("_gray", 1);
}

int PostScriptWriter::setRgbColor(const RgbColor& colour)
{
    currentColour = colour;
    return writeColourComponent(colour.getRed() / 255.0, 3, 1, 0) &&
           writeColourComponent(colour.getGreen() / 255.0, 3, 1, 0) &&
           writeColourComponent(colour.getBlue() / 255.0, 3, 1, 0) && writeString("_rgb", 1);
}

int PostScriptWriter::plateDecision(const InkColor& ink, double tint, int mode)
{
    lastPlateValue = -1;
    if (!plates || currentPlate < 0 || currentPlate >= plateCount)
        return -1;
    const PsPlate& plate = plates[currentPlate];
    const int p = mode == kTintLayer ? static_cast<int>(tint * 100.0) : ink.separationValue(currentPlate, 0);
    int draw = 1;
    if (plate.selectionKind == 1)
        draw = !ink.overprint || ink.plateOverprint(currentPlate) == 0;
    else if (plate.selectionKind == 2)
        draw = p >= plate.minimumPercent && ink.separationValue(plate.otherPlate, 0) <= plate.otherMaximumPercent;
    lastPlateValue = p;
    return draw ? 1 : 0;
}

int PostScriptWriter::selectColour(const InkColor& ink, double tint, int mode)
{
    currentColour.copyAll(ink);
    if (separationMode != 2)
        return 1;
    return plateDecision(ink, tint, mode);
}

int PostScriptWriter::setColour(const InkColor& ink, double tint, int mode)
{
    if (separationMode != 2)
        return setRgbColor(ink);
    const int p = mode == kTintLayer ? static_cast<int>(tint * 100.0) : ink.separationValue(currentPlate, 0);
    return setGray(p);
}

int PostScriptWriter::selectAndSetColour(const InkColor& ink, double tint, int mode)
{
    if (separationMode != 2)
        return setRgbColor(ink) ? 1 : 0;
    const int draw = plateDecision(ink, tint, mode);
    if (draw == 1 && !setGray(lastPlateValue))
        return 0;
    return draw;
}
