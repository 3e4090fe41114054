// The pump: idle bursts, the internal queue before window messages, quitting from any loop,
// mouse tracking and the keyboard readers.
#include <gtest/gtest.h>
#include <algorithm>
#include <thread>
#include <utility>
#include <vector>
#include <windows.h>

#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/MouseState.h"
#include "shell/ShortcutKeyHook.h"
#include "tests/support/HandleForms.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

namespace {

class MessagePump : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new RecordingFrame;
        app->frame = frame;
        ASSERT_TRUE(frame->create());
        drain();
        frame->codes.clear();
    }

    void TearDown() override
    {
        app->frame = nullptr;
        frame->destroy();
        delete frame;
    }

    // Lets the pump deliver everything that creation left behind.
    void drain()
    {
        for (int i = 0; i < 200 && !app->quit; ++i) {
            MSG m;
            if (!PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE) && theCurrentEvent->queuedCount() == 0)
                break;
            theCurrentEvent->pumpStep();
        }
        theCurrentEvent->idleCount = 0;
    }

    int count(int code) const { return static_cast<int>(std::count(frame->codes.begin(), frame->codes.end(), code)); }

    TestApplication app;
    RecordingFrame* frame = nullptr;
};

TEST_F(MessagePump, FourIdleEventsThenTheFetchBlocks)
{
    DWORD mainThread = GetCurrentThreadId();
    for (int i = 0; i < 8; ++i)
        theCurrentEvent->pumpStep();
    EXPECT_EQ(count(EV_IDLE), 4);

    // The ninth step waits in GetMessage until the other thread posts.
    std::thread poster([mainThread] {
        Sleep(300);
        PostThreadMessageA(mainThread, WM_APP + 7, 0, 0);
    });
    DWORD start = GetTickCount();
    theCurrentEvent->pumpStep();
    DWORD waited = GetTickCount() - start;
    poster.join();
    EXPECT_GE(waited, 200u);
    EXPECT_EQ(theCurrentEvent->message, static_cast<UINT>(WM_APP + 7));

    // Any message starts a new burst of four.
    for (int i = 0; i < 8; ++i)
        theCurrentEvent->pumpStep();
    EXPECT_EQ(count(EV_IDLE), 8);
}

TEST_F(MessagePump, NeverBlockKeepsIdleEventsComing)
{
    theCurrentEvent->neverBlock = 1;
    for (int i = 0; i < 20; ++i)
        theCurrentEvent->pumpStep();
    theCurrentEvent->neverBlock = 0;
    EXPECT_EQ(count(EV_IDLE), 10);
}

TEST_F(MessagePump, QueuedEventsComeFirstOnePerStepInOrder)
{
    PostMessageA(frame->hwnd(), WM_KEYDOWN, 'K', 0);
    ASSERT_TRUE(theCurrentEvent->postEventTo(4001, frame->serial, 0, nullptr));
    ASSERT_TRUE(theCurrentEvent->postEventTo(4002, frame->serial, 0, nullptr));

    theCurrentEvent->pumpStep();
    ASSERT_EQ(frame->codes.size(), 1u);
    EXPECT_EQ(frame->codes[0], 4001);
    EXPECT_EQ(theCurrentEvent->source, 1);
    theCurrentEvent->pumpStep();
    ASSERT_EQ(frame->codes.size(), 2u);
    EXPECT_EQ(frame->codes[1], 4002);
    theCurrentEvent->pumpStep();
    ASSERT_EQ(frame->codes.size(), 3u);
    EXPECT_EQ(frame->codes[2], EV_KEY_DOWN);
    EXPECT_EQ(theCurrentEvent->source, 3);
}

TEST_F(MessagePump, DeferredShortcutReachesTheFrameAs6192)
{
    struct KeyA : ShortcutKeyHook {
        int lookUp() override { return theCurrentEvent->wParam == 'A' ? 40001 : 0; }
    } hook;
    ScopedOverride installed(theShortcutHook, &hook);
    RecordingWindow view;

    PostMessageA(view.hwnd(), WM_KEYDOWN, 'A', 0);
    theCurrentEvent->pumpStep();
    EXPECT_EQ(theCurrentEvent->keyConsumed, 1);
    EXPECT_TRUE(view.codes.empty()) << "a consumed key is not dispatched";

    theCurrentEvent->pumpStep(); // posts 6190 carrying 6192
    EXPECT_TRUE(frame->codes.empty());
    theCurrentEvent->pumpStep(); // delivers it
    EXPECT_EQ(frame->codes, std::vector<int>{EV_SHORTCUT_COMMAND});

    // A second key while the command is still pending is not consumed.
    PostMessageA(view.hwnd(), WM_KEYDOWN, 'A', 0);
    theCurrentEvent->pumpStep();
    EXPECT_EQ(theCurrentEvent->keyConsumed, 0);
    EXPECT_EQ(view.codes, std::vector<int>{EV_KEY_DOWN});
    EXPECT_EQ(hook.takePendingCommand(), 40001);
}

