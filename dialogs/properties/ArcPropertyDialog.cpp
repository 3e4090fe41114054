#include "dialogs/properties/ArcPropertyDialog.h"

#include "document/Element.h"
#include "resources/ids_properties.h"

namespace {
using Base = StrokePropertyDialogBase;
// Start (the first point), end (the second) and the middle point on the arc (the third).
const Base::PointFields kPoints[] = {
    {&Element::firstPoint, IDC_ARC_START_X, IDC_ARC_START_Y, IDC_ARC_START_X_UNIT, IDC_ARC_START_Y_UNIT},
    {&Element::secondPoint, IDC_ARC_END_X, IDC_ARC_END_Y, IDC_ARC_END_X_UNIT, IDC_ARC_END_Y_UNIT},
    {&Element::thirdPoint, IDC_ARC_MIDDLE_X, IDC_ARC_MIDDLE_Y, IDC_ARC_MIDDLE_X_UNIT, IDC_ARC_MIDDLE_Y_UNIT},
};
const Base::Layout kLayout = {{IDD_ARC_COLOUR, IDD_ARC_TYPE, 0, IDD_ARC_POINTS},
                              {IDC_ARC_WIDTH, IDC_ARC_POSITION, IDC_ARC_STYLE, 0},
                              {{IDC_ARC_COLOUR, Base::kLineColour}},
                              kPoints,
                              3};
} // namespace

ArcPropertyDialog::ArcPropertyDialog() : StrokePropertyDialogBase(kLayout) {}

int ArcPropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "円弧"); }
