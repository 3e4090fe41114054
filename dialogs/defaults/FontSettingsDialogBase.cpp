#include "dialogs/defaults/FontSettingsDialogBase.h"

#include "document/FontDefaultsBase.h"

void FontSettingsDialogBase::setRecord(ElementDefaults* edited)
{
    AttributeSettingsDialog::setRecord(edited);
    auto* withFont = dynamic_cast<FontDefaultsBase*>(edited);
    fontInfo = withFont ? &withFont->fontInfo : nullptr;
    font = withFont ? &withFont->font : nullptr;
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
