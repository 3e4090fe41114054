#pragma once
#include "dialogs/properties/PropertyDialog.h"
#include "dialogs/properties/VertexStepper.h"
#include "geometry/PointList.h"

class PictureElement;

// The property dialog of a placed picture ("ピクチュアー"): "共通"; "タイプ" (1612: the image kind and
// file, and "変更..." to choose another file of the kind); "座標" (1613: the corners and the scale
// of the placement against the image's own size); "マスク" (1615: the mask outline one point at a
// time in drawing coordinates, "アンカー" every third point from the first and "フロート" between,
// the point shown marked in the view, and the mask tools). "マスク作成...", "マスク移動",
// "拡大、縮小" and "端点の移動" store the shown page and end the dialog with 9901..9904, on which the
// element editor runs the mask tool; "マスク削除" empties the outline and the dialog stays.
//
// The outline is stored relative to the picture's start corner: the page shows and takes its
// points with the start corner added.
class PicturePropertyDialog : public PropertyDialog {
public:
    PicturePropertyDialog();

    void setElement(Element* target) override;
    [[nodiscard]] int runKind(PropertyStepRecord& record) override;
    void declareControls() override;
    void loadPage() override;
    void storePage() override;
    void applyPage(int markVertex) override;
    [[nodiscard]] int onPageEvent() override;

    // The mask point the page shows (0 after construction).
    [[nodiscard]] int currentPoint() const { return stepper.current; }

private:
    void loadTypePage();
    void loadMaskPage();
    void storeMaskPage();
    void showScale();
    // "変更...": another file of the picture's kind; 1 when one was chosen.
    int changeFile();
    [[nodiscard]] PointList* outline() const;

    PictureElement* picture = nullptr; // the element, not owned
    // The outline point on the page: the stepper works on an absolute copy of the outline
    // (its working point is the point shown).
    VertexStepper stepper;
    PointList absolute;
};
