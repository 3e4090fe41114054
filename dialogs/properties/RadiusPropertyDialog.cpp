#include "dialogs/properties/RadiusPropertyDialog.h"

#include "dialogs/properties/AngleFamilyLayout.h"
#include "dialogs/properties/DiameterPropertyDialog.h"
#include "document/Element.h"
#include "resources/ids_text_properties.h"

namespace {
// 点２, the display point; 点１ is the stepper's.
const TextPropertyDialogBase::PointFields kDisplayPoint[] = {
    {&Element::thirdPoint, IDC_RADIUS_P2_X, IDC_RADIUS_P2_Y, IDC_RADIUS_P2_X_UNIT, IDC_RADIUS_P2_Y_UNIT},
};
const TextPropertyDialogBase::Layout kLayout = angleFamilyLayout(IDD_RADIUS_POINTS, 0, kDisplayPoint, 1);
// x, y and their units; no count, no step buttons: the page stays on the first point.
const VertexPageIds kCirclePoint = {IDC_RADIUS_P1_X, IDC_RADIUS_P1_Y, IDC_RADIUS_P1_X_UNIT, IDC_RADIUS_P1_Y_UNIT};
} // namespace

RadiusPropertyDialog::RadiusPropertyDialog() : TextPropertyDialogBase(kLayout, &circlePoint), circlePoint(kCirclePoint, 0)
{
}

int RadiusPropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "半径"); }

int DiameterPropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "直径"); }
