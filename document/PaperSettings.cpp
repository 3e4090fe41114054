#include "document/PaperSettings.h"

PaperSettings* thePaperDefaults = nullptr;
