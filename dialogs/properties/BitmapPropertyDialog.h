#pragma once
// Interface header: the bitmap's property dialog as the element folder makes it.
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

// Makes the dialog; null while none is built (the bitmap's editProperties then answers 0). The
// dialogs folder installs its maker; tests put a stand-in.
using BitmapPropertyDialogMaker = BitmapPropertyDialog* (*)();
extern BitmapPropertyDialogMaker makeBitmapPropertyDialog;
