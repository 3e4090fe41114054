#include "dialogs/defaults/BatchEditDialog.h"

#include "dialogs/properties/PropertyFields.h"
#include "document/ElementDefaults.h"
#include "geometry/IntValue.h"
#include "platform/ControlKinds.h"
#include "resources/ids_defaults.h"

BatchEditDialog::BatchEditDialog() : applyLayerCheckId(IDC_BATCH_APPLY_LAYER)
{
    frameTemplateId = IDD_BATCH_FRAME;
    commonPageId = IDD_BATCH_COMMON;
    layerNameEditId = IDC_BATCH_LAYER_NAME;
    layerListId = IDC_BATCH_LAYER_LIST;
    layerScrollId = IDC_BATCH_LAYER_SCROLL;
}

void BatchEditDialog::declareCommonControls()
{
    (void)addControl(applyLayerCheckId, KIND_CHECK_BUTTON); // a box the page lacks ticks nothing
    DefaultsDialog::declareCommonControls();
}

void BatchEditDialog::loadCommonPage()
{
    DefaultsDialog::loadCommonPage();
    (void)record->applyLayerFlag.writeToControl(this, applyLayerCheckId); // as above
}

void BatchEditDialog::storeCommonPage()
{
    DefaultsDialog::storeCommonPage();
    (void)record->applyLayerFlag.readFromControl(this, applyLayerCheckId); // as above
}

int BatchEditDialog::onCommonPageEvent()
{
    switch (layer_list_page::onEvent(*this, layerIds())) {
    case layer_list_page::kListClicked:
        tick(applyLayerCheckId);
        return 1;
    case layer_list_page::kFieldChanged:
        return 1;
    default:
        return 0;
    }
}

void BatchEditDialog::declareTicks(const Tick* ticks, int count)
{
    for (int i = 0; i < count; ++i)
        (void)addControl(ticks[i].checkId, KIND_CHECK_BUTTON); // a box the page lacks ticks nothing
}

void BatchEditDialog::loadTicks(const Tick* ticks, int count)
{
    for (int i = 0; i < count; ++i)
        (void)ticks[i].flag->writeToControl(this, ticks[i].checkId); // as above
}

void BatchEditDialog::storeTicks(const Tick* ticks, int count)
{
    for (int i = 0; i < count; ++i)
        (void)ticks[i].flag->readFromControl(this, ticks[i].checkId); // a missing box keeps its flag
}

int BatchEditDialog::bindTicks(IntValue* flags, const TickRow* rows, int count, Tick* ticks)
{
    for (int i = 0; i < count; ++i)
        ticks[i] = {rows[i].checkId, flags ? &flags[rows[i].flag] : nullptr};
    return count;
}

int BatchEditDialog::tickTouched(const ValueTick* values, int count)
{
    const int id = getCommandId();
    for (int i = 0; id != 0 && i < count; ++i) {
        const ValueTick& v = values[i];
        if (v.valueId != id)
            continue;
        switch (v.kind) {
        case kRealField:
            if (event != DLG_CHANGE)
                return 0;
            tickIfRealChanged(id, v.checkId);
            return 1;
        case kIntField:
            if (event != DLG_CHANGE)
                return 0;
            tickIfIntChanged(id, v.checkId);
            return 1;
        case kList:
            if (event != DLG_SELECTION)
                return 0;
            tick(v.checkId);
            return 1;
        case kCheckBox:
            if (event != DLG_COMMAND && event != DLG_CLICK)
                return 0;
            tick(v.checkId);
            return 1;
        }
    }
    return 0;
}

void BatchEditDialog::tick(int checkId) { (void)setCheck(checkId, 1); } // a missing box has nothing to show

void BatchEditDialog::tickIfIntChanged(int fieldId, int checkId)
{
    if (property_fields::intDiffers(*this, fieldId))
        tick(checkId);
}

void BatchEditDialog::tickIfRealChanged(int fieldId, int checkId)
{
    if (property_fields::realDiffers(*this, fieldId))
        tick(checkId);
}

int BatchEditDialog::pickAndTick(const Swatch* swatches, const Tick* ticks, int count, int controlId)
{
    const int picked = pickSwatch(swatches, count, controlId);
    if (picked >= 0)
        *ticks[picked].flag = IntValue(this, ticks[picked].checkId);
    return picked;
}
