// The arc element: creation in two steps by the scripted mouse (drag, clicks, double click,
// Shift, refused arcs that resume), the radius queries and the hit test, and the drag of its
// points with undo.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "document/ElementKind.h"
#include "document/UndoCode.h"
#include "document/UndoManager.h"
#include "elements/ArcElement.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "tests/elements/LineFixture.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

const int kArc = kindCode(ElementKind::Arc);

std::unique_ptr<ArcElement> newArc(LineDrawing& drawing, Point start, Point end, Point middle)
{
    std::unique_ptr<ArcElement> arc(static_cast<ArcElement*>(drawing.registry->createElement(kArc)));
    arc->context = &drawing.context;
    arc->kind = kArc;
    *static_cast<Point*>(arc->firstPoint()) = start;
    *static_cast<Point*>(arc->secondPoint()) = end;
    *static_cast<Point*>(arc->thirdPoint()) = middle;
    return arc;
}

enum Keys { N = ScriptedMouse::kNone, L = ScriptedMouse::kLeft, S = ScriptedMouse::kShift };
struct Step {
    DWORD at;
    int x, y, keys;
};

// Plays the script (from 1000 ms, 50 ms per mouse read) for one call.
struct Script {
    Script(FakeClock& clock, const std::vector<Step>& steps)
    {
        for (const Step& s : steps)
            mouse.at(s.at, s.x, s.y, s.keys);
        mouse.advanceClockPerRead(&clock, 50);
    }
    ScriptedMouse mouse;
};

