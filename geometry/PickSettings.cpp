#include "geometry/PickSettings.h"

PickSettings* thePickSettings = nullptr;
