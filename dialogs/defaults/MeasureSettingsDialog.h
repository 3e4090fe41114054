#pragma once
#include "dialogs/defaults/FontSettingsDialogBase.h"

class MeasureDefaults;

// "寸法の設定": the measure defaults edited on the tabs "共通" (the layer), "カラー" (1550: numeral,
// underline, extension-line and arrow colours), "フォント" (1553), "数値" (1551: decimals, the length
// unit and its label, whether the unit is shown, the numeral's position, the gap to the underline,
// the angle unit and its label; each unit keeps its own label) and "線" (1552: underline, extension
// line with its gap and overshoot, arrow heads).
class MeasureSettingsDialog : public FontSettingsDialogBase {
public:
    MeasureSettingsDialog();

    void declareControls() override;
    void loadPage() override;
    void storePage() override;
    [[nodiscard]] int onPageEvent() override;

private:
    [[nodiscard]] MeasureDefaults* measures() const;
};
