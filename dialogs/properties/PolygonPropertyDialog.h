#pragma once
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
