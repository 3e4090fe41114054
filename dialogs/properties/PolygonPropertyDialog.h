#pragma once
// Interface header: the polygon property dialog as the element folder makes it.
#include "dialogs/properties/StrokePropertyDialogBase.h"
#include "dialogs/properties/VertexStepper.h"

// The property dialog ("ポリゴン") of the polygon and the arcpolygon: 共通, カラー (outline, fill
// and pattern colours), 線種 (width, position, line type), 領域 and 座標, which shows one vertex at
// a time with its corner radius and marks it in the view.
class PolygonPropertyDialog : public StrokePropertyDialogBase {
public:
    PolygonPropertyDialog();

    [[nodiscard]] int runKind(PropertyStepRecord& record) override;

    VertexStepper stepper;
};

// Makes the dialog; null while none is built (editProperties then answers 0).
// The dialogs folder installs its maker; tests put a stand-in.
using PolygonPropertyDialogMaker = PolygonPropertyDialog* (*)();
extern PolygonPropertyDialogMaker makePolygonPropertyDialog;
