#pragma once
// Interface header: the arc's property dialog as the element folder makes it.
#include "dialogs/properties/StrokePropertyDialogBase.h"

// The property dialog of an arc ("円弧"): 共通, カラー (the line colour), 線種 (width, position,
// line type) and 座標 (start, end and the middle point on the arc) of the bound element.
class ArcPropertyDialog : public StrokePropertyDialogBase {
public:
    ArcPropertyDialog();

    [[nodiscard]] int runKind(PropertyStepRecord& record) override;
};

// Makes the dialog; null while none is built (the arc's editProperties then answers 0).
// The dialogs folder installs its maker; tests put a stand-in.
using ArcPropertyDialogMaker = ArcPropertyDialog* (*)();
extern ArcPropertyDialogMaker makeArcPropertyDialog;
