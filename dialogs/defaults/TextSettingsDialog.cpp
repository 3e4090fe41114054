#include "dialogs/defaults/TextSettingsDialog.h"

#include "document/TextDefaults.h"
#include "resources/ids_text_measure_defaults.h"

namespace {
using P = FontRecordPage;
const FontRecordLayout kLayout = {
    4,
    {P::kCommon, P::kColour, P::kFont, P::kLine},
    {"共通", "カラー", "フォント", "線"},
    {0, IDD_TEXT_SETTINGS_COLOUR, IDD_TEXT_SETTINGS_FONT, IDD_TEXT_SETTINGS_LINE},
    {IDC_TEXT_SET_TEXT_COLOUR, IDC_TEXT_SET_LEADER_COLOUR, IDC_TEXT_SET_ARROW_COLOUR},
    3,
    {IDC_TEXT_SET_FACE, IDC_TEXT_SET_STYLE, IDC_TEXT_SET_SIZE},
    {},
    // No underline, and the leader's gap and overshoot are not the texts'.
    {0, 0, IDC_TEXT_SET_LEADER_STYLE, IDC_TEXT_SET_LEADER_WIDTH, 0, 0, IDC_TEXT_SET_ARROW_KIND, IDC_TEXT_SET_ARROW_SIZE,
     IDC_TEXT_SET_ARROW_LENGTH, IDC_TEXT_SET_ARROW_LEAN},
    {},
    {}};
} // namespace

TextSettingsDialog::TextSettingsDialog() : FontRecordDialog(kLayout) {}

FontRecordValues settingsValuesOf(TextDefaults* r)
{
    FontRecordValues v;
    if (!r)
        return v;
    v.colours[0] = &r->textColor;
    v.colours[1] = &r->drawColor;
    v.colours[2] = &r->arrowColor;
    v.lines = {nullptr, &r->drawLine, r->arrowLine};
    return v;
}

FontRecordValues TextSettingsDialog::values() const { return settingsValuesOf(static_cast<TextDefaults*>(record)); }
