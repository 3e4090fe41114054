// 用紙設定 driven by messages: the orientation and size buttons follow the sheet and set it, typed
// sizes are taken at once (bad ones are not), and OK takes the scale and the y direction while
// キャンセル leaves the drawing's sheet as it was.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

#include "document/PagePainter.h"
#include "document/PageTabBar.h"
#include "document/PaperSettingsDialog.h"
#include "resources/ids.h"
#include "tests/document/SheetTestDrawing.h"
#include "tests/support/IntegerFieldTexts.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

using namespace sheet_test;

namespace {

// What the dialog shows: the pressed orientation and sizes and the two size fields.
struct Shown {
    int portrait;
    int landscape;
    std::vector<int> sizes;
    std::string vertical;
    std::string horizontal;
};

Shown shownIn(HWND dialog)
{
    Shown s;
    s.portrait = IsDlgButtonChecked(dialog, IDC_PAPER_PORTRAIT) == BST_CHECKED;
    s.landscape = IsDlgButtonChecked(dialog, IDC_PAPER_LANDSCAPE) == BST_CHECKED;
    for (const PaperSettingsDialog::SheetSize& size : PaperSettingsDialog::kSizes)
        if (IsDlgButtonChecked(dialog, size.controlId) == BST_CHECKED)
            s.sizes.push_back(size.controlId);
    char text[64];
    GetDlgItemTextA(dialog, IDC_PAPER_VERTICAL, text, sizeof text);
    s.vertical = text;
    GetDlgItemTextA(dialog, IDC_PAPER_HORIZONTAL, text, sizeof text);
    s.horizontal = text;
    return s;
}

class CountingPagePainter : public PagePainter {
public:
    void setContext(DocumentContext*) override {}
    int ensureBitmap() override { return 1; }
    void refresh(DocumentContext*) override { ++refreshes; }
    int refreshes = 0;
};

class CountingPageBar : public PageTabBar {
public:
    void setContext(DocumentContext*) override {}
    int ensureBitmap() override { return 1; }
    [[nodiscard]] int selectPage(DocumentContext*, int) override { return 0; }
    void refresh(DocumentContext*) override { ++refreshes; }
    int refreshes = 0;
};

} // namespace

