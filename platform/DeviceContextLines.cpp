// Lines, dashes and rectangle outlines of the device context.
#include "platform/DeviceContext.h"

#include <cmath>
#include <utility>

#include "platform/IntPoint.h"
#include "platform/IntPointList.h"
#include "platform/IntRect.h"
#include "platform/MathUtil.h"

namespace {
// No visible stretch of a line holds more dashes than this (a page-sized surface holds a few
// thousand); the bound ends the walk on a surface whose clip box cannot be read.
const int kMaxDashes = 100000;

// The stretch [first, last] of the line (x1, y1) + t (ux, uy), 0 <= t <= length, that passes
// within a pen width and two pixels of the DC's clip box. false when it misses the box; the
// whole line when the DC has no clip box to read.
bool visibleStretch(HDC hdc, int penWidth, int x1, int y1, double ux, double uy, long long length, long long& first,
                    long long& last)
{
    first = 0;
    last = length;
    RECT box;
    int kind = GetClipBox(hdc, &box);
    if (kind == ERROR)
        return true;
    if (kind == NULLREGION)
        return false;
    double margin = (penWidth > 1 ? penWidth : 1) + 2.0;
    double from = 0.0, to = static_cast<double>(length);
    // Clip t against each pair of box edges in turn (x, then y).
    const double starts[2] = {static_cast<double>(x1), static_cast<double>(y1)};
    const double directions[2] = {ux, uy};
    const double lows[2] = {box.left - margin, box.top - margin};
    const double highs[2] = {box.right + margin, box.bottom + margin};
    for (int axis = 0; axis < 2; ++axis) {
        double p = starts[axis], d = directions[axis];
        if (d == 0.0) {
            if (p < lows[axis] || p > highs[axis])
                return false;
            continue;
        }
        double t1 = (lows[axis] - p) / d, t2 = (highs[axis] - p) / d;
        if (t1 > t2)
            std::swap(t1, t2);
        if (t1 > from)
            from = t1;
        if (t2 < to)
            to = t2;
    }
    if (from > to)
        return false;
    first = static_cast<long long>(std::floor(from));
    last = static_cast<long long>(std::ceil(to));
    return true;
}
} // namespace

void DeviceContext::moveTo(int x, int y)
{
    DcScope scope(*this);
    MoveToEx(hdc, x, y, nullptr);
}

void DeviceContext::lineTo(int x, int y)
{
    DcScope scope(*this);
    LineTo(hdc, x, y);
}

void DeviceContext::setPixel(int x, int y, const RgbColor& color)
{
    DcScope scope(*this);
    SetPixelV(hdc, x, y, color.colorRef);
}

void DeviceContext::drawLine(int x1, int y1, int x2, int y2)
{
    DcScope scope(*this);
    MoveToEx(hdc, x1, y1, nullptr);
    LineTo(hdc, x2, y2);
}

void DeviceContext::drawJoinedLines(const IntPoint* points, int count)
{
    if (!points || count < 2)
        return;
    DcScope scope(*this);
    Polyline(hdc, reinterpret_cast<const POINT*>(points), count);
}

void DeviceContext::drawStyledLine(const PenSpec& spec, int x1, int y1, int x2, int y2)
{
    DcScope scope(*this);
    (void)selectPen(spec); // without a new pen the held one draws
    if (spec.style == 2) {
        drawDashSegments(spec, x1, y1, x2, y2, 10, 3, 0);
    } else if (spec.style == 3) {
        drawDashSegments(spec, x1, y1, x2, y2, 3, 3, 0);
    } else {
        MoveToEx(hdc, x1, y1, nullptr);
        LineTo(hdc, x2, y2);
    }
}

void DeviceContext::drawLineBetween(const PenSpec& spec, const IntPoint& p1, const IntPoint& p2)
{
    drawStyledLine(spec, p1.x, p1.y, p2.x, p2.y);
}

void DeviceContext::drawHorizontalLine(const PenSpec& spec, int y, int x1, int x2) { drawStyledLine(spec, x1, y, x2, y); }
void DeviceContext::drawVerticalLine(const PenSpec& spec, int x, int y1, int y2) { drawStyledLine(spec, x, y1, x, y2); }

