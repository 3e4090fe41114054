// The drop-down chooser of a real dialog: its pop-up (a test template with a list box) runs as a
// modal dialog driven by the messages the test posts to it once it is up.
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

#include "platform/DropDownButton.h"
#include "platform/DropDownList.h"
#include "tests/platform/OwnerDrawnDialog.h"
#include "tests/support/DibSurface.h"
#include "tests/support/MessagePump.h"

namespace {

class DropDownTest : public OwnerDrawnTest {
protected:
    void SetUp() override
    {
        OwnerDrawnTest::SetUp();
        drop = &control<DropDownList>(IDC_OD_DROP_FIELD);
        for (const char* unit : {"ミリ", "インチ", "ポイント"})
            ASSERT_TRUE(drop->addItem(unit));
        ASSERT_EQ(drop->setupPopup(IDD_TEST_DROP_POPUP, IDC_POPUP_LIST, 1), 1);
    }

    // What the pop-up's list showed when it opened.
    struct Shown {
        std::vector<std::string> rows;
        int selection = -2;
        int top = -2;
    };

    // Opens the pop-up through `open` and, once it is up, notes its list and does `act` on it.
    int runPopup(const std::function<void(HWND popup, HWND list)>& act, const std::function<int()>& open = nullptr)
    {
        shown = Shown();
        return static_cast<int>(driveModalDialog(
            [&]() -> INT_PTR { return open ? open() : drop->openPopup(); },
            [&](HWND popup) {
                popupWindow = popup;
                HWND list = GetDlgItem(popup, IDC_POPUP_LIST);
                int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
                for (int i = 0; i < count; ++i) {
                    char text[128] = {};
                    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
                    shown.rows.push_back(text);
                }
                shown.selection = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
                shown.top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
                GetWindowRect(popup, &popupRect);
                act(popup, list);
            }));
    }

    std::string fieldText()
    {
        char text[400] = {};
        GetDlgItemTextA(dialog.hwnd, IDC_OD_DROP_FIELD, text, sizeof text);
        return text;
    }

    // The user types into the field: it has the focus, then its text changes.
    void type(const char* text)
    {
        HWND field = GetDlgItem(dialog.hwnd, IDC_OD_DROP_FIELD);
        SendMessageA(dialog.hwnd, WM_COMMAND, MAKEWPARAM(IDC_OD_DROP_FIELD, EN_SETFOCUS), reinterpret_cast<LPARAM>(field));
        SetWindowTextA(field, text); // the edit field reports EN_CHANGE to the dialog
    }

