#include "dialogs/defaults/TextSettingsDialog.h"

#include "dialogs/defaults/TextDefaults.h"
#include "dialogs/properties/LeaderLinePage.h"
#include "resources/ids_text_measure_defaults.h"

namespace {

enum Page { kCommon, kColour, kFont, kLine, kPageCount };

const char* const kTabs[kPageCount] = {"共通", "カラー", "フォント", "線"};
const int kPageIds[kPageCount] = {0, IDD_TEXT_SETTINGS_COLOUR, IDD_TEXT_SETTINGS_FONT, IDD_TEXT_SETTINGS_LINE};
// No underline, and the leader's gap and overshoot are not the texts'.
const LeaderLineIds kLineIds = {0,
                                0,
                                IDC_TEXT_SET_LEADER_STYLE,
                                IDC_TEXT_SET_LEADER_WIDTH,
                                0,
                                0,
                                IDC_TEXT_SET_ARROW_KIND,
                                IDC_TEXT_SET_ARROW_SIZE,
                                IDC_TEXT_SET_ARROW_LENGTH,
                                IDC_TEXT_SET_ARROW_LEAN};
constexpr int kSwatchCount = 3;

void bindSwatches(TextDefaults* r, DefaultsDialog::Swatch (&swatches)[kSwatchCount])
{
    swatches[0] = {IDC_TEXT_SET_TEXT_COLOUR, r ? &r->textColor : nullptr};
    swatches[1] = {IDC_TEXT_SET_LEADER_COLOUR, r ? &r->drawColor : nullptr};
    swatches[2] = {IDC_TEXT_SET_ARROW_COLOUR, r ? &r->arrowColor : nullptr};
}

} // namespace

TextSettingsDialog::TextSettingsDialog()
{
    setPages(kTabs, kPageIds, kPageCount);
    fontIds = {IDC_TEXT_SET_FACE, IDC_TEXT_SET_STYLE, IDC_TEXT_SET_SIZE};
}

TextDefaults* TextSettingsDialog::texts() const { return static_cast<TextDefaults*>(record); }

void TextSettingsDialog::declareControls()
{
    FontSettingsDialogBase::declareControls();
    Swatch swatches[kSwatchCount];
    switch (currentPage) {
    case kColour:
        bindSwatches(texts(), swatches);
        declareSwatches(swatches, kSwatchCount);
        break;
    case kFont:
        declareFontPage();
        break;
    case kLine:
        leader_line_page::declare(*this, kLineIds);
        break;
    default:
        break;
    }
}

void TextSettingsDialog::loadPage()
{
    FontSettingsDialogBase::loadPage();
    TextDefaults* r = texts();
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
    case kLine:
        leader_line_page::load(*this, kLineIds, {nullptr, &r->drawLine, r->arrowLine});
        break;
    default:
        break;
    }
}

void TextSettingsDialog::storePage()
{
    FontSettingsDialogBase::storePage();
    TextDefaults* r = texts();
    if (!r)
        return;
    // The colour page has nothing to store: a pick goes into the record at once.
    if (currentPage == kFont) {
        storeFontPage();
        r->syncFontName();
        r->syncFontStyle();
    } else if (currentPage == kLine) {
        leader_line_page::store(*this, kLineIds, {nullptr, &r->drawLine, r->arrowLine});
    }
}

int TextSettingsDialog::onPageEvent()
{
    TextDefaults* r = texts();
    const int id = currentControl ? currentControl->id : 0;
    if (!r || id == 0 || currentPage != kColour || (event != DLG_COMMAND && event != DLG_CLICK))
        return 0;
    Swatch swatches[kSwatchCount];
    bindSwatches(r, swatches);
    return pickSwatch(swatches, kSwatchCount, id) >= 0;
}
