// The radius and diameter dimension elements: the layout rule, their file sections and store
// records, scaling, creation on a circle by the scripted mouse, and the drag with undo.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "document/FileErrorReporter.h"
#include "document/SheetSettings.h"
#include "document/UndoManager.h"
#include "elements/CircleDimensionElement.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/PointList.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/UnitConverter.h"
#include "shapes/DiameterList.h"
#include "shapes/MeasureAttributes.h"
#include "shapes/RadiusList.h"
#include "tests/elements/LineFixture.h"
#include "tests/elements/RecordCuts.h"
#include "tests/support/FakeClock.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

constexpr int kRadius = 16;
constexpr int kDiameter = 17;
constexpr int kCircle = 7;
enum Keys { N = ScriptedMouse::kNone, L = ScriptedMouse::kLeft };

// A select tool that finds the element `found` under its cursor (-1: none).
class FoundTool : public CursorSelectTool {
public:
    [[nodiscard]] int findInPickBox() override { return found; }
    int found = -1;
};

struct Made {
    int kind;
    Point p1, p2;
    std::vector<double> values;
    int layout;
};

CircleDimensionElement& fillDimension(Element& e, const Made& s)
{
    auto& d = dynamic_cast<CircleDimensionElement&>(e);
    EXPECT_EQ(d.vertices()->count, 1);
    EXPECT_EQ(d.vertices()->setXYZ(0, s.p1.x, s.p1.y, 0.0), 1);
    d.thirdPoint()->x = s.p2.x, d.thirdPoint()->y = s.p2.y;
    EXPECT_EQ(d.values()->setAll(static_cast<int>(s.values.size()), s.values.data()), 1);
    d.layout.value = s.layout;
    return d;
}

// A dimension in editor 3's hand, stored with an undo record; its id.
int addDimension(LineDrawing& drawing, const Made& s)
{
    ElementEditorBase* editor = drawing.context.editor3;
    if (!editor->startNewElement(s.kind))
        return 0;
    fillDimension(*editor->elementInHand(), s);
    return editor->commitNewElement() == 1 ? editor->elementInHand()->id : 0;
}

std::unique_ptr<CircleDimensionElement> newDimension(LineDrawing& drawing, const Made& s)
{
    Element* e = drawing.registry->createElement(s.kind);
    e->context = &drawing.context;
    e->kind = s.kind;
    fillDimension(*e, s);
    return std::unique_ptr<CircleDimensionElement>(static_cast<CircleDimensionElement*>(e));
}

std::string describe(const CircleDimensionElement& e)
{
    Point p1;
    EXPECT_EQ(e.vertices()->getPoint(0, &p1), 1);
    char text[160];
    std::snprintf(text, sizeof text, "P1 (%g,%g) P2 (%g,%g) values %d:%g,%g layout %d", p1.x, p1.y, e.thirdPoint()->x,
                  e.thirdPoint()->y, e.values()->count, e.values()->value(0),
                  e.values()->count > 1 ? e.values()->value(1) : 0.0, e.layout.value);
    return text;
}

} // namespace

// IN needs the centre on the paper and the cursor inside the smallest radius (half the smallest
// diameter); IN moves P2 to the centre (radius) or opposite P1 (diameter); OUT keeps the cursor.
TEST(CircleDimensionLayout, InsideTheSmallestValueOnThePaperOnly)
{
    struct Case {
        const char* name;
        int kind;
        Point centre, p1;
        std::vector<double> values;
        Point cursor;
        int layout;
        Point p2;
    } cases[] = {
        {"radius 10, 4 from the centre", kRadius, {50, 50}, {60, 50}, {10}, {54, 50}, 1, {50, 50}},
        {"radius 10, 12 from the centre", kRadius, {50, 50}, {60, 50}, {10}, {62, 50}, 2, {62, 50}},
        {"oval 3 and 5 at 4", kRadius, {50, 50}, {53, 50}, {5, 3}, {50, 54}, 2, {50, 54}},
        {"oval 3 and 5 at 2", kRadius, {50, 50}, {53, 50}, {5, 3}, {50, 52}, 1, {50, 50}},
        {"centre off the paper", kRadius, {-50, 50}, {-40, 50}, {10}, {-49, 50}, 2, {-49, 50}},
        {"diameter 20 near the centre", kDiameter, {50, 50}, {60, 50}, {20}, {51, 51}, 1, {40, 50}},
        {"diameter 20 at 10", kDiameter, {50, 50}, {60, 50}, {20}, {50, 60}, 2, {50, 60}},
        {"diameters 6 and 10 at 2.9", kDiameter, {50, 50}, {53, 50}, {10, 6}, {52.9, 50}, 1, {47, 50}},
        {"diameters 6 and 10 at 3.1", kDiameter, {50, 50}, {53, 50}, {10, 6}, {53.1, 50}, 2, {53.1, 50}},
        {"P1 on the centre", kDiameter, {50, 50}, {50, 50}, {20}, {51, 50}, 2, {51, 50}},
    };
    TestApplication app;
    LineDrawing drawing;
    for (const Case& c : cases) {
        auto e = newDimension(drawing, {c.kind, c.p1, {0, 0}, c.values, 0});
        e->centre = c.centre;
        e->decideLayout(c.cursor);
        EXPECT_EQ(e->layout.value, c.layout) << c.name;
        EXPECT_NEAR(e->thirdPoint()->x, c.p2.x, 1e-9) << c.name;
        EXPECT_NEAR(e->thirdPoint()->y, c.p2.y, 1e-9) << c.name;
    }
}

