#pragma once
// Interface header: the diameter dimension's property dialog as the element folder makes it.
#include "dialogs/properties/RadiusPropertyDialog.h"

// The radius dimension's dialog captioned "直径".
class DiameterPropertyDialog : public RadiusPropertyDialog {
public:
    [[nodiscard]] int runKind(PropertyStepRecord& record) override;
};

// Makes the dialog; null while none is built (editProperties then answers 0). The dialogs folder
// installs its maker; tests put a stand-in.
using DiameterPropertyDialogMaker = DiameterPropertyDialog* (*)();
extern DiameterPropertyDialogMaker makeDiameterPropertyDialog;
