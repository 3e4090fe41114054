#pragma once
#include "dialogs/defaults/FontRecordDialog.h"

// "寸法の設定": the measure defaults edited on the tabs "共通" (the layer), "カラー" (1550: numeral,
// underline, extension-line and arrow colours), "フォント" (1553), "数値" (1551: decimals, the length
// unit and its label, whether the unit is shown, the numeral's position, the gap to the underline,
// the angle unit and its label; each unit keeps its own label) and "線" (1552: underline, extension
// line with its gap and overshoot, arrow heads).
class MeasureDefaults;

// The record's values as the settings pages show them (the batch pages add theirs); all null
// without a record.
[[nodiscard]] FontRecordValues settingsValuesOf(MeasureDefaults* record);

class MeasureSettingsDialog : public FontRecordDialog<FontSettingsDialogBase> {
public:
    MeasureSettingsDialog();

protected:
    [[nodiscard]] FontRecordValues values() const override;
};
