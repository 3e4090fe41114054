// グリッドの設定 driven by messages, and the origin placed by mouse afterwards: what each page shows
// and keeps across a tab switch, what OK, キャンセル and the two mouse buttons leave in the grid,
// and what a scripted click in the view does.
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

#include <commctrl.h>

#include "document/ContextMenuRequest.h"
#include "document/GridSettingsDialog.h"
#include "platform/TabControl.h"
#include "resources/ids.h"
#include "tests/document/GridTestDrawing.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

using namespace grid_test;

namespace {

std::string textOf(HWND dialog, int id)
{
    char text[128] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void type(HWND dialog, int id, const char* text) { SetDlgItemTextA(dialog, id, text); }

void chooseItem(HWND dialog, int id, int index)
{
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string tabText(HWND dialog, int index)
{
    char text[64] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendDlgItemMessageA(dialog, TabControl::kControlId, TCM_GETITEMA, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(&item));
    return text;
}

// A grid away from its defaults, waiting for a click from an earlier run.
void makeStart(DrawingGrid& g)
{
    g.kind = DrawingGrid::kDots;
    g.xNumerator = 5.0;
    g.yNumerator = 2.0;
    g.xDenominator = 3.0;
    g.yDenominator = 2.0;
    g.xOrigin = 10.0;
    g.yOrigin = 20.0;
    g.pendingPick = DrawingGrid::kPickClick;
}

int contextMenuRequests = 0;
void countContextMenuRequest() { ++contextMenuRequests; }

} // namespace

TEST(GridSettingsDialog, PagesResultsAndWhatTheGridKeeps)
{
    // What the dialog script sees, and what the grid holds afterwards.
    struct Case {
        const char* what;
        std::function<void(HWND, std::vector<std::string>&)> script;
        std::vector<std::string> seen;
        int result;
        double xNumerator, yNumerator, xDenominator, yDenominator, xOrigin, yOrigin;
        int unit, pendingPick, lastPage;
        std::vector<int> unitsPassedOn;
    };
    const Case cases[] = {
        {"caption, tabs and page 0 as loaded; a denominator of 0.5 keeps the previous one",
         [](HWND w, std::vector<std::string>& seen) {
             char caption[64] = {};
             GetWindowTextA(w, caption, sizeof caption);
             seen = {caption, tabText(w, 0), tabText(w, 1), textOf(w, IDC_GRID_X_NUMERATOR),
                     textOf(w, IDC_GRID_Y_DENOMINATOR), textOf(w, IDC_GRID_UNIT), textOf(w, IDC_GRID_KIND)};
             type(w, IDC_GRID_X_DENOMINATOR, "0.5");
             type(w, IDC_GRID_Y_DENOMINATOR, "4");
             PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
         },
         {"グリッドの設定", "表示", "原点", "5", "2", "ミリ", "グリッド"}, 1, 5, 2, 3, 4, 10, 20, 1, 0, 0, {}},
        {"values typed on page 0 survive a switch although page 1 reuses their ids",
         [](HWND w, std::vector<std::string>& seen) {
             type(w, IDC_GRID_X_NUMERATOR, "7");
             type(w, IDC_GRID_Y_NUMERATOR, "8");
             type(w, IDC_GRID_Y_DENOMINATOR, "6");
             chooseItem(w, IDC_GRID_UNIT, 2); // センチ
             chooseTab(w, GridSettingsDialog::kOriginPage);
             seen.push_back(textOf(w, IDC_GRID_ORIGIN_X));
             seen.push_back(textOf(w, IDC_GRID_ORIGIN_Y));
             type(w, IDC_GRID_ORIGIN_X, "12");
             chooseTab(w, GridSettingsDialog::kDisplayPage);
             seen.push_back(textOf(w, IDC_GRID_Y_NUMERATOR));
             seen.push_back(textOf(w, IDC_GRID_Y_DENOMINATOR));
             PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
         },
         {"10", "20", "8", "6"}, 1, 7, 8, 3, 6, 12, 20, 6, 0, 0, {6}},
        {"標 準, then クリック: the page's values are kept and the grid waits for a click",
         [](HWND w, std::vector<std::string>& seen) {
             chooseTab(w, GridSettingsDialog::kOriginPage);
             click(w, IDC_GRID_ORIGIN_RESET);
             seen.push_back(textOf(w, IDC_GRID_ORIGIN_X));
             type(w, IDC_GRID_ORIGIN_Y, "3");
             PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDC_GRID_PICK_CLICK, BN_CLICKED), 0);
         },
         {"0"}, 103, 5, 2, 3, 2, 10, 20, 1, DrawingGrid::kPickClick, 1, {}},
        {"要素指示 waits for an element's key point",
         [](HWND w, std::vector<std::string>&) {
             chooseTab(w, GridSettingsDialog::kOriginPage);
             PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDC_GRID_PICK_ELEMENT, BN_CLICKED), 0);
         },
         {}, 101, 5, 2, 3, 2, 10, 20, 1, DrawingGrid::kPickElementPoint, 1, {}},
        {"by keyboard alone: Tab reaches the tabs and the right arrow shows the origin page",
         [](HWND w, std::vector<std::string>& seen) {
             HWND tabs = GetDlgItem(w, TabControl::kControlId);
             seen.push_back(reachedByTab(w, tabs) ? "tabs reached" : "tabs out of reach");
             SetFocus(tabs);
             SendMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
             seen.push_back(textOf(w, IDC_GRID_ORIGIN_X));
             PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
         },
         {"tabs reached", "10"}, 1, 5, 2, 3, 2, 10, 20, 1, 0, 1, {}},
        {"キャンセル changes nothing, the waiting pick included",
         [](HWND w, std::vector<std::string>&) {
             type(w, IDC_GRID_X_NUMERATOR, "9");
             chooseItem(w, IDC_GRID_UNIT, 3);
             chooseTab(w, GridSettingsDialog::kOriginPage);
             type(w, IDC_GRID_ORIGIN_X, "99");
             PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
         },
         {}, 2, 5, 2, 3, 2, 10, 20, 1, DrawingGrid::kPickClick, 1, {}},
    };
    TestApplication app;
    for (const Case& c : cases) {
        GridDrawing d;
        DrawingGrid defaults;
        ScopedOverride<GridSettings*> defaultsOverride(theGridDefaults, &defaults);
        makeStart(*d.grid);
        std::vector<std::string> seen;
        const INT_PTR result =
            driveModalDialog([&] { return d.grid->editSettings(); }, [&](HWND w) { c.script(w, seen); });
        EXPECT_EQ(result, c.result) << c.what;
        EXPECT_EQ(seen, c.seen) << c.what;
        const DrawingGrid& g = *d.grid;
        EXPECT_EQ(g.xNumerator, c.xNumerator) << c.what;
        EXPECT_EQ(g.yNumerator, c.yNumerator) << c.what;
        EXPECT_EQ(g.xDenominator, c.xDenominator) << c.what;
        EXPECT_EQ(g.yDenominator, c.yDenominator) << c.what;
        EXPECT_EQ(g.xOrigin, c.xOrigin) << c.what;
        EXPECT_EQ(g.yOrigin, c.yOrigin) << c.what;
        EXPECT_EQ(g.xUnitId(), c.unit) << c.what;
        EXPECT_EQ(g.yUnitId(), c.unit) << c.what << ": the y unit follows the x unit";
        EXPECT_EQ(g.pendingPick, c.pendingPick) << c.what;
        EXPECT_EQ(g.lastPage, c.lastPage) << c.what;
        EXPECT_EQ(d.measure->units, c.unitsPassedOn) << c.what;
        // OK also sets the application's defaults.
        EXPECT_EQ(defaults.xNumerator, c.result == 1 ? c.xNumerator : 1.0) << c.what;
        // The drawing file keeps the grid: a confirmed dialog changes the drawing, a cancelled one not.
        EXPECT_EQ(d.context().isModified(), c.result == IDCANCEL ? 0 : 1) << c.what;
    }
}

