// The breakline kinds: the polyline input's click rule and creation by the scripted mouse, vertex
// editing with its undo records, and the store record of both kinds.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "document/DocumentContext.h"
#include "document/ElementStore.h"
#include "document/UndoManager.h"
#include "elements/PolylineInput.h"
#include "elements/VertexRoundingList.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/PointList.h"
#include "platform/CurrentEvent.h"
#include "tests/elements/LineFixture.h"
#include "tests/elements/RecordCuts.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

struct Xy {
    double x, y;
};

std::vector<Xy> pointsOf(Element& e)
{
    std::vector<Xy> out;
    Point p;
    for (int i = 0; i < e.vertices()->count; ++i) {
        if (e.vertices()->getPoint(i, &p))
            out.push_back({p.x, p.y});
    }
    return out;
}

std::vector<double> roundingOf(Element& e)
{
    std::vector<double> out;
    for (int i = 0; i < e.vertexRounding()->count; ++i)
        out.push_back(e.vertexRounding()->get(i));
    return out;
}

std::string text(const std::vector<Xy>& points)
{
    std::string s;
    for (const Xy& p : points)
        s += "(" + std::to_string(static_cast<int>(p.x)) + "," + std::to_string(static_cast<int>(p.y)) + ")";
    return s;
}

// A polyline of the kind stored through editor 3 with the points and radii given; its id.
int addPolyline(LineDrawing& drawing, int kind, const std::vector<Xy>& points, const std::vector<double>& radii)
{
    ElementEditor* editor = drawing.context.editor3;
    if (!editor->startNewElement(kind))
        return 0;
    Element* e = editor->elementInHand();
    for (const Xy& p : points)
        e->appendPoint(p.x, p.y, 0.0);
    for (double r : radii)
        (void)e->vertexRounding()->append(r);
    return editor->commitNewElement() == 1 ? e->id : 0;
}

TEST(PolylineInput, ClickRule)
{
    struct Case {
        int pixels, count;
        PolylineClick action;
    };
    const Case cases[] = {
        {3, 2, PolylineClick::Stay},   {0, 2, PolylineClick::Stay},      {3, 3, PolylineClick::Finish},
        {0, 5, PolylineClick::Finish}, {4, 2, PolylineClick::AddVertex}, {4, 3, PolylineClick::AddVertex},
    };
    for (const Case& c : cases)
        EXPECT_EQ(polylineClickAction(c.pixels, c.count), c.action) << c.pixels << " px, " << c.count;
    EXPECT_EQ(pixelDistance(IntPoint(0, 0), IntPoint(3, 2)), 3) << "3.6 pixels count as 3";
}

TEST(BreaklineCreation, ClicksFinishStepBackShiftAndCancel)
{
    enum Keys { N = ScriptedMouse::kNone, L = ScriptedMouse::kLeft, R = ScriptedMouse::kRight, S = ScriptedMouse::kShift };
    struct Step {
        int x, y, keys;
    };
    struct Case {
        const char* name;
        std::vector<Step> script; // 100 ms apart; the press at (10, 10) comes first
        int cancelAt;
        int result;
        std::string points;
        int pending;
    };
    const Case cases[] = {
        {"two clicks in place end it",
         {{10, 10, L}, {10, 10, N}, {50, 10, N}, {50, 10, L}, {50, 10, N}, {50, 40, N}, {50, 40, L}, {50, 40, N},
          {50, 40, L}, {50, 40, N}},
         0, 1, "(10,10)(50,10)(50,40)", 0},
        {"a click near the only vertex goes on",
         {{10, 10, L}, {10, 10, N}, {12, 10, N}, {12, 10, L}, {12, 10, N}, {40, 10, N}, {40, 10, L}, {40, 10, N},
          {40, 10, L}, {40, 10, N}},
         0, 1, "(10,10)(40,10)", 0},
        {"the right button steps back",
         {{10, 10, L}, {10, 10, N}, {50, 10, N}, {50, 10, L}, {50, 10, N}, {60, 20, N}, {60, 20, R}, {60, 20, N},
          {60, 20, L}, {60, 20, N}, {60, 20, L}, {60, 20, N}},
         0, 1, "(10,10)(60,20)", 0},
        {"the right button with one vertex cancels", {{10, 10, L}, {10, 10, N}, {30, 30, N}, {30, 30, R}, {30, 30, N}},
         0, -1, "(10,10)", 0},
        {"Shift keeps the segment horizontal",
         {{10, 10, L}, {10, 10, N}, {50, 14, S}, {50, 14, L | S}, {50, 14, S}, {50, 10, N}, {50, 10, L}, {50, 10, N}}, 0, 1,
         "(10,10)(50,10)", 0},
        {"a cancelled tracking leaves the input pending", {{10, 10, L}, {10, 10, N}, {50, 30, N}}, 4, -1,
         "(10,10)(50,30)", 1},
    };
    TestApplication app;
    for (const Case& c : cases) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        ScriptedMouse mouse;
        DWORD at = 1000;
        for (const Step& s : c.script)
            mouse.at(at, s.x, s.y, s.keys), at += 100;
        mouse.advanceClockPerRead(&clock, 50);
        drawing.points->press = Point(10, 10);
        drawing.points->has = 1;
        drawing.view->cancelAt = c.cancelAt ? c.cancelAt : 500; // a script that never ends the input fails
        std::unique_ptr<Element> polyline(drawing.registry->createElement(2));
        polyline->context = &drawing.context;
        polyline->kind = 2;
        (void)polyline->vertexRounding()->append(3.0);
        EXPECT_EQ(polyline->beginCreateInput(0), c.result) << c.name;
        if (c.result == 1 || c.pending)
            EXPECT_EQ(text(pointsOf(*polyline)), c.points) << c.name;
        EXPECT_EQ(polyline->inputPending, c.pending) << c.name;
        for (double r : roundingOf(*polyline))
            EXPECT_EQ(r, 0.0) << c.name << ": creation empties the radii";
    }
}

