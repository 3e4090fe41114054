#pragma once
#include "dialogs/properties/StrokePropertyDialogBase.h"

// The property dialog of a box ("ボックス"): 共通, カラー (outline, fill and pattern colours), 線種
// (width, position, line type), 領域 and 座標 (the two corners, the lean "傾き" in degrees and the
// four corner radii "ラウンド" in the grid's x unit) of the bound element. Control ids repeat: 15316
// is the pattern swatch on the colour page and the width field on the line-type page.
class BoxPropertyDialog : public StrokePropertyDialogBase {
public:
    BoxPropertyDialog();

    [[nodiscard]] int runKind(PropertyStepRecord& record) override;

protected:
    void declareCoordinateControls() override;
    void loadCoordinatePage() override;
    void storeCoordinatePage() override;
};
