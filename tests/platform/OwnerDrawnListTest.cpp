// The owner-drawn controls of a real dialog: the check list, the text lists that scroll together
// and the colour swatch. Clicks come as WM_LBUTTONDOWN to the dialog with the mouse where the
// test puts it; what the controls draw goes to a DIB surface of the item's size.
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

#include "platform/ColorDialog.h"
#include "platform/ColorSwatch.h"
#include "platform/ControlKinds.h"
#include "platform/DropDownButton.h"
#include "platform/DropDownList.h"
#include "platform/OwnerDrawList.h"
#include "platform/OwnerDrawTree.h"
#include "platform/ScrollBarControl.h"
#include "platform/WindowScrollBar.h"
#include "tests/platform/OwnerDrawnDialog.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ScopedOverride.h"

namespace {

TEST_F(OwnerDrawnTest, EachKindGetsItsOwnClass)
{
    EXPECT_NE(dynamic_cast<OwnerDrawList*>(dialog.getControl(IDC_OD_CHECK_LIST)), nullptr);
    EXPECT_NE(dynamic_cast<OwnerDrawTree*>(dialog.getControl(IDC_OD_TEXT_LIST)), nullptr);
    EXPECT_NE(dynamic_cast<ColorSwatch*>(dialog.getControl(IDC_OD_SWATCH)), nullptr);
    EXPECT_NE(dynamic_cast<DropDownList*>(dialog.getControl(IDC_OD_DROP_FIELD)), nullptr);
    EXPECT_NE(dynamic_cast<DropDownButton*>(dialog.getControl(IDC_OD_DROP_BUTTON)), nullptr);
    for (int id : {IDC_OD_CHECK_LIST, IDC_OD_TEXT_LIST, IDC_OD_SWATCH, IDC_OD_DROP_FIELD, IDC_OD_DROP_BUTTON})
        EXPECT_EQ(dynamic_cast<GenericControl*>(dialog.getControl(id)), nullptr) << id;
}

TEST_F(OwnerDrawnTest, CheckListRowsAreOneFontHeightAndAGapApart)
{
    OwnerDrawList& list = control<OwnerDrawList>(IDC_OD_CHECK_LIST);
    const int h = list.rowHeight();
    const int pitch = h + 1;
    ASSERT_GE(h, 8);
    LOGFONTA font = {};
    ASSERT_TRUE(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font));
    EXPECT_EQ(h, font.lfHeight < 0 ? -font.lfHeight : font.lfHeight);
    // Four whole rows and a part of a fifth.
    const int width = 150, height = 4 * pitch + pitch / 2;
    sizeItem(IDC_OD_CHECK_LIST, width, height);
    DibSurface surface(width, height, kUnpainted);
    list.paintTarget = surface.hdc;
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(list.addItem(i % 2 == 0, ("項目" + std::to_string(i)).c_str()));
    EXPECT_EQ(list.visibleRows(), 4);
    int low = -1, high = -1, page = -1;
    EXPECT_TRUE(list.getScrollRange(&low, &high, &page));
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 10);
    EXPECT_EQ(page, 4);

    // Each shown row: the top edge of its check box, ticked for the even items; white between rows
    // and below the last whole row. Above the first row lies the item's frame, left to the item.
    auto ticked = [&](int row) { return surface.inkCount(3, 1 + row * pitch + 2, h - 2, 1 + row * pitch + h - 3, kWhite) > 0; };
    auto expectRows = [&](int firstItem) {
        for (int row = 0; row < 4; ++row) {
            int top = 1 + row * pitch;
            EXPECT_EQ(surface.pixel(h / 2, top), kBlack) << "row " << row;
            EXPECT_EQ(surface.pixel(h / 2, top - 1), row == 0 ? kUnpainted : kWhite) << "row " << row;
            EXPECT_EQ(ticked(row), (firstItem + row) % 2 == 0) << "row " << row;
        }
        EXPECT_EQ(surface.pixel(h / 2, 4 * pitch + 2), kWhite);
        EXPECT_EQ(surface.pixel(width - 3, height - 2), kWhite);
    };
    list.repaint();
    expectRows(0);

    // Scrolling: the last rows shown are the last items; an index outside the items is ignored
    // and does not repaint.
    struct Scroll {
        int index;
        int top;
        bool repaints;
    };
    const Scroll scrolls[] = {{8, 6, true}, {10, 6, false}, {-1, 6, false}, {3, 3, true}, {3, 3, false}, {9, 6, true}};
    for (const Scroll& s : scrolls) {
        surface.fill(kUnpainted);
        list.scrollTo(s.index);
        EXPECT_EQ(list.topIndex, s.top) << s.index;
        EXPECT_EQ(surface.pixel(width - 3, height - 2) != kUnpainted, s.repaints) << s.index;
        if (s.repaints)
            expectRows(s.top);
    }
}

