#pragma once
// Interface header: the picture's property dialog as the element folder makes it.
#include "dialogs/properties/PropertyDialog.h"

// The property dialog of a placed picture ("ピクチュアー"): corners, image type, file and the four mask buttons (results 9901..9904) of the bound element.
class PicturePropertyDialog : public PropertyDialog {};

// Makes the dialog; null while none is built (the picture's editProperties then answers 0). The
// dialogs folder installs its maker; tests put a stand-in.
using PicturePropertyDialogMaker = PicturePropertyDialog* (*)();
extern PicturePropertyDialogMaker makePicturePropertyDialog;
