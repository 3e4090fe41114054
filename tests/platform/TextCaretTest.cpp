// The text caret: the system caret along the axes, the drawn caret at other angles, its blink,
// the focus rules, and a pump that waits while the drawn caret is shown.
#include <gtest/gtest.h>
#include <memory>
#include <windows.h>

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/MouseState.h"
#include "platform/TextCaret.h"
#include "tests/support/DibSurface.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

namespace {

RECT systemCaretRect()
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetCurrentThreadId(), &info);
    return info.rcCaret;
}

class TextCaretTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        caret.deactivate();
        caret.detach();
    }

    TestApplication app;
    RecordingWindow window;
    TextCaret& caret = *theTextCaret;
};

TEST_F(TextCaretTest, AxisDirectionsUseTheSystemCaret)
{
    caret.setAngle(0);
    EXPECT_NEAR(caret.dx, 0.0, 1e-12);
    EXPECT_NEAR(caret.dy, 1.0, 1e-12);
    caret.moveTo(&window, IntPoint(30, 40));
    caret.activate();
    EXPECT_EQ(caret.drawnMode, 0);
    ASSERT_EQ(caret.systemCaretCreated, 1);
    RECT r = systemCaretRect();
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right - r.left, 2);
    EXPECT_EQ(r.bottom - r.top, 15);
    caret.deactivate();
    EXPECT_EQ(caret.systemCaretCreated, 0);

    // Text running downwards: the caret lies across, 15 wide and 2 high.
    caret.setDirection(1.0, 0.0);
    caret.activate();
    r = systemCaretRect();
    EXPECT_EQ(r.right - r.left, 15);
    EXPECT_EQ(r.bottom - r.top, 2);
    EXPECT_EQ(r.left, 30);

    // Pointing left or up, the caret is placed one caret width back.
    caret.setDirection(-1.0, 0.0);
    caret.updatePosition();
    POINT p;
    GetCaretPos(&p);
    EXPECT_EQ(p.x, 28);
    EXPECT_EQ(p.y, 40);
    caret.setDirection(0.0, -1.0);
    caret.updatePosition();
    GetCaretPos(&p);
    EXPECT_EQ(p.x, 30);
    EXPECT_EQ(p.y, 38);
}

TEST_F(TextCaretTest, OtherAnglesBlinkTheDrawnCaret600On300Off)
{
    FakeClock clock(5000);
    caret.setAngle(30);
    caret.moveTo(&window, IntPoint(50, 50));
    caret.attach(&window);
    EXPECT_EQ(caret.drawnMode, 1);
    EXPECT_EQ(theCurrentEvent->neverBlock, 1);
    caret.activate();
    EXPECT_EQ(caret.drawnVisible, 1);
    EXPECT_EQ(caret.systemCaretCreated, 0);

    // Shown from 5000: off at 5600, on again at 5900.
    const struct {
        int time, visible;
    } blinks[] = {{5599, 1}, {5600, 0}, {5899, 0}, {5900, 1}};
    for (const auto& b : blinks) {
        clock.set(b.time);
        caret.blinkStep();
        EXPECT_EQ(caret.drawnVisible, b.visible) << b.time;
    }

    // No blinking while panes are moved and paints are swallowed.
    theCurrentEvent->paintDispatch = 0;
    clock.set(7000);
    caret.blinkStep();
    EXPECT_EQ(caret.drawnVisible, 1);
    theCurrentEvent->paintDispatch = 1;

    caret.deactivate();
    EXPECT_EQ(caret.drawnVisible, 0);
    caret.detach();
    EXPECT_EQ(theCurrentEvent->neverBlock, 0);
}

TEST_F(TextCaretTest, DrawnCaretIsAnExclusiveOrQuadrilateralAlongTheDirection)
{
    DibSurface surface(100, 100, RGB(255, 255, 255));
    window.dc.attachHdc(surface.hdc);
    caret.window = &window;
    caret.setPosition(IntPoint(40, 20));
    caret.setSize(2, 15);

    caret.setDirection(0.0, 1.0);
    caret.drawCaret();
    RECT box;
    ASSERT_TRUE(surface.inkBox(box));
    EXPECT_EQ(surface.pixel(40, 25), RGB(0, 0, 0));
    EXPECT_LE(box.right - box.left, 3);
    EXPECT_GE(box.bottom - box.top, 14);
    caret.drawCaret();
    EXPECT_FALSE(surface.inkBox(box));

    // At 30 degrees it leans: its far end lies to the right of its start, below it.
    caret.setAngle(30);
    caret.drawCaret();
    ASSERT_TRUE(surface.inkBox(box));
    EXPECT_GE(box.right - box.left, 7);
    EXPECT_GE(box.bottom - box.top, 10);
    caret.drawCaret();
    EXPECT_FALSE(surface.inkBox(box));
    window.dc.detachHdc();
    caret.window = nullptr;
}

