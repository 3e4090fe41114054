#include "platform/FileSelection.h"

#include <cstring>
#include <new>

#include "platform/FileDialog.h"
#include "platform/StringUtil.h"

void FolderPath::assign(const FolderPath& other) { std::memcpy(text, other.text, sizeof text); }

FileSelection::~FileSelection()
{
    releaseList();
    releaseFolder();
}

int FileSelection::ensureList()
{
    if (!list) {
        list = new (std::nothrow) FileList;
        listOwned = list != nullptr;
    }
    return list != nullptr;
}

int FileSelection::ensureFolder()
{
    if (!folder) {
        folder = new (std::nothrow) FolderPath;
        folderOwned = folder != nullptr;
    }
    return folder != nullptr;
}

void FileSelection::releaseList()
{
    if (list && listOwned)
        delete list;
    list = nullptr;
    listOwned = 0;
}

void FileSelection::releaseFolder()
{
    if (folder && folderOwned)
        delete folder;
    folder = nullptr;
    folderOwned = 0;
}

void FileSelection::setExtension(const char* text)
{
    if (text && StringUtil::length(text) < static_cast<int>(sizeof extension))
        StringUtil::copy(extension, text);
}

void FileSelection::setExtensionFilter(const char* text)
{
    setExtension(text);
    filterOn = 1;
}

void FileSelection::clearExtension()
{
    extension[0] = 0;
    filterOn = 0;
}

int FileSelection::isExcluded(const char* name) const
{
    if (!filterOn)
        return 0;
    int dot = name ? StringUtil::lastIndexOfChar(name, '.') : -1;
    if (dot < 0)
        return 1;
    const char* own = StringUtil::findChar(extension, '.') ? name + dot : name + dot + 1;
    return StringUtil::equalsNoCase(own, extension) ? 0 : 1;
}

int FileSelection::choose(int /*mode*/)
{
    if (!ensureList() || !ensureFolder())
        return 0;
    FileList before;
    if (!before.copyFrom(list))
        return 0;
    FileDialog dialog;
    dialog.setSelection(this);
    int result = dialog.run();
    // The list held these records before and its block never shrinks: the copy back needs no new
    // memory and cannot fail.
    if (result != 1)
        (void)list->copyFrom(&before);
    return result;
}
