#pragma once
#include <windows.h>

// The one call that opens the program's HTML Help file.

// HtmlHelpA: owner window, file, command, command data; the help window or null.
using HtmlHelpFunction = HWND(WINAPI*)(HWND owner, LPCSTR file, UINT command, DWORD_PTR data);
// Finds HtmlHelpA; null when the HTML Help control cannot be loaded.
using HtmlHelpLoader = HtmlHelpFunction (*)();

// HtmlHelpA(no owner, path, HH_DISPLAY_TOPIC, 0): the help window, null when none was shown (the
// help viewer itself tells the user about a missing file). The HTML Help control is loaded at the
// first call; when it cannot be loaded, this call and every later one return null at once and
// nothing is shown.
[[nodiscard]] HWND showHelpFile(const char* path);

// The system's loader: the control's registered in-process server, else "hhctrl.ocx" from the
// search path; HtmlHelpA is its export with ordinal 14. The control stays loaded.
[[nodiscard]] HtmlHelpFunction loadHtmlHelpControl();

// Installs a loader (null brings back the system's) and returns the one it replaces; what the
// earlier loader found is forgotten, so the next call loads again.
HtmlHelpLoader setHtmlHelpLoader(HtmlHelpLoader loader);
