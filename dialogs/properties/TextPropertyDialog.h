#pragma once
// Interface header: the text's property dialog as the element folder makes it.
#include "dialogs/properties/PropertyDialog.h"

// The property dialog of a text ("テキスト"): colour, font, spacing, rotation and the text of the
// bound element.
class TextPropertyDialog : public PropertyDialog {};

// Makes the dialog; null while none is built (the text's editProperties then answers 0). The
// dialogs folder installs its maker; tests put a stand-in.
using TextPropertyDialogMaker = TextPropertyDialog* (*)();
extern TextPropertyDialogMaker makeTextPropertyDialog;
