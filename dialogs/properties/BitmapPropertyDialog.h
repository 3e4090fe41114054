#pragma once
#include "dialogs/properties/PropertyDialog.h"

// The property dialog of a bitmap ("ビットマップ"): "共通" and "座標" (1605: the start and end corner,
// and the width and height of the placement as percentages of the bitmap's size at a zoom of
// 100 %, recomputed whenever the page is applied).
class BitmapPropertyDialog : public PropertyDialog {
public:
    BitmapPropertyDialog();

    [[nodiscard]] int runKind(PropertyStepRecord& record) override;
    void declareControls() override;
    void loadPage() override;
    void storePage() override;
    void applyPage(int markVertex) override;

private:
    void showScale();
};
