// The parts library's dialogs to look at: run by hand under Xvfb and photographed while up.
//   Xvfb :96 -screen 0 1280x1024x24 &
//   DISPLAY=:96 scripts/wine-run --prefix build/wineprefix-display --display
//       build/tests/test_document.exe --gtest_also_run_disabled_tests
//       --gtest_filter='PartDialogsScreenshot.*' &      (one command line)
//   sleep 5; DISPLAY=:96 import -window root /tmp/shot.png
// Each dialog stays up for KORVANE_SHOT_MS milliseconds (8000 by default) and closes itself; the
// placement dialog shows its page "ファイル" for the first half of that time and "配置" for the rest.
#include <cstdlib>
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "document/PartFile.h"
#include "document/PartsLibrary.h"
#include "geometry/DoubleRect.h"
#include "platform/TabControl.h"
#include "resources/ids.h"
#include "tests/document/PartsFixture.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

using namespace parts_fixture;

namespace {

HWND shown = nullptr;

UINT shownMilliseconds()
{
    const char* ms = std::getenv("KORVANE_SHOT_MS");
    return ms ? static_cast<UINT>(std::atoi(ms)) : 8000;
}

void CALLBACK closeShown(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    PostMessageA(shown, WM_COMMAND, IDCANCEL, 0);
}

void CALLBACK showPlacementPage(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    HWND tabs = GetDlgItem(shown, TabControl::kControlId);
    SendMessageA(tabs, TCM_SETCURSEL, 1, 0);
    NMHDR header = {tabs, TabControl::kControlId, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(shown, WM_NOTIFY, TabControl::kControlId, reinterpret_cast<LPARAM>(&header));
}

class PartDialogsScreenshot : public ::testing::Test {
protected:
    PartDialogsScreenshot()
    {
        app->showCommand = SW_SHOW;
        const int a = drawing.add({{10, 20, 0}, {60, 45, 0}});
        drawing.selectTool->choose({a});
    }

    TestApplication app;
    PartsSetup setup;
    ScratchFolder scratch;
    PartsDrawing drawing;
    PartsLibrary library{1};
};

TEST_F(PartDialogsScreenshot, DISABLED_Registration)
{
    const INT_PTR result = driveModalDialog([&] { return library.registerSelection(&drawing.context); }, [](HWND window) {
        shown = window;
        SetTimer(nullptr, 0, shownMilliseconds(), closeShown);
    });
    EXPECT_EQ(result, 0) << "closed with ｷｬﾝｾﾙ";
}

TEST_F(PartDialogsScreenshot, DISABLED_PlacementBothPages)
{
    drawing.selectTool->choose({1});
    DoubleRect extent;
    ASSERT_EQ(PartsLibrary::selectionExtent(&drawing.context, extent), 1);
    library.setOriginChoice(PartsLibrary::kTopLeft, extent, &drawing.context);
    PartFile file(library);
    const std::string path = scratch.pathOf("扉の部品.ycx");
    ASSERT_EQ(file.writeTo(drawing.context, path.c_str()), 1);
    ASSERT_EQ(library.addPart(path.c_str()) && library.selectPart(0), 1);
    const INT_PTR result = driveModalDialog([&] { return library.place(&drawing.context); }, [](HWND window) {
        shown = window;
        SetTimer(nullptr, 0, shownMilliseconds() / 2, showPlacementPage);
        SetTimer(nullptr, 0, shownMilliseconds(), closeShown);
    });
    EXPECT_EQ(result, 0) << "closed with キャンセル";
}

} // namespace
