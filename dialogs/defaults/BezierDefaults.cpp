#include "dialogs/defaults/BezierDefaults.h"

BezierDefaults* theBezierDefaults = nullptr;
