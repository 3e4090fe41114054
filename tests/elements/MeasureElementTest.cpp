// The length and angle dimension elements: their file sections and store records, geometry and
// extents, creation by the scripted mouse in every mode, and editing with undo.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "document/FileErrorReporter.h"
#include "document/SheetSettings.h"
#include "document/UndoManager.h"
#include "elements/AngleMeasureElement.h"
#include "elements/MeasureElement.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/PointList.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/MouseSource.h"
#include "platform/MouseState.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/MeasureAttributes.h"
#include "tests/elements/LineFixture.h"
#include "tests/elements/RecordCuts.h"
#include "tests/support/FakeClock.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

constexpr int kMeasure = 14;
constexpr int kAngle = 15;
enum Keys { N = ScriptedMouse::kNone, L = ScriptedMouse::kLeft, R = ScriptedMouse::kRight };

// The element under the cursor: line 1 above y = 25, line 2 from there to y = 50, none below.
class PickingTool : public CursorSelectTool {
public:
    [[nodiscard]] int findInPickBox() override
    {
        IntPoint p;
        readCursorPos(p);
        return p.y < 25 ? 1 : p.y < 50 ? 2 : -1;
    }
};

// A dimension of the kind in editor 3's hand, stored with an undo record; its id.
int addDimension(LineDrawing& drawing, int kind, const std::vector<Point>& points, Point display, int drawType = 0)
{
    ElementEditorBase* editor = drawing.context.editor3;
    if (!editor->startNewElement(kind))
        return 0;
    Element* e = editor->elementInHand();
    e->vertices()->count = 0; // the editor keeps the last element of the kind in its hand
    for (const Point& p : points)
        if (!e->vertices()->appendXYZ(p.x, p.y, 0.0))
            return 0;
    e->thirdPoint()->x = display.x, e->thirdPoint()->y = display.y;
    if (auto* angle = dynamic_cast<AngleMeasureElement*>(e))
        angle->drawType.value = drawType;
    return editor->commitNewElement() == 1 ? e->id : 0;
}

std::unique_ptr<Element> newDimension(LineDrawing& drawing, int kind, const std::vector<Point>& points, Point display)
{
    std::unique_ptr<Element> e(drawing.registry->createElement(kind));
    e->context = &drawing.context;
    e->kind = kind;
    for (const Point& p : points)
        EXPECT_TRUE(e->vertices()->appendXYZ(p.x, p.y, 0.0));
    e->thirdPoint()->x = display.x, e->thirdPoint()->y = display.y;
    return e;
}

std::string pointsText(const Element& e)
{
    std::string out;
    Point p;
    for (int i = 0; i < e.vertices()->count; ++i)
        if (e.vertices()->getPoint(i, &p))
            out += "(" + std::to_string(static_cast<int>(std::lround(p.x))) + "," +
                   std::to_string(static_cast<int>(std::lround(p.y))) + ")";
    return out;
}

// The select tool of the drawing replaced by one that finds elements under the cursor.
void usePickingTool(LineDrawing& drawing)
{
    delete drawing.context.selectTool;
    drawing.tool = new PickingTool;
    drawing.context.selectTool = drawing.tool;
}

} // namespace

