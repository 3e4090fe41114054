#pragma once

class FileName;

// The path of a file in the Windows directory (the settings file lives there): name becomes
// <Windows directory>\<file name>, 1. 0, with the name left as it was, when the directory cannot
// be read or the path would exceed 259 characters.
[[nodiscard]] int setNameInWindowsDirectory(FileName& name, const char* fileName);
