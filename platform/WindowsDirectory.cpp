#include "platform/WindowsDirectory.h"

#include <windows.h>

#include "platform/FileName.h"
#include "platform/StringUtil.h"

namespace {
UINT systemWindowsDirectory(char* buffer, UINT size) { return GetWindowsDirectoryA(buffer, size); }
WindowsDirectoryQuery windowsDirectoryQuery = systemWindowsDirectory;
} // namespace

WindowsDirectoryQuery setWindowsDirectoryQuery(WindowsDirectoryQuery query)
{
    WindowsDirectoryQuery previous = windowsDirectoryQuery;
    windowsDirectoryQuery = query ? query : systemWindowsDirectory;
    return previous;
}

int setNameInWindowsDirectory(FileName& name, const char* fileName)
{
    if (!fileName)
        return 0;
    char directory[MAX_PATH];
    UINT length = windowsDirectoryQuery(directory, sizeof directory);
    if (length == 0 || length >= sizeof directory)
        return 0;
    if (static_cast<long long>(length) + 1 + StringUtil::length(fileName) > name.maxPathLength())
        return 0;
    char path[FileName::pathCapacity];
    StringUtil::copy(path, directory);
    StringUtil::append(path, "\\");
    StringUtil::append(path, fileName);
    return name.setPathAndTitle(path);
}