// After the dialog: one click in the view places the origin (a left click at the mouse, on an
// element's key point only when there is one), a right click asks for the context menu.
TEST(GridSettingsDialog, TheOriginByMouse)
{
    struct Case {
        const char* what;
        int pick, keys;
        double xOrigin, yOrigin;
        int menuRequests;
        double defaultsX;
    };
    // The click at view pixel (130, 70): drawing point (100, 50).
    const Case cases[] = {
        {"a left click places the origin and copies the grid to the defaults", DrawingGrid::kPickClick,
         ScriptedMouse::kLeft, 100, 50, 0, 100},
        {"a right click asks for the context menu", DrawingGrid::kPickClick, ScriptedMouse::kRight, 10, 20, 1, 0},
        {"without an element at the mouse the origin stays", DrawingGrid::kPickElementPoint, ScriptedMouse::kLeft, 10,
         20, 0, 0},
        {"no pick: a left click does nothing", DrawingGrid::kNoPick, ScriptedMouse::kLeft, 10, 20, 0, 0},
        {"no pick: a right click still asks for the menu", DrawingGrid::kNoPick, ScriptedMouse::kRight, 10, 20, 1, 0},
    };
    for (const Case& c : cases) {
        GridDrawing d;
        DrawingGrid defaults;
        ScopedOverride<GridSettings*> defaultsOverride(theGridDefaults, &defaults);
        ScopedHook<ContextMenuRequest> menu(setContextMenuRequest, countContextMenuRequest);
        ScopedOverride<int> requests(contextMenuRequests, 0);
        makeStart(*d.grid);
        d.grid->pendingPick = c.pick;
        ScriptedMouse mouse;
        mouse.rest(130, 70, c.keys);
        EXPECT_EQ(d.grid->mouseOperation(), 1) << c.what << ": what the grid tool runs at the mouse";
        EXPECT_EQ(d.grid->xOrigin, c.xOrigin) << c.what;
        EXPECT_EQ(d.grid->yOrigin, c.yOrigin) << c.what;
        EXPECT_EQ(d.grid->displayOriginX, c.defaultsX) << c.what << ": the shown origin follows a placed one";
        EXPECT_EQ(contextMenuRequests, c.menuRequests) << c.what;
        EXPECT_EQ(defaults.xOrigin, c.defaultsX) << c.what;
        EXPECT_EQ(d.context().isModified(), c.xOrigin != 10 ? 1 : 0) << c.what << ": the file keeps the origin";
        EXPECT_EQ(d.sheet.updater->pageRedraws, c.xOrigin != 10 ? 1 : 0) << c.what << ": the mark moves with it";
        EXPECT_EQ(d.grid->pendingPick, DrawingGrid::kNoPick) << c.what << ": one pick per request";
    }
}
