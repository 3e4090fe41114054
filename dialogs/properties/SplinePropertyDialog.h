#pragma once
#include "dialogs/properties/StrokePropertyDialogBase.h"
#include "dialogs/properties/VertexStepper.h"

// The property dialog ("スプライン曲線") of the spline: 共通, カラー (the line's colour page), 線種
// (the breakline's page: width, position, line type, cap) and 座標, which shows one control point
// at a time and marks it in the view.
class SplinePropertyDialog : public StrokePropertyDialogBase {
public:
    SplinePropertyDialog();

    [[nodiscard]] int runKind(PropertyStepRecord& record) override;

    VertexStepper stepper;
};
