// Menus: separators with their own ids, item states, relabelling that keeps the mnemonic and the
// accelerator text, pop-ups tracked at the cursor, the frame menu's command.
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

#include "platform/CurrentEvent.h"
#include "platform/FrameMenu.h"
#include "platform/MouseState.h"
#include "platform/PopupMenu.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

namespace {

UINT itemId(HMENU menu, int position)
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID;
    GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
    return info.wID;
}

UINT itemState(HMENU menu, int id) { return GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND); }

std::string label(Menu& menu, int id)
{
    char text[128];
    EXPECT_GT(menu.getItemText(id, text, sizeof text), 0) << "item " << id;
    return text;
}

struct TrackCall {
    int calls = 0;
    HMENU menu = nullptr;
    int x = 0, y = 0;
    HWND owner = nullptr;
};
TrackCall tracked;

BOOL recordingTracker(HMENU menu, UINT, int x, int y, HWND owner)
{
    ++tracked.calls;
    tracked.menu = menu;
    tracked.x = x;
    tracked.y = y;
    tracked.owner = owner;
    return TRUE;
}

class Menus : public ::testing::Test {
protected:
    void SetUp() override { tracked = TrackCall(); }

    TestApplication app;
    ScriptedMouse mouse;
    ScopedHook<PopupTracker> tracker{setPopupTracker, recordingTracker};
};

TEST_F(Menus, PopupItemsSeparatorsAndStates)
{
    PopupMenu popup;
    ASSERT_EQ(popup.create(), 1);
    ASSERT_TRUE(popup.appendItem("コピー(&C)", 40010));
    ASSERT_TRUE(popup.appendSeparator());
    ASSERT_TRUE(popup.appendCheckedItem("グリッド表示(&G)", 40011));
    ASSERT_TRUE(popup.appendSeparator());
    ASSERT_TRUE(popup.appendTickedItem("ルーラー(&R)", 40012));
    EXPECT_EQ(GetMenuItemCount(popup.handle), 5);
    // Each separator takes the next value of the menu's own counter as its id.
    EXPECT_EQ(itemId(popup.handle, 1), 1u);
    EXPECT_EQ(itemId(popup.handle, 3), 2u);
    EXPECT_TRUE(itemState(popup.handle, 40011) & MF_CHECKED);
    EXPECT_FALSE(itemState(popup.handle, 40010) & MF_CHECKED);

    popup.disableItem(40010);
    EXPECT_TRUE(itemState(popup.handle, 40010) & MF_GRAYED);
}

TEST_F(Menus, RelabelKeepsTheMnemonicAndTheAcceleratorText)
{
    PopupMenu popup;
    ASSERT_EQ(popup.create(), 1);
    ASSERT_TRUE(popup.appendItem("切り取り(&X)\tCtrl+X", 40001));
    ASSERT_TRUE(popup.appendItem("元に戻す", 40002));
    popup.relabelItem(40001, "カット");
    EXPECT_EQ(label(popup, 40001), "カット(&X)\tCtrl+X");
    popup.relabelItem(40002, "やり直し");
    EXPECT_EQ(label(popup, 40002), "やり直し");

    // A short buffer gets the whole characters that fit, terminated.
    char small[6];
    EXPECT_EQ(popup.getItemText(40002, small, sizeof small), 4);
    EXPECT_EQ(std::string(small), "やり");
}

TEST_F(Menus, TrackShowsThePopupAtTheCursorForTheFrame)
{
    RecordingFrame frame;
    ScopedOverride appFrame(app->frame, &frame);
    ASSERT_TRUE(frame.create());
    PopupMenu popup;
    EXPECT_EQ(popup.owner, &frame);

    // Before create nothing is shown.
    EXPECT_EQ(popup.track(), 0);
    EXPECT_EQ(tracked.calls, 0);

    ASSERT_EQ(popup.create(), 1);
    ASSERT_TRUE(popup.appendItem("削除(&D)", 40020));
    mouse.rest(222, 111);
    theMouseState->leftFlag = 1;
    EXPECT_EQ(popup.track(), 1);
    EXPECT_EQ(tracked.calls, 1);
    EXPECT_EQ(tracked.menu, popup.handle);
    EXPECT_EQ(tracked.x, 222);
    EXPECT_EQ(tracked.y, 111);
    EXPECT_EQ(tracked.owner, frame.hwnd());
    // The press that chose the item counts as released where the cursor is.
    EXPECT_EQ(theMouseState->leftFlag, 0);
    EXPECT_TRUE(theMouseState->leftUp.equalsXY(222, 111));

    frame.destroy();
}

TEST_F(Menus, FrameMenuRelabelsItsItemsAndReadsTheCommand)
{
    RecordingFrame frame;
    ScopedOverride appFrame(app->frame, &frame);
    ASSERT_TRUE(frame.create());
    FrameMenu& menu = frame.menu;
    ASSERT_NE(menu.menu.handle, nullptr);
    menu.relabelItem(11001, "閉じる");
    EXPECT_EQ(label(menu.menu, 11001), "閉じる(&X)\tCtrl+Q");
    theCurrentEvent->wParam = MAKEWPARAM(40021, 1);
    EXPECT_EQ(FrameMenu::commandId(), 40021);

    frame.destroy();
}

} // namespace
