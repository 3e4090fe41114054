#pragma once
#include "platform/IntRect.h"

// Screen sizes and system metrics used for layout, in pixels.
IntRect getScreenRect();
// The screen less a 25-pixel strip at the bottom, where the task bar usually lies.
IntRect getWorkRect();
int getSmallCaptionHeight();
int getDialogFrameWidth();
int getVScrollBarWidth();
int getHScrollBarHeight();
int getCursorHeight();
