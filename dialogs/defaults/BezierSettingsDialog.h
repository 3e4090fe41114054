#pragma once
#include "dialogs/defaults/AttributeSettingsDialog.h"

class BezierDefaults;

// "ベジェの設定": the Bezier defaults edited on the tabs "共通" (the layer), "カラー" (1525: the
// outline, fill and pattern colours, each chosen at a click on its swatch) and "領域" (1573: the
// outline and fill switches, one of which stays on, so that a default curve is never invisible;
// the hatch and the fill's screen).
class BezierSettingsDialog : public AttributeSettingsDialog {
public:
    BezierSettingsDialog();

    void declareControls() override;
    void loadPage() override;
    void storePage() override;
    [[nodiscard]] int onPageEvent() override;

private:
    [[nodiscard]] BezierDefaults* curves() const;
};
