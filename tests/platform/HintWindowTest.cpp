// The hint window on the program clock, and the debug window's lines and columns.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

#include "platform/CurrentEvent.h"
#include "platform/DebugWindow.h"
#include "platform/HintWindow.h"
#include "tests/support/DibSurface.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

namespace {

const COLORREF kHintColour = RGB(255, 255, 190);

IntRect rect(int left, int top, int right, int bottom) { return IntRect::fromEdges(left, top, right, bottom); }

IntRect windowRect(HWND window)
{
    IntRect r;
    GetWindowRect(window, r.asRect());
    return r;
}

// The size of the text in the hint's font.
SIZE textSize(const char* text)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {};
    GetTextExtentPointA(dc, text, static_cast<int>(std::string(text).size()), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return size;
}

class HintWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(hint.createWindow());
        // What show draws goes to the surface; the window itself is moved and shown.
        hint.dc.attachHdc(surface.hdc);
    }

    // The layout's calls on a mouse move and on the idle event that follows, at time t.
    void restAt(DWORD t, const IntRect& button, const IntPoint& cursor, const char* text)
    {
        clock.set(t);
        hint.onMouseMove(cursor, button, text);
    }
    bool shown() const { return hint.visible && IsWindowVisible(hint.hwnd()); }

    TestApplication app;
    FakeClock clock{10000};
    HintWindow hint;
    DibSurface surface{600, 40, RGB(255, 0, 255)};
};

TEST_F(HintWindowTest, ShowsAfterResting500MsAndHidesAfter3000OncePerRectangle)
{
    char name[64] = {};
    GetClassNameA(hint.hwnd(), name, sizeof name);
    EXPECT_STREQ(name, "korvaneHint");

    const IntRect button = rect(100, 50, 124, 74);
    const IntRect other = rect(124, 50, 148, 74);
    const IntPoint cursor(110, 60);
    hint.setToolRect(button); // at 10000
    theCurrentEvent->mayBlock = 1;
    restAt(10499, button, cursor, "線を引く");
    EXPECT_FALSE(shown());
    // While the hint waits, the pump keeps delivering idle events.
    EXPECT_EQ(theCurrentEvent->mayBlock, 0);
    restAt(10500, button, cursor, "線を引く");
    ASSERT_TRUE(shown());

    // Below the cursor (and the button), as large as the text and its margins.
    SIZE text = textSize("線を引く");
    IntRect placed = windowRect(hint.hwnd());
    EXPECT_EQ(placed.left, 110);
    EXPECT_EQ(placed.top, std::max(74 + 2, 60 + GetSystemMetrics(SM_CYCURSOR)));
    EXPECT_EQ(placed.width(), text.cx + 5);
    EXPECT_EQ(placed.height(), text.cy + 2);
    // The text at (1, 0) on the hint colour.
    IntRect client = hint.clientRect();
    EXPECT_EQ(surface.pixel(0, 0), kHintColour);
    EXPECT_EQ(surface.pixel(client.right - 1, client.bottom - 1), kHintColour);
    EXPECT_EQ(surface.pixel(client.right, 0), RGB(255, 0, 255));
    int firstInk = client.right;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            if (surface.pixel(x, y) != kHintColour)
                firstInk = std::min(firstInk, x);
    EXPECT_GE(firstInk, 1);
    EXPECT_LT(firstInk, 4);

    // 3000 ms after it was shown it goes, and resting on the button again shows nothing.
    restAt(13499, button, cursor, "線を引く");
    EXPECT_TRUE(shown());
    EXPECT_EQ(hint.shownOnce, 1);
    restAt(13500, button, cursor, "線を引く");
    EXPECT_FALSE(shown());
    hint.setToolRect(button);
    restAt(20000, button, cursor, "線を引く");
    EXPECT_FALSE(shown());

    // Another button lets it come again; leaving the rectangle hides it at once.
    clock.set(21000);
    hint.setToolRect(other);
    hint.setToolRect(button);
    restAt(21500, button, cursor, "線を引く");
    EXPECT_TRUE(shown());
    restAt(21600, other, cursor, "円を描く");
    EXPECT_FALSE(shown());

    // Near the bottom of the screen it is still placed below the cursor.
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const IntRect low = rect(500, screenHeight - 28, 524, screenHeight - 4);
    clock.set(30000);
    hint.setToolRect(low);
    restAt(30500, low, IntPoint(510, screenHeight - 18), "下");
    EXPECT_TRUE(shown());
    EXPECT_EQ(windowRect(hint.hwnd()).top, screenHeight - 18 + GetSystemMetrics(SM_CYCURSOR));
}

