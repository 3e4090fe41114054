#pragma once
#include <windows.h>

class FileName;

// The path of a file in the Windows directory (the settings file lives there): name becomes
// <Windows directory>\<file name>, 1. 0, with the name left as it was, when the directory cannot
// be read or the path would exceed 259 characters.
[[nodiscard]] int setNameInWindowsDirectory(FileName& name, const char* fileName);

// The directory is asked through one replaceable function with GetWindowsDirectoryA's contract,
// so that tests can put the file elsewhere. Installs a replacement (null restores
// GetWindowsDirectoryA) and returns the previous one.
using WindowsDirectoryQuery = UINT (*)(char* buffer, UINT size);
WindowsDirectoryQuery setWindowsDirectoryQuery(WindowsDirectoryQuery query);
