// Which elements are drawn and selectable, the print bracket of the auxiliary layer, and 表示制御
// driven by messages: its tabs show their own flags, names are typed into the field, OK takes the
// edits and キャンセル keeps everything.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>
#include <commctrl.h>

#include "document/DisplayControlDialog.h"
#include "document/DisplayControlState.h"
#include "document/ElementIndexEntry.h"
#include "document/ElementKindColumns.h"
#include "document/ElementKindNames.h"
#include "document/LayerTable.h"
#include "platform/OwnerDrawList.h"
#include "platform/StringUtil.h"
#include "platform/TabControl.h"
#include "resources/ids.h"
#include "tests/document/SheetTestDrawing.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

using namespace sheet_test;

namespace {

const char* const kFiveKindNames[] = {"線分", "折れ線", "複合折れ線", "スプライン曲線", "ボックス"};

// A registry that lists kinds 1 to 5.
int fiveKinds(int kind, char* name, int size)
{
    if (kind < 1 || kind > 5)
        return 0;
    StringUtil::copy(name, size, kFiveKindNames[kind - 1]);
    return 1;
}

ElementIndexEntry entryOf(int layer, int kind)
{
    ElementIndexEntry entry;
    entry.layer = layer;
    entry.kind = kind;
    return entry;
}

// A click on the text of row `row` of the layer list (rows of the GUI font's height and a
// one-pixel gap, the first one pixel below the top).
void clickLayerRow(HWND dialog, ScriptedMouse& mouse, int row)
{
    LOGFONTA font = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    const int h = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    POINT p = {h + 5, 1 + row * (h + 1) + h / 2};
    ClientToScreen(GetDlgItem(dialog, IDC_DISPLAY_LAYER_LIST), &p);
    mouse.rest(p.x, p.y);
    SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, 0);
}

std::string fieldText(HWND dialog, int id)
{
    char text[512];
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

// The checks and the labels of a check list.
struct ListState {
    std::vector<int> checks;
    std::vector<std::string> labels;
};

ListState listOf(DisplayControlDialog& dialog, int id)
{
    ListState state;
    Control* list = dialog.findControl(id);
    if (!list)
        return state;
    for (int i = 0; i < dynamic_cast<OwnerDrawList&>(*list).items.count; ++i) {
        state.checks.push_back(list->isItemChecked(i));
        char label[LayerRecord::kNameSize];
        (void)list->getItemText(i, label, sizeof label);
        state.labels.push_back(label);
    }
    return state;
}

} // namespace

