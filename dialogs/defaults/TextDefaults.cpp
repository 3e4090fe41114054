#include "dialogs/defaults/TextDefaults.h"

TextDefaults* theTextDefaults = nullptr;
