#include "dialogs/defaults/FontBatchDialogBase.h"

#include "document/FontDefaultsBase.h"

void FontBatchDialogBase::setRecord(ElementDefaults* edited)
{
    BatchEditDialog::setRecord(edited);
    fontRecord = dynamic_cast<FontDefaultsBase*>(edited);
}

void FontBatchDialogBase::bindTicks(Tick (&ticks)[3]) const
{
    ticks[0] = {faceCheckId, &fontRecord->fontNameFlag};
    ticks[1] = {styleCheckId, &fontRecord->fontStyleFlag};
    ticks[2] = {sizeCheckId, &fontRecord->fontSizeFlag};
}

void FontBatchDialogBase::declareFontPage()
{
    const Tick checks[3] = {{faceCheckId, nullptr}, {styleCheckId, nullptr}, {sizeCheckId, nullptr}};
    declareTicks(checks, 3); // an id of 0 is refused
    font_page::declare(*this, fontIds);
}

void FontBatchDialogBase::loadFontPage()
{
    if (!fontRecord)
        return;
    Tick ticks[3];
    bindTicks(ticks);
    loadTicks(ticks, 3);
    font_page::load(*this, fontIds, fontRecord->fontInfo, fontRecord->font);
}

void FontBatchDialogBase::storeFontPage()
{
    if (!fontRecord)
        return;
    Tick ticks[3];
    bindTicks(ticks);
    storeTicks(ticks, 3);
    font_page::store(*this, fontIds, fontRecord->fontInfo, fontRecord->font);
}

int FontBatchDialogBase::onFontPageEvent()
{
    if (!fontRecord)
        return 0;
    const int id = getCommandId();
    if (event == DLG_SELECTION && id != 0 && id == fontIds.faceList) {
        if (font_page::takeFace(*this, fontIds, fontRecord->fontInfo))
            tick(faceCheckId);
        return 1;
    }
    if (event == DLG_SELECTION && id != 0 && id == fontIds.styleList) {
        if (font_page::takeStyle(*this, fontIds, fontRecord->fontInfo))
            tick(styleCheckId);
        return 1;
    }
    if (event == DLG_CHANGE && id != 0 && id == fontIds.sizeField) {
        tickIfRealChanged(id, sizeCheckId);
        return 1;
    }
    return 0;
}