TEST_F(MessagePump, QuitEndsTheLoopWithItsWParam)
{
    PostQuitMessage(0);
    while (!app->quit)
        theCurrentEvent->pumpStep();
    EXPECT_EQ(theCurrentEvent->quitCode, 0);
    EXPECT_NE(theCurrentEvent->message, static_cast<UINT>(WM_QUIT));
}

TEST_F(MessagePump, QuitMetByANestedLoopStillEndsTheMainLoop)
{
    PostQuitMessage(3);
    theCurrentEvent->pumpStepModal(1);
    EXPECT_EQ(app->quit, 1);
    EXPECT_EQ(theCurrentEvent->quitCode, 3);
    MSG m;
    EXPECT_TRUE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "the quit is kept for the main loop";

    app->quit = 0;
    PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    PostQuitMessage(0);
    theCurrentEvent->pumpFor(200);
    EXPECT_EQ(app->quit, 1);
    EXPECT_EQ(theCurrentEvent->quitCode, 0);
}

TEST_F(MessagePump, NestedStepLeavesAMenuCommandForTheMainLoop)
{
    PostMessageA(frame->hwnd(), WM_COMMAND, 40021, 0);
    EXPECT_EQ(theCurrentEvent->pumpStepModal(1), 1);
    MSG m;
    EXPECT_TRUE(PeekMessageA(&m, nullptr, WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
    EXPECT_EQ(theCurrentEvent->pumpStepModal(2), 0);
    EXPECT_EQ(count(EV_MENU_COMMAND), 1);
}

// A press that the main loop delivers is kept for the first poll of the tool its handler starts,
// once, and only until any later pump step: the release of a quick click behind it is not read
// first.
TEST_F(MessagePump, APressTheMainLoopDeliversIsKeptForTheLoopItStartsOnce)
{
    RecordingWindow view, other;
    struct Row {
        const char* what;
        UINT message;
        HWND delivered;
        int nestedStepFirst;
        HWND asked;
        int kept;
    };
    const Row rows[] = {
        {"a left press", WM_LBUTTONDOWN, view.hwnd(), 0, view.hwnd(), 1},
        {"a right press", WM_RBUTTONDOWN, view.hwnd(), 0, view.hwnd(), 1},
        {"a press of another window", WM_LBUTTONDOWN, other.hwnd(), 0, view.hwnd(), 0},
        // Once a handle's top bit is set, the view may know itself in the handle's other form.
        {"a press of the view asked for in its handle's other form", WM_LBUTTONDOWN, view.hwnd(), 0,
         otherHandleForm(view.hwnd()), 1},
        {"a mouse move", WM_MOUSEMOVE, view.hwnd(), 0, view.hwnd(), 0},
        {"a press some nested loop has stepped past", WM_LBUTTONDOWN, view.hwnd(), 1, view.hwnd(), 0},
    };
    for (const Row& r : rows) {
        drain();
        PostMessageA(r.delivered, r.message, 0, 0);
        theCurrentEvent->pumpStep();
        if (r.nestedStepFirst)
            (void)theCurrentEvent->pumpStepNoWait(0);
        EXPECT_EQ(theCurrentEvent->takePressFor(r.asked), r.kept) << r.what;
        EXPECT_EQ(theCurrentEvent->takePressFor(r.asked), 0) << r.what << ", asked again";
    }
    // The next step of the main loop forgets it.
    PostMessageA(view.hwnd(), WM_LBUTTONDOWN, 0, 0);
    theCurrentEvent->pumpStep();
    theCurrentEvent->pumpStep();
    EXPECT_EQ(theCurrentEvent->takePressFor(view.hwnd()), 0);
}

TEST_F(MessagePump, MousePositionsAreSignedAndWheelPositionsStayInScreenCoordinates)
{
    RecordingWindow view;
    SetWindowPos(view.hwnd(), nullptr, 200, 150, 300, 200, SWP_NOZORDER);
    POINT origin = {0, 0};
    ClientToScreen(view.hwnd(), &origin);
    view.codes.clear();

    PostMessageA(view.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, -7));
    PostMessageA(view.hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, 65416), MAKELPARAM(100, 200));
    PostMessageA(view.hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120 * 3), MAKELPARAM(100, 200));
    for (int i = 0; i < 3; ++i)
        theCurrentEvent->pumpStep();

    EXPECT_EQ(theMouseState->leftFlag, 1);
    EXPECT_EQ(theMouseState->leftDown.x, origin.x - 5);
    EXPECT_EQ(theMouseState->leftDown.y, origin.y - 7);
    EXPECT_EQ(theMouseState->wheelFlag, 1);
    EXPECT_DOUBLE_EQ(theMouseState->wheelDelta, 240.0);
    EXPECT_EQ(theMouseState->wheel.x, 100);
    EXPECT_EQ(theMouseState->wheel.y, 200);
    EXPECT_EQ(theCurrentEvent->mouseWindow, view.hwnd());
    EXPECT_EQ(view.codes, (std::vector<int>{EV_LEFT_DOWN, EV_MOUSE_WHEEL, EV_MOUSE_WHEEL}));
}

