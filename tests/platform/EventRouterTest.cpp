// Translation of window messages into event codes and their delivery to window objects.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/EventRouter.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

namespace {

int translate(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    int answer = theCurrentEvent->translateMessage(nullptr, message, wParam, lParam);
    // 0 for a message that has an event code, -1 for one that has none.
    EXPECT_EQ(answer, theCurrentEvent->code ? 0 : -1) << "message " << message;
    return theCurrentEvent->code;
}

TEST(EventRouter, TranslationTable)
{
    TestApplication app;
    CurrentEvent& e = *theCurrentEvent;
    EXPECT_EQ(translate(WM_SIZE), 23020);
    EXPECT_EQ(translate(WM_ACTIVATE, WA_INACTIVE), 9010);
    EXPECT_EQ(translate(WM_ACTIVATE, WA_CLICKACTIVE), 1010);
    EXPECT_EQ(translate(WM_SETFOCUS), 1010);
    EXPECT_EQ(translate(WM_PAINT), 21020);
    e.closeCancelled = 1;
    EXPECT_EQ(translate(WM_CLOSE), 3010);
    EXPECT_EQ(e.closeCancelled, 0);
    EXPECT_EQ(translate(WM_KEYDOWN, 'A'), 11010);
    EXPECT_EQ(translate(WM_CHAR, 'q'), 11010);
    EXPECT_EQ(e.typedChar, 'q');
    EXPECT_EQ(translate(WM_KEYUP), 11020);
    EXPECT_EQ(e.typedChar, 0);
    EXPECT_EQ(translate(WM_COMMAND, MAKEWPARAM(40001, 0), 0), 13030);
    EXPECT_EQ(translate(WM_COMMAND, MAKEWPARAM(40001, 1), 0), 13030);
    EXPECT_EQ(e.translateMessage(nullptr, WM_COMMAND, MAKEWPARAM(1000, BN_CLICKED), 0x1234), -1);
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(translate(WM_HSCROLL), 19010);
    EXPECT_EQ(translate(WM_VSCROLL), 19020);
    EXPECT_EQ(translate(WM_INITMENU), 13020);
    EXPECT_EQ(translate(WM_MOUSEMOVE), 13040);
    EXPECT_EQ(translate(WM_LBUTTONDOWN), 12010);
    EXPECT_EQ(translate(WM_RBUTTONDOWN), 18010);
    EXPECT_EQ(translate(WM_MBUTTONDOWN), 13010);
    EXPECT_EQ(translate(WM_MOUSEWHEEL), 13050);
    EXPECT_EQ(e.translateMessage(nullptr, WM_DESTROY, 0, 0), -1);
    EXPECT_EQ(e.translateMessage(nullptr, WM_LBUTTONUP, 0, 0), -1);
}

TEST(EventRouter, NonClientMessagesNeedThePaneFlags)
{
    TestApplication app;
    CurrentEvent& e = *theCurrentEvent;
    EXPECT_EQ(translate(WM_NCLBUTTONDOWN, HTCAPTION), 0);
    EXPECT_EQ(translate(WM_NCMOUSEMOVE, HTCAPTION), 0);
    e.captionEvents = 1;
    EXPECT_EQ(translate(WM_NCLBUTTONDOWN, HTCAPTION), 12010);
    EXPECT_EQ(translate(WM_NCLBUTTONDOWN, HTLEFT), 0);
    e.borderEvents = 1;
    for (WPARAM hit : {HTLEFT, HTRIGHT, HTTOP, HTBOTTOM, HTBORDER})
        EXPECT_EQ(translate(WM_NCLBUTTONDOWN, hit), 12010) << hit;
    for (WPARAM hit : {HTTOPLEFT, HTTOPRIGHT, HTBOTTOMLEFT, HTBOTTOMRIGHT})
        EXPECT_EQ(translate(WM_NCLBUTTONDOWN, hit), 0) << hit;
    EXPECT_EQ(translate(WM_NCMOUSEMOVE, HTCAPTION), 13040);
}

TEST(EventRouter, ControlCommandsReachTheDefaultProcedure)
{
    TestApplication app;
    RecordingWindow view;
    EXPECT_EQ(theEventRouter->route(view.hwnd(), WM_COMMAND, MAKEWPARAM(1000, BN_CLICKED), 0x1234), -1);
    EXPECT_TRUE(view.codes.empty());
    EXPECT_EQ(theEventRouter->route(view.hwnd(), WM_LBUTTONDOWN, 0, 0), 0);
    view.handles = 0;
    EXPECT_EQ(theEventRouter->route(view.hwnd(), WM_LBUTTONDOWN, 0, 0), -1) << "unhandled: default procedure";
    EXPECT_EQ(view.codes, (std::vector<int>{EV_LEFT_DOWN, EV_LEFT_DOWN}));
}

TEST(EventRouter, MouseMovesAreDroppedDuringANestedPump)
{
    TestApplication app;
    RecordingWindow view, other;
    static RecordingWindow* target;
    target = &other;
    view.onEvent = [](RecordingWindow& self) {
        if (theCurrentEvent->code != EV_LEFT_DOWN)
            return;
        PostMessageA(target->hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        PostMessageA(target->hwnd(), WM_RBUTTONDOWN, 0, MAKELPARAM(5, 5));
        for (int i = 0; i < 6; ++i)
            theCurrentEvent->pumpStepNoWait(0);
        (void)self;
    };
    PostMessageA(view.hwnd(), WM_LBUTTONDOWN, 0, 0);
    for (int i = 0; i < 6; ++i)
        theCurrentEvent->pumpStepNoWait(0);
    EXPECT_EQ(view.codes, std::vector<int>{EV_LEFT_DOWN});
    EXPECT_EQ(other.codes, std::vector<int>{EV_RIGHT_DOWN});

    // Outside a handler the move is delivered.
    PostMessageA(other.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
    for (int i = 0; i < 3; ++i)
        theCurrentEvent->pumpStepNoWait(0);
    EXPECT_EQ(other.codes, (std::vector<int>{EV_RIGHT_DOWN, EV_MOUSE_MOVE}));
}

TEST(EventRouter, InternalEventsBySerialAndApplicationEventsToTheFrame)
{
    TestApplication app;
    RecordingFrame frame;
    ScopedOverride appFrame(app->frame, &frame);
    ASSERT_TRUE(frame.create());
    RecordingWindow view;
    frame.codes.clear();
    view.codes.clear();

    // 12020 on a window that does not take it comes back as 12010 in a later step.
    view.handles = 0;
    ASSERT_TRUE(theCurrentEvent->postEventTo(EV_LEFT_DOWN_REPOST, view.serial, 0, view.hwnd()));
    view.onEvent = [](RecordingWindow& self) {
        if (theCurrentEvent->code == EV_LEFT_DOWN_REPOST)
            (void)self.Window::handleEvent(); // it reposts the press; the window answers `handles`
    };
    theCurrentEvent->popAndRoute();
    theCurrentEvent->popAndRoute();
    EXPECT_EQ(view.codes, (std::vector<int>{EV_LEFT_DOWN_REPOST, EV_LEFT_DOWN}));

    // The close request becomes 7010 for its window.
    view.postClose();
    theCurrentEvent->popAndRoute();
    EXPECT_EQ(view.codes.back(), EV_CLOSE_WINDOW);

    // Application events go to the frame whatever their address; 6190 becomes its command.
    ASSERT_TRUE(theCurrentEvent->postEvent(EV_IDLE, view.serial, 0));
    ASSERT_TRUE(theCurrentEvent->postDeferredCommand(EV_SHORTCUT_COMMAND));
    theCurrentEvent->popAndRoute();
    theCurrentEvent->popAndRoute();
    EXPECT_EQ(frame.codes, (std::vector<int>{EV_IDLE, EV_SHORTCUT_COMMAND}));

    // An event for a serial that no longer exists is dropped; one for 6020 is routed normally.
    ASSERT_TRUE(theCurrentEvent->postEvent(4100, 9999, 0));
    EXPECT_EQ(theCurrentEvent->popAndRoute(), 1);
    app->frame = nullptr;
    ASSERT_TRUE(theCurrentEvent->postEvent(6030, 0, 0));
    EXPECT_EQ(theCurrentEvent->popAndRoute(), 1) << "swallowed without a frame";
    frame.destroy();
}

TEST(EventRouter, FirstEntryWithAHandleWinsAndSerialsAreNotReused)
{
    TestApplication app;
    RecordingWindow first;
    RecordingWindow second;
    int secondSerial = second.serial;
    HWND shared = first.hwnd();
    HWND own = second.hwnd();
    second.dc.hwnd = shared;
    EXPECT_EQ(theEventRouter->findWindow(shared), &first);
    EXPECT_EQ(theEventRouter->route(shared, WM_LBUTTONDOWN, 0, 0), 0);
    EXPECT_EQ(first.codes.size(), 1u);
    EXPECT_TRUE(second.codes.empty());
    second.dc.hwnd = own;
    EXPECT_GT(secondSerial, first.serial);
    EXPECT_EQ(theEventRouter->nextSerial(), secondSerial + 1);

    second.unregisterWindow();
    EXPECT_EQ(theEventRouter->findSerial(secondSerial), nullptr);
    EXPECT_EQ(theEventRouter->findSerial(first.serial), &first);
}

} // namespace
