#include "dialogs/properties/BreaklinePropertyDialog.h"

#include "resources/ids_properties.h"

namespace {
using Base = StrokePropertyDialogBase;
const Base::Layout kLayout = {{IDD_BREAKLINE_COLOUR, IDD_BREAKLINE_TYPE, 0, IDD_BREAKLINE_POINTS},
                              {IDC_BREAKLINE_WIDTH, IDC_BREAKLINE_POSITION, IDC_BREAKLINE_STYLE, IDC_BREAKLINE_CAP},
                              {{IDC_BREAKLINE_COLOUR, Base::kLineColour}},
                              nullptr,
                              0};
// x, y, their units, number, count, the step buttons, the corner radius and its unit.
const VertexPageIds kVertexPage = {IDC_BREAKLINE_X,      IDC_BREAKLINE_Y,        IDC_BREAKLINE_X_UNIT,
                                   IDC_BREAKLINE_Y_UNIT, IDC_BREAKLINE_NUMBER,   IDC_BREAKLINE_COUNT,
                                   IDC_BREAKLINE_PREVIOUS, IDC_BREAKLINE_NEXT,   IDC_BREAKLINE_RADIUS,
                                   IDC_BREAKLINE_RADIUS_UNIT};
} // namespace

// An open line has no corner at its first and last vertex.
BreaklinePropertyDialog::BreaklinePropertyDialog() : StrokePropertyDialogBase(kLayout, &stepper), stepper(kVertexPage, 0) {}

int BreaklinePropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "折れ線"); }
