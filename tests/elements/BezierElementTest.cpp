// The Bezier curve: creation by each method with the scripted mouse, point editing with its undo
// records, the element's extent, snaps and hit test, its file section and store record, and
// point lists that are not whole segments.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "document/UndoManager.h"
#include "elements/BezierElement.h"
#include "elements/BezierPath.h"
#include "elements/PolylineInput.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/OpenCloseAttribute.h"
#include "platform/CurrentEvent.h"
#include "platform/IntPolygon.h"
#include "platform/EventCodes.h"
#include "tests/elements/LineFixture.h"
#include "tests/elements/RecordCuts.h"
#include "tests/shapes/CurveTestSupport.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

constexpr int kBezier = 11;
enum Keys { N = ScriptedMouse::kNone, L = ScriptedMouse::kLeft, S = ScriptedMouse::kShift };

std::vector<Point> pointsOf(const Element& e)
{
    std::vector<Point> out;
    Point p;
    for (int i = 0; i < e.vertices()->count; ++i) {
        if (e.vertices()->getRecord(i, &p))
            out.push_back(p);
    }
    return out;
}

std::vector<Point> straight(const std::vector<Point>& anchors) { return curve_test::straightBezier(anchors); }

bool closeTo(const Point& a, const Point& b) { return std::fabs(a.x - b.x) < 1e-6 && std::fabs(a.y - b.y) < 1e-6; }

bool samePoints(const std::vector<Point>& a, const std::vector<Point>& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), closeTo);
}

std::unique_ptr<Element> newCurve(LineDrawing& drawing, const std::vector<Point>& points)
{
    std::unique_ptr<Element> curve(drawing.registry->createElement(kBezier));
    curve->context = &drawing.context;
    curve->kind = kBezier;
    for (const Point& p : points)
        curve->appendPoint(p.x, p.y, 0.0);
    return curve;
}

// A curve stored through editor 3; its id.
int addCurve(LineDrawing& drawing, const std::vector<Point>& points, int open = 0, double width = 0.14)
{
    ElementEditorBase* editor = drawing.context.editor3;
    if (!editor->startNewElement(kBezier))
        return 0;
    Element* e = editor->elementInHand();
    for (const Point& p : points)
        e->appendPoint(p.x, p.y, 0.0);
    e->openClose()->value = open ? OpenCloseAttribute::kOpen : OpenCloseAttribute::kClose;
    e->lineWidth()->width = width;
    return editor->commitNewElement() == 1 ? e->id : 0;
}

struct Step {
    int x, y, keys;
};

void play(ScriptedMouse& mouse, FakeClock& clock, const std::vector<Step>& script)
{
    DWORD at = 1000;
    for (const Step& s : script)
        mouse.at(at, s.x, s.y, s.keys), at += 100;
    mouse.advanceClockPerRead(&clock, 50);
}

