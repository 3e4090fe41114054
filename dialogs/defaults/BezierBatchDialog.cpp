#include "dialogs/defaults/BezierBatchDialog.h"

#include "dialogs/defaults/AreaDefaultsPages.h"
#include "document/BezierDefaults.h"
#include "resources/ids_bezier.h"
#include "resources/ids_defaults.h"

namespace {

enum Page { kCommon, kColour, kArea, kPageCount };

const char* const kTabs[kPageCount] = {"共通", "カラー", "領域"};
const int kPageIds[kPageCount] = {0, IDD_BEZIER_BATCH_COLOUR, IDD_AREA_BATCH};
constexpr int kSwatchCount = 3;

// The colour page's swatches and their check boxes, in the same order.
void bindColours(BezierDefaults* r, DefaultsDialog::Swatch (&swatches)[kSwatchCount],
                 BatchEditDialog::Tick (&ticks)[kSwatchCount])
{
    swatches[0] = {IDC_BEZIER_BATCH_EDGE_COLOUR, r ? &r->edgeColor : nullptr};
    swatches[1] = {IDC_BEZIER_BATCH_PAINT_COLOUR, r ? &r->paintColor : nullptr};
    swatches[2] = {IDC_BEZIER_BATCH_PATTERN_COLOUR, r ? &r->patternColor : nullptr};
    ticks[0] = {IDC_BEZIER_TICK_EDGE_COLOUR, r ? &r->flags[BezierDefaults::kEdgeColorFlag] : nullptr};
    ticks[1] = {IDC_BEZIER_TICK_PAINT_COLOUR, r ? &r->flags[BezierDefaults::kPaintColorFlag] : nullptr};
    ticks[2] = {IDC_BEZIER_TICK_PATTERN_COLOUR, r ? &r->flags[BezierDefaults::kPatternColorFlag] : nullptr};
}

area_defaults_page::AreaFlags areaFlagsOf(BezierDefaults& r)
{
    IntValue* f = r.flags;
    return {&f[BezierDefaults::kEdgeDrawFlag],      &f[BezierDefaults::kPaintDrawFlag],
            &f[BezierDefaults::kPatternFlag],       &f[BezierDefaults::kPatternSpaceXFlag],
            &f[BezierDefaults::kPatternSpaceYFlag], &f[BezierDefaults::kPaintGrayFlag]};
}

using area_defaults_page::areaOf;

} // namespace

BezierBatchDialog::BezierBatchDialog() { setPages(kTabs, kPageIds, kPageCount); }

BezierDefaults* BezierBatchDialog::curves() const { return static_cast<BezierDefaults*>(record); }

void BezierBatchDialog::declareControls()
{
    BatchEditDialog::declareControls();
    if (currentPage == kColour) {
        Swatch swatches[kSwatchCount];
        Tick ticks[kSwatchCount];
        bindColours(curves(), swatches, ticks);
        declareTicks(ticks, kSwatchCount);
        declareSwatches(swatches, kSwatchCount);
    } else if (currentPage == kArea) {
        area_defaults_page::declareBatch(*this);
    }
}

void BezierBatchDialog::loadPage()
{
    BatchEditDialog::loadPage();
    BezierDefaults* r = curves();
    if (!r)
        return;
    if (currentPage == kColour) {
        Swatch swatches[kSwatchCount];
        Tick ticks[kSwatchCount];
        bindColours(r, swatches, ticks);
        loadTicks(ticks, kSwatchCount);
        showSwatches(swatches, kSwatchCount);
    } else if (currentPage == kArea) {
        area_defaults_page::loadBatch(*this, areaOf(*r), areaFlagsOf(*r));
    }
}

void BezierBatchDialog::storePage()
{
    BatchEditDialog::storePage();
    BezierDefaults* r = curves();
    if (!r)
        return;
    if (currentPage == kColour) {
        // A pick goes into the record at once: only the boxes are stored.
        Swatch swatches[kSwatchCount];
        Tick ticks[kSwatchCount];
        bindColours(r, swatches, ticks);
        storeTicks(ticks, kSwatchCount);
    } else if (currentPage == kArea) {
        area_defaults_page::storeBatch(*this, areaOf(*r), areaFlagsOf(*r));
    }
}

int BezierBatchDialog::onPageEvent()
{
    BezierDefaults* r = curves();
    if (!r)
        return 0;
    if (currentPage == kArea)
        return area_defaults_page::onBatchEvent(*this);
    const int id = currentControl ? currentControl->id : 0;
    if (currentPage != kColour || id == 0 || (event != DLG_COMMAND && event != DLG_CLICK))
        return 0;
    Swatch swatches[kSwatchCount];
    Tick ticks[kSwatchCount];
    bindColours(r, swatches, ticks);
    return pickAndTick(swatches, ticks, kSwatchCount, id) >= 0;
}
