#include "document/GridSettings.h"

GridSettings* theGridDefaults = nullptr;
