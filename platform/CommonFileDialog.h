#pragma once
#include <windows.h>
#include <commdlg.h>

#include "platform/GlobalBlock.h"

class Dialog;
class FileName;

// The system's open and save dialogs are reached through replaceable functions, so that tests
// can stand in for the user (the dialogs block without a screen). A replacement gets exactly the
// record GetOpenFileNameA / GetSaveFileNameA would.
using FileDialogFunction = BOOL (*)(OPENFILENAMEA* record);
// Each installs a replacement (null restores the system dialog) and returns the previous one.
FileDialogFunction setOpenFileFunction(FileDialogFunction function);
FileDialogFunction setSaveFileFunction(FileDialogFunction function);

// One entry of the dialogs' file-type list.
struct FileFilter {
    char description[260];
    char pattern[80];
};
static_assert(sizeof(FileFilter) == 340, "filter records are 340 bytes");

// The system open and save dialogs for one file, with a list of file-type filters. A new object
// lists "すべて(*.*)"; callers that want their own type first clear the list before adding theirs.
class CommonFileDialog {
public:
    CommonFileDialog();
    ~CommonFileDialog();
    CommonFileDialog(const CommonFileDialog&) = delete;
    CommonFileDialog& operator=(const CommonFileDialog&) = delete;

    // Texts longer than the record's fields are cut; 0 when the list cannot grow.
    [[nodiscard]] int addFilter(const char* description, const char* pattern);
    void clearFilters();
    [[nodiscard]] int filterCount() const { return filters.count; }

    // 1 when a file was chosen; the name then holds its path and its file name as title.
    [[nodiscard]] int askOpenFile(FileName& name) { return askOpenFileOwned(name, nullptr); }
    [[nodiscard]] int askOpenFileOwned(FileName& name, Dialog* owner);
    [[nodiscard]] int askSaveFile(FileName& name) { return askSaveFileOwned(name, nullptr); }
    [[nodiscard]] int askSaveFileOwned(FileName& name, Dialog* owner);

    // The filters joined as description, NUL, pattern, NUL, ..., with one more NUL at the end;
    // null when it could not be made. Its length in bytes, the final NUL included.
    [[nodiscard]] const char* buildFilterString(int* length = nullptr);
    // Gives the text (at most size - 1 bytes) the extension of filter `index` (0-based) as the
    // save dialog does with addExtension set: a text whose file name has an extension keeps it
    // unless replaceExtension is set; a pattern without a plain extension ("*.*") adds nothing,
    // and so does a result that would reach 259 characters. 1 when the text was changed.
    int applyFilterExtension(char* text, int size, int index);

    GlobalBlock filters;        // FileFilter records
    char title[80] = {};
    int addExtension = 0;
    int replaceExtension = 0;
    OPENFILENAMEA record;
    char* filterString = nullptr;   // owned

private:
    [[nodiscard]] int run(FileName& name, Dialog* owner, int save);
};
