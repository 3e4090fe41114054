#pragma once
// Interface header: the text's property dialog as the element folder makes it.
#include "dialogs/properties/TextPropertyDialogBase.h"

// The property dialog of a text ("テキスト"): 共通, カラー (the text colour), フォント (face, style,
// size) and 座標 (the start point and the rotation angle) of the bound element.
class TextPropertyDialog : public TextPropertyDialogBase {
public:
    TextPropertyDialog();

    [[nodiscard]] int runKind(PropertyStepRecord& record) override;
};

// Makes the dialog; null while none is built (the text's editProperties then answers 0). The
// dialogs folder installs its maker; tests put a stand-in.
using TextPropertyDialogMaker = TextPropertyDialog* (*)();
extern TextPropertyDialogMaker makeTextPropertyDialog;
