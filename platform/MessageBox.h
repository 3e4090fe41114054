#pragma once
#include <windows.h>

// Every message box of the program goes through showMessageBox, so that tests can answer
// them without a screen. The replacement receives exactly what MessageBoxA would.
using MessageBoxFunction = int (*)(HWND owner, const char* text, const char* caption, UINT style);

int showMessageBox(HWND owner, const char* text, const char* caption, UINT style);

// Installs a replacement (null restores MessageBoxA) and returns the previous one.
MessageBoxFunction setMessageBoxFunction(MessageBoxFunction function);
