#pragma once
#include <windows.h>

#include "platform/IntPoint.h"

// A rectangle in device pixels, laid out as a Win32 RECT (left, top, right, bottom) so that it is
// handed to GDI as one. Not normalised: right < left is allowed and the signed operations keep
// such a direction. Halving truncates toward zero.
struct IntRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    IntRect() = default;
    [[nodiscard]] static IntRect fromEdges(int left, int top, int right, int bottom)
    {
        IntRect r;
        r.left = left;
        r.top = top;
        r.right = right;
        r.bottom = bottom;
        return r;
    }
    void init() { left = top = right = bottom = 0; }
    // The four-integer setters of the library take (top, left, right, bottom).
    void set(int newTop, int newLeft, int newRight, int newBottom)
    {
        top = newTop; left = newLeft; right = newRight; bottom = newBottom;
    }
    void assign(const IntRect& r) { *this = r; }
    [[nodiscard]] RECT* asRect() { return reinterpret_cast<RECT*>(this); }
    [[nodiscard]] const RECT* asRect() const { return reinterpret_cast<const RECT*>(this); }

    // Corners left-top, right-top, right-bottom, left-bottom.
    void getCorners(int xs[4], int ys[4]) const;

    [[nodiscard]] int width() const { return right - left; }
    [[nodiscard]] int height() const { return bottom - top; }
    [[nodiscard]] int absWidth() const { return width() < 0 ? -width() : width(); }
    [[nodiscard]] int absHeight() const { return height() < 0 ? -height() : height(); }
    void setWidth(int w) { right = left + w; }
    void setHeight(int h) { bottom = top + h; }
    void setLeftFromWidth(int w) { left = right - w; }
    void setTopFromHeight(int h) { top = bottom - h; }
    // Keeps the rectangle's direction: a rectangle with right < left grows to the left.
    void setSignedWidth(int w) { right = left <= right ? left + w : left - w; }
    void setSignedHeight(int h) { bottom = top <= bottom ? top + h : top - h; }
    void setCenteredXY(int cx, int cy, int w, int h);
    void setCentered(const IntPoint& p, int w, int h) { setCenteredXY(p.x, p.y, w, h); }
    [[nodiscard]] int centerX() const;
    [[nodiscard]] int centerY() const;
    [[nodiscard]] IntPoint center() const { return IntPoint(centerX(), centerY()); }

    void offsetLeft(int d) { left += d; }
    void offsetTop(int d) { top += d; }
    void offsetRight(int d) { right += d; }
    void offsetBottom(int d) { bottom += d; }
    void shrinkRight(int d) { right -= d; }
    void shrinkBottom(int d) { bottom -= d; }
    void inflateHorizontally(int d) { left -= d; right += d; }
    void inflateVertically(int d) { top -= d; bottom += d; }
    void inflate(int d) { inflateHorizontally(d); inflateVertically(d); }
    void deflateHorizontally(int d) { left += d; right -= d; }
    void deflateVertically(int d) { top += d; bottom -= d; }
    void deflate(int d) { deflateHorizontally(d); deflateVertically(d); }
    void deflateByMargins(const IntRect& m);

    // Set or read one corner; the size is not kept.
    void topLeftFrom(const IntPoint& p) { left = p.x; top = p.y; }
    void bottomRightFrom(const IntPoint& p) { right = p.x; bottom = p.y; }
    [[nodiscard]] IntPoint topLeft() const { return IntPoint(left, top); }
    // The rectangle spanned by two points, edges ordered.
    void setFromPoints(const IntPoint& p1, const IntPoint& p2);

    // Translations; the size is kept.
    void moveBy(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    void moveByPoint(const IntPoint& p) { moveBy(p.x, p.y); }
    void moveHorizontally(int d) { moveBy(d, 0); }
    void moveVertically(int d) { moveBy(0, d); }
    void moveTo(int x, int y) { moveBy(x - left, y - top); }
    void moveToPoint(const IntPoint& p) { moveTo(p.x, p.y); }
    void moveTopLeftTo(const IntPoint& p) { moveTo(p.x, p.y); }
    void moveTopRightTo(const IntPoint& p) { moveBy(p.x - right, p.y - top); }
    void moveBottomLeftTo(const IntPoint& p) { moveBy(p.x - left, p.y - bottom); }
    void moveLeftTo(int v) { moveBy(v - left, 0); }
    void moveTopTo(int v) { moveBy(0, v - top); }
    void moveRightTo(int v) { moveBy(v - right, 0); }
    void moveBottomTo(int v) { moveBy(0, v - bottom); }
    void alignTopRightWith(const IntRect& r) { moveBy(r.right - right, r.top - top); }
    void alignBottomLeftWith(const IntRect& r) { moveBy(r.left - left, r.bottom - bottom); }

    // Edges count as inside.
    [[nodiscard]] int containsPoint(const IntPoint& p) const
    {
        return left <= p.x && p.x <= right && top <= p.y && p.y <= bottom;
    }
    [[nodiscard]] int equals(const IntRect& r) const
    {
        return left == r.left && top == r.top && right == r.right && bottom == r.bottom;
    }
    // With `touching` a shared edge counts as overlap, else the ranges must overlap strictly.
    [[nodiscard]] int overlapsHorizontally(const IntRect& r, int touching) const;
    [[nodiscard]] int overlapsVertically(const IntRect& r, int touching) const;
    [[nodiscard]] int intersects(const IntRect& r, int touching) const;
    // r.left - centerX (r.top - centerY) when the rectangles intersect, else 0.
    [[nodiscard]] int offsetXFromCenter(const IntRect& r, int touching) const;
    [[nodiscard]] int offsetYFromCenter(const IntRect& r, int touching) const;
    // Becomes the common part when the rectangles intersect strictly (then 1); else unchanged, 0.
    [[nodiscard]] int intersectWith(const IntRect& r);
    // The shorter side takes the longer one's length (makeSquareMax) or the other way round,
    // measured from left and top.
    void makeSquareMax();
    void makeSquareMin();

    // Border hit tests. edgeHit: 0 unless the point is inside, else the first edge within `tol`
    // in the order top 1, left 2, right 3, bottom 4 (0 when none). hitTestBorder refines an edge
    // to a corner when the point lies less than `corner` pixels from the adjacent edge:
    // 12 top-left, 13 top-right, 42 bottom-left, 43 bottom-right.
    enum { hitTop = 1, hitLeft = 2, hitRight = 3, hitBottom = 4,
           hitTopLeft = 12, hitTopRight = 13, hitBottomLeft = 42, hitBottomRight = 43 };
    [[nodiscard]] int edgeHit(const IntPoint& p, int tol) const;
    [[nodiscard]] int hitTestBorder(const IntPoint& p, int tol, int corner) const;
    // Index of the row of a list of rows `rowHeight` high with `gap` between them that holds the
    // point; a point in a gap belongs to the next row; a last row reaching `bottom` is never
    // found. -1 when outside, for rowHeight < 1, or when no row holds it.
    [[nodiscard]] int rowAtPoint(const IntPoint& p, int rowHeight, int gap) const;
};
static_assert(sizeof(IntRect) == sizeof(RECT), "IntRect is handed to GDI as a RECT");
