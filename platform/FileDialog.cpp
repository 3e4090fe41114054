#include "platform/FileDialog.h"

#include <new>

#include "platform/ControlKinds.h"
#include "platform/FileSelection.h"
#include "platform/ImageList.h"
#include "platform/StringUtil.h"
#include "platform/TreeView.h"
#include "resources/ids.h"

int endsWithBackslash(const char* text)
{
    int length = StringUtil::length(text);
    return length > 0 && StringUtil::lastIndexOfChar(text, '\\') == length - 1;
}

FileDialog::FileDialog() : tree(new (std::nothrow) TreeView)
{
    if (tree) {
        // A tree without its folder pictures still works.
        if (ImageList* images = tree->images()) {
            if (images->create(16, 16, 2, 0)) {
                (void)images->addIcon(IDI_FOLDER_CLOSED);
                (void)images->addIcon(IDI_FOLDER_OPEN);
            }
        }
    }
}

FileDialog::~FileDialog() { delete tree; }

int FileDialog::run()
{
    static const int declared[][2] = {
        {IDOK, KIND_PUSH_BUTTON},          {IDCANCEL, KIND_PUSH_BUTTON},
        {kFolderField, KIND_TEXT_EDIT},    {kFolderTree, KIND_TREE_VIEW},
        {kDriveList, KIND_COMBO_BOX},      {kFileList, KIND_LIST_BOX},
        {kChosenList, KIND_LIST_BOX},      {kAddButton, KIND_PUSH_BUTTON},
        {kRemoveButton, KIND_PUSH_BUTTON}, {kAddAllButton, KIND_PUSH_BUTTON},
        {kRemoveAllButton, KIND_PUSH_BUTTON},
    };
    destroyControls();
    // A chooser without all of its controls could not work: it is not shown, as when the dialog
    // cannot be made.
    for (const auto& control : declared)
        if (!addControl(control[0], control[1]))
            return -1;
    setCaption("ファイル選択");
    return runModal(kResourceId);
}

const char* FileDialog::folder() const { return selection && selection->folder ? selection->folder->text : ""; }

void FileDialog::setFolder(const char* text)
{
    if (selection && selection->folder)
        StringUtil::copy(selection->folder->text, text ? text : "");
}

void FileDialog::initialise()
{
    attachControls();
    // Without its list or folder the chooser works as one without a selection: the buttons do
    // nothing.
    if (selection) {
        (void)selection->ensureList();
        (void)selection->ensureFolder();
    }
    // Names are joined to the folder as they are, so the folder ends with a backslash.
    if (selection && selection->folder) {
        char* text = selection->folder->text;
        if (text[0] && !endsWithBackslash(text))
            StringUtil::append(selection->folder->text, "\\");
    }
    setText(kFolderField, folder());
    // A tree that cannot be filled stays empty; the file lists still work.
    if (tree) {
        (void)tree->attachToControl(this, kFolderTree);
        tree->setImageList();
    }
    fillDriveList();
    (void)fillTree();
    listChosenFiles();
    listFolderFiles();
    updateButtons();
}

int FileDialog::handleMessage()
{
    int controlId = currentControl ? currentControl->id : 0;
    switch (event) {
    case DLG_INIT:
        initialise();
        return 0;
    case DLG_CHANGE:
        // A folder typed into the field is taken when the dialog ends.
        return getCommandId() == kFolderField ? 1 : 0;
    case DLG_DOUBLE_CLICK:
        if (getCommandId() == kFileList) {
            addSelectedFile();
            return 1;
        }
        return 0;
    case DLG_COMMAND:
    case DLG_CLICK:
        switch (controlId) {
        case kAddButton:
            addSelectedFile();
            return 1;
        case kRemoveButton:
            removeSelectedFile();
            return 1;
        case kAddAllButton:
            addAllFiles();
            return 1;
        case kRemoveAllButton:
            removeAllFiles();
            return 1;
        case IDOK:
            if (selection && selection->folder) {
                char typed[260];
                (void)getText(kFolderField, typed, sizeof typed); // 0 also for an empty field
                setFolder(typed);
            }
            end();
            return 1;
        case IDCANCEL:
            end();
            return 1;
        default:
            return 0;
        }
    case DLG_NOTIFY: {
        auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && header->idFrom == kFolderTree)
            return onTreeNotify(reinterpret_cast<const NMTREEVIEWA*>(lParam));
        return 0;
    }
    case DLG_SELECTION:
        // The list or combo the message comes from, whichever control had the focus before.
        switch (getCommandId()) {
        case kDriveList:
            changeDrive();
            break;
        case kFileList:
        case kChosenList:
            updateButtons();
            break;
        default:
            break;
        }
        return 0;
    default:
        return 0;
    }
}

