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

#include "dialogs/FileProgressWindow.h"
#include "platform/RangeControls.h"
#include "tests/document/DrawingFixture.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/MessageBoxScript.h"
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

// Message fetches while a patch counts them.
int peeks = 0;
void* realPeekMessage = nullptr;
BOOL WINAPI countingPeekMessage(MSG* message, HWND window, UINT first, UINT last, UINT remove)
{
    ++peeks;
    return reinterpret_cast<BOOL(WINAPI*)(MSG*, HWND, UINT, UINT, UINT)>(realPeekMessage)(message, window, first, last,
                                                                                           remove);
}

// The program's window with what a user sees after each step: whether it is up and where the bar
// stands; a click on Cancel arrives once the bar reaches cancelAt (never for -1).
class WatchedProgress : public FileProgressWindow {
public:
    WatchedProgress() : FileProgressWindow(IDD_TEST_CONTROLS, IDC_TEST_PROGRESS) {}
    void step(int position) override
    {
        FileProgressWindow::step(position);
        ++steps;
        visible = visible && IsWindowVisible(hwnd);
        // The bar itself is asked whenever the window says it moved it (asking costs a message).
        auto* bar = dynamic_cast<ProgressBar*>(findControl(IDC_TEST_PROGRESS));
        if (bar && bar->shownPercent != lastSent) {
            lastSent = bar->shownPercent;
            positions.push_back(static_cast<int>(SendDlgItemMessageA(hwnd, IDC_TEST_PROGRESS, PBM_GETPOS, 0, 0)));
        }
        const int shown = positions.empty() ? -1 : positions.back();
        if (cancelAt >= 0 && shown >= cancelAt && !clicked) {
            clicked = 1;
            PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDCANCEL)));
        }
    }
    ~WatchedProgress() override
    {
        if (last)
            *last = {steps, visible, positions};
    }

    struct Seen {
        int steps = 0;
        int visible = 1;
        std::vector<int> positions;
    };
    static inline Seen* last = nullptr;
    static inline int cancelAt = -1;
    int steps = 0;
    int visible = 1;
    int clicked = 0;
    int lastSent = -1;
    std::vector<int> positions;
};

TEST(FileProgressWindow, ALargeSaveAndOpenShowEveryPercentAndFetchMessagesOnlyWhenTheBarMoves)
{
    TestApplication app;
    ScratchFolder scratch;
    const std::string path = scratch.pathOf("large.ycx");
    const int count = 100000;
    TestDrawing drawing;
    ShapeValues values;
    values.xy = {1.5, 2.5};
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(drawing.add(1, ElementKind::Line, values), 1);
    ASSERT_EQ(drawing.context.setPathAndTitle(path.c_str()), 1);
    ImportPatch patch("user32.dll", "PeekMessageA", reinterpret_cast<void*>(countingPeekMessage));
    realPeekMessage = patch.original();
    ASSERT_NE(realPeekMessage, nullptr);

    struct Case {
        const char* name;
        int cancelAt;        // the bar position at which Cancel is clicked; -1 never
        bool save;           // a save, else an open into a new drawing
        int result;
        int elementsAfter;   // in the drawing opened (-1: not an open)
    };
    const Case cases[] = {
        {"save", -1, true, 1, -1},
        {"open", -1, false, 1, count},
        {"open cancelled at 40 %", 40, false, 0, -1},
        {"save cancelled at 40 %", 40, true, 0, -1},
    };
    const std::string saved = [&] {
        WatchedProgress::Seen seen;
        WatchedProgress::last = &seen;
        ScopedOverride hook(makeFileProgress, [] { return static_cast<FileProgress*>(new WatchedProgress); });
        EXPECT_EQ(drawing.context.save(), 1);
        return ScratchFolder::read(path);
    }();
    for (const Case& c : cases) {
        WatchedProgress::Seen seen;
        WatchedProgress::last = &seen;
        WatchedProgress::cancelAt = c.cancelAt;
        ScopedOverride hook(makeFileProgress, [] { return static_cast<FileProgress*>(new WatchedProgress); });
        peeks = 0;
        TestDrawing opened;
        MessageBoxScript boxes;
        const int result = c.save ? drawing.context.save() : opened.open(path);
        EXPECT_EQ(result, c.result) << c.name;
        // A cancelled open keeps what was read and says that the file was not read whole.
        EXPECT_EQ(boxes.shown().size(), c.result || c.save ? 0u : 1u) << c.name;
        if (c.cancelAt < 0) {
            EXPECT_GE(seen.steps, count) << c.name << ": the reader and writer step once per element";
        }
        EXPECT_EQ(seen.visible, 1) << c.name;
        ASSERT_FALSE(seen.positions.empty()) << c.name;
        EXPECT_TRUE(std::is_sorted(seen.positions.begin(), seen.positions.end())) << c.name;
        if (c.cancelAt < 0) {
            EXPECT_GE(seen.positions.size(), 90u) << c.name << ": the bar moves through the percents";
            EXPECT_EQ(seen.positions.back(), 100) << c.name << ": it ends full";
        } else {
            EXPECT_LE(seen.positions.back(), c.cancelAt + 1) << c.name << ": Cancel stops it at once";
        }
        // A fetch for every shown percent and a few for the time it takes, not one per element.
        EXPECT_LT(peeks, 1000) << c.name;
        if (c.elementsAfter >= 0) {
            EXPECT_EQ(opened.context.elementCount(), c.elementsAfter) << c.name;
        }
        EXPECT_EQ(ScratchFolder::read(path), saved) << c.name << ": a cancelled save keeps the file";
    }
    WatchedProgress::cancelAt = -1;
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
