// The progress window of file input and output: it shows, moves its bar, and a click on Cancel
// stops a save, which then leaves the old file as it was.
#include <gtest/gtest.h>
#include <string>
#include <windows.h>
#include <commctrl.h>

#include "document/FileProgressWindow.h"
#include "tests/document/DrawingFixture.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestResources.h"

using namespace drawing_fixture;

namespace {

TEST(FileProgressWindow, ShowsMovesAndTakesCancel)
{
    TestApplication app;
    FileProgressWindow window(IDD_TEST_CONTROLS, IDC_TEST_PROGRESS);
    EXPECT_EQ(window.hwnd, nullptr);
    window.begin(0, 200);
    ASSERT_NE(window.hwnd, nullptr);
    EXPECT_TRUE(IsWindowVisible(window.hwnd));
    char caption[32] = {};
    GetWindowTextA(window.hwnd, caption, sizeof caption);
    EXPECT_STREQ(caption, "file in/out");
    window.step(50);
    EXPECT_EQ(SendDlgItemMessageA(window.hwnd, IDC_TEST_PROGRESS, PBM_GETPOS, 0, 0), 25);
    EXPECT_EQ(window.cancelled(), 0);

    PostMessageA(window.hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window.hwnd, IDCANCEL)));
    window.step(100);
    EXPECT_EQ(window.cancelled(), 1);
    EXPECT_TRUE(IsWindow(window.hwnd)) << "Cancel leaves the window to its owner";

    // Without its resource there is no window, and nothing is pumped or cancelled.
    FileProgressWindow missing(31999, 15152);
    missing.begin(0, 10);
    missing.step(5);
    EXPECT_EQ(missing.hwnd, nullptr);
    EXPECT_EQ(missing.cancelled(), 0);
}

TEST(FileProgressWindow, TheProgramsOwnWindowHasItsBarAndCancel)
{
    TestApplication app;
    FileProgressWindow window;
    window.begin(0, 1000);
    ASSERT_NE(window.hwnd, nullptr);
    EXPECT_NE(GetDlgItem(window.hwnd, 15152), nullptr);
    EXPECT_NE(GetDlgItem(window.hwnd, IDCANCEL), nullptr);
    window.step(500);
    EXPECT_EQ(SendDlgItemMessageA(window.hwnd, 15152, PBM_GETPOS, 0, 0), 50);
}

TEST(FileProgressWindow, CancelDuringASaveKeepsTheOldFile)
{
    TestApplication app;
    ScratchFolder scratch;
    const std::string old = "the drawing as it was";
    std::string path = scratch.file("keep.ycx", old);
    TestDrawing drawing;
    ShapeValues values;
    for (int i = 0; i < 3; ++i)
        drawing.add(1, 1, values);
    drawing.context.setPathAndTitle(path.c_str());

    // The click waits in the queue; the writer's first step delivers it.
    makeFileProgress = [] {
        auto* window = new FileProgressWindow(IDD_TEST_CONTROLS, IDC_TEST_PROGRESS);
        window->begin(0, 0);
        PostMessageA(window->hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window->hwnd, IDCANCEL)));
        return static_cast<FileProgress*>(window);
    };
    EXPECT_EQ(drawing.context.save(), 0);
    makeFileProgress = nullptr;
    EXPECT_EQ(ScratchFolder::read(path), old);
    EXPECT_EQ(filesIn(scratch), 1);
    EXPECT_EQ(drawing.context.isModified(), 1);
}

} // namespace
