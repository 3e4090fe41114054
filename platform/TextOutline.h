#pragma once
#include <vector>
#include <windows.h>

#include "platform/MemoryDc.h"

class DeviceContext;

// Draws text as filled glyph outlines: the glyphs' path is taken from GDI in the device context's
// face at a design height of 100 units, every path point is scaled, rotated and moved to the
// anchor, and the path is filled in the text colour with the winding rule. One object may draw
// many texts in turn: its memory DC, work bitmap and outline font are made at the first draw and
// kept (the font is made again when the context's face changes).
class TextOutline {
public:
    // The outline font's character height in path units.
    static const int kDesignHeight = 100;

    TextOutline() = default;
    ~TextOutline();
    TextOutline(const TextOutline&) = delete;
    TextOutline& operator=(const TextOutline&) = delete;

    // Draws `text` with its cell's top-left corner at (x, y) (device pixels), `size` pixels high,
    // the path scaled by scaleX and scaleY hundredths and turned by `angle` degrees
    // counter-clockwise. The result of FillPath; 0 when size < 4, when the work DC, bitmap or font
    // cannot be made, or when the text has no outline (a space).
    [[nodiscard]] int draw(DeviceContext& dc, int x, int y, int size, double scaleX, double scaleY, double angle,
                           const char* text);

    // Path operations on the target DC of the current draw; each answers 0 without a target.
    [[nodiscard]] int beginPath();
    [[nodiscard]] int endPath();
    // Only while a path is open; closes it.
    [[nodiscard]] int abortPath();
    [[nodiscard]] int closeFigure();
    [[nodiscard]] int fillPath();
    [[nodiscard]] int setWindingFill();
    [[nodiscard]] int moveTo(int x, int y);
    [[nodiscard]] int lineTo(int x, int y);
    [[nodiscard]] int polyBezierTo(const POINT* points, int n);

    // Where replaying a text's path starts: after a leading figure that is exactly the text's
    // cell box (a move and four axis-aligned edges from (0, 0) to the cell's size, the last edge
    // closing or coming back to the start), which opaque text adds on some systems; else 0.
    // Glyph contours that happen to be rectangles are drawn.
    [[nodiscard]] static int firstDrawnPoint(const POINT* points, const BYTE* types, int count, SIZE cell);

    int pathOpen = 0;
    HDC target = nullptr;

private:
    [[nodiscard]] int prepare(HDC source);
    // The text's path in design units into points_ and types_; 0 when it has none.
    [[nodiscard]] int takeGlyphPath(const char* text, int length);

    MemoryDc memDc_;
    HBITMAP bitmap_ = nullptr;
    BITMAP bitmapInfo_ = {};
    HFONT outlineFont_ = nullptr;
    LOGFONTA outlineFace_ = {};   // the context's font the outline font was made from
    std::vector<POINT> points_;
    std::vector<BYTE> types_;
    int pointCount_ = 0;
};
