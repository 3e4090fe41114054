#include "platform/FileList.h"

#include <cstring>

#include "platform/StringUtil.h"

int FileList::addSplit(const char* path, int nameOffset)
{
    if (!path)
        return 0;
    int length = StringUtil::length(path);
    if (length >= static_cast<int>(sizeof(FileRecord::path)) || nameOffset < 0 || nameOffset > length)
        return 0;
    FileRecord record = {};
    std::memcpy(record.path, path, static_cast<size_t>(length) + 1);
    record.nameOffset = nameOffset;
    record.nameLength = length - nameOffset;
    return add(record);
}

int FileList::addJoined(const char* folder, const char* name)
{
    if (!folder || !name)
        return 0;
    int folderLength = StringUtil::length(folder);
    int nameLength = StringUtil::length(name);
    if (folderLength + nameLength >= static_cast<int>(sizeof(FileRecord::path)))
        return 0;
    FileRecord record = {};
    std::memcpy(record.path, folder, static_cast<size_t>(folderLength));
    std::memcpy(record.path + folderLength, name, static_cast<size_t>(nameLength) + 1);
    record.nameOffset = folderLength;
    record.nameLength = nameLength;
    return add(record);
}

int FileList::getPathAt(int i, char* out, int size)
{
    FileRecord record;
    if (!get(i, &record))
        return 0;
    record.path[sizeof record.path - 1] = 0;
    StringUtil::copy(out, size, record.path);
    return 1;
}

int FileList::getNameAt(int i, char* out, int size)
{
    FileRecord record;
    if (!get(i, &record))
        return 0;
    record.path[sizeof record.path - 1] = 0;
    int offset = record.nameOffset;
    if (offset < 0 || offset > StringUtil::length(record.path))
        offset = 0;
    StringUtil::copy(out, size, record.path + offset);
    return 1;
}

int FileList::copyFrom(FileList* other)
{
    if (!other)
        return 0;
    count = 0;
    if (other == this)
        return 1;
    FileRecord record;
    for (int i = 0; i < other->count; ++i) {
        if (!other->get(i, &record) || !add(record))
            return 0;
    }
    return 1;
}

int FileList::contains(const char* text)
{
    if (!text)
        return 0;
    FileRecord record;
    for (int i = 0; i < count; ++i) {
        if (get(i, &record) && StringUtil::equalsNoCase(record.path, text))
            return 1;
    }
    return 0;
}
