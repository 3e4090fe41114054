#pragma once
// Interface header: the box's property dialog as the element folder makes it.
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

// Makes the dialog; null while none is built (the box's editProperties then answers 0).
// The dialogs folder installs its maker; tests put a stand-in.
using BoxPropertyDialogMaker = BoxPropertyDialog* (*)();
extern BoxPropertyDialogMaker makeBoxPropertyDialog;
