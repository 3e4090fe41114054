#pragma once
#include <windows.h>

// The one clock of the program: every timed rule reads milliseconds and the double-click time
// here, so that tests can set the time instead of sleeping.
using TickSource = DWORD (*)();
using DoubleClickTimeSource = UINT (*)();

[[nodiscard]] DWORD currentTickCount();
[[nodiscard]] UINT currentDoubleClickTime();

// Install replacements (null restores the system's) and return the previous ones.
TickSource setTickSource(TickSource source);
DoubleClickTimeSource setDoubleClickTimeSource(DoubleClickTimeSource source);
