#pragma once
// Interface header: the Bezier curve's property dialog as the element folder makes it.
#include "dialogs/properties/PropertyDialog.h"

// The property dialog of a Bezier curve ("ベジェ曲線"): edge, fill, hatch, open or closed and the
// line size of the bound element.
class BezierPropertyDialog : public PropertyDialog {};

// Makes the dialog; null while none is built (the curve's editProperties then answers 0). The
// dialogs folder installs its maker; tests put a stand-in.
using BezierPropertyDialogMaker = BezierPropertyDialog* (*)();
extern BezierPropertyDialogMaker makeBezierPropertyDialog;