TEST_F(OwnerDrawnTest, CheckListClicksSwitchAndSelectRows)
{
    OwnerDrawList& list = control<OwnerDrawList>(IDC_OD_CHECK_LIST);
    const int h = list.rowHeight();
    const int pitch = h + 1;
    const int width = 150, height = 4 * pitch + pitch / 2;
    sizeItem(IDC_OD_CHECK_LIST, width, height);
    DibSurface surface(width, height, kUnpainted);
    list.paintTarget = surface.hdc;
    for (const char* text : {"線", "円", "文字"})
        ASSERT_TRUE(list.addItem(0, text));

    // Row k of the list ends at y = h + k * pitch: the last pixel of a row's box and the gap under
    // it count for the next row; only whole rows are hit.
    struct Click {
        int x, y;
        int selected;
        int toggled;
        bool repaints;
        const char* what;
    };
    const Click clicks[] = {
        {2, 1 + h / 2, 0, 0, true, "check box of the first row"},
        {h + 5, 1 + pitch + h / 2, 1, -1, true, "text of the second row"},
        {h - 1, 1 + pitch + h / 2, 1, 1, true, "last pixel of the check-box column"},
        {h, 1 + pitch + h / 2, 1, -1, true, "first pixel right of the column"},
        {h + 5, h, 1, -1, true, "last pixel of the first row's box"},
        {h + 5, 1 + h, 1, -1, true, "the gap under the first row"},
        {h + 5, h - 1, 0, -1, true, "the first row"},
        {2, 1 + 2 * pitch + 1, 2, 2, true, "check box of the third row"},
        {2, 2, 0, 0, true, "check box of the first row again"},
        {2, 1 + 3 * pitch + 1, -1, -1, false, "a row below the last item"},
        {h + 5, 4 * pitch + 2, -1, -1, false, "the partly shown fifth row"},
        {width - 1, height, -1, -1, false, "the bottom-right corner"},
    };
    for (const Click& c : clicks) {
        surface.fill(kUnpainted);
        click(IDC_OD_CHECK_LIST, c.x, c.y);
        EXPECT_EQ(dialog.lastOf(WM_LBUTTONDOWN).event, DLG_CLICK) << c.what;
        EXPECT_EQ(list.getSelected(), c.selected) << c.what;
        EXPECT_EQ(list.getLastToggled(), c.toggled) << c.what;
        EXPECT_EQ(surface.pixel(width - 3, height - 2) != kUnpainted, c.repaints) << c.what;
    }
    // Items 1 and 2 were switched once, item 0 twice.
    EXPECT_EQ(list.isItemChecked(0), 0);
    EXPECT_EQ(list.isItemChecked(1), 1);
    EXPECT_EQ(list.isItemChecked(2), 1);

    // The selected row is highlighted from its top to the next row's top.
    click(IDC_OD_CHECK_LIST, h + 5, 1 + pitch + 2);
    RgbColor highlight;
    highlight.setHighlightColor();
    EXPECT_EQ(surface.pixel(width - 5, 1 + pitch), highlight.colorRef);
    EXPECT_EQ(surface.pixel(width - 5, 1 + pitch + h - 1), highlight.colorRef);
    EXPECT_EQ(surface.pixel(width - 5, 1 + pitch - 1), kWhite);
    EXPECT_EQ(surface.pixel(width - 5, 1 + 2 * pitch), kWhite);
}

