// The ground every other test stands on: the Japanese code page, Shift-JIS literals and
// resources, window messages, timers and modal dialogs under Wine's headless driver.
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "resources/ids.h"
#include "tests/support/FakeClock.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"

namespace {

std::string hex(const std::string& bytes)
{
    std::string out;
    char buffer[4];
    for (unsigned char c : bytes) {
        wsprintfA(buffer, "%02X ", c);
        out += buffer;
    }
    return out;
}

TEST(WineEnvironment, AnsiCodePageIsShiftJis)
{
    EXPECT_EQ(GetACP(), 932u);
    EXPECT_EQ(hex("表示"), "95 5C 8E A6 ");
}

TEST(WineEnvironment, StringTableGivesShiftJis)
{
    char text[256] = {};
    int length = LoadStringA(GetModuleHandleA(nullptr), IDS_OUT_OF_MEMORY, text, sizeof text);
    EXPECT_EQ(length, 18);
    EXPECT_STREQ(text, "メモリーが一杯です");
    EXPECT_EQ(hex(std::string(text, 4)), "83 81 83 82 ");

    LoadStringA(GetModuleHandleA(nullptr), IDS_TOOLBAR_DRAWING, text, sizeof text);
    EXPECT_STREQ(text, "#,線画,DFLT,1,1,1,1,1,100,0,TOP,51#");
}

std::string familyOf(const char* face)
{
    HDC dc = CreateCompatibleDC(nullptr);
    LOGFONTA description = {};
    description.lfHeight = -20;
    description.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynA(description.lfFaceName, face, LF_FACESIZE);
    HFONT font = CreateFontIndirectA(&description);
    HGDIOBJ previous = SelectObject(dc, font);
    alignas(8) char metrics[2048] = {};
    auto* outline = reinterpret_cast<OUTLINETEXTMETRICA*>(metrics);
    std::string family;
    if (GetOutlineTextMetricsA(dc, sizeof metrics, outline))
        family = metrics + reinterpret_cast<size_t>(outline->otmpFamilyName);
    SelectObject(dc, previous);
    DeleteObject(font);
    DeleteDC(dc);
    return family;
}

// The program asks for the Japanese system faces; the prefix maps them onto the IPA fonts, a
// Mincho request onto a Mincho face.
TEST(WineEnvironment, JapaneseSystemFacesAreSubstituted)
{
    std::string gothic = familyOf("ＭＳ ゴシック");
    std::string mincho = familyOf("ＭＳ 明朝");
    EXPECT_NE(gothic.find("IPA"), std::string::npos) << gothic;
    EXPECT_NE(mincho.find("IPA"), std::string::npos) << mincho;
    EXPECT_NE(gothic, mincho);
    EXPECT_EQ(familyOf("ＭＳ Ｐ明朝").find("IPA"), 0u);
}

struct WindowLog {
    int posted = 0;
    int timerTicks = 0;
};

LRESULT CALLBACK loggingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* log = reinterpret_cast<WindowLog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
    case WM_APP + 1:
        if (log)
            log->posted += static_cast<int>(wParam);
        return 0;
    case WM_TIMER:
        if (log && ++log->timerTicks == 2) {
            KillTimer(window, wParam);
            PostQuitMessage(0);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(WineEnvironment, WindowReceivesPostedMessagesAndTimerUntilQuit)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = loggingProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "korvaneTestWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("korvaneTestWindow", "テスト", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    WindowLog log;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&log));

    PostMessageA(window, WM_APP + 1, 3, 0);
    PostMessageA(window, WM_APP + 1, 4, 0);
    SetTimer(window, 1, 10, nullptr);

    MSG message;
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0)
        DispatchMessageA(&message);
    EXPECT_EQ(got, 0);
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 0u);
    EXPECT_EQ(log.posted, 7);
    EXPECT_EQ(log.timerTicks, 2);

    char caption[32] = {};
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "テスト");
    DestroyWindow(window);
}

INT_PTR CALLBACK endingDialogProcedure(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        EndDialog(dialog, lParam);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK plainDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND) {
        EndDialog(dialog, LOWORD(wParam) + 100);
        return TRUE;
    }
    return FALSE;
}

TEST(WineEnvironment, ModalDialogFromResourceRunsAndEnds)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    EXPECT_EQ(DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SPLASH), nullptr, endingDialogProcedure, 42), 42);

    std::string pictureClass;
    INT_PTR result = driveModalDialog(
        [&] { return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SPLASH), nullptr, plainDialogProcedure, 0); },
        [&](HWND dialog) {
            char name[64] = {};
            GetClassNameA(GetDlgItem(dialog, IDC_SPLASH_PICTURE), name, sizeof name);
            pictureClass = name;
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
    EXPECT_EQ(result, IDCANCEL + 100);
    EXPECT_STREQ(pictureClass.c_str(), "Static");
}

TEST(WineEnvironment, MessageBoxesAreScripted)
{
    MessageBoxScript boxes;
    boxes.answer(IDNO);
    EXPECT_EQ(showMessageBox(nullptr, "保存しますか", "Korvane", MB_YESNOCANCEL), IDNO);
    EXPECT_EQ(showMessageBox(nullptr, "Read Error", nullptr, MB_OK), IDOK);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].text, "保存しますか");
    EXPECT_EQ(boxes.shown()[0].style, static_cast<UINT>(MB_YESNOCANCEL));
    EXPECT_EQ(boxes.shown()[1].caption, "");
}

TEST(WineEnvironment, ClockIsInjectable)
{
    {
        FakeClock clock(5000, 300);
        EXPECT_EQ(currentTickCount(), 5000u);
        clock.advance(250);
        EXPECT_EQ(currentTickCount(), 5250u);
        EXPECT_EQ(currentDoubleClickTime(), 300u);
    }
    EXPECT_EQ(currentDoubleClickTime(), GetDoubleClickTime());
}

} // namespace
