#pragma once
#include "dialogs/properties/TextPropertyDialogBase.h"

// The layout the angle, radius and diameter dialogs share: colour 1592 (each swatch through the
// colour's own pick), font 1593, numeral 1595 (without the numeral's position; the angle's unit
// list holds the angle units, the others' the length units), line 1594, then the kind's
// coordinate page with its fixed points.
[[nodiscard]] TextPropertyDialogBase::Layout angleFamilyLayout(int coordinatePage, int angleUnits,
                                                               const TextPropertyDialogBase::PointFields* points,
                                                               int pointCount);