// Both kinds write their tags in order and read back every value (the angle's draw type too);
// a drawing saved again is byte-identical.
TEST(MeasureFile, SectionsReadBackAndSaveAgainTheSame)
{
    TestApplication app;
    ScratchFolder scratch;
    std::string first;
    {
        LineDrawing drawing;
        ASSERT_EQ(addDimension(drawing, kMeasure, {{0, 0}, {30, 0}, {45.5, 0}}, {20, -12}), 1);
        ASSERT_EQ(addDimension(drawing, kAngle, {{10, 0}, {0, -10}, {0, 0}}, {5, -5}, AngleMeasureElement::kArc), 2);
        ASSERT_EQ(addDimension(drawing, kAngle, {{10, 0}, {0, -10}, {0, 0}}, {-5, 5}, AngleMeasureElement::kArrow), 3);
        first = drawing.save(scratch.pathOf("dimensions.ycx"));
    }
    ASSERT_FALSE(first.empty());
    for (const char* section : {"<measure>", "<msrangle>"}) {
        size_t at = first.find(section);
        ASSERT_NE(at, std::string::npos) << section;
        for (const char* tag : {"<listXY>", "<dispPoint>", "<font>", "<numeral>", "<underLine>", "<drawLine>",
                                "<arrowLine>"}) {
            const size_t next = first.find(tag, at);
            ASSERT_NE(next, std::string::npos) << section << tag;
            at = next;
        }
    }
    EXPECT_NE(first.find("<drawType>\"ARC\"</drawType>"), std::string::npos);
    EXPECT_NE(first.find("<drawType>\"ARROW\"</drawType>"), std::string::npos);
    EXPECT_NE(first.find("<angleUnit>"), std::string::npos) << "the angle writes its angle unit";

    LineDrawing reopened;
    ASSERT_EQ(reopened.open(scratch.pathOf("dimensions.ycx")), 1);
    ASSERT_EQ(reopened.context.elementCount(), 3);
    struct Expect {
        int id, kind;
        const char* points;
        double displayX;
        int drawType;
    } expects[] = {{1, kMeasure, "(0,0)(30,0)(46,0)", 20, 0},
                   {2, kAngle, "(10,0)(0,-10)(0,0)", 5, AngleMeasureElement::kArc},
                   {3, kAngle, "(10,0)(0,-10)(0,0)", -5, AngleMeasureElement::kArrow}};
    for (const Expect& x : expects) {
        ASSERT_EQ(reopened.context.editor3->beginEdit(x.id), 1);
        Element* e = reopened.context.editor3->elementInHand();
        EXPECT_EQ(e->kind, x.kind);
        EXPECT_EQ(pointsText(*e), x.points);
        EXPECT_EQ(e->thirdPoint()->x, x.displayX);
        if (auto* angle = dynamic_cast<AngleMeasureElement*>(e)) {
            EXPECT_EQ(angle->drawType.value, x.drawType) << x.id;
        }
    }
    EXPECT_EQ(reopened.save(scratch.pathOf("again.ycx")), first);

    // Sections with too few points, without a display point, with decimals out of range or an
    // unknown draw type load; their elements draw what they can and measure finitely.
    struct Bad {
        const char* name;
        std::string from, to;
    } bad[] = {
        {"one measured point", "<nums>3</nums>\r\n     <xyAray>\r\n0,0,30,0,45.5,0",
         "<nums>1</nums>\r\n     <xyAray>\r\n0,0"},
        {"an angle of two points", "<nums>3</nums>\r\n     <xyAray>\r\n10,0,0,-10,0,0",
         "<nums>2</nums>\r\n     <xyAray>\r\n10,0,0,-10"},
        {"no display point", "<dispPoint>\r\n     <x>20</x>\r\n     <y>-12</y>\r\n    </dispPoint>\r\n", ""},
        {"99 decimals", "<decimalNum>0</decimalNum>", "<decimalNum>99</decimalNum>"},
        {"an unknown draw type", "<drawType>\"ARC\"</drawType>", "<drawType>\"ARK\"</drawType>"},
    };
    for (const Bad& b : bad) {
        std::string text = first;
        const size_t at = text.find(b.from);
        ASSERT_NE(at, std::string::npos) << b.name;
        text.replace(at, b.from.size(), b.to);
        app->errorCount = 0;
        theFileErrorReporter.reset();
        MessageBoxScript boxes;
        LineDrawing drawing;
        ASSERT_EQ(drawing.open(scratch.file("bad.ycx", text)), 1) << b.name;
        ASSERT_EQ(drawing.context.elementCount(), 3) << b.name;
        for (int id = 1; id <= 3; ++id) {
            ASSERT_EQ(drawing.context.editor3->beginEdit(id), 1) << b.name;
            Element* e = drawing.context.editor3->elementInHand();
            (void)e->draw(); // what it can
            e->computeExtent(1);
            EXPECT_TRUE(std::isfinite(e->extentMin.x) && std::isfinite(e->extentMax.y)) << b.name << " " << id;
        }
    }
}

