#include "tests/shell/panes/LayoutFixture.h"

#include <commctrl.h>

#include "platform/CurrentEvent.h"
#include "platform/StatusBar.h"
#include "resources/ids.h"

const int kStartUpOrder[13] = {1, 2, 3, 4, 6, 7, 8, 9, 5, 10, 11, 12, 13};

void LayoutTest::SetUp()
{
    // The frame's window class keeps the menu of the first frame made in the process: the main
    // frame's, as the shell tests after this one expect it.
    frame.menu.resourceId = IDM_MAIN_FRAME;
    frame.acceleratorResourceId = IDA_MAIN_FRAME;
    ASSERT_TRUE(frame.create());
    MoveWindow(frame.hwnd(), 0, 0, 1000, 700, TRUE);
    // The parts a drawing's status readout gives the bar: X, Y and the message part.
    const int edges[] = {75, 150, -1};
    if (frame.statusBar)
        frame.statusBar->setParts(3, edges);
    renewLayout();
    layout->arrangeAllBands();
    drainQueue();
}

void LayoutTest::TearDown()
{
    app->workspaceLayout = nullptr;
    delete layout;
    layout = nullptr;
    drainQueue();
}

void LayoutTest::renewLayout()
{
    app->workspaceLayout = nullptr;
    delete layout;
    layout = new WorkspaceLayout;
    app->workspaceLayout = layout;
    for (int id : kStartUpOrder)
        ASSERT_EQ(layout->addPane(id), 1) << "pane " << id;
}

DockPane& LayoutTest::pane(int id)
{
    DockPane* found = layout->paneByDefinitionId(id);
    if (!found) {
        ADD_FAILURE() << "no pane " << id;
        found = layout->paneAt(0);
    }
    return *found;
}

ToolButton& LayoutTest::firstButton(int id)
{
    DockPane& p = pane(id);
    for (int i = 0; i < p.buttonCount(); ++i)
        if (!p.buttonAt(i)->isSeparator())
            return *p.buttonAt(i);
    ADD_FAILURE() << "pane " << id << " has no button";
    return *p.buttonAt(0);
}

IntPoint LayoutTest::centreOf(const ToolButton& button) const { return button.screenRect().center(); }

IntPoint LayoutTest::screen(int x, int y) const
{
    IntPoint p(x, y);
    frame.clientToScreen(p);
    return p;
}

IntRect LayoutTest::rectOf(int id)
{
    IntRect r;
    pane(id).rectFor(pane(id).position, r);
    return r;
}

std::vector<PostedEvent> LayoutTest::drainQueue()
{
    std::vector<PostedEvent> posted;
    while (theCurrentEvent->queuedCount() > 0) {
        theCurrentEvent->popAndRoute();
        posted.push_back(PostedEvent{theCurrentEvent->code, theCurrentEvent->arg1});
    }
    return posted;
}

std::string LayoutTest::statusText(int part) const
{
    char text[256] = {};
    if (frame.statusBar)
        SendMessageA(frame.statusBar->hwnd(), SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
    return text;
}
