#pragma once
#include "dialogs/defaults/FontRecordDialog.h"

// "寸法の一括編集": the tabs "共通" (the layer), "カラー" (1568), "フォント" (1569), "数値" (1571: the
// length and angle units, whether the unit is shown, decimals, the gap; no labels) and "線" (1570),
// each value with the box that applies it to the selected length and angle dimensions.
class MeasureBatchDialog : public FontRecordDialog<FontBatchDialogBase> {
public:
    MeasureBatchDialog();

protected:
    [[nodiscard]] FontRecordValues values() const override;
};