void DeviceContext::drawDashSegments(const PenSpec& spec, int x1, int y1, int x2, int y2, int dash, int gap, int offset)
{
    if (dash < 1)
        return;
    double ux = 0.0, uy = 0.0;
    // In 64 bits: a line across the whole int range is longer than an int.
    long long length = static_cast<long long>(MathUtil::unitVector(x1, y1, x2, y2, ux, uy));
    if (length < 1)
        return;
    // A negative gap would walk backwards for ever.
    if (gap < 0)
        gap = 0;
    DcScope scope(*this);
    (void)selectPen(spec); // without a new pen the held one draws
    long long start = 0;
    long long dashLength = dash;
    if (offset > 0 && offset <= dash)
        start = offset;
    else if (offset > dash)
        dashLength = static_cast<long long>(offset) - dash;

    // Only the part of the line that can show is walked: dashes that end before it are skipped
    // whole periods at a time, so the dashes drawn sit exactly where walking from the start puts
    // them.
    long long first, last;
    if (!visibleStretch(hdc, spec.width, x1, y1, ux, uy, length, first, last))
        return;
    long long period = static_cast<long long>(dash) + gap;
    if (start + dashLength + gap <= first) {
        start += dashLength + gap;
        dashLength = dash;
        start += (first - start) / period * period;
    }
    for (int drawn = 0; start < length && start <= last && drawn < kMaxDashes; ++drawn) {
        long long end = start + dashLength < length ? start + dashLength : length;
        int ax, ay, bx, by;
        MathUtil::movePointInt(x1, y1, static_cast<double>(start), ux, uy, ax, ay);
        MathUtil::movePointInt(x1, y1, static_cast<double>(end), ux, uy, bx, by);
        MoveToEx(hdc, ax, ay, nullptr);
        LineTo(hdc, bx, by);
        start = end + gap;
        dashLength = dash;
    }
}

void DeviceContext::drawPolyline(const PenSpec& spec, IntPointList& points)
{
    if (points.count < 2)
        return;
    BlockLock data(points);
    if (!data)
        return;
    const IntPoint* p = data.data<IntPoint>();
    DcScope scope(*this);
    (void)selectPen(spec); // without a new pen the held one draws
    MoveToEx(hdc, p[0].x, p[0].y, nullptr);
    for (int i = 1; i < points.count; ++i)
        LineTo(hdc, p[i].x, p[i].y);
}

void DeviceContext::drawPointPath(const PenSpec& spec, const int* xs, const int* ys, int start, int count)
{
    if (!xs || !ys || start < 0)
        return;
    DcScope scope(*this);
    (void)selectPen(spec); // without a new pen the held one draws
    MoveToEx(hdc, xs[start], ys[start], nullptr);
    for (int i = 1; i <= count; ++i)
        LineTo(hdc, xs[start + i], ys[start + i]);
}

void DeviceContext::drawRectSides(const PenSpec& spec, const IntRect& rect, int top, int left, int right, int bottom)
{
    // The corner cycle and its sides: side i runs from corner i to corner i + 1.
    const int xs[4] = {rect.left, rect.right, rect.right, rect.left};
    const int ys[4] = {rect.top, rect.top, rect.bottom, rect.bottom};
    const bool chosen[4] = {top != 0, right != 0, bottom != 0, left != 0};
    int count = 0;
    for (bool c : chosen)
        count += c ? 1 : 0;
    if (count == 0)
        return;
    DcScope scope(*this);
    (void)selectPen(spec); // without a new pen the held one draws
    if (count == 4) {
        MoveToEx(hdc, xs[0], ys[0], nullptr);
        for (int i = 1; i <= 4; ++i)
            LineTo(hdc, xs[i % 4], ys[i % 4]);
        return;
    }
    // Two or three sides in a row along the cycle: one path from the free end.
    if (count >= 2) {
        for (int s = 0; s < 4; ++s) {
            if (!chosen[s] || chosen[(s + 3) % 4])
                continue;
            int run = 0;
            while (run < 4 && chosen[(s + run) % 4])
                ++run;
            if (run != count)
                break;
            MoveToEx(hdc, xs[s], ys[s], nullptr);
            for (int i = 1; i <= count; ++i)
                LineTo(hdc, xs[(s + i) % 4], ys[(s + i) % 4]);
            return;
        }
    }
    // A single side, or two opposite ones: each on its own.
    if (top) {
        MoveToEx(hdc, rect.left, rect.top, nullptr);
        LineTo(hdc, rect.right, rect.top);
    }
    if (left) {
        MoveToEx(hdc, rect.left, rect.top, nullptr);
        LineTo(hdc, rect.left, rect.bottom);
    }
    if (right) {
        MoveToEx(hdc, rect.right, rect.top, nullptr);
        LineTo(hdc, rect.right, rect.bottom);
    }
    if (bottom) {
        MoveToEx(hdc, rect.left, rect.bottom, nullptr);
        LineTo(hdc, rect.right, rect.bottom);
    }
}

