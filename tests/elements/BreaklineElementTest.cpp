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
#include "document/ViewUpdater.h"
#include "elements/PolylineInput.h"
#include "elements/VertexRoundingList.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/PointList.h"
#include "platform/CurrentEvent.h"
#include "tests/elements/LineFixture.h"
#include "tests/elements/RecordCuts.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScopedOverride.h"
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

// The radii of the kinds that keep them; empty for the spline, which has no list.
std::vector<double> roundingOf(Element& e)
{
    std::vector<double> out;
    for (int i = 0; e.vertexRounding() && i < e.vertexRounding()->count; ++i)
        out.push_back(e.vertexRounding()->get(i));
    return out;
}

// The kinds whose store record carries the rounding list: the breakline and the polygon.
bool storesRounding(int kind) { return kind == 2 || kind == 8; }

std::string text(const std::vector<Xy>& points)
{
    std::string s;
    for (const Xy& p : points)
        s += "(" + std::to_string(static_cast<int>(p.x)) + "," + std::to_string(static_cast<int>(p.y)) + ")";
    return s;
}

// Counts the overlay's pictures and how many of them began from the painter's picture.
class OverlayCounter : public ViewUpdater {
public:
    using ViewUpdater::copyPainterToOverlay;
    using ViewUpdater::flushOverlay;
    void setOwner(DocumentContext*) override {}
    void flushPainter() override {}
    void refreshAll() override {}
    void refreshAfterReset() override {}
    void scrollBy(int, int) override {}
    void beginClip() override {}
    void endClip() override {}
    void copyPainterToOverlay() override { fresh = 1; }
    void flushOverlay() override
    {
        ++shown;
        startedFresh += fresh;
        fresh = 0;
    }
    int fresh = 0, shown = 0, startedFresh = 0;
};

