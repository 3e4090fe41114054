#include "dialogs/defaults/MeasureDefaults.h"

MeasureDefaults* theMeasureDefaults = nullptr;
