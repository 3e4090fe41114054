#pragma once
// Interface header: the leader text's property dialog as the element folder makes it.
#include "dialogs/properties/TextPropertyDialogBase.h"
#include "dialogs/properties/VertexStepper.h"

// The property dialog of a leader text ("引出しテキスト"): 共通, カラー (text, leader and arrow
// head), フォント, 線 (the leader's style and width, the arrow head) and 座標, which shows one
// leader point at a time, marks it in the view and shows the text's rotation with every point.
// The text stays at the leader's last point whatever the page moves.
class TextLinePropertyDialog : public TextPropertyDialogBase {
public:
    TextLinePropertyDialog();

    [[nodiscard]] int runKind(PropertyStepRecord& record) override;
    void storePage() override;

    VertexStepper stepper;
};

// Makes the dialog; null while none is built (editProperties then answers 0). The dialogs folder
// installs its maker; tests put a stand-in.
using TextLinePropertyDialogMaker = TextLinePropertyDialog* (*)();
extern TextLinePropertyDialogMaker makeTextLinePropertyDialog;
