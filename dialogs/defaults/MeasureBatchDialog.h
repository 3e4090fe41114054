#pragma once
#include "dialogs/defaults/FontBatchDialogBase.h"

class MeasureDefaults;

// "寸法の一括編集": the tabs "共通" (the layer), "カラー" (1568), "フォント" (1569), "数値" (1571: the
// length and angle units, whether the unit is shown, decimals, the gap; no labels) and "線" (1570),
// each value with the box that applies it to the selected length and angle dimensions. Touching a
// value ticks its box: a swatch picked, a list chosen, the switch clicked, a number typed that
// differs from the one shown.
class MeasureBatchDialog : public FontBatchDialogBase {
public:
    MeasureBatchDialog();

    void declareControls() override;
    void loadPage() override;
    void storePage() override;
    [[nodiscard]] int onPageEvent() override;

private:
    [[nodiscard]] MeasureDefaults* measures() const;
};
