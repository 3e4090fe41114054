#include "dialogs/defaults/MeasureBatchDialog.h"

#include "dialogs/defaults/MeasureSettingsDialog.h"
#include "document/MeasureDefaults.h"
#include "resources/ids_text_measure_defaults.h"

namespace {
using P = FontRecordPage;
using Batch = BatchEditDialog;
using M = MeasureDefaults;

// Each page's boxes with the flag they show (the colour page's in the order of its swatches), and
// what touching a value ticks.
const Batch::TickRow kColourBoxes[] = {{IDC_MEASURE_TICK_TEXT_COLOUR, M::kNumeralColourFlag},
                                       {IDC_MEASURE_TICK_ULINE_COLOUR, M::kUnderlineColourFlag},
                                       {IDC_MEASURE_TICK_DRAW_COLOUR, M::kLeaderColourFlag},
                                       {IDC_MEASURE_TICK_ARROW_COLOUR, M::kArrowColourFlag}};
const Batch::TickRow kNumeralBoxes[] = {{IDC_MEASURE_TICK_UNIT, M::kLengthUnitFlag},
                                        {IDC_MEASURE_TICK_ANGLE_UNIT, M::kAngleUnitFlag},
                                        {IDC_MEASURE_TICK_SHOW_UNIT, M::kUnitDisplayFlag},
                                        {IDC_MEASURE_TICK_DECIMALS, M::kDecimalsFlag},
                                        {IDC_MEASURE_TICK_GAP, M::kGapFlag}};
const Batch::ValueTick kNumeralTouched[] = {
    {IDC_MEASURE_BATCH_UNIT, Batch::kList, IDC_MEASURE_TICK_UNIT},
    {IDC_MEASURE_BATCH_ANGLE_UNIT, Batch::kList, IDC_MEASURE_TICK_ANGLE_UNIT},
    {IDC_MEASURE_BATCH_SHOW_UNIT, Batch::kCheckBox, IDC_MEASURE_TICK_SHOW_UNIT},
    {IDC_MEASURE_BATCH_DECIMALS, Batch::kIntField, IDC_MEASURE_TICK_DECIMALS},
    {IDC_MEASURE_BATCH_GAP, Batch::kRealField, IDC_MEASURE_TICK_GAP}};
const Batch::TickRow kLineBoxes[] = {{IDC_MEASURE_TICK_ULINE_STYLE, M::kUnderlineStyleFlag},
                                     {IDC_MEASURE_TICK_ULINE_WIDTH, M::kUnderlineWidthFlag},
                                     {IDC_MEASURE_TICK_DRAW_STYLE, M::kLeaderStyleFlag},
                                     {IDC_MEASURE_TICK_DRAW_WIDTH, M::kLeaderWidthFlag},
                                     {IDC_MEASURE_TICK_DRAW_GAP, M::kLeaderGapFlag},
                                     {IDC_MEASURE_TICK_DRAW_OVER, M::kLeaderOverFlag},
                                     {IDC_MEASURE_TICK_ARROW_KIND, M::kArrowKindFlag},
                                     {IDC_MEASURE_TICK_ARROW_SIZE, M::kArrowSizeFlag},
                                     {IDC_MEASURE_TICK_ARROW_LENGTH, M::kArrowLengthFlag},
                                     {IDC_MEASURE_TICK_ARROW_LEAN, M::kArrowLeanFlag}};
const Batch::ValueTick kLineTouched[] = {
    {IDC_MEASURE_BATCH_ULINE_STYLE, Batch::kList, IDC_MEASURE_TICK_ULINE_STYLE},
    {IDC_MEASURE_BATCH_ULINE_WIDTH, Batch::kRealField, IDC_MEASURE_TICK_ULINE_WIDTH},
    {IDC_MEASURE_BATCH_DRAW_STYLE, Batch::kList, IDC_MEASURE_TICK_DRAW_STYLE},
    {IDC_MEASURE_BATCH_DRAW_WIDTH, Batch::kRealField, IDC_MEASURE_TICK_DRAW_WIDTH},
    {IDC_MEASURE_BATCH_DRAW_GAP, Batch::kRealField, IDC_MEASURE_TICK_DRAW_GAP},
    {IDC_MEASURE_BATCH_DRAW_OVER, Batch::kRealField, IDC_MEASURE_TICK_DRAW_OVER},
    {IDC_MEASURE_BATCH_ARROW_KIND, Batch::kList, IDC_MEASURE_TICK_ARROW_KIND},
    {IDC_MEASURE_BATCH_ARROW_SIZE, Batch::kRealField, IDC_MEASURE_TICK_ARROW_SIZE},
    {IDC_MEASURE_BATCH_ARROW_LENGTH, Batch::kRealField, IDC_MEASURE_TICK_ARROW_LENGTH},
    {IDC_MEASURE_BATCH_ARROW_LEAN, Batch::kRealField, IDC_MEASURE_TICK_ARROW_LEAN}};

const FontRecordLayout kLayout = {
    5,
    {P::kCommon, P::kColour, P::kFont, P::kNumeral, P::kLine},
    {"共通", "カラー", "フォント", "数値", "線"},
    {0, IDD_MEASURE_BATCH_COLOUR, IDD_MEASURE_BATCH_FONT, IDD_MEASURE_BATCH_NUMERAL, IDD_MEASURE_BATCH_LINE},
    {IDC_MEASURE_BATCH_TEXT_COLOUR, IDC_MEASURE_BATCH_ULINE_COLOUR, IDC_MEASURE_BATCH_DRAW_COLOUR,
     IDC_MEASURE_BATCH_ARROW_COLOUR},
    4,
    {IDC_MEASURE_BATCH_FACE, IDC_MEASURE_BATCH_STYLE, IDC_MEASURE_BATCH_SIZE},
    // Both unit lists, no labels, no position.
    {IDC_MEASURE_BATCH_DECIMALS, IDC_MEASURE_BATCH_UNIT, 0, IDC_MEASURE_BATCH_ANGLE_UNIT, 0,
     IDC_MEASURE_BATCH_SHOW_UNIT, 0, IDC_MEASURE_BATCH_GAP},
    {IDC_MEASURE_BATCH_ULINE_STYLE, IDC_MEASURE_BATCH_ULINE_WIDTH, IDC_MEASURE_BATCH_DRAW_STYLE,
     IDC_MEASURE_BATCH_DRAW_WIDTH, IDC_MEASURE_BATCH_DRAW_GAP, IDC_MEASURE_BATCH_DRAW_OVER, IDC_MEASURE_BATCH_ARROW_KIND,
     IDC_MEASURE_BATCH_ARROW_SIZE, IDC_MEASURE_BATCH_ARROW_LENGTH, IDC_MEASURE_BATCH_ARROW_LEAN},
    {},
    {{},
     {kColourBoxes, 4, nullptr, 0},
     {},
     {kNumeralBoxes, 5, kNumeralTouched, 5},
     {kLineBoxes, 10, kLineTouched, 10}}};
} // namespace

MeasureBatchDialog::MeasureBatchDialog() : FontRecordDialog(kLayout)
{
    faceCheckId = IDC_MEASURE_TICK_FACE;
    styleCheckId = IDC_MEASURE_TICK_STYLE;
    sizeCheckId = IDC_MEASURE_TICK_SIZE;
}

FontRecordValues MeasureBatchDialog::values() const
{
    auto* r = static_cast<MeasureDefaults*>(record);
    FontRecordValues v = settingsValuesOf(r);
    if (r)
        v.flags = r->flags;
    return v;
}
