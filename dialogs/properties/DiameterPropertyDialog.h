#pragma once
#include "dialogs/properties/RadiusPropertyDialog.h"

// The radius dimension's dialog captioned "直径".
class DiameterPropertyDialog : public RadiusPropertyDialog {
public:
    [[nodiscard]] int runKind(PropertyStepRecord& record) override;
};
