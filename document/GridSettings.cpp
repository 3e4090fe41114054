#include "geometry/GridSettings.h"

GridSettings* theGridDefaults = nullptr;
