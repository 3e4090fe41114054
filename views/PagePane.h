#pragma once
// An interface of the page bar; the page pane implements it.
#include "platform/IntRect.h"

class Window;

// The PAGE button of the page pane as the page bar sees it: square cells along the pane, one per
// page from the first visible page on and then one empty cell where a page is added, in the
// pane's window, and the scroll bar that moves them.
class PagePane {
public:
    virtual ~PagePane() = default;

    // 1 while the pane is docked or floating.
    [[nodiscard]] virtual int isPaneShown() = 0;
    // The pane's position (1 top, 2 left, 3 right, 4 bottom, 5 floating; 0 hidden).
    [[nodiscard]] virtual int panePosition() = 0;
    // The window the cells lie in (the frame for a docked pane); null while there is none.
    [[nodiscard]] virtual Window* paneWindow() = 0;
    // The current page and the page count: the cells and the scroll range follow them.
    virtual void setPages(int current, int count) = 0;
    // The pages scrolled out before the first cell, and setting it (the scroll bar's position).
    [[nodiscard]] virtual int firstVisible() = 0;
    virtual void setFirstVisible(int pages) = 0;
    // Cell `index` from the first visible one in the window; `extra` cells after the last page
    // count too. 0 when there is no such cell.
    [[nodiscard]] virtual int cellRectWithin(int index, IntRect& cell, int extra) = 0;
    // The page whose cell (the empty one included) holds the screen point; -1 for none.
    [[nodiscard]] virtual int cellAtPoint(const IntPoint& screen, IntRect* cell) = 0;
    // The list's area in the window, and the frames of its cells (the current page's raised).
    virtual void listArea(IntRect& area) = 0;
    virtual void drawCellFrames() = 0;
    // 1 while the pane's scroll bar is moving the cells.
    [[nodiscard]] virtual int isScrolling() = 0;
    // Where a page is fitted in a thumbnail: the pane as it would be docked at the right, less
    // the vertical scroll bar's width, made square by its shorter side and deflated by the cells'
    // inset (pixels, at the cells' inset from the origin).
    virtual void thumbnailRect(IntRect& out) = 0;
};
