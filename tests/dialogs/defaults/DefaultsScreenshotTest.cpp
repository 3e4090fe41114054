// "線画設定" and "線画一括" to look at: run by hand under Xvfb, photographing every page (ImageMagick's
// import) into /tmp/k45-settings-N.png and /tmp/k45-batch-N.png.
//   Xvfb :109 -screen 0 1280x1024x24 &
//   DISPLAY=:109 scripts/wine-run --prefix build/wineprefix-display --display
//       build/tests/test_dialogs.exe --gtest_also_run_disabled_tests
//       --gtest_filter='DefaultsScreenshot.*'      (one command line)
// The batch dialog shows a few boxes ticked by the values touched before its photographs.
#include <string>

#include <gtest/gtest.h>
#include <windows.h>

#include "resources/ids_defaults.h"
#include "tests/dialogs/defaults/DefaultsFixture.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/UnixScript.h"

using namespace defaults_test;
using namespace property_test;

namespace {

// One tab per tick, photographed on the tick after it was chosen; the dialog ends after the last.
struct Tour {
    HWND dialog = nullptr;
    std::string name;
    int pages = 0;
    int step = 0;
};
Tour tour;

void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD)
{
    const int page = tour.step / 2;
    if (page >= tour.pages) {
        KillTimer(tour.dialog, 1);
        finish(tour.dialog, IDCANCEL);
        return;
    }
    if (tour.step++ % 2 == 0) {
        chooseTab(tour.dialog, page);
        return;
    }
    ScratchFolder scratch;
    const std::string file = "/tmp/k45-" + tour.name + "-" + std::to_string(page) + ".png";
    EXPECT_EQ(runUnixScript("import -window root " + file + "\n", scratch.pathOf("shot")), 0) << file;
}

Script touring(const char* name, int pages, void (*touch)(HWND))
{
    return [=](HWND w) {
        tour = Tour{w, name, pages, 0};
        SetWindowPos(w, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        touch(w);
        SetTimer(w, 1, 700, onTick);
    };
}

} // namespace

TEST(DefaultsScreenshot, DISABLED_LineSettingsAndBatchDialogs)
{
    ApplicationRecord application;
    DefaultsDrawing d;
    d.app->showCommand = SW_SHOW;
    d.layers.setName(3, "3 下書き");
    (void)d.runSettings(touring("settings", 4, [](HWND) {}));
    (void)d.runBatch(touring("batch", 5, [](HWND w) {
        chooseTab(w, 2);
        type(w, IDC_LINE_BATCH_WIDTH, "0.25");
        chooseTab(w, 3);
        chooseItem(w, IDC_AREA_BATCH_PATTERN, 5);
    }));
}
