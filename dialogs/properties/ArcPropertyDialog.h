#pragma once
#include "dialogs/properties/StrokePropertyDialogBase.h"

// The property dialog of an arc ("円弧"): 共通, カラー (the line colour), 線種 (width, position,
// line type) and 座標 (start, end and the middle point on the arc) of the bound element.
class ArcPropertyDialog : public StrokePropertyDialogBase {
public:
    ArcPropertyDialog();

    [[nodiscard]] int runKind(PropertyStepRecord& record) override;
};