TEST_F(OwnerDrawnTest, TextListsLinkedToOneScrollBarKeepTheSameTopRow)
{
    OwnerDrawTree& names = control<OwnerDrawTree>(IDC_OD_TEXT_LIST);
    OwnerDrawTree& values = control<OwnerDrawTree>(IDC_OD_TEXT_LIST2);
    ScrollBarControl& bar = control<ScrollBarControl>(IDC_OD_SCROLL);
    const int pitch = names.rowHeight() + 1;
    sizeItem(IDC_OD_TEXT_LIST, 100, 5 * pitch + 3);
    sizeItem(IDC_OD_TEXT_LIST2, 100, 5 * pitch + 3);
    DibSurface first(100, 5 * pitch + 3), second(100, 5 * pitch + 3);
    names.paintTarget = first.hdc;
    values.paintTarget = second.hdc;
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(names.addItem(("レイヤー" + std::to_string(i)).c_str()));
        ASSERT_TRUE(values.addItem(std::to_string(i * 10).c_str()));
    }
    bar.bindToItem();
    bar.linkTo(&names);
    names.linkTo(&values);
    ASSERT_NE(bar.bar, nullptr);
    EXPECT_EQ(bar.bar->maxPosition(), 15);

    HWND item = GetDlgItem(dialog.hwnd, IDC_OD_SCROLL);
    struct Move {
        int code;
        int top;
    };
    const Move moves[] = {{SB_LINEDOWN, 1}, {SB_LINEDOWN, 2}, {SB_PAGEDOWN, 6}, {SB_BOTTOM, 15}, {SB_LINEUP, 14}, {SB_TOP, 0}};
    for (const Move& m : moves) {
        SendMessageA(dialog.hwnd, WM_VSCROLL, MAKEWPARAM(m.code, 0), reinterpret_cast<LPARAM>(item));
        EXPECT_EQ(names.topIndex, m.top) << m.code;
        EXPECT_EQ(values.topIndex, m.top) << m.code;
    }

    // Lists coupled both ways end the round instead of passing the position back and forth.
    values.linkTo(&names);
    names.onScrollTo(4);
    EXPECT_EQ(names.topIndex, 4);
    EXPECT_EQ(values.topIndex, 4);
}

TEST_F(OwnerDrawnTest, TextListRemovesAndSelectsItems)
{
    OwnerDrawTree& list = control<OwnerDrawTree>(IDC_OD_TEXT_LIST);
    const int h = list.rowHeight();
    const int pitch = h + 1;
    const int width = 100, height = 6 * pitch;
    sizeItem(IDC_OD_TEXT_LIST, width, height);
    DibSurface surface(width, height, kUnpainted);
    list.paintTarget = surface.hdc;
    for (const char* text : {"赤", "緑", "青", "黄"})
        ASSERT_TRUE(list.addItem(text));
    auto texts = [&] {
        std::vector<std::string> all;
        char text[OwnerDrawTree::kTextSize];
        for (int i = 0; i < list.itemCount(); ++i) {
            EXPECT_GT(list.getItemText(i, text, sizeof text), 0);
            all.push_back(text);
        }
        return all;
    };
    EXPECT_EQ(list.removeItem(1), 1);
    EXPECT_EQ(texts(), (std::vector<std::string>{"赤", "青", "黄"}));
    for (int bad : {-1, 3, 100})
        EXPECT_EQ(list.removeItem(bad), 0) << bad;
    EXPECT_EQ(texts(), (std::vector<std::string>{"赤", "青", "黄"}));

    // A click on a row shows it selected; a row without an item clears the selection and
    // repaints, leaving the list white below its items.
    click(IDC_OD_TEXT_LIST, 30, 1 + pitch + 2);
    EXPECT_EQ(list.getSelected(), 1);
    surface.fill(kUnpainted);
    click(IDC_OD_TEXT_LIST, 30, 1 + 4 * pitch + 2);
    EXPECT_EQ(list.getSelected(), -1);
    EXPECT_EQ(surface.pixel(5, 1 + 4 * pitch + 2), kWhite);
    EXPECT_EQ(surface.pixel(width - 2, height - 2), kWhite);
    EXPECT_EQ(list.select(7), 1); // no range check: nothing shows highlighted
    EXPECT_EQ(list.getSelected(), 7);

    list.setTag(42);
    list.clear();
    EXPECT_EQ(list.itemCount(), 0);
    EXPECT_EQ(list.getSelected(), -1);
    EXPECT_EQ(list.topIndex, 0);
    EXPECT_EQ(list.getTag(), 42);
}

