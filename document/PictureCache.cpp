#include "document/PictureCache.h"

#include <windows.h>

#include "document/PictureReader.h"

// The readers' maker lives with its first user: the cache and the picture element call it.
PictureReaderMaker makePictureReader = nullptr;

PictureCache::~PictureCache() { clear(); }

void PictureCache::clear()
{
    for (Entry& e : entries)
        delete e.reader;
    entries.clear();
}

void PictureCache::forget(const char* path)
{
    if (!path)
        return;
    for (size_t i = entries.size(); i-- > 0;) {
        if (entries[i].path == path)
            drop(i);
    }
}

void PictureCache::drop(size_t i)
{
    delete entries[i].reader;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
}

PictureCache::FileStamp PictureCache::stampOf(const char* path)
{
    FileStamp stamp;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (path && path[0] && GetFileAttributesExA(path, GetFileExInfoStandard, &data)) {
        stamp.writeTime = static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32 |
                          data.ftLastWriteTime.dwLowDateTime;
        stamp.size = static_cast<std::uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
    }
    return stamp;
}

PictureReader* PictureCache::reader(int kind, const char* path)
{
    if (!makePictureReader || !path)
        return nullptr;
    const FileStamp stamp = stampOf(path);
    ++uses;
    for (size_t i = 0; i < entries.size(); ++i) {
        Entry& e = entries[i];
        if (e.kind != kind || e.path != path)
            continue;
        if (e.stamp == stamp) {
            e.lastUse = uses;
            return e.reader;
        }
        // Another version of the file: what was decoded from the old one goes.
        drop(i);
        break;
    }
    PictureReader* made = makePictureReader(kind);
    if (!made)
        return nullptr;
    if (static_cast<int>(entries.size()) >= kMaxEntries) {
        size_t oldest = 0;
        for (size_t i = 1; i < entries.size(); ++i)
            if (entries[i].lastUse < entries[oldest].lastUse)
                oldest = i;
        drop(oldest);
    }
    made->setSource(path);
    entries.push_back({kind, path, stamp, made, uses});
    return made;
}
