#include "shell/panes/BandLayout.h"

#include <algorithm>
#include <cstdlib>

namespace band_layout {

IntRect BandFrame::toBand(const IntRect& c) const
{
    const int ox = origin.x;
    const int oy = origin.y;
    switch (band) {
    case kBottom:
        return IntRect::fromEdges(c.left - ox, oy - c.bottom, c.right - ox, oy - c.top);
    case kLeft:
        return IntRect::fromEdges(c.top - oy, c.left - ox, c.bottom - oy, c.right - ox);
    case kRight:
        return IntRect::fromEdges(c.top - oy, ox - c.right, c.bottom - oy, ox - c.left);
    default:
        return IntRect::fromEdges(c.left - ox, c.top - oy, c.right - ox, c.bottom - oy);
    }
}

IntRect BandFrame::toClient(const IntRect& b) const
{
    const int ox = origin.x;
    const int oy = origin.y;
    switch (band) {
    case kBottom:
        return IntRect::fromEdges(b.left + ox, oy - b.bottom, b.right + ox, oy - b.top);
    case kLeft:
        return IntRect::fromEdges(b.top + ox, b.left + oy, b.bottom + ox, b.right + oy);
    case kRight:
        return IntRect::fromEdges(ox - b.bottom, b.left + oy, ox - b.top, b.right + oy);
    default:
        return IntRect::fromEdges(b.left + ox, b.top + oy, b.right + ox, b.bottom + oy);
    }
}

std::vector<int> sortedOrder(const std::vector<IntRect>& rects)
{
    std::vector<int> order(rects.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const IntRect& ra = rects[static_cast<size_t>(a)];
        const IntRect& rb = rects[static_cast<size_t>(b)];
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    return order;
}

void packBand(std::vector<IntRect>& rects, int limit)
{
    const std::vector<int> order = sortedOrder(rects);
    int rowLine = 0;
    int rowBottom = 0;
    // The right end of what the current row holds so far: a pane placed after one that it
    // overlaps goes behind every pane before it in the row, not only behind the last one.
    int rowRight = 0;
    bool first = true;
    for (int index : order) {
        IntRect& r = rects[static_cast<size_t>(index)];
        // Nothing lies before the origin; a pane read from a damaged layout comes back in.
        if (r.left < 0)
            r.moveLeftTo(0);
        bool startsRow = first;
        if (first) {
            r.moveTopTo(0);
        } else if (r.top < rowLine) {
            r.moveTopTo(rowLine);
        } else if (r.top > rowLine) {
            rowLine = rowBottom;
            r.moveTopTo(rowLine);
            startsRow = true;
        }
        if (startsRow) {
            if (r.right > limit)
                r.moveLeftTo(0);
        } else {
            if (r.left < rowRight)
                r.moveLeftTo(rowRight);
            if (r.right > limit) {
                rowLine = rowBottom;
                r.moveTo(0, rowLine);
                startsRow = true;
            }
        }
        rowRight = startsRow ? r.right : std::max(rowRight, r.right);
        rowBottom = first ? r.bottom : std::max(rowBottom, r.bottom);
        first = false;
    }
}

void settleBand(std::vector<IntRect>& rects)
{
    for (int index : sortedOrder(rects)) {
        IntRect& r = rects[static_cast<size_t>(index)];
        int top = 0;
        for (const IntRect& other : rects)
            if (&other != &r && other.top < r.top && other.overlapsHorizontally(r, 0))
                top = std::max(top, other.bottom);
        r.moveTopTo(top);
    }
}

int snapToRow(int top, int pitch)
{
    if (pitch < 1 || 2LL * top <= pitch)
        return 0;
    const long long steps = (2LL * top - pitch + 2LL * pitch - 1) / (2LL * pitch);
    return static_cast<int>(steps * pitch);
}

int bandAtPoint(const int allowed[4], const IntRect zones[5], const IntPoint& p)
{
    for (int band = kTop; band <= kBottom; ++band)
        if (allowed[band - 1] && zones[band].containsPoint(p))
            return band;
    return kFloat;
}

int dragMoves(const IntPoint& start, const IntPoint& end)
{
    return std::abs(end.x - start.x) >= kDragThreshold || std::abs(end.y - start.y) >= kDragThreshold;
}

int pressCounts(int releasedOver, int withinClickTime) { return releasedOver || withinClickTime; }

PaneDrag::PaneDrag(const IntRect& start, const IntPoint& cursor, int band)
    : rect(start), press_(cursor), grab_(cursor.x - start.left, cursor.y - start.top), band_(band)
{
}

int PaneDrag::step(const IntPoint& cursor, int band, const IntPoint& size)
{
    if (!left_ && cursor.equals(press_))
        return 0;
    left_ = true;
    if (band != band_) {
        band_ = band;
        rect.setWidth(size.x);
        rect.setHeight(size.y);
    }
    rect.moveTo(cursor.x - grab_.x, cursor.y - grab_.y);
    if (!rect.containsPoint(cursor))
        rect.setCentered(cursor, rect.width(), rect.height());
    return 1;
}

} // namespace band_layout
