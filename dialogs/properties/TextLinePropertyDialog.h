#pragma once
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
