#pragma once
#include "dialogs/properties/PropertyDialog.h"
#include "dialogs/properties/VertexStepper.h"

class EdgeAttributes;
class FillAttributes;
class HatchAttributes;

// The property dialog of a Bezier curve ("ベジェ"): 共通, カラー (outline, fill and pattern colours),
// 領域 (the shared area page: outline and fill switches, one of which stays on, hatch and screen)
// and 座標, which steps through the curve's points one at a time and tells an anchor ("アンカー",
// every third point from the first) from a control point ("フロート"); the point shown is marked
// in the view. A curve has no line-type page.
class BezierPropertyDialog : public PropertyDialog {
public:
    BezierPropertyDialog();

    void setElement(Element* target) override;
    [[nodiscard]] int runKind(PropertyStepRecord& record) override;
    void declareControls() override;
    void loadPage() override;
    void storePage() override;
    void refreshPage() override;
    void applyPage(int markVertex) override;
    [[nodiscard]] int onPageEvent() override;

    // The coordinate page filled from the current point, which is marked in the view.
    void loadVertexPage();
    // The point the coordinate page shows (0 after construction).
    [[nodiscard]] int currentPoint() const { return stepper.current; }

    // The coordinate page: the current point, its copy (the working point, bound to the curve's
    // drawing) and the page's controls.
    VertexStepper stepper;
    EdgeAttributes* edge = nullptr;
    FillAttributes* fill = nullptr;
    HatchAttributes* hatch = nullptr;
};
