#pragma once
#include <windows.h>

#include "platform/MemoryDc.h"
#include "platform/Pen.h"
#include "platform/RgbColor.h"

class BrushHolder;
class FontHolder;
class FontInfo;
class TextOutlineDrawer;
class Region;
class IntPolygon;
class IntPolyPolygon;
class IntPointList;
struct IntPoint;
struct IntRect;

// The drawing surface every window embeds. It hides where the HDC comes from: a window DC
// fetched on demand, the paint DC of WM_PAINT, a memory DC, or an HDC handed in from outside. It
// keeps the current pen, brush and font and selects them again into every freshly fetched window
// DC. Every drawing operation brackets its GDI calls with acquire() and release(); nested calls
// fetch the window DC once. Coordinates are device pixels.
class DeviceContext {
public:
    DeviceContext();
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    // Lifetime and HDC sources
    // Forgets the HDC source and restores the text settings; the held objects stay.
    void reset();
    void acquire();
    void release();
    // GetDC / ReleaseDC without the count.
    void getWindowDc();
    void releaseWindowDc();
    // A memory DC compatible with the display, owned by this context.
    [[nodiscard]] int createMemoryDc();
    void deleteMemoryDc();
    // Draw on an HDC that belongs to someone else until detachHdc() or releaseExternal().
    void attachHdc(HDC external);
    void detachHdc();
    void releaseExternal();

    // Objects and modes
    [[nodiscard]] int selectPen(const PenSpec& spec);
    // The font of the description becomes the owned and the current font.
    [[nodiscard]] int selectFont(const LOGFONTA& description);
    [[nodiscard]] int selectFont(const FontInfo& info);
    // The stock DEFAULT_GUI_FONT; the owned font is deleted.
    [[nodiscard]] int selectGuiFont();
    // A solid brush of the current text colour becomes the held brush.
    [[nodiscard]] int selectTextColourBrush();
    void setTextColor(const RgbColor& color);
    void setBkColor(const RgbColor& color);
    [[nodiscard]] RgbColor getTextColor();
    [[nodiscard]] RgbColor getBkColor();
    void setCopyPen();
    void setXorPen();
    // The two background-mode setters need an HDC already: they do not acquire.
    void setOpaqueBackground();
    void setTransparentBackground();

    // Clipping
    // The clip region, or the clip box when the DC has no clip region; 0 when it has no clip
    // area at all.
    [[nodiscard]] int getClipRegion(Region& region);
    [[nodiscard]] int selectClipRegion(Region& region);
    void clipToRect(const IntRect& rect);
    void intersectClip(const IntRect& rect);
    void resetClip();

    // Lines. The forms with a PenSpec select it first; the others use the current pen.
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void setPixel(int x, int y, const RgbColor& color);
    void drawLine(int x1, int y1, int x2, int y2);
    // The joined lines of count points in one call, with the current pen; the current position
    // is left as it was.
    void drawJoinedLines(const IntPoint* points, int count);
    // Dashed (style 2) and dotted (style 3) lines are drawn dash by dash: 10 on, 3 off and 3 on,
    // 3 off, whatever the GDI pen would make of them.
    void drawStyledLine(const PenSpec& spec, int x1, int y1, int x2, int y2);
    void drawLineBetween(const PenSpec& spec, const IntPoint& p1, const IntPoint& p2);
    void drawHorizontalLine(const PenSpec& spec, int y, int x1, int x2);
    void drawVerticalLine(const PenSpec& spec, int x, int y1, int y2);
    // Dashes of `dash` pixels with `gap` between them, measured from (x1, y1). An offset in
    // (0, dash] starts the first dash there; a larger one makes the first dash offset - dash long.
    // Only the dashes near the DC's clip box are drawn, so a line of any length ends at once.
    void drawDashSegments(const PenSpec& spec, int x1, int y1, int x2, int y2, int dash, int gap, int offset);
    void drawPolyline(const PenSpec& spec, IntPointList& points);
    void drawPointPath(const PenSpec& spec, const int* xs, const int* ys, int start, int count);
    // The chosen sides; adjacent chosen sides are drawn as one path so that their corners join.
    void drawRectSides(const PenSpec& spec, const IntRect& rect, int top, int left, int right, int bottom);
    void drawFrame(const PenSpec& spec, const IntRect& rect, int n);
    void drawDiamond(const PenSpec& spec, const IntRect& rect);
    void drawCenterLines(const PenSpec& spec, const IntRect& rect, int vertical, int horizontal);
    void drawDiagonals(const PenSpec& spec, const IntRect& rect, int falling, int rising);
    void drawCheckBox(const PenSpec& spec, const IntRect& rect, int ticked);
    void drawCheckBoxInset(const PenSpec& spec, const IntRect& rect, int ticked);

