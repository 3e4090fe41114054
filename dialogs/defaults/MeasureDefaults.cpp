#include "document/MeasureDefaults.h"

#include <new>

#include "dialogs/defaults/DefaultsProtocol.h"
#include "dialogs/defaults/MeasureBatchDialog.h"
#include "dialogs/defaults/MeasureSettingsDialog.h"
#include "document/BatchFlags.h"
#include "document/Element.h"
#include "document/ElementKind.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/MeasureAttributes.h"

MeasureDefaults::MeasureDefaults()
    : TextBearingDefaults(flags, kFlagCount), numeralValues(new (std::nothrow) MeasureAttributes)
{
    // Without the numeral a new dimension keeps its own, and the files and the dialogs pass it over.
}

MeasureDefaults::~MeasureDefaults() { delete numeralValues; }

int MeasureDefaults::editSettings()
{
    return runSettingsProtocol<MeasureDefaults, MeasureSettingsDialog>(*this, theMeasureDefaults, "寸法の設定");
}

int MeasureDefaults::batchEdit()
{
    return runBatchProtocol<MeasureDefaults, MeasureBatchDialog>(*this, "寸法の一括編集");
}

void MeasureDefaults::copyFrom(const MeasureDefaults* other)
{
    if (other)
        assignValues(*other);
}

void MeasureDefaults::setLengthUnit(int unitId)
{
    if (numeralValues)
        (void)numeralValues->setLengthUnit(unitId); // an id of no unit keeps the unit
}

void MeasureDefaults::assignValues(const MeasureDefaults& other)
{
    assignShared(other);
    ulineColor.assign(other.ulineColor);
    if (numeralValues)
        numeralValues->assign(other.numeralValues); // a missing source changes nothing
    underLine.assign(&other.underLine);
}

void MeasureDefaults::inksFromRgbIfNone()
{
    TextBearingDefaults::inksFromRgbIfNone();
    ulineColor.inksFromRgbIfNone();
    underLine.colour.inksFromRgbIfNone();
    if (numeralValues)
        numeralValues->numeralColour.inksFromRgbIfNone();
}

// The radius and diameter dimensions have no batch edit.
int MeasureDefaults::accepts(int kind)
{
    return kind == kindCode(ElementKind::Measure) || kind == kindCode(ElementKind::AngleMeasure);
}

int MeasureDefaults::apply(Element* e)
{
    if (!e)
        return 0;
    int r = applyFontTo(e, applyLayer(e, 0));
    const batch_flags::Steps ticked(flags, r);
    if (ticked(kNumeralColourFlag))
        e->setNumeralColour(textColor);
    if (ticked(kUnderlineColourFlag))
        e->setMeasureLineColour(ulineColor);
    if (ticked(kLeaderColourFlag))
        e->setArrowLineColour(drawColor);
    if (ticked(kArrowColourFlag))
        e->setArrowHeadColour(arrowColor);
    if (numeralValues) {
        // The length dimension takes the length unit, the angle dimension the angle unit.
        if (ticked(kLengthUnitFlag))
            e->setLengthNumeralUnits(*numeralValues);
        if (ticked(kAngleUnitFlag))
            e->setNumeralUnits(*numeralValues);
        if (ticked(kUnitDisplayFlag))
            e->setUnitDisplay(*numeralValues);
        if (ticked(kDecimalsFlag))
            e->setDecimalPlaces(*numeralValues);
        if (ticked(kGapFlag))
            e->setNumeralSpace(*numeralValues);
    }
    if (ticked(kUnderlineStyleFlag))
        e->setMeasureLineStyle(underLine);
    if (ticked(kUnderlineWidthFlag))
        e->setMeasureLineWidth(underLine);
    applyLeaderSteps(*e, ticked, kLeaderStyleFlag, kLeaderWidthFlag);
    if (ticked(kLeaderGapFlag))
        e->setArrowLineSize1(drawLine);
    if (ticked(kLeaderOverFlag))
        e->setArrowLineSize2(drawLine);
    applyArrowSteps(*e, ticked, kArrowKindFlag);
    return r;
}