TEST(ArcCreation, ChordThenMiddlePointDoubleClickShiftAndRefusedArcs)
{
    struct Case {
        const char* name;
        Point press;
        std::vector<Step> script; // the press is the first step, at 1000 ms
        int result;
        Point end, middle;
        int stage, pending;
    };
    const Case cases[] = {
        {"drag to the end, click the middle",
         {10, 30},
         {{1000, 10, 30, L}, {1100, 50, 30, L}, {1300, 50, 30, N}, {1400, 30, 10, N}, {1600, 30, 10, L}},
         1, {50, 30}, {30, 10}, ArcElement::kNoStage, 1},
        {"a quick click, a click at the end, a click at the middle",
         {10, 30},
         {{1000, 10, 30, L}, {1030, 10, 30, N}, {1200, 50, 30, N}, {1400, 50, 30, L}, {1500, 50, 30, N},
          {1600, 30, 50, N}, {1800, 30, 50, L}},
         1, {50, 30}, {30, 50}, ArcElement::kNoStage, 1},
        {"a click in place within the double-click time", {10, 30},
         {{1000, 10, 30, L}, {1030, 10, 30, N}, {1200, 10, 30, L}}, 15, {10, 30}, {10, 30}, ArcElement::kPlacingEnd, 0},
        {"a click in place after it", {10, 30}, {{1000, 10, 30, L}, {1030, 10, 30, N}, {1700, 10, 30, L}}, -1,
         {10, 30}, {10, 30}, ArcElement::kPlacingEnd, 0},
        {"a middle point on the chord's line is refused", {10, 30},
         {{1000, 10, 30, L}, {1100, 50, 30, L}, {1300, 50, 30, N}, {1400, 70, 30, N}, {1600, 70, 30, L}}, -1,
         {50, 30}, {70, 30}, ArcElement::kPlacingMiddle, 1},
        {"a radius above the larger paper side is refused", {10, 30},
         {{1000, 10, 30, L}, {1100, 410, 30, L}, {1300, 410, 30, N}, {1400, 210, 31, N}, {1600, 210, 31, L}}, -1,
         {410, 30}, {210, 31}, ArcElement::kPlacingMiddle, 1},
        // Shift puts the end on the horizontal through start when |dy| < |dx|, else on the vertical.
        {"Shift (10, 3) gives (10, 0)", {100, 100},
         {{1000, 100, 100, L}, {1100, 110, 103, L | S}, {1300, 110, 103, S}, {1400, 105, 90, N}, {1600, 105, 90, L}},
         1, {110, 100}, {105, 90}, ArcElement::kNoStage, 1},
        {"Shift (3, 10) gives (0, 10)", {100, 100},
         {{1000, 100, 100, L}, {1100, 103, 110, L | S}, {1300, 103, 110, S}, {1400, 90, 105, N}, {1600, 90, 105, L}},
         1, {100, 110}, {90, 105}, ArcElement::kNoStage, 1},
        {"Shift (5, 5) gives (0, 5)", {100, 100},
         {{1000, 100, 100, L}, {1100, 105, 105, L | S}, {1300, 105, 105, S}, {1400, 90, 103, N}, {1600, 90, 103, L}},
         1, {100, 105}, {90, 103}, ArcElement::kNoStage, 1},
    };
    TestApplication app;
    for (const Case& c : cases) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        Script script(clock, c.script);
        drawing.points->press = c.press;
        drawing.points->has = 1;
        auto arc = newArc(drawing, {0, 0}, {0, 0}, {0, 0});
        EXPECT_EQ(arc->beginCreateInput(0), c.result) << c.name;
        EXPECT_EQ(arc->firstPoint()->x, c.press.x) << c.name;
        EXPECT_EQ(arc->secondPoint()->x, c.end.x) << c.name;
        EXPECT_EQ(arc->secondPoint()->y, c.end.y) << c.name;
        EXPECT_EQ(arc->thirdPoint()->x, c.middle.x) << c.name;
        EXPECT_EQ(arc->thirdPoint()->y, c.middle.y) << c.name;
        EXPECT_EQ(arc->inputStage, c.stage) << c.name;
        EXPECT_EQ(arc->inputPending, c.pending) << c.name;
    }

    // A refused middle point resumes the middle-point stage: the next click picks another one.
    FakeClock clock(1000, 500);
    LineDrawing drawing;
    drawing.points->press = Point(10, 30);
    drawing.points->has = 1;
    auto arc = newArc(drawing, {0, 0}, {0, 0}, {0, 0});
    {
        Script script(clock, cases[4].script);
        ASSERT_EQ(arc->beginCreateInput(0), -1);
    }
    clock.set(3000);
    Script again(clock, {{3000, 70, 30, N}, {3100, 30, 12, N}, {3300, 30, 12, L}});
    EXPECT_EQ(arc->continueCreateInput(0), 1);
    EXPECT_EQ(arc->secondPoint()->x, 50.0) << "the end point stays";
    EXPECT_EQ(arc->thirdPoint()->y, 12.0);
    EXPECT_EQ(arc->inputStage, ArcElement::kNoStage);
}

