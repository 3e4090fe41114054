#include "platform/IntRect.h"

namespace {
int half(int a, int b) { return static_cast<int>((static_cast<long long>(a) + b) / 2); }
int absolute(int v) { return v < 0 ? -v : v; }
} // namespace

void IntRect::getCorners(int xs[4], int ys[4]) const
{
    xs[0] = left;  ys[0] = top;
    xs[1] = right; ys[1] = top;
    xs[2] = right; ys[2] = bottom;
    xs[3] = left;  ys[3] = bottom;
}

void IntRect::setCenteredXY(int cx, int cy, int w, int h)
{
    top = cy - h / 2;
    left = cx - w / 2;
    right = left + w;
    bottom = top + h;
}

int IntRect::centerX() const { return half(left, right); }
int IntRect::centerY() const { return half(top, bottom); }

void IntRect::deflateByMargins(const IntRect& m)
{
    top += m.top;
    left += m.left;
    right -= m.right;
    bottom -= m.bottom;
}

void IntRect::setFromPoints(const IntPoint& p1, const IntPoint& p2)
{
    left = p1.x < p2.x ? p1.x : p2.x;
    right = p1.x < p2.x ? p2.x : p1.x;
    top = p1.y < p2.y ? p1.y : p2.y;
    bottom = p1.y < p2.y ? p2.y : p1.y;
}

int IntRect::overlapsHorizontally(const IntRect& r, int touching) const
{
    return touching ? (left <= r.right && right >= r.left) : (left < r.right && right > r.left);
}

int IntRect::overlapsVertically(const IntRect& r, int touching) const
{
    return touching ? (top <= r.bottom && bottom >= r.top) : (top < r.bottom && bottom > r.top);
}

int IntRect::intersects(const IntRect& r, int touching) const
{
    return overlapsHorizontally(r, touching) && overlapsVertically(r, touching);
}

int IntRect::offsetXFromCenter(const IntRect& r, int touching) const
{
    return intersects(r, touching) ? r.left - centerX() : 0;
}

int IntRect::offsetYFromCenter(const IntRect& r, int touching) const
{
    return intersects(r, touching) ? r.top - centerY() : 0;
}

int IntRect::intersectWith(const IntRect& r)
{
    if (!intersects(r, 0))
        return 0;
    top = top > r.top ? top : r.top;
    left = left > r.left ? left : r.left;
    right = right < r.right ? right : r.right;
    bottom = bottom < r.bottom ? bottom : r.bottom;
    return 1;
}

void IntRect::makeSquareMax()
{
    if (width() < height())
        right = left + height();
    else
        bottom = top + width();
}

void IntRect::makeSquareMin()
{
    if (width() > height())
        right = left + height();
    else
        bottom = top + width();
}

int IntRect::edgeHit(const IntPoint& p, int tol) const
{
    if (!containsPoint(p))
        return 0;
    if (absolute(p.y - top) <= tol)
        return hitTop;
    if (absolute(p.x - left) <= tol)
        return hitLeft;
    if (absolute(right - p.x) <= tol)
        return hitRight;
    if (absolute(bottom - p.y) <= tol)
        return hitBottom;
    return 0;
}

int IntRect::hitTestBorder(const IntPoint& p, int tol, int corner) const
{
    int edge = edgeHit(p, tol);
    bool nearLeft = p.x - left < corner;
    bool nearRight = right - p.x < corner;
    bool nearTop = p.y - top < corner;
    bool nearBottom = bottom - p.y < corner;
    switch (edge) {
    case hitTop:
        return nearLeft ? hitTopLeft : (nearRight ? hitTopRight : edge);
    case hitLeft:
        return nearTop ? hitTopLeft : (nearBottom ? hitBottomLeft : edge);
    case hitRight:
        return nearTop ? hitTopRight : (nearBottom ? hitBottomRight : edge);
    case hitBottom:
        return nearLeft ? hitBottomLeft : (nearRight ? hitBottomRight : edge);
    default:
        return edge;
    }
}

int IntRect::rowAtPoint(const IntPoint& p, int rowHeight, int gap) const
{
    if (rowHeight < 1 || !containsPoint(p))
        return -1;
    long long pitch = static_cast<long long>(rowHeight) + gap;
    if (pitch < 1)
        return -1; // rows that do not advance hold nothing
    // Boundary i lies at top + rowHeight + i * pitch; the row is the first boundary below the point.
    long long firstBoundary = static_cast<long long>(top) + rowHeight;
    long long index = 0;
    if (p.y >= firstBoundary)
        index = (p.y - firstBoundary) / pitch + 1;
    long long boundary = firstBoundary + index * pitch;
    if (boundary >= bottom)
        return -1;
    return static_cast<int>(index);
}
