#include "dialogs/defaults/LineBatchDialog.h"

#include <initializer_list>

#include "dialogs/defaults/AreaDefaultsPages.h"
#include "dialogs/defaults/LinePageValues.h"
#include "dialogs/properties/PropertyFields.h"
#include "platform/ControlKinds.h"
#include "resources/ids_defaults.h"

namespace {

enum Page { kCommon, kColour, kLineType, kArea, kPoints, kPageCount };
using Flag = LineDefaults::Flag;

const char* const kTabs[kPageCount] = {"共通", "カラー", "線種", "領域", "座標"};
const int kPageIds[kPageCount] = {0, IDD_LINE_BATCH_COLOUR, IDD_LINE_BATCH_TYPE, IDD_AREA_BATCH, IDD_LINE_BATCH_POINTS};
const LineTypeIds kLineIds = {IDC_LINE_BATCH_WIDTH, IDC_LINE_BATCH_POSITION, IDC_LINE_BATCH_STYLE, IDC_LINE_BATCH_CAP};

// Each page's check boxes with the flag they show; the colour page's in the order of its swatches.
struct TickRow {
    int checkId;
    Flag flag;
};
const TickRow kColourTicks[] = {{IDC_LINE_TICK_EDGE_COLOUR, LineDefaults::kEdgeColorFlag},
                                {IDC_LINE_TICK_PAINT_COLOUR, LineDefaults::kPaintColorFlag},
                                {IDC_LINE_TICK_PATTERN_COLOUR, LineDefaults::kPatternColorFlag}};
const TickRow kLineTicks[] = {{IDC_LINE_TICK_WIDTH, LineDefaults::kLineSizeFlag},
                              {IDC_LINE_TICK_POSITION, LineDefaults::kLineOriginFlag},
                              {IDC_LINE_TICK_STYLE, LineDefaults::kLineTypeFlag},
                              {IDC_LINE_TICK_CAP, LineDefaults::kLineCapFlag}};
const TickRow kPointTicks[] = {{IDC_LINE_TICK_START_X, LineDefaults::kStartXFlag},
                               {IDC_LINE_TICK_START_Y, LineDefaults::kStartYFlag},
                               {IDC_LINE_TICK_END_X, LineDefaults::kEndXFlag},
                               {IDC_LINE_TICK_END_Y, LineDefaults::kEndYFlag},
                               {IDC_LINE_TICK_LEAN, LineDefaults::kLeanFlag}};
constexpr int kMostTicks = 5;
constexpr int kSwatchCount = 3;

// The coordinate fields, each with the box it ticks.
const int kPointFields[] = {IDC_LINE_BATCH_START_X, IDC_LINE_BATCH_START_Y, IDC_LINE_BATCH_END_X,
                            IDC_LINE_BATCH_END_Y, IDC_LINE_BATCH_LEAN};
// A typed corner may lie this far from the grid origin (drawing units): only a mistyped number is
// refused.
constexpr double kCoordinateLimit = 1.0e7;

template <int N> int bindTicks(LineDefaults* r, const TickRow (&rows)[N], BatchEditDialog::Tick* ticks)
{
    for (int i = 0; i < N; ++i)
        ticks[i] = {rows[i].checkId, r ? &r->flags[rows[i].flag] : nullptr};
    return N;
}

// The check boxes of a page; 0 for the pages without any of their own.
int ticksOf(int page, LineDefaults* r, BatchEditDialog::Tick (&ticks)[kMostTicks])
{
    switch (page) {
    case kColour:
        return bindTicks(r, kColourTicks, ticks);
    case kLineType:
        return bindTicks(r, kLineTicks, ticks);
    case kPoints:
        return bindTicks(r, kPointTicks, ticks);
    default:
        return 0;
    }
}

void bindSwatches(LineDefaults* r, DefaultsDialog::Swatch (&swatches)[kSwatchCount])
{
    swatches[0] = {IDC_LINE_BATCH_EDGE_COLOUR, r ? &r->edgeColor : nullptr};
    swatches[1] = {IDC_LINE_BATCH_PAINT_COLOUR, r ? &r->paintColor : nullptr};
    swatches[2] = {IDC_LINE_BATCH_PATTERN_COLOUR, r ? &r->patternColor : nullptr};
}

using line_page_values::areaOf;
using line_page_values::lineTypeOf;

area_defaults_page::AreaFlags areaFlagsOf(LineDefaults& r)
{
    IntValue* f = r.flags;
    return {&f[LineDefaults::kEdgeDrawFlag],      &f[LineDefaults::kPaintDrawFlag],     &f[LineDefaults::kPatternFlag],
            &f[LineDefaults::kPatternPitch1Flag], &f[LineDefaults::kPatternPitch2Flag], &f[LineDefaults::kPaintGrayFlag]};
}
} // namespace

LineBatchDialog::LineBatchDialog() { setPages(kTabs, kPageIds, kPageCount); }

LineDefaults* LineBatchDialog::lines() const { return static_cast<LineDefaults*>(record); }