TEST(ArcQueries, RadiusDiameterAndHitTest)
{
    TestApplication app;
    LineDrawing drawing;
    drawing.tool->picks = 1;
    struct Case {
        const char* name;
        Point start, end, middle;
        int result;
        double diameter;
        Point centre;
    };
    const Case cases[] = {
        {"radius 7.5", {0, 0}, {15, 0}, {7.5, -7.5}, 1, 15.0, {7.5, 0}},
        {"a quarter of radius 10", {10, 0}, {0, 10}, {10 * std::sqrt(0.5), 10 * std::sqrt(0.5)}, 1, 20.0, {0, 0}},
        {"collinear points", {0, 0}, {10, 0}, {5, 0}, 0, -1.0, {-1, -1}},
        {"three equal points", {4, 4}, {4, 4}, {4, 4}, 0, -1.0, {-1, -1}},
    };
    for (const Case& c : cases) {
        auto arc = newArc(drawing, c.start, c.end, c.middle);
        double d[2] = {-1.0, -1.0}, r[2] = {-1.0, -1.0};
        Point centre(-1, -1);
        EXPECT_EQ(arc->getDiameter(d, &centre), c.result) << c.name;
        EXPECT_EQ(arc->getRadius(r, nullptr), c.result) << c.name;
        EXPECT_NEAR(d[0], c.diameter, 1e-9) << c.name;
        EXPECT_NEAR(r[0], c.result ? c.diameter / 2 : -1.0, 1e-9) << c.name;
        EXPECT_NEAR(centre.x, c.centre.x, 1e-9) << c.name;
        EXPECT_NEAR(centre.y, c.centre.y, 1e-9) << c.name;
        drawing.tool->cursor = c.middle;
        EXPECT_EQ(arc->hitTest(), c.result) << c.name << ": the stroke through the middle point, nothing without an arc";
    }

    // The hit test honours the width and the line position: a 4 mm TOP stroke lies inside the
    // arc of radius 10 (8 to 10 from the centre), a BOTTOM one outside (10 to 12).
    struct HitCase {
        int position;
        double distance; // of the cursor from the centre, on the arc's middle direction
        int hit;
    };
    const HitCase hits[] = {
        {LineOriginAttribute::kCenter, 12.6, 0}, {LineOriginAttribute::kTop, 8.2, 1},
        {LineOriginAttribute::kTop, 11.6, 0},    {LineOriginAttribute::kBottom, 11.8, 1},
    };
    for (const HitCase& h : hits) {
        auto arc = newArc(drawing, {10, 0}, {-10, 0}, {0, -10});
        arc->lineWidth()->width = 4.0;
        arc->linePosition()->position = h.position;
        drawing.tool->cursor = Point(0, -h.distance);
        EXPECT_EQ(arc->hitTest(), h.hit) << h.position << " at " << h.distance;
        EXPECT_EQ(drawing.tool->askedWidth, 4.0);
    }
}

TEST(ArcEditing, TheMiddlePointDraggedAndUndone)
{
    TestApplication app;
    FakeClock clock(1000, 500);
    LineDrawing drawing;
    UndoManager& undo = *drawing.context.undoManager;
    ASSERT_TRUE(undo.isEnabled()) << "the test prefix's temporary folder must take the log";
    ElementEditorBase& editor = *drawing.context.editor3;
    ASSERT_EQ(editor.startNewElement(kArc), 1);
    Element* arc = editor.elementInHand();
    *static_cast<Point*>(arc->firstPoint()) = Point(10, 30);
    *static_cast<Point*>(arc->secondPoint()) = Point(50, 30);
    *static_cast<Point*>(arc->thirdPoint()) = Point(30, 10);
    ASSERT_EQ(editor.commitNewElement(), 1);
    const int id = arc->id;

    // The middle point under the cursor follows the mouse; one point-move record (51) takes it
    // back. Start and end share the line's drag.
    ASSERT_EQ(editor.beginEdit(id), 1);
    arc = editor.elementInHand();
    drawing.tool->cursor = Point(30, 10);
    {
        Script script(clock, {{1000, 30, 10, L}, {1100, 30, 5, L}, {1300, 30, 5, N}});
        EXPECT_EQ(arc->editByMouse(), Element::kDone);
    }
    EXPECT_EQ(arc->thirdPoint()->y, 5.0);
    ASSERT_EQ(editor.storeBack(id), 1);
    char text[UndoManager::kTextSize], moveName[32];
    ASSERT_TRUE(undo.undoText(text));
    ASSERT_EQ(UndoManager::operationName(static_cast<int>(UndoCode::PointMove), 1, moveName, 32), 1);
    EXPECT_NE(std::string(text).find(moveName), std::string::npos);
    ASSERT_EQ(undo.undo(), 1);
    ASSERT_EQ(editor.beginEdit(id), 1);
    EXPECT_EQ(editor.elementInHand()->thirdPoint()->y, 10.0);
    drawing.tool->cursor = Point(100, 100);
    EXPECT_EQ(editor.elementInHand()->editByMouse(), 0) << "no point under the cursor";
}

} // namespace
