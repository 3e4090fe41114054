#pragma once
// An interface that this folder and those above call; a folder above implements it.
#include "platform/IntRect.h"

class DeviceContext;

// The list button of a parts library's pane as the library sees it: the pane lays out one
// square cell per part from the first visible part on, keeps the hint of the part under the
// cursor and owns the surface the library paints the list on.
class PartsPane {
public:
    virtual ~PartsPane() = default;

    // The selected part (1-based; -1 for none) and the number of parts: the cells and the scroll
    // range follow them.
    virtual void setPartsRange(int selected, int count) = 0;
    // The hint text shown while the mouse rests on a cell; null clears it.
    virtual void setPartsName(const char* text) = 0;
    // The index of the first visible part (0 without a scroll bar).
    [[nodiscard]] virtual int firstVisible() = 0;
    // Cell `index` (0: the first visible part) in the surface's pixels; 0 when the pane has no
    // such cell.
    [[nodiscard]] virtual int cellRect(int index, IntRect& cell) = 0;
    // The part (1-based) whose cell holds the screen point; -1 for none.
    [[nodiscard]] virtual int cellAtPoint(const IntPoint& screen) = 0;
    // The surface the list is painted on, null while the pane has no window, and the list's area
    // on it.
    [[nodiscard]] virtual DeviceContext* surface() = 0;
    virtual void listArea(IntRect& area) = 0;
    // The frames of the visible cells, the selected part's raised.
    virtual void drawCellFrames() = 0;
    // Has the pane painted again (the library paints the list).
    virtual void repaint() = 0;
    // The pane's context menu at the cursor.
    virtual void openContextMenu() = 0;
};
