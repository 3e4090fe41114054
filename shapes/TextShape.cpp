// The text shape: the lines of a text on a device, as PostScript and as PDF.
#include "shapes/TextShape.h"

#include <cmath>
#include <string>
#include <vector>

#include "document/TextBuffer.h"
#include "geometry/FontAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/TextSpacingAttribute.h"
#include "geometry/ViewParams.h"
#include "platform/DeviceContext.h"
#include "platform/IntPolygon.h"
#include "platform/IntRect.h"
#include "platform/MathUtil.h"
#include "platform/StringUtil.h"
#include "shapes/TextLines.h"

namespace {

// GDI draws and measures at most this many bytes at a time.
constexpr int kPieceBytes = 255;
constexpr double kBaseline = 0.9; // font sizes from a line's top to its baseline

std::string bytesOf(const TextBuffer& text)
{
    const int n = text.length();
    if (n < 1)
        return std::string();
    std::vector<char> bytes(static_cast<size_t>(n) + 1);
    const int copied = text.copyOut(bytes.data(), n + 1);
    return std::string(bytes.data(), static_cast<size_t>(copied));
}

// The end of the next piece from `from`: at most kPieceBytes bytes of whole characters.
int pieceEnd(const char* bytes, int from, int to)
{
    int i = from;
    while (i < to) {
        const int size = StringUtil::isLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < to ? 2 : 1;
        if (i + size - from > kPieceBytes)
            break;
        i += size;
    }
    return i > from ? i : to;
}

// The pixel width of [from, to) with the font selected in dc.
int textPixels(DeviceContext& dc, const char* bytes, int from, int to)
{
    int width = 0;
    char piece[kPieceBytes + 1];
    for (int i = from; i < to;) {
        const int end = pieceEnd(bytes, i, to);
        const std::string copy(bytes + i, bytes + end);
        StringUtil::copy(piece, static_cast<int>(sizeof piece), copy.c_str());
        int cx = 0, cy = 0;
        dc.getTextExtent(piece, cx, cy);
        width += cx;
        i = end;
    }
    return width;
}

} // namespace

TextShape::TextShape()
{
    (void)ensure(lean); // a sub-object that could not be made counts as its defaults
    (void)ensure(textSpacing);
    (void)ensure(font);
}

TextShape::~TextShape()
{
    release(lean);
    release(textSpacing);
    release(font);
}

void TextShape::setLean(const LeanAttribute& value)
{
    if (lean)
        lean->assign(&value);
}

void TextShape::setTextSpacing(const TextSpacingAttribute& value)
{
    if (textSpacing)
        textSpacing->assign(&value);
}

void TextShape::setFont(const FontAttributes& value)
{
    if (font)
        font->assign(&value);
}

double TextShape::totalAngle() const
{
    const double angle = (lean ? lean->angle : 0.0) + rotationAngle;
    return std::isfinite(angle) ? angle : 0.0;
}

double TextShape::fontSizeInDrawing() const { return font ? font->scaledSize() : 0.0; }

double TextShape::pitch() const
{
    if (!font)
        return 0.0;
    return textSpacing ? textSpacing->defaultLinePitch(*font) : font->scaledSize() * 1.2;
}

void TextShape::placeAnchor()
{
    placed = anchor;
    placed.x += offsetX;
    placed.y += offsetY;
    placed.z += offsetZ;
    if (!MathUtil::isNearlyZero(rotationAngle))
        placed.rotateAbout(rotationCentreX, rotationCentreY, rotationAngle);
    const double t = totalAngle();
    double x = 1.0, y = 0.0;
    MathUtil::rotatePointAbout(0.0, 0.0, x, y, t);
    textDirection[0] = x, textDirection[1] = y, textDirection[2] = 0.0;
    x = 1.0, y = 0.0;
    MathUtil::rotatePointAbout(0.0, 0.0, x, y, t + 270.0);
    lineDirection[0] = x, lineDirection[1] = y, lineDirection[2] = 0.0;
}

int TextShape::execute(int operation, int newMode)
{
    op = operation;
    mode = newMode;
    if (op == ShapeOp::Pdf) {
        writePdf();
        return 1;
    }
    if (!prepareOperation(0.0))
        return 0;
    placeAnchor();
    InkColor drawn;
    colourForOperation(op, colour, drawn);
    setEffectiveColor(drawn);
    if (op == ShapeOp::PostScript)
        return writePostScript();
    return drawOnDevice();
}

int TextShape::writePostScript()
{
    if (psApplyColor(1.0) < 1)
        return 1; // an ink that does not print on this plate
    const std::string bytes = text ? bytesOf(*text) : std::string();
    if (bytes.empty() || !font)
        return 1;
    char face[FontAttributes::kFaceSize];
    font->faceToUse(face, sizeof face);
    if (!psSelectFont(font->size, face, font->style, 0))
        return 0;
    std::vector<TextLine> lines;
    splitTextLines(bytes, lines);
    const double t = totalAngle(), p = pitch();
    for (size_t i = 0; i < lines.size(); ++i) {
        const double along = static_cast<double>(i) * p;
        const double x = placed.x + lineDirection[0] * along, y = placed.y + lineDirection[1] * along;
        if (!psMoveToPolarScaled(x, y, kBaseline * font->size, t) ||
            !psShowTextCountedRotated(bytes.data(), lines[i].start, lines[i].end, t))
            return 0;
    }
    return 1;
}

