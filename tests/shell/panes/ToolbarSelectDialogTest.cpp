// ツールバー選択, driven by messages: its rows, a click that shows or hides a pane at once, the
// first-start layout, and the hint switch handed over on 閉じる and kept in the file; Esc and the
// close box close it too.
#include <gtest/gtest.h>

#include "resources/ids.h"
#include "shell/ToolbarSelectDialog.h"
#include "tests/shell/panes/LayoutFixture.h"
#include "tests/shell/settings/SettingsFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"

namespace {
// A click in the check column of row `row` of the list (rows of the GUI font's height and a
// one-pixel gap, the first one pixel below the top).
void clickRow(HWND dialog, ScriptedMouse& mouse, int row)
{
    LOGFONTA font = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    const int h = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    POINT p = {h / 2, 1 + row * (h + 1) + h / 2};
    ClientToScreen(GetDlgItem(dialog, IDC_TOOLBAR_LIST), &p);
    mouse.rest(p.x, p.y);
    SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, 0);
}

void press(HWND dialog, int id) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
} // namespace

TEST_F(LayoutTest, ToolbarSelectionShowsAndHidesPanesAtOnceAndResetsToAFirstStart)
{
    MessageBoxScript boxes;
    SettingsFileScope place;
    std::vector<IntRect> firstStart;
    for (int i = 0; i < layout->paneCount(); ++i) {
        IntRect r;
        layout->paneAt(i)->rectFor(layout->paneAt(i)->position, r);
        firstStart.push_back(r);
    }
    // Moved away from a first start before the dialog opens.
    layout->dockAt(DockPane::kBottom, &pane(7), IntRect::fromEdges(100, 600, 300, 640));

    ToolbarSelectDialog dialog(*layout);
    std::vector<std::string> rows;
    std::vector<int> checks;
    const INT_PTR result = driveModalDialog([&] { return dialog.run(); }, [&](HWND window) {
        Control* list = dialog.findControl(IDC_TOOLBAR_LIST);
        ASSERT_NE(list, nullptr);
        for (int i = 0; i < layout->paneCount(); ++i) {
            char name[84] = {};
            (void)list->getItemText(i, name, sizeof name);
            rows.push_back(name);
            checks.push_back(list->isItemChecked(i));
        }
        // Row 1 (編集) hides its pane and row 9 (部品１) shows its floating pane, at once.
        clickRow(window, mouse, 1);
        EXPECT_EQ(pane(2).position, DockPane::kHidden);
        EXPECT_EQ(list->isItemChecked(1), 0);
        clickRow(window, mouse, 9);
        EXPECT_EQ(pane(10).position, DockPane::kFloat);
        EXPECT_EQ(list->isItemChecked(9), 1);
        // 初期値にする: the layout of a first start, parts panes hidden.
        press(window, IDC_TOOLBAR_DEFAULTS);
        for (int i = 0; i < layout->paneCount(); ++i) {
            EXPECT_EQ(list->isItemChecked(i), layout->paneAt(i)->position != DockPane::kHidden) << i;
            IntRect r;
            layout->paneAt(i)->rectFor(layout->paneAt(i)->position, r);
            EXPECT_TRUE(r.equals(firstStart[static_cast<size_t>(i)])) << layout->paneAt(i)->name;
        }
        EXPECT_EQ(pane(10).position, DockPane::kHidden);
        // ヒント情報を表示 unticked; 閉じる hands it over.
        SendDlgItemMessageA(window, IDC_TOOLBAR_HINTS, BM_SETCHECK, BST_UNCHECKED, 0);
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(rows.size(), 13u);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(rows[static_cast<size_t>(i)], layout->paneAt(i)->name) << i;
        EXPECT_EQ(checks[static_cast<size_t>(i)], i < 9 || i == 12 ? 1 : 0) << i;
    }
    EXPECT_EQ(layout->hintWindow.enabled, 0);
    ASSERT_EQ(saveAppSettings(), 1);
    EXPECT_NE(settingsBytes().find("DISPTOOLHINT=\"OFF\"\r\n"), std::string::npos);
}

TEST_F(LayoutTest, ToolbarSelectionClosesByItsButtonByEscAndByTheCloseBox)
{
    struct Case {
        const char* what;
        UINT message;
        WPARAM wParam;
        INT_PTR result;
    };
    const Case cases[] = {
        {"閉じる", WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), IDOK},
        {"Esc", WM_KEYDOWN, VK_ESCAPE, IDCANCEL},
        {"the close box", WM_SYSCOMMAND, SC_CLOSE, IDCANCEL},
    };
    for (const Case& c : cases) {
        layout->hintWindow.enabled = 1;
        ToolbarSelectDialog dialog(*layout);
        const INT_PTR result = driveModalDialog([&] { return dialog.run(); }, [&](HWND window) {
            SendDlgItemMessageA(window, IDC_TOOLBAR_HINTS, BM_SETCHECK, BST_UNCHECKED, 0);
            SetFocus(GetDlgItem(window, IDC_TOOLBAR_HINTS));
            // A key goes through the dialog's loop; the close box's command is queued by the system.
            if (c.message == WM_KEYDOWN)
                PostMessageA(GetFocus(), c.message, c.wParam, 0);
            else
                SendMessageA(window, c.message, c.wParam, 0);
            // A dialog the message left open is closed by its button, which answers IDOK.
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        EXPECT_EQ(result, c.result) << c.what;
        EXPECT_EQ(layout->hintWindow.enabled, 0) << c.what << ": the hint switch is handed over";
    }
}
