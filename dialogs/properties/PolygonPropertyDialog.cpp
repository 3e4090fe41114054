#include "dialogs/properties/PolygonPropertyDialog.h"

#include "resources/ids_properties.h"

namespace {
using Base = StrokePropertyDialogBase;
const Base::Layout kLayout = {{IDD_POLYGON_COLOUR, IDD_POLYGON_TYPE, IDD_AREA_PAGE, IDD_POLYGON_POINTS},
                              {IDC_POLYGON_WIDTH, IDC_POLYGON_POSITION, IDC_POLYGON_STYLE, 0},
                              {{IDC_POLYGON_EDGE_COLOUR, Base::kEdgeColour},
                               {IDC_POLYGON_FILL_COLOUR, Base::kFillColour},
                               {IDC_POLYGON_PATTERN_COLOUR, Base::kHatchColour}},
                              nullptr,
                              0};
// x, y, their units, number, count, the step buttons, the corner radius and its unit.
const VertexPageIds kVertexPage = {IDC_POLYGON_X,        IDC_POLYGON_Y,      IDC_POLYGON_X_UNIT,
                                   IDC_POLYGON_Y_UNIT,   IDC_POLYGON_NUMBER, IDC_POLYGON_COUNT,
                                   IDC_POLYGON_PREVIOUS, IDC_POLYGON_NEXT,   IDC_POLYGON_RADIUS,
                                   IDC_POLYGON_RADIUS_UNIT};
} // namespace

// Every vertex of a closed figure is a corner.
PolygonPropertyDialog::PolygonPropertyDialog() : StrokePropertyDialogBase(kLayout, &stepper), stepper(kVertexPage, 1) {}

int PolygonPropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "ポリゴン"); }
