// Scroll bars: the range arithmetic of every scroll code, a window's child bar that scrolls its
// owner, and the dialog scroll bar that scrolls a linked list.
#include <gtest/gtest.h>
#include <vector>
#include <windows.h>

#include "platform/ChildScrollBar.h"
#include "platform/ControlKinds.h"
#include "platform/CurrentEvent.h"
#include "platform/ScrollBarControl.h"
#include "platform/WindowScrollBar.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/RecordingDialog.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestResources.h"

namespace {

// A window that records what its scroll bars ask it to scroll.
class ScrolledWindow : public RecordingWindow {
public:
    void scrollHorizontally(int amount) override { horizontal.push_back(amount); }
    void scrollVertically(int amount) override { vertical.push_back(amount); }
    std::vector<int> horizontal;
    std::vector<int> vertical;
};

int setScrollInfoCalls = 0;
void* originalSetScrollInfo = nullptr;

int WINAPI countSetScrollInfo(HWND window, int bar, const SCROLLINFO* info, BOOL redraw)
{
    ++setScrollInfoCalls;
    return reinterpret_cast<int(WINAPI*)(HWND, int, const SCROLLINFO*, BOOL)>(originalSetScrollInfo)(window, bar, info,
                                                                                                   redraw);
}

// The system bar's range as it was given.
SCROLLINFO systemRange(const WindowScrollBar& bar)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(bar.barWindow, bar.barType, &info);
    return info;
}

TEST(WindowScrollBar, ScrollCodesMoveWithinTheRange)
{
    TestApplication app;
    ScrolledWindow owner;
    ChildScrollBar bar;
    const int state[4] = {0, 0, 100, 5};
    ASSERT_EQ(bar.createHorizontalChild(&owner, IntRect(), state), 1);
    EXPECT_EQ(bar.maxPosition(), 95);
    SCROLLINFO given = systemRange(bar);
    EXPECT_EQ(given.nMin, 0);
    EXPECT_EQ(given.nMax, 99);
    EXPECT_EQ(given.nPage, 5u);

    // Each code in turn, from where the one before left the bar.
    const struct {
        int code, thumb, position;
    } codes[] = {
        {SB_BOTTOM, 0, 95},     {SB_TOP, 0, 0},         {SB_PAGEDOWN, 0, 4},
        {SB_PAGEUP, 0, 0},      {SB_LINEUP, 0, 0},      {SB_LINEDOWN, 0, 1},
        {SB_THUMBTRACK, 40, 40}, {SB_THUMBPOSITION, 200, 95} /* beyond the maximum */, {SB_ENDSCROLL, 10, 95},
    };
    for (const auto& c : codes) {
        bar.applyScrollCode(c.code, c.thumb);
        EXPECT_EQ(bar.position(), c.position) << "code " << c.code;
    }
    for (int position : {99, -3}) {
        bar.setPositionInPage(position);
        EXPECT_EQ(bar.position(), position < 0 ? 0 : 95) << position;
    }

    {
        setScrollInfoCalls = 0;
        ImportPatch patch("user32.dll", "SetScrollInfo", reinterpret_cast<void*>(countSetScrollInfo));
        originalSetScrollInfo = patch.original();
        ASSERT_NE(originalSetScrollInfo, nullptr);
        EXPECT_EQ(bar.scrollBy(0), 0);
        EXPECT_EQ(setScrollInfoCalls, 0);
        EXPECT_EQ(bar.scrollBy(-1), 0);
        EXPECT_EQ(setScrollInfoCalls, 0);
        EXPECT_EQ(bar.scrollBy(90), 1);
        EXPECT_EQ(bar.position(), 90);
        EXPECT_EQ(bar.scrollLines(10), 1);
        EXPECT_EQ(bar.position(), 95);
        EXPECT_EQ(bar.scrollLines(1), 0);
    }

    // A new range keeps the position where it still lies inside.
    bar.setRangeKeepPosition(0, 1000, 50);
    EXPECT_EQ(bar.position(), 95);
    int read[4] = {};
    bar.getState(read);
    EXPECT_EQ(read[0], 95);
    EXPECT_EQ(read[2], 1000);
    EXPECT_EQ(read[3], 50);
    bar.setRangeKeepPosition(0, 60, 10);
    EXPECT_EQ(bar.position(), 50);
}

TEST(WindowScrollBar, WithoutABarNothingMoves)
{
    WindowScrollBar bar;
    bar.setRange(10, 100, 5);
    EXPECT_EQ(bar.position(), 10);
    bar.applyScrollCode(SB_BOTTOM, 0);
    EXPECT_EQ(bar.scrollBy(5), 0);
    EXPECT_EQ(bar.position(), 10);
}

