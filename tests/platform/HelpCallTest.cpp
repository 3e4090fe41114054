// The help call: HtmlHelpA as the HTML Help control provides it, replaced here by a recorder.
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

#include "platform/HelpCall.h"
#include "tests/support/ScopedOverride.h"

namespace {

struct HelpCalls {
    int loads = 0;
    int calls = 0;
    HWND owner = reinterpret_cast<HWND>(1);
    std::string file;
    UINT command = 99;
    DWORD_PTR data = 99;
} help;

HWND WINAPI recordHtmlHelp(HWND owner, LPCSTR file, UINT command, DWORD_PTR data)
{
    ++help.calls;
    help.owner = owner;
    help.file = file ? file : "";
    help.command = command;
    help.data = data;
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(0x4321));
}

HtmlHelpFunction loadRecorder()
{
    ++help.loads;
    return recordHtmlHelp;
}

HtmlHelpFunction loadNothing()
{
    ++help.loads;
    return nullptr;
}

TEST(HelpCall, OpensTheFileAsATopicWithoutOwner)
{
    ScopedOverride<HelpCalls> calls(help, HelpCalls());
    ScopedHook<HtmlHelpLoader> loader(setHtmlHelpLoader, loadRecorder);
    const char path[] = "C:\\Program Files\\Korvane\\KorvaneHelp.chm";
    EXPECT_EQ(showHelpFile(path), reinterpret_cast<HWND>(static_cast<INT_PTR>(0x4321)));
    EXPECT_EQ(help.owner, nullptr);
    EXPECT_EQ(help.file, path);
    EXPECT_EQ(help.command, 0u); // HH_DISPLAY_TOPIC
    EXPECT_EQ(help.data, 0u);
    EXPECT_NE(showHelpFile(path), nullptr);
    EXPECT_EQ(help.loads, 1);
    EXPECT_EQ(help.calls, 2);
}

TEST(HelpCall, WithoutTheControlEveryCallAnswersNullAtOnce)
{
    // The tests' main fails any message box: none may come.
    ScopedOverride<HelpCalls> calls(help, HelpCalls());
    ScopedHook<HtmlHelpLoader> loader(setHtmlHelpLoader, loadNothing);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(showHelpFile("KorvaneHelp.chm"), nullptr);
    EXPECT_EQ(help.loads, 1);
    EXPECT_EQ(help.calls, 0);
}

TEST(HelpCall, TheTestSystemHasTheHtmlHelpControl)
{
    EXPECT_NE(loadHtmlHelpControl(), nullptr);
}

} // namespace
