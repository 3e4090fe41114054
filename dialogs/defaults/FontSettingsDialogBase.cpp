#include "dialogs/defaults/FontSettingsDialogBase.h"

#include "dialogs/defaults/FontDefaultsBase.h"

void FontSettingsDialogBase::setFontRecord(FontDefaultsBase* edited)
{
    setRecord(edited);
    fontInfo = edited ? &edited->fontInfo : nullptr;
    font = edited ? &edited->font : nullptr;
}

void FontSettingsDialogBase::declareFontPage() { font_page::declare(*this, fontIds); }

void FontSettingsDialogBase::loadFontPage()
{
    if (fontInfo && font)
        font_page::load(*this, fontIds, *fontInfo, *font);
}

void FontSettingsDialogBase::storeFontPage()
{
    if (fontInfo && font)
        font_page::store(*this, fontIds, *fontInfo, *font);
}