// Both kinds write their tags in order and read back every value, the numeral's length unit
// included; a second save is the same; a paper diameter reads at the drawing's scale; sections
// with bad counts, draw types or no points load and draw.
TEST(CircleDimensionFile, SectionsReadBackAndSaveAgainTheSame)
{
    TestApplication app;
    ScratchFolder scratch;
    const Made specs[] = {
        {kRadius, {60, 50}, {50, 50}, {3, 5}, 1},
        {kDiameter, {60, 50}, {80, 20}, {20}, 2},
    };
    std::string first;
    {
        LineDrawing drawing;
        for (const Made& s : specs)
            ASSERT_NE(addDimension(drawing, s), 0);
        ASSERT_EQ(drawing.context.editor3->beginEdit(1), 1);
        ASSERT_EQ(drawing.context.editor3->elementInHand()->measure()->setLengthUnit(UnitConverter::centimetre), 1);
        ASSERT_EQ(drawing.context.editor3->storeBack(1), 1);
        first = drawing.save(scratch.pathOf("circles.ycx"));
    }
    ASSERT_FALSE(first.empty());
    for (const char* section : {"<msrradius>", "<msrdiameter>"}) {
        size_t at = first.find(section);
        ASSERT_NE(at, std::string::npos) << section;
        for (const char* tag : {"<startPoint>", "<endPoint>", "Num", "<drawType>", "<font>", "<numeral>",
                                "<underLine>", "<drawLine>", "<arrowLine>"}) {
            const size_t next = first.find(tag, at);
            ASSERT_NE(next, std::string::npos) << section << tag;
            at = next;
        }
    }
    EXPECT_NE(first.find("<radNumAray>"), std::string::npos);
    EXPECT_NE(first.find("<diaNum>20</diaNum>"), std::string::npos);
    EXPECT_NE(first.find("<drawType>\"IN\"</drawType>"), std::string::npos);

    {
        LineDrawing reopened;
        ASSERT_EQ(reopened.open(scratch.pathOf("circles.ycx")), 1);
        ASSERT_EQ(reopened.context.elementCount(), 2);
        const char* expects[] = {"P1 (60,50) P2 (50,50) values 2:3,5 layout 1",
                                 "P1 (60,50) P2 (80,20) values 1:20,0 layout 2"};
        for (int id = 1; id <= 2; ++id) {
            ASSERT_EQ(reopened.context.editor3->beginEdit(id), 1);
            auto* e = dynamic_cast<CircleDimensionElement*>(reopened.context.editor3->elementInHand());
            ASSERT_NE(e, nullptr);
            EXPECT_EQ(e->kind, specs[id - 1].kind);
            EXPECT_EQ(describe(*e), expects[id - 1]);
            EXPECT_EQ(e->measure()->lengthUnitId(), id == 1 ? UnitConverter::centimetre : UnitConverter::millimetre);
        }
        EXPECT_EQ(reopened.save(scratch.pathOf("again.ycx")), first);
    }

    // Each edit replaces the text from `from` up to `until` (or `from` alone) by `to`.
    struct Edit {
        const char* name;
        std::string from, until, to;
        int denominator;
        const char* diameter; // what the diameter reads as
        const char* written;  // what it writes back
    } edits[] = {
        {"a paper diameter at 1:2", "<diaNum>20</diaNum>", "", "<diameter>5</diameter>", 2, "values 1:10,0",
         "<diaNum>10</diaNum>"},
        {"three radii", "<nums>2</nums>", "", "<nums>3</nums>", 1, nullptr, nullptr},
        {"an unknown draw type", "<drawType>\"OUT\"</drawType>", "", "<drawType>\"OVER\"</drawType>", 1, "layout 0",
         nullptr},
        {"no draw type", "<drawType>\"OUT\"</drawType>", "", "", 1, "layout 0", nullptr},
        {"no points", "<startPoint>", "<radNumAray>", "", 1, nullptr, nullptr},
    };
    for (const Edit& x : edits) {
        std::string text = first;
        const size_t at = text.find(x.from);
        ASSERT_NE(at, std::string::npos) << x.name;
        const size_t until = x.until.empty() ? at + x.from.size() : text.find(x.until, at);
        ASSERT_NE(until, std::string::npos) << x.name;
        text.replace(at, until - at, x.to);
        const std::string scale = "<denominator>1</denominator>";
        const size_t s = text.find(scale);
        ASSERT_NE(s, std::string::npos);
        text.replace(s, scale.size(), "<denominator>" + std::to_string(x.denominator) + "</denominator>");
        app->errorCount = 0;
        theFileErrorReporter.reset();
        MessageBoxScript boxes;
        LineDrawing drawing;
        ASSERT_EQ(drawing.open(scratch.file("edited.ycx", text)), 1) << x.name;
        ASSERT_EQ(drawing.context.elementCount(), 2) << x.name;
        for (int id = 1; id <= 2; ++id) {
            ASSERT_EQ(drawing.context.editor3->beginEdit(id), 1) << x.name;
            auto* e = dynamic_cast<CircleDimensionElement*>(drawing.context.editor3->elementInHand());
            ASSERT_NE(e, nullptr);
            (void)e->draw(); // what it can
            (void)e->hitTest();
            e->computeExtent(1);
            EXPECT_TRUE(std::isfinite(e->extentMin.x) && std::isfinite(e->extentMax.y)) << x.name << " " << id;
            if (id == 2 && x.diameter) {
                EXPECT_NE(describe(*e).find(x.diameter), std::string::npos) << x.name << ": " << describe(*e);
            }
        }
        if (x.written) {
            EXPECT_NE(drawing.save(scratch.pathOf("written.ycx")).find(x.written), std::string::npos) << x.name;
        }
    }
}

