// The floating resize by a border: a button pane steps through its row layouts, a list pane
// follows the cursor. The decisions are plain objects fed with cursor points; the loop around
// them reads the mouse source and draws the XOR frame on the screen.
#include <algorithm>
#include <utility>

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/MouseSource.h"
#include "platform/SystemMetrics.h"
#include "shell/panes/DockPane.h"
#include "shell/panes/PaneTracking.h"

namespace {
// The vertical border of a corner code decides for a button pane (rows follow heights).
int verticalEdgeOf(int edge)
{
    switch (edge) {
    case IntRect::hitTopLeft:
    case IntRect::hitTopRight:
        return IntRect::hitTop;
    case IntRect::hitBottomLeft:
    case IntRect::hitBottomRight:
        return IntRect::hitBottom;
    default:
        return edge;
    }
}

int touchesTop(int edge) { return edge == IntRect::hitTop || edge == IntRect::hitTopLeft || edge == IntRect::hitTopRight; }
int touchesBottom(int edge)
{
    return edge == IntRect::hitBottom || edge == IntRect::hitBottomLeft || edge == IntRect::hitBottomRight;
}
int touchesLeft(int edge)
{
    return edge == IntRect::hitLeft || edge == IntRect::hitTopLeft || edge == IntRect::hitBottomLeft;
}
int touchesRight(int edge)
{
    return edge == IntRect::hitRight || edge == IntRect::hitTopRight || edge == IntRect::hitBottomRight;
}

// The coordinate of the dragged edge and the cursor's along its normal.
int edgeCoordinate(const IntRect& r, int edge)
{
    switch (edge) {
    case IntRect::hitTop: return r.top;
    case IntRect::hitBottom: return r.bottom;
    case IntRect::hitLeft: return r.left;
    default: return r.right;
    }
}
int cursorCoordinate(const IntPoint& p, int edge) { return edge == IntRect::hitTop || edge == IntRect::hitBottom ? p.y : p.x; }

} // namespace

FloatingResize::FloatingResize(std::vector<DockPane::RowLayout> table, int currentRows, const IntRect& windowRect,
                               int edge, const IntPoint& cursor, int frameWidth, int captionHeight)
    : rows(currentRows), rect(windowRect), table_(std::move(table)), edge_(verticalEdgeOf(edge)), last_(cursor),
      frame_(frameWidth), caption_(captionHeight)
{
}

IntRect FloatingResize::rectFor(const DockPane::RowLayout& entry) const
{
    const int width = entry.width + 2 * frame_;
    const int height = entry.height + 2 * frame_ + caption_;
    switch (edge_) {
    case IntRect::hitTop:   // anchored at the bottom-left corner
        return IntRect::fromEdges(rect.left, rect.bottom - height, rect.left + width, rect.bottom);
    case IntRect::hitLeft:  // anchored at the top-right corner
        return IntRect::fromEdges(rect.right - width, rect.top, rect.right, rect.top + height);
    default:                // anchored at the top-left corner
        return IntRect::fromEdges(rect.left, rect.top, rect.left + width, rect.top + height);
    }
}

int FloatingResize::step(const IntPoint& cursor)
{
    const int along = cursorCoordinate(cursor, edge_) - cursorCoordinate(last_, edge_);
    last_ = cursor;
    if (!along)
        return 0;
    // Pulling the top or bottom edge outwards, or the left or right edge inwards, asks for more
    // rows; the other way for fewer (a wider pane).
    const int outwards = edge_ == IntRect::hitTop || edge_ == IntRect::hitLeft ? along < 0 : along > 0;
    const int moreRows = edge_ == IntRect::hitTop || edge_ == IntRect::hitBottom ? outwards : !outwards;
    const DockPane::RowLayout* next = nullptr;
    for (const DockPane::RowLayout& entry : table_) {
        if (moreRows && entry.rows > rows && (!next || entry.rows < next->rows))
            next = &entry;
        if (!moreRows && entry.rows < rows && (!next || entry.rows > next->rows))
            next = &entry;
    }
    if (!next)
        return 0;
    const IntRect candidate = rectFor(*next);
    const int at = cursorCoordinate(cursor, edge_);
    // The new edge must come no farther from the cursor than the old one.
    if (std::abs(at - edgeCoordinate(candidate, edge_)) > std::abs(at - edgeCoordinate(rect, edge_)))
        return 0;
    rows = next->rows;
    rect = candidate;
    return 1;
}

FreeResize::FreeResize(int kind, const IntRect& windowRect, int edge, const IntPoint& cursor, int screenSide)
    : rect(windowRect), kind_(kind), edge_(edge), last_(cursor), screenSide_(screenSide)
{
}

int FreeResize::step(const IntPoint& cursor)
{
    const int dx = cursor.x - last_.x;
    const int dy = cursor.y - last_.y;
    const int navigator = kind_ == DockPane::kNavigator;
    // Page and parts lists keep their width: only their top and bottom edges move.
    if (!navigator && edge_ != IntRect::hitTop && edge_ != IntRect::hitBottom)
        return 0;
    IntRect candidate = rect;
    if (touchesTop(edge_))
        candidate.top += dy;
    if (touchesBottom(edge_))
        candidate.bottom += dy;
    if (navigator && touchesLeft(edge_))
        candidate.left += dx;
    if (navigator && touchesRight(edge_))
        candidate.right += dx;
    const int minWidth = navigator ? 58 : 3 * DockPane::kColumnPitch;
    const int minHeight = navigator ? 66 : 3 * DockPane::kColumnPitch;
    if (candidate.equals(rect) || candidate.width() < minWidth || candidate.height() < minHeight
        || candidate.width() > screenSide_ || candidate.height() > screenSide_)
        return 0;
    last_ = cursor;
    rect = candidate;
    return 1;
}

void DockPane::resizeByBorder(int edge)
{
    if (position != kFloat || !paneWindow || !paneWindow->hwnd())
        return;
    if (kind != kButtons) {
        resizeFreely(edge);
        return;
    }
    std::vector<RowLayout> table = resizeTable();
    if (table.empty())
        return;
    IntPoint cursor;
    readCursorPos(cursor);
    FloatingResize resize(std::move(table), rows, paneWindow->windowRect(), edge, cursor, getDialogFrameWidth(),
                          getSmallCaptionHeight());
    {
        XorDragFrame frame;
        frame.show(resize.rect);
        trackLeftDrag(paneWindow, [&](const IntPoint& p) {
            if (resize.step(p))
                frame.show(resize.rect);
        });
    }
    if (resize.rows == rows)
        return;
    rows = resize.rows;
    layoutButtons();
    paneWindow->setRect(resize.rect, 1);
    rememberedRect = resize.rect;
}

void DockPane::resizeFreely(int edge)
{
    IntPoint cursor;
    readCursorPos(cursor);
    const IntRect screen = getScreenRect();
    FreeResize resize(kind, paneWindow->windowRect(), edge, cursor, std::min(screen.width(), screen.height()));
    {
        XorDragFrame frame;
        frame.show(resize.rect);
        trackLeftDrag(paneWindow, [&](const IntPoint& p) {
            if (resize.step(p))
                frame.show(resize.rect);
        });
    }
    floatAt(resize.rect);
}
