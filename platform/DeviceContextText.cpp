// Text along an arbitrary direction: tiny characters as squares, small ones through the glyph
// renderer, large ones as filled outlines (through the glyph renderer when a character has none).
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