TEST_F(MessagePump, PaintIsAnsweredWithoutDispatchWhilePaintDispatchIsOff)
{
    RecordingWindow view;
    ShowWindow(view.hwnd(), SW_SHOWNA);
    InvalidateRect(view.hwnd(), nullptr, TRUE);
    theCurrentEvent->paintDispatch = 0;
    MSG waiting;
    for (int i = 0; i < 10 && PeekMessageA(&waiting, nullptr, 0, 0, PM_NOREMOVE); ++i)
        theCurrentEvent->pumpStep();
    theCurrentEvent->paintDispatch = 1;
    EXPECT_EQ(std::count(view.codes.begin(), view.codes.end(), EV_PAINT), 0);
    EXPECT_FALSE(GetUpdateRect(view.hwnd(), nullptr, FALSE)) << "the window was validated";
}

// The typed text is read from the queue up to the first message that is no character, and never
// ends in half of a two-byte character: what is not taken stays queued.
TEST_F(MessagePump, ReadTypedTextTakesOnlyWholeCharacters)
{
    const struct {
        const char* what;
        std::vector<std::pair<UINT, WPARAM>> typed;
        int room;
        int read;
        const char* text;
        UINT nextMessage;
        WPARAM nextParam;
    } cases[] = {
        {"letters and a return, then a key", {{WM_CHAR, 'a'}, {WM_CHAR, 13}, {WM_CHAR, 'b'}, {WM_KEYDOWN, VK_LEFT}},
         16, 4, "a\r\nb", WM_KEYDOWN, VK_LEFT},
        {"\"ab\" then the two bytes of 表 (95 5C), room for three bytes",
         {{WM_CHAR, 'a'}, {WM_CHAR, 'b'}, {WM_CHAR, 0x95}, {WM_CHAR, 0x5C}}, 4, 2, "ab", WM_CHAR, 0x95},
        {"typed fast, then Backspace: the Backspace stays an editing key",
         {{WM_CHAR, 'a'}, {WM_CHAR, 'b'}, {WM_CHAR, 8}}, 16, 2, "ab", WM_CHAR, 8},
        {"typed fast, then Escape", {{WM_CHAR, 'a'}, {WM_CHAR, 27}}, 16, 1, "a", WM_CHAR, 27},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingWindow view;
        for (const auto& [message, param] : c.typed)
            PostMessageA(view.hwnd(), message, param, 0);
        MSG first;
        ASSERT_TRUE(PeekMessageA(&first, view.hwnd(), WM_CHAR, WM_CHAR, PM_REMOVE));
        ASSERT_EQ(theCurrentEvent->translateMessage(first.hwnd, first.message, first.wParam, first.lParam), 0);
        char text[16] = {};
        EXPECT_EQ(theCurrentEvent->readTypedText(text, c.room), c.read);
        EXPECT_STREQ(text, c.text);
        MSG next;
        ASSERT_TRUE(PeekMessageA(&next, view.hwnd(), 0, 0, PM_NOREMOVE));
        EXPECT_EQ(next.message, c.nextMessage);
        EXPECT_EQ(next.wParam, c.nextParam);
    }
}

TEST_F(MessagePump, KeyboardReaders)
{
    CurrentEvent& e = *theCurrentEvent;
    ASSERT_EQ(e.translateMessage(frame->hwnd(), WM_CHAR, 'x', 0), 0);
    EXPECT_EQ(e.getTypedChar(), 'x');
    ASSERT_EQ(e.translateMessage(frame->hwnd(), WM_KEYDOWN, 'X', 0), 0);
    EXPECT_EQ(e.getTypedChar(), 256);
    EXPECT_EQ(e.getEditingKey(), 0);
    ASSERT_EQ(e.translateMessage(frame->hwnd(), WM_KEYDOWN, VK_LEFT, 0), 0);
    EXPECT_EQ(e.getEditingKey(), VK_LEFT);
    ASSERT_EQ(e.translateMessage(frame->hwnd(), WM_KEYDOWN, VK_DELETE, 0), 0);
    EXPECT_EQ(e.getEditingKey(), VK_DELETE);
    ASSERT_EQ(e.translateMessage(frame->hwnd(), WM_KEYDOWN, VK_INSERT, 0), 0);
    EXPECT_EQ(e.getEditingKey(), 0);
    ASSERT_EQ(e.translateMessage(frame->hwnd(), WM_CHAR, 8, 0), 0);
    EXPECT_EQ(e.getEditingKey(), 8);
    ASSERT_EQ(e.translateMessage(frame->hwnd(), WM_CHAR, 27, 0), 0);
    EXPECT_EQ(e.getEditingKey(), 27);
    ASSERT_EQ(e.translateMessage(frame->hwnd(), WM_KEYUP, 'X', 0), 0);
    EXPECT_EQ(e.typedChar, 0);
}

} // namespace
