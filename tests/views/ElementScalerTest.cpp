// The scale tool: which factors scale, the flags the elements get, the middle of the selection,
// the one undo record 要素ズーム and what it restores when an element could not be taken, and
// the dialog 要素の拡大、縮小.
#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "resources/ids.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"
#include "tests/views/ToolTestDrawing.h"
#include "views/ViewMembers.h"
#include "views/tools/ElementScaler.h"

using namespace tool_test;

namespace {

// A rectangle that scales its corners about the centre and notes the flags; the record of an id
// in unreadable() cannot be read back, so that the element cannot be taken.
class ScalableRectangle : public Rectangle {
public:
    void scale(double factor, const Point& centre, int flags) override
    {
        for (Point* p : {static_cast<Point*>(firstPoint()), static_cast<Point*>(secondPoint())}) {
            p->x = centre.x + (p->x - centre.x) * factor;
            p->y = centre.y + (p->y - centre.y) * factor;
        }
        flagsSeen().push_back(flags);
    }
    [[nodiscard]] int exchangeRecord(int mode) override
    {
        if (mode != 1 && unreadable().count(id))
            return 0;
        return Rectangle::exchangeRecord(mode);
    }
    static std::vector<int>& flagsSeen()
    {
        static std::vector<int> seen;
        return seen;
    }
    static std::set<int>& unreadable()
    {
        static std::set<int> ids;
        return ids;
    }
    static Element* make() { return new ScalableRectangle; }
};

struct ScaleDrawing {
    ScaleDrawing()
    {
        ScalableRectangle::flagsSeen().clear();
        ScalableRectangle::unreadable().clear();
        d.context.scaler = makeElementScaler(d.context);
        scaler = ElementScaler::of(&d.context);
        scaler->setOwner(&d.context);
        // Five squares of 10 pixels in a row from x = 100 to x = 190: the middle is (145, 105).
        for (int i = 0; i < 5; ++i) {
            ids.push_back(d.add(100 + 20 * i, 100, 110 + 20 * i, 110));
            d.select->addToSelection(ids.back());
        }
    }
    int records() { return d.context.undoManager->recordCount(); }
    // Runs the apply step as OK would.
    int apply(double factor, int lineWidths = 1, int textSizes = 1)
    {
        scaler->factor = factor;
        scaler->scaleLineWidths = lineWidths;
        scaler->scaleTextSizes = textSizes;
        scaler->lastResult = 1;
        return scaler->applyScale();
    }

    ToolDrawing d;
    ScopedOverride<ElementKindRegistry::Factory> box{ElementKindRegistry::factories[kindCode(ElementKind::Box) - 1],
                                                     &ScalableRectangle::make};
    ElementScaler* scaler = nullptr;
    std::vector<int> ids;
};

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInfinity = std::numeric_limits<double>::infinity();

} // namespace

TEST(ElementScaler, OnlyAFiniteFactorWithinTheLimitsOtherThanOneScales)
{
    struct Case {
        double factor;
        int scaled;
    };
    const Case cases[] = {{1.0, 0},      {1.0 + 1e-7, 0}, {0.0005, 0}, {1500.0, 0}, {kNaN, 0},  {kInfinity, 0},
                          {-kInfinity, 0}, {-2.0, 0},     {0.001, 5},  {1000.0, 5}, {2.0, 5},    {0.5, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.factor);
        ScaleDrawing s;
        const int records = s.records();
        EXPECT_EQ(s.apply(c.factor), c.scaled);
        EXPECT_EQ(s.records() - records, c.scaled ? 1 : 0);
        EXPECT_NEAR(s.d.corner(s.ids[0]).first, c.scaled ? 145 + (100 - 145) * c.factor : 100, 1e-6);
    }
    // Without OK nothing is applied, whatever the factor.
    ScaleDrawing s;
    s.scaler->factor = 2.0;
    s.scaler->lastResult = 2;
    EXPECT_EQ(s.scaler->applyScale(), 0);
}

TEST(ElementScaler, TheSelectionScalesAboutItsMiddleUnderOneRecordThatUndoReverts)
{
    struct Case {
        int lineWidths, textSizes, flags;
    };
    for (const Case& c : {Case{1, 1, 3}, Case{0, 1, 2}, Case{1, 0, 1}, Case{0, 0, 0}}) {
        SCOPED_TRACE(c.flags);
        ScaleDrawing s;
        const int records = s.records();
        ASSERT_EQ(s.apply(2.0, c.lineWidths, c.textSizes), 5);
        EXPECT_NEAR(s.scaler->centreX, ToolDrawing::mm(145), 1e-9);
        EXPECT_NEAR(s.scaler->centreY, ToolDrawing::mm(105), 1e-9);
        // Each element is scaled twice: once to see that the store takes it, once to be stored.
        EXPECT_EQ(ScalableRectangle::flagsSeen(), std::vector<int>(10, c.flags));
        for (int i = 0; i < 5; ++i)
            EXPECT_NEAR(s.d.corner(s.ids[i]).first, 145 + (100 + 20 * i - 145) * 2.0, 1e-6) << i;
        ASSERT_EQ(s.records(), records + 1);
        char text[256] = {};
        (void)s.d.context.undoText(text);
        EXPECT_NE(std::string(text).find("要素ズーム"), std::string::npos) << text;
        ASSERT_EQ(s.d.context.undo(), 1);
        for (int i = 0; i < 5; ++i)
            EXPECT_NEAR(s.d.corner(s.ids[i]).first, 100 + 20 * i, 1e-6) << i;
    }

    // The third element cannot be taken: the first two are scaled, the record holds their two
    // pairs, and undo puts exactly those back.
    ScaleDrawing s;
    ScalableRectangle::unreadable().insert(s.ids[2]);
    const int records = s.records();
    EXPECT_EQ(s.apply(3.0), 2);
    ASSERT_EQ(s.records(), records + 1);
    ScalableRectangle::unreadable().clear();
    const double centre = s.scaler->centreX / ToolDrawing::mm(1.0);
    EXPECT_NEAR(s.d.corner(s.ids[1]).first, centre + (120 - centre) * 3.0, 1e-6);
    for (int i : {2, 3, 4})
        EXPECT_NEAR(s.d.corner(s.ids[i]).first, 100 + 20 * i, 1e-6) << "not scaled: " << i;
    ASSERT_EQ(s.d.context.undo(), 1);
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(s.d.corner(s.ids[i]).first, 100 + 20 * i, 1e-6) << i;
    EXPECT_EQ(s.d.context.canUndo(), 0) << "one record, undone";

    // Nothing selected: nothing scaled, nothing written.
    ScaleDrawing empty;
    empty.d.select->resetState();
    const int before = empty.records();
    EXPECT_EQ(empty.apply(2.0), 0);
    EXPECT_EQ(empty.records(), before);
}

