#include "platform/CommonFileDialog.h"

#include <cstring>
#include <initializer_list>
#include <new>

#include "platform/Application.h"
#include "platform/Dialog.h"
#include "platform/FileName.h"
#include "platform/FrameWindow.h"
#include "platform/StringUtil.h"

namespace {
BOOL systemOpenFile(OPENFILENAMEA* record) { return GetOpenFileNameA(record); }
BOOL systemSaveFile(OPENFILENAMEA* record) { return GetSaveFileNameA(record); }

FileDialogFunction openFunction = systemOpenFile;
FileDialogFunction saveFunction = systemSaveFile;

// 1 when the text's last character is c (a trail byte of a two-byte character is no match).
bool endsWithChar(const char* text, char c)
{
    int length = StringUtil::length(text);
    return length > 0 && StringUtil::lastIndexOfChar(text, c) == length - 1;
}
} // namespace

FileDialogFunction setOpenFileFunction(FileDialogFunction function)
{
    FileDialogFunction previous = openFunction;
    openFunction = function ? function : systemOpenFile;
    return previous;
}

FileDialogFunction setSaveFileFunction(FileDialogFunction function)
{
    FileDialogFunction previous = saveFunction;
    saveFunction = function ? function : systemSaveFile;
    return previous;
}

CommonFileDialog::CommonFileDialog() : filters(3, sizeof(FileFilter)), record{}
{
    // A list that cannot grow has told the user; the dialogs then run without filters.
    (void)addFilter("すべて(*.*)", "*.*");
    StringUtil::copy(title, "別名で保存");
}

CommonFileDialog::~CommonFileDialog() { delete[] filterString; }

int CommonFileDialog::addFilter(const char* description, const char* pattern)
{
    FileFilter filter = {};
    StringUtil::copy(filter.description, description ? description : "");
    StringUtil::copy(filter.pattern, pattern ? pattern : "");
    return filters.append(&filter);
}

void CommonFileDialog::clearFilters() { filters.count = 0; }

const char* CommonFileDialog::buildFilterString(int* length)
{
    delete[] filterString;
    filterString = nullptr;
    int size = filters.count * static_cast<int>(sizeof(FileFilter)) + 10;
    filterString = new (std::nothrow) char[static_cast<size_t>(size)];
    if (!filterString)
        return nullptr;
    int used = 0;
    FileFilter filter;
    for (int i = 0; i < filters.count; ++i) {
        if (!filters.get(i, &filter))
            continue;
        // Each text with its NUL: both fit, the record's fields being terminated.
        for (const char* text : {filter.description, filter.pattern}) {
            int n = StringUtil::length(text);
            std::memcpy(filterString + used, text, static_cast<size_t>(n) + 1);
            used += n + 1;
        }
    }
    filterString[used++] = 0;
    if (used == 1)
        filterString[used++] = 0;   // an empty list is still two NULs
    if (length)
        *length = used;
    return filterString;
}

int CommonFileDialog::applyFilterExtension(char* text, int size, int index)
{
    FileFilter filter;
    if (!text || size < 1 || index < 0 || !filters.get(index, &filter))
        return 0;
    filter.pattern[sizeof filter.pattern - 1] = 0;
    const char* extension = StringUtil::findLastChar(filter.pattern, '.');
    if (!extension || StringUtil::findChar(extension, '*') || StringUtil::findChar(extension, '?'))
        return 0;
    int nameStart = StringUtil::lastIndexOfChar(text, '\\') + 1;
    int dot = StringUtil::lastIndexOfChar(text + nameStart, '.');
    int length = StringUtil::length(text);
    if (dot >= 0) {
        if (!replaceExtension)
            return 0;
        length = nameStart + dot;
    }
    int extensionLength = StringUtil::length(extension);
    if (length + extensionLength >= FileName::pathCapacity - 1 || length + extensionLength >= size)
        return 0;
    text[length] = 0;
    StringUtil::append(text, size, extension);
    return 1;
}

int CommonFileDialog::run(FileName& name, Dialog* owner, int save)
{
    char path[FileName::pathCapacity];
    char fileTitle[FileName::pathCapacity];
    StringUtil::copy(path, name.getPath());
    StringUtil::copy(fileTitle, name.getTitle());
    // A folder: the dialog opens in it, showing the first filter's files.
    if (endsWithChar(path, ':') || endsWithChar(path, '\\')) {
        FileFilter first;
        StringUtil::append(path, filters.count > 0 && filters.get(0, &first) ? first.pattern : "*.");
    }
    const char* joined = buildFilterString();

    std::memset(&record, 0, sizeof record);
    record.lStructSize = sizeof record;
    if (owner && owner->hwnd)
        record.hwndOwner = owner->hwnd;
    else if (theApplication && theApplication->frame)
        record.hwndOwner = theApplication->frame->hwnd();
    record.hInstance = theApplication && theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
    record.lpstrFilter = joined;
    record.nFilterIndex = 1;
    record.lpstrFile = path;
    record.nMaxFile = sizeof path;
    record.lpstrFileTitle = fileTitle;
    record.nMaxFileTitle = sizeof fileTitle;
    record.lpstrInitialDir = nullptr;
    record.Flags = save ? OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;

    BOOL chosen = save ? saveFunction(&record) : openFunction(&record);
    record.lpstrFilter = nullptr;
    record.lpstrFile = nullptr;
    record.lpstrFileTitle = nullptr;
    if (!chosen)
        return 0;
    path[sizeof path - 1] = 0;
    fileTitle[sizeof fileTitle - 1] = 0;
    if (save && addExtension) {
        // The title follows the path, so that both name the same file.
        int index = static_cast<int>(record.nFilterIndex) - 1;
        if (applyFilterExtension(path, sizeof path, index))
            applyFilterExtension(fileTitle, sizeof fileTitle, index);
    }
    if (!name.setPath(path))
        return 0;
    name.setTitle(fileTitle);
    return 1;
}

int CommonFileDialog::askOpenFileOwned(FileName& name, Dialog* owner) { return run(name, owner, 0); }

int CommonFileDialog::askSaveFileOwned(FileName& name, Dialog* owner) { return run(name, owner, 1); }
