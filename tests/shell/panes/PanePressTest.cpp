// Pressing buttons and dragging panes with a scripted mouse and clock: what counts as a press,
// the posted commands, the hints, and loops that end and wait.
#include <gtest/gtest.h>

#include <functional>

#include "platform/Clock.h"
#include "platform/CurrentEvent.h"
#include "shell/FrameCommands.h"
#include "tests/shell/panes/LayoutFixture.h"

namespace {
int countOf(const std::vector<PostedEvent>& events, int code, int arg)
{
    int n = 0;
    for (const PostedEvent& e : events)
        n += e.code == code && e.arg1 == arg;
    return n;
}

double threadSeconds()
{
    FILETIME created, ended, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
    auto value = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return value(kernel) + value(user);
}
} // namespace

TEST_F(LayoutTest, APressCountsWhenReleasedOverTheButtonOrWithin300Ms)
{
    // Each cursor read moves the clock by `step`: the press starts after the first read, and the
    // release is seen exactly `release` ms after it.
    struct Case {
        const char* what;
        DWORD release;
        DWORD step;
        bool releasedOver;
        bool disabled;
        bool counts;
    };
    const Case cases[] = {
        {"dragged off, released at 299 ms", 299, 23, false, false, true},
        {"dragged off, released at 301 ms", 301, 7, false, false, false},
        {"held over it for 2 s", 2000, 100, true, false, true},
        {"a disabled button, released over it", 100, 10, true, true, true},
    };
    for (const Case& c : cases) {
        ToolButton& button = firstButton(1);
        layout->setCommandState(button.commandId(), c.disabled ? 0 : 1);
        layout->setCurrentCommand(-1);
        drainQueue();
        const IntPoint at = centreOf(button);
        const IntPoint off = screen(600, 400);
        clock.set(1000);
        mouse.rest(at.x, at.y, ScriptedMouse::kLeft);
        mouse.at(1000, at.x, at.y, ScriptedMouse::kLeft).at(1050, off.x, off.y, ScriptedMouse::kLeft);
        const IntPoint end = c.releasedOver ? at : off;
        mouse.at(1000 + c.step + c.release, end.x, end.y, ScriptedMouse::kNone);
        mouse.advanceClockPerRead(&clock, c.step);
        layout->onLeftButtonDown();
        const std::vector<PostedEvent> posted = drainQueue();
        EXPECT_EQ(countOf(posted, EV_TOOL_BUTTON, button.commandId()), c.counts ? 1 : 0) << c.what;
        EXPECT_EQ(layout->currentCommand(), c.counts ? button.commandId() : -1) << c.what;
        EXPECT_EQ(button.selected, c.counts ? 1 : 0) << c.what;
        EXPECT_EQ(app->focusHoldOff, 10) << c.what;
        mouse.advanceClockPerRead(nullptr, 0);
    }

    // The right button selects the button under it and posts 6166; "back" returns to the tool
    // current before.
    ToolButton& line = firstButton(1);
    ToolButton& other = firstButton(2);
    layout->setCurrentCommand(line.commandId());
    const IntPoint at = centreOf(other);
    mouse.rest(at.x, at.y);
    layout->onRightButtonDown();
    EXPECT_EQ(countOf(drainQueue(), EV_PANE_BUTTON, other.commandId()), 1);
    EXPECT_EQ(layout->currentCommand(), other.commandId());
    EXPECT_EQ(layout->toolbarHoldsPreviousTool(1), 1);
    layout->restoreCurrentButton();
    EXPECT_EQ(layout->currentCommand(), line.commandId());
    EXPECT_EQ(other.selected, 0);

    // In a parts pane beside its parts (here an empty list) the right button makes the list
    // current all the same, so that its library's menu can be asked for.
    layout->showPane(&pane(10));
    ToolButton* parts = pane(10).buttonOfType(static_cast<int>(ButtonType::Parts));
    ASSERT_TRUE(parts);
    const IntPoint inParts = rectOf(10).center();
    mouse.rest(inParts.x, inParts.y);
    layout->setCurrentCommand(line.commandId());
    layout->onRightButtonDown();
    EXPECT_EQ(countOf(drainQueue(), EV_PANE_BUTTON, parts->commandId()), 1);
    EXPECT_EQ(layout->currentCommand(), parts->commandId());
    layout->restoreCurrentButton();
    EXPECT_EQ(layout->currentCommand(), line.commandId());

    // A tool chosen after another and kept: restoring with no press between (properties opened by
    // a double click) leaves it current.
    layout->setCurrentCommand(other.commandId());
    layout->keepCurrentButton();
    layout->restoreCurrentButton();
    EXPECT_EQ(layout->currentCommand(), other.commandId());
}

