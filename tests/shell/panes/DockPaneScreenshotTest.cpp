// Dock panes to look at: run by hand under Xvfb and photographed while they are up.
//   Xvfb :96 -screen 0 1280x1024x24 &
//   DISPLAY=:96 scripts/wine-run --prefix build/wineprefix-display --display
//       build/tests/test_shell.exe --gtest_also_run_disabled_tests
//       --gtest_filter='DockPaneScreenshot.*' &      (one command line)
//   sleep 5; DISPLAY=:96 import -window root /tmp/shot.png
// Panes 1 and 2 float beside a test window into which pane 3 is docked at the left; the LINE
// button of pane 1 is pressed and the UNDO button of pane 2 disabled. They stay up for
// KORVANE_SHOT_MS milliseconds (8000 by default).
#include <cstdlib>

#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "tests/shell/panes/PaneFixture.h"

namespace {
DockPane* dockedPane = nullptr;

void paintDocked(RecordingWindow& window)
{
    if (theCurrentEvent->code != EV_PAINT || !dockedPane)
        return;
    window.beginPaint();
    window.fillClient(GetSysColor(COLOR_BTNFACE));
    dockedPane->paint();
    window.endPaint();
}
} // namespace

TEST(DockPaneScreenshot, DISABLED_FloatingAndDockedPanes)
{
    TestApplication app;
    FakePaneManager manager;
    RecordingWindow frame;
    manager.surface = &frame;
    SetWindowTextA(frame.hwnd(), "ドックペイン");
    frame.setRect(IntRect::fromEdges(420, 60, 900, 560), 1);

    std::unique_ptr<DockPane> drawing = manager.load(1);
    std::unique_ptr<DockPane> edit = manager.load(2);
    std::unique_ptr<DockPane> work = manager.load(3);
    ASSERT_TRUE(drawing && edit && work);
    PaneTest::button(*drawing, 102).selected = 1;
    ASSERT_TRUE(PaneTest::button(*edit, 104).setEnabled(0));
    drawing->rows = 2;
    drawing->homePoint = IntPoint(60, 80);
    edit->rows = 2;
    edit->homePoint = IntPoint(60, 240);
    for (DockPane* pane : {drawing.get(), edit.get()}) {
        pane->position = DockPane::kFloat;
        IntRect r;
        pane->rectFor(DockPane::kFloat, r);
        pane->floatAt(r);
    }
    work->position = DockPane::kLeft;
    work->layoutButtons();
    dockedPane = work.get();
    frame.onEvent = paintDocked;
    ShowWindow(frame.hwnd(), SW_SHOWNORMAL);
    frame.invalidate();

    const char* wait = std::getenv("KORVANE_SHOT_MS");
    const DWORD shown = wait ? static_cast<DWORD>(std::atoi(wait)) : 8000;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < shown) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(20);
    }
    dockedPane = nullptr;
    frame.onEvent = nullptr;
}