void DeviceContext::drawFrame(const PenSpec& spec, const IntRect& rect, int n)
{
    IntRect r = rect;
    for (int i = 0; i < n; ++i) {
        drawRectSides(spec, r, 1, 1, 1, 1);
        r.deflate(1);
    }
}

void DeviceContext::drawDiamond(const PenSpec& spec, const IntRect& rect)
{
    int cx = rect.centerX();
    int cy = rect.centerY();
    DcScope scope(*this);
    (void)selectPen(spec); // without a new pen the held one draws
    MoveToEx(hdc, cx, rect.top, nullptr);
    LineTo(hdc, rect.right, cy);
    LineTo(hdc, cx, rect.bottom);
    LineTo(hdc, rect.left, cy);
    LineTo(hdc, cx, rect.top);
}

void DeviceContext::drawCenterLines(const PenSpec& spec, const IntRect& rect, int vertical, int horizontal)
{
    DcScope scope(*this);
    (void)selectPen(spec); // without a new pen the held one draws
    if (vertical) {
        int x = (rect.left + rect.right) / 2;
        MoveToEx(hdc, x, rect.top, nullptr);
        LineTo(hdc, x, rect.bottom + 1);
    }
    if (horizontal) {
        int y = (rect.top + rect.bottom) / 2;
        MoveToEx(hdc, rect.left, y, nullptr);
        LineTo(hdc, rect.right + 1, y);
    }
}

void DeviceContext::drawDiagonals(const PenSpec& spec, const IntRect& rect, int falling, int rising)
{
    DcScope scope(*this);
    (void)selectPen(spec); // without a new pen the held one draws
    if (falling) {
        MoveToEx(hdc, rect.left, rect.top, nullptr);
        LineTo(hdc, rect.right + 1, rect.bottom + 1);
    }
    if (rising) {
        MoveToEx(hdc, rect.right, rect.top, nullptr);
        LineTo(hdc, rect.left - 1, rect.bottom + 1);
    }
}

void DeviceContext::drawCheckBox(const PenSpec& spec, const IntRect& rect, int ticked)
{
    DcScope scope(*this);
    fillRect(RgbColor(255, 255, 255), rect);
    setTextColor(RgbColor(0, 0, 0));
    drawRectSides(spec, rect, 1, 1, 1, 1);
    if (!ticked)
        return;
    // Two strokes at 45 degrees meeting three sevenths across, thickened upwards.
    int w = rect.right - rect.left;
    int a = 3 * w / 7;
    int midX = rect.left + a;
    int midY = rect.bottom - 2;
    int firstX = rect.left + 3;
    int firstY = rect.bottom - 2 - (a - 3);
    int lastX = rect.right - 2;
    int lastY = rect.bottom - 2 - (rect.right - 2 - rect.left - a);
    for (int up = 0; up < 3; ++up) {
        MoveToEx(hdc, firstX, firstY - up, nullptr);
        LineTo(hdc, midX, midY - up);
        LineTo(hdc, lastX, lastY - up);
    }
}

void DeviceContext::drawCheckBoxInset(const PenSpec& spec, const IntRect& rect, int ticked)
{
    IntRect inset = rect;
    inset.left += 1;
    inset.bottom -= 1;
    drawCheckBox(spec, inset, ticked);
}
