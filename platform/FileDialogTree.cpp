// The drive list and the folder tree of the program's own file chooser.
#include "platform/Drives.h"
#include "platform/FileDialog.h"
#include "platform/FileSelection.h"
#include "platform/StringUtil.h"
#include "platform/TreeView.h"

namespace {
// An item's data: 1 once its sub-folders were added.
const LPARAM kSubFoldersAdded = 1;

bool isListedFolder(const WIN32_FIND_DATAA& found)
{
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    if (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))
        return false;
    return !StringUtil::equals(found.cFileName, ".") && !StringUtil::equals(found.cFileName, "..");
}
} // namespace

void FileDialog::fillDriveList()
{
    Control* drives = findControl(kDriveList);
    if (!drives)
        return;
    drives->reset();
    for (int drive = 0; drive < 32; ++drive) {
        char root[4];
        char label[130];
        if (!driveInfo(drive, root, sizeof root, label, sizeof label, 0, 1))
            continue;
        char text[160];
        StringUtil::copy(text, root);
        StringUtil::append(text, " ");
        StringUtil::append(text, label);
        drives->addString(text);
    }
    if (!currentDrive[0]) {
        // The folder's drive when the folder names one, else C:.
        const char* text = folder();
        int length = StringUtil::length(text);
        int named = StringUtil::indexOfAny(text, 0, length < 15 ? length : 15, "\\:", 2) >= 0;
        if (named && text[0] && text[1]) {
            currentDrive[0] = StringUtil::toUpperChar(text[0]);
            currentDrive[1] = text[1];
            currentDrive[2] = 0;
        } else {
            StringUtil::copy(currentDrive, "C:");
        }
    }
    drives->selectByPrefix(currentDrive, 1);
    driveIndex = drives->getSelection();
}

void FileDialog::changeDrive()
{
    Control* drives = findControl(kDriveList);
    if (!drives)
        return;
    int chosen = drives->getSelection();
    if (chosen == driveIndex)
        return;
    char text[256];
    // Without a selection the text is empty: fillTree refuses it and the drive shown stays.
    (void)drives->getSelectedText(text, sizeof text);
    char shown[sizeof currentDrive];
    StringUtil::copy(shown, currentDrive);
    StringUtil::copyN(currentDrive, text, 2);
    if (!fillTree()) {
        // An empty removable drive, say: the drive shown before stays chosen, and its tree.
        StringUtil::copy(currentDrive, shown);
        drives->select(driveIndex);
        return;
    }
    driveIndex = chosen;
    setFolder(currentDrive);
    setText(kFolderField, folder());
    listFolderFiles();
    updateButtons();
}

int FileDialog::fillTree()
{
    if (!tree || !currentDrive[0])
        return 0;
    char root[4] = {currentDrive[0], ':', '\\', 0};
    if (GetFileAttributesA(root) == INVALID_FILE_ATTRIBUTES)
        return 0;
    StringUtil::copy(currentDrive, root);
    // The tree announces the selections made here; they are not the user's choice of folder.
    fillingTree = 1;
    tree->deleteAll();
    HTREEITEM top = tree->insertItem(nullptr, root, 0);
    addSubFolders(top);
    tree->setItemImage(top, kOpenFolderImage);
    const char* text = folder();
    if (StringUtil::toUpperChar(text[0]) != StringUtil::toUpperChar(root[0])) {
        tree->expandItem(top);
        addSubFoldersOfChildren(top);
    } else {
        openFolderPath(top);
        addSubFoldersOfChildren(top);
    }
    fillingTree = 0;
    return 1;
}

void FileDialog::openFolderPath(HTREEITEM top)
{
    const char* text = folder();
    HTREEITEM deepest = top;
    // The components after the root ("C:\").
    int start = 3;
    int length = StringUtil::length(text);
    while (start < length) {
        int end = StringUtil::indexOfAny(text, start, length, "\\", 1);
        if (end < 0)
            end = length;
        char component[260];
        StringUtil::copyN(component, text + start, end - start);
        start = end + 1;
        if (!component[0])
            continue;
        HTREEITEM match = nullptr;
        char name[260];
        for (HTREEITEM child = tree->firstChild(deepest); child; child = tree->nextSibling(child)) {
            if (tree->getItemText(child, name, sizeof name) && StringUtil::equalsNoCase(name, component)) {
                match = child;
                break;
            }
        }
        if (!match)
            break;
        addSubFolders(match);
        deepest = match;
    }
    tree->selectItem(deepest);
}

void FileDialog::addSubFolders(HTREEITEM item)
{
    if (!tree || !item || tree->exchangeItemData(item, kSubFoldersAdded) == kSubFoldersAdded)
        return;
    char pattern[270];
    if (itemPath(item, pattern, 260) < 1)
        return;
    if (!endsWithBackslash(pattern))
        StringUtil::append(pattern, "\\");
    StringUtil::append(pattern, "*.*");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (isListedFolder(found))
            (void)tree->insertItem(item, found.cFileName, 0); // a folder the tree refuses is left out
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void FileDialog::addSubFoldersOfChildren(HTREEITEM item)
{
    if (!tree || !item)
        return;
    for (HTREEITEM child = tree->firstChild(item); child; child = tree->nextSibling(child))
        addSubFolders(child);
}

int FileDialog::itemPath(HTREEITEM item, char* buffer, int size)
{
    if (!buffer || size < 1)
        return 0;
    buffer[0] = 0;
    if (!tree || !item)
        return 0;
    // Every level adds at least two characters, so a path that fits has fewer levels than this.
    HTREEITEM chain[140];
    int depth = 0;
    for (HTREEITEM at = item; at; at = tree->parent(at)) {
        if (depth == static_cast<int>(sizeof chain / sizeof chain[0]))
            return 0;
        chain[depth++] = at;
    }
    char name[260];
    int length = 0;
    while (depth > 0) {
        if (!tree->getItemText(chain[--depth], name, sizeof name))
            return 0;
        int separator = length > 0 && !endsWithBackslash(buffer) ? 1 : 0;
        int nameLength = StringUtil::length(name);
        if (length + separator + nameLength >= size)
            return 0;
        if (separator)
            StringUtil::append(buffer, size, "\\");
        StringUtil::append(buffer, size, name);
        length += separator + nameLength;
    }
    return length;
}
