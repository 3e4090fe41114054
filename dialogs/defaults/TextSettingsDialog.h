#pragma once
#include "dialogs/defaults/FontSettingsDialogBase.h"

class TextDefaults;

// "テキストの設定": the text defaults edited on the tabs "共通" (the layer), "カラー" (1523: the
// text, leader and arrow colours), "フォント" (1524: face, style, size) and "線" (1597: the leader's
// style and width, the arrow head's kind, width, length and lean).
class TextSettingsDialog : public FontSettingsDialogBase {
public:
    TextSettingsDialog();

    void declareControls() override;
    void loadPage() override;
    void storePage() override;
    [[nodiscard]] int onPageEvent() override;

private:
    [[nodiscard]] TextDefaults* texts() const;
};
