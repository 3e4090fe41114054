#pragma once
#include "platform/TickTimer.h"

// The warning that memory is running out, checked after every new element. The check probes the
// platform at most once every five minutes; when the probe fails the user is told to save and
// quit. One guard serves the application (a global manager).
class LowMemoryGuard {
public:
    // The least time between two probes, and the reserve each probe asks for.
    static constexpr DWORD kProbeIntervalMs = 300000;
    static constexpr long long kReserveBytes = 100000;

    // Probes once the interval has passed since the last probe (since tick 0 at first); a failed
    // probe shows the warning box (hand icon, task-modal).
    void checkMemoryReserve();

    TickTimer lastProbe; // starts at tick 0
};

// The application's guard (global manager slot 26); null outside a run.
extern LowMemoryGuard* theLowMemoryGuard;

// A new guard, null when memory ran out (start-up's maker).
[[nodiscard]] LowMemoryGuard* makeLowMemoryGuard();
