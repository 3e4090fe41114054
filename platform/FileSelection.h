#pragma once
#include "platform/FileList.h"

// The current folder of the program's own file chooser: a path of at most 259 characters.
class FolderPath {
public:
    FolderPath() { clear(); }
    void clear() { text[0] = 0; }
    void assign(const FolderPath& other);

    char text[260];
};

// What the program's own file chooser works on and hands back: the list of chosen files, the
// current folder and an optional extension filter.
class FileSelection {
public:
    FileSelection() = default;
    ~FileSelection();
    FileSelection(const FileSelection&) = delete;
    FileSelection& operator=(const FileSelection&) = delete;

    // Create the owned list / folder when absent (0 when that fails).
    [[nodiscard]] int ensureList();
    [[nodiscard]] int ensureFolder();
    void releaseList();
    void releaseFolder();

    // Kept only when shorter than 8 characters.
    void setExtension(const char* text);
    // setExtension and the filter switched on.
    void setExtensionFilter(const char* text);
    void clearExtension();
    // With the filter on: 1 when the name has no '.' or its extension (from the last '.', or
    // after it when the filter's extension has no '.') differs from the filter's ignoring case.
    [[nodiscard]] int isExcluded(const char* name) const;
    // Runs the program's own file chooser on this selection (the mode is kept for callers and
    // not used); unless it is confirmed (1), the list is what it was before. The chooser's result.
    [[nodiscard]] int choose(int mode);

    FileList* list = nullptr;
    int listOwned = 0;
    FolderPath* folder = nullptr;
    int folderOwned = 0;
    char extension[8] = {};
    int filterOn = 0;
};
