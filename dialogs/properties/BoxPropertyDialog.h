#pragma once
// Interface header: the box's property dialog as the element folder makes it.
#include "dialogs/properties/PropertyDialog.h"

// The property dialog of a box ("ボックス"): corners, lean and the four corner radii (controls
// 15652..15655 on the coordinate page), rules, edge, fill, hatch, line width, position and type of
// the bound element.
class BoxPropertyDialog : public PropertyDialog {};

// Makes the dialog; null while none is built (the box's editProperties then answers 0). The
// dialogs folder installs its maker; tests put a stand-in.
using BoxPropertyDialogMaker = BoxPropertyDialog* (*)();
extern BoxPropertyDialogMaker makeBoxPropertyDialog;
