#pragma once
// Interface header: the spline property dialog as the element folder makes it.
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

// Makes the dialog; null while none is built (editProperties then answers 0).
// The dialogs folder installs its maker; tests put a stand-in.
using SplinePropertyDialogMaker = SplinePropertyDialog* (*)();
extern SplinePropertyDialogMaker makeSplinePropertyDialog;
