#pragma once
// Interface header: the line's property dialog as the element folder makes it.
#include "dialogs/properties/PropertyDialog.h"

// The property dialog of a line ("線分"): colour, width, position, type and cap of the bound
// element.
class LinePropertyDialog : public PropertyDialog {};

// Makes the dialog; null while none is built (the line's editProperties then answers 0). The
// dialogs folder installs its maker; tests put a stand-in.
using LinePropertyDialogMaker = LinePropertyDialog* (*)();
extern LinePropertyDialogMaker makeLinePropertyDialog;
