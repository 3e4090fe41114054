// The pages of the kinds that carry text, driven through the property sheet: the font page of all
// six kinds (a face that is not installed, the styles, the size), the colour pages' choosers, the
// line page's lists and numbers, and the leader text's point page with its rotation.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "document/Element.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/FontAttributes.h"
#include "geometry/InkColor.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineAttribute.h"
#include "geometry/PointList.h"
#include "resources/ids_text_properties.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/MeasureAttributes.h"
#include "tests/dialogs/PropertyFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"

using namespace property_test;

namespace {

// A face no system has: 127 two-byte characters and one more byte, the longest a font keeps.
std::string missingFace()
{
    std::string face;
    while (face.size() < 254)
        face += "試";
    return face + "Z";
}

COLORREF rgbOf(const InkColor& c) { return RGB(c.getRed(), c.getGreen(), c.getBlue()); }

} // namespace

TEST(TextPages, FontPageKeepsAFaceThatIsNotInstalledAndTakesTheChosenFaceStyleAndSize)
{
    struct Case {
        ElementKind kind;
        int face, style, size;
    };
    const Case cases[] = {
        {ElementKind::Text, IDC_TEXT_FACE, IDC_TEXT_STYLE, IDC_TEXT_SIZE},
        {ElementKind::TextLine, IDC_TEXTLINE_FACE, IDC_TEXTLINE_STYLE, IDC_TEXTLINE_SIZE},
        {ElementKind::Measure, IDC_MEASURE_FACE, IDC_MEASURE_STYLE, IDC_MEASURE_SIZE},
        {ElementKind::AngleMeasure, IDC_ANGLE_FACE, IDC_ANGLE_STYLE, IDC_ANGLE_SIZE},
        {ElementKind::MsrRadius, IDC_ANGLE_FACE, IDC_ANGLE_STYLE, IDC_ANGLE_SIZE},
        {ElementKind::MsrDiameter, IDC_ANGLE_FACE, IDC_ANGLE_STYLE, IDC_ANGLE_SIZE},
    };
    const std::string missing = missingFace();
    for (const Case& c : cases) {
        SCOPED_TRACE(kindCode(c.kind));
        PropertyDrawing d;
        const int id = d.addTextKind(c.kind, [&](Element& e) {
            e.font()->setFaceName(missing.c_str());
            e.font()->style = FontAttributes::kBoldItalic;
            e.font()->size = 4.0;
        });
        std::vector<std::string> faces;
        std::string chosenFace, chosenStyle, size;
        // Untouched: the face that is not installed is listed once, chosen, and kept.
        (void)d.runSheet(id, 0, 0, [&](HWND w) {
            chooseTab(w, 2);
            faces = itemsOf(w, c.face);
            chosenFace = textOf(w, c.face);
            chosenStyle = itemsOf(w, c.style).at(selectionOf(w, c.style));
            size = textOf(w, c.size);
            finish(w, IDOK);
        });
        EXPECT_EQ(std::count(faces.begin(), faces.end(), missing), 1);
        EXPECT_EQ(std::set<std::string>(faces.begin(), faces.end()).size(), faces.size()) << "each face once";
        ASSERT_GE(faces.size(), 2u) << "the installed faces are listed";
        EXPECT_EQ(chosenFace, missing);
        EXPECT_EQ(chosenStyle, "ﾎﾞｰﾙﾄﾞｲﾀﾘｯｸ");
        EXPECT_EQ(size, "4");
        EXPECT_EQ(std::string(d.stored(id).font()->faceName), missing);
        EXPECT_EQ(d.stored(id).font()->style, FontAttributes::kBoldItalic);

        // Another face, style and size chosen; then sizes out of bounds keep the size.
        (void)d.runSheet(id, 0, 0, [&](HWND w) {
            chooseTab(w, 2);
            chooseItem(w, c.face, 0);
            chooseItem(w, c.style, 1);
            type(w, c.size, "5.5");
            finish(w, IDOK);
        });
        MessageBoxScript boxes;
        for (const char* bad : {"0.1", "1000", "abc"}) {
            EXPECT_EQ(d.runSheet(id, 0, 0,
                                 [&](HWND w) {
                                     chooseTab(w, 2);
                                     type(w, c.size, bad);
                                     click(w, IDOK);
                                     finish(w, IDCANCEL);
                                 }),
                      2);
        }
        const std::string told = "サイズには0.1001から999.999までの数値を入力して下さい。";
        EXPECT_EQ(boxes.texts(), told + " | " + told + " | " + told);
        Element& e = d.stored(id);
        EXPECT_EQ(std::string(e.font()->faceName), faces.front());
        EXPECT_EQ(e.font()->style, FontAttributes::kBold);
        EXPECT_EQ(e.font()->size, 5.5);
    }
}

