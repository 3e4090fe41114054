#pragma once
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
