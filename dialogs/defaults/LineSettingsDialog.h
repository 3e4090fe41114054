#pragma once
#include "dialogs/defaults/AttributeSettingsDialog.h"

class LineDefaults;

// "線画の設定": the line-drawing defaults edited on the tabs "共通" (the layer), "カラー" (1520: the
// outline, fill and pattern colours), "線種" (1521: width, position, type, cap) and "領域" (1573:
// the outline and fill switches, one of which stays on, the hatch and the fill's screen).
class LineSettingsDialog : public AttributeSettingsDialog {
public:
    LineSettingsDialog();

    void declareControls() override;
    void loadPage() override;
    void storePage() override;
    [[nodiscard]] int onPageEvent() override;

private:
    [[nodiscard]] LineDefaults* lines() const;
};
