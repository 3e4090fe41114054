// The file chooser to look at: run by hand under Xvfb and photographed while it is up.
//   Xvfb :96 -screen 0 1280x1024x24 &
//   DISPLAY=:96 scripts/wine-run --prefix build/wineprefix-display --display
//       build/tests/test_platform.exe --gtest_also_run_disabled_tests
//       --gtest_filter='FileDialogScreenshot.*' &      (one command line)
//   sleep 5; DISPLAY=:96 import -window root /tmp/shot.png
// The chooser shows the Windows folder with one file chosen and the next one selected, stays up
// for KORVANE_SHOT_MS milliseconds (8000 by default) and closes itself.
#include <cstdlib>
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/FileDialog.h"
#include "platform/FileSelection.h"
#include "tests/support/TestApplication.h"

namespace {

class TimedFileDialog : public FileDialog {
public:
    int handleMessage() override
    {
        if (event == DLG_INIT) {
            int answer = FileDialog::handleMessage();
            HWND files = GetDlgItem(hwnd, kFileList);
            SendMessageA(files, LB_SETCURSEL, 0, 0);
            SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(kAddButton, BN_CLICKED), reinterpret_cast<LPARAM>(files));
            SendMessageA(files, LB_SETCURSEL, 1, 0);
            updateButtons();
            SetTimer(hwnd, 1, shownMilliseconds, nullptr);
            return answer;
        }
        if (message == WM_TIMER) {
            KillTimer(hwnd, 1);
            EndDialog(hwnd, IDCANCEL);
            return 1;
        }
        return FileDialog::handleMessage();
    }

    UINT shownMilliseconds = 8000;
};

TEST(FileDialogScreenshot, DISABLED_ChooserWithOneFileChosen)
{
    TestApplication app;
    app->showCommand = SW_SHOW;
    FileSelection selection;
    ASSERT_TRUE(selection.ensureFolder());
    GetWindowsDirectoryA(selection.folder->text, sizeof selection.folder->text);
    TimedFileDialog dialog;
    if (const char* ms = std::getenv("KORVANE_SHOT_MS"))
        dialog.shownMilliseconds = static_cast<UINT>(std::atoi(ms));
    dialog.setSelection(&selection);
    dialog.setPlacementScreenCentre();
    EXPECT_EQ(dialog.run(), IDCANCEL);
}

} // namespace
