#pragma once
#include "platform/TickTimer.h"

class DocumentContext;

// A drawing's click and tracking timer: tracking loops restart it when they end, and clicks are
// measured against it (milliseconds on the program clock, unsigned 32-bit comparisons).
class TickStamp {
public:
    void setOwner(DocumentContext* context) { owner = context; }
    void start() { timer.start(); }
    // 1 while the tick count is below start + 150 (resp. + 300).
    [[nodiscard]] int notYet150ms() const { return timer.notElapsed(150); }
    [[nodiscard]] int notYet300ms() const { return timer.notElapsed(300); }
    // 1 once at least 500 ms have passed since start.
    [[nodiscard]] int reached500ms() const { return !timer.notElapsed(500); }
    [[nodiscard]] int withinDoubleClickTime() const { return timer.withinDoubleClickTime(); }

    DocumentContext* owner = nullptr;
    TickTimer timer;
    int flag = 0;
};
