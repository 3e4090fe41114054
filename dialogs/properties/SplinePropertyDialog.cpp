#include "dialogs/properties/SplinePropertyDialog.h"

#include "resources/ids_properties.h"

namespace {
using Base = StrokePropertyDialogBase;
// The line's colour page and the breakline's line-type page.
const Base::Layout kLayout = {{IDD_LINE_COLOUR, IDD_BREAKLINE_TYPE, 0, IDD_SPLINE_POINTS},
                              {IDC_BREAKLINE_WIDTH, IDC_BREAKLINE_POSITION, IDC_BREAKLINE_STYLE, IDC_BREAKLINE_CAP},
                              {{IDC_LINE_COLOUR, Base::kLineColour}},
                              nullptr,
                              0};
// x, y, their units, number, count and the step buttons; no corner radius.
const VertexPageIds kVertexPage = {IDC_SPLINE_X,      IDC_SPLINE_Y,      IDC_SPLINE_X_UNIT,
                                   IDC_SPLINE_Y_UNIT, IDC_SPLINE_NUMBER, IDC_SPLINE_COUNT,
                                   IDC_SPLINE_PREVIOUS, IDC_SPLINE_NEXT, 0,
                                   0};
} // namespace

SplinePropertyDialog::SplinePropertyDialog() : StrokePropertyDialogBase(kLayout, &stepper), stepper(kVertexPage, 0) {}

int SplinePropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "スプライン曲線"); }
