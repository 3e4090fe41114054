#pragma once
#include "dialogs/properties/StrokePropertyDialogBase.h"

// The property dialog of an oval ("楕円"): 共通, カラー (outline, fill and pattern colours), 線種
// (width, position, line type), 領域 and 座標 (the two corners, the lean "傾き" in degrees and the
// type "タイプ": 真円, 半円, 1／4円) of the bound element.
class OvalPropertyDialog : public StrokePropertyDialogBase {
public:
    OvalPropertyDialog();

    [[nodiscard]] int runKind(PropertyStepRecord& record) override;

protected:
    void declareCoordinateControls() override;
    void loadCoordinatePage() override;
    void storeCoordinatePage() override;
};
