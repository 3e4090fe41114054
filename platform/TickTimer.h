#pragma once
#include <windows.h>

// A millisecond timer on the program clock (platform/Clock.h). Comparisons are unsigned 32-bit.
class TickTimer {
public:
    void start();
    // 1 while now < start + ms.
    [[nodiscard]] int notElapsed(DWORD milliseconds) const;
    // 1 once start + ms < now (at now == start + ms both answer 0).
    [[nodiscard]] int elapsed(DWORD milliseconds) const;
    // 1 while less than the system double-click time has passed since start().
    [[nodiscard]] int withinDoubleClickTime() const;

    DWORD startTick = 0;
};