    // Fills with a temporary brush; the held brush is not touched.
    void fillRect(const RgbColor& color, const IntRect& rect);
    // With a brush or a pen the caller holds (many marks of one colour): nothing is made or
    // deleted, and the pen held before is selected again afterwards.
    void fillRect(HBRUSH brush, const IntRect& rect);
    void drawLineWith(HPEN pen, const IntPoint& p1, const IntPoint& p2);
    void fillRegion(const RgbColor& color, Region& region);
    void fillPolygon(const RgbColor& color, IntPolygon& polygon);
    void fillPolyPolygon(const RgbColor& color, IntPolyPolygon& polygons);

    // ScrollDC of the whole DC by (dx, dy) inside `clip`; the uncovered part goes to `update`.
    [[nodiscard]] int scroll(const IntRect& clip, int dx, int dy, Region& update);

    // Text (zero-terminated Shift-JIS)
    void getTextExtent(const char* text, int& cx, int& cy);
    // With the default alignment (left, top) a font taller than maxRasterTextHeight is filled
    // from the text's outline on pixel surfaces, the opaque cell first as TextOut fills it.
    void textOut(int x, int y, const char* text);
    void textOut(int x, int y, int unused, const char* text) { (void)unused; textOut(x, y, text); }
    void textOutRaised(int x, int y, int dy, const char* text);
    // Text along a direction: `size` is the character height in pixels, `angle` degrees
    // counter-clockwise on the screen. The top-left form puts the characters below the line
    // through (x, y) (at angle 0), the bottom-left form above it. The range forms draw the
    // characters that start at byte indices from..to-1.
    void drawTextRotatedTopLeft(int x, int y, int size, double angle, const char* text);
    void drawTextRotatedTopLeft(int x, int y, int size, double angle, const char* text, int from, int to);
    void drawTextRotatedBottomLeft(int x, int y, int size, double angle, const char* text);
    void drawTextRotatedBottomLeft(int x, int y, int size, double angle, const char* text, int from, int to);
    // The names the shapes use; both are the top-left forms.
    void drawTextRotated(int x, int y, int size, double angle, const char* text)
    {
        drawTextRotatedTopLeft(x, y, size, angle, text);
    }
    void drawTextRangeRotated(int x, int y, int size, double angle, const char* text, int from, int to)
    {
        drawTextRotatedTopLeft(x, y, size, angle, text, from, to);
    }

    // Set by owners that are not windows (2 print job, 3 off-screen bitmap); not read here.
    int kind = 0;
    int nesting = 0;
    // Positive during a run of drawing that selects pens only through this context (see
    // PenRun): the held pen is then still the DC's pen, and selectPen does not ask GDI.
    int penRuns = 0;
    Pen* pen = nullptr;
    BrushHolder* brush = nullptr;
    FontHolder* font = nullptr;
    // Large rotated text may be drawn as glyph outlines.
    int useOutlineText = 1;
    // Characters smaller than this many pixels are drawn as filled squares.
    int minTextSize = 5;
    // Characters up to this size go through the glyph renderer.
    int maxGlyphTextSize = 12;
    // Taller characters are not rasterized glyph by glyph, whose cost grows with the square of
    // the height (seconds for a few characters at the largest zooms), but filled as a path.
    int maxRasterTextHeight = 1024;
    // The outline drawer of the rotated text being drawn; null between calls.
    TextOutlineDrawer* textOutline = nullptr;
    HWND hwnd = nullptr;
    HDC hdc = nullptr;
    int ownsMemoryDc = 0;
    int externalDc = 0;
    PAINTSTRUCT paint = {};
    int painting = 0;
    // The window's paint: its DC stands in until leavePaint. A DC held when the paint began
    // (acquired and not yet released) is the context's DC again afterwards, with the held
    // objects selected in it.
    void enterPaint(HDC paintDc);
    void leavePaint();

private:
    HDC heldOutsidePaint = nullptr;
    [[nodiscard]] int holdsOwnDc() const { return ownsMemoryDc || externalDc || painting; }
    void selectHeldObjects();
    void putBackStockObjects();
    // textOut's route for tall text; 0 when it does not apply and nothing was drawn.
    [[nodiscard]] int fillTallText(int x, int y, const char* text, int length);
    void drawRotated(int x, int y, int size, double angle, const char* text, int from, int to, bool bottomLeft);

    MemoryDc memoryDc_;   // the DC of createMemoryDc
};

// A run of drawing on a context that selects pens only through it, such as the parts of one
// dimension: its lines share the held pen without asking GDI which pen the DC holds. Null does
// nothing.
class PenRun {
public:
    explicit PenRun(DeviceContext* dc) : dc_(dc)
    {
        if (dc_)
            ++dc_->penRuns;
    }
    ~PenRun()
    {
        if (dc_)
            --dc_->penRuns;
    }
    PenRun(const PenRun&) = delete;
    PenRun& operator=(const PenRun&) = delete;

private:
    DeviceContext* dc_;
};

// acquire() for one scope.
class DcScope {
public:
    explicit DcScope(DeviceContext& dc) : dc_(dc) { dc_.acquire(); }
    ~DcScope() { dc_.release(); }
    DcScope(const DcScope&) = delete;
    DcScope& operator=(const DcScope&) = delete;
    [[nodiscard]] HDC hdc() const { return dc_.hdc; }

private:
    DeviceContext& dc_;
};
