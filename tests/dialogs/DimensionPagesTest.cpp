// The dimensions' dialogs, driven through the property sheet: their captions and tabs, the
// numeral page (decimals bounded to 0..50, length or angle units), the coordinate pages (the
// measure's from the grid origin along the paper's axis, the angle's as stored, the radius's two
// points) and the ids that the measure's colour and font pages share.
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "document/Element.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/DrawPoint.h"
#include "geometry/PointList.h"
#include "geometry/UnitSettings.h"
#include "resources/ids_properties.h"
#include "resources/ids_text_properties.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/MeasureAttributes.h"
#include "tests/dialogs/PropertyFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"

using namespace property_test;

namespace {
const std::vector<std::string> kDimensionTabs = {"共通", "カラー", "フォント", "数値", "線", "座標"};
} // namespace

TEST(DimensionPages, EachKindOpensItsCaptionWithTheSixTabsAndRadiusAndDiameterShowTheSamePages)
{
    struct Case {
        ElementKind kind;
        const char* caption;
        int pointField; // a field of the coordinate page
    };
    const Case cases[] = {
        {ElementKind::Measure, "寸法線", IDC_MEASURE_X},
        {ElementKind::AngleMeasure, "角度", IDC_ANGLE_X},
        {ElementKind::MsrRadius, "半径", IDC_RADIUS_P2_X},
        {ElementKind::MsrDiameter, "直径", IDC_RADIUS_P2_X},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        PropertyDrawing d;
        const int id = d.addTextKind(c.kind);
        std::string caption;
        std::vector<std::string> tabs;
        bool pointPage = false;
        const int result = d.runSheet(id, 0, 0, [&](HWND w) {
            caption = captionOf(w);
            tabs = tabLabelsOf(w);
            chooseTab(w, 5);
            pointPage = GetDlgItem(w, c.pointField) != nullptr;
            finish(w, IDOK);
        });
        EXPECT_EQ(result, 1);
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(tabs, kDimensionTabs);
        EXPECT_TRUE(pointPage);
    }
}

// Decimals typed beyond 0 to 50, or a text that is no whole number, are named with that range and
// keep the former count (the user then types it again).
TEST(DimensionPages, DecimalsOutsideZeroToFiftyAreNamedAndKeepTheFormerValueAndTheUnitListIsTheKindsOwn)
{
    struct Case {
        ElementKind kind;
        int decimals, unit, showUnit;
        bool angleUnits;
    };
    const Case kinds[] = {
        {ElementKind::Measure, IDC_MEASURE_DECIMALS, IDC_MEASURE_UNIT, IDC_MEASURE_SHOW_UNIT, false},
        {ElementKind::AngleMeasure, IDC_ANGLE_DECIMALS, IDC_ANGLE_UNIT, IDC_ANGLE_SHOW_UNIT, true},
        {ElementKind::MsrRadius, IDC_ANGLE_DECIMALS, IDC_ANGLE_UNIT, IDC_ANGLE_SHOW_UNIT, false},
    };
    struct Typed {
        const char* text;
        int stored;
        bool named;
    };
    const Typed typed[] = {{"51", 3, true}, {"-1", 3, true}, {"99999999999", 3, true},
                           {"abc", 3, true}, {"50", 50, false}, {"0", 0, false}};
    for (const Case& c : kinds) {
        for (const Typed& t : typed) {
            SCOPED_TRACE(std::to_string(kindCode(c.kind)) + " typed " + t.text);
            PropertyDrawing d;
            const int id = d.addTextKind(c.kind, [](Element& e) { (void)e.measure()->setDecimals(3); });
            std::vector<std::string> units;
            std::string shownAfterRedisplay;
            MessageBoxScript boxes;
            (void)d.runSheet(id, 0, 0, [&](HWND w) {
                chooseTab(w, 3);
                units = itemsOf(w, c.unit);
                type(w, c.decimals, t.text);
                click(w, IDC_PROPERTY_REDISPLAY);
                shownAfterRedisplay = textOf(w, c.decimals);
                if (t.named)
                    type(w, c.decimals, "3");
                chooseItem(w, c.unit, static_cast<int>(units.size()) - 1);
                tick(w, c.showUnit, false);
                finish(w, IDOK);
            });
            EXPECT_EQ(shownAfterRedisplay, t.named ? t.text : std::to_string(t.stored));
            EXPECT_EQ(boxes.texts(), t.named ? "小数点以下の桁数には0から50までの数値を入力して下さい。" : "");
            Element& e = d.stored(id);
            MeasureAttributes& numeral = *e.measure();
            EXPECT_EQ(numeral.decimals, t.stored);
            EXPECT_EQ(numeral.unitDisplay.value, 0);
            const bool anglesOnly = units.size() == 1 && units[0] == UnitSettings::displayNameOf(UnitSettings::degree);
            EXPECT_EQ(anglesOnly, c.angleUnits);
            if (c.angleUnits) {
                EXPECT_EQ(numeral.lengthUnit.unit(), UnitConverter::millimetre) << "the length unit stays";
            } else {
                EXPECT_EQ(UnitSettings::displayNameOf(numeral.lengthUnit.unit()), units.back());
            }
        }
    }
}

