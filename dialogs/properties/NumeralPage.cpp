#include "dialogs/properties/NumeralPage.h"

#include "dialogs/properties/PropertyFields.h"
#include "platform/ControlKinds.h"
#include "platform/Dialog.h"
#include "shapes/MeasureAttributes.h"

namespace numeral_page {
namespace {
// The largest gap between numeral and underline a page takes, in paper millimetres.
constexpr double kMaxGap = 1000.0;
} // namespace

void declare(Dialog& dialog, const NumeralIds& ids)
{
    // An id of 0 (a field the page lacks) is refused; every transfer looks for its control first.
    (void)dialog.addControl(ids.decimals, KIND_INTEGER_EDIT);
    (void)dialog.addControl(ids.lengthUnit, KIND_COMBO_BOX);
    (void)dialog.addControl(ids.lengthLabel, KIND_TEXT_EDIT);
    (void)dialog.addControl(ids.angleUnit, KIND_COMBO_BOX);
    (void)dialog.addControl(ids.angleLabel, KIND_TEXT_EDIT);
    (void)dialog.addControl(ids.showUnit, KIND_CHECK_BUTTON);
    (void)dialog.addControl(ids.position, KIND_COMBO_BOX);
    (void)dialog.addControl(ids.gap, KIND_REAL_EDIT);
}

void load(Dialog& dialog, const NumeralIds& ids, MeasureAttributes& numeral)
{
    // Each transfer answers 0 only for a control the page lacks; the field then stays empty.
    (void)numeral.showDecimals(&dialog, ids.decimals);
    (void)(numeral.showLengthUnits(&dialog, ids.lengthUnit) && numeral.selectLengthUnit(&dialog, ids.lengthUnit));
    (void)numeral.showLengthLabel(&dialog, ids.lengthLabel);
    (void)(numeral.showAngleUnits(&dialog, ids.angleUnit) && numeral.selectAngleUnit(&dialog, ids.angleUnit));
    (void)numeral.showAngleLabel(&dialog, ids.angleLabel);
    (void)numeral.showUnitDisplay(&dialog, ids.showUnit);
    (void)(numeral.fillNumeralPositionList(&dialog, ids.position) &&
           numeral.showNumeralPosition(&dialog, ids.position));
    (void)numeral.showSpace(&dialog, ids.gap);
}

void store(Dialog& dialog, const NumeralIds& ids, MeasureAttributes& numeral)
{
    int decimals = 0;
    if (property_fields::takeInt(dialog, ids.decimals, 0, MeasureAttributes::kMaxDecimals, decimals))
        (void)numeral.setDecimals(decimals); // within 0..50
    // A control the page lacks, or a list with nothing chosen, keeps its value. The label fields
    // show the labels of the units chosen (unitChosen keeps them so).
    (void)numeral.takeNumeralPosition(&dialog, ids.position);
    (void)numeral.takeLengthUnit(&dialog, ids.lengthUnit);
    (void)numeral.takeLengthLabel(&dialog, ids.lengthLabel);
    (void)numeral.takeAngleUnit(&dialog, ids.angleUnit);
    (void)numeral.takeAngleLabel(&dialog, ids.angleLabel);
    (void)numeral.takeUnitDisplay(&dialog, ids.showUnit);
    double gap = 0.0;
    if (property_fields::takeReal(dialog, ids.gap, 0.0, kMaxGap, gap))
        numeral.space = gap;
}

int unitChosen(Dialog& dialog, const NumeralIds& ids, MeasureAttributes& numeral, int id)
{
    if (id == 0)
        return 0;
    // The label field belongs to the unit shown so far until the new unit is taken. A page
    // without a label field keeps every label.
    if (id == ids.lengthUnit) {
        (void)numeral.takeLengthLabel(&dialog, ids.lengthLabel);
        (void)numeral.takeLengthUnit(&dialog, id);
        (void)numeral.showLengthLabel(&dialog, ids.lengthLabel);
        return 1;
    }
    if (id == ids.angleUnit) {
        (void)numeral.takeAngleLabel(&dialog, ids.angleLabel);
        (void)numeral.takeAngleUnit(&dialog, id);
        (void)numeral.showAngleLabel(&dialog, ids.angleLabel);
        return 1;
    }
    return 0;
}

} // namespace numeral_page