TEST(BezierCreation, EachMethodMakesItsPointsOrIsDropped)
{
    struct Case {
        const char* name;
        int method;
        std::vector<Step> script; // 100 ms apart; the press at (10, 10) comes first
        int typed;
        int result;
        int count;                 // -1: 3n + 1 points from a fit
        std::vector<Point> anchors; // anchors 0, 3, 6 ... expected
        int openClose;
    };
    const Case cases[] = {
        {"freehand at one position", 1, {{10, 10, L}, {10, 10, N}}, 0, 0, 0, {}, OpenCloseAttribute::kOpen},
        {"freehand over two positions", 2, {{10, 10, L}, {30, 10, L}, {30, 10, N}}, 0, 0, 0, {}, OpenCloseAttribute::kClose},
        {"freehand, open", 1, {{10, 10, L}, {20, 12, L}, {30, 15, L}, {40, 20, L}, {40, 20, N}}, 0, 1, -1,
         {Point(10, 10)}, OpenCloseAttribute::kOpen},
        {"freehand, closed", 2, {{10, 10, L}, {20, 12, L}, {30, 15, L}, {40, 20, L}, {40, 20, N}}, 0, 1, -1,
         {Point(10, 10)}, OpenCloseAttribute::kClose},
        {"rectangle: corners and straight sides", 4, {{10, 10, L}, {25, 20, L}, {40, 30, L}, {40, 30, N}}, 0, 1, 10,
         {Point(10, 10), Point(40, 10), Point(40, 30), Point(10, 30)}, OpenCloseAttribute::kClose},
        {"rectangle released at its start is dropped", 4, {{10, 10, L}, {10, 10, N}}, 0, -1, 0, {},
         OpenCloseAttribute::kClose},
        {"rectangle ignores the oval keys", 4, {{10, 10, L}, {40, 30, L}, {40, 30, N}}, 'h', 1, 10, {}, OpenCloseAttribute::kClose},
        {"oval, full", 3, {{10, 10, L}, {40, 30, L}, {40, 30, N}}, 0, 1, 13, {}, OpenCloseAttribute::kClose},
        {"oval, 'h' makes it half", 3, {{10, 10, L}, {40, 30, L}, {40, 30, N}}, 'h', 1, 7, {}, OpenCloseAttribute::kClose},
        {"triangle: Shift keeps the second corner's edge horizontal", 6,
         {{10, 10, L}, {40, 12, L | S}, {40, 12, S}, {25, 40, N}, {25, 40, L}}, 0, 1, 7,
         {Point(10, 10), Point(40, 10), Point(25, 40)}, OpenCloseAttribute::kClose},
        {"triangle: Shift on the third point makes it equilateral", 6,
         {{10, 10, L}, {40, 10, L}, {40, 10, N}, {25, 40, S}, {25, 40, L | S}}, 0, 1, 7,
         {Point(10, 10), Point(40, 10), Point(25, 10 + std::sqrt(3.0) * 15)}, OpenCloseAttribute::kClose},
        {"triangle by clicks", 6,
         {{10, 10, L}, {10, 10, N}, {40, 10, N}, {40, 10, L}, {40, 10, N}, {25, 40, N}, {25, 40, L}}, 0, 1, 7,
         {Point(10, 10), Point(40, 10), Point(25, 40)}, OpenCloseAttribute::kClose},
        {"triangle cancelled before its third point", 6, {{10, 10, L}, {40, 10, L}, {40, 10, N}, {25, 40, N}}, 0, -1, -2,
         {}, OpenCloseAttribute::kClose},
        {"quadrilateral", 7, {{10, 10, L}, {40, 10, L}, {40, 10, N}, {50, 30, N}, {50, 30, L}}, 0, 1, 10,
         {Point(10, 10), Point(40, 10), Point(50, 30), Point(20, 30)}, OpenCloseAttribute::kClose},
        {"method 5", 5, {{10, 10, L}, {40, 30, L}, {40, 30, N}}, 0, 0, 7, {}, OpenCloseAttribute::kClose},
        {"method 9", 9, {{10, 10, L}, {40, 30, L}, {40, 30, N}}, 0, 0, 7, {}, OpenCloseAttribute::kClose},
    };
    TestApplication app;
    for (const Case& c : cases) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        ScriptedMouse mouse;
        play(mouse, clock, c.script);
        drawing.points->press = Point(10, 10);
        drawing.points->has = 1;
        drawing.view->cancelAt = 40; // a script that never ends the input is cancelled
        ScopedOverride<int> code(theCurrentEvent->code, c.typed ? EV_KEY_DOWN : 0);
        ScopedOverride<UINT> message(theCurrentEvent->message, WM_CHAR);
        ScopedOverride<WPARAM> character(theCurrentEvent->wParam, static_cast<WPARAM>(c.typed));
        // A list left from before: the freehand methods empty it.
        auto curve = newCurve(drawing, straight({Point(0, 0), Point(5, 0), Point(5, 5)}));
        EXPECT_EQ(curve->openClose()->value, OpenCloseAttribute::kClose) << c.name << ": a new curve is closed";
        EXPECT_EQ(curve->beginCreateInput(c.method), c.result) << c.name;
        const std::vector<Point> points = pointsOf(*curve);
        if (c.count == -1) {
            EXPECT_GE(points.size(), 4u) << c.name;
            EXPECT_EQ((points.size() - 1) % 3, 0u) << c.name;
        } else if (c.count >= 0) {
            EXPECT_EQ(points.size(), static_cast<size_t>(c.count)) << c.name;
        }
        for (size_t k = 0; k < c.anchors.size(); ++k) {
            ASSERT_LT(3 * k, points.size()) << c.name;
            EXPECT_TRUE(closeTo(points[3 * k], c.anchors[k]))
                << c.name << ": anchor " << k << " at " << points[3 * k].x << ", " << points[3 * k].y;
        }
        if (c.anchors.size() > 1 && c.method != 1 && c.method != 2) {
            EXPECT_TRUE(samePoints(points, straight(c.anchors))) << c.name << ": straight segments";
        }
        EXPECT_EQ(curve->openClose()->value, c.openClose) << c.name;
    }
}