TEST_F(TextCaretTest, FocusWaitsForTheHoldOffAndTheButtons)
{
    ShowWindow(window.hwnd(), SW_SHOWNA);
    RecordingWindow other;
    ShowWindow(other.hwnd(), SW_SHOWNA);
    caret.window = &window;

    SetFocus(other.hwnd());
    ASSERT_EQ(GetFocus(), other.hwnd());
    app->focusHoldOff = 10;
    for (int i = 0; i < 10; ++i)
        caret.takeFocus();
    EXPECT_EQ(GetFocus(), other.hwnd());
    EXPECT_EQ(app->focusHoldOff, 0);
    caret.takeFocus();
    EXPECT_EQ(GetFocus(), window.hwnd());

    // Never while a mouse button is held.
    SetFocus(other.hwnd());
    theMouseState->leftFlag = 1;
    caret.refresh();
    EXPECT_EQ(GetFocus(), other.hwnd());
    theMouseState->leftFlag = 0;
    theMouseState->rightFlag = 1;
    caret.refresh();
    EXPECT_EQ(GetFocus(), other.hwnd());
    theMouseState->rightFlag = 0;
    caret.refresh();
    EXPECT_EQ(GetFocus(), window.hwnd());
    caret.window = nullptr;
}

// The caret's window and another one are children of one parent, as two drawings of the MDI
// client: the focus that the other took (the user brought it to the front) stays there; focus
// anywhere else is taken back.
TEST_F(TextCaretTest, FocusStaysWithAnotherChildOfTheSameParent)
{
    RecordingWindow parent, sibling, stranger;
    ShowWindow(parent.hwnd(), SW_SHOWNA);
    ShowWindow(stranger.hwnd(), SW_SHOWNA);
    for (RecordingWindow* child : {&window, &sibling}) {
        SetWindowLongA(child->hwnd(), GWL_STYLE, WS_CHILD | WS_VISIBLE);
        ASSERT_TRUE(SetParent(child->hwnd(), parent.hwnd()));
    }
    caret.window = &window;
    const struct {
        HWND focus;
        HWND expected;
        const char* what;
    } cases[] = {
        {sibling.hwnd(), sibling.hwnd(), "another drawing keeps the focus"},
        {parent.hwnd(), window.hwnd(), "the parent gives it back"},
        {stranger.hwnd(), window.hwnd(), "a window elsewhere gives it back"},
    };
    for (const auto& c : cases) {
        SetFocus(c.focus);
        ASSERT_EQ(GetFocus(), c.focus) << c.what;
        caret.refresh();
        EXPECT_EQ(GetFocus(), c.expected) << c.what;
    }
    caret.window = nullptr;
    (void)SetParent(window.hwnd(), nullptr); // the fixture's window outlives the parent
}

TEST_F(TextCaretTest, ThePumpWaitsBetweenIdleEventsWhileTheDrawnCaretIsShown)
{
    auto frame = std::make_unique<RecordingFrame>();
    ScopedOverride appFrame(app->frame, frame.get());
    ASSERT_TRUE(frame->create());
    caret.setAngle(30);
    caret.attach(&window);
    ASSERT_EQ(theCurrentEvent->neverBlock, 1);

    // Idle events keep coming, but the pump sleeps between them instead of spinning.
    DWORD start = GetTickCount();
    int steps = 0;
    while (GetTickCount() - start < 300) {
        theCurrentEvent->pumpStep();
        ++steps;
    }
    int idles = 0;
    for (int code : frame->codes)
        idles += code == EV_IDLE;
    EXPECT_GE(idles, 5);
    EXPECT_LE(steps, 120);

    caret.detach();
    frame->destroy();
}

} // namespace
