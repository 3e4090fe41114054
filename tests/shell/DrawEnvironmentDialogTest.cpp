// 作画環境 driven by posted messages: the resolution with its up-down range, the enclose mode and
// the pick colour reach the application only by OK; 初期値にする gives 72 dpi, WHOLE and cyan;
// the colour model chosen is kept for the next start; and the frame's command refreshes the
// drawing's view at the new resolution.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

#include <commctrl.h>

#include "geometry/PickSettings.h"
#include "platform/ColorDialog.h"
#include "resources/ids.h"
#include "shell/DrawEnvironmentDialog.h"
#include "shell/FrameCommands.h"
#include "shell/GlobalManagers.h"
#include "tests/shell/ShellFixture.h"
#include "tests/shell/settings/SettingsFixture.h"
#include "tests/support/IntegerFieldTexts.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScriptedMouse.h"
#include "views/ScreenResolution.h"

namespace {

// The chooser answers with this colour.
COLORREF chosen = RGB(1, 2, 3);
BOOL answerChooser(CHOOSECOLORA* record)
{
    record->rgbResult = chosen;
    return TRUE;
}

void command(HWND dialog, int id) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

// What the user does in one step.
enum Action { TypeDpi, ClearDpi, PickPart, ClickSwatch, Reset, PressOk };
struct Step {
    Action action;
    int dpi; // TypeDpi
};

// What the dialog shows.
struct Shown {
    int low, high;
    std::string dpi;
    int modeIndex;
    std::string firstMode;
};

Shown shownIn(HWND dialog)
{
    Shown s{};
    const LRESULT range = SendDlgItemMessageA(dialog, IDC_ENV_DPI_UPDOWN, UDM_GETRANGE, 0, 0);
    s.low = HIWORD(range);
    s.high = LOWORD(range);
    char text[64] = "";
    GetDlgItemTextA(dialog, IDC_ENV_DPI, text, sizeof text);
    s.dpi = text;
    s.modeIndex = static_cast<int>(SendDlgItemMessageA(dialog, IDC_ENV_ENCLOSE_MODE, CB_GETCURSEL, 0, 0));
    SendDlgItemMessageA(dialog, IDC_ENV_ENCLOSE_MODE, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    s.firstMode = text;
    return s;
}

struct Environment {
    int dpi;
    int mode;
    COLORREF colour;
    bool operator==(const Environment& o) const { return dpi == o.dpi && mode == o.mode && colour == o.colour; }
};

// The application's resolution, pick settings and colour chooser, for one test.
struct EnvironmentScope {
    ScreenResolution resolution;
    PickSettings pick;
    ColorDialog chooser;
    ScopedOverride<ScreenResolution*> resolutionInstalled{theScreenResolution, &resolution};
    ScopedOverride<PickSettings*> pickInstalled{thePickSettings, &pick};
    ScopedOverride<ColorDialog*> chooserInstalled{theColorChooser, &chooser};
};

Environment environmentNow()
{
    return {theScreenResolution->dpi(), thePickSettings->activeMode, thePickSettings->pickColour.colorRef};
}

// Runs the dialog with the steps, ends it with `button`, and says what it showed after the steps.
int runDialog(ScriptedMouse& mouse, const std::vector<Step>& steps, int button, Shown& shown)
{
    return static_cast<int>(driveModalDialog([] { return editDrawEnvironment(); }, [&](HWND dialog) {
        for (const Step& step : steps) {
            switch (step.action) {
            case TypeDpi:
                SetDlgItemInt(dialog, IDC_ENV_DPI, static_cast<UINT>(step.dpi), FALSE);
                break;
            case ClearDpi:
                SetDlgItemTextA(dialog, IDC_ENV_DPI, "");
                break;
            case PickPart:
                SendDlgItemMessageA(dialog, IDC_ENV_ENCLOSE_MODE, CB_SETCURSEL, 1, 0);
                break;
            case ClickSwatch: {
                POINT p = {4, 4};
                ClientToScreen(GetDlgItem(dialog, IDC_ENV_PICK_COLOUR), &p);
                mouse.rest(p.x, p.y);
                SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, 0);
                break;
            }
            case Reset:
                command(dialog, IDC_ENV_RESET);
                break;
            case PressOk:
                command(dialog, IDOK);
                break;
            }
        }
        shown = shownIn(dialog);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    }));
}

} // namespace

