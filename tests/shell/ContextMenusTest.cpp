// The right-click menus, built and read back (never tracked): the tool menu's rows, keys and
// history texts, the page menu's check and greyed items, the parts menu's keys, an empty or
// spoilt list that is not shown, and the requests posted only once every button is up.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/ContextMenuRequest.h"
#include "document/DocumentContext.h"
#include "document/PageList.h"
#include "document/PartsLibrary.h"
#include "document/PopupMenuList.h"
#include "document/UndoManager.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/Menu.h"
#include "platform/MouseSource.h"
#include "platform/PopupMenu.h"
#include "shell/ContextMenus.h"
#include "shell/FrameCommands.h"
#include "shell/GlobalManagers.h"
#include "tests/shell/ShellFixture.h"
#include "views/PageThumbnailBar.h"

namespace {

struct Row {
    int key, command, checked;
    std::string label;
    int enabled;
};

// The list as a menu: each item with its key, command, check, label and state.
std::vector<Row> builtRows(PopupMenuList& list)
{
    std::vector<Row> rows;
    PopupMenu menu;
    if (!menu.create() || !list.build(menu))
        return rows;
    for (int i = 0; i < list.itemCount(); ++i) {
        PopupMenuList::Item item = {};
        EXPECT_EQ(list.itemAt(i, item), 1);
        const UINT state = GetMenuState(menu.handle, static_cast<UINT>(i), MF_BYPOSITION);
        char text[256] = {};
        GetMenuStringA(menu.handle, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        // A separator is never chosen: it counts as enabled here.
        const int separator = (state & MF_SEPARATOR) ? 1 : 0;
        rows.push_back({item.enableKey, item.command, (state & MF_CHECKED) ? 1 : 0,
                        item.command ? text : (separator ? "-" : "?"), separator || !(state & MF_GRAYED)});
    }
    return rows;
}

class ContextMenuTest : public FrameTest {
protected:
    PopupMenuList list;
    ScopedOverride<PopupMenuList*> slot{thePopupMenuList, &list};
};

} // namespace

TEST_F(ContextMenuTest, TheToolMenuHoldsItsTwelveRowsAndTheHistoryTexts)
{
    EXPECT_EQ(frame.contextMenus->buildToolMenu(), 0) << "no drawing, no tool menu";
    ScriptedWindow* window = addWindow();
    ASSERT_TRUE(window && window->context && window->context->undoManager);
    DocumentContext& drawing = *window->context;
    ASSERT_EQ(frame.contextMenus->buildToolMenu(), 1);
    list.setContext(&drawing);
    const std::vector<Row> expected = {
        {11, CMD_UNDO, 0, "元に戻す", 0},  {12, CMD_REDO, 0, "やり直し", 0},   {0, 0, 0, "-", 1},
        {21, CMD_CUT, 0, "切り取り", 0},    {22, CMD_COPY, 0, "コピー", 0},     {23, CMD_PASTE, 0, "張り付け", 0},
        {24, CMD_DELETE, 0, "削除", 0},     {0, 0, 0, "-", 1},                  {41, CMD_ZOOM_BY_MOUSE, 0, "画面ズーム", 1},
        {0, 0, 0, "-", 1},                  {51, CMD_SELECT, 0, "セレクト", 1}, {52, CMD_PROPERTIES, 0, "プロパティー", 0},
    };
    const std::vector<Row> rows = builtRows(list);
    ASSERT_EQ(rows.size(), expected.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].key, expected[i].key);
        EXPECT_EQ(rows[i].command, expected[i].command);
        EXPECT_EQ(rows[i].label, expected[i].label);
        EXPECT_EQ(rows[i].enabled, expected[i].enabled);
    }

    // After a move the first item names it and can be chosen.
    drawing.undoManager->recordMove(1.0, 0.0, 0.0);
    ASSERT_EQ(frame.contextMenus->buildToolMenu(), 1);
    const std::vector<Row> moved = builtRows(list);
    ASSERT_FALSE(moved.empty());
    EXPECT_EQ(moved[0].label, "移動の取り消し");
    EXPECT_EQ(moved[0].enabled, 1);
    // Without a drawing every item is enabled.
    list.setContext(nullptr);
    for (const Row& row : builtRows(list))
        EXPECT_EQ(row.enabled, 1) << row.label;
}