void LineBatchDialog::declareControls()
{
    BatchEditDialog::declareControls();
    Tick ticks[kMostTicks];
    declareTicks(ticks, ticksOf(currentPage, lines(), ticks));
    switch (currentPage) {
    case kColour: {
        Swatch swatches[kSwatchCount];
        bindSwatches(lines(), swatches);
        declareSwatches(swatches, kSwatchCount);
        break;
    }
    case kLineType:
        line_type_page::declare(*this, kLineIds);
        break;
    case kArea:
        area_defaults_page::declareBatch(*this);
        break;
    case kPoints:
        for (int id : kPointFields)
            (void)addControl(id, KIND_REAL_EDIT); // a field the page lacks takes nothing
        for (int id : {IDC_LINE_BATCH_START_X_UNIT, IDC_LINE_BATCH_START_Y_UNIT, IDC_LINE_BATCH_END_X_UNIT,
                       IDC_LINE_BATCH_END_Y_UNIT})
            (void)addControl(id, KIND_INTEGER_DISPLAY); // as above
        break;
    default:
        break;
    }
}

void LineBatchDialog::loadPage()
{
    BatchEditDialog::loadPage();
    LineDefaults* r = lines();
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
    case kLineType:
        line_type_page::load(*this, kLineIds, lineTypeOf(*r));
        break;
    case kArea:
        area_defaults_page::loadBatch(*this, areaOf(*r), areaFlagsOf(*r));
        break;
    case kPoints:
        property_fields::showPoint(*this, r->startPoint, IDC_LINE_BATCH_START_X, IDC_LINE_BATCH_START_Y,
                                   IDC_LINE_BATCH_START_X_UNIT, IDC_LINE_BATCH_START_Y_UNIT);
        property_fields::showPoint(*this, r->endPoint, IDC_LINE_BATCH_END_X, IDC_LINE_BATCH_END_Y,
                                   IDC_LINE_BATCH_END_X_UNIT, IDC_LINE_BATCH_END_Y_UNIT);
        (void)r->lean.angleToField(this, IDC_LINE_BATCH_LEAN); // a field the page lacks shows nothing
        break;
    default:
        break;
    }
}

void LineBatchDialog::storePage()
{
    BatchEditDialog::storePage();
    LineDefaults* r = lines();
    if (!r)
        return;
    Tick ticks[kMostTicks];
    storeTicks(ticks, ticksOf(currentPage, r, ticks));
    switch (currentPage) {
    case kLineType:
        line_type_page::store(*this, kLineIds, lineTypeOf(*r));
        break;
    case kArea:
        area_defaults_page::storeBatch(*this, areaOf(*r), areaFlagsOf(*r));
        break;
    case kPoints: {
        property_fields::takePoint(*this, r->startPoint, IDC_LINE_BATCH_START_X, IDC_LINE_BATCH_START_Y,
                                   kCoordinateLimit);
        property_fields::takePoint(*this, r->endPoint, IDC_LINE_BATCH_END_X, IDC_LINE_BATCH_END_Y, kCoordinateLimit);
        double angle = 0.0;
        if (property_fields::takeReal(*this, IDC_LINE_BATCH_LEAN, -property_fields::kMaxAngle,
                                      property_fields::kMaxAngle, angle))
            r->lean.angle = angle;
        break;
    }
    default:
        // The colour page has nothing to store but its boxes: a pick goes into the record at once.
        break;
    }
}

int LineBatchDialog::onLineTypeEvent(LineDefaults& r)
{
    const int id = getCommandId();
    if (event == DLG_CHANGE && id == IDC_LINE_BATCH_WIDTH) {
        tickIfRealChanged(id, IDC_LINE_TICK_WIDTH);
        return 1;
    }
    if (event != DLG_SELECTION)
        return 0;
    // A list ticks its box only when the entry chosen is another value than the record's.
    if (id == IDC_LINE_BATCH_POSITION) {
        LineOriginAttribute chosen;
        if (chosen.positionFromList(this, id) && chosen.position != r.lineOrigin.position)
            tick(IDC_LINE_TICK_POSITION);
    } else if (id == IDC_LINE_BATCH_STYLE) {
        LineTypeAttribute chosen;
        chosen.LineStyle::assign(&r.lineType);
        chosen.listMode = r.lineType.listMode;
        if (chosen.styleFromList(this, id) && chosen.style != r.lineType.style)
            tick(IDC_LINE_TICK_STYLE);
    } else if (id == IDC_LINE_BATCH_CAP) {
        LineCapAttribute chosen;
        if (chosen.capFromList(this, id) && chosen.capStyle != r.lineCap.capStyle)
            tick(IDC_LINE_TICK_CAP);
    } else {
        return 0;
    }
    return 1;
}

int LineBatchDialog::onPageEvent()
{
    LineDefaults* r = lines();
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
    case kLineType:
        return onLineTypeEvent(*r);
    case kArea:
        return area_defaults_page::onBatchEvent(*this);
    case kPoints:
        if (event != DLG_CHANGE)
            return 0;
        for (int i = 0; i < static_cast<int>(sizeof kPointFields / sizeof kPointFields[0]); ++i) {
            if (kPointFields[i] == getCommandId()) {
                tickIfRealChanged(kPointFields[i], kPointTicks[i].checkId);
                return 1;
            }
        }
        return 0;
    default:
        return 0;
    }
}
