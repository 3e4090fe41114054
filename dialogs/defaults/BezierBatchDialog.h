#pragma once
#include "dialogs/defaults/BatchEditDialog.h"

class BezierDefaults;

// "ベジェの一括編集": the values and apply flags of the Bezier defaults on the tabs "共通" (the layer),
// "カラー" (1566: each colour beside the check box "枠の色", "領域の色", "パターンの色", which a pick
// ticks) and "領域" (1603: the switches, the hatch and the fill's screen, each ticked when touched;
// neither switch is forced on, so a batch edit can leave curves without outline and fill).
class BezierBatchDialog : public BatchEditDialog {
public:
    BezierBatchDialog();

    void declareControls() override;
    void loadPage() override;
    void storePage() override;
    [[nodiscard]] int onPageEvent() override;

private:
    [[nodiscard]] BezierDefaults* curves() const;
};
