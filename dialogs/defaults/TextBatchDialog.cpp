#include "dialogs/defaults/TextBatchDialog.h"

#include "dialogs/defaults/TextSettingsDialog.h"
#include "document/TextDefaults.h"
#include "resources/ids_text_measure_defaults.h"

namespace {
using P = FontRecordPage;
using Batch = BatchEditDialog;
using T = TextDefaults;

// Each page's boxes with the flag they show (the colour page's in the order of its swatches), and
// what touching a value ticks.
const Batch::TickRow kColourBoxes[] = {{IDC_TEXT_TICK_TEXT_COLOUR, T::kTextColourFlag},
                                       {IDC_TEXT_TICK_LEADER_COLOUR, T::kLeaderColourFlag},
                                       {IDC_TEXT_TICK_ARROW_COLOUR, T::kArrowColourFlag}};
const Batch::TickRow kLineBoxes[] = {{IDC_TEXT_TICK_LEADER_STYLE, T::kLeaderStyleFlag},
                                     {IDC_TEXT_TICK_LEADER_WIDTH, T::kLeaderWidthFlag},
                                     {IDC_TEXT_TICK_ARROW_KIND, T::kArrowKindFlag},
                                     {IDC_TEXT_TICK_ARROW_SIZE, T::kArrowSizeFlag},
                                     {IDC_TEXT_TICK_ARROW_LENGTH, T::kArrowLengthFlag},
                                     {IDC_TEXT_TICK_ARROW_LEAN, T::kArrowLeanFlag}};
const Batch::ValueTick kLineTouched[] = {
    {IDC_TEXT_BATCH_LEADER_STYLE, Batch::kList, IDC_TEXT_TICK_LEADER_STYLE},
    {IDC_TEXT_BATCH_LEADER_WIDTH, Batch::kRealField, IDC_TEXT_TICK_LEADER_WIDTH},
    {IDC_TEXT_BATCH_ARROW_KIND, Batch::kList, IDC_TEXT_TICK_ARROW_KIND},
    {IDC_TEXT_BATCH_ARROW_SIZE, Batch::kRealField, IDC_TEXT_TICK_ARROW_SIZE},
    {IDC_TEXT_BATCH_ARROW_LENGTH, Batch::kRealField, IDC_TEXT_TICK_ARROW_LENGTH},
    {IDC_TEXT_BATCH_ARROW_LEAN, Batch::kRealField, IDC_TEXT_TICK_ARROW_LEAN}};
const Batch::TickRow kPointBoxes[] = {{IDC_TEXT_TICK_START_X, T::kStartXFlag},
                                      {IDC_TEXT_TICK_START_Y, T::kStartYFlag},
                                      {IDC_TEXT_TICK_ROTATION, T::kRotationFlag}};
const Batch::ValueTick kPointTouched[] = {{IDC_TEXT_BATCH_START_X, Batch::kRealField, IDC_TEXT_TICK_START_X},
                                          {IDC_TEXT_BATCH_START_Y, Batch::kRealField, IDC_TEXT_TICK_START_Y},
                                          {IDC_TEXT_BATCH_ROTATION, Batch::kRealField, IDC_TEXT_TICK_ROTATION}};

const FontRecordLayout kLayout = {
    5,
    {P::kCommon, P::kColour, P::kFont, P::kLine, P::kPoints},
    {"共通", "カラー", "フォント", "線", "座標"},
    {0, IDD_TEXT_BATCH_COLOUR, IDD_TEXT_BATCH_FONT, IDD_TEXT_BATCH_LINE, IDD_TEXT_BATCH_POINTS},
    {IDC_TEXT_BATCH_TEXT_COLOUR, IDC_TEXT_BATCH_LEADER_COLOUR, IDC_TEXT_BATCH_ARROW_COLOUR},
    3,
    {IDC_TEXT_BATCH_FACE, IDC_TEXT_BATCH_STYLE, IDC_TEXT_BATCH_SIZE},
    {},
    {0, 0, IDC_TEXT_BATCH_LEADER_STYLE, IDC_TEXT_BATCH_LEADER_WIDTH, 0, 0, IDC_TEXT_BATCH_ARROW_KIND,
     IDC_TEXT_BATCH_ARROW_SIZE, IDC_TEXT_BATCH_ARROW_LENGTH, IDC_TEXT_BATCH_ARROW_LEAN},
    {IDC_TEXT_BATCH_START_X, IDC_TEXT_BATCH_START_Y, IDC_TEXT_BATCH_START_X_UNIT, IDC_TEXT_BATCH_START_Y_UNIT,
     IDC_TEXT_BATCH_ROTATION},
    {{},
     {kColourBoxes, 3, nullptr, 0},
     {},
     {kLineBoxes, 6, kLineTouched, 6},
     {kPointBoxes, 3, kPointTouched, 3}}};
} // namespace

TextBatchDialog::TextBatchDialog() : FontRecordDialog(kLayout)
{
    faceCheckId = IDC_TEXT_TICK_FACE;
    styleCheckId = IDC_TEXT_TICK_STYLE;
    sizeCheckId = IDC_TEXT_TICK_SIZE;
}

FontRecordValues TextBatchDialog::values() const
{
    auto* r = static_cast<TextDefaults*>(record);
    FontRecordValues v = settingsValuesOf(r);
    if (r) {
        v.start = &r->startPoint;
        v.rotation = &r->lean;
        v.flags = r->flags;
    }
    return v;
}
