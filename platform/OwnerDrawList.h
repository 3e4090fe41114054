#pragma once
#include "platform/OwnerDrawnRows.h"

// Kind 303: the check list. Each row shows a check box in an h x h square at the left edge and
// the item's text beside it. A click in the check-box column switches the item and selects it, a
// click right of the column only selects it, a click below the last item selects nothing.
class OwnerDrawList : public OwnerDrawnRows {
public:
    // Texts keep at most this many bytes.
    enum { kTextSize = 84 };

    OwnerDrawList();

    using OwnerDrawnRows::addItem;

    // Only the count: the first row shown and the selection stay, so that a list filled again
    // keeps its place.
    void clear() override { items.count = 0; }
    // 1, or 0 when the list cannot grow.
    int addItem(int checked, const char* text) override;
    // 0 for a bad index.
    [[nodiscard]] int isItemChecked(int index) override;
    // 1, or 0 for a bad index.
    int setItemChecked(int index, int flag) override;
    // Selects and switches as described above and repaints; 0 (and no repaint) when the click
    // hit no item.
    int clickAt() override;
    [[nodiscard]] int getLastToggled() override { return lastToggled; }

    // The item whose check the last click switched, -1 when it switched none.
    int lastToggled = -1;

protected:
    [[nodiscard]] int drawRowStart(DeviceContext& dc, int left, int top, const unsigned char* record) override;
};
