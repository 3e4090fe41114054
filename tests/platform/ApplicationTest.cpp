// The application object and the library's message boxes.
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/EventRouter.h"
#include "platform/MathUtil.h"
#include "platform/MessageBox.h"
#include "platform/MessageBoxes.h"
#include "platform/MouseState.h"
#include "platform/PaneWindow.h"
#include "platform/TextCaret.h"
#include "platform/StringUtil.h"
#include "resources/ids.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

namespace {

TEST(Application, CreatesAndDeletesItsSingletons)
{
    {
        TestApplication app;
        EXPECT_NE(theCurrentEvent, nullptr);
        EXPECT_NE(theEventRouter, nullptr);
        EXPECT_NE(theMouseState, nullptr);
        EXPECT_NE(theBeeper, nullptr);
        EXPECT_NE(theStringUtil, nullptr);
        EXPECT_NE(theMathUtil, nullptr);
        EXPECT_NE(theTextCaret, nullptr);
        EXPECT_NE(thePaneWindows, nullptr);
        EXPECT_EQ(app->mode, 3);
        EXPECT_EQ(app->quit, 0);
        EXPECT_EQ(app->frame, nullptr);
        EXPECT_EQ(app->versionInfo.dwOSVersionInfoSize, sizeof(OSVERSIONINFOA));
        EXPECT_TRUE(app->isMdiMode());
        EXPECT_TRUE(theCurrentEvent->postEvent(6010, 1, 2)); // left queued: deleted with the queue
    }
    EXPECT_EQ(theCurrentEvent, nullptr);
    EXPECT_EQ(theEventRouter, nullptr);
    EXPECT_EQ(theMouseState, nullptr);
    EXPECT_EQ(theTextCaret, nullptr);
    EXPECT_EQ(thePaneWindows, nullptr);
}

TEST(Application, ProgramFolderIsTheExecutablesFolder)
{
    TestApplication app;
    app->commandLine = "\"C:\\dwg folder\\a.ycx\"";
    char folder[MAX_PATH];
    app->getProgramFolder(folder, sizeof folder);
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, sizeof module);
    std::string expected(module);
    expected.erase(expected.rfind('\\') + 1);
    EXPECT_EQ(std::string(folder), expected);
}

TEST(Application, FocusHoldOffCountsDown)
{
    TestApplication app;
    app->focusHoldOff = 2;
    EXPECT_EQ(app->consumeFocusHoldOff(), 2);
    EXPECT_EQ(app->consumeFocusHoldOff(), 1);
    EXPECT_EQ(app->consumeFocusHoldOff(), 0);
    EXPECT_EQ(app->focusHoldOff, 0);
}

TEST(Application, CommandLineFileIsTheFirstArgumentWithoutQuotes)
{
    struct OpeningFrame : FrameWindow {
        int openFileFromCommandLine(const char* path) override
        {
            opened = path;
            return 1;
        }
        std::string opened;
    } frame;
    TestApplication app;
    ScopedOverride appFrame(app->frame, &frame);
    app->commandLine = "  \"C:\\my drawings\\plan.ycx\" ";
    app->openCommandLineFile();
    EXPECT_EQ(frame.opened, "C:\\my drawings\\plan.ycx");
    frame.opened.clear();
    app->commandLine = "a.b";
    app->openCommandLineFile();
    EXPECT_EQ(frame.opened, "") << "fewer than four characters open nothing";
}

TEST(MessageBoxes, AnswersAndCaptions)
{
    TestApplication app;
    MessageBoxScript boxes;
    boxes.answer(IDYES);
    boxes.answer(IDNO);
    boxes.answer(IDCANCEL);
    boxes.answer(IDOK);
    boxes.answer(IDCANCEL);
    EXPECT_EQ(askYesNoCancel("保存しますか"), 1);
    EXPECT_EQ(askYesNoCancel("保存しますか"), 3);
    EXPECT_EQ(askYesNoCancel("保存しますか", "確認"), 2);
    EXPECT_EQ(askOkCancel("続けますか"), 1);
    EXPECT_EQ(askOkCancel("続けますか"), 2);
    ASSERT_EQ(boxes.shown().size(), 5u);
    EXPECT_EQ(boxes.shown()[0].caption, "Korvane");
    EXPECT_EQ(boxes.shown()[2].caption, "確認");
    EXPECT_EQ(boxes.shown()[0].style, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONEXCLAMATION | MB_TASKMODAL));
    EXPECT_EQ(boxes.shown()[3].style, static_cast<UINT>(MB_OKCANCEL | MB_ICONEXCLAMATION | MB_TASKMODAL));
    EXPECT_EQ(theBeeper->lastType, MB_ICONEXCLAMATION);
}

// Answers the system's message box with No as soon as it is activated.
LRESULT CALLBACK answerNo(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        char name[16] = {};
        const HWND box = reinterpret_cast<HWND>(wParam);
        if (GetClassNameA(box, name, sizeof name) && std::string(name) == "#32770")
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(MessageBoxes, TheWindowThatWasActiveHasTheKeyboardAgainAfterAQuestion)
{
    TestApplication app;
    const HWND window = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                        nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(window);
    SetActiveWindow(window);
    SetFocus(window);
    ASSERT_EQ(GetFocus(), window);
    {
        ScopedHook<MessageBoxFunction> system(setMessageBoxFunction, nullptr);
        const HHOOK hook = SetWindowsHookExA(WH_CBT, answerNo, nullptr, GetCurrentThreadId());
        ASSERT_TRUE(hook);
        EXPECT_EQ(askYesNoCancel("保存しますか"), 3);
        UnhookWindowsHookEx(hook);
    }
    EXPECT_EQ(GetActiveWindow(), window);
    EXPECT_EQ(GetFocus(), window) << "the shortcuts reach the program again";
    DestroyWindow(window);
}

TEST(MessageBoxes, ErrorsAreCountedAndShownWithTheTitle)
{
    TestApplication app;
    MessageBoxScript boxes;
    showOutOfMemory();
    showErrorById(IDS_READ_ERROR);
    showErrorById(65000); // no such string: counted, nothing shown
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].text, "メモリーが一杯です");
    EXPECT_EQ(boxes.shown()[0].caption, "Korvane");
    EXPECT_EQ(boxes.shown()[0].style, static_cast<UINT>(MB_ICONHAND | MB_TASKMODAL));
    EXPECT_EQ(boxes.shown()[1].text, "Read Error");
    EXPECT_EQ(app->errorCount, 3);
    EXPECT_EQ(theBeeper->lastType, MB_ICONHAND);
}

} // namespace
