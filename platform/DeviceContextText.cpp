// Text along an arbitrary direction: tiny characters as squares, small ones through the glyph
// renderer, large ones as filled outlines (through the glyph renderer when a character has none);
// and tall horizontal text filled as a path.
#include "platform/DeviceContext.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <new>

#include "platform/GlyphRenderer.h"
#include "platform/IntPolygon.h"
#include "platform/MathUtil.h"
#include "platform/ShiftJis.h"
#include "platform/TextOutlineDrawer.h"

namespace {
int nearestPixel(double v) { return MathUtil::truncateToInt(std::floor(v + 0.5)); }
} // namespace

int DeviceContext::fillTallText(int x, int y, const char* text, int length)
{
    TEXTMETRICA metrics;
    if (!hdc || length < 1 || !GetTextMetricsA(hdc, &metrics) || metrics.tmHeight <= maxRasterTextHeight)
        return 0;
    // A printer takes the text as text; the cell box of other alignments is not worth the code.
    SIZE extent = {};
    if (GetDeviceCaps(hdc, TECHNOLOGY) != DT_RASDISPLAY || GetTextAlign(hdc) != (TA_LEFT | TA_TOP | TA_NOUPDATECP) ||
        !GetTextExtentPoint32A(hdc, text, length, &extent))
        return 0;
    // TextOut's own opaque cell, then the glyphs filled in the text colour (TextOut ignores the
    // mix mode, and so does this). A path left open by a failed step is dropped.
    const int mix = SetROP2(hdc, R2_COPYPEN);
    const int background = SetBkMode(hdc, TRANSPARENT);
    if (background == OPAQUE) {
        const RECT cell = {x, y, x + extent.cx, y + extent.cy};
        ExtTextOutA(hdc, 0, 0, ETO_OPAQUE, &cell, nullptr, 0, nullptr);
    }
    int filled = 0;
    if (BeginPath(hdc)) {
        if (TextOutA(hdc, x, y, text, length) && EndPath(hdc)) {
            HBRUSH ink = CreateSolidBrush(GetTextColor(hdc));
            const HGDIOBJ previous = ink ? SelectObject(hdc, ink) : nullptr;
            const int fill = SetPolyFillMode(hdc, WINDING);
            filled = ink && FillPath(hdc);
            SetPolyFillMode(hdc, fill);
            if (previous)
                SelectObject(hdc, previous);
            if (ink)
                DeleteObject(ink);
        }
        if (!filled)
            AbortPath(hdc);
    }
    SetBkMode(hdc, background);
    SetROP2(hdc, mix);
    // Not filled: the caller's TextOut draws the glyphs over the cell already filled.
    return filled;
}

void DeviceContext::drawTextRotatedTopLeft(int x, int y, int size, double angle, const char* text)
{
    drawRotated(x, y, size, angle, text, 0, text ? static_cast<int>(std::strlen(text)) : 0, false);
}

void DeviceContext::drawTextRotatedTopLeft(int x, int y, int size, double angle, const char* text, int from, int to)
{
    drawRotated(x, y, size, angle, text, from, to, false);
}

void DeviceContext::drawTextRotatedBottomLeft(int x, int y, int size, double angle, const char* text)
{
    drawRotated(x, y, size, angle, text, 0, text ? static_cast<int>(std::strlen(text)) : 0, true);
}

void DeviceContext::drawTextRotatedBottomLeft(int x, int y, int size, double angle, const char* text, int from,
                                              int to)
{
    drawRotated(x, y, size, angle, text, from, to, true);
}

void DeviceContext::drawRotated(int x, int y, int size, double angle, const char* text, int from, int to,
                                bool bottomLeft)
{
    if (!text || from < 0)
        return;
    int length = static_cast<int>(std::strlen(text));
    if (to > length)
        to = length;
    if (from >= to)
        return;

    // u runs along the line, n across it (screen y grows downwards).
    double ux, uy, nx, ny;
    MathUtil::sinCosDegrees(-angle, uy, ux);
    if (bottomLeft)
        MathUtil::sinCosDegrees(-angle - 90.0, ny, nx);
    else
        MathUtil::sinCosDegrees(90.0 - angle, ny, nx);

    // Every point is the start point moved along u and n, summed in doubles and rounded once.
    // Truncating after each move, as the integer helpers do, puts text at 0.001 degrees a pixel
    // up and left per move against the same text at 0 degrees.
    auto pointAt = [&](double along, double across, int& px, int& py) {
        px = nearestPixel(x + along * ux + across * nx);
        py = nearestPixel(y + along * uy + across * ny);
    };

    DcScope scope(*this);
    RgbColor textColor;
    textColor.colorRef = GetTextColor(hdc);
    std::unique_ptr<GlyphRenderer> glyphs;
    IntPolygon square;

    auto drawGlyph = [&](int advance, const char* character, int bytes) {
        SIZE extent = {};
        GetTextExtentPointA(hdc, character, bytes, &extent);
        int cx, cy;
        pointAt(advance + extent.cx / 2, extent.cy / 2, cx, cy);
        if (!glyphs)
            glyphs.reset(new (std::nothrow) GlyphRenderer(hdc, size, angle));
        // A character that cannot be drawn is left out; the others are still drawn.
        if (glyphs)
            (void)glyphs->draw(cx, cy, character, bytes, extent.cx, extent.cy);
    };

    int advance = 0;
    for (int i = from; i < to;) {
        int bytes = shiftJisCharLength(text, i, length);
        char character[3] = {text[i], bytes == 2 ? text[i + 1] : '\0', '\0'};
        int ax, ay;
        pointAt(advance, 0, ax, ay);

        if (size < minTextSize) {
            if (size >= 2) {
                int bx, by, cx, cy, dx, dy;
                pointAt(advance, size - 1, bx, by);
                pointAt(advance + size - 1, size - 1, cx, cy);
                pointAt(advance + size - 1, 0, dx, dy);
                square.count = 0;
                if (square.add(ax, ay) && square.add(bx, by) && square.add(cx, cy) && square.add(dx, dy))
                    fillPolygon(textColor, square);
            } else {
                SetPixelV(hdc, ax, ay, textColor.colorRef);
            }
        } else if (size <= maxGlyphTextSize || !useOutlineText) {
            drawGlyph(advance, character, bytes);
        } else {
            int ox = ax, oy = ay;
            if (bottomLeft)
                pointAt(advance, size, ox, oy);
            // One outline drawer serves every character of the call.
            if (!textOutline)
                textOutline = new (std::nothrow) TextOutlineDrawer;
            int drawn = textOutline ? textOutline->draw(*this, ox, oy, size, angle, character) : 0;
            if (!drawn)
                drawGlyph(advance, character, bytes);
        }

        SIZE extent = {};
        GetTextExtentPointA(hdc, character, bytes, &extent);
        advance += extent.cx;
        i += bytes;
    }
    delete textOutline;
    textOutline = nullptr;
}
