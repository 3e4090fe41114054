#include "platform/ScreenSurface.h"

ScreenSurface* theScreenSurface = nullptr;