TEST(ElementScaler, TheDialogTakesFactorAndSwitchesOnlyOnOk)
{
    struct Case {
        const char* what;
        const char* typed;
        int lineWidths, textSizes; // the boxes as the user leaves them
        int button;
        int result;                // lastResult
        double factorAfter;
        int flagsAfter, scaled, messages;
    };
    const Case cases[] = {
        {"OK takes the factor and the switches", "2", 0, 1, IDOK, 1, 2.0, 2, 5, 0},
        {"ｷｬﾝｾﾙ keeps the previous factor and switches", "3", 0, 0, IDCANCEL, 2, 0.5, 3, 0, 0},
        {"a factor out of range is taken and then refused silently", "1500", 1, 1, IDOK, 1, 1500.0, 3, 0, 0},
        {"text is no number: the field is named, then cancelled", "abc", 1, 1, IDOK, 2, 0.5, 3, 0, 1},
        {"NaN is no number", "nan", 1, 1, IDOK, 2, 0.5, 3, 0, 1},
        {"nor is an overflowing value", "1e999", 1, 1, IDOK, 2, 0.5, 3, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScaleDrawing s;
        MessageBoxScript boxes;
        s.scaler->factor = 0.5;
        const int records = s.records();
        double shownFactor = 0.0;
        UINT shownLines = 0, shownTexts = 0;
        (void)driveModalDialog(
            [&] {
                s.scaler->runCommand();
                return static_cast<INT_PTR>(s.scaler->lastResult);
            },
            [&](HWND w) {
                char text[64] = {};
                GetDlgItemTextA(w, IDC_SCALE_FACTOR, text, sizeof text);
                shownFactor = std::atof(text);
                shownLines = IsDlgButtonChecked(w, IDC_SCALE_LINE_WIDTHS);
                shownTexts = IsDlgButtonChecked(w, IDC_SCALE_TEXT_SIZES);
                SetDlgItemTextA(w, IDC_SCALE_FACTOR, c.typed);
                CheckDlgButton(w, IDC_SCALE_LINE_WIDTHS, c.lineWidths ? BST_CHECKED : BST_UNCHECKED);
                CheckDlgButton(w, IDC_SCALE_TEXT_SIZES, c.textSizes ? BST_CHECKED : BST_UNCHECKED);
                click(w, c.button);
                if (!boxes.shown().empty())
                    PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            });
        EXPECT_DOUBLE_EQ(shownFactor, 0.5);
        EXPECT_EQ(shownLines, static_cast<UINT>(BST_CHECKED));
        EXPECT_EQ(shownTexts, static_cast<UINT>(BST_CHECKED));
        EXPECT_EQ(s.scaler->lastResult, c.result);
        EXPECT_DOUBLE_EQ(s.scaler->factor, c.factorAfter);
        EXPECT_EQ(s.scaler->flags(), c.flagsAfter);
        EXPECT_EQ(static_cast<int>(ScalableRectangle::flagsSeen().size()), 2 * c.scaled) << "checked, then stored";
        EXPECT_EQ(s.records() - records, c.scaled ? 1 : 0);
        EXPECT_EQ(static_cast<int>(boxes.shown().size()), c.messages);
    }
}

// A scale that would take an element where the drawing file cannot write it (beyond its 40
// integer digits) scales none of the selection: the user is told and no record is written.
TEST(ElementScaler, AScaleBeyondWhatTheFileWritesScalesNothing)
{
    ScaleDrawing s;
    MessageBoxScript boxes;
    const int distant = s.d.addLine(100, 100, 1e38 / ToolDrawing::mm(1.0), 100); // to 1e38 mm
    ASSERT_GE(distant, 1);
    s.d.select->addToSelection(distant);
    const int records = s.records();
    EXPECT_EQ(s.apply(1000.0), 0);
    EXPECT_EQ(s.records(), records);
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(s.d.corner(s.ids[i]).first, 100 + 20 * i, 1e-6) << i;
    EXPECT_NEAR(s.d.corner(distant).first, 100, 1e-6);
    EXPECT_EQ(boxes.texts(), "図形の数値が扱える範囲を超えるため、この操作はできません。");
}
