#include "dialogs/defaults/TextBatchDialog.h"

#include <iterator>

#include "dialogs/defaults/TextDefaults.h"
#include "dialogs/properties/LeaderLinePage.h"
#include "dialogs/properties/PropertyFields.h"
#include "platform/ControlKinds.h"
#include "resources/ids_text_measure_defaults.h"

namespace {

enum Page { kCommon, kColour, kFont, kLine, kPoints, kPageCount };

const char* const kTabs[kPageCount] = {"共通", "カラー", "フォント", "線", "座標"};
const int kPageIds[kPageCount] = {0, IDD_TEXT_BATCH_COLOUR, IDD_TEXT_BATCH_FONT, IDD_TEXT_BATCH_LINE,
                                  IDD_TEXT_BATCH_POINTS};
const LeaderLineIds kLineIds = {0,
                                0,
                                IDC_TEXT_BATCH_LEADER_STYLE,
                                IDC_TEXT_BATCH_LEADER_WIDTH,
                                0,
                                0,
                                IDC_TEXT_BATCH_ARROW_KIND,
                                IDC_TEXT_BATCH_ARROW_SIZE,
                                IDC_TEXT_BATCH_ARROW_LENGTH,
                                IDC_TEXT_BATCH_ARROW_LEAN};

using Batch = BatchEditDialog;
// Each page's check boxes with the flag they show; the colour page's in the order of its swatches.
const Batch::TickRow kColourTicks[] = {{IDC_TEXT_TICK_TEXT_COLOUR, TextDefaults::kTextColourFlag},
                                       {IDC_TEXT_TICK_LEADER_COLOUR, TextDefaults::kLeaderColourFlag},
                                       {IDC_TEXT_TICK_ARROW_COLOUR, TextDefaults::kArrowColourFlag}};
const Batch::TickRow kLineTicks[] = {{IDC_TEXT_TICK_LEADER_STYLE, TextDefaults::kLeaderStyleFlag},
                                     {IDC_TEXT_TICK_LEADER_WIDTH, TextDefaults::kLeaderWidthFlag},
                                     {IDC_TEXT_TICK_ARROW_KIND, TextDefaults::kArrowKindFlag},
                                     {IDC_TEXT_TICK_ARROW_SIZE, TextDefaults::kArrowSizeFlag},
                                     {IDC_TEXT_TICK_ARROW_LENGTH, TextDefaults::kArrowLengthFlag},
                                     {IDC_TEXT_TICK_ARROW_LEAN, TextDefaults::kArrowLeanFlag}};
const Batch::TickRow kPointTicks[] = {{IDC_TEXT_TICK_START_X, TextDefaults::kStartXFlag},
                                      {IDC_TEXT_TICK_START_Y, TextDefaults::kStartYFlag},
                                      {IDC_TEXT_TICK_ROTATION, TextDefaults::kRotationFlag}};
constexpr int kMostTicks = 6;
// What touching a value ticks.
const Batch::ValueTick kLineValues[] = {
    {IDC_TEXT_BATCH_LEADER_STYLE, Batch::kList, IDC_TEXT_TICK_LEADER_STYLE},
    {IDC_TEXT_BATCH_LEADER_WIDTH, Batch::kRealField, IDC_TEXT_TICK_LEADER_WIDTH},
    {IDC_TEXT_BATCH_ARROW_KIND, Batch::kList, IDC_TEXT_TICK_ARROW_KIND},
    {IDC_TEXT_BATCH_ARROW_SIZE, Batch::kRealField, IDC_TEXT_TICK_ARROW_SIZE},
    {IDC_TEXT_BATCH_ARROW_LENGTH, Batch::kRealField, IDC_TEXT_TICK_ARROW_LENGTH},
    {IDC_TEXT_BATCH_ARROW_LEAN, Batch::kRealField, IDC_TEXT_TICK_ARROW_LEAN}};
const Batch::ValueTick kPointValues[] = {{IDC_TEXT_BATCH_START_X, Batch::kRealField, IDC_TEXT_TICK_START_X},
                                         {IDC_TEXT_BATCH_START_Y, Batch::kRealField, IDC_TEXT_TICK_START_Y},
                                         {IDC_TEXT_BATCH_ROTATION, Batch::kRealField, IDC_TEXT_TICK_ROTATION}};
constexpr int kSwatchCount = 3;
// A typed start point may lie this far from the grid origin (drawing units): only a mistyped number
// is refused.
constexpr double kCoordinateLimit = 1.0e7;

// The check boxes of a page; 0 for the pages without any of their own.
int ticksOf(int page, TextDefaults* r, Batch::Tick (&ticks)[kMostTicks])
{
    IntValue* flags = r ? r->flags : nullptr;
    switch (page) {
    case kColour:
        return Batch::bindTicks(flags, kColourTicks, static_cast<int>(std::size(kColourTicks)), ticks);
    case kLine:
        return Batch::bindTicks(flags, kLineTicks, static_cast<int>(std::size(kLineTicks)), ticks);
    case kPoints:
        return Batch::bindTicks(flags, kPointTicks, static_cast<int>(std::size(kPointTicks)), ticks);
    default:
        return 0;
    }
}

void bindSwatches(TextDefaults* r, DefaultsDialog::Swatch (&swatches)[kSwatchCount])
{
    swatches[0] = {IDC_TEXT_BATCH_TEXT_COLOUR, r ? &r->textColor : nullptr};
    swatches[1] = {IDC_TEXT_BATCH_LEADER_COLOUR, r ? &r->drawColor : nullptr};
    swatches[2] = {IDC_TEXT_BATCH_ARROW_COLOUR, r ? &r->arrowColor : nullptr};
}

LeaderLineValues lineOf(TextDefaults& r) { return {nullptr, &r.drawLine, r.arrowLine}; }

} // namespace