// The record: every value back, every cut failing inside it; scaling and moving.
TEST(CircleDimensionRecord, CutsScalesAndMoves)
{
    TestApplication app;
    for (int kind : {kRadius, kDiameter}) {
        LineDrawing drawing;
        ASSERT_EQ(addDimension(drawing, {kind, {1.5, 2}, {30.25, -9}, {3, 5}, 1}), 1);
        ASSERT_EQ(drawing.context.editor3->beginEdit(1), 1);
        Element* e = drawing.context.editor3->elementInHand();
        ASSERT_EQ(e->measure()->setDecimals(3), 1);
        element_fixture::expectEveryCutFails(drawing, *e, [](Element& copy) {
            EXPECT_EQ(describe(static_cast<CircleDimensionElement&>(copy)), "P1 (1.5,2) P2 (30.25,-9) values 2:3,5 layout 1");
            EXPECT_EQ(copy.measure()->decimals, 3);
        });
    }
    // Scaling with the size flag scales the values too, keeping their count; without it they
    // stay; a move and its undo are exact at 1:100.
    LineDrawing drawing;
    struct Case {
        int flags;
        const char* after;
    } cases[] = {
        {1, "P1 (20,0) P2 (-20,0) values 2:6,10 layout 1"},
        {0, "P1 (20,0) P2 (-20,0) values 2:3,5 layout 1"},
    };
    for (const Case& c : cases) {
        auto e = newDimension(drawing, {kDiameter, {10, 0}, {-10, 0}, {3, 5}, 1});
        e->scale(2.0, Point(0, 0), c.flags);
        EXPECT_EQ(describe(*e), c.after) << c.flags;
    }
    auto* sheet = dynamic_cast<SheetSettings*>(drawing.context.paperSettings());
    ASSERT_NE(sheet, nullptr);
    sheet->setScaleDenominator(100);
    auto e = newDimension(drawing, {kRadius, {0.25, 3}, {1200.5, 3}, {7}, 2});
    e->translate(10, 0, 0);
    e->translate(-10, 0, 0);
    EXPECT_EQ(describe(*e), "P1 (0.25,3) P2 (1200.5,3) values 1:7,0 layout 2");
}

