#pragma once
// The process's peak working set in megabytes, -1 when it cannot be had (Wine keeps no peak of
// the private bytes). Link psapi.
#include <windows.h>
#include <psapi.h>

inline double peakWorkingSetMegabytes()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return -1.0;
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}
