// The property dialog framework run through the element editor's property sheet: what each
// frame button leaves in the stored element and answers, the stepping buttons, the page and the
// position the next dialog opens on, the common page's layers and names, and the colour pick
// through the application's chooser, and a value a field cannot take.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "document/Element.h"
#include "document/PropertyDialogPlacement.h"
#include "document/UndoManager.h"
#include "geometry/DrawPoint.h"
#include "geometry/FillAttributes.h"
#include "geometry/FontAttributes.h"
#include "geometry/GrayAttributes.h"
#include "geometry/InkColor.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/PointList.h"
#include "platform/TabControl.h"
#include "resources/ids_defaults.h"
#include "resources/ids_properties.h"
#include "resources/ids_text_measure_defaults.h"
#include "resources/ids_text_properties.h"
#include "shapes/MeasureAttributes.h"
#include "shapes/RadiusList.h"
#include "tests/dialogs/PropertyFixture.h"
#include "tests/dialogs/defaults/DefaultsFixture.h"
#include "tests/support/IntegerFieldTexts.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"

using namespace property_test;

namespace {

constexpr int kLineTypePage = 2;
constexpr int kLinePointsPage = 3;

int currentTab(HWND dialog)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, TabControl::kControlId, TCM_GETCURSEL, 0, 0));
}

} // namespace

