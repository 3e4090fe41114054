#pragma once
#include "dialogs/properties/TextPropertyDialogBase.h"

// The property dialog of a text ("テキスト"): 共通, カラー (the text colour), フォント (face, style,
// size) and 座標 (the start point and the rotation angle) of the bound element.
class TextPropertyDialog : public TextPropertyDialogBase {
public:
    TextPropertyDialog();

    [[nodiscard]] int runKind(PropertyStepRecord& record) override;
};
