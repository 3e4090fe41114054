// Dialogs from resources: finding the dialog of a message, dialog events and the controls they
// reach, modal runs, placement.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "geometry/IntValue.h"
#include "platform/ControlKinds.h"
#include "platform/DialogRegistry.h"
#include "platform/ImeGuard.h"
#include "tests/support/HandleForms.h"
#include "tests/support/MessagePump.h"
#include "tests/support/RecordingDialog.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestResources.h"

namespace {

HWND item(const Dialog& dialog, int id) { return GetDlgItem(dialog.hwnd, id); }

LRESULT command(Dialog& dialog, int id, int notification)
{
    return SendMessageA(dialog.hwnd, WM_COMMAND, MAKEWPARAM(id, notification), reinterpret_cast<LPARAM>(item(dialog, id)));
}

// The centre of a dialog item in screen coordinates.
POINT itemCentre(const Dialog& dialog, int id)
{
    RECT r;
    GetWindowRect(item(dialog, id), &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST(DialogRegistry, FindsTheDialogOfEachMessage)
{
    TestApplication app;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RecordingWindow stranger;
    EXPECT_EQ(theDialogRegistry->route(stranger.hwnd(), WM_COMMAND, IDOK, 0), -1);
    EXPECT_EQ(DialogRegistry::dialogProc(stranger.hwnd(), WM_COMMAND, IDOK, 0), FALSE);

    RecordingDialog first;
    RecordingDialog second;
    EXPECT_EQ(second.serial, first.serial + 1);
    EXPECT_EQ(theDialogRegistry->indexOf(second.serial), 1);

    // A new dialog window goes to the last dialog without a window.
    HWND window = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_TEST_CONTROLS), nullptr, DialogRegistry::dialogProc, 0);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(second.hwnd, window);
    EXPECT_EQ(first.hwnd, nullptr);
    EXPECT_TRUE(first.records.empty());
    ASSERT_FALSE(second.events().empty());
    EXPECT_EQ(second.events().front(), DLG_INIT);

    // Once bound, its messages reach it whatever dialogs come later.
    {
        RecordingDialog third;
        SendMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(second.events().back(), DLG_CLOSE);
        EXPECT_TRUE(third.records.empty());
        EXPECT_EQ(theDialogRegistry->count(), 3);
    }
    EXPECT_EQ(theDialogRegistry->count(), 2);
    EXPECT_EQ(theDialogRegistry->remove(12345), 0);
    DestroyWindow(window);
}

TEST(DialogRegistry, ADialogTheRegistryDoesNotHoldIsNeverShown)
{
    TestApplication app;
    // As after a registration that failed for want of memory: its messages could not reach it,
    // and a modal one could not even end.
    RecordingDialog modal;
    RecordingTemplate paged;
    RecordingModeless modeless;
    Dialog* dialogs[] = {&modal, &paged, &modeless};
    for (Dialog* dialog : dialogs)
        ASSERT_EQ(theDialogRegistry->remove(dialog->serial), 1);
    auto endAtOnce = [](HWND window) { EndDialog(window, 7); };
    EXPECT_EQ(driveModalDialog([&] { return modal.runModal(IDD_TEST_CONTROLS); }, endAtOnce), -1);
    EXPECT_EQ(driveModalDialog([&] { return paged.runModal(IDD_TEST_PAGE1); }, endAtOnce), -1);
    EXPECT_EQ(modeless.create(IDD_TEST_CONTROLS), 0);
    EXPECT_EQ(modeless.hwnd, nullptr);
    EXPECT_TRUE(modal.records.empty());
    EXPECT_TRUE(paged.records.empty());
    EXPECT_TRUE(modeless.records.empty());
}

TEST(DialogRegistry, DialogsKeepTheInputMethodOffWhileTheyExist)
{
    TestApplication app;
    ASSERT_TRUE(theImeGuard);
    {
        Dialog outer;
        EXPECT_EQ(theImeGuard->count, 1);
        {
            Dialog inner;
            EXPECT_EQ(theImeGuard->count, 2);
        }
        EXPECT_EQ(theImeGuard->count, 1);
    }
    EXPECT_EQ(theImeGuard->count, 0);
}

class ModelessDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog.onEvent = [this](int event) {
            if (event == DLG_INIT)
                declare();
            return RecordingModeless::kNotAnswered;
        };
        ASSERT_EQ(dialog.create(IDD_TEST_CONTROLS), 1);
    }
    void TearDown() override { dialog.destroy(); }

    void declare()
    {
        ASSERT_TRUE(dialog.addControl(IDOK, KIND_PUSH_BUTTON));
        ASSERT_TRUE(dialog.addControl(IDCANCEL, KIND_PUSH_BUTTON));
        ASSERT_TRUE(dialog.addControl(IDC_TEST_REAL, KIND_REAL_EDIT));
        ASSERT_TRUE(dialog.addControl(IDC_TEST_TEXT, KIND_TEXT_EDIT));
        ASSERT_TRUE(dialog.addControl(IDC_TEST_LIST, KIND_LIST_BOX));
        ASSERT_TRUE(dialog.addControl(IDC_TEST_BUTTON, KIND_PUSH_BUTTON));
        ASSERT_TRUE(dialog.addControl(IDC_TEST_CHECK, KIND_CHECK_BUTTON));
        ASSERT_TRUE(dialog.addControl(checkList = new ProbeControl, IDC_TEST_CHECK_LIST, KIND_OWNER_DRAW_LIST));
        ASSERT_TRUE(dialog.addControl(scroll = new ProbeControl, IDC_TEST_SCROLL, KIND_SCROLL_BAR));
        dialog.attachControls();
    }

    TestApplication app;
    RecordingModeless dialog;
    ProbeControl* checkList = nullptr;
    ProbeControl* scroll = nullptr;
};

