#pragma once
#include <windows.h>
#include <commctrl.h>

#include "platform/Dialog.h"
#include "resources/ids.h"

class FileSelection;
class TreeView;

// 1 when the text's last character is a backslash (not the trail byte of a two-byte character).
[[nodiscard]] int endsWithBackslash(const char* text);

// The program's own chooser of several files (dialog 1105, "ファイル選択"): a folder tree with a
// drive list, the files of the current folder, and the list of chosen files with add and remove
// buttons. It works on the caller's FileSelection: the chosen files, the folder shown and an
// optional extension filter. Without a selection its buttons do nothing and OK only ends it.
class FileDialog : public Dialog {
public:
    enum {
        kResourceId = IDD_FILE_CHOOSER,
        kFolderField = IDC_FILE_FOLDER,
        kFolderTree = IDC_FILE_TREE,
        kDriveList = IDC_FILE_DRIVES,
        kFileList = IDC_FILE_FILES,
        kChosenList = IDC_FILE_CHOSEN,
        kAddButton = IDC_FILE_ADD,
        kRemoveButton = IDC_FILE_REMOVE,
        kAddAllButton = IDC_FILE_ADD_ALL,
        kRemoveAllButton = IDC_FILE_REMOVE_ALL,
    };
    // Pictures of the tree's image list.
    enum { kClosedFolderImage = 0, kOpenFolderImage = 1 };

    FileDialog();
    ~FileDialog() override;

    void setSelection(FileSelection* newSelection) { selection = newSelection; }
    // 1 for OK, 2 for Cancel (-1 when the dialog could not be made).
    [[nodiscard]] int run();
    [[nodiscard]] int handleMessage() override;

    // The operations of the buttons and lists (the dialog must be running).
    void addSelectedFile();
    void addAllFiles();
    void removeSelectedFile();
    void removeAllFiles();
    void listFolderFiles();
    void listChosenFiles();
    void updateButtons();
    // Drives and the folder tree.
    void fillDriveList();
    void changeDrive();
    // 0 when the drive's root cannot be read.
    [[nodiscard]] int fillTree();
    void addSubFolders(HTREEITEM item);
    void addSubFoldersOfChildren(HTREEITEM item);
    // The folder an item stands for, without a trailing backslash except at the root ("C:\");
    // its length, 0 when it does not fit.
    [[nodiscard]] int itemPath(HTREEITEM item, char* buffer, int size);

    FileSelection* selection = nullptr;
    char currentDrive[16] = {};
    int driveIndex = 0;   // the drive list's chosen entry, 1-based
    TreeView* tree = nullptr;   // owned
    // Set while the tree is being filled: its selections then do not change the folder.
    int fillingTree = 0;

private:
    void initialise();
    [[nodiscard]] int onTreeNotify(const NMTREEVIEWA* notice);
    // The selection's folder text ("" without one).
    [[nodiscard]] const char* folder() const;
    void setFolder(const char* text);
    void openFolderPath(HTREEITEM root);
};