TEST_F(LayoutTest, HintsGoToTheMessagePartAndTheHintWindowShowsAfterHalfASecondForThree)
{
    ToolButton& button = firstButton(1);
    const IntPoint at = centreOf(button);
    clock.set(2000);
    mouse.rest(at.x, at.y);
    layout->onMouseMove();
    EXPECT_EQ(statusText(WorkspaceLayout::kStatusHintPart), button.definition.hint);
    EXPECT_EQ(statusText(0), "");
    EXPECT_EQ(layout->lastHintCommand, button.commandId());

    struct Step {
        DWORD at;
        int visible;
    };
    const Step steps[] = {{2499, 0}, {2500, 1}, {4000, 1}, {5499, 1}, {5500, 0}, {9000, 0}};
    for (const Step& s : steps) {
        clock.set(s.at);
        layout->onIdle();
        EXPECT_EQ(layout->hintWindow.visible, s.visible) << s.at;
    }

    // Off the buttons the part is emptied.
    const IntPoint away = screen(600, 400);
    mouse.rest(away.x, away.y);
    layout->onMouseMove();
    EXPECT_EQ(statusText(WorkspaceLayout::kStatusHintPart), "");
    EXPECT_EQ(layout->lastHintCommand, 0);
}

TEST_F(LayoutTest, PressDragAndResizeLoopsEndOnQuitAndOnCancelAndWaitWhileHeld)
{
    DockPane& floating = pane(9);
    layout->dockAt(DockPane::kFloat, &floating, IntRect::fromEdges(300, 300, 500, 360));
    ASSERT_TRUE(floating.paneWindow && floating.paneWindow->hwnd());
    struct Loop {
        const char* what;
        std::function<void()> run;
    };
    const Loop loops[] = {
        {"press", [&] { layout->pressButton(&pane(1), &firstButton(1)); }},
        {"drag", [&] { layout->dragPane(&pane(2)); }},
        {"resize", [&] { floating.resizeByBorder(IntRect::hitBottom); }},
    };
    for (const Loop& loop : loops) {
        // The button stays down for ever: only the quit message ends the loop.
        const IntPoint at = centreOf(firstButton(1));
        mouse.rest(at.x, at.y, ScriptedMouse::kLeft);
        PostQuitMessage(0);
        loop.run();
        EXPECT_EQ(app->quit, 1) << loop.what;
        app->quit = 0;
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        // A menu command waiting cancels the loop and stays for the frame.
        PostMessageA(frame.hwnd(), WM_COMMAND, 40005, 0);
        loop.run();
        MSG command;
        EXPECT_TRUE(PeekMessageA(&command, frame.hwnd(), WM_COMMAND, WM_COMMAND, PM_REMOVE)) << loop.what;
        drainQueue();
    }

    // A press held for a second of real time with the mouse still: the loop waits instead of
    // spinning.
    struct RealClock {
        TickSource saved = setTickSource(nullptr);
        ~RealClock() { setTickSource(saved); }
    } real;
    const IntPoint at = centreOf(firstButton(1));
    const DWORD now = currentTickCount();
    mouse.rest(at.x, at.y, ScriptedMouse::kLeft);
    mouse.at(now, at.x, at.y, ScriptedMouse::kLeft).at(now + 1000, at.x, at.y, ScriptedMouse::kNone);
    const double before = threadSeconds();
    layout->pressButton(&pane(1), &firstButton(1));
    EXPECT_GE(currentTickCount() - now, 1000u);
    EXPECT_LT(threadSeconds() - before, 0.2);
    EXPECT_EQ(countOf(drainQueue(), EV_TOOL_BUTTON, firstButton(1).commandId()), 1);
}
