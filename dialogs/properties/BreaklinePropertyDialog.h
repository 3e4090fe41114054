#pragma once
#include "dialogs/properties/StrokePropertyDialogBase.h"
#include "dialogs/properties/VertexStepper.h"

// The property dialog ("折れ線") of the breakline and the arcbreakline: 共通, カラー (the line
// colour), 線種 (width, position, line type, cap) and 座標, which shows one vertex at a time with
// its corner radius (disabled on the first and the last vertex) and marks it in the view.
class BreaklinePropertyDialog : public StrokePropertyDialogBase {
public:
    BreaklinePropertyDialog();

    [[nodiscard]] int runKind(PropertyStepRecord& record) override;

    VertexStepper stepper;
};
