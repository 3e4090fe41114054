#pragma once
#include "platform/IntRect.h"

// Screen sizes and system metrics used for layout, in pixels.
// The screen's size is read once and kept until forgetScreenRect (the frame window calls it
// when the display changes).
[[nodiscard]] IntRect getScreenRect();
void forgetScreenRect();
// The screen less a 25-pixel strip at the bottom, where the task bar usually lies.
[[nodiscard]] IntRect getWorkRect();
[[nodiscard]] int getSmallCaptionHeight();
[[nodiscard]] int getDialogFrameWidth();
[[nodiscard]] int getVScrollBarWidth();
[[nodiscard]] int getHScrollBarHeight();
[[nodiscard]] int getCursorHeight();