// The record of both kinds: every value back, the angle's draw type included; every cut fails
// inside the record.
TEST(MeasureRecord, EveryCutOfTheRecordFailsWithinIt)
{
    TestApplication app;
    for (int kind : {kMeasure, kAngle}) {
        LineDrawing drawing;
        ASSERT_EQ(addDimension(drawing, kind, {{1.5, 2}, {30.25, 2}, {0, 0}}, {7, -9}, AngleMeasureElement::kArrow), 1);
        ASSERT_EQ(drawing.context.editor3->beginEdit(1), 1);
        Element* e = drawing.context.editor3->elementInHand();
        ASSERT_EQ(e->measure()->setDecimals(3), 1);
        e->arrowHead()->kind = ArrowHeadStyle::kFillArc;
        element_fixture::expectEveryCutFails(drawing, *e, [kind](Element& copy) {
            EXPECT_EQ(pointsText(copy), "(2,2)(30,2)(0,0)");
            EXPECT_EQ(copy.thirdPoint()->y, -9.0);
            EXPECT_EQ(copy.measure()->decimals, 3);
            EXPECT_EQ(copy.arrowHead()->kind, ArrowHeadStyle::kFillArc);
            if (kind == kAngle) {
                EXPECT_EQ(static_cast<AngleMeasureElement&>(copy).drawType.value, AngleMeasureElement::kArrow);
            }
        });
    }
}

// Moves are exact at any scale, the quick extent is one paper millimetre wider than the exact
// one, the angle's extent covers what it draws, and corrupt values draw and measure finitely.
TEST(MeasureGeometry, MovesExtentsAndBadValues)
{
    TestApplication app;
    LineDrawing drawing;
    auto* sheet = dynamic_cast<SheetSettings*>(drawing.context.paperSettings());
    ASSERT_NE(sheet, nullptr);
    sheet->setScaleDenominator(100);

    drawing.view->lengthScale = 10.0; // the numerals are measured at 10 pixels per paper millimetre
    auto length = newDimension(drawing, kMeasure, {{0.25, 3}, {1200.5, 3}, {2000, -7.5}}, {600, -400});
    length->translate(10, 0, 0);
    length->translate(-10, 0, 0);
    EXPECT_EQ(pointsText(*length), "(0,3)(1201,3)(2000,-8)");
    EXPECT_EQ(length->vertices()->getX(0), 0.25);
    EXPECT_EQ(length->vertices()->getX(1), 1200.5);
    EXPECT_EQ(length->thirdPoint()->x, 600.0);

    length->computeExtent(1);
    const Point lo1 = length->extentMin, hi1 = length->extentMax;
    length->computeExtent(0);
    EXPECT_NEAR(lo1.x - length->extentMin.x, 100.0, 1e-9);
    EXPECT_NEAR(lo1.y - length->extentMin.y, 100.0, 1e-9);
    EXPECT_NEAR(length->extentMax.x - hi1.x, 100.0, 1e-9);
    EXPECT_NEAR(length->extentMax.y - hi1.y, 100.0, 1e-9);
    EXPECT_LE(lo1.y, -400.0 - 300.0) << "the numeral's height (3.75 mm at 1:100) stands over D's line";

    // The stored extent of an angle holds its leader (ARROW) and its arc (ARC).
    sheet->setScaleDenominator(1);
    struct Case {
        Point display;
        int type;
        Point inside[2];
    } cases[] = {
        {{-20, 5}, AngleMeasureElement::kArrow, {{-2.9, 0.8}, {-20, 6}}},
        {{5, -5}, AngleMeasureElement::kArc, {{6.9, -1.5}, {1.5, -6.9}}},
    };
    for (const Case& c : cases) {
        auto angle = newDimension(drawing, kAngle, {{10, 0}, {0, -10}, {0, 0}}, c.display);
        static_cast<AngleMeasureElement*>(angle.get())->drawType.value = c.type;
        angle->computeExtent(1);
        for (const Point& p : c.inside) {
            EXPECT_LE(angle->extentMin.x, p.x) << c.type;
            EXPECT_LE(angle->extentMin.y, p.y) << c.type;
            EXPECT_GE(angle->extentMax.x, p.x) << c.type;
            EXPECT_GE(angle->extentMax.y, p.y) << c.type;
        }
    }

    // Too few points, no display point, decimals out of range, points not finite: nothing
    // breaks, extents stay finite.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Bad {
        int kind;
        std::vector<Point> points;
        int decimals;
    } bad[] = {
        {kMeasure, {}, 0},          {kMeasure, {{5, 5}}, 0},   {kMeasure, {{0, 0}, {nan, 4}}, 0},
        {kMeasure, {{0, 0}, {9, 0}}, 999}, {kAngle, {{1, 0}, {0, 0}}, 0}, {kAngle, {{1, 0}, {0, 1}, {0, 0}, {3, 3}}, 0},
        {kAngle, {{0, 0}, {0, 0}, {0, 0}}, 0},
    };
    for (const Bad& b : bad) {
        auto e = newDimension(drawing, b.kind, b.points, {2, 2});
        e->measure()->decimals = b.decimals;
        (void)e->draw(); // whatever it can
        (void)e->hitTest();
        e->computeExtent(1);
        EXPECT_TRUE(std::isfinite(e->extentMin.x) && std::isfinite(e->extentMax.y)) << b.kind << " " << b.points.size();
        e->computeExtent(0);
        EXPECT_TRUE(std::isfinite(e->extentMin.y) && std::isfinite(e->extentMax.x)) << b.kind << " " << b.points.size();
    }
}

