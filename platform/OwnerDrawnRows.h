#pragma once
#include "platform/Control.h"
#include "platform/GlobalBlock.h"

class DeviceContext;

// What the two owner-drawn lists share (the check list and the text list): items kept as
// fixed-size records in a global block, each ending in its zero-terminated text; the first item
// shown; the highlighted item; the rows they are drawn in.
//
// Row geometry: h is the |lfHeight| of DEFAULT_GUI_FONT; rows are h pixels high with a 1-pixel
// gap, the first starting 1 pixel below the client top, and only whole rows are shown (client
// height / (h + 1) of them). A click on the gap below a row counts for the next row.
//
// The lists draw into a plain dialog item (a frame-style STATIC without SS_NOTIFY, so that clicks
// reach the dialog) whenever their content changes, not in WM_PAINT: a dialog calls refresh for
// them when it is painted (event 2101). They draw inside the item's 1-pixel frame and never over it.
class OwnerDrawnRows : public Control {
public:
    ~OwnerDrawnRows() override;

    using Control::getItemText;
    using Control::setItemText;

    void release() override;
    // 0, the item count and the visible rows; 1.
    [[nodiscard]] int getScrollRange(int* minimum, int* maximum, int* page) override;
    // Item `index` into the buffer (at most size - 1 bytes, never half a character); the length
    // copied, 0 for a bad index.
    [[nodiscard]] int getItemText(int index, char* buffer, int size) override;
    // The text cut to the row's text field; 1, or 0 for a bad index.
    int setItemText(int index, const char* text) override;
    // Draws only that item's row, and only while it is shown.
    void repaintRow(int index) override;
    void repaint() override;
    void refresh() override { repaint(); }
    [[nodiscard]] int getSelected() override { return selected; }
    // Shows the rows from `index` on, as far as whole rows allow; ignored unless
    // 0 <= index < count. Repaints when the first row shown changed.
    void scrollTo(int index) override;
    void onCommand() override { (void)clickAt(); } // a click that hits no row is no error
    void onClick() override { (void)clickAt(); }
    void onScrollTo(int position) override { scrollTo(position); }
    void onAttached() override { setDefaultFont(); }

    [[nodiscard]] int rowHeight() { return getFontHeight(); }
    [[nodiscard]] int visibleRows();
    // The shown row (0 = the top one) under the cursor, -1 when none.
    [[nodiscard]] int rowUnderCursor();

    GlobalBlock items;
    int topIndex = 0;
    int selected = -1;

protected:
    // Records of recordSize bytes whose text field starts at textOffset and runs to the end.
    OwnerDrawnRows(int recordSize, int textOffset);

    // The largest record of the lists.
    enum { kMaxRecordSize = 136 };

    [[nodiscard]] int isItem(int index) const { return index >= 0 && index < items.count; }
    [[nodiscard]] int readRecord(int index, unsigned char* record);
    [[nodiscard]] int writeRecord(int index, const unsigned char* record);
    // A new record with `text` cut to the text field, the bytes before it from `head`.
    [[nodiscard]] int appendRecord(const void* head, const char* text);
    // Draws what precedes the text in a row whose box starts at (left, top) (the check list's
    // check box) and returns where the text starts.
    [[nodiscard]] virtual int drawRowStart(DeviceContext& dc, int left, int top, const unsigned char* record) = 0;

private:
    // All rows (onlyIndex < 0, on a white ground) or that one item's row.
    void paint(int onlyIndex);
    [[nodiscard]] int textSize() const { return recordSize_ - textOffset_; }

    int recordSize_;
    int textOffset_;
};
