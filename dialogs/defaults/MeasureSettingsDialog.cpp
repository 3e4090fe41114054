#include "dialogs/defaults/MeasureSettingsDialog.h"

#include "document/MeasureDefaults.h"
#include "resources/ids_text_measure_defaults.h"

namespace {
using P = FontRecordPage;
const FontRecordLayout kLayout = {
    5,
    {P::kCommon, P::kColour, P::kFont, P::kNumeral, P::kLine},
    {"共通", "カラー", "フォント", "数値", "線"},
    {0, IDD_MEASURE_SETTINGS_COLOUR, IDD_MEASURE_SETTINGS_FONT, IDD_MEASURE_SETTINGS_NUMERAL, IDD_MEASURE_SETTINGS_LINE},
    {IDC_MEASURE_SET_TEXT_COLOUR, IDC_MEASURE_SET_ULINE_COLOUR, IDC_MEASURE_SET_DRAW_COLOUR, IDC_MEASURE_SET_ARROW_COLOUR},
    4,
    {IDC_MEASURE_SET_FACE, IDC_MEASURE_SET_STYLE, IDC_MEASURE_SET_SIZE},
    {IDC_MEASURE_SET_DECIMALS, IDC_MEASURE_SET_UNIT, IDC_MEASURE_SET_UNIT_LABEL, IDC_MEASURE_SET_ANGLE_UNIT,
     IDC_MEASURE_SET_ANGLE_LABEL, IDC_MEASURE_SET_SHOW_UNIT, IDC_MEASURE_SET_POSITION, IDC_MEASURE_SET_GAP},
    {IDC_MEASURE_SET_ULINE_STYLE, IDC_MEASURE_SET_ULINE_WIDTH, IDC_MEASURE_SET_DRAW_STYLE, IDC_MEASURE_SET_DRAW_WIDTH,
     IDC_MEASURE_SET_DRAW_GAP, IDC_MEASURE_SET_DRAW_OVER, IDC_MEASURE_SET_ARROW_KIND, IDC_MEASURE_SET_ARROW_SIZE,
     IDC_MEASURE_SET_ARROW_LENGTH, IDC_MEASURE_SET_ARROW_LEAN},
    {},
    {}};
} // namespace

MeasureSettingsDialog::MeasureSettingsDialog() : FontRecordDialog(kLayout) {}

FontRecordValues settingsValuesOf(MeasureDefaults* r)
{
    FontRecordValues v;
    if (!r)
        return v;
    v.colours[0] = &r->textColor;
    v.colours[1] = &r->ulineColor;
    v.colours[2] = &r->drawColor;
    v.colours[3] = &r->arrowColor;
    v.numeral = r->numeralValues;
    v.lines = {&r->underLine, &r->drawLine, r->arrowLine};
    return v;
}

FontRecordValues MeasureSettingsDialog::values() const { return settingsValuesOf(static_cast<MeasureDefaults*>(record)); }