// Creation by the scripted mouse: the press at (10, 10) at 1000 ms has placed the first point.
TEST(MeasureCreation, ModesKeysAndResults)
{
    struct Step {
        DWORD at;
        int x, y, keys;
    };
    struct Case {
        const char* name;
        int kind, mode;
        std::vector<Step> script;
        int typed;
        int cancelAt; // the view's step that cancels the tracking, 0 never
        int result;
        std::string points;
        Point display;
        int direction;
        int drawType;
    } cases[] = {
        {"mode 11: a click, then the placing click", kMeasure, 11,
         {{1000, 10, 10, N}, {1100, 40, 10, N}, {1200, 40, 10, L}, {1300, 40, 10, N}, {1400, 25, 0, N},
          {1500, 25, 0, L}},
         0, 0, 1, "(10,10)(40,10)", {25, 0}, MeasureAttributes::kRight, 0},
        {"'-' while placing: horizontal", kMeasure, 11,
         {{1000, 10, 10, N}, {1100, 40, 30, N}, {1200, 40, 30, L}, {1300, 40, 30, N}, {1400, 25, 0, N},
          {1500, 25, 0, L}},
         '-', 0, 1, "(10,10)(40,30)", {25, 0}, MeasureAttributes::kHorizontal, 0},
        {"mode 11: a right click", kMeasure, 11, {{1000, 10, 10, N}, {1100, 40, 10, N}, {1200, 40, 10, R}}, 0, 0, 21,
         "(10,10)", {0, 0}, MeasureAttributes::kRight, 0},
        {"mode 11: a second click in place is a double click", kMeasure, 11, {{1000, 10, 10, N}, {1200, 10, 10, L}},
         0, 0, 15, "(10,10)", {0, 0}, MeasureAttributes::kRight, 0},
        // The first press snaps to line 1's nearer end.
        {"mode 13: the second click on empty paper", kMeasure, 13,
         {{1000, 10, 10, N}, {1200, 40, 80, N}, {1300, 40, 80, L}}, 0, 0, -1, "(0,10)", {0, 0},
         MeasureAttributes::kRight, 0},
        {"mode 13: key points of two lines", kMeasure, 13,
         {{1000, 10, 10, N}, {1200, 40, 40, N}, {1300, 40, 40, L}, {1400, 40, 40, N}, {1500, 60, 30, N},
          {1600, 60, 30, L}},
         0, 0, 1, "(0,10)(50,40)", {60, 30}, MeasureAttributes::kRight, 0},
        {"mode 12: a right click with one point keeps it", kMeasure, 12,
         {{1000, 10, 10, N}, {1100, 12, 10, N}, {1200, 12, 10, R}, {1300, 12, 10, N}}, 0, 8, -1, "(10,10)", {0, 0},
         MeasureAttributes::kRight, 0},
        // Horizontal and sharing x: the span is taken on y instead.
        {"mode 12: a chain on one x reaches placement", kMeasure, 12,
         {{1000, 10, 10, N}, {1100, 10, 40, N}, {1200, 10, 40, L}, {1300, 10, 40, N}, {1400, 30, 25, N},
          {2000, 30, 25, L}},
         '-', 0, 1, "(10,10)(10,40)", {30, 25}, MeasureAttributes::kHorizontal, 0},
        {"mode 21: the first step keeps two points", kAngle, 21,
         {{1000, 10, 10, N}, {1100, 40, 10, N}, {1200, 40, 10, L}}, 0, 8, -1, "(10,10)(40,10)", {0, 0},
         MeasureAttributes::kRight, AngleMeasureElement::kArrow},
        {"mode 22: parallel lines", kAngle, 22, {{1000, 10, 10, N}, {1200, 20, 40, N}, {1300, 20, 40, L}}, 0, 0, -1,
         "(10,10)", {0, 0}, MeasureAttributes::kRight, AngleMeasureElement::kArc},
    };
    TestApplication app;
    for (const Case& c : cases) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        usePickingTool(drawing);
        // Line 1 along y = 10 from 0 to 50, line 2 along y = 40; their key points are their ends.
        ASSERT_EQ(drawing.addLine(0, 10, 50, 10), 1);
        ASSERT_EQ(drawing.addLine(0, 40, 50, 40), 2);
        ScriptedMouse mouse;
        for (const Step& s : c.script)
            mouse.at(s.at, s.x, s.y, s.keys);
        mouse.advanceClockPerRead(&clock, 50);
        drawing.view->cancelAt = c.cancelAt;
        drawing.points->press = Point(10, 10);
        drawing.points->has = 1;
        ScopedOverride<int> code(theCurrentEvent->code, c.typed ? EV_KEY_DOWN : 0);
        ScopedOverride<UINT> message(theCurrentEvent->message, WM_CHAR);
        ScopedOverride<WPARAM> character(theCurrentEvent->wParam, static_cast<WPARAM>(c.typed));
        auto e = newDimension(drawing, c.kind, {}, {0, 0});
        e->restartClickTimer();
        EXPECT_EQ(e->beginCreateInput(c.mode), c.result) << c.name;
        EXPECT_EQ(pointsText(*e), c.points) << c.name;
        EXPECT_EQ(e->measure()->direction, c.direction) << c.name;
        if (c.result == 1) {
            EXPECT_EQ(e->thirdPoint()->x, c.display.x) << c.name;
            EXPECT_EQ(e->thirdPoint()->y, c.display.y) << c.name;
        }
        if (c.result == -1) {
            EXPECT_EQ(e->inputPending, 1) << c.name << ": the next mouse step goes on";
        }
        if (auto* angle = dynamic_cast<AngleMeasureElement*>(e.get())) {
            EXPECT_EQ(angle->drawType.value, c.drawType) << c.name;
        }
    }
}

