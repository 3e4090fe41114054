#pragma once
// Interface header: the circle's property dialog as the element folder makes it.
#include "dialogs/properties/PropertyDialog.h"

// The property dialog of a circle ("円"): edge, centre, radius, angles, width, position and type
// of the bound element.
class CirclePropertyDialog : public PropertyDialog {};

// Makes the dialog; null while none is built (the circle's editProperties then answers 0). The
// dialogs folder installs its maker; tests put a stand-in.
using CirclePropertyDialogMaker = CirclePropertyDialog* (*)();
extern CirclePropertyDialogMaker makeCirclePropertyDialog;