TEST(PropertyDialog, EachFrameButtonKeepsOrDropsThePagesAsItsResultSays)
{
    struct Case {
        const char* what;
        int button;      // the button that ends the dialog (0: the window's close box)
        int redisplayFirst;
        int result;
        bool stored;
    };
    const Case cases[] = {
        {"OK", IDOK, 0, 1, true},
        {"Cancel", IDCANCEL, 0, 2, false},
        {"<", IDC_PROPERTY_PREVIOUS, 0, 15092, false},
        {"<S", IDC_PROPERTY_STORE_PREVIOUS, 0, 15093, true},
        {"S>", IDC_PROPERTY_STORE_NEXT, 0, 15094, true},
        {">", IDC_PROPERTY_NEXT, 0, 15095, false},
        {"the close box", 0, 0, 2, false},
        {"再表示 stores into the working copy and stays open; Cancel drops it", IDCANCEL, 1, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PropertyDrawing d;
        const int id = d.addLine(10, 20, 50, 80);
        const int records = d.context.undoManager->recordCount();
        bool openAfterRedisplay = false;
        double startAfterRedisplay = 0.0;
        // Two pages edited: the width, then the start point after a tab switch stores the width.
        const int result = d.runSheet(id, 1, 1, [&](HWND w) {
            chooseTab(w, kLineTypePage);
            type(w, IDC_LINE_WIDTH, "0.7");
            chooseTab(w, kLinePointsPage);
            type(w, IDC_LINE_START_X, "33");
            if (c.redisplayFirst) {
                d.updater->lastOperation = 0;
                click(w, IDC_PROPERTY_REDISPLAY);
                openAfterRedisplay = IsWindow(w) && IsWindowEnabled(GetDlgItem(w, IDOK));
                startAfterRedisplay = PropertyDrawing::dialog()->element->firstPoint()->x;
                EXPECT_NE(d.updater->lastOperation, 0) << "the element was repainted";
            }
            if (c.button)
                finish(w, c.button);
            else
                PostMessageA(w, WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(result, c.result);
        Element& line = d.stored(id);
        EXPECT_EQ(line.lineWidth()->width, c.stored ? 0.7 : 0.14);
        EXPECT_EQ(line.firstPoint()->x, c.stored ? 33.0 : 10.0);
        EXPECT_EQ(line.firstPoint()->y, 20.0);
        EXPECT_EQ(d.context.undoManager->recordCount(), records + (c.stored ? 1 : 0));
        if (c.redisplayFirst) {
            EXPECT_TRUE(openAfterRedisplay);
            EXPECT_EQ(startAfterRedisplay, 33.0);
        }
    }
}

TEST(PropertyDialog, SteppingButtonsFollowTheNeighboursOnEveryPage)
{
    const int steps[] = {IDC_PROPERTY_PREVIOUS, IDC_PROPERTY_STORE_PREVIOUS, IDC_PROPERTY_STORE_NEXT,
                         IDC_PROPERTY_NEXT};
    struct Case {
        int hasPrevious, hasNext;
        std::vector<bool> enabled; // "<", "<S", "S>", ">"
    };
    const Case cases[] = {
        {0, 0, {false, false, false, false}},
        {1, 0, {true, true, false, false}},
        {0, 1, {false, false, true, true}},
        {1, 1, {true, true, true, true}},
    };
    PropertyDrawing d;
    const int id = d.addLine(10, 20, 50, 80);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.hasPrevious) + " " + std::to_string(c.hasNext));
        std::vector<bool> common, afterSwitch;
        (void)d.runSheet(id, c.hasPrevious, c.hasNext, [&](HWND w) {
            for (int step : steps)
                common.push_back(isEnabled(w, step));
            chooseTab(w, kLinePointsPage);
            for (int step : steps)
                afterSwitch.push_back(isEnabled(w, step));
            finish(w, IDCANCEL);
        });
        EXPECT_EQ(common, c.enabled);
        EXPECT_EQ(afterSwitch, c.enabled);
        // The placement brings the next run back to the common page.
        d.context.propertyPlacement->lastPage = 0;
    }
}

TEST(PropertyDialog, TheNextDialogOpensWhereTheLastClosed)
{
    PropertyDrawing d;
    const int line = d.addLine(10, 20, 50, 80);
    const int box = d.add(ElementKind::Box, [](Element& e) {
        e.firstPoint()->x = 100, e.firstPoint()->y = 100;
        e.secondPoint()->x = 150, e.secondPoint()->y = 140;
    });
    PropertyDialogPlacement& placement = *d.context.propertyPlacement;
    // A dimension's dialog showed page 5 last: the line has four pages and opens on the common one.
    placement.lastPage = 5;
    int firstTab = -1, firstMode = 0, keyedTab = -1;
    bool layerList = false, tabsReached = false, layerListAfterKey = true;
    ASSERT_EQ(d.runSheet(line, 0, 0,
                         [&](HWND w) {
                             firstTab = currentTab(w);
                             firstMode = PropertyDrawing::dialog()->placement;
                             layerList = GetDlgItem(w, IDC_LAYER_LIST) != nullptr;
                             // By keyboard alone: Tab to the strip, then the right arrow.
                             HWND tabs = GetDlgItem(w, TabControl::kControlId);
                             tabsReached = reachedByTab(w, tabs);
                             SetFocus(tabs);
                             SendMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
                             keyedTab = currentTab(w);
                             layerListAfterKey = GetDlgItem(w, IDC_LAYER_LIST) != nullptr;
                             chooseTab(w, kLinePointsPage);
                             SetWindowPos(w, nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
                             finish(w, IDOK);
                         }),
              1);
    EXPECT_EQ(firstTab, 0);
    EXPECT_TRUE(layerList);
    EXPECT_TRUE(tabsReached) << "the pages are reached by keyboard";
    EXPECT_EQ(keyedTab, 1);
    EXPECT_FALSE(layerListAfterKey) << "the arrow key showed the next page";
    EXPECT_EQ(firstMode, PropertyDialogPlacement::kFirstShowing);
    EXPECT_EQ(placement.lastPage, kLinePointsPage);
    EXPECT_EQ(placement.placementMode, PropertyDialogPlacement::kRemembered);
    EXPECT_EQ(placement.position.x, 123);
    EXPECT_EQ(placement.position.y, 77);

    // The box's page 3 is its area page; the window comes up where the line's closed.
    RECT r = {};
    int secondTab = -1;
    bool areaPage = false;
    (void)d.runSheet(box, 0, 0, [&](HWND w) {
        secondTab = currentTab(w);
        areaPage = GetDlgItem(w, IDC_AREA_EDGE_DRAWN) != nullptr;
        GetWindowRect(w, &r);
        finish(w, IDCANCEL);
    });
    EXPECT_EQ(secondTab, kLinePointsPage);
    EXPECT_TRUE(areaPage);
    EXPECT_EQ(r.left, 123);
    EXPECT_EQ(r.top, 77);
}

TEST(PropertyDialog, CommonPageListsTheLayersAndRenamesOnlyOnOk)
{
    // 300 bytes, whose first 79 end on a character boundary: "x" and 39 two-byte characters.
    std::string longName = "x";
    for (int i = 0; i < 149; ++i)
        longName += "あ";
    longName += "y";
    ASSERT_EQ(longName.size(), 300u);
    struct Case {
        const char* what;
        std::vector<const char*> typed; // into the name field, in turn, with row 12 chosen
        int button;
        int layer;             // the stored element's layer afterwards
        std::string rowName;   // row 12 of the list before the dialog ends
        std::string tableName; // the application's name of layer 12 afterwards
    };
    const std::string cut = longName.substr(0, 79);
    const Case cases[] = {
        {"a rename and OK reach the table", {"壁"}, IDOK, 12, "壁", "壁"},
        {"an emptied field renames nothing", {"壁", ""}, IDOK, 12, "壁", "壁"},
        {"S> keeps the layer but drops the rename", {"壁"}, IDC_PROPERTY_STORE_NEXT, 12, "壁", "12"},
        {"Cancel keeps both", {"壁"}, IDCANCEL, 7, "壁", "12"},
        {"a name of 300 bytes keeps 79", {longName.c_str()}, IDOK, 12, cut, cut},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PropertyDrawing d;
        const int id = d.add(ElementKind::Line, [](Element& e) {
            e.setLayer(7);
            e.secondPoint()->x = 10;
        });
        int rows = 0, chosen = -1;
        std::string shownName, row12;
        (void)d.runSheet(id, 1, 1, [&](HWND w) {
            PropertyDialog& dialog = *PropertyDrawing::dialog();
            Control* list = dialog.findControl(IDC_LAYER_LIST);
            ASSERT_NE(list, nullptr);
            rows = list->itemCount();
            chosen = list->getSelected();
            shownName = textOf(w, IDC_LAYER_NAME);
            (void)list->select(12);
            for (const char* text : c.typed)
                type(w, IDC_LAYER_NAME, text);
            char text[200] = {};
            (void)list->getItemText(12, text, sizeof text);
            row12 = text;
            finish(w, c.button);
        });
        EXPECT_EQ(rows, 256);
        EXPECT_EQ(chosen, 7);
        EXPECT_EQ(shownName, "7");
        EXPECT_EQ(row12, c.rowName);
        EXPECT_EQ(d.stored(id).getLayer(), c.layer);
        EXPECT_EQ(std::string(d.layers.nameOf(12)), c.tableName);
    }
}

TEST(PropertyDialog, ThePickThroughTheApplicationChooserSharesItsCustomColours)
{
    PropertyDrawing d;
    const int id = d.addLine(10, 20, 50, 80);
    d.chooser.setCustomColor(0, RGB(1, 2, 3));
    static COLORREF customSeen = 0;
    ScopedHook<ChooseColorFunction> answer(setChooseColorFunction, [](CHOOSECOLORA* record) -> BOOL {
        customSeen = record->lpCustColors[0];
        record->lpCustColors[5] = RGB(9, 8, 7);
        record->rgbResult = RGB(200, 100, 50);
        return TRUE;
    });
    ColorDialog own;
    InkColor colour;
    colour.setRgb(0, 0, 0);
    int picked = -1, withoutSwatch = -1;
    (void)d.runSheet(id, 0, 0, [&](HWND w) {
        chooseTab(w, 1);
        PropertyDialog& dialog = *PropertyDrawing::dialog();
        withoutSwatch = dialog.pickColourWithColourChooser(IDC_LINE_WIDTH, own, colour);
        picked = dialog.pickColourWithColourChooser(IDC_LINE_COLOUR, own, colour);
        finish(w, IDCANCEL);
    });
    EXPECT_EQ(withoutSwatch, 0);
    EXPECT_EQ(picked, 1);
    EXPECT_EQ(customSeen, RGB(1, 2, 3));
    EXPECT_EQ(d.chooser.getCustomColor(5), RGB(9, 8, 7));
    EXPECT_EQ(RGB(colour.getRed(), colour.getGreen(), colour.getBlue()), RGB(200, 100, 50));
}

TEST(PropertyDialog, AValueAFieldCannotTakeIsNamedWithWhatItTakesAndTheSheetStaysOnIt)
{
    // The test drawing lets a coordinate lie 100000 mm from the grid origin.
    struct Case {
        const char* what;
        ElementKind kind;
        int tab, field;
        const char* typed;
        const char* told;
        std::function<double(Element&)> value; // what the field edits
    };
    const Case cases[] = {
        {"a line width", ElementKind::Line, 2, IDC_LINE_WIDTH, "5000", "線の太さには0から1000までの数値を入力して下さい。",
         [](Element& e) { return e.lineWidth()->width; }},
        {"a point", ElementKind::Line, 3, IDC_LINE_START_X, "abc",
         "始点Xには-100000から100000までの数値を入力して下さい。", [](Element& e) { return e.firstPoint()->x; }},
        {"a radius", ElementKind::Circle, 3, IDC_CIRCLE_RADIUS, "0",
         "半径には0.0001から100000までの数値を入力して下さい。", [](Element& e) { return e.radii()->first(); }},
        {"a vertex", ElementKind::Breakline, 3, IDC_BREAKLINE_X, "1e7",
         "Xには-100000から100000までの数値を入力して下さい。", [](Element& e) { return e.vertices()->getX(0); }},
        {"a font size", ElementKind::Text, 2, IDC_TEXT_SIZE, "1000",
         "サイズには0.1001から999.999までの数値を入力して下さい。", [](Element& e) { return e.font()->size; }},
        {"a dimension's gap", ElementKind::Measure, 3, IDC_MEASURE_GAP, "12x",
         "下線との隙間には0から1000までの数値を入力して下さい。", [](Element& e) { return e.measure()->space; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PropertyDrawing d;
        const int id = c.kind == ElementKind::Text || c.kind == ElementKind::Measure ? d.addTextKind(c.kind)
                                                                                      : addKind(d, c.kind);
        ASSERT_GE(id, 1);
        const double before = c.value(d.stored(id));
        MessageBoxScript boxes;
        bool focused = false;
        std::string kept;
        const int result = d.runSheet(id, 0, 0, [&](HWND w) {
            chooseTab(w, c.tab);
            type(w, c.field, c.typed);
            click(w, IDOK);
            focused = GetFocus() == GetDlgItem(w, c.field);
            kept = textOf(w, c.field);
            finish(w, IDCANCEL);
        });
        EXPECT_EQ(boxes.texts(), c.told);
        EXPECT_EQ(result, 2) << "OK left the sheet open";
        EXPECT_TRUE(focused) << "the field the user is told of has the focus";
        EXPECT_EQ(kept, c.typed) << "what was typed stays to be mended";
        EXPECT_EQ(c.value(d.stored(id)), before);
    }
}

// Every integer field of the property, settings and batch pages (the tints in percent, the
// number of decimals) takes only a text that is wholly one number within its range, exactly that
// number: leaving the page for another and coming back shows what it took. Any other text
// is named with the field's label and range as the real fields name theirs, and neither another
// page nor OK leaves it; an emptied field keeps the value.
TEST(PropertyDialog, AnIntegerFieldOfAnyPageTakesOnlyAWholeNumberInItsRange)
{
    using namespace integer_field_test;
    using namespace defaults_test;
    using Command = int (DocumentContext::*)();
    const auto percent = [](const GrayAttributes& g, bool end) {
        return static_cast<int>(std::lround((end ? g.endGray : g.startGray) * 100));
    };
    struct Field {
        const char* label;
        int high;
        ElementKind kind; // whose property sheet shows the field, unless ...
        Command command;  // ... a settings or batch command does
        int tab, id;
        std::function<int(DefaultsDrawing&, int element)> value;
    };
    const auto sheetTint = [&](bool end) {
        return [=](DefaultsDrawing& d, int id) { return percent(d.stored(id).fill()->gray, end); };
    };
    const auto lineTint = [&](bool end) { return [=](DefaultsDrawing& d, int) { return percent(d.record().paintGray, end); }; };
    const auto curveTint = [&](bool end) {
        return [=](DefaultsDrawing& d, int) { return percent(d.bezierRecord().paintGray, end); };
    };
    const auto sheetDecimals = [](DefaultsDrawing& d, int id) { return d.stored(id).measure()->decimals; };
    const auto recordDecimals = [](DefaultsDrawing& d, int) { return d.measures().numeralValues->decimals; };
    const ElementKind none = ElementKind::Line;
    const Field fields[] = {
        {"開始%", 100, ElementKind::Box, nullptr, 3, IDC_AREA_SCREEN_START, sheetTint(false)},
        {"終了%", 100, ElementKind::Box, nullptr, 3, IDC_AREA_SCREEN_END, sheetTint(true)},
        {"開始%", 100, ElementKind::Bezier, nullptr, 2, IDC_AREA_SCREEN_START, sheetTint(false)},
        {"終了%", 100, ElementKind::Bezier, nullptr, 2, IDC_AREA_SCREEN_END, sheetTint(true)},
        {"開始%", 100, none, &DocumentContext::editLineDefaults, 3, IDC_AREA_SET_START, lineTint(false)},
        {"終了%", 100, none, &DocumentContext::editLineDefaults, 3, IDC_AREA_SET_END, lineTint(true)},
        {"開始%", 100, none, &DocumentContext::batchEditLine, 3, IDC_AREA_BATCH_START, lineTint(false)},
        {"終了%", 100, none, &DocumentContext::batchEditLine, 3, IDC_AREA_BATCH_END, lineTint(true)},
        {"開始%", 100, none, &DocumentContext::editBezierDefaults, 2, IDC_AREA_SET_START, curveTint(false)},
        {"終了%", 100, none, &DocumentContext::editBezierDefaults, 2, IDC_AREA_SET_END, curveTint(true)},
        {"開始%", 100, none, &DocumentContext::batchEditBezier, 2, IDC_AREA_BATCH_START, curveTint(false)},
        {"終了%", 100, none, &DocumentContext::batchEditBezier, 2, IDC_AREA_BATCH_END, curveTint(true)},
        {"小数点以下の桁数", 50, ElementKind::Measure, nullptr, 3, IDC_MEASURE_DECIMALS, sheetDecimals},
        {"小数点以下の桁数", 50, ElementKind::AngleMeasure, nullptr, 3, IDC_ANGLE_DECIMALS, sheetDecimals},
        {"小数点以下の桁数", 50, ElementKind::MsrRadius, nullptr, 3, IDC_ANGLE_DECIMALS, sheetDecimals},
        {"小数点以下の桁数", 50, none, &DocumentContext::editMeasureDefaults, 3, IDC_MEASURE_SET_DECIMALS, recordDecimals},
        {"小数点以下の桁数", 50, none, &DocumentContext::batchEditMeasure, 3, IDC_MEASURE_BATCH_DECIMALS, recordDecimals},
    };
    const auto screened = [](Element& e) { e.fill()->gray.startGray = 0.3, e.fill()->gray.endGray = 0.7; };
    const auto curve = [&](Element& e) {
        e.clearPoints();
        for (double x : {10.0, 20.0, 40.0, 50.0})
            e.appendPoint(x, x, 0.0);
        screened(e);
    };
    const auto threeDecimals = [](Element& e) { (void)e.measure()->setDecimals(3); };
    ApplicationRecord lines;
    ApplicationFontRecords fonts;
    ApplicationBezierRecord curves;
    MessageBoxScript boxes;
    for (const Field& f : fields) {
        SCOPED_TRACE(std::to_string(f.command ? 0 : kindCode(f.kind)) + " " + std::to_string(f.id));
        DefaultsDrawing d;
        d.record().paintGray.startGray = d.bezierRecord().paintGray.startGray = 0.3;
        d.record().paintGray.endGray = d.bezierRecord().paintGray.endGray = 0.7;
        (void)d.measures().numeralValues->setDecimals(3);
        const int id = f.command                       ? 0
                       : f.kind == ElementKind::Box    ? addKind(d, f.kind, screened)
                       : f.kind == ElementKind::Bezier ? d.add(f.kind, curve)
                                                       : d.addTextKind(f.kind, threeDecimals);
        std::string held = std::to_string(f.value(d, id));
        const Script script = [&](HWND w) {
            chooseTab(w, f.tab);
            for (const TypedText& t : textsFor(0, f.high)) {
                SCOPED_TRACE('"' + t.text + '"');
                type(w, f.id, t.text.c_str());
                chooseTab(w, 1);
                if (t.outcome == Outcome::Named) {
                    EXPECT_EQ(boxes.texts(), namedWith(f.label, 0, f.high));
                    EXPECT_EQ(currentTab(w), f.tab);
                    EXPECT_EQ(GetDlgCtrlID(GetFocus()), f.id);
                    EXPECT_EQ(textOf(w, f.id), t.text);
                } else {
                    EXPECT_EQ(boxes.texts(), "");
                    chooseTab(w, f.tab);
                    if (t.outcome == Outcome::Taken)
                        held = std::to_string(t.number);
                    EXPECT_EQ(textOf(w, f.id), held);
                }
                boxes.clear();
            }
            type(w, f.id, "1 6");
            click(w, IDOK);
            EXPECT_EQ(boxes.texts(), namedWith(f.label, 0, f.high)) << "OK";
            EXPECT_EQ(GetDlgCtrlID(GetFocus()), f.id) << "OK leaves the dialog on the field";
            boxes.clear();
            type(w, f.id, "+7");
            finish(w, IDOK);
        };
        EXPECT_EQ(f.command ? d.run(f.command, script) : d.runSheet(id, 0, 0, script), 1);
        EXPECT_EQ(f.value(d, id), 7);
    }
}

TEST(PropertyDialog, EveryWayOfStoringAPageStopsAtAFieldItCannotTakeAndGoesOnOnceItIsMended)
{
    // A breakline's vertex page: each way of leaving or storing it with X out of bounds tells the
    // user once and stays; with X mended, the same way goes on and stores it.
    struct Case {
        const char* what;
        std::function<void(HWND)> act;
        int result; // with X mended
    };
    const Case cases[] = {
        {"OK", [](HWND w) { click(w, IDOK); }, 1},
        {"S>", [](HWND w) { click(w, IDC_PROPERTY_STORE_NEXT); }, 15094},
        {"<S", [](HWND w) { click(w, IDC_PROPERTY_STORE_PREVIOUS); }, 15093},
        {"another tab", [](HWND w) { chooseTab(w, 1); }, 1},
        {"the next vertex", [](HWND w) { click(w, IDC_BREAKLINE_NEXT); }, 1},
        {"再表示", [](HWND w) { click(w, IDC_PROPERTY_REDISPLAY); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PropertyDrawing d;
        const int id = addKind(d, ElementKind::Breakline);
        MessageBoxScript boxes;
        std::string vertexShown, typedShown;
        int tabShown = -1, resultWhileRefused = 0;
        size_t toldAfterMending = 0;
        const int result = d.runSheet(id, 1, 1, [&](HWND w) {
            chooseTab(w, 3);
            type(w, IDC_BREAKLINE_X, "-1e7");
            c.act(w);
            resultWhileRefused = PropertyDrawing::dialog()->result;
            tabShown = currentTab(w);
            vertexShown = textOf(w, IDC_BREAKLINE_NUMBER);
            typedShown = textOf(w, IDC_BREAKLINE_X);
            type(w, IDC_BREAKLINE_X, "33");
            c.act(w);
            toldAfterMending = boxes.shown().size();
            finish(w, IDOK); // ignored where the act ended the sheet
        });
        EXPECT_EQ(boxes.texts(), "Xには-100000から100000までの数値を入力して下さい。");
        EXPECT_EQ(toldAfterMending, 1u);
        EXPECT_EQ(resultWhileRefused, 2) << "nothing ended the dialog";
        EXPECT_EQ(tabShown, 3);
        EXPECT_EQ(vertexShown, "1");
        EXPECT_EQ(typedShown, "-1e7");
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(d.stored(id).vertices()->getX(0), 33.0);
    }
}