// Placing the display point: the keys change the direction and the cursor; the angle's draw
// type follows D; mode 21 goes on from the points it kept.
TEST(MeasureCreation, PlacementKeysCursorsAndTheAngleGoingOn)
{
    TestApplication app;
    HCURSOR cursors[2] = {};
    const int keys[2] = {'-', '*'};
    for (int k = 0; k < 2; ++k) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        ScriptedMouse mouse;
        mouse.at(1000, 10, 10).at(1100, 40, 10).at(1200, 40, 10, L).at(1300, 40, 10).at(1400, 25, 0).at(1500, 25, 0, L);
        mouse.advanceClockPerRead(&clock, 50);
        drawing.points->press = Point(10, 10);
        drawing.points->has = 1;
        ScopedOverride<int> code(theCurrentEvent->code, EV_KEY_DOWN);
        ScopedOverride<UINT> message(theCurrentEvent->message, WM_CHAR);
        ScopedOverride<WPARAM> character(theCurrentEvent->wParam, static_cast<WPARAM>(keys[k]));
        auto e = newDimension(drawing, kMeasure, {}, {0, 0});
        e->measure()->direction = MeasureAttributes::kVertical;
        ASSERT_EQ(e->beginCreateInput(11), 1);
        EXPECT_EQ(e->measure()->direction, k == 0 ? MeasureAttributes::kHorizontal : MeasureAttributes::kRight);
        cursors[k] = theMouseState->cursor;
    }
    EXPECT_NE(cursors[0], cursors[1]) << "each direction shows its cursor";

    // Mode 21 in two mouse steps: the third point, then D inside (ARC) or outside (ARROW).
    struct Case {
        int x, y;
        int drawType;
    } cases[] = {{15, 5, AngleMeasureElement::kArc}, {30, 30, AngleMeasureElement::kArrow}};
    for (const Case& c : cases) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        drawing.points->press = Point(20, 10);
        drawing.points->has = 1;
        auto e = newDimension(drawing, kAngle, {}, {0, 0});
        {
            ScriptedMouse mouse;
            mouse.at(1000, 20, 10).at(1100, 10, 0).at(1200, 10, 0, L).at(1300, 10, 0);
            mouse.advanceClockPerRead(&clock, 50);
            drawing.view->cancelAt = 6;
            ASSERT_EQ(e->beginCreateInput(21), -1);
            ASSERT_EQ(e->inputPending, 1);
        }
        ScriptedMouse mouse;
        mouse.at(2000, 10, 0).at(2100, 10, 10).at(2200, 10, 10, L).at(2300, 10, 10).at(2400, c.x, c.y).at(2500, c.x, c.y, L);
        mouse.advanceClockPerRead(&clock, 50);
        drawing.view->steps = 0;
        drawing.view->cancelAt = 0;
        EXPECT_EQ(e->continueCreateInput(21), 1);
        EXPECT_EQ(pointsText(*e), "(20,10)(10,0)(10,10)");
        EXPECT_EQ(static_cast<AngleMeasureElement*>(e.get())->drawType.value, c.drawType) << c.x;
    }
}

