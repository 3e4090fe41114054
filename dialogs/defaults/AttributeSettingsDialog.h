#pragma once
#include "dialogs/defaults/DefaultsDialog.h"

// The base of the settings dialogs of the default records ("…の設定"): the frame 1522 and the
// common page 1627 (text field 15632, layer list 15633, its scroll bar 15634) of DefaultsDialog.
// The kind's dialog edits the protocol's temporary record; nothing it does reaches a drawing
// before the protocol copies the record back on OK.
class AttributeSettingsDialog : public DefaultsDialog {
public:
    AttributeSettingsDialog();
};
