#include "dialogs/defaults/MeasureBatchDialog.h"

#include <iterator>

#include "dialogs/defaults/MeasureDefaults.h"
#include "dialogs/properties/LeaderLinePage.h"
#include "dialogs/properties/NumeralPage.h"
#include "resources/ids_text_measure_defaults.h"

namespace {

enum Page { kCommon, kColour, kFont, kNumeral, kLine, kPageCount };
using Flag = MeasureDefaults::Flag;
using Batch = BatchEditDialog;

const char* const kTabs[kPageCount] = {"共通", "カラー", "フォント", "数値", "線"};
const int kPageIds[kPageCount] = {0, IDD_MEASURE_BATCH_COLOUR, IDD_MEASURE_BATCH_FONT, IDD_MEASURE_BATCH_NUMERAL,
                                  IDD_MEASURE_BATCH_LINE};
// Both unit lists, no labels, no position.
const NumeralIds kNumeralIds = {IDC_MEASURE_BATCH_DECIMALS,   IDC_MEASURE_BATCH_UNIT, 0,
                                IDC_MEASURE_BATCH_ANGLE_UNIT, 0,                      IDC_MEASURE_BATCH_SHOW_UNIT,
                                0,                            IDC_MEASURE_BATCH_GAP};
const LeaderLineIds kLineIds = {IDC_MEASURE_BATCH_ULINE_STYLE, IDC_MEASURE_BATCH_ULINE_WIDTH,
                                IDC_MEASURE_BATCH_DRAW_STYLE,  IDC_MEASURE_BATCH_DRAW_WIDTH,
                                IDC_MEASURE_BATCH_DRAW_GAP,    IDC_MEASURE_BATCH_DRAW_OVER,
                                IDC_MEASURE_BATCH_ARROW_KIND,  IDC_MEASURE_BATCH_ARROW_SIZE,
                                IDC_MEASURE_BATCH_ARROW_LENGTH, IDC_MEASURE_BATCH_ARROW_LEAN};

// Each page's check boxes with the flag they show; the colour page's in the order of its swatches.
const Batch::TickRow kColourTicks[] = {{IDC_MEASURE_TICK_TEXT_COLOUR, MeasureDefaults::kNumeralColourFlag},
                                       {IDC_MEASURE_TICK_ULINE_COLOUR, MeasureDefaults::kUnderlineColourFlag},
                                       {IDC_MEASURE_TICK_DRAW_COLOUR, MeasureDefaults::kLeaderColourFlag},
                                       {IDC_MEASURE_TICK_ARROW_COLOUR, MeasureDefaults::kArrowColourFlag}};
const Batch::TickRow kNumeralTicks[] = {{IDC_MEASURE_TICK_UNIT, MeasureDefaults::kLengthUnitFlag},
                                        {IDC_MEASURE_TICK_ANGLE_UNIT, MeasureDefaults::kAngleUnitFlag},
                                        {IDC_MEASURE_TICK_SHOW_UNIT, MeasureDefaults::kUnitDisplayFlag},
                                        {IDC_MEASURE_TICK_DECIMALS, MeasureDefaults::kDecimalsFlag},
                                        {IDC_MEASURE_TICK_GAP, MeasureDefaults::kGapFlag}};
const Batch::TickRow kLineTicks[] = {{IDC_MEASURE_TICK_ULINE_STYLE, MeasureDefaults::kUnderlineStyleFlag},
                                     {IDC_MEASURE_TICK_ULINE_WIDTH, MeasureDefaults::kUnderlineWidthFlag},
                                     {IDC_MEASURE_TICK_DRAW_STYLE, MeasureDefaults::kLeaderStyleFlag},
                                     {IDC_MEASURE_TICK_DRAW_WIDTH, MeasureDefaults::kLeaderWidthFlag},
                                     {IDC_MEASURE_TICK_DRAW_GAP, MeasureDefaults::kLeaderGapFlag},
                                     {IDC_MEASURE_TICK_DRAW_OVER, MeasureDefaults::kLeaderOverFlag},
                                     {IDC_MEASURE_TICK_ARROW_KIND, MeasureDefaults::kArrowKindFlag},
                                     {IDC_MEASURE_TICK_ARROW_SIZE, MeasureDefaults::kArrowSizeFlag},
                                     {IDC_MEASURE_TICK_ARROW_LENGTH, MeasureDefaults::kArrowLengthFlag},
                                     {IDC_MEASURE_TICK_ARROW_LEAN, MeasureDefaults::kArrowLeanFlag}};
constexpr int kMostTicks = 10;
// What touching a value ticks.
const Batch::ValueTick kNumeralValues[] = {
    {IDC_MEASURE_BATCH_UNIT, Batch::kList, IDC_MEASURE_TICK_UNIT},
    {IDC_MEASURE_BATCH_ANGLE_UNIT, Batch::kList, IDC_MEASURE_TICK_ANGLE_UNIT},
    {IDC_MEASURE_BATCH_SHOW_UNIT, Batch::kCheckBox, IDC_MEASURE_TICK_SHOW_UNIT},
    {IDC_MEASURE_BATCH_DECIMALS, Batch::kIntField, IDC_MEASURE_TICK_DECIMALS},
    {IDC_MEASURE_BATCH_GAP, Batch::kRealField, IDC_MEASURE_TICK_GAP}};
const Batch::ValueTick kLineValues[] = {
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
constexpr int kSwatchCount = 4;

// The check boxes of a page; 0 for the pages without any of their own.
int ticksOf(int page, MeasureDefaults* r, Batch::Tick (&ticks)[kMostTicks])
{
    IntValue* flags = r ? r->flags : nullptr;
    switch (page) {
    case kColour:
        return Batch::bindTicks(flags, kColourTicks, static_cast<int>(std::size(kColourTicks)), ticks);
    case kNumeral:
        return Batch::bindTicks(flags, kNumeralTicks, static_cast<int>(std::size(kNumeralTicks)), ticks);
    case kLine:
        return Batch::bindTicks(flags, kLineTicks, static_cast<int>(std::size(kLineTicks)), ticks);
    default:
        return 0;
    }
}

void bindSwatches(MeasureDefaults* r, DefaultsDialog::Swatch (&swatches)[kSwatchCount])
{
    swatches[0] = {IDC_MEASURE_BATCH_TEXT_COLOUR, r ? &r->textColor : nullptr};
    swatches[1] = {IDC_MEASURE_BATCH_ULINE_COLOUR, r ? &r->ulineColor : nullptr};
    swatches[2] = {IDC_MEASURE_BATCH_DRAW_COLOUR, r ? &r->drawColor : nullptr};
    swatches[3] = {IDC_MEASURE_BATCH_ARROW_COLOUR, r ? &r->arrowColor : nullptr};
}

LeaderLineValues linesOf(MeasureDefaults& r) { return {&r.underLine, &r.drawLine, r.arrowLine}; }

} // namespace

MeasureBatchDialog::MeasureBatchDialog()
{
    setPages(kTabs, kPageIds, kPageCount);
    faceCheckId = IDC_MEASURE_TICK_FACE;
    styleCheckId = IDC_MEASURE_TICK_STYLE;
    sizeCheckId = IDC_MEASURE_TICK_SIZE;
    fontIds = {IDC_MEASURE_BATCH_FACE, IDC_MEASURE_BATCH_STYLE, IDC_MEASURE_BATCH_SIZE};
}

MeasureDefaults* MeasureBatchDialog::measures() const { return static_cast<MeasureDefaults*>(record); }

void MeasureBatchDialog::declareControls()
{
    FontBatchDialogBase::declareControls();
    Tick ticks[kMostTicks];
    declareTicks(ticks, ticksOf(currentPage, measures(), ticks));
    switch (currentPage) {
    case kColour: {
        Swatch swatches[kSwatchCount];
        bindSwatches(measures(), swatches);
        declareSwatches(swatches, kSwatchCount);
        break;
    }
    case kFont:
        declareFontPage();
        break;
    case kNumeral:
        numeral_page::declare(*this, kNumeralIds);
        break;
    case kLine:
        leader_line_page::declare(*this, kLineIds);
        break;
    default:
        break;
    }
}

void MeasureBatchDialog::loadPage()
{
    FontBatchDialogBase::loadPage();
    MeasureDefaults* r = measures();
    if (!r)
        return;
    Tick ticks[kMostTicks];
    loadTicks(ticks, ticksOf(currentPage, r, ticks));
    switch (currentPage) {
    case kColour: {
        Swatch swatches[kSwatchCount];
        bindSwatches(r, swatches);
        showSwatches(swatches, kSwatchCount);
        break;
    }
    case kFont:
        loadFontPage();
        break;
    case kNumeral:
        if (r->numeralValues)
            numeral_page::load(*this, kNumeralIds, *r->numeralValues);
        break;
    case kLine:
        leader_line_page::load(*this, kLineIds, linesOf(*r));
        break;
    default:
        break;
    }
}

void MeasureBatchDialog::storePage()
{
    FontBatchDialogBase::storePage();
    MeasureDefaults* r = measures();
    if (!r)
        return;
    Tick ticks[kMostTicks];
    storeTicks(ticks, ticksOf(currentPage, r, ticks));
    switch (currentPage) {
    case kFont:
        storeFontPage();
        r->syncFontName();
        r->syncFontStyle();
        break;
    case kNumeral:
        if (r->numeralValues)
            numeral_page::store(*this, kNumeralIds, *r->numeralValues);
        break;
    case kLine:
        leader_line_page::store(*this, kLineIds, linesOf(*r));
        break;
    default:
        // The colour page has nothing to store but its boxes: a pick goes into the record at once.
        break;
    }
}

int MeasureBatchDialog::onPageEvent()
{
    MeasureDefaults* r = measures();
    if (!r)
        return 0;
    switch (currentPage) {
    case kColour: {
        const int id = currentControl ? currentControl->id : 0;
        if (id == 0 || (event != DLG_COMMAND && event != DLG_CLICK))
            return 0;
        Swatch swatches[kSwatchCount];
        Tick ticks[kMostTicks];
        bindSwatches(r, swatches);
        (void)ticksOf(kColour, r, ticks);
        return pickAndTick(swatches, ticks, kSwatchCount, id) >= 0;
    }
    case kFont:
        return onFontPageEvent();
    case kNumeral:
        return tickTouched(kNumeralValues, static_cast<int>(std::size(kNumeralValues)));
    case kLine:
        return tickTouched(kLineValues, static_cast<int>(std::size(kLineValues)));
    default:
        return 0;
    }
}
