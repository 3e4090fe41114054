#pragma once
#include "dialogs/defaults/BatchEditDialog.h"

class PictureDefaults;

// "ピクチュアーの一括編集": the picture defaults' batch values on the tabs "共通" (the layer) and
// "座標" (1614: the start and end X and Y in paper millimetres, each beside the check box that
// applies it; typing a new value ticks its box).
class PictureBatchDialog : public BatchEditDialog {
public:
    PictureBatchDialog();

    // Also makes the record's drawing the owner of its two points, so that they convert between
    // drawing and paper units.
    void setRecord(ElementDefaults* edited) override;
    void declareControls() override;
    void loadPage() override;
    void storePage() override;
    [[nodiscard]] int onPageEvent() override;

private:
    [[nodiscard]] PictureDefaults* pictures() const;
};
