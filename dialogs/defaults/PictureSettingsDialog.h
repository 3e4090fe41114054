#pragma once
#include "dialogs/defaults/AttributeSettingsDialog.h"

class PictureDefaults;

// "ピクチャーの設定": the picture defaults on the tabs "共通" (the layer of new pictures) and "表示"
// (1633: "サムネイルで表示する(JPEG)", the thumbnail flag).
class PictureSettingsDialog : public AttributeSettingsDialog {
public:
    PictureSettingsDialog();

    void declareControls() override;
    void loadPage() override;
    void storePage() override;

private:
    [[nodiscard]] PictureDefaults* pictures() const;
};
