#include "dialogs/defaults/PictureDefaults.h"

PictureDefaults* thePictureDefaults = nullptr;