TEST(BezierCreation, PolygonClickRule)
{
    struct Case {
        int fromPrevious, fromFirst, count;
        PolylineClick action;
    };
    const Case cases[] = {
        {3, 50, 5, PolylineClick::Stay},   {4, 50, 2, PolylineClick::AddVertex}, {40, 5, 4, PolylineClick::AddVertex},
        {40, 4, 4, PolylineClick::Finish}, {40, 4, 3, PolylineClick::Stay},      {40, 0, 9, PolylineClick::Finish},
    };
    for (const Case& c : cases)
        EXPECT_EQ(polygonClickAction(c.fromPrevious, c.fromFirst, c.count), c.action)
            << c.fromPrevious << " px, " << c.fromFirst << " px, " << c.count;
}

TEST(BezierEditing, AddDeleteAndDragUndoToTheExactList)
{
    const std::vector<Point> two = straight({Point(10, 10), Point(40, 10), Point(70, 10)});
    struct Case {
        const char* name;
        std::vector<Point> points;
        int active;  // the active point before the edit (-1 none)
        int hit;     // the point under the cursor
        int key;
        Step release;
        int result;
        std::vector<Point> after; // empty: unchanged
    };
    const Case cases[] = {
        {"'-' on the middle anchor leaves one segment of the outer control points", two, 3, 3, '-', {40, 10, N}, 11,
         {two[0], two[1], two[5], two[6]}},
        {"'-' refused on one segment", straight({Point(10, 10), Point(40, 10)}), 3, 3, '-', {40, 10, N}, -1, {}},
        {"'+' on the first anchor, nearer the last: a segment before", two, 0, 0, '+', {80, 40, N}, 11,
         straight({Point(80, 40), Point(10, 10), Point(40, 10), Point(70, 10)})},
        {"'+' on the last anchor, nearer the first: a segment after", two, 6, 6, '+', {0, 40, N}, 11,
         straight({Point(10, 10), Point(40, 10), Point(70, 10), Point(0, 40)})},
        {"'+' on the middle anchor, nearer the first: the new anchor at 3", two, 3, 3, '+', {20, 30, N}, 11,
         straight({Point(10, 10), Point(20, 30), Point(40, 10), Point(70, 10)})},
        {"'+' on an anchor that is not active drags it", two, -1, 3, '+', {40, 30, N}, 11,
         {two[0], two[1], two[2], Point(40, 30), two[4], two[5], two[6]}},
        {"a drag with Shift straightens both segments", two, -1, 3, 0, {40, 30, S}, 11,
         straight({Point(10, 10), Point(40, 30), Point(70, 10)})},
        {"a drag of a control point next to the active anchor", two, 3, 4, 0, {50, 20, N}, 11,
         {two[0], two[1], two[2], two[3], Point(50, 20), two[5], two[6]}},
        {"nothing under the cursor", two, -1, -1, 0, {50, 20, N}, 0, {}},
    };
    TestApplication app;
    for (const Case& c : cases) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        UndoManager& undo = *drawing.context.undoManager;
        ASSERT_TRUE(undo.isEnabled());
        const int id = addCurve(drawing, c.points);
        ASSERT_EQ(id, 1) << c.name;
        ElementEditorBase& editor = *drawing.context.editor3;
        ASSERT_EQ(editor.beginEdit(id), 1);
        Element* e = editor.elementInHand();
        e->setActiveHandle(1, c.active);
        const Point at = c.hit >= 0 ? c.points[c.hit] : Point(200, 200);
        drawing.tool->cursor = at;
        ScopedOverride<unsigned char> key(theCurrentEvent->typedChar, static_cast<unsigned char>(c.key));
        ScriptedMouse mouse;
        const int x = static_cast<int>(at.x), y = static_cast<int>(at.y);
        play(mouse, clock,
             {{x, y, L | (c.release.keys & S)}, {(x + c.release.x) / 2, (y + c.release.y) / 2, L | (c.release.keys & S)},
              {c.release.x, c.release.y, L | (c.release.keys & S)}, {c.release.x, c.release.y, c.release.keys}});
        const int records = undo.recordCount();
        EXPECT_EQ(e->editByMouse(), c.result) << c.name;
        const std::vector<Point> expected = c.after.empty() ? c.points : c.after;
        EXPECT_TRUE(samePoints(pointsOf(*e), expected)) << c.name;
        if (c.result != 11) {
            EXPECT_EQ(undo.recordCount(), records) << c.name;
            continue;
        }
        EXPECT_EQ(undo.recordCount(), records + 1) << c.name;
        ASSERT_EQ(editor.storeBack(id), 1);
        ASSERT_EQ(undo.undo(), 1) << c.name;
        ASSERT_EQ(editor.beginEdit(id), 1);
        EXPECT_TRUE(samePoints(pointsOf(*editor.elementInHand()), c.points)) << c.name << ": undone";
        ASSERT_EQ(undo.redo(), 1) << c.name;
        ASSERT_EQ(editor.beginEdit(id), 1);
        EXPECT_TRUE(samePoints(pointsOf(*editor.elementInHand()), expected)) << c.name << ": redone";
    }

    // '+' and '-' only on an anchor of whole segments.
    struct Refusal {
        std::vector<Point> points;
        int h;
    };
    const Refusal refusals[] = {{two, 1}, {two, 2}, {two, 4}, {std::vector<Point>(two.begin(), two.begin() + 5), 3},
                                {two, 7}, {two, -1}};
    for (const Refusal& r : refusals) {
        LineDrawing drawing;
        auto curve = newCurve(drawing, r.points);
        EXPECT_EQ(BezierPath::insertAnchor(*curve->vertices(), r.h, Point(20, 30)), 0) << r.h;
        EXPECT_EQ(BezierPath::removeAnchor(*curve->vertices(), r.h), 0) << r.h;
        EXPECT_TRUE(samePoints(pointsOf(*curve), r.points)) << r.h;
    }
}

