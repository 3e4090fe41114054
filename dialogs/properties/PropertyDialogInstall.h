#pragma once
#include "document/PropertyDialogPlacement.h"

// Each drawing's placement record as start-up installs it: it also builds the element kinds'
// property dialogs (line, breakline, spline, arc, circle, oval, box, polygon, Bezier curve, text,
// leader text, the four dimensions, bitmap and picture).
class KindDialogPlacement : public PropertyDialogPlacement {
public:
    [[nodiscard]] ElementPropertyDialog* makeDialog(int kind) override;
};

// Start-up: the drawings' PropertyDialogPlacement factory, which makes a KindDialogPlacement.
void installPropertyDialogs();
