#pragma once
// Interface header: the polygon property dialog as the element folder makes it.
#include "dialogs/properties/PropertyDialog.h"

// The property dialog ("ポリゴン") of the polygon and arcpolygon: edge, fill, hatch, width,
// position and type of the bound element, and its vertices with their corner radii.
class PolygonPropertyDialog : public PropertyDialog {};

// Makes the dialog; null while none is built (editProperties then answers 0). The dialogs folder
// installs its maker; tests put a stand-in.
using PolygonPropertyDialogMaker = PolygonPropertyDialog* (*)();
extern PolygonPropertyDialogMaker makePolygonPropertyDialog;
