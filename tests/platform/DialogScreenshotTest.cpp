// A tabbed dialog to look at: run by hand under Xvfb and photographed while it is up.
//   Xvfb :96 -screen 0 1280x1024x24 &
//   DISPLAY=:96 scripts/wine-run --prefix build/wineprefix-display --display
//       build/tests/test_platform.exe --gtest_also_run_disabled_tests
//       --gtest_filter='DialogScreenshot.*' &      (one command line)
//   sleep 5; DISPLAY=:96 import -window root /tmp/shot.png
// The dialog switches from its first page to the second, stays up for KORVANE_SHOT_MS
// milliseconds (8000 by default) and closes itself.
#include <cstdlib>
#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>
#include <windows.h>
#include <commctrl.h>

#include "platform/ControlKinds.h"
#include "platform/TabControl.h"
#include "tests/support/RecordingDialog.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestResources.h"

namespace {

class TabbedTestDialog : public DialogTemplate {
public:
    int handleMessage() override
    {
        switch (event) {
        case DLG_INIT:
            EXPECT_TRUE(showTabControl());
            EXPECT_EQ(addTab("線と枠"), 0);
            EXPECT_EQ(addTab("色と単位"), 1);
            layoutTabControl();
            declareFirstPage();
            SetTimer(hwnd, 1, shownMilliseconds, nullptr);
            return 1;
        case DLG_TAB_CHANGE:
            if (getCurrentTab() == 1 && switchTemplate(IDD_TEST_PAGE2, 1))
                declareSecondPage();
            else if (getCurrentTab() == 0 && switchTemplate(IDD_TEST_PAGE1, 1))
                declareFirstPage();
            return 1;
        default:
            if (message == WM_TIMER) {
                KillTimer(hwnd, 1);
                end();
                return 1;
            }
            return Dialog::handleMessage();
        }
    }

    // Declares the page's controls (id, kind) and attaches them.
    void declare(std::initializer_list<std::pair<int, int>> declared)
    {
        for (const auto& control : declared)
            EXPECT_TRUE(addControl(control.first, control.second)) << control.first;
        attachControls();
    }

    void declareFirstPage()
    {
        declare({{IDOK, KIND_PUSH_BUTTON}, {IDCANCEL, KIND_PUSH_BUTTON}, {IDC_PAGE1_WIDTH, KIND_REAL_EDIT},
                 {IDC_PAGE1_HEIGHT, KIND_REAL_EDIT}, {IDC_PAGE1_FRAME, KIND_CHECK_BUTTON},
                 {IDC_PAGE1_SOLID, KIND_RADIO_BUTTON}, {IDC_PAGE1_NAME, KIND_TEXT_EDIT}});
        setDouble(IDC_PAGE1_WIDTH, 210.0);
        setDouble(IDC_PAGE1_HEIGHT, 297.5);
        setCheck(IDC_PAGE1_FRAME, 1);
        checkRadio(IDC_PAGE1_SOLID);
        setText(IDC_PAGE1_NAME, "図面の枠");
    }

    void declareSecondPage()
    {
        declare({{IDOK, KIND_PUSH_BUTTON}, {IDCANCEL, KIND_PUSH_BUTTON}, {IDC_PAGE2_COLOURS, KIND_LIST_BOX},
                 {IDC_PAGE2_UNIT, KIND_COMBO_BOX}, {IDC_PAGE2_PROGRESS, KIND_PROGRESS_BAR},
                 {IDC_PAGE2_ANGLE, KIND_INTEGER_EDIT}, {IDC_PAGE2_ANGLE_SPIN, KIND_UP_DOWN},
                 {IDC_PAGE2_TREE, KIND_TREE_VIEW}});
        Control* colours = getControl(IDC_PAGE2_COLOURS);
        for (const char* name : {"赤", "青", "緑", "黄色", "特色１"})
            colours->addString(name);
        Control* unit = getControl(IDC_PAGE2_UNIT);
        for (const char* name : {"ミリ", "インチ", "ポイント"})
            unit->addString(name);
        unit->select(1);
        Control* progress = getControl(IDC_PAGE2_PROGRESS);
        progress->setRange(0, 200);
        progress->setValue(120);
        setupUpDown(IDC_PAGE2_ANGLE, IDC_PAGE2_ANGLE_SPIN, 45, 0, 360);
        HWND tree = GetDlgItem(hwnd, IDC_PAGE2_TREE);
        TVINSERTSTRUCTA insert = {};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<char*>("レイヤー");
        auto root = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
        insert.hParent = root;
        insert.item.pszText = const_cast<char*>("下書き");
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
        SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
    }

    UINT shownMilliseconds = 8000;
};

TEST(DialogScreenshot, DISABLED_TabbedDialogAfterSwitchingPages)
{
    TestApplication app;
    app->showCommand = SW_SHOW;
    TabbedTestDialog dialog;
    if (const char* ms = std::getenv("KORVANE_SHOT_MS"))
        dialog.shownMilliseconds = static_cast<UINT>(std::atoi(ms));
    ASSERT_TRUE(dialog.keepControlId(IDOK));
    ASSERT_TRUE(dialog.keepControlId(IDCANCEL));
    ASSERT_TRUE(dialog.reserveTemplateSize(IDD_TEST_PAGE1));
    ASSERT_TRUE(dialog.reserveTemplateSize(IDD_TEST_PAGE2));
    dialog.setPlacementScreenCentre();
    dialog.setCaption("タブ付きダイアログ");
    // Switch to the second page as a click on its tab would, once the dialog runs.
    struct Switcher {
        static void CALLBACK onTimer(HWND window, UINT, UINT_PTR id, DWORD)
        {
            KillTimer(window, id);
            HWND tabs = GetDlgItem(window, TabControl::kControlId);
            SendMessageA(tabs, TCM_SETCURSEL, 1, 0);
            NMHDR header = {tabs, TabControl::kControlId, static_cast<UINT>(TCN_SELCHANGE)};
            SendMessageA(window, WM_NOTIFY, TabControl::kControlId, reinterpret_cast<LPARAM>(&header));
        }
    };
    HHOOK hook = SetWindowsHookExA(
        WH_CALLWNDPROCRET,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            auto* call = reinterpret_cast<CWPRETSTRUCT*>(lParam);
            if (code == HC_ACTION && call->message == WM_INITDIALOG)
                SetTimer(call->hwnd, 2, 1000, Switcher::onTimer);
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    int result = dialog.runModal(IDD_TEST_PAGE1);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.currentTemplateId, IDD_TEST_PAGE2);
}

} // namespace
