// The program's own chooser of several files, run modally and driven by messages.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>
#include <commctrl.h>

#include "platform/FileDialog.h"
#include "platform/FileSelection.h"
#include "platform/ImageList.h"
#include "platform/TreeView.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

namespace {

std::vector<std::string> rows(HWND window, int id)
{
    HWND list = GetDlgItem(window, id);
    std::vector<std::string> texts;
    int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[300] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        texts.push_back(text);
    }
    return texts;
}

void command(HWND window, int id, int notification)
{
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, notification), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

// Selects a row of a list as a click would.
void pick(HWND window, int id, int row)
{
    SendMessageA(GetDlgItem(window, id), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    command(window, id, LBN_SELCHANGE);
}

// The enabled buttons among add, remove, add all, remove all, as "+-" flags.
std::string buttons(HWND window)
{
    std::string flags;
    for (int id : {FileDialog::kAddButton, FileDialog::kRemoveButton, FileDialog::kAddAllButton,
                   FileDialog::kRemoveAllButton})
        flags += IsWindowEnabled(GetDlgItem(window, id)) ? '+' : '-';
    return flags;
}

std::string fieldText(HWND window, int id)
{
    char text[300] = {};
    GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

using Rows = std::vector<std::string>;

// A scratch folder with three files, a hidden one and a sub-folder.
class ChooserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        scratch.file("b.txt", "b");
        scratch.file("a.txt", "a");
        scratch.file("c.doc", "c");
        std::string hidden = scratch.file("h.txt", "h");
        SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
        CreateDirectoryA(scratch.pathOf("sub").c_str(), nullptr);
        ASSERT_TRUE(selection.ensureFolder());
        lstrcpyA(selection.folder->text, scratch.path().c_str());
    }
    void TearDown() override
    {
        SetFileAttributesA(scratch.pathOf("h.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryA(scratch.pathOf("sub").c_str());
    }
    std::string chosen(int i)
    {
        char path[260] = {};
        return selection.list && selection.list->getPathAt(i, path) ? path : "";
    }

    TestApplication app;
    ScratchFolder scratch;
    FileSelection selection;
};

TEST_F(ChooserTest, ChosenFilesLeaveTheFolderListAndComeBackWhenRemoved)
{
    FileDialog dialog;
    dialog.setSelection(&selection);
    INT_PTR result = driveModalDialog([&] { return dialog.run(); }, [&](HWND window) {
        EXPECT_EQ(fieldText(window, FileDialog::kFolderField), scratch.path());
        EXPECT_EQ(rows(window, FileDialog::kFileList), (Rows{"a.txt", "b.txt", "c.doc"}));
        EXPECT_TRUE(rows(window, FileDialog::kChosenList).empty());
        EXPECT_EQ(buttons(window), "--+-");

        pick(window, FileDialog::kFileList, 0);
        EXPECT_EQ(buttons(window), "+-+-");
        command(window, FileDialog::kAddButton, BN_CLICKED);
        EXPECT_EQ(rows(window, FileDialog::kFileList), (Rows{"b.txt", "c.doc"}));
        EXPECT_EQ(rows(window, FileDialog::kChosenList), (Rows{"a.txt"}));
        EXPECT_EQ(chosen(0), scratch.pathOf("a.txt"));
        EXPECT_EQ(buttons(window), "--++");

        pick(window, FileDialog::kChosenList, 0);
        EXPECT_EQ(buttons(window), "-+++");
        command(window, FileDialog::kRemoveButton, BN_CLICKED);
        EXPECT_EQ(rows(window, FileDialog::kFileList), (Rows{"a.txt", "b.txt", "c.doc"}));
        EXPECT_TRUE(rows(window, FileDialog::kChosenList).empty());
        EXPECT_EQ(buttons(window), "--+-");

        // A double-click adds the file at once.
        SendMessageA(GetDlgItem(window, FileDialog::kFileList), LB_SETCURSEL, 1, 0);
        command(window, FileDialog::kFileList, LBN_DBLCLK);
        EXPECT_EQ(rows(window, FileDialog::kChosenList), (Rows{"b.txt"}));

        command(window, FileDialog::kAddAllButton, BN_CLICKED);
        EXPECT_TRUE(rows(window, FileDialog::kFileList).empty());
        EXPECT_EQ(rows(window, FileDialog::kChosenList), (Rows{"b.txt", "a.txt", "c.doc"}));
        EXPECT_EQ(buttons(window), "---+");
        command(window, FileDialog::kRemoveAllButton, BN_CLICKED);
        EXPECT_EQ(rows(window, FileDialog::kFileList).size(), 3u);
        EXPECT_EQ(buttons(window), "--+-");

        pick(window, FileDialog::kFileList, 2);
        command(window, FileDialog::kAddButton, BN_CLICKED);
        command(window, IDOK, BN_CLICKED);
    });
    EXPECT_EQ(result, 1);
    ASSERT_NE(selection.list, nullptr);
    EXPECT_EQ(selection.list->count, 1);
    EXPECT_EQ(chosen(0), scratch.pathOf("c.doc"));
    EXPECT_EQ(std::string(selection.folder->text), scratch.path());
}

TEST_F(ChooserTest, ChoosingKeepsTheListOnlyWhenConfirmed)
{
    selection.setExtensionFilter("txt");
    INT_PTR result = driveModalDialog([&] { return selection.choose(0); }, [&](HWND window) {
        EXPECT_EQ(rows(window, FileDialog::kFileList), (Rows{"a.txt", "b.txt"}));
        command(window, FileDialog::kAddAllButton, BN_CLICKED);
        command(window, IDOK, BN_CLICKED);
    });
    EXPECT_EQ(result, 1);
    ASSERT_EQ(selection.list->count, 2);

    // A folder typed into the field is taken with OK; Cancel puts the list back.
    result = driveModalDialog([&] { return selection.choose(0); }, [&](HWND window) {
        EXPECT_TRUE(rows(window, FileDialog::kFileList).empty());   // both are chosen already
        EXPECT_EQ(rows(window, FileDialog::kChosenList), (Rows{"a.txt", "b.txt"}));
        command(window, FileDialog::kRemoveAllButton, BN_CLICKED);
        SetDlgItemTextA(window, FileDialog::kFolderField, "C:\\typed\\");
        command(window, IDCANCEL, BN_CLICKED);
    });
    EXPECT_EQ(result, 2);
    EXPECT_EQ(selection.list->count, 2);
    EXPECT_EQ(std::string(selection.folder->text), scratch.path());

    result = driveModalDialog([&] { return selection.choose(0); }, [&](HWND window) {
        SetDlgItemTextA(window, FileDialog::kFolderField, "C:\\typed\\");
        command(window, IDOK, BN_CLICKED);
    });
    EXPECT_EQ(result, 1);
    EXPECT_STREQ(selection.folder->text, "C:\\typed\\");
}

TEST_F(ChooserTest, FilesTheListCannotTakeStayInTheFolderList)
{
    ASSERT_TRUE(selection.ensureList());
    MessageBoxScript boxes;
    FileDialog dialog;
    dialog.setSelection(&selection);
    INT_PTR result = driveModalDialog([&] { return dialog.run(); }, [&](HWND window) {
        pick(window, FileDialog::kFileList, 0);
        command(window, FileDialog::kAddButton, BN_CLICKED);
        EXPECT_EQ(selection.list->count, 1);
        // The block seems full and cannot grow, as when memory runs out: the next append fails.
        FileList& list = *selection.list;
        int capacity = list.capacity;
        int growthStep = list.growthStep;
        list.capacity = list.count + 1;
        list.growthStep = 0x7ffffff0;
        command(window, FileDialog::kAddAllButton, BN_CLICKED);
        list.capacity = capacity;
        list.growthStep = growthStep;
        EXPECT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(rows(window, FileDialog::kChosenList), (Rows{"a.txt"}));
        EXPECT_EQ(rows(window, FileDialog::kFileList), (Rows{"b.txt", "c.doc"}));
        command(window, IDCANCEL, BN_CLICKED);
    });
    EXPECT_EQ(result, 2);
}

TEST_F(ChooserTest, WithoutASelectionTheButtonsDoNothingAndOkEnds)
{
    FileDialog dialog;
    INT_PTR result = driveModalDialog([&] { return dialog.run(); }, [&](HWND window) {
        EXPECT_TRUE(rows(window, FileDialog::kFileList).empty());
        command(window, FileDialog::kAddAllButton, BN_CLICKED);
        command(window, FileDialog::kRemoveAllButton, BN_CLICKED);
        EXPECT_TRUE(rows(window, FileDialog::kChosenList).empty());
        command(window, IDOK, BN_CLICKED);
    });
    EXPECT_EQ(result, 1);
}

// GetFileAttributesA that finds no drive Z: (an empty removable drive, say).
void* originalAttributes = nullptr;
DWORD WINAPI noDriveZ(LPCSTR path)
{
    if (path && (path[0] == 'Z' || path[0] == 'z'))
        return INVALID_FILE_ATTRIBUTES;
    return reinterpret_cast<DWORD(WINAPI*)(LPCSTR)>(originalAttributes)(path);
}

TEST_F(ChooserTest, TheTreeShowsTheFolderAndAnUnreadableDriveIsNotChosen)
{
    FileDialog dialog;
    dialog.setSelection(&selection);
    ImportPatch patch("kernel32.dll", "GetFileAttributesA", reinterpret_cast<void*>(noDriveZ));
    originalAttributes = patch.original();
    ASSERT_NE(originalAttributes, nullptr);
    INT_PTR result = driveModalDialog([&] { return dialog.run(); }, [&](HWND window) {
        HWND drives = GetDlgItem(window, FileDialog::kDriveList);
        char text[64] = {};
        int chosenDrive = static_cast<int>(SendMessageA(drives, CB_GETCURSEL, 0, 0));
        SendMessageA(drives, CB_GETLBTEXT, static_cast<WPARAM>(chosenDrive), reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(std::string(text, 2), scratch.path().substr(0, 2));
        EXPECT_EQ(dialog.driveIndex, chosenDrive + 1);

        // The tree's root is the drive, opened down to the folder shown; its pictures are the
        // closed and the open folder.
        TreeView& tree = *dialog.tree;
        ASSERT_NE(tree.images(), nullptr);
        EXPECT_EQ(tree.images()->count(), 2);
        HTREEITEM root = tree.firstChild(nullptr);
        char path[260] = {};
        ASSERT_GT(dialog.itemPath(root, path, sizeof path), 0);
        EXPECT_EQ(std::string(path), scratch.path().substr(0, 3));
        HTREEITEM selected = reinterpret_cast<HTREEITEM>(
            SendMessageA(GetDlgItem(window, FileDialog::kFolderTree), TVM_GETNEXTITEM, TVGN_CARET, 0));
        ASSERT_NE(selected, nullptr);
        ASSERT_GT(dialog.itemPath(selected, path, sizeof path), 0);
        EXPECT_EQ(std::string(path) + "\\", scratch.path());
        EXPECT_EQ(fieldText(window, FileDialog::kFolderField), scratch.path());
        // Its sub-folders are known, so that it can be opened.
        HTREEITEM sub = tree.firstChild(selected);
        ASSERT_NE(sub, nullptr);
        EXPECT_TRUE(tree.getItemText(sub, path, sizeof path));
        EXPECT_STREQ(path, "sub");
        EXPECT_EQ(tree.nextSibling(sub), nullptr);

        // Opening a folder shows the open picture, closing it the closed one.
        NMTREEVIEWA notice = {};
        notice.hdr.hwndFrom = GetDlgItem(window, FileDialog::kFolderTree);
        notice.hdr.idFrom = FileDialog::kFolderTree;
        notice.hdr.code = TVN_ITEMEXPANDINGA;
        notice.action = TVE_EXPAND;
        notice.itemNew.hItem = selected;
        EXPECT_EQ(SendMessageA(window, WM_NOTIFY, FileDialog::kFolderTree, reinterpret_cast<LPARAM>(&notice)), 0);
        TVITEMA item = {};
        item.mask = TVIF_IMAGE;
        item.hItem = selected;
        SendMessageA(notice.hdr.hwndFrom, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(item.iImage, FileDialog::kOpenFolderImage);
        notice.action = TVE_COLLAPSE;
        SendMessageA(window, WM_NOTIFY, FileDialog::kFolderTree, reinterpret_cast<LPARAM>(&notice));
        SendMessageA(notice.hdr.hwndFrom, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(item.iImage, FileDialog::kClosedFolderImage);

        // Selecting a folder in the tree shows its files.
        tree.selectItem(root);
        EXPECT_EQ(fieldText(window, FileDialog::kFolderField), scratch.path().substr(0, 3));
        EXPECT_EQ(std::string(selection.folder->text), scratch.path().substr(0, 3));

        // Choosing the drive that cannot be read puts the earlier one back.
        int count = static_cast<int>(SendMessageA(drives, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            SendMessageA(drives, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            if (text[0] == 'Z') {
                SendMessageA(drives, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
                command(window, FileDialog::kDriveList, CBN_SELCHANGE);
                EXPECT_EQ(SendMessageA(drives, CB_GETCURSEL, 0, 0), chosenDrive);
                EXPECT_EQ(dialog.currentDrive[0], scratch.path()[0]);
            }
        }
        command(window, IDCANCEL, BN_CLICKED);
    });
    EXPECT_EQ(result, 2);
}

} // namespace
