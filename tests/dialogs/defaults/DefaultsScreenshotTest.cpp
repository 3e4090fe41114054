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

using namespace defaults_test;
using namespace property_test;

TEST(DefaultsScreenshot, DISABLED_LineSettingsAndBatchDialogs)
{
    ApplicationRecord application;
    DefaultsDrawing d;
    d.app->showCommand = SW_SHOW;
    d.layers.setName(3, "3 下書き");
    (void)d.runSettings(photographing("k45-settings", 4));
    (void)d.runBatch(photographing("k45-batch", 5, [](HWND w) {
        chooseTab(w, 2);
        type(w, IDC_LINE_BATCH_WIDTH, "0.25");
        chooseTab(w, 3);
        chooseItem(w, IDC_AREA_BATCH_PATTERN, 5);
    }));
}