// Editing: a drag of a measured point or of D (one point in the undo record), '-' on a chain of
// three and then refused, '+' refused on D; the angle refuses both keys and retypes itself.
TEST(MeasureEditing, DragsInsertsDeletesAndUndo)
{
    struct Case {
        const char* name;
        int kind;
        std::vector<Point> points;
        Point display;
        int key;
        Point cursor, release;
        int result;
        std::string after;
        Point displayAfter;
        int drawTypeAfter;
    } cases[] = {
        {"drag the middle point", kMeasure, {{10, 10}, {30, 10}, {50, 10}}, {30, 0}, 0, {30, 10}, {34, 16}, 11,
         "(10,10)(34,16)(50,10)", {30, 0}, 0},
        {"drag D: the points stay", kMeasure, {{10, 10}, {30, 10}}, {20, 0}, 0, {20, 0}, {26, -8}, 11, "(10,10)(30,10)",
         {26, -8}, 0},
        {"'-' on a chain of three", kMeasure, {{10, 10}, {30, 10}, {50, 10}}, {30, 0}, '-', {30, 10}, {30, 10}, 11,
         "(10,10)(50,10)", {30, 0}, 0},
        {"'-' refused on two points", kMeasure, {{10, 10}, {50, 10}}, {30, 0}, '-', {50, 10}, {50, 10}, -1,
         "(10,10)(50,10)", {30, 0}, 0},
        {"'+' refused on D", kMeasure, {{10, 10}, {50, 10}}, {30, 0}, '+', {30, 0}, {30, 0}, -1, "(10,10)(50,10)",
         {30, 0}, 0},
        {"'+' inserts after the point", kMeasure, {{10, 10}, {50, 10}}, {30, 0}, '+', {10, 10}, {24, 12}, 11,
         "(10,10)(24,12)(50,10)", {30, 0}, 0},
        {"'+' on an angle does nothing", kAngle, {{10, 0}, {0, 10}, {0, 0}}, {5, 5}, '+', {5, 5}, {-5, -5}, 0,
         "(10,0)(0,10)(0,0)", {5, 5}, AngleMeasureElement::kArc},
        {"dragging D out of the angle makes it ARROW", kAngle, {{10, 0}, {0, 10}, {0, 0}}, {5, 5}, 0, {5, 5}, {-5, -5},
         11, "(10,0)(0,10)(0,0)", {-5, -5}, AngleMeasureElement::kArrow},
    };
    TestApplication app;
    for (const Case& c : cases) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        UndoManager& undo = *drawing.context.undoManager;
        ASSERT_TRUE(undo.isEnabled());
        const int id = addDimension(drawing, c.kind, c.points, c.display, AngleMeasureElement::kArc);
        ASSERT_EQ(id, 1) << c.name;
        ElementEditorBase& editor = *drawing.context.editor3;
        ASSERT_EQ(editor.beginEdit(id), 1);
        Element* e = editor.elementInHand();
        const std::string before = pointsText(*e);
        drawing.tool->cursor = c.cursor;
        ScopedOverride<unsigned char> key(theCurrentEvent->typedChar, static_cast<unsigned char>(c.key));
        ScriptedMouse mouse;
        const int midX = static_cast<int>((c.cursor.x + c.release.x) / 2);
        const int midY = static_cast<int>((c.cursor.y + c.release.y) / 2);
        mouse.at(1000, static_cast<int>(c.cursor.x), static_cast<int>(c.cursor.y), L)
            .at(1100, midX, midY, L)
            .at(1200, static_cast<int>(c.release.x), static_cast<int>(c.release.y), L)
            .at(1300, static_cast<int>(c.release.x), static_cast<int>(c.release.y));
        mouse.advanceClockPerRead(&clock, 50);
        const int records = undo.recordCount();
        EXPECT_EQ(e->editByMouse(), c.result) << c.name;
        EXPECT_EQ(pointsText(*e), c.after) << c.name;
        EXPECT_EQ(e->thirdPoint()->x, c.displayAfter.x) << c.name;
        EXPECT_EQ(e->thirdPoint()->y, c.displayAfter.y) << c.name;
        if (auto* angle = dynamic_cast<AngleMeasureElement*>(e)) {
            EXPECT_EQ(angle->drawType.value, c.drawTypeAfter) << c.name;
        }
        if (c.result != 11) {
            EXPECT_EQ(undo.recordCount(), records) << c.name;
            continue;
        }
        EXPECT_EQ(undo.recordCount(), records + 1) << c.name;
        ASSERT_EQ(editor.storeBack(id), 1);
        ASSERT_EQ(undo.undo(), 1) << c.name;
        ASSERT_EQ(editor.beginEdit(id), 1);
        EXPECT_EQ(pointsText(*editor.elementInHand()), before) << c.name;
        EXPECT_EQ(editor.elementInHand()->thirdPoint()->x, c.display.x) << c.name;
        ASSERT_EQ(undo.redo(), 1) << c.name;
        ASSERT_EQ(editor.beginEdit(id), 1);
        EXPECT_EQ(pointsText(*editor.elementInHand()), c.after) << c.name;
    }
}