TEST(DimensionPages, MeasurePointsFollowTheGridOriginAndAxisWhileAnglePointsShowAsStored)
{
    struct Case {
        ElementKind kind;
        int tab, x, y, xUnit, next;
        std::vector<std::string> shown; // x and y of point 2 as loaded
        double storedX, storedY;        // point 2 after "1" and "2" were typed
    };
    // Grid origin (5, 10), the paper's y axis up (an A4 landscape sheet, 210 mm high), centimetres.
    const Case cases[] = {
        {ElementKind::Measure, 5, IDC_MEASURE_X, IDC_MEASURE_Y, IDC_MEASURE_X_UNIT, IDC_MEASURE_NEXT, {"5.5", "17"}, 15,
         180},
        {ElementKind::AngleMeasure, 5, IDC_ANGLE_X, IDC_ANGLE_Y, IDC_ANGLE_X_UNIT, IDC_ANGLE_NEXT, {"6", "3"}, 10, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(kindCode(c.kind));
        PropertyDrawing d;
        d.grid->x = 5.0, d.grid->y = 10.0;
        d.grid->unitX = d.grid->unitY = 6;
        d.paper->axis = 1;
        const int id = d.addTextKind(c.kind);
        std::vector<std::string> shown;
        std::string unit;
        (void)d.runSheet(id, 0, 0, [&](HWND w) {
            chooseTab(w, c.tab);
            click(w, c.next);
            shown = {textOf(w, c.x), textOf(w, c.y)};
            unit = textOf(w, c.xUnit);
            type(w, c.x, "1");
            type(w, c.y, "2");
            finish(w, IDOK);
        });
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(unit, DrawPoint::unitName(6));
        Point p;
        ASSERT_EQ(d.stored(id).vertices()->getPoint(1, &p), 1);
        EXPECT_DOUBLE_EQ(p.x, c.storedX);
        EXPECT_DOUBLE_EQ(p.y, c.storedY);
    }
}

TEST(DimensionPages, RadiusAndDiameterShowAndTakeThePointOnTheCircleAndTheDisplayPoint)
{
    for (ElementKind kind : {ElementKind::MsrRadius, ElementKind::MsrDiameter}) {
        SCOPED_TRACE(kindCode(kind));
        PropertyDrawing d;
        const int id = d.addTextKind(kind);
        std::vector<std::string> shown;
        MessageBoxScript boxes;
        (void)d.runSheet(id, 0, 0, [&](HWND w) {
            chooseTab(w, 5);
            for (int f : {IDC_RADIUS_P1_X, IDC_RADIUS_P1_Y, IDC_RADIUS_P2_X, IDC_RADIUS_P2_Y})
                shown.push_back(textOf(w, f));
            type(w, IDC_RADIUS_P1_Y, "25");
            type(w, IDC_RADIUS_P2_X, "abc"); // no number: told, and kept
            type(w, IDC_RADIUS_P2_Y, "95.5");
            click(w, IDOK);
            type(w, IDC_RADIUS_P2_X, "80");
            finish(w, IDOK);
        });
        EXPECT_EQ(shown, (std::vector<std::string>{"20", "20", "80", "90"}));
        EXPECT_EQ(boxes.texts(), "点２Xには-100000から100000までの数値を入力して下さい。");
        Element& e = d.stored(id);
        Point p1;
        ASSERT_EQ(e.vertices()->getPoint(0, &p1), 1);
        EXPECT_EQ(p1.x, 20.0);
        EXPECT_EQ(p1.y, 25.0);
        EXPECT_EQ(e.thirdPoint()->x, 80.0);
        EXPECT_EQ(e.thirdPoint()->y, 95.5);
    }
}

TEST(DimensionPages, AMeasureSwatchClickNeverReachesTheFontListOfTheSameId)
{
    PropertyDrawing d;
    ChooserScript chooser;
    ChooserScript::colour = RGB(200, 20, 40);
    const int id = d.addTextKind(ElementKind::Measure);
    int callsOnFontPage = -1;
    std::string faceShown, faceAfterClick;
    (void)d.runSheet(id, 0, 0, [&](HWND w) {
        chooseTab(w, 2);
        faceShown = textOf(w, IDC_MEASURE_FACE);
        click(w, IDC_MEASURE_LEADER_COLOUR);
        click(w, IDC_MEASURE_ARROW_COLOUR);
        callsOnFontPage = ChooserScript::calls;
        faceAfterClick = textOf(w, IDC_MEASURE_FACE);
        chooseTab(w, 1);
        click(w, IDC_MEASURE_LEADER_COLOUR);
        finish(w, IDOK);
    });
    EXPECT_EQ(callsOnFontPage, 0);
    EXPECT_EQ(faceAfterClick, faceShown);
    EXPECT_EQ(ChooserScript::calls, 1);
    Element& e = d.stored(id);
    const InkColor& leader = e.arrowLine()->colour;
    EXPECT_EQ(RGB(leader.getRed(), leader.getGreen(), leader.getBlue()), RGB(200, 20, 40));
    const InkColor& arrow = e.arrowHead()->colour;
    EXPECT_NE(RGB(arrow.getRed(), arrow.getGreen(), arrow.getBlue()), RGB(200, 20, 40));
}
