// PdfFileWriter: the content operators the shapes call.
#include <cmath>
#include <cstring>

#include "io/LiteralString.h"
#include "io/pdf/PdfFileWriter.h"

namespace {
const double kPointsPerMm = 72.0 / 25.4;
const double kShortestDash = 0.01; // millimetres
const int kLongestDashCount = 5;

// A colour component: 1 - (100 - trunc(value x 100 / 255)) x tint / 100, kept within 0..1.
double componentOf(int value, double tint)
{
    const int percent = 100 - value * 100 / 255;
    const double component = 1.0 - percent * tint * 0.01;
    if (!(component >= 0.0))
        return 0.0;
    return component > 1.0 ? 1.0 : component;
}
} // namespace

// Path points are the most frequent text of a page: each line is made in one piece.
char* PdfFileWriter::appendPoint(char* p, double x, double y) const
{
    p = formatNumber(x * kPointsPerMm, 3, p);
    *p++ = ' ';
    p = formatNumber((pageHeight - y) * kPointsPerMm, 3, p);
    *p++ = ' ';
    return p;
}

int PdfFileWriter::moveTo(double x, double y)
{
    char line[2 * kNumberSize + 4];
    char* end = appendPoint(line, x, y);
    *end++ = 'm';
    return writeBytes(line, static_cast<int>(end - line), 1);
}

int PdfFileWriter::lineTo(double x, double y)
{
    char line[2 * kNumberSize + 4];
    char* end = appendPoint(line, x, y);
    *end++ = 'l';
    return writeBytes(line, static_cast<int>(end - line), 1);
}

int PdfFileWriter::curveTo(double x1, double y1, double x2, double y2, double x3, double y3)
{
    char line[6 * kNumberSize + 8];
    char* end = appendPoint(appendPoint(appendPoint(line, x1, y1), x2, y2), x3, y3);
    *end++ = 'c';
    return writeBytes(line, static_cast<int>(end - line), 1);
}

int PdfFileWriter::setLineWidth(double width)
{
    currentLineWidth = width;
    char line[kNumberSize + 4];
    char* end = formatNumber(width * kPointsPerMm, 2, line);
    *end++ = ' ';
    *end++ = 'w';
    return writeBytes(line, static_cast<int>(end - line), 1);
}

int PdfFileWriter::setDash(int count, double length, double dash, double gap, double dot)
{
    if (count > kLongestDashCount)
        count = kLongestDashCount;
    // A pattern that is not a number, or too short to see, is a solid line.
    const bool solid = !std::isfinite(dash) || !std::isfinite(gap) || !std::isfinite(dot) || dash < kShortestDash ||
                       gap < kShortestDash || (count > 2 && dot < kShortestDash);
    if (!writeString("[", 0))
        return 0;
    double cycle = 0.0;
    if (!solid) {
        for (int i = 2; i <= count; ++i) {
            const double value = i == 2 ? dash : dot;
            if (!writeSpace(0) || !writeLength(value, 2, 1, 0) || !writeLength(gap, 2, 0, 0))
                return 0;
            cycle += value + gap;
        }
    }
    if (!writeString("] ", 0))
        return 0;
    // A plain dash pattern is centred on the line.
    double phase = 0.0;
    if (!solid && count == 2 && length > 0.0 && std::isfinite(length) && cycle > 0.0) {
        const double rest = length - std::trunc(length / cycle) * cycle;
        const double covered = cycle - rest;
        if (rest < dash)
            phase = (dash - rest) * 0.5;
        else if (covered > 0.0 && covered < dash)
            phase = (covered + dash) * 0.5;
    }
    return writeLength(phase, 2, 0, 0) && writeString(" d", 1);
}

int PdfFileWriter::writeColour(const RgbColor& colour, double tint, const char* op)
{
    char line[3 * kNumberSize + 8];
    char* end = line;
    for (int value : {colour.getRed(), colour.getGreen(), colour.getBlue()}) {
        end = formatNumber(componentOf(value, tint), 2, end);
        *end++ = ' ';
    }
    *end++ = op[0];
    *end++ = op[1];
    return writeBytes(line, static_cast<int>(end - line), 1);
}

int PdfFileWriter::setStrokeColor(const RgbColor& colour, double tint)
{
    currentStrokeColour = colour;
    return writeColour(colour, tint, "RG");
}

int PdfFileWriter::setFillColor(const RgbColor& colour, double tint)
{
    currentFillColour = colour;
    return writeColour(colour, tint, "rg");
}

int PdfFileWriter::setTextMatrix(double a, double b, double c, double d, double e, double f)
{
    return writeReal(a, 2, 0) && writeSpace(0) && writeReal(b, 2, 0) && writeSpace(0) && writeReal(c, 2, 0) &&
           writeSpace(0) && writeReal(d, 2, 0) && writeSpace(0) && writeX(e, 2, 1, 0) && writeY(f, 2, 1, 0) &&
           writeString("Tm", 1);
}

int PdfFileWriter::concatMatrix(double a, double b, double c, double d, double e, double f)
{
    for (double v : {a, b, c, d, e, f})
        if (!writeReal(v, 2, 0) || !writeSpace(0))
            return 0;
    return writeString("cm", 1);
}

int PdfFileWriter::setCharSpacing(double value) { return writeReal(value, 1, 0) && writeString(" Tc", 1); }

int PdfFileWriter::setWordSpacing(double value) { return writeReal(value, 1, 0) && writeString(" Tw", 1); }

int PdfFileWriter::writeEscaped(const char* text, int from, int to)
{
    return writeLiteralStringBody(text, from, to, [this](const char* bytes, int n) { return writeBytes(bytes, n, 0); });
}

int PdfFileWriter::showText(const char* text)
{
    return showText(text, 0, text ? static_cast<int>(std::strlen(text)) : 0);
}

int PdfFileWriter::showText(const char* text, int from, int to)
{
    if (!text || from < 0 || to < from)
        from = to = 0;
    return writeString("(", 0) && (to == from || writeEscaped(text, from, to)) && writeString(") Tj", 1);
}

int PdfFileWriter::selectFont(const char* face, int style) { return fonts.selectFont(faces, face, style); }

int PdfFileWriter::drawImage(const DibImage& image, const DoubleRect& rect) { return images.drawOwnImage(image, rect); }
