#pragma once
#include "dialogs/properties/StrokePropertyDialogBase.h"

// The property dialog of a line ("線分"): 共通, カラー (the line colour), 線種 (width, position,
// line type, cap) and 座標 (start and end point) of the bound element.
class LinePropertyDialog : public StrokePropertyDialogBase {
public:
    LinePropertyDialog();

    [[nodiscard]] int runKind(PropertyStepRecord& record) override;
};