// Texts longer than a row keep what fits, up to a whole character; a bad index reads nothing.
TEST_F(OwnerDrawnTest, LongItemTextsAreCutToTheRowOnAWholeCharacter)
{
    std::string twoByte;
    for (int i = 0; i < 150; ++i)
        twoByte += "表";
    const std::string mixed = "a" + twoByte.substr(0, 298) + "z"; // 300 bytes
    const std::string leadAtEnd = "abc\x83";
    OwnerDrawList& checks = control<OwnerDrawList>(IDC_OD_CHECK_LIST);
    OwnerDrawTree& texts = control<OwnerDrawTree>(IDC_OD_TEXT_LIST);
    DropDownList& choices = control<DropDownList>(IDC_OD_DROP_FIELD);

    struct Case {
        const char* kind;
        const std::string& text;
        size_t kept;
    };
    const Case cases[] = {
        {"check list", mixed, 83},   {"check list", twoByte, 82},   {"check list", leadAtEnd, 4},
        {"text list", mixed, 129},   {"text list", twoByte, 128},   {"text list", leadAtEnd, 4},
        {"drop-down", mixed, 81},    {"drop-down", twoByte, 80},    {"drop-down", leadAtEnd, 4},
    };
    for (const Case& c : cases) {
        const std::string kind = c.kind;
        checks.clear();
        texts.clear();
        choices.release();
        char read[400];
        std::memset(read, 'x', sizeof read);
        if (kind == "check list") {
            ASSERT_TRUE(checks.addItem(1, c.text.c_str()));
            EXPECT_EQ(checks.getItemText(0, read, sizeof read), static_cast<int>(c.kept));
        } else if (kind == "text list") {
            ASSERT_TRUE(texts.addItem(c.text.c_str()));
            EXPECT_EQ(texts.getItemText(0, read, sizeof read), static_cast<int>(c.kept));
        } else {
            ASSERT_TRUE(choices.addItem(c.text.c_str()));
            EXPECT_EQ(choices.getItemText(0, read, sizeof read), 1);
        }
        EXPECT_EQ(std::string(read), c.text.substr(0, c.kept)) << kind << " " << c.text.size();
    }

    // Setting a text cuts it the same way; reading into a short buffer cuts again; bad indexes
    // leave everything as it was.
    checks.clear();
    ASSERT_TRUE(checks.addItem(0, "短い"));
    EXPECT_EQ(checks.setItemText(0, mixed.c_str()), 1);
    char shortBuffer[4];
    EXPECT_EQ(checks.getItemText(0, shortBuffer, sizeof shortBuffer), 3);
    EXPECT_STREQ(shortBuffer, "a\x95\x5c");
    for (int bad : {-1, 1, 1000}) {
        char read[8] = "old";
        EXPECT_EQ(checks.getItemText(bad, read, sizeof read), 0) << bad;
        EXPECT_STREQ(read, "") << bad;
        EXPECT_EQ(checks.setItemText(bad, "x"), 0) << bad;
        EXPECT_EQ(checks.setItemChecked(bad, 1), 0) << bad;
        EXPECT_EQ(checks.isItemChecked(bad), 0) << bad;
        EXPECT_EQ(texts.getItemText(bad, read, sizeof read), 0) << bad;
        EXPECT_EQ(choices.getItemText(bad, read, sizeof read), 0) << bad;
    }
    char read[100];
    EXPECT_EQ(checks.getItemText(0, read, sizeof read), 83);
}

