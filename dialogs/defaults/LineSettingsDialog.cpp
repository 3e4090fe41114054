#include "dialogs/defaults/LineSettingsDialog.h"

#include "dialogs/defaults/AreaDefaultsPages.h"
#include "dialogs/defaults/LinePageValues.h"
#include "resources/ids_defaults.h"

namespace {

enum Page { kCommon, kColour, kLineType, kArea, kPageCount };

const char* const kTabs[kPageCount] = {"共通", "カラー", "線種", "領域"};
const int kPageIds[kPageCount] = {0, IDD_LINE_SETTINGS_COLOUR, IDD_LINE_SETTINGS_TYPE, IDD_AREA_SETTINGS};
const LineTypeIds kLineIds = {IDC_LINE_SET_WIDTH, IDC_LINE_SET_POSITION, IDC_LINE_SET_STYLE, IDC_LINE_SET_CAP};
constexpr int kSwatchCount = 3;

void bindSwatches(LineDefaults* r, DefaultsDialog::Swatch (&swatches)[kSwatchCount])
{
    swatches[0] = {IDC_LINE_SET_EDGE_COLOUR, r ? &r->edgeColor : nullptr};
    swatches[1] = {IDC_LINE_SET_PAINT_COLOUR, r ? &r->paintColor : nullptr};
    swatches[2] = {IDC_LINE_SET_PATTERN_COLOUR, r ? &r->patternColor : nullptr};
}

using line_page_values::areaOf;
using line_page_values::lineTypeOf;

} // namespace

LineSettingsDialog::LineSettingsDialog() { setPages(kTabs, kPageIds, kPageCount); }

LineDefaults* LineSettingsDialog::lines() const { return static_cast<LineDefaults*>(record); }

void LineSettingsDialog::declareControls()
{
    AttributeSettingsDialog::declareControls();
    Swatch swatches[kSwatchCount];
    switch (currentPage) {
    case kColour:
        bindSwatches(lines(), swatches);
        declareSwatches(swatches, kSwatchCount);
        break;
    case kLineType:
        line_type_page::declare(*this, kLineIds);
        break;
    case kArea:
        area_page::declare(*this, area_defaults_page::kSettingsPage);
        break;
    default:
        break;
    }
}

void LineSettingsDialog::loadPage()
{
    AttributeSettingsDialog::loadPage();
    LineDefaults* r = lines();
    if (!r)
        return;
    Swatch swatches[kSwatchCount];
    switch (currentPage) {
    case kColour:
        bindSwatches(r, swatches);
        showSwatches(swatches, kSwatchCount);
        break;
    case kLineType:
        line_type_page::load(*this, kLineIds, lineTypeOf(*r));
        break;
    case kArea:
        area_page::load(*this, area_defaults_page::kSettingsPage, areaOf(*r));
        break;
    default:
        break;
    }
}

void LineSettingsDialog::storePage()
{
    AttributeSettingsDialog::storePage();
    LineDefaults* r = lines();
    if (!r)
        return;
    // The colour page has nothing to store: a pick goes into the record at once.
    if (currentPage == kLineType)
        line_type_page::store(*this, kLineIds, lineTypeOf(*r));
    else if (currentPage == kArea)
        area_page::store(*this, area_defaults_page::kSettingsPage, areaOf(*r));
}

int LineSettingsDialog::onPageEvent()
{
    LineDefaults* r = lines();
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
