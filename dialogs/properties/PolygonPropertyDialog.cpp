#include "dialogs/properties/PolygonPropertyDialog.h"

#include "elements/Element.h"
#include "elements/VertexRoundingList.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "resources/ids_properties.h"

namespace {
VertexPageIds vertexPage()
{
    VertexPageIds ids;
    ids.x = IDC_POLYGON_X, ids.y = IDC_POLYGON_Y;
    ids.xUnit = IDC_POLYGON_X_UNIT, ids.yUnit = IDC_POLYGON_Y_UNIT;
    ids.number = IDC_POLYGON_NUMBER, ids.count = IDC_POLYGON_COUNT;
    ids.previous = IDC_POLYGON_PREVIOUS, ids.next = IDC_POLYGON_NEXT;
    ids.radius = IDC_POLYGON_RADIUS, ids.radiusUnit = IDC_POLYGON_RADIUS_UNIT;
    return ids;
}
} // namespace

PolygonPropertyDialog::PolygonPropertyDialog()
    : StrokePropertyDialogBase({IDD_POLYGON_COLOUR, IDD_POLYGON_TYPE, IDD_AREA_PAGE, IDD_POLYGON_POINTS},
                               {IDC_POLYGON_WIDTH, IDC_POLYGON_POSITION, IDC_POLYGON_STYLE, 0}),
      stepper(vertexPage(), 1)
{
    vertexStepper = &stepper;
}

void PolygonPropertyDialog::setElement(Element* target)
{
    StrokePropertyDialogBase::setElement(target);
    setSwatch(0, IDC_POLYGON_EDGE_COLOUR, edge ? &edge->colour : nullptr);
    setSwatch(1, IDC_POLYGON_FILL_COLOUR, fill ? &fill->colour : nullptr);
    setSwatch(2, IDC_POLYGON_PATTERN_COLOUR, hatch ? &hatch->colour : nullptr);
    stepper.bind(target ? target->vertices() : nullptr, target ? target->vertexRounding() : nullptr, documentContext);
}

int PolygonPropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "ポリゴン"); }
