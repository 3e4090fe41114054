#pragma once
#include <vector>

#include "platform/IntRect.h"

// The decisions of the pane layout as plain functions on rectangles, free of windows.
//
// Band coordinates: every band is laid out as the top band is, in coordinates of its own whose
// origin is the band's origin line: `left`/`right` run along the band, `top`/`bottom` away from
// the frame's edge towards the drawings. BandFrame converts between them and the frame's client
// coordinates: the left and right bands exchange x and y, the right band grows leftwards from
// the client's right side and the bottom band upwards from the area above the status bar.
namespace band_layout {

enum Band { kTop = 1, kLeft = 2, kRight = 3, kBottom = 4, kFloat = 5 };

// How far beyond its dock edge a band catches a dragged pane, in pixels.
constexpr int kHotZoneGrowth = 9;
// A drag that ends closer than this to its start (in x and in y) changes nothing.
constexpr int kDragThreshold = 4;
// A press released within this time counts even off its button, in milliseconds.
constexpr unsigned kClickTimeMs = 300;

struct BandFrame {
    int band = kTop;
    IntPoint origin;   // the band's origin in client coordinates

    [[nodiscard]] IntRect toBand(const IntRect& client) const;
    [[nodiscard]] IntRect toClient(const IntRect& inBand) const;
};

// The panes' indices sorted by top, then left; equal keys keep their order.
[[nodiscard]] std::vector<int> sortedOrder(const std::vector<IntRect>& rects);
// Packs the rectangles of one band (band coordinates) into rows: the first on the origin line,
// a rectangle below the current row line starts a new row (at the left edge when it reaches past
// `limit`), one that overlaps those before it in its row goes to their right, and one that
// reaches past `limit` in a row starts a new row at the left edge.
void packBand(std::vector<IntRect>& rects, int limit);
// Moves each rectangle up onto the lowest bottom of those above it that overlap it along the
// band (touching edges do not count), or onto the origin line.
void settleBand(std::vector<IntRect>& rects);
// The row (a multiple of `pitch`) a rectangle dropped with its top at `top` takes: the next row
// once the top lies more than half a pitch below a row.
[[nodiscard]] int snapToRow(int top, int pitch);
// The first band in the order TOP, LEFT, RIGHT, BOTTOM that the pane allows and whose hot zone
// (indexed by band) holds the point; otherwise FLOAT.
[[nodiscard]] int bandAtPoint(const int allowed[4], const IntRect zones[5], const IntPoint& p);
// 1 when a drag from `start` to `end` moves the pane at all.
[[nodiscard]] int dragMoves(const IntPoint& start, const IntPoint& end);
// 1 when a button press counts: released over the button, or released within the click time.
[[nodiscard]] int pressCounts(int releasedOver, int withinClickTime);

// The rectangle of a dragged pane at each cursor step: it keeps the grab offset, takes the size
// of the band under the cursor and, when the cursor would then lie outside it, is centred on it.
class PaneDrag {
public:
    PaneDrag(const IntRect& start, const IntPoint& cursor, int band);
    // The cursor at `cursor` over `band`, where the pane would be `size` (only read when the band
    // changed). 0 while the cursor has not left the press point.
    int step(const IntPoint& cursor, int band, const IntPoint& size);
    [[nodiscard]] int band() const { return band_; }
    [[nodiscard]] int changes(const IntPoint& end) const { return dragMoves(press_, end); }

    IntRect rect;

private:
    IntPoint press_;
    IntPoint grab_;
    int band_;
    bool left_ = false;
};

} // namespace band_layout