// A curve settled by a later command (the property command ends the tool first), or one whose
// points are edited, forgets the select tool's pick only: the element selected since stays
// selected, and the command finds it.
TEST(BezierEditing, SettlingAndPointEditsKeepTheSelection)
{
    TestApplication app;
    const std::vector<Point> two = straight({Point(10, 10), Point(40, 10), Point(70, 10)});
    struct Case {
        const char* what;
        int (*run)(Element& curve);
    };
    const Case cases[] = {
        {"the curve settled", [](Element& curve) { return curve.finishInput(); }},
        {"a point edit with no point under the cursor", [](Element& curve) { return curve.editByMouse(); }},
    };
    for (const Case& c : cases) {
        LineDrawing drawing;
        const int curve = addCurve(drawing, two);
        const int other = drawing.addLine(10, 50, 60, 50);
        ASSERT_GE(other, 1) << c.what;
        ElementEditorBase& editor = *drawing.context.editor3;
        ASSERT_EQ(editor.beginEdit(curve), 1) << c.what;
        drawing.tool->cursor = Point(200, 200);
        drawing.tool->selectSingle(other);
        (void)c.run(*editor.elementInHand()); // nothing to commit or to edit
        EXPECT_EQ(drawing.tool->selectedCount(), 1) << c.what;
        EXPECT_EQ(drawing.tool->firstSelectedId(), other) << c.what;
    }
}

