// The system open and save dialogs as the program fills them in, with a stand-in for the user.
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <windows.h>

#include "platform/CommonFileDialog.h"
#include "platform/FileName.h"
#include "platform/FrameWindow.h"
#include "tests/support/RecordingDialog.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

namespace {

// The user's part: sees the record and may type a name and choose a filter.
std::function<BOOL(OPENFILENAMEA*)> user;
BOOL answer(OPENFILENAMEA* record) { return user(record); }

// The user types `typed` in the folder C:\dwg and picks filter `filter` (1-based).
std::function<BOOL(OPENFILENAMEA*)> types(const char* typed, int filter)
{
    return [typed, filter](OPENFILENAMEA* record) {
        std::string path = std::string("C:\\dwg\\") + typed;
        lstrcpynA(record->lpstrFile, path.c_str(), static_cast<int>(record->nMaxFile));
        lstrcpynA(record->lpstrFileTitle, typed, static_cast<int>(record->nMaxFileTitle));
        record->nFilterIndex = static_cast<DWORD>(filter);
        return TRUE;
    };
}

class FileDialogStandIns {
public:
    FileDialogStandIns() : open_(setOpenFileFunction(answer)), save_(setSaveFileFunction(answer)) {}
    ~FileDialogStandIns()
    {
        setOpenFileFunction(open_);
        setSaveFileFunction(save_);
        user = nullptr;
    }

private:
    FileDialogFunction open_;
    FileDialogFunction save_;
};

std::string saved(CommonFileDialog& dialog, const char* typed, int filter)
{
    user = types(typed, filter);
    FileName name;
    if (!dialog.askSaveFile(name))
        return "(cancelled)";
    return std::string(name.getPath()) + " | " + name.getTitle();
}

TEST(CommonFileDialog, TheChosenFiltersExtensionIsAddedToATypedName)
{
    FileDialogStandIns standIns;
    CommonFileDialog dialog;
    ASSERT_TRUE(dialog.addFilter("テキスト(*.txt)", "*.txt"));
    // Without the flag the name stays as typed.
    EXPECT_EQ(saved(dialog, "a", 2), "C:\\dwg\\a | a");
    dialog.addExtension = 1;
    EXPECT_EQ(saved(dialog, "a", 2), "C:\\dwg\\a.txt | a.txt");
    EXPECT_EQ(saved(dialog, "a.doc", 2), "C:\\dwg\\a.doc | a.doc");
    EXPECT_EQ(saved(dialog, "a", 1), "C:\\dwg\\a | a");   // "*.*" has no extension to give
    dialog.replaceExtension = 1;
    EXPECT_EQ(saved(dialog, "a.doc", 2), "C:\\dwg\\a.txt | a.txt");
    EXPECT_EQ(saved(dialog, "a.doc", 1), "C:\\dwg\\a.doc | a.doc");
    // A path that would reach 259 characters keeps its name as typed, and so does the title.
    std::string longName(248, 'n');
    EXPECT_EQ(saved(dialog, longName.c_str(), 2), "C:\\dwg\\" + longName + " | " + longName);
    longName.resize(247);
    EXPECT_EQ(saved(dialog, longName.c_str(), 2), "C:\\dwg\\" + longName + ".txt | " + longName + ".txt");
    // A folder name with a dot does not count as the file's extension.
    user = [](OPENFILENAMEA* record) {
        lstrcpyA(record->lpstrFile, "C:\\v1.2\\plan");
        lstrcpyA(record->lpstrFileTitle, "plan");
        record->nFilterIndex = 2;
        return TRUE;
    };
    FileName name;
    ASSERT_EQ(dialog.askSaveFile(name), 1);
    EXPECT_STREQ(name.getPath(), "C:\\v1.2\\plan.txt");

    // Cancelling leaves the name as it was.
    user = [](OPENFILENAMEA*) { return FALSE; };
    EXPECT_EQ(dialog.askSaveFile(name), 0);
    EXPECT_STREQ(name.getPath(), "C:\\v1.2\\plan.txt");
}

TEST(CommonFileDialog, FiltersAreJoinedDoublyTerminatedAndCanBeReplaced)
{
    FileDialogStandIns standIns;
    CommonFileDialog dialog;
    EXPECT_STREQ(dialog.title, "別名で保存");
    ASSERT_TRUE(dialog.addFilter("テキスト(*.txt)", "*.txt"));
    int length = 0;
    const char* joined = dialog.buildFilterString(&length);
    ASSERT_NE(joined, nullptr);
    const char expected[] = "すべて(*.*)\0*.*\0テキスト(*.txt)\0*.txt\0\0";
    EXPECT_EQ(std::string(joined, static_cast<size_t>(length)), std::string(expected, sizeof expected - 1));

    // Documents put their own type first: then a typed name gets its extension.
    dialog.clearFilters();
    EXPECT_EQ(dialog.filterCount(), 0);
    EXPECT_EQ(std::string(dialog.buildFilterString(&length), 2), std::string("\0\0", 2));
    ASSERT_TRUE(dialog.addFilter("Tesvan CAD(*.ycx)", "*.ycx"));
    ASSERT_TRUE(dialog.addFilter("すべて(*.*)", "*.*"));
    dialog.addExtension = 1;
    std::string seenFilter;
    user = [&seenFilter](OPENFILENAMEA* record) {
        seenFilter = record->lpstrFilter;
        EXPECT_EQ(record->nFilterIndex, 1u);
        lstrcpyA(record->lpstrFile, "C:\\dwg\\a");
        lstrcpyA(record->lpstrFileTitle, "a");
        return TRUE;
    };
    FileName name;
    ASSERT_EQ(dialog.askSaveFile(name), 1);
    EXPECT_EQ(seenFilter, "Tesvan CAD(*.ycx)");
    EXPECT_STREQ(name.getPath(), "C:\\dwg\\a.ycx");
}

TEST(CommonFileDialog, TheRecordOpensAFolderWithTheFirstPatternForItsOwner)
{
    TestApplication app;
    FileDialogStandIns standIns;
    RecordingFrame frame;
    ASSERT_EQ(frame.create(), 1);
    ScopedOverride appFrame(theApplication->frame, &frame);
    CommonFileDialog dialog;
    dialog.clearFilters();
    ASSERT_TRUE(dialog.addFilter("Tesvan CAD(*.ycx)", "*.ycx"));
    OPENFILENAMEA seen = {};
    std::string file;
    user = [&](OPENFILENAMEA* record) {
        seen = *record;
        file = record->lpstrFile;
        return FALSE;
    };
    FileName name;
    ASSERT_TRUE(name.setPathAndTitle("C:\\dwg\\"));
    EXPECT_EQ(dialog.askOpenFile(name), 0);
    EXPECT_EQ(file, "C:\\dwg\\*.ycx");
    EXPECT_EQ(seen.lStructSize, sizeof(OPENFILENAMEA));
    EXPECT_EQ(seen.Flags, static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY));
    EXPECT_EQ(seen.hwndOwner, frame.hwnd());
    EXPECT_EQ(seen.nMaxFile, 260u);
    EXPECT_STREQ(name.getPath(), "C:\\dwg\\");

    // A drive alone; the save dialog over a dialog of the program.
    RecordingModeless owner;
    ASSERT_EQ(owner.create(29001), 1);
    ASSERT_TRUE(name.setPathAndTitle("D:"));
    dialog.clearFilters();
    EXPECT_EQ(dialog.askSaveFileOwned(name, &owner), 0);
    EXPECT_EQ(file, "D:*.");
    EXPECT_EQ(seen.Flags, static_cast<DWORD>(OFN_PATHMUSTEXIST));
    EXPECT_EQ(seen.hwndOwner, owner.hwnd);
    owner.destroy();

    // The chosen file of an open dialog.
    user = [](OPENFILENAMEA* record) {
        lstrcpyA(record->lpstrFile, "C:\\dwg\\plan.ycx");
        lstrcpyA(record->lpstrFileTitle, "plan.ycx");
        return TRUE;
    };
    ASSERT_EQ(dialog.askOpenFile(name), 1);
    EXPECT_STREQ(name.getPath(), "C:\\dwg\\plan.ycx");
    EXPECT_STREQ(name.getTitle(), "plan.ycx");
    frame.destroy();
}

} // namespace
