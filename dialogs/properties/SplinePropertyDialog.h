#pragma once
// Interface header: the spline property dialog as the element folder makes it.
#include "dialogs/properties/PropertyDialog.h"

// The property dialog ("スプライン曲線") of the spline: colour, width, position, type and cap of
// the bound element, and its control points.
class SplinePropertyDialog : public PropertyDialog {};

// Makes the dialog; null while none is built (editProperties then answers 0). The dialogs folder
// installs its maker; tests put a stand-in.
using SplinePropertyDialogMaker = SplinePropertyDialog* (*)();
extern SplinePropertyDialogMaker makeSplinePropertyDialog;