// The answer of the colour chooser while a test runs it.
struct ChooserScript {
    COLORREF answer = RGB(10, 20, 30);
    BOOL confirm = TRUE;
    HWND owner = nullptr;
    COLORREF shown = 0;
    int runs = 0;
} chooser;

BOOL answerChooser(CHOOSECOLORA* record)
{
    ++chooser.runs;
    chooser.owner = record->hwndOwner;
    chooser.shown = record->rgbResult;
    if (chooser.confirm)
        record->rgbResult = chooser.answer;
    return chooser.confirm;
}

TEST_F(OwnerDrawnTest, SwatchChoosesThroughTheChooserAndKeepsItsColourModel)
{
    ScopedHook<ChooseColorFunction> hook(setChooseColorFunction, answerChooser);
    ScopedOverride<ChooserScript> script(chooser, ChooserScript());
    ColorSwatch& swatch = control<ColorSwatch>(IDC_OD_SWATCH);
    sizeItem(IDC_OD_SWATCH, 30, 16);
    DibSurface surface(30, 16, kUnpainted);
    swatch.paintTarget = surface.hdc;

    RgbColor start(200, 100, 50);
    start.model = 2;
    swatch.colour.model = 3;
    swatch.setColour(&start);
    EXPECT_EQ(swatch.colour.model, 3);
    EXPECT_EQ(swatch.getColour()->colorRef, RGB(200, 100, 50));

    // Without a source a chooser of its own runs on the swatch's colour, over the dialog.
    EXPECT_EQ(swatch.chooseColour(), 1);
    EXPECT_EQ(chooser.shown, RGB(200, 100, 50));
    EXPECT_EQ(chooser.owner, dialog.hwnd);
    EXPECT_EQ(swatch.colour.colorRef, RGB(10, 20, 30));
    EXPECT_EQ(swatch.colour.model, 3);
    swatch.repaint();
    EXPECT_EQ(surface.pixel(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(surface.pixel(29, 15), RGB(10, 20, 30));

    chooser.confirm = FALSE;
    EXPECT_EQ(swatch.chooseColour(), 0);
    EXPECT_EQ(swatch.colour.colorRef, RGB(10, 20, 30));

    // With a source the swatch follows it, also when painted.
    ColorDialog source;
    source.setRgb(0, 128, 255);
    swatch.setSource(&source);
    EXPECT_EQ(swatch.colour.colorRef, RGB(0, 128, 255));
    chooser.confirm = TRUE;
    chooser.answer = RGB(1, 2, 3);
    EXPECT_EQ(swatch.chooseColour(), 1);
    EXPECT_EQ(source.colorRef, RGB(1, 2, 3));
    EXPECT_EQ(swatch.colour.colorRef, RGB(1, 2, 3));
    source.setRgb(250, 0, 0);
    swatch.repaint();
    EXPECT_EQ(surface.pixel(15, 8), RGB(250, 0, 0));
    EXPECT_EQ(chooser.runs, 3);

    // A click on the swatch is its event for the dialog to act on.
    click(IDC_OD_SWATCH, 5, 5);
    EXPECT_EQ(dialog.lastOf(WM_LBUTTONDOWN).event, DLG_CLICK);
    EXPECT_EQ(dialog.lastOf(WM_LBUTTONDOWN).controlId, IDC_OD_SWATCH);
}

} // namespace