TEST(BezierElement, ExtentScaleHandlesSnapsAndHits)
{
    TestApplication app;
    LineDrawing drawing;
    drawing.tool->picks = 1; // the select tool's pick tests run for real about its cursor

    // One arched segment: its control points lie above the curve's top (y 22.5).
    const std::vector<Point> arch = {Point(0, 0), Point(10, 30), Point(20, 30), Point(30, 0)};
    auto curve = newCurve(drawing, arch);
    curve->lineWidth()->width = 2.0;
    curve->computeExtent(1);
    EXPECT_TRUE(closeTo(curve->extentMin, Point(0, 0)) && closeTo(curve->extentMax, Point(30, 30)));
    const int id = addCurve(drawing, arch, 1, 2.0);
    ASSERT_EQ(drawing.context.editor3->beginEdit(id), 1);
    Element* stored = drawing.context.editor3->elementInHand();
    EXPECT_TRUE(closeTo(stored->extentMin, Point(-2, -2)) && closeTo(stored->extentMax, Point(32, 32)))
        << "the stored extent covers a 2 mm stroke";

    curve->scale(2.0, Point(0, 0), 1);
    EXPECT_TRUE(samePoints(pointsOf(*curve), {Point(0, 0), Point(20, 60), Point(40, 60), Point(60, 0)}));
    EXPECT_EQ(curve->lineWidth()->width, 2.0) << "scale keeps the width whatever its flags";

    // Handle 3 (the right side's middle) dragged from x 30 to 60 stretches x only; a cancelled
    // drag puts every point back.
    const std::vector<Point> box = straight({Point(0, 0), Point(30, 0), Point(30, 30), Point(0, 30)});
    for (int cancel : {0, 1}) {
        FakeClock clock(1000, 500);
        auto dragged = newCurve(drawing, box);
        ScriptedMouse mouse;
        play(mouse, clock, {{30, 15, L}, {45, 15, L}, {60, 15, L}, {60, 15, N}});
        drawing.view->steps = 0;
        drawing.view->cancelAt = cancel ? 3 : 0;
        EXPECT_EQ(dragged->dragHandle(3), cancel ? Element::kCancelled : Element::kDone) << cancel;
        EXPECT_TRUE(samePoints(pointsOf(*dragged),
                               cancel ? box : straight({Point(0, 0), Point(60, 0), Point(60, 30), Point(0, 30)})))
            << cancel;
    }
    drawing.view->cancelAt = 0;

    // Snaps on two open segments (0,0) - (30,0) - (30,30).
    struct Snap {
        const char* name;
        Point from;
        int edge;
        Point to;
    };
    const Snap snaps[] = {
        {"point: the nearest anchor, not the control point", Point(9, 1), 0, Point(0, 0)},
        {"point: the last anchor", Point(29, 25), 0, Point(30, 30)},
        {"edge: the chord to the nearer neighbour", Point(20, 3), 1, Point(20, 0)},
        {"edge: the closing chord of an open curve", Point(5, 20), 1, Point(12.5, 12.5)},
    };
    auto corner = newCurve(drawing, straight({Point(0, 0), Point(30, 0), Point(30, 30)}));
    corner->openClose()->value = OpenCloseAttribute::kOpen;
    (void)corner->vertices()->setXYZ(1, 10, 2, 0); // a control point off the chord
    for (const Snap& s : snaps) {
        Point p = s.from;
        EXPECT_EQ(s.edge ? corner->snapToNearestEdge(&p, nullptr) : corner->snapToNearestPoint(&p), 1) << s.name;
        EXPECT_TRUE(closeTo(p, s.to)) << s.name << ": " << p.x << ", " << p.y;
    }

    // Hits on three sides of a square (0,0) - (30,0) - (30,30) - (0,30), closed by its fourth.
    struct Hit {
        const char* name;
        int closed, filled, hatched, active;
        Point cursor;
        int hit;
    };
    const Hit hits[] = {
        {"filled: inside", 1, 1, 0, -1, Point(15, 15), 1},
        {"hatched, not filled: not inside", 1, 0, 2, -1, Point(15, 15), 0},
        {"not filled: on the outline", 1, 0, 0, -1, Point(30, 15), 1},
        {"not filled: on the closing side", 1, 0, 0, -1, Point(0, 15), 1},
        {"open: the closing side is not drawn", 0, 0, 0, -1, Point(0, 15), 0},
        {"a control point next to the active anchor", 0, 0, 0, 0, Point(10, -10), 1},
        {"a control point with no anchor active", 0, 0, 0, -1, Point(10, -10), 0},
    };
    for (const Hit& h : hits) {
        auto square = newCurve(drawing, straight({Point(0, 0), Point(30, 0), Point(30, 30), Point(0, 30)}));
        (void)square->vertices()->setXYZ(1, 10, -10, 0); // bends the first side outward
        square->openClose()->value = h.closed ? OpenCloseAttribute::kClose : OpenCloseAttribute::kOpen;
        square->fill()->draw.value = h.filled;
        square->hatch()->pattern = h.hatched;
        square->setActiveHandle(1, h.active);
        drawing.tool->cursor = h.cursor;
        EXPECT_EQ(square->hitTest(), h.hit) << h.name;
    }
}

