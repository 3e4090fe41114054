#pragma once
#include <cstddef>

#include "platform/GlobalBlock.h"

// One chosen file: its full path and where the file-name part starts in it.
struct FileRecord {
    char path[260];
    int nameOffset;
    int nameLength;
};
static_assert(sizeof(FileRecord) == 268, "file list records are 268 bytes");

// The files picked in the program's own file chooser.
class FileList : public GlobalBlock {
public:
    FileList() : GlobalBlock(10, sizeof(FileRecord)) {}

    [[nodiscard]] int add(const FileRecord& record) { return append(&record); }
    // The name part starts at nameOffset. Paths of more than 259 characters are refused (0).
    [[nodiscard]] int addSplit(const char* path, int nameOffset);
    // path = folder + name; refused (0) when longer than 259 characters.
    [[nodiscard]] int addJoined(const char* folder, const char* name);
    // removeAt (index) is the block's: later records move down; 0 for a bad index.
    [[nodiscard]] int getAt(int i, FileRecord& record) { return get(i, &record); }
    [[nodiscard]] int getPathAt(int i, char* out, int size);
    // The text from the record's nameOffset.
    [[nodiscard]] int getNameAt(int i, char* out, int size);
    template <size_t N> [[nodiscard]] int getPathAt(int i, char (&out)[N]) { return getPathAt(i, out, static_cast<int>(N)); }
    template <size_t N> [[nodiscard]] int getNameAt(int i, char (&out)[N]) { return getNameAt(i, out, static_cast<int>(N)); }
    // Count 0, then every record of the other list appended; 0 for a null argument.
    [[nodiscard]] int copyFrom(FileList* other);
    // 1 when a record's path equals the text ignoring ASCII case.
    [[nodiscard]] int contains(const char* text);
};