TEST_F(ModelessDialogTest, ControlsAreDeclaredByIdAndKind)
{
    EXPECT_EQ(dialog.addControl(0, KIND_CHECK_BUTTON), 0);
    EXPECT_EQ(dialog.getControl(0), nullptr);
    EXPECT_EQ(dialog.addControl(new ProbeControl, 0, KIND_CHECK_BUTTON), 0);
    int declared = dialog.controlCount();

    // Nothing stops a second control with the same id; lookups find the first.
    Control* first = dialog.getControl(IDC_TEST_REAL);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(dialog.addControl(IDC_TEST_REAL, KIND_INTEGER_EDIT), 1);
    EXPECT_EQ(dialog.getControl(IDC_TEST_REAL), first);
    EXPECT_EQ(dialog.controlCount(), declared + 1);
    EXPECT_EQ(first->kind, KIND_REAL_EDIT);
    EXPECT_EQ(first->owner, &dialog);
    EXPECT_EQ(first->window, item(dialog, IDC_TEST_REAL));
    EXPECT_EQ(checkList->calls, std::vector<std::string>{"attached"});
    EXPECT_EQ(dialog.findControlByWindow(item(dialog, IDC_TEST_LIST)), dialog.getControl(IDC_TEST_LIST));
    const HWND list = item(dialog, IDC_TEST_LIST);
    EXPECT_EQ(dialog.findControlByWindow(otherHandleForm(list)), dialog.getControl(IDC_TEST_LIST))
        << "the item's handle in its other form";

    // The iteration walks the declaration order.
    dialog.beginControlIteration();
    EXPECT_EQ(dialog.nextControl(), dialog.getControl(IDOK));
    EXPECT_EQ(dialog.nextControl(), dialog.getControl(IDCANCEL));
    dialog.endControlIteration();
    EXPECT_EQ(dialog.nextControl(), nullptr);

    dialog.destroyControls();
    EXPECT_EQ(dialog.controlCount(), 0);
    EXPECT_EQ(dialog.getControl(IDC_TEST_REAL), nullptr);
}

