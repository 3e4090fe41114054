#pragma once

class FileName;

// Drive and free-space queries.

// For a drive 0 (A:) to 25 present in GetLogicalDrives: root := "X:\" (or "X:" without
// keepBackslash) and label := the volume label ("" for a removable drive when skipRemovable is
// set, or when the drive has no root); 1. For a drive that is not present: 0, and neither buffer
// is touched. The label holds at most labelSize - 1 bytes.
[[nodiscard]] int driveInfo(int drive, char* root, int rootSize, char* label, int labelSize, int keepBackslash, int skipRemovable);

// Free bytes of the drive of `path` (its first three characters, or two when the third is not a
// backslash), split at 2^32: the high part is returned and the low part stored. 0 (and nothing
// stored) when the query fails.
[[nodiscard]] unsigned int diskFreeSpace(const char* path, unsigned int* low);
[[nodiscard]] unsigned int diskFreeSpaceOf(const FileName& name, unsigned int* low);
