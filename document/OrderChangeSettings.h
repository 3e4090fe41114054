#pragma once

class DocumentContext;

// The drawing-order command and its settings. Drawing order is the order of a page's chain in
// the element store, the last element on top; the command moves the selected elements to the
// very back or front, or behind or in front of an element the user picks, as one undo step.
class OrderChangeSettings {
public:
    // Directions.
    enum { kToBack = 1, kToFront = 2, kBehindPicked = 3, kInFrontOfPicked = 4 };

    virtual ~OrderChangeSettings() = default;

    virtual void setOwner(DocumentContext* context) { owner = context; }
    // The direction dialog ("順番変更"): the four directions (variant 1) or the first two
    // (variant 0). On OK the chosen direction is kept and the command may run once. The
    // dialog's answer.
    virtual int runDialog();
    // Moves the selection once the dialog was confirmed; the confirmation is used up either way.
    // 1 when elements moved, 2 when none had to (the only one selected is the target), 0 when
    // nothing ran (no confirmation, no selection, no store, or no element picked).
    virtual int changeOrder();

    DocumentContext* owner = nullptr;
    int direction = kToBack;
    int variant = 0;
    // 1 after the dialog ended with OK, -1 otherwise.
    int dialogResult = -1;

private:
    [[nodiscard]] int moveSelected(int target, int after);
};