TEST(ChildScrollBar, ScrollingTheBarScrollsItsOwnerByTheChange)
{
    TestApplication app;
    ScrolledWindow owner;
    ChildScrollBar bar;
    IntRect place;
    place.set(150, 0, 280, 166);
    const int state[4] = {30, 0, 200, 20};
    ASSERT_EQ(bar.createOrMoveVertical(&owner, place, state), 1);
    ASSERT_NE(bar.barWindow, nullptr);
    EXPECT_EQ(GetParent(bar.barWindow), owner.hwnd());
    EXPECT_EQ(GetDlgCtrlID(bar.barWindow), ChildScrollBar::kVerticalChildId);
    EXPECT_EQ(bar.position(), 30);
    bar.lineStep = 4;

    // The owner hears old - new: scrolling down moves the contents up.
    theCurrentEvent->wParam = MAKEWPARAM(SB_LINEDOWN, 0);
    theCurrentEvent->lParam = reinterpret_cast<LPARAM>(bar.barWindow);
    EXPECT_EQ(bar.isMessageFromChild(), 1);
    bar.handleScrollEvent();
    theCurrentEvent->wParam = MAKEWPARAM(SB_THUMBPOSITION, 10);
    bar.handleScrollEvent();
    theCurrentEvent->wParam = MAKEWPARAM(SB_TOP, 0);
    bar.handleScrollEvent();
    bar.handleScrollEvent();   // already at the top: nothing to scroll
    bar.scrollLinesAndOwner(3);
    EXPECT_EQ(owner.vertical, (std::vector<int>{-4, 24, 10, -12}));
    EXPECT_TRUE(owner.horizontal.empty());

    // Later calls only move the bar.
    HWND first = bar.barWindow;
    place.set(100, 0, 280, 140);
    EXPECT_EQ(bar.createOrMoveVertical(&owner, place, state), 1);
    EXPECT_EQ(bar.barWindow, first);
    RECT r;
    GetWindowRect(first, &r);
    EXPECT_EQ(r.bottom - r.top, 40);

    theCurrentEvent->lParam = 0;
    EXPECT_EQ(bar.isMessageFromChild(), 0);
    bar.destroyChild();
    EXPECT_FALSE(IsWindow(first));
    bar.useOwnerHorizontalBar(&owner);
    EXPECT_EQ(bar.barType, SB_HORZ);
    EXPECT_EQ(bar.isMessageFromChild(), 0);
}

// A list that tells its scroll range and records where it was scrolled to.
class LinkedList : public Control {
public:
    int getScrollRange(int* minimum, int* maximum, int* page) override
    {
        *minimum = 0;
        *maximum = 30;
        *page = 8;
        return 1;
    }
    void onScrollTo(int position) override { positions.push_back(position); }
    std::vector<int> positions;
};

TEST(ScrollBarControl, MovesAndScrollsItsLinkedList)
{
    TestApplication app;
    RecordingModeless dialog;
    ScrollBarControl* bar = nullptr;
    LinkedList* list = nullptr;
    dialog.onEvent = [&](int event) {
        if (event == DLG_INIT) {
            EXPECT_TRUE(dialog.addControl(IDC_TEST_SCROLL, KIND_SCROLL_BAR));
            EXPECT_TRUE(dialog.addControl(list = new LinkedList, IDC_TEST_CHECK_LIST, KIND_OWNER_DRAW_LIST));
            dialog.attachControls();
            bar = dynamic_cast<ScrollBarControl*>(dialog.getControl(IDC_TEST_SCROLL));
        }
        return RecordingModeless::kNotAnswered;
    };
    ASSERT_EQ(dialog.create(IDD_TEST_CONTROLS), 1);
    ASSERT_NE(bar, nullptr);
    bar->bindToItem();
    bar->linkTo(list);
    ASSERT_NE(bar->bar, nullptr);
    EXPECT_EQ(bar->bar->maxPosition(), 22);

    // The dialog's pre-handler moves the bar, then the list follows.
    HWND item = GetDlgItem(dialog.hwnd, IDC_TEST_SCROLL);
    SendMessageA(dialog.hwnd, WM_HSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), reinterpret_cast<LPARAM>(item));
    SendMessageA(dialog.hwnd, WM_HSCROLL, MAKEWPARAM(SB_BOTTOM, 0), reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(bar->position(), 22);
    bar->setPosition(3);
    EXPECT_EQ(list->positions, (std::vector<int>{7, 22, 3}));
    dialog.destroy();
}

} // namespace
