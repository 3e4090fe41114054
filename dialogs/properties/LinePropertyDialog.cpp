#include "dialogs/properties/LinePropertyDialog.h"

#include "document/Element.h"
#include "resources/ids_properties.h"

namespace {
using Base = StrokePropertyDialogBase;
const Base::PointFields kPoints[] = {
    {&Element::firstPoint, IDC_LINE_START_X, IDC_LINE_START_Y, IDC_LINE_START_X_UNIT, IDC_LINE_START_Y_UNIT},
    {&Element::secondPoint, IDC_LINE_END_X, IDC_LINE_END_Y, IDC_LINE_END_X_UNIT, IDC_LINE_END_Y_UNIT},
};
const Base::Layout kLayout = {{IDD_LINE_COLOUR, IDD_LINE_TYPE, 0, IDD_LINE_POINTS},
                              {IDC_LINE_WIDTH, IDC_LINE_POSITION, IDC_LINE_STYLE, IDC_LINE_CAP},
                              {{IDC_LINE_COLOUR, Base::kLineColour}},
                              kPoints,
                              2};
} // namespace

LinePropertyDialog::LinePropertyDialog() : StrokePropertyDialogBase(kLayout) {}

int LinePropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "線分"); }
