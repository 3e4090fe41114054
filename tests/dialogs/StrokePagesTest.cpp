// The pages the stroked kinds share, driven through the property sheet: the line-type page of
// every kind, the area page's switches and values, the fixed-point coordinate pages (grid origin,
// units, paper axis, and what is not a number), the circle's angles, the box's corner radii and
// the box's colour swatch whose id is the line-type page's width field.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "document/Element.h"
#include "geometry/DoubleValue.h"
#include "geometry/DrawPoint.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "platform/UnitConverter.h"
#include "resources/ids_properties.h"
#include "shapes/CornerRounding.h"
#include "shapes/RadiusList.h"
#include "tests/dialogs/PropertyFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"

using namespace property_test;

namespace {

constexpr int kColourPage = 1;
constexpr int kLineTypePage = 2;
constexpr int kAreaPage = 3;

} // namespace

TEST(StrokePages, LineTypePageOfEachKindTakesWidthPositionTypeAndOnlyTheOpenKindsCap)
{
    struct Case {
        ElementKind kind;
        int widthId, capId; // capId 0: no cap on the page
    };
    const Case cases[] = {
        {ElementKind::Line, IDC_LINE_WIDTH, IDC_LINE_CAP},
        {ElementKind::Breakline, IDC_BREAKLINE_WIDTH, IDC_BREAKLINE_CAP},
        {ElementKind::Spline, IDC_BREAKLINE_WIDTH, IDC_BREAKLINE_CAP},
        {ElementKind::Arc, IDC_ARC_WIDTH, 0},
        {ElementKind::Circle, IDC_CIRCLE_WIDTH, 0},
        {ElementKind::Oval, IDC_OVAL_WIDTH, 0},
        {ElementKind::Box, IDC_BOX_WIDTH, 0},
        {ElementKind::Polygon, IDC_POLYGON_WIDTH, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(kindCode(c.kind));
        PropertyDrawing d;
        const int id = addKind(d, c.kind);
        ASSERT_GE(id, 1);
        std::string shownWidth;
        bool anyCap = true;
        // The position, type and cap lists are the control after the width: 15100, 15101, 15524 ...
        (void)d.runSheet(id, 0, 0, [&](HWND w) {
            chooseTab(w, kLineTypePage);
            shownWidth = textOf(w, c.widthId);
            anyCap = GetDlgItem(w, IDC_LINE_CAP) || GetDlgItem(w, IDC_BREAKLINE_CAP);
            type(w, c.widthId, "0.35");
            chooseItem(w, c.widthId + 1, 1);  // 外-右
            chooseItem(w, c.widthId + 2, 1);  // 点線
            if (c.capId)
                chooseItem(w, c.capId, 2);    // スクエア
            finish(w, IDOK);
        });
        EXPECT_EQ(shownWidth, "0.14");
        EXPECT_EQ(anyCap, c.capId != 0);
        Element& e = d.stored(id);
        EXPECT_EQ(e.lineWidth()->width, 0.35);
        EXPECT_EQ(e.linePosition()->position, LineOriginAttribute::kTop);
        EXPECT_EQ(e.lineType()->style, LineStyle::kDash);
        if (c.capId) {
            EXPECT_EQ(e.lineCap()->capStyle, LineCapAttribute::kSquare);
        } else {
            EXPECT_EQ(e.lineCap(), nullptr) << "the closed kinds carry no cap to change";
        }
    }
}

TEST(StrokePages, AreaSwitchesKeepAnOutlineOrAFillAndTheHatchAndScreenRoundTrip)
{
    for (ElementKind kind : {ElementKind::Box, ElementKind::Oval, ElementKind::Polygon}) {
        SCOPED_TRACE(kindCode(kind));
        PropertyDrawing d;
        const int id = addKind(d, kind, [](Element& e) {
            e.edge()->draw.value = 1;
            e.fill()->draw.value = 0;
        });
        std::vector<std::pair<bool, bool>> switches; // outline, fill after each click
        (void)d.runSheet(id, 0, 0, [&](HWND w) {
            chooseTab(w, kAreaPage);
            switches.emplace_back(isTicked(w, IDC_AREA_EDGE_DRAWN), isTicked(w, IDC_AREA_FILL_DRAWN));
            tick(w, IDC_AREA_EDGE_DRAWN, false);
            switches.emplace_back(isTicked(w, IDC_AREA_EDGE_DRAWN), isTicked(w, IDC_AREA_FILL_DRAWN));
            tick(w, IDC_AREA_FILL_DRAWN, false);
            switches.emplace_back(isTicked(w, IDC_AREA_EDGE_DRAWN), isTicked(w, IDC_AREA_FILL_DRAWN));
            chooseItem(w, IDC_AREA_PATTERN, 3);
            type(w, IDC_AREA_PITCH1, "2.5");
            type(w, IDC_AREA_PITCH2, "4");
            chooseItem(w, IDC_AREA_SCREEN, 2);
            type(w, IDC_AREA_SCREEN_START, "30");
            type(w, IDC_AREA_SCREEN_END, "70");
            chooseItem(w, IDC_AREA_DIRECTION, 2);
            finish(w, IDOK);
        });
        EXPECT_EQ(switches, (std::vector<std::pair<bool, bool>>{{true, false}, {false, true}, {true, false}}));
        const auto expectStored = [&] {
            Element& e = d.stored(id);
            EXPECT_EQ(e.edge()->draw.value, 1);
            EXPECT_EQ(e.fill()->draw.value, 0);
            EXPECT_EQ(e.hatch()->pattern, 3);
            EXPECT_EQ(e.hatch()->pitch1, 2.5);
            EXPECT_EQ(e.hatch()->pitch2, 4.0);
            EXPECT_EQ(e.fill()->gray.kind, GrayAttributes::kGradation);
            EXPECT_EQ(e.fill()->gray.startGray, 0.3);
            EXPECT_EQ(e.fill()->gray.endGray, 0.7);
            EXPECT_EQ(e.fill()->gray.vector, 3);
        };
        expectStored();
        // The page shows what it stored; values out of bounds or no numbers keep it, and are told
        // of, one at a time, until mended.
        std::vector<std::string> shown;
        MessageBoxScript boxes;
        (void)d.runSheet(id, 0, 0, [&](HWND w) {
            shown = {std::to_string(selectionOf(w, IDC_AREA_PATTERN)), textOf(w, IDC_AREA_PITCH1),
                     textOf(w, IDC_AREA_PITCH2), std::to_string(selectionOf(w, IDC_AREA_SCREEN)),
                     textOf(w, IDC_AREA_SCREEN_START), textOf(w, IDC_AREA_SCREEN_END),
                     std::to_string(selectionOf(w, IDC_AREA_DIRECTION))};
            type(w, IDC_AREA_PITCH1, "0");
            type(w, IDC_AREA_PITCH2, "abc");
            type(w, IDC_AREA_SCREEN_START, "130");
            type(w, IDC_AREA_SCREEN_END, "7x");
            click(w, IDOK);
            type(w, IDC_AREA_PITCH1, "2.5");
            click(w, IDOK);
            type(w, IDC_AREA_PITCH2, "4");
            click(w, IDOK);
            type(w, IDC_AREA_SCREEN_START, "30");
            click(w, IDOK);
            type(w, IDC_AREA_SCREEN_END, "70");
            finish(w, IDOK);
        });
        EXPECT_EQ(shown, (std::vector<std::string>{"3", "2.5", "4", "2", "30", "70", "2"}));
        EXPECT_EQ(boxes.texts(), "横(右)間隔には0.001から1000までの数値を入力して下さい。 | "
                                 "縦(左)間隔には0.001から1000までの数値を入力して下さい。 | "
                                 "開始%には0から100までの数値を入力して下さい。 | "
                                 "終了%には0から100までの数値を入力して下さい。");
        expectStored();
    }
}

TEST(StrokePages, FixedPointsShowFromTheGridOriginAlongThePaperAxisAndKeepWhatIsNoNumber)
{
    struct Case {
        const char* what;
        int gridUnitX;
        std::vector<std::pair<int, const char*>> typed;
        std::vector<std::string> shown;            // start X, start Y, end X, end Y as loaded
        std::vector<std::string> shownAfterRedisplay;
        double startX, startY, endX, endY;         // stored afterwards
        const char* told = "";                     // by 再表示 and OK; the user then cancels
    };
    const std::vector<std::string> loaded = {"5.123", "179.877", "45", "120"};
    const Case cases[] = {
        {"untouched fields keep the stored values exactly", 1, {}, loaded, loaded, 10.123456, 20.123456, 50, 80},
        {"text, NaN, 1e308 and a point far beyond the sheet keep them",
         1,
         {{IDC_LINE_START_X, "abc"}, {IDC_LINE_START_Y, "NaN"}, {IDC_LINE_END_X, "1e308"}, {IDC_LINE_END_Y, "1e7"}},
         loaded,
         {"abc", "NaN", "1e308", "1e7"},
         10.123456,
         20.123456,
         50,
         80,
         "始点Xには-100000から100000までの数値を入力して下さい。"},
        {"numbers typed are measured from the origin, y upwards",
         1,
         {{IDC_LINE_START_X, "7.5"}, {IDC_LINE_END_Y, "100"}},
         loaded,
         {"7.5", "179.877", "45", "100"},
         12.5,
         20.123456,
         50,
         100},
        {"in centimetres along x",
         6,
         {{IDC_LINE_START_X, "1"}},
         {"0.512", "179.877", "4.5", "120"},
         {"1", "179.877", "4.5", "120"},
         15,
         20.123456,
         50,
         80},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PropertyDrawing d;
        d.grid->x = 5.0, d.grid->y = 10.0;
        d.grid->unitX = c.gridUnitX;
        d.paper->axis = 1;
        const int id = d.addLine(10.123456, 20.123456, 50, 80);
        std::vector<std::string> shown, redisplayed;
        std::string unitX;
        MessageBoxScript boxes;
        (void)d.runSheet(id, 0, 0, [&](HWND w) {
            chooseTab(w, 3);
            for (int f : {IDC_LINE_START_X, IDC_LINE_START_Y, IDC_LINE_END_X, IDC_LINE_END_Y})
                shown.push_back(textOf(w, f));
            unitX = textOf(w, IDC_LINE_START_X_UNIT);
            for (const auto& [field, text] : c.typed)
                type(w, field, text);
            click(w, IDC_PROPERTY_REDISPLAY);
            for (int f : {IDC_LINE_START_X, IDC_LINE_START_Y, IDC_LINE_END_X, IDC_LINE_END_Y})
                redisplayed.push_back(textOf(w, f));
            click(w, IDOK);
            finish(w, IDCANCEL); // ignored when OK ended the dialog
        });
        EXPECT_EQ(boxes.texts(), *c.told ? std::string(c.told) + " | " + c.told : "");
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(redisplayed, c.shownAfterRedisplay);
        EXPECT_EQ(unitX, DrawPoint::unitName(c.gridUnitX));
        Element& e = d.stored(id);
        EXPECT_EQ(e.firstPoint()->x, c.startX);
        EXPECT_EQ(e.firstPoint()->y, c.startY);
        EXPECT_EQ(e.secondPoint()->x, c.endX);
        EXPECT_EQ(e.secondPoint()->y, c.endY);
    }
}

TEST(StrokePages, CircleShowsItsSpanAndTheEndFollowsTheStart)
{
    const char* const toldRadius = "半径には0.0001から100000までの数値を入力して下さい。";
    struct Case {
        const char* what;
        std::vector<std::pair<int, const char*>> typed;
        double radius, start, end;
        const char* told = ""; // by OK; the user then cancels
    };
    const Case cases[] = {
        {"untouched", {}, 25.5, 30, 120},
        {"a new start keeps the span", {{IDC_CIRCLE_START_ANGLE, "45"}}, 25.5, 45, 135},
        {"start and span", {{IDC_CIRCLE_START_ANGLE, "10"}, {IDC_CIRCLE_SPAN, "180"}}, 25.5, 10, 190},
        {"a radius of text or below zero stays", {{IDC_CIRCLE_RADIUS, "abc"}}, 25.5, 30, 120, toldRadius},
        {"a radius below zero stays", {{IDC_CIRCLE_RADIUS, "-3"}}, 25.5, 30, 120, toldRadius},
        {"a radius in millimetres", {{IDC_CIRCLE_RADIUS, "40"}}, 40, 30, 120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PropertyDrawing d;
        d.grid->unitX = d.grid->unitY = 6; // the centre in centimetres, the radius still in millimetres
        const int id = addKind(d, ElementKind::Circle);
        std::vector<std::string> shown;
        MessageBoxScript boxes;
        (void)d.runSheet(id, 0, 0, [&](HWND w) {
            chooseTab(w, 3);
            shown = {textOf(w, IDC_CIRCLE_CENTRE_X), textOf(w, IDC_CIRCLE_RADIUS), textOf(w, IDC_CIRCLE_RADIUS_UNIT),
                     textOf(w, IDC_CIRCLE_START_ANGLE), textOf(w, IDC_CIRCLE_SPAN)};
            for (const auto& [field, text] : c.typed)
                type(w, field, text);
            click(w, IDOK);
            finish(w, IDCANCEL); // ignored when OK ended the dialog
        });
        EXPECT_EQ(boxes.texts(), c.told);
        EXPECT_EQ(shown, (std::vector<std::string>{"10", "25.5", DrawPoint::unitName(UnitConverter::millimetre), "30",
                                                   "90"}));
        Element& e = d.stored(id);
        EXPECT_EQ(e.radii()->first(), c.radius);
        EXPECT_EQ(e.value1()->value, c.start);
        EXPECT_EQ(e.value2()->value, c.end);
        EXPECT_EQ(e.thirdPoint()->x, 100.0);
    }
}

TEST(StrokePages, BoxRadiiGoTopRightTopLeftBottomLeftBottomRight)
{
    PropertyDrawing d;
    const int id = d.add(ElementKind::Box, [](Element& e) {
        e.firstPoint()->x = 100, e.firstPoint()->y = 100;
        e.secondPoint()->x = 150, e.secondPoint()->y = 140;
        for (int corner = 0; corner < 4; ++corner)
            e.cornerRounding()->setRadius(corner, corner + 1.0);
        e.lean()->angle = 12.5;
    });
    std::vector<std::string> shown;
    MessageBoxScript boxes;
    (void)d.runSheet(id, 0, 0, [&](HWND w) {
        chooseTab(w, 4);
        shown = {textOf(w, IDC_BOX_RADIUS_TOP_RIGHT), textOf(w, IDC_BOX_RADIUS_TOP_LEFT),
                 textOf(w, IDC_BOX_RADIUS_BOTTOM_LEFT), textOf(w, IDC_BOX_RADIUS_BOTTOM_RIGHT), textOf(w, IDC_BOX_LEAN)};
        type(w, IDC_BOX_RADIUS_TOP_LEFT, "7");
        type(w, IDC_BOX_RADIUS_BOTTOM_LEFT, "-2.5"); // a notch, drawn as such
        type(w, IDC_BOX_RADIUS_BOTTOM_RIGHT, "abc"); // told, and kept
        type(w, IDC_BOX_LEAN, "30");
        click(w, IDOK);
        type(w, IDC_BOX_RADIUS_BOTTOM_RIGHT, "4");
        finish(w, IDOK);
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"1", "2", "3", "4", "12.5"}));
    EXPECT_EQ(boxes.texts(), "右下には-100000から100000までの数値を入力して下さい。");
    Element& e = d.stored(id);
    const CornerRounding& r = *e.cornerRounding();
    EXPECT_EQ(std::vector<double>({r.radius(0), r.radius(1), r.radius(2), r.radius(3)}),
              std::vector<double>({1, 7, -2.5, 4}));
    EXPECT_EQ(e.lean()->angle, 30.0);
}

TEST(StrokePages, TheBoxPatternSwatchIsNeverTheWidthFieldOfTheSameId)
{
    PropertyDrawing d;
    ChooserScript chooser;
    ChooserScript::colour = RGB(10, 200, 30);
    const int id = addKind(d, ElementKind::Box);
    int callsOnLineTypePage = -1;
    std::string widthShown;
    (void)d.runSheet(id, 0, 0, [&](HWND w) {
        chooseTab(w, kLineTypePage);
        click(w, IDC_BOX_WIDTH);
        callsOnLineTypePage = ChooserScript::calls;
        widthShown = textOf(w, IDC_BOX_WIDTH);
        chooseTab(w, kColourPage);
        click(w, IDC_BOX_PATTERN_COLOUR);
        finish(w, IDOK);
    });
    EXPECT_EQ(callsOnLineTypePage, 0);
    EXPECT_EQ(widthShown, "0.14");
    EXPECT_EQ(ChooserScript::calls, 1);
    Element& e = d.stored(id);
    const InkColor& hatch = e.hatch()->colour;
    EXPECT_EQ(RGB(hatch.getRed(), hatch.getGreen(), hatch.getBlue()), RGB(10, 200, 30));
    const InkColor& edge = e.edge()->colour;
    EXPECT_NE(RGB(edge.getRed(), edge.getGreen(), edge.getBlue()), RGB(10, 200, 30));
    EXPECT_EQ(e.lineWidth()->width, 0.14);
}
