#pragma once
// Interface header: the breakline property dialog as the element folder makes it.
#include "dialogs/properties/PropertyDialog.h"

// The property dialog ("折れ線") of the breakline and arcbreakline: colour, width, position, type
// and cap of the bound element, and its vertices with their corner radii.
class BreaklinePropertyDialog : public PropertyDialog {};

// Makes the dialog; null while none is built (editProperties then answers 0). The dialogs folder
// installs its maker; tests put a stand-in.
using BreaklinePropertyDialogMaker = BreaklinePropertyDialog* (*)();
extern BreaklinePropertyDialogMaker makeBreaklinePropertyDialog;
