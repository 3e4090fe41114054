#include "platform/FileName.h"

#include <algorithm>
#include <cstring>
#include <windows.h>

#include "platform/StringUtil.h"

namespace {
// Index just after the last separator, a backslash or a slash as Windows takes either (the path
// of a drawing given on the command line as /folder/name.ycx under Wine), or else the last colon,
// of the text; 0 when none.
int nameOffsetOf(const char* text)
{
    const int separator = std::max(StringUtil::lastIndexOfChar(text, '\\'), StringUtil::lastIndexOfChar(text, '/'));
    if (separator >= 0)
        return separator + 1;
    int colon = StringUtil::lastIndexOfChar(text, ':');
    return colon >= 0 ? colon + 1 : 0;
}

bool fitsPath(const char* text) { return text && std::strlen(text) < FileName::pathCapacity; }

// Room for a path made full and long: the long form of a name may outgrow the one given.
const int kLongPathSize = 1024;

// The full long form of the path; 0 when it cannot be made full.
int fullLongPath(const char* path, char (&out)[kLongPathSize])
{
    char full[kLongPathSize];
    const DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full)
        return 0;
    const DWORD whole = GetLongPathNameA(full, out, sizeof out);
    if (whole > 0 && whole < sizeof out)
        return 1;
    // No such file (yet): the folder lengthened, the name kept as given.
    const int nameAt = nameOffsetOf(full);
    char folder[kLongPathSize];
    StringUtil::copyN(folder, full, nameAt);
    const DWORD folderLength = GetLongPathNameA(folder, out, sizeof out);
    if (folderLength == 0 || folderLength >= sizeof out) {
        StringUtil::copy(out, full);
        return 1;
    }
    if (StringUtil::lastIndexOfChar(out, '\\') != StringUtil::length(out) - 1)
        StringUtil::append(out, "\\");
    if (StringUtil::length(out) + StringUtil::length(full + nameAt) >= kLongPathSize) {
        StringUtil::copy(out, full);
        return 1;
    }
    StringUtil::append(out, full + nameAt);
    return 1;
}
} // namespace

void FileName::assign(const FileName* other)
{
    if (!other)
        return;
    std::memcpy(path, other->path, sizeof path);
    std::memcpy(title, other->title, sizeof title);
}

int FileName::setPathAndTitle(const char* text)
{
    if (!fitsPath(text)) {
        path[0] = 0;
        title[0] = 0;
        return 0;
    }
    StringUtil::copy(path, text);
    StringUtil::copy(title, text);
    deriveTitle();
    return 1;
}

int FileName::setPath(const char* text)
{
    if (!fitsPath(text)) {
        path[0] = 0;
        return 0;
    }
    StringUtil::copy(path, text);
    return 1;
}

void FileName::setTitle(const char* text) { StringUtil::copy(title, text ? text : ""); }

int FileName::pathLength() const { return StringUtil::length(path); }

void FileName::clear()
{
    path[0] = 0;
    title[0] = 0;
    flag = 0;
}

void FileName::deriveTitle()
{
    StringUtil::copy(title, path + nameOffsetOf(path));
    char* dot = StringUtil::findChar(title, '.');
    if (dot)
        *dot = 0;
}

int FileName::fileNameOffset() const { return nameOffsetOf(path); }

int FileName::pathEquals(const FileName& other) const { return StringUtil::equals(path, other.path); }

int FileName::pathEqualsNoCase(const char* text) const { return text && StringUtil::equalsNoCase(path, text); }

int FileName::hasExtension(const char* ext) const
{
    if (!ext)
        return 0;
    int dot = StringUtil::lastIndexOfChar(path, '.');
    if (dot < 0)
        return 0;
    const char* own = StringUtil::findChar(ext, '.') ? path + dot : path + dot + 1;
    return StringUtil::equalsNoCase(own, ext);
}

int FileName::freeDiskSpace(unsigned long long& bytes) const
{
    char root[4];
    StringUtil::copyN(root, path, 3);
    if (root[0] != 0 && root[1] != 0 && root[2] != '\\')
        root[2] = 0;
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters))
        return 0;
    // 64-bit: an ordinary disk's free bytes overflow 32 bits.
    bytes = static_cast<unsigned long long>(freeClusters) * sectorsPerCluster * bytesPerSector;
    return 1;
}

int namesSameFile(const char* a, const char* b)
{
    if (!a || !b || !*a || !*b)
        return 0;
    char longA[kLongPathSize];
    char longB[kLongPathSize];
    return fullLongPath(a, longA) && fullLongPath(b, longB) && StringUtil::equalsNoCase(longA, longB);
}

int getFolderPart(const char* path, char* out, int size)
{
    if (!out || size < 1)
        return 0;
    out[0] = 0;
    int offset = path ? nameOffsetOf(path) : 0;
    if (offset == 0 || offset >= size)
        return 0;
    StringUtil::copyN(out, size, path, offset);
    return StringUtil::length(out);
}

int fileNameStart(const char* path) { return path ? nameOffsetOf(path) : 0; }

int copyFileNamePart(const char* path, char* out, int size)
{
    if (!out || size < 1)
        return 0;
    StringUtil::copy(out, size, path ? path + nameOffsetOf(path) : "");
    return StringUtil::length(out);
}
