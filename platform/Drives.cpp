#include "platform/Drives.h"

#include <windows.h>

#include "platform/FileName.h"
#include "platform/StringUtil.h"

int driveInfo(int drive, char* root, int rootSize, char* label, int labelSize, int keepBackslash, int skipRemovable)
{
    if (drive < 0 || drive > 25 || !(GetLogicalDrives() & (1u << drive)))
        return 0;
    char path[4] = {static_cast<char>('A' + drive), ':', '\\', 0};
    if (label && labelSize > 0)
        label[0] = 0;
    UINT type = GetDriveTypeA(path);
    if (type > DRIVE_NO_ROOT_DIR && !(type == DRIVE_REMOVABLE && skipRemovable) && label && labelSize > 0) {
        // The system's label field is 129 bytes at most.
        char name[130] = {};
        if (GetVolumeInformationA(path, name, sizeof name - 1, nullptr, nullptr, nullptr, nullptr, 0))
            StringUtil::copy(label, labelSize, name);
    }
    if (!keepBackslash)
        path[2] = 0;
    if (root && rootSize > 0)
        StringUtil::copy(root, rootSize, path);
    return 1;
}

unsigned int diskFreeSpace(const char* path, unsigned int* low)
{
    if (!path)
        return 0;
    char root[4] = {};
    StringUtil::copyN(root, path, 3);
    if (root[0] && root[1] && root[2] != '\\')
        root[2] = 0;
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters))
        return 0;
    // 64-bit: the product overflows 32 bits on any disk of more than 4 GB free.
    unsigned long long bytes = static_cast<unsigned long long>(freeClusters) * sectorsPerCluster * bytesPerSector;
    if (low)
        *low = static_cast<unsigned int>(bytes & 0xFFFFFFFFull);
    return static_cast<unsigned int>(bytes >> 32);
}

unsigned int diskFreeSpaceOf(const FileName& name, unsigned int* low) { return diskFreeSpace(name.getPath(), low); }
