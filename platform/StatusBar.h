#pragma once
#include "platform/GlobalBlock.h"
#include "platform/IntRect.h"
#include "platform/Window.h"

class ProgressIndicator;

// The frame's status window: texts in parts and, during long operations, a progress bar laid
// over one part. Progress ranges nest: an operation inside another pushes its own range and pops
// it when done. The ranges of the first three pushes are kept; deeper pushes show the first.
class StatusBar : public Window {
public:
    // `frame` is the window the bar is created in and fitted to (the application's frame when
    // null).
    explicit StatusBar(Window* frame = nullptr);
    ~StatusBar() override;

    // CreateStatusWindowA in the frame with id 101; returns the handle.
    [[nodiscard]] HWND createWindow();
    // Along the bottom of the frame's client area at the bar's own height.
    void fitToFrame();
    // `count` parts ending at the given right edges (-1: to the end); nothing for count < 1.
    void setParts(int count, const int* rightEdges);
    // Nothing without a window or for a part at or beyond the part count (then the part count is
    // returned). A null text clears the part.
    int setPartText(int part, const char* text);
    int setPartText(int part, const char* text, int /*flag*/) { return setPartText(part, text); }
    // Empty without a window.
    [[nodiscard]] IntRect partRect(int part);

    void pushProgress(int part, int low, int high);
    void pushRange(int low, int high);
    void showProgress();
    void setProgress(int value);
    // Nothing at depth 0.
    void popRange();

    enum { kControlId = 101, kKeptRanges = 3 };

    GlobalBlock parts;                 // the right edges (int) of the parts
    ProgressIndicator* progress = nullptr;   // owned
    int progressPart = 0;
    int depth = 0;
    int lows[kKeptRanges] = {0, 0, 0};
    int highs[kKeptRanges] = {0, 0, 0};

private:
    [[nodiscard]] Window* frameWindow() const;
    Window* frame_;
};
