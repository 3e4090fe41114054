#include "geometry/PaperSettings.h"

PaperSettings* thePaperDefaults = nullptr;