TextBatchDialog::TextBatchDialog()
{
    setPages(kTabs, kPageIds, kPageCount);
    faceCheckId = IDC_TEXT_TICK_FACE;
    styleCheckId = IDC_TEXT_TICK_STYLE;
    sizeCheckId = IDC_TEXT_TICK_SIZE;
    fontIds = {IDC_TEXT_BATCH_FACE, IDC_TEXT_BATCH_STYLE, IDC_TEXT_BATCH_SIZE};
}

TextDefaults* TextBatchDialog::texts() const { return static_cast<TextDefaults*>(record); }

void TextBatchDialog::declareControls()
{
    FontBatchDialogBase::declareControls();
    Tick ticks[kMostTicks];
    declareTicks(ticks, ticksOf(currentPage, texts(), ticks));
    switch (currentPage) {
    case kColour: {
        Swatch swatches[kSwatchCount];
        bindSwatches(texts(), swatches);
        declareSwatches(swatches, kSwatchCount);
        break;
    }
    case kFont:
        declareFontPage();
        break;
    case kLine:
        leader_line_page::declare(*this, kLineIds);
        break;
    case kPoints:
        // A field the page lacks takes nothing.
        for (const ValueTick& value : kPointValues)
            (void)addControl(value.valueId, KIND_REAL_EDIT);
        (void)addControl(IDC_TEXT_BATCH_START_X_UNIT, KIND_INTEGER_DISPLAY);
        (void)addControl(IDC_TEXT_BATCH_START_Y_UNIT, KIND_INTEGER_DISPLAY);
        break;
    default:
        break;
    }
}

void TextBatchDialog::loadPage()
{
    FontBatchDialogBase::loadPage();
    TextDefaults* r = texts();
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
    case kLine:
        leader_line_page::load(*this, kLineIds, lineOf(*r));
        break;
    case kPoints:
        property_fields::showPoint(*this, r->startPoint, IDC_TEXT_BATCH_START_X, IDC_TEXT_BATCH_START_Y,
                                   IDC_TEXT_BATCH_START_X_UNIT, IDC_TEXT_BATCH_START_Y_UNIT);
        (void)r->lean.angleToField(this, IDC_TEXT_BATCH_ROTATION); // a field the page lacks shows nothing
        break;
    default:
        break;
    }
}

void TextBatchDialog::storePage()
{
    FontBatchDialogBase::storePage();
    TextDefaults* r = texts();
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
    case kLine:
        leader_line_page::store(*this, kLineIds, lineOf(*r));
        break;
    case kPoints: {
        property_fields::takePoint(*this, r->startPoint, IDC_TEXT_BATCH_START_X, IDC_TEXT_BATCH_START_Y,
                                   kCoordinateLimit);
        double angle = 0.0;
        if (property_fields::takeReal(*this, IDC_TEXT_BATCH_ROTATION, -property_fields::kMaxAngle,
                                      property_fields::kMaxAngle, angle))
            r->lean.angle = angle;
        break;
    }
    default:
        // The colour page has nothing to store but its boxes: a pick goes into the record at once.
        break;
    }
}

int TextBatchDialog::onPageEvent()
{
    TextDefaults* r = texts();
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
    case kLine:
        return tickTouched(kLineValues, static_cast<int>(std::size(kLineValues)));
    case kPoints:
        return tickTouched(kPointValues, static_cast<int>(std::size(kPointValues)));
    default:
        return 0;
    }
}
