#include "dialogs/properties/LinePropertyDialog.h"

#include <iterator>

#include "elements/Element.h"
#include "resources/ids_properties.h"

namespace {
const StrokePropertyDialogBase::PointFields kPoints[] = {
    {&Element::firstPoint, IDC_LINE_START_X, IDC_LINE_START_Y, IDC_LINE_START_X_UNIT, IDC_LINE_START_Y_UNIT},
    {&Element::secondPoint, IDC_LINE_END_X, IDC_LINE_END_Y, IDC_LINE_END_X_UNIT, IDC_LINE_END_Y_UNIT},
};
constexpr int kPointCount = static_cast<int>(std::size(kPoints));
} // namespace

LinePropertyDialog::LinePropertyDialog()
    : StrokePropertyDialogBase({IDD_LINE_COLOUR, IDD_LINE_TYPE, 0, IDD_LINE_POINTS},
                               {IDC_LINE_WIDTH, IDC_LINE_POSITION, IDC_LINE_STYLE, IDC_LINE_CAP})
{
}

void LinePropertyDialog::setElement(Element* target)
{
    StrokePropertyDialogBase::setElement(target);
    setSwatch(0, IDC_LINE_COLOUR, target ? target->colour() : nullptr);
}

int LinePropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "線分"); }

void LinePropertyDialog::declareCoordinateControls() { declarePoints(kPoints, kPointCount); }

void LinePropertyDialog::loadCoordinatePage() { loadPoints(kPoints, kPointCount); }

void LinePropertyDialog::storeCoordinatePage() { storePoints(kPoints, kPointCount); }