TEST(DrawEnvironmentDialog, OnlyOkTakesTheFieldsAndTheResetGivesTheDefaults)
{
    struct Case {
        const char* what;
        Environment before;
        std::vector<Step> steps;
        int button;
        std::string shownDpi;
        int shownMode;
        Environment after;
        const char* told;
    };
    const COLORREF cyan = RGB(0, 255, 255);
    const char* const range = "画面解像度には10から200までの数値を入力して下さい。";
    const Environment defaults{72, 1, cyan};
    const Environment custom{96, 2, RGB(9, 9, 9)};
    const Case cases[] = {
        {"OK takes resolution, mode and colour", defaults, {{TypeDpi, 96}, {PickPart, 0}, {ClickSwatch, 0}}, IDOK,
         "96", 1, {96, 2, RGB(1, 2, 3)}, ""},
        {"cancel after a new colour", defaults, {{ClickSwatch, 0}, {TypeDpi, 120}}, IDCANCEL, "120", 0, defaults, ""},
        {"reset, then cancel", custom, {{Reset, 0}}, IDCANCEL, "72", 0, custom, ""},
        {"reset, then OK", custom, {{Reset, 0}}, IDOK, "72", 0, defaults, ""},
        {"a new colour, then reset", custom, {{ClickSwatch, 0}, {Reset, 0}}, IDOK, "72", 0, defaults, ""},
        // A resolution beyond the range is named, never taken as the nearest: OK keeps the dialog.
        {"a typed resolution above the range", defaults, {{TypeDpi, 500}, {PickPart, 0}, {PressOk, 0}}, IDCANCEL,
         "500", 1, defaults, range},
        {"a typed resolution below the range, then mended", defaults, {{TypeDpi, 0}, {PressOk, 0}, {TypeDpi, 150}},
         IDOK, "150", 0, {150, 1, cyan}, range},
        {"an emptied resolution keeps the one before", custom, {{ClearDpi, 0}}, IDOK, "", 1, custom, ""},
    };
    TestApplication app;
    MessageBoxScript boxes;
    ScriptedMouse mouse;
    ScopedHook<ChooseColorFunction> hook(setChooseColorFunction, answerChooser);
    EnvironmentScope environment;
    ScreenResolution& resolution = environment.resolution;
    PickSettings& pick = environment.pick;
    for (const Case& c : cases) {
        resolution.setDpi(c.before.dpi);
        pick.encloseMode = pick.activeMode = c.before.mode;
        pick.pickColour.setRgbAndInks(GetRValue(c.before.colour), GetGValue(c.before.colour), GetBValue(c.before.colour));
        Shown shown{};
        EXPECT_EQ(runDialog(mouse, c.steps, c.button, shown), c.button) << c.what;
        EXPECT_EQ(shown.low, 10) << c.what;
        EXPECT_EQ(shown.high, 200) << c.what;
        EXPECT_EQ(shown.dpi, c.shownDpi) << c.what;
        EXPECT_EQ(shown.modeIndex, c.shownMode) << c.what;
        EXPECT_EQ(shown.firstMode, "全体を囲む") << c.what;
        EXPECT_TRUE(environmentNow() == c.after) << c.what << ": " << environmentNow().dpi << " dpi, mode "
                                                 << environmentNow().mode << ", colour " << std::hex
                                                 << environmentNow().colour;
        EXPECT_EQ(boxes.texts(), c.told) << c.what;
        boxes.clear();
    }
}