TEST(TextPages, ColourSwatchesPickThroughTheirChoosersIntoTheirOwnColours)
{
    struct Case {
        ElementKind kind;
        int swatch;
        InkColor* (*colour)(Element&);
    };
    const Case cases[] = {
        {ElementKind::Text, IDC_TEXT_COLOUR, [](Element& e) { return e.colour(); }},
        {ElementKind::TextLine, IDC_TEXTLINE_TEXT_COLOUR, [](Element& e) { return e.colour(); }},
        {ElementKind::TextLine, IDC_TEXTLINE_LEADER_COLOUR, [](Element& e) { return &e.arrowLine()->colour; }},
        {ElementKind::TextLine, IDC_TEXTLINE_ARROW_COLOUR, [](Element& e) { return &e.arrowHead()->colour; }},
        {ElementKind::Measure, IDC_MEASURE_NUMERAL_COLOUR, [](Element& e) { return &e.measure()->numeralColour; }},
        {ElementKind::Measure, IDC_MEASURE_UNDERLINE_COLOUR, [](Element& e) { return &e.measureLine()->colour; }},
        {ElementKind::Measure, IDC_MEASURE_LEADER_COLOUR, [](Element& e) { return &e.arrowLine()->colour; }},
        {ElementKind::Measure, IDC_MEASURE_ARROW_COLOUR, [](Element& e) { return &e.arrowHead()->colour; }},
        {ElementKind::AngleMeasure, IDC_ANGLE_UNDERLINE_COLOUR, [](Element& e) { return &e.measureLine()->colour; }},
        {ElementKind::MsrRadius, IDC_ANGLE_ARROW_COLOUR, [](Element& e) { return &e.arrowHead()->colour; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.swatch);
        PropertyDrawing d;
        ChooserScript chooser;
        ChooserScript::colour = RGB(10, 200, 30);
        const int id = d.addTextKind(c.kind);
        (void)d.runSheet(id, 0, 0, [&](HWND w) {
            chooseTab(w, 1);
            click(w, c.swatch);
            finish(w, IDOK);
        });
        EXPECT_EQ(ChooserScript::calls, 1);
        Element& e = d.stored(id);
        EXPECT_EQ(rgbOf(*c.colour(e)), RGB(10, 200, 30));
        int changed = 0; // the kind's other colours stay as they were
        for (InkColor* other : {e.colour(), e.arrowLine() ? &e.arrowLine()->colour : nullptr,
                                e.arrowHead() ? &e.arrowHead()->colour : nullptr,
                                e.measure() ? &e.measure()->numeralColour : nullptr,
                                e.measureLine() ? &e.measureLine()->colour : nullptr})
            changed += other && rgbOf(*other) == RGB(10, 200, 30);
        EXPECT_EQ(changed, 1);
    }
}

TEST(TextPages, LinePageListsArePositionsPlusOneAndNumbersOutOfBoundsAreKept)
{
    const std::vector<std::string> kinds = {"なし", "矢印", "右矢印", "左矢印", "枠３角", "黒３角", "枠丸", "黒丸"};
    const std::vector<std::string> styles = {"なし", "実線", "点線", "鎖線"};
    struct Case {
        ElementKind kind;
        int tab, leaderStyle, leaderWidth, arrowKind, arrowSize, arrowLength, arrowLean;
        int underlineStyle, leaderGap; // 0: the page has none
    };
    const Case cases[] = {
        {ElementKind::TextLine, 3, IDC_TEXTLINE_LEADER_STYLE, IDC_TEXTLINE_LEADER_WIDTH, IDC_TEXTLINE_ARROW_KIND,
         IDC_TEXTLINE_ARROW_SIZE, IDC_TEXTLINE_ARROW_LENGTH, IDC_TEXTLINE_ARROW_LEAN, 0, 0},
        {ElementKind::Measure, 4, IDC_MEASURE_LEADER_STYLE, IDC_MEASURE_LEADER_WIDTH, IDC_MEASURE_ARROW_KIND,
         IDC_MEASURE_ARROW_SIZE, IDC_MEASURE_ARROW_LENGTH, IDC_MEASURE_ARROW_LEAN, IDC_MEASURE_UNDERLINE_STYLE,
         IDC_MEASURE_LEADER_GAP},
        {ElementKind::AngleMeasure, 4, IDC_ANGLE_LEADER_STYLE, IDC_ANGLE_LEADER_WIDTH, IDC_ANGLE_ARROW_KIND,
         IDC_ANGLE_ARROW_SIZE, IDC_ANGLE_ARROW_LENGTH, IDC_ANGLE_ARROW_LEAN, IDC_ANGLE_UNDERLINE_STYLE,
         IDC_ANGLE_LEADER_GAP},
    };
    for (const Case& c : cases) {
        for (unsigned kind = 0; kind < 8; ++kind) {
            SCOPED_TRACE(std::to_string(kindCode(c.kind)) + " arrow kind " + std::to_string(kind));
            const int style = static_cast<int>(kind % 4);
            PropertyDrawing d;
            const int id = d.addTextKind(c.kind, [&](Element& e) {
                e.arrowHead()->kind = kind;
                e.arrowLine()->style = style;
                if (e.measureLine())
                    e.measureLine()->style = 3 - style;
            });
            std::vector<std::string> shown;
            MessageBoxScript boxes;
            (void)d.runSheet(id, 0, 0, [&](HWND w) {
                chooseTab(w, c.tab);
                shown = {itemsOf(w, c.arrowKind).at(selectionOf(w, c.arrowKind)),
                         itemsOf(w, c.leaderStyle).at(selectionOf(w, c.leaderStyle))};
                if (c.underlineStyle)
                    shown.push_back(itemsOf(w, c.underlineStyle).at(selectionOf(w, c.underlineStyle)));
                chooseItem(w, c.arrowKind, static_cast<int>(7 - kind));
                chooseItem(w, c.leaderStyle, 3 - style);
                type(w, c.leaderWidth, "0.5");
                const std::string size = textOf(w, c.arrowSize), length = textOf(w, c.arrowLength);
                type(w, c.arrowSize, "-1");   // below 0: told, and kept
                type(w, c.arrowLength, "abc"); // no number: told next, and kept
                type(w, c.arrowLean, "30");
                if (c.leaderGap)
                    type(w, c.leaderGap, "4.25");
                click(w, IDOK);
                type(w, c.arrowSize, size.c_str());
                click(w, IDOK);
                type(w, c.arrowLength, length.c_str());
                finish(w, IDOK);
            });
            EXPECT_EQ(boxes.texts(), "太さには0から1000までの数値を入力して下さい。 | "
                                     "長さには0から1000までの数値を入力して下さい。");
            std::vector<std::string> expected = {kinds[kind], styles[style]};
            if (c.underlineStyle)
                expected.push_back(styles[3 - style]);
            EXPECT_EQ(shown, expected);
            Element& e = d.stored(id);
            EXPECT_EQ(e.arrowHead()->kind, 7 - kind);
            EXPECT_EQ(e.arrowLine()->style, 3 - style);
            EXPECT_EQ(e.arrowLine()->width, 0.5);
            EXPECT_EQ(e.arrowHead()->lineSize, 0.14);
            EXPECT_EQ(e.arrowHead()->length, 3.5);
            EXPECT_EQ(e.arrowHead()->lean, 30.0);
            EXPECT_EQ(e.arrowLine()->space, c.leaderGap ? 4.25 : 3.0);
        }
    }
}

TEST(TextPages, LeaderPointsShowTheRotationOnEveryVertexAndTheTextFollowsTheLastPoint)
{
    PropertyDrawing d;
    const int id = d.addTextKind(ElementKind::TextLine, [](Element& e) { e.lean()->angle = 30.0; });
    std::vector<std::string> shown;
    bool markedSecond = false;
    (void)d.runSheet(id, 0, 0, [&](HWND w) {
        chooseTab(w, 4);
        for (int step = 0; step < 3; ++step) {
            if (step == 1) // the view's red frame about the vertex shown, (60, 30)
                markedSecond = d.pixel(57, 27) == RGB(255, 0, 0) && d.pixel(63, 33) == RGB(255, 0, 0);
            shown.push_back(textOf(w, IDC_TEXTLINE_NUMBER) + "/" + textOf(w, IDC_TEXTLINE_COUNT) + " " +
                            textOf(w, IDC_TEXTLINE_X) + " " + textOf(w, IDC_TEXTLINE_LEAN) +
                            (isEnabled(w, IDC_TEXTLINE_PREVIOUS) ? " <" : " -") +
                            (isEnabled(w, IDC_TEXTLINE_NEXT) ? ">" : "-"));
            if (step == 1)
                type(w, IDC_TEXTLINE_LEAN, "45"); // stored with the vertex at the step
            click(w, IDC_TEXTLINE_NEXT);
        }
        type(w, IDC_TEXTLINE_X, "150");
        type(w, IDC_TEXTLINE_Y, "70");
        finish(w, IDOK);
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"1/3 20 30 ->", "2/3 60 30 <>", "3/3 110 45 <-"}));
    EXPECT_TRUE(markedSecond);
    Element& e = d.stored(id);
    Point last;
    ASSERT_EQ(e.vertices()->getPoint(2, &last), 1);
    EXPECT_EQ(last.x, 150.0);
    EXPECT_EQ(last.y, 70.0);
    EXPECT_EQ(e.lean()->angle, 45.0);
    // The text hangs at the leader's new end.
    EXPECT_EQ(e.firstPoint()->x, 150.0);
    EXPECT_EQ(e.firstPoint()->y, 70.0);
}
