#include "elements/MaskTypeDialog.h"

#include "document/RadioChoiceDialog.h"
#include "elements/BezierPath.h"
#include "resources/ids.h"
#include "shapes/ImageMask.h"

int MaskTypeDialog::run()
{
    // The first two rows are the shapes of both variants.
    static const RadioChoiceDialog::Choice kChoices[] = {
        {IDC_MASK_BOX, BezierPath::kRectangle},     {IDC_MASK_OVAL, BezierPath::kOval},
        {IDC_MASK_TRIANGLE, BezierPath::kTriangle}, {IDC_MASK_RHOMBUS, BezierPath::kQuadrilateral},
        {IDC_MASK_CURVE, BezierPath::kFreehandClosed}, {IDC_MASK_POLYGON, BezierPath::kPolygon},
    };
    if (type_.variant != 0 && type_.variant != 1)
        return 2;
    const int six = type_.variant == 1;
    int chosen = type_.code;
    RadioChoiceDialog dialog(chosen, kChoices, six ? 6 : 2);
    const int result = dialog.runModal(six ? IDD_MASK_TYPE_SIX : IDD_MASK_TYPE_TWO);
    if (result == 1)
        type_.code = chosen;
    return result;
}