TEST_F(ContextMenuTest, ThePageMenuFollowsThePageBarAndTheChosenPage)
{
    ScriptedWindow* window = addWindow();
    ASSERT_TRUE(window && window->context);
    DocumentContext& drawing = *window->context;
    PageThumbnailBar bar;
    ScopedOverride<PageTabBar*> barSlot{thePageTabBar, &bar};
    bar.setContext(&drawing);
    bar.clickedPage = 1;
    struct Case {
        int pages, contents;
        std::vector<int> enabled; // by row
    };
    // 頁内容を表示する, -, この頁, これ以降, 全頁, -, 前に追加, 後に追加, -, 削除...
    const Case cases[] = {
        {1, PageThumbnailBar::kContentsShown, {1, 1, 1, 0, 0, 1, 1, 1, 1, 0}},
        {3, PageThumbnailBar::kContentsHidden, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pages);
        drawing.pages->count = c.pages;
        bar.showContents = c.contents;
        ASSERT_EQ(frame.contextMenus->buildPageMenu(), 1);
        list.setContext(&drawing);
        const std::vector<Row> rows = builtRows(list);
        ASSERT_EQ(rows.size(), c.enabled.size());
        EXPECT_EQ(rows[0].label, "頁内容を表示する");
        EXPECT_EQ(rows[0].checked, c.contents ? 1 : 0);
        EXPECT_EQ(rows[9].label, "削除...");
        EXPECT_EQ(rows[9].command, CMD_PAGE_DELETE);
        for (size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(rows[i].enabled, c.enabled[i]) << rows[i].label;
    }
}

TEST_F(ContextMenuTest, ThePartsMenuAsksTheCurrentLibrary)
{
    ScriptedWindow* window = addWindow();
    ASSERT_TRUE(window && window->context);
    PartsLibrary* library = partsLibrary(1, 10);
    ASSERT_TRUE(library);
    struct Case {
        const char* what;
        int currentTool, parts;
        int registerEnabled, deleteEnabled;
    };
    const Case cases[] = {
        {"no parts list is the current tool", TOOL_SELECT, 1, 0, 0},
        {"the current library holds a part", TOOL_PARTS_LIST_1, 1, 0, 1},
        {"the current library is empty", TOOL_PARTS_LIST_1, 0, 0, 0},
        {"list 2's library is not made", TOOL_PARTS_LIST_2, 1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        while (library->partCount() > 0)
            ASSERT_EQ(library->removePart(0), 1);
        if (c.parts) {
            ASSERT_EQ(library->addPart("C:\\parts\\bolt.ycx"), 1);
        }
        layout.current = c.currentTool;
        ASSERT_EQ(frame.contextMenus->buildPartsMenu(), 1);
        list.setContext(window->context);
        const std::vector<Row> rows = builtRows(list);
        ASSERT_EQ(rows.size(), 6u);
        EXPECT_EQ(rows[0].label, "部品登録");
        EXPECT_EQ(rows[0].enabled, c.registerEnabled) << "nothing is selected";
        EXPECT_EQ(rows[1].enabled, 1);
        EXPECT_EQ(rows[3].label, "削除");
        EXPECT_EQ(rows[3].enabled, c.deleteEnabled);
        EXPECT_EQ(rows[5].label, "部品設定...");
    }
    destroyPartsLibraries();
}

TEST_F(ContextMenuTest, AnEmptyOrSpoiltListIsNotShown)
{
    static int tracked = 0;
    tracked = 0;
    const PopupTracker previous = setPopupTracker([](HMENU, UINT, int, int, HWND) -> BOOL {
        ++tracked;
        return 0;
    });
    EXPECT_EQ(list.track(), 0);
    // An item that could not be added spoils the list: nothing after it is added.
    list.spoilt = 1;
    EXPECT_EQ(list.addItem(11, CMD_UNDO, 0, "x"), 0);
    EXPECT_EQ(list.track(), 0);
    EXPECT_EQ(tracked, 0);
    list.clear();
    EXPECT_EQ(list.addItem(11, CMD_UNDO, 0, std::string(300, 'a').c_str()), 1);
    PopupMenuList::Item item = {};
    ASSERT_EQ(list.itemAt(0, item), 1);
    EXPECT_EQ(std::string(item.label).size(), 255u) << "a long label is cut to its field";
    (void)setPopupTracker(previous);
}

TEST_F(ContextMenuTest, MenusAreAskedForOnlyOnceEveryButtonIsUp)
{
    // The right button goes up after 10 reads, the left one (held as well) after 30.
    struct Buttons : MouseSource {
        int isDown(int key) override
        {
            ++reads;
            return (key == VK_LBUTTON && reads <= 30) || (key == VK_RBUTTON && reads <= 10);
        }
        int reads = 0;
    };
    ScopedOverride<int> noBlocking{theCurrentEvent->neverBlock, 1};
    struct Case {
        void (*request)();
        int event;
    };
    for (const Case& c : {Case{postContextMenuRequest, EV_TOOL_MENU}, Case{postPageMenuRequest, EV_PAGE_MENU},
                          Case{postPartsMenuRequest, EV_PARTS_MENU}}) {
        SCOPED_TRACE(c.event);
        settleEvents();
        Buttons buttons;
        MouseSource* previous = setMouseSource(&buttons);
        c.request();
        (void)setMouseSource(previous);
        EXPECT_GT(buttons.reads, 30) << "posted once both buttons were up";
        ASSERT_EQ(theCurrentEvent->queuedCount(), 1);
        QueuedEvent* posted = nullptr;
        ASSERT_EQ(theCurrentEvent->queue.get(0, &posted), 1);
        EXPECT_EQ(posted->code, EV_DEFERRED_COMMAND);
        EXPECT_EQ(posted->arg2, c.event);
        (void)theCurrentEvent->popAndRoute(); // no drawing is active: no menu is tracked
    }
}
