#pragma once
#include "dialogs/properties/TextPropertyDialogBase.h"
#include "dialogs/properties/VertexStepper.h"

// The property dialog of a length dimension ("寸法線"): 共通, カラー (numeral, underline,
// extension line and arrow heads, each through a chooser of its own), フォント, 数値 (decimals,
// length unit, whether it is shown, the numeral's position, the gap to the underline), 線 and
// 座標, which shows one measured point at a time from the grid origin along the paper's axis and
// marks it in the view.
class MeasurePropertyDialog : public TextPropertyDialogBase {
public:
    MeasurePropertyDialog();

    [[nodiscard]] int runKind(PropertyStepRecord& record) override;

    VertexStepper stepper;
};
