#pragma once
#include "platform/Window.h"

// A window object without a window: its device context draws on the whole screen (GetDC of no
// window), where the workspace layout draws its drag frames. The application creates it.
class ScreenSurface : public Window {
};

extern ScreenSurface* theScreenSurface;