TEST(BezierFile, TagOrderSavedAgainTheSameAndListsOfAnyCount)
{
    TestApplication app;
    ScratchFolder scratch;
    const std::vector<Point> two = straight({Point(10, 10), Point(40, 10), Point(70, 10)});
    std::string first;
    {
        LineDrawing drawing;
        ASSERT_EQ(addCurve(drawing, two, 1, 2.0), 1);
        ASSERT_EQ(addCurve(drawing, straight({Point(0, 0), Point(5, 8)})), 2);
        first = drawing.save(scratch.pathOf("curves.ycx"));
    }
    ASSERT_FALSE(first.empty());
    size_t at = first.find("<bezier3>");
    ASSERT_NE(at, std::string::npos);
    for (const char* tag : {"<edge>", "<paint>", "<openClose>\"OPEN\"</openClose>", "<lineSize>", "<pattern>",
                            "<listXY>", "</bezier3>"}) {
        const size_t next = first.find(tag, at);
        ASSERT_NE(next, std::string::npos) << tag;
        at = next;
    }
    {
        LineDrawing reopened;
        ASSERT_EQ(reopened.open(scratch.pathOf("curves.ycx")), 1);
        ASSERT_EQ(reopened.context.elementCount(), 2);
        ASSERT_EQ(reopened.context.editor3->beginEdit(1), 1);
        Element* curve = reopened.context.editor3->elementInHand();
        EXPECT_EQ(curve->kind, kBezier);
        EXPECT_TRUE(samePoints(pointsOf(*curve), two));
        EXPECT_EQ(curve->openClose()->value, OpenCloseAttribute::kOpen);
        EXPECT_EQ(curve->lineWidth()->width, 2.0);
        EXPECT_EQ(reopened.save(scratch.pathOf("again.ycx")), first);
    }

    // Lists that are not whole segments load as they are; editing, snapping and the hit tests
    // stay inside them, and '+' and '-' refuse them.
    for (int n : {0, 1, 2, 5, 8}) {
        const std::vector<Point> points(two.begin(), two.begin() + (n < 7 ? n : 7));
        std::vector<Point> list = points;
        if (n == 8)
            list.push_back(Point(80, 20));
        const std::string path = scratch.pathOf("count" + std::to_string(n) + ".ycx");
        {
            LineDrawing drawing;
            ASSERT_EQ(addCurve(drawing, list), 1) << n;
            ASSERT_FALSE(drawing.save(path).empty()) << n;
        }
        LineDrawing drawing;
        ASSERT_EQ(drawing.open(path), 1) << n;
        ElementEditorBase& editor = *drawing.context.editor3;
        ASSERT_EQ(editor.beginEdit(1), 1) << n;
        Element* curve = editor.elementInHand();
        EXPECT_TRUE(samePoints(pointsOf(*curve), list)) << n;
        drawing.tool->cursor = Point(10, 10);
        curve->setActiveHandle(1, 0);
        (void)curve->hitTest(); // only that it stays inside the list
        Point p(12, 12);
        EXPECT_EQ(curve->snapToNearestPoint(&p), n > 0 ? 1 : 0) << n;
        (void)curve->snapToNearestEdge(&p, nullptr); // one anchor has no chord
        for (unsigned char typed : {'+', '-'}) {
            FakeClock clock(1000, 500);
            ScopedOverride<unsigned char> key(theCurrentEvent->typedChar, typed);
            ScriptedMouse mouse;
            play(mouse, clock, {{10, 10, L}, {20, 30, L}, {20, 30, N}});
            EXPECT_EQ(curve->editByMouse(), typed == '-' && n > 0 ? -1 : 0) << n << " " << typed;
            EXPECT_TRUE(samePoints(pointsOf(*curve), list)) << n << " " << typed;
        }
    }
}

TEST(BezierRecord, EveryCutOfTheRecordFailsWithinIt)
{
    TestApplication app;
    LineDrawing drawing;
    const std::vector<Point> five = {Point(1.5, 2.5), Point(3, 4), Point(5, 6), Point(7, 8), Point(9, 10)};
    ASSERT_EQ(addCurve(drawing, five, 1, 0.5), 1);
    ASSERT_EQ(drawing.context.editor3->beginEdit(1), 1);
    Element* curve = drawing.context.editor3->elementInHand();
    curve->hatch()->pattern = 3;
    expectEveryCutFails(drawing, *curve, [&](Element& copy) {
        EXPECT_TRUE(samePoints(pointsOf(copy), five));
        EXPECT_EQ(copy.openClose()->value, OpenCloseAttribute::kOpen);
        EXPECT_EQ(copy.lineWidth()->width, 0.5);
        EXPECT_EQ(copy.hatch()->pattern, 3);
    });
}

} // namespace
