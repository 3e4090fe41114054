// The progress window of file input and output: it shows, moves its bar, and a click on Cancel
// stops a save, which then leaves the old file as it was. While it is up no other window of the
// program takes input.
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>
#include <commctrl.h>

#include "document/FileProgressWindow.h"
#include "tests/document/DrawingFixture.h"
#include "tests/support/ScopedOverride.h"
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
        ASSERT_EQ(drawing.add(1, ElementKind::Line, values), 1);
    ASSERT_EQ(drawing.context.setPathAndTitle(path.c_str()), 1);

    // The click waits in the queue; the writer's first step delivers it.
    {
        ScopedOverride progressHook(makeFileProgress, [] {
            auto* window = new FileProgressWindow(IDD_TEST_CONTROLS, IDC_TEST_PROGRESS);
            window->begin(0, 0);
            PostMessageA(window->hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(window->hwnd, IDCANCEL)));
            return static_cast<FileProgress*>(window);
        });
        EXPECT_EQ(drawing.context.save(), 0);
    }
    EXPECT_EQ(ScratchFolder::read(path), old);
    EXPECT_EQ(filesIn(scratch), 1);
    EXPECT_EQ(drawing.context.isModified(), 1);
}

bool has(const std::vector<int>& codes, int code) { return std::find(codes.begin(), codes.end(), code) != codes.end(); }

const int kLeftButtonDown = 12010;
const int kClose = 3010;

TEST(FileProgressWindow, WhileUpItIsTheOnlyWindowThatTakesInput)
{
    TestApplication app;
    RecordingFrame frame;
    ASSERT_EQ(frame.create(), 1);
    ScopedOverride appFrame(theApplication->frame, &frame);
    RecordingWindow other;
    ASSERT_TRUE(IsWindowEnabled(frame.hwnd()));

    auto window = std::make_unique<FileProgressWindow>(IDD_TEST_CONTROLS, IDC_TEST_PROGRESS);
    window->begin(0, 100);
    ASSERT_NE(window->hwnd, nullptr);
    EXPECT_EQ(GetWindow(window->hwnd, GW_OWNER), frame.hwnd()) << "it stays above the frame";
    EXPECT_FALSE(IsWindowEnabled(frame.hwnd()));

    // Clicks and close requests for other windows, then a click on Cancel.
    PostMessageA(frame.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageA(frame.hwnd(), WM_CLOSE, 0, 0);
    PostMessageA(other.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageA(other.hwnd(), WM_KEYDOWN, 'A', 0);
    PostMessageA(window->hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window->hwnd, IDCANCEL)));
    for (int i = 0; i < 10; ++i)
        window->step(i);
    EXPECT_EQ(window->cancelled(), 1) << "its own input arrives";
    EXPECT_FALSE(has(frame.codes, kLeftButtonDown));
    EXPECT_FALSE(has(frame.codes, kClose));
    EXPECT_FALSE(has(other.codes, kLeftButtonDown));
    EXPECT_TRUE(IsWindow(frame.hwnd()));

    // When it goes, the frame takes input again and is asked to close once more.
    window.reset();
    EXPECT_TRUE(IsWindowEnabled(frame.hwnd()));
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, frame.hwnd(), WM_CLOSE, WM_CLOSE, PM_REMOVE));
    EXPECT_FALSE(PeekMessageA(&message, frame.hwnd(), WM_CLOSE, WM_CLOSE, PM_REMOVE)) << "once";

    // A frame that was disabled before stays so.
    EnableWindow(frame.hwnd(), FALSE);
    {
        FileProgressWindow again(IDD_TEST_CONTROLS, IDC_TEST_PROGRESS);
        again.begin(0, 10);
        ASSERT_NE(again.hwnd, nullptr);
    }
    EXPECT_FALSE(IsWindowEnabled(frame.hwnd()));
    EnableWindow(frame.hwnd(), TRUE);

    // During a save: disabled from the window's start, enabled again when the save is done.
    ScratchFolder scratch;
    std::string path = scratch.pathOf("kept.ycx");
    TestDrawing drawing;
    ShapeValues values;
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(drawing.add(1, ElementKind::Line, values), 1);
    ASSERT_EQ(drawing.context.setPathAndTitle(path.c_str()), 1);
    static int frameEnabledAtStart;
    frameEnabledAtStart = -1;
    {
        ScopedOverride progressHook(makeFileProgress, [] {
            auto* progress = new FileProgressWindow(IDD_TEST_CONTROLS, IDC_TEST_PROGRESS);
            progress->begin(0, 0);
            frameEnabledAtStart = IsWindowEnabled(theApplication->frame->hwnd()) ? 1 : 0;
            return static_cast<FileProgress*>(progress);
        });
        EXPECT_EQ(drawing.context.save(), 1);
    }
    EXPECT_EQ(frameEnabledAtStart, 0);
    EXPECT_TRUE(IsWindowEnabled(frame.hwnd()));
    EXPECT_GT(ScratchFolder::read(path).size(), 0u);

    frame.destroy();
}

} // namespace