// The resolution takes only a text that is wholly one number of 10 to 200, exactly that number;
// an emptied field keeps the resolution. Any other text, pasted past the digits-only keyboard, is
// named with the range: OK leaves the dialog on the field and the resolution stays 96 dpi.
TEST(DrawEnvironmentDialog, TheResolutionTakesOnlyAWholeNumberInItsRange)
{
    using namespace integer_field_test;
    TestApplication app;
    MessageBoxScript boxes;
    EnvironmentScope environment;
    ScreenResolution& resolution = environment.resolution;
    for (const TypedText& t : textsFor(ScreenResolution::kMin, ScreenResolution::kMax)) {
        SCOPED_TRACE('"' + t.text + '"');
        resolution.setDpi(96);
        int focused = 0;
        const INT_PTR result = driveModalDialog([] { return editDrawEnvironment(); }, [&](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_ENV_DPI, t.text.c_str());
            command(dialog, IDOK);
            focused = GetDlgCtrlID(GetFocus());
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        EXPECT_EQ(result, t.outcome == Outcome::Named ? IDCANCEL : IDOK);
        EXPECT_EQ(resolution.dpi(), t.outcome == Outcome::Taken ? t.number : 96);
        EXPECT_EQ(boxes.texts(), t.outcome == Outcome::Named ? namedWith("画面解像度", 10, 200) : "");
        if (t.outcome == Outcome::Named) {
            EXPECT_EQ(focused, IDC_ENV_DPI);
        }
        boxes.clear();
    }
}

// The colour model is chosen among its three values as the user reads them. OK keeps the choice
// for the settings, which bring it into force at the next start: the colours of this run keep the
// model they were made in. キャンセル keeps what was kept; 初期値にする gives RGB.
TEST(DrawEnvironmentDialog, TheColourModelChosenComesIntoForceAtTheNextStart)
{
    TestApplication app;
    MessageBoxScript boxes;
    SettingsFileScope place;
    ApplicationManagers managers;
    const int kReset = -1;
    struct Case {
        const char* what;
        int before;
        int choice; // an item chosen, or kReset
        int button;
        int after;
    };
    const Case cases[] = {
        {"OK takes CMYK with spot inks", 0, 2, IDOK, 2},
        {"cancel keeps the model kept", 2, 1, IDCANCEL, 2},
        {"OK takes RGB with inks", 2, 1, IDOK, 1},
        {"reset gives RGB", 1, kReset, IDOK, 0},
    };
    for (const Case& c : cases) {
        app->chosenColorModel = c.before;
        std::vector<std::string> texts;
        LRESULT shown = -1;
        const INT_PTR result = driveModalDialog([] { return editDrawEnvironment(); }, [&](HWND dialog) {
            shown = SendDlgItemMessageA(dialog, IDC_ENV_COLOUR_MODEL, CB_GETCURSEL, 0, 0);
            const LRESULT count = SendDlgItemMessageA(dialog, IDC_ENV_COLOUR_MODEL, CB_GETCOUNT, 0, 0);
            for (LRESULT i = 0; i < count; ++i) {
                char text[64] = "";
                SendDlgItemMessageA(dialog, IDC_ENV_COLOUR_MODEL, CB_GETLBTEXT, static_cast<WPARAM>(i),
                                    reinterpret_cast<LPARAM>(text));
                texts.emplace_back(text);
            }
            if (c.choice == kReset)
                command(dialog, IDC_ENV_RESET);
            else
                SendDlgItemMessageA(dialog, IDC_ENV_COLOUR_MODEL, CB_SETCURSEL, static_cast<WPARAM>(c.choice), 0);
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED), 0);
        });
        EXPECT_EQ(result, c.button) << c.what;
        EXPECT_EQ(shown, c.before) << c.what;
        EXPECT_EQ(texts, std::vector<std::string>({"RGB", "RGB（CMYKに換算）", "CMYK＋特色"})) << c.what;
        EXPECT_EQ(app->chosenColorModel, c.after) << c.what;
        EXPECT_EQ(app->colorModel, 0) << c.what;
    }

    // The settings keep the choice, and reading them at the next start brings it into force.
    app->chosenColorModel = 2;
    ASSERT_EQ(saveAppSettings(), 1);
    EXPECT_NE(settingsBytes().find("\r\nCOLORMODEL=2\r\n"), std::string::npos);
    EXPECT_EQ(app->colorModel, 0);
    app->chosenColorModel = 0;
    ASSERT_EQ(loadAppSettings(), 1);
    EXPECT_EQ(app->colorModel, 2);
    EXPECT_EQ(app->chosenColorModel, 2);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(FrameTest, TheEnvironmentCommandShowsTheNewResolutionInEveryDrawing)
{
    createGlobals();
    // The drawing behind the active one maps the mouse at the new resolution too: it is shown
    // at it.
    const std::vector<ScriptedWindow*> windows = {addWindow(), addWindow()};
    const auto caption = [](ScriptedWindow* window) {
        char text[256] = "";
        GetWindowTextA(window->hwnd(), text, sizeof text);
        return std::string(text);
    };
    for (ScriptedWindow* window : windows) {
        ASSERT_TRUE(window);
        ASSERT_NE(caption(window).find("72 dpi"), std::string::npos) << caption(window);
    }
    const auto pressOk = [&](HWND dialog) {
        SetDlgItemInt(dialog, IDC_ENV_DPI, 96, FALSE);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
    (void)driveModalDialog(
        [&] {
            SendMessageA(frame.hwnd(), WM_COMMAND, CMD_ENVIRONMENT, 0);
            return INT_PTR(1);
        },
        pressOk);
    for (ScriptedWindow* window : windows)
        EXPECT_NE(caption(window).find("96 dpi"), std::string::npos) << caption(window);
    EXPECT_EQ(theScreenResolution->dpi(), 96);
    destroyGlobals();
}