TEST_F(HintWindowTest, SwitchedOffOrWithoutTextItShowsNothing)
{
    const IntRect button = rect(10, 10, 34, 34);
    hint.setToolRect(button);
    restAt(10600, button, IntPoint(20, 20), nullptr);
    EXPECT_FALSE(shown());

    ASSERT_EQ(hint.parseEnabled("OFF"), 1);
    restAt(10700, button, IntPoint(20, 20), "選択");
    EXPECT_FALSE(shown());
    EXPECT_EQ(surface.pixel(0, 0), RGB(255, 0, 255));

    // A text of 2,000 bytes makes a long hint, nothing worse.
    ASSERT_EQ(hint.parseEnabled("ON"), 1);
    std::string longText(2000, 'W');
    restAt(10800, button, IntPoint(20, 20), longText.c_str());
    EXPECT_TRUE(shown());
    EXPECT_EQ(windowRect(hint.hwnd()).width(), textSize(longText.c_str()).cx + 5);
}

TEST_F(HintWindowTest, OnlyOnAndOffSwitchIt)
{
    const std::string garbage(2000, '\x83');
    struct Case {
        const char* text;
        int result;
        int enabled;
    };
    const Case cases[] = {{"OFF", 1, 0}, {"on", 0, 0},  {"ON", 1, 1},   {"OFF ", 0, 1}, {"", 0, 1},
                          {"ONN", 0, 1}, {nullptr, 0, 1}, {garbage.c_str(), 0, 1}, {"OFF", 1, 0}, {"\x83", 0, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(hint.parseEnabled(c.text), c.result) << (c.text ? c.text : "(null)");
        EXPECT_EQ(hint.enabled, c.enabled) << (c.text ? c.text : "(null)");
        char text[8] = "x";
        hint.enabledText(text, sizeof text);
        EXPECT_STREQ(text, c.enabled ? "ON" : "OFF");
    }
}

TEST(DebugWindow, PrintsSevenLinesPerColumnAndWrapsAtTheRightEdge)
{
    TestApplication app;
    // The application's debug window is there and shows nothing.
    ASSERT_NE(theDebugWindow, nullptr);
    EXPECT_EQ(theDebugWindow->created, 0);
    EXPECT_EQ(FindWindowA("yPDebugWin", nullptr), nullptr);

    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    DebugWindow debug;
    debug.printInt("幅 ", 1024, " px");
    ASSERT_EQ(debug.created, 1);
    EXPECT_EQ(debug.y, 25);
    IntRect placed = windowRect(debug.hwnd());
    EXPECT_EQ(placed.left, 3);
    EXPECT_EQ(placed.right, screenWidth - 3);
    EXPECT_EQ(placed.bottom, screenHeight - 23);
    EXPECT_EQ(placed.height(), 150);

    DibSurface surface(screenWidth, 150);
    debug.dc.attachHdc(surface.hdc);
    debug.print("高さ ", "768", "");
    EXPECT_GT(surface.inkCount(5, 25, 145, 45), 0);
    EXPECT_GT(surface.inkCount(5, 45, 145, 65), 0); // the marker of the next line

    // Lines at 5, 25, ..., 125; the eighth starts the next column; past the right edge less 40
    // pixels the columns start again at the left margin.
    int x = 5, y = 45;
    bool wrapped = false;
    for (int line = 3; line <= 60; ++line) {
        debug.printInt("", line, "");
        y += 20;
        if (y > 130) {
            y = 5;
            x += 140;
            if (x > screenWidth - 40) {
                x = 5;
                wrapped = true;
            }
        }
        ASSERT_EQ(debug.x, x) << line;
        ASSERT_EQ(debug.y, y) << line;
        ASSERT_GE(debug.y, 5);
        ASSERT_LE(debug.y, 125);
    }
    EXPECT_TRUE(wrapped);
}

} // namespace
