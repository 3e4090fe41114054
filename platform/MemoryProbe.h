#pragma once

// Whether `bytes` of memory are still available, for the low-memory warning. A 64-bit process
// with virtual memory has no meaningful answer, so the installed probe always reports success
// and the warning is never shown; tests install a failing probe to see the warning.
using MemoryProbe = int (*)(long long bytes);

// Installs a probe (null restores the one that always reports success) and returns the previous.
MemoryProbe setMemoryProbe(MemoryProbe probe);

// 1 when the installed probe finds the bytes available.
[[nodiscard]] int isMemoryAvailable(long long bytes);
