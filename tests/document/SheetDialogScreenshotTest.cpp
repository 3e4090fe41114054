// 用紙設定 and 表示制御 to look at: run by hand under Xvfb and photographed while they are up.
//   Xvfb :96 -screen 0 1280x1024x24 &
//   DISPLAY=:96 scripts/wine-run --prefix build/wineprefix-display --display
//       build/tests/test_document.exe --gtest_also_run_disabled_tests
//       --gtest_filter='SheetDialogScreenshot.*' &      (one command line)
//   then DISPLAY=:96 import -window root /tmp/shot.png at the times below.
// Each dialog shows a page for four seconds: a window covers the dialog from the first second
// to the second, so a photograph in the fourth second shows what the dialog paints after being
// uncovered. The paper dialog shows one page (A3 standing, seconds 0 to 4); the display control
// shows レイヤー表示, 要素表示, レイヤー選択 and 要素選択 in turn (seconds 0 to 16 of its run),
// each after a tab switch. KORVANE_SHOT_MS sets the length of a page in milliseconds.
#include <cstdlib>
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "document/DisplayControlDialog.h"
#include "document/DisplayControlState.h"
#include "document/ElementKind.h"
#include "document/ElementKindNames.h"
#include "document/LayerTable.h"
#include "document/PaperSettingsDialog.h"
#include "document/SheetSettings.h"
#include "platform/StringUtil.h"
#include "platform/TabControl.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

namespace {

// Every element kind under its display name, as the registry lists them.
int allKinds(int kind, char* name, int size)
{
    switch (kind) {
#define KORVANE_KIND_NAME(identifier, code, keyword, displayName)                                                  \
    case code:                                                                                                     \
        StringUtil::copy(name, size, displayName);                                                                  \
        return 1;
        KORVANE_ELEMENT_KINDS(KORVANE_KIND_NAME)
#undef KORVANE_KIND_NAME
    default:
        return 0;
    }
}

// One tick a quarter of a page: cover, uncover, wait, then the next tab (or the end).
struct Showcase {
    HWND dialog = nullptr;
    HWND cover = nullptr;
    int pages = 1;
    int tick = 0;
};
Showcase showcase;

void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD)
{
    const int phase = ++showcase.tick % 4;
    const int page = showcase.tick / 4;
    if (phase == 1) {
        RECT r;
        GetWindowRect(showcase.dialog, &r);
        showcase.cover = CreateWindowExA(WS_EX_TOPMOST, "Static", "", WS_POPUP | WS_VISIBLE | SS_GRAYRECT, r.left + 10,
                                         r.top + 10, r.right - r.left - 20, r.bottom - r.top - 20, showcase.dialog,
                                         nullptr, GetModuleHandleA(nullptr), nullptr);
    } else if (phase == 2) {
        DestroyWindow(showcase.cover);
        showcase.cover = nullptr;
    } else if (phase == 0 && page < showcase.pages) {
        HWND tabs = GetDlgItem(showcase.dialog, TabControl::kControlId);
        SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
        NMHDR change = {tabs, TabControl::kControlId, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageA(showcase.dialog, WM_NOTIFY, TabControl::kControlId, reinterpret_cast<LPARAM>(&change));
    } else if (phase == 0) {
        PostMessageA(showcase.dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
}

void startShowcase(HWND dialog, int pages)
{
    showcase = Showcase();
    showcase.dialog = dialog;
    showcase.pages = pages;
    const char* ms = std::getenv("KORVANE_SHOT_MS");
    const UINT page = ms ? static_cast<UINT>(std::atoi(ms)) : 4000;
    SetTimer(dialog, 1, page / 4, onTick);
}

} // namespace

TEST(SheetDialogScreenshot, DISABLED_PaperDialog)
{
    TestApplication app;
    app->showCommand = SW_SHOW;
    SheetSettings paper;
    ASSERT_EQ(paper.setSize(420.0, 297.0), 1);
    paper.setScaleDenominator(100);
    PaperSettingsDialog dialog(paper);
    dialog.setPlacementScreenCentre();
    EXPECT_EQ(driveModalDialog([&] { return dialog.run(); }, [](HWND window) { startShowcase(window, 1); }), IDCANCEL);
}

TEST(SheetDialogScreenshot, DISABLED_DisplayControlDialog)
{
    TestApplication app;
    app->showCommand = SW_SHOW;
    ScopedOverride<ElementKindNameLookup> registry(elementKindNameLookup, allKinds);
    DisplayControlState state;
    for (int layer : {1, 2, 7, 100})
        state.setLayerDisplayFlag(layer, 0);
    state.setLayerSelectFlag(255, 0);
    state.setKindDisplayFlag(3, 0);
    state.setKindSelectFlag(11, 0);
    LayerTable names;
    names.setName(1, "1 下書き");
    names.setName(2, "2 寸法");
    DisplayControlDialog dialog(state, names, DisplayControlDialog::kLayersDrawn);
    dialog.setPlacementScreenCentre();
    EXPECT_EQ(driveModalDialog([&] { return dialog.run(); }, [](HWND window) { startShowcase(window, 4); }), IDCANCEL);
}