TEST_F(ModelessDialogTest, CommandsAndNotificationsBecomeDialogEvents)
{
    // Each command in turn: the event it becomes, the control it names and the control then
    // remembered (-1: not looked at). Focus on an edit field (903) remembers the field; a change, a
    // double-click and a selection go to the remembered control, whichever item sent them; a
    // list taking the focus (4) is a command that remembers it; a button click reaches the
    // control's onCommand.
    const struct {
        int id, notification, event, controlId, remembered;
    } commands[] = {
        {IDC_TEST_TEXT, EN_SETFOCUS, DLG_EDIT_FOCUS, 0, IDC_TEST_TEXT},
        {IDC_TEST_TEXT, EN_CHANGE, DLG_CHANGE, IDC_TEST_TEXT, IDC_TEST_TEXT},
        {IDC_TEST_LIST, LBN_DBLCLK, DLG_DOUBLE_CLICK, IDC_TEST_TEXT, IDC_TEST_TEXT},
        {IDC_TEST_LIST, LBN_SELCHANGE, DLG_SELECTION, IDC_TEST_TEXT, IDC_TEST_TEXT},
        {IDC_TEST_TEXT, EN_KILLFOCUS, DLG_EDIT_FOCUS_LOST, -1, -1},
        {IDC_TEST_LIST, LBN_SETFOCUS, DLG_COMMAND, IDC_TEST_LIST, IDC_TEST_LIST},
        {IDC_TEST_CHECK_LIST, BN_CLICKED, DLG_COMMAND, -1, -1},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(::testing::Message() << "item " << c.id << " notification " << c.notification);
        command(dialog, c.id, c.notification);
        EXPECT_EQ(dialog.records.back().event, c.event);
        if (c.controlId >= 0) {
            EXPECT_EQ(dialog.records.back().controlId, c.controlId);
        }
        if (c.remembered >= 0) {
            EXPECT_EQ(dialog.currentControlId, c.remembered);
            EXPECT_EQ(dialog.lastCommandId, c.remembered);
        }
    }
    EXPECT_EQ(checkList->calls.back(), "command");

    SendMessageA(dialog.hwnd, WM_COMMAND, 0, 0);
    EXPECT_EQ(dialog.records.back().event, DLG_COMMAND_ZERO);

    NMHDR header = {};
    header.code = TCN_SELCHANGE;
    SendMessageA(dialog.hwnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(dialog.records.back().event, DLG_TAB_CHANGE);
    header.code = NM_CLICK;
    SendMessageA(dialog.hwnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(dialog.records.back().event, DLG_NOTIFY);

    // The dialog's own scroll bar is no control: event 0, but the handler is still asked.
    size_t before = dialog.records.size();
    SendMessageA(dialog.hwnd, WM_VSCROLL, SB_LINEDOWN, 0);
    ASSERT_EQ(dialog.records.size(), before + 1);
    EXPECT_EQ(dialog.records.back().event, DLG_NONE);
    EXPECT_EQ(dialog.records.back().message, static_cast<UINT>(WM_VSCROLL));
    EXPECT_EQ(dialog.records.back().controlId, 0);

    // A scroll-bar control: the pre-handler hands it the code and thumb, then it scrolls.
    SendMessageA(dialog.hwnd, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 42),
                 reinterpret_cast<LPARAM>(item(dialog, IDC_TEST_SCROLL)));
    EXPECT_EQ(dialog.records.back().event, DLG_SCROLL);
    EXPECT_EQ(dialog.records.back().controlId, IDC_TEST_SCROLL);
    EXPECT_EQ(scroll->calls, (std::vector<std::string>{"attached", "notify 5 42", "scroll"}));

    SendMessageA(dialog.hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(dialog.records.back().event, DLG_CLOSE);
}

TEST_F(ModelessDialogTest, ClicksOnOwnerDrawnControlsAreTheirs)
{
    POINT p = itemCentre(dialog, IDC_TEST_CHECK_LIST);
    SetCursorPos(p.x, p.y);
    SendMessageA(dialog.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(dialog.lastOf(WM_LBUTTONDOWN).event, DLG_CLICK);
    EXPECT_EQ(dialog.lastOf(WM_LBUTTONDOWN).controlId, IDC_TEST_CHECK_LIST);
    EXPECT_EQ(checkList->calls.back(), "click");

    // Over an edit field: the other click, and the field is remembered.
    p = itemCentre(dialog, IDC_TEST_REAL);
    SetCursorPos(p.x, p.y);
    SendMessageA(dialog.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(dialog.lastOf(WM_LBUTTONDOWN).event, DLG_OTHER_CLICK);
    EXPECT_EQ(dialog.lastOf(WM_LBUTTONDOWN).controlId, 0);
    EXPECT_EQ(dialog.lastCommandId, IDC_TEST_REAL);
    EXPECT_EQ(dialog.currentControlId, IDC_TEST_REAL);

    // Over no declared control: the other click, nothing remembered.
    p = itemCentre(dialog, IDC_TEST_AREA);
    SetCursorPos(p.x, p.y);
    SendMessageA(dialog.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(dialog.lastOf(WM_LBUTTONDOWN).event, DLG_OTHER_CLICK);
    EXPECT_EQ(dialog.lastCommandId, IDC_TEST_REAL);
}

TEST_F(ModelessDialogTest, AHandlerFindsItsOwnMessageAfterNestedOnes)
{
    // Setting a field's text from a handler sends EN_CHANGE back into the dialog.
    int seenCommand = 0;
    int seenEvent = 0;
    dialog.onEvent = [&](int event) {
        if (event == DLG_COMMAND && dialog.getCommandId() == IDC_TEST_BUTTON) {
            dialog.setText(IDC_TEST_TEXT, "入力");
            seenCommand = dialog.getCommandId();
            seenEvent = dialog.event;
            return 1;
        }
        return RecordingModeless::kNotAnswered;
    };
    command(dialog, IDC_TEST_BUTTON, BN_CLICKED);
    EXPECT_EQ(seenCommand, IDC_TEST_BUTTON);
    EXPECT_EQ(seenEvent, DLG_COMMAND);
    bool sawChange = false;
    for (const DialogEventRecord& r : dialog.records)
        sawChange = sawChange || r.event == DLG_CHANGE;
    EXPECT_TRUE(sawChange);
}

TEST_F(ModelessDialogTest, OkAndCancelOnlyHideAModelessDialog)
{
    command(dialog, IDCANCEL, BN_CLICKED);
    EXPECT_TRUE(IsWindow(dialog.hwnd));
    EXPECT_FALSE(IsWindowVisible(dialog.hwnd));
    HWND window = dialog.hwnd;
    dialog.destroy();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(dialog.hwnd, nullptr);
}

TEST_F(ModelessDialogTest, ChecksMeetTheValuesBoundToThem)
{
    IntValue value(&dialog, IDC_TEST_CHECK);
    EXPECT_EQ(IsDlgButtonChecked(dialog.hwnd, IDC_TEST_CHECK), static_cast<UINT>(BST_CHECKED));
    CheckDlgButton(dialog.hwnd, IDC_TEST_CHECK, BST_UNCHECKED);
    EXPECT_EQ(value.readFromControl(&dialog, IDC_TEST_CHECK), 1);
    EXPECT_EQ(value.value, 0);
    EXPECT_EQ(value.readFromControl(&dialog, IDC_TEST_RADIO_LEFT), 0);
    EXPECT_EQ(dialog.isChecked(IDC_TEST_RADIO_LEFT, 7), 7);
}

TEST(Dialog, ModalRunsEndWithTheCurrentControl)
{
    TestApplication app;
    RecordingWindow ownerWindow;

    // OK declared as a push button ends the dialog through the default handler.
    RecordingDialog dialog;
    dialog.setOwnerWindow(&ownerWindow);
    dialog.setCaption("線の設定");
    double read = 0.0;
    dialog.onEvent = [&](int event) {
        if (event == DLG_INIT) {
            EXPECT_TRUE(dialog.addControl(IDOK, KIND_PUSH_BUTTON));
            EXPECT_TRUE(dialog.addControl(IDC_TEST_REAL, KIND_REAL_EDIT));
            dialog.attachControls();
            dialog.setDouble(IDC_TEST_REAL, 2.5);
        }
        if (event == DLG_COMMAND && dialog.getCommandId() == IDOK)
            read = dialog.getDouble(IDC_TEST_REAL, -1.0);
        return RecordingDialog::kNotAnswered;
    };
    char caption[80] = {};
    HWND owner = nullptr;
    INT_PTR result = driveModalDialog([&] { return dialog.runModal(IDD_TEST_CONTROLS); },
                                      [&](HWND window) {
                                          GetWindowTextA(window, caption, sizeof caption);
                                          owner = GetWindow(window, GW_OWNER);
                                          SetDlgItemTextA(window, IDC_TEST_REAL, "7.25");
                                          PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                                      });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.events().front(), DLG_INIT);
    EXPECT_STREQ(caption, "線の設定");
    EXPECT_EQ(owner, ownerWindow.hwnd());
    EXPECT_DOUBLE_EQ(read, 7.25);

    // With no current control the dialog ends with 2.
    RecordingDialog bare;
    bare.onEvent = [&](int event) {
        if (event == DLG_CLOSE) {
            bare.end();
            return 1;
        }
        return RecordingDialog::kNotAnswered;
    };
    result = driveModalDialog([&] { return bare.runModal(IDD_TEST_CONTROLS); },
                              [](HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); });
    EXPECT_EQ(result, IDCANCEL);

    // An undeclared OK does not end it; a dialog may end with a control of its choice.
    RecordingDialog chosen;
    chosen.onEvent = [&](int event) {
        if (event == DLG_INIT) {
            EXPECT_TRUE(chosen.addControl(IDC_TEST_TEXT, KIND_TEXT_EDIT));
        }
        if (event == DLG_COMMAND && chosen.getCommandId() == IDCANCEL) {
            chosen.setCurrentControlById(IDC_TEST_TEXT);
            chosen.end();
            return 1;
        }
        return RecordingDialog::kNotAnswered;
    };
    result = driveModalDialog([&] { return chosen.runModal(IDD_TEST_CONTROLS); },
                              [](HWND window) {
                                  PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                                  PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                              });
    EXPECT_EQ(result, IDC_TEST_TEXT);
    EXPECT_EQ(bare.runModal(28999), -1);
}

TEST(DialogPlacement, ClampedIntoTheUsableScreen)
{
    IntRect window;
    window.right = 200;
    window.bottom = 100;
    IntPoint none;
    // Centred on a cursor at the right edge: flush with the edge.
    IntRect r = Container::placeRect(PLACE_CURSOR_CENTRE, window, IntPoint(1023, 300), none, 1024, 768);
    EXPECT_EQ(r.right, 1024);
    EXPECT_EQ(r.top, 250);
    EXPECT_EQ(r.width(), 200);

    // Taller than the usable screen (768 - 25): it ends at the top.
    IntRect tall = window;
    tall.bottom = 900;
    r = Container::placeRect(PLACE_CURSOR_CENTRE, tall, IntPoint(500, 700), none, 1024, 768);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.height(), 900);

    // At the cursor near the bottom-right corner: moved up and left into the usable screen.
    r = Container::placeRect(PLACE_AT_CURSOR, window, IntPoint(1000, 700), none, 1024, 768);
    EXPECT_EQ(r.left, 824);
    EXPECT_EQ(r.bottom, 743);
    r = Container::placeRect(PLACE_REMEMBERED, window, none, IntPoint(-50, -60), 1024, 768);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);

    // Centred on the screen without clamping; other modes leave the window alone.
    IntRect huge;
    huge.right = 1201;
    huge.bottom = 901;
    r = Container::placeRect(PLACE_SCREEN_CENTRE, huge, none, none, 1024, 768);
    EXPECT_EQ(r.left, 512 - 600);
    EXPECT_EQ(r.top, 384 - 450);
    window.moveTo(30, 40);
    r = Container::placeRect(7, window, IntPoint(1023, 767), none, 1024, 768);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
}

TEST(DialogPlacement, DialogWindowsArePlacedWhenTheyStart)
{
    TestApplication app;
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    SetCursorPos(screenWidth - 1, 300);
    ModelessDialog dialog;
    ASSERT_EQ(dialog.create(IDD_TEST_CONTROLS), 1);
    RECT r;
    GetWindowRect(dialog.hwnd, &r);
    EXPECT_EQ(r.right, screenWidth);

    dialog.resizeTo(300, GetSystemMetrics(SM_CYSCREEN) + 100);
    dialog.applyPlacement();
    GetWindowRect(dialog.hwnd, &r);
    EXPECT_EQ(r.top, 0);

    dialog.setPlacementScreenCentre();
    dialog.applyPlacement();
    GetWindowRect(dialog.hwnd, &r);
    EXPECT_LT(r.top, 0);

    dialog.rememberPosition();
    EXPECT_EQ(dialog.position.y, r.top);
    dialog.destroy();
}

} // namespace