TEST(DisplayControl, LayersOutsideTheTableAndKindsTheRegistryLacksCountAsShown)
{
    ScopedOverride<ElementKindNameLookup> registry(elementKindNameLookup, fiveKinds);
    DisplayControlState state;
    state.setLayerDisplayFlag(7, 0);
    state.setLayerSelectFlag(8, 0);
    state.setKindDisplayFlag(ElementKindColumns::columnOf(2), 0);
    state.setKindSelectFlag(ElementKindColumns::columnOf(3), 0);
    // Out of range: reads give 0, writes are ignored.
    state.setLayerDisplayFlag(256, 0);
    state.setKindDisplayFlag(DisplayControlState::kKindColumns, 0);
    EXPECT_EQ(state.layerDisplayFlag(256), 0);
    EXPECT_EQ(state.kindSelectFlag(-1), 0);

    const struct {
        int layer, kind, displayed, selectable;
    } cases[] = {
        {100, 1, 1, 1}, {300, 1, 1, 1}, {-1, 1, 1, 1}, {7, 1, 0, 1},  {8, 1, 1, 0},
        {1, 2, 0, 1},   {1, 3, 1, 0},   {1, 12, 1, 1}, {1, 99, 1, 1}, {7, 12, 0, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(state.isDisplayed(entryOf(c.layer, c.kind)), c.displayed) << c.layer << "/" << c.kind;
        EXPECT_EQ(state.isSelectable(entryOf(c.layer, c.kind)), c.selectable) << c.layer << "/" << c.kind;
    }
    EXPECT_EQ(ElementKindColumns::count(), 5);
    EXPECT_EQ(ElementKindColumns::kindAt(4), 5);
    EXPECT_EQ(ElementKindColumns::columnOf(12), -1);

    // Without a registry no element counts as either.
    ScopedOverride<ElementKindNameLookup> none(elementKindNameLookup, nullptr);
    for (const auto& c : cases) {
        EXPECT_EQ(state.isDisplayed(entryOf(c.layer, c.kind)), 0) << c.layer << "/" << c.kind;
        EXPECT_EQ(state.isSelectable(entryOf(c.layer, c.kind)), 0) << c.layer << "/" << c.kind;
    }
    EXPECT_EQ(ElementKindColumns::count(), 0);
}

TEST(DisplayControl, ThePrintBracketGivesTheAuxiliaryLayerItsFlagBack)
{
    for (int before : {1, 0}) {
        DisplayControlState state;
        state.setLayerDisplayFlag(DisplayControlState::kAuxiliaryLayer, before);
        state.hideAuxiliaryLayer();
        EXPECT_EQ(state.layerDisplayFlag(255), 0);
        state.restoreAuxiliaryLayer();
        EXPECT_EQ(state.layerDisplayFlag(255), before);
        // A drawing's context makes its own state, every flag on.
        DocumentContext context;
        context.createMembers();
        ASSERT_NE(context.displayControl, nullptr);
        EXPECT_EQ(context.displayControl->layerDisplayFlag(255), 1);
        context.destroyManagers();
    }
}

// Each tab shows its own table: the layer tabs share their page, the kind tabs list the
// registry's kinds under their names; 全てオフ switches a whole list off.
TEST(DisplayControlDialog, EachTabShowsItsOwnFlags)
{
    TestApplication app;
    ScopedOverride<ElementKindNameLookup> registry(elementKindNameLookup, fiveKinds);
    DisplayControlState state;
    state.setLayerDisplayFlag(7, 0);
    state.setLayerSelectFlag(9, 0);
    state.setKindDisplayFlag(1, 0);
    LayerTable names;
    DisplayControlDialog dialog(state, names, DisplayControlDialog::kLayersDrawn);
    std::vector<ListState> shown;
    const INT_PTR result = driveModalDialog([&] { return dialog.run(); }, [&](HWND window) {
        shown.push_back(listOf(dialog, IDC_DISPLAY_LAYER_LIST));
        chooseTab(window, DisplayControlDialog::kLayersSelectable);
        shown.push_back(listOf(dialog, IDC_DISPLAY_LAYER_LIST));
        chooseTab(window, DisplayControlDialog::kKindsDrawn);
        shown.push_back(listOf(dialog, IDC_DISPLAY_KIND_LIST));
        chooseTab(window, DisplayControlDialog::kKindsSelectable);
        click(window, IDC_DISPLAY_KINDS_OFF);
        shown.push_back(listOf(dialog, IDC_DISPLAY_KIND_LIST));
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(shown.size(), 4u);
    ASSERT_EQ(shown[0].checks.size(), 256u);
    EXPECT_EQ(shown[0].labels[100], "100 標準");
    EXPECT_EQ(shown[0].labels[255], "255 補助線");
    EXPECT_EQ(shown[0].checks[7], 0);
    EXPECT_EQ(shown[0].checks[9], 1);
    ASSERT_EQ(shown[1].checks.size(), 256u);
    EXPECT_EQ(shown[1].checks[7], 1) << "レイヤー選択 shows the select flags";
    EXPECT_EQ(shown[1].checks[9], 0);
    EXPECT_EQ(shown[2].labels, std::vector<std::string>(kFiveKindNames, kFiveKindNames + 5));
    EXPECT_EQ(shown[2].checks, (std::vector<int>{1, 0, 1, 1, 1}));
    EXPECT_EQ(shown[3].checks, (std::vector<int>(5, 0)));
    // OK stored the tab shown; the others were stored when they were left.
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(state.kindSelectFlag(column), 0) << column;
    EXPECT_EQ(state.kindSelectFlag(5), 1) << "a column the registry does not fill";
    EXPECT_EQ(state.kindDisplayFlag(1), 0);
    EXPECT_EQ(state.kindDisplayFlag(0), 1);
    EXPECT_EQ(state.layerDisplayFlag(7), 0);
    EXPECT_EQ(state.layerSelectFlag(9), 0);
    EXPECT_EQ(dialog.page(), DisplayControlDialog::kKindsSelectable);
}

// Choosing a layer puts its name into the field; what is typed there renames it, at most 79
// bytes and never half a character. OK takes the flags, the names and the list's position for
// the drawing and the application; キャンセル keeps every flag and name. The tab shown last is
// remembered either way.
TEST(DisplayControlDialog, OkTakesTheEditsAndCancelKeepsEverything)
{
    std::string japanese;
    for (int i = 0; i < 150; ++i)
        japanese += "表";
    const std::string typed = "a" + japanese; // 301 bytes
    const std::string kept = "a" + japanese.substr(0, 78);
    TestApplication app;
    ScriptedMouse mouse;
    for (int confirm : {0, 1}) {
        LayerTable application;
        ScopedOverride<LayerTable*> names(theLayerTable, &application);
        SheetDrawing drawing(10, 10);
        DocumentContext& context = drawing.drawing.context;
        ASSERT_NE(context.displayControl, nullptr) << "a drawing's context makes its own";
        DisplayControlState& state = *context.displayControl;
        std::string shownName;
        std::string renamed;
        const int result = static_cast<int>(driveModalDialog([&] { return state.runDialog(); }, [&](HWND window) {
            clickLayerRow(window, mouse, 5);
            shownName = fieldText(window, IDC_DISPLAY_LAYER_NAME);
            SetDlgItemTextA(window, IDC_DISPLAY_LAYER_NAME, typed.c_str());
            click(window, IDC_DISPLAY_LAYERS_OFF);
            for (int i = 0; i < 3; ++i)
                SendMessageA(window, WM_VSCROLL, SB_LINEDOWN,
                             reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_DISPLAY_LAYER_SCROLL)));
            chooseTab(window, DisplayControlDialog::kLayersSelectable);
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(confirm ? IDOK : IDCANCEL, BN_CLICKED), 0);
        }));
        EXPECT_EQ(result, confirm ? IDOK : IDCANCEL);
        EXPECT_EQ(shownName, "5");
        EXPECT_EQ(state.dialogPage, DisplayControlDialog::kLayersSelectable) << confirm;
        EXPECT_EQ(application.nameOf(5), confirm ? kept : std::string("5")) << confirm;
        EXPECT_EQ(state.layerDisplayFlag(5), confirm ? 0 : 1);
        EXPECT_EQ(state.layerDisplayFlag(200), confirm ? 0 : 1);
        EXPECT_EQ(state.layerSelectFlag(5), 1) << "the select tab was left as it was";
        EXPECT_EQ(state.layerListPosition, confirm ? 3 : 0);
        // The navigator and the page bar are redrawn with the view: hidden layers leave them too.
        EXPECT_EQ(drawing.updater->fullRefreshes, confirm);
        EXPECT_EQ(drawing.updater->refreshes, 0);
        EXPECT_EQ(drawing.updater->flushes, confirm);
    }
}
