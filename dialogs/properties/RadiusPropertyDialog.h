#pragma once
#include "dialogs/properties/TextPropertyDialogBase.h"
#include "dialogs/properties/VertexStepper.h"

// The property dialog of a radius dimension ("半径"), and under another caption of a diameter
// dimension: 共通, カラー, フォント, 数値 (decimals, length unit, whether it is shown, the gap to
// the underline), 線 and 座標 with the dimension's two points, the point on the circle ("点１")
// and the display point ("点２"), from the grid origin along the paper's axis.
class RadiusPropertyDialog : public TextPropertyDialogBase {
public:
    RadiusPropertyDialog();

    [[nodiscard]] int runKind(PropertyStepRecord& record) override;

    // The point on the circle is the one measured point: a vertex page fixed on it.
    VertexStepper circlePoint;
};
