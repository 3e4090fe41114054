#include "dialogs/defaults/AttributeSettingsDialog.h"

#include "resources/ids_defaults.h"

AttributeSettingsDialog::AttributeSettingsDialog()
{
    frameTemplateId = IDD_SETTINGS_FRAME;
    commonPageId = IDD_SETTINGS_COMMON;
    layerNameEditId = IDC_SETTINGS_LAYER_NAME;
    layerListId = IDC_SETTINGS_LAYER_LIST;
    layerScrollId = IDC_SETTINGS_LAYER_SCROLL;
}
