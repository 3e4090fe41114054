#pragma once
#include "platform/IntRect.h"

// Screen sizes and system metrics used for layout, in pixels.
[[nodiscard]] IntRect getScreenRect();
// The screen less a 25-pixel strip at the bottom, where the task bar usually lies.
[[nodiscard]] IntRect getWorkRect();
[[nodiscard]] int getSmallCaptionHeight();
[[nodiscard]] int getDialogFrameWidth();
[[nodiscard]] int getVScrollBarWidth();
[[nodiscard]] int getHScrollBarHeight();
[[nodiscard]] int getCursorHeight();
