#pragma once

// Whether `bytes` of memory are still available for the low-memory warning. A 64-bit process
// with virtual memory has no meaningful answer, so the probe always reports success and the
// warning is never shown.
[[nodiscard]] inline int isMemoryAvailable(long long bytes)
{
    (void)bytes;
    return 1;
}