    DropDownList* drop = nullptr;
    Shown shown;
    HWND popupWindow = nullptr;
    RECT popupRect = {};
};

// The ways a user ends the pop-up, as messages to it: a double-click on a row (the list box
// selects the row and reports LBN_DBLCLK), Escape and Enter (the dialog manager turns them into
// commands with notification 0).
void doubleClickRow(HWND list, int row)
{
    RECT r = {};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    LPARAM at = MAKELPARAM(r.left + 3, (r.top + r.bottom) / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
}

void pressKey(HWND list, WPARAM key)
{
    SetFocus(list);
    PostMessageA(list, WM_KEYDOWN, key, 1);
}

TEST_F(DropDownTest, ThePopupListsTheItemsAndItsRowBecomesCurrent)
{
    struct Case {
        const char* what;
        int startAt;
        std::function<void(HWND popup, HWND list)> act;
        int result;
        int current;
    };
    const Case cases[] = {
        {"double-click on row 2", 0, [](HWND, HWND list) { doubleClickRow(list, 2); }, 1, 2},
        {"Escape after moving the highlight", 2,
         [](HWND, HWND list) {
             SendMessageA(list, LB_SETCURSEL, 0, 0);
             pressKey(list, VK_ESCAPE);
         },
         1, 0},
        {"Escape at once keeps the value", 1, [](HWND, HWND list) { pressKey(list, VK_ESCAPE); }, 1, 1},
        {"Enter", 0,
         [](HWND, HWND list) {
             SendMessageA(list, LB_SETCURSEL, 1, 0);
             pressKey(list, VK_RETURN);
         },
         1, 1},
        {"a button of the pop-up", 0,
         [](HWND popup, HWND list) {
             SendMessageA(list, LB_SETCURSEL, 2, 0);
             PostMessageA(popup, WM_COMMAND, MAKEWPARAM(4321, BN_CLICKED), 0);
         },
         1, 2},
        {"a double-click on no row", 1,
         [](HWND popup, HWND list) {
             SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
             PostMessageA(popup, WM_COMMAND, MAKEWPARAM(IDC_POPUP_LIST, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
         },
         2, 1},
        {"Escape with no row highlighted", 2,
         [](HWND, HWND list) {
             SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
             pressKey(list, VK_ESCAPE);
         },
         2, 2},
    };
    const char* const units[] = {"ミリ", "インチ", "ポイント"};
    for (const Case& c : cases) {
        ASSERT_EQ(drop->choose(c.startAt), 1);
        EXPECT_EQ(runPopup(c.act), c.result) << c.what;
        EXPECT_EQ(shown.rows, (std::vector<std::string>{"ミリ", "インチ", "ポイント"})) << c.what;
        EXPECT_EQ(shown.selection, c.startAt) << c.what;
        EXPECT_EQ(drop->getCurrent(), c.current) << c.what;
        EXPECT_EQ(fieldText(), units[c.current]) << c.what;
        EXPECT_EQ(drop->isChanged(), 0) << c.what;
        EXPECT_EQ(DropDownList::openOne(), nullptr) << c.what;
    }

    // Choosing a bad index, or opening a pop-up that is not set up, does nothing.
    for (int bad : {-1, 3, 99})
        EXPECT_EQ(drop->choose(bad), 0) << bad;
    EXPECT_EQ(drop->getCurrent(), 2);
    ASSERT_EQ(drop->setupPopup(IDD_TEST_DROP_POPUP, IDC_POPUP_LIST, 0), 1);
    EXPECT_EQ(drop->openPopup(), 0);
    ASSERT_EQ(drop->setupPopup(0, IDC_POPUP_LIST, 1), 1);
    EXPECT_EQ(drop->openPopup(), 0);
}

TEST_F(DropDownTest, AnEmptyOrPastTheEndListClosesWithNothingChosen)
{
    // A current item past the items highlights no row; the pop-up still closes.
    drop->current = 7;
    EXPECT_EQ(runPopup([](HWND, HWND list) { pressKey(list, VK_ESCAPE); }), 2);
    EXPECT_EQ(shown.selection, LB_ERR);
    EXPECT_EQ(drop->getCurrent(), 7);
    type("キロ");
    EXPECT_EQ(drop->isChanged(), 0);

    drop->release();
    drop->current = 0;
    for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        EXPECT_EQ(runPopup([key](HWND, HWND list) { pressKey(list, key); }), 2) << key;
        EXPECT_TRUE(shown.rows.empty());
        EXPECT_EQ(drop->getCurrent(), 0);
    }
    // The close box ends it the same way.
    EXPECT_EQ(runPopup([](HWND popup, HWND) { PostMessageA(popup, WM_CLOSE, 0, 0); }), 2);
}

TEST_F(DropDownTest, TypedTextReplacesTheCurrentItem)
{
    ASSERT_EQ(drop->choose(1), 1);
    EXPECT_EQ(drop->isChanged(), 0);
    // The field's own text, reported again, changes nothing.
    drop->onChange();
    EXPECT_EQ(drop->isChanged(), 0);

    type("センチ");
    EXPECT_EQ(drop->isChanged(), 1);
    char text[DropDownList::kTextSize];
    ASSERT_EQ(drop->getItemText(1, text, sizeof text), 1);
    EXPECT_STREQ(text, "センチ");
    EXPECT_EQ(runPopup([](HWND, HWND list) { pressKey(list, VK_ESCAPE); }), 1);
    EXPECT_EQ(shown.rows, (std::vector<std::string>{"ミリ", "センチ", "ポイント"}));

    // A long text is cut to 81 bytes on a whole character; an empty field keeps the item.
    std::string longText = "x";
    for (int i = 0; i < 150; ++i)
        longText += "表";
    type(longText.c_str());
    ASSERT_EQ(drop->getItemText(1, text, sizeof text), 1);
    EXPECT_EQ(std::string(text), longText.substr(0, 81));
    type("");
    ASSERT_EQ(drop->getItemText(1, text, sizeof text), 1);
    EXPECT_EQ(std::string(text), longText.substr(0, 81));
    ASSERT_EQ(drop->getItemText(0, text, sizeof text), 1);
    EXPECT_STREQ(text, "ミリ");
}

TEST_F(DropDownTest, ThePopupOpensOverTheFieldAndStaysOnTheScreen)
{
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    HWND field = GetDlgItem(dialog.hwnd, IDC_OD_DROP_FIELD);
    auto fieldCorner = [&] {
        POINT p = {0, 0};
        ClientToScreen(field, &p);
        return p;
    };
    auto moveFieldTo = [&](int x, int y) {
        POINT now = fieldCorner();
        RECT r;
        GetWindowRect(dialog.hwnd, &r);
        SetWindowPos(dialog.hwnd, nullptr, r.left + x - now.x, r.top + y - now.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    };
    auto escape = [](HWND, HWND list) { pressKey(list, VK_ESCAPE); };

    moveFieldTo(100, 120);
    EXPECT_EQ(runPopup(escape), 1);
    EXPECT_EQ(popupRect.left, 100);
    EXPECT_EQ(popupRect.top, 120);

    moveFieldTo(screenWidth - 20, screenHeight - 10);
    EXPECT_EQ(runPopup(escape), 1);
    EXPECT_EQ(popupRect.right, screenWidth);
    EXPECT_EQ(popupRect.bottom, screenHeight);
    EXPECT_GT(popupRect.right - popupRect.left, 20);
    EXPECT_GE(popupRect.top, 0);

    // The rule itself: left and up by the overshoot, the top never above the screen.
    struct Case {
        IntRect popup;
        IntPoint corner;
        IntRect placed;
    };
    auto rect = IntRect::fromEdges;
    const Case cases[] = {
        {rect(0, 0, 100, 60), IntPoint(10, 20), rect(10, 20, 110, 80)},
        {rect(5, 5, 105, 65), IntPoint(1000, 20), rect(924, 20, 1024, 80)},
        {rect(0, 0, 100, 60), IntPoint(1000, 750), rect(924, 708, 1024, 768)},
        {rect(0, 0, 100, 900), IntPoint(30, 500), rect(30, 0, 130, 900)},
        {rect(0, 0, 1100, 60), IntPoint(30, 40), rect(-76, 40, 1024, 100)},
    };
    for (const Case& c : cases) {
        IntRect placed = DropDownList::placePopup(c.popup, c.corner, 1024, 768);
        EXPECT_TRUE(placed.equals(c.placed)) << placed.left << "," << placed.top << "," << placed.right << ","
                                             << placed.bottom;
    }
}

TEST_F(DropDownTest, TheButtonShowsItsPressedFaceWhileThePopupIsOpen)
{
    DropDownButton& button = control<DropDownButton>(IDC_OD_DROP_BUTTON);
    sizeItem(IDC_OD_DROP_BUTTON, 16, 16);
    DibSurface surface(16, 16, kUnpainted);
    button.paintTarget = surface.hdc;
    const COLORREF grey = RGB(128, 128, 128);

    // Without a target a press does nothing.
    click(IDC_OD_DROP_BUTTON, 5, 5);
    EXPECT_EQ(surface.pixel(0, 0), kUnpainted);
    button.setTarget(&control<Control>(IDC_OD_SWATCH));
    EXPECT_EQ(button.target, nullptr);

    button.setTarget(drop);
    button.refresh();
    EXPECT_EQ(surface.pixel(0, 0), kWhite);
    EXPECT_EQ(surface.pixel(15, 15), kBlack);

    COLORREF whileOpen = 0;
    int result = runPopup(
        [&](HWND, HWND list) {
            whileOpen = surface.pixel(0, 0);
            doubleClickRow(list, 2);
        },
        [&] {
            click(IDC_OD_DROP_BUTTON, 5, 5);
            return 0;
        });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(whileOpen, grey);
    EXPECT_EQ(surface.pixel(0, 0), kWhite);
    EXPECT_EQ(surface.pixel(15, 15), kBlack);
    EXPECT_EQ(drop->getCurrent(), 2);
    EXPECT_EQ(fieldText(), "ポイント");
}

} // namespace
