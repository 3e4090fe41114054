#pragma once
// Interface header: the oval's property dialog as the element folder makes it.
#include "dialogs/properties/PropertyDialog.h"

// The property dialog of an oval ("楕円"): points, lean, oval type, edge, fill, hatch, line width, position
// and type of the bound element.
class OvalPropertyDialog : public PropertyDialog {};

// Makes the dialog; null while none is built (the oval's editProperties then answers 0). The
// dialogs folder installs its maker; tests put a stand-in.
using OvalPropertyDialogMaker = OvalPropertyDialog* (*)();
extern OvalPropertyDialogMaker makeOvalPropertyDialog;