// A point-list element of the kind stored through editor 3 with the points and radii given (the
// radii where the kind keeps them), point flagAt (when >= 0) starting an arc; its id.
int addPolyline(LineDrawing& drawing, int kind, const std::vector<Xy>& points, const std::vector<double>& radii,
                int flagAt = -1)
{
    ElementEditorBase* editor = drawing.context.editor3;
    if (!editor->startNewElement(kind))
        return 0;
    Element* e = editor->elementInHand();
    for (const Xy& p : points)
        e->appendPoint(p.x, p.y, 0.0);
    if (flagAt >= 0 && !e->vertices()->setAtWithFlag(flagAt, 2, points[flagAt].x, points[flagAt].y, 0.0))
        return 0;
    for (double r : radii) {
        if (e->vertexRounding())
            (void)e->vertexRounding()->append(r);
    }
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

TEST(BreaklineCreation, ClicksFinishStepBackShiftCancelAndTheSplineCap)
{
    enum Keys { N = ScriptedMouse::kNone, L = ScriptedMouse::kLeft, R = ScriptedMouse::kRight, S = ScriptedMouse::kShift };
    struct Step {
        int x, y, keys;
    };
    struct Case {
        const char* name;
        int kind;
        std::vector<Step> script; // 100 ms apart; the press at (10, 10) comes first
        int cancelAt;
        int result;
        std::string points;
        int pending;
    };
    // 150 clicks for a spline, each 30 pixels from the one before: the 100th fixes the 101st
    // point and ends the input.
    std::vector<Step> manyClicks = {{10, 10, L}, {10, 10, N}};
    std::string capped = "(10,10)";
    for (int k = 1; k <= 150; ++k) {
        const int x = 10 + 3 * k, y = k % 2 ? 40 : 10;
        manyClicks.insert(manyClicks.end(), {{x, y, N}, {x, y, L}, {x, y, N}});
        if (k <= 100)
            capped += "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    }
    const Case cases[] = {
        {"two clicks in place end it", 2,
         {{10, 10, L}, {10, 10, N}, {50, 10, N}, {50, 10, L}, {50, 10, N}, {50, 40, N}, {50, 40, L}, {50, 40, N},
          {50, 40, L}, {50, 40, N}},
         0, 1, "(10,10)(50,10)(50,40)", 0},
        {"a click near the only vertex goes on", 2,
         {{10, 10, L}, {10, 10, N}, {12, 10, N}, {12, 10, L}, {12, 10, N}, {40, 10, N}, {40, 10, L}, {40, 10, N},
          {40, 10, L}, {40, 10, N}},
         0, 1, "(10,10)(40,10)", 0},
        {"the right button steps back", 2,
         {{10, 10, L}, {10, 10, N}, {50, 10, N}, {50, 10, L}, {50, 10, N}, {60, 20, N}, {60, 20, R}, {60, 20, N},
          {60, 20, L}, {60, 20, N}, {60, 20, L}, {60, 20, N}},
         0, 1, "(10,10)(60,20)", 0},
        {"the right button with one vertex cancels", 2, {{10, 10, L}, {10, 10, N}, {30, 30, N}, {30, 30, R}, {30, 30, N}},
         0, -1, "(10,10)", 0},
        {"Shift keeps the segment horizontal", 2,
         {{10, 10, L}, {10, 10, N}, {50, 14, S}, {50, 14, L | S}, {50, 14, S}, {50, 10, N}, {50, 10, L}, {50, 10, N}}, 0, 1,
         "(10,10)(50,10)", 0},
        {"clicks outside the view, right and left, take and place nothing", 2,
         {{10, 10, L}, {10, 10, N}, {50, 10, N}, {50, 10, L}, {50, 10, N}, {60, 520, N}, {60, 520, R}, {60, 520, N},
          {60, 520, L}, {60, 520, N}, {50, 40, N}, {50, 40, L}, {50, 40, N}, {50, 40, L}, {50, 40, N}},
         0, 1, "(10,10)(50,10)(50,40)", 0},
        {"a cancelled tracking leaves the input pending", 2, {{10, 10, L}, {10, 10, N}, {50, 30, N}}, 4, -1,
         "(10,10)(50,30)", 1},
        {"a spline is entered as a breakline", 4,
         {{10, 10, L}, {10, 10, N}, {50, 10, N}, {50, 10, L}, {50, 10, N}, {50, 40, N}, {50, 40, L}, {50, 40, N},
          {50, 40, L}, {50, 40, N}},
         0, 1, "(10,10)(50,10)(50,40)", 0},
        {"150 clicks make a spline of 101 points", 4, manyClicks, 0, 1, capped, 0},
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
        drawing.view->cancelAt = c.cancelAt ? c.cancelAt : 5000; // a script that never ends the input fails
        std::unique_ptr<Element> polyline(drawing.registry->createElement(c.kind));
        ASSERT_TRUE(polyline) << c.name;
        polyline->context = &drawing.context;
        polyline->kind = c.kind;
        if (polyline->vertexRounding())
            (void)polyline->vertexRounding()->append(3.0);
        EXPECT_EQ(polyline->beginCreateInput(0), c.result) << c.name;
        if (c.result == 1 || c.pending) {
            EXPECT_EQ(text(pointsOf(*polyline)), c.points) << c.name;
        }
        EXPECT_EQ(polyline->inputPending, c.pending) << c.name;
        for (double r : roundingOf(*polyline))
            EXPECT_EQ(r, 0.0) << c.name << ": creation empties the radii";
    }
}

TEST(BreaklineEditing, InsertDeleteAndDragUndoToTheExactPointsAndRadii)
{
    struct Case {
        const char* name;
        int kind;
        std::vector<Xy> points;
        int flagAt; // the point starting an arc, or -1
        int key;
        Xy cursor;  // on the vertex to edit
        Xy release; // where the button comes up (after a step on the way)
        int result;
        std::string after;
        std::vector<double> radiiAfter; // in the element just edited
    };
    const std::vector<Xy> three = {{10, 10}, {30, 10}, {30, 30}};
    const std::vector<Xy> four = {{10, 10}, {30, 10}, {30, 30}, {10, 30}};
    const Case cases[] = {
        {"'+' inserts after the vertex, the new one sharp", 2, three, -1, '+', {30, 10}, {40, 20}, 11,
         "(10,10)(30,10)(40,20)(30,30)", {0, 2, 0, 0}},
        {"'+' after the first vertex shifts the later radii", 2, three, -1, '+', {10, 10}, {20, 5}, 11,
         "(10,10)(20,5)(30,10)(30,30)", {0, 0, 2, 0}},
        {"'-' takes the vertex and its radius", 2, three, -1, '-', {30, 10}, {30, 10}, 11, "(10,10)(30,30)", {0, 0}},
        {"a drag moves the vertex", 2, three, -1, 'x', {30, 30}, {45, 35}, 11, "(10,10)(30,10)(45,35)", {0, 2, 0}},
        {"'-' is refused on two vertices", 2, {{10, 10}, {30, 10}}, -1, '-', {30, 10}, {30, 10}, -1, "(10,10)(30,10)",
         {0, 2}},
        {"a polygon's '+' keeps a radius per vertex", 8, four, -1, '+', {30, 30}, {40, 40}, 11,
         "(10,10)(30,10)(30,30)(40,40)(10,30)", {0, 2, 0, 0, 0}},
        {"a polygon's '-' takes the vertex and its radius", 8, four, -1, '-', {30, 10}, {30, 10}, 11,
         "(10,10)(30,30)(10,30)", {0, 0, 0}},
        {"'-' is refused on a triangle", 8, three, -1, '-', {30, 10}, {30, 10}, -1, "(10,10)(30,10)(30,30)", {0, 2, 0}},
        {"a spline's '+'", 4, three, -1, '+', {10, 10}, {20, 5}, 11, "(10,10)(20,5)(30,10)(30,30)", {}},
        {"'-' is refused on a two-point spline", 4, {{10, 10}, {30, 10}}, -1, '-', {10, 10}, {10, 10}, -1,
         "(10,10)(30,10)", {}},
        {"'-' after an arc start leaves the flag on the last point", 3, three, 1, '-', {30, 30}, {30, 30}, 11,
         "(10,10)(30,10)", {0, 0}},
        {"'+' after an arc start on the last-but-one point", 3, three, 1, '+', {30, 30}, {40, 40}, 11,
         "(10,10)(30,10)(30,30)(40,40)", {0, 0, 0, 0}},
        {"an arcpolygon's '-' next to an arc start", 9, four, 2, '-', {10, 30}, {10, 30}, 11, "(10,10)(30,10)(30,30)",
         {0, 0, 0}},
    };
    TestApplication app;
    for (const Case& c : cases) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        UndoManager& undo = *drawing.context.undoManager;
        ASSERT_TRUE(undo.isEnabled());
        std::vector<double> radii(c.points.size(), 0.0);
        radii[1] = 2.0;
        const int id = addPolyline(drawing, c.kind, c.points, radii, c.flagAt);
        ASSERT_EQ(id, 1) << c.name;
        // What a stored element holds: the radii where the record keeps them.
        const std::vector<double> radiiBefore = storesRounding(c.kind) ? radii : std::vector<double>{};
        const std::vector<double> radiiStored = storesRounding(c.kind) ? c.radiiAfter : std::vector<double>{};
        ElementEditorBase& editor = *drawing.context.editor3;
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
        EXPECT_EQ(roundingOf(*editor.elementInHand()), radiiBefore) << c.name;
        ASSERT_EQ(undo.redo(), 1) << c.name;
        ASSERT_EQ(editor.beginEdit(id), 1);
        EXPECT_EQ(text(pointsOf(*editor.elementInHand())), c.after) << c.name;
        EXPECT_EQ(roundingOf(*editor.elementInHand()), radiiStored) << c.name;
    }
}

TEST(BreaklineEditing, EachStepOfAVertexDragShowsOnlyWhereTheVertexIsNow)
{
    TestApplication app;
    FakeClock clock(1000, 500);
    LineDrawing drawing;
    auto* overlay = standIn(drawing.context.updater, new OverlayCounter);
    const int id = addPolyline(drawing, 2, {{10, 10}, {30, 10}, {30, 30}}, {0, 0, 0});
    ElementEditorBase& editor = *drawing.context.editor3;
    ASSERT_EQ(editor.beginEdit(id), 1);
    drawing.tool->cursor = Point(30, 30);
    ScopedOverride<unsigned char> key(theCurrentEvent->typedChar, static_cast<unsigned char>('x'));
    ScriptedMouse mouse;
    mouse.at(1000, 30, 30, ScriptedMouse::kLeft)
        .at(1100, 35, 32, ScriptedMouse::kLeft)
        .at(1200, 40, 34, ScriptedMouse::kLeft)
        .at(1300, 45, 35, ScriptedMouse::kLeft)
        .at(1400, 45, 35);
    mouse.advanceClockPerRead(&clock, 50);
    EXPECT_EQ(editor.elementInHand()->editByMouse(), 11);
    EXPECT_GE(overlay->shown, 3);
    EXPECT_EQ(overlay->startedFresh, overlay->shown);
}

TEST(BreaklineRecord, PointsFlagsAndRadiiThroughTheStoreAndEveryCutFails)
{
    struct Case {
        int kind;
        std::vector<double> radiiBack;
    };
    const Case cases[] = {{2, {0, 1.5, 0}}, {3, {}}, {4, {}}, {8, {0, 1.5, 0}}, {9, {}}};
    TestApplication app;
    for (const Case& c : cases) {
        LineDrawing drawing;
        const int id = addPolyline(drawing, c.kind, {{1.5, 2.5}, {30.25, -4}, {40, 7}}, {0, 1.5, 0});
        ASSERT_EQ(id, 1);
        ElementEditorBase& editor = *drawing.context.editor3;
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