void TextShape::writePdf()
{
    const std::string bytes = text ? bytesOf(*text) : std::string();
    if (!pdfBindAttributes() || bytes.empty() || !font)
        return;
    placeAnchor();
    if (!pdfBeginText())
        return;
    char face[FontAttributes::kFaceSize];
    font->faceToUse(face, sizeof face);
    if (!pdfSelectFont(face, font->style) || !pdfSetFillColorSolid(colour)) {
        (void)pdfEndText(); // a text object is never left open; nothing was shown in it
        return;
    }
    std::vector<TextLine> lines;
    splitTextLines(bytes, lines);
    const double t = totalAngle(), size = fontSizeInDrawing(), p = pitch();
    const double s = font->sizeInPoints();
    double a = s, b = 0.0, c = 0.0, d = s;
    if (!MathUtil::isNearlyZero(t)) {
        double sine = 0.0, cosine = 1.0;
        MathUtil::sinCosDegrees(t, sine, cosine);
        a = s * cosine, b = s * sine, c = -s * sine, d = s * cosine;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const double along = kBaseline * size + static_cast<double>(i) * p;
        const double x = placed.x + lineDirection[0] * along, y = placed.y + lineDirection[1] * along;
        if (!pdfSetTextMatrixScaled(a, b, c, d, x, y) || !pdfSetGraphicsState() || !pdfSetCharSpacing(0.0) ||
            !pdfSetWordSpacing(0.0) || !pdfShowTextCounted(bytes.data(), lines[i].start, lines[i].end))
            break;
    }
    (void)pdfEndText(); // the export notices a failed write itself
}

int TextShape::drawPiece(DeviceContext& dc, const char* bytes, int from, int to, double x, double y, int highlighted,
                         int pixelHeight, int needWidth)
{
    ViewParams* view = viewParams();
    if (!view || to <= from)
        return 0;
    IntPoint at;
    view->worldToDeviceForOp(op, x, y, &at);
    const RgbColor black(0, 0, 0), white(255, 255, 255);
    const RgbColor highlight(kHighlightRed, kHighlightGreen, kHighlightBlue);
    const double t = totalAngle();
    // The width serves the pieces after this one and the highlight; a plain line needs none.
    const int width = needWidth || (highlighted && !MathUtil::isNearlyZero(t)) ? textPixels(dc, bytes, from, to) : 0;
    if (MathUtil::isNearlyZero(t)) {
        dc.setTextColor(highlighted ? black : static_cast<const RgbColor&>(effectiveColour));
        dc.setBkColor(highlighted ? highlight : white);
        // Pieces after the first start where the one before ended.
        char piece[kPieceBytes + 1];
        int px = at.x;
        for (int i = from; i < to;) {
            const int end = pieceEnd(bytes, i, to);
            const std::string copy(bytes + i, bytes + end);
            StringUtil::copy(piece, static_cast<int>(sizeof piece), copy.c_str());
            dc.textOut(px, at.y, piece);
            if (end < to)
                px += textPixels(dc, bytes, i, end);
            i = end;
        }
        return width;
    }
    if (highlighted) {
        IntPolygon cover;
        if (cover.setRotatedRect(IntRect::fromEdges(at.x, at.y, at.x + width, at.y + pixelHeight), at, t))
            dc.fillPolygon(highlight, cover);
    }
    dc.setTextColor(highlighted ? black : static_cast<const RgbColor&>(effectiveColour));
    dc.setBkColor(white);
    dc.drawTextRotatedTopLeft(at.x, at.y, pixelHeight, t, bytes, from, to);
    return width;
}

int TextShape::drawOnDevice()
{
    const std::string bytes = text ? bytesOf(*text) : std::string();
    ViewParams* view = viewParams();
    if (bytes.empty() || !surface || !view)
        return 1;
    DeviceContext& dc = *surface;
    DcScope scope(dc);
    const int pixelHeight = font ? font->makeDeviceFontForOp(op, view, dc) : 12;
    // Print output keeps what lies under the text; the screen fills the cells, which erasing
    // and the selection's highlight rely on.
    if (op == ShapeOp::Print)
        dc.setTransparentBackground();
    else
        dc.setOpaqueBackground();
    int selStart = 0, selEnd = 0;
    if (op == ShapeOp::RubberBand && text->hasSelection())
        selStart = text->selectionStart(), selEnd = text->selectionEnd();

    std::vector<TextLine> lines;
    splitTextLines(bytes, lines);
    const double p = pitch();
    for (size_t i = 0; i < lines.size(); ++i) {
        const TextLine& line = lines[i];
        const double along = static_cast<double>(i) * p;
        double x = placed.x + lineDirection[0] * along, y = placed.y + lineDirection[1] * along;
        if (selEnd <= selStart || selStart >= line.end || selEnd < line.start) {
            (void)drawPiece(dc, bytes.data(), line.start, line.end, x, y, 0, pixelHeight, 0);
            continue;
        }
        // Before, inside and after the selection, each where the ones before it ended.
        const int cuts[4] = {line.start, selStart > line.start ? selStart : line.start,
                             selEnd < line.end ? selEnd : line.end, line.end};
        for (int k = 0; k < 3; ++k) {
            if (cuts[k + 1] <= cuts[k])
                continue;
            const int pixels = drawPiece(dc, bytes.data(), cuts[k], cuts[k + 1], x, y, k == 1, pixelHeight, 1);
            const double length = toDrawingUnits(view->pixelsToLengthForOp(op, pixels));
            if (std::isfinite(length))
                x += textDirection[0] * length, y += textDirection[1] * length;
        }
    }
    return 1;
}