int FileDialog::onTreeNotify(const NMTREEVIEWA* notice)
{
    if (!tree)
        return 0;
    switch (notice->hdr.code) {
    case TVN_ITEMEXPANDINGA:
        if (notice->action & TVE_EXPAND)
            tree->setItemImage(notice->itemNew.hItem, kOpenFolderImage);
        else if (notice->action & TVE_COLLAPSE)
            tree->setItemImage(notice->itemNew.hItem, kClosedFolderImage);
        return 0;   // a non-zero answer would stop the expansion
    case TVN_ITEMEXPANDEDA:
        if (notice->action & TVE_EXPAND)
            addSubFoldersOfChildren(notice->itemNew.hItem);
        return 0;
    case TVN_SELCHANGEDA: {
        if (!notice->itemNew.hItem || fillingTree)
            return 0;
        char path[260];
        int length = itemPath(notice->itemNew.hItem, path, sizeof path);
        if (length < 1)
            return 0;
        if (!endsWithBackslash(path))
            StringUtil::append(path, "\\");
        setFolder(path);
        setText(kFolderField, folder());
        listFolderFiles();
        updateButtons();
        return 0;
    }
    default:
        return 0;
    }
}

void FileDialog::listFolderFiles()
{
    Control* files = findControl(kFileList);
    if (!files)
        return;
    files->reset();
    const char* base = folder();
    if (!base[0])
        return;
    char pattern[270];
    StringUtil::copy(pattern, base);
    StringUtil::append(pattern, "*.*");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    const DWORD skipped = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    do {
        if (found.dwFileAttributes & skipped)
            continue;
        if (selection && selection->isExcluded(found.cFileName))
            continue;
        char path[260];
        StringUtil::copy(path, base);
        if (StringUtil::length(path) + StringUtil::length(found.cFileName) >= static_cast<int>(sizeof path))
            continue;   // a path the chosen list could not keep
        StringUtil::append(path, found.cFileName);
        if (selection && selection->list && selection->list->contains(path))
            continue;
        files->addString(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void FileDialog::listChosenFiles()
{
    Control* chosen = findControl(kChosenList);
    if (!chosen)
        return;
    chosen->reset();
    if (!selection || !selection->list)
        return;
    char name[260];
    for (int i = 0; i < selection->list->count; ++i)
        if (selection->list->getNameAt(i, name))
            chosen->addString(name);
}

void FileDialog::addSelectedFile()
{
    Control* files = findControl(kFileList);
    if (!files || !selection || !selection->list)
        return;
    int index = files->getSelection();
    char name[260];
    if (index < 0 || files->getTextAt(index, name, sizeof name) < 1)
        return;
    if (!selection->list->addJoined(folder(), name))
        return;
    listChosenFiles();
    files->deleteString(index);
    updateButtons();
}

void FileDialog::addAllFiles()
{
    Control* files = findControl(kFileList);
    if (!files || !selection || !selection->list)
        return;
    char name[260];
    int count = files->count();
    bool complete = true;
    for (int i = 0; i < count && complete; ++i)
        if (files->getTextAt(i, name, sizeof name) > 0 && !selection->list->addJoined(folder(), name))
            complete = false; // a list that cannot grow has told the user
    // The files not taken stay in the file list.
    if (complete)
        files->reset();
    else
        listFolderFiles();
    listChosenFiles();
    updateButtons();
}

void FileDialog::removeSelectedFile()
{
    Control* chosen = findControl(kChosenList);
    if (!chosen || !selection || !selection->list)
        return;
    int index = chosen->getSelection();
    if (index < 0 || !selection->list->removeAt(index))
        return;
    listChosenFiles();
    listFolderFiles();
    updateButtons();
}

void FileDialog::removeAllFiles()
{
    if (!selection || !selection->list)
        return;
    selection->list->count = 0;
    listChosenFiles();
    listFolderFiles();
    updateButtons();
}

void FileDialog::updateButtons()
{
    Control* files = findControl(kFileList);
    Control* chosen = findControl(kChosenList);
    if (!files || !chosen)
        return;
    enableControl(kAddButton, files->getSelection() >= 0);
    enableControl(kRemoveButton, chosen->getSelection() >= 0);
    enableControl(kAddAllButton, files->count() > 0);
    enableControl(kRemoveAllButton, chosen->count() > 0);
}
