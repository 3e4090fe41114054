#include "dialogs/defaults/MeasureSettingsDialog.h"

#include "dialogs/defaults/MeasureDefaults.h"
#include "dialogs/properties/LeaderLinePage.h"
#include "dialogs/properties/NumeralPage.h"
#include "resources/ids_text_measure_defaults.h"

namespace {

enum Page { kCommon, kColour, kFont, kNumeral, kLine, kPageCount };

const char* const kTabs[kPageCount] = {"共通", "カラー", "フォント", "数値", "線"};
const int kPageIds[kPageCount] = {0, IDD_MEASURE_SETTINGS_COLOUR, IDD_MEASURE_SETTINGS_FONT,
                                  IDD_MEASURE_SETTINGS_NUMERAL, IDD_MEASURE_SETTINGS_LINE};
const NumeralIds kNumeralIds = {IDC_MEASURE_SET_DECIMALS,   IDC_MEASURE_SET_UNIT,        IDC_MEASURE_SET_UNIT_LABEL,
                                IDC_MEASURE_SET_ANGLE_UNIT, IDC_MEASURE_SET_ANGLE_LABEL, IDC_MEASURE_SET_SHOW_UNIT,
                                IDC_MEASURE_SET_POSITION,   IDC_MEASURE_SET_GAP};
const LeaderLineIds kLineIds = {IDC_MEASURE_SET_ULINE_STYLE,  IDC_MEASURE_SET_ULINE_WIDTH, IDC_MEASURE_SET_DRAW_STYLE,
                                IDC_MEASURE_SET_DRAW_WIDTH,   IDC_MEASURE_SET_DRAW_GAP,    IDC_MEASURE_SET_DRAW_OVER,
                                IDC_MEASURE_SET_ARROW_KIND,   IDC_MEASURE_SET_ARROW_SIZE,  IDC_MEASURE_SET_ARROW_LENGTH,
                                IDC_MEASURE_SET_ARROW_LEAN};
constexpr int kSwatchCount = 4;

void bindSwatches(MeasureDefaults* r, DefaultsDialog::Swatch (&swatches)[kSwatchCount])
{
    swatches[0] = {IDC_MEASURE_SET_TEXT_COLOUR, r ? &r->textColor : nullptr};
    swatches[1] = {IDC_MEASURE_SET_ULINE_COLOUR, r ? &r->ulineColor : nullptr};
    swatches[2] = {IDC_MEASURE_SET_DRAW_COLOUR, r ? &r->drawColor : nullptr};
    swatches[3] = {IDC_MEASURE_SET_ARROW_COLOUR, r ? &r->arrowColor : nullptr};
}

LeaderLineValues linesOf(MeasureDefaults& r) { return {&r.underLine, &r.drawLine, r.arrowLine}; }

} // namespace

MeasureSettingsDialog::MeasureSettingsDialog()
{
    setPages(kTabs, kPageIds, kPageCount);
    fontIds = {IDC_MEASURE_SET_FACE, IDC_MEASURE_SET_STYLE, IDC_MEASURE_SET_SIZE};
}

MeasureDefaults* MeasureSettingsDialog::measures() const { return static_cast<MeasureDefaults*>(record); }

void MeasureSettingsDialog::declareControls()
{
    FontSettingsDialogBase::declareControls();
    Swatch swatches[kSwatchCount];
    switch (currentPage) {
    case kColour:
        bindSwatches(measures(), swatches);
        declareSwatches(swatches, kSwatchCount);
        break;
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

void MeasureSettingsDialog::loadPage()
{
    FontSettingsDialogBase::loadPage();
    MeasureDefaults* r = measures();
    if (!r)
        return;
    Swatch swatches[kSwatchCount];
    switch (currentPage) {
    case kColour:
        bindSwatches(r, swatches);
        showSwatches(swatches, kSwatchCount);
        break;
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

void MeasureSettingsDialog::storePage()
{
    FontSettingsDialogBase::storePage();
    MeasureDefaults* r = measures();
    if (!r)
        return;
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
        // The colour page has nothing to store: a pick goes into the record at once.
        break;
    }
}

int MeasureSettingsDialog::onPageEvent()
{
    MeasureDefaults* r = measures();
    if (!r)
        return 0;
    if (currentPage == kNumeral && event == DLG_SELECTION && r->numeralValues)
        return numeral_page::unitChosen(*this, kNumeralIds, *r->numeralValues, getCommandId());
    const int id = currentControl ? currentControl->id : 0;
    if (id == 0 || currentPage != kColour || (event != DLG_COMMAND && event != DLG_CLICK))
        return 0;
    Swatch swatches[kSwatchCount];
    bindSwatches(r, swatches);
    return pickSwatch(swatches, kSwatchCount, id) >= 0;
}