// Mode 22 takes each edge's direction from the segment the press snaps to, also where points a
// little further along would snap to the polyline's next segment.
TEST(MeasureCreation, AnEdgePickedNearAPolylineCornerKeepsItsOwnDirection)
{
    TestApplication app;
    FakeClock clock(1000, 500);
    LineDrawing drawing;
    usePickingTool(drawing);
    // Element 1: a polyline along y = 10 turning down at (50, 10); element 2: a line along y = x + 20.
    ElementEditorBase* editor = drawing.context.editor3;
    ASSERT_TRUE(editor->startNewElement(2));
    for (const Point& p : {Point(0, 10), Point(50, 10), Point(60, 40)})
        editor->elementInHand()->appendPoint(p.x, p.y, 0.0);
    ASSERT_EQ(editor->commitNewElement(), 1);
    ASSERT_EQ(drawing.addLine(10, 30, 40, 60), 2);
    ScriptedMouse mouse;
    mouse.at(1000, 35, 10).at(1200, 20, 40).at(1300, 20, 40, L).at(1400, 20, 40).at(1500, 0, 20).at(1600, 0, 20, L);
    mouse.advanceClockPerRead(&clock, 50);
    drawing.points->press = Point(35, 10);
    drawing.points->has = 1;
    auto e = newDimension(drawing, kAngle, {}, {0, 0});
    e->restartClickTimer();
    EXPECT_EQ(e->beginCreateInput(22), 1);
    EXPECT_EQ(pointsText(*e), "(35,10)(20,40)(-10,10)") << "the vertex where y = 10 meets y = x + 20";
}
