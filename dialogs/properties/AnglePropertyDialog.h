#pragma once
#include "dialogs/properties/TextPropertyDialogBase.h"
#include "dialogs/properties/VertexStepper.h"

// The property dialog of an angle dimension ("角度"): 共通, カラー, フォント, 数値 (decimals,
// angle unit, whether it is shown, the gap to the underline), 線 and 座標, which shows one
// measured point at a time as it is stored, only converted into the grid's units (no grid origin,
// no y flip), and marks it in the view.
class AnglePropertyDialog : public TextPropertyDialogBase {
public:
    AnglePropertyDialog();

    [[nodiscard]] int runKind(PropertyStepRecord& record) override;

    VertexStepper stepper;
};
