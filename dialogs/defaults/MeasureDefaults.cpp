#include "dialogs/defaults/MeasureDefaults.h"

#include <new>

#include "dialogs/defaults/DefaultsProtocol.h"
#include "dialogs/defaults/MeasureBatchDialog.h"
#include "dialogs/defaults/MeasureSettingsDialog.h"
#include "elements/ArrowHeadStyle.h"
#include "elements/Element.h"
#include "elements/ElementKind.h"
#include "elements/MeasureAttributes.h"

MeasureDefaults::MeasureDefaults()
    : numeralValues(new (std::nothrow) MeasureAttributes), arrowLine(new (std::nothrow) ArrowHeadStyle)
{
    // Without the numeral or the arrow head a new dimension keeps its own, and the files and the
    // dialogs pass them over.
    createFont();
}

MeasureDefaults::~MeasureDefaults()
{
    delete numeralValues;
    delete arrowLine;
}

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
    layer.assign(&other.layer);
    textColor.assign(other.textColor);
    ulineColor.assign(other.ulineColor);
    drawColor.assign(other.drawColor);
    arrowColor.assign(other.arrowColor);
    fontInfo.copyFrom(other.fontInfo);
    font.assign(&other.font);
    syncFontName();
    syncFontStyle();
    if (numeralValues)
        numeralValues->assign(other.numeralValues); // a missing source changes nothing
    underLine.assign(&other.underLine);
    drawLine.assign(&other.drawLine);
    if (arrowLine)
        (void)arrowLine->copyFrom(other.arrowLine); // as above
}

void MeasureDefaults::assignBatch(const MeasureDefaults& other)
{
    assignBatchBase(other);
    assignFontFlags(other);
    for (int i = 0; i < kFlagCount; ++i)
        flags[i].value = other.flags[i].value;
}

void MeasureDefaults::clearFlags()
{
    applyLayerFlag.value = 0;
    clearFontFlags();
    for (IntValue& flag : flags)
        flag.value = 0;
}

int MeasureDefaults::anyFlagSet() const
{
    if (applyLayerFlag.value || anyFontFlagSet())
        return 1;
    for (const IntValue& flag : flags)
        if (flag.value)
            return 1;
    return 0;
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
    auto ticked = [&](Flag flag) {
        if (!flags[flag].value)
            return false;
        r = 1;
        return true;
    };
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
    if (ticked(kLeaderStyleFlag))
        e->setArrowLineStyle(drawLine);
    if (ticked(kLeaderWidthFlag))
        e->setArrowLineWidth(drawLine);
    if (ticked(kLeaderGapFlag))
        e->setArrowLineSize1(drawLine);
    if (ticked(kLeaderOverFlag))
        e->setArrowLineSize2(drawLine);
    if (arrowLine) {
        if (ticked(kArrowKindFlag))
            e->setArrowHeadStyle(*arrowLine);
        if (ticked(kArrowSizeFlag))
            e->setArrowHeadLineSize(*arrowLine);
        if (ticked(kArrowLengthFlag))
            e->setArrowHeadLength(*arrowLine);
        if (ticked(kArrowLeanFlag))
            e->setArrowHeadLean(*arrowLine);
    }
    return r;
}