TEST(PaperSettingsDialog, TheButtonsFollowTheSheetAndSetIt)
{
    // One step: a button pressed (0 for none) or a size typed into a field, then what shows.
    struct Step {
        int button;
        int field;
        const char* typed;
        int portrait;
        std::vector<int> sizes;
        const char* vertical;
        const char* horizontal;
    };
    struct Case {
        const char* what;
        double vertical, horizontal;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"A3 standing", 420.0, 297.0,
         {{0, 0, nullptr, 1, {IDC_PAPER_A3}, "420", "297"},
          {IDC_PAPER_A4, 0, nullptr, 1, {IDC_PAPER_A4}, "297", "210"},
          {IDC_PAPER_LANDSCAPE, 0, nullptr, 0, {IDC_PAPER_A4}, "210", "297"},
          {IDC_PAPER_LANDSCAPE, 0, nullptr, 0, {IDC_PAPER_A4}, "210", "297"}}},
        {"a square sheet", 100.0, 100.0,
         {{0, 0, nullptr, 0, {}, "100", "100"}, {IDC_PAPER_PORTRAIT, 0, nullptr, 0, {}, "100", "100"}}},
        {"A6 is 104.5 wide", 210.0, 297.0,
         {{0, 0, nullptr, 0, {IDC_PAPER_A4}, "210", "297"},
          {IDC_PAPER_A6, 0, nullptr, 0, {IDC_PAPER_A6}, "104.5", "148"},
          {IDC_PAPER_PORTRAIT, 0, nullptr, 1, {IDC_PAPER_A6}, "148", "104.5"},
          {IDC_PAPER_B0, 0, nullptr, 1, {IDC_PAPER_B0}, "1456", "1030"}}},
        {"typed sizes", 210.0, 297.0,
         {{0, IDC_PAPER_VERTICAL, "0", 0, {IDC_PAPER_A4}, "0", "297"},
          {0, IDC_PAPER_VERTICAL, "-5", 0, {IDC_PAPER_A4}, "-5", "297"},
          {0, IDC_PAPER_VERTICAL, "abc", 0, {IDC_PAPER_A4}, "abc", "297"},
          {0, IDC_PAPER_VERTICAL, "257", 0, {}, "257", "297"},
          {0, IDC_PAPER_HORIZONTAL, "364", 0, {IDC_PAPER_B4}, "257", "364"},
          {0, IDC_PAPER_VERTICAL, "500", 1, {}, "500", "364"},
          // More integer digits than the drawing file writes: every later save would fail.
          {0, IDC_PAPER_HORIZONTAL, "1e300", 1, {}, "500", "1e300"}}},
    };
    TestApplication app;
    CountingPagePainter painter;
    CountingPageBar bar;
    ScopedOverride<PagePainter*> painterOverride(thePagePainter, &painter);
    ScopedOverride<PageTabBar*> barOverride(thePageTabBar, &bar);
    for (const Case& c : cases) {
        SheetDrawing sheet;
        ASSERT_EQ(sheet.paper->setSize(c.vertical, c.horizontal), 1);
        std::vector<Shown> shown;
        const INT_PTR result = driveModalDialog([&] { return sheet.paper->runDialog(); }, [&](HWND dialog) {
            for (const Step& step : c.steps) {
                if (step.button)
                    click(dialog, step.button);
                if (step.field)
                    SetDlgItemTextA(dialog, step.field, step.typed);
                shown.push_back(shownIn(dialog));
            }
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        EXPECT_EQ(result, IDCANCEL) << c.what;
        ASSERT_EQ(shown.size(), c.steps.size()) << c.what;
        for (size_t i = 0; i < shown.size(); ++i) {
            const Step& step = c.steps[i];
            EXPECT_EQ(shown[i].portrait, step.portrait) << c.what << ", step " << i;
            EXPECT_EQ(shown[i].landscape, !step.portrait) << c.what << ", step " << i;
            EXPECT_EQ(shown[i].sizes, step.sizes) << c.what << ", step " << i;
            EXPECT_EQ(shown[i].vertical, step.vertical) << c.what << ", step " << i;
            EXPECT_EQ(shown[i].horizontal, step.horizontal) << c.what << ", step " << i;
        }
        // キャンセル: the drawing's sheet is as it was and the grid is not asked.
        EXPECT_EQ(sheet.paper->verticalMm, c.vertical) << c.what;
        EXPECT_EQ(sheet.paper->horizontalMm, c.horizontal) << c.what;
        EXPECT_EQ(sheet.grid->originUpdates, 0) << c.what;
    }
    // The page painter and the page bar are refreshed after every run.
    const int runs = static_cast<int>(sizeof cases / sizeof cases[0]);
    EXPECT_EQ(painter.refreshes, runs);
    EXPECT_EQ(bar.refreshes, runs);
}

TEST(PaperSettingsDialog, OkTakesScaleAndDirectionAndAChangedScaleAsksTheGrid)
{
    struct Case {
        const char* numerator;
        const char* denominator;
        int directionItem; // 1 上がプラス, 2 下がプラス
        int sizeButton;    // 0 for none
        int expectNumerator, expectDenominator, expectDirection;
        double expectVertical, expectHorizontal;
        int unitChoices;
    };
    const Case cases[] = {
        {"1", "100", 1, 0, 1, 100, 1, 210.0, 297.0, 1},
        {"1", "1", 2, IDC_PAPER_A3, 1, 1, 2, 297.0, 420.0, 0},
        {"", "2", 1, 0, 1, 2, 1, 210.0, 297.0, 1},
    };
    TestApplication app;
    for (const Case& c : cases) {
        SheetDrawing sheet;
        const INT_PTR result = driveModalDialog([&] { return sheet.paper->runDialogAndRefresh(); }, [&](HWND dialog) {
            EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_PAPER_Y_DIRECTION, CB_GETCURSEL, 0, 0), 1)
                << "the item of the sheet's direction";
            if (c.sizeButton)
                click(dialog, c.sizeButton);
            SetDlgItemTextA(dialog, IDC_PAPER_NUMERATOR, c.numerator);
            SetDlgItemTextA(dialog, IDC_PAPER_DENOMINATOR, c.denominator);
            SendDlgItemMessageA(dialog, IDC_PAPER_Y_DIRECTION, CB_SETCURSEL, c.directionItem - 1, 0);
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        EXPECT_EQ(result, IDOK) << c.numerator << "/" << c.denominator;
        const SheetSettings& p = *sheet.paper;
        EXPECT_EQ(p.scaleNumerator(), c.expectNumerator) << c.numerator;
        EXPECT_EQ(p.scaleDenominator(), c.expectDenominator) << c.denominator;
        EXPECT_EQ(p.yDirection(), c.expectDirection);
        EXPECT_EQ(p.verticalMm, c.expectVertical);
        EXPECT_EQ(p.horizontalMm, c.expectHorizontal);
        EXPECT_EQ(sheet.grid->unitChoices, c.unitChoices) << c.numerator << "/" << c.denominator;
        EXPECT_EQ(sheet.grid->originUpdates, 1);
        // The views follow the new sheet: zoom, caption, scroll bars, rulers, redraw.
        EXPECT_EQ(sheet.view->zoomResets, 1);
        EXPECT_EQ(sheet.rulers->paints, 1);
        EXPECT_EQ(sheet.view->captions, 1);
        EXPECT_EQ(sheet.scroller->recomputes, 3);
        EXPECT_EQ(sheet.updater->refreshes, 1);
        EXPECT_EQ(sheet.updater->flushes, 1);
    }
}

// Each scale term takes only a text that is wholly one number of 1 to 2147483647, exactly that
// number, and an emptied term is 1. Any other text, pasted past the digits-only keyboard, is named
// with the range (both terms by the label "スケール"): OK leaves the dialog on that field and the
// drawing keeps its scale of 3 / 4.
TEST(PaperSettingsDialog, AScaleTermTakesOnlyAWholeNumberInItsRange)
{
    using namespace integer_field_test;
    const int fields[] = {IDC_PAPER_NUMERATOR, IDC_PAPER_DENOMINATOR};
    const std::string named = namedWith("スケール", 1, PaperSettingsDialog::kMaxScaleTerm);
    TestApplication app;
    MessageBoxScript boxes;
    for (int field : fields) {
        for (const TypedText& t : textsFor(1, PaperSettingsDialog::kMaxScaleTerm)) {
            SCOPED_TRACE((field == IDC_PAPER_NUMERATOR ? "numerator \"" : "denominator \"") + t.text + '"');
            SheetDrawing sheet;
            sheet.paper->setScaleNumerator(3);
            sheet.paper->setScaleDenominator(4);
            int focused = 0;
            const INT_PTR result = driveModalDialog([&] { return sheet.paper->runDialogAndRefresh(); }, [&](HWND w) {
                SetDlgItemTextA(w, field, t.text.c_str());
                click(w, IDOK);
                focused = GetDlgCtrlID(GetFocus());
                PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            });
            const int term = t.outcome == Outcome::Taken ? static_cast<int>(t.number)
                             : t.outcome == Outcome::Empty ? 1
                             : field == IDC_PAPER_NUMERATOR ? 3
                                                            : 4;
            EXPECT_EQ(result, t.outcome == Outcome::Named ? IDCANCEL : IDOK);
            EXPECT_EQ(sheet.paper->scaleNumerator(), field == IDC_PAPER_NUMERATOR ? term : 3);
            EXPECT_EQ(sheet.paper->scaleDenominator(), field == IDC_PAPER_DENOMINATOR ? term : 4);
            EXPECT_EQ(boxes.texts(), t.outcome == Outcome::Named ? named : "");
            if (t.outcome == Outcome::Named) {
                EXPECT_EQ(focused, field);
            }
            boxes.clear();
        }
    }
}
