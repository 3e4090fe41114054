#pragma once
#include "dialogs/defaults/BatchEditDialog.h"

class LineDefaults;

// "線画の一括編集": the values and apply flags of the line-drawing defaults on the tabs "共通" (the
// layer), "カラー" (1561), "線種" (1562), "領域" (1603) and "座標" (1563: start and end corner in the
// grid's units, the rotation in degrees). Touching a value ticks its box: a swatch after the
// picker; a field whose number differs from the one shown; a position, type or cap chosen that
// differs from the record's; a pattern, screen or direction chosen; a switch clicked.
class LineBatchDialog : public BatchEditDialog {
public:
    LineBatchDialog();

    void declareControls() override;
    void loadPage() override;
    void storePage() override;
    [[nodiscard]] int onPageEvent() override;

private:
    [[nodiscard]] LineDefaults* lines() const;
    [[nodiscard]] int onLineTypeEvent(LineDefaults& r);
};
