#pragma once
// Interface header: the line's property dialog as the element folder makes it.
#include "dialogs/properties/StrokePropertyDialogBase.h"

// The property dialog of a line ("線分"): 共通, カラー (the line colour), 線種 (width, position,
// line type, cap) and 座標 (start and end point) of the bound element.
class LinePropertyDialog : public StrokePropertyDialogBase {
public:
    LinePropertyDialog();

    [[nodiscard]] int runKind(PropertyStepRecord& record) override;
};

// Makes the dialog; null while none is built (the line's editProperties then answers 0).
// The dialogs folder installs its maker; tests put a stand-in.
using LinePropertyDialogMaker = LinePropertyDialog* (*)();
extern LinePropertyDialogMaker makeLinePropertyDialog;
