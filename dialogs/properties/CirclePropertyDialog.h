#pragma once
// Interface header: the circle's property dialog as the element folder makes it.
#include "dialogs/properties/StrokePropertyDialogBase.h"

// The property dialog of a circle ("円"): 共通, カラー (the outline colour), 線種 (width, position,
// line type) and 座標: the centre in the grid's units, the radius in millimetres as stored, the
// start angle and the centre angle ("中心角度", end angle − start angle; the end angle follows the
// start angle and this span when stored).
class CirclePropertyDialog : public StrokePropertyDialogBase {
public:
    CirclePropertyDialog();

    [[nodiscard]] int runKind(PropertyStepRecord& record) override;

protected:
    void declareCoordinateControls() override;
    void loadCoordinatePage() override;
    void storeCoordinatePage() override;
};

// Makes the dialog; null while none is built (the circle's editProperties then answers 0).
// The dialogs folder installs its maker; tests put a stand-in.
using CirclePropertyDialogMaker = CirclePropertyDialog* (*)();
extern CirclePropertyDialogMaker makeCirclePropertyDialog;
