// RGB and CMYK colour values, tints, and the colour chooser's record and result handling.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/ColorDialog.h"
#include "platform/RgbColor.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

namespace {

void expectInks(const RgbColor& c, int cyan, int magenta, int yellow, int black)
{
    EXPECT_EQ(c.inks[0], cyan);
    EXPECT_EQ(c.inks[1], magenta);
    EXPECT_EQ(c.inks[2], yellow);
    EXPECT_EQ(c.inks[3], black);
}

void expectRgb(const RgbColor& c, int r, int g, int b)
{
    EXPECT_EQ(c.getRed(), r);
    EXPECT_EQ(c.getGreen(), g);
    EXPECT_EQ(c.getBlue(), b);
}

TEST(RgbColor, InksFromRgbInByteAndPercentModels)
{
    RgbColor c;
    c.model = 2;
    c.setRgbAndInks(255, 0, 0);
    expectInks(c, 0, 255, 255, 0);
    c.setRgbAndInks(255, 255, 255);
    expectInks(c, 0, 0, 0, 0);
    c.setRgbAndInks(0, 0, 0);
    expectInks(c, 0, 0, 0, 255);

    // Black is the bitwise AND of C, M and Y, not their minimum: (255-10, 255-20, 255-30) =
    // (245, 235, 225) gives K = 0xF5 & 0xEB & 0xE1 = 0xE1, and 0xF5 & ~0xE1 = 0x14.
    c.setRgbAndInks(10, 20, 30);
    expectInks(c, 0x14, 0x0A, 0x00, 0xE1);

    c.model = 3;
    c.setRgbAndInks(128, 128, 128);
    expectInks(c, 0, 0, 0, 49);

    // Model 1 leaves the inks alone.
    c.model = 1;
    c.setRgbAndInks(0, 0, 255);
    expectInks(c, 0, 0, 0, 49);
    expectRgb(c, 0, 0, 255);
}

TEST(RgbColor, ModelZeroFollowsTheApplicationSetting)
{
    TestApplication app;
    RgbColor c;
    EXPECT_EQ(c.colorModel(), 1);
    app->colorModel = 1;
    EXPECT_EQ(c.colorModel(), 2);
    c.setColorRef(RGB(255, 0, 0));
    expectInks(c, 0, 255, 255, 0);
    app->colorModel = 2;
    EXPECT_EQ(c.colorModel(), 3);
    app->colorModel = 7;
    EXPECT_EQ(c.colorModel(), 0);
    c.model = 3;
    EXPECT_EQ(c.colorModel(), 3);
}

TEST(RgbColor, RgbFromInks)
{
    RgbColor c;
    c.setInkValues(0, 0, 0, 100);
    expectRgb(c, 0, 0, 0);
    // K 50 % scales to 127.
    c.setInkValues(100, 0, 0, 50);
    expectRgb(c, 0, 128, 128);
    int inks[4] = {0, 100, 100, 0};
    c.setInks(inks);
    expectRgb(c, 255, 0, 0);
    int back[4];
    c.getInks(back);
    EXPECT_EQ(back[1], 100);
}

TEST(RgbColor, ChannelsAreMaskedToBytes)
{
    RgbColor c;
    c.setRgb(-1, -1, -1);
    EXPECT_EQ(c.colorRef, RGB(255, 255, 255));
    EXPECT_TRUE(c.isWhite());
    c.setRgb(256 + 7, 512, 3);
    expectRgb(c, 7, 0, 3);
    EXPECT_EQ(c.colorRef >> 24, 0u);
}

TEST(RgbColor, TintTowardWhite)
{
    RgbColor c;
    c.tintTowardWhite(50);
    expectRgb(c, 128, 128, 128);
    c.setRed();
    c.tintTowardWhite(50);
    expectRgb(c, 255, 128, 128);
    c.setBlue();
    c.tintTowardWhite(0);
    EXPECT_TRUE(c.isWhite());
    c.setBlue();
    c.tintTowardWhite(100);
    expectRgb(c, 0, 0, 255);
    // The inks are not touched.
    c.model = 2;
    c.setRgbAndInks(0, 0, 0);
    c.tintTowardWhite(50);
    expectInks(c, 0, 0, 0, 255);
}

TEST(RgbColor, ApplyTintKeepsThePercentOfTheStrength)
{
    RgbColor c;
    c.model = 1;
    c.setRgbAndInks(255, 0, 0);
    c.applyTint(100);
    expectRgb(c, 255, 0, 0);
    c.applyTint(-1);
    expectRgb(c, 255, 0, 0);
    c.applyTint(0);
    EXPECT_TRUE(c.isWhite());
    expectInks(c, 0, 0, 0, 0);

    // Models 1 and 2: RGB lightened, then the inks recomputed as percentages (also in model 2).
    c.model = 2;
    c.setRgbAndInks(0, 0, 0);
    c.applyTint(50);
    expectRgb(c, 128, 128, 128);
    expectInks(c, 0, 0, 0, 49);

    // Model 3 scales the inks and derives RGB from them.
    c.model = 3;
    c.setInkValues(0, 100, 100, 0);
    c.applyTint(50);
    expectInks(c, 0, 50, 50, 0);
    expectRgb(c, 255, 128, 128);

    RgbColor source;
    source.model = 1;
    source.setRgb(0, 0, 0);
    RgbColor tinted;
    tinted.model = 1;
    tinted.assignTinted(source, 0.5);
    expectRgb(tinted, 128, 128, 128);
    EXPECT_EQ(tinted.model, 1);
}

TEST(RgbColor, AssignKeepsTheModelCopyAllDoesNot)
{
    RgbColor a, b;
    a.model = 3;
    a.setInkValues(10, 20, 30, 40);
    b.model = 1;
    b.assign(a);
    EXPECT_EQ(b.model, 1);
    EXPECT_EQ(b.colorRef, a.colorRef);
    expectInks(b, 10, 20, 30, 40);
    b.copyAll(a);
    EXPECT_EQ(b.model, 3);
    RgbColor c;
    a.copyTo(c);
    EXPECT_EQ(c.model, 0);
    EXPECT_EQ(c.colorRef, a.colorRef);
}

// The chooser stand-in: checks what it is given and answers with a scripted result.
struct ChooserScript {
    static BOOL answer;
    static COLORREF result;
    static CHOOSECOLORA seen;
    static BOOL choose(CHOOSECOLORA* record)
    {
        seen = *record;
        if (answer)
            record->rgbResult = result;
        return answer;
    }
};
BOOL ChooserScript::answer = TRUE;
COLORREF ChooserScript::result = 0;
CHOOSECOLORA ChooserScript::seen = {};

TEST(ColorDialog, RecordAndResult)
{
    TestApplication app;
    RecordingFrame frame;
    ScopedOverride appFrame(app->frame, &frame);
    ASSERT_TRUE(frame.create());
    ScopedHook chooser(setChooseColorFunction, ChooserScript::choose);

    ColorDialog dialog;
    EXPECT_EQ(dialog.record.lStructSize, sizeof(CHOOSECOLORA));
    EXPECT_EQ(dialog.record.Flags, static_cast<DWORD>(CC_RGBINIT | CC_FULLOPEN | CC_ENABLEHOOK));
    EXPECT_EQ(dialog.record.hwndOwner, frame.hwnd());
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(dialog.getCustomColor(i), RGB(255, 255, 255));

    dialog.model = 2;
    dialog.setRed();
    ChooserScript::answer = TRUE;
    ChooserScript::result = RGB(0, 0, 0);
    EXPECT_EQ(dialog.choose(nullptr), 1);
    EXPECT_EQ(ChooserScript::seen.rgbResult, RGB(255, 0, 0));
    EXPECT_EQ(ChooserScript::seen.lpCustColors, dialog.customColors);
    EXPECT_EQ(dialog.colorRef, RGB(0, 0, 0));
    expectInks(dialog, 0, 0, 0, 255);

    // Cancel leaves the colour as it was.
    ChooserScript::answer = FALSE;
    ChooserScript::result = RGB(1, 2, 3);
    EXPECT_EQ(dialog.choose(reinterpret_cast<HWND>(0x1234)), 0);
    EXPECT_EQ(dialog.colorRef, RGB(0, 0, 0));
    EXPECT_EQ(ChooserScript::seen.hwndOwner, reinterpret_cast<HWND>(0x1234));

    ColorDialog other;
    other.setCustomColor(3, RGB(9, 8, 7));
    other.setCustomColor(16, RGB(1, 1, 1)); // outside: ignored
    dialog.copyCustomColors(other);
    EXPECT_EQ(dialog.getCustomColor(3), RGB(9, 8, 7));

    frame.destroy();
}

TEST(ColorDialog, HookCentresTheChooserAndLeavesTheMessageToIt)
{
    TestApplication app;
    HWND window = CreateWindowA("STATIC", "", WS_POPUP, 5, 7, 200, 100, nullptr, nullptr, GetModuleHandleA(nullptr),
                                nullptr);
    ASSERT_TRUE(window);
    EXPECT_EQ(centerColorDialogHook(window, WM_INITDIALOG, 0, 0), 0u);
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, GetSystemMetrics(SM_CXSCREEN) / 2 - 100);
    EXPECT_EQ(r.top, GetSystemMetrics(SM_CYSCREEN) / 2 - 50);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(centerColorDialogHook(window, WM_COMMAND, IDOK, 0), 0u);
    DestroyWindow(window);
}

} // namespace