// Creation on a circle of radius 10 about (50, 50): the click on it, then the placing click
// inside (IN) or outside (OUT); a click on empty paper makes nothing.
TEST(CircleDimensionCreation, OnACircleInsideOrOutside)
{
    struct Case {
        const char* name;
        int kind;
        Point press, place;
        int pickFinds;
        DWORD releaseAt;
        int typed;
        int result;
        const char* after;
        int direction;
    } cases[] = {
        {"radius inside", kRadius, {60, 50}, {54, 50}, 1, 1100, 0, 1, "P1 (60,50) P2 (50,50) values 1:10,0 layout 1", 1},
        {"radius outside", kRadius, {60, 50}, {72, 40}, 1, 1100, 0, 1, "P1 (60,50) P2 (72,40) values 1:10,0 layout 2", 1},
        {"'/' while placing: FREE", kRadius, {60, 50}, {72, 40}, 1, 1100, '/', 1,
         "P1 (60,50) P2 (72,40) values 1:10,0 layout 2", MeasureAttributes::kFreeDirection},
        {"',' changes nothing", kRadius, {60, 50}, {72, 40}, 1, 1100, ',', 1,
         "P1 (60,50) P2 (72,40) values 1:10,0 layout 2", 1},
        {"diameter inside", kDiameter, {60, 50}, {51, 50}, 1, 1100, 0, 1, "P1 (60,50) P2 (40,50) values 1:20,0 layout 1", 1},
        {"nothing under a long press", kRadius, {90, 90}, {54, 50}, 0, 1700, 0, -1, nullptr, 1},
        {"nothing under a quick click: the editor's menu", kRadius, {90, 90}, {54, 50}, 0, 1100, 0, 15, nullptr, 1},
    };
    TestApplication app;
    for (const Case& c : cases) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        delete drawing.context.selectTool;
        auto* tool = new FoundTool; // the context deletes it
        drawing.tool = tool;
        drawing.context.selectTool = tool;
        ElementEditorBase* editor = drawing.context.editor3;
        ASSERT_EQ(editor->startNewElement(kCircle), 1);
        Element* circle = editor->elementInHand();
        circle->thirdPoint()->x = 50, circle->thirdPoint()->y = 50;
        circle->radii()->setSingle(10.0);
        ASSERT_EQ(editor->commitNewElement(), 1);
        tool->found = c.pickFinds ? circle->id : -1;
        ScriptedMouse mouse;
        const int px = static_cast<int>(c.press.x), py = static_cast<int>(c.press.y);
        const int qx = static_cast<int>(c.place.x), qy = static_cast<int>(c.place.y);
        mouse.at(1000, px, py, L).at(c.releaseAt, px, py, N).at(c.releaseAt + 100, qx, qy, N);
        mouse.at(c.releaseAt + 200, qx, qy, L).at(c.releaseAt + 300, qx, qy, N);
        mouse.advanceClockPerRead(&clock, 50);
        drawing.points->press = c.press;
        drawing.points->has = 1;
        ScopedOverride<int> code(theCurrentEvent->code, c.typed ? EV_KEY_DOWN : 0);
        ScopedOverride<UINT> message(theCurrentEvent->message, WM_CHAR);
        ScopedOverride<WPARAM> character(theCurrentEvent->wParam, static_cast<WPARAM>(c.typed));
        auto e = newDimension(drawing, {c.kind, {0, 0}, {0, 0}, {5}, 0});
        e->restartClickTimer();
        EXPECT_EQ(e->beginCreateInput(1), c.result) << c.name;
        if (c.after) {
            EXPECT_EQ(describe(*e), c.after) << c.name;
        }
        EXPECT_EQ(e->measure()->direction, c.direction) << c.name;
    }
}

// Dragging P1 and undoing restores it exactly; the layout is not decided again.
TEST(CircleDimensionEditing, DragAndUndo)
{
    TestApplication app;
    FakeClock clock(1000, 500);
    LineDrawing drawing;
    UndoManager& undo = *drawing.context.undoManager;
    const int id = addDimension(drawing, {kRadius, {60, 50}, {50, 50}, {10}, 1});
    ASSERT_EQ(id, 1);
    ElementEditorBase& editor = *drawing.context.editor3;
    ASSERT_EQ(editor.beginEdit(id), 1);
    auto* e = static_cast<CircleDimensionElement*>(editor.elementInHand());
    drawing.tool->cursor = Point(60, 50);
    ScriptedMouse mouse;
    mouse.at(1000, 60, 50, L).at(1100, 65, 45, L).at(1200, 70, 40, L).at(1300, 70, 40);
    mouse.advanceClockPerRead(&clock, 50);
    EXPECT_EQ(e->editByMouse(), 11);
    EXPECT_EQ(describe(*e), "P1 (70,40) P2 (50,50) values 1:10,0 layout 1");
    ASSERT_EQ(editor.storeBack(id), 1);
    ASSERT_EQ(undo.undo(), 1);
    ASSERT_EQ(editor.beginEdit(id), 1);
    EXPECT_EQ(describe(*static_cast<CircleDimensionElement*>(editor.elementInHand())),
              "P1 (60,50) P2 (50,50) values 1:10,0 layout 1");
}
