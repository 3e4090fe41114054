// The input-method guard: nested dialogs keep the IME off until the last one goes, and the
// composition window follows the text caret with the window's font.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>
#include <ime.h>

#include "platform/Dialog.h"
#include "platform/ImeGuard.h"
#include "platform/Window.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/TestApplication.h"

namespace {

std::vector<int> enableCalls;
BOOL imeWasOn = TRUE;

BOOL WINAPI recordEnable(HWND, BOOL enable)
{
    enableCalls.push_back(enable);
    BOOL before = imeWasOn;
    imeWasOn = enable;
    return before;
}

struct ImeRequest {
    UINT function;
    WPARAM wParam;
    LPARAM lParam1;
    std::string faceName;   // of a font request
};
std::vector<ImeRequest> requests;

LRESULT WINAPI recordRequest(HWND, LPARAM block)
{
    auto* request = static_cast<IMESTRUCT*>(GlobalLock(reinterpret_cast<HGLOBAL>(block)));
    if (!request)
        return 0;
    ImeRequest seen = {request->fnc, request->wParam, request->lParam1, ""};
    if (request->fnc == IME_SETCONVERSIONFONTEX) {
        auto* font = static_cast<LOGFONTA*>(GlobalLock(reinterpret_cast<HGLOBAL>(request->lParam1)));
        if (font) {
            seen.faceName = font->lfFaceName;
            GlobalUnlock(reinterpret_cast<HGLOBAL>(request->lParam1));
        }
    }
    GlobalUnlock(reinterpret_cast<HGLOBAL>(block));
    requests.push_back(seen);
    return 1;
}

TEST(ImeGuard, NestedDialogsBringTheImeBackOnlyAfterTheLastOne)
{
    TestApplication app;
    ImportPatch patch("user32.dll", "WINNLSEnableIME", reinterpret_cast<void*>(recordEnable));
    ASSERT_NE(patch.original(), nullptr);
    enableCalls.clear();
    imeWasOn = TRUE;
    {
        Dialog outer;
        {
            Dialog inner;
            EXPECT_EQ(theImeGuard->count, 2);
            EXPECT_EQ(enableCalls, (std::vector<int>{FALSE}));
            // A text field gives the IME back while it has the focus; a number field takes it.
            theImeGuard->restoreNow();
            theImeGuard->switchOffNow();
        }
        EXPECT_EQ(enableCalls, (std::vector<int>{FALSE, TRUE, FALSE}));
    }
    EXPECT_EQ(enableCalls, (std::vector<int>{FALSE, TRUE, FALSE, TRUE}));
    EXPECT_TRUE(imeWasOn);

    // Without a dialog a text field leaves the IME alone.
    theImeGuard->restoreNow();
    EXPECT_EQ(enableCalls.size(), 4u);

    // An IME that was off before stays off afterwards.
    imeWasOn = FALSE;
    {
        Dialog only;
    }
    EXPECT_FALSE(imeWasOn);
}

TEST(ImeGuard, TheCompositionWindowGoesToTheCaretWithTheWindowsFont)
{
    TestApplication app;
    ImportPatch patch("user32.dll", "SendIMEMessageExA", reinterpret_cast<void*>(recordRequest));
    ASSERT_NE(patch.original(), nullptr);
    RecordingWindow window;
    requests.clear();
    theImeGuard->placeCompositionWindow(&window, IntPoint(12, 34));
    EXPECT_EQ(theImeGuard->imeWindow, window.hwnd());
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].function, static_cast<UINT>(IME_SETCONVERSIONWINDOW));
    EXPECT_EQ(requests[0].wParam, static_cast<WPARAM>(MCW_WINDOW));
    EXPECT_EQ(requests[0].lParam1, (34 << 16) + 12);
    EXPECT_EQ(requests[1].function, static_cast<UINT>(IME_SETCONVERSIONFONTEX));
    // A window without a font of its own: the fixed system font.
    LOGFONTA fixed = {};
    GetObjectA(GetStockObject(SYSTEM_FIXED_FONT), sizeof fixed, &fixed);
    EXPECT_EQ(requests[1].faceName, fixed.lfFaceName);

    LOGFONTA own = {};
    own.lfHeight = -20;
    own.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpyA(own.lfFaceName, "Courier New");
    ASSERT_EQ(window.dc.selectFont(own), 1);
    requests.clear();
    theImeGuard->setCompositionFont(&window);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].faceName, "Courier New");
}

} // namespace
