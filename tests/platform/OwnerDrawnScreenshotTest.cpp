// The owner-drawn controls to look at: run by hand under Xvfb and photographed after a window
// has covered the dialog and gone again.
//   Xvfb :96 -screen 0 1280x1024x24 &
//   DISPLAY=:96 scripts/wine-run --prefix build/wineprefix-display --display
//       build/tests/test_platform.exe --gtest_also_run_disabled_tests
//       --gtest_filter='OwnerDrawnScreenshot.*' &      (one command line)
//   sleep 6; DISPLAY=:96 import -window root /tmp/shot.png
// A window covers the dialog from 1 to 2 seconds after it opens; the photograph should show the
// check list, the text list with white below its last item and the swatch's colour. The dialog
// stays up for KORVANE_SHOT_MS milliseconds (8000 by default) and closes itself.
#include <cstdlib>
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/ControlKinds.h"
#include "platform/Dialog.h"
#include "platform/RgbColor.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestResources.h"

namespace {

const UINT_PTR kCoverTimer = 1, kUncoverTimer = 2, kEndTimer = 3;

class OwnerDrawnShowcase : public Dialog {
public:
    int handleMessage() override
    {
        switch (event) {
        case DLG_INIT:
            declare();
            SetTimer(hwnd, kCoverTimer, 1000, nullptr);
            SetTimer(hwnd, kEndTimer, shownMilliseconds, nullptr);
            return 1;
        case DLG_PAINT:
            // The lists and the swatch paint outside WM_PAINT: the dialog has them paint again.
            refreshControls();
            return 0;
        default:
            if (message == WM_TIMER)
                return onTimer(wParam);
            return Dialog::handleMessage();
        }
    }

    void declare()
    {
        const int kinds[][2] = {{IDOK, KIND_PUSH_BUTTON},
                                {IDCANCEL, KIND_PUSH_BUTTON},
                                {IDC_OD_CHECK_LIST, KIND_OWNER_DRAW_LIST},
                                {IDC_OD_TEXT_LIST, KIND_OWNER_DRAW_TREE},
                                {IDC_OD_TEXT_LIST2, KIND_OWNER_DRAW_TREE},
                                {IDC_OD_SCROLL, KIND_SCROLL_BAR},
                                {IDC_OD_SWATCH, KIND_COLOR_SWATCH},
                                {IDC_OD_DROP_FIELD, KIND_DROP_DOWN_LIST},
                                {IDC_OD_DROP_BUTTON, KIND_DROP_DOWN_BUTTON}};
        for (const auto& k : kinds)
            EXPECT_TRUE(addControl(k[0], k[1])) << k[0];
        attachControls();
        Control* checks = getControl(IDC_OD_CHECK_LIST);
        const char* const layers[] = {"下書き", "寸法", "文字", "図形", "補助線", "枠"};
        for (int i = 0; i < 6; ++i)
            (void)checks->addItem(i % 2, layers[i]); // a row that does not fit is only not shown
        checks->scrollTo(0);
        Control* names = getControl(IDC_OD_TEXT_LIST);
        Control* values = getControl(IDC_OD_TEXT_LIST2);
        for (const char* name : {"赤", "緑", "青"})
            (void)names->addItem(name);
        for (const char* value : {"255,0,0", "0,255,0", "0,0,255"})
            (void)values->addItem(value);
        (void)names->select(1);
        names->linkTo(values);
        Control* bar = getControl(IDC_OD_SCROLL);
        bar->bindToItem();
        bar->linkTo(names);
        RgbColor orange(255, 128, 0);
        getControl(IDC_OD_SWATCH)->setColour(&orange);
        Control* drop = getControl(IDC_OD_DROP_FIELD);
        for (const char* unit : {"ミリ", "インチ"})
            (void)drop->addItem(unit);
        (void)drop->choose(0);
        getControl(IDC_OD_DROP_BUTTON)->setTarget(drop);
    }

    int onTimer(WPARAM timer)
    {
        KillTimer(hwnd, timer);
        if (timer == kCoverTimer) {
            RECT r;
            GetWindowRect(hwnd, &r);
            cover = CreateWindowExA(WS_EX_TOPMOST, "Static", "", WS_POPUP | WS_VISIBLE | SS_GRAYRECT, r.left + 10,
                                    r.top + 10, r.right - r.left - 20, r.bottom - r.top - 20, hwnd, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
            SetTimer(hwnd, kUncoverTimer, 1000, nullptr);
        } else if (timer == kUncoverTimer) {
            DestroyWindow(cover);
            cover = nullptr;
        } else {
            end();
        }
        return 1;
    }

    UINT shownMilliseconds = 8000;
    HWND cover = nullptr;
};

TEST(OwnerDrawnScreenshot, DISABLED_ListsAndSwatchAfterBeingCovered)
{
    TestApplication app;
    app->showCommand = SW_SHOW;
    OwnerDrawnShowcase dialog;
    if (const char* ms = std::getenv("KORVANE_SHOT_MS"))
        dialog.shownMilliseconds = static_cast<UINT>(std::atoi(ms));
    dialog.setPlacementScreenCentre();
    EXPECT_EQ(dialog.runModal(IDD_TEST_OWNER_DRAWN), IDCANCEL);
}

} // namespace
