#pragma once
#include <cstdint>
#include <string>
#include <vector>

class PictureReader;

// A drawing's decoded pictures: one reader per image kind and file, shared by every picture of
// the drawing that places that file, so that a page showing one file ten times, and every redraw
// of it, read the file once. An entry holds while the file's last write time and size stay as
// they were when it was made: a file rewritten, replaced or removed on disk gets a fresh reader
// at its next use (which then reads it again, or reports it missing). At most kMaxEntries readers
// are kept; the one used longest ago goes first.
//
// The readers come from makePictureReader (document/PictureReader.h); without a maker, or for a
// kind without a reader, there is no entry and the caller gets null.
class PictureCache {
public:
    static constexpr int kMaxEntries = 32;

    PictureCache() = default;
    ~PictureCache();
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // The reader of `kind` attached to `path`; null as above. The cache owns it.
    [[nodiscard]] PictureReader* reader(int kind, const char* path);
    // Every reader attached to `path` deleted: the next use reads the file again.
    void forget(const char* path);
    // Every reader deleted.
    void clear();
    [[nodiscard]] int entryCount() const { return static_cast<int>(entries.size()); }

    // What identifies one version of a file on disk: its last write time and size (both 0 when
    // the file cannot be found).
    struct FileStamp {
        std::uint64_t writeTime = 0;
        std::uint64_t size = 0;
        bool operator==(const FileStamp& o) const { return writeTime == o.writeTime && size == o.size; }
    };
    [[nodiscard]] static FileStamp stampOf(const char* path);

private:
    struct Entry {
        int kind = 0;
        std::string path;
        FileStamp stamp;
        PictureReader* reader = nullptr; // owned
        std::uint64_t lastUse = 0;
    };
    // Entry i and its reader deleted.
    void drop(size_t i);

    std::vector<Entry> entries;
    std::uint64_t uses = 0;
};
