#include "dialogs/defaults/BezierSettingsDialog.h"

#include "dialogs/defaults/AreaDefaultsPages.h"
#include "document/BezierDefaults.h"
#include "resources/ids_bezier.h"
#include "resources/ids_defaults.h"

namespace {

enum Page { kCommon, kColour, kArea, kPageCount };

const char* const kTabs[kPageCount] = {"共通", "カラー", "領域"};
const int kPageIds[kPageCount] = {0, IDD_BEZIER_SETTINGS_COLOUR, IDD_AREA_SETTINGS};
constexpr int kSwatchCount = 3;

void bindSwatches(BezierDefaults* r, DefaultsDialog::Swatch (&swatches)[kSwatchCount])
{
    swatches[0] = {IDC_BEZIER_SET_EDGE_COLOUR, r ? &r->edgeColor : nullptr};
    swatches[1] = {IDC_BEZIER_SET_PAINT_COLOUR, r ? &r->paintColor : nullptr};
    swatches[2] = {IDC_BEZIER_SET_PATTERN_COLOUR, r ? &r->patternColor : nullptr};
}

using area_defaults_page::areaOf;

} // namespace

BezierSettingsDialog::BezierSettingsDialog() { setPages(kTabs, kPageIds, kPageCount); }

BezierDefaults* BezierSettingsDialog::curves() const { return static_cast<BezierDefaults*>(record); }

void BezierSettingsDialog::declareControls()
{
    AttributeSettingsDialog::declareControls();
    if (currentPage == kColour) {
        Swatch swatches[kSwatchCount];
        bindSwatches(curves(), swatches);
        declareSwatches(swatches, kSwatchCount);
    } else if (currentPage == kArea) {
        area_page::declare(*this, area_defaults_page::kSettingsPage);
    }
}

void BezierSettingsDialog::loadPage()
{
    AttributeSettingsDialog::loadPage();
    BezierDefaults* r = curves();
    if (!r)
        return;
    if (currentPage == kColour) {
        Swatch swatches[kSwatchCount];
        bindSwatches(r, swatches);
        showSwatches(swatches, kSwatchCount);
    } else if (currentPage == kArea) {
        area_page::load(*this, area_defaults_page::kSettingsPage, areaOf(*r));
    }
}

void BezierSettingsDialog::storePage()
{
    AttributeSettingsDialog::storePage();
    BezierDefaults* r = curves();
    // The colour page has nothing to store: a pick goes into the record at once.
    if (r && currentPage == kArea)
        area_page::store(*this, area_defaults_page::kSettingsPage, areaOf(*r));
}

int BezierSettingsDialog::onPageEvent()
{
    BezierDefaults* r = curves();
    const int id = currentControl ? currentControl->id : 0;
    if (!r || id == 0 || (event != DLG_COMMAND && event != DLG_CLICK))
        return 0;
    if (currentPage == kColour) {
        Swatch swatches[kSwatchCount];
        bindSwatches(r, swatches);
        return pickSwatch(swatches, kSwatchCount, id) >= 0;
    }
    if (currentPage == kArea)
        return area_page::onClick(*this, area_defaults_page::kSettingsPage, areaOf(*r), id);
    return 0;
}
