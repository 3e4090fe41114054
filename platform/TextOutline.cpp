#include "platform/TextOutline.h"

#include <cstring>

#include "platform/DeviceContext.h"
#include "platform/MathUtil.h"

namespace {
// The work bitmap only gives the memory DC a surface; the path is never rendered into it.
const int kWorkSide = 108;
} // namespace

TextOutline::~TextOutline()
{
    (void)abortPath(); // an open path on someone else's DC is closed; nothing to report
    // The DC lets go of the bitmap and the font before they are deleted.
    memDc_.release();
    if (bitmap_)
        DeleteObject(bitmap_);
    if (outlineFont_)
        DeleteObject(outlineFont_);
}

int TextOutline::prepare(HDC source)
{
    if (!memDc_.hdc()) {
        if (!memDc_.create(nullptr))
            return 0;
        // Opaque text would add its background box to the path.
        SetBkMode(memDc_.hdc(), TRANSPARENT);
    }
    if (!bitmap_) {
        bitmap_ = CreateBitmap(kWorkSide, kWorkSide, 1, 1, nullptr);
        if (!bitmap_ || !memDc_.select(bitmap_) || !GetObjectA(bitmap_, sizeof bitmapInfo_, &bitmapInfo_))
            return 0;
    }
    LOGFONTA face = {};
    HGDIOBJ current = GetCurrentObject(source, OBJ_FONT);
    if (!current || !GetObjectA(current, sizeof face, &face))
        return 0;
    face.lfHeight = -kDesignHeight;
    face.lfWidth = 0;
    if (outlineFont_ && std::memcmp(&face, &outlineFace_, sizeof face) == 0)
        return 1;
    HFONT font = CreateFontIndirectA(&face);
    if (!font)
        return 0;
    if (!memDc_.select(font)) {
        DeleteObject(font);
        return 0;
    }
    if (outlineFont_)
        DeleteObject(outlineFont_);
    outlineFont_ = font;
    outlineFace_ = face;
    return 1;
}

int TextOutline::takeGlyphPath(const char* text, int length)
{
    HDC work = memDc_.hdc();
    pointCount_ = 0;
    if (!BeginPath(work))
        return 0;
    TextOutA(work, 0, 0, text, length);
    if (!EndPath(work))
        return 0;
    int n = GetPath(work, nullptr, nullptr, 0);
    if (n > 1) {
        if (points_.size() < static_cast<size_t>(n)) {
            points_.resize(static_cast<size_t>(n));
            types_.resize(static_cast<size_t>(n));
        }
        pointCount_ = GetPath(work, points_.data(), types_.data(), n);
        if (pointCount_ < 0)
            pointCount_ = 0;
    }
    AbortPath(work);
    return pointCount_ > 1;
}

int TextOutline::firstDrawnPoint(const POINT* points, const BYTE* types, int count, SIZE cell)
{
    int end = 0;
    while (end < count && !(types[end] & PT_CLOSEFIGURE))
        ++end;
    if (count < 4 || types[0] != PT_MOVETO || end >= count || (end != 3 && end != 4))
        return 0;
    for (int i = 1; i <= end; ++i)
        if ((types[i] & ~PT_CLOSEFIGURE) != PT_LINETO)
            return 0;
    if (end == 4 && (points[4].x != points[0].x || points[4].y != points[0].y))
        return 0;
    LONG minX = points[0].x, maxX = points[0].x, minY = points[0].y, maxY = points[0].y;
    for (int i = 0; i < 4; ++i) {
        const POINT& a = points[i];
        const POINT& b = points[(i + 1) % 4];
        if (a.x != b.x && a.y != b.y)
            return 0;
        minX = a.x < minX ? a.x : minX;
        maxX = a.x > maxX ? a.x : maxX;
        minY = a.y < minY ? a.y : minY;
        maxY = a.y > maxY ? a.y : maxY;
    }
    if (minX != 0 || minY != 0 || maxX != cell.cx || maxY != cell.cy)
        return 0;
    return end + 1;
}

int TextOutline::draw(DeviceContext& dc, int x, int y, int size, double scaleX, double scaleY, double angle,
                      const char* text)
{
    if (size < 4 || !text)
        return 0;
    int length = static_cast<int>(std::strlen(text));
    DcScope scope(dc);
    if (!scope.hdc() || !prepare(scope.hdc()) || !takeGlyphPath(text, length))
        return 0;

    target = scope.hdc();
    if (!dc.selectTextColourBrush()) {
        target = nullptr;
        return 0;
    }
    pathOpen = beginPath();
    // A path that could not be traced whole is not filled.
    int traced = pathOpen && setWindingFill();
    POINT bezier[3];
    int collected = 0;
    SIZE cell = {};
    if (!GetTextExtentPoint32A(memDc_.hdc(), text, length, &cell))
        cell = {-1, -1};
    for (int i = firstDrawnPoint(points_.data(), types_.data(), pointCount_, cell); traced && i < pointCount_; ++i) {
        double px = points_[i].x * scaleX * 0.01;
        double py = points_[i].y * scaleY * 0.01;
        MathUtil::rotatePoint(px, py, angle);
        int sx = x + MathUtil::truncateToInt(px);
        int sy = y + MathUtil::truncateToInt(py);
        switch (types_[i]) {
        case PT_LINETO:
            traced = lineTo(sx, sy);
            break;
        case PT_LINETO | PT_CLOSEFIGURE:
            traced = lineTo(sx, sy) && closeFigure();
            break;
        case PT_BEZIERTO:
        case PT_BEZIERTO | PT_CLOSEFIGURE:
            bezier[collected++] = {sx, sy};
            if (collected == 3) {
                traced = polyBezierTo(bezier, 3);
                collected = 0;
            }
            if (traced && (types_[i] & PT_CLOSEFIGURE))
                traced = closeFigure();
            break;
        case PT_MOVETO:
            collected = 0;
            traced = moveTo(sx, sy);
            break;
        default:
            break;
        }
    }
    int filled = 0;
    if (traced && endPath()) {
        pathOpen = 0;
        filled = fillPath();
    }
    (void)abortPath(); // only a path left open by a failure is still there to drop
    target = nullptr;
    return filled;
}

int TextOutline::beginPath() { return target && BeginPath(target) ? 1 : 0; }
int TextOutline::endPath() { return target && EndPath(target) ? 1 : 0; }

int TextOutline::abortPath()
{
    if (!target || !pathOpen)
        return 0;
    pathOpen = 0;
    return AbortPath(target) ? 1 : 0;
}

int TextOutline::closeFigure() { return target && CloseFigure(target) ? 1 : 0; }
int TextOutline::fillPath() { return target && FillPath(target) ? 1 : 0; }
int TextOutline::setWindingFill() { return target && SetPolyFillMode(target, WINDING) ? 1 : 0; }
int TextOutline::moveTo(int x, int y) { return target && MoveToEx(target, x, y, nullptr) ? 1 : 0; }
int TextOutline::lineTo(int x, int y) { return target && LineTo(target, x, y) ? 1 : 0; }

int TextOutline::polyBezierTo(const POINT* points, int n)
{
    return target && points && n > 0 && PolyBezierTo(target, points, static_cast<DWORD>(n)) ? 1 : 0;
}
