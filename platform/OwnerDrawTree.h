#pragma once
#include "platform/OwnerDrawnRows.h"

// Kind 2103: the text list (a flat list despite its name). A dialog couples it to a scroll-bar
// control, and may couple a second list to it (linkedControl) that then scrolls along.
class OwnerDrawTree : public OwnerDrawnRows {
public:
    // Texts keep at most this many bytes.
    enum { kTextSize = 130 };

    OwnerDrawTree();

    using OwnerDrawnRows::addItem;

    void linkTo(Control* control) override { linkedControl = control; }
    void clear() override;
    [[nodiscard]] int itemCount() override { return items.count; }
    // 1, or 0 when the list cannot grow.
    int addItem(const char* text) override;
    // The later items move down; 1, or 0 for a bad index.
    int removeItem(int index) override;
    // Selects the row under the cursor (nothing when it shows no item) and repaints; 0 (and no
    // repaint) when the cursor is on no row.
    int clickAt() override;
    // Sets the selection without a range check and repaints.
    int select(int index) override;
    [[nodiscard]] int getTag() override { return tag; }
    void setTag(int value) override { tag = value; }
    // Scrolls, then has the linked control scroll to the same position.
    void onScrollTo(int position) override;

    // A value the dialog keeps with the list.
    int tag = 0;

protected:
    [[nodiscard]] int drawRowStart(DeviceContext& dc, int left, int top, const unsigned char* record) override;

private:
    // Set while the position is passed on, so that lists linked in a ring end the round.
    int forwarding_ = 0;
};
