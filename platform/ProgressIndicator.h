#pragma once
#include <windows.h>

#include "platform/IntRect.h"

class Window;

// A progress bar created inside any window (the status bar shows one during long operations).
// The bar itself always runs 0..100; values are given in the caller's range and shown as a
// percentage, sent only when the percentage changes.
class ProgressIndicator {
public:
    ProgressIndicator() = default;
    ~ProgressIndicator() { destroy(); }
    ProgressIndicator(const ProgressIndicator&) = delete;
    ProgressIndicator& operator=(const ProgressIndicator&) = delete;

    [[nodiscard]] int create(Window* owner, const IntRect& rect);
    void destroy();
    void setRange(int newLow, int newHigh);
    void setValue(int v);

    Window* owner = nullptr;
    IntRect rect;
    int low = 0;
    int high = 100;
    int value = 0;
    HWND progressWindow = nullptr;
    int lastPercent = 0;
};
