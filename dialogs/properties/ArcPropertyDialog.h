#pragma once
// Interface header: the arc's property dialog as the element folder makes it.
#include "dialogs/properties/PropertyDialog.h"

// The property dialog of an arc ("円弧"): colour, the three points, width, position and type of
// the bound element.
class ArcPropertyDialog : public PropertyDialog {};

// Makes the dialog; null while none is built (the arc's editProperties then answers 0). The
// dialogs folder installs its maker; tests put a stand-in.
using ArcPropertyDialogMaker = ArcPropertyDialog* (*)();
extern ArcPropertyDialogMaker makeArcPropertyDialog;
