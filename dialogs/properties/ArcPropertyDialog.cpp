#include "dialogs/properties/ArcPropertyDialog.h"

#include <iterator>

#include "elements/Element.h"
#include "resources/ids_properties.h"

namespace {
// Start (the first point), end (the second) and the middle point on the arc (the third).
const StrokePropertyDialogBase::PointFields kPoints[] = {
    {&Element::firstPoint, IDC_ARC_START_X, IDC_ARC_START_Y, IDC_ARC_START_X_UNIT, IDC_ARC_START_Y_UNIT},
    {&Element::secondPoint, IDC_ARC_END_X, IDC_ARC_END_Y, IDC_ARC_END_X_UNIT, IDC_ARC_END_Y_UNIT},
    {&Element::thirdPoint, IDC_ARC_MIDDLE_X, IDC_ARC_MIDDLE_Y, IDC_ARC_MIDDLE_X_UNIT, IDC_ARC_MIDDLE_Y_UNIT},
};
constexpr int kPointCount = static_cast<int>(std::size(kPoints));
} // namespace

ArcPropertyDialog::ArcPropertyDialog()
    : StrokePropertyDialogBase({IDD_ARC_COLOUR, IDD_ARC_TYPE, 0, IDD_ARC_POINTS},
                               {IDC_ARC_WIDTH, IDC_ARC_POSITION, IDC_ARC_STYLE, 0})
{
}

void ArcPropertyDialog::setElement(Element* target)
{
    StrokePropertyDialogBase::setElement(target);
    setSwatch(0, IDC_ARC_COLOUR, target ? target->colour() : nullptr);
}

int ArcPropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "円弧"); }

void ArcPropertyDialog::declareCoordinateControls() { declarePoints(kPoints, kPointCount); }

void ArcPropertyDialog::loadCoordinatePage() { loadPoints(kPoints, kPointCount); }

void ArcPropertyDialog::storeCoordinatePage() { storePoints(kPoints, kPointCount); }