TEST(BreaklineEditing, InsertDeleteAndDragUndoToTheExactPointsAndRadii)
{
    struct Case {
        const char* name;
        std::vector<Xy> points;
        int key;
        Xy cursor;  // on the vertex to edit
        Xy release; // where the button comes up (after a step on the way)
        int result;
        std::string after;
        std::vector<double> radiiAfter;
    };
    const std::vector<Xy> three = {{10, 10}, {30, 10}, {30, 30}};
    const Case cases[] = {
        {"'+' inserts after the vertex, the new one sharp", three, '+', {30, 10}, {40, 20}, 11,
         "(10,10)(30,10)(40,20)(30,30)", {0, 2, 0, 0}},
        {"'+' after the first vertex shifts the later radii", three, '+', {10, 10}, {20, 5}, 11,
         "(10,10)(20,5)(30,10)(30,30)", {0, 0, 2, 0}},
        {"'-' takes the vertex and its radius", three, '-', {30, 10}, {30, 10}, 11, "(10,10)(30,30)", {0, 0}},
        {"a drag moves the vertex", three, 'x', {30, 30}, {45, 35}, 11, "(10,10)(30,10)(45,35)", {0, 2, 0}},
        {"'-' is refused on two vertices", {{10, 10}, {30, 10}}, '-', {30, 10}, {30, 10}, -1, "(10,10)(30,10)", {0, 2}},
    };
    TestApplication app;
    for (const Case& c : cases) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        UndoManager& undo = *drawing.context.undoManager;
        ASSERT_TRUE(undo.isEnabled());
        std::vector<double> radii(c.points.size(), 0.0);
        radii[1] = 2.0;
        const int id = addPolyline(drawing, 2, c.points, radii);
        ASSERT_EQ(id, 1) << c.name;
        ElementEditor& editor = *drawing.context.editor3;
        ASSERT_EQ(editor.beginEdit(id), 1);
        Element* e = editor.elementInHand();
        const std::string before = text(pointsOf(*e));
        drawing.tool->cursor = Point(c.cursor.x, c.cursor.y);
        ScopedOverride<unsigned char> key(theCurrentEvent->typedChar, static_cast<unsigned char>(c.key));
        ScriptedMouse mouse;
        const int midX = static_cast<int>((c.cursor.x + c.release.x) / 2), midY = static_cast<int>((c.cursor.y + c.release.y) / 2);
        mouse.at(1000, static_cast<int>(c.cursor.x), static_cast<int>(c.cursor.y), ScriptedMouse::kLeft)
            .at(1100, midX, midY, ScriptedMouse::kLeft)
            .at(1200, static_cast<int>(c.release.x), static_cast<int>(c.release.y), ScriptedMouse::kLeft)
            .at(1300, static_cast<int>(c.release.x), static_cast<int>(c.release.y));
        mouse.advanceClockPerRead(&clock, 50);
        const int records = undo.recordCount();
        EXPECT_EQ(e->editByMouse(), c.result) << c.name;
        EXPECT_EQ(text(pointsOf(*e)), c.after) << c.name;
        EXPECT_EQ(roundingOf(*e), c.radiiAfter) << c.name;
        if (c.result != 11) {
            EXPECT_EQ(undo.recordCount(), records) << c.name;
            continue;
        }
        EXPECT_EQ(undo.recordCount(), records + 1) << c.name;
        ASSERT_EQ(editor.storeBack(id), 1);
        ASSERT_EQ(undo.undo(), 1) << c.name;
        ASSERT_EQ(editor.beginEdit(id), 1);
        EXPECT_EQ(text(pointsOf(*editor.elementInHand())), before) << c.name;
        EXPECT_EQ(roundingOf(*editor.elementInHand()), radii) << c.name;
        ASSERT_EQ(undo.redo(), 1) << c.name;
        ASSERT_EQ(editor.beginEdit(id), 1);
        EXPECT_EQ(text(pointsOf(*editor.elementInHand())), c.after) << c.name;
        EXPECT_EQ(roundingOf(*editor.elementInHand()), c.radiiAfter) << c.name;
    }
}

TEST(BreaklineRecord, PointsFlagsAndRadiiThroughTheStoreAndEveryCutFails)
{
    struct Case {
        int kind;
        std::vector<double> radiiBack;
    };
    const Case cases[] = {{2, {0, 1.5, 0}}, {3, {}}};
    TestApplication app;
    for (const Case& c : cases) {
        LineDrawing drawing;
        const int id = addPolyline(drawing, c.kind, {{1.5, 2.5}, {30.25, -4}, {40, 7}}, {0, 1.5, 0});
        ASSERT_EQ(id, 1);
        ElementEditor& editor = *drawing.context.editor3;
        ASSERT_EQ(editor.beginEdit(id), 1);
        Element* e = editor.elementInHand();
        ASSERT_EQ(e->vertices()->setAtWithFlag(0, 2, 1.5, 2.5, 0.0), 1);
        expectEveryCutFails(drawing, *e, [&](Element& copy) {
            EXPECT_EQ(text(pointsOf(copy)), "(1,2)(30,-4)(40,7)") << c.kind;
            Point p;
            ASSERT_EQ(copy.vertices()->getRecord(0, &p), 1);
            EXPECT_EQ(p.getFlag(), 2u) << c.kind;
            EXPECT_EQ(roundingOf(copy), c.radiiBack) << c.kind;
        });
    }
}

} // namespace
