// The Bezier curve's dialogs, "カラー設定", "オーバープリント" and "フォントチェンジ" to look at: run by
// hand under Xvfb, photographing each dialog (every tab of the tabbed ones) with ImageMagick's
// import into /tmp/k52-NAME-N.png.
//   Xvfb :112 -screen 0 1280x1024x24 &
//   DISPLAY=:112 scripts/wine-run --prefix build/wineprefix-display --display
//       build/tests/test_dialogs.exe --gtest_also_run_disabled_tests
//       --gtest_filter='ColourScreenshot.*'      (one command line)
#include <string>

#include <gtest/gtest.h>
#include <windows.h>

#include "dialogs/colour/ColorSettingsDialog.h"
#include "dialogs/colour/NamedColorTable.h"
#include "document/Element.h"
#include "geometry/FontChangeTable.h"
#include "geometry/InkColor.h"
#include "geometry/InkInfo.h"
#include "resources/ids_colour.h"
#include "tests/dialogs/defaults/DefaultsFixture.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScriptedMouse.h"

using namespace defaults_test;
using namespace property_test;

namespace {

NamedColorTable memoryTable(std::initializer_list<const char*> names, int firstNumber)
{
    NamedColorTable table("TABLE.TXT");
    table.loaded = 1;
    int i = 0;
    for (const char* name : names) {
        ColorEntry e;
        e.number = firstNumber + i;
        e.setName(name);
        const int inks[4] = {(i * 37) % 101, (i * 61 + 20) % 101, (i * 17 + 50) % 101, i % 3 ? 0 : 10};
        e.setInks(inks);
        (void)table.append(e);
        ++i;
    }
    return table;
}

} // namespace

TEST(ColourScreenshot, DISABLED_BezierDialogsColourOverprintAndFontChange)
{
    ApplicationBezierRecord application;
    DefaultsDrawing d;
    d.app->showCommand = SW_SHOW;
    ScopedOverride<int> inkColours(d.app->colorModel, 2);
    const int curve = d.draw(ElementKind::Bezier, [](Element& e) {
        e.clearPoints();
        for (double x : {20.0, 60.0, 120.0, 160.0})
            e.appendPoint(x, x == 60.0 || x == 120.0 ? 40.0 : 120.0, 0.0);
    });
    ASSERT_GE(curve, 1);
    (void)d.runSheet(curve, 0, 1, photographing("k52-bezier", 4, [](HWND w) {
        chooseTab(w, 3);
        click(w, 15150); // to the first control point
    }));
    (void)d.run(&DocumentContext::editBezierDefaults, photographing("k52-bezier-settings", 3));
    (void)d.run(&DocumentContext::batchEditBezier, photographing("k52-bezier-batch", 3));

    NamedColorTable users = memoryTable({"わたしの赤", "空色", "若草"}, 0);
    NamedColorTable dic = memoryTable({"DIC 1", "DIC 2 べに", "DIC 3", "DIC 4 あい", "DIC 5", "DIC 6", "DIC 7", "DIC 8",
                                       "DIC 9", "DIC 10", "DIC 11", "DIC 12", "DIC 13", "DIC 14"},
                                      1);
    ScopedOverride<NamedColorTable*> u(theUserColorTable, &users), k(theDicColorTable, &dic);
    dic.current = 3;
    users.current = 1;
    InkColor colour;
    const int inks[4] = {20, 60, 0, 0};
    colour.setInks(inks);
    InkInfo spots;
    spots.slots[0] = 1;
    spots.slots[2] = 3;
    (void)driveModalDialog([&] { return static_cast<INT_PTR>(runColorSettingsDialog(colour, spots, nullptr)); },
                           photographing("k52-colour", 1));
    colour.setPlateOverprint(1, 1);
    colour.setPlateOverprint(6, 1);
    (void)driveModalDialog([&] { return static_cast<INT_PTR>(runColorSettingsDialog(colour, spots, nullptr)); },
                           [&](HWND w) {
                               driveNextDialog(photographing("k52-overprint", 1));
                               PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDC_COLOR_OVERPRINT_DLG, BN_CLICKED), 0);
                               finish(w, IDCANCEL);
                           });

    FontChangeTable fonts;
    int added = 0;
    for (const char* face : {"ＭＳ 明朝", "ＭＳ ゴシック", "Helvetica Neue", "平成明朝"})
        (void)fonts.lookUp(face, added);
    (void)driveModalDialog([&] { return static_cast<INT_PTR>(fonts.edit(1)); }, photographing("k52-fontchange", 1));
}
