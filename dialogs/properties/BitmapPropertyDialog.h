#pragma once
// Interface header: the bitmap's property dialog as the element folder makes it.
#include "dialogs/properties/PropertyDialog.h"

// The property dialog of a bitmap ("ビットマップ"): corners and the size at a zoom of the bound element.
class BitmapPropertyDialog : public PropertyDialog {};

// Makes the dialog; null while none is built (the bitmap's editProperties then answers 0). The
// dialogs folder installs its maker; tests put a stand-in.
using BitmapPropertyDialogMaker = BitmapPropertyDialog* (*)();
extern BitmapPropertyDialogMaker makeBitmapPropertyDialog;
